#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

// The whole rest of a stream, or none once it passes `limit` bytes: binary files are read in one
// piece and then parsed, and a runaway file must not be taken into memory whole.
std::optional<std::vector<std::uint8_t>> ReadStreamBytes(std::istream& in, std::size_t limit);
