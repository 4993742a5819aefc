#pragma once

#include <filesystem>

#include "player/AnimationSet.h"

class Log;

// Reads one of the two skeleton files into its set. Whatever is wrong (a missing or damaged
// file, an animation the match plays with fewer than two frames) is said in the log, naming the
// file and the animation, and the match goes on with default poses in its place.
template <std::size_t N>
void LoadAnimationFile(const std::filesystem::path& path, AnimationSet<N>& set, Log& log);

// Animations 0 to 2 of each set are the ones the match plays.
inline constexpr int kPlayedAnimations = 3;
