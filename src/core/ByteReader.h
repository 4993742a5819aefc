#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Reads little-endian values from a byte buffer and never past its end: a read that does not
// fit fails, leaves the value alone and consumes nothing.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ReadByte(std::uint8_t& value);
    bool ReadInt32(std::int32_t& value);
    bool ReadFloat(float& value);
    // Exactly `count` raw bytes as a string.
    bool ReadBytes(std::size_t count, std::string& text);

    std::size_t Remaining() const { return bytes_.size() - position_; }
    std::size_t Position() const { return position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};
