// Network play inside the match: a fighter driven by a client's inputs on the host, and a
// client's mirror showing the host's states and making their effects.
#include <gtest/gtest.h>

#include "core/Random.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "weapons/Weapon.h"
#include "weapons/effects/SparkShower.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
const std::filesystem::path kFoundry = kBase / "Maps" / "bwdm1.bwm";

void Steps(GameRig& rig, Game& game, int count) {
    for (int i = 0; i < count; ++i) {
        rig.Tick();
        game.Update();
    }
}
}  // namespace

TEST(NetworkMatch, ARemotePlayerIsDrivenByHisInputsAndGivenBack) {
    SeedRandom(3);
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-remote-test", kBase);
    auto game = rig.StartGame(kFoundry, 2);
    Player& alice = game->GetPlayer(1);
    const std::string bot = game->PlayerName(1);
    game->TakeRemote(1, "Alice");
    game->Respawn(alice);
    alice.Give("all", *game);
    Steps(rig, *game, 60);  // landed
    ASSERT_TRUE(alice.Placed());
    EXPECT_EQ(game->PlayerName(1), "Alice");
    EXPECT_TRUE(game->RemoteSlot(1));

    RemoteInput input;
    input.held = 1u << Action::kMoveRight;
    input.aim = 30.0f;
    input.facingRight = true;
    const float x = alice.Position().x;
    const int weapon = alice.Weapons().CurrentIndex();
    game->SetRemoteInput(1, input);
    Steps(rig, *game, 20);
    EXPECT_GT(alice.Position().x, x + 20.0f);
    EXPECT_FLOAT_EQ(alice.Aim(), 30.0f);
    // One counted press is one weapon on, however many frames carry the same counters.
    input.presses[static_cast<std::size_t>(PressedCommand::NextWeapon)] = 1;
    game->SetRemoteInput(1, input);
    Steps(rig, *game, 5);
    EXPECT_EQ(alice.Weapons().CurrentIndex(), (weapon + 1) % alice.Weapons().Count());

    game->ReleaseRemote(1);
    EXPECT_FALSE(game->RemoteSlot(1));
    EXPECT_EQ(game->PlayerName(1), bot);
}

TEST(NetworkMatch, AMirrorShowsTheHostsStateAndMakesItsEffects) {
    SeedRandom(4);
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-mirror-test", kBase);
    auto host = rig.StartGame(kFoundry, 3);
    host->KeepForClients();
    Steps(rig, *host, 400);  // everyone in play
    SparkShower(*host, Vec2{400.0f, 300.0f}, 5);
    const MatchState state = host->CaptureState();
    ASSERT_EQ(state.figures.size(), 3u);
    EXPECT_NE(std::find_if(state.events.begin(), state.events.end(),
                           [](const EffectEvent& e) { return e.kind == EffectKind::Sparks; }),
              state.events.end());
    EXPECT_TRUE(host->CaptureState().events.empty());  // each is sent once

    auto client = rig.StartGame(kFoundry, 3);
    client->SetMirror(true);
    client->SetNames({"Me", "Host bot", "Other"});
    client->ShowState(state);
    for (int i = 0; i < 3; ++i) {
        const Player& shown = client->GetPlayer(i);
        EXPECT_EQ(shown.InPlay(), state.figures[static_cast<std::size_t>(i)].inPlay);
        EXPECT_EQ(shown.Position(), state.figures[static_cast<std::size_t>(i)].position);
    }
    EXPECT_EQ(client->PlayerName(1), "Host bot");
    EXPECT_GE(client->LiveObjectCount(), 5u);  // the sparks, made here
    // Nothing is simulated: the fighters stay where the state put them.
    const Vec2 at = client->GetPlayer(2).Position();
    Steps(rig, *client, 30);
    EXPECT_EQ(client->GetPlayer(2).Position(), at);
}
