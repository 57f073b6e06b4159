/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "PluginEditor.h"
#include "FaderLayout.h"
#include "PresetXml.h"
#include "SystemNames.h"
#include "Utf8.h"

#include "BinaryData.h"
#include "TervixSkin.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
    constexpr int refreshIntervalMs = 50;
    constexpr int typeSwitchPositions = 3;
    constexpr double faderDoubleClickValue = 0.5;
    constexpr juce::int64 maxSettingsFileBytes = 64 * 1024;
    const char* const presetWildcard = "*.tzrp";
    const char* const productName = "Vostrel ZR2814";

    struct Picture
    {
        const char* data;
        int size;
    };

    const Picture faderPictures[] = { { BinaryData::fader1_png, BinaryData::fader1_pngSize },
                                      { BinaryData::fader2_png, BinaryData::fader2_pngSize },
                                      { BinaryData::fader3_png, BinaryData::fader3_pngSize },
                                      { BinaryData::fader4_png, BinaryData::fader4_pngSize },
                                      { BinaryData::fader5_png, BinaryData::fader5_pngSize },
                                      { BinaryData::fader6_png, BinaryData::fader6_pngSize },
                                      { BinaryData::fader7_png, BinaryData::fader7_pngSize } };

    juce::Image load (const Picture& picture)
    {
        return TervixSkin::loadPicture (picture.data, picture.size);
    }

    juce::Image abCopyPicture (bool sideB)
    {
        return sideB ? load ({ BinaryData::abcopy_b_png, BinaryData::abcopy_b_pngSize })
                     : load ({ BinaryData::abcopy_a_png, BinaryData::abcopy_a_pngSize });
    }

    /** The look-and-feels of the open windows, oldest first. The framework keeps
        one default for every window in the process: the newest open window's, so
        that closing another one never takes the look from a window still open.
        Message thread only. */
    std::vector<juce::LookAndFeel*>& openWindowLooks()
    {
        static std::vector<juce::LookAndFeel*> looks;
        return looks;
    }

    void installDefaultLook (juce::LookAndFeel& look)
    {
        openWindowLooks().push_back (&look);
        juce::LookAndFeel::setDefaultLookAndFeel (&look);
    }

    /** Called before the look is destroyed, so that the framework never holds it
        destroyed; none is left once the last window closes. */
    void releaseDefaultLook (juce::LookAndFeel& look)
    {
        auto& looks = openWindowLooks();
        looks.erase (std::remove (looks.begin(), looks.end(), &look), looks.end());
        juce::LookAndFeel::setDefaultLookAndFeel (looks.empty() ? nullptr : looks.back());
    }

    template <typename ComponentType>
    std::unique_ptr<ComponentType> addControl (juce::Component& parent, const juce::String& name)
    {
        auto control = std::make_unique<ComponentType> (name);
        parent.addAndMakeVisible (*control);
        return control;
    }

    std::filesystem::path pathOf (const juce::File& file)
    {
        return file.getFullPathName().toStdString();
    }

    bool isRegularFile (const juce::File& file)
    {
        std::error_code error;
        return std::filesystem::is_regular_file (pathOf (file), error);
    }

    /** Copies a file to a name that nothing holds yet, not even a link; a copy
        that fails part way is removed, so that a later run copies it whole. The
        copy is the user's own to save over, even where the factory installed
        its preset read-only. */
    bool copyNewFile (const std::filesystem::path& source, const std::filesystem::path& destination)
    {
        namespace fs = std::filesystem;
        std::error_code error;

        if (fs::copy_file (source, destination, error))
        {
            fs::permissions (destination, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
            return true;
        }

        if (error != std::errc::file_exists)
            fs::remove (destination, error);

        return false;
    }

    /** Copies whatever the target lacks of a source tree and changes nothing the
        target already has: a user's own preset of the same name stays as it is.
        Names are the bytes on disk, so one that is not UTF-8 arrives under the
        same name, never as another. Links to folders are followed in neither
        tree, so the copy cannot run in circles or write outside the target. True
        when nothing missing failed. */
    bool copyMissingFiles (const std::filesystem::path& source, const std::filesystem::path& target)
    {
        namespace fs = std::filesystem;
        std::error_code error;

        if (! fs::is_directory (target, error) && ! fs::create_directories (target, error))
            return false;

        bool complete = true;
        fs::directory_iterator entry (source, error);

        for (; ! error && entry != fs::directory_iterator(); entry.increment (error))
        {
            const auto destination = target / entry->path().filename();
            std::error_code statusError;
            const auto there = fs::symlink_status (destination, statusError);

            if (entry->is_directory (statusError))
            {
                if (! entry->is_symlink (statusError) && ! fs::is_symlink (there))
                    complete = copyMissingFiles (entry->path(), destination) && complete;
            }
            else if (! fs::exists (there))
            {
                complete = copyNewFile (entry->path(), destination) && complete;
            }
        }

        return complete && ! error;
    }

    /** The first folder on PATH holding an executable of that name. PATH is read
        as the bytes it holds: entries that are not absolute would name the
        host's working folder, and entries that are not UTF-8 could not be
        handed on as a path, so both are passed over. */
    juce::String findProgramOnPath (const char* name)
    {
        const auto* path = vostrel::utf8::rawEnvironmentValue ("PATH");
        std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";

        for (;;)
        {
            const auto end = rest.find (':');
            const auto folder = rest.substr (0, end);

            if (! folder.empty() && folder.front() == '/' && vostrel::utf8::isValid (folder.data(), folder.size()))
            {
                const auto candidate = std::filesystem::path (folder) / name;
                std::error_code error;

                if (std::filesystem::is_regular_file (candidate, error) && access (candidate.c_str(), X_OK) == 0)
                    return juce::String::fromUTF8 (candidate.c_str());
            }

            if (end == std::string_view::npos)
                return {};

            rest.remove_prefix (end + 1);
        }
    }

    /** Hands a path or web address to the desktop's opener as its one argument,
        with no shell in between: no character of it is interpreted, and a file
        with its execute bit set is opened, not run. Says why it could not, or
        nothing when the opener was started. */
    juce::String openWithDesktop (const juce::String& target)
    {
        const auto opener = findProgramOnPath ("xdg-open");

        if (opener.isEmpty())
            return "No program to open it was found: xdg-open is not in any folder on PATH.";

        const char* const argv[] = { opener.toRawUTF8(), target.toRawUTF8(), nullptr };
        const pid_t child = fork();

        if (child < 0)
            return "The system could not start " + opener + ".";

        if (child == 0)
        {
            // The opener runs in a session of its own under a parent that ends at
            // once, so init adopts it and the host never has to reap it; it gets
            // none of the host's open files.
            setsid();

            if (fork() == 0)
            {
                closefrom (3);
                execv (argv[0], const_cast<char* const*> (argv));
                _exit (127);
            }

            _exit (0);
        }

        int status = 0;

        while (waitpid (child, &status, 0) < 0 && errno == EINTR) {}

        return {};
    }
}

