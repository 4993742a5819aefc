#include "weapons/projectiles/Bullet.h"

#include "weapons/projectiles/ProjectileDrawing.h"

#include <cmath>

#include "arena/Arena.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/effects/BloodSpray.h"
#include "weapons/effects/KnockedOff.h"
#include "weapons/effects/SparkShower.h"
#include "weapons/projectiles/DealDamage.h"
#include "world/View.h"

namespace {
constexpr int kWallSparks = 3;
constexpr int kHelmetSparks = 4;
}  // namespace

void Bullet::Update(Arena& arena) {
    const float step = arena.Step();
    state_.life -= step;
    const Segment path{state_.position, state_.position + state_.velocity * step};
    const ShotTrace trace = arena.TraceShot(path, kTracePlatforms | kTracePlayers);
    state_.position = trace.point;
    if (trace.platform != nullptr) {
        SparkShower(arena, trace.point, kWallSparks);
        SetFinished();
    } else if (trace.player >= 0 && trace.player < arena.PlayerCount()) {
        SetFinished();
        HitPlayer(arena, trace);
    }
    // Not `life < 0`: a NaN life must end the bullet too.
    if (!(state_.life >= 0.0f)) SetFinished();
}

void Bullet::HitPlayer(Arena& arena, const ShotTrace& trace) {
    Player& victim = arena.GetPlayer(trace.player);
    const bool stopped = trace.head && victim.HasHead() && HitHead(arena, victim, trace.point);
    if (stopped) return;
    const bool armour =
        DealDamage(arena, victim, state_.healthDamage, state_.armourDamage, state_.owner);
    if (!victim.InPlay()) {
        victim.Gib(arena, state_.position, false, false);
        victim.CreditKill(state_.owner, arena);
        return;
    }
    BloodSpray(arena, BloodSprayShot{trace.point, state_.velocity, state_.bloodLow,
                                     state_.bloodHigh, state_.bloodCount, armour});
}

bool Bullet::HitHead(Arena& arena, Player& victim, Vec2 at) {
    if (!victim.HasHelmet()) {
        Behead(arena, victim, at);
        return false;
    }
    GlanceOffHelmet(arena, victim, at);
    return true;
}

void Bullet::Behead(Arena& arena, Player& victim, Vec2 at) {
    KnockOffHead(arena, at, state_.velocity, state_.bloodLow, state_.bloodHigh);
    victim.LoseHead(state_.owner, arena);
}

void Bullet::GlanceOffHelmet(Arena& arena, Player& victim, Vec2 at) {
    SparkShower(arena, at, kHelmetSparks);
    if (RandomRange(0.0f, 100.0f) > state_.helmetChance) return;
    KnockOffHelmet(arena, at, Vec2{state_.velocity.x / 4.0f, 0.0f});
    victim.SetHelmet(false);
}

void Bullet::Draw(const View& view) const { DrawProjectile(view, *Export()); }

std::optional<ObjectState> Bullet::Export() const {
    ObjectState state;
    state.kind = ObjectKind::Bullet;
    state.position = state_.position;
    state.velocity = state_.velocity;
    return state;
}
