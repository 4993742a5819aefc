#include "render/PictureFit.h"

#include <gtest/gtest.h>

#include <climits>

TEST(PictureFitTest, ThePictureFillsOneSideAndIsCentredAndPixelsMapBothWays) {
    const struct {
        int pictureWidth, pictureHeight, windowWidth, windowHeight;
        PictureFit fit;
    } rows[] = {
        {800, 600, 1280, 720, {160, 0, 960, 720}},  // bars left and right
        {800, 600, 1000, 900, {0, 75, 1000, 750}},  // bars above and below
        {800, 600, 800, 600, {0, 0, 800, 600}},
        {800, 600, 1000, 500, {166, 0, 667, 500}},  // smaller than the picture
        {320, 240, 1920, 1080, {240, 0, 1440, 1080}},
        {800, 600, 0, 0, {0, 0, 800, 600}},  // a minimised window: nothing to scale to
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.windowWidth);
        const PictureFit fit =
            PictureFit::Of(row.pictureWidth, row.pictureHeight, row.windowWidth, row.windowHeight);
        EXPECT_EQ(fit.x, row.fit.x);
        EXPECT_EQ(fit.y, row.fit.y);
        EXPECT_EQ(fit.width, row.fit.width);
        EXPECT_EQ(fit.height, row.fit.height);
        // Every picture pixel put on the window reads back as itself where the window is larger.
        for (const auto& [px, py] : {std::pair{0, 0}, {400, 300}, {row.pictureWidth - 1, 17}}) {
            int x = px, y = py;
            fit.PictureToWindow(row.pictureWidth, row.pictureHeight, x, y);
            fit.WindowToPicture(row.pictureWidth, row.pictureHeight, x, y);
            if (fit.width >= row.pictureWidth) {
                EXPECT_EQ((std::pair{x, y}), (std::pair{px, py}));
            }
        }
    }
    // The bars lie outside the picture, on its own side; the far ends of the range do not
    // overflow.
    const PictureFit wide = PictureFit::Of(800, 600, 1280, 720);
    int x = 0, y = 719;
    wide.WindowToPicture(800, 600, x, y);
    EXPECT_EQ((std::pair{x, y}), (std::pair{-133, 599}));
    x = INT_MIN, y = INT_MAX;
    wide.WindowToPicture(800, 600, x, y);
    EXPECT_TRUE(x < 0 && y > 600);
}

TEST(PictureFitTest, ACursorMovedOffWhereItWasPutNeverReadsAsTheSamePicturePixel) {
    const struct {
        int put, mapped, moved, read;
    } rows[] = {
        {300, 300, 0, 300}, {300, 299, 0, 300},   // unmoved: where it was put, however it maps
        {300, 300, 1, 301}, {300, 300, -1, 299},  // a window pixel inside the same picture pixel
        {300, 304, 7, 304}, {300, 296, -7, 296},  // far enough to map elsewhere on its own
    };
    for (const auto& row : rows)
        EXPECT_EQ(PictureFit::KeepMove(row.put, row.mapped, row.moved), row.read) << row.moved;
}
