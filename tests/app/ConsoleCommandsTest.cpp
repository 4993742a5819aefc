#include <gtest/gtest.h>
#include <unistd.h>

#include "app/App.h"
#include "app/ConsoleCommands.h"
#include "console/Console.h"
#include "game/Game.h"
#include "support/FileText.h"
#include "support/ManualClock.h"
#include "support/RecordingAudioDevice.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"
#include "world/MapFile.h"

namespace {
using Lines = std::vector<std::string>;

// An App with sound over Base/Maps/box.bwm and a player's folder, its console answering lines.
class ConsoleCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        MapContents box;
        box.name = "Box";
        box.platforms.emplace_back(0.0f, 500.0f, 800.0f, 540.0f);
        WriteBytes(maps_ / "box.bwm", WriteMapFile(box));
        app_.Initialise(2, 32, [](int width, int height, int depth, Log& log) {
            return std::unique_ptr<Renderer>(
                std::make_unique<RecordingRenderer>(width, height, depth, &log));
        });
        app_.LoadSounds(std::make_unique<RecordingAudioDevice>(record_));
    }

    // The lines printed while the line ran.
    Lines Run(const std::string& line) {
        const Lines& history = app_.GetConsole()->History();
        const std::size_t before = history.size();
        app_.ExecuteCommand(line);
        return {history.begin() + static_cast<std::ptrdiff_t>(before), history.end()};
    }

    Player& Human() { return app_.CurrentGame()->GetPlayer(0); }

    std::filesystem::path root_ = FreshTestFolder("console_commands");
    std::filesystem::path maps_ = root_ / "Base" / "Maps";
    ManualClock clock_;
    AudioRecord record_;
    std::filesystem::path player_ = root_ / "Player";
    App app_{GameFolders(root_ / "Base", player_), clock_, 1u};
};
}  // namespace

TEST_F(ConsoleCommandsTest, RepliesWithAndWithoutAMatchAndTheDeveloperFlag) {
    WriteBytes(maps_ / "yard.bwm", {});
    WriteBytes(maps_ / "notes.txt", {});
    std::filesystem::create_directories(maps_ / "folder.bwm");
    const std::string unable = "Unable to open map \"100%s.bwm\" in \"" +
                               (player_ / "Maps").string() + "\" or \"" + maps_.string() + "\"...";
    const Lines usage = {"Map <maxclients> <fraglimit> <gametype (ffa,team,ctf)>"};
    struct Exchange {
        const char* line;
        Lines replies;
    };
    // clang-format off
    const Exchange kMenu[] = {  // the match's commands wait for a match
        {"   ", {}}, {"botchat", {}}, {"developer", {}}, {"hello", {}}, {"Quit", {}},
        {"mute", {"Sound OFF."}}, {"mute", {"Sound ON."}},
        {"maxclients", {"Maxclients <number>"}}, {"maxclients 4", {"No game running."}},
        {"save", {"Save <mapname>"}}, {"save x", {"No map loaded."}},
        {"map", usage}, {"map ../box", {"Bad map name \"../box\"."}}, {"save ..", {"Bad map name \"..\"."}},
        {"map a\\b", {"Bad map name \"a\\b\"."}},
        {"map 100%s", {unable}},  // a percent sign is no directive
        {"maplist", {"box", "yard"}},
        {"connect", {"Connect <host> [<port>]"}}, {"connect h 9 9", {"Connect <host> [<port>]"}},
        {"connect h x", {"\"h:x\" names no port."}}, {"disconnect", {"Not connected."}},
    };
    const Exchange kMatch[] = {
        {"botchat", {"Botchat OFF"}}, {"map", usage}, {"botchat", {"Botchat ON"}}, {"map", usage},
        {"mapname", {"\"Box\""}}, {"mapname  my  new map", {}},
        {"mapname", {"\"my new map\""}}, {"fraglimit 10 20", {}},
        {"fraglimit abc", {"Not a number: \"abc\".", "fraglimit: 32"}}, {"fraglimit 12", {}},
        {"fraglimit", {"fraglimit: 12"}}, {"skill", {"skill: 3"}},
        {"skill 9", {"skill takes 1 to 5."}}, {"skill 5", {}}, {"skill", {"skill: 5"}},
        {"god", {"Cheats are not enabled."}},
        {"give all", {"Cheats are not enabled."}}, {"plentyofshots 1 2", {}},
        {"developer", {"Developer ON"}}, {"god", {"Godmode ON"}}, {"give armour", {}},
        {"name Sniper x", {}}, {"maxclients x", {"Not a number: \"x\".", "Maxclients <number>"}},
        {"maxclients 8", {"Maxclients not implemented yet."}}, {"50% more %s", {}},
    };
    // clang-format on
    for (const auto& c : kMenu)
        EXPECT_EQ(Run(c.line), c.replies) << c.line;
    EXPECT_FALSE(app_.Developer() || app_.QuitRequested());
    // Tab offers the maps after "map" and "save" only.
    EXPECT_EQ(ConsoleCompletions(app_, {"save"}), (Lines{"box", "yard"}));
    EXPECT_EQ(ConsoleCompletions(app_, {"god"}), Lines{});
    app_.StartMap("box.bwm", 6, 32, "ffa");
    for (const auto& c : kMatch)
        EXPECT_EQ(Run(c.line), c.replies) << c.line;
    EXPECT_TRUE(Human().GodMode());
    EXPECT_EQ(app_.CurrentGame()->BotSkillLevel(), 5);
    EXPECT_EQ(Human().Armour(), Player::kMaxArmour);
    EXPECT_EQ(app_.PlayerName(), "Sniper");
    // While bot chat is on, lines that are no match command are said first, "map" too; three
    // wait at most, so the fourth is dropped.
    EXPECT_EQ(Human().chat.queue, (std::deque<std::string>{"map", "maxclients x", "maxclients 8"}));
    Run("quit");
    EXPECT_TRUE(app_.QuitRequested());
}

