#pragma once

#include "core/Geometry.h"

class QuadNode;
struct SegmentHit;

// Segment queries that test only the platforms of the leaves a segment passes, giving exactly
// the answers of a scan of every platform the tree holds, in map order.

// The nearest hit (t below 1); of equal hits, the platform first in the map.
void FindNearestHit(const QuadNode& root, const Segment& segment, int flags, SegmentHit& nearest);
// Whether any platform reports a hit, whatever its t; stops at the first.
bool FindAnyHit(const QuadNode& root, const Segment& segment, int flags);
