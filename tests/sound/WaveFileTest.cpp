#include "sound/WaveFile.h"

#include <gtest/gtest.h>

#include "support/FileText.h"
#include "support/WaveBytes.h"

namespace {
WaveResult Parse(const Bytes& bytes, WaveFile& wave) {
    return ParseWave(bytes.data(), bytes.size(), wave);
}
}  // namespace

// Plain layouts load in the sound system's and the OpenAL output's tests; here, the chunk walk.
TEST(WaveFileTest, StepsOverOtherChunksAndKeepsAFormatsExtraBytes) {
    // Odd chunks carry a pad byte; a part block at the end of the data is dropped.
    const Bytes odd{1, 2, 3}, extra{9, 8, 7, 6};
    const Bytes mixed = WaveBytes()
                            .Chunk("LIST", odd)
                            .Chunk("fmt ", WaveBytes::Format(3, 2, 22050, 16, &extra))
                            .Chunk("fact", odd)
                            .Chunk("data", WaveBytes::Samples(10))
                            .Build();
    WaveFile wave;
    ASSERT_EQ(Parse(mixed, wave), WaveResult::Ok);
    EXPECT_EQ(wave.dataOffset, 12u + 12u + 30u + 12u + 8u);
    EXPECT_EQ(wave.dataSize, 8u);
    EXPECT_EQ(wave.format.extra, extra);
}

TEST(WaveFileTest, RefusesBrokenFilesWithTheReason) {
    const Bytes good = WaveBytes::Pcm(22050, 1, 16, 100);
    const Bytes format = WaveBytes::Format(1, 1, 22050, 16);
    const Bytes samples = WaveBytes::Samples(20);
    Bytes tooMuchExtra = WaveBytes::Format(3, 1, 22050, 32);
    tooMuchExtra.insert(tooMuchExtra.end(), {40, 0});  // says 40 extra bytes, has none
    const struct {
        const char* what;
        Bytes bytes;
        WaveResult expected;
    } cases[] = {
        {"nothing", {}, WaveResult::NotRiffWave},
        {"fmt cut by the end of the file", Bytes(good.begin(), good.begin() + 30),
         WaveResult::FormatTooShort},
        {"extra bytes past the fmt chunk", WaveBytes().Chunk("fmt ", tooMuchExtra).Build(),
         WaveResult::FormatTooShort},
        {"data before fmt", WaveBytes().Chunk("data", samples).Chunk("fmt ", format).Build(),
         WaveResult::NoData},
        {"less than one block", WaveBytes().Chunk("fmt ", format).Chunk("data", {1}).Build(),
         WaveResult::EmptyData},
        {"absurd data size",
         WaveBytes().Chunk("fmt ", format).ChunkClaiming("data", 0xFFFFFFF0u, samples).Build(),
         WaveResult::DataPastEnd},
        {"absurd chunk size before fmt",
         WaveBytes().ChunkClaiming("JUNK", 0xFFFFFFF0u, samples).Chunk("fmt ", format).Build(),
         WaveResult::NoFormat},
        {"24-bit PCM", WaveBytes::Pcm(22050, 1, 24, 10), WaveResult::BadFormat},
    };
    for (const auto& c : cases) {
        WaveFile wave;
        EXPECT_EQ(Parse(c.bytes, wave), c.expected) << c.what;
        EXPECT_TRUE(wave.bytes.empty()) << c.what;
    }
}

TEST(WaveFileTest, NeverReadsAFileLargerThanTheLimit) {
    const auto path = std::filesystem::path(testing::TempDir()) / "wave" / "huge.wav";
    WriteBytes(path, WaveBytes::Pcm(22050, 1, 16, 50));
    std::filesystem::resize_file(path, kMaxWaveBytes + 1);  // sparse: nothing is written
    WaveFile wave;
    EXPECT_EQ(ReadWave(path, wave), WaveResult::TooLarge);
    std::filesystem::remove(path);
}
