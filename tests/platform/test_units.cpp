#include "units.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(Units, RoundGoesToTheEvenNeighbourOnHalves)
{
    const struct
    {
        double value;
        int expected;
    } cases[] = {
        {0.5, 0},         {1.5, 2},          {2.5, 2},
        {3.5, 4},         {-0.5, 0},         {-1.5, -2},
        {-2.5, -2},       {2.4999, 2},       {2.5001, 3},
        {-2.5001, -3},    {7.0, 7},          {-7.0, -7},
        {1e300, INT_MAX}, {-1e300, INT_MIN}, {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Round(c.value), c.expected) << c.value;
}

TEST(Units, TruncGoesTowardZero)
{
    const struct
    {
        double value;
        int expected;
    } cases[] = {
        {-0.5, 0},
        {-1.7, -1},
        {1.9, 1},
        {0.0, 0},
        {-0.0, 0},
        {3e10, INT_MAX},
        {-3e10, INT_MIN},
        {std::numeric_limits<double>::infinity(), INT_MAX},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Trunc(c.value), c.expected) << c.value;
}

TEST(Units, AngleConversionsRoundToWholeValues)
{
    // 16 units are 22.5 degrees and 48 are 67.5: the halves go to the even neighbour.
    const std::pair<int, int> toDegrees[] = {{0, 0},     {1, 1},     {3, 4},     {16, 22},
                                             {48, 68},   {64, 90},   {128, 180}, {192, 270},
                                             {256, 360}, {300, 422}, {-64, -90}, {-16, -22}};
    for (auto [units, degrees] : toDegrees)
        EXPECT_EQ(unitsToDegrees(units), degrees) << units;

    const std::pair<double, int> toUnits[] = {{0, 0},     {1, 1},     {45, 32},   {90, 64},
                                              {-45, -32}, {360, 256}, {720, 512}, {10, 7}};
    for (auto [degrees, units] : toUnits)
        EXPECT_EQ(degreesToUnits(degrees), units) << degrees;
}

TEST(Units, DirectionUsesWholeDegreesInScreenSense)
{
    const struct
    {
        int angle;
        double dx, dy;
    } cases[] = {
        {0, 1, 0},
        {64, 0, 1},
        {128, -1, 0},
        {192, 0, -1},
        {256, 1, 0},
        {-64, 0, -1},
        {512, 1, 0},
        // 1 unit is 1.40625 degrees; the direction is that of exactly 1 degree.
        {1, std::cos(M_PI / 180), std::sin(M_PI / 180)},
        {16, std::cos(22 * M_PI / 180), std::sin(22 * M_PI / 180)},
    };
    for (const auto &c : cases) {
        const QPointF d = directionOf(c.angle);
        EXPECT_NEAR(d.x(), c.dx, 1e-12) << c.angle;
        EXPECT_NEAR(d.y(), c.dy, 1e-12) << c.angle;
    }
}

TEST(Units, DivRoundsTowardZeroAndNeverTraps)
{
    const struct
    {
        int a, b, expected;
    } cases[] = {
        {7, 2, 3},
        {-7, 2, -3},
        {7, -2, -3},
        {-7, -2, 3},
        {0, 5, 0},
        {5, 0, 0},
        {-5, 0, 0},
        {INT_MIN, -1, INT_MAX},
        {INT_MIN, 1, INT_MIN},
    };
    for (const auto &c : cases)
        EXPECT_EQ(units::div(c.a, c.b), c.expected) << c.a << " div " << c.b;
}
