#pragma once

#include "core/Vec2.h"

inline constexpr int kFacingLeft = 1;
inline constexpr int kFacingRight = 2;

// One fighter of the match: the human (number 0) or a bot. The match fills its array with
// copies of one default record, so it stays copyable. For now it holds only what the match
// frame reads; movement, weapons and the rest arrive with the players themselves.
struct Player {
    bool inPlay = false;
    Vec2 position{400.0f, 300.0f};  // centre of the body box
    int facing = kFacingLeft;
    int team = 0;
    int number = 0;
    int frags = 0;
};
