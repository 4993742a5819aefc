// Network play on the host: fighters played from across the network, and what the clients are
// sent of the match.
#include <algorithm>

#include "bots/BotChat.h"
#include "game/Game.h"
#include "input/KeyTable.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponFile.h"

namespace {
// Past what a state carries of sounds and effects, the oldest go: a client that misses some
// sparks has lost nothing that matters.
constexpr std::size_t kMostKeptEvents = MatchState::kMostEvents;
constexpr std::size_t kMostKeptMessages = 64;
// A burst of presses past this in one frame is not a hand's.
constexpr int kMostPressesAFrame = 4;

// Keeps the newest `most`: what waits for the clients must not grow without end.
template <typename T>
void KeepNewest(std::vector<T>& list, T item, std::size_t most) {
    if (list.size() >= most) list.erase(list.begin());
    list.push_back(std::move(item));
}

void Press(PressedCommand command, Player& player, Game& game) {
    Weapon* weapon = player.Placed() ? player.CurrentWeapon() : nullptr;
    switch (command) {
        case PressedCommand::Primary:
            if (weapon) weapon->PressPrimary(player, game);
            break;
        case PressedCommand::Secondary:
            if (weapon) weapon->PressSecondary(player, game);
            break;
        case PressedCommand::Crouch:
            player.ToggleCrouch();
            break;
        case PressedCommand::NextWeapon:
            player.NextWeapon();
            break;
        case PressedCommand::PrevWeapon:
            player.PrevWeapon();
            break;
        case PressedCommand::BulletTime:
            player.StartBulletTime(Game::kBulletTime, game);
            break;
    }
}
}  // namespace

bool Game::RemoteSlot(int number) const {
    return number >= 0 && static_cast<std::size_t>(number) < remotes_.size() &&
           remotes_[static_cast<std::size_t>(number)].active;
}

void Game::TakeRemote(int number, const std::string& name) {
    if (number < 0 || number >= PlayerCount()) return;
    const auto index = static_cast<std::size_t>(number);
    remotes_.resize(players_.size());
    shownNames_.resize(players_.size());
    remotes_[index] = Remote{};
    remotes_[index].active = true;
    shownNames_[index] = name;
    players_[index].ResetScore();
    players_[index].chat.queue.clear();
    RankPlayers();
}

void Game::ReleaseRemote(int number) {
    if (!RemoteSlot(number)) return;
    const auto index = static_cast<std::size_t>(number);
    remotes_[index].active = false;
    shownNames_[index].clear();
    players_[index].SetMove(MoveDirection::None);
    players_[index].ResetScore();
    RankPlayers();
}

void Game::SetRemoteInput(int number, const RemoteInput& input) {
    if (RemoteSlot(number)) remotes_[static_cast<std::size_t>(number)].input = input;
}

void Game::SayFrom(int number, const std::string& text) {
    if (number < 0 || number >= PlayerCount()) return;
    Player& speaker = players_[static_cast<std::size_t>(number)];
    SayChat(speaker.GetName(*this) + ": " + text);
    for (Player& listener : players_) {
        if (listener.Number() != number) Respond(listener, text, speaker, *this);
    }
}

// The keyboard's controls, from the inputs: movement and aim every frame, each new press once.
void Game::DriveRemote(Player& player) {
    Remote& remote = remotes_[static_cast<std::size_t>(player.Number())];
    const RemoteInput& input = remote.input;
    player.SetFacing(input.facingRight ? Facing::Right : Facing::Left);
    player.SetAim(input.aim);
    if (input.Holds(Action::kMoveLeft)) {
        player.SetMove(MoveDirection::Left);
    } else if (input.Holds(Action::kMoveRight)) {
        player.SetMove(MoveDirection::Right);
    } else {
        player.SetMove(MoveDirection::None);
    }
    if (input.Holds(Action::kJump)) player.Jump();
    if (input.Holds(Action::kThrust)) player.Thrust();
    for (std::size_t i = 0; i < kPressedCommandCount; ++i) {
        const auto count = static_cast<std::uint8_t>(input.presses[i] - remote.seen[i]);
        remote.seen[i] = input.presses[i];
        for (int n = 0; n < std::min<int>(count, kMostPressesAFrame); ++n)
            Press(static_cast<PressedCommand>(i), player, *this);
    }
}

void Game::PassOverRemotePresses(const Player& player) {
    Remote& remote = remotes_[static_cast<std::size_t>(player.Number())];
    remote.seen = remote.input.presses;
}

void Game::HoldRemoteFire() {
    for (std::size_t i = 0; i < remotes_.size() && i < players_.size(); ++i) {
        Player& player = players_[i];
        Weapon* weapon = player.Placed() ? player.CurrentWeapon() : nullptr;
        if (!remotes_[i].active || weapon == nullptr) continue;
        if (remotes_[i].input.Holds(Action::kFirePrimary)) {
            weapon->HoldPrimary(player, *this);
        } else if (remotes_[i].input.Holds(Action::kFireSecondary)) {
            weapon->HoldSecondary(player, *this);
        }
    }
}

void Game::BeginEffect(const EffectEvent& event) {
    KeepEvent(event);
    ++effectDepth_;
}

void Game::KeepEvent(const EffectEvent& event) {
    if (!keepForClients_ || effectDepth_ != 0) return;
    KeepNewest(keptEvents_, event, kMostKeptEvents);
}

void Game::AddMessage(const std::string& text) {
    messages_.Add(text);
    if (!keepForClients_) return;
    KeepNewest(keptMessages_, text, kMostKeptMessages);
}

std::vector<std::string> Game::TakeMessages() { return std::exchange(keptMessages_, {}); }

void Game::ShowTitleTo(int player, const std::string& text, float duration) {
    Arena::ShowTitleTo(player, text, duration);
    if (!keepForClients_ || !RemoteSlot(player)) return;
    KeepNewest(keptTitles_, KeptTitle{player, text, duration}, kMostKeptMessages);
}

std::vector<Game::KeptTitle> Game::TakeTitles() { return std::exchange(keptTitles_, {}); }

std::vector<int> Game::CarriedWeaponDefs(int number) const {
    std::vector<int> carried;
    if (number < 0 || number >= PlayerCount()) return carried;
    const CarriedWeapons& weapons = players_[static_cast<std::size_t>(number)].Weapons();
    for (int i = 0; i < weapons.Count(); ++i) {
        const int def = FindWeaponDef(weaponDefs_, weapons.At(i).Section());
        if (def >= 0) carried.push_back(def);
    }
    return carried;
}

MatchState Game::CaptureState() {
    MatchState state;
    state.step = steps_;
    state.timeScale = TimeScale();
    state.fade = fade_;
    state.over = matchOver_;
    state.teamScores = teamScores_;
    for (const Player& player : players_) {
        FigureState figure = player.Figure();
        if (const Weapon* weapon = player.CurrentWeapon()) {
            const int def = FindWeaponDef(weaponDefs_, weapon->Section());
            if (def >= 0) figure.weapon = def;
        }
        state.figures.push_back(figure);
    }
    for (std::size_t i = 0; i < std::min(updatedObjects_, liveObjects_.size()); ++i) {
        if (auto object = liveObjects_[i]->Export()) state.objects.push_back(*object);
    }
    for (const ItemSpawn& item : map_.Contents().items)
        state.itemsShown.push_back(item.shown);
    state.events = std::exchange(keptEvents_, {});
    return state;
}
