#include "app/CommandLine.h"

#include <charconv>
#include <string_view>
#include <vector>

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
        // A script's file name is ours, not a display flag: "-script run-1024.txt" must not
        // pick a resolution.
        if (i > 1 && words[words.size() - 2] == "-script") continue;
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
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == "-script") options.scriptPath = std::string(words[i + 1]);
    }
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
            return {800, 600};
    }
}
