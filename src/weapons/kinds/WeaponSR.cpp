#include "weapons/kinds/WeaponSR.h"

#include <memory>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/effects/SmokePuff.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Bullet.h"
#include "world/View.h"

namespace {
constexpr float kBulletSpeed = 50.0f;
constexpr int kSmokePuffs = 3;
// Far enough to leave any map.
constexpr float kLaserReach = 90000.0f;
constexpr Colour kLaserColour{255, 0, 0, 20};
}  // namespace

void WeaponSR::Read(const WeaponDef& def, const Arena& arena) {
    BulletWeapon::Read(def, arena);
    spotSprite_ = arena.Sprites().laserSpot;
}

void WeaponSR::PressPrimary(Player& owner, Arena& arena) {
    const std::optional<ShotLine> shot = StartShot(owner, arena);
    if (!shot) return;
    ThrowCasing(owner, arena, ShellCasing::Kind::Rifle,
                Vec2{RandomRange(0.2f, 0.45f), RandomRange(-2.0f, -1.0f)});
    FlashMuzzle(arena, *shot, 2.0f);
    BulletSetup bullet = AimedBullet(owner, *shot, kBulletSpeed, 100.0f);
    bullet.bloodLow = 0.1f;
    bullet.bloodHigh = 0.6f;
    bullet.bloodCount = 8;
    arena.AddObject(std::make_unique<Bullet>(bullet));
    for (int i = 0; i < kSmokePuffs; ++i) {
        PuffSmoke(arena, shot->muzzle, Vec2{RandomRange(-0.5f, 0.5f), RandomRange(-0.5f, -0.25f)},
                  SmokeLook::Rifle);
    }
}

void WeaponSR::Tick(Player& owner, Arena& arena) {
    BulletWeapon::Tick(owner, arena);
    laser_.shows = owner.CurrentWeapon() == this;
    if (laser_.shows) AimLaser(owner, arena);
}

void WeaponSR::AimLaser(Player& owner, Arena& arena) {
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    const Segment beam{shot.muzzle, shot.muzzle + shot.Direction() * kLaserReach};
    laser_.start = shot.muzzle;
    laser_.end = arena.TraceShot(beam, kTracePlatforms | kTracePlayers).point;
    laser_.spotRotation = RandomRange(0.0f, 360.0f);
}

void WeaponSR::DrawEffects(const View& view) const {
    if (!laser_.shows) return;
    Renderer& renderer = view.GetRenderer();
    renderer.SetLineWidth(1.0f);
    renderer.SetLineSmooth(true);
    view.DrawLine(laser_.start, laser_.end, kLaserColour);
    renderer.SetLineSmooth(false);
    renderer.SetLineWidth(1.0f);
    const ::Sprite* spot = view.GetSprite(spotSprite_);
    if (spot == nullptr) return;
    const Vec2 at = view.ToScreen(laser_.end);
    renderer.DrawSpriteScaled(*spot, at.x, at.y, 1.0f, 1.0f, 255, laser_.spotRotation);
}
