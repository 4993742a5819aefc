#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "arena/EffectEvent.h"
#include "arena/ObjectState.h"
#include "player/FigureState.h"

// Everything a client's draw pass needs of the host's match at one step: the fighters in
// number order, the projectiles, which items are there, the scores and the end-of-match fade,
// and the sounds and effects since the last state sent.
struct MatchState {
    // A state carries at most this many sounds and effects; the host keeps the newest.
    static constexpr std::size_t kMostEvents = 128;

    std::uint32_t step = 0;
    float timeScale = 1.0f;
    float fade = 0.0f;  // the match's fade value; large while no fade runs
    bool over = false;
    std::array<int, 3> teamScores{};
    std::vector<FigureState> figures;
    std::vector<ObjectState> objects;
    std::vector<bool> itemsShown;
    std::vector<EffectEvent> events;
};
