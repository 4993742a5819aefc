#include "console/Console.h"

#include <gtest/gtest.h>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "support/RecordingRenderer.h"

using Kind = RecordingRenderer::Kind;

TEST(Console, HistoryStartsWithTheBannerAndScrollsOncePastFifteenLines) {
    RecordingRenderer renderer;
    Log log;
    GraphicsTable graphics(renderer, log);
    Console console(renderer, graphics);
    ASSERT_EQ(console.History().size(), 1u);
    EXPECT_EQ(console.History()[0], " *** Brawlwick Console System *** ");

    for (int i = 1; i <= 14; ++i)
        console.Print("line %d", i);
    EXPECT_EQ(console.TopLine(), 0);  // exactly fifteen lines fit
    console.Print("line %d", 15);
    EXPECT_EQ(console.TopLine(), 1);  // the banner is no longer shown
    console.Print("%s", "");          // an empty text is still a line
    EXPECT_EQ(console.TopLine(), 2);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-zero-length"
    console.Print("");  // an empty format is not
#pragma GCC diagnostic pop
    EXPECT_EQ(console.History().size(), 17u);

    console.Print("%s", std::string(400, 'y').c_str());
    EXPECT_EQ(console.History().back().size(), 255u);
    console.PrintText(std::string(400, 'z'));
    EXPECT_EQ(console.History().back().size(), 255u);
}

TEST(Console, DrawsNothingClosedAndTheNewestLinesLiterallyWhenOpen) {
    RecordingRenderer renderer;
    Log log;
    GraphicsTable graphics(renderer, log);
    Console console(renderer, graphics);
    console.PrintText("100% sure %s %d");
    console.Draw(renderer);
    EXPECT_TRUE(renderer.Calls().empty());

    console.Toggle();
    ASSERT_TRUE(console.IsOpen());
    console.Draw(renderer);
    const auto texts = renderer.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "100% sure %s %d");
    EXPECT_EQ(texts[2].text, ">");
    // Lines 18 pixels apart from y = 5, the input line at 280; the raster position adds half
    // the 16-pixel font height.
    EXPECT_EQ(texts[0].v[0], 5.0f);
    EXPECT_EQ(texts[0].v[1], 5.0f + 8.0f);
    EXPECT_EQ(texts[1].v[1], 23.0f + 8.0f);
    EXPECT_EQ(texts[2].v[1], 280.0f + 8.0f);
    EXPECT_EQ(texts[0].colour, kWhite);

    renderer.Clear();
    for (int i = 0; i < 40; ++i)
        console.Print("n%d", i);
    console.Draw(renderer);
    const auto shown = renderer.Texts();
    ASSERT_EQ(shown.size(), 16u);  // fifteen history lines and the input line
    EXPECT_EQ(shown.front(), "n25");
    EXPECT_EQ(shown[14], "n39");

    console.Toggle();
    renderer.Clear();
    console.Draw(renderer);
    EXPECT_TRUE(renderer.Calls().empty());
}
