#include "world/View.h"

#include "content/GraphicsTable.h"
#include "render/Renderer.h"

const Sprite* View::GetSprite(int position) const {
    return sprites_ != nullptr ? sprites_->GetSprite(position) : nullptr;
}

bool View::Sees(const Float4& rect) const {
    const auto left = static_cast<float>(offsetX_);
    const auto top = static_cast<float>(offsetY_);
    return left + kWidth >= rect.x1 && left <= rect.x2 && top + kHeight >= rect.y1 &&
           top <= rect.y2;
}

Float4 View::ToScreen(const Float4& rect) const {
    const auto x = static_cast<float>(offsetX_);
    const auto y = static_cast<float>(offsetY_);
    return Float4{rect.x1 - x, rect.y1 - y, rect.x2 - x, rect.y2 - y};
}

Vec2 View::ToScreen(Vec2 point) const {
    return Vec2{point.x - static_cast<float>(offsetX_), point.y - static_cast<float>(offsetY_)};
}

void View::DrawLine(Vec2 a, Vec2 b, Colour colour) const {
    const Vec2 from = ToScreen(a);
    const Vec2 to = ToScreen(b);
    renderer_.DrawLine(from.x, from.y, to.x, to.y, colour, colour);
}
