#pragma once

#include <optional>
#include <string>

// What the command line asks for. The display flags are found by plain substring search over
// the whole line, as players have always typed them; the rest are whole words with a value.
struct LaunchOptions {
    int resolutionIndex = 2;  // 0: 320x240, 1: 640x480, 2: 800x600, 3: 1024x768
    int colourDepth = 32;
    bool windowed = false;                  // -window
    std::optional<long> frameLimit;         // -frames N
    std::optional<unsigned int> seed;       // -seed N
    bool fixedStep = false;                 // -fixedstep
    std::optional<std::string> scriptPath;  // -script FILE: replayed input
};

struct DisplaySize {
    int width;
    int height;
};

LaunchOptions ParseCommandLine(int argc, const char* const* argv);
DisplaySize DisplaySizeFor(int resolutionIndex);
