#pragma once

#include <functional>
#include <memory>

#include "input/Command.h"

class Game;

// A content editor that takes over the match's frame while it is open. It closes itself by
// reporting that it is done; the match then goes on from where it stood.
class Editor {
public:
    virtual ~Editor() = default;

    // One frame of the editor, drawn between the match's BeginFrame and Present; true once
    // the editor is done.
    virtual bool Frame(Game& game) = 0;
    virtual void OnCommand(Command command) = 0;
    virtual void OnKeyDown(int key) { static_cast<void>(key); }
    virtual void OnKeyUp(int key) { static_cast<void>(key); }
    virtual void OnLeftButtonDown() {}
    virtual void OnLeftButtonUp() {}
    virtual void OnRightButtonDown() {}
    // Keys the editor uses itself, which reach it as keys even where the bindings give them a
    // command; in the match they keep their bindings.
    virtual bool TakesKey(int key) const {
        static_cast<void>(key);
        return false;
    }
};

// Opens an editor on a match. The editors sit above the match, so the program hands their
// makers in; with none the command that opens it does nothing.
using EditorFactory = std::function<std::unique_ptr<Editor>(Game&)>;
