// Drawing a figure is the players' room's; the pose itself is file data the tools read too.
#include "player/Pose.h"
#include "world/View.h"

template <std::size_t N>
void Pose<N>::Draw(const View& view, Colour colour) const {
    for (const auto& [from, to] : Segments()) {
        view.DrawLine(points_[static_cast<std::size_t>(from)],
                      points_[static_cast<std::size_t>(to)], colour);
    }
}

template void Pose<6>::Draw(const View& view, Colour colour) const;
template void Pose<5>::Draw(const View& view, Colour colour) const;
