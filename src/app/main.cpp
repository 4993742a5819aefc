// Entry point: the window, the one App, the command line, the main loop.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/CommandLineHelp.h"
#include "app/HeadlessRun.h"
#include "app/NetLaunch.h"
#include "app/RunSetup.h"
#include "app/RunSummarised.h"
#include "platform/OpenAlDevice.h"
#include "platform/SdlFontSource.h"
#include "platform/SdlGamepad.h"
#include "platform/SdlKeyboard.h"
#include "platform/SdlWindow.h"
#include "render/GLRenderer.h"

namespace {
// The executable's real folder, links followed: the shipped data is found from there,
// wherever the game is started from.
std::filesystem::path ExecutableDirectory(const char* argv0) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}
}  // namespace

int main(int argc, char** argv) {
    if (const auto information = InformationRequested(argc, argv)) {
        std::fputs(information->c_str(), stdout);
        return 0;
    }
    const LaunchOptions options = ParseCommandLine(argc, argv);
    // Headless, nothing of the platform layer is touched: no window, context, audio or fonts.
    if (options.headless) return RunHeadless(options, ExecutableDirectory(argv[0]));
    std::unique_ptr<SdlWindow> window = SdlWindow::Create();
    if (!window) {
        std::fprintf(stderr, "brawlwick: cannot create the window: %s\n",
                     SdlWindow::LastError().c_str());
        return 1;
    }
    window->CaptureMouse(true);

    SdlFontSource fonts;
    GameFolders folders = RunFolders(options, ExecutableDirectory(argv[0]));
    RunSetup run(options, folders.Base(), options.fixedStep);
    auto app = std::make_unique<App>(std::move(folders), run.RunClock(), run.Seed());
    g_app = app.get();

    const bool fullScreen = !options.windowed;
    const auto makeRenderer = [&](int width, int height, int depth,
                                  Log& log) -> std::unique_ptr<Renderer> {
        auto renderer =
            std::make_unique<GLRenderer>(*window, fonts, width, height, depth, fullScreen, &log);
        if (!renderer->HasContext()) return nullptr;
        return renderer;
    };
    if (!app->Initialise(options.resolutionIndex, options.colourDepth, makeRenderer)) {
        std::fprintf(stderr, "brawlwick: no OpenGL context could be created: %s\n",
                     SdlWindow::LastError().c_str());
        g_app = nullptr;
        app.reset();
        return 1;
    }
    window->HideCursor();

    // A script replaces the keyboard and the mouse for the whole run, so it replays the same
    // way on any machine.
    if (!run.Report(*app)) {
        g_app = nullptr;
        app.reset();
        return 1;
    }
    // Pads are real input too, but neither replayed nor recorded: such a run leaves them out.
    std::unique_ptr<SdlGamepad> gamepad;
    if (!run.Replaying() && !run.Recording()) {
        gamepad = std::make_unique<SdlGamepad>(
            [&app](const std::string& line) { app->LogLine("%s", line.c_str()); });
        window->AttachGamepad(gamepad.get());
    }
    WindowSystem& events = run.WireInput(
        *app, *window, [&window] { return std::make_unique<SdlKeyboard>(*window); },
        std::move(gamepad));
    app->SetCursorDevice(&events);
    app->LoadSounds(std::make_unique<OpenAlDevice>());
    app->SetBotSkill(options.botSkill);
    LaunchMatch(*app, options);
    run.Finish(RunSummarised(*app, events, options, run.Seed()).frames, *app);

    g_app = nullptr;
    window->AttachGamepad(nullptr);
    app.reset();
    window->CaptureMouse(false);
    return 0;
}
