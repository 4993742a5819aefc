#include "render/GLRenderer.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/Log.h"
#include "platform/SdlFontSource.h"
#include "platform/SdlWindow.h"
#include "render/Font.h"
#include "render/Image.h"
#include "render/Sprite.h"
#include "support/FileText.h"
#include "support/TgaBytes.h"

// Draws through the real window, context and fonts and reads the pixels back.
namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr Colour kRed{255, 0, 0, 255};
constexpr Colour kBlue{0, 0, 255, 255};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

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
    bool Differs(int x, int y, Rgb background) const {
        const Rgb p = At(x, y);
        return p.r != background.r || p.g != background.g || p.b != background.b;
    }

private:
    std::vector<std::uint8_t> pixels_;
};

// The smallest rectangle holding every pixel that is not the background; empty when none.
struct Box {
    int left = kWidth;
    int top = kHeight;
    int right = -1;
    int bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

Box Changed(const Frame& frame, Rgb background) {
    Box box;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!frame.Differs(x, y, background)) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
            ++box.count;
        }
    }
    return box;
}

testing::AssertionResult Near(Rgb actual, Rgb expected, int tolerance = 2) {
    if (std::abs(actual.r - expected.r) <= tolerance &&
        std::abs(actual.g - expected.g) <= tolerance &&
        std::abs(actual.b - expected.b) <= tolerance) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "got (" << actual.r << ", " << actual.g << ", " << actual.b << "), expected ("
           << expected.r << ", " << expected.g << ", " << expected.b << ")";
}

// A 2 x 2 picture: red, green on top; blue, white below. Stored bottom row first, as BGR(A).
std::vector<std::uint8_t> Quadrants(int bits, std::uint8_t alpha = 255) {
    const std::vector<std::vector<std::uint8_t>> bottomUp = {
        {255, 0, 0}, {255, 255, 255}, {0, 0, 255}, {0, 255, 0}};
    std::vector<std::uint8_t> pixels;
    for (const auto& bgr : bottomUp) {
        pixels.insert(pixels.end(), bgr.begin(), bgr.end());
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
        if (!renderer_->HasContext()) return;
        renderer_->BeginFrame();
        firstClear_ = Frame().At(400, 300);
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
        renderer_->SetMirror(false);
        renderer_->SetLineWidth(1.0f);
        renderer_->SetClearColor(0, 0, 0);
        renderer_->BeginFrame();
    }

    static std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        return WriteBytes(directory_ / name, bytes);
    }

    // The whole picture of an image over (100, 100)-(200, 200), texel for texel.
    static void DrawImage(const Image& image, float angle = 0.0f) {
        renderer_->BindImage(&image);
        renderer_->SetTextureFilter(false);
        renderer_->DrawTexturedQuad(100, 100, 200, 200, image.TexCoordU(0), image.TexCoordV(0),
                                    image.TexCoordU(image.Width()), image.TexCoordV(image.Height()),
                                    255, angle);
    }

    static inline std::filesystem::path directory_;
    static inline std::unique_ptr<Log> log_;
    static inline std::unique_ptr<SdlWindow> window_;
    static inline std::unique_ptr<SdlFontSource> fonts_;
    static inline std::unique_ptr<GLRenderer> renderer_;
    static inline Rgb firstClear_;
};

TEST_F(GLRendererTest, ClearsAndFillsInScreenPixelsWhateverTheCallerLeftBound) {
    EXPECT_TRUE(Near(firstClear_, Rgb{100, 100, 100}));  // before any SetClearColor

    renderer_->SetClearColor(10, 20, 30);
    renderer_->BeginFrame();
    EXPECT_TRUE(Near(Frame().At(5, 5), Rgb{10, 20, 30}));

    // A picture still bound does not tint a fill, and a transform left by a caller neither
    // moves it nor is lost.
    const std::unique_ptr<Image> image = renderer_->CreateImage(Write("fill.tga", Quadrants(32)));
    ASSERT_NE(image, nullptr);
    renderer_->BindImage(image.get());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(50.0f, 0.0f, 0.0f);
    renderer_->FillRect(100, 100, 200, 150, kRed);
    GLfloat matrix[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_EQ(matrix[12], 50.0f);
    glLoadIdentity();

    const Frame frame;
    EXPECT_TRUE(Near(frame.At(100, 100), Rgb{255, 0, 0}));
    EXPECT_TRUE(Near(frame.At(199, 149), Rgb{255, 0, 0}));
    EXPECT_TRUE(Near(frame.At(200, 125), Rgb{10, 20, 30}));
    EXPECT_TRUE(Near(frame.At(150, 150), Rgb{10, 20, 30}));
    EXPECT_TRUE(Near(frame.At(99, 125), Rgb{10, 20, 30}));
}

TEST_F(GLRendererTest, TexturedQuadsShowTheirTexelsMirroredAndTurned) {
    const std::unique_ptr<Image> rgba = renderer_->CreateImage(Write("rgba.tga", Quadrants(32)));
    const std::unique_ptr<Image> rgb = renderer_->CreateImage(Write("rgb.tga", Quadrants(24)));
    ASSERT_NE(rgba, nullptr);
    ASSERT_NE(rgb, nullptr);

    const auto expectCorners = [](Rgb topLeft, Rgb topRight, Rgb bottomLeft, Rgb bottomRight) {
        const Frame frame;
        EXPECT_TRUE(Near(frame.At(125, 125), topLeft));
        EXPECT_TRUE(Near(frame.At(175, 125), topRight));
        EXPECT_TRUE(Near(frame.At(125, 175), bottomLeft));
        EXPECT_TRUE(Near(frame.At(175, 175), bottomRight));
        EXPECT_TRUE(Near(frame.At(99, 150), Rgb{0, 0, 0}));
        EXPECT_TRUE(Near(frame.At(201, 150), Rgb{0, 0, 0}));
    };
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255};

    for (const Image* image : {rgba.get(), rgb.get()}) {
        SCOPED_TRACE(image->Name());
        renderer_->BeginFrame();
        DrawImage(*image);
        expectCorners(red, green, blue, white);
    }

    renderer_->SetMirror(true);
    renderer_->BeginFrame();
    DrawImage(*rgba);
    expectCorners(green, red, white, blue);
    renderer_->SetMirror(false);

    renderer_->BeginFrame();
    DrawImage(*rgba, 90.0f);  // clockwise: the top-left texel goes to the top right
    expectCorners(blue, red, white, green);
}

