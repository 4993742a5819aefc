#pragma once

#include <cstdint>

#include "core/Vec2.h"

// The projectiles a client draws from the host's state; particles are made on the client.
enum class ObjectKind : std::uint8_t { Bullet, Grenade, Rocket, Flame };
inline constexpr int kObjectKindCount = 4;

// What a client needs to draw one projectile.
struct ObjectState {
    ObjectKind kind = ObjectKind::Bullet;
    int sprite = -1;
    Vec2 position;
    Vec2 velocity;
    float rotation = 0.0f;  // degrees
    float scale = 1.0f;
    float alpha = 255.0f;
};
