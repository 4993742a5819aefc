#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/Random.h"
#include "support/TestArena.h"
#include "weapons/effects/MuzzleFlash.h"
#include "weapons/effects/ShellCasing.h"
#include "weapons/kinds/WeaponBlaster.h"
#include "weapons/kinds/WeaponSR.h"
#include "weapons/projectiles/Bullet.h"
#include "weapons/projectiles/Grenade.h"
#include "weapons/projectiles/Rocket.h"

namespace {
using Keys = std::map<std::string, std::string>;
using Trigger = std::function<void(Weapon&, Player&, Arena&)>;

const Trigger kPressPrimary = [](Weapon& w, Player& p, Arena& a) { w.PressPrimary(p, a); };
const Trigger kHoldPrimary = [](Weapon& w, Player& p, Arena& a) { w.HoldPrimary(p, a); };
const Trigger kPressSecondary = [](Weapon& w, Player& p, Arena& a) { w.PressSecondary(p, a); };
const Trigger kHoldSecondary = [](Weapon& w, Player& p, Arena& a) { w.HoldSecondary(p, a); };

// One player standing posed at (1000, 400), facing and aiming as asked, with the weapons the
// test gives him.
class WeaponKindsTest : public testing::Test {
protected:
    void Stand(Facing facing = Facing::Left, float aim = 0.0f) {
        SeedRandom(11);
        arena_.Map().Contents().bounds = Float4{0, 0, 2000, 1000};
        player_.Spawn();
        player_.SetPosition(Vec2{1000, 400});
        player_.SetFacing(facing);
        player_.AimUp(aim / Player::kAimRate);
        player_.Update(arena_);
    }
    // The weapon of a section of that kind, in hand; ROF 0 unless the keys say otherwise.
    Weapon& Give(WeaponKind kind, Keys keys = {}) {
        keys.emplace("ROF", "0");
        const std::string name = "W" + std::to_string(arena_.weaponDefs.size());
        arena_.weaponDefs.push_back(WeaponDef{name, kind, keys});
        player_.Weapons().Add(arena_.CreateWeapon(name));
        player_.Weapons().Select(player_.Weapons().Count() - 1);
        return *player_.CurrentWeapon();
    }
    // Fires `times`, `steps` ticks of the weapon before each.
    void Fire(Weapon& weapon, const Trigger& trigger, int times, int steps = 1) {
        for (int i = 0; i < times; ++i) {
            for (int s = 0; s < steps; ++s)
                weapon.Tick(player_, arena_);
            trigger(weapon, player_, arena_);
        }
    }
    template <typename T>
    int Count() const {
        return static_cast<int>(arena_.ObjectsOf<T>().size());
    }

