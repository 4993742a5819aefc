#include "render/GLImage.h"

#include <gtest/gtest.h>

#include "support/TgaBytes.h"

// Reading alone needs no GL context; only uploading does. Texture coordinates are checked where
// they show: on real pixels in the renderer's test and on sprites in the graphics table's.
TEST(GLImage, ARefusedFileKeepsItsSizeAndGivesUpTheTextureNameItTook) {
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
    TgaPixels goodPixels;
    ASSERT_TRUE(loaded.Read(good, goodPixels));
    EXPECT_EQ(loaded.TextureName(), first + 1);  // the refused image still used its name
    EXPECT_EQ(loaded.Name(), good);
    EXPECT_EQ(goodPixels.data.size(), 4u * 8u * 3u);
}
