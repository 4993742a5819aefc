#include "world/View.h"

#include "content/GraphicsTable.h"

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
