#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The commands a network player presses, each counted in RemoteInput::presses.
enum class PressedCommand { Primary, Secondary, Crouch, NextWeapon, PrevWeapon, BulletTime };
inline constexpr std::size_t kPressedCommandCount = 6;

// A network player's controls at one of his frames. Held actions are bits by the input
// system's action numbers. Each press of a command counts up its own counter, wrapping at 256,
// so a lost packet loses no press: the host acts on the difference from the counters it saw.
struct RemoteInput {
    std::uint16_t held = 0;
    float aim = 0.0f;  // degrees, as the player's own mouse left it
    bool facingRight = false;
    std::array<std::uint8_t, kPressedCommandCount> presses{};

    bool Holds(int action) const {
        return action >= 0 && action < 16 && ((held >> action) & 1u) != 0;
    }
};
