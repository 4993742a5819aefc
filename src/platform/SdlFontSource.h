#pragma once

#include "render/FontSource.h"

// Typefaces found by family name through fontconfig and rendered with SDL2_ttf.
class SdlFontSource final : public FontSource {
public:
    SdlFontSource() = default;
    ~SdlFontSource() override;
    SdlFontSource(const SdlFontSource&) = delete;
    SdlFontSource& operator=(const SdlFontSource&) = delete;

    // The glyphs at a size whose cell height (ascent + descent) is the requested pixel height;
    // none when no font file can be found or opened.
    std::optional<GlyphSet> Rasterise(const std::string& typeface, int height, bool bold,
                                      bool italic) override;

private:
    bool StartTtf();

    bool ttfStarted_ = false;
};
