// How a player in play is drawn: the two figures, the head and helmet, the cigarette in bullet
// time, the weapon in hand and the name tag.
#include <array>

#include "core/Random.h"
#include "player/Arena.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/Weapon.h"
#include "weapons/effects/Particle.h"
#include "world/View.h"

namespace {
constexpr Colour kBody{0, 0, 0, 255};
constexpr float kArmouredLine = 5.0f;
constexpr float kCigaretteLine = 2.0f;
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

void Player::Draw(Arena& arena) {
    const View& view = arena.GetView();
    Renderer& renderer = view.GetRenderer();
    if (armour_ > 0.0f) {
        renderer.SetLineWidth(kArmouredLine);
        renderer.SetLineSmooth(true);
    }
    lower_.Draw(view, kBody);
    upper_.Draw(view, kBody);
    renderer.SetLineWidth(1.0f);
    renderer.SetLineSmooth(false);
    if (hasHead_) DrawHead(arena);

    Weapon* weapon = CurrentWeapon();
    if (weapon == nullptr) return;
    const bool right = facing_ == kFacingRight;
    renderer.SetMirror(right);
    weapon->DrawInHand(facing_, upper_.Point(3), right ? 360.0f - aim_ : aim_, arena);
    renderer.SetMirror(false);
}

void Player::DrawHead(Arena& arena) {
    const View& view = arena.GetView();
    const Vec2 neck = lower_.Point(0);
    if (bulletTime_ > 0.0f) {
        smokeTimer_ -= arena.Step();
        if (smokeTimer_ < 0.0f) {
            smokeTimer_ = RandomRange(4.0f, 8.0f);
            PuffSmoke(arena, neck);
        }
        // The cigarette hangs from the side of the face the player looks to.
        const float side = facing_ == kFacingLeft ? -1.0f : 1.0f;
        Renderer& renderer = view.GetRenderer();
        renderer.SetLineWidth(kCigaretteLine);
        view.DrawLine(Vec2{neck.x + side * 8, neck.y + 2}, Vec2{neck.x + side * 2, neck.y}, kBody);
        renderer.SetLineWidth(1.0f);
    }
    const FigureSprites& sprites = arena.Sprites();
    DrawSpriteAt(view, sprites.head, neck.x - 4, neck.y - 8);
    if (hasHelmet_) DrawSpriteAt(view, sprites.helmet, neck.x - 5, neck.y - 10);
}

void Player::PuffSmoke(Arena& arena, Vec2 neck) {
    auto smoke = std::make_unique<Particle>();
    smoke->SetSprite(arena.Sprites().smoke);
    smoke->SetCollides(false);
    smoke->SetGravity(0.0f);
    smoke->SetVelocity(Vec2{RandomRange(-0.2f, 0.2f), RandomRange(-0.5f, -0.45f)});
    smoke->SetPosition(Vec2{neck.x + (facing_ == kFacingLeft ? -8.0f : 8.0f), neck.y + 2});
    smoke->SetRotation(RandomRange(0.0f, 360.0f));
    smoke->SetAlpha(200.0f);
    smoke->SetFade(RandomRange(3.0f, 5.0f));
    smoke->SetSpin(RandomRange(-3.0f, 3.0f));
    smoke->SetLife(RandomRange(60.0f, 80.0f));
    smoke->SetScale(0.1f);
    smoke->SetGrowth(RandomRange(0.008f, 0.011f));
    arena.AddObject(std::move(smoke));
}

void Player::DrawNameTag(Arena& arena) {
    if (arena.HideHud()) return;
    const View& view = arena.GetView();
    const Colour colour =
        team_ >= 0 && team_ <= 2 ? kTagColours[static_cast<std::size_t>(team_)] : kTagColours[0];
    const float top = lower_.Point(0).y;
    const int x = static_cast<int>(position_.x) - view.OffsetX();
    const int y = static_cast<int>(top) - view.OffsetY();
    const Font* font = number_ == 0 ? arena.SmallBoldFont() : arena.SmallFont();
    view.GetRenderer().DrawStringCentred(font, x - 12, y - 20, x + 12, y - 12, colour, "%s",
                                         GetName(arena).c_str());
}
