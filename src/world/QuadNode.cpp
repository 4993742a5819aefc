#include "world/QuadNode.h"

#include <algorithm>
#include <cmath>

#include "render/Colour.h"
#include "render/Renderer.h"
#include "world/Platform.h"
#include "world/PlatformList.h"
#include "world/RectRelations.h"
#include "world/View.h"

namespace {
constexpr Colour kEmptyNodeFill{255, 0, 0, 255};
constexpr Colour kNodeOutline{0, 255, 0, 255};

std::array<Float4, 4> Quarters(const Float4& r) {
    const float cx = (r.x2 - r.x1) / 2 + r.x1;
    const float cy = (r.y2 - r.y1) / 2 + r.y1;
    return {
        {{r.x1, r.y1, cx, cy}, {cx, r.y1, r.x2, cy}, {r.x1, cy, cx, r.y2}, {cx, cy, r.x2, r.y2}}};
}

bool Ordered(const Float4& r) { return r.x1 <= r.x2 && r.y1 <= r.y2; }

bool Finite(const Float4& r) {
    return std::isfinite(r.x1) && std::isfinite(r.y1) && std::isfinite(r.x2) && std::isfinite(r.y2);
}
}  // namespace

void QuadNode::Build(const PlatformList& platforms, const Float4& area, int depth, bool limit) {
    QuadNode all;
    all.platforms_.reserve(platforms.size());
    for (const Platform& platform : platforms) {
        all.places_.push_back(static_cast<std::uint32_t>(all.platforms_.size()));
        all.platforms_.push_back(&platform);
    }
    // The children of an ordered rectangle lie inside it, so whatever touches a child is
    // already in its parent's list, in map order: filtering that list gives the same platforms
    // as scanning the whole map. An inverted area has no such nesting.
    const bool nested = Ordered(area);
    BuildFrom(all, area, depth, limit, nested);
    walkable_ = nested && Finite(area) &&
                std::all_of(platforms_.begin(), platforms_.end(),
                            [](const Platform* platform) { return Ordered(platform->Rect()); });
}

void QuadNode::BuildFrom(const QuadNode& candidates, const Float4& area, int depth, bool limit,
                         bool nested) {
    level_ = 1;
    marked_ = false;
    walkable_ = false;
    children_.reset();
    rect_ = area;
    platforms_.clear();
    places_.clear();
    for (std::size_t i = 0; i < candidates.platforms_.size(); ++i) {
        // Touching is enough, so a platform on a boundary is found from either side.
        if (!TouchesOrOverlaps(candidates.platforms_[i]->Rect(), rect_)) continue;
        platforms_.push_back(candidates.platforms_[i]);
        places_.push_back(candidates.places_[i]);
    }
    if (depth < 1) return;
    level_ = depth;
    --depth;
    if (limit && platforms_.size() < 2) return;
    children_ = std::make_unique<std::array<QuadNode, 4>>();
    const std::array<Float4, 4> quarters = Quarters(rect_);
    for (std::size_t i = 0; i < quarters.size(); ++i)
        (*children_)[i].BuildFrom(nested ? *this : candidates, quarters[i], depth, limit, nested);
}

// A child holds nothing its parent does not, so the last node in visiting order that holds
// both points lies under the last child that does: one path down, from the back.
void QuadNode::FindDeepest(const Segment& segment, const QuadNode*& result) const {
    const auto holds = [&segment](const QuadNode& node) {
        return RectContains(node.rect_, segment.a.x, segment.a.y) &&
               RectContains(node.rect_, segment.b.x, segment.b.y);
    };
    if (!holds(*this)) return;
    for (const QuadNode* node = this; node != nullptr;) {
        result = node;
        const std::array<QuadNode, 4>* children = node->children_.get();
        if (children == nullptr) return;
        const auto last = std::find_if(children->rbegin(), children->rend(), holds);
        node = last == children->rend() ? nullptr : &*last;
    }
}

// Every platform touching a node is listed in it, so the leaves overlapping an area hold every
// platform that area reaches.
void QuadNode::CollectLeaves(const Float4& area, std::vector<QuadNode*>& list) {
    if (platforms_.empty()) return;
    bool found = false;
    if (children_) {
        for (QuadNode& child : *children_) {
            if (!StrictlyOverlaps(area, child.rect_)) continue;
            child.CollectLeaves(area, list);
            found = true;
        }
    }
    if (found) return;
    marked_ = true;
    list.push_back(this);
}

void QuadNode::ClearMarks() {
    marked_ = false;
    if (!children_) return;
    for (QuadNode& child : *children_)
        child.ClearMarks();
}

void QuadNode::DrawDebug(const View& view, bool drawAll) const {
    if (children_) {
        for (const QuadNode& child : *children_)
            child.DrawDebug(view, drawAll);
    }
    if (!marked_ && !drawAll) return;
    Renderer& renderer = view.GetRenderer();
    const Float4 screen = view.ToScreen(rect_);
    if (platforms_.empty()) {
        renderer.FillRect(screen.x1, screen.y1, screen.x2, screen.y2, kEmptyNodeFill);
    }
    renderer.SetLineSmooth(true);
    renderer.SetLineWidth(static_cast<float>(level_));
    renderer.DrawRectOutline(screen.x1, screen.y1, screen.x2, screen.y2, kNodeOutline);
    renderer.SetLineWidth(1.0f);
    renderer.SetLineSmooth(false);
}
