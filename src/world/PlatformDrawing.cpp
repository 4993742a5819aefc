// Drawing a platform is the world's; the platform itself is file data the tools read too.
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "world/Platform.h"
#include "world/View.h"

namespace {
// Keeps the white fill half a pixel inside the black edge, so the edge stays visible.
constexpr Float4 kFillInset{0.5f, 0.5f, -0.5f, -0.5f};
}  // namespace

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
