#pragma once

// A bitmap font made by the Renderer; owned by whoever asked for it.
class Font {
public:
    explicit Font(int height) : height_(height) {}
    virtual ~Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Height() const { return height_; }

private:
    int height_;
};

// Style flags of Renderer::MakeFont.
inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;
