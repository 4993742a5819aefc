#include <gtest/gtest.h>

#include <bit>
#include <sstream>

#include "AnimTextReader.h"
#include "AnimTextWriter.h"

namespace {

AnimTextResult Read(const std::string& text) {
    std::istringstream in(text);
    return ReadAnimText(in, "test.anim");
}

std::vector<std::uint8_t> Build(const std::string& text) {
    const AnimTextResult read = Read(text);
    EXPECT_TRUE(read.set) << read.error;
    return read.set ? SaveAnimationSet(*read.set) : std::vector<std::uint8_t>{};
}

// Unknown records and numbers are the shared text reader's, refused in the map text's test.
// Numbers a float only just holds, a name in quotes, an animation with no frames, and animations
// left out, in the loose spacing a person types.
const char* const kArms = R"(# arms
figure upper
animation 2 "Reload Platinum"   # named, so a wrong index shows
speed 0.045
frame 0 0  -3 5.5  -6 5.5  -9.5 3  -12.5 3.5
frame	-0  1e-45  3.4028235e+38 -3.4028235e+38  0.1 0.2  1 2  3 4
animation 0
speed 0
animation 7 Unused
)";

}  // namespace

TEST(AnimText, ReadsPrintsAndBuildsTheSameBytes) {
    const AnimTextResult read = Read(kArms);
    ASSERT_TRUE(read.set) << read.error;
    ASSERT_TRUE(std::holds_alternative<UpperAnimationSet>(*read.set));
    const UpperAnimationSet& arms = std::get<UpperAnimationSet>(*read.set);
    EXPECT_EQ(arms.Get(2).speed, 0.045f);
    ASSERT_EQ(arms.Get(2).frames.size(), 2u);
    EXPECT_EQ(arms.Get(2).frames[0].Point(4), (Vec2{-12.5f, 3.5f}));
    const Vec2 odd = arms.Get(2).frames[1].Point(0);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(odd.x), 0x80000000u);  // -0 stays -0
    EXPECT_EQ(odd.y, 1e-45f);
    EXPECT_EQ(arms.Get(0).frames.size(), 0u);  // named with no frame: none
    EXPECT_EQ(arms.Get(1).frames.size(), 2u);  // left out: the resting poses

    // Printed from the built bytes, it builds to the same bytes; the tool's own test does this
    // for every built set.
    const std::vector<std::uint8_t> bytes = SaveAnimationSet(*read.set);
    UpperAnimationSet loaded;
    ASSERT_TRUE(loaded.Load(bytes).problems.empty());
    const std::string printed = WriteAnimText(loaded);
    EXPECT_EQ(Build(printed), bytes);
    EXPECT_NE(printed.find("\nanimation 2 \"Reload Platinum\"\nspeed 0.045\n"), std::string::npos);
}

TEST(AnimText, RefusesFaultsNamingTheFileAndLine) {
    const std::string legs = "figure lower\nanimation 1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"# only a comment\n", "test.anim: the text has no figure line"},
        {"figure middle\n", "test.anim:1: unknown figure \"middle\"; a figure is lower or upper"},
        {"figure lower\nanimation 10\n", "test.anim:2: animation 10 is not one of 0 to 9"},
        {"figure lower\nanimation 1 Standing\n",
         "test.anim:2: animation 1 is Running, not Standing"},
        {legs + "animation 1\n", "test.anim:3: a second animation 1; the first is line 2"},
        {"figure lower\nspeed 1\n",
         "test.anim:2: speed belongs to an animation; an animation line comes first"},
        {legs + "frame 1 2 3 4 5 6 7 8 9 10 11\n",
         "test.anim:3: a frame of the lower figure is 12 numbers, x y of its neck, hip, left "
         "knee, right knee, left foot and right foot; 11 given"},
    };
    for (const auto& [text, error] : cases) {
        const AnimTextResult read = Read(text);
        EXPECT_FALSE(read.set) << text;
        EXPECT_EQ(read.error, error) << text;
    }
}
