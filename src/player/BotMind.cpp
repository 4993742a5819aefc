#include "player/BotMind.h"

#include "core/Random.h"

void BotMind::ResetNavigation() {
    profileSlot = 2;
    decisionClock = 0.0f;
    nextDecision = RandomRange(0.0f, 300.0f);
    camping = 0;
    target = -1;
    scanIndex = 0;
    bestCandidate = -1;
    sightCountdown = 5;
}
