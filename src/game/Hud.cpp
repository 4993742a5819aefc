// What the human sees over the match: his health, armour and ammunition, his weapons, the
// title, the scores and the message lines.
#include <array>
#include <cstdint>
#include <vector>

#include "game/Game.h"
#include "game/Ranking.h"
#include "render/Renderer.h"
#include "weapons/Weapon.h"

namespace {
struct HudFonts {
    const Font* small;
    const Font* bold;
};

constexpr int kLeft = 8;
constexpr int kLineSpacing = 14;
constexpr Colour kHealthColour{255, 0, 0, 200};
constexpr Colour kArmourColour{0, 0, 255, 200};
constexpr Colour kAmmoColour{128, 128, 0, 200};
constexpr int kStatusTop = 10;
// The scoreboard grows upwards from its leader's line.
constexpr int kScoreboardBottom = 584;
constexpr Colour kInPlayScore{0, 0, 0, 200};
constexpr Colour kOutOfPlayScore{0, 0, 0, 100};
constexpr int kLeadingTeamY = 566;
constexpr int kOtherTeamY = 580;
constexpr Colour kRedScore{200, 0, 0, 200};
constexpr Colour kBlueScore{0, 0, 200, 200};
constexpr int kMessageX = 160;
constexpr int kMessageY = 40;
constexpr Colour kMessageColour{0, 0, 0, 255};

void DrawStatus(Renderer& renderer, const Font* font, const Player& human) {
    const auto health = static_cast<int>(human.Health() * human.MaxHealth() / 100.0f);
    renderer.DrawString(font, kLeft, kStatusTop, kHealthColour, "Health: %d%%", health);
    renderer.DrawString(font, kLeft, kStatusTop + kLineSpacing, kArmourColour, "Armour: %d",
                        static_cast<int>(human.Armour()));
    // Without a weapon file nobody carries anything to count.
    if (const Weapon* weapon = human.CurrentWeapon()) {
        renderer.DrawString(font, kLeft, kStatusTop + 2 * kLineSpacing, kAmmoColour, "Ammo: %d",
                            weapon->Ammo());
    }
}

// One line per player, the leader lowest; the human in bold, the dead faded.
void DrawScoreboard(Renderer& renderer, HudFonts fonts, const Arena& arena,
                    const std::vector<Player>& players, const std::vector<int>& ranking) {
    for (std::size_t place = 0; place < ranking.size(); ++place) {
        const Player& player = players.at(static_cast<std::size_t>(ranking[place]));
        const int y = kScoreboardBottom - kLineSpacing * static_cast<int>(place);
        renderer.DrawString(player.Number() == 0 ? fonts.bold : fonts.small, kLeft, y,
                            player.InPlay() ? kInPlayScore : kOutOfPlayScore, "%s: %d",
                            player.GetName(arena).c_str(), player.Frags());
    }
}

// The leading team on the upper, bold line; red leads a tie.
void DrawTeamScores(Renderer& renderer, HudFonts fonts, int red, int blue, int limit) {
    const bool redLeads = red >= blue;
    renderer.DrawString(fonts.bold, kLeft, kLeadingTeamY, redLeads ? kRedScore : kBlueScore,
                        "Score: %d/%d", redLeads ? red : blue, limit);
    renderer.DrawString(fonts.small, kLeft, kOtherTeamY, redLeads ? kBlueScore : kRedScore,
                        "Score: %d/%d", redLeads ? blue : red, limit);
}

void DrawMessages(Renderer& renderer, const Font* font, const MessageList& messages) {
    const auto& lines = messages.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        renderer.DrawString(font, kMessageX, kMessageY + kLineSpacing * static_cast<int>(i),
                            kMessageColour, "%s", lines[i].c_str());
    }
}
}  // namespace

void Game::DrawHud() const {
    Renderer& renderer = services_.renderer;
    const HudFonts fonts{smallFont_.get(), smallBoldFont_.get()};
    if (HumanInPlay()) {
        DrawStatus(renderer, fonts.small, players_.front());
        players_.front().DrawWeaponBar(*view_);
    }
    title_.Draw(renderer, fonts.small);
    // Tab hides the scores and the messages, never the human's own state or the title.
    if (hideHud_) return;
    if (teamGame_) {
        DrawTeamScores(renderer, fonts, TeamScore(static_cast<int>(Team::Red)),
                       TeamScore(static_cast<int>(Team::Blue)), fragLimit_);
    } else {
        DrawScoreboard(renderer, fonts, *this, players_, ranking_);
    }
    DrawMessages(renderer, fonts.bold, messages_);
}

void Game::RankPlayers() {
    ranking_ = RankByFrags(players_);
    for (std::size_t place = 0; place < ranking_.size(); ++place)
        players_[static_cast<std::size_t>(ranking_[place])].SetRank(static_cast<int>(place) + 1);
}
