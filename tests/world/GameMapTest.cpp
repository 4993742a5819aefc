#include "world/GameMap.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"
#include "world/MapBytes.h"
#include "world/View.h"

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
                               path.string() + ".tmp: Is a directory; the old file is unchanged.",
                       }));
}

// Drawing shows what the view sees: edges first, then the white fills half a pixel inside them.
TEST(GameMap, DrawsTheVisiblePlatforms) {
    MapContents contents;
    contents.platforms.emplace_back(900.0f, 100.0f, 950.0f, 120.0f);  // touches the right edge
    contents.platforms.emplace_back(901.0f, 100.0f, 950.0f, 120.0f);  // just outside
    std::istringstream in(Text(WriteMapFile(contents)));
    GameMap map;
    ASSERT_TRUE(map.Load(in, "edge.bwm", Ignore, nullptr));
    RecordingRenderer renderer;
    View view(renderer, nullptr);
    view.SetOffset(100, 50);
    map.Draw(view);

    using Kind = RecordingRenderer::Kind;
    using Call = std::tuple<Kind, std::vector<float>, Colour>;
    std::vector<Call> drawn;
    for (const auto& c : renderer.Calls())
        drawn.emplace_back(c.kind, std::vector(c.v, c.v + 4), c.colour);
    const Colour black{0, 0, 0, 255};
    EXPECT_EQ(drawn, (std::vector<Call>{
                         {Kind::Line, {800, 50, 850, 50}, black},
                         {Kind::Line, {850, 50, 850, 70}, black},
                         {Kind::Line, {850, 70, 800, 70}, black},
                         {Kind::Line, {800, 70, 800, 50}, black},
                         {Kind::FillRect, {800.5f, 50.5f, 849.5f, 69.5f}, {255, 255, 255, 255}},
                     }));
}