//==============================================================================
VostrelZR2814AudioProcessorEditor::VostrelZR2814AudioProcessorEditor (VostrelZR2814AudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      processorRef (p)
{
    installDefaultLook (lookAndFeel);

    // The preset menu built below then already lists what the copy brought in.
    readSettings();
    copyFactoryPresets();
    // Recorded at once, not when the window closes: a host that crashes or is
    // killed never closes it, and the next window would copy back what the
    // user has deleted since.
    writeSettings();

    backgroundImage = load ({ BinaryData::background_png, BinaryData::background_pngSize });

    // The children, from back to front.
    addPresetRow();
    addSideButtons();
    addParameterControls();
    addHotSpots();
    addPanels();

    // The first tick shows the processor's whole state and compares the preset.
    processorRef.channelChanged = true;
    processorRef.presetChanged = true;
    processorRef.parametersChanged = true;
    presetRecheckPending = true;
    presetRecheckCount = 0;

    setSize (backgroundImage.getWidth(), backgroundImage.getHeight());
    startTimer (refreshIntervalMs);
}

VostrelZR2814AudioProcessorEditor::~VostrelZR2814AudioProcessorEditor()
{
    fileButton_.reset();
    presetDecButton_.reset();
    presetIncButton_.reset();
    abButton_.reset();
    abCopyButton_.reset();
    bypassButton_.reset();
    typeKnob_.reset();

    for (auto& fader : sliderFaders_)
        fader.reset();

    levelKnob_.reset();

    for (auto& button : typeShortcutButtons_)
        button.reset();

    aboutShowButton_.reset();
    aboutContainer_.reset();
    savePresetBrowser_.reset();
    overwritePresetComponent_.reset();
    alert_.reset();

    stopTimer();
    releaseDefaultLook (lookAndFeel);
}

//==============================================================================
void VostrelZR2814AudioProcessorEditor::addPresetRow()
{
    fileButton_ = addControl<Tervix2StateKickButton> (*this, "fileButton_");
    fileButton_->setImage (load ({ BinaryData::filebutton_png, BinaryData::filebutton_pngSize }));
    fileButton_->onClick = [this] { showFileMenu(); };

    presetDecButton_ = addControl<Tervix2StateKickButton> (*this, "presetDecButton_");
    presetDecButton_->setImage (load ({ BinaryData::presetprev_png, BinaryData::presetprev_pngSize }));
    presetDecButton_->onClick = [this] { stepPreset (false); };

    presetIncButton_ = addControl<Tervix2StateKickButton> (*this, "presetIncButton_");
    presetIncButton_->setImage (load ({ BinaryData::presetnext_png, BinaryData::presetnext_pngSize }));
    presetIncButton_->onClick = [this] { stepPreset (true); };

    presetMenu_ = addControl<TervixPresetMenu> (*this, "presetMenu_");
    presetMenu_->setDirectoryPath (getUserPresetFolder().getFullPathName());
    presetMenu_->setFileExtension (presetWildcard);
    selectLivePreset();
    presetMenu_->setColour (juce::Label::textColourId, juce::Colours::black);
    presetMenu_->onTextChange = [this] { loadSelectedPreset(); };
}

void VostrelZR2814AudioProcessorEditor::addSideButtons()
{
    abButton_ = addControl<Tervix2StateButton> (*this, "abButton_");
    abButton_->setImage (load ({ BinaryData::abswitch_png, BinaryData::abswitch_pngSize }));
    abButton_->onClick = [this] { switchSide(); };

    abCopyButton_ = addControl<Tervix2StateKickButton> (*this, "abCopyButton_");
    abCopyButton_->onClick = [this] { copySide(); };
    showLiveSide();
}

void VostrelZR2814AudioProcessorEditor::addParameterControls()
{
    bypassButton_ = addControl<Tervix4StateButton3PDT> (*this, "bypassButton_");
    bypassButton_->setImage (load ({ BinaryData::footswitch_png, BinaryData::footswitch_pngSize }));
    bypassButton_->onClick = [this] { *processorRef.onBypassParam = bypassButton_->getToggleState(); };

    typeKnob_ = addControl<TervixVerticalSwitchJ5> (*this, "typeKnob_");
    typeKnob_->setImage (load ({ BinaryData::typeswitch_png, BinaryData::typeswitch_pngSize }), typeSwitchPositions);
    typeKnob_->framesAscending = false;
    typeKnob_->onValueChange = [this]
    {
        writeEqualizerType (juce::roundToInt (typeKnob_->getValue() * (typeKnob_->numFrames - 1)));
    };

    auto setUpFader = [] (TervixMovingBackgroundVerticalSlider& fader, const Picture& strip,
                          juce::AudioParameterFloat& parameter)
    {
        fader.setImage (load (strip), FaderLayout::frames);
        fader.setDoubleClickReturnValue (true, faderDoubleClickValue, juce::ModifierKeys::altModifier);
        fader.onValueChange = [&fader, &parameter] { parameter = (float) fader.getValue(); };
    };

    for (size_t band = 0; band < sliderFaders_.size(); ++band)
    {
        sliderFaders_[band] = addControl<TervixMovingBackgroundVerticalSlider> (
            *this, "slider" + juce::String (band + 1) + "Fader_");
        setUpFader (*sliderFaders_[band], faderPictures[band], *processorRef.freqLevelParams[band]);
    }

    levelKnob_ = addControl<TervixMovingBackgroundVerticalSlider> (*this, "levelKnob_");
    setUpFader (*levelKnob_, { BinaryData::faderlevel_png, BinaryData::faderlevel_pngSize }, *processorRef.levelParam);
    showParameters();
}

void VostrelZR2814AudioProcessorEditor::addHotSpots()
{
    // Invisible hot spots over the background's logo and model captions. The
    // about panel that the logo opens comes between them: while it shows, it is
    // modal and no click reaches the captions in front of it.
    aboutShowButton_ = addControl<Tervix2StateKickButton> (*this, "aboutShowButton_");
    aboutShowButton_->onClick = [this] { showAbout(); };

    aboutContainer_ = std::make_unique<TervixSplashScreen> ("aboutContainer_");
    addChildComponent (*aboutContainer_);

    for (size_t type = 0; type < typeShortcutButtons_.size(); ++type)
    {
        typeShortcutButtons_[type] = addControl<Tervix2StateKickButton> (
            *this, "type" + juce::String (type + 1) + "ShortcutButton_");
        typeShortcutButtons_[type]->onClick = [this, type] { writeEqualizerType ((int) type); };
    }
}

void VostrelZR2814AudioProcessorEditor::addPanels()
{
    savePresetBrowser_ = std::make_unique<TervixPresetBrowser> ("savePresetBrowser_", "Save", getUserPresetFolder(),
                                                                presetWildcard, &processorRef, presetMenu_.get());
    addChildComponent (*savePresetBrowser_);
    savePresetBrowser_->needChangeParentModal (false);

    overwritePresetComponent_ = std::make_unique<TervixOverwriteComponent> ("overwritePresetComponent_", &processorRef,
                                                                            presetMenu_.get());
    addChildComponent (*overwritePresetComponent_);

    alert_ = std::make_unique<TervixAlertComponent> ("alert_", 0, 0, 0);
    addChildComponent (*alert_);
}

//==============================================================================
void VostrelZR2814AudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.drawImageAt (backgroundImage, 0, 0);
}

