#include "app/CommandLineHelp.h"

#include <algorithm>
#include <array>

namespace {
enum class Value { kNone, kNumber, kName };

struct Flag {
    std::string_view name;  // as typed, with its value's placeholder
    Value value;
    std::string_view meaning;
};

constexpr std::array kFlags{
    Flag{"-320, -640, -1024", Value::kNone,
         "a 320x240, 640x480 or 1024x768 picture (else 800x600)"},
    Flag{"-16", Value::kNone, "16-bit colour instead of 32"},
    Flag{"-window", Value::kNone, "play in a resizable window instead of full screen"},
    Flag{"-frames N", Value::kNumber, "quit after N frames and print the run's summary"},
    Flag{"-seed N", Value::kNumber, "seed the random generator with N instead of the clock"},
    Flag{"-fixedstep", Value::kNone, "count every frame as exactly 1/80 s"},
    Flag{"-script FILE", Value::kName, "replay keys, buttons and cursor moves from FILE"},
    Flag{"-record FILE", Value::kName, "write the run's input, seed and frame lengths to FILE"},
    Flag{"-headless", Value::kNone, "play with no window, drawing or sound, as fast as possible"},
    Flag{"-userdir DIR", Value::kName,
         "the player's folder, where everything is written (else $XDG_DATA_HOME/brawlwick)"},
    Flag{"-map NAME", Value::kName, "start on the map NAME instead of bwdm1"},
    Flag{"-players N", Value::kNumber, "players in that match, the human included: 1 to 64"},
    Flag{"-fraglimit N", Value::kNumber, "frags that end that match: 1 to 100000"},
    Flag{"-skill N", Value::kNumber, "the bots' skill, 1 to 5"},
    Flag{"-type WORD", Value::kName, "ffa (every player for himself) or team"},
    Flag{"-host", Value::kNone, "host the match for others to join"},
    Flag{"-port N", Value::kNumber, "the network port to host on or connect to (else 27315)"},
    Flag{"-connect HOST[:PORT]", Value::kName, "join the match hosted at HOST"},
    Flag{"-name NAME", Value::kName, "play under NAME for this run"},
    Flag{"--version", Value::kNone, "print the version and quit"},
    Flag{"--help", Value::kNone, "print these lines and quit"},
};

// "-map NAME" is the flag "-map".
std::string_view FlagWord(const Flag& flag) { return flag.name.substr(0, flag.name.find(' ')); }

std::string Help() {
    std::size_t width = 0;
    for (const Flag& flag : kFlags)
        width = std::max(width, flag.name.size());
    std::string text = "Usage: brawlwick [FLAG]...\n";
    for (const Flag& flag : kFlags) {
        text.append("  ").append(flag.name).append(width - flag.name.size() + 2, ' ');
        text.append(flag.meaning).append("\n");
    }
    return text;
}
}  // namespace

bool TakesAName(std::string_view flag) {
    return std::any_of(kFlags.begin(), kFlags.end(), [flag](const Flag& entry) {
        return entry.value == Value::kName && FlagWord(entry) == flag;
    });
}

std::optional<std::string> InformationRequested(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (i > 1 && TakesAName(argv[i - 1])) continue;  // "-map --help" names a map
        const std::string_view word = argv[i];
        if (word == "--help") return Help();
        if (word == "--version") return std::string("brawlwick ") + BRAWLWICK_VERSION + "\n";
    }
    return std::nullopt;
}
