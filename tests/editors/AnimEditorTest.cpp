#include "editors/AnimEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "editors/AnimEditorButtons.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"

using Kind = RecordingRenderer::Kind;

namespace {
const std::filesystem::path kBuiltBase = BRAWLWICK_BASE_DIR;

// A match on a floor, its skeleton files copied from the built ones into a folder of its own.
class AnimEditorTest : public testing::Test {
protected:
    AnimEditorTest() {
        std::filesystem::create_directories(folder_ / "Base");
        for (const char* name : {"LDefault.bwv", "UDefault.bwv"})
            std::filesystem::copy_file(kBuiltBase / name, folder_ / "Base" / name);
        GameServices services = rig_.Services();
        services.openAnimEditor = [](Game& game) { return std::make_unique<AnimEditor>(game); };
        game_ = std::make_unique<Game>(services, 1, 32, GameType::FreeForAll);
        game_->Map().Contents().platforms.emplace_back(0, 500, 2000, 540);
        game_->Map().Contents().spawnPoints = {{1000, 488, 0}};
        game_->Start();
    }

    void Click(AnimEditor& editor, float x, float y, bool left = true) {
        rig_.cursor.SetCursorPos(static_cast<int>(x), static_cast<int>(y));
        left ? editor.OnLeftButtonDown() : editor.OnRightButtonDown();
    }
    // One editor frame with a chord held through it.
    void FrameHolding(AnimEditor& editor, std::initializer_list<int> keys) {
        for (int key : keys)
            rig_.Hold(key);
        editor.Frame(*game_);
        for (int key : keys)
            rig_.Release(key);
    }
    Vec2 Joint(int animation, int frame, int joint) {
        return game_->LowerAnimations().Get(animation).frames.at(frame).Point(joint);
    }
    std::vector<std::string> Texts() const { return rig_.renderer.Texts(); }

    std::filesystem::path folder_ = FreshTestFolder("anim-editor");
    GameRig rig_{folder_};
    std::unique_ptr<Game> game_;
};
}  // namespace

TEST_F(AnimEditorTest, ButtonsAreHitEdgesIncludedAndDarkenUnderTheCursor) {
    const struct {
        Vec2 point;
        const char* text;  // nullptr: no button
    } cases[] = {
        {{160, 520}, "Save"},         {{240, 550}, "Save"},         {{300, 495}, "Add Frame"},
        {{480, 510}, "Delete Frame"}, {{360, 520}, "Clear Frames"}, {{610, 535}, "Cycle Anims"},
        {{50, 550}, "<<<"},           {{750, 520}, ">>>"},          {{245, 530}, nullptr},
        {{400, 515}, nullptr},        {{400, 300}, nullptr}};
    for (const auto& [point, text] : cases) {
        const EditorButton* button = ButtonAt(point);
        EXPECT_STREQ(button ? button->text : nullptr, text) << point.x << "," << point.y;
    }
    AnimEditor editor(*game_);
    rig_.cursor.SetCursorPos(200, 535);
    editor.Frame(*game_);
    std::map<std::string, int> textAlpha;
    for (const auto& call : rig_.renderer.CallsOf(Kind::Text))
        textAlpha[call.text] = call.colour.a;
    EXPECT_EQ(textAlpha["Save"], 255);
    EXPECT_EQ(textAlpha["Add Frame"], 150);
    // Outlines: faint only around the button under the cursor.
    std::vector<float> faintTops;
    for (const auto& call : rig_.renderer.CallsOf(Kind::Line)) {
        if (call.colour == Colour{0, 0, 0, 150} && call.v[1] == call.v[3])
            faintTops.push_back(call.v[1]);
    }
    EXPECT_EQ(faintTops, (std::vector<float>{520, 550}));
}

TEST_F(AnimEditorTest, ALeftClickPressesAButtonAndPicksTheNearestJointTheLowerOnATie) {
    AnimEditor editor(*game_);
    game_->EditLowerAnimations().Get(0).frames.assign(2, LowerPose());
    editor.OnCommand(Command::None);  // shows the frame just set
    // Default joints about (400, 300): neck (0,-14), hip (0,-2), knees (-5,5) (5,5), feet
    // (-5,12) (5,12).
    const struct {
        Vec2 cursor;
        int joint;
    } picks[] = {{{400, 280}, 0}, {{400, 305}, 2}, {{405, 305}, 3},
                 {{400, 312}, 4}, {{420, 320}, 5}, {{400, 292}, 0}};
    for (const auto& [cursor, joint] : picks) {
        Click(editor, cursor.x, cursor.y);
        EXPECT_EQ(editor.SelectedJoint(), joint) << cursor.x << "," << cursor.y;
    }
    Click(editor, 300, 495);  // "Add Frame", nearest to the left foot
    EXPECT_EQ(editor.FrameCount(), 3);
    EXPECT_EQ(editor.SelectedJoint(), 4);
    editor.OnCommand(Command::EditOrPreview);
    Click(editor, 300, 495);  // the preview takes no left clicks
    EXPECT_EQ(editor.FrameCount(), 3);
}

