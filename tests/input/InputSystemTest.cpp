#include "input/InputSystem.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "core/Log.h"
#include "input/ScriptedKeyboard.h"
#include "support/FileText.h"
#include "support/RecordingListener.h"
#include "support/ScriptedGamepad.h"

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
    EXPECT_EQ(std::tuple(input_->ActionKey(Action::kAimUp), input_->ActionKey(Action::kMoveLeft),
                         input_->ActionKey(Action::kJump), input_->ActionKey(Action::kCrouch)),
              std::tuple(Key::kUpArrow, KeyNumberByName("A"), KeyNumberByName("S"), 66));

    // The action's command follows it to the new key.
    input_->SetActionPressCommand(Action::kFirePrimary, Command::FirePrimary);
    keyboard_->Press(9);  // left Control
    EXPECT_EQ(Poll(), (Calls{"command 4"}));
    EXPECT_TRUE(input_->IsActionDown(Action::kFirePrimary));
    keyboard_->Press(Key::kSpace);
    EXPECT_EQ(Poll(), (Calls{"down 5"}));  // the space bar is free again
}

// Files written before buttons could be named must bind every key as they always did and no
// mouse button; a button line sits beside the key, one button a device, a later line winning.
TEST_F(InputSystemTest, ButtonLinesBindBesideTheKeyAndOldFilesReadAsBefore) {
    struct Row {
        const char* file;
        int action, key, mouse, pad;
    };
    const char* const old = "MoveLeft=A\nJump=Space\nFirePrimary=LeftShift\nAimDown=DownArrow\n";
    const char* const mixed =
        "FirePrimary=MouseLeft\nFirePrimary=PadX\nFirePrimary=RightShift\n"
        "FireSecondary=MouseRight\nFireSecondary=MouseMiddle\n"
        "Jump=PadHyper\nJump=mouseleft\nAimUp=RightStickUp\nCrouch=PadY\nMoveLeft=PadUp=A\n";
    const Row rows[] = {
        {old, Action::kMoveLeft, KeyNumberByName("A"), 0, Button::kPadLeft},
        {old, Action::kCrouch, 66, 0, Button::kPadB},
        {mixed, Action::kFirePrimary, Key::kRightShift, Button::kMouseLeft, Button::kPadX},
        {mixed, Action::kFireSecondary, 11, Button::kMouseMiddle, Button::kPadLeftTrigger},
        {mixed, Action::kJump, 10, 0, Button::kPadA},    // unknown names bind nothing
        {mixed, Action::kAimUp, Key::kUpArrow, 0, 0},    // the sticks cannot be named
        {mixed, Action::kCrouch, 66, 0, Button::kPadB},  // nor the unnamed actions
        {mixed, Action::kMoveLeft, 3, 0, Button::kPadUp},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        InputSystem input(log_, nullptr);
        std::istringstream in(row.file);
        input.ReadBinds(in);
        EXPECT_EQ(std::tuple(input.ActionKey(row.action),
                             input.ActionButton(row.action, ButtonDevice::Mouse),
                             input.ActionButton(row.action, ButtonDevice::Pad),
                             input.IsButtonBound(Button::kMouseLeft)),
                  std::tuple(row.key, row.mouse, row.pad, row.file == mixed));
    }
}

// A button held reads as its action's key would, and its press sends the action's command.
TEST_F(InputSystemTest, MouseAndPadButtonsHoldActionsAndSendTheirCommands) {
    std::istringstream binds("FirePrimary=MouseLeft\nNextWeapon=PadY\n");
    input_->ReadBinds(binds);
    auto owned = std::make_unique<ScriptedGamepad>();
    ScriptedGamepad& pad = *owned;
    input_->AttachGamepad(std::move(owned));
    input_->SetActionPressCommand(Action::kFirePrimary, Command::FirePrimary);
    input_->SetActionPressCommand(Action::kNextWeapon, Command::NextWeapon);
    input_->SetActionPressCommand(Action::kCrouch, Command::Crouch);
    input_->SetButtonPressCommand(Button::kPadStart, Command::Leave);
    input_->SetButtonPressCommand(Button::kPadBack, Command(99));  // never: Back is the console's

    input_->OnMouseButton(MouseButton::Left, true, listener_);
    input_->OnMouseButton(MouseButton::Right, true, listener_);  // bound to nothing
    EXPECT_EQ(listener_.calls, Calls{"command 4"});
    EXPECT_TRUE(input_->IsActionDown(Action::kFirePrimary));
    input_->OnMouseButton(MouseButton::Left, false, listener_);
    EXPECT_FALSE(input_->IsActionDown(Action::kFirePrimary));

    for (const int button :
         {Button::kPadRightTrigger, Button::kPadY, Button::kPadB, Button::kPadStart,
          Button::kPadBack, Button::kLeftStickLeft, Button::kRightStickRight, Button::kPadA})
        pad.Press(button);
    pad.Release(Button::kPadA);
    EXPECT_EQ(Poll(), (Calls{"command 4", "command 7", "command 6", "command 1", "toggle"}));
    for (const int action : {Action::kFirePrimary, Action::kNextWeapon, Action::kCrouch,
                             Action::kMoveLeft, Action::kTurnRight})
        EXPECT_TRUE(input_->IsActionDown(action)) << action;
    for (const int action : {Action::kJump, Action::kMoveRight, Action::kTurnLeft})
        EXPECT_FALSE(input_->IsActionDown(action)) << action;
    pad.Release(Button::kLeftStickLeft);
    EXPECT_EQ(Poll(), Calls{});
    EXPECT_FALSE(input_->IsActionDown(Action::kMoveLeft));
    EXPECT_FALSE(input_->IsButtonDown(kButtonCount) || input_->IsButtonDown(-1));
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
    for (const int key :
         {Key::kGrave, Key::kA, Key::kEnter, Key::kUpArrow, Key::kTab, Key::kEscape})
        keyboard_->Press(key);
    keyboard_->Release(Key::kF9);
    // The open console keeps Up and Tab, and the match does not see Up held.
    EXPECT_EQ(Poll(), (Calls{"toggle", "console 37", "console 7", "console 1", "console 63",
                             "command 1", "command 30"}));
    EXPECT_FALSE(input_->IsKeyDown(Key::kUpArrow));
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
