/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// vostrel-vst3-reload: reopens a saved host session with a VST3 plug-in in the
// order Ardour does, on the raw VST3 interfaces, which JUCE's hosting classes
// hide.
//
//   vostrel-vst3-reload --plugin <bundle.vst3> --program <index> --state <file>
//                       --in <in.wav> --out <out.wav> --save-state <file>
//
// The host picks the program through the controller's program-change parameter
// from a thread of its own, then hands the component the state (the raw bytes
// of a component state) and the controller the same, then runs the file
// through in 512-sample blocks. Every change the plug-in reports from a block
// goes back to it as the host's own: to the controller, and as an input change
// of the next block. Last it saves the component's state.

#include "WavFile.h"

#include <pluginterfaces/base/ipluginbase.h>
#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>
#include <pluginterfaces/vst/ivstmessage.h>
#include <pluginterfaces/vst/ivstparameterchanges.h>
#include <public.sdk/source/common/memorystream.h>

#include <deque>
#include <dlfcn.h>
#include <iostream>
#include <thread>
#include <utility>
#include <vector>

using namespace Steinberg;

namespace
{
    constexpr int blockSize = 512;

    [[noreturn]] void fail (const juce::String& message)
    {
        std::cerr << "vostrel-vst3-reload: " << message << std::endl;
        std::exit (1);
    }

    void check (tresult result, const char* what)
    {
        if (result != kResultOk)
            fail (juce::String (what) + " failed");
    }

    /** Objects the host owns for the length of a call: counting is not needed. */
    template <typename Interface>
    struct Unshared : Interface
    {
        tresult PLUGIN_API queryInterface (const TUID, void** obj) override
        {
            *obj = nullptr;
            return kNoInterface;
        }

        uint32 PLUGIN_API addRef() override { return 1; }
        uint32 PLUGIN_API release() override { return 1; }
    };

    /** One parameter's points in one block. */
    struct Queue final : Unshared<Vst::IParamValueQueue>
    {
        explicit Queue (Vst::ParamID idIn) : id (idIn) {}

        Vst::ParamID PLUGIN_API getParameterId() override { return id; }
        int32 PLUGIN_API getPointCount() override { return (int32) points.size(); }

        tresult PLUGIN_API getPoint (int32 index, int32& offset, Vst::ParamValue& value) override
        {
            if (index < 0 || index >= getPointCount())
                return kInvalidArgument;

            std::tie (offset, value) = points[(size_t) index];
            return kResultOk;
        }

        tresult PLUGIN_API addPoint (int32 offset, Vst::ParamValue value, int32& index) override
        {
            index = getPointCount();
            points.emplace_back (offset, value);
            return kResultOk;
        }

        const Vst::ParamID id;
        std::vector<std::pair<int32, Vst::ParamValue>> points;
    };

    /** The parameter changes of one block, in either direction. */
    struct Changes final : Unshared<Vst::IParameterChanges>
    {
        int32 PLUGIN_API getParameterCount() override { return (int32) queues.size(); }

        Vst::IParamValueQueue* PLUGIN_API getParameterData (int32 index) override
        {
            return index >= 0 && index < getParameterCount() ? &queues[(size_t) index] : nullptr;
        }

        Vst::IParamValueQueue* PLUGIN_API addParameterData (const Vst::ParamID& id, int32& index) override
        {
            index = getParameterCount();
            return &queues.emplace_back (id);
        }

        std::deque<Queue> queues; // a deque: the plug-in holds queues while it adds more
    };

    template <typename Interface>
    Interface* queryFrom (FUnknown* object)
    {
        void* result = nullptr;

        if (object == nullptr || object->queryInterface (Interface::iid, &result) != kResultOk || result == nullptr)
            fail ("the plug-in lacks an interface it needs");

        return static_cast<Interface*> (result);
    }

    /** The plug-in's module, entered as a host enters it. */
    class Module
    {
    public:
        explicit Module (const juce::File& bundle)
        {
            const auto binaries = bundle.getChildFile ("Contents/x86_64-linux").findChildFiles (juce::File::findFiles, false, "*.so");

            if (binaries.size() != 1 || (handle = dlopen (binaries[0].getFullPathName().toRawUTF8(), RTLD_NOW | RTLD_LOCAL)) == nullptr)
                fail ("cannot load the binary of " + bundle.getFullPathName());

            using Entry = bool (*) (void*);
            using GetFactory = IPluginFactory* (PLUGIN_API*) ();
            const auto entry = reinterpret_cast<Entry> (dlsym (handle, "ModuleEntry"));
            const auto getFactory = reinterpret_cast<GetFactory> (dlsym (handle, "GetPluginFactory"));

            if (entry == nullptr || getFactory == nullptr || ! entry (handle) || (factory = getFactory()) == nullptr)
                fail ("the binary of " + bundle.getFullPathName() + " does not start");
        }

        ~Module()
        {
            factory->release();

            if (const auto exit = reinterpret_cast<bool (*)()> (dlsym (handle, "ModuleExit")))
                exit();

            dlclose (handle);
        }

        template <typename Interface>
        Interface* create (const TUID cid)
        {
            void* object = nullptr;
            check (factory->createInstance (cid, Interface::iid, &object), "creating a plug-in object");
            return static_cast<Interface*> (object);
        }

        IPluginFactory* factory = nullptr;

    private:
        void* handle = nullptr;
    };

