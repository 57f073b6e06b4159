/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "BinaryData.h"
#include "TervixSkin.h"
#include "VostrelDialogBoxBinImg.h"

#include <gtest/gtest.h>

namespace
{
    struct Picture
    {
        const char* name;
        const char* data;
        int size;
        int width, height, frames;
    };

    using namespace VostrelDialogBoxBinImg;
    namespace ed = BinaryData;

    const Picture pictures[] = {
        { "cancel_png", cancel_png, cancel_pngSize, 132, 102, 2 },
        { "save_png", save_png, save_pngSize, 132, 102, 2 },
        { "ok_png", ok_png, ok_pngSize, 132, 102, 2 },
        { "import_png", import_png, import_pngSize, 132, 102, 2 },
        { "newfolder_png", newfolder_png, newfolder_pngSize, 132, 102, 2 },
        { "download_png", download_png, download_pngSize, 132, 102, 2 },
        { "overwrite_png", overwrite_png, overwrite_pngSize, 132, 102, 2 },
        { "icononly_asterix_png", icononly_asterix_png, icononly_asterix_pngSize, 325, 454, 1 },
        { "icononly_smile_png", icononly_smile_png, icononly_smile_pngSize, 325, 454, 1 },
        { "icononly_frown_png", icononly_frown_png, icononly_frown_pngSize, 325, 454, 1 },
        { "dialogbackground_png", dialogbackground_png, dialogbackground_pngSize, 325, 454, 1 },
        { "browserbackground_png", browserbackground_png, browserbackground_pngSize, 325, 454, 1 },
        { "saveastitle_png", saveastitle_png, saveastitle_pngSize, 325, 454, 1 },
        { "loadtitle_png", loadtitle_png, loadtitle_pngSize, 325, 454, 1 },
        { "importtitle_png", importtitle_png, importtitle_pngSize, 325, 454, 1 },
        { "background_png", ed::background_png, ed::background_pngSize, 325, 454, 1 },
        { "filebutton_png", ed::filebutton_png, ed::filebutton_pngSize, 60, 58, 2 },
        { "presetprev_png", ed::presetprev_png, ed::presetprev_pngSize, 29, 58, 2 },
        { "presetnext_png", ed::presetnext_png, ed::presetnext_pngSize, 30, 58, 2 },
        { "abswitch_png", ed::abswitch_png, ed::abswitch_pngSize, 37, 38, 2 },
        { "abcopy_a_png", ed::abcopy_a_png, ed::abcopy_a_pngSize, 70, 48, 2 },
        { "abcopy_b_png", ed::abcopy_b_png, ed::abcopy_b_pngSize, 70, 48, 2 },
        { "footswitch_png", ed::footswitch_png, ed::footswitch_pngSize, 55, 384, 4 },
        { "typeswitch_png", ed::typeswitch_png, ed::typeswitch_pngSize, 43, 213, 3 },
        { "fader1_png", ed::fader1_png, ed::fader1_pngSize, 25, 16665, 101 },
        { "fader2_png", ed::fader2_png, ed::fader2_pngSize, 25, 16665, 101 },
        { "fader3_png", ed::fader3_png, ed::fader3_pngSize, 25, 16665, 101 },
        { "fader4_png", ed::fader4_png, ed::fader4_pngSize, 25, 16665, 101 },
        { "fader5_png", ed::fader5_png, ed::fader5_pngSize, 25, 16665, 101 },
        { "fader6_png", ed::fader6_png, ed::fader6_pngSize, 25, 16665, 101 },
        { "fader7_png", ed::fader7_png, ed::fader7_pngSize, 25, 16665, 101 },
        { "faderlevel_png", ed::faderlevel_png, ed::faderlevel_pngSize, 25, 16665, 101 },
        { "about_png", ed::about_png, ed::about_pngSize, 325, 454, 1 },
    };

    juce::Image load (const char* data, int size) { return TervixSkin::loadPicture (data, size); }

    float brightnessAt (const juce::Image& strip, int frame, int frames, int x, int y)
    {
        const auto pixel = strip.getPixelAt (x, frame * (strip.getHeight() / frames) + y);
        return pixel.getBrightness() * pixel.getFloatAlpha();
    }
}

