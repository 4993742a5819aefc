#pragma once

#include "input/Command.h"

// Where the input system sends what the keys mean: the console while it takes typing, and the
// program's command and key handlers otherwise.
class InputListener {
public:
    virtual ~InputListener() = default;
    virtual bool IsConsoleOpen() const = 0;
    virtual void ToggleConsole() = 0;
    virtual void OnConsoleKey(int key) = 0;
    virtual void OnCommand(Command command) = 0;
    virtual void OnKeyDown(int key) = 0;
    virtual void OnKeyUp(int key) = 0;
    // A key the listener wants as a key for now, whatever command it is bound to.
    virtual bool TakesKey(int key) const {
        static_cast<void>(key);
        return false;
    }
};
