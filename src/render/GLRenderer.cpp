#include "render/GLRenderer.h"

#include <GL/gl.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "core/AtomicFile.h"
#include "core/Log.h"
#include "core/Screen.h"
#include "render/FontSource.h"
#include "render/GLFont.h"
#include "render/GLImage.h"
#include "render/GLPicture.h"
#include "render/RenderContext.h"

namespace {
constexpr double kRadiansPerDegree = 0.017453292519444445;
constexpr int kShotWidth = kScreenWidth;
constexpr int kShotHeight = kScreenHeight;
constexpr std::size_t kTgaHeaderSize = 18;

// Every drawing call starts from the identity and leaves the caller's transform as it found it.
void BeginDraw() {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void EndDraw() { glPopMatrix(); }

void SetColour(Colour colour) { glColor4ub(colour.r, colour.g, colour.b, colour.a); }

float Byte(std::uint8_t value) { return static_cast<float>(value) / 255.0f; }

// An uncompressed 24-bit TGA of the game's picture (never the window it is shown in), rows
// bottom-up as GL reads them.
std::vector<std::uint8_t> ReadScreenshot() {
    std::vector<std::uint8_t> bytes(kTgaHeaderSize + std::size_t{kShotWidth} * kShotHeight * 3, 0);
    bytes[2] = 2;
    bytes[12] = kShotWidth & 0xff;
    bytes[13] = kShotWidth >> 8;
    bytes[14] = kShotHeight & 0xff;
    bytes[15] = kShotHeight >> 8;
    bytes[16] = 24;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kShotWidth, kShotHeight, GL_RGB, GL_UNSIGNED_BYTE,
                 bytes.data() + kTgaHeaderSize);
    for (std::size_t i = kTgaHeaderSize; i < bytes.size(); i += 3)
        std::swap(bytes[i], bytes[i + 2]);
    return bytes;
}

}  // namespace

GLRenderer::GLRenderer(RenderContext& context, FontSource& fonts, int width, int height,
                       int colourDepth, bool fullScreen, Log* log)
    : Renderer(width, height, colourDepth, log), context_(context), fonts_(fonts) {
    Renderer::SetClearColor(100, 100, 100);
    if (log != nullptr) log->Line("Initializing OpenGL...");
    if (fullScreen && !context_.SetFullScreen(width, height)) {
        ReportError("Unable to set display mode.", true);
        fullScreen = false;
    }
    if (!fullScreen) context_.SetWindowedMode(width, height);
    if (!context_.CreateContext(colourDepth)) {
        ReportError("Unable to create an OpenGL context.", true);
        return;
    }
    hasContext_ = true;
    SetUpState();
    context_.ShowWindow();
}

GLRenderer::~GLRenderer() {
    if (LogFile() != nullptr) LogFile()->Line("Shutting down OpenGL...");
    picture_.reset();  // its texture and framebuffer go with the context
    if (hasContext_) context_.DestroyContext();
    context_.RestoreDisplayMode();
}

void GLRenderer::SetUpState() {
    const Colour clear = ClearColour();
    glClearColor(Byte(clear.r), Byte(clear.g), Byte(clear.b), 0.0f);
    glShadeModel(GL_SMOOTH);
    glDisable(GL_DEPTH_TEST);
    // Viewport and projection: the picture's, y growing downwards, one unit per pixel.
    picture_ = std::make_unique<GLPicture>(context_, Width(), Height());
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    SetTextureFilter(true);
}

void GLRenderer::SetClearColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    Renderer::SetClearColor(red, green, blue);
    if (hasContext_) glClearColor(Byte(red), Byte(green), Byte(blue), 0.0f);
}

