#include "core/StreamBytes.h"

#include <array>
#include <fstream>

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

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const auto bytes = ReadStreamBytes(file, limit);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}
