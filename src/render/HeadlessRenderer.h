#pragma once

#include <memory>
#include <string>

#include "render/Renderer.h"

// A renderer for matches that run with no screen: it draws nothing and needs no graphics
// library, but reads every picture with the real rules, so the sprites cut from them have the
// same sizes (and the same refusals reach the log) as in a windowed run.
class HeadlessRenderer : public Renderer {
public:
    HeadlessRenderer(int width, int height, int colourDepth, Log* log)
        : Renderer(width, height, colourDepth, log) {}

    void BeginFrame() override {}
    bool Present() override { return true; }
    std::unique_ptr<Image> CreateImage(const std::string& fileName, std::string* why) override;
    void BindImage(const Image*) override {}
    void DrawTexturedQuad(float, float, float, float, float, float, float, float, std::uint8_t,
                          float) override {}
    void FillRect(float, float, float, float, Colour) override {}
    void DrawLine(float, float, float, float, Colour, Colour) override {}
    std::unique_ptr<Font> MakeFont(const std::string& typeface, int height, int flags) override;
    // There is no picture to save.
    bool SaveScreenshot(const std::string&) override { return false; }
    void SetTextureFilter(bool) override {}

protected:
    void DrawText(const Font&, int, int, Colour, const std::string&) override {}
    void MeasureText(const Font& font, const std::string& text, int& width, int& height) override;
};
