#pragma once

#include "arena/EffectEvent.h"

class Arena;

// Makes on this machine what the event made on the host: the same sound, the same shared
// effect with the same numbers, its particles drawn from this machine's random numbers. A gib
// or broken armour of a player the arena lacks, or smoke of an unknown look, makes nothing.
void ReplayEffect(Arena& arena, const EffectEvent& event);
