#pragma once

#include <string>
#include <vector>

#include "render/Image.h"
#include "render/Renderer.h"

// A Renderer that draws nothing and remembers every call, so tests can check what was drawn.
class RecordingRenderer final : public Renderer {
public:
    enum class Kind {
        SetClearColor,
        BeginFrame,
        Present,
        BindImage,
        TexturedQuad,
        FillRect,
        Line,
        Text,
        Screenshot,
        TextureFilter,
        LineSmooth,
    };

    struct Call {
        Kind kind = Kind::BeginFrame;
        float v[10] = {};        // coordinates, texture coordinates, angle, as passed
        Colour colour;           // fill, line start or text colour
        std::uint8_t alpha = 0;  // textured quads
        const Image* image = nullptr;
        std::string text;  // text drawn or screenshot file name
    };

    explicit RecordingRenderer(int width = 800, int height = 600, int depth = 32,
                               Log* log = nullptr)
        : Renderer(width, height, depth, log) {}

    void SetClearColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
    void BeginFrame() override { Record(Kind::BeginFrame); }
    bool Present() override {
        Record(Kind::Present);
        return true;
    }
    // Reads the TGA with the real rules, so tests see the same refusals as the game.
    std::unique_ptr<Image> CreateImage(const std::string& fileName) override;
    void BindImage(const Image* image) override;
    void DrawTexturedQuad(float x1, float y1, float x2, float y2, float tx1, float ty1, float tx2,
                          float ty2, std::uint8_t alpha, float angle) override;
    void FillRect(float x1, float y1, float x2, float y2, Colour colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour start, Colour end) override;
    std::unique_ptr<Font> MakeFont(const std::string& typeface, int height, int flags) override;
    bool SaveScreenshot(const std::string& fileName) override;
    void SetTextureFilter(bool smooth) override;
    void SetLineSmooth(bool smooth) override;

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(Kind kind) const;
    std::vector<std::string> Texts() const;
    void Clear() { calls_.clear(); }

    // Fixed metrics: every character is 8 pixels wide.
    static constexpr int kCharWidth = 8;

protected:
    void DrawText(const Font& font, int x, int y, Colour colour, const std::string& text) override;
    void MeasureText(const Font& font, const std::string& text, int& width, int& height) override;

private:
    Call& Record(Kind kind);

    std::vector<Call> calls_;
    int imagesCreated_ = 0;
};
