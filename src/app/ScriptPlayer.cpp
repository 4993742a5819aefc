#include "app/ScriptPlayer.h"

#include "input/ScriptedKeyboard.h"

namespace {
constexpr MouseButton kButtons[] = {MouseButton::Left, MouseButton::Right, MouseButton::Middle};

// Lets the window's own closing through but not its mouse buttons: the run must not depend on
// where a real pointer happens to be.
class QuitOnly final : public WindowEvents {
public:
    explicit QuitOnly(WindowEvents& sink) : sink_(sink) {}
    void OnMouseButton(MouseButton, bool) override {}
    void OnQuitRequest() override { sink_.OnQuitRequest(); }

private:
    WindowEvents& sink_;
};
}  // namespace

ScriptPlayer::ScriptPlayer(WindowSystem& window, std::vector<ScriptEvent> events,
                           ScriptedKeyboard& keyboard)
    : window_(window), events_(std::move(events)), keyboard_(keyboard) {}

void ScriptPlayer::PumpEvents(WindowEvents& sink) {
    QuitOnly filter(sink);
    window_.PumpEvents(filter);
    while (next_ < events_.size() && events_[next_].frame <= frame_)
        Deliver(events_[next_++], sink);
    ++frame_;
}

void ScriptPlayer::Deliver(const ScriptEvent& event, WindowEvents& sink) {
    switch (event.kind) {
        case ScriptEvent::Kind::KeyDown:
            keyboard_.Press(event.key);
            break;
        case ScriptEvent::Kind::KeyUp:
            keyboard_.Release(event.key);
            break;
        case ScriptEvent::Kind::HoldDown:
        case ScriptEvent::Kind::HoldUp:
            keyboard_.Hold(event.key, event.kind == ScriptEvent::Kind::HoldDown);
            break;
        case ScriptEvent::Kind::KeyboardLost:
            keyboard_.LoseInput(1);
            break;
        case ScriptEvent::Kind::Quit:
            sink.OnQuitRequest();
            break;
        case ScriptEvent::Kind::MouseDown:
        case ScriptEvent::Kind::MouseUp:
            sink.OnMouseButton(kButtons[event.button], event.kind == ScriptEvent::Kind::MouseDown);
            break;
        case ScriptEvent::Kind::Cursor:
            cursorX_ = event.x;
            cursorY_ = event.y;
            break;
    }
}

void ScriptPlayer::GetCursorPos(int& x, int& y) {
    x = cursorX_;
    y = cursorY_;
}

void ScriptPlayer::SetCursorPos(int x, int y) {
    cursorX_ = x;
    cursorY_ = y;
}
