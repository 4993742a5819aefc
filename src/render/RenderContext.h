#pragma once

// What the OpenGL renderer needs of the window system: a full-screen or resizable window that
// shows the game's picture scaled, a GL 1.x context on it, and buffer swaps. The platform layer
// provides it.
class RenderContext {
public:
    virtual ~RenderContext() = default;

    // Covers the whole desktop at its own resolution, leaving the display mode alone; the
    // picture of this size is shown scaled. False when full screen was refused.
    virtual bool SetFullScreen(int pictureWidth, int pictureHeight) = 0;
    // A resizable window, first the size of the picture (the fallback, and the -window flag).
    virtual void SetWindowedMode(int pictureWidth, int pictureHeight) = 0;
    // Creates the GL context and makes it current; false when none can be had.
    virtual bool CreateContext(int colourDepth) = 0;
    virtual void DestroyContext() = 0;
    virtual bool SwapBuffers() = 0;
    virtual void ShowWindow() = 0;
    virtual void RestoreDisplayMode() = 0;
    // The window's drawing area now, in pixels; it changes as the window is resized.
    virtual void DrawableSize(int& width, int& height) = 0;
    // An OpenGL entry point of the current context by name; none when it has no such function.
    virtual void* ProcAddress(const char* name) = 0;
};
