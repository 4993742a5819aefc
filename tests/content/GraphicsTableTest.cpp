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
        log_.Open(root_ / "Log.txt");
    }

    void WriteImage(const std::string& name, int width, int height) {
        WriteBytes(root_ / "Base" / name, SolidTga(width, height, {1, 2, 3, 255}));
    }
    void WriteTable(const std::string& name, const std::string& text) {
        std::ofstream(root_ / "Base" / name, std::ios::binary) << text;
    }

    fs::path root_;
    Log log_;
    RecordingRenderer renderer_;
};

TEST_F(GraphicsTableTest, LoadsAFoldersTgasByNameAndCutsSpritesByTheTable) {
    WriteImage("sheet.tga", 512, 256);
    WriteImage("A.TGA", 2, 2);
    WriteImage("odd.tga", 3, 3);  // not a power of two: refused
    WriteImage("MapObjects/deep.tga", 2, 2);
    // The line syntax itself is the sprite table reader's; here: what each line becomes.
    WriteTable("t.gtb",
               "early 0,0,1,1\n[sheet.tga]\nmenu 0,0,512,384\n[gone.tga]\nlost 0,0,1,1\n"
               "[g\x01\xff]\nx 0,0,1,1\ngarbled\n");
    WriteTable("empty.gtb", "\n  \n");
    GraphicsTable table(renderer_, log_);
    table.LoadImageDirectory(root_ / "Base");
    EXPECT_EQ(table.ImageCount(), 2);
    EXPECT_EQ(table.FindImage("a.tga"), nullptr);  // names compare exactly
    EXPECT_EQ(table.FindImage("deep.tga"), nullptr);
    EXPECT_TRUE(table.LoadSpriteTable(root_ / "Base" / "t.gtb"));
    EXPECT_TRUE(table.LoadSpriteTable(root_ / "Base" / "empty.gtb"));

    ASSERT_EQ(table.SpriteCount(), 1);
    const Sprite* menu = table.GetSprite(table.FindSpriteIndex("menu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->image, table.FindImage("sheet.tga"));
    EXPECT_EQ(menu->NaturalHeight(), 384);
    EXPECT_EQ(menu->tx2, 1.0f);
    EXPECT_EQ(menu->ty2, menu->image->TexCoordV(384));
    // Why a picture or a table line was refused; names from files with no raw bytes.
    log_.Close();
    EXPECT_EQ(
        ReadLines(root_ / "Log.txt"),
        (std::vector<std::string>{
            "Loaded A.TGA (2 x 2)",
            "Couldn't load " + (root_ / "Base" / "odd.tga").string() +
                ": it is 3 x 3; each side must be a power of two from 2 to 512.",
            "Loaded sheet.tga (512 x 256)", "Couldn't find UNDEFINED",
            "Loaded \"menu\" from \"sheet.tga\"", "Couldn't find gone.tga",
            "Couldn't find g\\x01\\xff",
            "The sprite table " + (root_ / "Base" / "t.gtb").string() +
                " is damaged: skipped 1 unreadable line, the first is line 8.",
            "The sprite table " + (root_ / "Base" / "empty.gtb").string() + " names no sprites."}));
}

TEST_F(GraphicsTableTest, LooksUpTheFirstSpriteOfANameAndFallsBackToPositionZero) {
    GraphicsTable table(renderer_, log_);
    EXPECT_EQ(table.GetSprite(table.FindSpriteIndex("menu")), nullptr);  // nothing to draw
    WriteImage("gfx.tga", 8, 8);
    WriteImage("ents.tga", 16, 16);
    WriteTable("BWgfx.gtb", "[gfx.tga]\nfirst 0,0,1,1\nshared 0,0,2,2\n");
    WriteTable("BWents.etb", "[ents.tga]\nshared 0,0,3,3\nown 0,0,4,4\n");
    table.LoadImageDirectory(root_ / "Base");
    table.LoadSpriteTable(root_ / "Base" / "BWgfx.gtb");
    table.LoadSpriteTable(root_ / "Base" / "BWents.etb");
    EXPECT_EQ(table.GetSprite(table.FindSpriteIndex("shared"))->image, table.FindImage("gfx.tga"));
    EXPECT_EQ(table.FindSpriteIndex("own"), 3);
    EXPECT_EQ(table.FindSpriteIndex("nowhere"), 0);
    EXPECT_EQ(table.GetSprite(4), nullptr);
}
