#include "weapons/effects/SmokePuff.h"

#include <array>
#include <cstddef>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
struct Span {
    float low;
    float high;

    float Draw() const { return RandomRange(low, high); }
};

struct SmokeStyle {
    int MatchSprites::*sprite;
    float alpha;
    Span fade;
    Span life;
    float scale;
    Span growth;
    float spin;  // either way, degrees per step
};

constexpr auto kSmoke = &MatchSprites::smoke;
constexpr auto kCigarette = &MatchSprites::cigaretteSmoke;

// By SmokeLook. A platinum's puff is thick and short-lived; a shotgun's big and quick to
// swell; a cigarette's a thin wisp.
constexpr std::array<SmokeStyle, kSmokeLookCount> kStyles{{
    {kSmoke, 150.0f, {3.0f, 5.0f}, {60.0f, 80.0f}, 0.2f, {0.012f, 0.015f}, 1.0f},
    {kSmoke, 250.0f, {7.0f, 8.0f}, {60.0f, 80.0f}, 0.3f, {0.012f, 0.015f}, 1.0f},
    {kSmoke, 150.0f, {3.0f, 5.0f}, {40.0f, 60.0f}, 0.3f, {0.02f, 0.03f}, 1.0f},
    {kCigarette, 200.0f, {3.0f, 5.0f}, {60.0f, 80.0f}, 0.1f, {0.008f, 0.011f}, 3.0f},
}};
}  // namespace

void PuffSmoke(Arena& arena, Vec2 at, Vec2 velocity, SmokeLook look) {
    const auto index = static_cast<std::size_t>(look);
    if (index >= kStyles.size()) return;
    EffectEvent event = MakeEffect(EffectKind::Smoke, at, static_cast<int>(index));
    event.velocity = velocity;
    const EffectScope scope(arena, event);
    const SmokeStyle& style = kStyles[index];
    ParticleSetup smoke;
    smoke.sprite = arena.Sprites().*style.sprite;
    smoke.collides = false;
    smoke.gravity = 0.0f;
    smoke.position = at;
    smoke.velocity = velocity;
    smoke.rotation = RandomRange(0.0f, 360.0f);
    smoke.alpha = style.alpha;
    smoke.fade = style.fade.Draw();
    smoke.spin = RandomRange(-style.spin, style.spin);
    smoke.life = style.life.Draw();
    smoke.scale = style.scale;
    smoke.growth = style.growth.Draw();
    arena.SpawnParticle(smoke);
}
