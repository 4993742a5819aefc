// Cost of one menu frame (timer, menu sprite, open console with a full history) without a display.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/App.h"
#include "console/Console.h"
#include "support/ManualClock.h"
#include "support/RecordingRenderer.h"

namespace {
void MenuFrame(benchmark::State& state) {
    const auto root = std::filesystem::temp_directory_path() / "brawlwick-bench";
    std::filesystem::create_directories(root / "Base");
    ManualClock clock;
    App app(GameFolders(root / "Base", root), clock, 1u);
    RecordingRenderer* renderer = nullptr;
    app.Initialise(2, 32, [&](int width, int height, int depth, Log& log) {
        auto made = std::make_unique<RecordingRenderer>(width, height, depth, &log);
        renderer = made.get();
        return std::unique_ptr<Renderer>(std::move(made));
    });
    for (int i = 0; i < 40; ++i)
        app.GetConsole()->Print("history line %d of the console", i);
    app.GetConsole()->Toggle();
    for (auto _ : state) {
        clock.AdvanceFrames(1);
        app.Frame();
        renderer->Clear();
    }
}
BENCHMARK(MenuFrame);
}  // namespace

BENCHMARK_MAIN();
