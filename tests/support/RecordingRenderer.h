#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "render/HeadlessRenderer.h"

// A renderer with no screen that remembers every call, so tests can check what was drawn; it
// reads pictures and measures text as a headless match does.
class RecordingRenderer final : public HeadlessRenderer {
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
        : HeadlessRenderer(width, height, depth, log) {}

    void BeginFrame() override { Record(Kind::BeginFrame); }
    bool Present() override {
        Record(Kind::Present);
        return true;
    }
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
    bool SaveScreenshot(const std::string& fileName) override {
        Record(Kind::Screenshot, {}, {}, fileName);
        return true;
    }

    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsOf(Kind kind) const;
    std::vector<std::string> Texts() const;
    void Clear() { calls_.clear(); }

protected:
    void DrawText(const Font&, int x, int y, Colour colour, const std::string& text) override {
        Record(Kind::Text, {static_cast<float>(x), static_cast<float>(y)}, colour, text);
    }

private:
    void Record(Kind kind, std::initializer_list<float> v = {}, Colour colour = {},
                std::string text = {});

    std::vector<Call> calls_;
};
