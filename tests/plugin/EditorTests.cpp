/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The window, its controls and the refresh timer, headless, with the timer
// driven tick by tick.

#include "EditorTestSupport.h"

#include "BinaryData.h"
#include "ComponentTestSupport.h"

#include <sys/inotify.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vostrel::test;

namespace
{
    /** The frame size a picture-drawn control was given, and its frame count. */
    juce::String pictureOf (juce::Component& c)
    {
        auto size = [] (int w, int h, int frames) { return juce::String (w) + "x" + juce::String (h) + "/" + juce::String (frames); };

        if (auto* b = dynamic_cast<Tervix2StateKickButton*> (&c))     return size (b->frameWidth, b->frameHeight, 2);
        if (auto* b = dynamic_cast<Tervix2StateButton*> (&c))         return size (b->frameWidth, b->frameHeight, 2);
        if (auto* b = dynamic_cast<Tervix4StateButton*> (&c))         return size (b->frameWidth, b->frameHeight, 4);
        if (auto* s = dynamic_cast<TervixVerticalSwitchJ5*> (&c))     return size (s->frameWidth, s->frameHeight, s->numFrames);
        if (auto* f = dynamic_cast<TervixMovingBackgroundVerticalSlider*> (&c))
            return size (f->frameWidth, f->frameHeight, f->numFrames);
        if (auto* a = dynamic_cast<TervixSplashScreen*> (&c))         return size (a->image.getWidth(), a->image.getHeight(), 1);
        return {};
    }

    bool samePixels (const juce::Image& a, const juce::Image& b)
    {
        if (a.getBounds() != b.getBounds())
            return false;

        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;

        return true;
    }

    juce::Image abCopyPicture (bool sideB)
    {
        return sideB ? TervixSkin::loadPicture (BinaryData::abcopy_b_png, BinaryData::abcopy_b_pngSize)
                     : TervixSkin::loadPicture (BinaryData::abcopy_a_png, BinaryData::abcopy_a_pngSize);
    }

    /** Counts the reads of one file: every compare of the preset reads it. The
        kernel merges identical events that follow each other unread, so opens
        are watched too: with a close between them, no two closes are merged. */
    struct FileReads
    {
        explicit FileReads (const juce::File& file)
        {
            inotify_add_watch (descriptor, file.getFullPathName().toRawUTF8(), IN_OPEN | IN_CLOSE_NOWRITE);
        }

        ~FileReads() { ::close (descriptor); }

        /** The reads finished since the last call. */
        int take()
        {
            int count = 0;
            alignas (inotify_event) char events[4096];

            for (ssize_t length; (length = ::read (descriptor, events, sizeof (events))) > 0;)
            {
                for (auto* at = events; at < events + length;)
                {
                    const auto* event = reinterpret_cast<const inotify_event*> (at);
                    count += (event->mask & IN_CLOSE_NOWRITE) != 0 ? 1 : 0;
                    at += sizeof (inotify_event) + event->len;
                }
            }

            return count;
        }

        const int descriptor = inotify_init1 (IN_NONBLOCK | IN_CLOEXEC);
    };
}

