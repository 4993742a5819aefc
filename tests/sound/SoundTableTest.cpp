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

TEST(SoundTableTest, LineGivesANameAndACountAsAFormattedScanWould) {
    const struct {
        std::string line;
        std::string name;
        int copies;
    } cases[] = {
        {"Gib1.wav 4", "Gib1.wav", 4},
        {"Pop.wav", "Pop.wav", 1},
        {"  Pop.wav\t3\r", "Pop.wav", 3},
        {"Pop.wav 3x", "Pop.wav", 3},
        {"Pop.wav many", "Pop.wav", 1},
        {"Pop.wav 0", "Pop.wav", 0},
        {"Pop.wav -2", "Pop.wav", -2},
        {"Pop.wav +2", "Pop.wav", 2},
        {"Pop.wav 99999999999999999999", "Pop.wav", 1000000},
        {"Pop.wav -99999999999999999999", "Pop.wav", -1000000},
        {" ;Pop.wav", ";Pop.wav", 1},  // only a first ";" comments
        // A name longer than 39 characters is cut; its count after it still counts.
        {std::string(60, 'n') + " 5", std::string(kMaxSoundFileName, 'n'), 5},
        // Comments and blank lines give nothing (no name).
        {";Pop.wav 2", "", 0},
        {"", "", 0},
        {" \t\r", "", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseSoundTableLine(c.line);
        ASSERT_EQ(parsed.has_value(), !c.name.empty()) << c.line;
        if (!parsed) continue;
        EXPECT_EQ(parsed->fileName, c.name) << c.line;
        EXPECT_EQ(parsed->copies, c.copies) << c.line;
    }
}

TEST(SoundTableTest, ReadsLinesInOrderCuttingOverlongOnesAndStoppingNowhere) {
    const std::string huge = "Huge.wav " + std::string(10000, '7');
    const std::string text = "; sounds\n\nA.wav 2\r\n" + huge + "\nB.wav\n" +
                             std::string(254, 'c') + "\n" + std::string("D.wav\0 9\n", 9) +
                             "E.wav 3";  // no line end at the end
    // Only the first 254 characters of a long line are read, and its rest is no new line; a NUL
    // ends a line where it stands.
    const std::vector<std::string> expected = {
        "A.wav 2", "Huge.wav 1000000", "B.wav 1", std::string(kMaxSoundFileName, 'c') + " 1",
        "D.wav 1", "E.wav 3"};
    EXPECT_EQ(ReadAllLines(text), expected);
    EXPECT_EQ(ReadAllLines(text + "\n").size(), 6u);

    EXPECT_TRUE(ReadAllLines("").empty());
    EXPECT_EQ(ReadAllLines(std::string(100000, 'x')).size(), 1u);
}
