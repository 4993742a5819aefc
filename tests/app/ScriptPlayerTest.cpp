#include "app/ScriptPlayer.h"

#include <gtest/gtest.h>

#include "app/InputRecorder.h"
#include "app/RecordingClock.h"
#include "app/RecordingKeyboard.h"
#include "app/RecordingWindow.h"
#include "core/Clock.h"

#include "core/Log.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "input/ScriptedKeyboard.h"
#include "support/FileText.h"
#include "support/RecordingListener.h"
#include "support/ScriptedWindow.h"
#include "support/TestFolder.h"

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
// the clock in nanoseconds, each pass's button, keys and the cursor the game read, the keys it
// saw held without their events, and where the run stopped. Until then the run so far is in
// FILE.part.
TEST(ScriptPlayerTest, ARecordingReadsBackAsTheScriptThatReplaysIt) {
    const auto folder = FreshTestFolder("app");
    ScriptedWindow window;
    window.At(1, [](WindowEvents& sink) { sink.OnMouseButton(MouseButton::Left, true); });
    InputRecorder recorder(folder / "bug.txt", 42, "-map bwdm1.bwm");
    FixedStepClock played({0, 12'500'000, 25'000'000, 37'500'000});
    RecordingClock clock(played, recorder);
    auto hands = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard& keys = *hands;
    RecordingKeyboard keyboard(std::move(hands), recorder);
    RecordingWindow recording(window, recorder);
    EventLog events;
    std::vector<KeyEvent> read;
    KeyboardDevice::State state{};
    clock.Counter();
    for (int frame = 0; frame < 3; ++frame) {
        recording.PumpEvents(events);
        clock.Counter();
        if (frame == 1) {
            keys.Press(Key::kF9);
            window.cursorX = 10;  // the player moved the mouse after the game centred it
        }
        if (frame == 2) {  // focus lost: A went down, but its event with it
            keys.Press(Key::kA);
            keys.LoseInput(1);
        }
        keyboard.ReadState(state);
        keyboard.ReadEvents(read);
        int x = 0, y = 0;
        recording.GetCursorPos(x, y);
        recording.SetCursorPos(400, 300);
    }
    EXPECT_NE(ReadAll(InputRecorder::PartPath(folder / "bug.txt")).find("seed 42\n"),
              std::string::npos);
    std::string why;
    ASSERT_TRUE(recorder.Finish(3, &why)) << why;
    EXPECT_FALSE(std::filesystem::exists(InputRecorder::PartPath(folder / "bug.txt")));

    const InputScript script = ParseInputScript(ReadAll(folder / "bug.txt"));
    EXPECT_TRUE(script.errors.empty());
    EXPECT_EQ(script.seed, 42u);
    EXPECT_EQ(script.steps, (std::vector<std::int64_t>{0, 12'500'000, 25'000'000, 37'500'000}));
    using Kind = ScriptEvent::Kind;
    using Event = std::tuple<long, Kind, int, int>;
    std::vector<Event> replayed;
    for (const ScriptEvent& e : script.events)
        replayed.emplace_back(e.frame, e.kind, e.kind == Kind::Cursor ? e.x : e.key, e.y);
    EXPECT_EQ(replayed, (std::vector<Event>{{1, Kind::MouseDown, 0, 0},
                                            {1, Kind::KeyDown, Key::kF9, 0},
                                            {1, Kind::Cursor, 10, 300},
                                            {2, Kind::KeyboardLost, 0, 0},
                                            {2, Kind::HoldDown, Key::kA, 0},
                                            {3, Kind::Quit, 0, 0}}));

    // The replay's keyboard reads what the recorded one gave, and the run stops at frame 3.
    auto replayKeys = std::make_unique<ScriptedKeyboard>();
    ScriptPlayer player(window, script.events, *replayKeys);
    EventLog replayEvents;
    std::vector<std::pair<bool, KeyReadResult>> readings;
    for (int frame = 0; frame < 4; ++frame) {
        player.PumpEvents(replayEvents);
        replayKeys->ReadState(state);
        const KeyReadResult result = replayKeys->ReadEvents(read);
        readings.emplace_back(state[KeyTable()[Key::kA].scanCode] != 0, result);
    }
    EXPECT_EQ(readings[2], std::pair(true, KeyReadResult::InputLost));
    EXPECT_EQ(replayEvents.calls, (std::vector<std::string>{"mouse 0 down", "quit"}));

    // The replay's clock gives the same readings, then goes on a frame of 80 a second a time.
    FixedStepClock replay(script.steps);
    std::vector<std::int64_t> readingsOfClock(5);
    for (std::int64_t& reading : readingsOfClock)
        reading = replay.Counter();
    EXPECT_EQ(readingsOfClock,
              (std::vector<std::int64_t>{0, 12'500'000, 37'500'000, 75'000'000, 87'500'000}));
}
