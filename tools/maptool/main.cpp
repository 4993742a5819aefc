// Turns map text into the game's map files and back, and draws a map as SVG.
//   maptool build IN.map OUT.bwm
//   maptool print IN.bwm      (the text, to stdout)
//   maptool svg IN.bwm        (a picture, to stdout)
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "MapSvg.h"
#include "MapTextReader.h"
#include "MapTextWriter.h"
#include "core/AtomicFile.h"
#include "world/MapFile.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: maptool build IN.map OUT.bwm | maptool print IN.bwm | "
                 "maptool svg IN.bwm\n");
    return 2;
}

int Fail(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), why.c_str());
    return 1;
}

int Build(const std::string& inPath, const std::string& outPath) {
    std::ifstream in(inPath);
    if (!in) return Fail(inPath, "cannot open");
    const MapTextResult text = ReadMapText(in, inPath);
    if (!text.contents) {
        std::fprintf(stderr, "%s\n", text.error.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> bytes = WriteMapFile(*text.contents);
    // What the game would refuse is never written.
    const MapReadResult check = ReadMapFile(bytes);
    if (!check.contents) return Fail(inPath, "the built map would not load: " + check.error);
    std::string why;
    if (!WriteFileAtomically(outPath, bytes.data(), bytes.size(), &why)) {
        std::fprintf(stderr, "%s\n", why.c_str());  // it names the file
        return 1;
    }
    return 0;
}

// A failed write may empty the buffer, so the flush alone does not tell.
int WriteOutput(const std::string& path, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    return Fail(path, std::string("cannot write the output: ") + std::strerror(errno));
}

// Prints what a built map turns into.
template <typename Render>
int Show(const std::string& path, Render render) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(path, "cannot open");
    const MapReadResult map = ReadMapFile(in);
    if (!map.contents) return Fail(path, map.error);
    const std::string text = render(*map.contents);
    return WriteOutput(path, text);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
    if (command == "print" && argc == 3) return Show(argv[2], WriteMapText);
    if (command == "svg" && argc == 3) return Show(argv[2], DrawMapSvg);
    return Usage();
}
