#include "app/RunSummarised.h"

#include <chrono>
#include <cstdio>

#include "app/App.h"
#include "app/CommandLine.h"
#include "app/MatchSummary.h"
#include "app/ProgressLine.h"
#include "core/FrameTimer.h"
#include "app/NetSession.h"
#include "game/Game.h"

namespace {
// Two seconds.
constexpr long kLingerFrames = 160;
}  // namespace

RunResult RunSummarised(App& app, WindowSystem& window, const LaunchOptions& options,
                        unsigned int seed) {
    MatchSummary summary(seed);
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
    return {summary.Frames(), summary.MatchPlayed()};
}