TEST_F (EditorTest, EveryChildHasItsNameBoundsAndPictureInCreationOrder)
{
    struct Expected { const char* name; juce::Rectangle<int> bounds; const char* picture; bool visible; };
    const Expected expected[] = {
        { "fileButton_",               { 4, 3, 60, 29 },     "60x29/2",     true },
        { "presetDecButton_",          { 262, 3, 29, 29 },   "29x29/2",     true },
        { "presetIncButton_",          { 291, 3, 29, 29 },   "30x29/2",     true },
        { "presetMenu_",               { 67, 3, 192, 26 },   "",            true },
        { "abButton_",                 { 105, 37, 37, 19 },  "37x19/2",     true },
        { "abCopyButton_",             { 165, 33, 70, 24 },  "70x24/2",     true },
        { "bypassButton_",             { 238, 357, 55, 96 }, "55x96/4",     true },
        { "typeKnob_",                 { 37, 314, 43, 71 },  "43x71/3",     true },
        { "slider1Fader_",             { 38, 114, 25, 165 }, "25x165/101",  true },
        { "slider2Fader_",             { 69, 114, 25, 165 }, "25x165/101",  true },
        { "slider3Fader_",             { 99, 114, 25, 165 }, "25x165/101",  true },
        { "slider4Fader_",             { 130, 114, 25, 165 }, "25x165/101", true },
        { "slider5Fader_",             { 160, 114, 25, 165 }, "25x165/101", true },
        { "slider6Fader_",             { 191, 114, 25, 165 }, "25x165/101", true },
        { "slider7Fader_",             { 221, 114, 25, 165 }, "25x165/101", true },
        { "levelKnob_",                { 261, 114, 25, 165 }, "25x165/101", true },
        { "aboutShowButton_",          { 13, 379, 112, 65 }, "0x0/2",       true },
        { "aboutContainer_",           { 0, 0, 325, 454 },   "325x454/1",   false },
        { "type1ShortcutButton_",      { 92, 314, 42, 12 },  "0x0/2",       true },
        { "type2ShortcutButton_",      { 92, 332, 30, 12 },  "0x0/2",       true },
        { "type3ShortcutButton_",      { 92, 353, 30, 12 },  "0x0/2",       true },
        { "savePresetBrowser_",        { 0, 0, 325, 454 },   "",            false },
        { "overwritePresetComponent_", { 0, 0, 325, 454 },   "",            false },
        { "alert_",                    { 0, 0, 325, 454 },   "",            false },
    };

    auto& e = open();
    EXPECT_EQ (juce::Rectangle<int> (0, 0, 325, 454), e.getBounds());
    EXPECT_FALSE (e.isResizable());
    ASSERT_EQ (std::size (expected), (size_t) e.getNumChildComponents());

    for (size_t i = 0; i < std::size (expected); ++i)
    {
        auto& c = *e.getChildComponent ((int) i);
        SCOPED_TRACE (expected[i].name);
        EXPECT_EQ (juce::String (expected[i].name), c.getName());
        EXPECT_EQ (expected[i].bounds, c.getBounds());
        EXPECT_EQ (juce::String (expected[i].picture), pictureOf (c));
        EXPECT_EQ (expected[i].visible, c.isVisible());
    }

    EXPECT_EQ (45.0, child<TervixVerticalSwitchJ5> ("typeKnob_").dragLength);
    EXPECT_FALSE (child<TervixVerticalSwitchJ5> ("typeKnob_").framesAscending);
    EXPECT_EQ (juce::Colours::black, menu().findColour (juce::Label::textColourId));
    EXPECT_NE (nullptr, dynamic_cast<LookAndFeel_TervixJ5*> (&juce::LookAndFeel::getDefaultLookAndFeel()));

    // The window draws its background picture.
    const auto background = TervixSkin::loadPicture (BinaryData::background_png, BinaryData::background_pngSize);
    juce::Image drawn (juce::Image::ARGB, 325, 454, true);
    juce::Graphics g (drawn);
    e.paint (g);
    EXPECT_TRUE (samePixels (background, drawn));

    close();
    EXPECT_EQ (nullptr, dynamic_cast<LookAndFeel_TervixJ5*> (&juce::LookAndFeel::getDefaultLookAndFeel()));
}

TEST_F (EditorTest, TwoOpenWindowsKeepALookOfAnOpenOneUntilTheLastCloses)
{
    auto defaultLook = [] { return &juce::LookAndFeel::getDefaultLookAndFeel(); };

    for (bool newestClosesFirst : { true, false })
    {
        SCOPED_TRACE (newestClosesFirst ? "newest closes first" : "oldest closes first");
        VostrelZR2814AudioProcessor otherProcessor;
        open();
        const auto* oldestLook = defaultLook();
        auto newest = std::make_unique<VostrelZR2814AudioProcessorEditor> (otherProcessor);
        const auto* newestLook = defaultLook();
        ASSERT_NE (oldestLook, newestLook);

        for (const auto* look : { oldestLook, newestLook })
            ASSERT_NE (nullptr, dynamic_cast<const LookAndFeel_TervixJ5*> (look));

        // The window still open keeps its own look, never the closed one's.
        auto& stillOpen = newestClosesFirst ? *editor : *newest;

        if (newestClosesFirst)
            newest.reset();
        else
            close();

        EXPECT_EQ (newestClosesFirst ? oldestLook : newestLook, &stillOpen.getLookAndFeel());

        newest.reset();
        close();
        EXPECT_EQ (nullptr, dynamic_cast<LookAndFeel_TervixJ5*> (defaultLook()));
    }
}

