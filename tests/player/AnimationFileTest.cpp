// The .bwv files: what is saved loads back bit for bit, in the layout other tools read, and a
// cut or wild file stops where it goes wrong, says which animation, and never reads past its end.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "core/ByteWriter.h"
#include "player/AnimationSet.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A pose whose points all differ and carry `v`, so a swapped or lost point shows.
template <std::size_t N>
Pose<N> Marked(float v) {
    Pose<N> pose;
    for (std::size_t i = 0; i < N; ++i)
        pose.SetPoint(i, Vec2{v + static_cast<float>(i), -v - 0.25f * static_cast<float>(i)});
    return pose;
}

template <std::size_t N>
Animation<N> Made(float speed, std::initializer_list<float> marks) {
    Animation<N> animation;
    animation.speed = speed;
    animation.frames.clear();
    for (const float mark : marks)
        animation.frames.push_back(Marked<N>(mark));
    return animation;
}

// Same speed and points, compared as bits so -0 and NaN patterns count.
template <std::size_t N>
void ExpectSame(const Animation<N>& a, const Animation<N>& b, int index) {
    SCOPED_TRACE("animation " + std::to_string(index));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a.speed), std::bit_cast<std::uint32_t>(b.speed));
    ASSERT_EQ(a.frames.size(), b.frames.size());
    for (std::size_t f = 0; f < a.frames.size(); ++f) {
        for (std::size_t i = 0; i < N; ++i) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(a.frames[f].Point(i)),
                      std::bit_cast<std::uint64_t>(b.frames[f].Point(i)))
                << "frame " << f << " point " << i;
        }
    }
}

template <std::size_t N>
void ExpectRoundTrip(const AnimationSet<N>& set) {
    const Bytes bytes = set.Save();
    std::size_t expected = 0;
    for (int index = 0; index < AnimationSet<N>::kAnimations; ++index)
        expected += 8 + set.Get(index).frames.size() * N * 8;
    EXPECT_EQ(bytes.size(), expected);
    AnimationSet<N> loaded;
    const AnimationLoadReport report = loaded.Load(bytes);
    EXPECT_EQ(report.recordsRead, 10);
    EXPECT_TRUE(report.problems.empty());
    for (int index = 0; index < AnimationSet<N>::kAnimations; ++index)
        ExpectSame(loaded.Get(index), set.Get(index), index);
    EXPECT_EQ(loaded.Save(), bytes);
}

// A lower set whose first three animations differ from the defaults.
LowerAnimationSet ThreeMade() {
    LowerAnimationSet set;
    set.Get(0) = Made<6>(0.01f, {1, 2});
    set.Get(1) = Made<6>(0.2f, {3, 4, 5});
    set.Get(2) = Made<6>(0.03f, {6, 7});
    return set;
}

// The bytes of the first `records` records of a saved set.
Bytes FirstRecords(const LowerAnimationSet& set, int records) {
    std::size_t size = 0;
    for (int index = 0; index < records; ++index)
        size += 8 + set.Get(index).frames.size() * 48;
    const Bytes all = set.Save();
    return Bytes(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(size));
}

void ExpectDefault(const Animation<6>& animation) {
    EXPECT_EQ(animation.speed, 0.008f);
    ASSERT_EQ(animation.frames.size(), 2u);
    EXPECT_EQ(animation.frames[1].Points(), LowerPose().Points());
}

}  // namespace

TEST(AnimationFile, SavedSetsLoadBackBitForBit) {
    LowerAnimationSet lower = ThreeMade();
    lower.Get(3) = Made<6>(0.5f, {});     // no frames
    lower.Get(4) = Made<6>(1e-40f, {8});  // one frame, a speed below the normal floats
    lower.Get(9).frames[0].SetPoint(5, Vec2{-0.0f, std::numeric_limits<float>::max()});
    lower.Get(9).frames[1].SetPoint(0, Vec2{0.1f, -1e-45f});
    ExpectRoundTrip(lower);

    UpperAnimationSet upper;
    upper.Get(1) = Made<5>(0.15f, {1, 2, 3, 4, 5});
    upper.Get(2) = Made<5>(0.0f, {9, 8});
    ExpectRoundTrip(upper);
}

TEST(AnimationFile, ARecordIsSpeedCountAndPointsLittleEndian) {
    UpperAnimationSet set;
    Animation<5>& first = set.Get(0);
    first.speed = 0.5f;
    first.frames.assign(1, UpperPose());
    const std::array<Vec2, 5> points = {{{1, 2}, {3, -4}, {0.5f, 0}, {-1, 1}, {2, 2}}};
    first.frames[0].Points() = points;
    const Bytes bytes = set.Save();
    const Bytes record = {
        0x00, 0x00, 0x00, 0x3f, 0x01, 0x00, 0x00, 0x00,  // speed 0.5, 1 frame
        0x00, 0x00, 0x80, 0x3f, 0x00, 0x00, 0x00, 0x40,  // (1, 2)
        0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x80, 0xc0,  // (3, -4)
        0x00, 0x00, 0x00, 0x3f, 0x00, 0x00, 0x00, 0x00,  // (0.5, 0)
        0x00, 0x00, 0x80, 0xbf, 0x00, 0x00, 0x80, 0x3f,  // (-1, 1)
        0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x40,  // (2, 2)
        0x6f, 0x12, 0x03, 0x3c, 0x02, 0x00, 0x00, 0x00,  // the next: speed 0.008, 2 frames
    };
    ASSERT_EQ(bytes.size(), 48u + 9 * (8 + 2 * 40));  // no header, ten records
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 56), record);
}

