#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
LaunchOptions Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "brawlwick");
    return ParseCommandLine(static_cast<int>(args.size()), args.data());
}
}  // namespace

TEST(CommandLine, DisplayFlagsAreSubstringsAndTheFirstResolutionWins) {
    const LaunchOptions none = Parse({});
    EXPECT_EQ(none.resolutionIndex, 2);
    EXPECT_EQ(none.colourDepth, 32);
    EXPECT_FALSE(none.windowed);
    EXPECT_FALSE(none.frameLimit);
    EXPECT_FALSE(none.seed);
    EXPECT_FALSE(none.fixedStep);

    EXPECT_EQ(Parse({"-1024", "-320"}).resolutionIndex, 0);  // -320 is tested first
    EXPECT_EQ(Parse({"-640"}).resolutionIndex, 1);
    EXPECT_EQ(Parse({"-1024"}).resolutionIndex, 3);
    EXPECT_EQ(Parse({"x-16y"}).colourDepth, 16);  // anywhere, even inside another word
    EXPECT_EQ(Parse({"-160"}).colourDepth, 16);

    const auto size = DisplaySizeFor(Parse({"-1024"}).resolutionIndex);
    EXPECT_EQ(size.width, 1024);
    EXPECT_EQ(size.height, 768);
    EXPECT_EQ(DisplaySizeFor(0).width, 320);
    EXPECT_EQ(DisplaySizeFor(7).width, 800);
}

TEST(CommandLine, TestingFlagsTakeWholeWordsAndBadNumbersAreIgnored) {
    const LaunchOptions options =
        Parse({"-window", "-frames", "120", "-seed", "1", "-fixedstep", "-nonsense"});
    EXPECT_TRUE(options.windowed);
    EXPECT_EQ(options.frameLimit, 120);
    EXPECT_EQ(options.seed, 1u);
    EXPECT_TRUE(options.fixedStep);
    EXPECT_EQ(options.resolutionIndex, 2);

    EXPECT_FALSE(Parse({"-frames"}).frameLimit);
    EXPECT_FALSE(Parse({"-windowed"}).windowed);
    // A number after a flag does not turn into a display flag.
    EXPECT_EQ(Parse({"-frames", "320"}).resolutionIndex, 2);
}

TEST(CommandLine, AScriptFileNameIsNeverReadAsADisplayFlag) {
    const LaunchOptions options = Parse({"-script", "runs/1024-16.txt", "-640"});
    EXPECT_EQ(options.scriptPath, "runs/1024-16.txt");
    EXPECT_EQ(options.resolutionIndex, 1);
    EXPECT_EQ(options.colourDepth, 32);
    EXPECT_FALSE(Parse({"-script"}).scriptPath);
}

TEST(CommandLine, TheLaunchMatchIsNamedByWordsAndOutOfRangeNumbersAreRefusedAloud) {
    const LaunchOptions none = Parse({});
    EXPECT_EQ(none.mapName, "bwdm1.bwm");
    EXPECT_EQ(none.maxPlayers, 6);
    EXPECT_EQ(none.fragLimit, 32);
    EXPECT_EQ(none.gameType, "ffa");
    EXPECT_TRUE(none.problems.empty());

    const LaunchOptions chosen =
        Parse({"-map", "arena-1024-16.bwm", "-players", "2", "-fraglimit", "5", "-type", "team"});
    EXPECT_EQ(chosen.mapName, "arena-1024-16.bwm");
    EXPECT_EQ(chosen.resolutionIndex, 2);  // the map's name is not a display flag
    EXPECT_EQ(chosen.colourDepth, 32);
    EXPECT_EQ(chosen.maxPlayers, 2);
    EXPECT_EQ(chosen.fragLimit, 5);
    EXPECT_EQ(chosen.gameType, "team");
    EXPECT_TRUE(chosen.problems.empty());

    const LaunchOptions bad = Parse({"-players", "0", "-fraglimit", "ten"});
    EXPECT_EQ(bad.maxPlayers, 6);
    EXPECT_EQ(bad.fragLimit, 32);
    EXPECT_EQ(bad.problems, (std::vector<std::string>{
                                "-players takes a whole number from 1 to 64; using 6.",
                                "-fraglimit takes a whole number from 1 to 100000; using 32."}));
    EXPECT_EQ(Parse({"-players", "65"}).maxPlayers, 6);
    EXPECT_EQ(Parse({"-players", "64"}).maxPlayers, 64);
    EXPECT_EQ(Parse({"-map", "bwdm2"}).mapName, "bwdm2.bwm");  // by name, as the console
}

TEST(CommandLine, TestingNumbersThatDoNotFitAreSaidAndLeftUnset) {
    const struct {
        std::vector<const char*> args;
        const char* problem;
    } cases[] = {
        {{"-frames", "abc"},
         "-frames takes a whole number from 1 to 2147483647; running with no frame limit."},
        {{"-frames", "-1"},
         "-frames takes a whole number from 1 to 2147483647; running with no frame limit."},
        {{"-frames", "2147483648"},
         "-frames takes a whole number from 1 to 2147483647; running with no frame limit."},
        {{"-seed", "abc"},
         "-seed takes a whole number from 0 to 4294967295; seeding from the clock."},
        {{"-seed", "4294967296"},
         "-seed takes a whole number from 0 to 4294967295; seeding from the clock."},
    };
    for (const auto& c : cases) {
        const LaunchOptions options = Parse(c.args);
        EXPECT_FALSE(options.frameLimit || options.seed) << c.problem;
        EXPECT_EQ(options.problems, std::vector<std::string>{c.problem});
    }
}
