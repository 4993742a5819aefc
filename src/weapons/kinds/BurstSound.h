#pragma once

#include "arena/Arena.h"

// The sound of a weapon that pours out while the trigger is held (flames, a beam): one sound
// covers a stretch of firing; started with every frame's shot it would only stutter.
class BurstSound {
public:
    void SetSound(int number) { sound_ = number; }
    // Called with each shot: sounds again once the last one has about run out.
    void Fire(Arena& arena) {
        if (wait_ > 0.0f) return;
        arena.PlaySound(sound_);
        wait_ = kLength;
    }
    void Tick(float step) { wait_ -= step; }

private:
    static constexpr float kLength = 40.0f;  // steps: about as long as the fire sounds last
    int sound_ = -1;
    float wait_ = 0.0f;
};
