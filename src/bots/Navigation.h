#pragma once

class Arena;
class Player;

// Where a bot walks: at the end of its platform it jumps to another within reach, drops to one
// below, or turns back; against a wall it turns or jumps; and now and then it jumps anyway.
void Navigate(Player& bot, Arena& arena);

// Off to the left or the right, on a coin.
void WalkRandomly(Player& bot);
