#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/GameFolders.h"
#include "input/InputScript.h"

class App;
class Clock;
class InputRecorder;
class KeyboardDevice;
struct LaunchOptions;

// The pieces a run is put together from that do not depend on having a screen: the replayed
// script, the clock, the seed and the recording.

// The shipped Base/ found from the executable's folder, and the player's folder: -userdir, else the desktop's data folder.
GameFolders RunFolders(const LaunchOptions& options,
                       const std::filesystem::path& executableDirectory);
// The -script file read; none when it cannot be read.
std::optional<InputScript> ReadScriptFile(const std::string& path);
// Says on stderr and in the log what of the script could not be used; false when the file
// could not be read at all.
bool ReportScript(const std::string& path, const std::optional<InputScript>& script, App& app);
// Says on stderr and in the log which flags could not be used.
void ReportProblems(const LaunchOptions& options, App& app);

// A script's recorded steps when it has them (a replay sees the recorded frame lengths), else
// one frame of 80 a second per reading for -fixedstep and headless runs, else the real clock.
std::unique_ptr<Clock> MakeRunClock(bool fixedStep, const InputScript* script);
// -seed, else the script's, else the time of day.
unsigned int RunSeed(const LaunchOptions& options, const InputScript* script);
// The recording for -record, starting with its seed and the match's flags; none otherwise.
std::unique_ptr<InputRecorder> MakeRecorder(const LaunchOptions& options, unsigned int seed);
// The keyboard, passed through the recording when there is one.
std::unique_ptr<KeyboardDevice> Recorded(std::unique_ptr<KeyboardDevice> keyboard,
                                         InputRecorder* recorder);
// Writes the recording, when there is one, and says so if it cannot.
void SaveRecording(const InputRecorder* recorder, const LaunchOptions& options, App& app);
