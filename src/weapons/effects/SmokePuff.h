#pragma once

#include <cstdint>

#include "core/Vec2.h"

class Arena;

// The puffs of smoke the game knows, by how they look and last: a client is told which one.
enum class SmokeLook : std::uint8_t { Rifle, Platinum, Shotgun, Cigarette };
inline constexpr int kSmokeLookCount = 4;

// One puff that neither falls nor meets the map, drifting at `velocity`; its rotation, spin,
// fade, life and growth are drawn here. An unknown look makes nothing.
void PuffSmoke(Arena& arena, Vec2 at, Vec2 velocity, SmokeLook look);
