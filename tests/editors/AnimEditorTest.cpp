#include "editors/AnimEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "editors/AnimEditorButtons.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"

namespace {
const std::filesystem::path kBuiltBase = BRAWLWICK_BASE_DIR;

// An editor on a floor match whose skeleton files are copies of the built ones.
class AnimEditorTest : public testing::Test {
protected:
    AnimEditorTest() {
        std::filesystem::create_directories(base_);
        for (const char* name : {"LDefault.bwv", "UDefault.bwv"})
            std::filesystem::copy_file(kBuiltBase / name, base_ / name);
        GameServices services = rig_.Services();
        services.openAnimEditor = [](Game& game) { return std::make_unique<AnimEditor>(game); };
        game_ = std::make_unique<Game>(services, 1, 32, GameType::FreeForAll);
        game_->Map().Contents().platforms.emplace_back(0, 500, 2000, 540);
        game_->Map().Contents().spawnPoints = {{1000, 488, 0}};
        game_->Start();
        editor_ = std::make_unique<AnimEditor>(*game_);
    }

    void Click(float x, float y, bool left = true) {
        rig_.cursor.SetCursorPos(static_cast<int>(x), static_cast<int>(y));
        left ? editor_->OnLeftButtonDown() : editor_->OnRightButtonDown();
    }
    void Commands(std::initializer_list<Command> commands) {
        for (Command command : commands)
            editor_->OnCommand(command);
    }
    // One frame with the keys held through it; the texts it drew.
    std::vector<std::string> FrameHolding(std::initializer_list<int> keys = {}) {
        for (int key : keys)
            rig_.Hold(key);
        rig_.renderer.Clear();
        editor_->Frame(*game_);
        for (int key : keys)
            rig_.Hold(key, false);
        return rig_.renderer.Texts();
    }
    Vec2 Joint(int animation, int frame, int joint) {
        return game_->LowerAnimations().Get(animation).frames.at(frame).Point(joint);
    }

    std::filesystem::path folder_ = FreshTestFolder("anim-editor");
    std::filesystem::path base_ = folder_ / "Base";
    GameRig rig_{folder_};
    std::unique_ptr<Game> game_;
    std::unique_ptr<AnimEditor> editor_;
};
}  // namespace

TEST_F(AnimEditorTest, ButtonsAreHitEdgesIncludedAndDarkenUnderTheCursor) {
    // Both corners of one button, and the gaps either side of another.
    const std::pair<Vec2, const char*> hits[] = {
        {{160, 520}, "Save"}, {{240, 550}, "Save"}, {{245, 530}, nullptr}, {{400, 515}, nullptr}};
    for (const auto& [point, text] : hits) {
        const EditorButton* button = ButtonAt(point);
        EXPECT_STREQ(button ? button->text : nullptr, text) << point.x << "," << point.y;
    }
    rig_.cursor.SetCursorPos(200, 535);
    FrameHolding();
    std::map<std::string, int> textAlpha;
    std::vector<float> faintLines;  // where each faint outline line starts
    for (const auto& call : rig_.renderer.Calls()) {
        if (!call.text.empty()) textAlpha[call.text] = call.colour.a;
        if (call.text.empty() && call.colour == Colour{0, 0, 0, 150})
            faintLines.push_back(call.v[1]);
    }
    EXPECT_EQ(textAlpha["Save"], 255);
    EXPECT_EQ(textAlpha["Add Frame"], 150);
    EXPECT_EQ(faintLines, (std::vector<float>{520, 520, 550, 550}));  // around "Save" alone
}

