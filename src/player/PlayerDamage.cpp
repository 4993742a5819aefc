// How a player is hurt, loses his head, bleeds and dies, and who is credited with the frag.
#include <array>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/Weapon.h"
#include "weapons/effects/BloodSpray.h"

namespace {
constexpr float kTitleDuration = 300.0f;
constexpr float kBleedRate = 0.25f;  // health per step without a head

// What the message list says between the victim's and the killer's names.
constexpr std::array<const char*, 5> kKillTexts = {
    " was popped by ",  " was fragged by ", " got smacked by ",
    " got smudged by ", " was thumped by ",
};
// What it says after the name of one who killed himself.
constexpr std::array<const char*, 5> kSuicideTexts = {
    " killed himself ", " couldn't handle it anymore ", " whooped himself ", " ate his own lead ",
    " suicided ",
};
}  // namespace

void Player::Die(int killer, Arena& arena) {
    lastKiller_ = killer;
    if (bulletTime_ > 0.0f) EndBulletTime(arena);
    inPlay_ = false;
    deadTime_ = 0.0f;
    if (killer == number_) {
        arena.RaiseChatEvent(*this, ChatEvent::Suicide);
        arena.AddMessage("*** " + GetName(arena) + AnyOf(kSuicideTexts) + " ***");
    } else if (killer != -1) {
        arena.RaiseChatEvent(*this, ChatEvent::Death);
    }
}

void Player::Fragged(Player& victim, Arena& arena) {
    if (arena.MatchOver() || victim.number_ == number_) return;
    const std::string killerName = GetName(arena);
    const std::string victimName = victim.GetName(arena);
    arena.AddMessage("*** " + victimName + AnyOf(kKillTexts) + killerName + " ***");
    arena.ShowTitleTo(number_, "You fragged " + victimName, kTitleDuration);
    arena.ShowTitleTo(victim.number_, "You were fragged by " + killerName, kTitleDuration);
    lastVictim_ = victim.number_;
    if (inPlay_) arena.RaiseChatEvent(*this, ChatEvent::Kill);
    ++frags_;
    if (arena.FragLimit() <= frags_) arena.EndMatch();
    if (arena.TeamGame() && arena.FragLimit() <= arena.AddTeamFrag(team_)) arena.EndMatch();
}

void Player::CreditKill(int killer, Arena& arena) {
    if (killer < 0 || killer >= arena.PlayerCount()) return;
    Player& credited = arena.GetPlayer(killer);
    // A team-mate's kill scores nothing; in free-for-all everyone is of no team.
    if (credited.team_ != team_ || team_ == Team::None) credited.Fragged(*this, arena);
}

void Player::TakeDamage(float amount, int attacker, Arena& arena) {
    if (!inPlay_ || godMode_) return;
    health_ -= amount;
    if (health_ < 1.0f) Die(attacker, arena);
}

void Player::DamageArmour(float amount, Arena& arena) {
    if (!inPlay_ || godMode_ || armour_ <= 0.0f) return;
    armour_ -= amount;
    if (armour_ > 0.0f) return;
    armour_ = 0.0f;
    BreakArmour(arena, Vec2{1.0f, 1.0f}, false, false);
}

void Player::LoseHead(int attacker, Arena& arena) {
    if (godMode_) {
        hasHead_ = true;
        return;
    }
    hasHead_ = false;
    bleedTimer_ = 0.0f;
    lastAttacker_ = attacker;
    if (bulletTime_ > 0.0f) EndBulletTime(arena);
}

// Without a head a player drips blood and loses health until he dies of it; whoever took the
// head gets the frag.
void Player::Bleed(Arena& arena) {
    bleedTimer_ -= arena.TimeScale();
    if (bleedTimer_ < 0.0f) {
        bleedTimer_ = RandomRange(2.0f, 5.0f);
        DripBlood(arena, lower_.Point(0));
    }
    if (!godMode_) health_ -= kBleedRate * arena.Step();
    if (health_ > 0.0f) return;
    health_ = 0.0f;
    Gib(arena, Vec2{}, false, false);
    CreditKill(lastAttacker_, arena);
    Die(lastAttacker_, arena);
}

const Weapon* Player::PickUpWeapon(const std::string& section, Arena& arena) {
    for (int i = 0; i < weapons_.Count(); ++i) {
        if (weapons_.At(i).Section() == section) {
            weapons_.At(i).Refill();
            return nullptr;
        }
    }
    std::unique_ptr<Weapon> weapon = arena.CreateWeapon(section);
    if (!weapon) return nullptr;
    const Weapon* added = weapon.get();
    weapons_.Add(std::move(weapon));
    // A real weapon replaces the sidearm in hand, and bare hands take whatever comes.
    const Weapon* current = CurrentWeapon();
    if (current == nullptr || current->KindId() == 1) weapons_.Select(weapons_.Count() - 1);
    return added;
}
