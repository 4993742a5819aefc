#include "sound/WaveFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <optional>

namespace {
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kFormatSize = 16;
// The output takes rates in this range only.
constexpr std::uint32_t kMinRate = 100;
constexpr std::uint32_t kMaxRate = 200000;

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool IdIs(const std::uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

struct Chunk {
    std::size_t body = 0;  // offset of the first byte after the chunk header
    std::size_t size = 0;  // as the header claims it; may run past the end
    std::size_t next = 0;  // where the search goes on after this chunk
};

// Walks the chunks from `from` up to `end` for the first with this id. A chunk whose claimed
// size runs past `end` can still be the one looked for, but ends the walk.
std::optional<Chunk> FindChunk(const std::uint8_t* bytes, std::size_t from, std::size_t end,
                               const char* id) {
    std::size_t at = from;
    while (end >= kChunkHeaderSize && at <= end - kChunkHeaderSize) {
        Chunk chunk;
        chunk.body = at + kChunkHeaderSize;
        chunk.size = Read32(bytes + at + 4);
        chunk.next = chunk.body + chunk.size + (chunk.size & 1);  // chunks are word-aligned
        if (IdIs(bytes + at, id)) return chunk;
        if (chunk.next > end) break;
        at = chunk.next;
    }
    return std::nullopt;
}

bool IsPlayablePcm(const WaveFormat& format) {
    return (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.blockAlign == format.channels * format.bitsPerSample / 8;
}

bool IsSane(const WaveFormat& format) {
    if (format.samplesPerSecond < kMinRate || format.samplesPerSecond > kMaxRate) return false;
    if (format.channels == 0 || format.blockAlign == 0) return false;
    return format.formatTag != kWaveFormatPcm || IsPlayablePcm(format);
}

// Reads the "fmt " chunk whose body starts at `body`; `available` bytes of it are in the file.
WaveResult ReadFormat(const std::uint8_t* body, std::size_t claimed, std::size_t available,
                      WaveFormat& format) {
    const std::size_t size = std::min(claimed, available);
    if (size < kFormatSize) return WaveResult::FormatTooShort;
    format.formatTag = Read16(body);
    format.channels = Read16(body + 2);
    format.samplesPerSecond = Read32(body + 4);
    format.averageBytesPerSecond = Read32(body + 8);
    format.blockAlign = Read16(body + 12);
    format.bitsPerSample = Read16(body + 14);
    if (format.formatTag != kWaveFormatPcm) {
        if (size < kFormatSize + 2) return WaveResult::FormatTooShort;
        const std::size_t extra = Read16(body + kFormatSize);
        if (kFormatSize + 2 + extra > size) return WaveResult::FormatTooShort;
        format.extra.assign(body + kFormatSize + 2, body + kFormatSize + 2 + extra);
    }
    return IsSane(format) ? WaveResult::Ok : WaveResult::BadFormat;
}

// Everything but the bytes themselves, which the callers copy or move in.
WaveResult Parse(const std::uint8_t* bytes, std::size_t size, WaveFile& out) {
    if (size > kMaxWaveBytes) return WaveResult::TooLarge;
    if (size < kRiffHeaderSize || !IdIs(bytes, "RIFF") || !IdIs(bytes + 8, "WAVE")) {
        return WaveResult::NotRiffWave;
    }
    // The chunks are looked for inside the RIFF chunk, or as much of it as the file holds.
    const std::size_t end = std::min<std::size_t>(size, std::size_t{8} + Read32(bytes + 4));
    const auto format = FindChunk(bytes, kRiffHeaderSize, end, "fmt ");
    if (!format) return WaveResult::NoFormat;
    WaveFormat parsed;
    const WaveResult read =
        ReadFormat(bytes + format->body, format->size, size - format->body, parsed);
    if (read != WaveResult::Ok) return read;

    const auto data = FindChunk(bytes, format->next, end, "data");
    if (!data) return WaveResult::NoData;
    if (data->size == 0) return WaveResult::EmptyData;
    if (data->size > size - data->body) return WaveResult::DataPastEnd;
    // A part block at the end cannot be played; it is dropped.
    const std::size_t whole = data->size - data->size % parsed.blockAlign;
    if (whole == 0) return WaveResult::EmptyData;

    out.format = std::move(parsed);
    out.dataOffset = data->body;
    out.dataSize = whole;
    return WaveResult::Ok;
}
}  // namespace

WaveResult ParseWave(const std::uint8_t* bytes, std::size_t size, WaveFile& out) {
    const WaveResult result = Parse(bytes, size, out);
    if (result == WaveResult::Ok) out.bytes.assign(bytes, bytes + size);
    return result;
}

WaveResult ReadWave(const std::filesystem::path& path, WaveFile& out) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return WaveResult::CannotOpen;
    const std::streamoff end = file.tellg();
    if (end < 0) return WaveResult::CannotOpen;
    if (static_cast<std::size_t>(end) > kMaxWaveBytes) return WaveResult::TooLarge;
    file.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(end));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    const WaveResult result = Parse(bytes.data(), bytes.size(), out);
    if (result == WaveResult::Ok) out.bytes = std::move(bytes);
    return result;
}

const char* DescribeWaveResult(WaveResult result) {
    static constexpr std::array kTexts = {
        "loaded",
        "cannot open the file",
        "the file is too large",
        "not a RIFF WAVE file",
        "no \"fmt \" chunk",
        "the \"fmt \" chunk is too short",
        "a sample format that cannot be played",
        "no \"data\" chunk",
        "the \"data\" chunk is empty",
        "the \"data\" chunk runs past the end of the file",
    };
    return kTexts.at(static_cast<std::size_t>(result));
}
