// Seeded random numbers stay in range and repeat for the same seed; degree mathematics.
#include <gtest/gtest.h>

#include "engine/Engine.h"

TEST(Random, RangesAndRepeatability) {
    eng::SeedRnd(42);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) {
        int v = eng::Rand(-3, 5);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 5);
        first.push_back(v);
        double f = eng::Rnd(2.0, 3.0);
        ASSERT_GE(f, 2.0);
        ASSERT_LT(f, 3.0);
        ASSERT_EQ(eng::Rand(1, 1), 1);
    }
    // Reversed bounds give a value between them (a chip's drift is Rand(0, -1)).
    int seen[2] = {0, 0};
    for (int i = 0; i < 200; ++i) {
        const int v = eng::Rand(0, -1);
        ASSERT_TRUE(v == 0 || v == -1) << v;
        ++seen[-v];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_NE(std::count(first.begin(), first.end(), -3), 0);
    EXPECT_NE(std::count(first.begin(), first.end(), 5), 0);
    eng::SeedRnd(42);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(eng::Rand(-3, 5), first[i]);
        eng::Rnd(2.0, 3.0);
        eng::Rand(1, 1);
    }
}

TEST(Mathematics, DegreesAndSign) {
    EXPECT_NEAR(eng::Sin(90), 1.0, 1e-12);
    EXPECT_NEAR(eng::Cos(180), -1.0, 1e-12);
    EXPECT_NEAR(eng::ATan2(1, 0), 90.0, 1e-12);
    EXPECT_EQ(eng::Sgn(-0.5), -1);
    EXPECT_EQ(eng::Sgn(0), 0);
    EXPECT_EQ(eng::Sgn(3), 1);
}
