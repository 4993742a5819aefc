#include "bots/BotMind.h"

#include "core/Random.h"

void BotMind::ChooseKeepAway() { keepAway = RandomRange(0.0f, 60.0f); }

void BotMind::StartLife() {
    jumpTimer = RandomRange(200.0f, 1000.0f);
    jumpFlag = true;
    camping = 0;
}

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
