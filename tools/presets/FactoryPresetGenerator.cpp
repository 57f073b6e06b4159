/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Writes the factory presets: each one is set on a fresh processor through its
// parameters, as a user would, and saved by the processor's own preset writer,
// so the files are exactly what the plug-in itself writes and reads.
//
// The editor copies the version folders into the user's preset folder on first
// use, and "All" only when neither version folder exists, so "All" holds every
// preset. "Init.tzrp" is the fresh processor untouched: a new instance's preset
// path names it, and it must match the defaults to show unmarked.
//
// Usage: vostrel_preset_generator <factory preset folder>

#include "PluginProcessor.h"

#include <array>
#include <iostream>
#include <optional>

namespace
{
    struct Setting
    {
        EqualizerType type;
        std::array<float, 7> bandGainsDb; ///< bands 1 to 7, -15 to +15 dB
        float levelDb;                    ///< output level, -15 to +15 dB
    };

    struct FactoryPreset
    {
        const char* versionFolder;
        const char* path;               ///< inside the version folder, without extension
        std::optional<Setting> setting; ///< none: the processor's defaults
    };

    const char* const allFolder = "All";

    // Band frequencies, Guitar: 100 200 400 800 1.6k 3.2k, shelf 6.4k;
    // Bass: 62.5 125 250 500 1k 2k, shelf 4k; Wide: 50 120 400 500 800 4.5k, shelf 10k.
    const FactoryPreset factoryPresets[] = {
        { "Ver.1.0.0", "Init", std::nullopt },
        { "Ver.1.0.0", "Flat", Setting { typeGuitar, { 0, 0, 0, 0, 0, 0, 0 }, 0 } },
        { "Ver.1.0.0", "Guitar/Crunch Rhythm", Setting { typeGuitar, { -2, 0, 2, 3, 2, 0, -3 }, -1 } },
        { "Ver.1.0.0", "Guitar/Lead Boost", Setting { typeGuitar, { -3, 0, 3, 5, 4, 1, -2 }, 2 } },
        { "Ver.1.0.0", "Bass/Finger Punch", Setting { typeBass, { 2, 3, -1, -2, 2, 1, -4 }, -1 } },
        { "Ver.1.0.0", "Wide/Vocal Presence", Setting { typeWide, { -6, -2, -1, 0, 1, 3, 2 }, 0 } },
        { "Ver.1.1.0", "Guitar/Clean Sparkle", Setting { typeGuitar, { -2, -1, -2, 0, 1, 3, 4 }, -1 } },
        { "Ver.1.1.0", "Bass/Slap", Setting { typeBass, { 3, 1, -3, -4, -1, 3, 4 }, -1 } },
        { "Ver.1.1.0", "Wide/Acoustic Guitar", Setting { typeWide, { -8, -3, -2, -1, 0, 2, 3 }, 0 } },
    };

    float normalisedFromDb (float db)
    {
        return (db + 15.0f) / 30.0f;
    }

    void apply (VostrelZR2814AudioProcessor& processor, const Setting& setting)
    {
        *processor.onBypassParam = true;
        *processor.equalizerTypeParam = (int) setting.type;

        for (size_t band = 0; band < setting.bandGainsDb.size(); ++band)
            *processor.freqLevelParams[band] = normalisedFromDb (setting.bandGainsDb[band]);

        *processor.levelParam = normalisedFromDb (setting.levelDb);
    }

    bool write (const juce::XmlElement& preset, const juce::File& file)
    {
        return file.getParentDirectory().createDirectory() && preset.writeTo (file);
    }
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "Usage: " << argv[0] << " <factory preset folder>\n";
        return 2;
    }

    const auto root = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);

    // Start from empty folders, so that a renamed or dropped preset leaves no file behind.
    for (auto* folder : { "Ver.1.0.0", "Ver.1.1.0", allFolder })
        root.getChildFile (folder).deleteRecursively();

    int written = 0;

    for (const auto& preset : factoryPresets)
    {
        VostrelZR2814AudioProcessor processor;

        if (preset.setting)
            apply (processor, *preset.setting);

        const auto xml = processor.writePreset (true);
        const auto fileName = juce::String (preset.path) + ".tzrp";

        for (auto* folder : { preset.versionFolder, allFolder })
        {
            const auto file = root.getChildFile (folder).getChildFile (fileName);

            if (! write (*xml, file))
            {
                std::cerr << "Cannot write " << file.getFullPathName() << "\n";
                return 1;
            }

            ++written;
        }
    }

    std::cout << "Wrote " << written << " presets to " << root.getFullPathName() << "\n";
    return 0;
}