TEST_F (EditorTest, OpensOnTheProcessorsStateAndWritesNothing)
{
    for (int type = 0; type < 3; ++type)
    {
        SCOPED_TRACE (type);
        processor.currentProgram = 2;
        processor.programs[2].activeChannel = type == 1 ? channelB : channelA;
        auto& parameters = processor.getParameters();
        parameters[paramOnBypass]->setValue (type == 2 ? 0.5f : 0.4f);
        parameters[paramEqualizerType]->setValue (processor.equalizerTypeParam->convertTo0to1 ((float) type));
        parameters[paramFreqLevel4]->setValue (0.25f);
        host.clear();

        open();
        EXPECT_EQ (type == 1, child<juce::Button> ("abButton_").getToggleState());
        EXPECT_TRUE (samePixels (abCopyPicture (type == 1), child<Tervix2StateKickButton> ("abCopyButton_").image));
        EXPECT_EQ (type == 2, child<juce::Button> ("bypassButton_").getToggleState());
        EXPECT_EQ (type / 2.0, child<juce::Slider> ("typeKnob_").getValue());
        EXPECT_FLOAT_EQ (0.25f, (float) child<juce::Slider> ("slider4Fader_").getValue());

        tick (3);
        EXPECT_TRUE (host.changed.isEmpty());
        EXPECT_EQ (0, host.displayUpdates);
        close();
    }
}

