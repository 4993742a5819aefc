#include "player/Pose.h"

#include <algorithm>
#include <utility>

#include "core/Geometry.h"

namespace {
// Default points and the segments drawn between them, per figure.
template <std::size_t N>
struct Figure;

template <>
struct Figure<6> {
    static constexpr std::array<Vec2, 6> kDefault = {
        {{0, -14}, {0, -2}, {-5, 5}, {5, 5}, {-5, 12}, {5, 12}}};
    static constexpr std::array<std::pair<int, int>, 5> kSegments = {
        {{0, 1}, {1, 2}, {1, 3}, {2, 4}, {3, 5}}};
};

template <>
struct Figure<5> {
    static constexpr std::array<Vec2, 5> kDefault = {{{0, 0}, {-5, 5}, {5, 5}, {-10, 8}, {3, 8}}};
    static constexpr std::array<std::pair<int, int>, 4> kSegments = {
        {{0, 1}, {0, 2}, {1, 3}, {2, 4}}};
};
}  // namespace

template <std::size_t N>
Pose<N>::Pose() : points_(Figure<N>::kDefault) {
    UpdateBounds();
}

template <std::size_t N>
void Pose<N>::Mirror() {
    for (Vec2& p : points_)
        p.x = -p.x;
}

template <std::size_t N>
void Pose<N>::Move(float dx, float dy) {
    for (Vec2& p : points_) {
        p.x += dx;
        p.y += dy;
    }
}

template <std::size_t N>
void Pose<N>::Rotate(float degrees) {
    for (Vec2& p : points_)
        RotateAbout(p, Vec2{}, degrees);
}

template <std::size_t N>
void Pose<N>::UpdateBounds() {
    bounds_ = Float4{9999.0f, 9999.0f, 0.0f, 0.0f};
    for (const Vec2& p : points_) {
        bounds_.x1 = std::min(bounds_.x1, p.x);
        bounds_.y1 = std::min(bounds_.y1, p.y);
        bounds_.x2 = std::max(bounds_.x2, p.x);
        bounds_.y2 = std::max(bounds_.y2, p.y);
    }
}

template <std::size_t N>
void Pose<N>::Lerp(const Pose& a, const Pose& b, float t) {
    for (std::size_t i = 0; i < N; ++i)
        points_[i] = a.points_[i] + (b.points_[i] - a.points_[i]) * t;
}

template <std::size_t N>
std::span<const std::pair<int, int>> Pose<N>::Segments() {
    return Figure<N>::kSegments;
}

template class Pose<6>;
template class Pose<5>;
