// The WAVE reader meets files users drop into Base/Sound/: whatever it is given, it reads no
// byte outside them, and what it accepts can be played as it says.
#include <cstdint>

#include "sound/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WaveFile wave;
    if (ParseWave(data, size, wave) != WaveResult::Ok) return 0;
    const WaveFormat& format = wave.format;
    const bool samplesInside = wave.dataSize > 0 && wave.dataOffset <= wave.bytes.size() &&
                               wave.dataSize <= wave.bytes.size() - wave.dataOffset;
    const bool wholeBlocks = format.blockAlign > 0 && wave.dataSize % format.blockAlign == 0;
    const bool playablePcm = format.formatTag != kWaveFormatPcm ||
                             (format.channels >= 1 && format.channels <= 2 &&
                              (format.bitsPerSample == 8 || format.bitsPerSample == 16));
    if (wave.bytes.size() != size || !samplesInside || !wholeBlocks || !playablePcm) {
        __builtin_trap();
    }
    return 0;
}
