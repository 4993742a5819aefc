#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/Font.h"
#include "render/FontSource.h"

// A Font drawn from one alpha texture holding the characters 32..127. The glyphs are white, so
// the current colour tints them.
class GLFont final : public Font {
public:
    // A font that draws nothing, for when the typeface could not be had.
    explicit GLFont(int height);
    // Uploads the glyphs; needs a current context.
    GLFont(int height, const GlyphSet& glyphs);
    ~GLFont() override;

    // Draws the text with the pen starting at x on the baseline y; binds its own texture.
    void Draw(int x, int y, const std::string& text) const;
    int MeasureWidth(const std::string& text) const;

private:
    // A character's quad: its place relative to the pen and its texture coordinates.
    struct Quad {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        float u1 = 0.0f;
        float v1 = 0.0f;
        float u2 = 0.0f;
        float v2 = 0.0f;
        int advance = 0;
    };

    // The quad of a character byte, or none for bytes outside 32..127.
    const Quad* Find(char c) const;

    std::uint32_t texture_ = 0;
    std::vector<Quad> quads_;
};
