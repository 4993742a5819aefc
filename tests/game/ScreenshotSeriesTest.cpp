#include "game/ScreenshotSeries.h"

#include <gtest/gtest.h>

#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"

TEST(ScreenshotSeries, NumberingSkipsEveryTakenNumberAndStopsWhenAllAreTaken) {
    const auto folder = FreshTestFolder("screenshots") / "Screenshots";
    const auto file = [&](int n) { return folder / ("Screen" + std::to_string(n) + ".tga"); };
    RecordingRenderer renderer;
    ScreenshotSeries(folder).Take(renderer);
    EXPECT_TRUE(std::filesystem::is_directory(folder));  // made by the first shot
    ScreenshotSeries({}).Take(renderer);                 // nowhere to write: no shot
    EXPECT_EQ(renderer.CallsOf(RecordingRenderer::Kind::Screenshot).size(), 1u);
    renderer.Clear();
    for (int n : {0, 1, 2, 3, 4, 7})
        WriteBytes(file(n), {});
    ScreenshotSeries gap(folder);
    for (int press = 0; press < 3; ++press)
        gap.Take(renderer);
    std::vector<std::string> shots;
    for (const auto& shot : renderer.CallsOf(RecordingRenderer::Kind::Screenshot))
        shots.push_back(shot.text);
    // Screen7 is kept, not replaced.
    EXPECT_EQ(shots, (std::vector{file(5).string(), file(6).string(), file(8).string()}));

    for (int n = 0; n < 256; ++n)
        WriteBytes(file(n), {});
    renderer.Clear();
    ScreenshotSeries(folder).Take(renderer);
    EXPECT_TRUE(renderer.Calls().empty());
}
