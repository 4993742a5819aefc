#include "support/RecordingRenderer.h"

#include "render/Font.h"
#include "render/TgaFile.h"

namespace {
class RecordedImage final : public Image {
public:
    RecordedImage(const std::string& name, const TgaPixels& pixels, std::uint32_t texture) {
        name_ = name;
        width_ = pixels.width;
        height_ = pixels.height;
        texture_ = texture;
    }
};
}  // namespace

RecordingRenderer::Call& RecordingRenderer::Record(Kind kind) {
    Call& call = calls_.emplace_back();
    call.kind = kind;
    return call;
}

void RecordingRenderer::SetClearColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    Renderer::SetClearColor(red, green, blue);
    Record(Kind::SetClearColor).colour = Colour{red, green, blue, 0};
}

std::unique_ptr<Image> RecordingRenderer::CreateImage(const std::string& fileName) {
    ++imagesCreated_;
    TgaPixels pixels;
    if (ReadTga(fileName, pixels) != TgaResult::Ok) return nullptr;
    return std::make_unique<RecordedImage>(fileName, pixels,
                                           static_cast<std::uint32_t>(imagesCreated_));
}

void RecordingRenderer::BindImage(const Image* image) { Record(Kind::BindImage).image = image; }

void RecordingRenderer::DrawTexturedQuad(float x1, float y1, float x2, float y2, float tx1,
                                         float ty1, float tx2, float ty2, std::uint8_t alpha,
                                         float angle) {
    Call& call = Record(Kind::TexturedQuad);
    const float values[] = {x1, y1, x2, y2, tx1, ty1, tx2, ty2, angle};
    std::copy(std::begin(values), std::end(values), call.v);
    call.alpha = alpha;
}

void RecordingRenderer::FillRect(float x1, float y1, float x2, float y2, Colour colour) {
    Call& call = Record(Kind::FillRect);
    call.v[0] = x1;
    call.v[1] = y1;
    call.v[2] = x2;
    call.v[3] = y2;
    call.colour = colour;
}

void RecordingRenderer::DrawLine(float x1, float y1, float x2, float y2, Colour start, Colour end) {
    Call& call = Record(Kind::Line);
    call.v[0] = x1;
    call.v[1] = y1;
    call.v[2] = x2;
    call.v[3] = y2;
    call.v[4] = LineWidth();
    call.colour = start;
    static_cast<void>(end);
}

std::unique_ptr<Font> RecordingRenderer::MakeFont(const std::string& typeface, int height,
                                                  int flags) {
    static_cast<void>(typeface);
    static_cast<void>(flags);
    return std::make_unique<Font>(height);
}

bool RecordingRenderer::SaveScreenshot(const std::string& fileName) {
    Record(Kind::Screenshot).text = fileName;
    return true;
}

void RecordingRenderer::SetTextureFilter(bool smooth) {
    Record(Kind::TextureFilter).v[0] = smooth ? 1.0f : 0.0f;
}

void RecordingRenderer::SetLineSmooth(bool smooth) {
    Renderer::SetLineSmooth(smooth);
    Record(Kind::LineSmooth).v[0] = smooth ? 1.0f : 0.0f;
}

void RecordingRenderer::DrawText(const Font& font, int x, int y, Colour colour,
                                 const std::string& text) {
    static_cast<void>(font);
    Call& call = Record(Kind::Text);
    call.v[0] = static_cast<float>(x);
    call.v[1] = static_cast<float>(y);
    call.colour = colour;
    call.text = text;
}

void RecordingRenderer::MeasureText(const Font& font, const std::string& text, int& width,
                                    int& height) {
    width = static_cast<int>(text.size()) * kCharWidth;
    height = font.Height();
}

std::vector<RecordingRenderer::Call> RecordingRenderer::CallsOf(Kind kind) const {
    std::vector<Call> found;
    for (const auto& call : calls_) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

std::vector<std::string> RecordingRenderer::Texts() const {
    std::vector<std::string> texts;
    for (const auto& call : calls_) {
        if (call.kind == Kind::Text) texts.push_back(call.text);
    }
    return texts;
}
