#include "render/GLPicture.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

#include "core/Screen.h"
#include "render/PictureFit.h"
#include "render/RenderContext.h"

// One texture name of its own, between the images' counter (up from 1) and the fonts' (down from
// the top), so none overwrites another's.
namespace {
constexpr GLuint kPictureTexture = 0x40000000u;

int PowerOfTwoAtLeast(int size) {
    int power = 1;
    while (power < size)
        power *= 2;
    return power;
}

bool HasExtension(const char* name) {
    const auto* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (all == nullptr) return false;
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(all, name); at != nullptr; at = std::strstr(at + 1, name)) {
        if ((at == all || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) return true;
    }
    return false;
}
}  // namespace

struct GLPicture::FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC generate = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC remove = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bind = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC attach = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC status = nullptr;

    // The core names where the driver has them, else the extension's; none when neither.
    static const FramebufferCalls* Load(RenderContext& context) {
        static FramebufferCalls calls;
        const char* suffix = nullptr;
        if (HasExtension("GL_ARB_framebuffer_object")) {
            suffix = "";
        } else if (HasExtension("GL_EXT_framebuffer_object")) {
            suffix = "EXT";
        } else {
            return nullptr;
        }
        const auto find = [&](const char* stem, auto& entry) {
            entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
                context.ProcAddress((std::string(stem) + suffix).c_str()));
            return entry != nullptr;
        };
        const bool all = find("glGenFramebuffers", calls.generate) &&
                         find("glDeleteFramebuffers", calls.remove) &&
                         find("glBindFramebuffer", calls.bind) &&
                         find("glFramebufferTexture2D", calls.attach) &&
                         find("glCheckFramebufferStatus", calls.status);
        return all ? &calls : nullptr;
    }
};

GLPicture::GLPicture(RenderContext& context, int width, int height)
    : context_(context),
      width_(width),
      height_(height),
      textureWidth_(PowerOfTwoAtLeast(std::max(width, kScreenWidth))),
      textureHeight_(PowerOfTwoAtLeast(std::max(height, kScreenHeight))) {
    glBindTexture(GL_TEXTURE_2D, kPictureTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, textureWidth_, textureHeight_, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
    if (!MakeFramebuffer()) framebuffer_ = 0;
    glBindTexture(GL_TEXTURE_2D, 0);
    Bind();
}

GLPicture::~GLPicture() {
    if (framebuffer_ != 0) {
        BindFramebuffer(0);
        const GLuint name = framebuffer_;
        calls_->remove(1, &name);
    }
    const GLuint texture = kPictureTexture;
    glDeleteTextures(1, &texture);
}

bool GLPicture::MakeFramebuffer() {
    calls_ = FramebufferCalls::Load(context_);
    if (calls_ == nullptr) return false;
    GLuint name = 0;
    calls_->generate(1, &name);
    calls_->bind(GL_FRAMEBUFFER, name);
    calls_->attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, kPictureTexture, 0);
    if (calls_->status(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
        framebuffer_ = name;
        return true;
    }
    calls_->bind(GL_FRAMEBUFFER, 0);
    calls_->remove(1, &name);
    return false;
}

void GLPicture::BindFramebuffer(std::uint32_t name) const {
    if (calls_ != nullptr && framebuffer_ != 0) calls_->bind(GL_FRAMEBUFFER, name);
}

void GLPicture::Bind() const {
    BindFramebuffer(framebuffer_);
    glViewport(0, 0, width_, height_);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width_, height_, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
}

void GLPicture::ShowOnWindow() const {
    int windowWidth = 0;
    int windowHeight = 0;
    context_.DrawableSize(windowWidth, windowHeight);
    glBindTexture(GL_TEXTURE_2D, kPictureTexture);
    // Without a framebuffer object the picture is still in the back buffer's corner.
    if (framebuffer_ == 0) glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width_, height_);
    BindFramebuffer(0);
    if (windowWidth > 0 && windowHeight > 0) DrawScaled(windowWidth, windowHeight);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GLPicture::DrawScaled(int windowWidth, int windowHeight) const {
    // Everything changed here goes back as it was: the picture's drawing state is the renderer's.
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_VIEWPORT_BIT);
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, windowWidth, windowHeight, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glColor4ub(255, 255, 255, 255);
    const PictureFit fit = PictureFit::Of(width_, height_, windowWidth, windowHeight);
    // Scaled, it is smoothed; at its own size every pixel is copied, which software GL does in
    // less than half the time.
    const bool ownSize = fit.width == width_ && fit.height == height_;
    const GLint filter = ownSize ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    const auto left = static_cast<float>(fit.x);
    const auto top = static_cast<float>(fit.y);
    const auto right = static_cast<float>(fit.x + fit.width);
    const auto bottom = static_cast<float>(fit.y + fit.height);
    // The texture's first row is the picture's bottom row, as GL stores every frame. Smoothed, the
    // edges sample half a texel inside, so the padding around the picture does not bleed in.
    const float inset = ownSize ? 0.0f : 0.5f;
    const auto texWidth = static_cast<float>(textureWidth_);
    const auto texHeight = static_cast<float>(textureHeight_);
    const float u0 = inset / texWidth;
    const float v0 = inset / texHeight;
    const float u1 = (static_cast<float>(width_) - inset) / texWidth;
    const float v1 = (static_cast<float>(height_) - inset) / texHeight;
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(u0, v1);
    glVertex2f(left, top);
    glTexCoord2f(u1, v1);
    glVertex2f(right, top);
    glTexCoord2f(u1, v0);
    glVertex2f(right, bottom);
    glTexCoord2f(u0, v0);
    glVertex2f(left, bottom);
    glEnd();
    glPopMatrix();
    glPopAttrib();
}
