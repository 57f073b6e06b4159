/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "DoublePair.h"

#include <cstring>
#include <limits>

template <typename Pair>
class DoublePairLanes : public ::testing::Test
{
};

// The plain pair is built and checked here even where SSE2 leaves it unused.
#if VOSTREL_SSE2_PAIR
using PairTypes = ::testing::Types<ScalarDoublePair, Sse2DoublePair>;
#else
using PairTypes = ::testing::Types<ScalarDoublePair>;
#endif
TYPED_TEST_SUITE (DoublePairLanes, PairTypes);

TYPED_TEST (DoublePairLanes, EachLaneIsExactlyTheScalarOperation)
{
    using Pair = TypeParam;

    // Bit patterns, so that signed zeros and NaNs count too.
    const auto same = [] (auto a, auto b) { return std::memcmp (&a, &b, sizeof a) == 0; };
    const auto lanesAre = [&] (Pair p, double left, double right)
    {
        double stored[2];
        p.store (stored);
        return same (stored[0], left) && same (stored[1], right)
                && same (p.getLeft(), left) && same (p.getRight(), right);
    };

    // Values that round, overflow or underflow on the way to float, signed zeros,
    // subnormals, infinity and NaN, each paired with every other in both orders.
    const double values[] = { 0.0, -0.0, 1.0, -1.5, 0.1, 1.0 + 0x1.0p-24, 3.4028235e38, 1.0e300, 1.0e-310,
                              1.0e-40, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() };

    for (double a : values)
    {
        for (double b : values)
        {
            const double ab[] { a, b }, ba[] { b, a };
            const auto p = Pair::load (ab), q = Pair::load (ba);
            EXPECT_TRUE (lanesAre (Pair::broadcast (a), a, a)) << a;
            EXPECT_TRUE (lanesAre (p + q, a + b, b + a)) << a << ", " << b;
            EXPECT_TRUE (lanesAre (p - q, a - b, b - a)) << a << ", " << b;
            EXPECT_TRUE (lanesAre (p * q, a * b, b * a)) << a << ", " << b;

            const float narrowed[] { (float) a, (float) b };
            float l, r;
            p.toFloats (&l, &r);
            EXPECT_TRUE (same (l, narrowed[0]) && same (r, narrowed[1])) << a << ", " << b;
            EXPECT_TRUE (lanesAre (Pair::fromFloats (&narrowed[0], &narrowed[1]), narrowed[0], narrowed[1]));
        }
    }
}
