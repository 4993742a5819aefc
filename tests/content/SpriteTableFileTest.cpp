#include "content/SpriteTableFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

TEST(SpriteTableFile, ReadsSpriteLinesLikeAFormattedScan) {
    const auto sprite = ParseSpriteLine("  \tmenu\t 1, 2,-3,+4 and whatever follows");
    ASSERT_TRUE(sprite.has_value());
    EXPECT_EQ(std::tuple(sprite->name, sprite->x1, sprite->y1, sprite->x2, sprite->y2),
              std::tuple("menu", 1, 2, -3, 4));
    EXPECT_TRUE(ParseSpriteLine(std::string(kMaxSpriteName, 'n') + " 1,2,3,4").has_value());
    // Refused; a name too long for the name field is not cut short into another name.
    for (const std::string& bad :
         std::vector<std::string>{"menu", "menu 0 ,0,512,384", "menu 1,2,3", "menu0,0,512,384",
                                  "menu 1,2,3,99999999999", std::string(200, 'n') + " 1,2,3,4"}) {
        EXPECT_FALSE(ParseSpriteLine(bad).has_value()) << bad;
    }
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
