#include "weapons/PowerUp.h"

#include <array>
#include <cstddef>

#include "arena/Arena.h"
#include "player/Player.h"
#include "weapons/ItemKindTable.h"
#include "weapons/Weapon.h"
#include "world/ItemSpawn.h"

namespace {
constexpr float kReach = 30.0f;
constexpr float kRespawnTime = 500.0f;
constexpr float kPulseRate = 3.0f;
constexpr float kPulseTop = 200.0f;
constexpr float kPulseBottom = 130.0f;
constexpr float kArmourGiven = 50.0f;
constexpr const char* kHealthSound = "PwrHealth.wav";

using Effect = void (*)(Player& taker, const ItemSpawn& item, Arena& arena);

template <int kAmount>
void Heal(Player& taker, const ItemSpawn& /*item*/, Arena& /*arena*/) {
    taker.AddHealth(static_cast<float>(kAmount));
}

void RefillWeapons(Player& taker, const ItemSpawn& /*item*/, Arena& /*arena*/) {
    for (int i = 0; i < taker.Weapons().Count(); ++i)
        taker.Weapons().At(i).Refill();
}

void GiveArmour(Player& taker, const ItemSpawn& /*item*/, Arena& /*arena*/) {
    taker.AddArmour(kArmourGiven);
}

void GiveWeapon(Player& taker, const ItemSpawn& item, Arena& arena) {
    const Weapon* added = taker.PickUpWeapon(item.WeaponName(), arena);
    // The message lines are the human's: a bot's find is not news to him.
    if (added != nullptr && taker.Number() == 0) arena.AddMessage("You got the " + added->Name());
}

struct KindRule {
    Effect give;
    const char* sound;   // none is silent
    bool pulseHoldsTop;  // once bright, it stays so
};

// By kind, as the map file numbers them.
constexpr std::array<KindRule, 6> kKinds = {{
    {Heal<25>, kHealthSound, false},
    {RefillWeapons, nullptr, false},
    {GiveArmour, nullptr, true},
    {GiveWeapon, nullptr, false},
    {Heal<50>, kHealthSound, false},
    {Heal<100>, kHealthSound, false},
}};

void CountDown(ItemSpawn& item, float step) {
    item.respawnTimer -= step;
    if (!(item.respawnTimer < 0.0f)) return;
    item.respawnTimer = 0.0f;
    item.available = true;
    item.pulse = 0.0f;
    item.pulseRising = true;
}

// The nearest player in play within reach; the first in player order of those equally near.
Player* Taker(const ItemSpawn& item, Arena& arena) {
    Player* taker = nullptr;
    float nearest = kReach * kReach;  // squared, as are the distances
    for (int i = 0; i < arena.PlayerCount(); ++i) {
        Player& player = arena.GetPlayer(i);
        if (!player.InPlay()) continue;
        const Vec2 apart = player.Position() - item.Position();
        const float distance = Dot(apart, apart);
        if (distance < nearest) {
            taker = &player;
            nearest = distance;
        }
    }
    return taker;
}

void Pulse(ItemSpawn& item, bool holdsTop, float step) {
    if (item.pulseRising) {
        item.pulse += kPulseRate * step;
        if (item.pulse > kPulseTop) {
            item.pulse = kPulseTop;
            item.pulseRising = holdsTop;
        }
    } else {
        item.pulse -= kPulseRate * step;
        if (item.pulse < kPulseBottom) {
            item.pulse = kPulseBottom;
            item.pulseRising = true;
        }
    }
}
}  // namespace

void UpdateItem(ItemSpawn& item, Arena& arena) {
    // An item that comes back this frame is first seen in the next; one taken now is seen once
    // more.
    item.shown = item.available;
    if (!item.available) {
        CountDown(item, arena.Step());
        return;
    }
    // None for a kind outside the table: such an item is taken, but gives nothing.
    const KindRule* rule = ByKind(kKinds, item.Kind());
    if (Player* taker = Taker(item, arena)) {
        if (rule != nullptr) {
            rule->give(*taker, item, arena);
            if (rule->sound != nullptr) arena.PlaySound(rule->sound);
        }
        item.available = false;
        item.respawnTimer = kRespawnTime;
    }
    Pulse(item, rule != nullptr && rule->pulseHoldsTop, arena.Step());
}
