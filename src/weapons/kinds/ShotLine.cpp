#include "weapons/kinds/ShotLine.h"

#include <algorithm>
#include <cmath>

#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "world/GameMap.h"
#include "world/Platform.h"

ShotLine ShotLine::Aim(const Player& owner, Vec2 fireOffset) {
    const Vec2 hand = owner.Upper().Point(3);
    const float aim = owner.Aim();
    const bool right = owner.Facing() == Facing::Right;
    // Facing right the figure is mirrored, so the offset's run along the aim turns round.
    const float along = right ? aim + 180.0f : aim;
    ShotLine shot;
    shot.muzzle = Vec2{hand.x + std::cos(along * kDegToRad) * fireOffset.x,
                       hand.y + fireOffset.y + std::sin(aim * kDegToRad) * fireOffset.x};
    shot.angle = right ? 360.0f - aim : aim + 180.0f;
    return shot;
}

Vec2 ShotLine::Direction() const {
    return Vec2{std::cos(angle * kDegToRad), std::sin(angle * kDegToRad)};
}

Vec2 ShotLine::Scatter(float speedX, float speedY, float spread) const {
    const float spreadX = RandomRange(-spread, spread);
    const float spreadY = RandomRange(-spread, spread);
    return Vec2{speedX * std::cos((angle + spreadX) * kDegToRad),
                speedY * std::sin((angle + spreadY) * kDegToRad)};
}

bool ShotLine::MuzzleInWall(const GameMap& map) const {
    const auto& platforms = map.Platforms();
    return std::any_of(platforms.begin(), platforms.end(), [this](const Platform& platform) {
        return platform.Solid() && platform.ContainsPoint(muzzle.x, muzzle.y);
    });
}
