#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One replayed input event, due in the pass of the main loop numbered `frame` (from 0),
// delivered before that frame runs.
struct ScriptEvent {
    // Hold*: the key is held or not at the keyboard's next reading, with no press or release
    // (the game saw a change whose event was lost). KeyboardLost: that reading's key events
    // are lost, as when the window loses focus. Quit: the run stops before that frame.
    enum class Kind {
        KeyDown,
        KeyUp,
        MouseDown,
        MouseUp,
        Cursor,
        HoldDown,
        HoldUp,
        KeyboardLost,
        Quit
    };
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

// The longest one reading of the clock may be in a script: a minute.
inline constexpr std::int64_t kMaxScriptStep = 60'000'000'000;

// The largest script read, and the most a recording writes: about 40 hours of play.
inline constexpr std::size_t kMaxScriptBytes = 256u << 20;

// Bad lines kept to report; the rest are only counted.
inline constexpr std::size_t kMaxScriptErrors = 20;

struct InputScript {
    std::vector<ScriptEvent> events;  // ordered by frame, file order within a frame
    std::vector<ScriptError> errors;  // the first kMaxScriptErrors
    long moreErrors = 0;              // bad lines past those
    // The random seed the recorded run started with, when the script gives one.
    std::optional<unsigned int> seed;
    // The recorded run's clock: how far it moved at each reading, in nanoseconds, in file order.
    // A step is taken per reading of the clock, not per frame: its frame number only says
    // where the recording was, and must not go back.
    std::vector<std::int64_t> steps;
};

// Reads a script: one event a line, "#" starts a comment, blank lines are skipped.
//   <frame> key down|up|tap <KeyName>     (tap: down at <frame>, up one frame later)
//   <frame> hold down|up <KeyName>        (held or not, without an event)
//   <frame> keyboard lost
//   <frame> mouse down|up left|right|middle
//   <frame> cursor <x> <y>
//   <frame> quit
//   <frame> step <nanoseconds>           (the clock's next reading moved this far; 0 to
//                                         kMaxScriptStep)
//   seed <number>                        (the run's random seed)
// A line that does not read, or names a frame past kLastRunFrame, is reported with its number
// and skipped.
InputScript ParseInputScript(std::string_view text);
