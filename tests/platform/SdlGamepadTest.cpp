#include "platform/SdlGamepad.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Log.h"
#include "support/FileText.h"

// A virtual joystick with a standard pad's buttons and axes, opened by SDL's game-controller
// layer as a controller, drives the real pad reader.
namespace {
constexpr Sint16 kFull = 32767;
constexpr Sint16 kInsideDeadZone = SdlGamepad::kStickDeadZone - 100;
constexpr Sint16 kPastDeadZone = SdlGamepad::kStickDeadZone + 100;

class SdlGamepadTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pad_.Available()) << SDL_GetError();
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test Pad";
        device_ = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device_, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(device_);
        ASSERT_NE(joystick_, nullptr) << SDL_GetError();
        Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
        Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
        Pump();
    }
    void TearDown() override {
        if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
        if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
    }

    // What SDL has queued goes to the pad, as the window's event pump would hand it over.
    GamepadDevice::State Pump() {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0)
            pad_.HandleEvent(event);
        GamepadDevice::State state;
        pad_.ReadState(state);
        return state;
    }
    std::vector<ButtonEvent> Events() {
        std::vector<ButtonEvent> events;
        pad_.ReadEvents(events);
        return events;
    }
    // A value as the controller reports it; a trigger's joystick axis runs over the whole
    // range, resting at its lowest.
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        const bool trigger = axis >= SDL_CONTROLLER_AXIS_TRIGGERLEFT;
        SDL_JoystickSetVirtualAxis(joystick_, axis,
                                   trigger ? static_cast<Sint16>(value * 2 - kFull - 1) : value);
    }

    std::filesystem::path logPath_ = std::filesystem::path(testing::TempDir()) / "gamepad-log.txt";
    Log log_{logPath_};
    SdlGamepad pad_{[this](const std::string& line) { log_.Line("%s", line.c_str()); }};
    int device_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};
}  // namespace

TEST_F(SdlGamepadTest, SticksCountPastTheDeadZoneTriggersStayHeldAndAnUnplugLetsGo) {
    ASSERT_EQ(pad_.ConnectedCount(), 1);
    Events();
    struct Row {
        SDL_GameControllerAxis axis;
        Sint16 value;
        int held;  // the one direction held, or none
    };
    const Row rows[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, kInsideDeadZone, Button::kNone},
        {SDL_CONTROLLER_AXIS_LEFTX, -kInsideDeadZone, Button::kNone},
        {SDL_CONTROLLER_AXIS_LEFTX, -kPastDeadZone, Button::kLeftStickLeft},
        {SDL_CONTROLLER_AXIS_LEFTY, -kFull, Button::kLeftStickUp},
        {SDL_CONTROLLER_AXIS_RIGHTX, kPastDeadZone, Button::kRightStickRight},
        {SDL_CONTROLLER_AXIS_RIGHTY, kFull, Button::kRightStickDown},
        {SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SdlGamepad::kTriggerThreshold - 100, Button::kNone},
        {SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kFull, Button::kPadRightTrigger},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        Axis(row.axis, row.value);
        const GamepadDevice::State held = Pump();
        EXPECT_EQ(held.count(), row.held == Button::kNone ? 0u : 1u);
        EXPECT_TRUE(row.held == Button::kNone || held[row.held]);
        Axis(row.axis, 0);
        Pump();
    }
    Events();

    // Held across frames: one press, no repeats, until it is let go.
    Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kFull);
    SDL_JoystickSetVirtualButton(joystick_, SDL_CONTROLLER_BUTTON_A, 1);
    Axis(SDL_CONTROLLER_AXIS_LEFTX, kFull);
    for (int frame = 0; frame < 3; ++frame) {
        const GamepadDevice::State held = Pump();
        EXPECT_TRUE(held[Button::kPadRightTrigger] && held[Button::kPadA] &&
                    held[Button::kLeftStickRight]);
        EXPECT_EQ(Events().size(), frame == 0 ? 3u : 0u);
    }

    // Unplugged while held: everything is let go, with a release for each.
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    SDL_JoystickDetachVirtual(device_);
    device_ = -1;
    EXPECT_TRUE(Pump().none());
    const std::vector<ButtonEvent> released = Events();
    EXPECT_EQ(released.size(), 3u);
    for (const ButtonEvent& event : released)
        EXPECT_FALSE(event.pressed);
    EXPECT_EQ(pad_.ConnectedCount(), 0);
    log_.Close();
    const std::string log = ReadAll(logPath_);
    EXPECT_EQ(CountOf(log, "Gamepad connected: "), 1u) << log;
    EXPECT_EQ(CountOf(log, "Gamepad disconnected: "), 1u) << log;
}
