#include "weapons/effects/EffectReplay.h"

#include <algorithm>

#include "arena/Arena.h"
#include "player/Player.h"
#include "weapons/effects/BloodSpray.h"
#include "weapons/effects/ExplosionCloud.h"
#include "weapons/effects/FireSmoke.h"
#include "weapons/effects/KnockedOff.h"
#include "weapons/effects/ShellCasing.h"
#include "weapons/effects/SmokePuff.h"
#include "weapons/effects/SparkShower.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/projectiles/BlastDamage.h"
#include "weapons/projectiles/Flame.h"

namespace {
void Sound(Arena& arena, const EffectEvent& event) { arena.PlaySound(event.number); }

void Sparks(Arena& arena, const EffectEvent& event) { SparkShower(arena, event.at, event.number); }

void Blood(Arena& arena, const EffectEvent& event) {
    BloodSpray(arena, BloodSprayShot{.at = event.at,
                                     .velocity = event.velocity,
                                     .speedLow = event.values[0],
                                     .speedHigh = event.values[1],
                                     .count = event.number,
                                     .armour = (event.flags & 1) != 0});
}

void Explosion(Arena& arena, const EffectEvent& event) {
    const auto& v = event.values;
    ExplosionCloud(arena, event.at,
                   ExplosionSize{event.number, v[0], v[1], v[2], v[3], v[4], v[5]});
}

void Gibs(Arena& arena, const EffectEvent& event) {
    if (event.number < 0 || event.number >= arena.PlayerCount()) return;
    arena.GetPlayer(event.number)
        .Gib(arena, event.at, (event.flags & 1) != 0, (event.flags & 2) != 0);
}

void Armour(Arena& arena, const EffectEvent& event) {
    if (event.number < 0 || event.number >= arena.PlayerCount()) return;
    arena.GetPlayer(event.number)
        .BreakArmour(arena, event.at, (event.flags & 1) != 0, (event.flags & 2) != 0);
}

void Casing(Arena& arena, const EffectEvent& event) {
    const auto kind = event.number == 1 ? ShellCasing::Kind::Shotgun : ShellCasing::Kind::Rifle;
    ThrowCasing(arena, kind, event.at, event.velocity);
}

void Flash(Arena& arena, const EffectEvent& event) {
    FlashMuzzle(arena, event.at, event.values[0], event.values[1]);
}

void Smoke(Arena& arena, const EffectEvent& event) {
    if (event.number < 0 || event.number >= kSmokeLookCount) return;
    PuffSmoke(arena, event.at, event.velocity, static_cast<SmokeLook>(event.number));
}

void Drip(Arena& arena, const EffectEvent& event) { DripBlood(arena, event.at); }

void Blast(Arena& arena, const EffectEvent& event) { FlashBlast(arena, event.at, event.values[0]); }

// The copy's burning is only for show: any power but none will do.
void PourFlame(Arena& arena, const EffectEvent& event) {
    Flame::Pour(arena, Flame::kCopy, event.at, event.velocity,
                (event.flags & 1) != 0 ? 1.0f : 0.0f);
}

void BurntOut(Arena& arena, const EffectEvent& event) { Smoulder(arena, event.at); }

void Trail(Arena& arena, const EffectEvent& event) { TrailSmoke(arena, event.at); }

void Head(Arena& arena, const EffectEvent& event) {
    KnockOffHead(arena, event.at, event.velocity, event.values[0], event.values[1]);
}

void Helmet(Arena& arena, const EffectEvent& event) {
    KnockOffHelmet(arena, event.at, event.velocity);
}

void Wound(Arena& arena, const EffectEvent& event) {
    BlastWound(arena, event.at, (event.flags & 1) != 0);
}

// By EffectKind.
using Replay = void (*)(Arena&, const EffectEvent&);
constexpr Replay kReplays[] = {Sound,    Sparks, Blood, Explosion, Gibs,  Casing,
                               Flash,    Smoke,  Drip,  Armour,    Blast, PourFlame,
                               BurntOut, Trail,  Head,  Helmet,    Wound};
static_assert(std::size(kReplays) == kEffectKindCount);
}  // namespace

void ReplayEffect(Arena& arena, const EffectEvent& event) {
    const auto kind = static_cast<std::size_t>(event.kind);
    if (kind < std::size(kReplays)) kReplays[kind](arena, event);
}
