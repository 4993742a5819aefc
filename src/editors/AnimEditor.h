#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Vec2.h"
#include "editors/AnimEditHistory.h"
#include "game/Editor.h"
#include "player/AnimationSet.h"
#include "world/View.h"

class Font;
class Game;

// One figure as the editor works on it: the match's own set, the pose shown, the frame before
// it (shown faintly) and where the preview stands in the animation.
template <std::size_t N>
struct EditedFigure {
    explicit EditedFigure(AnimationSet<N>& edited) : set(edited) {}

    AnimationSet<N>& set;
    Pose<N> pose;
    std::optional<Pose<N>> onion;
    AnimationState preview;
};

// The animation editor: one frame of one animation of the match's legs or arms, drawn in the
// middle of the screen. A left click picks the nearest joint (and presses a button), a right
// click puts the picked joint there; V plays the animation, whose speed the up and down arrows
// change, U switches between the legs and the arms, Ctrl+Z and Ctrl+Y undo and redo. Changes
// go straight into the match's sets; "Save" writes both files.
class AnimEditor final : public Editor {
public:
    // The figure is drawn with its origin here, which is where a right click puts (0, 0).
    static constexpr Vec2 kOrigin{400.0f, 300.0f};
    // The figure is shown this many times its size in the match: at its own size it stands 26
    // pixels tall, too small to pick one of its joints.
    static constexpr float kZoom = 8.0f;
    // The phase gained per step changes by this much a step while an arrow is held.
    static constexpr float kSpeedRate = 0.001f;
    // "Add Frame" stops here: no real animation comes near it.
    static constexpr std::size_t kMostFrames = 256;

    explicit AnimEditor(Game& game);
    ~AnimEditor() override;
    AnimEditor(const AnimEditor&) = delete;
    AnimEditor& operator=(const AnimEditor&) = delete;

    bool Frame(Game& game) override;
    void OnCommand(Command command) override;
    void OnLeftButtonDown() override;
    void OnRightButtonDown() override;

    bool UpperMode() const { return upper_; }
    bool Previewing() const { return preview_; }
    int AnimationIndex() const { return animation_; }
    int FrameIndex() const { return frame_; }
    int SelectedJoint() const { return joint_; }
    int FrameCount() const;
    float Speed() const;
    const AnimationState& PreviewState() const;

private:
    // A frame's pose as the screen shows it: enlarged about the origin.
    template <typename PoseT>
    static void Enlarge(PoseT& pose) {
        for (Vec2& point : pose.Points())
            point = kOrigin + point * kZoom;
    }

    // The update half of a frame: keys, the preview's play, the poses shown.
    void Update();
    void FollowHistoryKeys();
    void FollowSpeedKeys();
    void Play();
    void ShowFrame();
    // The draw half, from what the update left.
    void Draw() const;
    void DrawEditMode() const;
    void DrawPreviewMode() const;

    // What the commands do.
    void NextFrame();
    void PrevFrame();
    void NextJoint();
    void NextAnimation();
    void SwitchPreview() { preview_ = !preview_; }
    void ClearFrames();
    void AddFrame();
    void Save();
    void SwitchFigure() { upper_ = !upper_; }
    void DeleteFrame();
    void Close() { done_ = true; }

    // Keeps the indexes on frames and joints that exist, and every figure of the match and of
    // the preview on frames that exist, after any change.
    void Settle();
    void GoTo(std::optional<AnimEditPlace> place);
    void RecordChange();
    void SaveFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    int NearestJoint(Vec2 point) const;
    Vec2 Cursor() const;
    bool KeyHeld(int key) const;

    // Runs `fn` on the figure being edited: the arms in upper mode, else the legs.
    template <typename Fn>
    decltype(auto) WithFigure(Fn&& fn) {
        return upper_ ? fn(upperFigure_) : fn(lowerFigure_);
    }
    template <typename Fn>
    decltype(auto) WithFigure(Fn&& fn) const {
        return upper_ ? fn(upperFigure_) : fn(lowerFigure_);
    }

    bool done_ = false;
    Game& game_;
    std::unique_ptr<Font> titleFont_;
    std::unique_ptr<Font> buttonFont_;
    bool upper_ = false;
    int animation_ = 0;
    int frame_ = 0;
    int joint_ = 0;
    EditedFigure<6> lowerFigure_;
    EditedFigure<5> upperFigure_;
    bool preview_ = false;
    // The editor draws at screen coordinates, so its view never scrolls.
    View view_;
    int selectionSprite_ = -1;
    AnimEditHistory history_;
    bool undoHeld_ = false;
    bool redoHeld_ = false;
};
