/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The shipped factory presets: what the first-run copy puts into every user's
// preset folder, so each must load cleanly and match what the plug-in writes.

#include <gtest/gtest.h>

#include "PluginProcessor.h"
#include "PresetXml.h"
#include "TestSupport.h"

namespace
{
    const juce::File shippedFolder (VOSTREL_FACTORY_PRESETS);
    const char* const regenerate = "; rebuild the target vostrel_factory_presets and commit the result";

    /** Every preset below a folder, as sorted "/"-separated relative paths. */
    juce::StringArray presetPaths (const juce::File& folder)
    {
        juce::StringArray paths;

        for (const auto& file : folder.findChildFiles (juce::File::findFiles, true, "*.tzrp"))
            paths.add (file.getRelativePathFrom (folder));

        paths.sort (false);
        return paths;
    }

    juce::MemoryBlock bytesOf (const juce::File& file)
    {
        juce::MemoryBlock data;
        file.loadFileAsData (data);
        return data;
    }

    /** The live settings of a processor as its preset writer saves them. */
    juce::MemoryBlock presetBytes (const VostrelZR2814AudioProcessor& processor)
    {
        juce::MemoryOutputStream out;
        processor.writePreset (true)->writeTo (out);
        return out.getMemoryBlock();
    }
}

TEST (FactoryPresets, EveryFileLoadsAndRewritesIdentically)
{
    const auto paths = presetPaths (shippedFolder);
    ASSERT_GE (paths.size(), 10);

    for (const auto& path : paths)
    {
        SCOPED_TRACE (path);
        const auto file = shippedFolder.getChildFile (path);
        VostrelZR2814AudioProcessor processor;

        const auto xml = PresetXml::parseFile (file);
        EXPECT_EQ (processor.readPreset (xml.get(), true), presetLoaded);
        EXPECT_TRUE (presetBytes (processor) == bytesOf (file)) << regenerate;

        // "All" stands in for both version folders where they are not installed.
        if (! path.startsWith ("All/"))
        {
            const auto inAll = shippedFolder.getChildFile ("All").getChildFile (path.fromFirstOccurrenceOf ("/", false, false));
            EXPECT_TRUE (bytesOf (inAll) == bytesOf (file));
        }
    }
}

TEST (FactoryPresets, InitIsTheDefaultsAndFlatIsZeroDecibels)
{
    VostrelZR2814AudioProcessor fresh;
    EXPECT_EQ (fresh.programs[0].presetPath[channelA], "Init.tzrp");

    for (auto* folder : { "Ver.1.0.0", "All" })
        EXPECT_TRUE (bytesOf (shippedFolder.getChildFile (folder).getChildFile ("Init.tzrp")) == presetBytes (fresh))
            << folder << regenerate;

    VostrelZR2814AudioProcessor processor;
    const auto flat = PresetXml::parseFile (shippedFolder.getChildFile ("Ver.1.0.0/Flat.tzrp"));
    ASSERT_EQ (processor.readPreset (flat.get(), true), presetLoaded);
    EXPECT_TRUE (processor.onBypassParam->get());

    for (int i = paramFreqLevel1; i <= paramLevel; ++i)
        EXPECT_FLOAT_EQ (processor.getParameters()[i]->getValue(), 0.5f) << "parameter " << i;
}

TEST (FactoryPresets, GeneratorWritesTheShippedSet)
{
    vostrel::test::TemporaryFolder temporary;
    const auto generator = vostrel::test::runCommand ({ VOSTREL_PRESET_GENERATOR, temporary.folder.getFullPathName() });
    ASSERT_EQ (generator.exitCode, 0) << generator.output;

    const auto paths = presetPaths (temporary.folder);
    ASSERT_EQ (paths.joinIntoString ("\n"), presetPaths (shippedFolder).joinIntoString ("\n")) << regenerate;

    for (const auto& path : paths)
        EXPECT_TRUE (bytesOf (temporary.folder.getChildFile (path)) == bytesOf (shippedFolder.getChildFile (path)))
            << path << regenerate;
}
