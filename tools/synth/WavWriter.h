#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// The bytes of a mono 16-bit PCM RIFF WAVE file.
std::vector<std::uint8_t> EncodeMonoWave(const std::vector<std::int16_t>& samples, int rate);

// Writes them whole or not at all; false when the file could not be written.
bool WriteMonoWave(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int rate);
