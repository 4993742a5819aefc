#include "world/Platform.h"

#include "render/Renderer.h"
#include "render/Sprite.h"
#include "world/View.h"

namespace {

// Keeps the white fill half a pixel inside the black edge, so the edge stays visible.
constexpr Float4 kFillInset{0.5f, 0.5f, -0.5f, -0.5f};

}  // namespace

void Platform::SetRect(float x1, float y1, float x2, float y2) {
    rect_ = Float4{x1, y1, x2, y2};
    centre_ = Vec2{(x2 - x1) / 2.0f + x1, (y2 - y1) / 2.0f + y1};
}

void Platform::SetSprite(int position, const std::string& name) {
    sprite_ = position;
    spriteName_ = name;
}

void Platform::Draw(const View& view) const {
    if (!view.Sees(rect_)) return;
    const Float4 screen = view.ToScreen(rect_);
    Renderer& renderer = view.GetRenderer();
    if (sprite_ != -1) {
        if (const Sprite* sprite = view.GetSprite(sprite_)) {
            renderer.DrawSpriteStretched(*sprite, screen.x1, screen.y1, screen.x2, screen.y2, 255);
        }
        return;
    }
    renderer.DrawRectOutline(screen.x1, screen.y1, screen.x2, screen.y2, Colour{0, 0, 0, 255});
}

void Platform::DrawFill(const View& view) const {
    if (sprite_ != -1 || !view.Sees(rect_)) return;
    const Float4 screen = view.ToScreen(rect_);
    view.GetRenderer().FillRect(screen.x1 + kFillInset.x1, screen.y1 + kFillInset.y1,
                                screen.x2 + kFillInset.x2, screen.y2 + kFillInset.y2,
                                Colour{255, 255, 255, 255});
}
