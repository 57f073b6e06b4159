/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The Standalone app's entry point. The framework's app builds its window
// without asking whether it got a display, and with none (over ssh, in a
// container) it crashes there, saying nothing. So the display the framework is
// about to open is tried first; without one the app says so and ends. With a
// display, the framework's app starts as from its own entry point, except that
// SIGINT, SIGTERM and SIGHUP end it as its window's close button does, saving
// the sound the user set: left to themselves, SIGTERM and SIGHUP kill it
// unsaved, and the framework's own SIGINT handling quits without saving it.

#include "SystemNames.h"
#include "Utf8.h"

#include <juce_events/juce_events.h>

#include <X11/Xlib.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

    /** A value in quotes, as one line of a message can hold it: printable ASCII
        as it is, every other byte, a quote and a backslash as \xNN, and a long
        value cut, saying so. */
    std::string quoted (const char* value)
    {
        constexpr std::size_t maxShown = 60;
        const auto length = std::strlen (value);
        std::string shown;
        std::size_t used = 0;

        for (; used < length; ++used)
        {
            const auto byte = (unsigned char) value[used];
            char piece[5] = { (char) byte, '\0' };

            if (byte < 0x20 || byte > 0x7e || byte == '"' || byte == '\\')
                std::snprintf (piece, sizeof piece, "\\x%02x", byte);

            if (shown.size() + std::strlen (piece) > maxShown)
                break;

            shown += piece;
        }

        shown = "\"" + shown + "\"";

        if (used < length)
            shown += "... (cut, " + std::to_string (length) + " bytes in all)";

        return shown;
    }

    /** The pipe through which a signal asking the app to end reaches the message
        thread: the handler, on whichever thread the signal lands, writes to
        [1]; the message loop reads [0]. Set once before any handler is
        installed. */
    int quitRequests[2] = { -1, -1 };

    void requestQuit (int)
    {
        const auto savedErrno = errno;
        const char byte = 0;

        // A full pipe already holds a request.
        [[maybe_unused]] const auto written = write (quitRequests[1], &byte, 1);
        errno = savedErrno;
    }

    /** Makes the framework's app once its message loop exists, and routes the
        signals that ask the app to end to it, replacing the framework's SIGINT
        handler. */
    juce::JUCEApplicationBase* createApplication()
    {
        if (pipe2 (quitRequests, O_CLOEXEC | O_NONBLOCK) == 0)
        {
            juce::LinuxEventLoop::registerFdCallback (quitRequests[0], [] (int fd)
            {
                char bytes[64];

                while (read (fd, bytes, sizeof bytes) > 0) {}

                // The close button's way: the app saves the sound, then quits.
                if (auto* app = juce::JUCEApplicationBase::getInstance())
                    app->systemRequestedQuit();
            });

            struct sigaction action {};
            action.sa_handler = requestQuit;
            action.sa_flags = SA_RESTART;
            sigemptyset (&action.sa_mask);

            for (const int signal : { SIGINT, SIGTERM, SIGHUP })
                sigaction (signal, &action, nullptr);
        }

        return juce_CreateApplication();
    }
}

int main (int argc, char* argv[])
{
    // The display the framework opens: DISPLAY, or display 0 when that is unset
    // or empty. The framework reads a value that is not UTF-8 as unset, so the
    // bytes are read here: such a value names no display, and no other is tried.
    const char* named = vostrel::utf8::rawEnvironmentValue ("DISPLAY");
    const bool isNamed = named != nullptr && *named != '\0';
    const char* display = isNamed ? named : ":0.0";

    if (! vostrel::utf8::isValid (display, std::strlen (display)))
    {
        std::fprintf (stderr, "%s found no display to open its window on: DISPLAY %s is not UTF-8.\n",
                      JucePlugin_Name, quoted (display).c_str());
        return EXIT_FAILURE;
    }

    if (! canOpenDisplay (display))
    {
        std::fprintf (stderr, "%s found no display to open its window on: cannot open X display %s%s.\n",
                      JucePlugin_Name, quoted (display).c_str(), isNamed ? "" : " (DISPLAY is empty or unset)");
        return EXIT_FAILURE;
    }

    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
