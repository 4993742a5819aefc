#include "app/HeadlessRun.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/HeadlessWindow.h"
#include "app/InputRecorder.h"
#include "app/MatchSummary.h"
#include "app/NetLaunch.h"
#include "app/NetSession.h"
#include "app/ProgressLine.h"
#include "app/RecordingClock.h"
#include "app/RecordingWindow.h"
#include "app/RunSetup.h"
#include "app/ScriptPlayer.h"
#include "core/Clock.h"
#include "core/FrameTimer.h"
#include "game/Game.h"
#include "input/ScriptedKeyboard.h"
#include "render/HeadlessRenderer.h"
#include "sound/AudioDevice.h"

namespace {
// Two seconds.
constexpr long kLingerFrames = 160;

std::unique_ptr<Renderer> MakeHeadlessRenderer(int width, int height, int depth, Log& log) {
    return std::make_unique<HeadlessRenderer>(width, height, depth, &log);
}

// The parts a headless run is wired from, held until the app is gone.
struct HeadlessParts {
    std::optional<InputScript> script;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<InputRecorder> recorder;
    std::unique_ptr<RecordingClock> recordingClock;
    HeadlessWindow window;
    std::unique_ptr<ScriptPlayer> player;
    std::unique_ptr<RecordingWindow> recordingWindow;
};

// Hands the app its keyboard and the window the loop pumps: the script's, when there is one,
// passed through the recording when there is one.
WindowSystem& WireInput(App& app, HeadlessParts& parts) {
    auto keyboard = std::make_unique<ScriptedKeyboard>();
    if (parts.script) {
        parts.player = std::make_unique<ScriptPlayer>(parts.window, std::move(parts.script->events),
                                                      *keyboard);
    }
    app.LoadBindings(Recorded(std::move(keyboard), parts.recorder.get()));
    WindowSystem* window = parts.player ? static_cast<WindowSystem*>(parts.player.get())
                                        : static_cast<WindowSystem*>(&parts.window);
    if (parts.recorder) {
        parts.recordingWindow = std::make_unique<RecordingWindow>(*window, *parts.recorder);
        window = parts.recordingWindow.get();
    }
    // Without a script nobody moves a mouse: the bot in the human's slot aims for itself.
    app.SetCursorDevice(parts.script ? window : nullptr);
    return *window;
}
}  // namespace

int RunHeadless(const LaunchOptions& options, const std::filesystem::path& root) {
    HeadlessParts parts;
    if (options.scriptPath) parts.script = ReadScriptFile(*options.scriptPath);
    const InputScript* script = parts.script ? &*parts.script : nullptr;
    parts.clock = MakeRunClock(true, script);
    const unsigned int seed = RunSeed(options, script);
    parts.recorder = MakeRecorder(options, seed);
    Clock* clock = parts.clock.get();
    if (parts.recorder) {
        parts.recordingClock = std::make_unique<RecordingClock>(*clock, *parts.recorder);
        clock = parts.recordingClock.get();
    }

    auto app = std::make_unique<App>(RunFolders(options, root), *clock, seed);
    g_app = app.get();
    app->SetDrawing(false);
    app->Initialise(options.resolutionIndex, options.colourDepth, MakeHeadlessRenderer);
    const bool scriptRead =
        !options.scriptPath || ReportScript(*options.scriptPath, parts.script, *app);
    if (scriptRead) {
        WindowSystem& window = WireInput(*app, parts);
        ReportProblems(options, *app);
        app->SetBotInHumanSlot(!parts.script);
        app->LoadSounds(nullptr);
        app->SetBotSkill(options.botSkill);
        LaunchMatch(*app, options);
        RunSummarised(*app, window, options);
        SaveRecording(parts.recorder.get(), options, *app);
    }
    g_app = nullptr;
    app.reset();
    return scriptRead ? 0 : 1;
}

void RunSummarised(App& app, WindowSystem& window, const LaunchOptions& options) {
    MatchSummary summary;
    ProgressLine progress(stderr);
    long overFrames = 0;
    const auto start = std::chrono::steady_clock::now();
    app.Run(window, options.frameLimit, [&] {
        const Game* game = app.CurrentGame();
        summary.Observe(game, app.Timer()->Speed());
        if (!options.headless) return;
        progress.Update(summary.Frames(), summary.SimulatedSeconds());
        // Nothing moves on the final scores or the menu: a headless run is done there, unless
        // it is still on its way into a network match.
        const bool joining = app.Net() != nullptr && app.Net()->Joining();
        if (game == nullptr && !joining) app.Quit();
        // A host shows its clients the final scores a while before it goes.
        if (game != nullptr && game->IsOver() && ++overFrames > (app.Net() ? kLingerFrames : 0))
            app.Quit();
    });
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    summary.Finish(app.CurrentGame());
    progress.Clear();
    if (options.headless || options.frameLimit) std::fputs(summary.Text(wall).c_str(), stdout);
}
