#include "app/GameFolders.h"

#include <gtest/gtest.h>

#include "app/BaseFolder.h"
#include "support/FileText.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;
using Folder = std::optional<fs::path>;

TEST(GameFolders, ThePlayersFolderIsReadFirstAndAloneWrittenOrSaysWhyNot) {
    const fs::path root = FreshTestFolder("game_folders");
    const fs::path base = root / "Base";
    const fs::path mine = root / "share" / "brawlwick";
    WriteBytes(base / "Maps" / "both.bwm", {});
    WriteBytes(root / "blocked", {'k', 'e', 'p', 't'});
    const GameFolders made(base, mine);
    ASSERT_EQ(made.Problem(), "");  // made, parents and all
    WriteBytes(mine / "Maps" / "both.bwm", {});
    std::string why;
    const struct {
        const char* relative;
        fs::path read;
        fs::path write;
    } kPlaces[] = {
        {"Maps/both.bwm", mine / "Maps" / "both.bwm", mine / "Maps" / "both.bwm"},
        {"Maps/base.bwm", base / "Maps" / "base.bwm", mine / "Maps" / "base.bwm"},
        {"Shots/Screen0.tga", base / "Shots" / "Screen0.tga", mine / "Shots" / "Screen0.tga"},
        {"../Base/x", base / "../Base/x", {}},  // nothing leaves the player's folder
    };
    for (const auto& c : kPlaces) {
        EXPECT_EQ(made.ReadPath(c.relative), c.read) << c.relative;
        EXPECT_EQ(made.WritePath(c.relative, why), c.write) << c.relative;
    }
    EXPECT_TRUE(fs::is_directory(mine / "Shots"));  // a file's folder is made when asked for
    EXPECT_EQ(made.ReadFolders("Maps"), (std::vector{mine / "Maps", base / "Maps"}));

    const struct {
        Folder player;
        std::string problem;
    } kUnwritable[] = {
        {std::nullopt, "HOME is not set, so there is no player folder"},
        {root / "blocked" / "me", "cannot make the player folder " +
                                      (root / "blocked" / "me").string() + ": Not a directory"},
        {base / "me",
         "the player folder " + (base / "me").string() + " is inside " + base.string()},
    };
    for (const auto& c : kUnwritable) {
        const GameFolders folders(base, c.player);
        EXPECT_EQ(folders.Problem(), c.problem);
        why.clear();
        EXPECT_EQ(folders.WritePath("Prefs.dat", why), fs::path());
        EXPECT_EQ(why, c.problem);
        EXPECT_EQ(folders.ReadPath("Maps/both.bwm"), base / "Maps" / "both.bwm");
    }
    EXPECT_EQ(ReadAll(root / "blocked"), "kept");
    EXPECT_FALSE(fs::exists(base / "me"));

    // -userdir, then the desktop's data folder when absolute, then the home's.
    const struct {
        std::optional<std::string> userDir;
        const char* data;
        const char* home;
        Folder expected;
    } kChoices[] = {
        {"/u", "/d", "/h", fs::path("/u")},
        {"rel/./me/", nullptr, nullptr, fs::current_path() / "rel" / "me"},
        {std::nullopt, "/d", "/h", fs::path("/d/brawlwick")},
        {std::nullopt, "d", "/h", fs::path("/h/.local/share/brawlwick")},
        {"", "", "/h", fs::path("/h/.local/share/brawlwick")},
        {std::nullopt, "/d", nullptr, fs::path("/d/brawlwick")},
        {std::nullopt, nullptr, "", std::nullopt},
    };
    for (const auto& c : kChoices)
        EXPECT_EQ(GameFolders::PlayerFolderFor(c.userDir, c.data, c.home), c.expected);
}

TEST(GameFolders, BaseIsBesideTheExecutableElseWhereTheInstallPutsIt) {
    const fs::path root = FreshTestFolder("game_folders");
    fs::create_directories(root / "build" / "Base");
    fs::create_directories(root / "usr" / "bin");
    WriteBytes(root / "odd" / "Base", {});  // a file of that name is no data folder
    const fs::path installed = "../share/brawlwick/Base";
    const struct {
        fs::path executableFolder;
        fs::path base;
    } kFolders[] = {
        {root / "build", root / "build" / "Base"},
        {root / "usr" / "bin", root / "usr" / "share" / "brawlwick" / "Base"},
        {root / "odd", root / "share" / "brawlwick" / "Base"},
    };
    for (const auto& c : kFolders) {
        EXPECT_EQ(BaseFolderFor(c.executableFolder, installed), c.base);
    }
    EXPECT_EQ(BaseFolderFor(root / "usr" / "bin").filename(), "Base");
}
