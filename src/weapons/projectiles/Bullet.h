#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

class Player;
struct ShotTrace;

// What a weapon decides about a bullet or a pellet.
struct BulletSetup {
    int owner = -1;  // player number of the shooter, -1 for none
    Vec2 position;
    Vec2 velocity;  // units per step
    float healthDamage = 11.0f;
    float armourDamage = 0.0f;
    float helmetChance = 25.0f;  // percent: a head hit knocks a helmet off
    float life = 60.0f;          // steps
    float bloodLow = 0.15f;      // range of the blood's speed, as factors of the bullet's
    float bloodHigh = 0.28f;
    int bloodCount = 3;
};

// A shot that flies straight: sparks on a wall, blood, helmets and heads off a player. Drawn as
// a short tracer behind its head.
class Bullet : public LiveObject {
public:
    explicit Bullet(const BulletSetup& setup) : state_(setup) {}

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;
    std::optional<ObjectState> Export() const override;

    Vec2 Position() const { return state_.position; }
    Vec2 Velocity() const { return state_.velocity; }

private:
    void HitPlayer(Arena& arena, const ShotTrace& trace);
    // A head shot: off comes the head, or the helmet takes it. True when the helmet stopped it.
    bool HitHead(Arena& arena, Player& victim, Vec2 at);
    void Behead(Arena& arena, Player& victim, Vec2 at);
    void GlanceOffHelmet(Arena& arena, Player& victim, Vec2 at);

    BulletSetup state_;
};
