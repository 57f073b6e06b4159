/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The Standalone app's entry point. The framework's app builds its window
// without asking whether it got a display, and with none (over ssh, in a
// container) it crashes there, saying nothing. So the display the framework is
// about to open is tried first; without one the app says so and ends. With a
// display, the framework's app starts exactly as from its own entry point.

#include <juce_events/juce_events.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

// The framework's app, made by its Standalone client.
juce::JUCEApplicationBase* juce_CreateApplication();

namespace
{
    bool canOpenDisplay (const char* name)
    {
        Display* display = XOpenDisplay (name);

        if (display == nullptr)
            return false;

        XCloseDisplay (display);
        return true;
    }
}

int main (int argc, char* argv[])
{
    // The display the framework opens: DISPLAY, or display 0 when that is unset
    // or empty.
    const char* named = std::getenv ("DISPLAY");
    const bool isNamed = named != nullptr && *named != '\0';
    const char* display = isNamed ? named : ":0.0";

    if (! canOpenDisplay (display))
    {
        std::fprintf (stderr, "%s found no display to open its window on: cannot open X display \"%s\"%s.\n",
                      JucePlugin_Name, display, isNamed ? "" : " (DISPLAY is empty or unset)");
        return EXIT_FAILURE;
    }

    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
