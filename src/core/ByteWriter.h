#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// Appends little-endian values to a byte buffer, whatever the byte order of the machine.
class ByteWriter {
public:
    void WriteByte(std::uint8_t value) { bytes_.push_back(value); }
    void WriteInt32(std::int32_t value);
    void WriteFloat(float value);
    void WriteBytes(std::string_view text);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};
