// The screen that ends a match: every player's frags, best first, in his team's colour.
#include <array>

#include "core/Screen.h"
#include "game/Game.h"
#include "render/Renderer.h"

namespace {
constexpr int kLineHeight = 16;
// White for no team, then red and blue.
constexpr std::array<Colour, 3> kTeamColours = {Colour{255, 255, 255, 255}, Colour{255, 0, 0, 255},
                                                Colour{0, 0, 255, 255}};
}  // namespace

void Game::DrawFinalScores() {
    Renderer& renderer = services_.renderer;
    renderer.BeginFrame();
    renderer.FillRect(0.0f, 0.0f, static_cast<float>(kScreenWidth),
                      static_cast<float>(kScreenHeight), Colour{0, 0, 0, 255});
    // The block of lines is centred on the middle of the screen.
    const int count = static_cast<int>(ranking_.size());
    const int top = kScreenHeight / 2 - kLineHeight / 2 * count;
    for (int line = 0; line < count; ++line) {
        const Player& player =
            players_.at(static_cast<std::size_t>(ranking_[static_cast<std::size_t>(line)]));
        const int y = top + kLineHeight * line;
        renderer.DrawStringCentred(player.Number() == 0 ? smallBoldFont_.get() : smallFont_.get(),
                                   0, y, kScreenWidth, y + kLineHeight,
                                   kTeamColours.at(static_cast<std::size_t>(player.Team())),
                                   "%s: %d", player.GetName(*this).c_str(), player.Frags());
    }
    FinishFrame();
}
