#include "console/Console.h"

#include <gtest/gtest.h>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "input/KeyTable.h"
#include "support/RecordingRenderer.h"

using Kind = RecordingRenderer::Kind;

namespace {
class ConsoleTest : public testing::Test {
protected:
    RecordingRenderer renderer_;
    Log log_;  // never opened
    GraphicsTable graphics_{renderer_, log_};
    Console console_{renderer_, graphics_};
};
}  // namespace

TEST_F(ConsoleTest, HistoryStartsWithTheBannerAndScrollsOncePastFifteenLines) {
    ASSERT_EQ(console_.History().size(), 1u);
    EXPECT_EQ(console_.History()[0], " *** Brawlwick Console System *** ");

    for (int i = 1; i <= 14; ++i)
        console_.Print("line %d", i);
    EXPECT_EQ(console_.TopLine(), 0);  // exactly fifteen lines fit
    console_.Print("line %d", 15);
    EXPECT_EQ(console_.TopLine(), 1);  // the banner is no longer shown
    console_.Print("%s", "");          // an empty text is still a line
    EXPECT_EQ(console_.TopLine(), 2);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-zero-length"
    console_.Print("");  // an empty format is not
#pragma GCC diagnostic pop
    EXPECT_EQ(console_.History().size(), 17u);

    console_.Print("%s", std::string(400, 'y').c_str());
    EXPECT_EQ(console_.History().back().size(), 255u);
    console_.PrintText(std::string(400, 'z'));
    EXPECT_EQ(console_.History().back().size(), 255u);
}

TEST_F(ConsoleTest, DrawsNothingClosedAndTheNewestLinesLiterallyWhenOpen) {
    console_.PrintText("100% sure %s %d");
    console_.Draw(renderer_);
    EXPECT_TRUE(renderer_.Calls().empty());

    console_.Toggle();
    ASSERT_TRUE(console_.IsOpen());
    console_.Draw(renderer_);
    const auto texts = renderer_.CallsOf(Kind::Text);
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

    renderer_.Clear();
    for (int i = 0; i < 40; ++i)
        console_.Print("n%d", i);
    console_.Draw(renderer_);
    const auto shown = renderer_.Texts();
    ASSERT_EQ(shown.size(), 16u);  // fifteen history lines and the input line
    EXPECT_EQ(shown.front(), "n25");
    EXPECT_EQ(shown[14], "n39");

    console_.Toggle();
    renderer_.Clear();
    console_.Draw(renderer_);
    EXPECT_TRUE(renderer_.Calls().empty());
}

TEST_F(ConsoleTest, TypedKeysEditTheLineAndEnterHandsItOver) {
    std::vector<std::string> commands;
    console_.SetCommandHandler([&](const std::string& line) {
        commands.push_back(line);
        EXPECT_EQ(console_.InputLine(), line);  // still there while the command runs
    });

    const int m = Key::kA + 12, a = Key::kA, p = Key::kA + 15;
    for (const int key : {m, a, p})
        console_.OnKey(key, false);
    console_.OnKey(Key::kSpace, false);
    console_.OnKey(Key::kA + 1, true);  // B
    console_.OnKey(Key::kMinus, false);
    console_.OnKey(Key::kMinus, true);
    console_.OnKey(Key::kDigit0 + 1, true);  // Shift makes no difference to digits
    console_.OnKey(Key::kFullStop, false);
    console_.OnKey(Key::kTab, false);  // not a typing key
    console_.OnKey(Key::kBackspace, false);
    EXPECT_EQ(console_.InputLine(), "map B-_1");

    console_.OnKey(Key::kEnter, false);
    EXPECT_EQ(commands, std::vector<std::string>{"map B-_1"});
    EXPECT_EQ(console_.History().back(), ">map B-_1");
    EXPECT_EQ(console_.InputLine(), "");

    for (int i = 0; i < 20; ++i)
        console_.OnKey(Key::kBackspace, false);  // nothing to remove
    for (int i = 0; i < 400; ++i)
        console_.OnKey(Key::kA, false);
    console_.OnKey(Key::kEnter, false);
    EXPECT_EQ(console_.History().back().size(), 255u);  // ">" and the whole line fit
    EXPECT_EQ(commands.back().size(), 254u);
}
