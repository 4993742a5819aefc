#include "console/Console.h"

#include <gtest/gtest.h>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "input/KeyTable.h"
#include "support/RecordingRenderer.h"

namespace {
class ConsoleTest : public testing::Test {
protected:
    RecordingRenderer renderer_;
    Log log_;  // never opened
    GraphicsTable graphics_{renderer_, log_};
    Console console_{renderer_, graphics_};
};
}  // namespace

TEST_F(ConsoleTest, ShowsTheNewestFifteenLinesLiterallyOnlyWhenOpen) {
    console_.PrintText("100% sure %s %d");
    console_.Draw(renderer_);
    EXPECT_TRUE(renderer_.Calls().empty());

    console_.Toggle();
    console_.Draw(renderer_);
    EXPECT_EQ(renderer_.Texts(),
              (std::vector<std::string>{console_.History()[0], "100% sure %s %d", ">"}));

    for (int i = 1; i <= 13; ++i)
        console_.Print("n%d", i);
    EXPECT_EQ(console_.TopLine(), 0);  // exactly fifteen lines fit
    for (int i = 14; i <= 40; ++i)
        console_.Print("n%d", i);
    console_.Print("%s", std::string(400, 'y').c_str());
    EXPECT_EQ(console_.History().back().size(), 255u);
    renderer_.Clear();
    console_.Draw(renderer_);
    const auto shown = renderer_.Texts();
    ASSERT_EQ(shown.size(), 16u);  // fifteen history lines and the input line
    EXPECT_EQ(shown.front(), "n27");
    EXPECT_EQ(shown[13], "n40");

    // An endless match prints without end; the history keeps the newest lines, still shown.
    for (int i = 0; i < 3 * Console::kMaxHistory; ++i)
        console_.Print("m%d", i);
    EXPECT_LE(console_.History().size(), static_cast<std::size_t>(Console::kMaxHistory));
    EXPECT_EQ(console_.TopLine() + Console::kVisibleLines,
              static_cast<int>(console_.History().size()));
    EXPECT_EQ(console_.History().back(), "m" + std::to_string(3 * Console::kMaxHistory - 1));
}

TEST_F(ConsoleTest, TypedKeysEditTheLineAndEnterHandsItOver) {
    std::vector<std::string> commands;
    console_.SetCommandHandler([&](const std::string& line) {
        commands.push_back(line);
        EXPECT_EQ(console_.InputLine(), line);  // still there while the command runs
    });

    console_.OnKey(Key::kBackspace, false);  // nothing to remove
    for (const int key : {Key::kA + 12, Key::kA, Key::kA + 15, Key::kSpace})
        console_.OnKey(key, false);
    console_.OnKey(Key::kA + 1, true);  // B
    console_.OnKey(Key::kMinus, false);
    console_.OnKey(Key::kMinus, true);
    console_.OnKey(Key::kDigit0 + 1, true);  // Shift makes no difference to digits
    console_.OnKey(Key::kFullStop, false);
    console_.OnKey(Key::kTab, false);  // not a typing key
    console_.OnKey(Key::kBackspace, false);
    console_.OnKey(Key::kEnter, false);
    EXPECT_EQ(commands, std::vector<std::string>{"map B-_1"});
    EXPECT_EQ(console_.History().back(), ">map B-_1");
    EXPECT_EQ(console_.InputLine(), "");

    for (int i = 0; i < 400; ++i)
        console_.OnKey(Key::kA, false);
    console_.OnKey(Key::kEnter, false);
    EXPECT_EQ(console_.History().back().size(), 255u);  // ">" and the whole line fit
    EXPECT_EQ(commands.back().size(), 254u);
}

TEST_F(ConsoleTest, UpAndDownRecallLinesTabListsChoicesAndPagesScroll) {
    const auto type = [&](const std::string& text) {
        for (const char c : text)
            console_.OnKey(c == ' ' ? Key::kSpace : Key::kA + (c - 'a'), false);
    };
    for (const char* line : {"mute", "mute", "", "god"}) {
        type(line);
        console_.OnKey(Key::kEnter, false);
    }
    type("hal");
    std::string recalled;
    for (const int key : {Key::kUpArrow, Key::kUpArrow, Key::kUpArrow, Key::kDownArrow,
                          Key::kDownArrow, Key::kDownArrow}) {
        console_.OnKey(key, false);
        recalled += console_.InputLine() + ",";
    }
    // Empty lines and repeats are kept once; past the newest comes the half-typed line back.
    EXPECT_EQ(recalled, "god,mute,mute,god,hal,hal,");

    console_.Toggle();
    console_.SetCompleter([](const auto&) { return std::vector<std::string>{"maps", "mute"}; });
    for (int i = 0; i < 2; ++i)
        console_.OnKey(Key::kTab, false);
    EXPECT_EQ(console_.InputLine(), "m");  // what the choices share; a second Tab lists them
    EXPECT_EQ(console_.History().back(), "maps  mute  ");
    type("u");
    console_.OnKey(Key::kTab, false);
    EXPECT_EQ(console_.InputLine(), "mute ");  // the one that fits, ready for its argument

    for (int i = 0; i < 40; ++i)
        console_.Print("n%d", i);
    const int bottom = console_.TopLine();
    console_.OnKey(Key::kPageUp, false);
    console_.Print("late");  // a view scrolled back stays put
    EXPECT_EQ(console_.TopLine(), bottom - 14);
    console_.OnKey(Key::kEnter, false);  // the echo and the replies show at the bottom
    console_.OnKey(Key::kPageDown, false);
    EXPECT_EQ(console_.TopLine(), bottom + 2);
}
