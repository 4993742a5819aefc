#pragma once

#include <string>
#include <string_view>
#include <vector>

// One replayed input event, due in the pass of the main loop numbered `frame` (from 0),
// delivered before that frame runs.
struct ScriptEvent {
    enum class Kind { KeyDown, KeyUp, MouseDown, MouseUp, Cursor };
    long frame = 0;
    Kind kind = Kind::KeyDown;
    int key = 0;     // key number, for key events
    int button = 0;  // 0 left, 1 right, 2 middle, for mouse events
    int x = 0;       // cursor position in window pixels
    int y = 0;
};

// The last frame a run can reach (over 300 days at 80 frames a second): -frames stops there at
// the latest, and a later event would never be delivered.
inline constexpr long kLastRunFrame = 2'147'483'647;

struct ScriptError {
    int line;  // from 1
    std::string message;
};

struct InputScript {
    std::vector<ScriptEvent> events;  // ordered by frame, file order within a frame
    std::vector<ScriptError> errors;
};

// Reads a script: one event a line, "#" starts a comment, blank lines are skipped.
//   <frame> key down|up|tap <KeyName>     (tap: down at <frame>, up one frame later)
//   <frame> mouse down|up left|right|middle
//   <frame> cursor <x> <y>
// A line that does not read, or names a frame past kLastRunFrame, is reported with its number
// and skipped.
InputScript ParseInputScript(std::string_view text);
