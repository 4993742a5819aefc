#include "app/CommandLine.h"

#include <charconv>
#include <limits>
#include <string_view>
#include <vector>

#include "app/CommandLineHelp.h"
#include "core/Screen.h"
#include "input/InputScript.h"

namespace {
template <typename T>
std::optional<T> NumberAfter(const std::vector<std::string_view>& words, std::string_view flag) {
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] != flag) continue;
        const std::string_view text = words[i + 1];
        T value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size()) return value;
    }
    return std::nullopt;
}

std::optional<std::string> WordAfter(const std::vector<std::string_view>& words,
                                     std::string_view flag) {
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == flag) return std::string(words[i + 1]);
    }
    return std::nullopt;
}

// A whole number in [low, high] after the flag. Anything else gives none and says why, ending
// with what is done instead (`fallback`).
template <typename T>
std::optional<T> BoundedNumberAfter(const std::vector<std::string_view>& words,
                                    std::string_view flag, T low, T high, std::string_view fallback,
                                    std::vector<std::string>& problems) {
    if (!WordAfter(words, flag)) return std::nullopt;
    const std::optional<T> number = NumberAfter<T>(words, flag);
    if (number && *number >= low && *number <= high) return number;
    std::string problem(flag);
    problem.append(" takes a whole number from ").append(std::to_string(low));
    problem.append(" to ").append(std::to_string(high)).append("; ");
    problem.append(fallback).append(".");
    problems.push_back(problem);
    return std::nullopt;
}

void ReadBoundedNumber(const std::vector<std::string_view>& words, std::string_view flag, int low,
                       int high, int& value, std::vector<std::string>& problems) {
    const std::string fallback = "using " + std::to_string(value);
    value = BoundedNumberAfter(words, flag, low, high, fallback, problems).value_or(value);
}

// "-map bwdm2" names the map as the console does; "-map bwdm2.bwm" names its file.
std::string MapFileName(std::string name) {
    constexpr std::string_view kExtension = ".bwm";
    const bool hasExtension =
        name.size() >= kExtension.size() &&
        name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
    if (!hasExtension) name += kExtension;
    return name;
}

bool HasWord(const std::vector<std::string_view>& words, std::string_view flag) {
    for (const auto word : words) {
        if (word == flag) return true;
    }
    return false;
}

bool IsFlag(std::string_view word) { return !word.empty() && word[0] == '-'; }

// A file or folder name after the flag. A flag with nothing after it, or with another flag,
// says so, ending with what is done instead: "-record -headless" must not write a file named
// "-headless".
std::optional<std::string> NameAfter(const std::vector<std::string_view>& words,
                                     std::string_view flag, std::string_view what,
                                     std::string_view fallback,
                                     std::vector<std::string>& problems) {
    std::optional<std::string> name = WordAfter(words, flag);
    if (name && !IsFlag(*name)) return name;
    if (HasWord(words, flag)) {
        problems.push_back(std::string(flag) + " takes a " + std::string(what) + "; " +
                           std::string(fallback) + ".");
    }
    return std::nullopt;
}
void ReadNetworkOptions(const std::vector<std::string_view>& words, LaunchOptions& options) {
    options.host = HasWord(words, "-host");
    options.connect = WordAfter(words, "-connect");
    options.name = WordAfter(words, "-name");
    int port = options.port;
    ReadBoundedNumber(words, "-port", 1, 65535, port, options.problems);
    options.port = static_cast<std::uint16_t>(port);
    if (options.host && options.connect) {
        options.problems.emplace_back("-host and -connect together: connecting, not hosting.");
        options.host = false;
    }
}
}  // namespace

LaunchOptions ParseCommandLine(int argc, const char* const* argv) {
    std::string line;
    std::vector<std::string_view> words;
    for (int i = 1; i < argc; ++i) {
        words.emplace_back(argv[i]);
        // A name of ours is no display flag: "-map arena-1024.bwm" picks no resolution.
        if (i > 1 && TakesAName(words[words.size() - 2]) && !IsFlag(words.back())) continue;
        if (i > 1) line += ' ';
        line += argv[i];
    }

    LaunchOptions options;
    options.colourDepth = line.find("-16") != std::string::npos ? 16 : 32;
    if (line.find("-320") != std::string::npos) {
        options.resolutionIndex = 0;
    } else if (line.find("-640") != std::string::npos) {
        options.resolutionIndex = 1;
    } else if (line.find("-1024") != std::string::npos) {
        options.resolutionIndex = 3;
    }
    options.windowed = HasWord(words, "-window");
    options.fixedStep = HasWord(words, "-fixedstep");
    options.headless = HasWord(words, "-headless");
    options.frameLimit = BoundedNumberAfter(words, "-frames", 1L, kLastRunFrame,
                                            "running with no frame limit", options.problems);
    options.seed = BoundedNumberAfter(words, "-seed", 0u, std::numeric_limits<unsigned int>::max(),
                                      "seeding from the clock", options.problems);
    options.scriptPath = NameAfter(words, "-script", "file name", "the keyboard and mouse are read",
                                   options.problems);
    options.userDir = NameAfter(words, "-userdir", "folder name", "using the usual player's folder",
                                options.problems);
    options.recordPath =
        NameAfter(words, "-record", "file name", "nothing is recorded", options.problems);
    // Without a script a bot plays the human's slot: there are no hands to record.
    if (options.headless && options.recordPath && !options.scriptPath) {
        options.problems.emplace_back(
            "-record in a headless run records the -script it replays, and there is none; "
            "nothing is recorded.");
        options.recordPath.reset();
    }
    if (const auto map = WordAfter(words, "-map")) options.mapName = MapFileName(*map);
    options.gameType = WordAfter(words, "-type").value_or(options.gameType);
    ReadBoundedNumber(words, "-players", 1, kMaxLaunchPlayers, options.maxPlayers,
                      options.problems);
    ReadBoundedNumber(words, "-fraglimit", 1, 100000, options.fragLimit, options.problems);
    ReadBoundedNumber(words, "-skill", 1, 5, options.botSkill, options.problems);
    ReadNetworkOptions(words, options);
    return options;
}

DisplaySize DisplaySizeFor(int resolutionIndex) {
    switch (resolutionIndex) {
        case 0:
            return {320, 240};
        case 1:
            return {640, 480};
        case 3:
            return {1024, 768};
        default:
            return {kScreenWidth, kScreenHeight};
    }
}
