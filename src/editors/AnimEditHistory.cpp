#include "editors/AnimEditHistory.h"

#include <utility>

void AnimEditHistory::Record(const AnimEditPlace& place) {
    Step step{place, {}};
    if (place.upper) {
        step.frames = upper_.Get(place.animation).frames;
    } else {
        step.frames = lower_.Get(place.animation).frames;
    }
    Push(undo_, std::move(step));
    redo_.clear();
}

void AnimEditHistory::SwapIn(Step& step) {
    const int index = step.place.animation;
    if (step.place.upper) {
        std::swap(std::get<std::vector<UpperPose>>(step.frames), upper_.Get(index).frames);
    } else {
        std::swap(std::get<std::vector<LowerPose>>(step.frames), lower_.Get(index).frames);
    }
}

std::optional<AnimEditPlace> AnimEditHistory::Move(std::deque<Step>& from, std::deque<Step>& to) {
    if (from.empty()) return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    SwapIn(step);
    const AnimEditPlace place = step.place;
    Push(to, std::move(step));
    return place;
}

// The oldest steps go first, so a long session keeps bounded memory.
void AnimEditHistory::Push(std::deque<Step>& steps, Step step) {
    steps.push_back(std::move(step));
    if (steps.size() > kMostSteps) steps.pop_front();
}
