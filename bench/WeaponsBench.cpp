// Cost of a fight on the default map without a display: six players in god mode, each spraying
// the shotgun and firing the grenade fan as often as it lets them, which keeps thousands of
// pellets, grenades, smoke puffs and blasts alive; and the shot traces the weapons make.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/Random.h"
#include "support/GameRig.h"
#include "weapons/Weapon.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

std::unique_ptr<Game> StartFight(GameRig& rig, benchmark::State& state) {
    SeedRandom(11);
    auto game = rig.StartGame(kBase / "Maps" / "bwdm1.bwm", 6);
    if (game->WeaponDefCount() == 0) {
        state.SkipWithError("no weapon file");
        return nullptr;
    }
    for (int i = 0; i < game->PlayerCount(); ++i) {
        Player& player = game->GetPlayer(i);
        game->Respawn(player);
        player.SetGodMode(true);
        player.Give("all", *game);
    }
    rig.Tick();
    game->Update();  // every figure placed where its body is
    return game;
}

Weapon* Carried(Player& player, const std::string& section) {
    for (int i = 0; i < player.Weapons().Count(); ++i) {
        if (player.Weapons().At(i).Section() == section) return &player.Weapons().At(i);
    }
    return nullptr;
}

// Every player in play sprays the shotgun and fires the grenade fan when it lets him: the
// firing is part of the frame, as a held trigger is in a match.
void FireEverything(Game& game) {
    for (int i = 0; i < game.PlayerCount(); ++i) {
        Player& player = game.GetPlayer(i);
        if (!player.InPlay()) continue;
        if (Weapon* shotgun = Carried(player, "SG")) shotgun->HoldSecondary(player, game);
        if (Weapon* launcher = Carried(player, "GL")) {
            launcher->Refill();
            launcher->PressSecondary(player, game);
        }
    }
}

// Argument 0 times the update pass, 1 the draw pass of the same frames.
void FightFrame(benchmark::State& state) {
    const bool timeDraw = state.range(0) == 1;
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-fight-bench", kBase);
    auto game = StartFight(rig, state);
    if (!game) return;
    // Past the first fans' full cycle, so every timed frame is one of a fight in full swing.
    for (int i = 0; i < 600; ++i) {
        rig.Tick();
        FireEverything(*game);
        game->Update();
    }
    std::size_t peak = 0;
    double objectFrames = 0;
    for (auto _ : state) {
        if (timeDraw) state.PauseTiming();
        rig.Tick();
        FireEverything(*game);
        game->Update();
        if (timeDraw) {
            state.ResumeTiming();
            game->Draw();
            state.PauseTiming();
            rig.renderer.Clear();
            state.ResumeTiming();
        }
        peak = std::max(peak, game->LiveObjectCount());
        objectFrames += static_cast<double>(game->LiveObjectCount());
    }
    // The list's length at the end of a frame, after the finished went.
    state.counters["peak"] = static_cast<double>(peak);
    // Time per live object and frame, averaged over the run's object counts.
    state.counters["per_object"] =
        benchmark::Counter(objectFrames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(FightFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Argument: 0 a bullet's step (20 units), 1 the sniper's laser (90,000 units), 2 a blast's line
// from a player to a grenade (the map alone), each from just above player 0's head, turning
// round through every direction, among the players standing where they came into play.
void TraceShot(benchmark::State& state) {
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-trace-bench", kBase);
    auto game = StartFight(rig, state);
    if (!game) return;
    const Vec2 from = game->GetPlayer(0).Position() + Vec2{0.0f, -30.0f};
    const float lengths[] = {20.0f, 90000.0f, 120.0f};
    const float length = lengths[state.range(0)];
    const int flags = state.range(0) == 2 ? kTracePlatforms : kTracePlatforms | kTracePlayers;
    float angle = 0.0f;
    for (auto _ : state) {
        angle = std::fmod(angle + 7.0f, 360.0f);
        const Vec2 to =
            from + Vec2{std::cos(angle * kDegToRad), std::sin(angle * kDegToRad)} * length;
        benchmark::DoNotOptimize(game->TraceShot(Segment{from, to}, flags));
    }
}
BENCHMARK(TraceShot)->Arg(0)->Arg(1)->Arg(2);
}  // namespace

BENCHMARK_MAIN();
