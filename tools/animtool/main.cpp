// Turns animation text into the game's .bwv files and back, and draws a set as SVG.
//   animtool build IN.anim OUT.bwv
//   animtool print lower|upper IN.bwv           (the text, to stdout)
//   animtool svg lower|upper IN.bwv [BLENDS]    (a picture, to stdout)
#include <charconv>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>
#include <type_traits>

#include "AnimFigure.h"
#include "AnimSvg.h"
#include "AnimTextReader.h"
#include "AnimTextWriter.h"
#include "ToolOutput.h"
#include "core/StreamBytes.h"

namespace {

// Far beyond any set a person makes; a runaway file is not read whole.
constexpr std::size_t kMostFileBytes = 64u << 20;
constexpr int kMostBlends = 9;

int Usage() {
    std::fprintf(stderr,
                 "usage: animtool build IN.anim OUT.bwv | animtool print lower|upper IN.bwv | "
                 "animtool svg lower|upper IN.bwv [BLENDS 0-%d]\n",
                 kMostBlends);
    return 2;
}

// Reads the bytes back as the game will; an empty text means they load as written.
template <typename Set>
std::string LoadsBack(const std::vector<std::uint8_t>& bytes) {
    Set set;
    const AnimationLoadReport report = set.Load(bytes);
    if (!report.problems.empty()) return report.problems.front();
    if (report.recordsRead != Set::kAnimations || set.Save() != bytes)
        return "it reads back differently";
    return {};
}

int Build(const std::string& inPath, const std::string& outPath) {
    std::ifstream in(inPath);
    if (!in) return FailWith(inPath, "cannot open");
    const AnimTextResult text = ReadAnimText(in, inPath);
    if (!text.set) {
        std::fprintf(stderr, "%s\n", text.error.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> bytes = SaveAnimationSet(*text.set);
    // What the game would refuse is never written.
    const std::string fault = std::visit(
        [&](const auto& set) { return LoadsBack<std::decay_t<decltype(set)>>(bytes); }, *text.set);
    if (!fault.empty()) return FailWith(inPath, "the built file would not load: " + fault);
    return SaveBuilt(outPath, bytes);
}

// Prints what a built file turns into; a file the game would not read whole is refused.
template <std::size_t N, typename Render>
int Show(const std::string& path, Render render) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FailWith(path, "cannot open");
    const auto bytes = ReadStreamBytes(in, kMostFileBytes);
    if (!bytes) return FailWith(path, "is larger than any animation file");
    AnimationSet<N> set;
    const AnimationLoadReport report = set.Load(*bytes);
    if (!report.problems.empty()) return FailWith(path, report.problems.front());
    const std::string text = render(set);
    return PrintOutput(path, text);
}

// Runs `run` with the point count of the figure named `word` as a compile-time constant.
template <typename Run>
int WithFigure(std::string_view word, Run run) {
    const AnimFigure* figure = FigureOfWord(word);
    if (figure == nullptr) return Usage();
    if (figure->points == LowerPose::kPoints)
        return run(std::integral_constant<std::size_t, LowerPose::kPoints>{});
    return run(std::integral_constant<std::size_t, UpperPose::kPoints>{});
}

int Print(std::string_view figure, const std::string& path) {
    return WithFigure(figure, [&](auto points) {
        return Show<decltype(points)::value>(path,
                                             [](const auto& set) { return WriteAnimText(set); });
    });
}

int Svg(std::string_view figure, const std::string& path, std::string_view blendText) {
    int blends = 0;
    const auto [end, error] =
        std::from_chars(blendText.data(), blendText.data() + blendText.size(), blends);
    if (error != std::errc() || end != blendText.data() + blendText.size() || blends < 0 ||
        blends > kMostBlends)
        return Usage();
    return WithFigure(figure, [&](auto points) {
        return Show<decltype(points)::value>(
            path, [&](const auto& set) { return DrawAnimSvg(set, blends); });
    });
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
        if (command == "print" && argc == 4) return Print(argv[2], argv[3]);
        if (command == "svg" && (argc == 4 || argc == 5))
            return Svg(argv[2], argv[3], argc == 5 ? argv[4] : "0");
    } catch (const std::exception& error) {
        // Out of memory on a huge file, say: a message and a failure, never an abort.
        std::fprintf(stderr, "animtool: %s\n", error.what());
        return 1;
    }
    return Usage();
}
