#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/GameType.h"
#include "input/KeyTable.h"
#include "render/Font.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"
#include "weapons/Weapon.h"

using Kind = RecordingRenderer::Kind;

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

struct Line {
    std::string text;
    int x, y;
    std::uint8_t red, green, blue, alpha;
    bool operator==(const Line&) const = default;
};

class HudTest : public testing::Test {
protected:
    // The texts of one frame, with the baseline shift of the fonts taken off.
    std::vector<Line> FrameTexts(Game& game) {
        rig_.renderer.Clear();
        rig_.Tick();
        game.Frame();
        std::vector<Line> lines;
        for (const auto& call : rig_.renderer.CallsOf(Kind::Text)) {
            const Colour c = call.colour;
            lines.push_back({call.text, static_cast<int>(call.v[0]),
                             static_cast<int>(call.v[1]) - kBaseline, c.r, c.g, c.b, c.a});
        }
        return lines;
    }

    static bool Has(const std::vector<Line>& lines, const Line& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    static constexpr int kBaseline = 7;  // half the height of the 14-pixel fonts
    std::filesystem::path folder_ = FreshTestFolder("hud");
    GameRig rig_{folder_, kBase};
};
}  // namespace

TEST_F(HudTest, TheHumansStateWeaponRowAndScoreboardWithTiesToTheLowerNumber) {
    auto game = rig_.FloorGame(3);
    game->ShowTitle("", 0.0f);
    Player& human = game->GetPlayer(0);
    game->Respawn(human);
    human.Give("all", *game);
    human.Weapons().Add(game->CreateWeaponAt(1));  // eight weapons
    human.Weapons().Select(2);
    Player &one = game->GetPlayer(1), &two = game->GetPlayer(2);
    // Player 2 reaches two frags first, then player 1 draws level: 1 still leads.
    for (Player* killer : {&two, &two, &one, &one})
        killer->Fragged(human, *game);
    human.Fragged(one, *game);

    std::vector<Line> lines = FrameTexts(*game);
    const int ammo = human.CurrentWeapon()->Ammo();
    EXPECT_TRUE(Has(lines, {"Health: 100%", 8, 10, 255, 0, 0, 200}));
    EXPECT_TRUE(Has(lines, {"Armour: 100", 8, 24, 0, 0, 255, 200}));
    EXPECT_TRUE(Has(lines, {"Ammo: " + std::to_string(ammo), 8, 38, 128, 128, 0, 200}));
    // The leader lowest; the dead faded.
    EXPECT_TRUE(Has(lines, {game->PlayerName(1) + ": 2", 8, 584, 0, 0, 0, 100}));
    EXPECT_TRUE(Has(lines, {game->PlayerName(2) + ": 2", 8, 570, 0, 0, 0, 100}));
    EXPECT_TRUE(Has(lines, {"Player: 1", 8, 556, 0, 0, 0, 200}));
    EXPECT_EQ(std::pair(one.Rank(), human.Rank()), std::pair(1, 3));
    // The level frags the other way round: the lower number still leads.
    two.Fragged(human, *game);
    one.Fragged(human, *game);
    lines = FrameTexts(*game);
    EXPECT_TRUE(Has(lines, {game->PlayerName(1) + ": 3", 8, 584, 0, 0, 0, 100}));
    EXPECT_TRUE(Has(lines, {game->PlayerName(2) + ": 3", 8, 570, 0, 0, 0, 100}));

    // The weapon row: 33 apart from 268 to 499 along y 10, the one in hand large and solid.
    std::vector<std::pair<float, std::uint8_t>> row;
    for (const auto& quad : rig_.renderer.CallsOf(Kind::TexturedQuad)) {
        if ((quad.v[1] + quad.v[3]) / 2 == 10.0f)
            row.emplace_back((quad.v[0] + quad.v[2]) / 2, quad.colour.a);
    }
    ASSERT_EQ(row.size(), 8u);
    for (std::size_t i = 0; i < row.size(); ++i) {
        EXPECT_EQ(row[i].first, 268.0f + 33.0f * static_cast<float>(i));
        EXPECT_EQ(row[i].second, i == 2 ? 255 : 100);
    }

    // Tab hides the scores, the messages and the name tags, not the human's own lines.
    EXPECT_TRUE(
        std::any_of(lines.begin(), lines.end(), [](auto& l) { return l.text == "Player"; }));
    game->OnKeyDown(Key::kTab);
    lines = FrameTexts(*game);
    ASSERT_EQ(lines.size(), 4u);  // the three state lines and the empty title
    EXPECT_EQ(lines[0].text, "Health: 100%");
}

