#include "core/Random.h"

#include <gtest/gtest.h>

TEST(Random, RangeStaysInsideAndTheSameSeedRepeats) {
    SeedRandom(7);
    std::vector<float> first;
    for (int i = 0; i < 1000; ++i) {
        const float r = RandomRange(-2.0f, 3.0f);
        ASSERT_GE(r, -2.0f);
        ASSERT_LE(r, 3.0f);
        first.push_back(r);
    }
    SeedRandom(7);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(RandomRange(-2.0f, 3.0f), first[i]);

    EXPECT_EQ(RandomRange(4.5f, 4.5f), 4.5f);

    int lowest = kRandomMax;
    int highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int r = RandomInt();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, kRandomMax);
}
