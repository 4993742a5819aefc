#include "app/CommandLine.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "core/Screen.h"

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

// A whole number in [low, high] after the flag; anything else keeps `value` and says why.
void ReadBoundedNumber(const std::vector<std::string_view>& words, std::string_view flag, int low,
                       int high, int& value, std::vector<std::string>& problems) {
    if (!WordAfter(words, flag)) return;
    const std::optional<int> number = NumberAfter<int>(words, flag);
    if (number && *number >= low && *number <= high) {
        value = *number;
        return;
    }
    std::string problem(flag);
    problem.append(" takes a whole number from ").append(std::to_string(low));
    problem.append(" to ").append(std::to_string(high)).append("; using ");
    problem.append(std::to_string(value)).append(".");
    problems.push_back(problem);
}

// Values that are names of ours, not display flags: "-map arena-1024.bwm" must not pick a
// resolution.
bool TakesAName(std::string_view flag) {
    return flag == "-script" || flag == "-map" || flag == "-type";
}

bool HasWord(const std::vector<std::string_view>& words, std::string_view flag) {
    for (const auto word : words) {
        if (word == flag) return true;
    }
    return false;
}
}  // namespace

LaunchOptions ParseCommandLine(int argc, const char* const* argv) {
    std::string line;
    std::vector<std::string_view> words;
    for (int i = 1; i < argc; ++i) {
        words.emplace_back(argv[i]);
        if (i > 1 && TakesAName(words[words.size() - 2])) continue;
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
    options.frameLimit = NumberAfter<long>(words, "-frames");
    options.seed = NumberAfter<unsigned int>(words, "-seed");
    options.scriptPath = WordAfter(words, "-script");
    options.mapName = WordAfter(words, "-map").value_or(options.mapName);
    options.gameType = WordAfter(words, "-type").value_or(options.gameType);
    ReadBoundedNumber(words, "-players", 1, kMaxLaunchPlayers, options.maxPlayers,
                      options.problems);
    ReadBoundedNumber(words, "-fraglimit", 1, 100000, options.fragLimit, options.problems);
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
