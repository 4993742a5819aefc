// The weapon file is text that map makers edit: whatever it holds, the reader gives one section
// per head line at most, with names, keys and values that fit a line, a kind it knows, and a
// lookup that finds a section of the name asked for; the numbers in it read without harm.
#include <cstdint>
#include <sstream>
#include <string>

#include "core/DataLine.h"
#include "weapons/WeaponFile.h"
#include "weapons/WeaponKeys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    std::size_t logged = 0;
    const std::vector<WeaponDef> defs =
        ReadWeaponFile(in, "fuzz.wtb", [&](const std::string&) { ++logged; });
    std::size_t breaks = 0;
    for (const char c : text)
        breaks += c == '\n';
    if (defs.size() > breaks + 1 || logged != defs.size() + 1) __builtin_trap();
    for (const WeaponDef& def : defs) {
        if (def.name.size() + 2 > kMaxDataLine) __builtin_trap();
        if (def.kind < WeaponKind::Plain || def.kind > WeaponKind::Blaster) __builtin_trap();
        for (const auto& [key, value] : def.keys) {
            if (key.size() + value.size() > kMaxDataLine) __builtin_trap();
            if (value.find('=') != std::string::npos) __builtin_trap();
        }
        // The weapons' own number readers take whatever the values hold.
        Vec2 pair;
        ReadWholePair(def, "Hand", pair);
        ReadKey(def, "Power", pair);
        int whole = 0;
        ReadKey(def, "ROF", whole);
        float number = 0;
        ReadKey(def, "Accuracy", number);
        ReadFlag(def, "RPG");
    }
    // One lookup: the search is linear, and a file of many sections must stay quick to fuzz.
    if (!defs.empty()) {
        const int found = FindWeaponDef(defs, defs.back().name);
        if (found < 0 || defs[static_cast<std::size_t>(found)].name != defs.back().name)
            __builtin_trap();
    }
    return 0;
}
