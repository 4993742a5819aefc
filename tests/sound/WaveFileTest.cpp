#include "sound/WaveFile.h"

#include <gtest/gtest.h>

#include "support/FileText.h"
#include "support/WaveBytes.h"

namespace {
WaveResult Parse(const Bytes& bytes, WaveFile* out = nullptr) {
    WaveFile wave;
    return ParseWave(bytes.data(), bytes.size(), out != nullptr ? *out : wave);
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes WithByte(Bytes bytes, std::size_t at, std::uint8_t value) {
    bytes[at] = value;
    return bytes;
}
}  // namespace

TEST(WaveFileTest, AcceptsEveryPlayableLayoutAndFindsItsSamples) {
    WaveFile wave;
    ASSERT_EQ(Parse(WaveBytes::Pcm(22050, 1, 16, 100), &wave), WaveResult::Ok);
    EXPECT_EQ(wave.format.samplesPerSecond, 22050u);
    EXPECT_EQ(wave.format.channels, 1);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.dataOffset, 44u);
    EXPECT_EQ(wave.dataSize, 200u);
    EXPECT_EQ(wave.bytes.size(), 244u);

    // Other rates, 8 bits and stereo load in the sound system's and the OpenAL output's tests.

    // Chunks before "fmt " and between it and "data" are stepped over, odd ones with their pad
    // byte; a part block at the end of the data is dropped.
    const Bytes odd{1, 2, 3};
    const Bytes mixed = WaveBytes()
                            .Chunk("LIST", odd)
                            .Chunk("fmt ", WaveBytes::Format(1, 2, 22050, 16))
                            .Chunk("fact", odd)
                            .Chunk("data", WaveBytes::Samples(10))
                            .Build();
    ASSERT_EQ(Parse(mixed, &wave), WaveResult::Ok);
    EXPECT_EQ(wave.dataOffset, 12u + 12u + 24u + 12u + 8u);
    EXPECT_EQ(wave.dataSize, 8u);

    // Formats other than PCM carry extra bytes after a size; the output decides whether it can
    // play them.
    const Bytes extra{9, 8, 7, 6};
    const Bytes floats = WaveBytes()
                             .Chunk("fmt ", WaveBytes::Format(3, 1, 22050, 32, &extra))
                             .Chunk("data", WaveBytes::Samples(64))
                             .Build();
    ASSERT_EQ(Parse(floats, &wave), WaveResult::Ok);
    EXPECT_EQ(wave.format.formatTag, 3);
    EXPECT_EQ(wave.format.extra, extra);
}

TEST(WaveFileTest, RefusesBrokenFilesWithTheReason) {
    const Bytes good = WaveBytes::Pcm(22050, 1, 16, 100);
    const Bytes format = WaveBytes::Format(1, 1, 22050, 16);
    const Bytes samples = WaveBytes::Samples(20);
    const Bytes tooMuchExtra = [] {
        Bytes body = WaveBytes::Format(3, 1, 22050, 32);
        body.insert(body.end(), {40, 0});  // says 40 extra bytes, has none
        return body;
    }();
    const struct {
        const char* what;
        Bytes bytes;
        WaveResult expected;
    } cases[] = {
        {"nothing", {}, WaveResult::NotRiffWave},
        {"only the RIFF header", Truncated(good, 12), WaveResult::NoFormat},
        {"not RIFF", WithByte(good, 3, 'X'), WaveResult::NotRiffWave},
        {"not WAVE", WithByte(good, 8, 'A'), WaveResult::NotRiffWave},
        {"no fmt", WaveBytes().Chunk("data", samples).Build(), WaveResult::NoFormat},
        {"short fmt",
         WaveBytes().Chunk("fmt ", Truncated(format, 14)).Chunk("data", samples).Build(),
         WaveResult::FormatTooShort},
        {"fmt cut by the end of the file", Truncated(good, 30), WaveResult::FormatTooShort},
        {"extra bytes past the fmt chunk", WaveBytes().Chunk("fmt ", tooMuchExtra).Build(),
         WaveResult::FormatTooShort},
        {"no data", WaveBytes().Chunk("fmt ", format).Build(), WaveResult::NoData},
        {"data before fmt", WaveBytes().Chunk("data", samples).Chunk("fmt ", format).Build(),
         WaveResult::NoData},
        {"empty data", WaveBytes().Chunk("fmt ", format).Chunk("data", {}).Build(),
         WaveResult::EmptyData},
        {"less than one block", WaveBytes().Chunk("fmt ", format).Chunk("data", {1}).Build(),
         WaveResult::EmptyData},
        {"truncated data", Truncated(good, 100), WaveResult::DataPastEnd},
        {"absurd data size",
         WaveBytes().Chunk("fmt ", format).ChunkClaiming("data", 0xFFFFFFF0u, samples).Build(),
         WaveResult::DataPastEnd},
        {"absurd chunk size before fmt",
         WaveBytes().ChunkClaiming("JUNK", 0xFFFFFFF0u, samples).Chunk("fmt ", format).Build(),
         WaveResult::NoFormat},
        {"absurd fmt size hides data",
         WaveBytes().ChunkClaiming("fmt ", 0xFFFFFFF0u, format).Chunk("data", samples).Build(),
         WaveResult::NoData},
        {"RIFF ends before data",
         WaveBytes().Chunk("fmt ", format).Chunk("data", samples).Build(4 + 24),
         WaveResult::NoData},
        {"24-bit PCM", WaveBytes::Pcm(22050, 1, 24, 10), WaveResult::BadFormat},
        {"six channels", WaveBytes::Pcm(22050, 6, 16, 10), WaveResult::BadFormat},
        {"rate 0", WaveBytes::Pcm(0, 1, 16, 10), WaveResult::BadFormat},
        {"rate past the output's range", WaveBytes::Pcm(400000, 1, 16, 10), WaveResult::BadFormat},
        {"no channels", WaveBytes::Pcm(22050, 0, 16, 10), WaveResult::BadFormat},
        {"block size that does not fit the layout", WithByte(good, 32, 3), WaveResult::BadFormat},
    };
    for (const auto& c : cases) {
        WaveFile wave;
        EXPECT_EQ(Parse(c.bytes, &wave), c.expected) << c.what;
        EXPECT_TRUE(wave.bytes.empty()) << c.what;
    }
}

// Reading a missing or good file, and the reasons' texts, show in the sound system's test.
TEST(WaveFileTest, NeverReadsAFileLargerThanTheLimit) {
    const auto folder = std::filesystem::path(testing::TempDir()) / "wave";
    WaveFile wave;
    // A sparse file past the limit is refused before anything is read.
    WriteBytes(folder / "huge.wav", WaveBytes::Pcm(22050, 1, 16, 50));
    std::filesystem::resize_file(folder / "huge.wav", kMaxWaveBytes + 1);
    EXPECT_EQ(ReadWave(folder / "huge.wav", wave), WaveResult::TooLarge);
    std::filesystem::remove(folder / "huge.wav");
}