TEST_F(AnimEditorTest, RightClicksMoveTheJointAndUndoAndRedoTakeBackMovesAndDeletions) {
    AnimEditor editor(*game_);
    const Vec2 before = Joint(0, 0, 3);
    editor.OnCommand(Command::NextJoint);
    editor.OnCommand(Command::NextJoint);
    editor.OnCommand(Command::NextJoint);
    Click(editor, 420, 280, false);
    EXPECT_EQ(Joint(0, 0, 3), (Vec2{20, -20}));
    FrameHolding(editor, {Key::kLeftControl, Key::kZ});
    EXPECT_EQ(Joint(0, 0, 3), before);
    FrameHolding(editor, {Key::kRightControl, Key::kY});
    EXPECT_EQ(Joint(0, 0, 3), (Vec2{20, -20}));

    // A deleted frame comes back where it was, shown again.
    const std::vector<LowerPose> running = game_->LowerAnimations().Get(1).frames;
    editor.OnCommand(Command::NextAnimation);
    editor.OnCommand(Command::NextFrame);
    editor.OnCommand(Command::DeleteFrame);
    ASSERT_EQ(editor.FrameCount(), static_cast<int>(running.size()) - 1);
    FrameHolding(editor, {Key::kLeftControl, Key::kZ});
    EXPECT_EQ(editor.FrameCount(), static_cast<int>(running.size()));
    EXPECT_EQ(Joint(1, 1, 4), running[1].Point(4));
    EXPECT_EQ(editor.FrameIndex(), 1);
    FrameHolding(editor, {Key::kLeftControl, Key::kY});
    EXPECT_EQ(editor.FrameCount(), static_cast<int>(running.size()) - 1);
    FrameHolding(editor, {Key::kY});  // without Control nothing happens
    EXPECT_EQ(editor.FrameCount(), static_cast<int>(running.size()) - 1);
}

TEST_F(AnimEditorTest, DeletingKeepsTwoFramesClearingLeavesTwoRestingPoses) {
    AnimEditor editor(*game_);
    auto& standing = game_->EditLowerAnimations().Get(0).frames;
    ASSERT_EQ(standing.size(), 2u);
    editor.OnCommand(Command::DeleteFrame);
    EXPECT_EQ(standing.size(), 2u);
    editor.OnCommand(Command::AddFrame);
    standing[1].SetPoint(0, Vec2{7, 7});
    editor.OnCommand(Command::NextFrame);
    editor.OnCommand(Command::NextFrame);
    editor.OnCommand(Command::DeleteFrame);
    EXPECT_EQ(editor.FrameIndex(), 0);
    ASSERT_EQ(standing.size(), 2u);
    EXPECT_EQ(standing[1].Point(0), (Vec2{7, 7}));  // the third frame went
    rig_.renderer.Clear();
    editor.Frame(*game_);
    EXPECT_EQ(Texts()[0], "Frame 1/2");
    EXPECT_EQ(Texts()[1], "Standing");
    editor.OnCommand(Command::ClearFrames);
    EXPECT_EQ(standing[1].Point(0), LowerPose().Point(0));
}

TEST_F(AnimEditorTest, CycleAnimsWrapsFromNineToZeroAndULeavesTheLegsForTheArms) {
    AnimEditor editor(*game_);
    for (int i = 0; i < 9; ++i)
        editor.OnCommand(Command::NextAnimation);
    EXPECT_EQ(editor.AnimationIndex(), 9);
    editor.OnCommand(Command::NextFrame);
    editor.OnCommand(Command::NextAnimation);
    EXPECT_EQ(std::pair(editor.AnimationIndex(), editor.FrameIndex()), std::pair(0, 0));

    Click(editor, 405, 312);  // the right foot, joint 5, which the arms do not have
    editor.OnCommand(Command::LegsOrArms);
    EXPECT_TRUE(editor.UpperMode());
    EXPECT_EQ(editor.SelectedJoint(), 4);
    editor.OnCommand(Command::NextJoint);
    EXPECT_EQ(editor.SelectedJoint(), 0);
    editor.OnCommand(Command::NextAnimation);
    rig_.renderer.Clear();
    editor.Frame(*game_);
    EXPECT_EQ(Texts()[1], "Kick");
    const auto lines = rig_.renderer.CallsOf(Kind::Line);
    EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const auto& call) {
        return call.colour.r == 255;
    })) << "no ground under the arms";
}

