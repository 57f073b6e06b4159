/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The built LV2 binary, loaded and run as a host does, with the block lengths
// real hosts name and run, and those no host should.

#include <gtest/gtest.h>

#include "Lv2TestSupport.h"
#include "PluginProcessor.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>
#include <lv2/options/options.h>
#include <lv2/state/state.h>

#include <dlfcn.h>

using namespace vostrel::test;

namespace
{
    constexpr double rate = 48000.0;
    constexpr int length = 3 * 48000;
    constexpr int settled = 48000;

    const Settings settings { { "equalizerType", 1.0f }, { "freqLevel2", 1.0f }, { "freqLevel5", 0.2f }, { "level", 0.6f } };

    /** The binary's descriptor; the library stays loaded for the whole run, as in a host. */
    const LV2_Descriptor* descriptor()
    {
        static const LV2_Descriptor* const d = []() -> const LV2_Descriptor*
        {
            auto* library = dlopen (VOSTREL_LV2_BINARY, RTLD_NOW | RTLD_LOCAL);

            if (library == nullptr)
                return nullptr;

            auto* entry = reinterpret_cast<const LV2_Descriptor* (*) (uint32_t)> (dlsym (library, "lv2_descriptor"));
            return entry != nullptr ? entry (0) : nullptr;
        }();

        return d;
    }

    /** One plug-in instance with its ports connected, as a host makes it. */
    class Instance
    {
    public:
        Instance (UridMap& uridMapIn, const LV2_Feature* const* features)
            : uridMap (uridMapIn),
              handle (descriptor()->instantiate (descriptor(), rate, VOSTREL_LV2_BUNDLE, features))
        {
            if (handle == nullptr)
                return;

            for (uint32_t port = 0; port < 4; ++port)
                audio[port].resize (largestRun);

            float* const controls[] = { &latency, &freeWheeling, &enabled };

            for (uint32_t port = 6; port < 9; ++port)
                descriptor()->connect_port (handle, port, controls[port - 6]);

            *reinterpret_cast<LV2_Atom_Sequence*> (eventsIn.data()) = emptySequence();
            descriptor()->connect_port (handle, 4, eventsIn.data());
            descriptor()->connect_port (handle, 5, eventsOut.data());
            descriptor()->activate (handle);
        }

        ~Instance()
        {
            if (handle != nullptr)
            {
                descriptor()->deactivate (handle);
                descriptor()->cleanup (handle);
            }
        }

        explicit operator bool() const { return handle != nullptr; }

        /** Gives the instance a stored property through its state interface: a
            state (":StateString") or a program preset's index (":Program"). */
        void restore (const char* keySuffix, const char* typeUri, const void* data, size_t bytes)
        {
            struct Stored
            {
                LV2_URID key, type;
                const void* data;
                size_t size;
            } stored { uridMap ((juce::String (descriptor()->URI) + keySuffix).toRawUTF8()), uridMap (typeUri), data, bytes };

            const auto retrieve = [] (LV2_State_Handle h, uint32_t key, size_t* size, uint32_t* type, uint32_t* flags) -> const void*
            {
                const auto& s = *static_cast<const Stored*> (h);

                if (key != s.key)
                    return nullptr;

                *size = s.size;
                *type = s.type;
                *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
                return s.data;
            };

            EXPECT_EQ (stateInterface()->restore (handle, retrieve, &stored, 0, nullptr), LV2_STATE_SUCCESS);
        }

        void restore (const juce::String& text)
        {
            restore (":StateString", LV2_ATOM__String, text.toRawUTF8(), text.getNumBytesAsUTF8() + 1);
        }

        /** The state the instance stores for a host, as the processor reads it. */
        juce::MemoryBlock save()
        {
            juce::MemoryBlock state;
            const auto store = [] (LV2_State_Handle h, uint32_t, const void* value, size_t size, uint32_t, uint32_t)
            {
                static_cast<juce::MemoryBlock*> (h)->fromBase64Encoding (juce::String::fromUTF8 (static_cast<const char*> (value), (int) size - 1));
                return (LV2_State_Status) LV2_STATE_SUCCESS;
            };

            EXPECT_EQ (stateInterface()->save (handle, store, &state, 0, nullptr), LV2_STATE_SUCCESS);
            return state;
        }

        /** Runs the input through in runs of the given lengths, repeated until it ends. */
        juce::AudioBuffer<float> process (const juce::AudioBuffer<float>& input, const std::vector<int>& runLengths)
        {
            juce::AudioBuffer<float> output (2, input.getNumSamples());
            size_t next = 0;

            for (int start = 0; start < input.getNumSamples(); next = (next + 1) % runLengths.size())
            {
                const int n = juce::jmin (runLengths[next], input.getNumSamples() - start);
                jassert (n <= largestRun);

                for (int ch = 0; ch < 2; ++ch)
                    std::copy_n (input.getReadPointer (ch, start), n, audio[ch].data());

                for (uint32_t port = 0; port < 4; ++port)
                    descriptor()->connect_port (handle, port, audio[port].data());

                auto* out = reinterpret_cast<LV2_Atom*> (eventsOut.data());
                *out = { (uint32_t) (eventsOut.size() * sizeof (uint64_t) - sizeof (LV2_Atom)), uridMap (LV2_ATOM__Chunk) };

                descriptor()->run (handle, (uint32_t) n);

                // What the plug-in reported comes back in the next run as the
                // host's own change, as Ardour sends it.
                if (out->type == uridMap (LV2_ATOM__Sequence))
                    std::copy (eventsOut.begin(), eventsOut.end(), eventsIn.begin());
                else
                    *reinterpret_cast<LV2_Atom_Sequence*> (eventsIn.data()) = emptySequence();

                for (int ch = 0; ch < 2; ++ch)
                    output.copyFrom (ch, start, audio[2 + (size_t) ch].data(), n);

                start += n;
            }

            return output;
        }

