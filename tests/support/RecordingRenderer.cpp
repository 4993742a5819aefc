#include "support/RecordingRenderer.h"

#include <algorithm>

#include "render/Font.h"
#include "render/TgaFile.h"

namespace {
class RecordedImage final : public Image {
public:
    RecordedImage(const std::string& name, const TgaPixels& pixels) {
        name_ = name;
        width_ = pixels.width;
        height_ = pixels.height;
    }
};
}  // namespace

void RecordingRenderer::Record(Kind kind, std::initializer_list<float> v, Colour colour,
                               std::string text) {
    Call& call = calls_.emplace_back();
    call.kind = kind;
    std::copy(v.begin(), v.end(), call.v);
    call.colour = colour;
    call.text = std::move(text);
}

std::unique_ptr<Image> RecordingRenderer::CreateImage(const std::string& fileName,
                                                      std::string* why) {
    TgaPixels pixels;
    const TgaResult result = ReadTga(fileName, pixels);
    if (result != TgaResult::Ok) {
        if (why != nullptr) *why = DescribeTgaResult(result, pixels);
        return nullptr;
    }
    return std::make_unique<RecordedImage>(fileName, pixels);
}

std::unique_ptr<Font> RecordingRenderer::MakeFont(const std::string&, int height, int) {
    return std::make_unique<Font>(height);
}

void RecordingRenderer::MeasureText(const Font& font, const std::string& text, int& width,
                                    int& height) {
    width = static_cast<int>(text.size()) * 8;
    height = font.Height();
}

std::vector<RecordingRenderer::Call> RecordingRenderer::CallsOf(Kind kind) const {
    std::vector<Call> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const Call& call) { return call.kind == kind; });
    return found;
}

std::vector<std::string> RecordingRenderer::Texts() const {
    std::vector<std::string> texts;
    for (const Call& call : CallsOf(Kind::Text))
        texts.push_back(call.text);
    return texts;
}
