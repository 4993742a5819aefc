#include "net/ClientMessages.h"

#include "net/PacketReader.h"
#include "net/PacketWriter.h"
#include "net/Protocol.h"

namespace {
// Aim goes as tenths of a degree.
constexpr float kAimScale = 10.0f;

void Write(PacketWriter& out, const Hello& hello) {
    out.Uint16(hello.version);
    out.String(hello.name, kMaxNameLength);
}
void Write(PacketWriter& out, const InputFrame& input) {
    out.Uint32(input.sequence);
    out.Uint16(input.controls.held);
    out.Scaled(input.controls.aim, kAimScale);
    out.Byte(input.controls.facingRight ? 1 : 0);
    for (const std::uint8_t count : input.controls.presses)
        out.Byte(count);
}
void Write(PacketWriter& out, const ChatLine& chat) { out.String(chat.text, kMaxTextLength); }
void Write(PacketWriter& /*out*/, const MapRequest& /*request*/) {}
void Write(PacketWriter& out, const Ready& ready) { out.Uint32(ready.checksum); }
void Write(PacketWriter& /*out*/, const Goodbye& /*goodbye*/) {}

Hello ReadHello(PacketReader& in) {
    Hello hello;
    hello.version = in.Uint16();
    hello.name = in.String(kMaxNameLength);
    return hello;
}
InputFrame ReadInput(PacketReader& in) {
    InputFrame input;
    input.sequence = in.Uint32();
    input.controls.held = in.Uint16();
    input.controls.aim = in.Scaled(kAimScale);
    const std::uint8_t facing = in.Byte();
    if (facing > 1) in.Fail();
    input.controls.facingRight = facing == 1;
    for (std::uint8_t& count : input.controls.presses)
        count = in.Byte();
    return input;
}
ChatLine ReadChat(PacketReader& in) { return ChatLine{in.String(kMaxTextLength)}; }
MapRequest ReadMapRequest(PacketReader& /*in*/) { return {}; }
Ready ReadReady(PacketReader& in) { return Ready{in.Uint32()}; }
Goodbye ReadGoodbye(PacketReader& /*in*/) { return {}; }

// By the variant's index, which is the packet's first byte.
using Reader = ClientMessage (*)(PacketReader&);
constexpr Reader kReaders[] = {
    [](PacketReader& in) -> ClientMessage { return ReadHello(in); },
    [](PacketReader& in) -> ClientMessage { return ReadInput(in); },
    [](PacketReader& in) -> ClientMessage { return ReadChat(in); },
    [](PacketReader& in) -> ClientMessage { return ReadMapRequest(in); },
    [](PacketReader& in) -> ClientMessage { return ReadReady(in); },
    [](PacketReader& in) -> ClientMessage { return ReadGoodbye(in); },
};
static_assert(std::size(kReaders) == std::variant_size_v<ClientMessage>);
}  // namespace

std::vector<std::uint8_t> EncodeClientMessage(const ClientMessage& message) {
    PacketWriter out;
    out.Byte(static_cast<std::uint8_t>(message.index()));
    std::visit([&out](const auto& body) { Write(out, body); }, message);
    return out.Take();
}

std::optional<ClientMessage> DecodeClientMessage(std::span<const std::uint8_t> packet) {
    if (packet.empty() || packet.size() > kMaxPacketBytes) return std::nullopt;
    PacketReader in(packet);
    const std::size_t kind = in.Byte();
    if (kind >= std::size(kReaders)) return std::nullopt;
    ClientMessage message = kReaders[kind](in);
    if (!in.Finished()) return std::nullopt;
    return message;
}
