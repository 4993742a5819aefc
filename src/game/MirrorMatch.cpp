// Network play on a client: the match shows the host's states and sends back the human's
// controls. It simulates nothing but its own particles.
#include <algorithm>

#include "core/Geometry.h"
#include "game/Game.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "player/MouseLook.h"
#include "weapons/effects/EffectReplay.h"
#include "weapons/projectiles/ProjectileGhost.h"

namespace {
struct CountedCommand {
    Command command;
    PressedCommand pressed;
};
constexpr CountedCommand kCountedCommands[] = {
    {Command::FirePrimary, PressedCommand::Primary},
    {Command::FireSecondary, PressedCommand::Secondary},
    {Command::Crouch, PressedCommand::Crouch},
    {Command::NextWeapon, PressedCommand::NextWeapon},
    {Command::PrevWeapon, PressedCommand::PrevWeapon},
    {Command::BulletTime, PressedCommand::BulletTime},
};
// The held actions the host is told of.
constexpr int kSentActions[] = {Action::kMoveLeft, Action::kMoveRight,   Action::kJump,
                                Action::kThrust,   Action::kFirePrimary, Action::kFireSecondary};

Vec2 Between(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }

// The host's steps between two states, which is how far behind the host a client shows.
float Interval(const MatchState& before, const MatchState& now) {
    if (before.figures.empty()) return 1.0f;
    return std::max(1.0f, static_cast<float>(now.step - before.step));
}
}  // namespace

bool Game::CountPress(Command command) {
    for (const CountedCommand& counted : kCountedCommands) {
        if (counted.command != command) continue;
        auto& count = localInput_.presses[static_cast<std::size_t>(counted.pressed)];
        count = static_cast<std::uint8_t>(count + 1);
        return true;
    }
    return false;
}

RemoteInput Game::TakeInput() {
    RemoteInput input = localInput_;
    input.held = 0;
    for (const int action : kSentActions) {
        if (ActionHeld(action))
            input.held = static_cast<std::uint16_t>(input.held | (1u << action));
    }
    // A click is a frame of held fire, as it is offline.
    if (std::exchange(clickPending_, false))
        input.held = static_cast<std::uint16_t>(input.held | (1u << Action::kFirePrimary));
    if (!players_.empty()) {
        input.aim = players_.front().Aim();
        input.facingRight = players_.front().Facing() == Facing::Right;
    }
    return input;
}

void Game::ShowState(const MatchState& state) {
    // An older state than the one shown came late: the newer one stands.
    if (!shown_.figures.empty() && state.step <= shown_.step) return;
    shownBefore_ = std::move(shown_);
    shown_ = state;
    sinceShown_ = 0.0f;
    SetTimeScaleTarget(std::clamp(state.timeScale, 0.05f, 1.0f));
    teamScores_ = state.teamScores;
    matchOver_ = state.over;
    fade_ = state.fade >= 32767.0f ? kNoFade : state.fade;
    ghosts_.clear();
    // The host's projectiles moved by a step slowed in bullet time, as ours do.
    const float behind = Interval(shownBefore_, shown_) * std::clamp(state.timeScale, 0.05f, 1.0f);
    for (const ObjectState& object : state.objects)
        ghosts_.push_back(std::make_unique<ProjectileGhost>(object, behind));
    auto& items = map_.Items();
    for (std::size_t i = 0; i < items.size() && i < state.itemsShown.size(); ++i)
        items[i].shown = state.itemsShown[i];
    for (const EffectEvent& event : state.events)
        ReplayEffect(*this, event);
    InterpolateFigures();
}

void Game::ShowCarried(const std::vector<int>& weapons) {
    if (!players_.empty()) players_.front().ShowCarried(weapons, *this);
}

// Between the two newest states, by the steps since the newest came: one state's interval
// behind the host, and smooth however the packets bunch.
void Game::InterpolateFigures() {
    const float t = std::clamp(sinceShown_ / Interval(shownBefore_, shown_), 0.0f, 1.0f);
    for (std::size_t i = 0; i < players_.size() && i < shown_.figures.size(); ++i) {
        FigureState figure = shown_.figures[i];
        if (i < shownBefore_.figures.size()) {
            const FigureState& before = shownBefore_.figures[i];
            // A fighter who just came into play jumps to his spawn point.
            if (before.inPlay && figure.inPlay) {
                figure.position = Between(before.position, figure.position, t);
                figure.aim = before.aim + (figure.aim - before.aim) * t;
            }
        }
        players_[i].ShowFigure(figure, *this, i == 0);
    }
}

void Game::MirrorUpdate() {
    map_.ClearTreeMarks();
    AimHuman();
    if (mouseLook_ && HumanInPlay()) mouseLook_->Apply(players_.front(), Step());
    MoveCamera();
    // In frames of the host's pace: its step counter does not slow in bullet time.
    sinceShown_ += Step() / std::max(TimeScale(), 0.01f);
    InterpolateFigures();
    for (const auto& ghost : ghosts_)
        ghost->Update(*this);
    UpdateLiveObjects();
    title_.Update(Step());
    messages_.Scroll(Step());
    RankPlayers();
}
