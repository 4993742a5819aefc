#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

#include "player/AnimationSet.h"

// Which animation a change was made to, and the frame the editor showed.
struct AnimEditPlace {
    bool upper = false;
    int animation = 0;
    int frame = 0;
};

// Undo and redo for the animation editor: before each change the frames of the animation it
// touches are kept, and undoing swaps them back in. The speed is not part of a step, so the
// preview's speed survives an undo.
class AnimEditHistory {
public:
    static constexpr std::size_t kMostSteps = 200;

    AnimEditHistory(LowerAnimationSet& lower, UpperAnimationSet& upper)
        : lower_(lower), upper_(upper) {}

    // Keeps the frames at `place` as they are before a change; the redo list is dropped.
    void Record(const AnimEditPlace& place);
    // Where the step undone or redone was made; none when there is nothing to take back.
    std::optional<AnimEditPlace> Undo() { return Move(undo_, redo_); }
    std::optional<AnimEditPlace> Redo() { return Move(redo_, undo_); }

private:
    struct Step {
        AnimEditPlace place;
        std::variant<std::vector<LowerPose>, std::vector<UpperPose>> frames;
    };

    // Swaps the step's frames with the set's, so the step now holds what it replaced.
    void SwapIn(Step& step);
    std::optional<AnimEditPlace> Move(std::deque<Step>& from, std::deque<Step>& to);
    static void Push(std::deque<Step>& steps, Step step);

    LowerAnimationSet& lower_;
    UpperAnimationSet& upper_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};
