#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFailsWithMinusOne)
{
    const struct {
        int a, b, c, expected;
    } cases[] = {
        {8, 7, 4, 14},          {10, 7, 4, 18},           // 17.5 up
        {-10, 7, 4, -18},       {10, 7, -4, -18},         // -17.5 away from zero
        {-10, -7, -4, -18},     {-10, -7, 4, 18},         // signs of all three
        {1, 1, 3, 0},           {2, 1, 3, 1},             // below and above a half
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},             // the product in 64 bits
        {INT_MIN, 1, 1, INT_MIN}, {INT_MIN, -1, 1, -1},   // INT_MAX + 1 does not fit
        {INT_MAX, 2, 1, -1},    {5, 7, 0, -1},            // overflow, division by 0
    };
    for (const auto &t : cases)
        EXPECT_EQ(MulDiv(t.a, t.b, t.c), t.expected) << t.a << " * " << t.b << " / " << t.c;
}
