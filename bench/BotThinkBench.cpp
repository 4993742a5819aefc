// What a bot's think costs on the default map, per bot and frame, with 6 and with 64 players in
// play, and the share of it spent on segment tests (the target search, the sight checks and
// the camping probe). The match runs its frames untimed; only the thinks are timed, after each
// frame. The share is the tests a think makes times what one test costs, timed on segments
// between the players as they stand, over the time of a think.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "bots/BotBrain.h"
#include "core/Random.h"
#include "support/GameRig.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
constexpr float kSightRange = 950.0f;

using Clock = std::chrono::steady_clock;

long SightTests(Game& game) {
    long tests = 0;
    for (int i = 1; i < game.PlayerCount(); ++i)
        tests += game.GetPlayer(i).Mind().sightTests;
    return tests;
}

// Nanoseconds one segment test takes, on every pair of players in play within sight range.
double NanosPerSightTest(Game& game) {
    std::vector<Segment> segments;
    for (int i = 0; i < game.PlayerCount(); ++i) {
        for (int j = 0; j < game.PlayerCount(); ++j) {
            const Vec2 a = game.GetPlayer(i).Position();
            const Vec2 b = game.GetPlayer(j).Position();
            if (i != j && Distance(a.x, a.y, b.x, b.y) <= kSightRange) segments.push_back({a, b});
        }
    }
    if (segments.empty()) return 0.0;
    constexpr int kRounds = 200;
    int hits = 0;
    const auto start = Clock::now();
    for (int round = 0; round < kRounds; ++round) {
        for (const Segment& segment : segments)
            hits += game.Map().SegmentHitsPlatform(segment) ? 1 : 0;
    }
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    benchmark::DoNotOptimize(hits);
    return spent.count() / (static_cast<double>(segments.size()) * kRounds);
}

void BotThink(benchmark::State& state) {
    const int players = static_cast<int>(state.range(0));
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-bot-think-bench", kBase);
    SeedRandom(3);
    auto game = rig.StartGame(kBase / "Maps" / "bwdm1.bwm", players);
    game->SetFragLimit(1000000);
    for (int frame = 0; frame < 400; ++frame) {  // everyone comes into play at 300
        rig.Tick();
        game->Update();
    }
    long thinks = 0;
    const long testsBefore = SightTests(*game);
    for (auto _ : state) {
        rig.Tick();
        game->Update();
        const auto start = Clock::now();
        for (int i = 1; i < game->PlayerCount(); ++i) {
            Player& bot = game->GetPlayer(i);
            if (!bot.InPlay()) continue;
            Think(bot, *game);
            ++thinks;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    if (thinks == 0) {
        state.SkipWithError("no bot was in play");
        return;
    }
    // Both halves of the frame think, so the tests are counted over two thinks a bot.
    const double testsPerThink =
        static_cast<double>(SightTests(*game) - testsBefore) / (2.0 * static_cast<double>(thinks));
    const double nanosPerTest = NanosPerSightTest(*game);
    state.counters["thinks"] = static_cast<double>(thinks);
    state.counters["per_think"] = benchmark::Counter(
        static_cast<double>(thinks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["tests_per_think"] = testsPerThink;
    state.counters["ns_per_test"] = nanosPerTest;
    state.counters["test_ns_per_think"] = testsPerThink * nanosPerTest;
}
BENCHMARK(BotThink)->Arg(6)->Arg(64)->UseManualTime()->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
