#include "app/RunSetup.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "app/App.h"
#include "app/BaseFolder.h"
#include "app/CommandLine.h"
#include "app/InputRecorder.h"
#include "app/RecordingKeyboard.h"
#include "core/Clock.h"
#include "core/ReplayClock.h"
#include "core/TextFormat.h"

namespace {
constexpr int kTargetRate = 80;
}

GameFolders RunFolders(const LaunchOptions& options,
                       const std::filesystem::path& executableDirectory) {
    return GameFolders(BaseFolderFor(executableDirectory),
                       GameFolders::PlayerFolderFor(options.userDir, std::getenv("XDG_DATA_HOME"),
                                                    std::getenv("HOME")));
}

std::optional<InputScript> ReadScriptFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return ParseInputScript(text.str());
}

bool ReportScript(const std::string& path, const std::optional<InputScript>& script, App& app) {
    if (!script) {
        std::fprintf(stderr, "brawlwick: cannot read the script %s\n", path.c_str());
        app.LogLine("Unable to read the script \"%s\".", path.c_str());
        return false;
    }
    for (const ScriptError& error : script->errors) {
        std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), error.line, error.message.c_str());
        app.LogLine("Script %s, line %d: %s; line skipped.", path.c_str(), error.line,
                    error.message.c_str());
    }
    return true;
}

void ReportProblems(const LaunchOptions& options, App& app) {
    for (const std::string& problem : options.problems) {
        std::fprintf(stderr, "brawlwick: %s\n", problem.c_str());
        app.LogLine("%s", problem.c_str());
    }
}

std::unique_ptr<Clock> MakeRunClock(bool fixedStep, const InputScript* script) {
    if (script != nullptr && !script->steps.empty())
        return std::make_unique<ReplayClock>(script->steps, kTargetRate);
    if (fixedStep) return std::make_unique<FixedStepClock>(kTargetRate);
    return std::make_unique<SteadyClock>();
}

unsigned int RunSeed(const LaunchOptions& options, const InputScript* script) {
    if (options.seed) return *options.seed;
    if (script != nullptr && script->seed) return *script->seed;
    return static_cast<unsigned int>(std::time(nullptr));
}

std::unique_ptr<InputRecorder> MakeRecorder(const LaunchOptions& options, unsigned int seed) {
    if (!options.recordPath) return nullptr;
    const std::string flags = FormatLineF(
        "-map %s -players %d -fraglimit %d -type %s -skill %d", options.mapName.c_str(),
        options.maxPlayers, options.fragLimit, options.gameType.c_str(), options.botSkill);
    return std::make_unique<InputRecorder>(seed, Printable(flags));
}

std::unique_ptr<KeyboardDevice> Recorded(std::unique_ptr<KeyboardDevice> keyboard,
                                         InputRecorder* recorder) {
    if (recorder == nullptr) return keyboard;
    return std::make_unique<RecordingKeyboard>(std::move(keyboard), *recorder);
}

void SaveRecording(const InputRecorder* recorder, const LaunchOptions& options, App& app) {
    if (recorder == nullptr || !options.recordPath) return;
    std::string why;
    if (recorder->Save(*options.recordPath, &why)) return;
    std::fprintf(stderr, "brawlwick: cannot write the recording %s: %s\n",
                 options.recordPath->c_str(), why.c_str());
    app.LogLine("Couldn't write the recording \"%s\": %s.", Printable(*options.recordPath).c_str(),
                Printable(why).c_str());
}
