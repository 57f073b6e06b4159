/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// vostrel-host: runs a WAV file through a VST3 or LV2 plug-in loaded from disk,
// or opens the plug-in's editor in a window; `usage` below gives its arguments.
//
// The plug-in gets the file's channel layout. Parameters are found by name, since each format adds its own (bypass, program)
// around the plug-in's. Order of work: load the state, prepare, set the
// parameters, process the file block by block, save the state.
//
// With --editor the plug-in's editor is put on the display in a window of its
// own, kept open for the given time with the message loop running, and closed;
// the host prints "editor <width>x<height>" for it.
//
// With --windows the host loads that many instances and shows each one's editor
// in a window of its own, named "vostrel-host <n>" (n from 1), side by side,
// until every one is closed. A line "close <n>" on the standard input closes
// window n: the host deletes its editor, as hosts do when a plug-in's window
// closes, and prints the instance's parameters as the host reads them, one
// "window <n> <name> <value>" line each. The end of the input closes the rest.

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include "QueuedXEvents.h"
#include "WavFile.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
    struct Options
    {
        juce::File plugin, input, output, loadState, saveState;
        int blockSize = 512;
        juce::StringPairArray parameters;
        bool list = false;
        int editorMilliseconds = -1;
        int windows = 0;
    };

    /** How to call the host, printed after an argument it cannot make sense of. */
    constexpr const char* usage =
        "usage: vostrel-host --plugin <bundle.vst3|bundle.lv2> --in <in.wav> --out <out.wav>\n"
        "                    [--block <samples>] [--set <parameter name>=<value 0 to 1>]...\n"
        "                    [--load-state <file>] [--save-state <file>] [--list]\n"
        "       vostrel-host --plugin <bundle.vst3|bundle.lv2> --editor <milliseconds>\n"
        "       vostrel-host --plugin <bundle.vst3|bundle.lv2> --windows <count>\n";

    enum class ShowUsage { no, yes };

    /** Says what went wrong and ends the host; for arguments it cannot make
        sense of, also how to call it. */
    [[noreturn]] void fail (const juce::String& message, ShowUsage showUsage = ShowUsage::no)
    {
        std::cerr << "vostrel-host: " << message << "\n" << (showUsage == ShowUsage::yes ? usage : "") << std::flush;
        std::exit (1);
    }

    Options parseOptions (const juce::StringArray& args)
    {
        Options o;

        for (int i = 0; i < args.size(); ++i)
        {
            const auto& arg = args[i];
            auto next = [&]
            {
                if (i + 1 >= args.size())
                    fail ("missing value after " + arg, ShowUsage::yes);

                return args[++i];
            };
            auto file = [&] { return juce::File::getCurrentWorkingDirectory().getChildFile (next()); };

            if (arg == "--plugin")          o.plugin = file();
            else if (arg == "--in")         o.input = file();
            else if (arg == "--out")        o.output = file();
            else if (arg == "--load-state") o.loadState = file();
            else if (arg == "--save-state") o.saveState = file();
            else if (arg == "--block")      o.blockSize = juce::jmax (1, next().getIntValue());
            else if (arg == "--list")       o.list = true;
            else if (arg == "--editor")     o.editorMilliseconds = juce::jmax (0, next().getIntValue());
            else if (arg == "--windows")    o.windows = juce::jmax (1, next().getIntValue());
            else if (arg == "--set")
            {
                const auto assignment = next();

                if (! assignment.containsChar ('='))
                    fail ("--set needs name=value, not " + assignment, ShowUsage::yes);

                o.parameters.set (assignment.upToFirstOccurrenceOf ("=", false, false),
                                  assignment.fromFirstOccurrenceOf ("=", false, false));
            }
            else
                fail ("unknown argument " + arg, ShowUsage::yes);
        }

        if (o.plugin == juce::File())
            fail ("no plug-in given (--plugin)", ShowUsage::yes);

        if (o.editorMilliseconds < 0 && o.windows == 0 && (o.input == juce::File() || o.output == juce::File()))
            fail ("a file to process needs --in and --out", ShowUsage::yes);

        if (! o.plugin.exists())
            fail ("no plug-in at " + o.plugin.getFullPathName());

        return o;
    }

    /** The URI of the plug-in an LV2 bundle's manifest describes: the subject
        whose next line says it is an lv2:Plugin. */
    juce::String lv2PluginUri (const juce::File& bundle)
    {
        juce::StringArray lines;
        lines.addLines (bundle.getChildFile ("manifest.ttl").loadFileAsString());

        for (int i = 0; i + 1 < lines.size(); ++i)
        {
            const auto subject = lines[i].trim();

            if (subject.startsWith ("<") && subject.endsWith (">") && lines[i + 1].trim().startsWith ("a lv2:Plugin"))
                return subject.substring (1, subject.length() - 1);
        }

        fail ("no plug-in described in " + bundle.getChildFile ("manifest.ttl").getFullPathName());
    }

    std::unique_ptr<juce::AudioPluginInstance> loadPlugin (const juce::File& bundle, double rate, int blockSize)
    {
        std::unique_ptr<juce::AudioPluginFormat> format;
        juce::String identifier = bundle.getFullPathName();

        if (bundle.hasFileExtension ("vst3"))
        {
            format = std::make_unique<juce::VST3PluginFormat>();
        }
        else if (bundle.hasFileExtension ("lv2"))
        {
            // LV2 plug-ins are known by URI once their bundle's folder is scanned.
            format = std::make_unique<juce::LV2PluginFormat>();
            format->searchPathsForPlugins (juce::FileSearchPath (bundle.getParentDirectory().getFullPathName()), false, false);
            identifier = lv2PluginUri (bundle);
        }
        else
        {
            fail ("not a VST3 or LV2 bundle: " + bundle.getFullPathName());
        }

        juce::OwnedArray<juce::PluginDescription> types;
        format->findAllTypesForFile (types, identifier);

        if (types.isEmpty())
            fail ("no plug-in found in " + bundle.getFullPathName());

        juce::String error;
        auto instance = format->createInstanceFromDescription (*types[0], rate, blockSize, error);

        if (instance == nullptr)
            fail ("cannot load " + bundle.getFullPathName() + ": " + error);

        return instance;
    }

    juce::AudioProcessorParameter* findParameter (juce::AudioPluginInstance& plugin, const juce::String& name)
    {
        for (auto* p : plugin.getParameters())
            if (p->getName (256) == name)
                return p;

        return nullptr;
    }

    std::unique_ptr<juce::AudioProcessorEditor> createEditor (juce::AudioPluginInstance& plugin)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (plugin.createEditorIfNeeded());

        if (editor == nullptr)
            fail ("the plug-in has no editor");

        return editor;
    }

    /** Puts a component on the display in a window of its own. */
    void showOnDesktop (juce::Component& component, juce::Point<int> topLeft)
    {
        component.setTopLeftPosition (topLeft);
        component.addToDesktop (juce::ComponentPeer::windowHasTitleBar);
        component.setVisible (true);
    }

    int showEditor (const Options& o)
    {
        auto plugin = loadPlugin (o.plugin, 44100.0, o.blockSize);
        auto editor = createEditor (*plugin);

        showOnDesktop (*editor, { 50, 50 });
        juce::MessageManager::getInstance()->runDispatchLoopUntil (o.editorMilliseconds);

        std::cout << "editor " << editor->getWidth() << "x" << editor->getHeight() << std::endl;
        editor.reset();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        return 0;
    }

    /** Each instance's editor in a window of its own, side by side, closed by
        commands on the standard input as a host closes a plug-in's window. */
    class EditorWindows
    {
    public:
        explicit EditorWindows (const Options& o) : blockSize (o.blockSize)
        {
            for (int n = 1; n <= o.windows; ++n)
            {
                plugins.push_back (loadPlugin (o.plugin, 44100.0, o.blockSize));
                plugins.back()->prepareToPlay (44100.0, o.blockSize);
                editors.push_back (createEditor (*plugins.back()));
                auto& editor = *editors.back();
                editor.setName ("vostrel-host " + juce::String (n));
                showOnDesktop (editor, { 20 + (n - 1) * (editor.getWidth() + 20), 20 });
            }

            juce::LinuxEventLoop::registerFdCallback (STDIN_FILENO, [this] (int) { readCommands(); });
        }

        ~EditorWindows()
        {
            if (readingCommands)
                juce::LinuxEventLoop::unregisterFdCallback (STDIN_FILENO);
        }

        bool anyOpen() const
        {
            return std::any_of (editors.begin(), editors.end(), [] (auto& e) { return e != nullptr; });
        }

        /** Runs a block of silence through every instance: some formats hand
            what an editor changed to the host only while audio runs. */
        void process()
        {
            for (auto& plugin : plugins)
            {
                block.setSize (juce::jmax (plugin->getTotalNumInputChannels(), plugin->getTotalNumOutputChannels()),
                               blockSize, false, false, true);
                block.clear();
                plugin->processBlock (block, midi);
            }
        }

        /** Lets the framework take X events a reply has left in Xlib's queue;
            without it an embedded LV2 view can keep its first, 1x1 size. */
        void readQueuedEvents()
        {
            for (auto& editor : editors)
                if (editor != nullptr)
                    return readQueuedXEvents (*editor);
        }

    private:
        void readCommands()
        {
            char buffer[256];
            const auto size = ::read (STDIN_FILENO, buffer, sizeof (buffer));

            if (size <= 0)
            {
                juce::LinuxEventLoop::unregisterFdCallback (STDIN_FILENO);
                readingCommands = false;

                for (size_t i = 0; i < editors.size(); ++i)
                    close (i);

                return;
            }

            input.append (buffer, (size_t) size);

            for (auto end = input.find ('\n'); end != std::string::npos; end = input.find ('\n'))
            {
                const auto command = juce::String (input.substr (0, end)).trim();
                input.erase (0, end + 1);
                const auto n = command.fromFirstOccurrenceOf ("close ", false, false).getIntValue();

                if (! command.startsWith ("close ") || n < 1 || n > (int) editors.size())
                    fail ("unknown command " + command);

                close ((size_t) n - 1);
            }
        }

        /** Deletes the editor, as a host does when its window closes, and
            prints the instance's parameters as the host reads them. */
        void close (size_t index)
        {
            if (editors[index] == nullptr)
                return;

            for (auto* p : plugins[index]->getParameters())
                std::cout << "window " << index + 1 << " " << p->getName (256) << " " << p->getValue() << "\n";

            std::cout.flush();
            editors[index].reset();
        }

        std::vector<std::unique_ptr<juce::AudioPluginInstance>> plugins;
        std::vector<std::unique_ptr<juce::AudioProcessorEditor>> editors;
        const int blockSize;
        juce::AudioBuffer<float> block;
        juce::MidiBuffer midi;
        std::string input;
        bool readingCommands = true;
    };

    int showWindows (const Options& o)
    {
        EditorWindows windows (o);

        while (windows.anyOpen())
        {
            windows.process();
            windows.readQueuedEvents();
            juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
        }

        return 0;
    }

    int run (const Options& o)
    {
        if (o.editorMilliseconds >= 0)
            return showEditor (o);

        if (o.windows > 0)
            return showWindows (o);

        juce::AudioFormatManager formats;
        formats.registerBasicFormats();
        std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (o.input));

        if (reader == nullptr)
            fail ("cannot read " + o.input.getFullPathName());

        const double rate = reader->sampleRate;
        auto plugin = loadPlugin (o.plugin, rate, o.blockSize);

        if (o.list)
            for (auto* p : plugin->getParameters())
                std::cout << p->getParameterIndex() << "\t" << p->getName (256) << "\t" << p->getValue() << "\n";

        if (o.loadState != juce::File())
        {
            juce::MemoryBlock state;

            if (! o.loadState.loadFileAsData (state))
                fail ("cannot read " + o.loadState.getFullPathName());

            plugin->setStateInformation (state.getData(), (int) state.getSize());
        }

        // Ask for the file's own layout, as a host puts a plug-in on a mono or stereo track.
        const auto fileLayout = juce::AudioChannelSet::canonicalChannelSet ((int) reader->numChannels);
        auto layout = plugin->getBusesLayout();

        if (! layout.inputBuses.isEmpty() && ! layout.outputBuses.isEmpty())
        {
            layout.inputBuses.getReference (0) = fileLayout;
            layout.outputBuses.getReference (0) = fileLayout;

            if (! plugin->setBusesLayout (layout))
                fail ("the plug-in does not accept " + fileLayout.getDescription());
        }

        plugin->prepareToPlay (rate, o.blockSize);

        for (const auto& name : o.parameters.getAllKeys())
        {
            auto* parameter = findParameter (*plugin, name);

            if (parameter == nullptr)
                fail ("no parameter named " + name);

            parameter->setValueNotifyingHost (o.parameters[name].getFloatValue());
        }

        const int numIn = plugin->getTotalNumInputChannels();
        const int numOut = plugin->getTotalNumOutputChannels();
        const int numChannels = juce::jmax (numIn, numOut);
        const auto length = (int) reader->lengthInSamples;

        juce::AudioBuffer<float> file ((int) reader->numChannels, length);
        reader->read (&file, 0, length, 0, true, true);

        juce::AudioBuffer<float> result (numOut, length);
        juce::AudioBuffer<float> block (numChannels, o.blockSize);
        juce::MidiBuffer midi;

        for (int start = 0; start < length; start += o.blockSize)
        {
            const int n = juce::jmin (o.blockSize, length - start);
            block.setSize (numChannels, n, false, false, true);
            block.clear();

            for (int ch = 0; ch < numIn; ++ch)
                block.copyFrom (ch, 0, file, juce::jmin (ch, file.getNumChannels() - 1), start, n);

            plugin->processBlock (block, midi);

            for (int ch = 0; ch < numOut; ++ch)
                result.copyFrom (ch, start, block, ch, 0, n);
        }

        plugin->releaseResources();

        if (! writeWavFile (o.output, result, rate))
            fail ("cannot write " + o.output.getFullPathName());

        if (o.saveState != juce::File())
        {
            juce::MemoryBlock state;
            plugin->getStateInformation (state);

            if (! o.saveState.replaceWithData (state.getData(), state.getSize()))
                fail ("cannot write " + o.saveState.getFullPathName());
        }

        return 0;
    }
}

// JUCE's LV2 hosting loads its plug-in world a second time when a folder is
// scanned, and the bundled lilv drops the first world's plug-in classes. That is
// the hosting library's own leak, reported by LeakSanitizer in sanitizer builds.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:lilv_world_load_plugin_classes\nleak:lilv_world_set_option\n";
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    juce::StringArray args;

    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    return run (parseOptions (args));
}
