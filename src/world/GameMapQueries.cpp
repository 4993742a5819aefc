#include "world/GameMap.h"
#include "world/Platform.h"
#include "world/PushResult.h"
#include "world/RectRelations.h"
#include "world/SegmentHit.h"
#include "world/SegmentWalk.h"

void GameMap::BuildQuadTree(int depth) {
    leaves_.clear();
    tree_.reset();
    tree_ = std::make_unique<QuadNode>();
    tree_->Build(contents_.platforms, contents_.bounds, depth);
}

void GameMap::TraceShot(const Segment& segment, ShotTrace& result, int flags) const {
    result = ShotTrace{};
    result.start = segment.a;
    result.end = segment.b;
    result.point = segment.b;
    if ((flags & kTracePlatforms) == 0 || !tree_) return;
    SegmentHit hit;
    FindNearestHit(*tree_, segment, flags, hit);
    if (hit.platform == nullptr) return;
    result.t = hit.t;
    result.point = Vec2{hit.x, hit.y};
    result.platform = hit.platform;
    result.side = hit.side;
}

bool GameMap::SegmentHitsPlatform(const Segment& segment) const {
    return tree_ && FindAnyHit(*tree_, segment, kTracePlatforms);
}

const std::vector<QuadNode*>& GameMap::LeavesTouching(const Float4& a, const Float4& b) {
    leaves_.clear();
    if (tree_) tree_->CollectLeaves(Covering(a, b), leaves_);
    return leaves_;
}

void GameMap::CollideRect(Float4& rect, PushResult& result) {
    result = PushResult{};
    leaves_.clear();
    if (!tree_) return;
    tree_->CollectLeaves(rect, leaves_);
    // The rectangle moves as it is pushed, so later platforms see where the earlier ones put
    // it; a platform in several leaves is met once per leaf.
    for (const QuadNode* leaf : leaves_) {
        for (const Platform* platform : leaf->Platforms())
            platform->PushOutRect(rect, result);
    }
}

void GameMap::DrawTree(const View& view, bool drawAll) const {
    if (tree_) tree_->DrawDebug(view, drawAll);
}

void GameMap::ClearTreeMarks() {
    if (tree_) tree_->ClearMarks();
}
