/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <lv2/core/lv2.h>
#include <lv2/options/options.h>

#include <cstdint>
#include <vector>

namespace vostrel::lv2
{
    /** Block length an instance prepares for when the host names no usable maximum. */
    constexpr int32_t defaultMaxBlockLength = 8192;

    /** Largest block length an instance prepares for ahead of time. */
    constexpr int32_t largestMaxBlockLength = 65536;

    /** The features a host gives to instantiate, completed with what the framework's
        LV2 instance refuses to start without: an options list naming a maximum block
        length, and the bounded-block-length feature.

        Several hosts name no maximum; they get defaultMaxBlockLength, and so do hosts
        naming zero, a negative or an unreadable one. A larger maximum than
        largestMaxBlockLength is limited to it. The instance grows its buffers on the
        first run longer than any before, so the maximum is only the size prepared
        ahead, never a limit on what the host may run.

        Built and read on the host's thread inside instantiate; the completed lists
        point into this object and live as long as it does. */
    class InstantiateFeatures
    {
    public:
        /** Copies the host's null-terminated feature list (which may be null). */
        explicit InstantiateFeatures (const LV2_Feature* const* hostFeatures);

        InstantiateFeatures (const InstantiateFeatures&) = delete;
        InstantiateFeatures& operator= (const InstantiateFeatures&) = delete;

        /** False when the host gave no URID map, without which no instance can start. */
        bool isUsable() const noexcept { return usable; }

        /** The completed null-terminated feature list. */
        const LV2_Feature* const* get() const noexcept { return features.data(); }

        /** The maximum block length the completed options name. */
        int32_t getMaxBlockLength() const noexcept { return maxBlockLength; }

    private:
        std::vector<LV2_Options_Option> options;
        std::vector<const LV2_Feature*> features;
        LV2_Feature optionsFeature {};
        LV2_Feature boundedBlockLengthFeature {};
        int32_t maxBlockLength = defaultMaxBlockLength;
        bool usable = false;
    };
}
