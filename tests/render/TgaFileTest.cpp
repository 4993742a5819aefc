#include "render/TgaFile.h"

#include <gtest/gtest.h>

#include "support/TgaBytes.h"

namespace {
TgaResult Parse(const std::vector<std::uint8_t>& bytes, TgaPixels& pixels) {
    return ParseTga(bytes.data(), bytes.size(), pixels);
}
}  // namespace

TEST(TgaFile, SwapsBlueAndRedOfEveryPixelAndKeepsRowOrder) {
    // Bottom row blue, white; top row red, green with half alpha.
    const std::vector<std::uint8_t> bgra = {255, 0, 0,   255, 255, 255, 255, 255,
                                            0,   0, 255, 128, 0,   255, 0,   128};
    TgaPixels rgba;
    ASSERT_EQ(Parse(TgaBytes(2, 2, 32, bgra), rgba), TgaResult::Ok);
    EXPECT_EQ(rgba.BytesPerPixel(), 4);
    EXPECT_EQ(rgba.data, (std::vector<std::uint8_t>{0, 0, 255, 255, 255, 255, 255, 255,  //
                                                    255, 0, 0, 128, 0, 255, 0, 128}));

    const std::vector<std::uint8_t> bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    TgaPixels rgb;
    ASSERT_EQ(Parse(TgaBytes(2, 2, 24, bgr), rgb), TgaResult::Ok);
    EXPECT_EQ(rgb.BytesPerPixel(), 3);
    EXPECT_EQ(rgb.data, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));

    // Bytes after the picture are not part of it.
    std::vector<std::uint8_t> longer = TgaBytes(2, 2, 24, bgr);
    longer.push_back(99);
    TgaPixels trailing;
    ASSERT_EQ(Parse(longer, trailing), TgaResult::Ok);
    EXPECT_EQ(trailing.data.size(), 12u);
}

TEST(TgaFile, SidesMustBePowersOfTwoFrom2To512AndTheSizeIsKeptWhenRefused) {
    for (const int side : {2, 64, 512}) {
        TgaPixels pixels;
        EXPECT_EQ(Parse(SolidTga(side, 2, {1, 2, 3}), pixels), TgaResult::Ok) << side;
        EXPECT_EQ(pixels.data.size(), static_cast<std::size_t>(side) * 2 * 3);
    }
    for (const auto& [width, height] : {std::pair{1024, 1024}, std::pair{100, 100}, std::pair{1, 2},
                                        std::pair{2, 0}, std::pair{4, 384}}) {
        TgaPixels pixels;
        EXPECT_EQ(Parse(TgaBytes(width, height, 24, {}), pixels), TgaResult::NotPowerOfTwo)
            << width << " x " << height;
        EXPECT_EQ(pixels.width, width);
        EXPECT_EQ(pixels.height, height);
        EXPECT_TRUE(pixels.data.empty());
    }
}

TEST(TgaFile, RefusesOtherTypesDepthsAndShortFiles) {
    TgaPixels pixels;
    EXPECT_EQ(Parse(TgaBytes(2, 2, 24, std::vector<std::uint8_t>(12), 10), pixels),
              TgaResult::WrongType);  // run-length encoded
    std::vector<std::uint8_t> colourMapped = TgaBytes(2, 2, 24, std::vector<std::uint8_t>(12));
    colourMapped[1] = 1;
    EXPECT_EQ(Parse(colourMapped, pixels), TgaResult::WrongType);

    EXPECT_EQ(Parse(TgaBytes(2, 2, 16, std::vector<std::uint8_t>(8)), pixels),
              TgaResult::UnsupportedDepth);
    EXPECT_EQ(Parse(TgaBytes(2, 2, 8, std::vector<std::uint8_t>(4)), pixels),
              TgaResult::UnsupportedDepth);

    EXPECT_EQ(Parse(TgaBytes(2, 2, 32, std::vector<std::uint8_t>(15)), pixels),
              TgaResult::PixelDataShort);
    EXPECT_EQ(Parse(TgaBytes(2, 2, 24, {}), pixels), TgaResult::PixelDataShort);

    // Headers cut anywhere are refused, never read past.
    const std::vector<std::uint8_t> whole = TgaBytes(2, 2, 24, std::vector<std::uint8_t>(12));
    for (std::size_t size = 0; size < 18; ++size) {
        TgaPixels cut;
        EXPECT_NE(ParseTga(whole.data(), size, cut), TgaResult::Ok) << size;
    }
}

TEST(TgaFile, ReadsFilesOfTheLargestSideAndReportsMissingOnes) {
    const auto directory = std::filesystem::path(testing::TempDir());
    const std::string largest =
        WriteBytes(directory / "TgaFileTest512.tga", SolidTga(512, 512, {10, 20, 30, 40}));
    TgaPixels pixels;
    ASSERT_EQ(ReadTga(largest, pixels), TgaResult::Ok);
    EXPECT_EQ(pixels.data.size(), 512u * 512u * 4u);  // the whole of the largest picture

    TgaPixels missing;
    EXPECT_EQ(ReadTga(directory / "TgaFileTestMissing.tga", missing), TgaResult::CannotOpen);
}