TEST_F(HudTest, TeamScoresLeadByScoreWithRedOnTopOfATie) {
    auto game = rig_.FloorGame(2, GameType::Team);
    for (int i = 0; i < 3; ++i) {
        game->AddTeamFrag(Team::Red);
        game->AddTeamFrag(Team::Blue);
    }
    std::vector<Line> lines = FrameTexts(*game);
    EXPECT_TRUE(Has(lines, {"Score: 3/32", 8, 566, 200, 0, 0, 200}));
    EXPECT_TRUE(Has(lines, {"Score: 3/32", 8, 580, 0, 0, 200, 200}));
    game->AddTeamFrag(Team::Blue);
    lines = FrameTexts(*game);
    EXPECT_TRUE(Has(lines, {"Score: 4/32", 8, 566, 0, 0, 200, 200}));
    EXPECT_TRUE(Has(lines, {"Score: 3/32", 8, 580, 200, 0, 0, 200}));
}

TEST_F(HudTest, ATeamAtTheLimitBeforeAnyPlayerEndsTheMatchAndTheFinalScoresFollow) {
    auto game = rig_.FloorGame(4, GameType::Team, 2);
    // Players 0 and 2 are blue, 1 and 3 red; each blue frags once.
    game->GetPlayer(0).Fragged(game->GetPlayer(1), *game);
    EXPECT_EQ(game->Fade(), Game::kNoFade);
    game->GetPlayer(2).Fragged(game->GetPlayer(3), *game);
    EXPECT_EQ(game->Fade(), Game::kEndFade);  // how long it lasts is the match's test
    game->Frame();                            // which ranks the players
    rig_.renderer.Clear();
    game->DrawFinalScores();
    std::vector<std::pair<std::string, Colour>> shown;
    for (const auto& call : rig_.renderer.CallsOf(Kind::Text))
        shown.emplace_back(call.text, call.colour);
    const Colour blue{0, 0, 255, 255}, red{255, 0, 0, 255};
    EXPECT_EQ(shown,
              (std::vector<std::pair<std::string, Colour>>{{"Player: 1", blue},
                                                           {game->PlayerName(2) + ": 1", blue},
                                                           {game->PlayerName(1) + ": 0", red},
                                                           {game->PlayerName(3) + ": 0", red}}));
    EXPECT_EQ(rig_.renderer.Calls().back().kind, Kind::Present);
}

TEST(TitleTest, HoldsFullAlphaUntilItsTimerFallsTo255ThenFadesAtTwoPerStep) {
    const std::pair<int, std::uint8_t> cases[] = {
        {22, 255}, {23, 254}, {149, 2}, {150, 0}, {400, 0}};
    RecordingRenderer renderer;
    const auto font = renderer.MakeFont("Arial", 14, 0);
    for (const auto& [steps, alpha] : cases) {
        Title title;
        title.Show("You fragged Bot 1", 300.0f);
        for (int i = 0; i < steps; ++i)
            title.Update(1.0f);
        renderer.Clear();
        title.Draw(renderer, font.get());
        ASSERT_EQ(renderer.CallsOf(Kind::Text).size(), 1u);
        EXPECT_EQ(renderer.CallsOf(Kind::Text)[0].colour.a, alpha) << steps;
    }
}
