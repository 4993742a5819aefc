// One frame of a match: the update pass moves everything in the frame's order, then the draw
// pass shows what it left. A headless match advances alone.
#include <algorithm>

#include "bots/BotBrain.h"
#include "bots/BotChat.h"
#include "content/GraphicsTable.h"
#include "core/FrameTimer.h"
#include "core/Log.h"
#include "core/Screen.h"
#include "game/Game.h"
#include "game/GameType.h"
#include "input/CursorDevice.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "weapons/PowerUp.h"
#include "weapons/Weapon.h"

namespace {
constexpr float kLookAhead = 200.0f;
constexpr std::uint8_t kCursorAlpha = 240;
constexpr float kOpaqueFade = 255.0f;
}  // namespace

void Game::Frame() {
    Advance();
    if (advanced_ == Advanced::Nothing) return;
    if (advanced_ == Advanced::Editor) {
        DrawConsole();
        DrawCursor();
        DrawFade();
    } else {
        Draw();
    }
    FinishFrame();
}

void Game::Advance() {
    advanced_ = Advanced::Nothing;
    if (!Playable()) return;
    if (mapEditor_ || animEditor_) {
        advanced_ = Advanced::Editor;
        EditorFrame();
        return;
    }
    advanced_ = Advanced::Match;
    Update();
}

bool Game::Playable() {
    if (IsSupported(gameType_)) return true;
    Print("Game type not supported.");
    services_.log.Line("Game type not supported.");
    finished_ = true;
    return false;
}

void Game::Update() {
    if (!Playable()) return;
    ++steps_;
    if (mirror_) {
        MirrorUpdate();
        return;
    }
    // The tree's marks show the leaves this frame's collision queries visited.
    map_.ClearTreeMarks();
    AimHuman();
    MoveCamera();
    ControlHuman();
    UpdatePlayers();
    UpdateItems();
    UpdateLiveObjects();
    HoldFire();
    title_.Update(Step());
    messages_.Scroll(Step());
    UpdateFade();
    RankPlayers();
}

void Game::Draw() const {
    services_.renderer.BeginFrame();
    DrawWorld();
    for (const Player& player : players_) {
        if (player.InPlay()) player.Draw(*view_, *this);
    }
    for (const ItemSpawn& item : map_.Contents().items)
        DrawItem(item, *view_, *this);
    // Objects fired after the live objects' turn are first drawn once they have moved.
    for (std::size_t i = 0; i < std::min(updatedObjects_, liveObjects_.size()); ++i)
        liveObjects_[i]->Draw(*view_);
    for (const auto& ghost : ghosts_)
        ghost->Draw(*view_);
    DrawHud();
    DrawConsole();
    DrawFade();
}

// The map editor goes first, then the animation editor; an editor that reports it is done is
// dropped in that same frame. An editor updates and draws in one go: it is a tool over a
// paused match.
void Game::EditorFrame() {
    services_.renderer.BeginFrame();
    for (std::unique_ptr<Editor>* editor : {&mapEditor_, &animEditor_}) {
        if (!*editor) continue;
        if ((*editor)->Frame(*this)) editor->reset();
        break;
    }
    UpdateFade();
}

void Game::FinishFrame() {
    for (; screenshotsAsked_ > 0; --screenshotsAsked_)
        screenshots_.Take(services_.renderer);
    services_.renderer.Present();
}

void Game::AimHuman() {
    if (players_.empty()) return;
    Player& human = players_.front();
    if (ActionHeld(Action::kAimUp)) human.AimUp(Step());
    if (ActionHeld(Action::kAimDown)) human.AimDown(Step());
    // The pad's right stick turns him as the mouse does.
    if (ActionHeld(Action::kTurnLeft)) human.SetFacing(Facing::Left);
    if (ActionHeld(Action::kTurnRight)) human.SetFacing(Facing::Right);
}

void Game::MoveCamera() {
    Vec2 target = camera_.Target();
    if (!players_.empty()) {
        const Player& human = players_.front();
        target = human.Position();
        if (human.InPlay() && KeyHeld(Key::kRightControl)) {
            target.x += human.Facing() == Facing::Left ? -kLookAhead : kLookAhead;
        }
    }
    // The scroll uses where the camera stood at the end of the last frame.
    view_->SetOffset(camera_.OffsetX(), camera_.OffsetY());
    camera_.Follow(target, Step());
    camera_.ApplyShake(Step());
}

