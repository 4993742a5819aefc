#pragma once

#include <cstdint>
#include <vector>

#include "render/FontSource.h"

// Where one glyph's bitmap sits in the atlas, in atlas pixels.
struct AtlasCell {
    int x = 0;
    int y = 0;
};

// Packs glyph coverage bitmaps into one power-of-two alpha picture, rows top-down, so a font is
// a single texture. Glyphs are kept apart by a blank pixel so no texel bleeds into a neighbour.
class GlyphAtlas {
public:
    explicit GlyphAtlas(const std::vector<Glyph>& glyphs);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
    AtlasCell Cell(std::size_t index) const { return cells_[index]; }

private:
    // Lays the glyphs out in rows of this width; returns the height used.
    int Layout(const std::vector<Glyph>& glyphs, int width);
    void Copy(const Glyph& glyph, AtlasCell cell);

    int width_ = 0;
    int height_ = 0;
    std::vector<AtlasCell> cells_;
    std::vector<std::uint8_t> pixels_;
};
