/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAXHostObjects.h"
#include "AAX_IACFEffectGUI.h"
#include "AAX_IACFEffectParameters.h"

#include <string>
#include <vector>

namespace vostrel::aaxhost
{
    /** An AAX binary loaded as a host loads it: dlopen, the seven exported entry
        points, start-up and registration with the host's objects. */
    class PlugInModule
    {
    public:
        typedef ACFRESULT (*RegisterPluginFn) (IACFUnknown*, IACFPluginDefinition**);
        typedef ACFRESULT (*RegisterComponentFn) (IACFUnknown*, unsigned int, IACFComponentDefinition**);
        typedef ACFRESULT (*GetClassFactoryFn) (IACFUnknown*, const acfCLSID&, const acfIID&, void**);
        typedef ACFRESULT (*HostOnlyFn) (IACFUnknown*);
        typedef ACFRESULT (*GetSDKVersionFn) (unsigned long long*);
        /** A registered object creator: returns an object whose first interface is the host's. */
        typedef void* (*CreateProc)();

        /** Loads the binary; isLoaded tells whether that worked. */
        explicit PlugInModule (const std::string& path);
        /** Unloads the binary. */
        ~PlugInModule();

        bool isLoaded() const noexcept { return handle != nullptr; }
        /** The functions the binary exports, read from its dynamic symbol table. */
        static std::vector<std::string> exportedFunctions (const std::string& path);

        RegisterPluginFn registerPlugin = nullptr;
        RegisterComponentFn registerComponent = nullptr;
        GetClassFactoryFn getClassFactory = nullptr;
        HostOnlyFn canUnloadNow = nullptr, startup = nullptr, shutdown = nullptr;
        GetSDKVersionFn getSDKVersion = nullptr;

    private:
        void* handle = nullptr;
    };

    /** Asks a host object made by a creator for an interface of the plug-in. */
    template <class Interface>
    Interface* queryPlugInObject (void* created, const acfIID& iid)
    {
        void* answer = nullptr;

        if (created == nullptr || static_cast<IACFUnknown*> (created)->QueryInterface (iid, &answer) != 0)
            return nullptr;

        return static_cast<Interface*> (answer);
    }

    /** The algorithm context of one instance, laid out from a component's fields:
        audio in and out, block length, data-in ports holding the last packet posted,
        and private data blocks reset by the instance. */
    class AlgorithmContext
    {
    public:
        AlgorithmContext (const HostComponentDescriptor& component, AAX_IACFEffectParameters& effect,
                          int numInputs, int numOutputs);

        /** Delivers the packets the controller received since the last call. */
        void deliverPackets (const HostController& controller);
        /** Runs the component's process procedure on one block. */
        void render (const HostComponentDescriptor& component, const std::vector<const float*>& inputs,
                     const std::vector<float*>& outputs, int numSamples);

    private:
        std::vector<void*> fields;
        std::vector<std::vector<uint8_t>> blocks;
        std::vector<float*> inputPointers, outputPointers;
        int32_t blockLength = 0;
        std::map<AAX_CFieldIndex, size_t> dataPorts;
    };
}
