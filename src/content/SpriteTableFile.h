#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

// One sprite line of a sprite table: a name and the pixel rectangle it covers in its image.
struct SpriteLine {
    std::string name;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Longest sprite name a table may give; a line with a longer one is skipped.
inline constexpr std::size_t kMaxSpriteName = 63;
// The image sprite lines refer to before the first section line.
inline constexpr std::string_view kUndefinedImage = "UNDEFINED";

// A line starting with '[' names the image of the lines after it: the line without its first
// and last character. None for any other line.
std::optional<std::string> ParseSectionLine(std::string_view line);

// "name x1,y1,x2,y2": a word, blanks, four decimal integers separated by commas (blanks may
// follow a comma, none may stand before one; anything after the fourth number is ignored).
// None when the line does not give all five, or gives a name or a number that does not fit.
std::optional<SpriteLine> ParseSpriteLine(std::string_view line);

// What a walk through a table found, so an empty or damaged table can be told apart.
struct SpriteTableReport {
    int sprites = 0;
    int unreadLines = 0;      // neither blank, nor a section, nor a sprite line
    int firstUnreadLine = 0;  // from 1; 0 when every line read
};

// Walks a table: for every sprite line, tells which image it refers to.
using SpriteLineHandler =
    std::function<void(const std::string& imageName, const SpriteLine& sprite)>;
SpriteTableReport ReadSpriteTable(std::istream& in, const SpriteLineHandler& onSprite);
