#pragma once

class Arena;
class Player;

// One think of a bot in play, once a frame before the player's own update: walk, decide to
// camp or roam, find or keep a target, then aim, fire and reload. It acts only through the
// player's controls and its weapon's fire operations. The human does not think (unless a bot
// plays his slot), and a bot without a profile (none were loaded) only stands still.
void Think(Player& bot, Arena& arena);
