// Entry point: the window, the one App, the command line, the main loop.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/GameFolders.h"
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

// Reads -script FILE; false when the file cannot be read. Lines that do not read are reported
// on stderr and in the log, and skipped.
bool LoadScript(const std::string& path, App& app, InputScript& script) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "brawlwick: cannot read the script %s\n", path.c_str());
        app.LogLine("Unable to read the script \"%s\".", path.c_str());
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    script = ParseInputScript(text.str());
    for (const ScriptError& error : script.errors) {
        std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), error.line, error.message.c_str());
        app.LogLine("Script %s, line %d: %s; line skipped.", path.c_str(), error.line,
                    error.message.c_str());
    }
    return true;
}

std::unique_ptr<Clock> MakeClock(bool fixedStep) {
    if (fixedStep) return std::make_unique<FixedStepClock>(80);
    return std::make_unique<SteadyClock>();
}
}  // namespace

int main(int argc, char** argv) {
    const LaunchOptions options = ParseCommandLine(argc, argv);
    std::unique_ptr<SdlWindow> window = SdlWindow::Create();
    if (!window) {
        std::fprintf(stderr, "brawlwick: cannot create the window: %s\n",
                     SdlWindow::LastError().c_str());
        return 1;
    }
    window->CaptureMouse(true);

    SdlFontSource fonts;
    const std::unique_ptr<Clock> clock = MakeClock(options.fixedStep);
    GameFolders folders(ExecutableDirectory(argv[0]) / "Base",
                        GameFolders::PlayerFolderFor(options.userDir, std::getenv("XDG_DATA_HOME"),
                                                     std::getenv("HOME")));
    auto app = std::make_unique<App>(std::move(folders), *clock, options.seed);
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
    InputScript script;
    if (options.scriptPath && !LoadScript(*options.scriptPath, *app, script)) {
        g_app = nullptr;
        app.reset();
        return 1;
    }
    std::unique_ptr<ScriptPlayer> player;
    if (options.scriptPath) {
        auto keyboard = std::make_unique<ScriptedKeyboard>();
        player = std::make_unique<ScriptPlayer>(*window, std::move(script.events), *keyboard);
        app->LoadBindings(std::move(keyboard));
    } else {
        // Pads are real input too: a script's run leaves them out.
        auto gamepad = std::make_unique<SdlGamepad>(
            [&app](const std::string& line) { app->LogLine("%s", line.c_str()); });
        window->AttachGamepad(gamepad.get());
        app->LoadBindings(std::make_unique<SdlKeyboard>(*window), std::move(gamepad));
    }
    for (const std::string& problem : options.problems) {
        std::fprintf(stderr, "brawlwick: %s\n", problem.c_str());
        app->LogLine("%s", problem.c_str());
    }
    WindowSystem& events = player ? static_cast<WindowSystem&>(*player) : *window;
    app->SetCursorDevice(&events);
    app->LoadSounds(std::make_unique<OpenAlDevice>());
    app->SetBotSkill(options.botSkill);
    app->StartMap(options.mapName, options.maxPlayers, options.fragLimit, options.gameType);
    app->Run(events, options.frameLimit);

    g_app = nullptr;
    window->AttachGamepad(nullptr);
    app.reset();
    window->CaptureMouse(false);
    return 0;
}