    juce::MemoryBlock readFile (const juce::File& file)
    {
        juce::MemoryBlock data;

        if (! file.loadFileAsData (data))
            fail ("cannot read " + file.getFullPathName());

        return data;
    }

    int run (const juce::StringPairArray& options)
    {
        const auto file = [&] (const char* name)
        {
            if (! options.containsKey (name))
                fail (juce::String ("missing --") + name);

            return juce::File::getCurrentWorkingDirectory().getChildFile (options[name]);
        };

        juce::AudioFormatManager formats;
        formats.registerBasicFormats();
        std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (file ("in")));

        if (reader == nullptr || reader->numChannels != 2)
            fail ("the input must be a readable stereo file");

        const auto length = (int) reader->lengthInSamples;
        juce::AudioBuffer<float> audio (2, length);
        reader->read (&audio, 0, length, 0, true, true);

        Module module (file ("plugin"));
        PClassInfo info;
        int32 classIndex = 0;

        while (module.factory->getClassInfo (classIndex, &info) == kResultOk && std::strcmp (info.category, kVstAudioEffectClass) != 0)
            ++classIndex;

        auto* component = module.create<Vst::IComponent> (info.cid);
        check (component->initialize (nullptr), "initialising the component");
        TUID controllerId;
        check (component->getControllerClassId (controllerId), "asking for the controller");
        auto* controller = module.create<Vst::IEditController> (controllerId);
        check (controller->initialize (nullptr), "initialising the controller");

        auto* componentPoint = queryFrom<Vst::IConnectionPoint> (component);
        auto* controllerPoint = queryFrom<Vst::IConnectionPoint> (controller);
        componentPoint->connect (controllerPoint);
        controllerPoint->connect (componentPoint);

        // The program, from a thread that is not the plug-in's message thread.
        bool programPicked = false;

        std::thread ([&]
        {
            for (int32 i = 0; i < controller->getParameterCount(); ++i)
            {
                Vst::ParameterInfo parameter {};

                if (controller->getParameterInfo (i, parameter) == kResultOk && (parameter.flags & Vst::ParameterInfo::kIsProgramChange) != 0)
                    programPicked = controller->setParamNormalized (parameter.id, options["program"].getDoubleValue() / juce::jmax (1, parameter.stepCount)) == kResultOk;
            }
        }).join();

        if (! programPicked)
            fail ("the plug-in took no program");

        auto state = readFile (file ("state"));
        IBStream* const stateStream = new MemoryStream (state.getData(), (TSize) state.getSize());
        check (component->setState (stateStream), "setting the component's state");
        check (stateStream->seek (0, IBStream::kIBSeekSet, nullptr), "rewinding the state");
        controller->setComponentState (stateStream); // the framework's says "not implemented" after its work
        stateStream->release();

        auto* processor = queryFrom<Vst::IAudioProcessor> (component);
        Vst::ProcessSetup setup { Vst::kRealtime, Vst::kSample32, blockSize, reader->sampleRate };
        check (processor->setupProcessing (setup), "setting up processing");
        component->activateBus (Vst::kAudio, Vst::kInput, 0, true);
        component->activateBus (Vst::kAudio, Vst::kOutput, 0, true);
        check (component->setActive (true), "activating the component");
        processor->setProcessing (true);

        Changes input, output;

        for (int start = 0; start < length; start += blockSize)
        {
            const auto n = juce::jmin (blockSize, length - start);
            float* channels[] = { audio.getWritePointer (0, start), audio.getWritePointer (1, start) };
            Vst::AudioBusBuffers in, out;
            in.numChannels = out.numChannels = 2;
            in.channelBuffers32 = out.channelBuffers32 = channels;

            Vst::ProcessData data;
            data.numSamples = n;
            data.numInputs = data.numOutputs = 1;
            data.inputs = &in;
            data.outputs = &out;
            data.inputParameterChanges = &input;
            data.outputParameterChanges = &output;
            check (processor->process (data), "processing");

            // What the plug-in reported comes back as the host's own change.
            input.queues.clear();

            for (auto& reported : output.queues)
            {
                int32 offset = 0, index = 0;
                Vst::ParamValue value = 0;

                if (reported.getPoint (reported.getPointCount() - 1, offset, value) == kResultOk)
                {
                    controller->setParamNormalized (reported.id, value);
                    input.addParameterData (reported.id, index)->addPoint (0, value, index);
                }
            }

            output.queues.clear();
        }

        processor->setProcessing (false);
        component->setActive (false);
        if (! writeWavFile (file ("out"), audio, reader->sampleRate))
            fail ("cannot write " + file ("out").getFullPathName());

        MemoryStream saved;
        check (component->getState (&saved), "getting the component's state");

        if (! file ("save-state").replaceWithData (saved.getData(), (size_t) saved.getSize()))
            fail ("cannot write " + file ("save-state").getFullPathName());

        componentPoint->disconnect (controllerPoint);
        controllerPoint->disconnect (componentPoint);
        processor->release();
        componentPoint->release();
        controllerPoint->release();
        controller->terminate();
        component->terminate();
        controller->release();
        component->release();
        return 0;
    }
}

int main (int argc, char** argv)
{
    juce::StringPairArray options;

    for (int i = 1; i < argc; i += 2)
    {
        const auto name = juce::String::fromUTF8 (argv[i]);

        if (! name.startsWith ("--") || i + 1 >= argc)
            fail ("expected --name value pairs, not " + name);

        options.set (name.substring (2), juce::String::fromUTF8 (argv[i + 1]));
    }

    return run (options);
}
