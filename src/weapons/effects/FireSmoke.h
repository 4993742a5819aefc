#pragma once

#include "core/Vec2.h"

class Arena;

// The smoke of fire. A client is told of a rocket's trail and of a body burnt out; it makes the
// smoke of a flame licking a fighter itself, from its own copy of the flame.

// One puff of a rocket's trail, left where the rocket is.
void TrailSmoke(Arena& arena, Vec2 at);
// A puff off a fighter a flame is licking, who stands at `at`.
void ScorchSmoke(Arena& arena, Vec2 at);
// The smoke of a body burnt out, where the flame that finished it is.
void Smoulder(Arena& arena, Vec2 at);
