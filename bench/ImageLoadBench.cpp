// Cost of loading every picture of the built Base and cutting both sprite tables from them, as
// the game does at start-up (the TGA files are read and checked; nothing is uploaded).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "support/RecordingRenderer.h"

namespace {
void LoadBase(benchmark::State& state) {
    const std::filesystem::path base = BRAWLWICK_BASE_DIR;
    Log log(std::filesystem::temp_directory_path() / "brawlwick-image-bench-log.txt");
    RecordingRenderer renderer;
    for (auto _ : state) {
        GraphicsTable table(renderer, log);
        table.LoadBase(base);
        benchmark::DoNotOptimize(table.SpriteCount());
    }
}
BENCHMARK(LoadBase)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
