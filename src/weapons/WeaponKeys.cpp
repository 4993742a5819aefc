#include "weapons/WeaponKeys.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

#include "weapons/WeaponDef.h"

namespace {
// Reads a number at `text` as a formatted scan does (blanks skipped, a sign allowed), moving
// `text` past it; false, `text` unmoved, when none begins there. An infinite or not-a-number
// value ("inf", "nan", 1e99) is passed over but not taken: no value in the file may break a
// shot.
template <typename Number>
bool ScanNumber(const char*& text, Number& value) {
    char* end = nullptr;
    errno = 0;
    if constexpr (std::is_same_v<Number, int>) {
        const long parsed = std::strtol(text, &end, 10);
        if (end == text || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX)
            return false;
        value = static_cast<int>(parsed);
    } else {
        const float parsed = std::strtof(text, &end);
        if (end == text) return false;
        text = end;
        if (!std::isfinite(parsed)) return false;
        value = parsed;
        return true;
    }
    text = end;
    return true;
}
}  // namespace

const std::string& WeaponDef::Value(const std::string& key) const {
    static const std::string kEmpty;
    const auto found = keys.find(key);
    return found == keys.end() ? kEmpty : found->second;
}

void ReadKey(const WeaponDef& def, const std::string& key, int& value) {
    const char* text = def.Value(key).c_str();
    ScanNumber(text, value);
}

void ReadKey(const WeaponDef& def, const std::string& key, float& value) {
    const char* text = def.Value(key).c_str();
    ScanNumber(text, value);
}

namespace {
template <typename Number>
void ReadPair(const WeaponDef& def, const std::string& key, Vec2& value) {
    const char* text = def.Value(key).c_str();
    const char* start = text;
    Number first{};
    if (ScanNumber(text, first)) value.x = static_cast<float>(first);
    Number second{};
    if (text == start || *text != ',') return;
    ++text;
    if (ScanNumber(text, second)) value.y = static_cast<float>(second);
}
}  // namespace

void ReadKey(const WeaponDef& def, const std::string& key, Vec2& value) {
    ReadPair<float>(def, key, value);
}

void ReadWholePair(const WeaponDef& def, const std::string& key, Vec2& value) {
    ReadPair<int>(def, key, value);
}

bool ReadFlag(const WeaponDef& def, const std::string& key) { return def.Value(key) == "True"; }
