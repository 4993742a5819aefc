#include "render/GLImage.h"

#include <gtest/gtest.h>

#include "support/TgaBytes.h"

// Reading alone needs no GL context; only uploading does.
TEST(GLImage, TakesConsecutiveTextureNamesAndKeepsTheSizeOfARefusedFile) {
    const auto directory = std::filesystem::path(testing::TempDir());
    const std::string tooLarge =
        WriteBytes(directory / "GLImageTest1024.tga", TgaBytes(1024, 512, 32, {}));
    const std::string good =
        WriteBytes(directory / "GLImageTestGood.tga", SolidTga(4, 8, {0, 0, 255}));

    GLImage refused;
    const std::uint32_t first = refused.TextureName();
    EXPECT_NE(first, 0u);
    TgaPixels pixels;
    EXPECT_FALSE(refused.Read(tooLarge, pixels));
    EXPECT_EQ(refused.TextureName(), 0u);
    EXPECT_EQ(refused.Name(), "Unknown");
    EXPECT_EQ(refused.Width(), 1024);
    EXPECT_EQ(refused.Height(), 512);

    GLImage loaded;
    EXPECT_EQ(loaded.TextureName(), first + 1);  // the refused image still used its name
    TgaPixels goodPixels;
    ASSERT_TRUE(loaded.Read(good, goodPixels));
    EXPECT_EQ(loaded.TextureName(), first + 1);
    EXPECT_EQ(loaded.Name(), good);
    EXPECT_EQ(goodPixels.data.size(), 4u * 8u * 3u);
}

TEST(GLImage, VerticalTextureCoordinatesAreNegatedAndHorizontalOnesAreNot) {
    const auto directory = std::filesystem::path(testing::TempDir());
    const std::string file =
        WriteBytes(directory / "GLImageTestCoords.tga", SolidTga(4, 8, {1, 2, 3, 4}));
    GLImage image;
    TgaPixels pixels;
    ASSERT_TRUE(image.Read(file, pixels));
    EXPECT_EQ(image.TexCoordU(0), 0.0f);
    EXPECT_FLOAT_EQ(image.TexCoordU(1), 0.25f);
    EXPECT_FLOAT_EQ(image.TexCoordU(4), 1.0f);
    EXPECT_EQ(image.TexCoordV(8), -1.0f);
    EXPECT_FLOAT_EQ(image.TexCoordV(2), -0.25f);
    EXPECT_FLOAT_EQ(image.TexCoordV(0), 0.0f);
}
