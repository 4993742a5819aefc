#include "editors/MapEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <tuple>
#include <utility>

#include "editors/GridSnap.h"
#include "game/Game.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
using Counts = std::tuple<std::size_t, std::size_t, std::size_t>;  // platforms, spawns, items

auto Corners(const Float4& r) { return std::tuple(r.x1, r.y1, r.x2, r.y2); }

class MapEditorTest : public testing::Test {
protected:
    void SetUp() override { Open(kBase, true); }

    // A match with the editor open, on a floor from x 0 to 2000 with its top at y 500 and a
    // spawn point on it, or on nothing.
    void Open(const std::filesystem::path& base, bool floor, int players = 1) {
        GameServices services = rig_.Services();
        services.base = base;
        services.openMapEditor = [this](Game& game) {
            auto editor = std::make_unique<MapEditor>(game);
            editor_ = editor.get();
            return editor;
        };
        game_ = std::make_unique<Game>(services, players, 32, GameType::FreeForAll);
        if (floor) {
            Map().Platforms().emplace_back(0, 500, 2000, 540);
            Map().SpawnPoints() = {{1000, 488, 0}};
        }
        game_->Start();
        rig_.developer = true;
        F12();
    }
    void F12() {
        game_->OnCommand(Command::MapEditor);
        Frame(400, 300);
    }
    void Frame(int x, int y) {
        rig_.cursor.cursorX = x;
        rig_.cursor.cursorY = y;
        rig_.Tick();
        game_->Frame();
    }
    void Drag(int x1, int y1, int x2, int y2) {
        Frame(x1, y1);
        game_->OnLeftButtonDown();
        Frame(x2, y2);
        game_->OnLeftButtonUp();
    }
    void Click(int x, int y) { Drag(x, y, x, y); }
    void RightClick(int x, int y) {
        Frame(x, y);
        game_->OnRightButtonDown();
    }
    void Press(int key, bool control = false) {
        if (control) rig_.Hold(Key::kLeftControl);
        game_->OnKeyDown(key);
        if (control) rig_.Hold(Key::kLeftControl, false);
    }
    void Choose(int palette) {
        while (editor_->PaletteChoice() != palette)
            Press(Key::kQ);
    }
    GameMap& Map() { return game_->Map(); }
    Counts Count() {
        return {Map().Platforms().size(), Map().SpawnPoints().size(), Map().Items().size()};
    }
    // Built over the map as it stands: the root lists every platform, in order.
    bool TreeIsFresh() {
        const QuadNode* root = game_->Tree();
        const PlatformList& platforms = Map().Platforms();
        if (root == nullptr || root->Platforms().size() != platforms.size()) return false;
        for (std::size_t i = 0; i < platforms.size(); ++i) {
            if (root->Platforms()[i] != &platforms[i]) return false;
        }
        return true;
    }
    std::size_t LinesOf(Colour colour) {
        const auto lines = rig_.renderer.CallsOf(RecordingRenderer::Kind::Line);
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(), [&](auto& l) { return l.colour == colour; }));
    }

    std::filesystem::path folder_ = FreshTestFolder("editors");
    GameRig rig_{folder_, kBase};
    std::unique_ptr<Game> game_;
    MapEditor* editor_ = nullptr;
};
}  // namespace

TEST(GridSnap, DropsTheRemainderByEightKeepingTheSign) {
    for (const auto& [value, snapped] : {std::pair{13.0f, 8.0f}, {-13.0f, -8.0f}, {7.0f, 0.0f}})
        EXPECT_EQ(SnapToGrid(value), snapped) << value;
}

