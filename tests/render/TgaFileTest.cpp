#include "render/TgaFile.h"

#include <gtest/gtest.h>

#include "support/TgaBytes.h"

namespace {
TgaResult Parse(const std::vector<std::uint8_t>& bytes, TgaPixels& pixels) {
    return ParseTga(bytes.data(), bytes.size(), pixels);
}
}  // namespace

TEST(TgaFile, ReadsPicturesAsCommonToolsWriteThem) {
    // Bottom row two blue-ish pixels, top row two others; read bottom row first, blue and red
    // swapped.
    const std::vector<std::uint8_t> expected = {3, 2, 1, 3, 2, 1, 9, 8, 7, 12, 11, 10};
    constexpr std::uint8_t kTopLeft = 0x20;
    constexpr std::uint8_t kRightToLeft = 0x10;
    const struct {
        const char* what;
        std::uint8_t type;
        std::uint8_t descriptor;
        std::vector<std::uint8_t> stored;
    } cases[] = {
        {"plain", 2, 0, {1, 2, 3, 1, 2, 3, 7, 8, 9, 10, 11, 12}},
        {"top-left origin", 2, kTopLeft, {7, 8, 9, 10, 11, 12, 1, 2, 3, 1, 2, 3}},
        {"right-to-left", 2, kRightToLeft, {1, 2, 3, 1, 2, 3, 10, 11, 12, 7, 8, 9}},
        {"run-length", 10, 0, {0x81, 1, 2, 3, 0x01, 7, 8, 9, 10, 11, 12}},
        {"run-length top-left", 10, kTopLeft, {0x01, 7, 8, 9, 10, 11, 12, 0x81, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> file = TgaBytes(2, 2, 24, c.stored, c.type);
        file[17] = c.descriptor;
        for (const auto& bytes : {file, WithImageId(file, std::vector<std::uint8_t>(12, 'c'))}) {
            TgaPixels pixels;
            ASSERT_EQ(Parse(bytes, pixels), TgaResult::Ok) << c.what;
            EXPECT_EQ(pixels.data, expected) << c.what << ", ID of " << int{bytes[0]};
        }
    }
}

TEST(TgaFile, RefusesWhatItCannotRead) {
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        TgaResult result;
    } refused[] = {
        {"colour-mapped", TgaBytes(2, 2, 24, std::vector<std::uint8_t>(4), 9),
         TgaResult::WrongType},
        {"16 bits", TgaBytes(2, 2, 16, std::vector<std::uint8_t>(8)), TgaResult::UnsupportedDepth},
        {"3 wide", TgaBytes(3, 2, 24, std::vector<std::uint8_t>(18)), TgaResult::NotPowerOfTwo},
        {"1024 wide", TgaBytes(1024, 2, 24, {}), TgaResult::NotPowerOfTwo},
        {"pixels missing", TgaBytes(2, 2, 32, std::vector<std::uint8_t>(15)), TgaResult::CutShort},
        {"ID past the end", WithImageId(TgaBytes(2, 2, 24, {}), std::vector<std::uint8_t>(5)),
         TgaResult::CutShort},
        {"runs end early", TgaBytes(2, 2, 24, {0x82, 1, 2, 3}, 10), TgaResult::CutShort},
        {"raw packet cut", TgaBytes(2, 2, 24, {0x03, 1, 2, 3}, 10), TgaResult::CutShort},
        {"run past the picture", TgaBytes(2, 2, 24, {0x84, 1, 2, 3}, 10),
         TgaResult::RunPastPicture},
    };
    for (const auto& r : refused) {
        TgaPixels pixels;
        EXPECT_EQ(Parse(r.bytes, pixels), r.result) << r.what;
        EXPECT_TRUE(pixels.data.empty()) << r.what;
    }
    // The reason names what the file holds (the sizes are the sprite table's log test's).
    TgaPixels mapped;
    Parse(refused[0].bytes, mapped);
    EXPECT_EQ(DescribeTgaResult(TgaResult::WrongType, mapped),
              "image type 9; only true colour, plain (2) or run-length (10), is read");
}

TEST(TgaFile, ReadsFilesOfTheLargestSideAndReportsMissingOnes) {
    const auto directory = std::filesystem::path(testing::TempDir());
    const std::string largest =
        WriteBytes(directory / "TgaFileTest512.tga", SolidTga(512, 512, {10, 20, 30, 40}));
    TgaPixels pixels;
    EXPECT_EQ(ReadTga(largest, pixels), TgaResult::Ok);

    TgaPixels missing;
    EXPECT_EQ(ReadTga(directory / "TgaFileTestMissing.tga", missing), TgaResult::CannotOpen);
}
