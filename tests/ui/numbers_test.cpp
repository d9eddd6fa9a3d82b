#include <gtest/gtest.h>

#include "ui/numbers.h"

using namespace num;

TEST(Numbers, TruncCutsTowardZero)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(-0.5), 0);
}

TEST(Numbers, RoundHalvesToEven)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(2.5001), 3);
    EXPECT_EQ(Round(10 * 20.0), 200);
}

TEST(Numbers, FixedFormatPadsAndNeverCuts)
{
    EXPECT_EQ(F(0.05, 5, 2), " 0.05");
    EXPECT_EQ(F(99.95, 5, 2), "99.95");
    EXPECT_EQ(F(100.0, 5, 2), "100.00");
    EXPECT_EQ(F(2.0, 3, 1), "2.0");
    EXPECT_EQ(F(12.5, 3, 1), "12.5");
    EXPECT_EQ(F(5.0, 4, 2), "5.00");
    EXPECT_EQ(F(10.0, 4, 2), "10.00");
    EXPECT_EQ(F(-0.5, 0, 1), "-0.5");
    EXPECT_EQ(F(-1.5, 0, 1), "-1.5");
}

TEST(Numbers, FixedFormatShowsNoNegativeZero)
{
    EXPECT_EQ(F(-0.001, 5, 2), " 0.00");
    EXPECT_EQ(F(-0.0, 0, 1), "0.0");
    EXPECT_EQ(F(-0.004, 6, 2), "  0.00");
}
