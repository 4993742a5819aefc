#pragma once

#include <cstdint>
#include <vector>

#include "Score.h"

inline constexpr int kSynthRate = 22050;

// One note of an instrument on its own, from its start until it has faded out.
std::vector<float> RenderNote(const Instrument& instrument, float frequency, float velocity,
                              float heldSeconds, int rate, std::uint32_t seed);

// The whole score mixed, at full float scale (not yet scaled to its peak).
std::vector<float> RenderScore(const Score& score, int rate);

// Scales the mix so its loudest sample is `peak` of full scale, as 16-bit samples.
std::vector<std::int16_t> ToPcm16(const std::vector<float>& mix, float peak);
