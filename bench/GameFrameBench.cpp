// Cost of one match frame on the default map without a display: the camera, the map's platforms
// and scenery drawn with the built sprites, the title and the console, through the recording
// renderer, with the same headless services the tests use.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "support/GameRig.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

void MatchFrame(benchmark::State& state) {
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-game-frame-bench", kBase);
    auto game = rig.MakeGame();
    std::ifstream map(kBase / "Maps" / "bwdm1.bwm", std::ios::binary);
    if (!game->LoadMap(map, "bwdm1.bwm")) {
        state.SkipWithError("bwdm1.bwm did not load");
        return;
    }
    game->Start();
    for (auto _ : state) {
        rig.Tick();
        game->Frame();
        rig.renderer.Clear();
    }
    // One more, untimed, to count what a frame draws; without sprites it would time too little.
    game->Frame();
    const std::size_t sprites = rig.renderer.CallsOf(RecordingRenderer::Kind::TexturedQuad).size();
    if (sprites == 0) state.SkipWithError("no sprite was drawn");
    state.counters["calls"] = static_cast<double>(rig.renderer.Calls().size());
    state.counters["sprites"] = static_cast<double>(sprites);
}
BENCHMARK(MatchFrame);
}  // namespace

BENCHMARK_MAIN();
