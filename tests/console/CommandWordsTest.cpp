#include "console/CommandWords.h"

#include <gtest/gtest.h>

#include <climits>

TEST(CommandWordsTest, OnlyBlanksSplitAndNumbersReadAsPercentD) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(SplitCommandWords("  map\tx   bwdm1 8 "), (Words{"map\tx", "bwdm1", "8"}));
    EXPECT_EQ(SplitCommandWords("   "), Words{});
    EXPECT_EQ(SplitCommandWords("\t"), Words{"\t"});

    // clang-format off
    const struct {
        const char* word;
        std::optional<int> number;
    } kCases[] = {{"12", 12}, {"-3", -3}, {"+4", 4}, {"\t7", 7}, {"12abc", 12}, {"abc", {}},
                  {"-", {}}, {"", {}}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}};
    // clang-format on
    for (const auto& c : kCases)
        EXPECT_EQ(ReadCommandNumber(c.word), c.number) << c.word;
}
