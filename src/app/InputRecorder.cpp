#include "app/InputRecorder.h"

#include <array>

#include "core/AtomicFile.h"
#include "core/TextFormat.h"
#include "input/KeyTable.h"

namespace {
constexpr std::array<const char*, 3> kButtonNames{"left", "right", "middle"};
constexpr const char* kHeader =
    "# A recorded run: replay it with -script and the flags below (and -headless to skip the "
    "screen).\n";
}  // namespace

InputRecorder::InputRecorder(unsigned int seed, const std::string& comment) {
    text_ = kHeader;
    text_ += "# " + comment + "\n";
    text_ += "seed " + std::to_string(seed) + "\n";
}

void InputRecorder::Key(int key, bool down) {
    if (key <= Key::kNone || key >= kKeyCount) return;
    Add(FormatLineF("%ld key %s %s", frame_, down ? "down" : "up",
                    KeyTable()[static_cast<std::size_t>(key)].name));
}

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
    if (full_) return;
    if (text_.size() + line.size() + 1 > kMaxBytes) {
        full_ = true;
        text_ += "# The recording stops here: it reached its size limit.\n";
        return;
    }
    text_ += line;
    text_ += '\n';
}

bool InputRecorder::Save(const std::filesystem::path& path, std::string* why) const {
    return WriteFileAtomically(path, text_, why);
}
