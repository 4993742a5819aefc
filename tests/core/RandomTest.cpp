#include "core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(Random, RangeStaysInsideTheSameSeedRepeatsAndIntegersReachBothEnds) {
    SeedRandom(7);
    std::vector<float> first;
    for (int i = 0; i < 1000; ++i)
        first.push_back(RandomRange(-2.0f, 3.0f));
    EXPECT_GE(*std::min_element(first.begin(), first.end()), -2.0f);
    EXPECT_LE(*std::max_element(first.begin(), first.end()), 3.0f);
    SeedRandom(7);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(RandomRange(-2.0f, 3.0f), first[i]);

    int lowest = kRandomMax, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int r = RandomInt();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(std::pair(lowest, highest), std::pair(0, kRandomMax));
}
