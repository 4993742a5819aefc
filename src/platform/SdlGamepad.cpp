#include "platform/SdlGamepad.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <array>
#include <utility>

namespace {
// SDL's buttons in its own order, as the game numbers them.
constexpr std::array<int, SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1> kButtons = [] {
    std::array<int, SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1> buttons{};
    buttons[SDL_CONTROLLER_BUTTON_A] = Button::kPadA;
    buttons[SDL_CONTROLLER_BUTTON_B] = Button::kPadB;
    buttons[SDL_CONTROLLER_BUTTON_X] = Button::kPadX;
    buttons[SDL_CONTROLLER_BUTTON_Y] = Button::kPadY;
    buttons[SDL_CONTROLLER_BUTTON_BACK] = Button::kPadBack;
    buttons[SDL_CONTROLLER_BUTTON_START] = Button::kPadStart;
    buttons[SDL_CONTROLLER_BUTTON_LEFTSHOULDER] = Button::kPadLeftShoulder;
    buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER] = Button::kPadRightShoulder;
    buttons[SDL_CONTROLLER_BUTTON_DPAD_UP] = Button::kPadUp;
    buttons[SDL_CONTROLLER_BUTTON_DPAD_DOWN] = Button::kPadDown;
    buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] = Button::kPadLeft;
    buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT] = Button::kPadRight;
    return buttons;
}();

// Each axis as two held directions: below -threshold, above +threshold (y grows downwards).
struct AxisButtons {
    int negative;
    int positive;
    int threshold;
};

constexpr std::array<AxisButtons, SDL_CONTROLLER_AXIS_MAX> kAxes{{
    {Button::kLeftStickLeft, Button::kLeftStickRight, SdlGamepad::kStickDeadZone},
    {Button::kLeftStickUp, Button::kLeftStickDown, SdlGamepad::kStickDeadZone},
    {Button::kRightStickLeft, Button::kRightStickRight, SdlGamepad::kStickDeadZone},
    {Button::kRightStickUp, Button::kRightStickDown, SdlGamepad::kStickDeadZone},
    {Button::kNone, Button::kPadLeftTrigger, SdlGamepad::kTriggerThreshold},
    {Button::kNone, Button::kPadRightTrigger, SdlGamepad::kTriggerThreshold},
}};

const char* NameOf(SDL_GameController* controller) {
    const char* name = SDL_GameControllerName(controller);
    return name != nullptr ? name : "unnamed gamepad";
}
}  // namespace

SdlGamepad::SdlGamepad(LineSink log) : log_(std::move(log)) {
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!available_) log_(std::string("No gamepads: ") + SDL_GetError());
}

SdlGamepad::~SdlGamepad() {
    for (const Pad& pad : pads_)
        SDL_GameControllerClose(pad.controller);
    if (available_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepad::ReadEvents(std::vector<ButtonEvent>& events) {
    events.swap(events_);
    events_.clear();
}

void SdlGamepad::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Open(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            Close(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            OnButton(event.cbutton.which, event.cbutton.button,
                     event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERAXISMOTION:
            OnAxis(event.caxis.which, event.caxis.axis, event.caxis.value);
            break;
        default:
            break;
    }
}

// SDL announces pads already there at start as added too; one added twice is opened once.
void SdlGamepad::Open(int deviceIndex) {
    if (!available_ || Find(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        log_("Couldn't open gamepad " + std::to_string(deviceIndex) + ": " + SDL_GetError());
        return;
    }
    const int instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    pads_.push_back({controller, instance, {}});
    log_(std::string("Gamepad connected: ") + NameOf(controller));
}

void SdlGamepad::Close(int instance) {
    const auto pad = std::find_if(pads_.begin(), pads_.end(),
                                  [instance](const Pad& p) { return p.instance == instance; });
    if (pad == pads_.end()) return;
    log_(std::string("Gamepad disconnected: ") + NameOf(pad->controller));
    SDL_GameControllerClose(pad->controller);
    pads_.erase(pad);
    Merge();
}

SdlGamepad::Pad* SdlGamepad::Find(int instance) {
    const auto pad = std::find_if(pads_.begin(), pads_.end(),
                                  [instance](const Pad& p) { return p.instance == instance; });
    return pad == pads_.end() ? nullptr : &*pad;
}

void SdlGamepad::OnButton(int instance, int sdlButton, bool down) {
    Pad* pad = Find(instance);
    if (pad == nullptr || sdlButton < 0 || sdlButton >= static_cast<int>(kButtons.size())) return;
    const int button = kButtons[static_cast<std::size_t>(sdlButton)];
    if (button == Button::kNone) return;
    pad->held[static_cast<std::size_t>(button)] = down;
    Merge();
}

void SdlGamepad::OnAxis(int instance, int sdlAxis, int value) {
    Pad* pad = Find(instance);
    if (pad == nullptr || sdlAxis < 0 || sdlAxis >= static_cast<int>(kAxes.size())) return;
    const AxisButtons& axis = kAxes[static_cast<std::size_t>(sdlAxis)];
    if (axis.negative != Button::kNone) {
        pad->held[static_cast<std::size_t>(axis.negative)] = value < -axis.threshold;
    }
    pad->held[static_cast<std::size_t>(axis.positive)] = value > axis.threshold;
    Merge();
}

void SdlGamepad::Merge() {
    State merged;
    for (const Pad& pad : pads_)
        merged |= pad.held;
    for (int button = 1; button < kButtonCount; ++button) {
        const auto at = static_cast<std::size_t>(button);
        if (merged[at] == held_[at] || events_.size() >= kMaxEvents) continue;
        events_.push_back({button, merged[at]});
    }
    held_ = merged;
}
