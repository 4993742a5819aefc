#pragma once

#include "arena/Arena.h"
#include "arena/EffectEvent.h"

// Brackets one shared effect for the arena, for as long as it lives.
class EffectScope {
public:
    EffectScope(Arena& arena, const EffectEvent& event) : arena_(arena) {
        arena_.BeginEffect(event);
    }
    ~EffectScope() { arena_.EndEffect(); }
    EffectScope(const EffectScope&) = delete;
    EffectScope& operator=(const EffectScope&) = delete;

private:
    Arena& arena_;
};
