#include "app/ScriptPlayer.h"

#include <gtest/gtest.h>

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
