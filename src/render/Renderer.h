#pragma once

#include <memory>
#include <string>

#include "render/Colour.h"

class Font;
class Image;
class Log;
struct Sprite;

// Everything the program draws goes through one Renderer, in 2-D screen pixels with the origin
// at the top-left and y downwards. Images and fonts it makes must die before it does.
class Renderer {
public:
    Renderer(int width, int height, int colourDepth, Log* log);
    virtual ~Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    virtual void SetClearColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    virtual void BeginFrame() = 0;
    virtual bool Present() = 0;
    // A picture from a TGA file; none when the file is refused, and `why` (when given) says why.
    virtual std::unique_ptr<Image> CreateImage(const std::string& fileName, std::string* why) = 0;
    virtual void BindImage(const Image* image) = 0;
    virtual void DrawTexturedQuad(float x1, float y1, float x2, float y2, float tx1, float ty1,
                                  float tx2, float ty2, std::uint8_t alpha, float angle) = 0;
    virtual void FillRect(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, Colour start, Colour end) = 0;
    virtual std::unique_ptr<Font> MakeFont(const std::string& typeface, int height, int flags) = 0;
    // Writes an 800 x 600 24-bit TGA of the frame buffer; false when nothing was written.
    virtual bool SaveScreenshot(const std::string& fileName) = 0;
    virtual void SetTextureFilter(bool smooth) = 0;
    virtual void SetLineSmooth(bool smooth);
    void SetLineWidth(float width) { lineWidth_ = width; }

    // Text, formatted printf-style into at most 255 characters. A null format draws nothing.
    void DrawString(const Font* font, int x, int y, Colour colour, const char* format, ...)
        __attribute__((format(printf, 6, 7)));
    void DrawStringCentred(const Font* font, int x1, int y1, int x2, int y2, Colour colour,
                           const char* format, ...) __attribute__((format(printf, 8, 9)));

    void SetMirror(bool mirror) { mirror_ = mirror; }
    void DrawSprite(const Sprite& sprite, float x, float y, std::uint8_t alpha);
    void DrawSpriteScaled(const Sprite& sprite, float centreX, float centreY, float scaleX,
                          float scaleY, std::uint8_t alpha, float angle);
    void DrawSpriteStretched(const Sprite& sprite, float x1, float y1, float x2, float y2,
                             std::uint8_t alpha);
    void DrawRectOutline(float x1, float y1, float x2, float y2, Colour colour);
    void ReportError(const std::string& message, bool fatal);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int ColourDepth() const { return colourDepth_; }
    float LineWidth() const { return lineWidth_; }
    bool LineSmooth() const { return lineSmooth_; }
    bool Mirror() const { return mirror_; }
    Colour ClearColour() const { return clearColour_; }

protected:
    // The already formatted text of DrawString; x, y is the raster position (baseline start).
    virtual void DrawText(const Font& font, int x, int y, Colour colour,
                          const std::string& text) = 0;
    // Width and height in pixels of the text in this font.
    virtual void MeasureText(const Font& font, const std::string& text, int& width,
                             int& height) = 0;
    Log* LogFile() const { return log_; }

private:
    float lineWidth_ = 1.0f;
    bool lineSmooth_ = false;
    bool mirror_ = false;
    int width_;
    int height_;
    int colourDepth_;
    Colour clearColour_{255, 255, 255, 0};
    Log* log_;
};
