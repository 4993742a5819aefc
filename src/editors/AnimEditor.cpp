#include "editors/AnimEditor.h"

#include <algorithm>
#include <cmath>

#include "core/AtomicFile.h"
#include "core/TextFormat.h"
#include "editors/AnimEditorButtons.h"
#include "game/Game.h"
#include "input/CursorDevice.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "render/Font.h"
#include "render/Renderer.h"

namespace {
constexpr int kTitleHeight = 32;
constexpr int kButtonHeight = 16;

template <std::size_t N>
int CountOf(const EditedFigure<N>& figure, int animation) {
    return static_cast<int>(figure.set.Get(animation).frames.size());
}
}  // namespace

AnimEditor::AnimEditor(Game& game)
    : game_(game),
      titleFont_(game.Services().renderer.MakeFont("Arial", kTitleHeight, kFontBold)),
      buttonFont_(game.Services().renderer.MakeFont("Arial", kButtonHeight, 0)),
      lowerFigure_(game.EditLowerAnimations()),
      upperFigure_(game.EditUpperAnimations()),
      view_(game.Services().renderer, game.Services().graphics),
      selectionSprite_(game.FindSprite("VertSel")),
      history_(game.EditLowerAnimations(), game.EditUpperAnimations()) {
    Settle();
}

AnimEditor::~AnimEditor() = default;

bool AnimEditor::Frame(Game&) {
    Update();
    Draw();
    return done_;
}

void AnimEditor::OnCommand(Command command) {
    struct Entry {
        void (AnimEditor::*run)();
        Command command;
        bool editModeOnly;
    };
    static constexpr Entry kCommands[] = {
        {&AnimEditor::NextFrame, Command::NextFrame, true},
        {&AnimEditor::PrevFrame, Command::PrevFrame, true},
        {&AnimEditor::NextJoint, Command::NextJoint, true},
        {&AnimEditor::NextAnimation, Command::NextAnimation, true},
        {&AnimEditor::SwitchPreview, Command::EditOrPreview, false},
        {&AnimEditor::ClearFrames, Command::ClearFrames, false},
        {&AnimEditor::AddFrame, Command::AddFrame, false},
        {&AnimEditor::Save, Command::SaveAnimations, false},
        {&AnimEditor::SwitchFigure, Command::LegsOrArms, false},
        {&AnimEditor::DeleteFrame, Command::DeleteFrame, false},
        {&AnimEditor::Close, Command::AnimEditor, false},
    };
    for (const Entry& entry : kCommands) {
        if (entry.command == command && !(entry.editModeOnly && preview_)) (this->*entry.run)();
    }
    Settle();
}

// The click presses a button first; the pick follows every click, on a button or not.
void AnimEditor::OnLeftButtonDown() {
    if (preview_) return;
    const Vec2 cursor = Cursor();
    if (const EditorButton* button = ButtonAt(cursor)) OnCommand(button->command);
    joint_ = NearestJoint(cursor);
}

// Also while the preview plays: the frame under the preview is the one at the frame index.
void AnimEditor::OnRightButtonDown() {
    if (frame_ >= FrameCount()) return;
    RecordChange();
    // Whole units of the figure, as a joint placed at its own size would be.
    const Vec2 offset = (Cursor() - kOrigin) * (1.0f / kZoom);
    const Vec2 point{std::round(offset.x), std::round(offset.y)};
    WithFigure([&](auto& figure) {
        figure.set.Get(animation_)
            .frames[static_cast<std::size_t>(frame_)]
            .SetPoint(static_cast<std::size_t>(joint_), point);
    });
    Settle();
}

int AnimEditor::FrameCount() const {
    return WithFigure([&](const auto& figure) { return CountOf(figure, animation_); });
}

float AnimEditor::Speed() const {
    return WithFigure([&](const auto& figure) { return figure.set.Get(animation_).speed; });
}

const AnimationState& AnimEditor::PreviewState() const {
    return upper_ ? upperFigure_.preview : lowerFigure_.preview;
}

void AnimEditor::Update() {
    FollowHistoryKeys();
    if (preview_) {
        Play();
        FollowSpeedKeys();
    } else {
        ShowFrame();
    }
}

// Ctrl+Z and Ctrl+Y act once a press; holding them does not repeat.
void AnimEditor::FollowHistoryKeys() {
    const bool control = KeyHeld(Key::kLeftControl) || KeyHeld(Key::kRightControl);
    const bool undo = control && KeyHeld(Key::kZ);
    const bool redo = control && KeyHeld(Key::kY);
    if (undo && !undoHeld_) GoTo(history_.Undo());
    if (redo && !redoHeld_) GoTo(history_.Redo());
    undoHeld_ = undo;
    redoHeld_ = redo;
}

// No lower limit: below 0 the preview holds its frame, as the match would.
void AnimEditor::FollowSpeedKeys() {
    const float change = game_.Step() * kSpeedRate;
    WithFigure([&](auto& figure) {
        float& speed = figure.set.Get(animation_).speed;
        if (KeyHeld(Key::kUpArrow)) speed += change;
        if (KeyHeld(Key::kDownArrow)) speed -= change;
    });
}

