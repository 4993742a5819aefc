#include "render/GlyphAtlas.h"

#include <gtest/gtest.h>

namespace {
Glyph Filled(int width, int height, std::uint8_t value) {
    Glyph glyph;
    glyph.width = width;
    glyph.height = height;
    glyph.coverage.assign(static_cast<std::size_t>(width) * height, value);
    return glyph;
}

// Glyphs keep a blank pixel between them so filtering does not bleed; touching counts as overlap.
bool Overlap(AtlasCell a, const Glyph& ga, AtlasCell b, const Glyph& gb) {
    return a.x < b.x + gb.width + 1 && b.x < a.x + ga.width + 1 && a.y < b.y + gb.height + 1 &&
           b.y < a.y + ga.height + 1;
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }
}  // namespace

TEST(GlyphAtlas, EveryGlyphIsCopiedWholeIntoItsOwnCellOfAPowerOfTwoPicture) {
    // Mixed sizes, some empty, and one wider than any first guess of the picture's width.
    std::vector<Glyph> glyphs;
    for (int i = 0; i < GlyphSet::kCount; ++i)
        glyphs.push_back(i % 10 == 0 ? Glyph{}
                                     : Filled(3 + i % 17, 10 + i % 9, std::uint8_t(i + 1)));
    glyphs[1] = Filled(300, 5, 2);
    const GlyphAtlas atlas(glyphs);
    EXPECT_TRUE(IsPowerOfTwo(atlas.Width()) && IsPowerOfTwo(atlas.Height()));

    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = glyphs[i];
        const AtlasCell cell = atlas.Cell(i);
        ASSERT_TRUE(cell.x >= 1 && cell.y >= 1 && cell.x + glyph.width <= atlas.Width() - 1 &&
                    cell.y + glyph.height <= atlas.Height() - 1)
            << "glyph " << i;
        for (std::size_t j = 0; j < i && glyph.width > 0; ++j) {
            if (glyphs[j].width == 0) continue;
            EXPECT_FALSE(Overlap(cell, glyph, atlas.Cell(j), glyphs[j])) << i << " and " << j;
        }
        for (int y = 0; y < glyph.height; ++y) {
            for (int x = 0; x < glyph.width; ++x)
                ASSERT_EQ(atlas.Pixels()[std::size_t(cell.y + y) * atlas.Width() + cell.x + x],
                          i + 1)
                    << "glyph " << i;
        }
    }
    const GlyphAtlas empty(std::vector<Glyph>(3));
    EXPECT_GT(empty.Width() * empty.Height(), 0);
}