TEST_F(GLRendererTest, AlphaOfTheTexelsAndOfTheQuadBlendWithTheBackground) {
    renderer_->SetClearColor(0, 0, 255);
    const std::unique_ptr<Image> clear =
        renderer_->CreateImage(Write("clear.tga", Quadrants(32, 0)));
    const std::unique_ptr<Image> opaque =
        renderer_->CreateImage(Write("opaque.tga", Quadrants(32)));
    ASSERT_NE(clear, nullptr);
    ASSERT_NE(opaque, nullptr);

    renderer_->BeginFrame();
    DrawImage(*clear);
    EXPECT_TRUE(Near(Frame().At(125, 125), Rgb{0, 0, 255}));

    const auto drawOpaque = [&](std::uint8_t alpha) {
        renderer_->BeginFrame();
        renderer_->BindImage(opaque.get());
        renderer_->SetTextureFilter(false);
        renderer_->DrawTexturedQuad(100, 100, 200, 200, 0, 0, 1, -1, alpha, 0);
    };
    drawOpaque(0);
    EXPECT_TRUE(Near(Frame().At(125, 125), Rgb{0, 0, 255}));
    drawOpaque(128);
    EXPECT_TRUE(Near(Frame().At(125, 125), Rgb{128, 0, 127}, 3));  // red over blue, half each
}

TEST_F(GLRendererTest, LinesAreUntexturedInterpolatedAndAsWideAsSet) {
    const std::unique_ptr<Image> image = renderer_->CreateImage(Write("line.tga", Quadrants(32)));
    ASSERT_NE(image, nullptr);
    renderer_->BindImage(image.get());
    renderer_->DrawLine(100, 300.5f, 300, 300.5f, kRed, kBlue);
    Frame thin;
    const Rgb start = thin.At(102, 300);
    const Rgb middle = thin.At(200, 300);
    const Rgb end = thin.At(298, 300);
    EXPECT_GT(start.r, 240);
    EXPECT_LT(start.b, 15);
    EXPECT_GT(middle.r, 100);
    EXPECT_GT(middle.b, 100);
    EXPECT_EQ(middle.g, 0);
    EXPECT_GT(end.b, 240);
    EXPECT_FALSE(thin.Differs(200, 302, Rgb{0, 0, 0}));

    renderer_->BeginFrame();
    renderer_->SetLineWidth(5.0f);
    renderer_->DrawLine(100, 300.5f, 300, 300.5f, kRed, kRed);
    Frame wide;
    EXPECT_TRUE(Near(wide.At(200, 302), Rgb{255, 0, 0}));
    EXPECT_TRUE(Near(wide.At(200, 298), Rgb{255, 0, 0}));

    // Line smoothing is switched only when the asked value differs from the stored one.
    renderer_->SetLineSmooth(true);
    EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
    glDisable(GL_LINE_SMOOTH);
    renderer_->SetLineSmooth(true);
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    glEnable(GL_LINE_SMOOTH);
    renderer_->SetLineSmooth(false);
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(renderer_->LineSmooth());
}

