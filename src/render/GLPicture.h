#pragma once

#include <cstdint>

class RenderContext;

// The game's own picture: everything is drawn into it at the picture's size, and each frame it
// is put on the window scaled to fit, centred between black bars. Screenshots read it, never
// the window. It lives off screen in a framebuffer object where the driver has them; otherwise
// it is drawn into the back buffer's corner and copied to its texture before it is shown.
class GLPicture {
public:
    // Needs the context current. The texture holds at least 800 x 600, what a screenshot reads.
    GLPicture(RenderContext& context, int width, int height);
    ~GLPicture();
    GLPicture(const GLPicture&) = delete;
    GLPicture& operator=(const GLPicture&) = delete;

    // Makes the picture what drawing goes to, one unit a pixel, y down from the top.
    void Bind() const;
    // Draws the picture on the window at its size now; the picture is bound again after.
    void ShowOnWindow() const;
    bool OffScreen() const { return framebuffer_ != 0; }

private:
    // The framebuffer-object entry points, from the core names or the older extension's.
    struct FramebufferCalls;

    bool MakeFramebuffer();
    void BindFramebuffer(std::uint32_t name) const;
    void DrawScaled(int windowWidth, int windowHeight) const;

    RenderContext& context_;
    int width_;
    int height_;
    int textureWidth_;
    int textureHeight_;
    std::uint32_t framebuffer_ = 0;
    const FramebufferCalls* calls_ = nullptr;
};
