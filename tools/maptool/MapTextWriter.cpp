#include "MapTextWriter.h"

#include "MapWords.h"
#include "TextTokens.h"

namespace {

// The word of a stored number, or the number itself when it has none.
template <typename WordOf>
std::string Word(std::int32_t number, WordOf wordOf) {
    const auto word = wordOf(number);
    return word ? std::string(*word) : std::to_string(number);
}

std::string Numbers(std::initializer_list<float> values) {
    std::string text;
    for (const float value : values)
        text.append(" ").append(FormatNumber(value));
    return text;
}

void WritePlatform(const Platform& platform, std::string& text) {
    const Float4& r = platform.Rect();
    text += platform.Solid() ? "platform" : "scenery";
    text += Numbers({r.x1, r.y1, r.x2, r.y2});
    if (!platform.SpriteName().empty()) text.append(" ").append(QuoteText(platform.SpriteName()));
    text += "\n";
}

void WriteSpawn(const SpawnPoint& spawn, std::string& text) {
    text.append("spawn").append(Numbers({spawn.x, spawn.y}));
    if (spawn.team != 0) text.append(" ").append(Word(spawn.team, WordOfTeam));
    text += "\n";
}

// Only weapons need their name; other kinds keep it when it is not the default.
void WriteItem(const ItemSpawn& item, std::string& text) {
    text.append("item ").append(Word(item.Kind(), WordOfItemKind));
    if (item.Kind() == kItemWeapon || item.WeaponName() != ItemSpawn().WeaponName())
        text.append(" ").append(QuoteText(item.WeaponName()));
    text.append(Numbers({item.Position().x, item.Position().y})).append("\n");
}

}  // namespace

std::string WriteMapText(const MapContents& map) {
    std::string text = "name ";
    text.append(QuoteText(map.name)).append("\n");
    const Float4& world = map.bounds;
    text.append("world").append(Numbers({world.x1, world.y1, world.x2, world.y2})).append("\n\n");
    for (const Platform& platform : map.platforms)
        WritePlatform(platform, text);
    text += "\n";
    for (const SpawnPoint& spawn : map.spawnPoints)
        WriteSpawn(spawn, text);
    text += "\n";
    for (const ItemSpawn& item : map.items)
        WriteItem(item, text);
    return text;
}
