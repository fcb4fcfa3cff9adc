#include <gtest/gtest.h>

#include "rules/Random.h"

namespace {

long long FixedClock(void* context) { return *static_cast<long long*>(context); }

class RandomTest : public ::testing::Test {
protected:
    void TearDown() override { MjSetClock(nullptr, nullptr); }
};

TEST_F(RandomTest, SeedOneGivesTheClassicRuntimeSequence) {
    MjSrand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(MjRand(), value);
}

TEST_F(RandomTest, NumbersStayWithinTheRuntimeRange) {
    MjSrand(987654321u);
    for (int i = 0; i < 10000; ++i) {
        const int r = MjRand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, kMjRandMax);
    }
}

TEST_F(RandomTest, TheSameSeedRepeatsTheSequence) {
    MjSrand(20261210u);
    int first[16];
    for (int& r : first) r = MjRand();
    MjSrand(20261210u);
    for (int r : first) EXPECT_EQ(MjRand(), r);
}

TEST_F(RandomTest, AnInstalledClockIsReadAndTheSystemClockComesBack) {
    long long now = 1234567;
    MjSetClock(FixedClock, &now);
    EXPECT_EQ(MjTime(), 1234567);
    now = 99;
    EXPECT_EQ(MjTime(), 99);
    MjSetClock(nullptr, nullptr);
    EXPECT_GT(MjTime(), 1700000000);
}

}  // namespace
