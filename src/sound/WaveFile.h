#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

inline constexpr std::uint16_t kWaveFormatPcm = 1;

// The "fmt " chunk: its first 16 bytes and, for formats other than PCM, the extra bytes.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::uint8_t> extra;
};

// A whole RIFF WAVE file that passed the chunk rules: its bytes, its format and where its
// samples lie (always inside the bytes, never empty, a whole number of blocks for PCM).
struct WaveFile {
    std::vector<std::uint8_t> bytes;
    WaveFormat format;
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
};

enum class WaveResult {
    Ok,
    CannotOpen,
    TooLarge,
    NotRiffWave,
    NoFormat,
    FormatTooShort,
    BadFormat,
    NoData,
    EmptyData,
    DataPastEnd,
};

// Longest file read; longer ones are refused rather than read in part.
inline constexpr std::size_t kMaxWaveBytes = 32u << 20;

// Why a file was refused, for the log.
const char* DescribeWaveResult(WaveResult result);

WaveResult ReadWave(const std::filesystem::path& path, WaveFile& out);
// The same rules over bytes already in memory; on success `out` holds a copy of them.
WaveResult ParseWave(const std::uint8_t* bytes, std::size_t size, WaveFile& out);
