// Entry point: the window, the one App, the command line, the main loop.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/HeadlessRun.h"
#include "app/InputRecorder.h"
#include "app/NetLaunch.h"
#include "app/RecordingClock.h"
#include "app/RecordingWindow.h"
#include "app/RunSetup.h"
#include "app/ScriptPlayer.h"
#include "core/Clock.h"
#include "input/InputScript.h"
#include "input/ScriptedKeyboard.h"
#include "platform/OpenAlDevice.h"
#include "platform/SdlFontSource.h"
#include "platform/SdlGamepad.h"
#include "platform/SdlKeyboard.h"
#include "platform/SdlWindow.h"
#include "render/GLRenderer.h"

namespace {
// Base/ sits beside the executable, wherever the game is started from.
std::filesystem::path ExecutableDirectory(const char* argv0) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}
}  // namespace

int main(int argc, char** argv) {
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
    std::optional<InputScript> script;
    if (options.scriptPath) script = ReadScriptFile(*options.scriptPath);
    const std::unique_ptr<Clock> realClock =
        MakeRunClock(options.fixedStep, script ? &*script : nullptr);
    const unsigned int seed = RunSeed(options, script ? &*script : nullptr);
    const std::unique_ptr<InputRecorder> recorder = MakeRecorder(options, seed);
    std::optional<RecordingClock> recordingClock;
    if (recorder) recordingClock.emplace(*realClock, *recorder);
    Clock& clock = recordingClock ? static_cast<Clock&>(*recordingClock) : *realClock;
    auto app =
        std::make_unique<App>(RunFolders(options, ExecutableDirectory(argv[0])), clock, seed);
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
    if (options.scriptPath && !ReportScript(*options.scriptPath, script, *app)) {
        g_app = nullptr;
        app.reset();
        return 1;
    }
    std::unique_ptr<ScriptPlayer> player;
    if (script) {
        auto keyboard = std::make_unique<ScriptedKeyboard>();
        player = std::make_unique<ScriptPlayer>(*window, std::move(script->events), *keyboard);
        app->LoadBindings(Recorded(std::move(keyboard), recorder.get()));
    } else if (recorder) {
        // A recording holds keys, mouse buttons and the cursor only: pads are left out.
        app->LoadBindings(Recorded(std::make_unique<SdlKeyboard>(*window), recorder.get()));
    } else {
        // Pads are real input too: a script's run leaves them out.
        auto gamepad = std::make_unique<SdlGamepad>(
            [&app](const std::string& line) { app->LogLine("%s", line.c_str()); });
        window->AttachGamepad(gamepad.get());
        app->LoadBindings(std::make_unique<SdlKeyboard>(*window), std::move(gamepad));
    }
    ReportProblems(options, *app);
    WindowSystem& input = player ? static_cast<WindowSystem&>(*player) : *window;
    std::optional<RecordingWindow> recording;
    if (recorder) recording.emplace(input, *recorder);
    WindowSystem& events = recording ? static_cast<WindowSystem&>(*recording) : input;
    app->SetCursorDevice(&events);
    app->LoadSounds(std::make_unique<OpenAlDevice>());
    app->SetBotSkill(options.botSkill);
    LaunchMatch(*app, options);
    RunSummarised(*app, events, options);
    SaveRecording(recorder.get(), options, *app);

    g_app = nullptr;
    window->AttachGamepad(nullptr);
    app.reset();
    window->CaptureMouse(false);
    return 0;
}
