// A body that bursts: eighteen pieces of bone, blood, the head and the helmet; and armour that
// breaks into fragments.
#include <cmath>
#include <memory>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/effects/FlyingHead.h"
#include "weapons/effects/FlyingHelmet.h"
#include "weapons/effects/FlyingLimb.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
// How the pieces fly: away from the blow, widely, or about evenly.
struct Throw {
    Vec2 away;  // unit vector from the blow to the body; none without a direction
    bool directional;
    bool wide;

    Vec2 Velocity() const {
        if (directional) {
            return Vec2{RandomRange(0.5f, 2.5f) * away.x, RandomRange(1.5f, 3.5f) * away.y};
        }
        if (wide) return Vec2{RandomRange(-2.0f, 2.0f), RandomRange(-3.5f, 3.5f)};
        return Vec2{RandomRange(-1.5f, 1.5f), RandomRange(-1.5f, 1.5f)};
    }
    // The head and helmet rise less than the limbs.
    Vec2 HeadVelocity() const {
        if (directional) {
            return Vec2{RandomRange(0.5f, 2.5f) * away.x, RandomRange(1.0f, 2.5f) * away.y};
        }
        return Vec2{RandomRange(-1.5f, 1.5f), RandomRange(-1.5f, 1.5f)};
    }
};

Throw ThrowFrom(Vec2 from, Vec2 to, bool directional, bool wide) {
    const Vec2 d = to - from;
    const float length = std::sqrt(d.x * d.x + d.y * d.y);
    // A blow from the body's own centre has no direction to throw along.
    const Vec2 away = length > 0.0f && std::isfinite(length) ? d * (1.0f / length) : Vec2{};
    return Throw{away, directional, wide};
}

// Each bone is cut somewhere in its middle into two pieces that fly apart.
template <typename PoseType>
void ThrowBones(const PoseType& pose, const Throw& how, Arena& arena) {
    for (const auto& [from, to] : PoseType::Segments()) {
        const Vec2 p = pose.Point(static_cast<std::size_t>(to));
        const Vec2 q = pose.Point(static_cast<std::size_t>(from));
        const Vec2 cut = p + (q - p) * RandomRange(0.2f, 0.8f);
        arena.AddObject(std::make_unique<FlyingLimb>(p, cut, how.Velocity()));
        arena.AddObject(std::make_unique<FlyingLimb>(cut, q, how.Velocity()));
    }
}
}  // namespace

void Player::Gib(Arena& arena, Vec2 from, bool directional, bool wide) {
    const auto flags = static_cast<std::uint8_t>((directional ? 1 : 0) | (wide ? 2 : 0));
    const EffectScope scope(arena, MakeEffect(EffectKind::Gibs, from, number_, flags));
    if (armour_ > 0.0f) BreakArmour(arena, from, directional, wide);
    arena.PlaySound("Gib1.wav");
    const Throw how = ThrowFrom(from, position_, directional, wide);
    ThrowBones(lower_, how, arena);
    ThrowBones(upper_, how, arena);
    for (int i = 0; i < 18; ++i) {
        ParticleSetup blood;
        blood.box = Vec2{2.0f, 2.0f};
        blood.bounce = 0.3f;
        blood.sprite = arena.Sprites().AnyBlood();
        blood.gravity = RandomRange(0.5f, 0.9f);
        blood.velocity = how.Velocity();
        blood.position = Vec2{position_.x, position_.y + RandomRange(-5.0f, 5.0f)};
        blood.rotation = RandomRange(0.0f, 360.0f);
        blood.fade = RandomRange(5.0f, 8.0f);
        blood.spin = RandomRange(-1.0f, 1.0f);
        blood.life = RandomRange(30.0f, 50.0f);
        blood.scale = 0.5f;
        blood.growth = 0.015f;
        arena.SpawnParticle(blood);
    }
    if (!hasHead_) return;
    const Vec2 head{position_.x, lower_.Point(0).y};
    ParticleSetup flying;
    flying.gravity = 0.3f;
    flying.sprite = arena.Sprites().head;
    flying.box = Vec2{8.0f, 8.0f};
    flying.velocity = how.HeadVelocity();
    flying.bounce = 0.75f;
    flying.position = head;
    flying.fade = RandomRange(0.05f, 0.09f);
    flying.life = 300.0f;
    arena.AddObject(std::make_unique<FlyingHead>(flying));
    if (hasHelmet_) {
        arena.AddObject(
            std::make_unique<FlyingHelmet>(arena.Sprites().helmet, head, how.HeadVelocity()));
    }
}

void Player::BreakArmour(Arena& arena, Vec2 from, bool directional, bool wide) {
    const auto flags = static_cast<std::uint8_t>((directional ? 1 : 0) | (wide ? 2 : 0));
    const EffectScope scope(arena, MakeEffect(EffectKind::Armour, from, number_, flags));
    const Throw how = ThrowFrom(from, position_, directional, wide);
    for (int i = 0; i < 12; ++i) {
        ParticleSetup fragment;
        fragment.gravity = 0.8f;
        fragment.bounce = 0.8f;
        fragment.box = Vec2{6.0f, 6.0f};
        fragment.sprite = arena.Sprites().AnyArmourFragment();
        fragment.position =
            Vec2{position_.x + RandomRange(-1.0f, 1.0f), position_.y + RandomRange(-7.0f, 7.0f)};
        fragment.velocity = how.Velocity();
        fragment.rotation = RandomRange(0.0f, 360.0f);
        fragment.fade = RandomRange(1.0f, 1.2f);
        fragment.spin = RandomRange(-2.0f, 2.0f);
        fragment.life = RandomRange(180.0f, 285.0f);
        arena.SpawnParticle(fragment);
    }
}
