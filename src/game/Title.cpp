#include "game/Title.h"

#include <cstdint>

#include "render/Renderer.h"

namespace {
constexpr float kRunDownRate = 2.0f;
constexpr float kFullAlpha = 255.0f;
}  // namespace

void Title::Draw(Renderer& renderer, const Font* font, float step) {
    if (timer_ > 0.0f) {
        timer_ -= kRunDownRate * step;
        if (timer_ < 0.0f) timer_ = 0.0f;
    }
    const auto alpha = static_cast<std::uint8_t>(timer_ > kFullAlpha ? kFullAlpha : timer_);
    renderer.DrawStringCentred(font, 0, 0, 800, 600, Colour{0, 0, 0, alpha}, "%s", text_.c_str());
}
