#include "input/InputScript.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "input/KeyTable.h"

namespace {
constexpr std::array<std::string_view, 3> kButtonNames{"left", "right", "middle"};
constexpr std::size_t kMaxWords = 6;

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (words.size() <= kMaxWords) {
        pos = line.find_first_not_of(" \t\r", pos);
        if (pos == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t\r", pos), line.size());
        words.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

template <typename T>
bool ReadNumber(std::string_view word, T& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

// "keyboard lost" and "quit": events of no more words.
std::optional<ScriptEvent::Kind> BareEvent(const std::vector<std::string_view>& words) {
    if (words.size() == 2 && words[1] == "quit") return ScriptEvent::Kind::Quit;
    if (words.size() == 3 && words[1] == "keyboard" && words[2] == "lost")
        return ScriptEvent::Kind::KeyboardLost;
    return std::nullopt;
}

bool ReadFrame(std::string_view word, long& frame) {
    return ReadNumber(word, frame) && frame >= 0 && frame <= kLastRunFrame;
}

std::string BadFrame(std::string_view word) {
    return "expected a frame number from 0 to " + std::to_string(kLastRunFrame) + ", not \"" +
           std::string(word) + "\"";
}

// Reads the words after the frame number into `out`; the text of what is wrong otherwise.
std::string ReadEvent(const std::vector<std::string_view>& words, ScriptEvent& out, bool& tap) {
    const std::string_view verb = words[1];
    if (const auto bare = BareEvent(words)) {
        out.kind = *bare;
        return {};
    }
    if (verb == "key" || verb == "mouse" || verb == "hold") {
        if (words.size() != 4) return "expected \"" + std::string(verb) + " down|up <name>\"";
        const std::string_view change = words[2];
        tap = verb == "key" && change == "tap";
        if (change != "down" && change != "up" && !tap) {
            return "expected down or up, not \"" + std::string(change) + "\"";
        }
        const bool down = change != "up";
        if (verb != "mouse") {
            using Kind = ScriptEvent::Kind;
            out.kind = verb == "hold" ? (down ? Kind::HoldDown : Kind::HoldUp)
                                      : (down ? Kind::KeyDown : Kind::KeyUp);
            out.key = KeyNumberByName(std::string(words[3]).c_str());
            if (out.key == Key::kNone) return "unknown key \"" + std::string(words[3]) + "\"";
            return {};
        }
        out.kind = down ? ScriptEvent::Kind::MouseDown : ScriptEvent::Kind::MouseUp;
        const auto found = std::find(kButtonNames.begin(), kButtonNames.end(), words[3]);
        if (found == kButtonNames.end()) {
            return "unknown mouse button \"" + std::string(words[3]) + "\"";
        }
        out.button = static_cast<int>(found - kButtonNames.begin());
        return {};
    }
    if (verb == "cursor") {
        out.kind = ScriptEvent::Kind::Cursor;
        if (words.size() != 4 || !ReadNumber(words[2], out.x) || !ReadNumber(words[3], out.y)) {
            return "expected \"cursor <x> <y>\"";
        }
        return {};
    }
    return "unknown event \"" + std::string(verb) + "\"";
}

// "<frame> step <nanoseconds>" and "seed <number>": what a recording keeps besides the input.
// True when the line was one of them; `error` then says what is wrong, if anything.
bool ReadRunLine(const std::vector<std::string_view>& words, InputScript& script,
                 long& lastStepFrame, std::string& error) {
    if (words[0] == "seed") {
        unsigned int seed = 0;
        if (words.size() != 2 || !ReadNumber(words[1], seed)) {
            error = "expected \"seed <number>\"";
        } else {
            script.seed = seed;
        }
        return true;
    }
    if (words.size() < 2 || words[1] != "step") return false;
    std::int64_t step = 0;
    long frame = 0;
    if (!ReadFrame(words[0], frame)) {
        error = BadFrame(words[0]);
    } else if (frame < lastStepFrame) {
        error = "a step of frame " + std::to_string(frame) + " after one of frame " +
                std::to_string(lastStepFrame);
    } else if (words.size() != 3 || !ReadNumber(words[2], step) || step < 0 ||
               step > kMaxScriptStep) {
        error = "expected \"step <nanoseconds>\" from 0 to " + std::to_string(kMaxScriptStep);
    } else {
        script.steps.push_back(step);
        lastStepFrame = frame;
    }
    return true;
}
}  // namespace

InputScript ParseInputScript(std::string_view text) {
    InputScript script;
    const auto addError = [&script](int line, std::string message) {
        if (script.errors.size() < kMaxScriptErrors) {
            script.errors.push_back({line, std::move(message)});
        } else {
            ++script.moreErrors;
        }
    };
    int lineNumber = 0;
    long lastStepFrame = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.empty()) continue;

        ScriptEvent event;
        bool tap = false;
        std::string error;
        if (ReadRunLine(words, script, lastStepFrame, error)) {
            if (!error.empty()) addError(lineNumber, std::move(error));
            continue;
        }
        if (!ReadFrame(words[0], event.frame)) {
            error = BadFrame(words[0]);
        } else if (words.size() < 2) {
            error = "expected an event after the frame number";
        } else {
            error = ReadEvent(words, event, tap);
        }
        if (!error.empty()) {
            addError(lineNumber, std::move(error));
            continue;
        }
        script.events.push_back(event);
        if (tap) {
            ScriptEvent release = event;
            release.kind = ScriptEvent::Kind::KeyUp;
            ++release.frame;
            script.events.push_back(release);
        }
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return script;
}
