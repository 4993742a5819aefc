#include "console/Console.h"

#include <gtest/gtest.h>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "input/KeyTable.h"
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

TEST(Console, TypedKeysEditTheLineAndEnterHandsItOver) {
    RecordingRenderer renderer;
    Log log;
    GraphicsTable graphics(renderer, log);
    Console console(renderer, graphics);
    std::vector<std::string> commands;
    console.SetCommandHandler([&](const std::string& line) {
        commands.push_back(line);
        EXPECT_EQ(console.InputLine(), line);  // still there while the command runs
    });

    const int m = Key::kA + 12, a = Key::kA, p = Key::kA + 15;
    for (const int key : {m, a, p})
        console.OnKey(key, false);
    console.OnKey(Key::kSpace, false);
    console.OnKey(Key::kA + 1, true);  // B
    console.OnKey(Key::kMinus, false);
    console.OnKey(Key::kMinus, true);
    console.OnKey(Key::kDigit0 + 1, true);  // Shift makes no difference to digits
    console.OnKey(Key::kFullStop, false);
    console.OnKey(Key::kTab, false);  // not a typing key
    console.OnKey(Key::kBackspace, false);
    EXPECT_EQ(console.InputLine(), "map B-_1");

    console.OnKey(Key::kEnter, false);
    EXPECT_EQ(commands, std::vector<std::string>{"map B-_1"});
    EXPECT_EQ(console.History().back(), ">map B-_1");
    EXPECT_EQ(console.InputLine(), "");

    for (int i = 0; i < 20; ++i)
        console.OnKey(Key::kBackspace, false);  // nothing to remove
    for (int i = 0; i < 400; ++i)
        console.OnKey(Key::kA, false);
    console.OnKey(Key::kEnter, false);
    EXPECT_EQ(console.History().back().size(), 255u);  // ">" and the whole line fit
    EXPECT_EQ(commands.back().size(), 254u);
}
