#include <array>
#include <cstddef>

#include "arena/Arena.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "weapons/ItemKindTable.h"
#include "weapons/PowerUp.h"
#include "weapons/effects/AlphaByte.h"
#include "world/ItemSpawn.h"
#include "world/View.h"

namespace {
// A pulsing item's size follows its brightness: 0.7 at a pulse of 180.
constexpr float kPulseSize = 0.7f / 180.0f;
// A match look's alpha that is the pulse's value.
constexpr int kPulseAlpha = -1;

struct Picture {
    int MatchSprites::*sprite;  // none: the sprite of the item's weapon
    float scale;
};

struct MatchLook {
    Picture picture;
    bool sizePulses;
    int alpha;  // or kPulseAlpha
};

// By kind. Medium and mega health show the health pack, the mega one larger; kinds outside
// these tables are not drawn.
constexpr std::array<MatchLook, 6> kMatchLooks = {{
    {{&MatchSprites::smallHealth, 1.0f}, true, kPulseAlpha},
    {{&MatchSprites::ammo, 1.0f}, true, kPulseAlpha},
    {{&MatchSprites::armour, 1.25f}, false, kPulseAlpha},
    {{nullptr, 0.8f}, false, 230},
    {{&MatchSprites::health, 1.0f}, true, kPulseAlpha},
    {{&MatchSprites::health, 1.25f}, true, kPulseAlpha},
}};

constexpr std::array<Picture, 6> kEditorPictures = {{
    {&MatchSprites::health, 1.0f},
    {&MatchSprites::ammo, 1.0f},
    {&MatchSprites::armour, 1.25f},
    {nullptr, 1.0f},
    {&MatchSprites::health, 1.0f},
    {&MatchSprites::health, 1.25f},
}};

void Draw(const Picture& picture, const ItemSpawn& item, const View& view, const Arena& arena,
          float scale, std::uint8_t alpha) {
    const int index = picture.sprite != nullptr ? arena.Sprites().*picture.sprite
                                                : arena.WeaponSprite(item.WeaponName());
    const Sprite* sprite = view.GetSprite(index);
    if (sprite == nullptr) return;
    const Vec2 at = item.Position();
    const float halfWidth = static_cast<float>(sprite->NaturalWidth()) * scale / 2.0f;
    const float halfHeight = static_cast<float>(sprite->NaturalHeight()) * scale / 2.0f;
    if (!view.Sees(
            Float4{at.x - halfWidth, at.y - halfHeight, at.x + halfWidth, at.y + halfHeight})) {
        return;
    }
    const Vec2 screen = view.ToScreen(at);
    view.GetRenderer().DrawSpriteScaled(*sprite, screen.x, screen.y, scale, scale, alpha, 0.0f);
}
}  // namespace

void DrawItem(const ItemSpawn& item, const View& view, const Arena& arena) {
    const MatchLook* look = ByKind(kMatchLooks, item.Kind());
    if (!item.shown || look == nullptr) return;
    const float scale = look->picture.scale * (look->sizePulses ? item.pulse * kPulseSize : 1.0f);
    const std::uint8_t alpha =
        look->alpha == kPulseAlpha ? AlphaByte(item.pulse) : static_cast<std::uint8_t>(look->alpha);
    Draw(look->picture, item, view, arena, scale, alpha);
}

void DrawItemInEditor(const ItemSpawn& item, const View& view, const Arena& arena,
                      std::uint8_t alpha) {
    if (const Picture* picture = ByKind(kEditorPictures, item.Kind()))
        Draw(*picture, item, view, arena, picture->scale, alpha);
}