TEST_F (EditorTest, ControlsWriteTheirParameterOnlyWhenItChangesAndNeverBeginAGesture)
{
    open();
    tick();
    host.clear();

    auto& fader = child<juce::Slider> ("slider3Fader_");
    fader.setValue (0.3, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (0.3f, parameter (paramFreqLevel3));

    // The host moves the band; the fader reaching the same value sends nothing.
    setParameter (paramFreqLevel3, 0.25f);
    host.clear();
    fader.setValue (0.25, juce::sendNotificationSync);
    EXPECT_TRUE (host.changed.isEmpty());

    // A double-click, or a click with Alt held, returns a fader to 0 dB.
    fader.mouseDoubleClick (mouseAt (fader, { 12.0f, 60.0f }));
    EXPECT_FLOAT_EQ (0.5f, parameter (paramFreqLevel3));
    auto& level = child<juce::Slider> ("levelKnob_");
    level.mouseDown (mouseAt (level, { 12.0f, 60.0f }, juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier));
    EXPECT_FLOAT_EQ (0.5f, parameter (paramLevel));

    host.clear();
    click ("type1ShortcutButton_"); // already "Guitar"
    EXPECT_TRUE (host.changed.isEmpty());
    click ("type3ShortcutButton_");
    EXPECT_EQ (typeWide, processor.equalizerTypeParam->getIndex());
    child<juce::Slider> ("typeKnob_").setValue (0.5, juce::sendNotificationSync);
    EXPECT_EQ (typeBass, processor.equalizerTypeParam->getIndex());

    click ("bypassButton_");
    EXPECT_FALSE (processor.onBypassParam->get());

    EXPECT_EQ (juce::Array<int> ({ paramEqualizerType, paramEqualizerType, paramOnBypass }), host.changed);
    EXPECT_EQ (0, host.gestures);
}

TEST_F (EditorTest, HostChangesReachTheControlsOnTheNextTickWithoutWritingBack)
{
    writePreset ("Init.tzrp");
    open();
    tick (3);
    EXPECT_EQ (juce::String ("Init"), menu().getText());

    setParameter (paramFreqLevel7, 0.75f);
    setParameter (paramOnBypass, 0.0f);
    host.clear();
    tick();
    EXPECT_FLOAT_EQ (0.75f, (float) child<juce::Slider> ("slider7Fader_").getValue());
    EXPECT_FALSE (child<juce::Button> ("bypassButton_").getToggleState());
    EXPECT_EQ (juce::String ("Init*"), menu().getText());
    EXPECT_TRUE (host.changed.isEmpty());

    // A program change: every control, the live side and the preset name.
    auto& slot = processor.programs[5];
    slot.activeChannel = channelB;
    slot.values[channelB][paramLevel] = 0.125f;
    slot.presetPath[channelB] = "Init.tzrp";
    processor.setCurrentProgram (5);
    host.clear();
    tick();
    EXPECT_FLOAT_EQ (0.125f, (float) child<juce::Slider> ("levelKnob_").getValue());
    EXPECT_TRUE (child<juce::Button> ("abButton_").getToggleState());
    EXPECT_TRUE (samePixels (abCopyPicture (true), child<Tervix2StateKickButton> ("abCopyButton_").image));
    EXPECT_EQ (juce::String ("Init*"), menu().getText()); // B's values differ from the file
    EXPECT_TRUE (host.changed.isEmpty());
}

TEST_F (EditorTest, AnAutomationChangeDuringATickIsNeverLost)
{
    open();
    std::atomic<bool> done { false };

    std::thread automation ([&]
    {
        for (int i = 1; i <= 2000; ++i)
            setParameter (paramFreqLevel5, (float) (i % 100) / 100.0f);

        setParameter (paramFreqLevel5, 0.625f);
        done = true;
    });

    while (! done)
        tick();

    automation.join();
    tick();
    EXPECT_FLOAT_EQ (0.625f, (float) child<juce::Slider> ("slider5Fader_").getValue());
}

TEST_F (EditorTest, RefreshesEveryFiftyMilliseconds)
{
    EXPECT_EQ (50, open().getTimerInterval());
}

TEST_F (EditorTest, APresetChangeIsComparedFourTimesOverThreeTicksOnceParametersChanged)
{
    FileReads reads (writePreset ("Init.tzrp"));
    open();

    // One compare as the tick makes it: select the live preset, then compare.
    reads.take();
    menu().setSelectedFilePath (livePresetPath());
    menu().compareAndMarkPreset (&processor);
    const int readsPerCompare = reads.take();
    ASSERT_GT (readsPerCompare, 0);

    auto readsOverFourTicks = [&]
    {
        std::vector<int> counts;

        for (int i = 0; i < 4; ++i)
        {
            tick();
            counts.push_back (reads.take());
        }

        return counts;
    };

    auto compares = [&] (std::vector<int> perTick)
    {
        for (int& n : perTick)
            n *= readsPerCompare;

        return perTick;
    };

    // Opening raised every flag: twice on the first tick, then once on each of
    // the next two.
    EXPECT_EQ (compares ({ 2, 1, 1, 0 }), readsOverFourTicks());

    // A preset or side change waits for a parameter change to come with it.
    processor.presetChanged = true;
    processor.programs[0].activeChannel = channelB;
    processor.channelChanged = true;
    EXPECT_EQ (compares ({ 0, 0, 0, 0 }), readsOverFourTicks());
    EXPECT_FALSE (child<juce::Button> ("abButton_").getToggleState());

    processor.parametersChanged = true;
    EXPECT_EQ (compares ({ 2, 1, 1, 0 }), readsOverFourTicks());
    EXPECT_TRUE (child<juce::Button> ("abButton_").getToggleState());
}

//==============================================================================
TEST_F (EditorTest, PresetsStepWithWrapAroundAndLoad)
{
    setParameter (paramFreqLevel1, 0.1f);
    writePreset ("A/a.tzrp");
    setParameter (paramFreqLevel1, 0.2f);
    writePreset ("b.tzrp");
    livePresetPath() = "b.tzrp";
    open();
    tick();
    host.clear();

    const char* const steps[][2] = { { "presetIncButton_", "A/a.tzrp" }, { "presetIncButton_", "b.tzrp" },
                                     { "presetDecButton_", "A/a.tzrp" }, { "presetDecButton_", "b.tzrp" } };

    for (auto [button, path] : steps)
    {
        click (button);
        EXPECT_EQ (juce::String (path), livePresetPath());
        EXPECT_FLOAT_EQ (juce::String (path) == "b.tzrp" ? 0.2f : 0.1f, parameter (paramFreqLevel1));
        EXPECT_TRUE (processor.presetChanged && processor.parametersChanged);
        tick();
        EXPECT_FALSE (menu().markedAsChanged);
    }

    EXPECT_EQ (4, host.displayUpdates);
    EXPECT_FALSE (child<juce::Component> ("alert_").isVisible());
}

TEST_F (EditorTest, ANewerPresetLoadsWithAWarningAndAForeignFileLoadsNothing)
{
    writePreset ("Sub/New.tzrp", [] (juce::XmlElement& xml) { xml.getChildByName ("Properties")->setAttribute ("presetVersion", "1.5"); });
    getUserPresetFolder().getChildFile ("Foreign.tzrp").replaceWithText ("<somethingElse/>");
    open();

    menu().setSelectedFilePath ("Sub/New.tzrp");
    menu().onTextChange();
    auto& alert = child<TervixAlertComponent> ("alert_");
    EXPECT_TRUE (alert.isVisible());
    EXPECT_EQ (juce::String ("\"Sub/New.tzrp\"\nwas made using a newer version of Vostrel ZR2814.\n"
                             "To use this preset correctly, please install the newest version from: "
                             "tervix.example.com/downloads"),
               alert.titleText_->getText());
    alert.hide();

    setParameter (paramLevel, 0.3f);
    menu().setSelectedFilePath ("Foreign.tzrp");
    menu().onTextChange();
    EXPECT_FLOAT_EQ (0.3f, parameter (paramLevel));
    EXPECT_EQ (juce::String ("Foreign.tzrp"), livePresetPath());
    EXPECT_FALSE (alert.isVisible());
}

//==============================================================================
TEST_F (EditorTest, ABSwitchesTheLiveSideAndCopiesInTheButtonsDirection)
{
    for (int i = paramFreqLevel1; i <= paramLevel; ++i)
        setParameter (i, 0.75f);

    livePresetPath() = "A side.tzrp";
    processor.programs[0].presetPath[channelB] = "B side.tzrp";
    open();
    tick();

    click ("abCopyButton_"); // A onto B, and nobody is told
    click ("abCopyButton_");
    EXPECT_EQ (0.75f, processor.programs[0].values[channelB][paramFreqLevel4]);
    EXPECT_FALSE (processor.presetChanged || processor.parametersChanged);

    processor.programs[0].values[channelB][paramLevel] = 0.25f;
    host.clear();
    click ("abButton_");
    EXPECT_EQ (channelB, processor.programs[0].activeChannel);
    EXPECT_FLOAT_EQ (0.25f, parameter (paramLevel));
    EXPECT_FLOAT_EQ (0.75f, parameter (paramFreqLevel4));
    EXPECT_EQ (juce::String ("B side*"), menu().getText()); // its own path, not in the folder
    EXPECT_TRUE (samePixels (abCopyPicture (true), child<Tervix2StateKickButton> ("abCopyButton_").image));
    EXPECT_EQ (numParameters, host.changed.size());
    EXPECT_EQ (1, host.displayUpdates);
    EXPECT_EQ (0, host.gestures);
    EXPECT_TRUE (processor.presetChanged && processor.parametersChanged);
    EXPECT_FALSE (processor.channelChanged);

    click ("abCopyButton_"); // B live: B onto A
    EXPECT_EQ (0.25f, processor.programs[0].values[channelA][paramLevel]);
}

TEST_F (EditorTest, ACopyClickedBeforeTheTickShowingAHostChangeSavesWhatIsHeard)
{
    // Side A of every slot at 0.2, side B at 0.9; program 4 and the saved state have B live.
    auto setUp = [this] (int sideBLiveIn)
    {
        for (int program = 0; program < VostrelZR2814AudioProcessor::numPrograms; ++program)
        {
            auto& slot = processor.programs[program];
            slot.activeChannel = program == sideBLiveIn ? channelB : channelA;

            for (int i = paramFreqLevel1; i <= paramLevel; ++i)
            {
                slot.values[channelA][i] = 0.2f;
                slot.values[channelB][i] = 0.9f;
            }
        }

        processor.setCurrentProgram (0);
    };

    juce::MemoryBlock sideBState;
    setUp (0);
    processor.getStateInformation (sideBState);

    const std::pair<const char*, std::function<void()>> hostChanges[] = {
        { "program change", [this] { processor.setCurrentProgram (4); } },
        { "state restore", [&] { processor.setStateInformation (sideBState.getData(), (int) sideBState.getSize()); } },
    };

    for (const auto& [what, change] : hostChanges)
    {
        SCOPED_TRACE (what);
        setUp (4);
        open();
        tick();
        change();
        ASSERT_EQ (channelB, processor.getActiveChannel());
        ASSERT_FALSE (child<juce::Button> ("abButton_").getToggleState()); // the tick has not come

        click ("abCopyButton_");
        const auto& live = processor.programs[processor.getCurrentProgram()].values[channelB];

        for (int i = 0; i < numParameters; ++i)
            EXPECT_NEAR (live[i], parameter (i), 1.0e-6f) << i;

        // A session saved now brings back what was heard.
        juce::MemoryBlock saved, savedAgain;
        processor.getStateInformation (saved);
        VostrelZR2814AudioProcessor restored;
        restored.setStateInformation (saved.getData(), (int) saved.getSize());
        restored.getStateInformation (savedAgain);
        EXPECT_EQ (saved, savedAgain);

        for (int i = 0; i < numParameters; ++i)
            EXPECT_EQ (restored.getParameters()[i]->getValue(), parameter (i)) << i;

        close();
    }
}

TEST_F (EditorTest, TheAboutPanelShowsTheVersion)
{
    open();
    click ("aboutShowButton_");
    auto& about = child<TervixSplashScreen> ("aboutContainer_");
    EXPECT_TRUE (about.isVisible());
    EXPECT_EQ (juce::String ("1.2.0 (64bit)"), about.versionLabel_->getText());
}