TEST(AnimationFile, AFileEndingBetweenRecordsLeavesTheRestAsTheyWere) {
    const Bytes three = FirstRecords(ThreeMade(), 3);
    LowerAnimationSet fresh;
    const AnimationLoadReport report = fresh.Load(three);
    EXPECT_EQ(report.recordsRead, 3);
    EXPECT_TRUE(report.problems.empty());
    ExpectSame(fresh.Get(1), ThreeMade().Get(1), 1);
    for (int index = 3; index < 10; ++index)
        ExpectDefault(fresh.Get(index));

    // The animation where the file ended takes the default speed but keeps its frames; the
    // ones after it keep everything.
    LowerAnimationSet used;
    used.Get(3) = Made<6>(0.5f, {7, 7, 7});
    used.Get(4) = Made<6>(0.25f, {1});
    used.Load(three);
    EXPECT_EQ(used.Get(3).speed, 0.008f);
    EXPECT_EQ(used.Get(3).frames.size(), 3u);
    ExpectSame(used.Get(4), Made<6>(0.25f, {1}), 4);

    // An empty file is the same rule at animation 0.
    const AnimationLoadReport empty = used.Load({});
    EXPECT_EQ(empty.recordsRead, 0);
    EXPECT_TRUE(empty.problems.empty());
    EXPECT_EQ(used.Get(0).speed, 0.008f);
    EXPECT_EQ(used.Get(3).frames.size(), 3u);
}

TEST(AnimationFile, ACutRecordStopsReadingAndNamesItsAnimation) {
    const LowerAnimationSet made = ThreeMade();
    const std::size_t second = 8 + 2 * 48;  // where "Running" starts
    const struct {
        std::size_t cut;
        const char* problem;
    } cuts[] = {
        {second + 2, "animation 1 \"Running\" ends inside its speed"},
        {second + 6, "animation 1 \"Running\" ends inside its frame count"},
        {second + 8 + 48 + 20, "animation 1 \"Running\" claims 3 frames, more than the file holds"},
    };
    const Bytes all = made.Save();
    for (const auto& [cut, problem] : cuts) {
        SCOPED_TRACE(cut);
        LowerAnimationSet set;
        set.Get(1) = Made<6>(0.3f, {9});
        const AnimationLoadReport report =
            set.Load(Bytes(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(cut)));
        EXPECT_EQ(report.recordsRead, 1);
        EXPECT_EQ(report.problems, std::vector<std::string>{problem});
        ExpectSame(set.Get(0), made.Get(0), 0);
        // A cut speed is the end of the file; a record cut later is not taken at all.
        EXPECT_EQ(set.Get(1).speed, cut == second + 2 ? 0.008f : 0.3f);
        EXPECT_EQ(set.Get(1).frames.size(), 1u);
        ExpectDefault(set.Get(2));
    }
}

TEST(AnimationFile, CountsAndNumbersTheFileCannotHoldAreRefused) {
    // Zero and one frame read as they are; the match mends what it plays.
    ByteWriter few;
    few.WriteFloat(0.1f);
    few.WriteInt32(0);
    few.WriteFloat(0.1f);
    few.WriteInt32(1);
    for (int i = 0; i < 10; ++i)
        few.WriteFloat(static_cast<float>(i));
    UpperAnimationSet upper;
    const AnimationLoadReport read = upper.Load(few.Bytes());
    EXPECT_EQ(read.recordsRead, 2);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(upper.Get(0).frames.size(), 0u);
    EXPECT_EQ(upper.Get(1).frames.size(), 1u);
    EXPECT_EQ(upper.Get(1).frames[0].Point(4), (Vec2{8, 9}));
    EXPECT_EQ(upper.MendUnplayable(3), (std::vector<int>{0, 1}));
    EXPECT_EQ(upper.Get(1).frames.size(), 2u);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float speed;
        std::int32_t count;
        float point;
        const char* problem;
    } wild[] = {
        // Either count would allocate far beyond the file if it were believed.
        {0.1f, 0x7fffffff, 1.0f, "claims 2147483647 frames, more than the file holds"},
        {0.1f, -5, 1.0f, "has a frame count of -5"},
        {nan, 1, 1.0f, "has a speed that is not a number of zero or more"},
        {-0.5f, 1, 1.0f, "has a speed that is not a number of zero or more"},
        {0.1f, 1, nan, "has a point that is not a finite number"},
        {0.1f, 1, -inf, "has a point that is not a finite number"},
    };
    for (const auto& [speed, count, point, problem] : wild) {
        SCOPED_TRACE(problem);
        ByteWriter file;
        file.WriteFloat(speed);
        file.WriteInt32(count);
        for (int i = 0; i < 10; ++i)
            file.WriteFloat(i == 7 ? point : 1.0f);
        UpperAnimationSet set;
        const AnimationLoadReport report = set.Load(file.Bytes());
        EXPECT_EQ(report.recordsRead, 0);
        EXPECT_EQ(report.problems,
                  std::vector<std::string>{"animation 0 \"Normal\" " + std::string(problem)});
        EXPECT_EQ(set.Save(), UpperAnimationSet().Save());  // nothing was taken
    }
}
