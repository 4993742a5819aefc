#pragma once

#include <functional>
#include <string>
#include <vector>

#include "input/GamepadDevice.h"

union SDL_Event;
struct _SDL_GameController;  // NOLINT(bugprone-reserved-identifier): SDL's own name

// Every gamepad SDL's game-controller database knows, as one pad: opened when it is plugged in
// (or found at start), closed when it goes, each time with a line in the log. Stick directions
// count as held past a dead zone, triggers past a quarter of their travel. A pad that goes lets
// go of everything it held.
class SdlGamepad final : public GamepadDevice {
public:
    // Stick travel, out of 32767, that still counts as the stick at rest.
    static constexpr int kStickDeadZone = 10000;
    static constexpr int kTriggerThreshold = 8192;

    // Where the pad's lines go: the log.
    using LineSink = std::function<void(const std::string&)>;

    // Starts SDL's game-controller layer; without it (see Available) no pad is ever seen.
    explicit SdlGamepad(LineSink log);
    ~SdlGamepad() override;
    SdlGamepad(const SdlGamepad&) = delete;
    SdlGamepad& operator=(const SdlGamepad&) = delete;

    bool Available() const { return available_; }
    int ConnectedCount() const { return static_cast<int>(pads_.size()); }

    void ReadState(State& state) override { state = held_; }
    void ReadEvents(std::vector<ButtonEvent>& events) override;

    // Called by the window's event pump (or a test's) with every SDL event; takes the
    // controller ones.
    void HandleEvent(const SDL_Event& event);

private:
    struct Pad {
        _SDL_GameController* controller;
        int instance;
        State held;
    };

    void Open(int deviceIndex);
    void Close(int instance);
    Pad* Find(int instance);
    void OnButton(int instance, int sdlButton, bool down);
    void OnAxis(int instance, int sdlAxis, int value);
    // Folds every pad's held inputs into one state and records each change as an event.
    void Merge();

    LineSink log_;
    bool available_ = false;
    std::vector<Pad> pads_;
    State held_;
    std::vector<ButtonEvent> events_;
};
