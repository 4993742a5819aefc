// Turns map text into the game's map files and back, and draws a map as SVG.
//   maptool build IN.map OUT.bwm
//   maptool print IN.bwm      (the text, to stdout)
//   maptool svg IN.bwm        (a picture, to stdout)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "MapSvg.h"
#include "MapTextReader.h"
#include "MapTextWriter.h"
#include "SpawnCheck.h"
#include "ToolOutput.h"
#include "world/MapFile.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: maptool build IN.map OUT.bwm | maptool print IN.bwm | "
                 "maptool svg IN.bwm\n");
    return 2;
}

int Build(const std::string& inPath, const std::string& outPath) {
    std::ifstream in(inPath);
    if (!in) return FailWith(inPath, "cannot open");
    const MapTextResult text = ReadMapText(in, inPath);
    if (!text.contents) {
        std::fprintf(stderr, "%s\n", text.error.c_str());
        return 1;
    }
    // Worth a word, not a refusal: such a map still loads and plays.
    for (const std::string& warning : SpawnsInsidePlatforms(*text.contents))
        std::fprintf(stderr, "%s: warning: %s\n", inPath.c_str(), warning.c_str());
    const std::vector<std::uint8_t> bytes = WriteMapFile(*text.contents);
    // What the game would refuse is never written.
    const MapReadResult check = ReadMapFile(bytes);
    if (!check.contents) return FailWith(inPath, "the built map would not load: " + check.error);
    return SaveBuilt(outPath, bytes);
}

// Prints what a built map turns into.
template <typename Render>
int Show(const std::string& path, Render render) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FailWith(path, "cannot open");
    const MapReadResult map = ReadMapFile(in);
    if (!map.contents) return FailWith(path, map.error);
    const std::string text = render(*map.contents);
    return PrintOutput(path, text);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
    if (command == "print" && argc == 3) return Show(argv[2], WriteMapText);
    if (command == "svg" && argc == 3) return Show(argv[2], DrawMapSvg);
    return Usage();
}
