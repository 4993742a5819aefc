#include "world/GameMap.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/FileText.h"
#include "support/TestFolder.h"
#include "world/MapBytes.h"

namespace {
std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }
void Ignore(const std::string&) {}
}  // namespace

TEST(GameMap, RefusesABadMapSayingWhyWithoutTouchingAnything) {
    GameMap map;
    std::vector<std::string> printed;
    const auto print = [&](const std::string& line) { printed.push_back(line); };
    std::istringstream bad(Text(MapBytes().Text("Bad").Rect(0, 0, 800, 600).Int(-3).Bytes()));
    EXPECT_FALSE(map.Load(bad, "bad.bwm", print, nullptr));
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "** Initializing Game **",
                           "Couldn't load map \"bad.bwm\": the platform count -3 is negative.",
                       }));
    EXPECT_EQ(std::tuple(map.Name(), map.Tree(), map.Platforms().size()),
              std::tuple("Noname", nullptr, 0u));
}

TEST(GameMap, SavesThroughATemporaryFileAndKeepsTheOldMapWhenThatFails) {
    const auto folder = FreshTestFolder("world");
    GameMap map;
    std::istringstream in(Text(SmallMapBytes()));
    ASSERT_TRUE(map.Load(in, "yard.bwm", Ignore, nullptr));
    std::vector<std::string> printed;
    const auto print = [&](const std::string& line) { printed.push_back(line); };
    const auto path = folder / "yard.bwm";
    ASSERT_TRUE(map.Save(path, print));
    map.Contents().name = "Changed";
    std::filesystem::create_directories(folder / "yard.bwm.tmp");  // in the way of the temp file
    EXPECT_FALSE(map.Save(path, print));
    EXPECT_EQ(ReadAll(path), Text(SmallMapBytes()));
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "Saved map to \"" + path.string() + "\".",
                           "Could not save \"" + path.string() + "\": cannot write " +
                               path.string() + ".tmp: Is a directory.",
                       }));
}
