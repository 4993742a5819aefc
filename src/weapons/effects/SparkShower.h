#pragma once

#include "core/Vec2.h"

class Arena;

// Sparks flying every way from where a shot struck metal or stone: a wall, a helmet.
void SparkShower(Arena& arena, Vec2 at, int count);
