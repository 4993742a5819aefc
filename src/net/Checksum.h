#pragma once

#include <cstdint>
#include <string_view>

// FNV-1a over the bytes: enough to tell two map files apart, not to stand against forgery (the
// host is the authority anyway).
inline std::uint32_t Checksum(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}
