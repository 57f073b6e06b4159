/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The editor in a real window, worked with the real X pointer (xdotool).

#include "EditorTestSupport.h"
#include "MenuSupport.h"

using namespace vostrel::test;

namespace
{
    struct RealWindow : EditorTest
    {
        void show()
        {
            open();
            editor->setTopLeftPosition (100, 100);
            editor->addToDesktop (0);
            editor->setVisible (true);
            pumpMessages (200);
        }

        /** Runs xdotool with the message loop running, so that the window takes
            the pointer's events as they come. */
        void pointer (const juce::String& steps)
        {
            juce::ChildProcess xdotool;
            ASSERT_TRUE (xdotool.start ("xdotool " + steps));

            while (xdotool.isRunning())
                pumpMessages (10);

            pumpMessages (200);
        }

        juce::String at (juce::Point<int> p) { return "mousemove " + juce::String (p.x) + " " + juce::String (p.y); }

        juce::String at (const juce::String& name, juce::Point<int> offset)
        {
            return at (child (name).getScreenPosition() + offset);
        }

        juce::String at (const juce::String& name) { return at (name, child (name).getLocalBounds().getCentre()); }

        /** The screen centre of an item of the innermost open menu. */
        juce::Point<int> menuItem (const juce::String& title)
        {
            for (auto* item : menuItems (*openMenus().getLast()))
                if (item->getTitle() == title)
                    return item->getComponent().getScreenBounds().getCentre();

            ADD_FAILURE() << "no menu item " << title;
            return {};
        }
    };
}

TEST_F (RealWindow, AFaderDraggedTheFootswitchAndAPresetPickedReachTheProcessor)
{
    setParameter (paramFreqLevel1, 0.2f);
    writePreset ("A.tzrp");
    setParameter (paramFreqLevel1, 0.8f);
    writePreset ("B.tzrp");
    livePresetPath() = "A.tzrp";
    show();

    pointer (at ("slider3Fader_", { 12, 130 }) + " mousedown 1 sleep 0.2 " + at ("slider3Fader_", { 12, 40 })
             + " sleep 0.2 mouseup 1");
    EXPECT_GT (parameter (paramFreqLevel3), 0.7f);
    EXPECT_FLOAT_EQ ((float) child<juce::Slider> ("slider3Fader_").getValue(), parameter (paramFreqLevel3));

    pointer (at ("bypassButton_") + " click 1");
    EXPECT_FALSE (processor.onBypassParam->get());

    pointer (at ("presetMenu_") + " click 1");
    ASSERT_TRUE (waitForMenus (1));
    pointer (at (menuItem ("B.tzrp")) + " sleep 0.3 click 1");
    EXPECT_TRUE (waitForMenus (0));
    EXPECT_EQ (juce::String ("B.tzrp"), livePresetPath());
    EXPECT_FLOAT_EQ (0.8f, parameter (paramFreqLevel1));
    EXPECT_EQ (juce::String ("B"), menu().getText());
}

TEST_F (RealWindow, ClosingTheWindowWhileAMenuIsOpenIsSafe)
{
    writePreset ("A.tzrp");

    for (auto [control, item] : { std::pair { "fileButton_", "Save Preset As..." }, std::pair { "presetMenu_", "A.tzrp" } })
    {
        SCOPED_TRACE (control);
        show();
        pointer (at (control) + " click 1");
        ASSERT_TRUE (waitForMenus (1));
        const auto where = menuItem (item);

        close();
        pumpMessages (100);
        pointer (at (where) + " click 1");
        EXPECT_TRUE (waitForMenus (0));
    }
}

TEST_F (RealWindow, APresetOfTheLoadedNameInAnotherFolderLoadsWhenPicked)
{
    setParameter (paramFreqLevel1, 0.2f);
    writePreset ("Bass/Warm.tzrp");
    setParameter (paramFreqLevel1, 0.8f);
    writePreset ("Guitar/Warm.tzrp");

    for (int side : { channelA, channelB })
    {
        processor.programs[1].presetPath[side] = "Guitar/Warm.tzrp";
        processor.programs[1].values[side][paramFreqLevel1] = 0.8f;
    }

    show();

    // Guitar/Warm reached after a pick of Bass/Warm by each road but the menu.
    const std::pair<const char*, std::function<void()>> roads[] = {
        { "next", [this] { click ("presetIncButton_"); } },
        { "program change", [this] { processor.setCurrentProgram (1); } },
        { "A/B switch", [this] { click ("abButton_"); } },
    };

    for (const auto& [road, loadGuitarWarm] : roads)
    {
        SCOPED_TRACE (road);
        ASSERT_TRUE (clickToOpenMenu (menu()));
        ASSERT_TRUE (pickMenuItem ({ "Bass", "Warm.tzrp" }));
        ASSERT_EQ (juce::String ("Bass/Warm.tzrp"), livePresetPath());

        loadGuitarWarm();
        tick();
        ASSERT_EQ (juce::String ("Guitar/Warm.tzrp"), livePresetPath());
        ASSERT_EQ (juce::String ("Warm"), menu().getText());

        ASSERT_TRUE (clickToOpenMenu (menu()));
        ASSERT_TRUE (pickMenuItem ({ "Bass", "Warm.tzrp" }));
        EXPECT_EQ (juce::String ("Bass/Warm.tzrp"), livePresetPath());
        EXPECT_FLOAT_EQ (0.2f, parameter (paramFreqLevel1));
    }
}

TEST_F (RealWindow, ClosingAWindowClosesOnlyTheMenusItOpened)
{
    writePreset ("A.tzrp");
    VostrelZR2814AudioProcessor otherProcessor;
    auto other = std::make_unique<VostrelZR2814AudioProcessorEditor> (otherProcessor);
    other->setTopLeftPosition (500, 100);
    other->addToDesktop (0);
    other->setVisible (true);
    show();

    // A menu closes by itself about 100 ms after it opens unless a window of the
    // program has the focus: a click on a bare spot of the window that stays
    // open gives it that, as a user's click would, without moving a control.
    const juce::Point<int> background { 160, 300 };
    ASSERT_EQ (other.get(), other->getComponentAt (background));
    pointer (at (other->getScreenPosition() + background) + " click 1");
    ASSERT_TRUE (other->getPeer()->isFocused());

    auto& otherMenu = *dynamic_cast<TervixPresetMenu*> (other->getChildComponent (3));
    ASSERT_EQ (juce::String ("presetMenu_"), otherMenu.getName());
    ASSERT_TRUE (clickToOpenMenu (otherMenu));
    click ("fileButton_");
    ASSERT_TRUE (waitForMenus (2));
    ASSERT_TRUE (clickToOpenMenu (menu()));

    close();
    ASSERT_TRUE (waitForMenus (1));
    ASSERT_TRUE (pickMenuItem ({ "A.tzrp" }));
    EXPECT_EQ (juce::String ("A.tzrp"), *TervixPresets::getLivePresetPath (otherProcessor));
}