TEST_F(AnimEditorTest, ALeftClickPressesAButtonAndPicksTheNearestJointTheLowerOnATie) {
    game_->EditLowerAnimations().Get(0).frames.assign(2, LowerPose());
    Commands({Command::None});  // shows the frame just set
    // Resting joints, eight times their size about (400, 300): neck (0,-14), hip (0,-2), knees
    // (-5,5) (5,5), feet (-5,12) (5,12).
    const std::pair<Vec2, int> picks[] = {{{400, 180}, 0}, {{400, 330}, 2}, {{405, 330}, 3},
                                          {{400, 396}, 4}, {{450, 420}, 5}, {{400, 236}, 0}};
    for (const auto& [cursor, joint] : picks) {
        Click(cursor.x, cursor.y);
        EXPECT_EQ(editor_->SelectedJoint(), joint) << cursor.x << "," << cursor.y;
    }
    Click(300, 495);  // "Add Frame", nearest to the left foot
    EXPECT_EQ(std::pair(editor_->FrameCount(), editor_->SelectedJoint()), std::pair(3, 4));
    Commands({Command::EditOrPreview});
    Click(300, 495);  // the preview takes no left clicks
    EXPECT_EQ(editor_->FrameCount(), 3);
}

TEST_F(AnimEditorTest, RightClicksMoveTheJointAndUndoAndRedoTakeBackMovesAndDeletions) {
    const Vec2 before = Joint(0, 0, 3);
    Commands({Command::NextJoint, Command::NextJoint, Command::NextJoint});
    Click(563, 137, false);  // to the nearest whole unit
    EXPECT_EQ(Joint(0, 0, 3), (Vec2{20, -20}));
    FrameHolding({Key::kLeftControl, Key::kZ});
    EXPECT_EQ(Joint(0, 0, 3), before);
    FrameHolding({Key::kRightControl, Key::kY});
    EXPECT_EQ(Joint(0, 0, 3), (Vec2{20, -20}));

    // A deleted frame comes back where it was, and is shown.
    const std::vector<LowerPose> running = game_->LowerAnimations().Get(1).frames;
    const int count = static_cast<int>(running.size());
    Commands({Command::NextAnimation, Command::NextFrame, Command::DeleteFrame});
    ASSERT_EQ(editor_->FrameCount(), count - 1);
    FrameHolding({Key::kLeftControl, Key::kZ});
    EXPECT_EQ(std::pair(editor_->FrameCount(), editor_->FrameIndex()), std::pair(count, 1));
    EXPECT_EQ(Joint(1, 1, 4), running[1].Point(4));
    FrameHolding({Key::kLeftControl, Key::kY});
    FrameHolding({Key::kY});  // without Control nothing happens
    EXPECT_EQ(editor_->FrameCount(), count - 1);
}

TEST_F(AnimEditorTest, FramesAreAddedDeletedClearedAndCycledWithinBounds) {
    auto& standing = game_->EditLowerAnimations().Get(0).frames;
    ASSERT_EQ(standing.size(), 2u);
    Commands({Command::DeleteFrame, Command::AddFrame});  // two frames stay
    standing[1].SetPoint(0, Vec2{7, 7});
    Commands({Command::NextFrame, Command::NextFrame, Command::DeleteFrame});
    ASSERT_EQ(standing.size(), 2u);
    EXPECT_EQ(standing[1].Point(0), (Vec2{7, 7}));  // the third frame went
    const auto texts = FrameHolding();
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 2),
              (std::vector<std::string>{"Frame 1/2", "Standing"}));
    Commands({Command::ClearFrames});
    EXPECT_EQ(standing[1].Point(0), LowerPose().Point(0));

    for (int i = 0; i < 9; ++i)
        Commands({Command::NextAnimation});
    Commands({Command::NextFrame});
    EXPECT_EQ(std::pair(editor_->AnimationIndex(), editor_->FrameIndex()), std::pair(9, 1));
    Commands({Command::NextAnimation});
    EXPECT_EQ(std::pair(editor_->AnimationIndex(), editor_->FrameIndex()), std::pair(0, 0));
}

TEST_F(AnimEditorTest, UTakesTheArmsWhichHaveFiveJointsAndNoGround) {
    Click(440, 396);  // the right foot, joint 5, which the arms do not have
    Commands({Command::LegsOrArms});
    EXPECT_TRUE(editor_->UpperMode());
    EXPECT_EQ(editor_->SelectedJoint(), 4);
    Commands({Command::NextJoint, Command::NextAnimation});
    EXPECT_EQ(editor_->SelectedJoint(), 0);
    EXPECT_EQ(FrameHolding()[1], "Kick");
    const auto& calls = rig_.renderer.Calls();
    EXPECT_TRUE(std::none_of(calls.begin(), calls.end(), [](const auto& call) {
        return call.colour == Colour{255, 0, 0, 150};
    }));
}

