#include "render/GLRenderer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/Log.h"
#include "platform/SdlFontSource.h"
#include "platform/SdlWindow.h"
#include "render/Font.h"
#include "render/Image.h"
#include "support/FileText.h"
#include "support/TgaBytes.h"

// Draws through the real window, context and fonts and reads the pixels back.
namespace {
constexpr int kWidth = 800, kHeight = 600;

using Rgb = std::array<int, 3>;
constexpr Rgb kBlack{0, 0, 0}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255},
    kWhiteRgb{255, 255, 255};

// The frame, read so that At(x, y) counts y down from the top as on the screen.
struct Frame {
    std::vector<std::uint8_t> rgb = std::vector<std::uint8_t>(std::size_t{kWidth} * kHeight * 3);
    Frame() {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    }
    Rgb At(int x, int y) const {
        const std::size_t at = (std::size_t(kHeight - 1 - y) * kWidth + std::size_t(x)) * 3;
        return Rgb{rgb[at], rgb[at + 1], rgb[at + 2]};
    }
};

testing::AssertionResult Near(Rgb actual, Rgb expected, int tolerance = 2) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::abs(actual[i] - expected[i]) > tolerance)
            return testing::AssertionFailure() << testing::PrintToString(actual);
    }
    return testing::AssertionSuccess();
}

// Everything the tests share, torn down in order: renderer, fonts, window.
struct Screen {
    Log log;  // never opened
    std::unique_ptr<SdlWindow> window = SdlWindow::Create();
    SdlFontSource fonts;
    std::unique_ptr<GLRenderer> renderer;
};
}  // namespace

class GLRendererTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        screen_ = std::make_unique<Screen>();
        if (!screen_->window) return;
        screen_->renderer = std::make_unique<GLRenderer>(*screen_->window, screen_->fonts, kWidth,
                                                         kHeight, 32, false, &screen_->log);
        renderer_ = screen_->renderer.get();
    }
    static void TearDownTestSuite() { screen_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(renderer_ && renderer_->HasContext()) << SdlWindow::LastError();
        renderer_->SetClearColor(0, 0, 0);
        renderer_->BeginFrame();
    }

    // A 2 x 2 picture: red, green on top; blue, white below. Stored bottom row first, as BGR(A).
    static std::unique_ptr<Image> Load(const std::string& name, int bits, std::uint8_t alpha) {
        std::vector<std::uint8_t> pixels;
        for (const Rgb& rgb : {kBlue, kWhiteRgb, kRed, kGreen}) {
            pixels.insert(pixels.end(), rgb.rbegin(), rgb.rend());
            if (bits == 32) pixels.push_back(alpha);
        }
        const auto path = std::filesystem::path(testing::TempDir()) / ("GLRendererTest" + name);
        auto image =
            renderer_->CreateImage(WriteBytes(path, TgaBytes(2, 2, bits, pixels)), nullptr);
        EXPECT_NE(image, nullptr);
        return image;
    }

    static inline std::unique_ptr<Screen> screen_;
    static inline GLRenderer* renderer_ = nullptr;
};

