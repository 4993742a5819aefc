#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/Protocol.h"

// What the command line asks for. The display flags are found by plain substring search over
// the whole line, as players have always typed them; the rest are whole words with a value.
struct LaunchOptions {
    int resolutionIndex = 2;  // 0: 320x240, 1: 640x480, 2: 800x600, 3: 1024x768
    int colourDepth = 32;
    bool windowed = false;                  // -window
    std::optional<long> frameLimit;         // -frames N, 1 to kLastRunFrame
    std::optional<unsigned int> seed;       // -seed N
    bool fixedStep = false;                 // -fixedstep
    std::optional<std::string> scriptPath;  // -script FILE: replayed input
    std::optional<std::string> userDir;     // -userdir DIR: the player's folder
    std::optional<std::string> recordPath;  // -record FILE: the run's input, written as a script
    bool headless = false;                  // -headless: no window, sound or drawing
    // The match started at launch: -map NAME, -players N, -fraglimit N, -type WORD. The map is
    // kept as its file name in Maps/.
    std::string mapName = "bwdm1.bwm";
    int maxPlayers = 6;
    int fragLimit = 32;
    std::string gameType = "ffa";
    int botSkill = 3;  // -skill N, 1 to 5
    // Network play: -host the match, or -connect HOST[:PORT] to one; -port N, -name NAME.
    bool host = false;
    std::optional<std::string> connect;
    std::uint16_t port = kDefaultPort;
    std::optional<std::string> name;
    // What could not be used, one line each, for the player to read.
    std::vector<std::string> problems;
};

// Most players a match started from the command line may have, the human included.
inline constexpr int kMaxLaunchPlayers = 64;

struct DisplaySize {
    int width;
    int height;
};

LaunchOptions ParseCommandLine(int argc, const char* const* argv);
DisplaySize DisplaySizeFor(int resolutionIndex);
