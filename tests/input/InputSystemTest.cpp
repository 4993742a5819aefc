#include "input/InputSystem.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/Log.h"
#include "input/ScriptedKeyboard.h"
#include "support/FileText.h"
#include "support/RecordingListener.h"

using Calls = std::vector<std::string>;

namespace {

class InputSystemTest : public testing::Test {
protected:
    void SetUp() override {
        auto keyboard = std::make_unique<ScriptedKeyboard>();
        keyboard_ = keyboard.get();
        input_ = std::make_unique<InputSystem>(log_, std::move(keyboard));
    }

    // Polls once and gives what reached the listener.
    Calls Poll() {
        listener_.calls.clear();
        input_->Poll(listener_);
        return listener_.calls;
    }

    Log log_;  // never opened
    ScriptedKeyboard* keyboard_ = nullptr;
    std::unique_ptr<InputSystem> input_;
    RecordingListener listener_;
};
}  // namespace

// Line ends and long lines are the shared line reader's, checked with it.
TEST_F(InputSystemTest, BindingsMoveActionsAndLinesThatNameNothingBindNothing) {
    std::istringstream binds(
        "FirePrimary=LeftControl\n"
        "Jump = Space\n"     // blanks are part of the names
        "Jump=Hyperspace\n"  // no such key
        "AimUp=\n"           // no key name
        "MoveLeft=A=B\n"     // a second "=" ends the key name
        "Jump=W\nJump=S\n"   // a later line wins
        "Crouch=A\n");       // the unnamed actions keep their built-in keys
    input_->ReadBinds(binds);
    input_->LoadBinds("no-such-binds.cfg");  // a missing file keeps every binding
    EXPECT_EQ(input_->ActionKey(Action::kAimUp), Key::kUpArrow);
    EXPECT_EQ(input_->ActionKey(Action::kMoveLeft), KeyNumberByName("A"));
    EXPECT_EQ(input_->ActionKey(Action::kJump), KeyNumberByName("S"));
    EXPECT_EQ(input_->ActionKey(Action::kCrouch), 66);

    // The action's command follows it to the new key.
    input_->SetActionPressCommand(Action::kFirePrimary, Command::FirePrimary);
    keyboard_->Press(9);  // left Control
    EXPECT_EQ(Poll(), (Calls{"command 4"}));
    EXPECT_TRUE(input_->IsActionDown(Action::kFirePrimary));
    keyboard_->Press(Key::kSpace);
    EXPECT_EQ(Poll(), (Calls{"down 5"}));  // the space bar is free again
}

TEST_F(InputSystemTest, EventsKeepEveryChangeUpToEightAndHeldStateIsTheSnapshot) {
    const auto tapA = [&] {
        for (int i = 0; i < 4; ++i) {
            keyboard_->Press(Key::kA);
            keyboard_->Release(Key::kA);
        }
    };
    tapA();
    EXPECT_EQ(Poll().size(), 8u);
    EXPECT_FALSE(input_->IsKeyDown(Key::kA));
    tapA();
    keyboard_->Press(KeyNumberByName("B"));
    EXPECT_EQ(Poll(), Calls{});                            // a ninth event loses the frame's events
    EXPECT_TRUE(input_->IsKeyDown(KeyNumberByName("B")));  // but the snapshot is still read
    EXPECT_EQ(Poll(), Calls{});                            // held, no new event
    EXPECT_TRUE(input_->IsKeyDown(KeyNumberByName("B")));
    keyboard_->Release(KeyNumberByName("B"));
    EXPECT_EQ(Poll(), (Calls{"up 38"}));
    EXPECT_FALSE(input_->IsKeyDown(kKeyCount));
}

TEST_F(InputSystemTest, LostInputIsAcquiredAgainAWhileThenGivenUpForTheFrame) {
    keyboard_->Press(Key::kA);
    keyboard_->LoseInput(3);
    const int before = keyboard_->AcquireCalls();
    EXPECT_EQ(Poll(), Calls{});
    EXPECT_TRUE(keyboard_->Acquired());
    keyboard_->LoseInput(1000);
    EXPECT_EQ(Poll(), Calls{});  // must not spin on a device that never comes back
    EXPECT_LT(keyboard_->AcquireCalls(), before + 20);
}

TEST_F(InputSystemTest, ConsoleKeyAndConsoleTypingComeBeforeCommands) {
    input_->SetKeyPressCommand(Key::kGrave, Command(99));  // never seen: the key is the console's
    input_->SetKeyPressCommand(Key::kEscape, Command::Leave);
    input_->SetKeyPressCommand(Key::kEnter, Command::MuzzleFlash);
    input_->SetKeyReleaseCommand(Key::kF9, Command(30));
    for (const int key : {Key::kGrave, Key::kA, Key::kEnter, Key::kUpArrow, Key::kEscape})
        keyboard_->Press(key);
    keyboard_->Release(Key::kF9);
    EXPECT_EQ(Poll(),
              (Calls{"toggle", "console 37", "console 7", "down 1", "command 1", "command 30"}));
    keyboard_->Press(Key::kGrave);
    keyboard_->Press(Key::kEnter);
    EXPECT_EQ(Poll(), (Calls{"toggle", "command 2"}));
}

TEST(InputSystemWithoutDevice, ReadsNothingAndSaysSo) {
    const auto path = std::filesystem::path(testing::TempDir()) / "input-no-device.txt";
    {
        Log log(path);
        InputSystem input(log, nullptr);
        RecordingListener listener;
        input.Poll(listener);
        EXPECT_TRUE(listener.calls.empty());
    }
    EXPECT_EQ(CountOf(ReadAll(path), "Error while initializing DirectInput."), 1u);
}
