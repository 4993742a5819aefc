#pragma once

class Arena;
class Player;
struct BotSkill;

// Whom a bot fights. Without a target it searches the players a few sight tests a frame; with
// one it checks now and then that it still sees it, and keeps its distance.
void TrackTarget(Player& bot, Arena& arena, const BotSkill& skill);

// The search alone: from the scan index on, the nearest enemy in sight within 950 units
// becomes the target once the search has passed every player.
void FindTarget(Player& bot, Arena& arena, const BotSkill& skill);

// The held target, or none when it is no valid player in play.
Player* HeldTarget(const Player& bot, Arena& arena);