    TestArena arena_;
    Player& player_ = arena_.AddPlayer();
};

TEST_F(WeaponKindsTest, PlatinumEmptiesItsClipOnePressAShotAndReloadsOnlyWhenEmpty) {
    struct Row {
        int rateOfFire, stepsBetween, presses, shots;
    };
    for (const Row row : {Row{0, 1, 12, 8}, Row{5, 3, 10, 5}, Row{0, 0, 4, 1}}) {
        Stand();
        arena_.objects.clear();
        arena_.soundTable = {"shot.wav"};
        Weapon& gun = Give(WeaponKind::Platinum,
                           {{"ROF", std::to_string(row.rateOfFire)}, {"FireSound", "shot.wav"}});
        Fire(gun, kPressPrimary, row.presses, row.stepsBetween);
        EXPECT_EQ(std::tuple(Count<Bullet>(), Count<ShellCasing>(), Count<MuzzleFlash>(),
                             std::ssize(arena_.particles), gun.Ammo()),
                  std::tuple(row.shots, row.shots, row.shots, row.shots, 8 - row.shots))
            << row.rateOfFire << "/" << row.stepsBetween;
        EXPECT_EQ(arena_.sounds, std::vector<int>(static_cast<std::size_t>(row.shots), 0));
        arena_.particles.clear();
        arena_.sounds.clear();
    }
    Weapon& gun = *player_.CurrentWeapon();  // ROF 0, never ticked: 7 rounds left
    gun.PressSecondary(player_, arena_);
    EXPECT_EQ(gun.Ammo(), 7);  // no reload with rounds left
    Fire(gun, kPressPrimary, 8);
    EXPECT_EQ(player_.UpperState().animation, 1);  // the kick
    gun.PressSecondary(player_, arena_);
    EXPECT_EQ(player_.UpperState().animation, 2);
    EXPECT_EQ(gun.Ammo(), 8);
    // The reload is a pause: thirty steps pass before the refire gate opens again.
    Fire(gun, kPressPrimary, 1, 30);
    EXPECT_EQ(gun.Ammo(), 8);
    Fire(gun, kPressPrimary, 1, 1);
    EXPECT_EQ(gun.Ammo(), 7);
}

TEST_F(WeaponKindsTest, M4FiresOneRocketOnlyWithTrueUntilRefilled) {
    for (const auto& [flag, rockets] : {std::pair{"True", 1}, std::pair{"true", 0}}) {
        Stand();
        arena_.objects.clear();
        Weapon& rifle = Give(WeaponKind::M4, {{"RPG", flag}});
        Fire(rifle, kPressSecondary, 3);
        EXPECT_EQ(Count<Rocket>(), rockets) << flag;
        rifle.Refill();
        Fire(rifle, kPressSecondary, 2);
        EXPECT_EQ(Count<Rocket>(), 2 * rockets) << flag;
        Fire(rifle, kHoldPrimary, 5);
        EXPECT_EQ(Count<Bullet>(), 5);
        EXPECT_EQ(rifle.Ammo(), 55);
        rifle.Refill();
        EXPECT_EQ(rifle.Ammo(), 60);
    }
}

TEST_F(WeaponKindsTest, GrenadeFanNeedsThreeAndThrowsThirtyBurstingInTurn) {
    for (const auto& [left, grenades] : {std::pair{2, 0}, std::pair{3, 30}}) {
        Stand();
        arena_.objects.clear();
        Weapon& launcher = Give(WeaponKind::GL);
        Fire(launcher, kPressPrimary, 15 - left);
        arena_.objects.clear();
        Fire(launcher, kPressSecondary, 1);
        const auto thrown = arena_.ObjectsOf<Grenade>();
        ASSERT_EQ(std::ssize(thrown), grenades) << left;
        EXPECT_EQ(launcher.Ammo(), grenades > 0 ? 0 : left);
        if (grenades == 0) continue;
        EXPECT_FLOAT_EQ(thrown.front()->Age(), 195.0f);
        EXPECT_FLOAT_EQ(thrown.back()->Age(), 200.0f - (5.0f + 0.25f * 29));
        EXPECT_NEAR(thrown.back()->Velocity().x, -32.0f, 1e-3f);
    }
    // After a fan the launcher waits four times its rate of fire longer than after a throw.
    Weapon& launcher = Give(WeaponKind::GL, {{"ROF", "2"}});
    Fire(launcher, kPressSecondary, 1, 3);
    Fire(launcher, kPressPrimary, 1, 10);
    EXPECT_EQ(launcher.Ammo(), 12);
    Fire(launcher, kPressPrimary, 1, 1);
    EXPECT_EQ(launcher.Ammo(), 11);
}

TEST_F(WeaponKindsTest, NoKindFiresFromInsideASolidPlatform) {
    const std::pair<WeaponKind, Trigger> shots[] = {
        {WeaponKind::Platinum, kPressPrimary}, {WeaponKind::M4, kHoldPrimary},
        {WeaponKind::M4, kPressSecondary},     {WeaponKind::SR, kPressPrimary},
        {WeaponKind::SG, kPressPrimary},       {WeaponKind::SG, kHoldSecondary},
        {WeaponKind::GL, kPressPrimary},       {WeaponKind::GL, kPressSecondary},
        {WeaponKind::Flamer, kHoldPrimary},
    };
    Stand();
    const Vec2 hand = player_.Upper().Point(3);
    arena_.AddPlatform(hand.x - 60, hand.y - 60, hand.x + 60, hand.y + 60);
    for (const auto& [kind, trigger] : shots) {
        Weapon& weapon = Give(kind, {{"RPG", "True"}});
        const int ammo = weapon.Ammo();
        Fire(weapon, trigger, 2);
        EXPECT_TRUE(arena_.objects.empty()) << static_cast<int>(kind);
        EXPECT_EQ(weapon.Ammo(), ammo);
    }
    EXPECT_TRUE(arena_.particles.empty());
    EXPECT_TRUE(arena_.sounds.empty());
    // Scenery is no wall.
    arena_.Map().Platforms().back().SetSolid(false);
    Fire(Give(WeaponKind::Platinum), kPressPrimary, 1);
    EXPECT_EQ(Count<Bullet>(), 1);
}

TEST_F(WeaponKindsTest, ShotgunSprayGateIsAWholeTwentiethAndCostsNoShells) {
    struct Row {
        const char* rateOfFire;
        Trigger trigger;
        int volleys, ammo, casings;
    };
    // Half steps tell the whole twentieth (19 / 20 = 0) from a fraction.
    const Row rows[] = {{"19", kHoldSecondary, 6, 12, 0},
                        {"40", kHoldSecondary, 2, 12, 0},
                        {"19", kPressPrimary, 1, 11, 1},
                        {"2", kPressPrimary, 2, 10, 2}};
    arena_.step = 0.5f;
    for (const Row& row : rows) {
        Stand();
        arena_.objects.clear();
        Weapon& shotgun = Give(WeaponKind::SG, {{"ROF", row.rateOfFire}});
        Fire(shotgun, row.trigger, 6);
        EXPECT_EQ(std::tuple(Count<Bullet>(), shotgun.Ammo(), Count<ShellCasing>()),
                  std::tuple(11 * row.volleys, row.ammo, row.casings))
            << row.rateOfFire;
    }
}

TEST_F(WeaponKindsTest, ShotsLeaveTheMuzzleAheadOfTheHandAlongTheAim) {
    struct Row {
        Facing facing;
        float aim;
        Vec2 direction, muzzle;
    };
    const float c = std::cos(30 * kDegToRad), s = std::sin(30 * kDegToRad);
    const Row rows[] = {{Facing::Left, 0, {-1, 0}, {-10, -4}},
                        {Facing::Right, 0, {1, 0}, {10, -4}},
                        {Facing::Left, 30, {-c, -s}, {-10 * c, -4 - 10 * s}},
                        {Facing::Right, 30, {c, -s}, {10 * c, -4 - 10 * s}}};
    for (const Row& row : rows) {
        Stand(row.facing, row.aim);
        arena_.objects.clear();
        Fire(Give(WeaponKind::Platinum, {{"Fire", "-10,-4"}, {"Accuracy", "0"}}), kPressPrimary, 1);
        ASSERT_EQ(Count<Bullet>(), 1);
        const Bullet& bullet = *arena_.ObjectsOf<Bullet>().front();
        const Vec2 muzzle = bullet.Position() - player_.Upper().Point(3);
        EXPECT_LT(Length(bullet.Velocity() - row.direction * 20) + Length(muzzle - row.muzzle),
                  1e-3f)
            << row.aim;
    }
}

TEST_F(WeaponKindsTest, LaserAndBeamDrawWhatTheTickTraced) {
    Stand();
    const Vec2 hand = player_.Upper().Point(3);
    arena_.AddPlatform(hand.x - 300, hand.y - 50, hand.x - 200, hand.y + 50);
    auto& sniper = dynamic_cast<WeaponSR&>(Give(WeaponKind::SR));
    auto& blaster = dynamic_cast<WeaponBlaster&>(Give(WeaponKind::Blaster));
    const auto lines = [this] { return arena_.renderer.CallsOf(RecordingRenderer::Kind::Line); };
    // The laser shows only for the weapon in hand.
    sniper.Tick(player_, arena_);
    EXPECT_FALSE(sniper.LaserShows());
    player_.Weapons().Select(0);
    sniper.Tick(player_, arena_);
    EXPECT_NEAR(sniper.LaserEnd().x, hand.x - 200, 1e-3f);
    sniper.DrawEffects(arena_.GetView());
    EXPECT_EQ(lines().size(), 1u);
    arena_.renderer.Clear();
    // The beam shows once the tick after a hold has traced it, and goes with the next tick.
    blaster.HoldPrimary(player_, arena_);
    blaster.DrawEffects(arena_.GetView());
    EXPECT_TRUE(lines().empty());
    blaster.Tick(player_, arena_);
    blaster.DrawEffects(arena_.GetView());
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_GE(lines()[0].v[4], 4.0f);
    EXPECT_LE(lines()[1].v[4], 3.0f);
    EXPECT_NEAR(blaster.BeamEnd().x, hand.x - 200, 1e-3f);
    EXPECT_EQ(arena_.renderer.LineWidth(), 1.0f);
    blaster.Tick(player_, arena_);
    EXPECT_FALSE(blaster.BeamShows());
}

}  // namespace

