#include "core/DataLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {
std::vector<std::string> AllLines(const std::string& text, std::size_t limit = kMaxDataLine) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; ReadDataLine(in, line, limit);)
        lines.push_back(line);
    return lines;
}
}  // namespace

TEST(DataLine, SplitsAtLineFeedsDropsCarriageReturnsAndKeepsEmptyLines) {
    EXPECT_EQ(AllLines("a\r\n\nb c\nlast"), (std::vector<std::string>{"a", "", "b c", "last"}));
    EXPECT_EQ(AllLines("only\n"), (std::vector<std::string>{"only"}));
    EXPECT_TRUE(AllLines("").empty());
}

TEST(DataLine, CutsALongLineAndGoesOnAtTheNextOne) {
    const std::string longLine(10000, 'x');
    const auto lines = AllLines(longLine + "\nnext\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(kMaxDataLine, 'x'));
    EXPECT_EQ(lines[1], "next");
    EXPECT_EQ(AllLines("abcdef\r\ngh", 3), (std::vector<std::string>{"abc", "gh"}));
}
