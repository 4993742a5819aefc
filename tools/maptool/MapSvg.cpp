#include "MapSvg.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "TextTokens.h"

namespace {

constexpr float kGridStep = 100.0f;
constexpr int kMaxGridLines = 1000;

struct ItemLook {
    const char* colour;
    const char* label;
};

// Indexed by item kind.
constexpr std::array<ItemLook, 6> kItemLooks = {{
    {"#e04848", "+25"},
    {"#d0a020", "ammo"},
    {"#3f7fd1", "armour"},
    {"#404040", ""},  // a weapon shows its own name
    {"#e04848", "+50"},
    {"#c020c0", "+100"},
}};

constexpr std::array<const char*, 3> kTeamColours = {"#606060", "#e02020", "#2040e0"};

std::string N(float value) { return FormatNumber(value); }

// Text content with the characters XML reserves escaped.
std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

std::string Rect(const Float4& r, const std::string& style) {
    return "<rect x=\"" + N(r.x1) + "\" y=\"" + N(r.y1) + "\" width=\"" + N(r.x2 - r.x1) +
           "\" height=\"" + N(r.y2 - r.y1) + "\" " + style + "/>\n";
}

std::string Label(float x, float y, const std::string& text, const char* colour) {
    return "<text x=\"" + N(x) + "\" y=\"" + N(y) + "\" fill=\"" + colour +
           "\" font-size=\"11\" font-family=\"sans-serif\" text-anchor=\"middle\">" + Escape(text) +
           "</text>\n";
}

// Faint lines every 100 units, thicker every 500; none when the world is too large for them.
// Lines are counted, not stepped to, so a world far out where 100 units vanish in rounding ends.
std::string Grid(const Float4& world) {
    const double first[2] = {std::ceil(world.x1 / kGridStep), std::ceil(world.y1 / kGridStep)};
    const double count[2] = {std::max(0.0, std::floor(world.x2 / kGridStep) - first[0] + 1),
                             std::max(0.0, std::floor(world.y2 / kGridStep) - first[1] + 1)};
    if (!(count[0] + count[1] <= kMaxGridLines)) return {};
    std::string svg;
    for (int axis = 0; axis < 2; ++axis) {
        for (int i = 0; i < static_cast<int>(count[axis]); ++i) {
            const double step = first[axis] + i;
            const float at = static_cast<float>(step * kGridStep);
            const bool vertical = axis == 0;
            svg += "<line x1=\"" + N(vertical ? at : world.x1) + "\" y1=\"" +
                   N(vertical ? world.y1 : at) + "\" x2=\"" + N(vertical ? at : world.x2) +
                   "\" y2=\"" + N(vertical ? world.y2 : at) +
                   "\" stroke=\"#8aa8c0\" stroke-width=\"" +
                   (std::fmod(step, 5.0) == 0.0 ? "1.5" : "0.5") + "\"/>\n";
        }
    }
    return svg;
}

std::string DrawPlatform(const Platform& platform) {
    const Float4& r = platform.Rect();
    const std::string& sprite = platform.SpriteName();
    if (platform.Solid() && sprite.empty())
        return Rect(r, "fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"1\"");
    std::string svg = platform.Solid()
                          ? Rect(r, "fill=\"#b08850\" stroke=\"#000000\" stroke-width=\"1\"")
                          : Rect(r, "fill=\"#50a040\" fill-opacity=\"0.45\" stroke=\"#2a6020\"");
    return svg + Label((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2 + 4, sprite, "#103010");
}

std::string DrawSpawn(const SpawnPoint& spawn) {
    const char* colour = spawn.team >= 0 && spawn.team < static_cast<int>(kTeamColours.size())
                             ? kTeamColours[static_cast<std::size_t>(spawn.team)]
                             : "#000000";
    const Float4 body{spawn.x - 8, spawn.y - 12, spawn.x + 8, spawn.y + 12};
    return Rect(body, std::string("fill=\"none\" stroke=\"") + colour + "\" stroke-width=\"2\"");
}

std::string DrawItem(const ItemSpawn& item) {
    const bool known = item.Kind() >= 0 && item.Kind() < static_cast<int>(kItemLooks.size());
    const ItemLook look =
        known ? kItemLooks[static_cast<std::size_t>(item.Kind())] : ItemLook{"#000000", "?"};
    const std::string label = item.Kind() == kItemWeapon ? item.WeaponName() : look.label;
    const Vec2 at = item.Position();
    return "<circle cx=\"" + N(at.x) + "\" cy=\"" + N(at.y) + "\" r=\"7\" fill=\"" + look.colour +
           "\" stroke=\"#000000\"/>\n" + Label(at.x, at.y - 11, label, look.colour);
}

}  // namespace

std::string DrawMapSvg(const MapContents& map) {
    const Float4& w = map.bounds;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(w.x2 - w.x1) +
                      "\" height=\"" + N(w.y2 - w.y1) + "\" viewBox=\"" + N(w.x1) + " " + N(w.y1) +
                      " " + N(w.x2 - w.x1) + " " + N(w.y2 - w.y1) + "\">\n";
    svg += "<title>" + Escape(map.name) + "</title>\n";
    svg += Rect(w, "fill=\"#c8dcec\"");
    svg += Grid(w);
    for (const Platform& platform : map.platforms)
        svg += DrawPlatform(platform);
    for (const SpawnPoint& spawn : map.spawnPoints)
        svg += DrawSpawn(spawn);
    for (const ItemSpawn& item : map.items)
        svg += DrawItem(item);
    return svg + "</svg>\n";
}
