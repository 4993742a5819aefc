#pragma once

#include "input/CursorDevice.h"

// The window's events, delivered between frames (never inside one).
enum class MouseButton { Left, Right, Middle };

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void OnMouseButton(MouseButton button, bool down) = 0;
    // The window was closed or the system asked the program to end.
    virtual void OnQuitRequest() = 0;
};

// The top-level window "Brawlwick" as the App sees it; the platform layer provides it.
class WindowSystem : public CursorDevice {
public:
    ~WindowSystem() override = default;
    // Hands every pending event to the sink, then returns.
    virtual void PumpEvents(WindowEvents& sink) = 0;
    virtual void CaptureMouse(bool capture) = 0;
    virtual void HideCursor() = 0;
};
