/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "TervixFileBrowser.h"
#include "TervixPresetMenu.h"

/** The question before a preset is overwritten: an alert whose OK writes the live
    settings over `presetFilePath` and selects the file in the preset menu. A write
    that fails keeps the question open and says so. */
class TervixOverwriteComponent : public TervixAlertComponent
{
public:
    /** Creates the hidden question for a processor and preset menu (neither owned). */
    TervixOverwriteComponent (const juce::String& name, VostrelZR2814AudioProcessor* processor,
                              TervixPresetMenu* presetMenu);
    ~TervixOverwriteComponent() override;

    /** Writes the preset over the file, records it in the live program and closes. */
    void okButtonClicked() override;
    /** Closes without writing. */
    void cancelButtonClicked() override;

    /** Full path of the preset file to overwrite, set by the owner before show. */
    juce::String presetFilePath;
    VostrelZR2814AudioProcessor* processor = nullptr;
    TervixPresetMenu* presetMenu = nullptr;
    /** Reports a failed write over the question. */
    std::unique_ptr<TervixAlertComponent> alertComponent_;

protected:
    /** Writes the preset over the file; false (with the failure shown) when nothing
        was written. With a processor or menu missing it writes nothing but succeeds. */
    bool overwritePreset();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixOverwriteComponent)
};

//==============================================================================
/** The overwrite question inside the save dialog: a confirmed overwrite also
    closes the dialog. */
class TervixOverwriteComponent2 : public TervixOverwriteComponent
{
public:
    using TervixOverwriteComponent::TervixOverwriteComponent;
    ~TervixOverwriteComponent2() override;

    /** Overwrites, then closes this question and the dialog under it. */
    void okButtonClicked() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixOverwriteComponent2)
};

//==============================================================================
/** The preset save dialog: a save browser that accepts only targets inside the
    user preset folder, forces the ".tzrp" extension, asks before overwriting,
    writes through the preset menu and records the new path in the live program. */
class TervixPresetBrowser : public TervixFileBrowser
{
public:
    /** Creates the hidden save dialog for a processor and preset menu (neither owned). */
    TervixPresetBrowser (const juce::String& name, const juce::String& filterDescription,
                         const juce::File& initialFolder, const juce::String& fileWildcard,
                         VostrelZR2814AudioProcessor* processor, TervixPresetMenu* presetMenu);
    ~TervixPresetBrowser() override;

    /** Enables OK for an acceptable target and New Folder inside the preset folder. */
    void timerCallback() override;
    /** Saves, or asks before overwriting; see getSaveTarget for what is accepted. */
    void okButtonClicked() override;
    /** Closes without saving. */
    void cancelButtonClicked() override;

    TervixPresetMenu* presetMenu = nullptr;
    VostrelZR2814AudioProcessor* processor = nullptr;
    std::unique_ptr<TervixOverwriteComponent2> overwriteComponent_;
    /** Reports a failed write over the dialog. */
    std::unique_ptr<TervixAlertComponent> alertComponent_;

private:
    /** The preset file the current choice would be saved to, with the extension
        forced; an empty file when it would not lie inside the user preset folder,
        names a folder, or could not be named by a stored path (a "\" in the name
        of the file or of a folder on the way: stored paths read it as "/"). */
    juce::File getSaveTarget() const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixPresetBrowser)
};
