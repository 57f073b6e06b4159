/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The framework's X declarations come only with this switch, as its own
// modules that talk to the X server take them.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "QueuedXEvents.h"

void readQueuedXEvents (juce::Component& window)
{
    auto* peer = window.getPeer();
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();

    if (peer == nullptr || display == nullptr)
        return;

    auto& x = *juce::X11Symbols::getInstance();
    juce::XWindowSystemUtilities::ScopedXLock lock;

    if (x.xEventsQueued (display, QueuedAlready) == 0)
        return;

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = (::Window) peer->getNativeHandle();
    event.xclient.message_type = x.xInternAtom (display, "VOSTREL_HOST_WAKE", False);
    event.xclient.format = 32;
    x.xSendEvent (display, event.xclient.window, False, NoEventMask, &event);
    x.xFlush (display);
}
