#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/ByteReader.h"
#include "core/Vec2.h"

// Reads one packet as PacketWriter wrote it. A read past the end, or a string or count over its
// bound, fails the whole packet: once failed, every read gives zero and Ok() stays false, so a
// decoder reads straight through and checks once.
class PacketReader {
public:
    explicit PacketReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t Byte();
    std::uint16_t Uint16();
    int Int16();
    std::uint32_t Uint32();
    std::int32_t Int32();
    float Float();  // a NaN or an infinity fails the packet
    // A string of at most `limit` bytes; a longer one fails the packet.
    std::string String(std::size_t limit);
    std::string Raw(std::size_t count);
    float Scaled(float scale) { return static_cast<float>(Int16()) / scale; }
    Vec2 Point(float scale) {
        const float x = Scaled(scale);
        return Vec2{x, Scaled(scale)};
    }
    // A count of at most `limit`; more fails the packet.
    std::size_t Count(std::size_t limit);
    void Fail() { ok_ = false; }

    // True while every read fitted and nothing is left over: a packet must be read to its end.
    bool Ok() const { return ok_; }
    bool Finished() const { return ok_ && bytes_.Remaining() == 0; }

private:
    ByteReader bytes_;
    bool ok_ = true;
};
