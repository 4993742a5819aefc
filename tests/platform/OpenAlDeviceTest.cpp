// Real OpenAL playback through its silent "null" output (CTest sets ALSOFT_DRIVERS=null), so
// it runs on machines without a sound card.
#include "platform/OpenAlDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sound/WaveFile.h"
#include "support/WaveBytes.h"

namespace {
WaveFile Wave(const Bytes& bytes) {
    WaveFile wave;
    EXPECT_EQ(ParseWave(bytes.data(), bytes.size(), wave), WaveResult::Ok);
    return wave;
}

// Whether the copy stops playing by itself within five seconds.
bool EndsBySelf(const SoundCopies& sound, int copy) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sound.IsPlaying(copy) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !sound.IsPlaying(copy);
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
    sound->Play(0, 22050, false);
    sound->Play(1, 22050, true);
    EXPECT_TRUE(EndsBySelf(*sound, 0));  // a single play
    EXPECT_TRUE(sound->IsPlaying(1));    // the looping one goes on
    sound->Stop(1);
    EXPECT_FALSE(sound->IsPlaying(1));

    // Playing a busy copy again does not restart it: a looping copy switched to a single play
    // ends within one length of the sound.
    sound->Play(1, 22050, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    sound->Play(1, 22050, false);
    EXPECT_TRUE(EndsBySelf(*sound, 1));
}

TEST_F(OpenAlDeviceTest, DecodesEveryLayoutSdlReadsAndNothingOnceClosed) {
    const auto coded = [](std::uint16_t tag, std::uint16_t bits) {
        const Bytes none;
        return Wave(WaveBytes()
                        .Chunk("fmt ", WaveBytes::Format(tag, 1, 22050, bits, &none))
                        .Chunk("data", Bytes(400, 0))
                        .Build());
    };
    std::string why;
    EXPECT_NE(device_.Load(Wave(WaveBytes::Pcm(11025, 2, 8, 100)), 1, why), nullptr) << why;
    EXPECT_NE(device_.Load(coded(3, 32), 1, why), nullptr) << why;  // floats

    device_.Close();
    EXPECT_EQ(device_.Load(Wave(WaveBytes::Pcm(22050, 1, 16, 100)), 1, why), nullptr);
    EXPECT_EQ(why, "no audio output");
}
