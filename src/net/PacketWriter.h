#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/ByteWriter.h"
#include "core/Vec2.h"

// Builds one packet: little-endian numbers, strings cut to a bound, and positions and speeds
// packed into 16 bits at the resolution a drawing needs.
class PacketWriter {
public:
    void Byte(std::uint8_t value) { bytes_.WriteByte(value); }
    void Uint16(std::uint16_t value);
    void Int16(int value);  // clamped to the 16-bit range
    void Uint32(std::uint32_t value) { bytes_.WriteInt32(static_cast<std::int32_t>(value)); }
    void Int32(std::int32_t value) { bytes_.WriteInt32(value); }
    void Float(float value) { bytes_.WriteFloat(value); }
    // At most `limit` bytes (and never more than 255), after a length byte.
    void String(std::string_view text, std::size_t limit);
    void Raw(std::string_view bytes) { bytes_.WriteBytes(bytes); }
    // `value * scale` rounded into 16 bits.
    void Scaled(float value, float scale);
    void Point(Vec2 value, float scale) {
        Scaled(value.x, scale);
        Scaled(value.y, scale);
    }

    std::size_t Size() const { return bytes_.Bytes().size(); }
    std::vector<std::uint8_t> Take() { return bytes_.Take(); }

private:
    ByteWriter bytes_;
};
