#include "net/HostMessages.h"

#include <algorithm>

#include "net/MatchStateCodec.h"
#include "net/PacketReader.h"
#include "net/PacketWriter.h"
#include "net/Protocol.h"

namespace {
constexpr std::size_t kMaxTypeLength = 16;

void Write(PacketWriter& out, const Welcome& welcome) {
    out.Byte(welcome.slot);
    out.Byte(welcome.players);
    out.Int32(welcome.fragLimit);
    out.String(welcome.gameType, kMaxTypeLength);
    out.String(welcome.mapName, kMaxMapNameBytes);
    out.Uint32(welcome.mapChecksum);
    out.Uint32(welcome.mapSize);
}
void Write(PacketWriter& out, const MapChunk& chunk) {
    out.Uint32(chunk.offset);
    const std::size_t length = std::min(chunk.bytes.size(), kMapChunkBytes);
    out.Uint16(static_cast<std::uint16_t>(length));
    out.Raw(std::string_view(chunk.bytes).substr(0, length));
}
void Write(PacketWriter& out, const Roster& roster) {
    const std::size_t count = std::min(roster.names.size(), kMaxFigures);
    out.Uint16(static_cast<std::uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        out.String(roster.names[i], kMaxNameLength);
}
void Write(PacketWriter& out, const Snapshot& snapshot) { WriteMatchState(out, snapshot.state); }
void Write(PacketWriter& out, const TextLine& line) { out.String(line.text, kMaxTextLength); }
void Write(PacketWriter& out, const Refusal& refusal) {
    out.String(refusal.reason, kMaxTextLength);
}
void Write(PacketWriter& out, const Farewell& farewell) {
    out.String(farewell.reason, kMaxTextLength);
}
void Write(PacketWriter& out, const TitleText& title) {
    out.String(title.text, kMaxTextLength);
    out.Uint16(static_cast<std::uint16_t>(std::clamp(title.duration, 0.0f, 65535.0f)));
}
// A weapon past a byte's reach is left out: no weapon file holds that many.
void Write(PacketWriter& out, const CarriedRow& row) {
    std::vector<std::uint8_t> weapons;
    for (const int weapon : row.weapons) {
        if (weapon >= 0 && weapon < 255 && weapons.size() < kMaxCarried)
            weapons.push_back(static_cast<std::uint8_t>(weapon));
    }
    out.Uint16(static_cast<std::uint16_t>(weapons.size()));
    for (const std::uint8_t weapon : weapons)
        out.Byte(weapon);
}

Welcome ReadWelcome(PacketReader& in) {
    Welcome welcome;
    welcome.slot = in.Byte();
    welcome.players = in.Byte();
    welcome.fragLimit = in.Int32();
    welcome.gameType = in.String(kMaxTypeLength);
    welcome.mapName = in.String(kMaxMapNameBytes);
    welcome.mapChecksum = in.Uint32();
    welcome.mapSize = in.Uint32();
    if (welcome.slot >= welcome.players || welcome.players > kMaxFigures ||
        welcome.mapSize > kMaxMapBytes) {
        in.Fail();
    }
    return welcome;
}
MapChunk ReadMapChunk(PacketReader& in) {
    MapChunk chunk;
    chunk.offset = in.Uint32();
    const std::size_t length = in.Count(kMapChunkBytes);
    chunk.bytes = in.Raw(length);
    if (chunk.offset > kMaxMapBytes) in.Fail();
    return chunk;
}
Roster ReadRoster(PacketReader& in) {
    Roster roster;
    roster.names.resize(in.Count(kMaxFigures));
    for (std::string& name : roster.names)
        name = in.String(kMaxNameLength);
    return roster;
}
Snapshot ReadSnapshot(PacketReader& in) { return Snapshot{ReadMatchState(in)}; }
TextLine ReadTextLine(PacketReader& in) { return TextLine{in.String(kMaxTextLength)}; }
Refusal ReadRefusal(PacketReader& in) { return Refusal{in.String(kMaxTextLength)}; }
Farewell ReadFarewell(PacketReader& in) { return Farewell{in.String(kMaxTextLength)}; }
TitleText ReadTitleText(PacketReader& in) {
    TitleText title;
    title.text = in.String(kMaxTextLength);
    title.duration = in.Uint16();
    return title;
}
CarriedRow ReadCarriedRow(PacketReader& in) {
    CarriedRow row;
    row.weapons.resize(in.Count(kMaxCarried));
    for (int& weapon : row.weapons)
        weapon = in.Byte();
    return row;
}

// By the variant's index, which is the packet's first byte.
using Reader = HostMessage (*)(PacketReader&);
constexpr Reader kReaders[] = {
    [](PacketReader& in) -> HostMessage { return ReadWelcome(in); },
    [](PacketReader& in) -> HostMessage { return ReadMapChunk(in); },
    [](PacketReader& in) -> HostMessage { return ReadRoster(in); },
    [](PacketReader& in) -> HostMessage { return ReadSnapshot(in); },
    [](PacketReader& in) -> HostMessage { return ReadTextLine(in); },
    [](PacketReader& in) -> HostMessage { return ReadRefusal(in); },
    [](PacketReader& in) -> HostMessage { return ReadFarewell(in); },
    [](PacketReader& in) -> HostMessage { return ReadTitleText(in); },
    [](PacketReader& in) -> HostMessage { return ReadCarriedRow(in); },
};
static_assert(std::size(kReaders) == std::variant_size_v<HostMessage>);
}  // namespace

std::vector<std::uint8_t> EncodeHostMessage(const HostMessage& message) {
    PacketWriter out;
    out.Byte(static_cast<std::uint8_t>(message.index()));
    std::visit([&out](const auto& body) { Write(out, body); }, message);
    return out.Take();
}

std::optional<HostMessage> DecodeHostMessage(std::span<const std::uint8_t> packet) {
    if (packet.empty() || packet.size() > kMaxPacketBytes) return std::nullopt;
    PacketReader in(packet);
    const std::size_t kind = in.Byte();
    if (kind >= std::size(kReaders)) return std::nullopt;
    HostMessage message = kReaders[kind](in);
    if (!in.Finished()) return std::nullopt;
    return message;
}
