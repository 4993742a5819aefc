#include "app/InputRecorder.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include "core/AtomicFile.h"
#include "core/Clock.h"
#include "core/TextFormat.h"
#include "input/InputScript.h"
#include "input/KeyTable.h"

namespace {
constexpr std::array<const char*, 3> kButtonNames{"left", "right", "middle"};
constexpr const char* kHeader =
    "# A recorded run: replay it with -script and the flags below (and -headless to skip the "
    "screen).\n";
constexpr const char* kFullLine = "# The recording stops here: it reached its size limit.\n";
// Kept free under the size limit for the lines that end a recording.
constexpr std::size_t kEndRoom = 128;

const char* KeyName(int key) { return KeyTable()[static_cast<std::size_t>(key)].name; }
bool IsKey(int key) { return key > Key::kNone && key < kKeyCount; }
}  // namespace

InputRecorder::InputRecorder(std::filesystem::path path, unsigned int seed,
                             const std::string& comment)
    : path_(std::move(path)) {
    const std::filesystem::path part = PartPath(path_);
    part_.open(part, std::ios::binary | std::ios::trunc);
    if (!part_) {
        problem_ = "cannot write " + part.string() + ": " + std::strerror(errno);
        return;
    }
    Add(kHeader + std::string("# ") + comment);
    Add("seed " + std::to_string(seed));
    Flush();
}

void InputRecorder::NextFrame() {
    ++frame_;
    if (frame_ % kFramesPerSecond == 0) Flush();
}

void InputRecorder::Key(int key, bool down) {
    if (IsKey(key)) Add(FormatLineF("%ld key %s %s", frame_, down ? "down" : "up", KeyName(key)));
}

void InputRecorder::Hold(int key, bool down) {
    if (IsKey(key)) Add(FormatLineF("%ld hold %s %s", frame_, down ? "down" : "up", KeyName(key)));
}

void InputRecorder::KeyboardLost() { Add(FormatLineF("%ld keyboard lost", frame_)); }

void InputRecorder::MouseButton(int button, bool down) {
    if (button < 0 || button >= static_cast<int>(kButtonNames.size())) return;
    Add(FormatLineF("%ld mouse %s %s", frame_, down ? "down" : "up",
                    kButtonNames[static_cast<std::size_t>(button)]));
}

void InputRecorder::Cursor(int x, int y) { Add(FormatLineF("%ld cursor %d %d", frame_, x, y)); }

void InputRecorder::Step(std::int64_t nanoseconds) {
    Add(FormatLineF("%ld step %lld", frame_, static_cast<long long>(nanoseconds)));
}

void InputRecorder::Add(const std::string& line) {
    if (full_ || !problem_.empty()) return;
    if (size_ + line.size() + 1 > kMaxScriptBytes - kEndRoom) {
        full_ = true;
        pending_ += kFullLine;
        size_ += std::strlen(kFullLine);
        return;
    }
    pending_ += line;
    pending_ += '\n';
    size_ += line.size() + 1;
}

void InputRecorder::Flush() {
    if (!problem_.empty()) return;
    part_ << pending_;
    part_.flush();
    pending_.clear();
    if (!part_) problem_ = "cannot write " + PartPath(path_).string() + ": " + std::strerror(errno);
}

bool InputRecorder::Finish(long frames, std::string* why) {
    const std::string end = FormatLineF("%ld quit\n", frames);
    pending_ += end;  // the room was kept for it
    Flush();
    part_.close();
    if (problem_.empty() && part_.fail()) problem_ = "cannot write " + PartPath(path_).string();
    if (!problem_.empty()) {
        *why = problem_;
        return false;
    }
    return ReplaceFileWith(path_, PartPath(path_), why);
}
