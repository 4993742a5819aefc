#pragma once

#include "game/MatchState.h"

class PacketReader;
class PacketWriter;

// A match state in a few bytes a fighter: positions to half a unit, angles to a degree or so,
// animation phases to a 255th. Counts past the protocol's bounds are cut when writing and fail
// the packet when reading.
void WriteMatchState(PacketWriter& out, const MatchState& state);
MatchState ReadMatchState(PacketReader& in);
