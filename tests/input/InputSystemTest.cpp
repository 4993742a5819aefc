#include "input/InputSystem.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/Log.h"
#include "input/ScriptedKeyboard.h"
#include "support/FileText.h"
#include "support/RecordingListener.h"
#include "support/TestFolder.h"

using Calls = std::vector<std::string>;

namespace {

class InputSystemTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = FreshTestFolder("input");
        log_.Open(dir_ / "Log.txt");
        auto keyboard = std::make_unique<ScriptedKeyboard>();
        keyboard_ = keyboard.get();
        input_ = std::make_unique<InputSystem>(log_, std::move(keyboard));
    }

    void Binds(const std::string& text) {
        std::istringstream in(text);
        input_->ReadBinds(in);
    }

    // Polls once and gives what reached the listener.
    Calls Poll() {
        listener_.calls.clear();
        input_->Poll(listener_);
        return listener_.calls;
    }

    std::filesystem::path dir_;
    Log log_;
    ScriptedKeyboard* keyboard_ = nullptr;
    std::unique_ptr<InputSystem> input_;
    RecordingListener listener_;
};
}  // namespace

TEST_F(InputSystemTest, BindingsMoveActionsAndTheirCommandsFollowTheNewKey) {
    EXPECT_EQ(input_->ActionKey(Action::kFirePrimary), Key::kSpace);
    Binds("FirePrimary=LeftControl\n");
    input_->SetActionPressCommand(Action::kFirePrimary, Command::FirePrimary);
    // No line for NextWeapon: the action has no key, so its command lands nowhere.
    input_->SetActionPressCommand(Action::kNextWeapon, Command::NextWeapon);
    for (int key = 0; key < kKeyCount; ++key)
        EXPECT_NE(input_->PressCommandOfKey(key), Command::NextWeapon);

    keyboard_->Press(9);  // left Control
    EXPECT_EQ(Poll(), (Calls{"command 4"}));
    EXPECT_TRUE(input_->IsActionDown(Action::kFirePrimary));
    keyboard_->Press(Key::kSpace);
    EXPECT_EQ(Poll(), (Calls{"down 5"}));  // the space bar is free again
    keyboard_->Release(9);
    EXPECT_EQ(Poll(), (Calls{"up 9"}));
    EXPECT_FALSE(input_->IsActionDown(Action::kFirePrimary));
}

TEST_F(InputSystemTest, BindingLinesThatNameNothingBindNothing) {
    Binds(
        "\n"
        "Jump = Space\n"                      // blanks are part of the names
        "Fly=Space\n"                         // no such action
        "Jump=Hyperspace\n"                   // no such key
        "Jump\n"                              // no "="
        "AimUp=\n"                            // no key name
        "MoveLeft=A=B\n"                      // a second "=" ends the key name
        "MoveRight=D\r\n"                     // a line end from another system
        "Jump=W\nJump=S\n"                    // a later line wins
        + std::string(10000, 'x') + "=A\n" +  // cut at the line limit
        "FireSecondary=" + std::string(300, 'B') + "\n");
    EXPECT_EQ(input_->ActionKey(Action::kAimUp), Key::kUpArrow);
    EXPECT_EQ(input_->ActionKey(Action::kMoveLeft), KeyNumberByName("A"));
    EXPECT_EQ(input_->ActionKey(Action::kMoveRight), KeyNumberByName("D"));
    EXPECT_EQ(input_->ActionKey(Action::kJump), KeyNumberByName("S"));
    EXPECT_EQ(input_->ActionKey(Action::kFireSecondary), 11);

    // A missing file keeps every binding as it was.
    input_->LoadBinds(dir_ / "no-such-binds.cfg");
    EXPECT_EQ(input_->ActionKey(Action::kJump), KeyNumberByName("S"));
    // The unnamed actions keep their built-in keys whatever the file says.
    EXPECT_EQ(input_->ActionKey(Action::kCrouch), 66);
}

