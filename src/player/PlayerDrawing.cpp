// How a player in play is drawn: the two figures, the head and helmet, the cigarette in bullet
// time, the weapon in hand and the name tag; and the human's row of carried weapons.
#include <array>
#include <cstdint>

#include "arena/Arena.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/Weapon.h"
#include "world/View.h"

namespace {
constexpr Colour kBody{0, 0, 0, 255};
constexpr float kArmouredLine = 5.0f;
constexpr float kCigaretteLine = 2.0f;
// The weapon row along the top of the screen, centred on x 400.
constexpr int kBarCentre = 400;
constexpr int kBarSpacing = 33;
constexpr float kBarY = 10.0f;
constexpr float kOtherWeaponScale = 0.7f;
constexpr std::uint8_t kOtherWeaponAlpha = 100;
// Name tags by team: none, red, blue.
constexpr std::array<Colour, 3> kTagColours = {Colour{0, 0, 0, 100}, Colour{200, 0, 0, 100},
                                               Colour{0, 0, 200, 100}};

// A sprite whose top-left corner is at a world point, truncated to whole units first.
void DrawSpriteAt(const View& view, int sprite, float x, float y) {
    const Sprite* found = view.GetSprite(sprite);
    if (found == nullptr) return;
    const Vec2 at = view.ToScreen(
        Vec2{static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y))});
    view.GetRenderer().DrawSprite(*found, at.x, at.y, 255);
}
}  // namespace

void Player::Draw(const View& view, const Arena& arena) const {
    if (!placed_) return;
    Renderer& renderer = view.GetRenderer();
    if (armour_ > 0.0f) {
        renderer.SetLineWidth(kArmouredLine);
        renderer.SetLineSmooth(true);
    }
    lower_.Draw(view, kBody);
    upper_.Draw(view, kBody);
    renderer.SetLineWidth(1.0f);
    renderer.SetLineSmooth(false);
    if (hasHead_) DrawHead(view, arena);
    if (const Weapon* weapon = CurrentWeapon()) {
        const bool right = facing_ == Facing::Right;
        renderer.SetMirror(right);
        weapon->DrawInHand(facing_, upper_.Point(3), right ? 360.0f - aim_ : aim_, view);
        renderer.SetMirror(false);
        weapon->DrawEffects(view);
    }
    DrawNameTag(view, arena);
}

void Player::DrawHead(const View& view, const Arena& arena) const {
    const Vec2 neck = lower_.Point(0);
    if (bulletTime_ > 0.0f) {
        // The cigarette hangs from the side of the face the player looks to.
        const float side = facing_ == Facing::Left ? -1.0f : 1.0f;
        Renderer& renderer = view.GetRenderer();
        renderer.SetLineWidth(kCigaretteLine);
        view.DrawLine(Vec2{neck.x + side * 8, neck.y + 2}, Vec2{neck.x + side * 2, neck.y}, kBody);
        renderer.SetLineWidth(1.0f);
    }
    const MatchSprites& sprites = arena.Sprites();
    DrawSpriteAt(view, sprites.head, neck.x - 4, neck.y - 8);
    if (hasHelmet_) DrawSpriteAt(view, sprites.helmet, neck.x - 5, neck.y - 10);
}

void Player::DrawNameTag(const View& view, const Arena& arena) const {
    if (arena.HideHud()) return;
    const Colour colour = kTagColours[static_cast<std::size_t>(team_)];
    const float top = lower_.Point(0).y;
    const int x = static_cast<int>(position_.x) - view.OffsetX();
    const int y = static_cast<int>(top) - view.OffsetY();
    const Font* font = number_ == 0 ? arena.SmallBoldFont() : arena.SmallFont();
    view.GetRenderer().DrawStringCentred(font, x - 12, y - 20, x + 12, y - 12, colour, "%s",
                                         GetName(arena).c_str());
}

void Player::DrawWeaponBar(const View& view) const {
    const int count = weapons_.Count();
    const int left = kBarCentre - (kBarSpacing * count) / 2;
    for (int i = 0; i < count; ++i) {
        const Sprite* sprite = view.GetSprite(weapons_.At(i).Sprite());
        if (sprite == nullptr) continue;
        const bool current = i == weapons_.CurrentIndex();
        const float scale = current ? 1.0f : kOtherWeaponScale;
        view.GetRenderer().DrawSpriteScaled(*sprite, static_cast<float>(left + kBarSpacing * i),
                                            kBarY, scale, scale, current ? 255 : kOtherWeaponAlpha,
                                            0.0f);
    }
}