TEST_F(MapEditorTest, QStepsThroughThePaletteAndAClickLaysEachEntrysObject) {
    // These keys reach the editor even where they are bound; in the match they keep bindings.
    for (const int key : {Key::kW, Key::kG, Key::kZ, Key::kY})
        EXPECT_TRUE(game_->TakesKey(key)) << key;
    EXPECT_FALSE(game_->TakesKey(Key::kTab));
    // The team of the spawn point or the kind of the item each entry lays, or -1.
    const std::pair<int, int> kEntries[] = {{-1, -1}, {0, -1}, {2, -1}, {1, -1}, {-1, 0},
                                            {-1, 4},  {-1, 5}, {-1, 1}, {-1, 2}, {-1, 3}};
    const Float4 world = game_->Bounds();
    for (const auto& [team, kind] : kEntries) {
        Press(Key::kQ);
        Click(300, 200);
        EXPECT_EQ(team, team < 0 ? -1 : Map().SpawnPoints().back().team);
        EXPECT_EQ(kind, kind < 0 ? -1 : Map().Items().back().Kind());
    }
    // Scenery: the sprite's size around the cursor, in the tree, no obstacle, the world as it was.
    const Platform& grass = Map().Platforms().back();
    EXPECT_EQ(std::tuple(grass.Solid(), grass.SpriteName(), grass.Centre()),
              std::tuple(false, std::string("grass1"), Vec2{300, 200}));
    EXPECT_EQ(Corners(game_->Bounds()), Corners(world));
    EXPECT_EQ(Map().Items().back().WeaponName(), "Platinum");
    Press(Key::kW);
    Click(300, 200);
    EXPECT_EQ(Map().Items().back().WeaponName(), game_->WeaponDefs()[1].name);
    rig_.renderer.Clear();
    Frame(400, 300);
    EXPECT_EQ(rig_.renderer.Texts().at(1), game_->WeaponDefs()[1].name);
    Press(Key::kQ);  // the eleventh
    EXPECT_STREQ(editor_->Palette().name, "Platform");
    F12();
    EXPECT_FALSE(game_->TakesKey(Key::kQ));
}

TEST_F(MapEditorTest, DragsLayPlatformsSnappedToEightAndAtLeast24Square) {
    const std::pair<std::array<int, 4>, Float4> kDrags[] = {
        {{300, 200, 300, 200}, {296, 176, 320, 200}},  // a click: up and right of the start
        {{100, 100, 203, 157}, {96, 96, 200, 152}},
        {{300, 300, 250, 290}, {248, 272, 296, 296}},  // backwards, too low: widened upwards
    };
    for (const auto& [drag, laid] : kDrags) {
        Drag(drag[0], drag[1], drag[2], drag[3]);
        EXPECT_EQ(Corners(Map().Platforms().back().Rect()), Corners(laid));
        EXPECT_TRUE(TreeIsFresh());
    }
}

TEST_F(MapEditorTest, TheCameraScrollsAtTheEdgeAndTheWorldReaches250BeyondEveryPlatform) {
    Open(kBase, false);
    for (int i = 0; i < 200; ++i)
        Frame(799, 300);
    EXPECT_NEAR(editor_->CameraTarget().x, 1000.0f, 0.01f);
    for (int i = 0; i < 200; ++i)
        Frame(400, 300);
    EXPECT_NEAR(editor_->GetCamera().Position().x, 1000.0f, 5.0f);  // eased after it
    Drag(300, 300, 500, 340);
    const Float4& laid = Map().Platforms().back().Rect();
    EXPECT_GE(laid.x2, 1000.0f);
    EXPECT_EQ(Corners(game_->Bounds()), std::tuple(0.0f, 0.0f, laid.x2 + 250.0f, 600.0f));
    EXPECT_TRUE(TreeIsFresh());
}

TEST_F(MapEditorTest, ARightClickDeletesWhatIsUnderItAsOneStepUndoneAndRedone) {
    Drag(100, 100, 200, 200);
    Drag(140, 140, 240, 240);
    Choose(2);
    for (const int dx : {5, 7})  // within 6 of the click, and not
        Click(150 + dx, 150);
    Choose(5);
    for (const int dy : {15, 17})  // within 16, and not
        Click(150, 150 + dy);
    const MapContents before = Map().Contents();
    RightClick(150, 150);
    EXPECT_EQ(Count(), Counts(1, 2, 1));
    EXPECT_EQ(Map().SpawnPoints().back().x, 157.0f);
    EXPECT_TRUE(TreeIsFresh());
    Press(Key::kZ);  // not without Control
    EXPECT_EQ(Count(), Counts(1, 2, 1));
    Press(Key::kZ, true);
    EXPECT_EQ(Corners(Map().Platforms()[2].Rect()), Corners(before.platforms[2].Rect()));
    EXPECT_EQ(Map().SpawnPoints()[1].x, before.spawnPoints[1].x);
    EXPECT_EQ(Map().Items()[0].Position(), before.items[0].Position());
    EXPECT_EQ(Count(), Counts(3, 3, 2));
    EXPECT_TRUE(TreeIsFresh());
    Press(Key::kY, true);
    EXPECT_EQ(Count(), Counts(1, 2, 1));
}

