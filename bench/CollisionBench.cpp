// Collision queries through the quad tree against a plain scan of every platform, on the built
// deathmatch map and on a generated 5,000-platform world, plus the cost of building the tree.
// A moving body's sweep also counts the moves where the tree misses a platform the scan meets;
// a shot, those where the tree's answer differs from the scan's in any way (there must be none).
// Each iteration is one query, cycling through a fixed set, so the time is per query.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Random.h"
#include "world/GameMap.h"
#include "world/PushResult.h"
#include "world/SegmentHit.h"
#include "world/SweepHit.h"

namespace {
constexpr unsigned int kSeed = 20260;
constexpr std::size_t kQueries = 4096;

// Shots a frame's step long, a bot's sight line at its full reach, the sniper's laser, and
// short shots from one side of the world's vertical centre line to the other, whose end points
// only the root holds together.
enum class Shots { Short, Sight, Sniper, AcrossCentre };
struct ShotSet {
    Shots kind;
    const char* name;
};
constexpr ShotSet kShotSets[] = {{Shots::Short, "short"},
                                 {Shots::Sight, "sight950"},
                                 {Shots::Sniper, "sniper90000"},
                                 {Shots::AcrossCentre, "across_centre"}};

// A body box and where it wants to go this frame.
struct BoxMove {
    Float4 from;
    Float4 to;
};

enum class Query { TraceShot, SegmentHitsPlatform };

struct World {
    GameMap map;
    std::vector<Segment> shots[std::size(kShotSets)];
    std::vector<Float4> rects;
    std::vector<BoxMove> moves;
};

float ShotLength(Shots kind) {
    switch (kind) {
        case Shots::Sight:
            return 950.0f;
        case Shots::Sniper:
            return 90000.0f;
        default:
            return RandomRange(20.0f, 200.0f);
    }
}

Segment RandomShot(const Float4& bounds, Shots kind) {
    const float angle = RandomRange(0.0f, 6.2831853f);
    const float length = ShotLength(kind);
    Vec2 start{RandomRange(bounds.x1, bounds.x2), RandomRange(bounds.y1, bounds.y2)};
    if (kind == Shots::AcrossCentre) {
        // Centred on the vertical centre line, so the two ends lie in different halves.
        start.x = (bounds.x2 - bounds.x1) / 2 + bounds.x1 - std::cos(angle) * length / 2;
        start.y -= std::sin(angle) * length / 2;
    }
    return {start, {start.x + std::cos(angle) * length, start.y + std::sin(angle) * length}};
}

// A player- or projectile-sized box near a random platform, where collisions happen.
Float4 RandomBox(const PlatformList& platforms) {
    const auto index = static_cast<std::size_t>(RandomInt()) % platforms.size();
    const Vec2 near = platforms[index].Centre();
    const float x = near.x + RandomRange(-60.0f, 60.0f);
    const float y = near.y + RandomRange(-60.0f, 60.0f);
    const float w = RandomRange(8.0f, 32.0f);
    const float h = RandomRange(8.0f, 48.0f);
    return {x, y, x + w, y + h};
}

// A player's box near a random platform, running and falling or rising as fast as it does at
// a slow frame: up to 7 across, 14 up or 60 down.
BoxMove RandomMove(const PlatformList& platforms) {
    const auto index = static_cast<std::size_t>(RandomInt()) % platforms.size();
    const Vec2 near = platforms[index].Centre();
    const float x = near.x + RandomRange(-60.0f, 60.0f);
    const float y = near.y + RandomRange(-80.0f, 40.0f);
    const float dx = RandomRange(-7.0f, 7.0f);
    const float dy = RandomRange(-14.0f, 60.0f);
    return {{x, y, x + 16, y + 24}, {x + dx, y + dy, x + 16 + dx, y + 24 + dy}};
}

void FillQueries(World& world) {
    SeedRandom(kSeed);
    const Float4 bounds = world.map.Bounds();
    for (std::size_t set = 0; set < std::size(kShotSets); ++set) {
        for (std::size_t i = 0; i < kQueries; ++i)
            world.shots[set].push_back(RandomShot(bounds, kShotSets[set].kind));
    }
    for (std::size_t i = 0; i < kQueries; ++i)
        world.rects.push_back(RandomBox(world.map.Platforms()));
    for (std::size_t i = 0; i < kQueries; ++i)
        world.moves.push_back(RandomMove(world.map.Platforms()));
}

// 70 x 70 small ledges on a grid, with 100 long floors and walls laid over them at random.
MapContents GeneratedContents() {
    MapContents contents;
    contents.name = "Generated";
    contents.bounds = Float4{0.0f, 0.0f, 20000.0f, 20000.0f};
    SeedRandom(kSeed + 1);
    for (int row = 0; row < 70; ++row) {
        for (int column = 0; column < 70; ++column) {
            const float x = static_cast<float>(column) * 285.0f + RandomRange(0.0f, 100.0f);
            const float y = static_cast<float>(row) * 285.0f + RandomRange(0.0f, 100.0f);
            contents.platforms.emplace_back(x, y, x + RandomRange(40.0f, 160.0f), y + 20.0f);
        }
    }
    for (int i = 0; i < 100; ++i) {
        const float x = RandomRange(0.0f, 18000.0f);
        const float y = RandomRange(0.0f, 18000.0f);
        const bool floor = i % 2 == 0;
        contents.platforms.emplace_back(x, y, x + (floor ? RandomRange(500.0f, 2000.0f) : 40.0f),
                                        y + (floor ? 40.0f : RandomRange(500.0f, 2000.0f)));
    }
    return contents;
}

std::optional<MapContents> BuiltMapContents() {
    const std::filesystem::path path =
        std::filesystem::path(BRAWLWICK_BASE_DIR) / "Maps" / "bwdm1.bwm";
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return ReadMapFile(bytes).contents;
}

// Built once per program; none when the map file is missing.
std::unique_ptr<World> MakeWorld(std::optional<MapContents> contents) {
    if (!contents || contents->platforms.empty()) return nullptr;
    auto world = std::make_unique<World>();
    world->map.Contents() = std::move(*contents);
    world->map.BuildQuadTree(GameMap::kTreeDepth);
    FillQueries(*world);
    return world;
}

enum class MapKind { Built, Generated };
struct MapChoice {
    MapKind kind;
    const char* name;
};
constexpr MapChoice kMaps[] = {{MapKind::Built, "bwdm1"}, {MapKind::Generated, "generated5000"}};

World* GetWorld(MapKind kind) {
    static const std::unique_ptr<World> built = MakeWorld(BuiltMapContents());
    static const std::unique_ptr<World> generated = MakeWorld(GeneratedContents());
    return (kind == MapKind::Built ? built : generated).get();
}

// The scans a map without a tree would make: every platform, in list order.
void TraceAll(const GameMap& map, const Segment& shot, ShotTrace& trace) {
    trace = ShotTrace{};
    trace.point = shot.b;
    SegmentHit hit;
    for (const Platform& platform : map.Platforms()) {
        platform.IntersectSegment(shot, hit, kTracePlatforms);
        if (hit.platform != nullptr && hit.t < trace.t) {
            trace.t = hit.t;
            trace.point = Vec2{hit.x, hit.y};
            trace.platform = hit.platform;
            trace.side = hit.side;
        }
    }
}

bool AnyHit(const GameMap& map, const Segment& shot) {
    SegmentHit hit;
    for (const Platform& platform : map.Platforms()) {
        platform.IntersectSegment(shot, hit, kTracePlatforms);
        if (hit.platform != nullptr) return true;
    }
    return false;
}

void PushAll(const GameMap& map, Float4& rect, PushResult& result) {
    result = PushResult{};
    for (const Platform& platform : map.Platforms())
        platform.PushOutRect(rect, result);
}

// The first contact of a moving box, as the players' collision looks for it: through the leaves
// the tree returns for the move, or through every platform.
float SweepLeaves(GameMap& map, const BoxMove& move, std::size_t& tested) {
    float first = 1.0f;
    for (const QuadNode* leaf : map.LeavesTouching(move.from, move.to)) {
        for (const Platform* platform : leaf->Platforms()) {
            SweepHit hit;
            platform->SweepBox(move.from, move.to, hit);
            first = std::min(first, hit.t);
            ++tested;
        }
    }
    return first;
}

float SweepAll(const GameMap& map, const BoxMove& move) {
    float first = 1.0f;
    for (const Platform& platform : map.Platforms()) {
        SweepHit hit;
        platform.SweepBox(move.from, move.to, hit);
        first = std::min(first, hit.t);
    }
    return first;
}

// Platforms the tree has a move test, on average, and the share of moves whose first contact
// it misses.
void CountSweepWork(benchmark::State& state, World& world) {
    std::size_t tested = 0;
    double missed = 0;
    for (const BoxMove& move : world.moves)
        missed += SweepLeaves(world.map, move, tested) != SweepAll(world.map, move) ? 1 : 0;
    const auto count = static_cast<double>(world.moves.size());
    state.counters["platforms_tested"] = static_cast<double>(tested) / count;
    state.counters["missed_share"] = missed / count;
}

// The share of shots whose answer through the tree is not the plain scan's: it must be 0.
void CountDifferences(benchmark::State& state, const World& world,
                      const std::vector<Segment>& shots, Query query) {
    double differ = 0;
    ShotTrace viaTree;
    ShotTrace viaScan;
    for (const Segment& shot : shots) {
        if (query == Query::TraceShot) {
            world.map.TraceShot(shot, viaTree, kTracePlatforms);
            TraceAll(world.map, shot, viaScan);
            const bool same = viaTree.platform == viaScan.platform && viaTree.t == viaScan.t &&
                              viaTree.side == viaScan.side && viaTree.point == viaScan.point;
            differ += same ? 0 : 1;
        } else {
            differ += world.map.SegmentHitsPlatform(shot) != AnyHit(world.map, shot) ? 1 : 0;
        }
    }
    state.counters["differ_share"] = differ / static_cast<double>(shots.size());
}

void ShotQuery(benchmark::State& state, MapKind mapKind, std::size_t set, Query query, bool tree) {
    World* world = GetWorld(mapKind);
    if (world == nullptr) {
        state.SkipWithError("Base/Maps/bwdm1.bwm is missing or empty");
        return;
    }
    const std::vector<Segment>& shots = world->shots[set];
    std::size_t i = 0;
    ShotTrace trace;
    for (auto _ : state) {
        const Segment& shot = shots[i];
        i = (i + 1) % shots.size();
        if (query == Query::TraceShot) {
            if (tree)
                world->map.TraceShot(shot, trace, kTracePlatforms);
            else
                TraceAll(world->map, shot, trace);
            benchmark::DoNotOptimize(trace);
        } else {
            bool hit = tree ? world->map.SegmentHitsPlatform(shot) : AnyHit(world->map, shot);
            benchmark::DoNotOptimize(hit);
        }
    }
    if (tree) CountDifferences(state, *world, shots, query);
}

void CollideQuery(benchmark::State& state, MapKind mapKind, bool tree) {
    World* world = GetWorld(mapKind);
    if (world == nullptr) {
        state.SkipWithError("Base/Maps/bwdm1.bwm is missing or empty");
        return;
    }
    std::size_t i = 0;
    PushResult result;
    for (auto _ : state) {
        Float4 rect = world->rects[i];
        i = (i + 1) % world->rects.size();
        if (tree)
            world->map.CollideRect(rect, result);
        else
            PushAll(world->map, rect, result);
        benchmark::DoNotOptimize(rect);
        benchmark::DoNotOptimize(result);
    }
}

void SweepQuery(benchmark::State& state, MapKind mapKind, bool tree) {
    World* world = GetWorld(mapKind);
    if (world == nullptr) {
        state.SkipWithError("Base/Maps/bwdm1.bwm is missing or empty");
        return;
    }
    std::size_t i = 0;
    std::size_t tested = 0;
    for (auto _ : state) {
        const BoxMove& move = world->moves[i];
        i = (i + 1) % world->moves.size();
        float first = tree ? SweepLeaves(world->map, move, tested) : SweepAll(world->map, move);
        benchmark::DoNotOptimize(first);
    }
    if (tree) CountSweepWork(state, *world);
}

void BuildTree(benchmark::State& state, MapKind mapKind) {
    World* world = GetWorld(mapKind);
    if (world == nullptr) {
        state.SkipWithError("Base/Maps/bwdm1.bwm is missing or empty");
        return;
    }
    for (auto _ : state) {
        world->map.BuildQuadTree(GameMap::kTreeDepth);
        benchmark::DoNotOptimize(world->map.Tree());
    }
    state.counters["platforms"] = static_cast<double>(world->map.Platforms().size());
}

[[maybe_unused]] const bool kRegistered = [] {
    const std::pair<Query, const char*> queries[] = {{Query::TraceShot, "TraceShot"},
                                                     {Query::SegmentHitsPlatform, "SegmentHits"}};
    for (const MapChoice& map : kMaps) {
        const std::string at = std::string("/") + map.name;
        for (const auto& [query, queryName] : queries) {
            for (std::size_t set = 0; set < std::size(kShotSets); ++set) {
                for (const bool tree : {true, false}) {
                    const std::string name = std::string(queryName) + at + "/" +
                                             kShotSets[set].name + (tree ? "/tree" : "/scan");
                    benchmark::RegisterBenchmark(name.c_str(), ShotQuery, map.kind, set, query,
                                                 tree);
                }
            }
        }
        for (const bool tree : {true, false}) {
            benchmark::RegisterBenchmark(("CollideRect" + at + (tree ? "/tree" : "/scan")).c_str(),
                                         CollideQuery, map.kind, tree);
            benchmark::RegisterBenchmark(("SweepBox" + at + (tree ? "/tree" : "/scan")).c_str(),
                                         SweepQuery, map.kind, tree);
        }
        benchmark::RegisterBenchmark(("BuildTree" + at).c_str(), BuildTree, map.kind)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();
}  // namespace

BENCHMARK_MAIN();
