// Loading the whole sound table, and 1,000 plays, through the silent recording output and
// through OpenAL's null output (no sound card needed).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/Log.h"
#include "platform/OpenAlDevice.h"
#include "sound/SoundSystem.h"
#include "support/RecordingAudioDevice.h"

namespace {
const std::filesystem::path kRoot = std::filesystem::path(BRAWLWICK_BASE_DIR).parent_path();

// The sound system over the output the benchmark's argument names: 0 recording, 1 OpenAL.
struct Sounds {
    Sounds(const benchmark::State& state, Log& log)
        : system(state.range(0) == 0
                     ? std::unique_ptr<AudioDevice>(std::make_unique<RecordingAudioDevice>(record))
                     : std::make_unique<OpenAlDevice>(),
                 log, kRoot, nullptr) {
        system.Initialize();
    }

    AudioRecord record;
    SoundSystem system;
};

void LoadTable(benchmark::State& state) {
    Log log;  // never opened: lines go nowhere
    for (auto _ : state) {
        state.PauseTiming();
        auto sounds = std::make_unique<Sounds>(state, log);
        state.ResumeTiming();
        sounds->system.LoadSoundTable("Base/BWsnd.stb");
        benchmark::DoNotOptimize(sounds->system.Count());
        state.PauseTiming();
        sounds.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadTable)->ArgName("openal")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Play1000(benchmark::State& state) {
    Log log;
    Sounds sounds(state, log);
    SoundSystem& system = sounds.system;
    system.LoadSoundTable("Base/BWsnd.stb");
    for (auto _ : state) {
        // Every sound in turn, so copies fill up and later plays take over busy ones.
        for (int i = 0; i < 1000; ++i)
            system.Play(i % system.Count(), 5, false);
        state.PauseTiming();
        for (int id = 0; id < system.Count(); ++id)
            system.Stop(id);
        sounds.record.events.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(Play1000)->ArgName("openal")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    // OpenAL's silent output mixes like a real one without a sound card.
    setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
