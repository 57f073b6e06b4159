/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "DoublePair.h"

#include <cstring>
#include <limits>

namespace
{
    template <typename T>
    bool sameBits (T a, T b)
    {
        return std::memcmp (&a, &b, sizeof (T)) == 0;
    }

    template <typename Pair>
    ::testing::AssertionResult lanesAre (Pair pair, double left, double right)
    {
        if (sameBits (pair.getLeft(), left) && sameBits (pair.getRight(), right))
            return ::testing::AssertionSuccess();

        return ::testing::AssertionFailure() << "lanes " << pair.getLeft() << ", " << pair.getRight()
                                             << " instead of " << left << ", " << right;
    }
}

template <typename Pair>
class DoublePairLanes : public ::testing::Test
{
};

// The plain pair is compiled and checked here even where SSE2 makes it unused.
#if VOSTREL_SSE2_PAIR
using PairTypes = ::testing::Types<ScalarDoublePair, Sse2DoublePair>;
#else
using PairTypes = ::testing::Types<ScalarDoublePair>;
#endif
TYPED_TEST_SUITE (DoublePairLanes, PairTypes);

TYPED_TEST (DoublePairLanes, EachLaneIsExactlyTheScalarOperation)
{
    using Pair = TypeParam;
    constexpr auto inf = std::numeric_limits<double>::infinity();

    // Values that round, overflow or underflow on the way to float, signed zeros,
    // a subnormal and a NaN, each paired with every other in both lane orders.
    const double values[] = { 0.0, -0.0, 1.0, -1.5, 0.1, 1.0 + 0x1.0p-24, 3.4028235e38, 1.0e300,
                              1.0e-310, 1.0e-40, inf, std::numeric_limits<double>::quiet_NaN() };

    for (double a : values)
    {
        EXPECT_TRUE (lanesAre (Pair::broadcast (a), a, a));

        for (double b : values)
        {
            const double ab[] { a, b }, ba[] { b, a };
            const auto p = Pair::load (ab), q = Pair::load (ba);

            EXPECT_TRUE (lanesAre (p, a, b));
            EXPECT_TRUE (lanesAre (p + q, a + b, b + a));
            EXPECT_TRUE (lanesAre (p - q, a - b, b - a));
            EXPECT_TRUE (lanesAre (p * q, a * b, b * a));

            double stored[2];
            p.store (stored);
            EXPECT_TRUE (sameBits (stored[0], a) && sameBits (stored[1], b));

            float l, r;
            p.toFloats (&l, &r);
            EXPECT_TRUE (sameBits (l, (float) a) && sameBits (r, (float) b)) << a << ", " << b;

            const float fl = (float) a, fr = (float) b;
            EXPECT_TRUE (lanesAre (Pair::fromFloats (&fl, &fr), (double) fl, (double) fr));
        }
    }
}
