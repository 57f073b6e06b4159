/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixPresetBrowser.h"
#include "PresetXml.h"

namespace
{
    const char* const presetExtension = ".tzrp";
    const char* const saveFailedMessage = "Couldn't save the preset! Try different name.";

    std::unique_ptr<TervixAlertComponent> makeFailureAlert (juce::Component& owner)
    {
        auto alert = std::make_unique<TervixAlertComponent> ("alertComponent_", 0, 0, 0);
        owner.addChildComponent (*alert);
        alert->setBounds (0, 0, 325, 454);
        alert->needChangeParentModal (true);
        alert->setTitle (saveFailedMessage);
        return alert;
    }

    // Writes the live settings to a preset file and makes it the live side's preset.
    bool savePreset (VostrelZR2814AudioProcessor& processor, TervixPresetMenu& presetMenu, const juce::File& file)
    {
        if (! presetMenu.writePreset (&processor, file.getFullPathName()))
            return false;

        if (auto* path = TervixPresets::getLivePresetPath (processor))
            *path = presetMenu.getSelectedFilePath();

        return true;
    }
}

//==============================================================================
TervixOverwriteComponent::TervixOverwriteComponent (const juce::String& name, VostrelZR2814AudioProcessor* processorToUse,
                                                    TervixPresetMenu* presetMenuToUse)
    : TervixAlertComponent (name, 0, 0, 0),
      processor (processorToUse),
      presetMenu (presetMenuToUse)
{
    setTitle ({});
    alertComponent_ = makeFailureAlert (*this);
}

TervixOverwriteComponent::~TervixOverwriteComponent() = default;

bool TervixOverwriteComponent::overwritePreset()
{
    if (presetMenu == nullptr || processor == nullptr)
        return true;

    // The path may come from a host session: only files inside the preset folder
    // are overwritten.
    const juce::File file (TervixPresets::normalise (juce::File::getCurrentWorkingDirectory().getChildFile (presetFilePath)));

    if (! TervixPresets::isInsideUserPresetFolder (file) || ! savePreset (*processor, *presetMenu, file))
    {
        alertComponent_->show (1, iconFrown);
        return false;
    }

    processor->updateHostDisplay();
    return true;
}

void TervixOverwriteComponent::okButtonClicked()
{
    if (overwritePreset())
        hide();
}

void TervixOverwriteComponent::cancelButtonClicked()
{
    hide();
}

//==============================================================================
TervixOverwriteComponent2::~TervixOverwriteComponent2() = default;

void TervixOverwriteComponent2::okButtonClicked()
{
    if (! overwritePreset())
        return;

    hide();

    if (auto* dialog = dynamic_cast<TervixFileBrowser*> (getParentComponent()))
        dialog->hide();
}

//==============================================================================
TervixPresetBrowser::TervixPresetBrowser (const juce::String& name, const juce::String& filterDescription,
                                          const juce::File& folder, const juce::String& wildcard,
                                          VostrelZR2814AudioProcessor* processorToUse, TervixPresetMenu* presetMenuToUse)
    : TervixFileBrowser (name, filterDescription, folder, wildcard, saveFile, 1, buttonImageSave, buttonImageCancel),
      presetMenu (presetMenuToUse),
      processor (processorToUse)
{
    overwriteComponent_ = std::make_unique<TervixOverwriteComponent2> ("overwriteComponent_", processor, presetMenu);
    addChildComponent (*overwriteComponent_);
    overwriteComponent_->needChangeParentModal (true);

    alertComponent_ = makeFailureAlert (*this);

    if (newFolderComponent_ != nullptr)
        newFolderComponent_->isFolderAllowed = [] (const juce::File& parent)
        {
            return TervixPresets::isUserPresetFolderOrInside (parent);
        };
}

TervixPresetBrowser::~TervixPresetBrowser() = default;

juce::File TervixPresetBrowser::getSaveTarget() const
{
    if (fileBrowser == nullptr)
        return {};

    // The saved preset's path goes into the host session with the live slot. A
    // path that is not UTF-8 would come back as another, and the framework's path
    // functions misread it (finding its parent recursed without end): such a path
    // is not taken.
    const auto selected = fileBrowser->getSelectedFile (0);

    if (! PresetXml::survivesWriting (selected.getFullPathName()))
        return {};

    const auto chosen = TervixPresets::normalise (selected);

    if (! TervixPresets::isInsideUserPresetFolder (chosen)
        || ! TervixPresets::canBeStored (TervixPresets::getRelativePresetPath (chosen)) || chosen.isDirectory()
        || chosen == TervixPresets::normalise (fileBrowser->getRoot()))
        return {};

    // The extension is compared exactly: "Name.TZRP" becomes "Name.TZRP.tzrp".
    const auto path = chosen.getFullPathName();
    const juce::File target (path.endsWith (presetExtension) ? path : path + presetExtension);
    return target.isDirectory() ? juce::File() : target;
}

void TervixPresetBrowser::timerCallback()
{
    if (browserType != saveFile || fileBrowser == nullptr)
        return;

    setUsable (okButton_.get(), getSaveTarget() != juce::File() && fileBrowser->currentFileIsValid());
    setUsable (newFolderButton_.get(), TervixPresets::isUserPresetFolderOrInside (fileBrowser->getRoot()));
}

void TervixPresetBrowser::okButtonClicked()
{
    if (browserType != saveFile)
        return;

    if (presetMenu != nullptr && processor != nullptr)
    {
        if (const auto target = getSaveTarget(); target != juce::File())
        {
            if (target.existsAsFile())
            {
                overwriteComponent_->setBounds (0, 0, 325, 454);
                overwriteComponent_->presetFilePath = target.getFullPathName();
                overwriteComponent_->setTitle ("Are you sure you want to overwrite this preset?\n\n\""
                                               + TervixPresets::getRelativePresetPath (target) + "\"");
                overwriteComponent_->show (2, iconAsterix);
            }
            else if (savePreset (*processor, *presetMenu, target))
            {
                fileBrowser->refresh();
                hide();
            }
            else
            {
                alertComponent_->show (1, iconFrown);
            }
        }
    }

    if (processor != nullptr)
        processor->updateHostDisplay();
}

void TervixPresetBrowser::cancelButtonClicked()
{
    hide();
}
