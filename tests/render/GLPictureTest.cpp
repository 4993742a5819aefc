#include "render/GLPicture.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/SdlWindow.h"
#include "render/PictureFit.h"

// The picture drawn at its own size and shown on a window of another, through the real window,
// context and driver: with a framebuffer object, and without one (its entry points hidden).
namespace {
constexpr int kWidth = 800, kHeight = 600;
using Rgb = std::array<int, 3>;
constexpr Rgb kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

// The real window, but with no framebuffer-object entry points when asked to hide them.
class Context final : public RenderContext {
public:
    Context(SdlWindow& window, bool framebuffers) : window_(window), framebuffers_(framebuffers) {}
    bool SetFullScreen(int width, int height) override {
        return window_.SetFullScreen(width, height);
    }
    void SetWindowedMode(int width, int height) override { window_.SetWindowedMode(width, height); }
    bool CreateContext(int depth) override { return window_.CreateContext(depth); }
    void DestroyContext() override { window_.DestroyContext(); }
    bool SwapBuffers() override { return window_.SwapBuffers(); }
    void ShowWindow() override { window_.ShowWindow(); }
    void RestoreDisplayMode() override { window_.RestoreDisplayMode(); }
    void DrawableSize(int& width, int& height) override { window_.DrawableSize(width, height); }
    void* ProcAddress(const char* name) override {
        return framebuffers_ ? window_.ProcAddress(name) : nullptr;
    }

private:
    SdlWindow& window_;
    bool framebuffers_;
};

// The window's back buffer, y counted down from the top.
Rgb WindowPixel(int x, int y, int windowHeight) {
    std::array<std::uint8_t, 3> rgb{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, windowHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return Rgb{rgb[0], rgb[1], rgb[2]};
}
}  // namespace

TEST(GLPictureTest, ThePictureIsShownScaledAndCentredBetweenBlackBarsWithOrWithoutFramebuffers) {
    const std::unique_ptr<SdlWindow> window = SdlWindow::Create();
    ASSERT_NE(window, nullptr) << SdlWindow::LastError();
    window->SetWindowedMode(kWidth, kHeight);
    ASSERT_TRUE(window->CreateContext(32)) << SdlWindow::LastError();
    window->ShowWindow();
    const struct {
        bool framebuffers;
        int windowWidth, windowHeight;
    } rows[] = {{true, 1000, 500}, {true, 1000, 900}, {false, 1000, 900}, {true, 800, 600}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.framebuffers << " " << row.windowWidth);
        SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), row.windowWidth, row.windowHeight);
        int width = 0, height = 0;
        for (int tries = 0; tries < 100 && (width != row.windowWidth || height != row.windowHeight);
             ++tries) {
            SDL_PumpEvents();
            SDL_Delay(10);
            window->DrawableSize(width, height);
        }
        ASSERT_EQ(height, row.windowHeight);
        window->SwapBuffers();  // the driver takes the new size at a swap, as a game's frame does
        Context context(*window, row.framebuffers);
        const GLPicture picture(context, kWidth, kHeight);
        EXPECT_EQ(picture.OffScreen(), row.framebuffers);
        // Red with a blue square in the top-left corner.
        glDisable(GL_TEXTURE_2D);
        glClearColor(1, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3ub(0, 0, 255);
        glRecti(0, 0, 100, 100);
        picture.ShowOnWindow();
        const PictureFit fit = PictureFit::Of(kWidth, kHeight, width, height);
        const auto at = [&](int x, int y) { return WindowPixel(x, y, height); };
        EXPECT_EQ(at(fit.x + 5, fit.y + 5), kBlue);
        EXPECT_EQ(at(fit.x + fit.width / 2, fit.y + fit.height / 2), kRed);
        EXPECT_EQ(at(fit.x + fit.width - 2, fit.y + fit.height - 2), kRed);
        // The bars, where there are any.
        EXPECT_EQ(at(fit.x > 0 ? fit.x - 2 : 0, height / 2), fit.x > 0 ? kBlack : kRed);
        EXPECT_EQ(at(width / 2, fit.y > 0 ? fit.y + fit.height + 1 : height - 1),
                  fit.y > 0 ? kBlack : kRed);
        window->SwapBuffers();
    }
}
