#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The entry for an item's kind in a table laid out by kind, as the map file numbers kinds; none
// for a kind outside the table.
template <typename T, std::size_t N>
const T* ByKind(const std::array<T, N>& table, std::int32_t kind) {
    if (kind < 0 || static_cast<std::size_t>(kind) >= N) return nullptr;
    return &table[static_cast<std::size_t>(kind)];
}
