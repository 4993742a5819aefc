#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// The whole rest of a stream, or none once it passes `limit` bytes: binary files are read in one
// piece and then parsed, and a runaway file must not be taken into memory whole.
std::optional<std::vector<std::uint8_t>> ReadStreamBytes(std::istream& in, std::size_t limit);

// A whole file in one string, or none when it cannot be opened or passes `limit` bytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit);
