#include "core/ByteWriter.h"

#include <bit>

void ByteWriter::WriteInt32(std::int32_t value) {
    auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(bits & 0xffu));
        bits >>= 8;
    }
}

void ByteWriter::WriteFloat(float value) { WriteInt32(std::bit_cast<std::int32_t>(value)); }

void ByteWriter::WriteBytes(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}
