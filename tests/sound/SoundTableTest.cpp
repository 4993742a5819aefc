#include "sound/SoundTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
std::vector<SoundTableLine> ReadAllLines(const std::string& text) {
    std::istringstream in(text);
    std::vector<SoundTableLine> lines;
    ReadSoundTable(in, [&](const SoundTableLine& line) { lines.push_back(line); });
    return lines;
}
}  // namespace

TEST(SoundTableTest, LineGivesANameAndACountAsAFormattedScanWould) {
    const struct {
        const char* line;
        std::optional<std::pair<std::string, int>> expected;
    } cases[] = {
        {"Gib1.wav 4", std::pair<std::string, int>{"Gib1.wav", 4}},
        {"Pop.wav", std::pair<std::string, int>{"Pop.wav", 1}},
        {"  Pop.wav\t3\r", std::pair<std::string, int>{"Pop.wav", 3}},
        {"Pop.wav 3x", std::pair<std::string, int>{"Pop.wav", 3}},
        {"Pop.wav many", std::pair<std::string, int>{"Pop.wav", 1}},
        {"Pop.wav 0", std::pair<std::string, int>{"Pop.wav", 0}},
        {"Pop.wav -2", std::pair<std::string, int>{"Pop.wav", -2}},
        {"Pop.wav +2", std::pair<std::string, int>{"Pop.wav", 2}},
        {"Pop.wav 99999999999999999999", std::pair<std::string, int>{"Pop.wav", 1000000}},
        {"Pop.wav -99999999999999999999", std::pair<std::string, int>{"Pop.wav", -1000000}},
        {" ;Pop.wav", std::pair<std::string, int>{";Pop.wav", 1}},  // only a first ";" comments
        {";Pop.wav 2", std::nullopt},
        {"", std::nullopt},
        {" \t\r", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseSoundTableLine(c.line);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.line;
        if (!parsed) continue;
        EXPECT_EQ(parsed->fileName, c.expected->first) << c.line;
        EXPECT_EQ(parsed->copies, c.expected->second) << c.line;
    }

    // A name longer than 39 characters is cut; its count after it still counts.
    const std::string longName(60, 'n');
    const auto parsed = ParseSoundTableLine(longName + " 5");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->fileName, std::string(kMaxSoundFileName, 'n'));
    EXPECT_EQ(parsed->copies, 5);
}

TEST(SoundTableTest, ReadsLinesInOrderCuttingOverlongOnesAndStoppingNowhere) {
    const std::string huge = "Huge.wav " + std::string(10000, '7');
    const std::string text = "; sounds\n\nA.wav 2\r\n" + huge + "\nB.wav\n" +
                             std::string(254, 'c') + "\n" + std::string("D.wav\0 9\n", 9) +
                             "E.wav 3";  // no line end at the end
    const auto lines = ReadAllLines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].fileName, "A.wav");
    EXPECT_EQ(lines[0].copies, 2);
    // Only the first 254 characters of the long line are read; its rest is no new line.
    EXPECT_EQ(lines[1].fileName, "Huge.wav");
    EXPECT_EQ(lines[1].copies, 1000000);
    EXPECT_EQ(lines[2].fileName, "B.wav");
    EXPECT_EQ(lines[3].fileName, std::string(kMaxSoundFileName, 'c'));
    // A NUL ends the line where it stands.
    EXPECT_EQ(lines[4].fileName, "D.wav");
    EXPECT_EQ(lines[4].copies, 1);
    EXPECT_EQ(lines[5].fileName, "E.wav");
    EXPECT_EQ(lines[5].copies, 3);
    EXPECT_EQ(ReadAllLines(text + "\n").size(), 6u);

    EXPECT_TRUE(ReadAllLines("").empty());
    EXPECT_EQ(ReadAllLines(std::string(100000, 'x')).size(), 1u);
}
