// Cost of showing the game's picture scaled on the window each frame, against a plain clear of
// the same window, on the real context (run under Xvfb: scripts/bench.sh gives it a 1280 x 720
// screen). Without a display it reports that and measures nothing.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/SdlWindow.h"
#include "render/GLPicture.h"

namespace {
struct Display {
    std::unique_ptr<SdlWindow> window = SdlWindow::Create();
    bool ready = window && window->SetFullScreen(800, 600) && window->CreateContext(32);
    Display() {
        if (ready) window->ShowWindow();
    }
};

Display& Shared() {
    static Display display;
    return display;
}

// The window's whole back buffer filled once, as any frame at that size costs at least.
void ClearWindow(benchmark::State& state) {
    Display& display = Shared();
    if (!display.ready) return state.SkipWithError("no display");
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT);
        glFinish();
    }
}
BENCHMARK(ClearWindow);

// What Present adds: the picture drawn over the window (copied first without framebuffer
// objects), bars cleared; scaled to fit the whole screen, or at its own size.
void ShowPicture(benchmark::State& state) {
    Display& display = Shared();
    if (!display.ready) return state.SkipWithError("no display");
    const int size = static_cast<int>(state.range(0));
    const GLPicture picture(*display.window, size * 4 / 3, size);
    int width = 0;
    int height = 0;
    display.window->DrawableSize(width, height);
    state.SetLabel(std::to_string(size * 4 / 3) + "x" + std::to_string(size) + " on " +
                   std::to_string(width) + "x" + std::to_string(height) +
                   (picture.OffScreen() ? ", framebuffer object" : ", copied"));
    for (auto _ : state) {
        picture.ShowOnWindow();
        glFinish();
        picture.Bind();
    }
}
// 600: the game's 800 x 600 picture, scaled (smoothed) to 960 x 720; 720: a picture of 960 x 720
// shown at its own size (copied pixel for pixel).
BENCHMARK(ShowPicture)->Arg(600)->Arg(720);
}  // namespace

BENCHMARK_MAIN();
