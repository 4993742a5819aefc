// Network play inside the match: a fighter driven by a client's inputs on the host, and a
// client's mirror showing the host's states and making their effects.
#include <gtest/gtest.h>

#include <typeinfo>

#include "core/Random.h"
#include "input/KeyTable.h"
#include "net/MatchStateCodec.h"
#include "net/PacketReader.h"
#include "net/PacketWriter.h"
#include "support/GameRig.h"
#include "support/TestArena.h"
#include "weapons/Weapon.h"
#include "weapons/effects/BloodSpray.h"
#include "weapons/effects/EffectReplay.h"
#include "weapons/effects/FireSmoke.h"
#include "weapons/effects/FlyingHead.h"
#include "weapons/effects/FlyingHelmet.h"
#include "weapons/effects/KnockedOff.h"
#include "weapons/effects/MuzzleFlash.h"
#include "weapons/effects/SmokePuff.h"
#include "weapons/effects/SparkShower.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/projectiles/BlastDamage.h"
#include "weapons/projectiles/Flame.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
const std::filesystem::path kFoundry = kBase / "Maps" / "bwdm1.bwm";

// The events as a client gets them: through the state's encoding.
std::vector<EffectEvent> Sent(const std::vector<EffectEvent>& events) {
    MatchState state;
    state.events = events;
    PacketWriter out;
    WriteMatchState(out, state);
    const std::vector<std::uint8_t> bytes = out.Take();
    PacketReader in(bytes);
    return ReadMatchState(in).events;
}

// Where a thrown object is; none for one without a place to compare.
std::optional<Vec2> PlaceOf(const LiveObject& object) {
    if (const auto* casing = dynamic_cast<const ShellCasing*>(&object)) return casing->Position();
    if (const auto* flash = dynamic_cast<const MuzzleFlash*>(&object)) return flash->Position();
    if (const auto* head = dynamic_cast<const FlyingHead*>(&object)) return head->Position();
    if (const auto* helmet = dynamic_cast<const FlyingHelmet*>(&object)) return helmet->Position();
    if (const auto* flame = dynamic_cast<const Flame*>(&object)) return flame->Position();
    return std::nullopt;
}

void MakeCasing(TestArena& a) { ThrowCasing(a, ShellCasing::Kind::Shotgun, {1, 2}, {2, 1}); }
void MakeFlash(TestArena& a) { FlashMuzzle(a, Vec2{120, 210}, 200.0f, 2.0f); }
void MakeSmoke(TestArena& a) { PuffSmoke(a, {130, 220}, {0, -1}, SmokeLook::Cigarette); }
void MakeDrip(TestArena& a) { DripBlood(a, {140, 230}); }
void MakeBlast(TestArena& a) { FlashBlast(a, {150, 240}, 190.0f); }
void BreakArmour(TestArena& a) { a.GetPlayer(0).BreakArmour(a, {}, false, false); }
void PourFlame(TestArena& a) { Flame::Pour(a, 0, {160, 250}, {3, -0.5f}, 1.5f); }
void MakeSmoulder(TestArena& a) { Smoulder(a, {170, 260}); }
void MakeTrail(TestArena& a) { TrailSmoke(a, {180, 270}); }
void KnockHead(TestArena& a) { KnockOffHead(a, {300, 470}, {20, 1}, 0.15f, 0.28f); }
void KnockHelmet(TestArena& a) { KnockOffHelmet(a, {300, 470}, {5, 0}); }
void MakeWound(TestArena& a) { BlastWound(a, {300, 480}, true); }

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

    // A bullet time pressed while dead is not saved up for the respawn.
    alice.Die(0, *game);
    input.presses[static_cast<std::size_t>(PressedCommand::BulletTime)] = 2;
    game->SetRemoteInput(1, input);
    while (!alice.InPlay())
        Steps(rig, *game, 1);
    Steps(rig, *game, 2);
    EXPECT_EQ(alice.BulletTime(), 0.0f);

    // The bot taking the place back starts from nothing, as a client does.
    alice.Fragged(game->GetPlayer(0), *game);
    ASSERT_NE(alice.Frags(), 0);
    game->ReleaseRemote(1);
    EXPECT_FALSE(game->RemoteSlot(1));
    EXPECT_EQ(game->PlayerName(1), bot);
    EXPECT_EQ(alice.Frags(), 0);
}

