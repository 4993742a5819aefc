#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/Log.h"
#include "render/Font.h"
#include "render/FontSource.h"
#include "render/GLRenderer.h"
#include "render/Image.h"
#include "render/RenderContext.h"
#include "render/Sprite.h"
#include "support/FileText.h"
#include "support/TgaBytes.h"

namespace {
// A window system that refuses what it is told to refuse and remembers what it was asked.
class RefusingContext final : public RenderContext {
public:
    explicit RefusingContext(bool fullScreenWorks) : fullScreenWorks_(fullScreenWorks) {}

    bool SetFullScreenMode(int width, int height, int depth) override {
        calls.push_back("full " + Size(width, height) + "x" + std::to_string(depth));
        return fullScreenWorks_;
    }
    void SetWindowedMode(int width, int height) override {
        calls.push_back("windowed " + Size(width, height));
    }
    bool CreateContext(int depth) override {
        calls.push_back("create " + std::to_string(depth));
        return false;
    }
    void DestroyContext() override { calls.emplace_back("destroy"); }
    bool SwapBuffers() override {
        calls.emplace_back("swap");
        return true;
    }
    void ShowWindow() override { calls.emplace_back("show"); }
    void RestoreDisplayMode() override { calls.emplace_back("restore"); }

    std::vector<std::string> calls;

private:
    static std::string Size(int width, int height) {
        return std::to_string(width) + "x" + std::to_string(height);
    }
    bool fullScreenWorks_;
};

class CountingFontSource final : public FontSource {
public:
    std::optional<GlyphSet> Rasterise(const std::string&, int, bool, bool) override {
        ++calls;
        return std::nullopt;
    }
    int calls = 0;
};

}  // namespace

TEST(GLRendererWithoutContext, FallsBackToAWindowLogsBothFailuresAndDrawsNothing) {
    const auto directory = std::filesystem::path(testing::TempDir());
    const auto logPath = directory / "GLRendererWithoutContext.txt";
    const std::string shot = (directory / "GLRendererWithoutContextShot.tga").string();
    std::filesystem::remove(shot);
    RefusingContext context(false);
    CountingFontSource fonts;
    {
        Log log(logPath);
        GLRenderer renderer(context, fonts, 640, 480, 16, true, &log);
        EXPECT_FALSE(renderer.HasContext());
        EXPECT_EQ(context.calls,
                  (std::vector<std::string>{"full 640x480x16", "windowed 640x480", "create 16"}));
        EXPECT_EQ(renderer.ClearColour(), (Colour{100, 100, 100, 0}));

        // Every drawing call is a harmless no-op; nothing reaches the window.
        renderer.BeginFrame();
        renderer.FillRect(0, 0, 10, 10, kWhite);
        renderer.DrawLine(0, 0, 10, 10, kWhite, kWhite);
        renderer.SetLineSmooth(true);
        renderer.DrawTexturedQuad(0, 0, 10, 10, 0, 0, 1, 1, 255, 45);
        const std::unique_ptr<Font> font = renderer.MakeFont("Arial", 24, kFontBold);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->Height(), 24);
        renderer.DrawString(font.get(), 10, 10, kWhite, "score %d", 3);
        renderer.DrawStringCentred(font.get(), 0, 0, 640, 480, kWhite, "%s", "paused");
        const std::string file =
            WriteBytes(directory / "GLRendererWithoutContext.tga", SolidTga(2, 2, {1, 2, 3}));
        const std::unique_ptr<Image> image = renderer.CreateImage(file);
        ASSERT_NE(image, nullptr);  // sprite tables still get their pictures
        Sprite sprite{image.get(), 0, 0, 1, -1, 0, 0, 2, 2};
        renderer.DrawSprite(sprite, 5, 5, 255);
        EXPECT_FALSE(renderer.Present());
        EXPECT_FALSE(renderer.SaveScreenshot(shot));
        EXPECT_FALSE(std::filesystem::exists(shot));
        EXPECT_EQ(context.calls.size(), 3u);
    }
    EXPECT_EQ(fonts.calls, 0);
    EXPECT_EQ(context.calls.back(), "restore");  // and no "destroy": there was nothing to destroy
    EXPECT_EQ(context.calls.size(), 4u);
    EXPECT_EQ(ReadLines(logPath),
              (std::vector<std::string>{
                  "Initializing OpenGL...",
                  "FATAL ERROR: Unable to set display mode.",
                  "FATAL ERROR: Unable to create an OpenGL context.",
                  "ERROR: Unable to write screenshot " + shot + ": there is no drawing context.",
                  "Shutting down OpenGL...",
              }));
}

TEST(GLRendererWithoutContext, AskedModesAreTheOnesUsed) {
    RefusingContext fullScreen(true);
    CountingFontSource fonts;
    { GLRenderer renderer(fullScreen, fonts, 800, 600, 32, true, nullptr); }
    EXPECT_EQ(fullScreen.calls,
              (std::vector<std::string>{"full 800x600x32", "create 32", "restore"}));

    RefusingContext windowed(true);
    { GLRenderer renderer(windowed, fonts, 1024, 768, 32, false, nullptr); }
    EXPECT_EQ(windowed.calls,
              (std::vector<std::string>{"windowed 1024x768", "create 32", "restore"}));
}
