#include "weapons/Weapon.h"

#include "arena/Arena.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/WeaponDef.h"
#include "weapons/WeaponKeys.h"
#include "world/View.h"

void Weapon::Read(const WeaponDef& def, const Arena& arena) {
    name_ = def.Value("Name");
    sprite_ = arena.FindSprite(def.Value("Sprite"));
    section_ = def.name;
    ReadWholePair(def, "Hand", hand_);
    ReadWholePair(def, "Fire", fire_);
}

void Weapon::DrawInHand(Facing facing, Vec2 hand, float angle, const View& view) const {
    const ::Sprite* sprite = view.GetSprite(sprite_);
    if (sprite == nullptr) return;
    const float x = facing == Facing::Left ? hand.x - hand_.x : hand.x + hand_.x;
    const Vec2 at = view.ToScreen(Vec2{x, hand.y - hand_.y});
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, 1.0f, 1.0f, 255, angle);
}
