#include "net/PacketWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>

void PacketWriter::Uint16(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value & 0xffu));
    Byte(static_cast<std::uint8_t>(value >> 8));
}

void PacketWriter::Int16(int value) {
    const int clamped =
        std::clamp(value, static_cast<int>(std::numeric_limits<std::int16_t>::min()),
                   static_cast<int>(std::numeric_limits<std::int16_t>::max()));
    Uint16(static_cast<std::uint16_t>(static_cast<std::int16_t>(clamped)));
}

void PacketWriter::String(std::string_view text, std::size_t limit) {
    const std::size_t length = std::min({text.size(), limit, std::size_t{255}});
    Byte(static_cast<std::uint8_t>(length));
    Raw(text.substr(0, length));
}

void PacketWriter::Scaled(float value, float scale) {
    // A NaN or a value off the scale lands on its nearest end: a drawing position, never a fault.
    const float scaled = std::isnan(value) ? 0.0f : std::round(value * scale);
    Int16(static_cast<int>(std::clamp(scaled, -32768.0f, 32767.0f)));
}
