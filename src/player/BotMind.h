#pragma once

// What a bot keeps between frames to decide where to go and whom to fight. The human carries
// one too, unused; the fields live with the player because the bot drives it.
struct BotMind {
    float keepAway = 0.0f;  // keep-away distance, chosen once when the player is made
    float jumpTimer = 0.0f;
    bool jumpFlag = true;
    int profileSlot = 2;
    float decisionClock = 0.0f;
    float nextDecision = 0.0f;
    int camping = 0;
    int target = -1;
    bool hitWall = false;  // set by every side collision; the bot reads and clears it
    int scanIndex = 0;
    int bestCandidate = -1;
    int sightCountdown = 5;

    // Where to go and whom to fight start again with a new life; the hit-wall flag stays.
    void ResetNavigation();
};
