#include "net/PacketReader.h"

#include <cmath>

std::uint8_t PacketReader::Byte() {
    std::uint8_t value = 0;
    if (ok_ && !bytes_.ReadByte(value)) ok_ = false;
    return ok_ ? value : 0;
}

std::uint16_t PacketReader::Uint16() {
    const std::uint8_t low = Byte();
    const std::uint8_t high = Byte();
    return static_cast<std::uint16_t>(low | (high << 8));
}

int PacketReader::Int16() { return static_cast<std::int16_t>(Uint16()); }

std::uint32_t PacketReader::Uint32() { return static_cast<std::uint32_t>(Int32()); }

std::int32_t PacketReader::Int32() {
    std::int32_t value = 0;
    if (ok_ && !bytes_.ReadInt32(value)) ok_ = false;
    return ok_ ? value : 0;
}

float PacketReader::Float() {
    float value = 0.0f;
    if (ok_ && !bytes_.ReadFloat(value)) ok_ = false;
    if (ok_ && !std::isfinite(value)) ok_ = false;
    return ok_ ? value : 0.0f;
}

std::string PacketReader::String(std::size_t limit) {
    const std::size_t length = Byte();
    if (length > limit) ok_ = false;
    return Raw(length);
}

std::string PacketReader::Raw(std::size_t count) {
    std::string text;
    if (ok_ && !bytes_.ReadBytes(count, text)) ok_ = false;
    return ok_ ? text : std::string();
}

std::size_t PacketReader::Count(std::size_t limit) {
    const std::size_t count = Uint16();
    if (count > limit) ok_ = false;
    return ok_ ? count : 0;
}
