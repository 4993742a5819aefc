#include "render/GLRenderer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

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
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr Colour kRed{255, 0, 0, 255};

using Rgb = std::array<int, 3>;
constexpr Rgb kBlack{0, 0, 0}, kRedRgb{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255},
    kWhiteRgb{255, 255, 255};

// The frame, top row first, so (x, y) reads as on the screen.
class Frame {
public:
    Frame() : pixels_(std::size_t{kWidth} * kHeight * 3) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels_.data());
    }
    Rgb At(int x, int y) const {
        const std::size_t at = (std::size_t(kHeight - 1 - y) * kWidth + std::size_t(x)) * 3;
        return Rgb{pixels_[at], pixels_[at + 1], pixels_[at + 2]};
    }

private:
    std::vector<std::uint8_t> pixels_;
};

// The smallest rectangle holding every pixel that is not black; count is 0 when none.
struct Box {
    int left = kWidth, top = kHeight, right = -1, bottom = -1, count = 0;
};

Box Lit(const Frame& frame) {
    Box box;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (frame.At(x, y) == kBlack) continue;
            box = Box{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                      std::max(box.bottom, y), box.count + 1};
        }
    }
    return box;
}

testing::AssertionResult Near(Rgb actual, Rgb expected, int tolerance = 2) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::abs(actual[i] - expected[i]) > tolerance)
            return testing::AssertionFailure() << testing::PrintToString(actual) << " is not near "
                                               << testing::PrintToString(expected);
    }
    return testing::AssertionSuccess();
}

// A 2 x 2 picture: red, green on top; blue, white below. Stored bottom row first, as BGR(A).
std::vector<std::uint8_t> Quadrants(int bits, std::uint8_t alpha) {
    std::vector<std::uint8_t> pixels;
    for (const Rgb& rgb : {kBlue, kWhiteRgb, kRedRgb, kGreen}) {
        pixels.insert(pixels.end(), rgb.rbegin(), rgb.rend());
        if (bits == 32) pixels.push_back(alpha);
    }
    return TgaBytes(2, 2, bits, pixels);
}
}  // namespace

class GLRendererTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        directory_ = std::filesystem::temp_directory_path() /
                     ("gl_renderer_test." + std::to_string(::getpid()));
        std::filesystem::create_directories(directory_);
        log_ = std::make_unique<Log>(directory_ / "Log.txt");
        window_ = SdlWindow::Create();
        if (!window_) return;
        fonts_ = std::make_unique<SdlFontSource>();
        renderer_ =
            std::make_unique<GLRenderer>(*window_, *fonts_, kWidth, kHeight, 32, false, log_.get());
    }

    static void TearDownTestSuite() {
        renderer_.reset();
        fonts_.reset();
        window_.reset();
        log_.reset();
        std::filesystem::remove_all(directory_);
    }

    void SetUp() override {
        ASSERT_NE(window_, nullptr) << SdlWindow::LastError();
        ASSERT_TRUE(renderer_->HasContext()) << SdlWindow::LastError();
        renderer_->SetClearColor(0, 0, 0);
        renderer_->BeginFrame();
    }

    static std::unique_ptr<Image> Load(const std::string& name, int bits,
                                       std::uint8_t alpha = 255) {
        auto image = renderer_->CreateImage(WriteBytes(directory_ / name, Quadrants(bits, alpha)));
        EXPECT_NE(image, nullptr);
        return image;
    }

    static inline std::filesystem::path directory_;
    static inline std::unique_ptr<Log> log_;
    static inline std::unique_ptr<SdlWindow> window_;
    static inline std::unique_ptr<SdlFontSource> fonts_;
    static inline std::unique_ptr<GLRenderer> renderer_;
};

