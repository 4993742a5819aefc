// The music the build makes loops without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "sound/WaveFile.h"

const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

TEST(SoundContentTest, MusicLoopsJoinWithoutAClick) {
    for (const char* name : {"MenuMusic.wav", "GameMusic01.wav"}) {
        WaveFile wave;
        ASSERT_EQ(ReadWave(kBase / "Sound" / name, wave), WaveResult::Ok) << name;
        std::vector<std::int16_t> samples(wave.dataSize / 2);
        std::memcpy(samples.data(), wave.bytes.data() + wave.dataOffset, samples.size() * 2);
        // The step from the last sample back to the first is no larger than the steps the
        // music takes anyway (99 in 100 of them).
        std::vector<int> steps;
        for (std::size_t i = 1; i < samples.size(); ++i)
            steps.push_back(std::abs(samples[i] - samples[i - 1]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        const int usual = steps[steps.size() * 99 / 100];
        EXPECT_LE(std::abs(samples.back() - samples.front()), usual) << name;
        EXPECT_GT(usual, 0) << name;
    }
}
