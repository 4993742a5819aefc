#include "app/ScriptPlayer.h"

#include <gtest/gtest.h>

#include "app/InputRecorder.h"
#include "app/RecordingClock.h"
#include "app/RecordingKeyboard.h"
#include "app/RecordingWindow.h"
#include "core/ReplayClock.h"
#include "support/ManualClock.h"

#include "core/Log.h"
#include "input/InputSystem.h"
#include "input/ScriptedKeyboard.h"
#include "support/RecordingListener.h"
#include "support/ScriptedWindow.h"

namespace {
struct EventLog final : WindowEvents {
    void OnMouseButton(MouseButton button, bool down) override {
        calls.push_back("mouse " + std::to_string(static_cast<int>(button)) +
                        (down ? " down" : " up"));
    }
    void OnQuitRequest() override { calls.push_back("quit"); }
    std::vector<std::string> calls;
};
}  // namespace

TEST(ScriptPlayerTest, ReplaysEachFrameThroughTheKeyboardAndTheWindowPaths) {
    ScriptedWindow window;
    // The real window's mouse is ignored during a replay; its closing is not.
    window.At(1, [](WindowEvents& sink) { sink.OnMouseButton(MouseButton::Right, true); });
    window.At(3, [](WindowEvents& sink) { sink.OnQuitRequest(); });

    const InputScript script =
        ParseInputScript("1 key tap F9\n1 cursor 10 20\n2 mouse down left\n2 mouse up left\n");
    ASSERT_TRUE(script.errors.empty());
    auto keyboard = std::make_unique<ScriptedKeyboard>();
    ScriptPlayer player(window, script.events, *keyboard);
    Log log;  // never opened
    InputSystem input(log, std::move(keyboard));
    input.SetKeyPressCommand(Key::kF9, Command::Screenshot);

    EventLog events;
    RecordingListener listener;
    std::vector<std::vector<std::string>> keysPerFrame;
    int x = -1, y = -1;
    for (int frame = 0; frame < 4; ++frame) {
        player.PumpEvents(events);
        listener.calls.clear();
        input.Poll(listener);
        keysPerFrame.push_back(listener.calls);
        if (frame == 1) player.GetCursorPos(x, y);
    }
    using Calls = std::vector<std::string>;
    EXPECT_EQ(keysPerFrame, (std::vector<Calls>{{}, {"command 3"}, {"up 23"}, {}}));
    EXPECT_EQ(events.calls, (Calls{"mouse 0 down", "mouse 0 up", "quit"}));
    EXPECT_EQ(std::pair(x, y), std::pair(10, 20));
}

// What a recording writes reads back as the script that replays it: the seed, every reading of
// the clock in nanoseconds, and each pass's button, keys and the cursor the game read.
TEST(ScriptPlayerTest, ARecordingReadsBackAsTheScriptThatReplaysIt) {
    ScriptedWindow window;
    window.At(1, [](WindowEvents& sink) { sink.OnMouseButton(MouseButton::Left, true); });
    InputRecorder recorder(42, "-map bwdm1.bwm");
    ManualClock manual;  // not nanoseconds: the recording scales it
    RecordingClock clock(manual, recorder);
    auto hands = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard& keys = *hands;
    RecordingKeyboard keyboard(std::move(hands), recorder);
    RecordingWindow recording(window, recorder);
    EventLog events;
    std::vector<KeyEvent> read;
    clock.Counter();
    for (int frame = 0; frame < 3; ++frame) {
        recording.PumpEvents(events);
        manual.AdvanceFrames(frame + 1);
        clock.Counter();
        if (frame == 1) {
            keys.Press(Key::kF9);
            window.cursorX = 10;  // the player moved the mouse after the game centred it
        }
        keyboard.ReadEvents(read);
        int x = 0, y = 0;
        recording.GetCursorPos(x, y);
        recording.SetCursorPos(400, 300);
    }

    const InputScript script = ParseInputScript(recorder.Text());
    EXPECT_TRUE(script.errors.empty());
    EXPECT_EQ(script.seed, 42u);
    EXPECT_EQ(script.steps, (std::vector<std::int64_t>{0, 12'500'000, 25'000'000, 37'500'000}));
    using Kind = ScriptEvent::Kind;
    std::vector<std::tuple<long, Kind, int, int>> replayed;
    for (const ScriptEvent& e : script.events)
        replayed.emplace_back(e.frame, e.kind, e.kind == Kind::KeyDown ? e.key : e.x, e.y);
    EXPECT_EQ(replayed,
              (std::vector<std::tuple<long, Kind, int, int>>{{1, Kind::MouseDown, 0, 0},
                                                             {1, Kind::KeyDown, Key::kF9, 0},
                                                             {1, Kind::Cursor, 10, 300}}));

    // The replay's clock gives the same readings, then goes on a frame of 80 a second a time.
    ReplayClock replay(script.steps, 80);
    std::vector<std::int64_t> readings(5);
    for (std::int64_t& reading : readings)
        reading = replay.Counter();
    EXPECT_EQ(readings,
              (std::vector<std::int64_t>{0, 12'500'000, 37'500'000, 75'000'000, 87'500'000}));
}
