#include "core/ByteReader.h"

#include <bit>

bool ByteReader::ReadByte(std::uint8_t& value) {
    if (Remaining() < 1) return false;
    value = bytes_[position_++];
    return true;
}

bool ByteReader::ReadInt32(std::int32_t& value) {
    if (Remaining() < 4) return false;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | bytes_[position_ + static_cast<std::size_t>(i)];
    position_ += 4;
    value = std::bit_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::ReadFloat(float& value) {
    std::int32_t bits = 0;
    if (!ReadInt32(bits)) return false;
    value = std::bit_cast<float>(bits);
    return true;
}

bool ByteReader::ReadBytes(std::size_t count, std::string& text) {
    if (Remaining() < count) return false;
    const auto* start = bytes_.data() + position_;
    text.assign(reinterpret_cast<const char*>(start), count);
    position_ += count;
    return true;
}
