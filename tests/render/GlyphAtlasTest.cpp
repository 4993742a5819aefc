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

bool Overlap(AtlasCell a, const Glyph& ga, AtlasCell b, const Glyph& gb) {
    // Glyphs must keep a blank pixel between them, so touching counts as overlapping.
    return a.x < b.x + gb.width + 1 && b.x < a.x + ga.width + 1 && a.y < b.y + gb.height + 1 &&
           b.y < a.y + ga.height + 1;
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }
}  // namespace

TEST(GlyphAtlas, EveryGlyphIsCopiedWholeIntoItsOwnCellOfAPowerOfTwoPicture) {
    // A font's worth of glyphs of mixed sizes, each filled with its own value, plus empty ones.
    std::vector<Glyph> glyphs;
    for (int i = 0; i < GlyphSet::kCount; ++i) {
        if (i % 10 == 0) {
            glyphs.emplace_back();
        } else {
            glyphs.push_back(Filled(3 + i % 17, 10 + i % 9, static_cast<std::uint8_t>(i + 1)));
        }
    }
    const GlyphAtlas atlas(glyphs);
    EXPECT_TRUE(IsPowerOfTwo(atlas.Width()));
    EXPECT_TRUE(IsPowerOfTwo(atlas.Height()));
    EXPECT_LE(atlas.Height(), atlas.Width());
    ASSERT_EQ(atlas.Pixels().size(), static_cast<std::size_t>(atlas.Width()) * atlas.Height());

    std::size_t covered = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = glyphs[i];
        const AtlasCell cell = atlas.Cell(i);
        ASSERT_GE(cell.x, 1);
        ASSERT_GE(cell.y, 1);
        ASSERT_LE(cell.x + glyph.width, atlas.Width() - 1);
        ASSERT_LE(cell.y + glyph.height, atlas.Height() - 1);
        for (std::size_t j = 0; j < i; ++j) {
            if (glyph.width == 0 || glyphs[j].width == 0) continue;
            EXPECT_FALSE(Overlap(cell, glyph, atlas.Cell(j), glyphs[j])) << i << " and " << j;
        }
        for (int y = 0; y < glyph.height; ++y) {
            for (int x = 0; x < glyph.width; ++x) {
                const std::size_t at =
                    static_cast<std::size_t>(cell.y + y) * atlas.Width() + cell.x + x;
                ASSERT_EQ(atlas.Pixels()[at], i + 1) << "glyph " << i;
            }
        }
        covered += glyph.coverage.size();
    }
    // Nothing but the glyphs is drawn.
    std::size_t lit = 0;
    for (const std::uint8_t value : atlas.Pixels())
        lit += value != 0 ? 1 : 0;
    EXPECT_EQ(lit, covered);
}

TEST(GlyphAtlas, AGlyphWiderThanTheFirstGuessWidensThePicture) {
    std::vector<Glyph> glyphs = {Filled(2, 2, 7), Filled(300, 5, 9)};
    const GlyphAtlas atlas(glyphs);
    EXPECT_GE(atlas.Width(), 302);
    EXPECT_EQ(atlas.Pixels()[static_cast<std::size_t>(atlas.Cell(1).y) * atlas.Width() +
                             atlas.Cell(1).x + 299],
              9);

    const GlyphAtlas empty(std::vector<Glyph>(3));
    EXPECT_GT(empty.Width(), 0);
    EXPECT_GT(empty.Height(), 0);
}