void VostrelZR2814AudioProcessorEditor::resized()
{
    fileButton_->setBounds (4, 3, 60, 29);
    presetDecButton_->setBounds (262, 3, 29, 29);
    presetIncButton_->setBounds (291, 3, 29, 29);
    presetMenu_->setBounds (67, 3, 192, 26);
    abButton_->setBounds (105, 37, 37, 19);
    abCopyButton_->setBounds (165, 33, 70, 24);
    bypassButton_->setBounds (238, 357, 55, 96);
    typeKnob_->setBounds (37, 314, 43, 71);
    typeKnob_->dragLength = 45.0;

    for (size_t band = 0; band < sliderFaders_.size(); ++band)
        sliderFaders_[band]->setBounds (FaderLayout::bandX[band], FaderLayout::y, FaderLayout::width, FaderLayout::height);

    levelKnob_->setBounds (FaderLayout::levelX, FaderLayout::y, FaderLayout::width, FaderLayout::height);
    aboutShowButton_->setBounds (13, 379, 112, 65);
    aboutContainer_->setBounds (0, 0, 325, 454);
    typeShortcutButtons_[0]->setBounds (92, 314, 42, 12);
    typeShortcutButtons_[1]->setBounds (92, 332, 30, 12);
    typeShortcutButtons_[2]->setBounds (92, 353, 30, 12);

    for (juce::Component* overlay : { (juce::Component*) savePresetBrowser_.get(),
                                      (juce::Component*) overwritePresetComponent_.get(),
                                      (juce::Component*) alert_.get() })
        overlay->setBounds (0, 0, 325, 454);
}

