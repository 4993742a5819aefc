#include "app/Preferences.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
std::filesystem::path Fresh(const char* name) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "prefs";
    std::filesystem::create_directories(dir);
    auto path = dir / name;
    std::filesystem::remove(path);
    return path;
}

void WriteRaw(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
}  // namespace

TEST(Preferences, ReadsTheFirstLineWithinItsLimits) {
    EXPECT_EQ(ReadPlayerName(Fresh("missing.dat")), "Player");
    const struct {
        std::string bytes;
        std::string name;
    } cases[] = {
        {"Slasher\nignored second line\n", "Slasher"},
        {"\nSecond\n", ""},  // an empty first line is an empty name
        {"Dos name\r\n", "Dos name"},
        {std::string(10000, 'n'), std::string(254, 'n')},
        {std::string("Ab\0\xff\x01junk\n", 10), "Ab"},
        {"", ""},
    };
    const auto path = Fresh("Prefs.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 20));
        WriteRaw(path, c.bytes);
        EXPECT_EQ(ReadPlayerName(path), c.name);
    }
}

TEST(Preferences, WritingRoundTripsAndNeverLosesTheOldName) {
    const auto path = Fresh("Round.dat");
    ASSERT_TRUE(WritePlayerName(path, "Back again"));

    std::filesystem::create_directories(path.string() + ".tmp");  // the write cannot happen
    EXPECT_FALSE(WritePlayerName(path, "Lost"));
    EXPECT_EQ(ReadPlayerName(path), "Back again");
    std::filesystem::remove_all(path.string() + ".tmp");
}
