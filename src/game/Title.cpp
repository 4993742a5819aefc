#include "game/Title.h"

#include <cstdint>

#include "core/Screen.h"
#include "render/Renderer.h"

namespace {
constexpr float kRunDownRate = 2.0f;
constexpr float kFullAlpha = 255.0f;
}  // namespace

void Title::Update(float step) {
    if (timer_ <= 0.0f) return;
    timer_ -= kRunDownRate * step;
    if (timer_ < 0.0f) timer_ = 0.0f;
}

void Title::Draw(Renderer& renderer, const Font* font) const {
    const auto alpha = static_cast<std::uint8_t>(timer_ > kFullAlpha ? kFullAlpha : timer_);
    renderer.DrawStringCentred(font, 0, 0, kScreenWidth, kScreenHeight, Colour{0, 0, 0, alpha},
                               "%s", text_.c_str());
}
