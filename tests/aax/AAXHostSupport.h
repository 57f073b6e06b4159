/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <gtest/gtest.h>

#include "AAXHostPlugIn.h"

#include <cstdint>
#include <memory>
#include <vector>

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

    /** The identifiers of the plug-in's two chunks: the controls state and the framework's. */
    constexpr uint32_t elck = 0x656C636B, juceChunk = 0x6A756365;

    /** A stereo test signal: a chirp on the left, noise-like steps on the right. */
    std::vector<std::vector<float>> testSignal (int numSamples, int offset);

    /** Renders blocks through an instance's registered process procedure, delivering
        the packets its coefficients produce first, as a host does. */
    struct Renderer
    {
        Renderer (LoadedPlugIn& plugIn, Instance& instanceToUse);

        /** The output for the test signal's samples from offset on. */
        std::vector<std::vector<float>> render (int numSamples, int offset);

        HostComponentDescriptor& component;
        Instance& instance;
        AlgorithmContext context;
    };

    /** A chunk as the host keeps it: the record with its data, fetched through
        GetChunkSize and GetChunk. */
    std::vector<uint8_t> getChunk (AAX_IACFEffectParameters_V4& effect, uint32_t id);

    /** The record of a chunk kept by getChunk. */
    inline const AAX_SPlugInChunk* asChunk (const std::vector<uint8_t>& record)
    {
        return reinterpret_cast<const AAX_SPlugInChunk*> (record.data());
    }
}
