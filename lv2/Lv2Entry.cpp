/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The LV2 binary's entry point. The framework's LV2 client refuses to start an
// instance for hosts that name no maximum block length (several common ones do
// not), so its own entry point is compiled under another name and this one hands
// it the host's features completed with a usable maximum. Everything else (ports,
// run, state, the UI and the build-time description) stays the framework's.

#include "Lv2Features.h"

// The framework's entry point, renamed where its client is compiled.
extern "C" const LV2_Descriptor* vostrel_framework_lv2_descriptor (uint32_t index);

namespace
{
    LV2_Handle instantiate (const LV2_Descriptor*, double sampleRate, const char* bundlePath,
                            const LV2_Feature* const* hostFeatures)
    {
        const auto* framework = vostrel_framework_lv2_descriptor (0);

        try
        {
            const vostrel::lv2::InstantiateFeatures features (hostFeatures);

            if (! features.isUsable())
                return nullptr;

            return framework->instantiate (framework, sampleRate, bundlePath, features.get());
        }
        catch (...)
        {
            // No exception may cross into the host (memory running out while the
            // instance is built): a refused instance is what it can handle.
            return nullptr;
        }
    }
}

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor (uint32_t index)
{
    const auto* framework = vostrel_framework_lv2_descriptor (index);

    if (framework == nullptr)
        return nullptr;

    static const LV2_Descriptor descriptor = [framework]
    {
        auto completed = *framework;
        completed.instantiate = instantiate;
        return completed;
    }();

    return &descriptor;
}
