#include "render/GlyphAtlas.h"

#include <algorithm>

namespace {
constexpr int kPadding = 1;
constexpr int kMinSide = 16;

int NextPowerOfTwo(int value) {
    int side = kMinSide;
    while (side < value)
        side *= 2;
    return side;
}
}  // namespace

GlyphAtlas::GlyphAtlas(const std::vector<Glyph>& glyphs) : cells_(glyphs.size()) {
    width_ = kMinSide;
    // Widen until the rows fit in a square, which keeps both sides small.
    while (Layout(glyphs, width_) > width_)
        width_ *= 2;
    height_ = NextPowerOfTwo(Layout(glyphs, width_));
    pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        Copy(glyphs[i], cells_[i]);
}

int GlyphAtlas::Layout(const std::vector<Glyph>& glyphs, int width) {
    int x = kPadding;
    int y = kPadding;
    int rowHeight = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = glyphs[i];
        if (x + glyph.width + kPadding > width && x > kPadding) {
            x = kPadding;
            y += rowHeight + kPadding;
            rowHeight = 0;
        }
        cells_[i] = AtlasCell{x, y};
        x += glyph.width + kPadding;
        rowHeight = std::max(rowHeight, glyph.height);
    }
    // A glyph wider than the whole row still needs a wider atlas.
    for (const Glyph& glyph : glyphs) {
        if (glyph.width + 2 * kPadding > width) return width + 1;
    }
    return y + rowHeight + kPadding;
}

void GlyphAtlas::Copy(const Glyph& glyph, AtlasCell cell) {
    if (glyph.coverage.size() < static_cast<std::size_t>(glyph.width) * glyph.height) return;
    for (int row = 0; row < glyph.height; ++row) {
        const auto source = glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width;
        const auto target =
            pixels_.begin() + static_cast<std::ptrdiff_t>(cell.y + row) * width_ + cell.x;
        std::copy(source, source + glyph.width, target);
    }
}
