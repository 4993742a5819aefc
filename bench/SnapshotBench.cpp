// Cost of network play's states: a six-player bot firefight on the default map, its state
// captured and encoded as the host does for every client, and decoded as a client does. The
// counters give the bytes of a state, the effects it carries, and what 20 states a second cost
// a client in kbit/s. The rig has no sound device, so no sounds travel here.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/Random.h"
#include "net/HostMessages.h"
#include "support/GameRig.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
constexpr double kStatesPerSecond = 20.0;
// UDP and IP headers, and ENet's own, on every datagram.
constexpr double kHeaderBytes = 28.0 + 12.0;

// A bot match some way into its fight, with the game keeping its effects for clients.
std::unique_ptr<Game> Firefight(GameRig& rig) {
    SeedRandom(5);
    auto game = rig.StartGame(kBase / "Maps" / "bwdm1.bwm", 6);
    game->KeepForClients();
    // However long the benchmark runs, nobody wins and the fight goes on.
    game->SetFragLimit(1000000);
    for (int i = 0; i < 1600; ++i) {
        rig.Tick();
        game->Update();
    }
    return game;
}

// Argument 0 times capturing and encoding a state, 1 decoding it; the match runs four steps
// between states, untimed, as the host's does.
void SnapshotCodec(benchmark::State& state) {
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-snapshot-bench", kBase);
    auto game = Firefight(rig);
    const bool decode = state.range(0) == 1;
    double bytes = 0.0;
    double events = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 4; ++i) {
            rig.Tick();
            game->Update();
        }
        if (!decode) state.ResumeTiming();
        const MatchState captured = game->CaptureState();
        const std::vector<std::uint8_t> packet = EncodeHostMessage(Snapshot{captured});
        if (decode) {
            state.ResumeTiming();
            benchmark::DoNotOptimize(DecodeHostMessage(packet));
        }
        bytes += static_cast<double>(packet.size());
        events += static_cast<double>(captured.events.size());
    }
    const double perState = bytes / static_cast<double>(state.iterations());
    state.counters["bytes"] = perState;
    state.counters["events"] = events / static_cast<double>(state.iterations());
    state.counters["kbit_s"] = (perState + kHeaderBytes) * 8.0 * kStatesPerSecond / 1000.0;
}
BENCHMARK(SnapshotCodec)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