TEST_F(AnimEditorTest, ThePreviewsSpeedFollowsTheArrowsAndBelowZeroHoldsItsFrame) {
    AnimEditor editor(*game_);
    editor.OnCommand(Command::NextAnimation);  // "Running"
    editor.OnCommand(Command::EditOrPreview);
    const float start = editor.Speed();
    FrameHolding(editor, {Key::kUpArrow});
    EXPECT_FLOAT_EQ(editor.Speed(), start + 0.001f);
    editor.OnCommand(Command::NextAnimation);  // the edit mode's alone
    EXPECT_EQ(editor.AnimationIndex(), 1);
    rig_.Hold(Key::kDownArrow);
    while (editor.Speed() >= 0.0f)
        editor.Frame(*game_);
    const AnimationState held = editor.PreviewState();
    for (int i = 0; i < 50; ++i) {
        editor.Frame(*game_);
        EXPECT_LE(editor.PreviewState().phase, held.phase);
    }
    EXPECT_EQ(std::pair(editor.PreviewState().current, editor.PreviewState().next),
              std::pair(held.current, held.next));
    EXPECT_EQ(editor.PreviewState().phase, 0.0f);
    EXPECT_EQ(Texts().back().rfind("Speed: -", 0), 0u) << Texts().back();
}

TEST_F(AnimEditorTest, SaveWritesBothSetsThatLoadBackByteForByteOrKeepsTheOldFiles) {
    AnimEditor editor(*game_);
    editor.OnCommand(Command::AddFrame);
    game_->EditUpperAnimations().Get(2).speed = -0.25f;  // a preview run below zero
    const auto lower = folder_ / "Base" / "LDefault.bwv";
    const auto upper = folder_ / "Base" / "UDefault.bwv";
    editor.OnCommand(Command::SaveAnimations);
    const std::string savedLower = ReadAll(lower);
    const std::string savedUpper = ReadAll(upper);
    const auto bytes = [](const auto& set) {
        const auto saved = set.Save();
        return std::string(saved.begin(), saved.end());
    };
    EXPECT_EQ(savedLower, bytes(game_->LowerAnimations()));
    EXPECT_EQ(savedUpper, bytes(game_->UpperAnimations()));
    const auto reloaded = rig_.MakeGame(1);
    EXPECT_EQ(bytes(reloaded->LowerAnimations()), savedLower);
    EXPECT_EQ(bytes(reloaded->UpperAnimations()), savedUpper);
    EXPECT_EQ(rig_.console->History().back(), "Saved animations to \"" + upper.string() + "\".");

    editor.OnCommand(Command::AddFrame);
    std::filesystem::permissions(folder_ / "Base", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    // Root writes into a read-only folder all the same; a folder in the temporary file's way
    // stops it.
    if (::access((folder_ / "Base").c_str(), W_OK) == 0)
        std::filesystem::create_directory(folder_ / "Base" / "LDefault.bwv.tmp");
    editor.OnCommand(Command::SaveAnimations);
    std::filesystem::permissions(folder_ / "Base", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(ReadAll(lower), savedLower);
    const auto& history = rig_.console->History();
    EXPECT_TRUE(std::any_of(history.begin(), history.end(), [&](const std::string& line) {
        return line.starts_with("Could not save \"" + lower.string() + "\": cannot write ");
    }));
}

TEST_F(AnimEditorTest, ClosingWithF11ResumesTheMatchOnTheEditedSetsAtOnce) {
    Player& human = game_->GetPlayer(0);
    game_->Respawn(human);
    rig_.developer = true;
    game_->OnCommand(Command::AnimEditor);
    ASSERT_TRUE(game_->AnimEditorOpen());
    game_->OnCommand(Command::AddFrame);
    game_->OnCommand(Command::AddFrame);
    game_->OnCommand(Command::AnimEditor);
    game_->Frame();
    ASSERT_FALSE(game_->AnimEditorOpen());
    game_->EditLowerAnimations().Get(0).speed = 0.9f;  // on to the added frames quickly
    while (human.LowerState().current < 2) {
        rig_.Tick();
        game_->Frame();
    }
    game_->OnCommand(Command::AnimEditor);
    game_->OnCommand(Command::ClearFrames);
    EXPECT_LT(human.LowerState().current, 2);  // fitted at once, before the match moves
    EXPECT_LT(human.LowerState().next, 2);
    game_->OnCommand(Command::AnimEditor);
    game_->Frame();
    rig_.Tick();
    game_->Frame();
    // Two resting poses: the neck stands where the resting figure has it.
    EXPECT_EQ(human.Lower().Point(0), human.Position() + LowerPose().Point(0));
}
