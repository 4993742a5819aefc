#pragma once

#include <memory>
#include <string>

#include "input/WindowSystem.h"
#include "render/RenderContext.h"

class SdlKeyboard;
struct SDL_Window;

// The program's one top-level window, its events and its OpenGL context, through SDL2.
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

    bool SetFullScreenMode(int width, int height, int colourDepth) override;
    void SetWindowedMode(int width, int height) override;
    bool CreateContext(int colourDepth) override;
    void DestroyContext() override;
    bool SwapBuffers() override;
    void ShowWindow() override;
    void RestoreDisplayMode() override;

    // The keyboard that receives key events from the pump; none drops them.
    void AttachKeyboard(SdlKeyboard* keyboard) { keyboard_ = keyboard; }

private:
    explicit SdlWindow(SDL_Window* window) : window_(window) {}

    SDL_Window* window_;
    void* context_ = nullptr;  // SDL_GLContext
    SdlKeyboard* keyboard_ = nullptr;
};
