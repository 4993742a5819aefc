#include "world/Platform.h"

void Platform::SetRect(float x1, float y1, float x2, float y2) {
    rect_ = Float4{x1, y1, x2, y2};
    centre_ = Vec2{(x2 - x1) / 2.0f + x1, (y2 - y1) / 2.0f + y1};
}

void Platform::SetSprite(int position, const std::string& name) {
    sprite_ = position;
    spriteName_ = name;
}
