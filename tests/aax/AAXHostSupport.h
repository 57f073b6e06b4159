/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <gtest/gtest.h>

#include "AAXHostPlugIn.h"

#include <memory>

namespace vostrel::aaxhost::test
{
    /** The built AAX binary, started and registered with a fresh host. */
    struct LoadedPlugIn
    {
        LoadedPlugIn();
        ~LoadedPlugIn();

        /** The component registered for a pair of stem formats, or null. */
        HostComponentDescriptor* componentFor (AAX_EStemFormat input, AAX_EStemFormat output) const;

        HostRoot root;
        std::unique_ptr<PlugInModule> module;
        IACFPluginDefinition* definition = nullptr;
        HostEffectDescriptor* effect = nullptr;
        HostCollection* collection = nullptr;
    };

    /** One plug-in instance: its effect-parameters object made through the
        registered creator and initialised with a host context whose automation
        answers every set request at once. */
    struct Instance
    {
        explicit Instance (LoadedPlugIn& plugIn);
        ~Instance();

        /** Uninitialises and releases the object now. */
        void release();

        HostInstanceContext context;
        AAX_IACFEffectParameters_V4* effect = nullptr;
    };
}
