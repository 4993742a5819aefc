#include "content/GraphicsTable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Log.h"
#include "render/Image.h"
#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "support/TestFolder.h"
#include "support/TgaBytes.h"

namespace fs = std::filesystem;

class GraphicsTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = FreshTestFolder("graphics");
        fs::create_directories(root_ / "Base");
        log_.Open(root_ / "Log.txt");
    }

    void WriteImage(const std::string& name, int width, int height) {
        WriteBytes(root_ / "Base" / name, SolidTga(width, height, {1, 2, 3, 255}));
    }
    void WriteTable(const std::string& name, const std::string& text) {
        std::ofstream(root_ / "Base" / name, std::ios::binary) << text;
    }
    std::vector<std::string> LogLines() {
        log_.Close();
        return ReadLines(root_ / "Log.txt");
    }

    fs::path root_;
    Log log_;
    RecordingRenderer renderer_;
};

TEST_F(GraphicsTableTest, LoadsEveryTgaOfAFolderByFileNameAndLogsEachOne) {
    WriteImage("b.tga", 4, 2);
    WriteImage("A.TGA", 2, 2);
    WriteImage("odd.tga", 3, 3);  // not a power of two: refused
    WriteImage("notes.txt", 2, 2);
    fs::create_directories(root_ / "Base" / "MapObjects");
    WriteImage("MapObjects/deep.tga", 2, 2);

    GraphicsTable table(renderer_, log_);
    table.LoadImageDirectory(root_ / "Base");
    table.LoadImageDirectory(root_ / "Base" / "Missing");
    EXPECT_EQ(table.ImageCount(), 2);
    ASSERT_NE(table.FindImage("b.tga"), nullptr);
    EXPECT_EQ(table.FindImage("b.tga")->Width(), 4);
    EXPECT_NE(table.FindImage("A.TGA"), nullptr);
    EXPECT_EQ(table.FindImage("a.tga"), nullptr);  // names compare exactly
    EXPECT_EQ(table.FindImage("deep.tga"), nullptr);
    const std::vector<std::string> expected = {
        "Loaded A.TGA (2 x 2)", "Loaded b.tga (4 x 2)",
        "Couldn't load " + (root_ / "Base" / "odd.tga").string() +
            ": it is 3 x 3; each side must be a power of two from 2 to 512."};
    EXPECT_EQ(LogLines(), expected);
}

TEST_F(GraphicsTableTest, CutsSpritesByTheTableLineRules) {
    WriteImage("sheet.tga", 512, 256);
    // The line syntax itself is the sprite table reader's; here: what each line becomes.
    WriteTable("t.gtb",
               "early 0,0,1,1\n"
               "[sheet.tga]\n"
               "menu 0,0,512,384\n"
               "spaced 0, 128, 256, 256\n"
               "[gone.tga]\n"
               "lost 0,0,1,1\n"
               "[g\x01\xff]\n"
               "x 0,0,1,1\n"
               "garbled\n");
    WriteTable("empty.gtb", "\n  \n");
    GraphicsTable table(renderer_, log_);
    table.LoadImageDirectory(root_ / "Base");
    EXPECT_TRUE(table.LoadSpriteTable(root_ / "Base" / "t.gtb"));
    EXPECT_FALSE(table.LoadSpriteTable(root_ / "Base" / "none.gtb"));
    EXPECT_TRUE(table.LoadSpriteTable(root_ / "Base" / "empty.gtb"));

    ASSERT_EQ(table.SpriteCount(), 2);
    const Sprite* menu = table.GetSprite(table.FindSpriteIndex("menu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->image, table.FindImage("sheet.tga"));
    EXPECT_EQ(menu->NaturalWidth(), 512);
    EXPECT_EQ(menu->NaturalHeight(), 384);
    EXPECT_EQ(menu->tx1, 0.0f);
    EXPECT_EQ(menu->tx2, 1.0f);
    EXPECT_EQ(menu->ty2, menu->image->TexCoordV(384));
    const Sprite* spaced = table.GetSprite(table.FindSpriteIndex("spaced"));
    ASSERT_NE(spaced, nullptr);
    EXPECT_EQ(spaced->y1, 128);
    EXPECT_EQ(spaced->tx2, 0.5f);
    EXPECT_EQ(spaced->ty1, 0.5f);

    const std::vector<std::string> expected = {
        "Loaded sheet.tga (512 x 256)",
        "Couldn't find UNDEFINED",
        "Loaded \"menu\" from \"sheet.tga\"",
        "Loaded \"spaced\" from \"sheet.tga\"",
        "Couldn't find gone.tga",
        "Couldn't find g\\x01\\xff",  // no raw bytes in the log
        "The sprite table " + (root_ / "Base" / "t.gtb").string() +
            " is damaged: skipped 1 unreadable line, the first is line 9.",
        "The sprite table " + (root_ / "Base" / "empty.gtb").string() + " names no sprites."};
    EXPECT_EQ(LogLines(), expected);
}

TEST_F(GraphicsTableTest, LooksUpTheFirstSpriteOfANameAndFallsBackToPositionZero) {
    GraphicsTable empty(renderer_, log_);
    // With no sprite at all the fallback position gives nothing to draw.
    EXPECT_EQ(empty.FindSpriteIndex("menu"), 0);
    EXPECT_EQ(empty.GetSprite(empty.FindSpriteIndex("menu")), nullptr);

    WriteImage("gfx.tga", 8, 8);
    WriteImage("ents.tga", 16, 16);
    WriteTable("BWgfx.gtb", "[gfx.tga]\nfirst 0,0,1,1\nshared 0,0,2,2\n");
    WriteTable("BWents.etb", "[ents.tga]\nshared 0,0,3,3\nown 0,0,4,4\n");
    GraphicsTable table(renderer_, log_);
    table.LoadImageDirectory(root_ / "Base");
    table.LoadSpriteTable(root_ / "Base" / "BWgfx.gtb");
    table.LoadSpriteTable(root_ / "Base" / "BWents.etb");

    EXPECT_EQ(table.SpriteCount(), 4);
    EXPECT_EQ(table.FindSpriteIndex("shared"), 1);
    EXPECT_EQ(table.GetSprite(1)->image, table.FindImage("gfx.tga"));
    EXPECT_EQ(table.FindSpriteIndex("own"), 3);
    EXPECT_EQ(table.FindSpriteIndex("Own"), 0);
    EXPECT_EQ(table.FindSpriteIndex("nowhere"), 0);
    EXPECT_EQ(table.GetSprite(-1), nullptr);
    EXPECT_EQ(table.GetSprite(4), nullptr);
}
