#include "game/ScreenshotSeries.h"

#include <gtest/gtest.h>

#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"

TEST(ScreenshotSeries, NumberingSkipsEveryTakenNumberAndStopsWhenAllAreTaken) {
    const auto folder = FreshTestFolder("screenshots") / "Screenshots";
    ScreenshotSeries fresh(folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));  // made when missing
    EXPECT_EQ(fresh.Next(), 0);

    for (int n : {0, 1, 2, 3, 4, 7})
        WriteBytes(folder / ("Screen" + std::to_string(n) + ".tga"), {});
    ScreenshotSeries gap(folder);
    EXPECT_EQ(gap.Next(), 5);
    RecordingRenderer renderer;
    for (int press = 0; press < 3; ++press)
        gap.Take(renderer);
    const auto shots = renderer.CallsOf(RecordingRenderer::Kind::Screenshot);
    const int expected[] = {5, 6, 8};  // Screen7 is kept, not replaced
    ASSERT_EQ(shots.size(), 3u);
    for (size_t i = 0; i < shots.size(); ++i)
        EXPECT_EQ(shots[i].text,
                  (folder / ("Screen" + std::to_string(expected[i]) + ".tga")).string());

    for (int n = 0; n < 256; ++n)
        WriteBytes(folder / ("Screen" + std::to_string(n) + ".tga"), {});
    ScreenshotSeries full(folder);
    EXPECT_EQ(full.Next(), 256);
    renderer.Clear();
    full.Take(renderer);
    EXPECT_TRUE(renderer.Calls().empty());
}
