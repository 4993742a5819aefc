#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One rendered glyph: an 8-bit coverage bitmap and where it sits relative to the pen on the
// baseline (left of the bitmap at pen + offsetX, top of the bitmap at baseline - offsetY).
struct Glyph {
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
    int advance = 0;
    std::vector<std::uint8_t> coverage;  // width * height, rows top-down
};

// The printable characters 32..127 of one typeface at one pixel height.
struct GlyphSet {
    static constexpr int kFirst = 32;
    static constexpr int kCount = 96;
    int height = 0;  // cell height in pixels (ascent + descent)
    int ascent = 0;
    std::vector<Glyph> glyphs;  // kCount entries, character kFirst + i at i
};

// Turns a typeface name into glyph bitmaps; the platform layer provides it.
class FontSource {
public:
    virtual ~FontSource() = default;
    virtual std::optional<GlyphSet> Rasterise(const std::string& typeface, int height, bool bold,
                                              bool italic) = 0;
};
