#include "runtime/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tessaly {
namespace {

// roundToDecimals promises the double nearest to the rounded decimal, so equality is exact here.
TEST(RoundingTest, RoundsToTenPlaces)
{
    EXPECT_EQ(roundToDecimals(0.0000062137119223, 10), 0.0000062137);
    EXPECT_EQ(roundToDecimals(-0.0000062137119223, 10), -0.0000062137);
    EXPECT_EQ(roundToDecimals(1e-9, 10), 1e-9);
    EXPECT_EQ(roundToDecimals(0.00000000005000001, 10), 1e-10);
    EXPECT_EQ(roundToDecimals(123456.12345678915, 10), 123456.1234567892);
    EXPECT_EQ(roundToDecimals(0.6213711922, 10), 0.6213711922);
}

TEST(RoundingTest, TiesGoToTheEvenDigit)
{
    EXPECT_EQ(roundToDecimals(0.00048828125, 10), 0.0004882812); // 2^-11, an exact tie
    EXPECT_EQ(roundToDecimals(0.00146484375, 10), 0.0014648438); // 3 * 2^-11
    EXPECT_EQ(roundToDecimals(-0.00048828125, 10), -0.0004882812);
}

TEST(RoundingTest, TinyValuesBecomeZeroOfTheirSign)
{
    EXPECT_EQ(roundToDecimals(1e-11, 10), 0.0);
    const double negative = roundToDecimals(-1e-11, 10);
    EXPECT_EQ(negative, 0.0);
    EXPECT_TRUE(std::signbit(negative));
}

TEST(RoundingTest, LeavesValuesWithoutAFractionAlone)
{
    const double max = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    for (double value :
        {max, -max, 1e300, 9007199254740993.0, 4503599627370496.0, infinity, -infinity}) {
        EXPECT_EQ(roundToDecimals(value, 10), value);
    }
    EXPECT_TRUE(std::isnan(roundToDecimals(std::nan(""), 10)));
    EXPECT_EQ(roundToDecimals(4503599627370495.5, 10), 4503599627370495.5);
}

} // namespace
} // namespace tessaly
