#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/Log.h"
#include "render/FontSource.h"
#include "render/GLRenderer.h"
#include "render/RenderContext.h"
#include "support/FileText.h"

namespace {
// A window system that refuses full screen and a context, and remembers what it was asked.
class RefusingContext final : public RenderContext {
public:
    bool SetFullScreen(int, int) override { return Call("full"), false; }
    void SetWindowedMode(int, int) override { Call("windowed"); }
    bool CreateContext(int) override { return Call("create"), false; }
    void DestroyContext() override { Call("destroy"); }
    bool SwapBuffers() override { return Call("swap"), true; }
    void ShowWindow() override { Call("show"); }
    void RestoreDisplayMode() override { Call("restore"); }
    void DrawableSize(int& width, int& height) override { width = height = 0; }
    void* ProcAddress(const char*) override { return nullptr; }
    void Call(const std::string& what) { calls.push_back(what); }
    std::vector<std::string> calls;
};

class NoFonts final : public FontSource {
public:
    std::optional<GlyphSet> Rasterise(const std::string&, int, bool, bool) override {
        return std::nullopt;
    }
};
}  // namespace

TEST(GLRendererWithoutContext, FallsBackToAWindowAndLogsEachFailure) {
    const auto directory = std::filesystem::path(testing::TempDir());
    const auto logPath = directory / "GLRendererWithoutContext.txt";
    const std::string shot = (directory / "GLRendererWithoutContextShot.tga").string();
    RefusingContext context;
    NoFonts fonts;
    {
        Log log(logPath);
        GLRenderer renderer(context, fonts, 640, 480, 16, true, &log);
        EXPECT_FALSE(renderer.HasContext());
        renderer.BeginFrame();
        EXPECT_FALSE(renderer.Present());
        EXPECT_FALSE(renderer.SaveScreenshot(shot));
    }
    // Nothing to destroy, but the display mode is still given back.
    EXPECT_EQ(context.calls, (std::vector<std::string>{"full", "windowed", "create", "restore"}));
    EXPECT_EQ(ReadLines(logPath),
              (std::vector<std::string>{
                  "Initializing OpenGL...",
                  "FATAL ERROR: Unable to set display mode.",
                  "FATAL ERROR: Unable to create an OpenGL context.",
                  "ERROR: Unable to write screenshot " + shot + ": there is no drawing context.",
                  "Shutting down OpenGL...",
              }));
}
