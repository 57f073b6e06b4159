/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include "TestSupport.h"

namespace
{
    // Owns the message manager for the whole run. Registered first, so that it
    // is torn down after every other environment and every test object.
    struct JuceEnvironment : ::testing::Environment
    {
        void SetUp() override { juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
        void TearDown() override { juce.reset(); }

        std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
    };
}

int main (int argc, char** argv)
{
    const vostrel::test::ProcessHome home;
    ::testing::InitGoogleTest (&argc, argv);
    ::testing::AddGlobalTestEnvironment (new JuceEnvironment());
    return RUN_ALL_TESTS();
}
