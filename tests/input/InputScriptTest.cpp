#include "input/InputScript.h"

#include <gtest/gtest.h>

#include "input/KeyTable.h"

using Kind = ScriptEvent::Kind;

TEST(InputScriptTest, ReadsEventsInFrameOrderAndReportsBadLinesByNumber) {
    const InputScript script = ParseInputScript(
        "# open the console, then take a screenshot\n"
        "\n"
        "10 key tap F9\n"
        "2 key down Grave   # comments may follow\n"
        "  3\tkey up Grave\r\n"
        "11 cursor 400 300\n"
        "12 mouse down left\n"
        "12 mouse up middle\n"
        "5 key down Hyperspace\n"
        "6 mouse down thumb\n"
        "7 cursor 1\n"
        "8 jump\n"
        "-1 key down A\n"
        "99999999999999999999999 key down A\n"
        "4 key down A extra words here\n"
        "9223372036854775807 key tap A\n");  // its release would overflow

    ASSERT_EQ(script.events.size(), 7u);
    const auto& e = script.events;
    EXPECT_EQ(std::tuple(e[0].frame, e[0].key, e[1].kind), std::tuple(2, Key::kGrave, Kind::KeyUp));
    // The tap's press at 10 and its release one frame later, before later lines of that frame.
    EXPECT_EQ(std::tuple(e[2].kind, e[2].key, e[3].frame, e[3].kind),
              std::tuple(Kind::KeyDown, Key::kF9, 11, Kind::KeyUp));
    EXPECT_EQ(std::tuple(e[4].kind, e[4].x, e[4].y), std::tuple(Kind::Cursor, 400, 300));
    EXPECT_EQ(std::tuple(e[5].button, e[6].kind, e[6].button), std::tuple(0, Kind::MouseUp, 2));

    std::vector<int> badLines;
    for (const auto& error : script.errors)
        badLines.push_back(error.line);
    // The messages' text is shown by the input script end-to-end test.
    EXPECT_EQ(badLines, (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16}));
}

TEST(InputScriptTest, KeepsARecordingsSeedClockStepsKeyboardAndEndInFileOrder) {
    const InputScript script = ParseInputScript(
        "seed 42\n0 step 12500000\n0 step 0\n3 step 13000000\n1 key down A\n"
        "3 step -1\n3 step 60000000001\n3 step\nseed\nseed x\n"
        "2 step 5\nx step 5\n-1 step 5\n"  // a step's frame goes back, or is none
        "4 hold down A\n4 keyboard lost\n9 quit\n4 hold tap A\n4 keyboard\n4 quit now\n");
    EXPECT_EQ(script.seed, 42u);
    EXPECT_EQ(script.steps, (std::vector<std::int64_t>{12500000, 0, 13000000}));
    std::vector<std::pair<long, Kind>> events;
    for (const ScriptEvent& e : script.events)
        events.emplace_back(e.frame, e.kind);
    EXPECT_EQ(
        events,
        (std::vector<std::pair<long, Kind>>{
            {1, Kind::KeyDown}, {4, Kind::HoldDown}, {4, Kind::KeyboardLost}, {9, Kind::Quit}}));
    EXPECT_EQ(script.errors.size(), 11u);
}

// A long run of garbage is not a long run of messages.
TEST(InputScriptTest, KeepsTheFirstBadLinesAndCountsTheRest) {
    std::string text = "\n\n";
    for (std::size_t i = 0; i < kMaxScriptErrors + 11; ++i)
        text += "bad\n";
    const InputScript script = ParseInputScript(text);
    ASSERT_EQ(script.errors.size(), kMaxScriptErrors);
    EXPECT_EQ(script.errors.front().line, 3);
    EXPECT_EQ(script.moreErrors, 11);
}