void GLRenderer::BeginFrame() {
    if (!hasContext_) return;
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool GLRenderer::Present() {
    if (!hasContext_) return false;
    picture_->ShowOnWindow();
    const bool swapped = context_.SwapBuffers();
    picture_->Bind();
    return swapped;
}

std::unique_ptr<Image> GLRenderer::CreateImage(const std::string& fileName, std::string* why) {
    auto image = std::make_unique<GLImage>();
    TgaPixels pixels;
    if (!image->Read(fileName, pixels, why)) return nullptr;
    if (hasContext_) image->Upload(pixels);
    return image;
}

void GLRenderer::BindImage(const Image* image) {
    if (!hasContext_) return;
    glBindTexture(GL_TEXTURE_2D, image != nullptr ? image->TextureName() : 0);
}

void GLRenderer::DrawTexturedQuad(float x1, float y1, float x2, float y2, float tx1, float ty1,
                                  float tx2, float ty2, std::uint8_t alpha, float angle) {
    if (!hasContext_) return;
    if (Mirror()) std::swap(tx1, tx2);
    const float cx = (x2 - x1) / 2 + x1;
    const float cy = (y2 - y1) / 2 + y1;
    const float a = x1 - cx;
    const float b = y1 - cy;
    const float c = x2 - cx;
    const float d = y2 - cy;
    const double theta = static_cast<double>(angle) * kRadiansPerDegree;
    const auto cosine = static_cast<float>(std::cos(theta));
    const auto sine = static_cast<float>(std::sin(theta));
    // With y downwards this turns a positive angle clockwise on the screen.
    const auto corner = [&](float p, float q, float u, float v) {
        glTexCoord2f(u, v);
        glVertex2f(cosine * p - sine * q + cx, sine * p + cosine * q + cy);
    };
    BeginDraw();
    glColor4ub(255, 255, 255, alpha);
    glBegin(GL_TRIANGLE_FAN);
    corner(a, b, tx1, ty1);
    corner(c, b, tx2, ty1);
    corner(c, d, tx2, ty2);
    corner(a, d, tx1, ty2);
    glEnd();
    EndDraw();
}

void GLRenderer::FillRect(float x1, float y1, float x2, float y2, Colour colour) {
    if (!hasContext_) return;
    BeginDraw();
    SetColour(colour);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(x1, y1);
    glVertex2f(x2, y1);
    glVertex2f(x2, y2);
    glVertex2f(x1, y2);
    glEnd();
    EndDraw();
}

void GLRenderer::DrawLine(float x1, float y1, float x2, float y2, Colour start, Colour end) {
    if (!hasContext_) return;
    BeginDraw();
    glLineWidth(LineWidth());
    glBindTexture(GL_TEXTURE_2D, 0);
    glBegin(GL_LINES);
    SetColour(start);
    glVertex2f(x1, y1);
    SetColour(end);
    glVertex2f(x2, y2);
    glEnd();
    EndDraw();
}

std::unique_ptr<Font> GLRenderer::MakeFont(const std::string& typeface, int height, int flags) {
    if (!hasContext_) return std::make_unique<GLFont>(height);
    const bool bold = (flags & kFontBold) != 0;
    const bool italic = (flags & kFontItalic) != 0;
    const std::optional<GlyphSet> glyphs = fonts_.Rasterise(typeface, height, bold, italic);
    if (!glyphs || glyphs->glyphs.size() != GlyphSet::kCount) {
        ReportError("Unable to make font " + typeface + " " + std::to_string(height) + ".", false);
        return std::make_unique<GLFont>(height);
    }
    return std::make_unique<GLFont>(height, *glyphs);
}

bool GLRenderer::SaveScreenshot(const std::string& fileName) {
    std::string why = "there is no drawing context";
    if (hasContext_) {
        const std::vector<std::uint8_t> bytes = ReadScreenshot();
        if (WriteFileAtomically(fileName, bytes.data(), bytes.size(), &why)) return true;
    }
    ReportError("Unable to write screenshot " + fileName + ": " + why + ".", false);
    return false;
}

// Sprites stay pixel-exact whichever filter is asked for.
void GLRenderer::SetTextureFilter(bool /*smooth*/) {
    if (!hasContext_) return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

void GLRenderer::SetLineSmooth(bool smooth) {
    if (smooth == LineSmooth()) return;
    Renderer::SetLineSmooth(smooth);
    if (!hasContext_) return;
    if (smooth) {
        glEnable(GL_LINE_SMOOTH);
    } else {
        glDisable(GL_LINE_SMOOTH);
    }
}

void GLRenderer::DrawText(const Font& font, int x, int y, Colour colour, const std::string& text) {
    const auto* glFont = dynamic_cast<const GLFont*>(&font);
    if (!hasContext_ || glFont == nullptr) return;
    BeginDraw();
    SetColour(colour);
    glFont->Draw(x, y, text);
    EndDraw();
}

void GLRenderer::MeasureText(const Font& font, const std::string& text, int& width, int& height) {
    const auto* glFont = dynamic_cast<const GLFont*>(&font);
    width = glFont != nullptr ? glFont->MeasureWidth(text) : 0;
    height = font.Height();
}