TEST_F(ConsoleCommandsTest, MapStartsWithItsDefaults) {
    const struct {
        const char* line;
        int players;
        int fragLimit;
        GameType type;
    } kCases[] = {
        {"map box", 6, 32, GameType::FreeForAll},
        {"map box 8", 8, 30, GameType::FreeForAll},
        {"map box x", 6, 30, GameType::FreeForAll},
        {"map box 0", 1, 30, GameType::FreeForAll},
        {"map box -5 9 team", 1, 9, GameType::Team},
        {"map box 500 10 ctf", 128, 10, GameType::CaptureTheFlag},
    };
    for (const auto& c : kCases) {
        Run(c.line);
        const Game* game = app_.CurrentGame();
        ASSERT_NE(game, nullptr) << c.line;
        EXPECT_EQ(std::tuple(game->PlayerCount(), game->FragLimit(), game->Type()),
                  std::tuple(c.players, c.fragLimit, c.type))
            << c.line;
    }
    app_.Frame();  // capture the flag is refused
    EXPECT_EQ(app_.CurrentGame(), nullptr);
    app_.StartMap("box.bwm", 6, 32, "ffa");
    Run("map nowhere");  // the match is gone even when the new map is not there
    EXPECT_EQ(app_.CurrentGame(), nullptr);
}

TEST_F(ConsoleCommandsTest, SaveWritesIntoThePlayersFolderWhoseMapsComeFirstWholeOrNot) {
    const std::string shipped = ReadAll(maps_ / "box.bwm");
    app_.StartMap("box.bwm", 6, 32, "ffa");
    const auto mine = player_ / "Maps";
    const auto copy = mine / "copy.bwm";
    EXPECT_EQ(Run("save copy"), Lines{"Saved map to \"" + copy.string() + "\"."});
    EXPECT_EQ(ReadAll(copy), shipped);
    // The player's map of a shipped name wins, and each name is listed once.
    Run("mapname Mine");
    Run("save box");
    EXPECT_EQ(Run("maplist"), (Lines{"box", "copy"}));
    Run("map box");
    EXPECT_EQ(app_.CurrentGame()->Map().Name(), "Mine");
    EXPECT_EQ(ReadAll(maps_ / "box.bwm"), shipped);

    Run("mapname Changed");
    std::filesystem::permissions(mine, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    // Root writes into a read-only folder all the same; a folder in the temporary file's way
    // stops it.
    if (::access(mine.c_str(), W_OK) == 0) std::filesystem::create_directory(mine / "copy.bwm.tmp");
    const Lines replies = Run("save copy");
    std::filesystem::permissions(mine, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_TRUE(replies[0].starts_with("Could not save \"" + copy.string() + "\": cannot write "))
        << replies[0];
    EXPECT_EQ(ReadAll(copy), shipped);
}
