#include <gtest/gtest.h>

#include <bit>
#include <sstream>

#include "AnimSvg.h"
#include "AnimTextReader.h"
#include "AnimTextWriter.h"
#include "support/FileText.h"

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
    EXPECT_EQ(arms.Get(0).speed, 0.0f);
    EXPECT_EQ(arms.Get(7).frames.size(), 0u);
    // Left out: the two resting poses at the usual pace.
    EXPECT_EQ(arms.Get(1).speed, 0.008f);
    EXPECT_EQ(arms.Get(1).frames.size(), 2u);

    // Printed from the built bytes, as `animtool print` does, it builds to the same bytes and
    // prints the same again.
    const std::vector<std::uint8_t> bytes = SaveAnimationSet(*read.set);
    UpperAnimationSet loaded;
    ASSERT_TRUE(loaded.Load(bytes).problems.empty());
    const std::string printed = WriteAnimText(loaded);
    EXPECT_EQ(Build(printed), bytes);
    const AnimTextResult again = Read(printed);
    ASSERT_TRUE(again.set) << again.error;
    EXPECT_EQ(WriteAnimText(std::get<UpperAnimationSet>(*again.set)), printed);
    EXPECT_NE(printed.find("\nanimation 2 \"Reload Platinum\"\nspeed 0.045\n"
                           "frame  0 0  -3 5.5  -6 5.5  -9.5 3  -12.5 3.5\n"),
              std::string::npos);

    // The legs take six points; comments, blank lines and either line end are not part of it.
    const auto legs = Build(
        "figure lower\r\n\n# x\nanimation 1 Running # the run\r\n"
        "frame 1 2 3 4 5 6 7 8 9 10 11 12\n");
    LowerAnimationSet expected;
    expected.Get(1).frames.assign(1, LowerPose());
    for (std::size_t i = 0; i < 6; ++i) {
        const auto x = static_cast<float>(2 * i + 1);
        expected.Get(1).frames[0].SetPoint(i, Vec2{x, x + 1});
    }
    EXPECT_EQ(legs, expected.Save());
}

TEST(AnimText, RefusesFaultsNamingTheFileAndLine) {
    const std::string legs = "figure lower\nanimation 1\n";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"# only a comment\n", "test.anim: the text has no figure line"},
        {"pose 1 2\n",
         "test.anim:1: unknown record \"pose\"; a line starts with figure, animation, speed or "
         "frame"},
        {"figure middle\n", "test.anim:1: unknown figure \"middle\"; a figure is lower or upper"},
        {"figure \"lower\"\n", "test.anim:1: unknown figure \"lower\"; a figure is lower or upper"},
        {"figure\n", "test.anim:1: figure takes one word, lower or upper; 0 given"},
        {"figure lower\n\nfigure upper\n",
         "test.anim:3: a second figure line; the first is line 1"},
        {"animation 0\nfigure lower\n", "test.anim:1: the figure line comes before any animation"},
        {"figure lower\nanimation 10\n", "test.anim:2: animation 10 is not one of 0 to 9"},
        {"figure lower\nanimation -1\n", "test.anim:2: animation -1 is not one of 0 to 9"},
        {"figure lower\nanimation one\n", "test.anim:2: \"one\" is not a whole number of 32 bits"},
        {"figure lower\nanimation 1 Standing\n",
         "test.anim:2: animation 1 is Running, not Standing"},
        {"figure upper\nanimation 2 Reload Platinum\n",
         "test.anim:2: animation takes an index from 0 to 9 and an optional name (in quotes when "
         "it holds blanks); 3 given"},
        {legs + "animation 1\n", "test.anim:3: a second animation 1; the first is line 2"},
        {"figure lower\nspeed 1\n",
         "test.anim:2: speed belongs to an animation; an animation line comes first"},
        {"figure lower\nframe 1 2\n",
         "test.anim:2: frame belongs to an animation; an animation line comes first"},
        {legs + "speed 0.1\nspeed 0.2\n",
         "test.anim:4: a second speed for animation 1; the first is line 3"},
        {legs + "speed -0.5\n", "test.anim:3: the speed -0.5 is below 0"},
        {legs + "speed nan\n", "test.anim:3: \"nan\" is not a finite number"},
        {legs + "speed 1 2\n",
         "test.anim:3: speed takes one number, the phase gained per step; "
         "2 given"},
        {legs + "frame 1 2 3 4 5 6 7 8 9 10 11\n",
         "test.anim:3: a frame of the lower figure is 12 numbers, x y of its neck, hip, left "
         "knee, right knee, left foot and right foot; 11 given"},
        {"figure upper\nanimation 0\nframe 1 2 3 4 5 6 7 8 9 10 11 12\n",
         "test.anim:3: a frame of the upper figure is 10 numbers, x y of its shoulder, weapon "
         "elbow, other elbow, weapon hand and other hand; 12 given"},
        {legs + "frame 1 2 3 4 5 6 7 8 9 10 11 1e39\n",
         "test.anim:3: \"1e39\" is out of the range of a float"},
        {legs + "frame\n",
         "test.anim:3: frame takes the x y of every point of the figure; 0 given"},
    };
    for (const auto& [text, error] : cases) {
        const AnimTextResult read = Read(text);
        EXPECT_FALSE(read.set) << text;
        EXPECT_EQ(read.error, error) << text;
    }
}

TEST(AnimText, SvgDrawsEveryFrameAndTheBlendsBetween) {
    UpperAnimationSet set;
    set.Get(1).frames.resize(5);
    set.Get(2).frames.clear();
    set.Get(3).frames.resize(1000);  // more than a row shows
    const std::string plain = DrawAnimSvg(set, 0);
    EXPECT_EQ(plain.rfind("<svg ", 0), 0u);
    EXPECT_NE(plain.find(">2 Reload Platinum</text>"), std::string::npos);
    EXPECT_NE(plain.find(">0 frames, speed 0.008</text>"), std::string::npos);
    EXPECT_NE(plain.find(">loop 3.12 s, once 1.56 s</text>"), std::string::npos);
    // Four segments a frame, black: 2 frames in each of 7 animations, 5 in one, a row's worth
    // of the long one.
    const std::string frameLine = "stroke=\"#000000\"";
    const std::string blendLine = "stroke=\"#5878b0\"";
    EXPECT_EQ(CountOf(plain, frameLine), 4u * (7 * 2 + 5 + 120));
    EXPECT_EQ(CountOf(plain, blendLine), 0u);
    const std::string blended = DrawAnimSvg(set, 2);
    EXPECT_EQ(CountOf(blended, frameLine), 4u * (7 * 2 + 5 + 40));
    EXPECT_EQ(CountOf(blended, blendLine), 2 * 4u * (7 * 2 + 5 + 40));
    // The legs: five segments, every frame its own box.
    EXPECT_EQ(CountOf(DrawAnimSvg(LowerAnimationSet(), 0), frameLine), 5u * 2 * 10);
}
