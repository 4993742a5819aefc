#pragma once

// What a bot keeps between frames to decide where to go and whom to fight. Every player carries
// one (the human's stays unused); the player tells it of its new lives, jumps and walls, and the
// bot's decisions read and write the rest.
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
    float aimError = 0.0f;  // how far off the target the bot aims, drawn at each sight check
    long sightTests = 0;    // segment tests made so far, for measuring what thinking costs

    // When the player is made: the keep-away distance.
    void ChooseKeepAway();
    // At the start of a life, before the player picks its first direction.
    void StartLife();
    // Where to go and whom to fight start again with a new life; the hit-wall flag stays.
    void ResetNavigation();
    void OnJump() { jumpFlag = true; }
    void OnHitWall() { hitWall = true; }
};
