/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAXHostPlugIn.h"

#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fstream>
#include <iterator>

namespace vostrel::aaxhost
{
    PlugInModule::PlugInModule (const std::string& path)
        : handle (dlopen (path.c_str(), RTLD_NOW | RTLD_LOCAL))
    {
        if (handle == nullptr)
            return;

        const auto entry = [this] (const char* name, auto& function)
        {
            function = reinterpret_cast<std::remove_reference_t<decltype (function)>> (dlsym (handle, name));
        };

        entry ("ACFRegisterPlugin", registerPlugin);
        entry ("ACFRegisterComponent", registerComponent);
        entry ("ACFGetClassFactory", getClassFactory);
        entry ("ACFCanUnloadNow", canUnloadNow);
        entry ("ACFStartup", startup);
        entry ("ACFShutdown", shutdown);
        entry ("ACFGetSDKVersion", getSDKVersion);
    }

    PlugInModule::~PlugInModule()
    {
        if (handle != nullptr)
            dlclose (handle);
    }

    std::vector<std::string> PlugInModule::exportedFunctions (const std::string& path)
    {
        std::ifstream file (path, std::ios::binary);
        const std::vector<char> image ((std::istreambuf_iterator<char> (file)), std::istreambuf_iterator<char>());
        std::vector<std::string> names;

        if (image.size() < sizeof (Elf64_Ehdr))
            return names;

        const auto* header = reinterpret_cast<const Elf64_Ehdr*> (image.data());
        const auto* sections = reinterpret_cast<const Elf64_Shdr*> (image.data() + header->e_shoff);

        for (int i = 0; i < header->e_shnum; ++i)
        {
            if (sections[i].sh_type != SHT_DYNSYM)
                continue;

            const auto& strings = sections[sections[i].sh_link];
            const auto* symbols = reinterpret_cast<const Elf64_Sym*> (image.data() + sections[i].sh_offset);
            const auto count = sections[i].sh_size / sizeof (Elf64_Sym);

            for (size_t s = 0; s < count; ++s)
            {
                const auto binding = ELF64_ST_BIND (symbols[s].st_info);

                if (symbols[s].st_shndx != SHN_UNDEF && (binding == STB_GLOBAL || binding == STB_WEAK)
                     && ELF64_ST_TYPE (symbols[s].st_info) == STT_FUNC)
                    names.emplace_back (image.data() + strings.sh_offset + symbols[s].st_name);
            }
        }

        return names;
    }

    //==============================================================================
    AlgorithmContext::AlgorithmContext (const HostComponentDescriptor& component, AAX_IACFEffectParameters& effect,
                                        int numInputs, int numOutputs)
        : inputPointers ((size_t) numInputs), outputPointers ((size_t) numOutputs)
    {
        const auto numFields = component.fields.empty() ? 0 : (size_t) component.fields.rbegin()->first + 1;
        fields.resize (numFields, nullptr);
        blocks.reserve (numFields);

        for (auto& [index, field] : component.fields)
        {
            const auto& [kind, size] = field;

            if (kind == "audioIn")
                fields[(size_t) index] = inputPointers.data();
            else if (kind == "audioOut")
                fields[(size_t) index] = outputPointers.data();
            else if (kind == "bufferLength")
                fields[(size_t) index] = &blockLength;
            else if (kind == "dataInPort" || kind == "privateData")
            {
                blocks.emplace_back ((size_t) std::max (size, 8), 0);
                fields[(size_t) index] = blocks.back().data();

                if (kind == "dataInPort")
                    dataPorts[index] = blocks.size() - 1;
                else
                    effect.ResetFieldData (index, blocks.back().data(), (uint32_t) size);
            }
        }
    }

    void AlgorithmContext::deliverPackets (const HostController& controller)
    {
        for (auto& [field, block] : dataPorts)
        {
            const auto posted = controller.fieldData.find (field);

            if (posted != controller.fieldData.end())
                std::memcpy (blocks[block].data(), posted->second.data(), std::min (posted->second.size(), blocks[block].size()));
        }
    }

    void AlgorithmContext::render (const HostComponentDescriptor& component, const std::vector<const float*>& inputs,
                                   const std::vector<float*>& outputs, int numSamples)
    {
        for (size_t i = 0; i < inputPointers.size(); ++i)
            inputPointers[i] = const_cast<float*> (inputs[i]);

        for (size_t i = 0; i < outputPointers.size(); ++i)
            outputPointers[i] = outputs[i];

        blockLength = numSamples;
        void* const instances[] = { fields.data() };
        component.nativeProcs.front().process (instances, instances + 1);
    }
}
