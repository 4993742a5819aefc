#pragma once

// The screen every drawing call is written for, in pixels; other display sizes are scaled to it.
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;
