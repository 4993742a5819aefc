#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// A spent case thrown from the breech: bounces, loses spin, and is gone once it lies still,
// has turned far enough, or has left the map.
class ShellCasing : public LiveObject {
public:
    enum class Kind { Rifle, Shotgun };

    // Turned this far either way, it has shown enough.
    static constexpr float kMostTurn = 500.0f;
    // Spinning slower than this, it lies still.
    static constexpr float kLeastSpin = 0.05f;
    // Steps at most, whatever it does: one caught rattling between platforms must still go.
    static constexpr float kMostLife = 2000.0f;

    ShellCasing(Kind kind, int sprite, Vec2 position, Vec2 velocity);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Position() const { return position_; }
    float Spin() const { return spin_; }
    float Rotation() const { return rotation_; }

private:
    void Bounce(int side);
    bool Spent(Arena& arena) const;

    Kind kind_;
    int sprite_;
    Vec2 position_;
    Vec2 velocity_;
    float rotation_ = 0.0f;
    float spin_;
    float age_ = 0.0f;
};
