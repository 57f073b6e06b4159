/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The main of the tests that show popup menus on a real display. The framework
// installs its X error handlers only for applications, and a plain console
// program dies on the first menu, so the tests run inside a JUCEApplication.
// Defining main here keeps the linker from taking the console main out of the
// test support library.

#include <gtest/gtest.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include "TestSupport.h"

namespace
{
    class TestApplication : public juce::JUCEApplication
    {
    public:
        const juce::String getApplicationName() override { return "vostrel-components-xvfb-tests"; }
        const juce::String getApplicationVersion() override { return "1"; }

        // The tests run right here, before the dispatch loop starts: run from a
        // message callback instead, with their own message pumping nested inside
        // it, the application did not quit afterwards.
        void initialise (const juce::String&) override
        {
            setApplicationReturnValue (RUN_ALL_TESTS());
            quit();
        }

        void shutdown() override {}
    };
}

// The framework loads the X libraries at run time and unloads them when the
// application ends; what they still hold for the display then shows up as leaks
// in unknown modules. Memory errors are still reported, and the headless tests
// check our own code for leaks.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main (int argc, char** argv)
{
    const vostrel::test::ProcessHome home;
    ::testing::InitGoogleTest (&argc, argv);

    // Listing the tests (as test discovery does) needs no display.
    if (::testing::GTEST_FLAG (list_tests))
        return RUN_ALL_TESTS();

    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return new TestApplication(); };
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
