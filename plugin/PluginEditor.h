/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "PluginProcessor.h"

#include "LookAndFeel_TervixJ5.h"
#include "Tervix2StateButton.h"
#include "Tervix2StateKickButton.h"
#include "Tervix4StateButton.h"
#include "TervixPresetBrowser.h"
#include "TervixSplashScreen.h"
#include "TervixVerticalSlider.h"
#include "TervixVerticalSwitchJ5.h"

#include <array>

/** The plug-in's window: a fixed 325 x 454 picture with the skin's controls on
    it. The controls write their parameters directly; a 50 ms timer brings every
    change made elsewhere (host automation, programs, state restores, presets)
    back into them. On opening it copies the factory presets the user has not got
    yet into the user preset folder, and it remembers what it copied in the
    settings file. Everything here runs on the message thread. */
class VostrelZR2814AudioProcessorEditor : public juce::AudioProcessorEditor,
                                          private juce::Timer
{
public:
    /** Builds the window for a processor, which must outlive it. */
    explicit VostrelZR2814AudioProcessorEditor (VostrelZR2814AudioProcessor&);
    ~VostrelZR2814AudioProcessorEditor() override;

    /** Black, then the background picture at its own size. */
    void paint (juce::Graphics&) override;
    /** Places every control at its fixed position. */
    void resized() override;
    /** The refresh tick: takes the processor's refresh flags and brings the
        controls, the A/B side and the preset name up to date. */
    void timerCallback() override;
    /** The refresh tick's period in milliseconds; 0 once the timer has stopped. */
    using juce::Timer::getTimerInterval;

    /** Creates the user preset folder when it does not exist. */
    void createPresetFolder();
    /** Carries out a file-menu item by its id; 0 (a dismissed menu) or an unknown
        id does nothing. */
    void fileMenuResult (int itemId);

    /** Items of the file menu. */
    enum FileMenuItem
    {
        itemSavePreset = 1,
        itemSavePresetAs,
        itemGoToPresetFolder,
        itemUserManual,
        itemWebsite
    };

    /** The product's page in the shop, opened by the file menu. */
    static constexpr const char* shopPageAddress = "https://tervix.example.com/shop/vostrel-zr2814";
    /** Where newer versions are offered, as the newer-preset message spells it. */
    static constexpr const char* downloadsPageAddress = "tervix.example.com/downloads";

private:
    // Construction steps, which add the children from back to front.
    void addPresetRow();
    void addSideButtons();
    void addParameterControls();
    void addHotSpots();
    void addPanels();

    // Handlers of the controls.
    void writeEqualizerType (int index);
    void stepPreset (bool forward);
    void loadSelectedPreset();
    void showFileMenu();
    void switchSide();
    void copySide();
    void showAbout();
    /** Opens a path or web address with the desktop's opener, or tells the user
        why it could not. */
    void openOnDesktop (const juce::String& target);

    // What the refresh tick and the handlers show.
    void showParameters();
    void showLiveSide();
    void selectLivePreset();
    void selectAndCompareLivePreset();
    /** The live preset file, when "Save Preset" may overwrite it without the save
        dialog: an existing file whose stored path the preset menu could have
        stored (TervixPresets::canBeStored) and leads, links resolved, to a
        place inside the user preset folder. */
    juce::File getOverwritablePresetFile();

    // Settings file and first-run copy.
    void readSettings();
    void copyFactoryPresets();
    void writeSettings() const;

    LookAndFeel_TervixJ5 lookAndFeel;
    VostrelZR2814AudioProcessor& processorRef;
    bool ofldrCopied = false, v100Copied = false, v110Copied = false;
    juce::Image backgroundImage;
    bool presetRecheckPending = false;
    int32_t presetRecheckCount = 0;

    std::unique_ptr<Tervix2StateKickButton> fileButton_, presetDecButton_, presetIncButton_;
    std::unique_ptr<TervixPresetMenu> presetMenu_;
    std::unique_ptr<Tervix2StateButton> abButton_;
    std::unique_ptr<Tervix2StateKickButton> abCopyButton_;
    std::unique_ptr<Tervix4StateButton3PDT> bypassButton_;
    std::unique_ptr<TervixVerticalSwitchJ5> typeKnob_;
    /** slider1Fader_ to slider7Fader_. */
    std::array<std::unique_ptr<TervixMovingBackgroundVerticalSlider>, 7> sliderFaders_;
    std::unique_ptr<TervixMovingBackgroundVerticalSlider> levelKnob_;
    /** type1ShortcutButton_ to type3ShortcutButton_. */
    std::array<std::unique_ptr<Tervix2StateKickButton>, 3> typeShortcutButtons_;
    std::unique_ptr<TervixPresetBrowser> savePresetBrowser_;
    std::unique_ptr<TervixOverwriteComponent> overwritePresetComponent_;
    std::unique_ptr<TervixAlertComponent> alert_;
    std::unique_ptr<Tervix2StateKickButton> aboutShowButton_;
    std::unique_ptr<TervixSplashScreen> aboutContainer_;
    /** The file menu while it is open. */
    TervixOpenMenus fileMenu;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VostrelZR2814AudioProcessorEditor)
};