TEST (SkinPictures, EveryPictureDecodesWithItsSizeAndWholeFrames)
{
    EXPECT_EQ (33, (int) std::size (pictures));
    EXPECT_EQ (15, VostrelDialogBoxBinImg::namedResourceListSize);
    EXPECT_EQ (18, BinaryData::namedResourceListSize);

    for (const auto& p : pictures)
    {
        const auto image = load (p.data, p.size);
        ASSERT_TRUE (image.isValid()) << p.name;
        EXPECT_EQ (p.width, image.getWidth()) << p.name;
        EXPECT_EQ (p.height, image.getHeight()) << p.name;
        EXPECT_EQ (0, image.getHeight() % p.frames) << p.name;
        EXPECT_TRUE (image.hasAlphaChannel()) << p.name;
    }
}

TEST (SkinPictures, OverlaysAreTransparentButForTheirSymbolNearTheTop)
{
    for (auto* overlay : { icononly_asterix_png, icononly_smile_png, icononly_frown_png,
                           saveastitle_png, loadtitle_png, importtitle_png })
    {
        const auto& p = *std::find_if (std::begin (pictures), std::end (pictures),
                                       [overlay] (const Picture& candidate) { return candidate.data == overlay; });
        const auto image = load (p.data, p.size);
        int opaqueAtTop = 0;

        for (int y = 0; y < 454; ++y)
        {
            for (int x = 0; x < 325; ++x)
            {
                const bool drawn = image.getPixelAt (x, y).getAlpha() > 0;

                if (y >= 130)
                {
                    ASSERT_FALSE (drawn) << p.name << " at " << x << "," << y;
                }

                opaqueAtTop += drawn ? 1 : 0;
            }
        }

        EXPECT_GT (opaqueAtTop, 300) << p.name;
    }
}

TEST (SkinPictures, FrameOrdersMatchTheControlStates)
{
    // Footswitch: LED dark when off (frames 0, 1), lit when on (2, 3).
    const auto footswitch = load (ed::footswitch_png, ed::footswitch_pngSize);

    for (int frame = 0; frame < 4; ++frame)
    {
        const auto led = footswitch.getPixelAt (27, frame * 96 + 11);
        EXPECT_EQ (frame >= 2, led.getRed() > 200) << "frame " << frame;
    }

    // Faders: the cap's index line is at the bottom of the travel in frame 0 and
    // at the top in frame 100.
    for (const auto& p : pictures)
    {
        if (p.frames != 101)
            continue;

        const auto strip = load (p.data, p.size);
        EXPECT_GT (brightnessAt (strip, 0, 101, 12, 141), 0.6f) << p.name;
        EXPECT_LT (brightnessAt (strip, 0, 101, 12, 12), 0.1f) << p.name;
        EXPECT_GT (brightnessAt (strip, 100, 101, 12, 12), 0.6f) << p.name;
        EXPECT_LT (brightnessAt (strip, 100, 101, 12, 141), 0.1f) << p.name;
    }

    // Type switch: lever down in frame 0 ("Wide"), up in frame 2 ("Guitar").
    const auto typeSwitch = load (ed::typeswitch_png, ed::typeswitch_pngSize);
    EXPECT_GT (brightnessAt (typeSwitch, 0, 3, 21, 62), brightnessAt (typeSwitch, 0, 3, 21, 9) + 0.3f);
    EXPECT_GT (brightnessAt (typeSwitch, 2, 3, 21, 9), brightnessAt (typeSwitch, 2, 3, 21, 62) + 0.3f);

    // A/B switch: frame 0 lights side A, frame 1 side B.
    const auto ab = load (ed::abswitch_png, ed::abswitch_pngSize);
    EXPECT_GT (brightnessAt (ab, 0, 2, 6, 9), brightnessAt (ab, 0, 2, 30, 9));
    EXPECT_GT (brightnessAt (ab, 1, 2, 30, 9), brightnessAt (ab, 1, 2, 6, 9));
}
