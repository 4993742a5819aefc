#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

struct ShotTrace;

// The M4's rocket: falls slowly, trails smoke, and explodes on the first player or platform it
// meets; it leaves the map's bounds silently.
class Rocket : public LiveObject {
public:
    // Reach of the blast, and the damage of a direct hit on top of it.
    static constexpr float kBlastRadius = 100.0f;
    static constexpr float kDirectDamage = 100.0f;

    Rocket(int owner, int sprite, Vec2 position, Vec2 velocity);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;
    std::optional<ObjectState> Export() const override;

    Vec2 Position() const { return position_; }

private:
    void LeaveTrail(Arena& arena, float step);
    void Explode(Arena& arena, const ShotTrace& trace);

    int owner_;
    int sprite_;
    float smokeTimer_ = 2.0f;
    Vec2 position_;
    Vec2 velocity_;
};
