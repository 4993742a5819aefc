#pragma once

#include <string>

#include "core/Vec2.h"

struct WeaponDef;

// Numbers as the weapon file writes them: "12", "1.5", "10,20". A key that is missing or does
// not begin with a number leaves the value as it was, as does an infinite or not-a-number one;
// of a pair, what parses is taken.
void ReadKey(const WeaponDef& def, const std::string& key, int& value);
void ReadKey(const WeaponDef& def, const std::string& key, float& value);
void ReadKey(const WeaponDef& def, const std::string& key, Vec2& value);
// A pair of whole numbers ("%d,%d"), kept as floats.
void ReadWholePair(const WeaponDef& def, const std::string& key, Vec2& value);
// "True", exactly; anything else, or nothing, is false.
bool ReadFlag(const WeaponDef& def, const std::string& key);
