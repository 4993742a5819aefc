#pragma once

#include <memory>
#include <string>

#include "input/WindowSystem.h"
#include "render/RenderContext.h"

class SdlGamepad;
class SdlKeyboard;
struct SDL_Window;

// The program's one top-level window, its events and its OpenGL context, through SDL2. The window
// shows the game's picture scaled to fit; the cursor is read and put in the picture's pixels.
class SdlWindow final : public WindowSystem, public RenderContext {
public:
    // Starts SDL's video and makes the hidden window; none when SDL refuses (see LastError).
    static std::unique_ptr<SdlWindow> Create();
    // SDL's text for why the last Create or CreateContext failed.
    static const std::string& LastError();

    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    void PumpEvents(WindowEvents& sink) override;
    void CaptureMouse(bool capture) override;
    void HideCursor() override;
    void GetCursorPos(int& x, int& y) override;
    void SetCursorPos(int x, int y) override;

    bool SetFullScreen(int pictureWidth, int pictureHeight) override;
    void SetWindowedMode(int pictureWidth, int pictureHeight) override;
    bool CreateContext(int colourDepth) override;
    void DestroyContext() override;
    bool SwapBuffers() override;
    void ShowWindow() override;
    void RestoreDisplayMode() override;
    void DrawableSize(int& width, int& height) override;
    void* ProcAddress(const char* name) override;

    // The keyboard that receives key events from the pump; none drops them.
    void AttachKeyboard(SdlKeyboard* keyboard) { keyboard_ = keyboard; }
    // The pads that receive controller events from the pump; none drops them.
    void AttachGamepad(SdlGamepad* gamepad) { gamepad_ = gamepad; }

private:
    explicit SdlWindow(SDL_Window* window) : window_(window) {}
    void SetPicture(int width, int height);

    SDL_Window* window_;
    void* context_ = nullptr;  // SDL_GLContext
    SdlKeyboard* keyboard_ = nullptr;
    SdlGamepad* gamepad_ = nullptr;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    // Where the cursor was last put, in both kinds of pixel: read back unmoved, it gives the same
    // picture pixel even where the window is smaller than the picture, and moved, another.
    bool warped_ = false;
    int warpedWindowX_ = -1;
    int warpedWindowY_ = -1;
    int warpedPictureX_ = -1;
    int warpedPictureY_ = -1;
};
