#include "core/StreamBytes.h"

#include <array>

std::optional<std::vector<std::uint8_t>> ReadStreamBytes(std::istream& in, std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    std::array<char, 65536> buffer{};
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        const auto count = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + count > limit) return std::nullopt;
        bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + in.gcount());
    }
    return bytes;
}