TEST_F(GLRendererTest, TextSitsOnTheBaselineBelowThePositionInTheColourAsked) {
    const std::unique_ptr<Font> font = renderer_->MakeFont("Arial", 24, 0);
    const std::unique_ptr<Font> bold = renderer_->MakeFont("Arial", 24, kFontBold);
    ASSERT_NE(font, nullptr);
    ASSERT_NE(bold, nullptr);

    renderer_->DrawString(font.get(), 100, 100, kRed, "Hello %s", "world");
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    const Frame frame;
    const Box box = Changed(frame, Rgb{0, 0, 0});
    ASSERT_FALSE(box.Empty());
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
    EXPECT_GT(lit.r, 100);
    EXPECT_EQ(lit.g, 0);
    EXPECT_EQ(lit.b, 0);

    renderer_->BeginFrame();
    renderer_->DrawString(bold.get(), 100, 100, kRed, "Hello %s", "world");
    const Box boldBox = Changed(Frame(), Rgb{0, 0, 0});
    EXPECT_GT(boldBox.count, box.count);
    EXPECT_GT(boldBox.right, box.right);

    renderer_->BeginFrame();
    renderer_->DrawStringCentred(font.get(), 0, 0, kWidth, kHeight, kRed, "%s", "Centre");
    const Box centred = Changed(Frame(), Rgb{0, 0, 0});
    ASSERT_FALSE(centred.Empty());
    EXPECT_LE(std::abs(centred.left + centred.right - kWidth), 6);  // centre within 3 pixels
    EXPECT_LT(centred.top, kHeight / 2);
    EXPECT_GT(centred.bottom, kHeight / 2 - 12);
}

TEST_F(GLRendererTest, TextWithoutFormatGlyphsOrFontDrawsNothing) {
    const std::unique_ptr<Font> font = renderer_->MakeFont("Arial", 14, 0);
    const std::unique_ptr<Font> none = renderer_->MakeFont("Arial", 0, kFontBold);
    ASSERT_NE(none, nullptr);
    const auto log = ReadLines(directory_ / "Log.txt");
    EXPECT_NE(std::find(log.begin(), log.end(), "ERROR: Unable to make font Arial 0."), log.end());

    renderer_->DrawString(font.get(), 100, 100, kWhite, nullptr);
    renderer_->DrawStringCentred(font.get(), 0, 0, 800, 600, kWhite, nullptr);
    renderer_->DrawString(font.get(), 100, 200, kWhite, "%s", "\x01\t\x80\xff");
    renderer_->DrawString(none.get(), 100, 300, kWhite, "%s", "invisible");
    renderer_->DrawStringCentred(none.get(), 0, 0, 800, 600, kWhite, "%s", "invisible");
    EXPECT_TRUE(Changed(Frame(), Rgb{0, 0, 0}).Empty());

    // Bytes outside the font are skipped without taking room.
    renderer_->DrawString(font.get(), 100, 100, kWhite, "%s", "\x01\x02I");
    const Box skipped = Changed(Frame(), Rgb{0, 0, 0});
    renderer_->BeginFrame();
    renderer_->DrawString(font.get(), 100, 100, kWhite, "%s", "I");
    const Box plain = Changed(Frame(), Rgb{0, 0, 0});
    ASSERT_FALSE(plain.Empty());
    EXPECT_EQ(skipped.left, plain.left);
    EXPECT_EQ(skipped.count, plain.count);
}

TEST_F(GLRendererTest, ScreenshotsAre800By600BottomUpBgrFilesOrNothing) {
    renderer_->SetClearColor(10, 20, 30);
    renderer_->BeginFrame();
    renderer_->FillRect(0, 0, 4, 4, Colour{200, 100, 50, 255});
    const auto path = directory_ / "shot.tga";
    ASSERT_TRUE(renderer_->SaveScreenshot(path.string()));
    EXPECT_FALSE(std::filesystem::exists(directory_ / "shot.tga.tmp"));

    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    ASSERT_EQ(bytes.size(), 1440018u);
    const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 18);
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20, 0x03,
                                                 0x58, 0x02, 24, 0}));
    const auto pixel = [&](std::size_t at) {
        const std::uint8_t* first = bytes.data() + 18 + at * 3;
        return std::vector<std::uint8_t>(first, first + 3);
    };
    EXPECT_EQ(pixel(0), (std::vector<std::uint8_t>{30, 20, 10}));  // bottom left, blue green red
    EXPECT_EQ(pixel(599 * 800), (std::vector<std::uint8_t>{50, 100, 200}));  // top left

    // The failure's log line is the same with or without a context (see the test without one).
    EXPECT_FALSE(renderer_->SaveScreenshot((directory_ / "missing" / "shot.tga").string()));
    EXPECT_FALSE(std::filesystem::exists(directory_ / "missing"));
}

TEST_F(GLRendererTest, EveryImageTakesATextureNameEvenWhenItsFileIsRefused) {
    const std::unique_ptr<Image> first = renderer_->CreateImage(Write("good.tga", Quadrants(24)));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(renderer_->CreateImage((directory_ / "absent.tga").string()), nullptr);
    const std::unique_ptr<Image> biggest =
        renderer_->CreateImage(Write("large.tga", SolidTga(512, 512, {1, 2, 3, 4})));
    ASSERT_NE(biggest, nullptr);
    EXPECT_EQ(biggest->TextureName(), first->TextureName() + 2);

    // The 512 x 512 picture really is on the card.
    renderer_->BindImage(biggest.get());
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 512);
    renderer_->BindImage(nullptr);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}
