// The game's sound synthesiser: turns a score (a text file of instruments and patterns) into a
// 22050 Hz 16-bit mono WAVE file, and describes a built WAVE file as text.
//   brawlwick_synth SCORE OUT.wav
//   brawlwick_synth --describe FILE.wav
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "Score.h"
#include "Synth.h"
#include "WavWriter.h"
#include "sound/WaveFile.h"

namespace {
int Usage() {
    std::fprintf(stderr, "usage: brawlwick_synth SCORE OUT.wav | --describe FILE.wav\n");
    return 2;
}

int Build(const char* scorePath, const char* outPath) {
    std::ifstream in(scorePath);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open\n", scorePath);
        return 1;
    }
    try {
        const Score score = ParseScore(in, std::filesystem::path(scorePath).parent_path());
        const auto pcm = ToPcm16(RenderScore(score, kSynthRate), score.peak);
        if (!WriteMonoWave(outPath, pcm, kSynthRate)) {
            std::fprintf(stderr, "%s: cannot write\n", outPath);
            return 1;
        }
    } catch (const ScoreError& error) {
        std::fprintf(stderr, "%s: %s\n", scorePath, error.what());
        return 1;
    }
    return 0;
}

// Format, length and levels; for 16-bit files also the step from the last sample to the first,
// which shows whether a loop joins without a click.
int Describe(const char* path) {
    WaveFile wave;
    const WaveResult result = ReadWave(path, wave);
    if (result != WaveResult::Ok) {
        std::fprintf(stderr, "%s: %s\n", path, DescribeWaveResult(result));
        return 1;
    }
    const WaveFormat& format = wave.format;
    const double seconds = static_cast<double>(wave.dataSize) /
                           (static_cast<double>(format.blockAlign) * format.samplesPerSecond);
    std::printf("%s: format %u, %u Hz, %u channel(s), %u bits, %.3f s\n", path, format.formatTag,
                format.samplesPerSecond, format.channels, format.bitsPerSample, seconds);
    if (format.formatTag != kWaveFormatPcm || format.bitsPerSample != 16) return 0;
    const std::size_t count = wave.dataSize / 2;
    const auto sample = [&](std::size_t i) {
        std::int16_t value = 0;
        std::memcpy(&value, wave.bytes.data() + wave.dataOffset + 2 * i, 2);
        return value / 32768.0;
    };
    double peak = 0.0;
    double power = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        peak = std::max(peak, std::fabs(sample(i)));
        power += sample(i) * sample(i);
    }
    std::printf("peak %.3f, rms %.3f, seam %.4f\n", peak,
                std::sqrt(power / static_cast<double>(count)),
                std::fabs(sample(count - 1) - sample(0)));
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--describe") == 0) return Describe(argv[2]);
    if (argc == 3) return Build(argv[1], argv[2]);
    return Usage();
}