void AnimEditor::Play() {
    if (FrameCount() == 0) return;
    WithFigure([&](auto& figure) {
        figure.preview.animation = animation_;
        figure.preview.followUp = -1;
        figure.set.Animate(figure.pose, figure.preview, game_.Step());
        Enlarge(figure.pose);
    });
}

void AnimEditor::ShowFrame() {
    WithFigure([&](auto& figure) {
        const auto& frames = figure.set.Get(animation_).frames;
        if (frames.empty()) return;
        const auto at = static_cast<std::size_t>(frame_);
        figure.pose = frames[at];
        Enlarge(figure.pose);
        figure.onion.reset();
        if (at == 0) return;
        figure.onion = frames[at - 1];
        Enlarge(*figure.onion);
    });
}

void AnimEditor::NextFrame() {
    if (frame_ < FrameCount() - 1) ++frame_;
}

void AnimEditor::PrevFrame() {
    if (frame_ > 0) --frame_;
}

void AnimEditor::NextJoint() {
    const int joints = WithFigure([](const auto& figure) {
        return static_cast<int>(std::decay_t<decltype(figure.pose)>::kPoints);
    });
    joint_ = (joint_ + 1) % joints;
}

void AnimEditor::NextAnimation() {
    frame_ = 0;
    animation_ = (animation_ + 1) % LowerAnimationSet::kAnimations;
}

void AnimEditor::ClearFrames() {
    RecordChange();
    WithFigure([&](auto& figure) {
        figure.set.Get(animation_).frames.assign(2, std::decay_t<decltype(figure.pose)>());
    });
    frame_ = 0;
}

void AnimEditor::AddFrame() {
    if (static_cast<std::size_t>(FrameCount()) >= kMostFrames) return;
    RecordChange();
    WithFigure([&](auto& figure) { figure.set.Get(animation_).frames.emplace_back(); });
}

// An animation keeps at least the two frames it blends between.
void AnimEditor::DeleteFrame() {
    if (FrameCount() <= 2) return;
    RecordChange();
    WithFigure([&](auto& figure) {
        auto& frames = figure.set.Get(animation_).frames;
        frames.erase(frames.begin() + frame_);
    });
    frame_ = 0;
}

void AnimEditor::Save() {
    SaveFile("LDefault.bwv", lowerFigure_.set.Save());
    SaveFile("UDefault.bwv", upperFigure_.set.Save());
}

// Into the player's folder, never over the shipped files; the atomic write keeps the old file
// whole when the new one cannot be written.
void AnimEditor::SaveFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const GameServices& services = game_.Services();
    std::string why = "there is no folder to save into";
    const std::filesystem::path path = services.writeFile ? services.writeFile(name, why) : "";
    const std::string shown = path.empty() ? name : path.string();
    const bool saved = !path.empty() && WriteFileAtomically(path, bytes.data(), bytes.size(), &why);
    const std::string line =
        saved ? FormatLineF("Saved animations to \"%s\".", shown.c_str())
              : FormatLineF("Could not save \"%s\": %s.", shown.c_str(), why.c_str());
    if (services.print) services.print(line);
}

void AnimEditor::Settle() {
    const int joints =
        upper_ ? static_cast<int>(UpperPose::kPoints) : static_cast<int>(LowerPose::kPoints);
    joint_ = std::clamp(joint_, 0, joints - 1);
    frame_ = std::clamp(frame_, 0, std::max(FrameCount() - 1, 0));
    lowerFigure_.set.Fit(lowerFigure_.preview);
    upperFigure_.set.Fit(upperFigure_.preview);
    game_.FitAnimationStates();
    if (!preview_) ShowFrame();
}

// Shows where the step undone or redone was made.
void AnimEditor::GoTo(std::optional<AnimEditPlace> place) {
    if (!place) return;
    upper_ = place->upper;
    animation_ = place->animation;
    frame_ = place->frame;
    Settle();
}

void AnimEditor::RecordChange() { history_.Record(AnimEditPlace{upper_, animation_, frame_}); }

// On equal distance the lower joint number wins.
int AnimEditor::NearestJoint(Vec2 point) const {
    return WithFigure([&](const auto& figure) {
        int nearest = 0;
        float best = Length(figure.pose.Point(0) - point);
        for (std::size_t i = 1; i < figure.pose.Points().size(); ++i) {
            const float distance = Length(figure.pose.Point(i) - point);
            if (distance < best) {
                best = distance;
                nearest = static_cast<int>(i);
            }
        }
        return nearest;
    });
}

Vec2 AnimEditor::Cursor() const {
    int x = 0;
    int y = 0;
    if (CursorDevice* cursor = game_.Services().cursor) cursor->GetCursorPos(x, y);
    return Vec2{static_cast<float>(x), static_cast<float>(y)};
}

bool AnimEditor::KeyHeld(int key) const {
    const InputSystem* input = game_.Services().input;
    return input && input->IsKeyDown(key);
}
