#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <utility>

#include "core/Float4.h"
#include "core/Vec2.h"
#include "render/Colour.h"

class View;

// One figure of a player as a fixed number of jointed points. The lower figure (torso and legs)
// has 6 points: neck, hip, left knee, right knee, left foot, right foot. The upper figure (the
// arms) has 5: shoulder, the two elbows, the two hands; the first hand holds the weapon.
template <std::size_t N>
class Pose {
public:
    static constexpr std::size_t kPoints = N;

    // The default figure, standing and facing left, with its bounds.
    Pose();

    Vec2 Point(std::size_t i) const { return points_.at(i); }
    void SetPoint(std::size_t i, Vec2 p) { points_.at(i) = p; }
    const std::array<Vec2, N>& Points() const { return points_; }
    std::array<Vec2, N>& Points() { return points_; }
    // Minimum x, minimum y, maximum x, maximum y as of the last UpdateBounds.
    const Float4& Bounds() const { return bounds_; }

    // Negates every x: the figure turns to face right.
    void Mirror();
    void Move(float dx, float dy);
    // Rotates every point about (0, 0) by the angle in degrees; positive raises a left-facing arm.
    void Rotate(float degrees);
    // The maximum starts at (0, 0), so it never drops below 0.
    void UpdateBounds();
    // Every point a + (b - a) * t.
    void Lerp(const Pose& a, const Pose& b, float t);
    // The pairs of points the figure's lines join.
    static std::span<const std::pair<int, int>> Segments();
    // The figure's segments in world coordinates, through the view, one colour at both ends.
    void Draw(const View& view, Colour colour) const;

private:
    Float4 bounds_;
    std::array<Vec2, N> points_;
};

using LowerPose = Pose<6>;
using UpperPose = Pose<5>;

extern template class Pose<6>;
extern template class Pose<5>;
