#pragma once

// What the OpenGL renderer needs of the window system: a display mode, a GL 1.x context on the
// window, and buffer swaps. The platform layer provides it.
class RenderContext {
public:
    virtual ~RenderContext() = default;

    // Switches to full screen at this size and depth; false when the mode was refused.
    virtual bool SetFullScreenMode(int width, int height, int colourDepth) = 0;
    // Makes the window this size in windowed mode (the fallback, and the -window flag).
    virtual void SetWindowedMode(int width, int height) = 0;
    // Creates the GL context and makes it current; false when none can be had.
    virtual bool CreateContext(int colourDepth) = 0;
    virtual void DestroyContext() = 0;
    virtual bool SwapBuffers() = 0;
    virtual void ShowWindow() = 0;
    virtual void RestoreDisplayMode() = 0;
};