TEST_F(GLRendererTest, PicturesShowTheRightWayUpMirroredTurnedAndBlended) {
    const std::unique_ptr<Image> rgba = Load("rgba.tga", 32, 255), rgb = Load("rgb.tga", 24, 255),
                                 clear = Load("clear.tga", 32, 0);
    const struct {
        const Image* image;
        float angle;  // clockwise
        bool mirror;
        std::uint8_t alpha;
        std::array<Rgb, 4> corners;  // top left, top right, bottom left, bottom right
    } rows[] = {
        {rgba.get(), 0, false, 255, {kRed, kGreen, kBlue, kWhiteRgb}},
        {rgb.get(), 0, false, 255, {kRed, kGreen, kBlue, kWhiteRgb}},
        {rgba.get(), 0, true, 255, {kGreen, kRed, kWhiteRgb, kBlue}},
        {rgba.get(), 90, false, 255, {kBlue, kRed, kWhiteRgb, kGreen}},
        {clear.get(), 0, false, 255, {kBlack, kBlack, kBlack, kBlack}},
        {rgba.get(), 0, false, 128, {Rgb{128, 0, 0}, {0, 128, 0}, {0, 0, 128}, {128, 128, 128}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        renderer_->SetMirror(row.mirror);
        renderer_->BeginFrame();
        renderer_->BindImage(row.image);
        renderer_->SetTextureFilter(false);
        renderer_->DrawTexturedQuad(100, 100, 200, 200, row.image->TexCoordU(0),
                                    row.image->TexCoordV(0), row.image->TexCoordU(2),
                                    row.image->TexCoordV(2), row.alpha, row.angle);
        renderer_->SetMirror(false);
        const Frame frame;
        const int points[][2] = {{125, 125}, {175, 125}, {125, 175}, {175, 175}};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(Near(frame.At(points[i][0], points[i][1]), row.corners[i],
                             row.alpha == 255 ? 2 : 3))
                << i;
        EXPECT_TRUE(Near(frame.At(99, 150), kBlack) && Near(frame.At(201, 150), kBlack));
    }
}

TEST_F(GLRendererTest, LinesAreUntexturedAndShadedFromEndToEnd) {
    const std::unique_ptr<Image> image = Load("line.tga", 32, 255);
    renderer_->BindImage(image.get());
    renderer_->DrawLine(100, 300.5f, 300, 300.5f, Colour{255, 0, 0, 255}, Colour{0, 0, 255, 255});
    const Frame frame;
    EXPECT_TRUE(Near(frame.At(102, 300), kRed, 14));
    const Rgb middle = frame.At(200, 300);
    EXPECT_TRUE(middle[0] > 100 && middle[1] == 0 && middle[2] > 100)
        << testing::PrintToString(middle);
    EXPECT_TRUE(Near(frame.At(298, 300), kBlue, 14));
    EXPECT_EQ(frame.At(200, 302), kBlack);
}

// The pen starts at x; the baseline is at y + height / 2, so capitals rise above y.
TEST_F(GLRendererTest, TextSitsOnTheBaselineBelowThePositionInTheColourAsked) {
    const std::unique_ptr<Font> font = renderer_->MakeFont("Arial", 24, 0);
    renderer_->DrawString(font.get(), 100, 100, Colour{255, 0, 0, 255}, "Hello %s", "world");
    const Frame frame;
    int left = kWidth, top = kHeight, right = -1, bottom = -1;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (frame.At(x, y) == kBlack) continue;
            left = std::min(left, x), top = std::min(top, y);
            right = std::max(right, x), bottom = std::max(bottom, y);
        }
    }
    EXPECT_TRUE(left >= 100 && left <= 104) << left;
    EXPECT_TRUE(right > 200 && right < 260) << right;  // the whole formatted text
    EXPECT_TRUE(top < 100 && top >= 112 - 24) << top;
    EXPECT_TRUE(bottom >= 100 && bottom <= 112 + 6) << bottom;
    const Rgb lit = frame.At(left + 1, bottom - 1);  // on the upright of the H
    EXPECT_TRUE(lit[0] > 100 && lit[1] == 0 && lit[2] == 0) << testing::PrintToString(lit);

    // A font that cannot be made still comes back, and writes nothing anywhere.
    const std::unique_ptr<Font> none = renderer_->MakeFont("Arial", 0, 0);
    ASSERT_NE(none, nullptr);
    renderer_->BeginFrame();
    renderer_->DrawString(none.get(), 100, 100, Colour{255, 0, 0, 255}, "Hello %s", "world");
    const Frame blank;
    EXPECT_EQ(std::count(blank.rgb.begin(), blank.rgb.end(), 0), std::ssize(blank.rgb));
}

// A fill lands where asked whatever a caller left bound, and the file keeps the screen's rows
// bottom up (its size and header are the display end-to-end test's).
TEST_F(GLRendererTest, ScreenshotsAreBottomUpBgrFilesOfWhatWasDrawn) {
    renderer_->SetClearColor(10, 20, 30);
    renderer_->BeginFrame();
    const std::unique_ptr<Image> image = Load("fill.tga", 32, 255);
    renderer_->BindImage(image.get());
    glTranslatef(50.0f, 0.0f, 0.0f);
    renderer_->FillRect(0, 0, 4, 4, Colour{200, 100, 50, 255});
    glLoadIdentity();
    const auto path = std::filesystem::path(testing::TempDir()) / "GLRendererTestShot.tga";
    ASSERT_TRUE(renderer_->SaveScreenshot(path.string()));

    const std::string bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 1440018u);
    EXPECT_EQ(bytes.substr(18, 3), "\x1e\x14\x0a");  // bottom left: blue, green, red
    EXPECT_EQ(bytes.substr(18 + 599 * 800 * 3, 3), "\x32\x64\xc8");        // top left
    EXPECT_EQ(bytes.substr(18 + (599 * 800 + 4) * 3, 3), "\x1e\x14\x0a");  // beside the fill
}