//==============================================================================
void VostrelZR2814AudioProcessorEditor::timerCallback()
{
    // Each flag is taken before what it announces is read: a change raised while
    // this tick runs stays raised for the next one.
    if (processorRef.parametersChanged.exchange (false))
    {
        showParameters();

        if (processorRef.channelChanged.exchange (false))
            showLiveSide();

        if (processorRef.presetChanged.exchange (false))
        {
            selectAndCompareLivePreset();
            presetRecheckPending = true;
            presetRecheckCount = 0;
        }
        else
        {
            presetMenu_->setPresetHasChanged();
        }
    }

    // A load's last parameter changes may still be on their way: the preset is
    // compared again on this tick and the next two.
    if (presetRecheckPending && presetRecheckCount <= 2)
    {
        selectAndCompareLivePreset();
        ++presetRecheckCount;
    }
}

void VostrelZR2814AudioProcessorEditor::showParameters()
{
    bypassButton_->setToggleState (processorRef.onBypassParam->get(), juce::dontSendNotification);

    const int positions = typeKnob_->numFrames;
    typeKnob_->setValue (positions >= 2 ? processorRef.equalizerTypeParam->getIndex() / (double) (positions - 1) : 0.0,
                         juce::dontSendNotification);

    for (size_t band = 0; band < sliderFaders_.size(); ++band)
        sliderFaders_[band]->setValue (processorRef.freqLevelParams[band]->get(), juce::dontSendNotification);

    levelKnob_->setValue (processorRef.levelParam->get(), juce::dontSendNotification);
}

void VostrelZR2814AudioProcessorEditor::showLiveSide()
{
    const bool sideB = processorRef.getActiveChannel() == channelB;
    abButton_->setToggleState (sideB, juce::dontSendNotification);
    abCopyButton_->setImage (abCopyPicture (sideB));
}

