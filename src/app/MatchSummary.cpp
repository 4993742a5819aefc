#include "app/MatchSummary.h"

#include <algorithm>

#include "core/TextFormat.h"
#include "game/Game.h"
#include "world/Team.h"

void MatchSummary::Observe(const Game* game, float frames) {
    ++frames_;
    simulatedFrames_ += frames;
    if (game == nullptr) {
        lastOver_ = false;
        return;
    }
    matchPlayed_ = true;
    lastLiveObjects_ = game->LiveObjectCount();
    peakLiveObjects_ = std::max(peakLiveObjects_, lastLiveObjects_);
    // Once over, a match changes no more: its scores are final, and it may be dropped soon.
    const bool over = game->IsOver();
    if (over && !lastOver_) TakeScores(*game);
    lastOver_ = over;
}

void MatchSummary::Finish(const Game* game) {
    // A match over has its scores already: a network player who left since would be named
    // by his bot.
    if (game != nullptr && !lastOver_) TakeScores(*game);
}

void MatchSummary::TakeScores(const Game& game) {
    taken_ = true;
    match_ = FormatLineF("%s, %s, %d players, frag limit %d", Printable(game.MapName()).c_str(),
                         game.TeamGame() ? "team" : "ffa", game.PlayerCount(), game.FragLimit());
    fragLimitEnded_ = game.Fade() != Game::kNoFade;
    scores_.clear();
    for (const int number : game.Ranking())
        scores_.push_back({game.PlayerName(number), game.GetPlayer(number).Frags()});
    teams_.clear();
    if (game.TeamGame()) {
        teams_ = FormatLineF("red %d, blue %d", game.TeamScore(static_cast<int>(Team::Red)),
                             game.TeamScore(static_cast<int>(Team::Blue)));
    }
}

std::string MatchSummary::Text(std::chrono::duration<double> wallTime) const {
    const double wall = std::max(wallTime.count(), 1e-9);
    std::string text = FormatLineF("Seed: %u\n", seed_);
    text += FormatLineF("Simulated time: %.1f s (%ld frames)\n", SimulatedSeconds(), frames_);
    text += FormatLineF("Wall time: %.2f s\n", wallTime.count());
    text += FormatLineF("Speed: %.0f frames a second, %.1f times real time\n",
                        static_cast<double>(frames_) / wall, SimulatedSeconds() / wall);
    text += FormatLineF("Peak live objects: %zu\n", peakLiveObjects_);
    text += FormatLineF("Live objects at the end: %zu\n", lastLiveObjects_);
    if (!taken_) return text + "No match was running at the end.\n";
    text += "Match: " + match_ + "\n";
    text += FormatLineF("Ended by the frag limit: %s\n", fragLimitEnded_ ? "yes" : "no");
    if (!teams_.empty()) text += "Teams: " + teams_ + "\n";
    text += "Scores:\n";
    for (std::size_t place = 0; place < scores_.size(); ++place) {
        text += FormatLineF("%3zu. %s: %d\n", place + 1, Printable(scores_[place].name).c_str(),
                            scores_[place].frags);
    }
    return text;
}
