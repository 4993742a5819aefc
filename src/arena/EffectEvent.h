#pragma once

#include <array>
#include <cstdint>

#include "core/Vec2.h"

// A sound or a shared effect as it happened on the host: a client replays it through the same
// function with its own random numbers, so particles never cross the network one by one.
enum class EffectKind : std::uint8_t { Sound, Sparks, Blood, Explosion, Gibs };
inline constexpr int kEffectKindCount = 5;

struct EffectEvent {
    EffectKind kind = EffectKind::Sound;
    Vec2 at;
    Vec2 velocity;
    int number = 0;  // the sound, the count of sparks or drops, or the gibbed player
    std::uint8_t flags = 0;
    // Blood's speed range; an explosion's size, in the order of its fields.
    std::array<float, 7> values{};
};

inline EffectEvent MakeEffect(EffectKind kind, Vec2 at, int number, std::uint8_t flags = 0) {
    EffectEvent event;
    event.kind = kind;
    event.at = at;
    event.number = number;
    event.flags = flags;
    return event;
}