void VostrelZR2814AudioProcessorEditor::selectLivePreset()
{
    if (const auto* path = TervixPresets::getLivePresetPath (processorRef))
        presetMenu_->setSelectedFilePath (*path);
}

void VostrelZR2814AudioProcessorEditor::selectAndCompareLivePreset()
{
    selectLivePreset();
    presetMenu_->compareAndMarkPreset (&processorRef);
}

//==============================================================================
void VostrelZR2814AudioProcessorEditor::writeEqualizerType (int index)
{
    *processorRef.equalizerTypeParam = index;
}

void VostrelZR2814AudioProcessorEditor::stepPreset (bool forward)
{
    if (forward)
        presetMenu_->nextResult();
    else
        presetMenu_->previousResult();

    loadSelectedPreset();
}

void VostrelZR2814AudioProcessorEditor::loadSelectedPreset()
{
    const auto path = presetMenu_->getSelectedFilePath();

    if (auto* livePath = TervixPresets::getLivePresetPath (processorRef))
        *livePath = path;

    if (presetMenu_->readPreset (&processorRef, path) == presetNewerVersion)
    {
        alert_->setTitle ("\"" + path + "\"\nwas made using a newer version of " + productName
                          + ".\nTo use this preset correctly, please install the newest version from: "
                          + downloadsPageAddress);
        alert_->show (1, iconAsterix);
    }

    processorRef.presetChanged = true;
    processorRef.parametersChanged = true;
    processorRef.updateHostDisplay();
}

void VostrelZR2814AudioProcessorEditor::showFileMenu()
{
    juce::PopupMenu menu;
    menu.addItem (itemSavePreset, "Save Preset");
    menu.addItem (itemSavePresetAs, "Save Preset As...");
    menu.addSeparator();
    menu.addItem (itemGoToPresetFolder, "Go to Preset Folder...");
    menu.addSeparator();
    menu.addItem (itemUserManual, "User Manual");
    menu.addSeparator();
    menu.addItem (itemWebsite, "Tervix Website");

    // The result may arrive after the window has closed.
    juce::Component::SafePointer<VostrelZR2814AudioProcessorEditor> safeThis (this);
    fileMenu.show (menu, juce::PopupMenu::Options().withTargetComponent (fileButton_.get()).withStandardItemHeight (20),
                   [safeThis] (int result)
                   {
                       if (safeThis != nullptr)
                           safeThis->fileMenuResult (result);
                   });
}

void VostrelZR2814AudioProcessorEditor::fileMenuResult (int itemId)
{
    switch (itemId)
    {
        case itemSavePreset:
            if (const auto file = getOverwritablePresetFile(); file != juce::File())
            {
                const auto path = file.getFullPathName();
                const int shownLength = juce::jmax (0, path.length() - getUserPresetFolder().getFullPathName().length() - 1);
                overwritePresetComponent_->presetFilePath = path;
                overwritePresetComponent_->setTitle ("Are you sure you want to overwrite this preset?\n\n\""
                                                     + path.getLastCharacters (shownLength) + "\"");
                overwritePresetComponent_->show (2, iconAsterix);
                break;
            }

            createPresetFolder();
            savePresetBrowser_->show();
            break;

        case itemSavePresetAs:
            createPresetFolder();
            savePresetBrowser_->show();
            break;

        case itemGoToPresetFolder:
            if (const auto folder = getUserPresetFolder(); folder.isDirectory())
                openOnDesktop (folder.getFullPathName());
            break;

        case itemUserManual:
            if (const auto manual = getUserManualFile(); manual.existsAsFile())
            {
                openOnDesktop (manual.getFullPathName());
            }
            else
            {
                alert_->setTitle ("User manual on: \"" + manual.getFullPathName() + "\" is not available.");
                alert_->show (1, iconFrown);
            }
            break;

        case itemWebsite:
            openOnDesktop (shopPageAddress);
            break;

        default:
            break;
    }
}

void VostrelZR2814AudioProcessorEditor::openOnDesktop (const juce::String& target)
{
    if (const auto reason = openWithDesktop (target); reason.isNotEmpty())
    {
        alert_->setTitle ("\"" + target + "\" could not be opened.\n" + reason);
        alert_->show (1, iconFrown);
    }
}

