#pragma once

#include <cstddef>
#include <cstdint>

#include "game/MatchState.h"

// The numbers both ends of a network match agree on. A change to any message's layout raises
// the version: a client of another version is refused at the handshake.
inline constexpr std::uint16_t kProtocolVersion = 2;
inline constexpr std::uint16_t kDefaultPort = 27315;

// Bounds every decoder holds a packet to; anything past them is refused whole.
inline constexpr std::size_t kMaxPacketBytes = 16384;
inline constexpr std::size_t kMaxNameLength = 24;
inline constexpr std::size_t kMaxTextLength = 160;
inline constexpr std::size_t kMaxMapNameBytes = 64;
inline constexpr std::size_t kMaxFigures = 64;
inline constexpr std::size_t kMaxObjects = 400;
inline constexpr std::size_t kMaxItems = 1024;
inline constexpr std::size_t kMaxEvents = MatchState::kMostEvents;
inline constexpr std::size_t kMaxCarried = 32;
inline constexpr std::size_t kMapChunkBytes = 4096;
inline constexpr std::uint32_t kMaxMapBytes = 16u << 20;

// ENet channels: reliable and ordered for the handshake, maps and text; unreliable and
// sequenced for inputs and snapshots, where only the newest counts.
inline constexpr std::uint8_t kReliableChannel = 0;
inline constexpr std::uint8_t kSequencedChannel = 1;
inline constexpr std::size_t kChannelCount = 2;
