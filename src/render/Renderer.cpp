#include "render/Renderer.h"

#include <cstdarg>

#include "core/Log.h"
#include "core/TextFormat.h"
#include "render/Font.h"
#include "render/Image.h"
#include "render/Sprite.h"

Renderer::Renderer(int width, int height, int colourDepth, Log* log)
    : width_(width), height_(height), colourDepth_(colourDepth), log_(log) {}

void Renderer::SetClearColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    clearColour_ = Colour{red, green, blue, 0};
}

void Renderer::SetLineSmooth(bool smooth) { lineSmooth_ = smooth; }

void Renderer::DrawString(const Font* font, int x, int y, Colour colour, const char* format, ...) {
    if (format == nullptr || font == nullptr) return;
    std::va_list args;
    va_start(args, format);
    const std::string text = FormatLine(format, args);
    va_end(args);
    DrawText(*font, x, y + font->Height() / 2, colour, text);
}

void Renderer::DrawStringCentred(const Font* font, int x1, int y1, int x2, int y2, Colour colour,
                                 const char* format, ...) {
    if (format == nullptr || font == nullptr) return;
    std::va_list args;
    va_start(args, format);
    const std::string text = FormatLine(format, args);
    va_end(args);
    int textWidth = 0;
    int textHeight = 0;
    MeasureText(*font, text, textWidth, textHeight);
    const int x = x1 + (x2 - x1) / 2 - textWidth / 2;
    const int y = y1 + (y2 - y1) / 2 - textHeight / 2 + font->Height() / 2;
    DrawText(*font, x, y, colour, text);
}

void Renderer::DrawSprite(const Sprite& sprite, float x, float y, std::uint8_t alpha) {
    SetTextureFilter(false);
    BindImage(sprite.image);
    DrawTexturedQuad(x, y, x + static_cast<float>(sprite.NaturalWidth()),
                     y + static_cast<float>(sprite.NaturalHeight()), sprite.tx1, sprite.ty1,
                     sprite.tx2, sprite.ty2, alpha, 0.0f);
    SetTextureFilter(true);
}

void Renderer::DrawSpriteScaled(const Sprite& sprite, float centreX, float centreY, float scaleX,
                                float scaleY, std::uint8_t alpha, float angle) {
    const float w = static_cast<float>(sprite.NaturalWidth()) * scaleX;
    const float h = static_cast<float>(sprite.NaturalHeight()) * scaleY;
    BindImage(sprite.image);
    DrawTexturedQuad(centreX - w / 2, centreY - h / 2, centreX + w / 2, centreY + h / 2, sprite.tx1,
                     sprite.ty1, sprite.tx2, sprite.ty2, alpha, angle);
    BindImage(nullptr);
}

void Renderer::DrawSpriteStretched(const Sprite& sprite, float x1, float y1, float x2, float y2,
                                   std::uint8_t alpha) {
    BindImage(sprite.image);
    DrawTexturedQuad(x1, y1, x2, y2, sprite.tx1, sprite.ty1, sprite.tx2, sprite.ty2, alpha, 0.0f);
    BindImage(nullptr);
}

void Renderer::DrawRectOutline(float x1, float y1, float x2, float y2, Colour colour) {
    DrawLine(x1, y1, x2, y1, colour, colour);
    DrawLine(x2, y1, x2, y2, colour, colour);
    DrawLine(x2, y2, x1, y2, colour, colour);
    DrawLine(x1, y2, x1, y1, colour, colour);
}

void Renderer::ReportError(const std::string& message, bool fatal) {
    if (log_ == nullptr) return;
    log_->Line("%s%s", fatal ? "FATAL ERROR: " : "ERROR: ", message.c_str());
}