TEST_F(GLRendererTest, PicturesShowTheRightWayUpMirroredTurnedAndBlended) {
    const std::unique_ptr<Image> rgba = Load("rgba.tga", 32), rgb = Load("rgb.tga", 24),
                                 clear = Load("clear.tga", 32, 0);
    struct Row {
        const Image* image;
        bool mirror;
        float angle;  // clockwise
        std::uint8_t alpha;
        std::array<Rgb, 4> corners;  // top left, top right, bottom left, bottom right
    };
    const Row rows[] = {
        {rgba.get(), false, 0, 255, {kRedRgb, kGreen, kBlue, kWhiteRgb}},
        {rgb.get(), false, 0, 255, {kRedRgb, kGreen, kBlue, kWhiteRgb}},
        {rgba.get(), true, 0, 255, {kGreen, kRedRgb, kWhiteRgb, kBlue}},
        {rgba.get(), false, 90, 255, {kBlue, kRedRgb, kWhiteRgb, kGreen}},
        {clear.get(), false, 0, 255, {kBlack, kBlack, kBlack, kBlack}},
        {rgba.get(), false, 0, 128, {Rgb{128, 0, 0}, {0, 128, 0}, {0, 0, 128}, {128, 128, 128}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        renderer_->SetMirror(row.mirror);
        renderer_->BeginFrame();
        renderer_->BindImage(row.image);
        renderer_->SetTextureFilter(false);
        renderer_->DrawTexturedQuad(100, 100, 200, 200, row.image->TexCoordU(0),
                                    row.image->TexCoordV(0), row.image->TexCoordU(2),
                                    row.image->TexCoordV(2), row.alpha, row.angle);
        renderer_->SetMirror(false);
        const Frame frame;
        const int tolerance = row.alpha == 255 ? 2 : 3;
        EXPECT_TRUE(Near(frame.At(125, 125), row.corners[0], tolerance));
        EXPECT_TRUE(Near(frame.At(175, 125), row.corners[1], tolerance));
        EXPECT_TRUE(Near(frame.At(125, 175), row.corners[2], tolerance));
        EXPECT_TRUE(Near(frame.At(175, 175), row.corners[3], tolerance));
        EXPECT_TRUE(Near(frame.At(99, 150), kBlack));
        EXPECT_TRUE(Near(frame.At(201, 150), kBlack));
    }
}

TEST_F(GLRendererTest, LinesAreUntexturedAndShadedFromEndToEnd) {
    const std::unique_ptr<Image> image = Load("line.tga", 32);
    renderer_->BindImage(image.get());
    renderer_->DrawLine(100, 300.5f, 300, 300.5f, kRed, Colour{0, 0, 255, 255});
    const Frame frame;
    EXPECT_TRUE(Near(frame.At(102, 300), kRedRgb, 14));
    const Rgb middle = frame.At(200, 300);
    EXPECT_TRUE(middle[0] > 100 && middle[1] == 0 && middle[2] > 100)
        << testing::PrintToString(middle);
    EXPECT_TRUE(Near(frame.At(298, 300), kBlue, 14));
    EXPECT_EQ(frame.At(200, 302), kBlack);
}

TEST_F(GLRendererTest, TextSitsOnTheBaselineBelowThePositionInTheColourAsked) {
    const std::unique_ptr<Font> font = renderer_->MakeFont("Arial", 24, 0);
    renderer_->DrawString(font.get(), 100, 100, kRed, "Hello %s", "world");
    const Frame frame;
    const Box box = Lit(frame);
    ASSERT_GT(box.count, 0);
    // The pen starts at x; the baseline is at y + height / 2, so capitals rise above y.
    EXPECT_GE(box.left, 100);
    EXPECT_LE(box.left, 104);
    EXPECT_GT(box.right, 200);
    EXPECT_LT(box.right, 260);
    EXPECT_LT(box.top, 100);
    EXPECT_GE(box.top, 112 - 24);
    EXPECT_GE(box.bottom, 100);
    EXPECT_LE(box.bottom, 112 + 6);
    const Rgb lit = frame.At(box.left + 1, box.bottom - 1);  // on the upright of the H
    EXPECT_TRUE(lit[0] > 100 && lit[1] == 0 && lit[2] == 0) << testing::PrintToString(lit);

    renderer_->BeginFrame();
    renderer_->DrawStringCentred(font.get(), 0, 0, kWidth, kHeight, kRed, "%s", "Centre");
    const Box centred = Lit(Frame());
    ASSERT_GT(centred.count, 0);
    EXPECT_LE(std::abs(centred.left + centred.right - kWidth), 6);  // centre within 3 pixels
    EXPECT_LT(centred.top, kHeight / 2);
    EXPECT_GT(centred.bottom, kHeight / 2 - 12);
}

TEST_F(GLRendererTest, AFontThatCannotBeMadeIsLoggedAndDrawsNothing) {
    const std::unique_ptr<Font> none = renderer_->MakeFont("Arial", 0, kFontBold);
    ASSERT_NE(none, nullptr);
    const auto log = ReadLines(directory_ / "Log.txt");
    EXPECT_NE(std::find(log.begin(), log.end(), "ERROR: Unable to make font Arial 0."), log.end());
    renderer_->DrawString(none.get(), 100, 300, kWhite, "%s", "invisible");
    EXPECT_EQ(Lit(Frame()).count, 0);
}

// A fill lands where asked whatever a caller left bound, and the file keeps the screen's rows.
TEST_F(GLRendererTest, ScreenshotsAreBottomUpBgrFilesOfWhatWasDrawn) {
    renderer_->SetClearColor(10, 20, 30);
    renderer_->BeginFrame();
    const std::unique_ptr<Image> image = Load("fill.tga", 32);
    renderer_->BindImage(image.get());
    glTranslatef(50.0f, 0.0f, 0.0f);
    renderer_->FillRect(0, 0, 4, 4, Colour{200, 100, 50, 255});
    glLoadIdentity();
    const auto path = directory_ / "shot.tga";
    ASSERT_TRUE(renderer_->SaveScreenshot(path.string()));

    const std::string bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 1440018u);
    EXPECT_EQ(bytes.substr(0, 18),
              std::string("\0\0\2\0\0\0\0\0\0\0\0\0\x20\x03\x58\x02\x18\0", 18));
    EXPECT_EQ(bytes.substr(18, 3), "\x1e\x14\x0a");  // bottom left: blue, green, red
    EXPECT_EQ(bytes.substr(18 + 599 * 800 * 3, 3), "\x32\x64\xc8");        // top left
    EXPECT_EQ(bytes.substr(18 + (599 * 800 + 4) * 3, 3), "\x1e\x14\x0a");  // beside the fill
}
