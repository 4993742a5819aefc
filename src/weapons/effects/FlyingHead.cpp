#include "weapons/effects/FlyingHead.h"

#include "arena/Arena.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"

namespace {
constexpr int kBurstDrops = 10;

ParticleSetup WithHalfBox(ParticleSetup setup) {
    setup.box = setup.box * 0.5f;
    return setup;
}
}  // namespace

FlyingHead::FlyingHead(const ParticleSetup& setup) : Particle(WithHalfBox(setup)) {}

void FlyingHead::Update(Arena& arena) {
    // The age as it was before this step's move, as the catch counts it.
    const bool catchable = Age() > kCatchAge && Setup().collides;
    Particle::Update(arena);
    Player* catcher = catchable ? Catcher(arena) : nullptr;
    if (catcher != nullptr) {
        arena.PlaySound("Pop.wav");
        catcher->RestoreHead();
        SetFinished();
    } else if (Finished()) {
        Burst(arena);
    }
}

Player* FlyingHead::Catcher(Arena& arena) const {
    Player* nearest = nullptr;
    float nearestDistance = kCatchDistance;
    for (int number = 0; number < arena.PlayerCount(); ++number) {
        Player& player = arena.GetPlayer(number);
        if (!player.InPlay() || player.HasHead()) continue;
        const Vec2 neck = player.Lower().Point(0);
        const float distance = Distance(neck.x, neck.y, Position().x, Position().y);
        if (distance < nearestDistance) {
            nearest = &player;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void FlyingHead::Burst(Arena& arena) const {
    for (int i = 0; i < kBurstDrops; ++i) {
        arena.SpawnParticle(ParticleSetup{
            .sprite = arena.Sprites().AnyBlood(),
            .position = Position(),
            .velocity = Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-1.0f, 1.0f)},
            .rotation = RandomRange(0.0f, 360.0f),
            .spin = RandomRange(-12.0f, 12.0f),
            .gravity = RandomRange(0.3f, 0.4f),
            .life = RandomRange(40.0f, 100.0f),
            .alpha = 255.0f,
            .fade = RandomRange(5.0f, 10.0f),
        });
    }
}
