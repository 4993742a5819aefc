#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/GameFolders.h"
#include "input/InputScript.h"

class App;
class Clock;
class GamepadDevice;
class InputRecorder;
class KeyboardDevice;
class RecordingClock;
class RecordingWindow;
class ScriptPlayer;
class WindowSystem;
struct LaunchOptions;

// The shipped Base/ found from the executable's folder, and the player's folder: -userdir, else
// the desktop's data folder.
GameFolders RunFolders(const LaunchOptions& options,
                       const std::filesystem::path& executableDirectory);

// A -script file read: the script, or why there is none.
struct ScriptFile {
    std::optional<InputScript> script;
    std::string why;
};
ScriptFile ReadScriptFile(const std::filesystem::path& path);

// What a run is wired from besides its screen, the same windowed or headless: the replayed
// script, the clock, the seed and the recording, and the input they put between the player's
// hands and the app. Outlives the app it wires.
class RunSetup {
public:
    // The keyboard the player's hands are on; asked for only when no script replaces them.
    using Hands = std::function<std::unique_ptr<KeyboardDevice>()>;

    // Reads the script and starts the recording. The clock is the script's recorded steps when
    // it has them, else one frame of 80 a second a reading when `fixedStep`, else the real one.
    RunSetup(const LaunchOptions& options, const std::filesystem::path& base, bool fixedStep);
    ~RunSetup();
    RunSetup(const RunSetup&) = delete;
    RunSetup& operator=(const RunSetup&) = delete;

    Clock& RunClock() { return *clock_; }
    // -seed, else the script's, else the time of day.
    unsigned int Seed() const { return seed_; }
    bool Replaying() const { return script_.has_value(); }
    bool Recording() const { return recorder_ != nullptr; }

    // Says on stderr and in the log which flags, and what of the script, could not be used;
    // false when the script could not be read at all.
    bool Report(App& app);
    // Hands the app its keyboard (the script's, else `hands`) and the pad, and gives back the
    // window the loop pumps: `window`, the script played over it, the recording around both.
    WindowSystem& WireInput(App& app, WindowSystem& window, const Hands& hands,
                            std::unique_ptr<GamepadDevice> pad = nullptr);
    // Ends the recording, when there is one, after the run's `frames`, and says so if it cannot
    // be put in place.
    void Finish(long frames, App& app);

private:
    std::optional<std::string> scriptPath_;
    std::string scriptProblem_;  // why the script could not be read
    std::optional<InputScript> script_;
    std::vector<std::string> problems_;
    std::unique_ptr<Clock> realClock_;
    std::unique_ptr<Clock> clock_;  // the real one, or the recording around it
    unsigned int seed_ = 0;
    std::optional<std::string> recordPath_;
    std::unique_ptr<InputRecorder> recorder_;
    std::unique_ptr<ScriptPlayer> player_;
    std::unique_ptr<RecordingWindow> recordingWindow_;
};
