// Animation files come from the editor and from other players: the reader must stop at what
// does not fit without reading past the buffer, what it took must save and load again
// unchanged, and every animation it leaves must play, looping or once, inside its frames.
#include <cstdint>
#include <span>

#include "player/AnimationSet.h"

namespace {

template <std::size_t N>
bool InsideFrames(const AnimationSet<N>& set, const AnimationState& state) {
    const auto count = static_cast<int>(set.Get(state.animation).frames.size());
    if (count < 2) return true;  // not played: the pose is left alone or shows the one frame
    return state.current >= 0 && state.current < count && state.next >= 0 && state.next < count &&
           state.phase >= 0.0f && state.phase <= 1.0f;
}

template <std::size_t N>
void Check(std::span<const std::uint8_t> bytes) {
    AnimationSet<N> set;
    set.Load(bytes);
    const std::vector<std::uint8_t> saved = set.Save();
    AnimationSet<N> again;
    const AnimationLoadReport report = again.Load(saved);
    if (report.recordsRead != AnimationSet<N>::kAnimations || !report.problems.empty() ||
        again.Save() != saved)
        __builtin_trap();

    Pose<N> pose;
    for (int index = 0; index < AnimationSet<N>::kAnimations; ++index) {
        for (const int followUp : {-1, 0}) {
            AnimationState state;
            state.Set(index, followUp);
            for (const float step : {1.0f, 0.25f, 7.5f, 1e6f, 4.0f, 1.0f}) {
                set.Animate(pose, state, step);
                if (!InsideFrames(set, state)) __builtin_trap();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check<LowerPose::kPoints>({data, size});
    Check<UpperPose::kPoints>({data, size});
    return 0;
}
