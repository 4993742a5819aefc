// Cost of the items' update on a crowded map without a display: 500 pick-ups of every kind in a
// grid over a large hall, six players standing among them, a few of them on items that they take
// again whenever those come back.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/Random.h"
#include "support/TestArena.h"
#include "weapons/PowerUp.h"
#include "world/ItemSpawn.h"

namespace {
constexpr int kItems = 500;
constexpr int kColumns = 25;

void UpdateItems(benchmark::State& state) {
    SeedRandom(5);
    TestArena arena;
    arena.soundTable = {"PwrHealth.wav"};
    arena.weaponDefs = {{"Platinum", WeaponKind::Platinum, {{"Name", "Platinum"}}},
                        {"M4", WeaponKind::M4, {{"Name", "M4"}}},
                        {"SG", WeaponKind::SG, {{"Name", "Shotgun"}}}};
    const char* const weapons[] = {"Platinum", "M4", "SG", "Nothing"};
    std::vector<ItemSpawn>& items = arena.Map().Items();
    for (int i = 0; i < kItems; ++i) {
        ItemSpawn& item = items.emplace_back();
        item.SetKind(i % 6);
        item.SetWeaponName(weapons[(i / 6) % 4]);
        const int row = i / kColumns;
        item.SetPosition(
            Vec2{static_cast<float>(i % kColumns) * 96.0f, static_cast<float>(row) * 40.0f});
    }
    for (int i = 0; i < 6; ++i) {
        Player& player = arena.AddPlayer();
        player.Spawn();
        player.ResetEquipment(arena);
        // Every other one stands on an item, the rest between them.
        const Vec2 on = items[static_cast<std::size_t>(i) * 83].Position();
        player.SetPosition(i % 2 == 0 ? on : on + Vec2{48.0f, 20.0f});
    }
    for (auto _ : state) {
        for (ItemSpawn& item : items)
            UpdateItem(item, arena);
        // What the arena double keeps of each pick-up must not pile up over millions of frames.
        arena.sounds.clear();
        arena.messages.clear();
    }
    // Time per item and frame.
    state.counters["per_item"] = benchmark::Counter(
        kItems, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(UpdateItems);
}  // namespace

BENCHMARK_MAIN();
