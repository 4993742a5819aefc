// Real OpenAL playback through its silent "null" output (CTest sets ALSOFT_DRIVERS=null), so
// it runs on machines without a sound card.
#include "platform/OpenAlDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sound/WaveFile.h"
#include "support/WaveBytes.h"

namespace {
using Clock = std::chrono::steady_clock;

WaveFile Wave(const Bytes& bytes) {
    WaveFile wave;
    EXPECT_EQ(ParseWave(bytes.data(), bytes.size(), wave), WaveResult::Ok);
    return wave;
}

// Seconds until the copy stops playing, or the limit when it does not.
double SecondsUntilQuiet(const SoundCopies& sound, int copy, double limit) {
    const auto start = Clock::now();
    while (sound.IsPlaying(copy)) {
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        if (elapsed.count() >= limit) return limit;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class OpenAlDeviceTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(device_.Open(), std::nullopt); }

    OpenAlDevice device_;
};
}  // namespace

TEST_F(OpenAlDeviceTest, CopiesPlayStopAndLoopOnTheirOwn) {
    std::string why;
    auto sound = device_.Load(Wave(WaveBytes::Pcm(22050, 1, 16, 2205)), 2, why);  // 0.1 s
    ASSERT_NE(sound, nullptr) << why;
    EXPECT_EQ(sound->Count(), 2);
    EXPECT_FALSE(sound->IsPlaying(0));

    sound->Play(0, 22050, false);
    sound->Play(1, 22050, true);
    EXPECT_TRUE(sound->IsPlaying(0));
    EXPECT_TRUE(sound->IsPlaying(1));
    EXPECT_LT(SecondsUntilQuiet(*sound, 0, 5.0), 5.0);  // a single play ends by itself
    EXPECT_TRUE(sound->IsPlaying(1));                   // the looping one goes on
    sound->Stop(1);
    EXPECT_FALSE(sound->IsPlaying(1));

    // Playing a busy copy again does not restart it: a looping copy switched to a single play
    // ends within one length of the sound.
    sound->Play(1, 22050, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    sound->Play(1, 22050, false);
    EXPECT_LT(SecondsUntilQuiet(*sound, 1, 5.0), 5.0);
}

TEST_F(OpenAlDeviceTest, SlowerRatesLowerThePitchAndLengthenTheSound) {
    std::string why;
    auto sound = device_.Load(Wave(WaveBytes::Pcm(22050, 1, 16, 4410)), 1, why);  // 0.2 s
    ASSERT_NE(sound, nullptr) << why;
    sound->Play(0, 22050, false);
    const double normal = SecondsUntilQuiet(*sound, 0, 5.0);
    sound->Play(0, 5512, false);  // a quarter of the speed: 0.8 s
    const double slow = SecondsUntilQuiet(*sound, 0, 5.0);
    EXPECT_GT(slow, normal + 0.3) << "normal " << normal << " s, slow " << slow << " s";
}

TEST_F(OpenAlDeviceTest, DecodesEveryLayoutSdlReadsAndRefusesTheRest) {
    std::string why;
    EXPECT_NE(device_.Load(Wave(WaveBytes::Pcm(11025, 2, 8, 100)), 1, why), nullptr) << why;
    EXPECT_NE(device_.Load(Wave(WaveBytes::Pcm(44100, 2, 16, 100)), 1, why), nullptr) << why;
    const Bytes none;
    const Bytes floats = WaveBytes()
                             .Chunk("fmt ", WaveBytes::Format(3, 1, 22050, 32, &none))
                             .Chunk("data", Bytes(400, 0))
                             .Build();
    EXPECT_NE(device_.Load(Wave(floats), 1, why), nullptr) << why;

    const Bytes unknown = WaveBytes()
                              .Chunk("fmt ", WaveBytes::Format(0x1234, 1, 22050, 16, &none))
                              .Chunk("data", Bytes(400, 0))
                              .Build();
    EXPECT_EQ(device_.Load(Wave(unknown), 1, why), nullptr);
    EXPECT_FALSE(why.empty());

    device_.Close();
    why.clear();
    EXPECT_EQ(device_.Load(Wave(WaveBytes::Pcm(22050, 1, 16, 100)), 1, why), nullptr);
    EXPECT_EQ(why, "no audio output");
}