        static constexpr int largestRun = 100000;

    private:
        UridMap& uridMap;
        LV2_Handle handle;
        std::vector<float> audio[4];
        float latency = 0.0f, freeWheeling = 0.0f, enabled = 1.0f;
        const LV2_State_Interface* stateInterface() const
        {
            return static_cast<const LV2_State_Interface*> (descriptor()->extension_data (LV2_STATE__interface));
        }

        LV2_Atom_Sequence emptySequence() { return { { sizeof (LV2_Atom_Sequence_Body), uridMap (LV2_ATOM__Sequence) }, { 0, 0 } }; }

        std::vector<uint64_t> eventsOut = std::vector<uint64_t> (4096), eventsIn = eventsOut;
    };

    class Lv2Binary : public ::testing::Test
    {
    protected:
        void SetUp() override { ASSERT_NE (descriptor(), nullptr) << dlerror(); }

        /** What the processor itself makes of the test signal with the settings. */
        juce::AudioBuffer<float> expected() const { return runDirectly (input, settings, rate, 512); }

        UridMap urid;
        LV2_Feature map { LV2_URID__map, &urid.feature };
        LV2_Feature bounded { LV2_BUF_SIZE__boundedBlockLength, nullptr };
        const juce::AudioBuffer<float> input = stereoSine (150.0, rate, length);
    };
}

TEST_F (Lv2Binary, StartsWhateverMaximumBlockLengthTheHostNamesAndSoundsLikeTheProcessor)
{
    const int32_t valid = 512, zero = 0, negative = -512;
    const int64_t absurd = int64_t (1) << 40;
    const auto key = urid (LV2_BUF_SIZE__maxBlockLength);

    const auto option = [&] (const char* type, uint32_t size, const void* value) -> std::vector<LV2_Options_Option>
    {
        return { { LV2_OPTIONS_INSTANCE, 0, key, size, urid (type), value }, { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr } };
    };

    struct Case
    {
        const char* name;
        std::vector<LV2_Options_Option> options; // none: no options feature at all
        bool boundedBlockLength;
    };

    const Case cases[] = {
        { "a host naming its maximum", option (LV2_ATOM__Int, sizeof (valid), &valid), true },
        { "no options and no bound, as lv2file and Audacity", {}, false },
        { "options without a maximum", { { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr } }, true },
        { "a maximum of zero", option (LV2_ATOM__Int, sizeof (zero), &zero), true },
        { "a negative maximum", option (LV2_ATOM__Int, sizeof (negative), &negative), true },
        { "an absurd maximum", option (LV2_ATOM__Long, sizeof (absurd), &absurd), true },
    };

    for (const auto& c : cases)
    {
        LV2_Feature options { LV2_OPTIONS__options, (void*) c.options.data() };
        std::vector<const LV2_Feature*> features { &map };

        if (! c.options.empty())
            features.push_back (&options);

        if (c.boundedBlockLength)
            features.push_back (&bounded);

        features.push_back (nullptr);

        Instance instance (urid, features.data());
        ASSERT_TRUE (instance) << c.name;
        instance.restore (lv2StateText (settings));
        EXPECT_LT (largestDifferenceFrom (instance.process (input, { 512 }), expected(), settled), 1e-6f) << c.name;
    }
}

TEST_F (Lv2Binary, RunsOfEveryLengthComeOutRightEvenLongerThanPrepared)
{
    const LV2_Feature* features[] = { &map, nullptr };
    Instance instance (urid, features);
    ASSERT_TRUE (instance);
    instance.restore (lv2StateText (settings));

    // 20000 and 70000 are longer than the default the instance prepared for, and
    // than the largest maximum it would prepare for.
    const auto hosted = instance.process (input, { 0, 1, 511, 20000, 0, 3, 8192, 70000 });
    EXPECT_LT (largestDifferenceFrom (hosted, expected(), settled), 1e-6f);
}

// Ardour reopens a session by applying the session's program preset, then
// restoring the state, and sends every change the plug-in reports back as its
// own: what was saved must be what plays and what is saved again.
TEST_F (Lv2Binary, ASessionRestoredAfterAProgramPresetKeepsTheSavedState)
{
    const auto state = stateWithSlotSide (2, channelB, fourthBandUp);
    const LV2_Feature* features[] = { &map, nullptr };
    Instance instance (urid, features);
    ASSERT_TRUE (instance);
    const int32_t program = 2;
    instance.restore (":Program", LV2_ATOM__Int, &program, sizeof (program));
    instance.restore (state.toBase64Encoding());
    const auto band4 = stereoSine (800.0, rate, length);
    const auto played = instance.process (band4, { 512 });

    EXPECT_TRUE (instance.save() == state) << "the state saved again differs from the one restored";
    EXPECT_NEAR (gainDbFrom (played, band4, settled), 15.0, 0.01);
}

TEST_F (Lv2Binary, HostsWithoutAUsableUridMapGetNoInstance)
{
    LV2_URID_Map withoutFunction { &urid, nullptr };
    LV2_Feature brokenMap { LV2_URID__map, &withoutFunction };
    LV2_Feature mapWithoutData { LV2_URID__map, nullptr };
    const LV2_Feature* noMap[] = { &bounded, nullptr };
    const LV2_Feature* broken[] = { &brokenMap, nullptr };
    const LV2_Feature* empty[] = { &mapWithoutData, nullptr };

    EXPECT_FALSE (Instance (urid, nullptr));

    for (const auto* features : { noMap, broken, empty })
        EXPECT_FALSE (Instance (urid, features));
}
