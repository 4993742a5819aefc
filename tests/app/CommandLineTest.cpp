#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLineHelp.h"

namespace {
LaunchOptions Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "brawlwick");
    return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

std::optional<std::string> Information(std::vector<const char*> args) {
    args.insert(args.begin(), "brawlwick");
    return InformationRequested(static_cast<int>(args.size()), args.data());
}
}  // namespace

TEST(CommandLine, DisplayFlagsAreSubstringsAndTheFirstResolutionWins) {
    EXPECT_EQ(Parse({"-1024", "-320"}).resolutionIndex, 0);  // -320 is tested first
    EXPECT_EQ(Parse({"x-16y"}).colourDepth, 16);             // anywhere, even inside another word
    const auto size = DisplaySizeFor(Parse({"-1024"}).resolutionIndex);
    EXPECT_EQ(std::pair(size.width, size.height), std::pair(1024, 768));

    // Words after a flag that takes one are never read as display flags.
    const LaunchOptions options =
        Parse({"-script", "runs/1024-16.txt", "-frames", "320", "-map", "arena-1024-16.bwm",
               "-userdir", "/tmp/me-640", "-record", "bug-640.txt", "-headless"});
    EXPECT_EQ(options.scriptPath, "runs/1024-16.txt");
    EXPECT_EQ(options.userDir, "/tmp/me-640");
    EXPECT_EQ(options.recordPath, "bug-640.txt");
    EXPECT_TRUE(options.headless);
    EXPECT_EQ(options.mapName, "arena-1024-16.bwm");
    EXPECT_EQ(std::pair(options.resolutionIndex, options.colourDepth), std::pair(2, 32));
}

TEST(CommandLine, TestingFlagsTakeWholeWordsAndTheMatchIsNamedByWords) {
    const LaunchOptions options = Parse({"-window", "-frames", "120", "-seed", "1", "-fixedstep",
                                         "-players", "2", "-fraglimit", "5", "-type", "team"});
    EXPECT_TRUE(options.windowed && options.fixedStep);
    EXPECT_EQ(std::tuple(options.frameLimit, options.seed, options.maxPlayers, options.fragLimit,
                         options.gameType),
              std::tuple(120, 1u, 2, 5, "team"));
    EXPECT_TRUE(options.problems.empty());
    EXPECT_FALSE(Parse({"-windowed"}).windowed);
    EXPECT_EQ(Parse({"-map", "bwdm2"}).mapName, "bwdm2.bwm");  // by name, as the console

    const LaunchOptions net = Parse({"-connect", "host-1024:9000", "-name", "x-640", "-port", "7"});
    EXPECT_EQ(std::tuple(net.connect, net.name, net.port, net.host, net.resolutionIndex),
              std::tuple("host-1024:9000", "x-640", 7, false, 2));
    EXPECT_TRUE(Parse({"-host"}).host);
}

TEST(CommandLine, NumbersThatDoNotFitAreSaidAndLeftAtTheirDefaults) {
    const struct {
        std::vector<const char*> args;
        const char* problem;
    } cases[] = {
        {{"-frames", "-1"},
         "-frames takes a whole number from 1 to 2147483647; running with no frame limit."},
        {{"-frames", "2147483648"},
         "-frames takes a whole number from 1 to 2147483647; running with no frame limit."},
        {{"-seed", "4294967296"},
         "-seed takes a whole number from 0 to 4294967295; seeding from the clock."},
        {{"-players", "65"}, "-players takes a whole number from 1 to 64; using 6."},
        {{"-fraglimit", "ten"}, "-fraglimit takes a whole number from 1 to 100000; using 32."},
        {{"-skill", "6"}, "-skill takes a whole number from 1 to 5; using 3."},
        {{"-port", "65536"}, "-port takes a whole number from 1 to 65535; using 27315."},
        {{"-host", "-connect", "h"}, "-host and -connect together: connecting, not hosting."},
        {{"-record"}, "-record takes a file name; nothing is recorded."},
        {{"-record", "-window"}, "-record takes a file name; nothing is recorded."},
        {{"-script", "-320"}, "-script takes a file name; the keyboard and mouse are read."},
        {{"-userdir"}, "-userdir takes a folder name; using the usual player's folder."},
        {{"-headless", "-record", "bug.txt"},
         "-record in a headless run records the -script it replays, and there is none; nothing "
         "is recorded."},
    };
    for (const auto& c : cases) {
        const LaunchOptions options = Parse(c.args);
        EXPECT_FALSE(options.frameLimit || options.seed || options.recordPath ||
                     options.scriptPath || options.userDir)
            << c.problem;
        EXPECT_EQ(std::pair(options.maxPlayers, options.fragLimit), std::pair(6, 32));
        EXPECT_EQ(options.problems, std::vector<std::string>{c.problem});
    }
    EXPECT_EQ(Parse({"-players", "64"}).maxPlayers, 64);
    EXPECT_EQ(Parse({"-skill", "1"}).botSkill, 1);
}

TEST(CommandLine, VersionAndHelpAnswerInsteadOfAGameAndHelpIsOneLineAFlag) {
    EXPECT_EQ(Information({"-window", "-map", "--help"}), std::nullopt);  // a map's name
    const std::string version = Information({"-window", "--version"}).value_or("");
    EXPECT_TRUE(std::regex_match(version, std::regex("brawlwick \\d+\\.\\d+\\.\\d+\n"))) << version;

    std::istringstream help(Information({"-window", "--help"}).value_or(""));
    std::string line;
    std::getline(help, line);
    EXPECT_EQ(line, "Usage: brawlwick [FLAG]...");
    std::vector<std::string> flags;
    while (std::getline(help, line)) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, std::regex("  (-\\S+)( [A-Z]+)?,? .* [a-z].*")))
            << line;
        flags.push_back(match[1]);
    }
    for (const char* flag : {"-userdir", "-headless", "-frames", "-map", "--version", "--help"})
        EXPECT_NE(std::find(flags.begin(), flags.end(), flag), flags.end()) << flag;
}
