#include "player/AnimationSet.h"

#include <cmath>

namespace {
constexpr std::array<const char*, 3> kLowerNames = {"Standing", "Running", "Crouched"};
constexpr std::array<const char*, 3> kUpperNames = {"Normal", "Kick", "Reload Platinum"};

// Moves the state one frame on; true when it wrapped from the last frame back to the first.
bool AdvanceFrame(AnimationState& state, int count) {
    const int last = count - 1;
    if (state.next == last) {
        state.current = last;
        state.next = 0;
        return true;
    }
    if (state.current == last) {
        state.current = 0;
        ++state.next;
    } else {
        ++state.current;
        ++state.next;
    }
    return false;
}

bool InRange(int value, int count) { return value >= 0 && value < count; }
}  // namespace

template <std::size_t N>
const char* AnimationSet<N>::Name(int index) {
    const auto& names = N == 6 ? kLowerNames : kUpperNames;
    return InRange(index, static_cast<int>(names.size())) ? names[static_cast<std::size_t>(index)]
                                                          : "Unused";
}

template <std::size_t N>
void AnimationSet<N>::Fit(AnimationState& state) const {
    if (!InRange(state.animation, kAnimations)) state.Set(0, -1);
    const int count = static_cast<int>(Get(state.animation).frames.size());
    if (InRange(state.current, count) && InRange(state.next, count)) return;
    state.current = 0;
    state.next = count > 1 ? 1 : 0;
}

template <std::size_t N>
bool AnimationSet<N>::Animate(Pose<N>& pose, AnimationState& state, float step) const {
    Fit(state);
    const Animation<N>& animation = Get(state.animation);
    const auto& frames = animation.frames;
    const int count = static_cast<int>(frames.size());
    // Only an animation nobody plays can be this short; the match mends the ones it plays.
    if (count < 2) {
        if (count == 1) pose = frames.front();
        return false;
    }
    state.phase += step * animation.speed;
    // A speed near the float limit overflows the phase, which would stay NaN for good. A
    // negative speed runs the phase down to the current frame and holds it there.
    if (!std::isfinite(state.phase) || state.phase < 0.0f) state.phase = 0.0f;
    bool ended = false;
    if (state.phase > 1.0f) {
        if (state.OneShot()) {
            ended = AdvanceFrame(state, count);
            state.phase = 0.0f;
        } else {
            // As many frames as whole phases passed; the frames repeat every `count` advances,
            // so a huge step cannot keep the loop busy.
            // Worked in double: past 2^24 a float cannot hold the phase less one whole frame.
            const double phase = state.phase;
            const double whole = std::ceil(phase) - 1.0;
            state.phase = static_cast<float>(phase - whole);
            const auto turns = static_cast<int>(std::fmod(whole, static_cast<double>(count)));
            for (int i = 0; i < turns; ++i)
                AdvanceFrame(state, count);
        }
    }
    pose.Lerp(frames[static_cast<std::size_t>(state.current)],
              frames[static_cast<std::size_t>(state.next)], state.phase);
    if (!ended) return false;
    state.Set(state.followUp, -1);
    return true;
}

template <std::size_t N>
std::vector<int> AnimationSet<N>::MendUnplayable(int count) {
    std::vector<int> mended;
    for (int index = 0; index < count && index < kAnimations; ++index) {
        Animation<N>& animation = Get(index);
        if (animation.frames.size() >= 2) continue;
        animation.frames.assign(2, Pose<N>());
        mended.push_back(index);
    }
    return mended;
}

template class AnimationSet<6>;
template class AnimationSet<5>;
