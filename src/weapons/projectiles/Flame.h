#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

class Player;

// A tongue of the Flamer's fire: drifts, grows, fades, and burns the players it passes through
// armour and all; the map puts it out.
class Flame : public LiveObject {
public:
    // The owner of a client's copy: it shows the fire and its smoke on whom it licks, and hurts
    // nobody.
    static constexpr int kCopy = -1;

    // `burns` 0 makes a flame that only shows.
    Flame(int owner, int sprite, Vec2 position, Vec2 velocity, float burns);

    // Lets a new flame go from `at`. A client is told of each one and lets its own copy go,
    // which flies as this one does: flames never cross the network as moving objects.
    static void Pour(Arena& arena, int owner, Vec2 at, Vec2 velocity, float burns);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Position() const { return position_; }
    float Alpha() const { return alpha_; }
    float Scale() const { return scale_; }

private:
    void Burn(Arena& arena, Player& victim, float step);

    int owner_;
    int sprite_;
    Vec2 position_;
    Vec2 velocity_;
    float age_ = 0.0f;
    float spin_;
    float rotation_;
    float burns_;
    float life_;
    float fade_;
    float alpha_ = 255.0f;
    float scale_ = 0.35f;
};
