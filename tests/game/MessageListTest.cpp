#include "game/MessageList.h"

#include <gtest/gtest.h>

TEST(MessageListTest, TheOldestLineGoesFirstWhenFullAndEvery200StepsWhenQuiet) {
    MessageList messages;
    for (int i = 1; i <= 6; ++i)
        messages.Add("message " + std::to_string(i));
    EXPECT_EQ(messages.Lines().front(), "message 2");
    messages.Scroll(199.0f);
    EXPECT_EQ(messages.Lines().front(), "message 2");  // a new line holds the list 200 steps
    messages.Scroll(2.0f);
    EXPECT_EQ(messages.Lines().front(), "message 3");
    EXPECT_EQ(messages.Lines().back(), "");
    for (int i = 0; i < 4; ++i)
        messages.Scroll(201.0f);
    // Scrolled empty, a new line fills the first empty one, at the top.
    messages.Add("again");
    EXPECT_EQ(messages.Lines().front(), "again");
}
