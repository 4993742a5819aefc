#include "app/RecordingWindow.h"

#include "app/InputRecorder.h"

namespace {
class RecordingSink final : public WindowEvents {
public:
    RecordingSink(WindowEvents& sink, InputRecorder& recorder) : sink_(sink), recorder_(recorder) {}
    void OnMouseButton(MouseButton button, bool down) override {
        recorder_.MouseButton(static_cast<int>(button), down);
        sink_.OnMouseButton(button, down);
    }
    void OnQuitRequest() override { sink_.OnQuitRequest(); }

private:
    WindowEvents& sink_;
    InputRecorder& recorder_;
};
}  // namespace

void RecordingWindow::PumpEvents(WindowEvents& sink) {
    // Each pump starts a pass of the loop; what comes before the first belongs to pass 0.
    if (pumped_) recorder_.NextFrame();
    pumped_ = true;
    RecordingSink recording(sink, recorder_);
    window_.PumpEvents(recording);
}

void RecordingWindow::GetCursorPos(int& x, int& y) {
    window_.GetCursorPos(x, y);
    if (x == replayX_ && y == replayY_) return;
    recorder_.Cursor(x, y);
    replayX_ = x;
    replayY_ = y;
}

void RecordingWindow::SetCursorPos(int x, int y) {
    window_.SetCursorPos(x, y);
    replayX_ = x;
    replayY_ = y;
}
