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
        "x key down A\n"
        "5 key down Hyperspace\n"
        "6 mouse down thumb\n"
        "7 cursor 1\n"
        "8 jump\n"
        "-1 key down A\n"
        "9\n"
        "99999999999999999999999 key down A\n"
        "4 key press A\n"
        "4 key down A extra words here\n"
        "9223372036854775807 key tap A\n");  // its release would overflow

    ASSERT_EQ(script.events.size(), 7u);
    EXPECT_EQ(script.events[0].frame, 2);
    EXPECT_EQ(script.events[0].key, Key::kGrave);
    EXPECT_EQ(script.events[1].kind, Kind::KeyUp);
    EXPECT_EQ(script.events[2].kind, Kind::KeyDown);  // the tap's press at 10...
    EXPECT_EQ(script.events[2].key, Key::kF9);
    EXPECT_EQ(script.events[3].frame, 11);  // ...and its release one frame later,
    EXPECT_EQ(script.events[3].kind, Kind::KeyUp);
    EXPECT_EQ(script.events[4].kind, Kind::Cursor);  // before later lines of that frame
    EXPECT_EQ(script.events[4].x, 400);
    EXPECT_EQ(script.events[4].y, 300);
    EXPECT_EQ(script.events[5].button, 0);
    EXPECT_EQ(script.events[6].kind, Kind::MouseUp);
    EXPECT_EQ(script.events[6].button, 2);

    std::vector<int> badLines;
    for (const auto& error : script.errors)
        badLines.push_back(error.line);
    // The messages' text is shown by the input script end-to-end test.
    EXPECT_EQ(badLines, (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}
