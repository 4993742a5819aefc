#include "world/GameMap.h"

#include <gtest/gtest.h>

#include <sstream>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"
#include "support/TgaBytes.h"
#include "world/MapBytes.h"
#include "world/View.h"

namespace {
std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }
void Ignore(const std::string&) {}
}  // namespace

TEST(GameMap, LoadsAMapAndBuildsItsTreeOrRefusesABadOneWithoutTouchingAnything) {
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

    printed.clear();
    std::istringstream good(Text(SmallMapBytes()));
    ASSERT_TRUE(map.Load(good, "yard.bwm", print, nullptr));
    EXPECT_EQ(printed,
              (std::vector<std::string>{"** Initializing Game **", "** Loading Quad Tree **",
                                        "** Loading AI Info **"}));
    EXPECT_EQ(std::tuple(map.Name(), map.Platforms().size(), map.SpawnPoints().size(),
                         map.Items().size()),
              std::tuple("Yard", 2u, 2u, 1u));
    ASSERT_NE(map.Tree(), nullptr);
    EXPECT_EQ(map.Tree()->Platforms().size(), 2u);
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
    EXPECT_EQ(ReadAll(path), Text(SmallMapBytes()));

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

// Scenery sprites are looked up by name on loading; drawing shows what the view sees, edges and
// sprites first, then the white fills half a pixel inside the edges.
TEST(GameMap, LoadsScenerySpritesByNameAndDrawsVisiblePlatforms) {
    const auto folder = FreshTestFolder("world");
    WriteBytes(folder / "Things.tga", SolidTga(8, 8, {0, 200, 0, 255}));
    std::ofstream(folder / "Things.gtb") << "[Things.tga]\nbush 0,0,8,8\n";
    RecordingRenderer renderer;
    Log log;
    GraphicsTable sprites{renderer, log};
    sprites.LoadImageDirectory(folder);
    ASSERT_TRUE(sprites.LoadSpriteTable(folder / "Things.gtb"));

    MapContents contents;
    contents.platforms.emplace_back(900.0f, 100.0f, 950.0f, 120.0f);  // touches the right edge
    contents.platforms.emplace_back(901.0f, 100.0f, 950.0f, 120.0f);  // just outside
    contents.platforms.emplace_back(100.0f, 640.0f, 200.0f, 700.0f).SetSprite(-1, "bush");
    contents.platforms.back().SetSolid(false);
    std::istringstream in(Text(WriteMapFile(contents)));
    GameMap map;
    ASSERT_TRUE(map.Load(in, "bush.bwm", Ignore, &sprites));
    View view(renderer, &sprites);
    view.SetOffset(100, 50);
    renderer.Clear();
    map.Draw(view);

    using Kind = RecordingRenderer::Kind;
    using Call = std::tuple<Kind, std::vector<float>, Colour, int>;  // alpha last, for quads
    std::vector<Call> drawn;
    for (const auto& c : renderer.Calls()) {
        if (c.kind != Kind::BindImage)
            drawn.emplace_back(c.kind, std::vector(c.v, c.v + 4), c.colour, c.alpha);
    }
    const Colour black{0, 0, 0, 255};
    EXPECT_EQ(drawn, (std::vector<Call>{
                         {Kind::Line, {800, 50, 850, 50}, black, 0},
                         {Kind::Line, {850, 50, 850, 70}, black, 0},
                         {Kind::Line, {850, 70, 800, 70}, black, 0},
                         {Kind::Line, {800, 70, 800, 50}, black, 0},
                         {Kind::TexturedQuad, {0, 590, 100, 650}, Colour{}, 255},
                         {Kind::FillRect, {800.5f, 50.5f, 849.5f, 69.5f}, {255, 255, 255, 255}, 0},
                     }));
}
