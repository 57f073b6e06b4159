/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "Lv2Features.h"
#include "Lv2TestSupport.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/urid/urid.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace vostrel::lv2;

namespace
{
    /** The options of the first options feature in a list. */
    std::vector<LV2_Options_Option> optionsIn (const LV2_Feature* const* features)
    {
        std::vector<LV2_Options_Option> result;

        for (auto f = features; *f != nullptr; ++f)
        {
            if (std::strcmp ((*f)->URI, LV2_OPTIONS__options) == 0)
            {
                for (auto o = static_cast<const LV2_Options_Option*> ((*f)->data); o->value != nullptr; ++o)
                    result.push_back (*o);

                break;
            }
        }

        return result;
    }

    int count (const LV2_Feature* const* features, const char* uri)
    {
        int n = 0;

        for (auto f = features; *f != nullptr; ++f)
            n += std::strcmp ((*f)->URI, uri) == 0 ? 1 : 0;

        return n;
    }

    class Features : public ::testing::Test
    {
    protected:
        LV2_URID urid (const char* uri) { return uridMap (uri); }

        vostrel::test::UridMap uridMap;
        LV2_Feature mapFeature { LV2_URID__map, &uridMap.feature };
    };
}

TEST_F (Features, MaximumBlockLengthIsTheHostsWhenUsableElseTheDefaultOrTheLimit)
{
    const int32_t i512 = 512, zero = 0, negative = -64;
    const int64_t l1024 = 1024, absurd = int64_t (1) << 40;
    const float f256 = 256.0f, nan = std::numeric_limits<float>::quiet_NaN(), huge = 1e30f;
    const double d2048 = 2048.0;
    const char text[] = "4096";

    struct Case
    {
        const char* name;
        const char* type;
        uint32_t size;
        const void* value;
        int32_t expected;
    };

    const Case cases[] = {
        { "int", LV2_ATOM__Int, sizeof (i512), &i512, 512 },
        { "long", LV2_ATOM__Long, sizeof (l1024), &l1024, 1024 },
        { "float", LV2_ATOM__Float, sizeof (f256), &f256, 256 },
        { "double", LV2_ATOM__Double, sizeof (d2048), &d2048, 2048 },
        { "zero", LV2_ATOM__Int, sizeof (zero), &zero, defaultMaxBlockLength },
        { "negative", LV2_ATOM__Int, sizeof (negative), &negative, defaultMaxBlockLength },
        { "not a number", LV2_ATOM__Float, sizeof (nan), &nan, defaultMaxBlockLength },
        { "a string", LV2_ATOM__String, sizeof (text), text, defaultMaxBlockLength },
        { "an int of the wrong size", LV2_ATOM__Int, 2, &i512, defaultMaxBlockLength },
        { "absurd long", LV2_ATOM__Long, sizeof (absurd), &absurd, largestMaxBlockLength },
        { "absurd float", LV2_ATOM__Float, sizeof (huge), &huge, largestMaxBlockLength },
    };

    const auto key = urid (LV2_BUF_SIZE__maxBlockLength);

    for (const auto& c : cases)
    {
        const LV2_Options_Option options[] = { { LV2_OPTIONS_INSTANCE, 0, key, c.size, urid (c.type), c.value },
                                               { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr } };
        LV2_Feature optionsFeature { LV2_OPTIONS__options, (void*) options };
        const LV2_Feature* host[] = { &mapFeature, &optionsFeature, nullptr };

        const InstantiateFeatures features (host);
        ASSERT_TRUE (features.isUsable()) << c.name;
        EXPECT_EQ (features.getMaxBlockLength(), c.expected) << c.name;

        const auto completed = optionsIn (features.get());
        ASSERT_EQ (completed.size(), 1u) << c.name;
        EXPECT_EQ (completed[0].key, key) << c.name;
        EXPECT_EQ (completed[0].type, urid (LV2_ATOM__Int)) << c.name;
        EXPECT_EQ (*static_cast<const int32_t*> (completed[0].value), c.expected) << c.name;
    }
}

TEST_F (Features, TheHostsOwnFeaturesAndOptionsStayAndOursAreThereOnce)
{
    const float rate = 48000.0f;
    const int32_t first = 300;
    const auto key = urid (LV2_BUF_SIZE__maxBlockLength);
    const auto rateKey = urid ("http://lv2plug.in/ns/ext/parameters#sampleRate");
    // A maximum named twice: the first counts, as for the framework.
    const LV2_Options_Option options[] = { { LV2_OPTIONS_INSTANCE, 0, rateKey, sizeof (rate), urid (LV2_ATOM__Float), &rate },
                                           { LV2_OPTIONS_INSTANCE, 0, key, sizeof (first), urid (LV2_ATOM__Int), &first },
                                           { LV2_OPTIONS_INSTANCE, 0, key, sizeof (rate), urid (LV2_ATOM__Float), &rate },
                                           { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr } };
    LV2_Feature optionsFeature { LV2_OPTIONS__options, (void*) options };
    LV2_Feature bounded { LV2_BUF_SIZE__boundedBlockLength, nullptr };
    LV2_Feature other { "urn:vostrel:test", nullptr };
    LV2_Feature unnamed { nullptr, nullptr };
    const LV2_Feature* host[] = { &other, &unnamed, &optionsFeature, &mapFeature, &bounded, nullptr };

    const InstantiateFeatures features (host);
    ASSERT_TRUE (features.isUsable());
    EXPECT_EQ (features.getMaxBlockLength(), first);

    int n = 0;

    for (auto f = features.get(); *f != nullptr; ++f, ++n)
        ASSERT_NE ((*f)->URI, nullptr);

    EXPECT_EQ (n, 4);
    EXPECT_EQ (count (features.get(), "urn:vostrel:test"), 1);
    EXPECT_EQ (count (features.get(), LV2_URID__map), 1);
    EXPECT_EQ (count (features.get(), LV2_OPTIONS__options), 1);
    EXPECT_EQ (count (features.get(), LV2_BUF_SIZE__boundedBlockLength), 1);

    const auto completed = optionsIn (features.get());
    ASSERT_EQ (completed.size(), 2u);
    EXPECT_EQ (completed[0].key, rateKey);
    EXPECT_EQ (completed[1].key, key);
}
