#include "world/SegmentWalk.h"

#include <array>
#include <cstdint>
#include <limits>
#include <utility>

#include "world/Platform.h"
#include "world/QuadNode.h"
#include "world/SegmentHit.h"
#include "world/SegmentProbe.h"

namespace {
// Up to this many platforms a plain scan costs no more than walking on through the children
// (measured on the built maps and a generated 5,000-platform one).
constexpr std::size_t kScanAtMost = 64;

// A scan in map order keeps a later hit only when strictly nearer, so of equal hits the one
// first in the map stays, whichever leaf met it first.
class NearestHit {
public:
    explicit NearestHit(SegmentHit& best) : best_(best) { best_ = SegmentHit{}; }

    bool Scan(const QuadNode& node, const Segment& segment, int flags) {
        const Platform* const* platforms = node.Platforms().data();
        const std::uint32_t* places = node.Places().data();
        SegmentHit hit;
        for (std::size_t i = 0, count = node.Platforms().size(); i < count; ++i) {
            platforms[i]->IntersectSegment(segment, hit, flags);
            if (hit.platform != nullptr && Better(hit, places[i])) {
                best_ = hit;
                place_ = places[i];
            }
        }
        return false;
    }
    // Nodes beyond the best hit so far cannot better it.
    float Bound() const { return best_.t; }

private:
    bool Better(const SegmentHit& hit, std::uint32_t place) const {
        if (hit.t < best_.t) return true;
        return best_.platform != nullptr && hit.t == best_.t && place < place_;
    }

    SegmentHit& best_;
    std::uint32_t place_ = 0;
};

// Any hit at all, however far along; the first ends the walk.
class AnyHit {
public:
    static bool Scan(const QuadNode& node, const Segment& segment, int flags) {
        SegmentHit hit;
        for (const Platform* platform : node.Platforms()) {
            platform->IntersectSegment(segment, hit, flags);
            if (hit.platform != nullptr) return true;
        }
        return false;
    }
    static float Bound() { return std::numeric_limits<float>::infinity(); }
};

struct Query {
    const Segment& segment;
    int flags;
    SegmentProbe probe;
};

// Nearest children first, where a hit is likeliest to end the walk or rule out the rest.
// Returns whether the finder asked to stop.
template <typename Finder>
bool Walk(const QuadNode& node, const Query& query, Finder& finder) {
    const std::array<QuadNode, 4>* children = node.Children();
    if (children == nullptr || node.Platforms().size() <= kScanAtMost)
        return finder.Scan(node, query.segment, query.flags);
    std::array<std::pair<double, const QuadNode*>, 4> ahead{};
    std::size_t count = 0;
    for (const QuadNode& child : *children) {
        if (child.Platforms().empty()) continue;
        const double distance = query.probe.Approach(child.Rect());
        if (distance < std::numeric_limits<double>::infinity()) ahead[count++] = {distance, &child};
    }
    for (std::size_t i = 1; i < count; ++i) {
        for (std::size_t j = i; j > 0 && ahead[j].first < ahead[j - 1].first; --j)
            std::swap(ahead[j], ahead[j - 1]);
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (query.probe.Beyond(ahead[i].first, finder.Bound())) return false;
        if (Walk(*ahead[i].second, query, finder)) return true;
    }
    return false;
}

// Every platform a segment could hit touches its bounding box, so the deepest node holding
// both end points lists them all: a plain scan of it is the answer when it lists few, or when
// the tree or the segment is too odd for the walk to be trusted.
template <typename Finder>
bool Find(const QuadNode& root, const Segment& segment, int flags, Finder& finder) {
    const QuadNode* start = &root;
    root.FindDeepest(segment, start);
    if (start->Platforms().size() > kScanAtMost && root.Walkable()) {
        const Query query{segment, flags, SegmentProbe(segment, root.Rect())};
        if (query.probe.Trusted()) return Walk(*start, query, finder);
    }
    return finder.Scan(*start, segment, flags);
}
}  // namespace

void FindNearestHit(const QuadNode& root, const Segment& segment, int flags, SegmentHit& nearest) {
    NearestHit finder(nearest);
    Find(root, segment, flags, finder);
}

bool FindAnyHit(const QuadNode& root, const Segment& segment, int flags) {
    AnyHit finder;
    return Find(root, segment, flags, finder);
}
