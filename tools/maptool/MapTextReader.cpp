#include "MapTextReader.h"

#include <array>
#include <cctype>
#include <span>
#include <string_view>

#include "MapWords.h"
#include "TextError.h"
#include "TextLines.h"
#include "TextRecords.h"
#include "TextTokens.h"

namespace {

using Args = std::span<const TextToken>;

void CheckLength(const char* what, const std::string& text, std::size_t limit) {
    if (text.size() > limit) {
        throw TextError(std::string(what) + " is " + std::to_string(text.size()) +
                        " bytes long; at most " + std::to_string(limit) + " fit");
    }
}

// "a (x) is greater than b (y)" for a rectangle whose sides are swapped.
void CheckOrder(const char* what, const char* low, float lowValue, const char* high,
                float highValue) {
    if (lowValue <= highValue) return;
    throw TextError(std::string(what) + " " + low + " (" + FormatNumber(lowValue) +
                    ") is greater than its " + high + " (" + FormatNumber(highValue) + ")");
}

using SideNames = std::array<const char*, 4>;

Float4 ReadRect(const char* what, Args args, const SideNames& names) {
    const Float4 rect{ParseNumber(args[0]), ParseNumber(args[1]), ParseNumber(args[2]),
                      ParseNumber(args[3])};
    CheckOrder(what, names[0], rect.x1, names[2], rect.x2);
    CheckOrder(what, names[1], rect.y1, names[3], rect.y2);
    return rect;
}

// A number the file stores, written as its word, or as itself when it has no word.
std::optional<std::int32_t> NumberOrWord(const TextToken& token,
                                         std::optional<std::int32_t> byWord) {
    if (token.quoted) return std::nullopt;
    if (byWord) return byWord;
    const char first = token.text.empty() ? ' ' : token.text[0];
    if (std::isdigit(static_cast<unsigned char>(first)) || first == '-') return ParseInteger(token);
    return std::nullopt;
}

// Collects the records line by line; each reader gets the words after the record's word.
class MapTextParser {
public:
    void ReadLine(const std::vector<TextToken>& tokens, int line) {
        ReadTextRecord(*this, kRecords, tokens, line);
    }

    MapContents Finish() {
        if (worldLine_ == 0) throw TextError("the map has no world line");
        if (nameLine_ == 0) throw TextError("the map has no name line");
        return std::move(map_);
    }

private:
    static void Once(const char* word, int& seenOn, int line) {
        if (seenOn != 0) {
            throw TextError(std::string("a second ") + word + " line; the first is line " +
                            std::to_string(seenOn));
        }
        seenOn = line;
    }

    void Name(Args args, int line) {
        Once("name", nameLine_, line);
        CheckLength("the map name", args[0].text, kMaxMapNameLength);
        map_.name = args[0].text;
    }

    void World(Args args, int line) {
        Once("world", worldLine_, line);
        map_.bounds = ReadRect("the world's", args, {"left", "top", "right", "bottom"});
    }

    void AddPlatform(Args args, bool solid) {
        const Float4 r =
            ReadRect(solid ? "the platform's" : "the scenery's", args, {"x1", "y1", "x2", "y2"});
        Platform& platform = map_.platforms.emplace_back(r.x1, r.y1, r.x2, r.y2);
        platform.SetSolid(solid);
        if (args.size() == 5) {
            CheckLength("the sprite name", args[4].text, kMaxSceneryNameLength);
            platform.SetSprite(-1, args[4].text);
        }
    }

    void Solid(Args args, int) { AddPlatform(args, true); }
    void Scenery(Args args, int) { AddPlatform(args, false); }

    void Spawn(Args args, int) {
        SpawnPoint& spawn = map_.spawnPoints.emplace_back();
        spawn.x = ParseNumber(args[0]);
        spawn.y = ParseNumber(args[1]);
        if (args.size() == 3) spawn.team = Team(args[2]);
    }

    static std::int32_t Team(const TextToken& token) {
        if (const auto team = NumberOrWord(token, TeamOfWord(token.text))) return *team;
        throw TextError("unknown team \"" + token.text + "\"; a spawn's team is red or blue");
    }

    // KIND [WEAPON] X Y: the weapon name is there when four words follow the record's word.
    void Item(Args args, int) {
        ItemSpawn& item = map_.items.emplace_back();
        item.SetKind(Kind(args[0]));
        const bool named = args.size() == 4;
        if (named) {
            CheckLength("the weapon name", args[1].text, kMaxWeaponNameLength);
            item.SetWeaponName(args[1].text);
        } else if (item.Kind() == kItemWeapon) {
            throw TextError("a weapon item names its weapon: item weapon NAME X Y");
        }
        const std::size_t at = named ? 2 : 1;
        item.SetPosition(Vec2{ParseNumber(args[at]), ParseNumber(args[at + 1])});
    }

    static std::int32_t Kind(const TextToken& token) {
        if (const auto kind = NumberOrWord(token, ItemKindOfWord(token.text))) return *kind;
        throw TextError("unknown item kind \"" + token.text + "\"; the kinds are " +
                        ItemKindWords());
    }

    static constexpr std::array<TextRecord<MapTextParser>, 6> kRecords = {{
        {"name", 1, 1, "one text (in quotes when it holds blanks)", &MapTextParser::Name},
        {"world", 4, 4, "4 numbers: left top right bottom", &MapTextParser::World},
        {"platform", 4, 5, "4 numbers x1 y1 x2 y2 and an optional sprite name",
         &MapTextParser::Solid},
        {"scenery", 4, 5, "4 numbers x1 y1 x2 y2 and a sprite name", &MapTextParser::Scenery},
        {"spawn", 2, 3, "2 numbers x y and an optional team", &MapTextParser::Spawn},
        {"item", 3, 4, "a kind, a weapon name for weapons, and 2 numbers x y",
         &MapTextParser::Item},
    }};

    MapContents map_;
    int nameLine_ = 0;
    int worldLine_ = 0;
};

}  // namespace

MapTextResult ReadMapText(std::istream& in, const std::string& fileName) {
    MapTextParser parser;
    MapTextResult result;
    result.error = ReadTextLines(
        in, fileName,
        [&](const std::vector<TextToken>& tokens, int line) { parser.ReadLine(tokens, line); },
        [&] { result.contents = parser.Finish(); });
    return result;
}
