#include "core/DataLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

TEST(DataLine, SplitsAtLineFeedsDropsCarriageReturnsKeepsEmptyLinesAndCutsLongOnes) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string text;
        std::size_t limit;
        Lines lines;
    } cases[] = {
        {"a\r\n\nb c\nlast", kMaxDataLine, {"a", "", "b c", "last"}},
        {"", kMaxDataLine, {}},
        {"abcdef\r\ngh", 3, {"abc", "gh"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        std::istringstream in(c.text);
        Lines lines;
        for (std::string line; ReadDataLine(in, line, c.limit);)
            lines.push_back(line);
        EXPECT_EQ(lines, c.lines);
    }
}
