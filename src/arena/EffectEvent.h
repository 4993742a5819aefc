#pragma once

#include <array>
#include <cstdint>

#include "core/Vec2.h"

// A sound or a shared effect as it happened on the host: a client replays it through the same
// function with its own random numbers, so particles never cross the network one by one.
enum class EffectKind : std::uint8_t {
    Sound,
    Sparks,
    Blood,
    Explosion,
    Gibs,
    Casing,
    Flash,
    Smoke,
    Drip,
    Armour,
    Blast,
    Flame,
    Smoulder,
    Trail,
    Head,
    Helmet,
    Wound,
};
inline constexpr int kEffectKindCount = 17;

// The kinds whose number is a player's, which each machine numbers its own way.
inline bool NamesPlayer(EffectKind kind) {
    return kind == EffectKind::Gibs || kind == EffectKind::Armour;
}

struct EffectEvent {
    EffectKind kind = EffectKind::Sound;
    Vec2 at;
    Vec2 velocity;
    // The sound, the count of sparks or drops, the gibbed or armoured player, the casing's kind
    // or the smoke's look.
    int number = 0;
    std::uint8_t flags = 0;
    // Blood's speed range (a severed head's too); an explosion's size, in the order of its
    // fields; a flash's angle and scale; a blast's angle.
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
