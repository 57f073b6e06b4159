/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "TervixOptionMenuTree.h"

#include "PluginProcessor.h"

/** Rules shared by everything that reads, writes or names preset files. Preset
    paths come from host sessions as well as from the user, so none is trusted. */
namespace TervixPresets
{
    /** Largest preset file that is read. */
    constexpr juce::int64 maxPresetFileBytes = 1024 * 1024;

    /** The file with "." and ".." segments resolved. */
    juce::File normalise (const juce::File&);

    /** The rule for every write: true for a file or folder that, every link on its
        path resolved (one that leads nowhere too), lies strictly inside the user
        preset folder. */
    bool isInsideUserPresetFolder (const juce::File&);

    /** True for the user preset folder itself or a folder inside it, by the same rule. */
    bool isUserPresetFolderOrInside (const juce::File&);

    /** A path relative to the user preset folder, "/" separated. */
    juce::String getRelativePresetPath (const juce::File&);

    /** True for a path relative to the preset folder that a host session gives back
        as the same file: within the system's limits (fitsSystemPathLimits), the
        first name does not start with "~", no name holds a "\" (stored paths read
        it as a separator) or a control character, and the text reads back from a
        saved state unchanged. */
    bool canBeStored (const juce::String& relativePath);

    /** The live side's preset path of the current program, or null while the
        current program is not a valid slot. */
    juce::String* getLivePresetPath (VostrelZR2814AudioProcessor&);

    /** Reads and parses a preset file: only a regular file of at most
        maxPresetFileBytes, parsed with the processor's limits. Null otherwise. */
    std::unique_ptr<juce::XmlElement> parsePresetFile (const juce::File&);
}

//==============================================================================
/** The preset selector: the folder-tree menu over the user preset folder, which
    also reads presets into the processor, writes the live settings to preset files,
    and marks the shown name with a trailing "*" when the live settings no longer
    match the selected file. */
class TervixPresetMenu : public TervixOptionMenuTree
{
public:
    explicit TervixPresetMenu (const juce::String& name);
    ~TervixPresetMenu() override;

    /** As the tree's menu; a pick also clears the change mark. */
    void mouseDown (const juce::MouseEvent&) override;
    /** As the tree's; a file that is not in the tree is shown marked, and a path
        beyond the system's limits (fitsSystemPathLimits) by the mark alone. */
    void setSelectedFilePath (const juce::String& path) override;
    /** As the tree's; a selection clears the change mark. */
    void setSelectedFileIndex (int itemId) override;

    /** Appends the change mark to the shown name, once. */
    virtual void setPresetHasChanged();
    /** Compares the selected preset file with the live settings and marks any
        difference; it never clears the mark. */
    virtual void compareAndMarkPreset (VostrelZR2814AudioProcessor* processor);
    /** Loads a preset file (absolute, or relative to the root folder) into the
        processor; returns a PresetReadResult, presetInvalid for a file that cannot
        be read or that the path may not name (see getFileOf). */
    virtual int readPreset (VostrelZR2814AudioProcessor* processor, const juce::String& path);
    /** Writes the live settings to a preset file inside the user preset folder and
        selects it; returns false, selecting nothing, when it cannot be written or
        its path could not be stored (see TervixPresets::canBeStored). */
    virtual bool writePreset (VostrelZR2814AudioProcessor* processor, const juce::String& path);
    /** Sets the change-mark flag without touching the text. */
    virtual void setMarkedAsChange (bool isMarked);

    /** Draws the text as the label does, but from getTextToDraw. */
    void paint (juce::Graphics&) override;
    /** The shown text, except that a marked name too long for the label is
        shortened before its mark, so that the mark always stays in sight. */
    juce::String getTextToDraw();

    bool markedAsChanged = false;
    /** The document element of the preset file parsed last. */
    std::unique_ptr<juce::XmlElement> presetXml;

protected:
    /** Leaves out files and folders whose paths a host session cannot keep. */
    bool isListed (const juce::File&) const override;
    /** None for a path that could not be stored or that leads out of the root
        folder by its ".." names; links inside it are followed when read. */
    juce::File getFileOf (const juce::String& path) const override;

private:
    /** Whether a preset document differs from the live side of the current program. */
    bool differsFromLiveSettings (const juce::XmlElement& preset, VostrelZR2814AudioProcessor&) const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixPresetMenu)
};
