// Cost of one match frame on the default map without a display, through the recording renderer
// and the same headless services the tests use: the update pass alone (what a headless match
// runs) and the update plus the draw pass, with six players in play and a crowd of particles;
// and the HUD's share with many players.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/Random.h"
#include "support/GameRig.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

std::unique_ptr<Game> StartDefaultMap(GameRig& rig, int players, benchmark::State& state) {
    auto game = rig.MakeGame(players);
    std::ifstream map(kBase / "Maps" / "bwdm1.bwm", std::ios::binary);
    if (!game->LoadMap(map, "bwdm1.bwm")) {
        state.SkipWithError("bwdm1.bwm did not load");
        return nullptr;
    }
    game->Start();
    return game;
}

// Particles that live for the whole run, spread over the map: half are blood that falls,
// bounces and comes to rest on the platforms, half are smoke that hangs and turns.
void Crowd(Game& game, int count) {
    const Float4 bounds = game.Bounds();
    for (int i = 0; i < count; ++i) {
        ParticleSetup setup;
        setup.position = Vec2{RandomRange(bounds.x1, bounds.x2), RandomRange(bounds.y1, bounds.y2)};
        setup.life = 1e9f;
        setup.sprite = game.Sprites().cigaretteSmoke;
        if (i % 2 == 0) {
            setup.bounce = 0.3f;
        } else {
            setup.collides = false;
            setup.gravity = 0.0f;
            setup.spin = 1.0f;
        }
        game.SpawnParticle(setup);
    }
}

void MatchFrame(benchmark::State& state) {
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-game-frame-bench", kBase);
    auto game = StartDefaultMap(rig, 6, state);
    if (!game) return;
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

// Argument 0: the update pass alone; 1: the update and the draw pass.
void BusyMatchFrame(benchmark::State& state) {
    const bool draw = state.range(0) == 1;
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-busy-frame-bench", kBase);
    SeedRandom(7);
    auto game = StartDefaultMap(rig, 6, state);
    if (!game) return;
    for (int i = 0; i < game->PlayerCount(); ++i)
        game->Respawn(game->GetPlayer(i));
    Crowd(*game, 2000);
    for (auto _ : state) {
        rig.Tick();
        if (draw) {
            game->Frame();
        } else {
            game->Update();
        }
        rig.renderer.Clear();
    }
    const auto live = static_cast<double>(game->LiveObjectCount());
    state.counters["live"] = live;
    // Time per live object and frame, the figure that matters as fights get busy.
    state.counters["per_object"] = benchmark::Counter(
        live, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BusyMatchFrame)->Arg(0)->Arg(1);

// A frame of a match with nothing on its map but N players waiting to come in: the ranking of
// the update pass and the scoreboard lines of the HUD are what there is to time.
void HudFrame(benchmark::State& state) {
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-hud-frame-bench", kBase);
    auto game = rig.MakeGame(static_cast<int>(state.range(0)));
    game->Start();
    for (auto _ : state) {
        game->Frame();
        rig.renderer.Clear();
    }
    game->Frame();
    state.counters["texts"] =
        static_cast<double>(rig.renderer.CallsOf(RecordingRenderer::Kind::Text).size());
}
BENCHMARK(HudFrame)->Arg(8)->Arg(64);
}  // namespace

BENCHMARK_MAIN();
