/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Lv2Features.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vostrel::lv2
{
    namespace
    {
        const LV2_Feature* findFeature (const LV2_Feature* const* features, const char* uri)
        {
            if (features != nullptr)
                for (auto feature = features; *feature != nullptr; ++feature)
                    if ((*feature)->URI != nullptr && std::strcmp ((*feature)->URI, uri) == 0)
                        return *feature;

            return nullptr;
        }

        struct NumberTypes
        {
            LV2_URID intType, longType, floatType, doubleType;
        };

        template <typename Number>
        bool read (const LV2_Options_Option& option, Number& result)
        {
            if (option.size != sizeof (Number))
                return false;

            std::memcpy (&result, option.value, sizeof (Number));
            return true;
        }

        /** The block length an option names, limited to largestMaxBlockLength; 0 when
            it names no positive length in a type it can have. */
        int64_t blockLengthOf (const LV2_Options_Option& option, const NumberTypes& types)
        {
            double length = 0.0;

            if (int32_t i = 0; option.type == types.intType && read (option, i))
                length = i;
            else if (int64_t l = 0; option.type == types.longType && read (option, l))
                length = (double) l;
            else if (float f = 0.0f; option.type == types.floatType && read (option, f))
                length = f;
            else if (double d = 0.0; option.type == types.doubleType && read (option, d))
                length = d;

            // Written so that NaN gives 0 as well.
            if (! (length >= 1.0))
                return 0;

            return (int64_t) std::min (length, (double) largestMaxBlockLength);
        }
    }

    InstantiateFeatures::InstantiateFeatures (const LV2_Feature* const* hostFeatures)
    {
        const auto* mapFeature = findFeature (hostFeatures, LV2_URID__map);
        const auto* map = mapFeature != nullptr ? static_cast<const LV2_URID_Map*> (mapFeature->data) : nullptr;

        if (map == nullptr || map->map == nullptr)
        {
            features.push_back (nullptr);
            return;
        }

        const auto urid = [map] (const char* uri) { return map->map (map->handle, uri); };
        const LV2_URID maxBlockLengthKey = urid (LV2_BUF_SIZE__maxBlockLength);
        const NumberTypes types { urid (LV2_ATOM__Int), urid (LV2_ATOM__Long),
                                  urid (LV2_ATOM__Float), urid (LV2_ATOM__Double) };

        // The host's options but its maximum block length, which the first one found
        // names (as the framework reads it); the list ends at the first without a value.
        int64_t named = 0;
        bool seen = false;

        if (const auto* hostOptions = findFeature (hostFeatures, LV2_OPTIONS__options))
        {
            if (const auto* option = static_cast<const LV2_Options_Option*> (hostOptions->data))
            {
                for (; option->value != nullptr; ++option)
                {
                    if (option->key != maxBlockLengthKey)
                    {
                        options.push_back (*option);
                    }
                    else if (! seen)
                    {
                        named = blockLengthOf (*option, types);
                        seen = true;
                    }
                }
            }
        }

        if (named > 0)
            maxBlockLength = (int32_t) named;

        options.push_back ({ LV2_OPTIONS_INSTANCE, 0, maxBlockLengthKey, sizeof (int32_t), types.intType, &maxBlockLength });
        options.push_back ({ LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr });

        optionsFeature = { LV2_OPTIONS__options, options.data() };
        boundedBlockLengthFeature = { LV2_BUF_SIZE__boundedBlockLength, nullptr };

        for (auto feature = hostFeatures; *feature != nullptr; ++feature)
        {
            const char* uri = (*feature)->URI;

            if (uri != nullptr && std::strcmp (uri, LV2_OPTIONS__options) != 0
                && std::strcmp (uri, LV2_BUF_SIZE__boundedBlockLength) != 0)
                features.push_back (*feature);
        }

        features.push_back (&optionsFeature);
        features.push_back (&boundedBlockLengthFeature);
        features.push_back (nullptr);
        usable = true;
    }
}
