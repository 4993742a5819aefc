#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Float4.h"
#include "core/Geometry.h"

class Platform;
class PlatformList;
class View;

// A node of the quad tree over the world rectangle. Each node lists every platform that
// overlaps or touches it, so a query tests only the platforms near it. Built once per map
// (and after editor changes); never updated in place.
class QuadNode {
public:
    // Builds this node over `area` from the map's platforms, subdividing `depth` more times;
    // with the limit on, a node holding fewer than 2 platforms is not subdivided.
    void Build(const PlatformList& platforms, const Float4& area, int depth, bool limit = true);

    // Moves `result` to the deepest node, in visiting order, that holds both end points.
    void FindDeepest(const Segment& segment, const QuadNode*& result) const;
    // Appends the non-empty leaves strictly overlapping `area`, marking each; a node none of
    // whose children overlaps it stands in for them.
    void CollectLeaves(const Float4& area, std::vector<QuadNode*>& list);
    // Unmarks this node and those under it.
    void ClearMarks();
    // Children first; a node is drawn when marked or when every node is wanted (the editor).
    void DrawDebug(const View& view, bool drawAll) const;

    int Level() const { return level_; }
    bool Marked() const { return marked_; }
    const Float4& Rect() const { return rect_; }
    const std::vector<const Platform*>& Platforms() const { return platforms_; }
    // Each listed platform's place in the map's list, for queries that meet platforms out of
    // map order but must settle ties as a scan in map order would.
    const std::vector<std::uint32_t>& Places() const { return places_; }
    // Whether the tree was built over a finite, ordered area, which its leaves therefore cover,
    // from platforms that are all ordered rectangles: what a walk along a segment relies on.
    bool Walkable() const { return walkable_; }
    // Top-left, top-right, bottom-left, bottom-right; none for a leaf.
    const std::array<QuadNode, 4>* Children() const { return children_.get(); }

private:
    void BuildFrom(const QuadNode& candidates, const Float4& area, int depth, bool limit,
                   bool nested);

    int level_ = 1;
    bool marked_ = false;
    bool walkable_ = false;
    std::vector<const Platform*> platforms_;
    std::vector<std::uint32_t> places_;
    Float4 rect_;
    std::unique_ptr<std::array<QuadNode, 4>> children_;
};
