#include "platform/SdlFontSource.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {
using FontHandle = std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

int IntegerOf(FcPattern* pattern, const char* object, int fallback) {
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

// The file fontconfig picks for the family; syntheticStyle gets the TTF style flags the file
// lacks (a family without a bold face is emboldened by SDL_ttf instead).
std::optional<std::string> MatchFontFile(const std::string& family, bool bold, bool italic,
                                         int& syntheticStyle) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return std::nullopt;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (bold) FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    if (italic) FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ITALIC);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return std::nullopt;

    std::optional<std::string> path;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
        path = reinterpret_cast<const char*>(file);
    }
    syntheticStyle = TTF_STYLE_NORMAL;
    if (bold && IntegerOf(match, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD) {
        syntheticStyle |= TTF_STYLE_BOLD;
    }
    if (italic && IntegerOf(match, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN) {
        syntheticStyle |= TTF_STYLE_ITALIC;
    }
    FcPatternDestroy(match);
    return path;
}

// Point sizes do not map to cell heights the same way in every face: open at the pixel height,
// see what cell that gives, and settle on the nearest size around the scaled estimate.
bool FitHeight(TTF_Font* font, int height) {
    const int measured = TTF_FontHeight(font);
    if (measured <= 0) return false;
    const int estimate = std::max(1, (height * height + measured / 2) / measured);
    int best = estimate;
    int bestError = -1;
    for (int size = std::max(1, estimate - 2); size <= estimate + 2; ++size) {
        if (TTF_SetFontSize(font, size) != 0) continue;
        const int error = std::abs(TTF_FontHeight(font) - height);
        if (bestError < 0 || error < bestError) {
            best = size;
            bestError = error;
        }
    }
    return bestError >= 0 && TTF_SetFontSize(font, best) == 0;
}

Uint8 AlphaAt(const SDL_Surface& surface, int x, int y) {
    const auto* row =
        static_cast<const Uint8*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch;
    Uint32 pixel = 0;
    SDL_memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(pixel, surface.format, &r, &g, &b, &a);
    return a;
}

// Copies the glyph's box out of a rendered surface, whose pen origin sits at the left edge (or
// further right when the glyph reaches left of the pen) and whose baseline is at the ascent.
void CopyCoverage(const SDL_Surface& surface, int ascent, Glyph& glyph) {
    const int left = std::max(0, -glyph.offsetX) + glyph.offsetX;
    const int top = ascent + std::max(0, glyph.offsetY - ascent) - glyph.offsetY;
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            const int sx = left + x;
            const int sy = top + y;
            if (sx < 0 || sy < 0 || sx >= surface.w || sy >= surface.h) continue;
            glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] =
                AlphaAt(surface, sx, sy);
        }
    }
}

Glyph RenderGlyph(TTF_Font* font, Uint16 character, int ascent) {
    Glyph glyph;
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphIsProvided(font, character) == 0 ||
        TTF_GlyphMetrics(font, character, &minX, &maxX, &minY, &maxY, &advance) != 0) {
        return glyph;
    }
    glyph.advance = advance;
    glyph.offsetX = minX;
    glyph.offsetY = maxY;
    SurfaceHandle rendered(TTF_RenderGlyph_Blended(font, character, SDL_Color{255, 255, 255, 255}),
                           &SDL_FreeSurface);
    if (!rendered || maxX <= minX || maxY <= minY) return glyph;
    SurfaceHandle surface(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0),
                          &SDL_FreeSurface);
    if (!surface || SDL_LockSurface(surface.get()) != 0) return glyph;
    glyph.width = maxX - minX;
    glyph.height = maxY - minY;
    CopyCoverage(*surface, ascent, glyph);
    SDL_UnlockSurface(surface.get());
    return glyph;
}
}  // namespace

SdlFontSource::~SdlFontSource() {
    if (ttfStarted_) TTF_Quit();
}

bool SdlFontSource::StartTtf() {
    if (!ttfStarted_) ttfStarted_ = TTF_Init() == 0;
    return ttfStarted_;
}

std::optional<GlyphSet> SdlFontSource::Rasterise(const std::string& typeface, int height, bool bold,
                                                 bool italic) {
    if (height <= 0 || !StartTtf()) return std::nullopt;
    int syntheticStyle = TTF_STYLE_NORMAL;
    const std::optional<std::string> path = MatchFontFile(typeface, bold, italic, syntheticStyle);
    if (!path) return std::nullopt;
    FontHandle font(TTF_OpenFont(path->c_str(), height), &TTF_CloseFont);
    if (!font) return std::nullopt;
    TTF_SetFontStyle(font.get(), syntheticStyle);
    if (!FitHeight(font.get(), height)) return std::nullopt;

    GlyphSet set;
    set.height = TTF_FontHeight(font.get());
    set.ascent = TTF_FontAscent(font.get());
    for (int i = 0; i < GlyphSet::kCount; ++i) {
        const auto character = static_cast<Uint16>(GlyphSet::kFirst + i);
        set.glyphs.push_back(RenderGlyph(font.get(), character, set.ascent));
    }
    return set;
}
