#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "core/Geometry.h"
#include "world/MapFile.h"
#include "world/QuadNode.h"

class GraphicsTable;
struct PushResult;
class View;

// Flags of a shot trace.
inline constexpr int kTracePlatforms = 1;
inline constexpr int kTracePlayers = 2;

// The nearest thing a shot meets. The player side is filled in by the match, which knows the
// players; the map traces the platforms.
struct ShotTrace {
    Vec2 start;
    Vec2 end;
    Vec2 point;  // where it hit; the end point when nothing was hit
    float t = 1.0f;
    const Platform* platform = nullptr;
    int side = 0;       // the platform's side that was hit
    int player = -1;    // player number hit, -1 for none
    bool head = false;  // the player was hit in the head
};

// The static world of one match: the map's contents and the quad tree over its platforms.
// A match owns one and loads one map into it right after it is made.
class GameMap {
public:
    // Console output.
    using Print = std::function<void(const std::string&)>;
    static constexpr int kTreeDepth = 4;

    // Reads a map file and builds the tree. A refused file prints why, naming it, and leaves
    // the map exactly as it was. Scenery sprites are looked up by name in `sprites` when given.
    bool Load(std::istream& in, const std::string& fileName, const Print& print,
              const GraphicsTable* sprites);
    // Writes the map through a temporary file renamed over the old one; prints the outcome.
    bool Save(const std::filesystem::path& path, const Print& print) const;

    // Rebuilds the tree from scratch over the bounds; call after platforms change.
    void BuildQuadTree(int depth);
    // The world afresh from the first screen, reaching kBoundsMargin beyond every platform,
    // and the tree rebuilt over it: what the map editor does after its changes.
    void RecomputeBounds();
    static constexpr float kBoundsMargin = 250.0f;
    // Nearest platform hit of a shot (kTracePlatforms), starting the result afresh.
    void TraceShot(const Segment& segment, ShotTrace& result, int flags) const;
    bool SegmentHitsPlatform(const Segment& segment) const;
    // The non-empty leaves a move from box `a` to box `b` passes through: those overlapping the
    // rectangle covering both. Valid until the next query.
    const std::vector<QuadNode*>& LeavesTouching(const Float4& a, const Float4& b);
    // Pushes the rectangle out of every platform it overlaps, in place.
    void CollideRect(Float4& rect, PushResult& result);

    // Every platform with Draw, then every one with DrawFill.
    void Draw(const View& view) const;
    // The tree's nodes: every one, or the leaves this frame's collision queries visited.
    void DrawTree(const View& view, bool drawAll) const;
    // Forgets the leaves the queries visited; the start of each frame's update pass calls it.
    void ClearTreeMarks();

    MapContents& Contents() { return contents_; }
    const MapContents& Contents() const { return contents_; }
    const std::string& Name() const { return contents_.name; }
    const Float4& Bounds() const { return contents_.bounds; }
    PlatformList& Platforms() { return contents_.platforms; }
    const PlatformList& Platforms() const { return contents_.platforms; }
    std::vector<SpawnPoint>& SpawnPoints() { return contents_.spawnPoints; }
    std::vector<ItemSpawn>& Items() { return contents_.items; }
    const QuadNode* Tree() const { return tree_.get(); }

private:
    MapContents contents_;
    std::unique_ptr<QuadNode> tree_;
    std::vector<QuadNode*> leaves_;  // kept between queries so CollideRect need not allocate
};
