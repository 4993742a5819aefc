#include "weapons/kinds/ShotEffects.h"

#include <memory>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/effects/MuzzleFlash.h"
#include "weapons/effects/ParticleSetup.h"
#include "weapons/kinds/ShotLine.h"

namespace {
constexpr int kKickAnimation = 1;
}  // namespace

float RandomSpan::Draw() const { return RandomRange(low, high); }

void Kick(Player& owner) { owner.PlayUpperAnimation(kKickAnimation); }

void ThrowCasing(Player& owner, Arena& arena, ShellCasing::Kind kind, Vec2 velocity) {
    if (owner.Facing() == Facing::Right) velocity.x = -velocity.x;
    const MatchSprites& sprites = arena.Sprites();
    const int sprite =
        kind == ShellCasing::Kind::Shotgun ? sprites.shotgunCasing : sprites.rifleCasing;
    arena.AddObject(std::make_unique<ShellCasing>(kind, sprite, owner.Upper().Point(4), velocity));
}

void FlashMuzzle(Arena& arena, const ShotLine& shot, float scale) {
    arena.AddObject(
        std::make_unique<MuzzleFlash>(arena.Sprites().flash, shot.muzzle, shot.angle, scale));
}

void PuffSmoke(Arena& arena, Vec2 position, Vec2 velocity, const SmokeLook& look) {
    ParticleSetup smoke;
    smoke.sprite = arena.Sprites().smoke;
    smoke.collides = false;
    smoke.gravity = 0.0f;
    smoke.position = position;
    smoke.velocity = velocity;
    smoke.rotation = RandomRange(0.0f, 360.0f);
    smoke.alpha = look.alpha;
    smoke.fade = look.fade.Draw();
    smoke.spin = RandomRange(-1.0f, 1.0f);
    smoke.life = look.life.Draw();
    smoke.scale = look.scale;
    smoke.growth = look.growth.Draw();
    arena.SpawnParticle(smoke);
}