TEST_F(AnimEditorTest, ThePreviewsSpeedFollowsTheArrowsAndBelowZeroHoldsItsFrame) {
    Commands({Command::NextAnimation, Command::EditOrPreview});  // "Running" plays
    const float start = editor_->Speed();
    FrameHolding({Key::kUpArrow});
    EXPECT_FLOAT_EQ(editor_->Speed(), start + 0.001f);
    Commands({Command::NextAnimation});  // the edit mode's alone
    EXPECT_EQ(editor_->AnimationIndex(), 1);
    rig_.Hold(Key::kDownArrow);
    while (editor_->Speed() >= 0.0f)
        editor_->Frame(*game_);
    const AnimationState held = editor_->PreviewState();
    for (int i = 0; i < 50; ++i)
        editor_->Frame(*game_);
    const AnimationState& now = editor_->PreviewState();
    EXPECT_EQ(std::tuple(now.current, now.next, now.phase),
              std::tuple(held.current, held.next, 0.0f));
    EXPECT_EQ(FrameHolding().back().rfind("Speed: -", 0), 0u);
}

// A saved set loading back is the end-to-end tests'; here, a speed below zero and a failure.
TEST_F(AnimEditorTest, SaveWritesBothSetsBesideBaseOrKeepsTheOldFiles) {
    game_->EditUpperAnimations().Get(2).speed = -0.25f;  // a preview run below zero
    Commands({Command::SaveAnimations});
    const auto saved = game_->UpperAnimations().Save();
    EXPECT_EQ(ReadAll(folder_ / "UDefault.bwv"), std::string(saved.begin(), saved.end()));
    EXPECT_EQ(ReadAll(base_ / "LDefault.bwv"), ReadAll(kBuiltBase / "LDefault.bwv"));
    const std::string lower = ReadAll(folder_ / "LDefault.bwv");

    Commands({Command::AddFrame});
    using std::filesystem::perm_options;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                 perm_options::remove);
    // Root writes into a read-only folder all the same; a folder in the temporary file's way
    // stops it.
    if (::access(folder_.c_str(), W_OK) == 0)
        std::filesystem::create_directory(folder_ / "LDefault.bwv.tmp");
    Commands({Command::SaveAnimations});
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_write, perm_options::add);
    EXPECT_EQ(ReadAll(folder_ / "LDefault.bwv"), lower);
    const auto& said = rig_.console->History();
    EXPECT_TRUE(std::any_of(said.begin(), said.end(), [&](const std::string& line) {
        return line.starts_with("Could not save \"" + (folder_ / "LDefault.bwv").string() +
                                "\": cannot write ");
    }));
}

TEST_F(AnimEditorTest, ClosingWithF11ResumesTheMatchOnTheEditedSetsAtOnce) {
    Player& human = game_->GetPlayer(0);
    game_->Respawn(human);
    rig_.developer = true;
    for (Command command :
         {Command::AnimEditor, Command::AddFrame, Command::AddFrame, Command::AnimEditor}) {
        game_->OnCommand(command);
    }
    game_->Frame();
    ASSERT_FALSE(game_->AnimEditorOpen());
    game_->EditLowerAnimations().Get(0).speed = 0.9f;  // on to the added frames quickly
    while (human.LowerState().current < 2) {
        rig_.Tick();
        game_->Frame();
    }
    game_->OnCommand(Command::AnimEditor);
    game_->OnCommand(Command::ClearFrames);
    // Fitted at once, before the match moves again.
    EXPECT_LT(std::max(human.LowerState().current, human.LowerState().next), 2);
    game_->OnCommand(Command::AnimEditor);
    for (int i = 0; i < 2; ++i) {
        rig_.Tick();
        game_->Frame();
    }
    // Two resting poses: the neck stands where the resting figure has it.
    EXPECT_EQ(human.Lower().Point(0), human.Position() + LowerPose().Point(0));
}
