#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "game/RemoteInput.h"

// What a client may say to the host: who it is, its inputs, its chat, and the map it lacks.
// It cannot say anything that moves another fighter, runs a command or changes a score.

// The first packet: the protocol spoken and the player's name.
struct Hello {
    std::uint16_t version = 0;
    std::string name;
};

// The client's controls at one of its frames, numbered so the newest wins.
struct InputFrame {
    std::uint32_t sequence = 0;
    RemoteInput controls;
};

struct ChatLine {
    std::string text;
};
// Asks for the map of the welcome; the host answers with its chunks.
struct MapRequest {};
// The map is loaded: `checksum` is the one of the file the client plays.
struct Ready {
    std::uint32_t checksum = 0;
};
struct Goodbye {};

using ClientMessage = std::variant<Hello, InputFrame, ChatLine, MapRequest, Ready, Goodbye>;

std::vector<std::uint8_t> EncodeClientMessage(const ClientMessage& message);
// None for a packet that is not exactly one well-formed message within its bounds.
std::optional<ClientMessage> DecodeClientMessage(std::span<const std::uint8_t> packet);
