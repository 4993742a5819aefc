// Packets come from anyone on the network: every byte string must decode to nothing or to a
// message within its bounds, both ways, and a decoded message must survive its own encoding.
#include <cstdint>
#include <span>

#include "net/ClientMessages.h"
#include "net/HostMessages.h"
#include "net/Protocol.h"

namespace {
void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckClient(std::span<const std::uint8_t> packet) {
    const auto message = DecodeClientMessage(packet);
    if (!message) return;
    if (const auto* hello = std::get_if<Hello>(&*message))
        Check(hello->name.size() <= kMaxNameLength);
    const auto again = EncodeClientMessage(*message);
    Check(DecodeClientMessage(again).has_value());
}

void CheckHost(std::span<const std::uint8_t> packet) {
    const auto message = DecodeHostMessage(packet);
    if (!message) return;
    if (const auto* snapshot = std::get_if<Snapshot>(&*message)) {
        Check(snapshot->state.figures.size() <= kMaxFigures);
        Check(snapshot->state.objects.size() <= kMaxObjects);
        Check(snapshot->state.events.size() <= kMaxEvents);
    }
    if (const auto* welcome = std::get_if<Welcome>(&*message)) {
        Check(welcome->slot < welcome->players && welcome->mapSize <= kMaxMapBytes);
    }
    const auto again = EncodeHostMessage(*message);
    Check(DecodeHostMessage(again).has_value());
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> packet(data, size);
    CheckClient(packet);
    CheckHost(packet);
    return 0;
}
