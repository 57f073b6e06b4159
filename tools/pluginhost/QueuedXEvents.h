/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Makes the framework read X events that already sit in Xlib's queue.

    The framework reads its X connection only when the socket is readable. A
    request that waits for a reply outside that reader (a window's geometry asked
    from a timer, say) pulls the events that arrived meanwhile into Xlib's queue,
    where nothing looks at them until the server writes again. On a desktop the
    pointer or the window manager soon does; on a bare test server nothing does,
    and an embedded plug-in view can wait for its size for good. When events are
    queued, this sends the window an event of no meaning to anyone, so the socket
    becomes readable and the framework's reader takes the whole queue.

    Call it on the message thread, between passes of the message loop. */
void readQueuedXEvents (juce::Component& window);
