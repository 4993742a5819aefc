#pragma once

class Arena;
class Player;
struct BotSkill;

// The weapon steps of a bot's think: aim at the target (or level the aim without one) and fire
// the weapon in hand its own way; `window` is how close the aim must pass to fire.
void AimAndFire(Player& bot, float window, const BotSkill& skill, Arena& arena);

// An empty sidearm is reloaded; an empty rifle or flamer is put away for the next weapon.
void ReloadOrSwitch(Player& bot, Arena& arena);
