#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "render/Image.h"
#include "render/Renderer.h"

// A Renderer that draws nothing and remembers every call, so tests can check what was drawn.
class RecordingRenderer final : public Renderer {
public:
    enum class Kind { BeginFrame, Present, TexturedQuad, FillRect, Line, Text, Screenshot };

    struct Call {
        Kind kind = Kind::BeginFrame;
        float v[9] = {};   // coordinates, texture coordinates, angle or flag, as passed
        Colour colour;     // fill, line start or text colour; a quad's alpha
        std::string text;  // text drawn or screenshot file name
    };

    explicit RecordingRenderer(int width = 800, int height = 600, int depth = 32,
                               Log* log = nullptr)
        : Renderer(width, height, depth, log) {}

    void BeginFrame() override { Record(Kind::BeginFrame); }
    bool Present() override {
        Record(Kind::Present);
        return true;
    }
    // Reads the TGA with the real rules, so tests see the same refusals as the game.
    std::unique_ptr<Image> CreateImage(const std::string& fileName, std::string* why) override;
    void BindImage(const Image*) override {}
    void DrawTexturedQuad(float x1, float y1, float x2, float y2, float tx1, float ty1, float tx2,
                          float ty2, std::uint8_t alpha, float angle) override {
        Record(Kind::TexturedQuad, {x1, y1, x2, y2, tx1, ty1, tx2, ty2, angle},
               Colour{255, 255, 255, alpha});
    }
    void FillRect(float x1, float y1, float x2, float y2, Colour colour) override {
        Record(Kind::FillRect, {x1, y1, x2, y2}, colour);
    }
    void DrawLine(float x1, float y1, float x2, float y2, Colour start, Colour) override {
        Record(Kind::Line, {x1, y1, x2, y2, LineWidth()}, start);
    }
    std::unique_ptr<Font> MakeFont(const std::string& typeface, int height, int flags) override;
    bool SaveScreenshot(const std::string& fileName) override {
        Record(Kind::Screenshot, {}, {}, fileName);
        return true;
    }
    void SetTextureFilter(bool) override {}

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(Kind kind) const;
    std::vector<std::string> Texts() const;
    void Clear() { calls_.clear(); }

protected:
    void DrawText(const Font&, int x, int y, Colour colour, const std::string& text) override {
        Record(Kind::Text, {static_cast<float>(x), static_cast<float>(y)}, colour, text);
    }
    // Fixed metrics: every character is 8 pixels wide.
    void MeasureText(const Font& font, const std::string& text, int& width, int& height) override;

private:
    void Record(Kind kind, std::initializer_list<float> v = {}, Colour colour = {},
                std::string text = {});

    std::vector<Call> calls_;
};
