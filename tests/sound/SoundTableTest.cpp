#include "sound/SoundTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
// Each line read as "name copies".
std::vector<std::string> ReadAllLines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    ReadSoundTable(in, [&](const SoundTableLine& line) {
        lines.push_back(line.fileName + " " + std::to_string(line.copies));
    });
    return lines;
}
}  // namespace

// Read as a formatted scan would: a missing or bad count is one, a huge one is held at a
// million, a long name is cut to 39 characters, only a first ";" comments, and blank lines,
// comments and a NUL end a line where they stand. Only the first 254 characters of a long line
// are read, and its rest is no new line.
TEST(SoundTableTest, ReadsLinesInOrderAsAFormattedScanWould) {
    const std::string text = "; sounds\n\n  A.wav\t2\r\nB.wav\nC.wav many\nD.wav -2\n" +
                             std::string("E.wav\0 9\n", 9) + " ;F.wav\nHuge.wav " +
                             std::string(10000, '7') + "\n" + std::string(60, 'n') + " 5\n" +
                             std::string(254, 'c') + " 3\nLast.wav 3x";  // no line end at the end
    const std::vector<std::string> expected = {"A.wav 2",
                                               "B.wav 1",
                                               "C.wav 1",
                                               "D.wav -2",
                                               "E.wav 1",
                                               ";F.wav 1",
                                               "Huge.wav 1000000",
                                               std::string(kMaxSoundFileName, 'n') + " 5",
                                               std::string(kMaxSoundFileName, 'c') + " 1",
                                               "Last.wav 3"};
    EXPECT_EQ(ReadAllLines(text), expected);
    EXPECT_EQ(ReadAllLines(std::string(100000, 'x')).size(), 1u);
}