TEST_F(WeaponKindsTest, APickedUpWeaponReplacesTheSidearmInHandAndASecondOneRefills) {
    Stand();
    arena_.weaponDefs = {{"Platinum", WeaponKind::Platinum, {}},
                         {"GL", WeaponKind::GL, {}},
                         {"M4", WeaponKind::M4, {}},
                         {"RL", WeaponKind::RL, {}}};
    player_.ResetEquipment(arena_);
    struct Step {
        const char* section;
        const char* inHand;
        int carried;
    };
    const Step steps[] = {
        {"GL", "GL", 2},       // the sidearm makes way
        {"M4", "GL", 3},       // a real weapon stays in hand
        {"GL", "GL", 3},       // the second one refills the first
        {"RL", "GL", 3},       // a kind that builds nothing
        {"Nothing", "GL", 3},  // a name the file lacks
    };
    for (const Step& step : steps) {
        if (player_.CurrentWeapon()->Section() == "GL") {
            Fire(*player_.CurrentWeapon(), kPressPrimary, 1);  // one grenade fewer
        }
        player_.PickUpWeapon(step.section, arena_);
        EXPECT_EQ(player_.CurrentWeapon()->Section(), step.inHand) << step.section;
        EXPECT_EQ(player_.Weapons().Count(), step.carried) << step.section;
    }
    EXPECT_EQ(player_.CurrentWeapon()->Ammo(), 13);  // refilled to 15, then two fired
    // Bare hands take whatever comes.
    player_.Weapons().Clear();
    player_.PickUpWeapon("M4", arena_);
    EXPECT_EQ(player_.CurrentWeapon()->Section(), "M4");
    // A kind number past the known ones makes the plain weapon, as kind 0 does.
    const auto plain = BuildWeapon(WeaponDef{"X", static_cast<WeaponKind>(42), {}}, arena_);
    EXPECT_EQ(typeid(*plain), typeid(Weapon));
}

TEST_F(WeaponKindsTest, PouringWeaponsSoundOncePerStretchOfHeldFire) {
    for (const WeaponKind kind : {WeaponKind::Flamer, WeaponKind::Blaster}) {
        Stand();
        arena_.soundTable = {"roar.wav"};
        arena_.sounds.clear();
        Fire(Give(kind, {{"FireSound", "roar.wav"}}), kHoldPrimary, 100);
        EXPECT_EQ(arena_.sounds, (std::vector<int>{0, 0, 0})) << static_cast<int>(kind);
    }
}
