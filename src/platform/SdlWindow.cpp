#include "platform/SdlWindow.h"

#include <SDL2/SDL.h>

#include <optional>

#include "platform/SdlGamepad.h"
#include "platform/SdlKeyboard.h"
#include "render/PictureFit.h"

namespace {
constexpr int kInitialWidth = 1024;
constexpr int kInitialHeight = 768;

std::string& ErrorText() {
    static std::string text;
    return text;
}

// Colour sizes per bit depth; X11 fixes the visual when the window is made, so the window itself
// asks only for the smallest and the depth's sizes are asked again for the context.
void RequestPixelFormat(int colourDepth) {
    const bool deep = colourDepth > 16;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, deep ? 8 : 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, deep ? 8 : 6);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, deep ? 8 : 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

// A version below 3 with no profile gets the legacy context, where immediate mode works.
void RequestLegacyContext() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
}

std::optional<MouseButton> ToMouseButton(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return MouseButton::Left;
        case SDL_BUTTON_RIGHT:
            return MouseButton::Right;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

void DeliverKey(const SDL_Event& event, SdlKeyboard* keyboard) {
    if (keyboard == nullptr) return;
    if (event.type == SDL_WINDOWEVENT) {
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) keyboard->OnFocusLost();
        return;
    }
    // A held key's auto-repeat is not a new press.
    if (event.key.repeat != 0) return;
    keyboard->OnKey(event.key.keysym.scancode, event.type == SDL_KEYDOWN);
}

void Deliver(const SDL_Event& event, WindowEvents& sink, SdlKeyboard* keyboard,
             SdlGamepad* gamepad) {
    switch (event.type) {
        case SDL_QUIT:
            sink.OnQuitRequest();
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) sink.OnQuitRequest();
            DeliverKey(event, keyboard);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (const auto button = ToMouseButton(event.button.button)) {
                sink.OnMouseButton(*button, event.type == SDL_MOUSEBUTTONDOWN);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            DeliverKey(event, keyboard);
            break;
        default:
            if (gamepad != nullptr) gamepad->HandleEvent(event);
            break;
    }
}
}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        ErrorText() = SDL_GetError();
        return nullptr;
    }
    RequestPixelFormat(16);
    RequestLegacyContext();
    SDL_Window* window =
        SDL_CreateWindow("Brawlwick", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kInitialWidth,
                         kInitialHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        ErrorText() = SDL_GetError();
        SDL_Quit();
        return nullptr;
    }
    return std::unique_ptr<SdlWindow>(new SdlWindow(window));
}

const std::string& SdlWindow::LastError() { return ErrorText(); }

SdlWindow::~SdlWindow() {
    DestroyContext();
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

void SdlWindow::PumpEvents(WindowEvents& sink) {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        Deliver(event, sink, keyboard_, gamepad_);
}

void SdlWindow::CaptureMouse(bool capture) { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

void SdlWindow::HideCursor() { SDL_ShowCursor(SDL_DISABLE); }

void SdlWindow::GetCursorPos(int& x, int& y) {
    SDL_GetMouseState(&x, &y);
    const int movedX = x - warpedWindowX_;
    const int movedY = y - warpedWindowY_;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    PictureFit::Of(pictureWidth_, pictureHeight_, width, height)
        .WindowToPicture(pictureWidth_, pictureHeight_, x, y);
    if (!warped_) return;
    x = PictureFit::KeepMove(warpedPictureX_, x, movedX);
    y = PictureFit::KeepMove(warpedPictureY_, y, movedY);
}

void SdlWindow::SetCursorPos(int x, int y) {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    warped_ = true;
    warpedPictureX_ = x;
    warpedPictureY_ = y;
    PictureFit::Of(pictureWidth_, pictureHeight_, width, height)
        .PictureToWindow(pictureWidth_, pictureHeight_, x, y);
    warpedWindowX_ = x;
    warpedWindowY_ = y;
    SDL_WarpMouseInWindow(window_, x, y);
}

void SdlWindow::SetPicture(int width, int height) {
    pictureWidth_ = width;
    pictureHeight_ = height;
}

// Without a window manager nothing answers the full-screen request, so the window is also laid
// over the whole display by hand; with one, the request decides.
bool SdlWindow::SetFullScreen(int pictureWidth, int pictureHeight) {
    SetPicture(pictureWidth, pictureHeight);
    const int display = SDL_GetWindowDisplayIndex(window_);
    SDL_Rect bounds;
    if (display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0) return false;
    SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, bounds.w, bounds.h);
    return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void SdlWindow::SetWindowedMode(int pictureWidth, int pictureHeight) {
    SetPicture(pictureWidth, pictureHeight);
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowResizable(window_, SDL_TRUE);
    SDL_SetWindowSize(window_, pictureWidth, pictureHeight);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool SdlWindow::CreateContext(int colourDepth) {
    RequestPixelFormat(colourDepth);
    RequestLegacyContext();
    context_ = SDL_GL_CreateContext(window_);
    if (context_ != nullptr && SDL_GL_MakeCurrent(window_, context_) == 0) return true;
    ErrorText() = SDL_GetError();
    DestroyContext();
    return false;
}

void SdlWindow::DestroyContext() {
    if (context_ == nullptr) return;
    SDL_GL_MakeCurrent(window_, nullptr);
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
}

bool SdlWindow::SwapBuffers() {
    SDL_GL_SwapWindow(window_);
    return true;
}

void SdlWindow::ShowWindow() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
}

void SdlWindow::RestoreDisplayMode() { SDL_SetWindowFullscreen(window_, 0); }

void SdlWindow::DrawableSize(int& width, int& height) {
    SDL_GL_GetDrawableSize(window_, &width, &height);
}

void* SdlWindow::ProcAddress(const char* name) { return SDL_GL_GetProcAddress(name); }
