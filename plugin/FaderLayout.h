/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

/** Where the window's eight faders sit, in window pixels, and the frames of their
    film strips. The editor places the faders by these numbers and the skin
    generator draws the background's scale and legends around them, so the two
    cannot drift apart. Plain numbers: the generator includes this without the
    plug-in's libraries. */
namespace FaderLayout
{
    /** Left edges of the band faders 1 to 7. */
    constexpr int bandX[] = { 38, 69, 99, 130, 160, 191, 221 };
    /** Left edge of the output level fader. */
    constexpr int levelX = 261;
    /** Top edge and size of every fader. */
    constexpr int y = 114, width = 25, height = 165;
    /** Frames of a fader's film strip, one per step of 0.01. */
    constexpr int frames = 101;
}
