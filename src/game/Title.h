#pragma once

#include <string>

class Font;
class Renderer;

// The big message in the middle of the screen: shown for a while, then faded out.
class Title {
public:
    void Show(const std::string& text, float duration) {
        text_ = text;
        timer_ = duration;
    }
    const std::string& Text() const { return text_; }
    float Timer() const { return timer_; }

    // Runs the timer down by twice the step.
    void Update(float step);
    // The text, fading over the timer's last 255.
    void Draw(Renderer& renderer, const Font* font) const;

private:
    std::string text_;
    float timer_ = 0.0f;
};
