#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "net/HostMessages.h"

// The host's map as its clients get it: named and checked in their welcome, and sent in chunks
// to those who lack it. A map past the largest the protocol carries cannot be sent at all.
class HostedMap {
public:
    void Load(const std::filesystem::path& path);
    bool Sendable() const { return bytes_.has_value(); }
    std::uint32_t Checksum() const { return checksum_; }
    // Fills in the welcome's map fields.
    void Describe(Welcome& welcome) const;
    std::vector<MapChunk> Chunks() const;

private:
    std::string file_;  // its name in Maps/
    std::optional<std::string> bytes_;
    std::uint32_t checksum_ = 0;
};
