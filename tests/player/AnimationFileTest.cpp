// The .bwv files: a cut or wild file stops where it goes wrong, says which animation, and never
// reads past its end. That what is saved loads back bit for bit, -0 and tiny numbers too, the
// animation text's test shows.
#include <gtest/gtest.h>

#include <limits>

#include "core/ByteWriter.h"
#include "player/AnimationSet.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

using Lower = Animation<LowerPose::kPoints>;

// An animation whose points all differ and carry their frame's mark, so a lost point shows.
Lower Made(float speed, std::initializer_list<float> marks) {
    Lower animation;
    animation.speed = speed;
    animation.frames.clear();
    for (const float v : marks) {
        LowerPose& pose = animation.frames.emplace_back();
        for (std::size_t i = 0; i < LowerPose::kPoints; ++i)
            pose.SetPoint(i, Vec2{v + static_cast<float>(i), -v - 0.25f * static_cast<float>(i)});
    }
    return animation;
}

void ExpectSame(const Lower& a, const Lower& b) {
    EXPECT_EQ(a.speed, b.speed);
    ASSERT_EQ(a.frames.size(), b.frames.size());
    for (std::size_t f = 0; f < a.frames.size(); ++f)
        EXPECT_EQ(a.frames[f].Points(), b.frames[f].Points()) << "frame " << f;
}
}  // namespace

TEST(AnimationFile, AFileStopsWhereItEndsOrGoesWrongNamesThatAnimationAndLeavesTheRest) {
    LowerAnimationSet made;
    made.Get(0) = Made(0.01f, {1, 2});
    made.Get(1) = Made(0.2f, {3, 4, 5});  // cut inside its third frame below
    const Bytes all = made.Save();
    const std::size_t second = 8 + 2 * 48;  // where "Running" starts
    const auto cut = [&](std::size_t size) {
        return Bytes(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(size));
    };
    // The first record, then "Running" with this speed, count and eighth number of its points.
    const auto wild = [&](float speed, std::int32_t count, float point) {
        ByteWriter record;
        record.WriteFloat(speed);
        record.WriteInt32(count);
        for (int i = 0; i < 12; ++i)
            record.WriteFloat(i == 7 ? point : 1.0f);
        Bytes file = cut(second);
        file.insert(file.end(), record.Bytes().begin(), record.Bytes().end());
        return file;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        Bytes file;
        float speed;  // of "Running" after the load: where the file ends, the default
        const char* problem;
    } cases[] = {
        {cut(second), 0.008f, ""},  // between records, which is no fault
        {cut(second + 2), 0.008f, "ends inside its speed"},
        {cut(second + 6), 0.3f, "ends inside its frame count"},
        {cut(second + 8 + 48 + 20), 0.3f, "claims 3 frames, more than the file holds"},
        // A huge count is the game's animation file test's; a negative one would allocate far
        // beyond the file if it were believed.
        {wild(0.1f, -5, 1.0f), 0.3f, "has a frame count of -5"},
        {wild(nan, 1, 1.0f), 0.3f, "has a speed that is not a finite number"},
        {wild(0.1f, 1, -inf), 0.3f, "has a point that is not a finite number"},
    };
    for (const auto& [file, speed, problem] : cases) {
        SCOPED_TRACE(problem);
        LowerAnimationSet set;
        set.Get(1) = Made(0.3f, {9});
        set.Get(2) = Made(0.25f, {1});
        const AnimationLoadReport report = set.Load(file);
        EXPECT_EQ(report.recordsRead, 1);
        std::vector<std::string> problems;
        if (*problem != '\0') problems.push_back("animation 1 \"Running\" " + std::string(problem));
        EXPECT_EQ(report.problems, problems);
        ExpectSame(set.Get(0), made.Get(0));
        ExpectSame(set.Get(1), Made(speed, {9}));
        ExpectSame(set.Get(2), Made(0.25f, {1}));
    }
}
