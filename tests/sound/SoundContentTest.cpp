// The sounds the build makes: every table line loads, every sound the game names by file is
// there, and the music loops without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/Log.h"
#include "sound/SoundSystem.h"
#include "sound/WaveFile.h"
#include "support/RecordingAudioDevice.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
}  // namespace

TEST(SoundContentTest, EveryTableLineLoadsAndEveryNamedSoundIsThere) {
    AudioRecord record;
    Log log;  // a failed load shows as a sound not loaded
    SoundSystem sound(std::make_unique<RecordingAudioDevice>(record), log, kBase.parent_path(),
                      nullptr);
    sound.Initialize();
    sound.LoadSoundTable("Base/BWsnd.stb");
    for (int id = 0; id < sound.Count(); ++id)
        EXPECT_TRUE(sound.IsLoaded(id)) << id;
    EXPECT_EQ(sound.FindSound("Base/Sound/Click.wav"), 0);  // the menu click is ID 0
    // The table is the one list of sounds; these are the ones the code names by file.
    for (const char* name : {"MenuMusic.wav", "GameMusic01.wav", "GameMusicEnd.wav"}) {
        EXPECT_NE(sound.FindSound(std::string(kSoundDirectory) + name), -1) << name;
    }
}

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
