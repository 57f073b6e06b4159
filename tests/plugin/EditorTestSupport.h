/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "PluginEditor.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vostrel::test
{
    /** What the processor tells its host. */
    struct HostLog : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float) override { changed.add (index); }
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override { ++displayUpdates; }
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int) override { ++gestures; }
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int) override { ++gestures; }

        void clear() { changed.clear(); displayUpdates = gestures = 0; }

        juce::Array<int> changed;
        int displayUpdates = 0, gestures = 0;
    };

    /** A processor and its editor on temporary Music and system folders. */
    struct EditorTest : ::testing::Test
    {
        EditorTest() { processor.addListener (&host); }
        ~EditorTest() override
        {
            editor.reset();
            processor.removeListener (&host);
        }

        VostrelZR2814AudioProcessorEditor& open()
        {
            editor = std::make_unique<VostrelZR2814AudioProcessorEditor> (processor);
            return *editor;
        }

        void close() { editor.reset(); }

        void tick (int count = 1)
        {
            for (int i = 0; i < count; ++i)
                editor->timerCallback();
        }

        template <typename ComponentType = juce::Component>
        ComponentType& child (const juce::String& name)
        {
            for (auto* c : editor->getChildren())
                if (c->getName() == name)
                    if (auto* typed = dynamic_cast<ComponentType*> (c))
                        return *typed;

            throw std::runtime_error (("no child " + name).toStdString());
        }

        TervixPresetMenu& menu() { return child<TervixPresetMenu> ("presetMenu_"); }

        /** Clicks a button as the framework does, without running its message loop
            (whose timer would tick). */
        void click (const juce::String& name)
        {
            auto& button = child<juce::Button> (name);

            if (button.getClickingTogglesState())
                button.setToggleState (! button.getToggleState(), juce::sendNotificationSync);
            else
                button.onClick();
        }

        void setParameter (int index, float value) { processor.getParameters()[index]->setValueNotifyingHost (value); }
        float parameter (int index) { return processor.getParameters()[index]->getValue(); }

        juce::String& livePresetPath()
        {
            return *TervixPresets::getLivePresetPath (processor);
        }

        /** Writes the live settings, or a variation of them, as a preset below the user preset folder. */
        juce::File writePreset (const juce::String& relativePath,
                                std::function<void (juce::XmlElement&)> change = {})
        {
            const auto file = getUserPresetFolder().getChildFile (relativePath);
            file.getParentDirectory().createDirectory();
            auto xml = processor.writePreset (true);

            if (change != nullptr)
                change (*xml);

            xml->writeTo (file);
            return file;
        }

        TemporaryFolder temp;
        const juce::File music { temp.folder.getChildFile ("Music") };
        const juce::File system { temp.folder.getChildFile ("opt") };
        ScopedLocationRoots roots { music, system };
        VostrelZR2814AudioProcessor processor;
        HostLog host;
        std::unique_ptr<VostrelZR2814AudioProcessorEditor> editor;
    };
}
