#pragma once

class Arena;
class Player;
struct BotSkill;

// What the weapons' kind numbers mean to a bot.
inline constexpr int kSidearmKind = 1;  // the Platinum and the Blaster
inline constexpr int kM4Kind = 3;
inline constexpr int kSniperKind = 4;
inline constexpr int kFlamerKind = 7;

// Turns towards the target now and then, moves the aim a step towards it, and says whether the
// aim line passes within `window` of the aim point (the neck for the sniper rifle) while the
// bot faces it: time to fire.
bool AimAt(Player& bot, const Player& target, float window, const BotSkill& skill, Arena& arena);

// With nobody to fight, the aim drifts back to just above level.
void LevelAim(Player& bot, const BotSkill& skill, float step);