TEST(NetworkMatch, AMirrorShowsTheHostsStateAndMakesItsEffects) {
    SeedRandom(4);
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-mirror-test", kBase);
    auto host = rig.StartGame(kFoundry, 3);
    host->KeepForClients();
    Steps(rig, *host, 400);  // everyone in play
    SparkShower(*host, Vec2{400.0f, 300.0f}, 5);
    host->GetPlayer(0).Give("all", *host);
    const std::vector<int> carried = host->CarriedWeaponDefs(0);
    const MatchState state = host->CaptureState();
    ASSERT_EQ(state.figures.size(), 3u);
    EXPECT_NE(std::find_if(state.events.begin(), state.events.end(),
                           [](const EffectEvent& e) { return e.kind == EffectKind::Sparks; }),
              state.events.end());
    EXPECT_TRUE(host->CaptureState().events.empty());  // each is sent once

    auto client = rig.StartGame(kFoundry, 3);
    client->SetMirror(true);
    client->SetNames({"Me", "Host bot", "Other"});
    client->ShowCarried(carried);
    client->ShowState(state);
    // The client's own row: everything he carries, the one in hand chosen.
    const CarriedWeapons& row = client->GetPlayer(0).Weapons();
    ASSERT_GT(carried.size(), 1u);
    ASSERT_EQ(row.Count(), static_cast<int>(carried.size()));
    EXPECT_EQ(row.Current()->Section(), host->GetPlayer(0).CurrentWeapon()->Section());
    EXPECT_EQ(client->GetPlayer(1).Weapons().Count(), 1);
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

TEST(NetworkMatch, EachSharedEffectIsMadeOnAMirrorAsOnTheHost) {
    const struct {
        const char* name;
        float near;  // the spawner's own scatter
        void (*make)(TestArena&);
    } cases[] = {
        {"casing", 0.5f, MakeCasing}, {"flash", 0.5f, MakeFlash},       {"smoke", 0.5f, MakeSmoke},
        {"drip", 0.5f, MakeDrip},     {"armour", 16.0f, BreakArmour},   {"blast", 8.0f, MakeBlast},
        {"flame", 0.5f, PourFlame},   {"smoulder", 6.5f, MakeSmoulder}, {"trail", 0.5f, MakeTrail},
        {"head", 16.0f, KnockHead},   {"helmet", 0.5f, KnockHelmet},    {"wound", 10.5f, MakeWound},
    };
    for (const auto& c : cases) {
        SeedRandom(6);
        TestArena host;
        TestArena mirror;
        for (TestArena* arena : {&host, &mirror}) {
            arena->AddFloor();
            arena->AddStandingPlayer({300, 488});
            arena->effects.clear();
        }
        c.make(host);
        ASSERT_EQ(host.effects.size(), 1u) << c.name;
        for (const EffectEvent& event : Sent(host.effects))
            ReplayEffect(mirror, event);
        ASSERT_EQ(mirror.objects.size(), host.objects.size()) << c.name;
        for (std::size_t i = 0; i < host.objects.size(); ++i) {
            EXPECT_EQ(typeid(*mirror.objects[i]), typeid(*host.objects[i])) << c.name;
            const auto at = PlaceOf(*host.objects[i]);
            ASSERT_TRUE(at) << c.name;
            EXPECT_NEAR(PlaceOf(*mirror.objects[i])->x, at->x, c.near) << c.name;
            EXPECT_NEAR(PlaceOf(*mirror.objects[i])->y, at->y, c.near) << c.name;
        }
        ASSERT_EQ(mirror.particles.size(), host.particles.size()) << c.name;
        for (std::size_t i = 0; i < host.particles.size(); ++i) {
            EXPECT_EQ(mirror.particles[i].sprite, host.particles[i].sprite) << c.name;
            EXPECT_NEAR(mirror.particles[i].position.x, host.particles[i].position.x, c.near);
            EXPECT_NEAR(mirror.particles[i].position.y, host.particles[i].position.y, c.near);
            EXPECT_EQ(mirror.particles[i].scale, host.particles[i].scale) << c.name;
        }
    }
}

TEST(NetworkMatch, AFragsTitleGoesToTheFightersOwnScreenOnly) {
    SeedRandom(7);
    GameRig rig(std::filesystem::temp_directory_path() / "brawlwick-title-test", kBase);
    auto game = rig.StartGame(kFoundry, 3);
    game->KeepForClients();
    game->TakeRemote(1, "Alice");
    const std::string host = game->PlayerName(0);
    const std::string bot = game->PlayerName(2);
    const struct {
        int killer, victim;
        std::string hostTitle;  // empty: the host's stays as it was
        std::vector<std::pair<int, std::string>> kept;
    } cases[] = {
        {1, 2, "", {{1, "You fragged " + bot}}},
        {2, 1, "", {{1, "You were fragged by " + bot}}},
        {0, 1, "You fragged Alice", {{1, "You were fragged by " + host}}},
        {2, 0, "You were fragged by " + bot, {}},
    };
    for (const auto& c : cases) {
        game->ShowTitle("", 0.0f);
        game->GetPlayer(c.killer).Fragged(game->GetPlayer(c.victim), *game);
        EXPECT_EQ(game->GetTitle().Text(), c.hostTitle) << c.killer << c.victim;
        std::vector<std::pair<int, std::string>> kept;
        for (const Game::KeptTitle& title : game->TakeTitles())
            kept.emplace_back(title.player, title.text);
        EXPECT_EQ(kept, c.kept) << c.killer << c.victim;
    }
}
