#pragma once

// The map editor lays everything it snaps on a grid of 8 world units.
inline constexpr float kGridSize = 8.0f;

// Drops the remainder by the grid, which keeps the sign of the value: 13 snaps to 8 and -13 to
// -8, so the grid is mirrored about 0 rather than running down.
float SnapToGrid(float value);
