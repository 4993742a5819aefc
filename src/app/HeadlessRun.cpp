#include "app/HeadlessRun.h"

#include <cstdio>
#include <memory>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/HeadlessWindow.h"
#include "app/NetLaunch.h"
#include "app/RunSetup.h"
#include "app/RunSummarised.h"
#include "core/TextFormat.h"
#include "input/ScriptedKeyboard.h"
#include "render/HeadlessRenderer.h"
#include "sound/AudioDevice.h"

namespace {
std::unique_ptr<Renderer> MakeHeadlessRenderer(int width, int height, int depth, Log& log) {
    return std::make_unique<HeadlessRenderer>(width, height, depth, &log);
}

// Plays the match on a built app; false when none could be played.
bool Play(App& app, RunSetup& run, HeadlessWindow& window, const LaunchOptions& options) {
    // Without a script nobody is at the keyboard: a bot plays the human's slot.
    WindowSystem& events =
        run.WireInput(app, window, [] { return std::make_unique<ScriptedKeyboard>(); });
    // Nor does anybody move a mouse: that bot aims for itself.
    app.SetCursorDevice(run.Replaying() ? &events : nullptr);
    app.SetBotInHumanSlot(!run.Replaying());
    app.LoadSounds(nullptr);
    app.SetBotSkill(options.botSkill);
    LaunchMatch(app, options);
    const RunResult result = RunSummarised(app, events, options, run.Seed());
    run.Finish(result.frames, app);
    if (result.matchPlayed) return true;
    std::fprintf(stderr, "brawlwick: no match was played on %s; Log.txt says why.\n",
                 Printable(options.mapName).c_str());
    return false;
}
}  // namespace

int RunHeadless(const LaunchOptions& options, const std::filesystem::path& root) {
    HeadlessWindow window;  // outlives the app, which reads its cursor
    GameFolders folders = RunFolders(options, root);
    RunSetup run(options, folders.Base(), true);
    auto app = std::make_unique<App>(std::move(folders), run.RunClock(), run.Seed());
    g_app = app.get();
    app->SetDrawing(false);
    app->Initialise(options.resolutionIndex, options.colourDepth, MakeHeadlessRenderer);
    const bool played = run.Report(*app) && Play(*app, run, window, options);
    g_app = nullptr;
    app.reset();
    return played ? 0 : 1;
}
