#include "editors/GridSnap.h"

#include <cmath>

float SnapToGrid(float value) { return value - std::fmod(value, kGridSize); }
