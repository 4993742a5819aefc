// Cost of the players' own update on the default map without a display: mouse look, physics
// against the platforms and the skeleton animation; drawing is the match frame's to time. Every
// player is put in play at a spawn point first; bots have no thinking yet, so each runs off in the
// direction it spawned with until a wall stops it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "player/Player.h"
#include "support/GameRig.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

void PlayerUpdate(benchmark::State& state) {
    const auto players = static_cast<int>(state.range(0));
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-player-bench", kBase);
    auto game = rig.MakeGame(players);
    std::ifstream map(kBase / "Maps" / "bwdm1.bwm", std::ios::binary);
    if (!game->LoadMap(map, "bwdm1.bwm")) {
        state.SkipWithError("bwdm1.bwm did not load");
        return;
    }
    game->Start();
    for (int i = 0; i < players; ++i)
        game->Respawn(game->GetPlayer(i));
    rig.Tick();
    std::int64_t updates = 0;
    for (auto _ : state) {
        for (int i = 0; i < players; ++i) {
            Player& player = game->GetPlayer(i);
            if (!player.InPlay()) continue;
            player.Update(*game);
            ++updates;
        }
    }
    if (updates == 0) state.SkipWithError("nobody was in play");
    // Time per player update, the figure that matters as matches grow.
    state.counters["per_player"] = benchmark::Counter(
        static_cast<double>(updates), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(PlayerUpdate)->Arg(6)->Arg(64);
}  // namespace

BENCHMARK_MAIN();