juce::File VostrelZR2814AudioProcessorEditor::getOverwritablePresetFile()
{
    // The stored path may come from a host session: only a relative path that the
    // preset menu could have stored, and that really leads into the preset folder,
    // is trusted.
    const auto* path = TervixPresets::getLivePresetPath (processorRef);

    if (path == nullptr || ! TervixPresets::canBeStored (*path) || juce::File::isAbsolutePath (*path))
        return {};

    const auto file = getUserPresetFolder().getChildFile (*path);
    return file.existsAsFile() && TervixPresets::isInsideUserPresetFolder (file) ? file : juce::File();
}

void VostrelZR2814AudioProcessorEditor::createPresetFolder()
{
    if (const auto folder = getUserPresetFolder(); ! folder.isDirectory())
        folder.createDirectory();
}

//==============================================================================
void VostrelZR2814AudioProcessorEditor::switchSide()
{
    const int side = abButton_->getToggleState() ? channelB : channelA;
    processorRef.setLiveSide (side);
    selectLivePreset();
    abCopyButton_->setImage (abCopyPicture (side == channelB));

    processorRef.presetChanged = true;
    processorRef.parametersChanged = true;
    processorRef.updateHostDisplay();
}

void VostrelZR2814AudioProcessorEditor::copySide()
{
    // The button's state, which its picture shows, says which way the copy goes,
    // even while a host change waits for the next tick to reach the button.
    processorRef.copySide (abButton_->getToggleState() ? channelB : channelA);
}

void VostrelZR2814AudioProcessorEditor::showAbout()
{
    aboutContainer_->versionLabel_->setText (juce::String (VOSTREL_VERSION_STRING) + " (64bit)",
                                             juce::dontSendNotification);
    aboutContainer_->show();
}

//==============================================================================
void VostrelZR2814AudioProcessorEditor::readSettings()
{
    ofldrCopied = v100Copied = v110Copied = false;

    // A pipe or device could block the window's opening, and a huge file is not
    // ours: either counts as a first run.
    const auto file = getSettingsFile();

    if (! isRegularFile (file) || file.getSize() > maxSettingsFileBytes)
        return;

    const auto xml = PresetXml::parseFile (file);

    if (xml == nullptr)
        return;

    for (auto* copyProperties : xml->getChildIterator())
    {
        if (copyProperties->getTagName().equalsIgnoreCase ("PresetProperties"))
        {
            ofldrCopied = copyProperties->getBoolAttribute ("ofldrCopied", false);
            v100Copied = copyProperties->getBoolAttribute ("v100Copied", false);
            v110Copied = copyProperties->getBoolAttribute ("v110Copied", false);
            return;
        }
    }
}

void VostrelZR2814AudioProcessorEditor::copyFactoryPresets()
{
    const auto target = getUserPresetFolder();
    const auto factory = getFactoryPresetFolder();

    if (! ofldrCopied)
    {
        const auto oldFolder = getOldUserPresetFolder();
        ofldrCopied = oldFolder.isDirectory() ? copyMissingFiles (pathOf (oldFolder), pathOf (target)) : true;
    }

    for (auto [copied, version] : { std::pair<bool*, const char*> { &v100Copied, "Ver.1.0.0" },
                                    std::pair<bool*, const char*> { &v110Copied, "Ver.1.1.0" } })
        if (! *copied && factory.getChildFile (version).isDirectory())
            *copied = copyMissingFiles (pathOf (factory.getChildFile (version)), pathOf (target));

    // Without any version folder, the whole set fills a preset folder that does
    // not exist yet; nothing remembers it, the existing folder stops it next time.
    if (! v100Copied && ! v110Copied && ! target.isDirectory() && factory.getChildFile ("All").isDirectory())
        copyMissingFiles (pathOf (factory.getChildFile ("All")), pathOf (target));
}

void VostrelZR2814AudioProcessorEditor::writeSettings() const
{
    const auto file = getSettingsFile();

    if (! file.exists())
        file.create();

    juce::XmlElement root ("tervixPluginProperty");
    auto* copyProperties = root.createNewChildElement ("PresetProperties");
    copyProperties->setAttribute ("ofldrCopied", ofldrCopied ? "true" : "false");
    copyProperties->setAttribute ("v100Copied", v100Copied ? "true" : "false");
    copyProperties->setAttribute ("v110Copied", v110Copied ? "true" : "false");
    root.writeTo (file);
}

//==============================================================================
juce::AudioProcessorEditor* VostrelZR2814AudioProcessor::createEditor()
{
    return new VostrelZR2814AudioProcessorEditor (*this);
}