TEST_F(InputSystemTest, HeldStateIsTheSnapshotWhileEventsKeepEveryChange) {
    keyboard_->Press(Key::kW);
    keyboard_->Release(Key::kW);
    EXPECT_EQ(Poll(), (Calls{"down 59", "up 59"}));
    EXPECT_FALSE(input_->IsKeyDown(Key::kW));

    keyboard_->Press(Key::kW);
    Poll();
    EXPECT_TRUE(input_->IsKeyDown(Key::kW));
    EXPECT_EQ(Poll(), Calls{});  // held, no new event
    EXPECT_TRUE(input_->IsKeyDown(Key::kW));
    EXPECT_FALSE(input_->IsKeyDown(Key::kNone));
    EXPECT_FALSE(input_->IsKeyDown(kKeyCount));
    EXPECT_FALSE(input_->IsActionDown(-1));
}

TEST_F(InputSystemTest, MoreThanEightEventsBetweenPollsLoseThatFrame) {
    for (int i = 0; i < 4; ++i) {
        keyboard_->Press(Key::kA);
        keyboard_->Release(Key::kA);
    }
    EXPECT_EQ(Poll().size(), 8u);

    const int acquiresBefore = keyboard_->AcquireCalls();
    for (int i = 0; i < 4; ++i) {
        keyboard_->Press(Key::kA);
        keyboard_->Release(Key::kA);
    }
    keyboard_->Press(KeyNumberByName("B"));
    EXPECT_EQ(Poll(), Calls{});
    EXPECT_EQ(keyboard_->AcquireCalls(), acquiresBefore + 1);
    // The snapshot is still read: B is held even though its press was lost.
    EXPECT_TRUE(input_->IsKeyDown(KeyNumberByName("B")));
    keyboard_->Release(KeyNumberByName("B"));
    EXPECT_EQ(Poll(), (Calls{"up 38"}));
}

TEST_F(InputSystemTest, LostInputIsAcquiredAgainAWhileThenGivenUpForTheFrame) {
    keyboard_->Press(Key::kA);
    keyboard_->LoseInput(3);
    const int before = keyboard_->AcquireCalls();
    EXPECT_EQ(Poll(), Calls{});
    EXPECT_EQ(keyboard_->AcquireCalls(), before + 4);
    EXPECT_TRUE(keyboard_->Acquired());

    keyboard_->LoseInput(1000);
    EXPECT_EQ(Poll(), Calls{});  // must not spin on a device that never comes back
    EXPECT_LT(keyboard_->AcquireCalls(), before + 20);
}

TEST_F(InputSystemTest, ConsoleKeyAndConsoleTypingComeBeforeCommands) {
    input_->SetKeyPressCommand(Key::kGrave,
                               static_cast<Command>(99));  // never seen: the key is the console's
    input_->SetKeyPressCommand(Key::kEscape, Command::Leave);
    input_->SetKeyPressCommand(Key::kEnter, Command::MuzzleFlash);
    input_->SetKeyPressCommand(Key::kF9, Command::Screenshot);
    input_->SetKeyReleaseCommand(Key::kF9, static_cast<Command>(30));

    keyboard_->Press(Key::kGrave);
    keyboard_->Press(Key::kA);
    keyboard_->Press(Key::kEnter);
    keyboard_->Press(Key::kUpArrow);
    keyboard_->Press(Key::kEscape);
    keyboard_->Press(Key::kF9);
    keyboard_->Release(Key::kF9);
    keyboard_->Press(Key::kTab);
    EXPECT_EQ(Poll(), (Calls{"toggle", "console 37", "console 7", "down 1", "command 1",
                             "command 3", "command 30", "down 63"}));

    keyboard_->Press(Key::kGrave);
    keyboard_->Press(Key::kEnter);
    EXPECT_EQ(Poll(), (Calls{"toggle", "command 2"}));
}

TEST(InputSystemWithoutDevice, KeepsItsTablesAndReadsNothing) {
    const auto path = std::filesystem::path(testing::TempDir()) / "input-no-device.txt";
    {
        Log log(path);
        InputSystem input(log, nullptr);
        input.SetKeyPressCommand(Key::kF9, Command::Screenshot);
        EXPECT_EQ(input.PressCommandOfKey(Key::kF9), Command::Screenshot);
        RecordingListener listener;
        input.Poll(listener);
        EXPECT_TRUE(listener.calls.empty());
        EXPECT_FALSE(input.IsActionDown(Action::kFirePrimary));
        input.Shutdown();
    }
    EXPECT_EQ(
        ReadLines(path),
        (std::vector<std::string>{"Initializing DirectInput...", "Shutting down DirectInput...",
                                  "Error while initializing DirectInput.",
                                  "Shutting down DirectInput...", "Shutting down DirectInput..."}));
}
