#pragma once

#include <cstdint>

class Arena;
class ItemSpawn;
class View;

// The map's pick-ups in a match. An item waits out its timer, then sits pulsing at its place
// until the nearest player in play within reach takes it; it gives its kind's effect, vanishes
// and comes back after a fixed time.

// One frame of an item: the timer, the taker and its effect, the pulse. Draws nothing.
void UpdateItem(ItemSpawn& item, Arena& arena);
// The item as the last update left it; nothing while it is away, for a kind without a picture
// or for a weapon the weapon file lacks.
void DrawItem(const ItemSpawn& item, const View& view, const Arena& arena);
// The item as the map editor shows it: always there, at rest, at the alpha given.
void DrawItemInEditor(const ItemSpawn& item, const View& view, const Arena& arena,
                      std::uint8_t alpha);
