/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The plug-in's own editor in a real LV2 host's window: jalv's GTK front end on
// a JACK server, on the test display.

#include <gtest/gtest.h>

#include "Lv2HostSupport.h"
#include "TestSupport.h"

#include <juce_graphics/juce_graphics.h>

#include <set>

using namespace vostrel::test;

TEST (JalvGtk, ShowsThePluginsOwnEditorAndClosesCleanly)
{
    if (hostsNeedSanitizerRuntime())
        GTEST_SKIP() << "GTK deadlocks in gtk_init (bindtextdomain) under a preloaded AddressSanitizer "
                        "runtime, before any plug-in code runs";

    TemporaryFolder temp;
    setLv2Path (temp.folder);
    JackServer jack (temp.folder);
    ASSERT_TRUE (jack.isReady()) << jack.getProblem() << programLogs (temp.folder);

    auto& jalv = jack.startClient ({ "jalv.gtk3", "-n", "vostrel-gui", "-x", VOSTREL_LV2_URI }, "jalv", true);
    const auto window = runTool ({ "xdotool", "search", "--sync", "--name", "^Vostrel ZR2814$" }, 30000).output.trim();
    ASSERT_TRUE (window.isNotEmpty()) << programLogs (temp.folder);
    EXPECT_TRUE (jalv.getLog().contains (juce::String ("UI:           ") + VOSTREL_LV2_URI + ":UI")) << jalv.getLog();

    // The editor is the innermost window without a name of its own in jalv's
    // window: the plug-in makes it, jalv's toolkit names each of its own.
    juce::String editor;

    for (const auto& line : juce::StringArray::fromLines (runTool ({ "xwininfo", "-tree", "-id", window }).output))
        if (line.contains ("(has no name): ()") && ! line.contains (" 1x1+"))
            editor = line.trim().upToFirstOccurrenceOf (" ", false, false);

    ASSERT_TRUE (editor.isNotEmpty());

    // It draws: a blank or failed editor would be one colour.
    const auto shot = temp.folder.getChildFile ("editor.png");
    juce::Thread::sleep (1000);
    ASSERT_EQ (runTool ({ "import", "-window", editor, shot.getFullPathName() }).exitCode, 0);
    const auto image = juce::ImageFileFormat::loadFrom (shot);
    ASSERT_TRUE (image.isValid());
    EXPECT_GE (image.getWidth(), 100);
    EXPECT_GE (image.getHeight(), 100);

    std::set<juce::uint32> colours;

    for (int y = 0; y < image.getHeight(); y += 4)
        for (int x = 0; x < image.getWidth(); x += 4)
            colours.insert (image.getPixelAt (x, y).getARGB());

    EXPECT_GT (colours.size(), 4u);

    EXPECT_TRUE (jalv.isRunning()) << programLogs (temp.folder);
    EXPECT_EQ (jalv.stop(), 0) << programLogs (temp.folder);
}