TEST_F(MapEditorTest, EachKindOfChangeIsUndoneAndRedoneWithTheMapRebuiltAlsoAfterASave) {
    const std::pair<int, Counts> kSteps[] = {
        {0, {2, 1, 0}}, {1, {3, 1, 0}}, {3, {3, 2, 0}}, {9, {3, 2, 1}}, {10, {3, 2, 2}}};
    Counts counts = Count();
    for (const auto& [palette, after] : kSteps) {
        Choose(palette);
        Click(600, 100);
        EXPECT_EQ(Count(), after) << palette;
        Press(Key::kZ, true);
        EXPECT_EQ(Count(), counts) << palette;
        EXPECT_TRUE(TreeIsFresh());
        Press(Key::kY, true);
        EXPECT_EQ(Count(), after) << palette;
        EXPECT_TRUE(TreeIsFresh());
        counts = after;
    }
    rig_.renderer.Clear();
    Frame(400, 300);
    EXPECT_EQ(rig_.renderer.Texts().front(), "Weapons:    Undo: 5");
    ASSERT_TRUE(game_->SaveMap(folder_ / "edtest.bwm"));
    Press(Key::kZ, true);
    std::ifstream file(folder_ / "edtest.bwm", std::ios::binary);
    const MapReadResult saved = ReadMapFile(file);
    ASSERT_TRUE(saved.contents);
    EXPECT_EQ(std::pair(saved.contents->items.size(), Map().Items().size()),
              std::pair(std::size_t{2}, std::size_t{1}));
    // Of more than 100 changes the oldest are forgotten.
    Choose(2);
    for (int i = 0; i < 100; ++i)
        Click(10 + i, 10);
    while (editor_->History().UndoCount() > 0)
        Press(Key::kZ, true);
    EXPECT_EQ(Count(), Counts(3, 2, 1));
}

TEST_F(MapEditorTest, FightersOnDeletedPlatformsFallAndTheMatchPlaysTheEditedMap) {
    Open(kBase, true, 3);
    F12();  // back to the match, where everyone lands on the floor
    for (int i = 0; i < game_->PlayerCount(); ++i)
        game_->Respawn(game_->GetPlayer(i));
    for (int i = 0; i < 40; ++i)
        Frame(400, 300);
    F12();
    for (int i = 0; i < 40; ++i)
        Drag(10 + 15 * i, 10, 30 + 15 * i, 40);
    for (int i = 0; i < game_->PlayerCount(); ++i)  // the floor has not moved
        EXPECT_EQ(game_->GetPlayer(i).Ground(), &Map().Platforms()[0]);
    RightClick(100, 520);
    RightClick(1000, 488);  // the floor's spawn point
    Choose(2);
    Click(600, 300);
    Choose(5);
    Click(200, 300);
    for (int i = 0; i < game_->PlayerCount(); ++i)
        EXPECT_EQ(game_->GetPlayer(i).Ground(), nullptr);
    F12();
    const float before = game_->GetPlayer(0).Position().y;
    for (int i = 0; i < 10; ++i)
        Frame(400, 300);
    EXPECT_GT(game_->GetPlayer(0).Position().y, before);
    EXPECT_LT(Map().Items().back().respawnTimer, 100.0f);
    game_->Respawn(game_->GetPlayer(1));
    EXPECT_EQ(game_->GetPlayer(1).Position(), (Vec2{600, 300}));
}

TEST_F(MapEditorTest, WithoutWeaponsWNamesNoneAndAWeaponClickSaysSo) {
    Open(folder_, false);
    Press(Key::kW);
    EXPECT_EQ(editor_->WeaponChoice(), 0);
    Choose(10);
    Click(300, 200);
    EXPECT_TRUE(Map().Items().empty());
    EXPECT_EQ(rig_.console->History().back(), "No weapons loaded.");
}

TEST_F(MapEditorTest, AFrameShowsSpawnPointsGuidesWorldEdgesTextsAndTheTreeOnG) {
    Choose(3);
    Click(300, 200);
    Choose(0);
    rig_.Hold(Key::kG);
    rig_.renderer.Clear();
    Frame(403, 299);
    EXPECT_EQ(LinesOf({0, 0, 255, 100}), 4u);  // the blue spawn point's square
    EXPECT_EQ(LinesOf({255, 0, 0, 255}), 4u);  // the world's edges
    EXPECT_GT(LinesOf({0, 255, 0, 255}), 0u);  // the tree, every node
    ASSERT_EQ(LinesOf({255, 0, 0, 200}), 2u);
    const auto lines = rig_.renderer.CallsOf(RecordingRenderer::Kind::Line);
    const auto guide = std::find_if(lines.begin(), lines.end(), [](auto& l) {
        return l.colour == Colour{255, 0, 0, 200};
    });
    EXPECT_EQ(std::tuple(guide[0].v[1], guide[1].v[0]), std::tuple(296.0f, 400.0f));  // snapped
    EXPECT_EQ(rig_.renderer.Texts(),
              (std::vector<std::string>{"Platform    Undo: 1", "Platform Count: 1"}));
}
