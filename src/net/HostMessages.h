#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "game/MatchState.h"

// What the host says to its clients.

// The answer to a hello: the place the client plays, the match and its map.
struct Welcome {
    std::uint8_t slot = 0;
    std::uint8_t players = 0;
    std::int32_t fragLimit = 0;
    std::string gameType;
    std::string mapName;  // the file name in Maps/
    std::uint32_t mapChecksum = 0;
    std::uint32_t mapSize = 0;
};
// A piece of the map file, in order.
struct MapChunk {
    std::uint32_t offset = 0;
    std::string bytes;
};
// Every player's name, by number.
struct Roster {
    std::vector<std::string> names;
};
struct Snapshot {
    MatchState state;
};
// A line for the message list: kill lines, chat, arrivals and departures.
struct TextLine {
    std::string text;
};
// The host will not have the client: the reason, for the client's console.
struct Refusal {
    std::string reason;
};

// The host lets the client go (it left its match, or stopped hosting): why, for the console.
struct Farewell {
    std::string reason;
};

// A title for this client's eyes alone: whom his fighter fragged, or who fragged him.
struct TitleText {
    std::string text;
    float duration = 0.0f;  // steps
};
// The weapons this client's fighter carries, by their place in the weapon file, in his order.
struct CarriedRow {
    std::vector<int> weapons;
};

using HostMessage = std::variant<Welcome, MapChunk, Roster, Snapshot, TextLine, Refusal,
                                 Farewell, TitleText, CarriedRow>;

std::vector<std::uint8_t> EncodeHostMessage(const HostMessage& message);
// None for a packet that is not exactly one well-formed message within its bounds.
std::optional<HostMessage> DecodeHostMessage(std::span<const std::uint8_t> packet);
