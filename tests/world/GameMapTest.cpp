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

using Kind = RecordingRenderer::Kind;

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

std::istringstream Stream(const std::vector<std::uint8_t>& bytes) {
    return std::istringstream(Text(bytes));
}

struct Printed {
    std::vector<std::string> lines;
    GameMap::Print Sink() {
        return [this](const std::string& line) { lines.push_back(line); };
    }
};

// A sprite table with one sprite, "bush", over a recording renderer.
class GameMapSprites : public ::testing::Test {
protected:
    void SetUp() override {
        const auto folder = FreshTestFolder("world");
        WriteBytes(folder / "Things.tga", SolidTga(8, 8, {0, 200, 0, 255}));
        std::ofstream(folder / "Things.gtb") << "[Things.tga]\nbush 0,0,8,8\n";
        sprites.LoadImageDirectory(folder);
        ASSERT_TRUE(sprites.LoadSpriteTable(folder / "Things.gtb"));
    }

    RecordingRenderer renderer;
    Log log;
    GraphicsTable sprites{renderer, log};
};

}  // namespace

TEST(GameMap, LoadsAMapAndBuildsItsTreeOrRefusesABadOneWithoutTouchingAnything) {
    GameMap map;
    Printed printed;
    std::istringstream bad = Stream(MapBytes().Text("Bad").Rect(0, 0, 800, 600).Int(-3).Bytes());
    EXPECT_FALSE(map.Load(bad, "bad.bwm", printed.Sink(), nullptr));
    EXPECT_EQ(printed.lines,
              (std::vector<std::string>{
                  "** Initializing Game **",
                  "Couldn't load map \"bad.bwm\": the platform count -3 is negative.",
              }));
    EXPECT_EQ(map.Name(), "Noname");
    EXPECT_EQ(map.Tree(), nullptr);
    EXPECT_TRUE(map.Platforms().empty());

    printed.lines.clear();
    std::istringstream good = Stream(SmallMapBytes());
    ASSERT_TRUE(map.Load(good, "yard.bwm", printed.Sink(), nullptr));
    EXPECT_EQ(printed.lines,
              (std::vector<std::string>{"** Initializing Game **", "** Loading Quad Tree **",
                                        "** Loading AI Info **"}));
    EXPECT_EQ(map.Name(), "Yard");
    EXPECT_EQ(map.Bounds().x2, 1600.0f);
    EXPECT_EQ(map.Platforms().size(), 2u);
    EXPECT_EQ(map.SpawnPoints().size(), 2u);
    EXPECT_EQ(map.Items().size(), 1u);
    ASSERT_NE(map.Tree(), nullptr);
    EXPECT_EQ(map.Tree()->Platforms().size(), 2u);
}

TEST_F(GameMapSprites, LooksSceneryUpByNameWhenLoaded) {
    MapContents contents;
    contents.platforms.emplace_back(0.0f, 0.0f, 10.0f, 10.0f).SetSprite(7, "bush");
    contents.platforms.back().SetSolid(false);
    std::istringstream in = Stream(WriteMapFile(contents));
    GameMap map;
    ASSERT_TRUE(map.Load(
        in, "bush.bwm", [](const std::string&) {}, &sprites));
    EXPECT_EQ(map.Platforms()[0].SpritePosition(), sprites.FindSpriteIndex("bush"));
    EXPECT_FALSE(map.Platforms()[0].Solid());
}

TEST(GameMap, SavesThroughATemporaryFileAndKeepsTheOldMapWhenThatFails) {
    const auto folder = FreshTestFolder("world");
    GameMap map;
    std::istringstream in = Stream(SmallMapBytes());
    ASSERT_TRUE(map.Load(
        in, "yard.bwm", [](const std::string&) {}, nullptr));
    Printed printed;
    const auto path = folder / "yard.bwm";
    ASSERT_TRUE(map.Save(path, printed.Sink()));
    EXPECT_EQ(ReadAll(path), Text(SmallMapBytes()));

    map.Contents().name = "Changed";
    std::filesystem::create_directories(folder / "yard.bwm.tmp");  // in the way of the temp file
    EXPECT_FALSE(map.Save(path, printed.Sink()));
    EXPECT_EQ(ReadAll(path), Text(SmallMapBytes()));
    EXPECT_EQ(printed.lines,
              (std::vector<std::string>{
                  "Saved map to \"" + path.string() + "\".",
                  "Could not save \"" + path.string() + "\"; the old file is unchanged.",
              }));
}

TEST_F(GameMapSprites, DrawsVisiblePlatformsAsEdgesThenFillsAndScenerySpritesStretched) {
    GameMap map;
    map.Platforms().emplace_back(900.0f, 100.0f, 950.0f, 120.0f);  // touches the right edge
    map.Platforms().emplace_back(901.0f, 100.0f, 950.0f, 120.0f);  // just outside
    map.Platforms().emplace_back(100.0f, 640.0f, 200.0f, 700.0f);
    map.Platforms().back().SetSprite(sprites.FindSpriteIndex("bush"), "bush");
    View view(renderer, &sprites);
    view.SetOffset(100, 50);
    renderer.Clear();
    map.Draw(view);

    std::vector<Kind> kinds;
    for (const auto& call : renderer.Calls()) {
        if (call.kind != Kind::BindImage) kinds.push_back(call.kind);
    }
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Line, Kind::Line, Kind::Line, Kind::Line,
                                        Kind::TexturedQuad, Kind::FillRect}));
    const auto lines = renderer.CallsOf(Kind::Line);
    EXPECT_EQ(lines[0].v[0], 800.0f);
    EXPECT_EQ(lines[0].v[1], 50.0f);
    EXPECT_EQ(lines[0].colour, (Colour{0, 0, 0, 255}));
    const auto fill = renderer.CallsOf(Kind::FillRect).at(0);
    EXPECT_EQ((std::vector<float>{fill.v[0], fill.v[1], fill.v[2], fill.v[3]}),
              (std::vector<float>{800.5f, 50.5f, 849.5f, 69.5f}));
    EXPECT_EQ(fill.colour, (Colour{255, 255, 255, 255}));
    const auto quad = renderer.CallsOf(Kind::TexturedQuad).at(0);
    EXPECT_EQ((std::vector<float>{quad.v[0], quad.v[1], quad.v[2], quad.v[3]}),
              (std::vector<float>{0.0f, 590.0f, 100.0f, 650.0f}));
    EXPECT_EQ(quad.alpha, 255);
}
