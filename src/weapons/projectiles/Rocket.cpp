#include "weapons/projectiles/Rocket.h"

#include "weapons/projectiles/ProjectileDrawing.h"

#include "arena/Arena.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/effects/ExplosionCloud.h"
#include "weapons/effects/FireSmoke.h"
#include "weapons/effects/Particle.h"
#include "weapons/projectiles/BlastDamage.h"
#include "weapons/projectiles/DealDamage.h"
#include "world/RectRelations.h"
#include "world/View.h"

namespace {
constexpr float kScale = 0.6f;
constexpr ExplosionSize kCloud{8, 0.1f, 0.03f, 0.05f, 0.03f, 0.15f, 0.2f};
// A body the rocket struck bursts about evenly, not away from anything.
constexpr Vec2 kNowhere{1.0f, 1.0f};
}  // namespace

Rocket::Rocket(int owner, int sprite, Vec2 position, Vec2 velocity)
    : owner_(owner), sprite_(sprite), position_(position), velocity_(velocity) {}

void Rocket::Update(Arena& arena) {
    const float step = arena.Step();
    velocity_.y += Particle::kFall * step;
    const Segment path{position_, position_ + velocity_ * step};
    const ShotTrace trace = arena.TraceShot(path, kTracePlatforms | kTracePlayers);
    position_ = trace.point;
    LeaveTrail(arena, step);
    if (!RectContains(arena.Map().Bounds(), position_.x, position_.y)) {
        SetFinished();
        return;
    }
    if (trace.platform != nullptr || trace.player >= 0) Explode(arena, trace);
}

void Rocket::LeaveTrail(Arena& arena, float step) {
    smokeTimer_ -= step;
    if (smokeTimer_ >= 0.0f) return;
    smokeTimer_ = RandomRange(1.0f, 2.0f);
    TrailSmoke(arena, position_);
}

void Rocket::Explode(Arena& arena, const ShotTrace& trace) {
    if (trace.player >= 0 && trace.player < arena.PlayerCount()) {
        Player& victim = arena.GetPlayer(trace.player);
        DealDamage(arena, victim, kDirectDamage, kDirectDamage, owner_);
        if (!victim.InPlay()) {
            victim.Gib(arena, kNowhere, false, true);
            victim.CreditKill(owner_, arena);
        }
    }
    SetFinished();
    ExplosionCloud(arena, position_, kCloud);
    BlastDamage(arena, position_, kBlastRadius, owner_);
}

void Rocket::Draw(const View& view) const { DrawProjectile(view, *Export()); }

std::optional<ObjectState> Rocket::Export() const {
    return ObjectState{ObjectKind::Rocket, sprite_, position_, velocity_, 0.0f, kScale, 255.0f};
}
