#include "render/HeadlessRenderer.h"

#include "render/Font.h"
#include "render/Image.h"
#include "render/TgaFile.h"

namespace {
// A picture's name and size without its pixels: all a match without a screen reads of it.
class SizedImage final : public Image {
public:
    SizedImage(const std::string& name, const TgaPixels& pixels) {
        name_ = name;
        width_ = pixels.width;
        height_ = pixels.height;
    }
};

// Text is never shown; a fixed width per character keeps centring arithmetic sane.
constexpr int kCharacterWidth = 8;
}  // namespace

std::unique_ptr<Image> HeadlessRenderer::CreateImage(const std::string& fileName,
                                                     std::string* why) {
    TgaPixels pixels;
    const TgaResult result = ReadTga(fileName, pixels);
    if (result != TgaResult::Ok) {
        if (why != nullptr) *why = DescribeTgaResult(result, pixels);
        return nullptr;
    }
    return std::make_unique<SizedImage>(fileName, pixels);
}

std::unique_ptr<Font> HeadlessRenderer::MakeFont(const std::string&, int height, int) {
    return std::make_unique<Font>(height);
}

void HeadlessRenderer::MeasureText(const Font& font, const std::string& text, int& width,
                                   int& height) {
    width = static_cast<int>(text.size()) * kCharacterWidth;
    height = font.Height();
}
