#pragma once

#include "render/Renderer.h"

class FontSource;
class GLPicture;
class RenderContext;

// The OpenGL 1.x immediate-mode renderer, on a context the platform layer makes.
class GLRenderer final : public Renderer {
public:
    // Everything is drawn into a picture of width x height, which the window shows scaled to fit.
    // fullScreen: cover the desktop without changing its mode; when that is refused it logs a
    // fatal error and falls back to a window of the picture's size. HasContext() tells whether
    // drawing is possible at all.
    GLRenderer(RenderContext& context, FontSource& fonts, int width, int height, int colourDepth,
               bool fullScreen, Log* log);
    ~GLRenderer() override;

    bool HasContext() const { return hasContext_; }

    void SetClearColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
    void BeginFrame() override;
    bool Present() override;
    std::unique_ptr<Image> CreateImage(const std::string& fileName, std::string* why) override;
    void BindImage(const Image* image) override;
    void DrawTexturedQuad(float x1, float y1, float x2, float y2, float tx1, float ty1, float tx2,
                          float ty2, std::uint8_t alpha, float angle) override;
    void FillRect(float x1, float y1, float x2, float y2, Colour colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour start, Colour end) override;
    std::unique_ptr<Font> MakeFont(const std::string& typeface, int height, int flags) override;
    bool SaveScreenshot(const std::string& fileName) override;
    void SetTextureFilter(bool smooth) override;
    void SetLineSmooth(bool smooth) override;

protected:
    void DrawText(const Font& font, int x, int y, Colour colour, const std::string& text) override;
    void MeasureText(const Font& font, const std::string& text, int& width, int& height) override;

private:
    void SetUpState();

    RenderContext& context_;
    FontSource& fonts_;
    bool hasContext_ = false;
    std::unique_ptr<GLPicture> picture_;
};
