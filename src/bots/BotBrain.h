#pragma once

class Arena;
class Player;

// One think of a bot in play, once a frame before the player's own update: walk, decide to
// camp or roam, find or keep a target, then aim, fire and reload. It acts only through the
// player's controls and its weapon's fire operations. The human, and every bot when no
// profiles were loaded, does not think.
void Think(Player& bot, Arena& arena);
