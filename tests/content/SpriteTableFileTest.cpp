#include "content/SpriteTableFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

namespace {
void ExpectSprite(const std::string& line, const std::string& name, int x1, int y1, int x2,
                  int y2) {
    SCOPED_TRACE(line);
    const auto sprite = ParseSpriteLine(line);
    ASSERT_TRUE(sprite.has_value());
    EXPECT_EQ(sprite->name, name);
    EXPECT_EQ(sprite->x1, x1);
    EXPECT_EQ(sprite->y1, y1);
    EXPECT_EQ(sprite->x2, x2);
    EXPECT_EQ(sprite->y2, y2);
}
}  // namespace

TEST(SpriteTableFile, ReadsSpriteLinesLikeAFormattedScan) {
    ExpectSprite("menu 0,0,512,384", "menu", 0, 0, 512, 384);
    ExpectSprite("menu 0, 0, 512, 384", "menu", 0, 0, 512, 384);
    ExpectSprite("  \tmenu\t 1,2,3,4 and whatever follows", "menu", 1, 2, 3, 4);
    ExpectSprite("m -1,+2,-3,4", "m", -1, 2, -3, 4);
    ExpectSprite(std::string(kMaxSpriteName, 'n') + " 1,2,3,4", std::string(kMaxSpriteName, 'n'), 1,
                 2, 3, 4);

    for (const std::string bad :
         {"", "   ", "menu", "menu 0 ,0,512,384", "menu 1,2,3", "menu0,0,512,384", "menu 1,2,3,x",
          "menu 1,,2,3,4", "menu 1,2,3,99999999999", "menu +-1,2,3,4"}) {
        EXPECT_FALSE(ParseSpriteLine(bad).has_value()) << bad;
    }
    // A name too long for the table's name field is not cut short into another name.
    EXPECT_FALSE(ParseSpriteLine(std::string(200, 'n') + " 1,2,3,4").has_value());
}

TEST(SpriteTableFile, SectionLinesNameTheImageWithoutTheirFirstAndLastCharacter) {
    EXPECT_EQ(ParseSectionLine("[sheet.tga]"), "sheet.tga");
    EXPECT_EQ(ParseSectionLine("[x]"), "x");
    EXPECT_EQ(ParseSectionLine("[]"), "");
    EXPECT_EQ(ParseSectionLine("["), "");
    EXPECT_EQ(ParseSectionLine("[a b"), "a ");
    EXPECT_FALSE(ParseSectionLine(" [x]").has_value());
    EXPECT_FALSE(ParseSectionLine("").has_value());
}

TEST(SpriteTableFile, TellsEachSpriteLineTheImageOfItsSection) {
    std::istringstream in(std::string("early 1,1,2,2\n"
                                      "[a.tga]\r\n"
                                      "\n"
                                      "one 0,0,8,8\r\n"
                                      "junk line\n"
                                      "[b.tga]\n"
                                      "two 0,0,4,4\n"
                                      "th") +
                          std::string(1, '\0') + "ree 1,1,2,2\n" + std::string(300, 'z') +
                          " 1,2,3,4\n" + "last 5,6,7,8");
    std::vector<std::pair<std::string, std::string>> seen;
    ReadSpriteTable(in, [&](const std::string& image, const SpriteLine& sprite) {
        seen.emplace_back(image, sprite.name);
    });
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"UNDEFINED", "early"}, {"a.tga", "one"}, {"b.tga", "two"}, {"b.tga", "last"}};
    EXPECT_EQ(seen, expected);
}
