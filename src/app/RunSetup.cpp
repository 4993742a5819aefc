#include "app/RunSetup.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <system_error>

#include "app/App.h"
#include "app/BaseFolder.h"
#include "app/CommandLine.h"
#include "app/InputRecorder.h"
#include "app/RecordingClock.h"
#include "app/RecordingKeyboard.h"
#include "app/RecordingWindow.h"
#include "app/ScriptPlayer.h"
#include "core/Clock.h"
#include "core/TextFormat.h"
#include "input/GamepadDevice.h"
#include "input/ScriptedKeyboard.h"

namespace {
namespace fs = std::filesystem;

std::string RecordedFlags(const LaunchOptions& options) {
    return Printable(FormatLineF("-map %s -players %d -fraglimit %d -type %s -skill %d",
                                 options.mapName.c_str(), options.maxPlayers, options.fragLimit,
                                 options.gameType.c_str(), options.botSkill));
}
}  // namespace

GameFolders RunFolders(const LaunchOptions& options, const fs::path& executableDirectory) {
    return GameFolders(BaseFolderFor(executableDirectory),
                       GameFolders::PlayerFolderFor(options.userDir, std::getenv("XDG_DATA_HOME"),
                                                    std::getenv("HOME")));
}

ScriptFile ReadScriptFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {std::nullopt, "it cannot be opened"};
    // Read in pieces up to the limit, whatever the file is (a pipe too).
    std::string text;
    std::array<char, 1 << 16> piece{};
    while (file.read(piece.data(), piece.size()) || file.gcount() > 0) {
        text.append(piece.data(), static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxScriptBytes) {
            return {std::nullopt, FormatLineF("it is larger than a recording can be (%zu MiB)",
                                              kMaxScriptBytes >> 20)};
        }
    }
    return {ParseInputScript(text), {}};
}

RunSetup::RunSetup(const LaunchOptions& options, const fs::path& base, bool fixedStep)
    : scriptPath_(options.scriptPath), problems_(options.problems) {
    if (scriptPath_) {
        ScriptFile file = ReadScriptFile(*scriptPath_);
        script_ = std::move(file.script);
        scriptProblem_ = std::move(file.why);
    }
    if (script_ && !script_->steps.empty()) {
        realClock_ = std::make_unique<FixedStepClock>(script_->steps);
    } else if (fixedStep) {
        realClock_ = std::make_unique<FixedStepClock>();
    } else {
        realClock_ = std::make_unique<SteadyClock>();
    }
    if (options.seed) {
        seed_ = *options.seed;
    } else if (script_ && script_->seed) {
        seed_ = *script_->seed;
    } else {
        seed_ = static_cast<unsigned int>(std::time(nullptr));
    }
    recordPath_ = options.recordPath;
    if (recordPath_ && IsWithin(*recordPath_, base)) {
        problems_.push_back("-record " + *recordPath_ +
                            " is inside Base/, which the game never writes; nothing is recorded.");
        recordPath_.reset();
    }
    if (recordPath_) {
        recorder_ = std::make_unique<InputRecorder>(*recordPath_, seed_, RecordedFlags(options));
        if (!recorder_->Problem().empty()) {
            problems_.push_back("-record: " + recorder_->Problem() + "; nothing is recorded.");
            recorder_.reset();
        }
    }
    clock_ = recorder_ ? std::make_unique<RecordingClock>(*realClock_, *recorder_)
                       : std::move(realClock_);
}

RunSetup::~RunSetup() = default;

bool RunSetup::Report(App& app) {
    for (const std::string& problem : problems_) {
        std::fprintf(stderr, "brawlwick: %s\n", problem.c_str());
        app.LogLine("%s", Printable(problem).c_str());
    }
    if (!scriptPath_) return true;
    const std::string shown = Printable(*scriptPath_);
    if (!script_) {
        std::fprintf(stderr, "brawlwick: cannot read the script %s: %s\n", shown.c_str(),
                     scriptProblem_.c_str());
        app.LogLine("Unable to read the script \"%s\": %s.", shown.c_str(), scriptProblem_.c_str());
        return false;
    }
    for (const ScriptError& error : script_->errors) {
        std::fprintf(stderr, "%s:%d: %s\n", shown.c_str(), error.line, error.message.c_str());
        app.LogLine("Script %s, line %d: %s; line skipped.", shown.c_str(), error.line,
                    Printable(error.message).c_str());
    }
    if (script_->moreErrors > 0) {
        std::fprintf(stderr, "%s: %ld more bad lines skipped\n", shown.c_str(),
                     script_->moreErrors);
        app.LogLine("Script %s: %ld more bad lines skipped.", shown.c_str(), script_->moreErrors);
    }
    return true;
}

WindowSystem& RunSetup::WireInput(App& app, WindowSystem& window, const Hands& hands,
                                  std::unique_ptr<GamepadDevice> pad) {
    std::unique_ptr<KeyboardDevice> keyboard;
    WindowSystem* events = &window;
    if (script_) {
        auto scripted = std::make_unique<ScriptedKeyboard>();
        player_ = std::make_unique<ScriptPlayer>(window, std::move(script_->events), *scripted);
        keyboard = std::move(scripted);
        events = player_.get();
    } else {
        keyboard = hands();
    }
    if (recorder_) {
        keyboard = std::make_unique<RecordingKeyboard>(std::move(keyboard), *recorder_);
        recordingWindow_ = std::make_unique<RecordingWindow>(*events, *recorder_);
        events = recordingWindow_.get();
    }
    app.LoadBindings(std::move(keyboard), std::move(pad));
    return *events;
}

void RunSetup::Finish(long frames, App& app) {
    if (!recorder_) return;
    std::string why;
    if (recorder_->Finish(frames, &why)) return;
    const std::string part = InputRecorder::PartPath(*recordPath_).string();
    std::fprintf(stderr, "brawlwick: cannot write the recording %s: %s; the run is in %s\n",
                 recordPath_->c_str(), why.c_str(), part.c_str());
    app.LogLine("Couldn't write the recording \"%s\": %s; the run is in \"%s\".",
                Printable(*recordPath_).c_str(), Printable(why).c_str(), Printable(part).c_str());
}
