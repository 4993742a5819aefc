// Cost of one match frame on the default map without a display: the camera, the map's platforms
// and scenery drawn with the built sprites, the title and the console, through the recording
// renderer. No sound and no input.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "console/Console.h"
#include "content/GraphicsTable.h"
#include "core/FrameTimer.h"
#include "core/Log.h"
#include "game/Game.h"
#include "game/GameType.h"
#include "support/ManualClock.h"
#include "support/RecordingRenderer.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

void LoadSprites(GraphicsTable& graphics) {
    graphics.LoadImageDirectory(kBase);
    graphics.LoadImageDirectory(kBase / "MapObjects");
    graphics.LoadSpriteTable(kBase / "BWgfx.gtb");
    graphics.LoadSpriteTable(kBase / "BWents.etb");
}

void MatchFrame(benchmark::State& state) {
    Log log;
    RecordingRenderer renderer(800, 600, 32, &log);
    GraphicsTable graphics(renderer, log);
    LoadSprites(graphics);
    Console console(renderer, graphics);
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    GameServices services(renderer, console, timer, log);
    services.graphics = &graphics;
    services.screenshots = std::filesystem::temp_directory_path() / "brawlwick-bench-shots";

    Game game(services, 6, 32, kGameFreeForAll);
    std::ifstream map(kBase / "Maps" / "bwdm1.bwm", std::ios::binary);
    if (!game.LoadMap(map, "bwdm1.bwm")) {
        state.SkipWithError("bwdm1.bwm did not load");
        return;
    }
    game.Start();
    for (auto _ : state) {
        clock.AdvanceFrames(1);
        timer.Tick();
        game.Frame();
        renderer.Clear();
    }
    // One more, untimed, to count what a frame draws; without sprites it would time too little.
    game.Frame();
    const std::size_t sprites = renderer.CallsOf(RecordingRenderer::Kind::TexturedQuad).size();
    if (sprites == 0) state.SkipWithError("no sprite was drawn");
    state.counters["calls"] = static_cast<double>(renderer.Calls().size());
    state.counters["sprites"] = static_cast<double>(sprites);
}
BENCHMARK(MatchFrame);
}  // namespace

BENCHMARK_MAIN();
