#include "game/ScreenshotSeries.h"

#include <gtest/gtest.h>

#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"

TEST(ScreenshotSeries, NumberingContinuesAtTheFirstGapAndStopsWhenAllAreTaken) {
    const auto folder = FreshTestFolder("screenshots") / "Screenshots";
    ScreenshotSeries fresh(folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));  // made when missing
    EXPECT_EQ(fresh.Next(), 0);

    for (int n : {0, 1, 2, 3, 4, 7})
        WriteBytes(folder / ("Screen" + std::to_string(n) + ".tga"), {});
    ScreenshotSeries gap(folder);
    EXPECT_EQ(gap.Next(), 5);  // even though 7 exists
    RecordingRenderer renderer;
    gap.Take(renderer);
    EXPECT_EQ(gap.Next(), 6);
    EXPECT_EQ(renderer.CallsOf(RecordingRenderer::Kind::Screenshot).at(0).text,
              (folder / "Screen5.tga").string());

    for (int n = 0; n < 256; ++n)
        WriteBytes(folder / ("Screen" + std::to_string(n) + ".tga"), {});
    ScreenshotSeries full(folder);
    EXPECT_EQ(full.Next(), 256);
    renderer.Clear();
    full.Take(renderer);
    EXPECT_TRUE(renderer.Calls().empty());
}
