/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The Standalone app set to JACK, on a JACK server of the tests' own, under the
// test display: its ports appear and it plays its input as the processor does.

#include <gtest/gtest.h>

#include "HostComparison.h"
#include "Lv2HostSupport.h"
#include "TestSupport.h"

using namespace vostrel::test;

TEST (StandaloneJack, SetToJackItsPortsAppearAndPlayWhatTheProcessorPlays)
{
    TemporaryFolder temp;

    // The settings the app keeps once JACK is picked in its audio settings, with
    // its input unmuted (as its window's bar offers). JACK names a device by the
    // client whose ports it connects to: the server's own here.
    const auto settings = juce::File::getSpecialLocation (juce::File::userHomeDirectory)
                              .getChildFile (".config/Vostrel ZR2814.settings");
    ASSERT_TRUE (settings.getParentDirectory().createDirectory());
    ASSERT_TRUE (settings.replaceWithText (
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PROPERTIES>\n"
        "  <VALUE name=\"audioSetup\">\n"
        "    <DEVICESETUP deviceType=\"JACK\" audioOutputDeviceName=\"system\" audioInputDeviceName=\"system\"\n"
        "                 audioDeviceRate=\"48000.0\"/>\n"
        "  </VALUE>\n"
        "  <VALUE name=\"shouldMuteInput\" val=\"0\"/>\n</PROPERTIES>\n"));

    const juce::String app = "Vostrel ZR2814:";
    const juce::StringArray recordedPorts { "jack_simple_client:output1", "jack_simple_client:output2",
                                            app + "out_1", app + "out_2" };

    // The connections wait for the app's ports to appear.
    const auto session = runJackSessions (temp.folder, [&] (JackServer& jack, const juce::File& folder)
    {
        jack.startClient ({ "jack_simple_client" }, "jack_simple_client");
        auto& standalone = jack.startClient ({ VOSTREL_STANDALONE }, "standalone", true);
        juce::String failed;

        for (const auto channel : { "1", "2" })
            if (failed.isEmpty())
                failed = jack.connect (juce::String ("jack_simple_client:output") + channel, app + "in_" + channel);

        if (failed.isEmpty())
            failed = jack.record (recordedPorts, 2, folder.getChildFile ("recording.wav"));

        if (failed.isEmpty() && ! standalone.isRunning())
            ADD_FAILURE() << "the app ended" << programLogs (folder);

        return failed;
    });

    ASSERT_TRUE (session.isDirectory());
    const auto recorded = readWav (session.getChildFile ("recording.wav"));
    ASSERT_EQ (recorded.getNumChannels(), recordedPorts.size());
    const int length = recorded.getNumSamples(), settled = length / 4;
    ASSERT_EQ (length, 2 * (int) JackServer::rate);

    juce::AudioBuffer<float> input (2, length), played (2, length);

    for (int ch = 0; ch < 2; ++ch)
    {
        input.copyFrom (ch, 0, recorded, ch, 0, length);
        played.copyFrom (ch, 0, recorded, ch + 2, 0, length);
    }

    // A fresh app plays its defaults, once what it heard before the recording
    // has died away.
    EXPECT_LT (largestDifferenceFrom (played, runDirectly (input, {}, JackServer::rate, JackServer::period), settled), 1e-6f);
}