void Game::ControlHuman() {
    if (!HumanInPlay()) return;
    Player& human = players_.front();
    if (ActionHeld(Action::kMoveLeft)) {
        human.SetMove(MoveDirection::Left);
    } else if (ActionHeld(Action::kMoveRight)) {
        human.SetMove(MoveDirection::Right);
    } else {
        human.SetMove(MoveDirection::None);
    }
    if (ActionHeld(Action::kJump)) human.Jump();
    if (ActionHeld(Action::kThrust)) human.Thrust();
}

void Game::UpdatePlayers() {
    // Indexed: a player's update may reach the others through the match.
    for (std::size_t i = 0; i < players_.size(); ++i) {
        Player& player = players_[i];
        // The dead chat too: a bot complains of its death while it waits to come back. Who has
        // not come into the match yet is not in it to talk.
        if (player.EnteredMatch()) ChatTick(player, *this);
        if (!player.InPlay()) {
            if (RemoteSlot(static_cast<int>(i))) PassOverRemotePresses(player);
            UpdateDead(player);
            continue;
        }
        if (RemoteSlot(static_cast<int>(i))) {
            DriveRemote(player);
        } else {
            Think(player, *this);
        }
        player.Update(*this);
    }
}

void Game::UpdateDead(Player& player) {
    player.AddDeadTime(Step());
    if (player.DeadTime() >= kRespawnTime) Respawn(player);
}

void Game::UpdateItems() {
    for (ItemSpawn& item : map_.Items())
        UpdateItem(item, *this);
}

void Game::UpdateLiveObjects() {
    // Indexed, because an update may append to the list; appended objects run this pass too.
    for (std::size_t i = 0; i < liveObjects_.size(); ++i)
        liveObjects_[i]->Update(*this);
    std::erase_if(liveObjects_, [](const auto& object) { return object->Finished(); });
    updatedObjects_ = liveObjects_.size();
}

void Game::HoldFire() {
    HoldRemoteFire();
    Weapon* weapon = HumanWeapon();
    if (weapon == nullptr) return;
    if (ActionHeld(Action::kFirePrimary)) {
        weapon->HoldPrimary(players_.front(), *this);
    } else if (ActionHeld(Action::kFireSecondary)) {
        weapon->HoldSecondary(players_.front(), *this);
    }
}

void Game::UpdateFade() {
    if (fade_ == kNoFade) return;
    fade_ -= services_.timer.TimeScale();
    if (fade_ < 0.0f) {
        fade_ = 0.0f;
        matchOver_ = true;
    }
}

void Game::DrawWorld() const {
    if (map_.Tree() && KeyHeld(Key::kG) && Developer()) map_.DrawTree(*view_, false);
    map_.Draw(*view_);
}

void Game::DrawConsole() const {
    if (services_.drawConsole) services_.drawConsole();
}

void Game::DrawCursor() const {
    const Sprite* cursor =
        services_.graphics ? services_.graphics->GetSprite(sprites_.cursor) : nullptr;
    if (!cursor) return;
    int x = 0;
    int y = 0;
    if (services_.cursor) services_.cursor->GetCursorPos(x, y);
    services_.renderer.DrawSprite(*cursor, static_cast<float>(x), static_cast<float>(y),
                                  kCursorAlpha);
}

void Game::DrawFade() const {
    if (fade_ == kNoFade) return;
    const auto alpha = static_cast<std::uint8_t>(fade_ <= kOpaqueFade ? kOpaqueFade - fade_ : 0.0f);
    services_.renderer.FillRect(0.0f, 0.0f, static_cast<float>(kScreenWidth),
                                static_cast<float>(kScreenHeight), Colour{0, 0, 0, alpha});
}

void Game::Print(const std::string& line) const {
    if (services_.print) services_.print(line);
}

bool Game::KeyHeld(int key) const { return services_.input && services_.input->IsKeyDown(key); }

bool Game::ActionHeld(int action) const {
    return services_.input && services_.input->IsActionDown(action);
}

bool Game::Developer() const { return services_.developer && services_.developer(); }

bool Game::HumanInPlay() const { return !players_.empty() && players_.front().InPlay(); }

Weapon* Game::HumanWeapon() const {
    return HumanInPlay() && players_.front().Placed() ? players_.front().CurrentWeapon() : nullptr;
}
