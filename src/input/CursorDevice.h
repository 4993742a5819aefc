#pragma once

// The mouse cursor as the game reads and moves it, in window pixels.
class CursorDevice {
public:
    virtual ~CursorDevice() = default;
    virtual void GetCursorPos(int& x, int& y) = 0;
    virtual void SetCursorPos(int x, int y) = 0;
};
