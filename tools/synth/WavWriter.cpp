#include "WavWriter.h"

#include <string_view>

#include "core/AtomicFile.h"

namespace {
void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutId(std::vector<std::uint8_t>& out, std::string_view id) {
    for (const char c : id)
        out.push_back(static_cast<std::uint8_t>(c));
}
}  // namespace

std::vector<std::uint8_t> EncodeMonoWave(const std::vector<std::int16_t>& samples, int rate) {
    constexpr std::uint32_t kBlock = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBlock);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    PutId(out, "RIFF");
    Put(out, 36 + dataSize, 4);
    PutId(out, "WAVE");
    PutId(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, 1, 2);  // mono
    Put(out, static_cast<std::uint32_t>(rate), 4);
    Put(out, static_cast<std::uint32_t>(rate) * kBlock, 4);
    Put(out, kBlock, 2);
    Put(out, 16, 2);
    PutId(out, "data");
    Put(out, dataSize, 4);
    for (const std::int16_t sample : samples)
        Put(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

bool WriteMonoWave(const std::filesystem::path& path, const std::vector<std::int16_t>& samples,
                   int rate) {
    const auto bytes = EncodeMonoWave(samples, rate);
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}
