// A fighter as the network carries him: read off the host's player, shown by a client's copy.
#include <algorithm>

#include "arena/Arena.h"
#include "player/AnimationSet.h"
#include "player/Player.h"
#include "weapons/Weapon.h"

FigureState Player::Figure() const {
    FigureState figure;
    figure.inPlay = inPlay_;
    figure.facingRight = facing_ == Facing::Right;
    figure.crouched = crouched_;
    figure.hasHead = hasHead_;
    figure.hasHelmet = hasHelmet_;
    figure.bulletTime = bulletTime_ > 0.0f;
    figure.team = static_cast<int>(team_);
    figure.position = position_;
    figure.aim = aim_;
    figure.lower = lowerState_;
    figure.upper = upperState_;
    if (const Weapon* weapon = CurrentWeapon()) figure.ammo = weapon->Ammo();
    figure.health = health_;
    figure.armour = armour_;
    figure.frags = frags_;
    return figure;
}

void Player::ShowFigure(const FigureState& figure, Arena& arena, bool ownAim) {
    inPlay_ = figure.inPlay;
    placed_ = figure.inPlay;
    firstSpawn_ = false;
    if (!ownAim) {
        facing_ = figure.facingRight ? Facing::Right : Facing::Left;
        SetAim(figure.aim);
    }
    crouched_ = figure.crouched;
    hasHead_ = figure.hasHead;
    hasHelmet_ = figure.hasHelmet;
    bulletTime_ = figure.bulletTime ? 1.0f : 0.0f;
    team_ = static_cast<::Team>(std::clamp(figure.team, 0, 2));
    position_ = figure.position;
    health_ = figure.health;
    armour_ = figure.armour;
    frags_ = figure.frags;
    // The host's frames, held to the ones this machine's sets have.
    lowerState_ = figure.lower;
    upperState_ = figure.upper;
    FitAnimationStates(arena);
    arena.LowerAnimations().Animate(lower_, lowerState_, 0.0f);
    arena.UpperAnimations().Animate(upper_, upperState_, 0.0f);
    upper_.Rotate(aim_);
    PlaceFigure();
    if (figure.weapon != heldDef_) {
        heldDef_ = figure.weapon;
        MakeShownWeapons(arena);
    }
    if (Weapon* weapon = CurrentWeapon()) weapon->SetAmmo(figure.ammo);
}

void Player::ShowCarried(const std::vector<int>& defs, Arena& arena) {
    if (defs == carriedDefs_) return;
    carriedDefs_.assign(defs.begin(), defs.begin() + static_cast<std::ptrdiff_t>(
                                                         std::min(defs.size(), kMostShownCarried)));
    MakeShownWeapons(arena);
}

// A copy carries the one weapon it is seen holding, or, when it is told what it carries and
// that holds the one in hand, all of them: made again whenever either changes.
void Player::MakeShownWeapons(Arena& arena) {
    weapons_.Clear();
    const bool known =
        std::find(carriedDefs_.begin(), carriedDefs_.end(), heldDef_) != carriedDefs_.end();
    for (const int def : known ? carriedDefs_ : std::vector<int>{heldDef_}) {
        const int before = weapons_.Count();
        weapons_.Add(arena.CreateWeaponAt(def));
        if (def == heldDef_ && weapons_.Count() > before) weapons_.Select(before);
    }
}

void Player::SetAim(float degrees) { aim_ = std::clamp(degrees, -kMaxAim, kMaxAim); }
