/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Draws the plug-in's skin: every picture the editor and its panels load, plus a
// contact sheet for reviewing them together. The generated PNGs are committed in
// resources/; run this only to change the skin (target vostrel_skin), because
// text renders differently with other font versions.
//
// Usage: vostrel_skin_generator <picture folder> <contact sheet file>

#include <juce_gui_basics/juce_gui_basics.h>

#include "FaderLayout.h"

#include <functional>
#include <vector>
#include <iostream>

using namespace juce;

namespace
{
    //==============================================================================
    // Palette shared by every picture, so the panels read as one product.
    namespace colours
    {
        const Colour enclosureTop   { 0xff2c2e32 };
        const Colour enclosureBase  { 0xff1b1c1f };
        const Colour recess         { 0xff111214 };
        const Colour legend         { 0xffe9e3d3 };
        const Colour legendDim      { 0xff8e9096 };
        const Colour guitar         { 0xfff0a43a };
        const Colour bass           { 0xff5ac8d8 };
        const Colour wide           { 0xffb592f2 };
        const Colour ledLit         { 0xffff3a24 };
        const Colour lcdTop         { 0xffc6d1b0 };
        const Colour lcdBottom      { 0xffa3b28e };
    }

    const Colour modelColours[] = { colours::guitar, colours::bass, colours::wide };

    //==============================================================================
    // Fonts are loaded from files so that every run on one machine draws the same
    // pixels, whatever the system's font configuration prefers.
    struct Fonts
    {
        Fonts()
        {
            const File folder ("/usr/share/fonts/truetype/dejavu");
            bold = load (folder.getChildFile ("DejaVuSans-Bold.ttf"));
            regular = load (folder.getChildFile ("DejaVuSans.ttf"));
        }

        static Typeface::Ptr load (const File& file)
        {
            MemoryBlock data;

            if (! file.loadFileAsData (data))
            {
                std::cerr << "Missing font " << file.getFullPathName() << " (install fonts-dejavu-core)\n";
                std::exit (1);
            }

            return Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
        }

        Font get (float height, bool isBold = true, float kerning = 0.0f, float horizontalScale = 1.0f) const
        {
            return Font (isBold ? bold : regular).withHeight (height)
                                                 .withExtraKerningFactor (kerning)
                                                 .withHorizontalScale (horizontalScale);
        }

        Typeface::Ptr bold, regular;
    };

    const Fonts& fonts()
    {
        static const Fonts instance;
        return instance;
    }

    //==============================================================================
    // Window geometry the pictures are drawn for.
    constexpr int windowWidth = 325, windowHeight = 454;
    constexpr float trackTop = 12.0f, trackLength = 129.0f;

    //==============================================================================
    // Printed legends get a faint dark shadow below them, as silk-screen on metal.
    void drawLegend (Graphics& g, const String& text, Rectangle<float> area, const Font& font,
                     Colour colour, Justification justification = Justification::centred)
    {
        g.setFont (font);
        g.setColour (Colours::black.withAlpha (0.55f));
        g.drawText (text, area.translated (0.0f, 1.0f), justification, false);
        g.setColour (colour);
        g.drawText (text, area, justification, false);
    }

    void fillBrushedMetal (Graphics& g, Rectangle<float> area, float cornerSize, int seed)
    {
        g.setGradientFill (ColourGradient::vertical (colours::enclosureTop, area.getY(),
                                                     colours::enclosureBase, area.getBottom()));
        g.fillRoundedRectangle (area, cornerSize);

        Graphics::ScopedSaveState state (g);
        Path clip;
        clip.addRoundedRectangle (area, cornerSize);
        g.reduceClipRegion (clip);

        Random random (seed);

        for (float y = area.getY(); y < area.getBottom(); y += 1.0f)
        {
            const bool light = random.nextBool();
            g.setColour ((light ? Colours::white : Colours::black).withAlpha (0.012f + 0.025f * random.nextFloat()));
            g.fillRect (area.getX(), y, area.getWidth(), 1.0f);
        }
    }

    /** The whole window's metal enclosure, each picture with its own grain. */
    void fillEnclosure (Graphics& g, int seed)
    {
        const auto all = Rectangle<int> (windowWidth, windowHeight).toFloat();
        g.fillAll (Colour (0xff08090a));
        fillBrushedMetal (g, all.reduced (1.0f), 9.0f, seed);
    }

    /** A darker strip along the top edge, for a window's header controls. */
    void drawHeaderStrip (Graphics& g, float height)
    {
        g.setGradientFill (ColourGradient::vertical (Colour (0xff0d0e0f), 0.0f, Colour (0xff17181a), height));
        g.fillRoundedRectangle (Rectangle<float> (1.0f, 1.0f, 323.0f, height), 9.0f);
        g.fillRect (1.0f, 12.0f, 323.0f, height - 11.0f);
        g.setColour (Colours::white.withAlpha (0.08f));
        g.fillRect (1.0f, height + 1.0f, 323.0f, 1.0f);
    }

    void drawRecess (Graphics& g, Rectangle<float> area, float cornerSize, Colour fill = colours::recess)
    {
        g.setColour (Colours::white.withAlpha (0.07f));
        g.fillRoundedRectangle (area.translated (0.0f, 1.0f), cornerSize);
        g.setColour (fill);
        g.fillRoundedRectangle (area, cornerSize);

        Graphics::ScopedSaveState state (g);
        Path clip;
        clip.addRoundedRectangle (area, cornerSize);
        g.reduceClipRegion (clip);
        g.setGradientFill (ColourGradient::vertical (Colours::black.withAlpha (0.55f), area.getY(),
                                                     Colours::transparentBlack, area.getY() + 6.0f));
        g.fillRect (area.withHeight (6.0f));
        g.setColour (Colours::black.withAlpha (0.8f));
        g.drawRoundedRectangle (area.reduced (0.5f), cornerSize, 1.0f);
    }

    void drawScrew (Graphics& g, Point<float> centre, float angle)
    {
        const auto r = Rectangle<float> (9.0f, 9.0f).withCentre (centre);
        g.setColour (Colours::black.withAlpha (0.6f));
        g.fillEllipse (r.translated (0.0f, 1.0f).expanded (0.5f));
        g.setGradientFill (ColourGradient (Colour (0xff9a9ca2), r.getX(), r.getY(),
                                           Colour (0xff3c3e43), r.getRight(), r.getBottom(), false));
        g.fillEllipse (r);
        g.setColour (Colour (0xff1a1b1d));
        Path slot;
        slot.addRectangle (Rectangle<float> (7.0f, 1.6f).withCentre ({}));
        g.fillPath (slot, AffineTransform::rotation (angle).translated (centre));
    }

    /** A raised (or pressed) hardware button face. An accent colour rims the
        primary actions of a panel. */
    void drawButtonFace (Graphics& g, Rectangle<float> area, float cornerSize, bool pressed,
                         Colour accent = Colours::transparentBlack)
    {
        if (! pressed)
        {
            g.setColour (Colours::black.withAlpha (0.55f));
            g.fillRoundedRectangle (area.translated (0.0f, 1.5f), cornerSize);
        }

        g.setColour (Colour (0xff060607));
        g.fillRoundedRectangle (area, cornerSize);

        const auto face = area.reduced (1.0f).translated (0.0f, pressed ? 0.5f : 0.0f);
        g.setGradientFill (pressed ? ColourGradient::vertical (Colour (0xff1d1f22), face.getY(),
                                                               Colour (0xff2b2d31), face.getBottom())
                                   : ColourGradient::vertical (Colour (0xff4a4d53), face.getY(),
                                                               Colour (0xff2a2c30), face.getBottom()));
        g.fillRoundedRectangle (face, cornerSize - 1.0f);

        g.setColour (Colours::white.withAlpha (pressed ? 0.04f : 0.16f));
        g.drawLine (face.getX() + cornerSize, face.getY() + 0.5f, face.getRight() - cornerSize, face.getY() + 0.5f, 1.0f);

        if (! accent.isTransparent())
        {
            g.setColour (accent.withAlpha (pressed ? 0.45f : 0.85f));
            g.drawRoundedRectangle (face.reduced (1.0f), cornerSize - 1.5f, 1.2f);
        }
    }

    Path triangle (Point<float> a, Point<float> b, Point<float> c)
    {
        Path p;
        p.addTriangle (a, b, c);
        return p;
    }

    //==============================================================================
    using FrameDrawer = std::function<void (Graphics&, Rectangle<float>, int frame)>;

    /** Frames stacked vertically, frame 0 at the top. */
    Image makeStrip (int width, int frameHeight, int numFrames, const FrameDrawer& draw)
    {
        Image image (Image::ARGB, width, frameHeight * numFrames, true);
        Graphics g (image);

        for (int i = 0; i < numFrames; ++i)
        {
            Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (0, i * frameHeight, width, frameHeight);
            g.setOrigin (0, i * frameHeight);
            draw (g, Rectangle<int> (width, frameHeight).toFloat(), i);
        }

        return image;
    }

    Image makePicture (int width, int height, const std::function<void (Graphics&)>& draw)
    {
        Image image (Image::ARGB, width, height, true);
        Graphics g (image);
        draw (g);
        return image;
    }

    // The cap's centre for a value: value 1 at the top of the track.
    float capCentre (float value) { return trackTop + (1.0f - value) * trackLength; }

    const char* const bandFrequencies[3][7] = {
        { "100", "200", "400", "800", "1.6k", "3.2k", "6.4k" },
        { "62.5", "125", "250", "500", "1k", "2k", "4k" },
        { "50", "120", "400", "500", "800", "4.5k", "10k" }
    };

    const char* const modelNames[] = { "GUITAR", "BASS", "WIDE" };
    const Rectangle<float> modelLabelBounds[] = { { 92, 314, 42, 12 }, { 92, 332, 42, 12 }, { 92, 353, 42, 12 } };

    //==============================================================================
    Image drawBackground()
    {
        return makePicture (windowWidth, windowHeight, [] (Graphics& g)
        {
            const auto& f = fonts();
            fillEnclosure (g, 2814);
            g.setColour (Colours::white.withAlpha (0.10f));
            g.drawRoundedRectangle (Rectangle<int> (windowWidth, windowHeight).toFloat().reduced (1.5f), 9.0f, 1.0f);

            // Header strip: file menu, preset display and stepping buttons.
            drawHeaderStrip (g, 34.0f);

            const Rectangle<float> lcd (67.0f, 3.0f, 192.0f, 26.0f);
            g.setColour (Colour (0xff030303));
            g.fillRoundedRectangle (lcd.expanded (1.5f), 4.0f);
            g.setGradientFill (ColourGradient::vertical (colours::lcdTop, lcd.getY(), colours::lcdBottom, lcd.getBottom()));
            g.fillRoundedRectangle (lcd.reduced (0.5f), 3.0f);
            g.setGradientFill (ColourGradient::vertical (Colours::black.withAlpha (0.35f), lcd.getY(),
                                                         Colours::transparentBlack, lcd.getY() + 5.0f));
            g.fillRoundedRectangle (lcd.reduced (0.5f).withHeight (6.0f), 3.0f);

            // A/B row.
            drawLegend (g, "A/B", { 62.0f, 37.0f, 38.0f, 19.0f }, f.get (10.0f, true, 0.08f), colours::legend,
                        Justification::centredRight);
            drawLegend (g, "COPY", { 240.0f, 33.0f, 50.0f, 24.0f }, f.get (9.0f, true, 0.12f), colours::legendDim,
                        Justification::centredLeft);

            // Product heading.
            drawLegend (g, "VOSTREL  ZR2814", { 0.0f, 60.0f, 325.0f, 22.0f }, f.get (18.0f, true, 0.10f),
                        colours::legend);
            drawLegend (g, "SEVEN-BAND GRAPHIC EQUALIZER", { 0.0f, 81.0f, 325.0f, 11.0f },
                        f.get (8.0f, true, 0.22f), colours::legendDim);

            drawScrew (g, { 12.0f, 71.0f }, 0.6f);
            drawScrew (g, { 313.0f, 71.0f }, 2.1f);
            drawScrew (g, { 9.0f, 445.0f }, 1.2f);
            drawScrew (g, { 316.0f, 445.0f }, 0.2f);

            // Fader bay.
            drawRecess (g, { 7.0f, 97.0f, 311.0f, 216.0f }, 6.0f);

            const auto bandFont = f.get (9.0f, true, 0.05f);

            for (int band = 0; band < 7; ++band)
                drawLegend (g, String (band + 1), { (float) FaderLayout::bandX[band], 100.0f, (float) FaderLayout::width, 12.0f },
                            bandFont, colours::legendDim);

            drawLegend (g, "OUT", { (float) FaderLayout::levelX - 4.0f, 100.0f, FaderLayout::width + 8.0f, 12.0f },
                        bandFont, colours::legendDim);

            // dB scale: a tick in each gap between neighbouring faders and one
            // outside each end, labels at both ends.
            float tickX[9];
            tickX[0] = (float) FaderLayout::bandX[0] - 3.0f;

            for (int fader = 1; fader < 8; ++fader)
            {
                const int left = fader < 7 ? FaderLayout::bandX[fader] : FaderLayout::levelX;
                tickX[fader] = 0.5f * (float) (FaderLayout::bandX[fader - 1] + FaderLayout::width + left);
            }

            tickX[8] = (float) (FaderLayout::levelX + FaderLayout::width) + 4.5f;

            const int dbMarks[] = { 15, 10, 5, 0, -5, -10, -15 };
            const auto scaleFont = f.get (7.5f, true, 0.0f, 0.9f);

            for (const int db : dbMarks)
            {
                const float y = (float) FaderLayout::y + capCentre ((float) (db + 15) / 30.0f);
                const bool major = db % 15 == 0;
                g.setColour (major ? colours::legend.withAlpha (0.75f) : colours::legendDim.withAlpha (0.55f));

                const float tick = major ? 5.0f : 3.0f;

                for (const float x : tickX)
                    g.fillRect (Rectangle<float> (tick, db == 0 ? 1.5f : 1.0f).withCentre ({ x, y }));

                const String text = db > 0 ? "+" + String (db) : String (db);
                drawLegend (g, text, { 9.0f, y - 5.0f, 22.0f, 10.0f }, scaleFont,
                            major ? colours::legend : colours::legendDim, Justification::centredRight);
                drawLegend (g, text, { 294.0f, y - 5.0f, 22.0f, 10.0f }, scaleFont,
                            major ? colours::legend : colours::legendDim, Justification::centredLeft);
            }

            drawLegend (g, "dB", { 9.0f, 274.0f, 22.0f, 10.0f }, scaleFont, colours::legendDim, Justification::centredRight);
            drawLegend (g, "dB", { 294.0f, 274.0f, 22.0f, 10.0f }, scaleFont, colours::legendDim, Justification::centredLeft);

            // Band legends: one row of centre frequencies per model, coloured as
            // the model names beside the type switch.
            const auto freqFont = f.get (7.5f, true, 0.0f, 0.88f);

            for (int model = 0; model < 3; ++model)
            {
                const float y = 283.0f + 9.5f * (float) model;
                g.setColour (modelColours[model]);
                g.fillEllipse (Rectangle<float> (4.5f, 4.5f).withCentre ({ 27.0f, y + 4.5f }));

                for (int band = 0; band < 7; ++band)
                    drawLegend (g, bandFrequencies[model][band],
                                { (float) FaderLayout::bandX[band] - 3.0f, y, FaderLayout::width + 6.0f, 9.0f },
                                freqFont, modelColours[model]);
            }

            drawLegend (g, "Hz", { 249.0f, 292.5f, 14.0f, 9.0f }, freqFont, colours::legendDim, Justification::centredLeft);
            drawLegend (g, "LEVEL", { (float) FaderLayout::levelX - 6.0f, 288.0f, FaderLayout::width + 12.0f, 12.0f },
                        f.get (8.5f, true, 0.1f), colours::legend);

            // Model selector legends.
            const auto modelFont = f.get (9.0f, true, 0.08f);

            for (int model = 0; model < 3; ++model)
            {
                const auto r = modelLabelBounds[model];
                g.setColour (colours::legendDim.withAlpha (0.7f));
                g.fillRect (83.0f, r.getCentreY() - 0.5f, 6.0f, 1.0f);
                drawLegend (g, modelNames[model], r, modelFont, modelColours[model], Justification::centredLeft);
            }

            drawLegend (g, "MODEL", { 28.0f, 385.0f, 61.0f, 10.0f }, f.get (7.5f, true, 0.25f), colours::legendDim);

            // Maker's badge (the about hot spot).
            const Rectangle<float> badge (17.0f, 401.0f, 104.0f, 38.0f);
            drawRecess (g, badge, 5.0f, Colour (0xff151618));
            const auto emblem = Rectangle<float> (24.0f, 24.0f).withCentre ({ badge.getX() + 18.0f, badge.getCentreY() });
            g.setColour (colours::guitar);
            g.drawEllipse (emblem, 2.0f);
            g.fillRect (Rectangle<float> (11.0f, 2.5f).withCentre (emblem.getCentre().translated (0.0f, -4.0f)));
            g.fillRect (Rectangle<float> (2.5f, 11.0f).withCentre (emblem.getCentre().translated (0.0f, 1.5f)));
            drawLegend (g, "TERVIX", badge.withTrimmedLeft (34.0f).withTrimmedRight (4.0f).translated (0.0f, -4.0f),
                        f.get (14.0f, true, 0.12f), colours::legend, Justification::centredLeft);
            drawLegend (g, "AUDIO", badge.withTrimmedLeft (34.0f).withTrimmedRight (4.0f).translated (0.0f, 10.0f),
                        f.get (7.0f, true, 0.6f), colours::legendDim, Justification::centredLeft);

            // Product plate.
            drawLegend (g, "ZR2814", { 128.0f, 400.0f, 106.0f, 24.0f }, f.get (21.0f, true, 0.04f), colours::legend);
            drawLegend (g, "GRAPHIC EQ", { 128.0f, 422.0f, 106.0f, 11.0f }, f.get (8.0f, true, 0.3f), colours::legendDim);

            // Footswitch legend beside its LED.
            drawLegend (g, "ON", { 200.0f, 362.0f, 32.0f, 12.0f }, f.get (8.5f, true, 0.15f), colours::legendDim,
                        Justification::centredRight);
        });
    }

    //==============================================================================
    Image drawFader (Colour indexColour)
    {
        return makeStrip (FaderLayout::width, FaderLayout::height, FaderLayout::frames,
                          [indexColour] (Graphics& g, Rectangle<float> frame, int index)
        {
            const float centreX = frame.getCentreX();

            // Slot.
            const Rectangle<float> slot (centreX - 2.0f, trackTop - 5.0f, 4.0f, trackLength + 10.0f);
            g.setColour (Colours::white.withAlpha (0.10f));
            g.fillRoundedRectangle (slot.translated (0.0f, 1.0f), 2.0f);
            g.setColour (Colour (0xff020203));
            g.fillRoundedRectangle (slot, 2.0f);

            // Cap.
            const float y = capCentre ((float) index / 100.0f);
            const auto cap = Rectangle<float> (23.0f, 20.0f).withCentre ({ centreX, y });
            g.setColour (Colours::black.withAlpha (0.5f));
            g.fillRoundedRectangle (cap.translated (0.0f, 2.0f).expanded (0.5f), 2.5f);
            g.setColour (Colour (0xff050506));
            g.fillRoundedRectangle (cap, 2.5f);
            const auto body = cap.reduced (1.0f);
            g.setGradientFill (ColourGradient::vertical (Colour (0xff5a5d64), body.getY(), Colour (0xff26282c), body.getBottom()));
            g.fillRoundedRectangle (body, 2.0f);

            // Grip ridges above and below the index line.
            for (const float dy : { -6.5f, -4.0f, 4.0f, 6.5f })
            {
                g.setColour (Colours::black.withAlpha (0.55f));
                g.fillRect (body.getX() + 2.0f, y + dy, body.getWidth() - 4.0f, 1.0f);
                g.setColour (Colours::white.withAlpha (0.12f));
                g.fillRect (body.getX() + 2.0f, y + dy + 1.0f, body.getWidth() - 4.0f, 1.0f);
            }

            g.setColour (indexColour);
            g.fillRect (body.getX(), y - 1.0f, body.getWidth(), 2.0f);
        });
    }

    Image drawFootswitch()
    {
        // Frames: off, off pressed, on, on pressed. The LED shows the on state.
        return makeStrip (55, 96, 4, [] (Graphics& g, Rectangle<float> frame, int index)
        {
            const bool on = index >= 2, pressed = (index % 2) == 1;
            const Point<float> led (frame.getCentreX(), 11.0f);

            if (on)
            {
                g.setGradientFill (ColourGradient (colours::ledLit.withAlpha (0.55f), led,
                                                   colours::ledLit.withAlpha (0.0f), led.translated (14.0f, 0.0f), true));
                g.fillEllipse (Rectangle<float> (28.0f, 28.0f).withCentre (led));
            }

            g.setGradientFill (ColourGradient::vertical (Colour (0xffb9bbc0), led.y - 7.0f, Colour (0xff3a3c40), led.y + 7.0f));
            g.fillEllipse (Rectangle<float> (14.0f, 14.0f).withCentre (led));
            const auto lens = Rectangle<float> (10.0f, 10.0f).withCentre (led);
            g.setGradientFill (on ? ColourGradient (Colour (0xffffe0d8), led.translated (-1.0f, -1.5f),
                                                    colours::ledLit.darker (0.2f), led.translated (5.0f, 5.0f), true)
                                  : ColourGradient (Colour (0xff6a2018), led.translated (-1.0f, -1.5f),
                                                    Colour (0xff220806), led.translated (5.0f, 5.0f), true));
            g.fillEllipse (lens);
            g.setColour (Colours::white.withAlpha (on ? 0.7f : 0.3f));
            g.fillEllipse (Rectangle<float> (3.0f, 2.0f).withCentre (led.translated (-1.5f, -2.0f)));

            // Hex nut and stomp cap.
            const Point<float> centre (frame.getCentreX(), 58.0f);
            Path nut;
            nut.addPolygon (centre, 6, 24.0f, MathConstants<float>::pi / 6.0f);
            g.setColour (Colours::black.withAlpha (0.6f));
            g.fillPath (nut, AffineTransform::translation (0.0f, 2.0f));
            g.setGradientFill (ColourGradient (Colour (0xff9fa2a8), centre.translated (-14.0f, -20.0f),
                                               Colour (0xff2c2e32), centre.translated (14.0f, 22.0f), false));
            g.fillPath (nut);
            g.setColour (Colour (0xff0c0c0d));
            g.strokePath (nut, PathStrokeType (1.0f));

            const float capRadius = pressed ? 15.0f : 16.0f;
            const auto capCentrePoint = centre.translated (0.0f, pressed ? 1.5f : 0.0f);
            const auto cap = Rectangle<float> (capRadius * 2.0f, capRadius * 2.0f).withCentre (capCentrePoint);

            if (! pressed)
            {
                g.setColour (Colours::black.withAlpha (0.55f));
                g.fillEllipse (cap.translated (0.0f, 3.0f));
            }

            g.setGradientFill (ColourGradient (pressed ? Colour (0xffb4b7bd) : Colour (0xfff2f3f5),
                                               capCentrePoint.translated (-6.0f, -8.0f),
                                               pressed ? Colour (0xff3f4146) : Colour (0xff55585e),
                                               capCentrePoint.translated (10.0f, 14.0f), true));
            g.fillEllipse (cap);
            g.setColour (Colour (0xff141516));
            g.drawEllipse (cap, 1.0f);

            for (float r = 4.0f; r < capRadius - 2.0f; r += 3.0f)
            {
                g.setColour (Colours::black.withAlpha (0.10f));
                g.drawEllipse (Rectangle<float> (r * 2.0f, r * 2.0f).withCentre (capCentrePoint), 0.8f);
            }
        });
    }

    Image drawTypeSwitch()
    {
        // Frame 0 lever down, frame 1 centred, frame 2 lever up.
        return makeStrip (43, 71, 3, [] (Graphics& g, Rectangle<float> frame, int index)
        {
            const auto centre = frame.getCentre();

            const auto washer = Rectangle<float> (30.0f, 30.0f).withCentre (centre);
            g.setColour (Colours::black.withAlpha (0.6f));
            g.fillEllipse (washer.translated (0.0f, 1.5f));
            g.setGradientFill (ColourGradient (Colour (0xff8e9196), washer.getTopLeft(), Colour (0xff2a2c30),
                                               washer.getBottomRight(), false));
            g.fillEllipse (washer);

            Path nut;
            nut.addPolygon (centre, 6, 11.0f, 0.0f);
            g.setGradientFill (ColourGradient (Colour (0xffc9cbd0), centre.translated (-8.0f, -8.0f),
                                               Colour (0xff45474c), centre.translated (8.0f, 9.0f), false));
            g.fillPath (nut);
            g.setColour (Colour (0xff101112));
            g.strokePath (nut, PathStrokeType (1.0f));

            const auto bushing = Rectangle<float> (10.0f, 10.0f).withCentre (centre);
            g.setColour (Colour (0xff1a1b1d));
            g.fillEllipse (bushing);

            // A polished ball: the lever's tip, or the whole lever seen end-on.
            auto drawBall = [&g] (Point<float> at, float diameter)
            {
                const auto ball = Rectangle<float> (diameter, diameter).withCentre (at);
                g.setGradientFill (ColourGradient (Colours::white, at.translated (-0.2f * diameter, -0.25f * diameter),
                                                   Colour (0xff585b61), at.translated (0.45f * diameter, 0.5f * diameter), true));
                g.fillEllipse (ball);
                g.setColour (Colour (0xff141516));
                g.drawEllipse (ball, 0.9f);
            };

            if (index == 1)
            {
                drawBall (centre, 11.0f);
                return;
            }

            const float direction = index == 2 ? -1.0f : 1.0f;
            const float length = 29.0f;
            const auto end = centre.translated (0.0f, direction * length);

            Path lever;
            lever.startNewSubPath (centre.x - 3.0f, centre.y);
            lever.lineTo (end.x - 4.0f, end.y);
            lever.lineTo (end.x + 4.0f, end.y);
            lever.lineTo (centre.x + 3.0f, centre.y);
            lever.closeSubPath();

            g.setColour (Colours::black.withAlpha (0.5f));
            g.fillPath (lever, AffineTransform::translation (1.5f, 2.0f));
            ColourGradient chrome (Colour (0xff55585e), end.x - 4.0f, 0.0f, Colour (0xff2e3034), end.x + 4.0f, 0.0f, false);
            chrome.addColour (0.35, Colour (0xfff4f5f7));
            g.setGradientFill (chrome);
            g.fillPath (lever);

            drawBall (end, 9.0f);
        });
    }

    Image drawFileButton()
    {
        return makeStrip (60, 29, 2, [] (Graphics& g, Rectangle<float> frame, int index)
        {
            const bool pressed = index == 1;
            drawButtonFace (g, frame.reduced (1.0f, 2.0f), 3.5f, pressed);
            const auto text = frame.reduced (1.0f, 2.0f).translated (0.0f, pressed ? 1.0f : 0.0f);
            drawLegend (g, "FILE", text.withTrimmedRight (14.0f).withTrimmedLeft (4.0f), fonts().get (10.5f, true, 0.1f),
                        pressed ? colours::legendDim : colours::legend);
            const float x = text.getRight() - 11.0f, y = text.getCentreY();
            g.setColour (pressed ? colours::legendDim : colours::guitar);
            g.fillPath (triangle ({ x - 3.5f, y - 2.0f }, { x + 3.5f, y - 2.0f }, { x, y + 2.5f }));
        });
    }

    Image drawPresetStepButton (int width, bool previous)
    {
        return makeStrip (width, 29, 2, [previous] (Graphics& g, Rectangle<float> frame, int index)
        {
            const bool pressed = index == 1;
            const auto face = Rectangle<float> (25.0f, 25.0f).withCentre (frame.getCentre());
            drawButtonFace (g, face, 3.5f, pressed);
            const auto c = face.getCentre().translated (0.0f, pressed ? 1.0f : 0.0f);
            const float d = previous ? -1.0f : 1.0f;
            g.setColour (pressed ? colours::legendDim : colours::legend);
            g.fillPath (triangle ({ c.x + d * 4.5f, c.y }, { c.x - d * 3.5f, c.y - 5.5f }, { c.x - d * 3.5f, c.y + 5.5f }));
        });
    }

    Image drawABSwitch()
    {
        // Frame 0 side A, frame 1 side B.
        return makeStrip (37, 19, 2, [] (Graphics& g, Rectangle<float> frame, int index)
        {
            const auto body = frame.reduced (0.5f, 1.0f);
            g.setColour (Colour (0xff050506));
            g.fillRoundedRectangle (body, 4.0f);

            const auto half = body.reduced (1.5f).withWidth ((body.getWidth() - 3.0f) / 2.0f);
            const Rectangle<float> halves[] = { half, half.translated (half.getWidth(), 0.0f) };

            for (int side = 0; side < 2; ++side)
            {
                const bool live = side == index;
                const auto r = halves[side].reduced (0.5f, 0.0f);

                if (live)
                {
                    g.setGradientFill (ColourGradient::vertical (colours::guitar.brighter (0.3f), r.getY(),
                                                                 colours::guitar.darker (0.35f), r.getBottom()));
                    g.fillRoundedRectangle (r, 3.0f);
                }
                else
                {
                    g.setGradientFill (ColourGradient::vertical (Colour (0xff2c2e32), r.getY(), Colour (0xff1c1d20), r.getBottom()));
                    g.fillRoundedRectangle (r, 3.0f);
                }

                g.setFont (fonts().get (11.0f, true));
                g.setColour (live ? Colour (0xff151515) : colours::legendDim.withAlpha (0.7f));
                g.drawText (side == 0 ? "A" : "B", r, Justification::centred, false);
            }
        });
    }

    Image drawABCopy (const String& from, const String& to)
    {
        return makeStrip (70, 24, 2, [from, to] (Graphics& g, Rectangle<float> frame, int index)
        {
            const bool pressed = index == 1;
            const auto face = frame.reduced (1.0f, 1.5f);
            drawButtonFace (g, face, 3.5f, pressed);

            const auto c = face.getCentre().translated (0.0f, pressed ? 1.0f : 0.0f);
            const auto colour = pressed ? colours::legendDim : colours::legend;
            const auto font = fonts().get (11.5f, true);
            drawLegend (g, from, Rectangle<float> (20.0f, 16.0f).withCentre (c.translated (-17.0f, 0.0f)), font, colour);
            drawLegend (g, to, Rectangle<float> (20.0f, 16.0f).withCentre (c.translated (17.0f, 0.0f)), font, colour);

            g.setColour (pressed ? colours::legendDim : colours::guitar);
            g.fillRect (Rectangle<float> (9.0f, 2.0f).withCentre (c.translated (-2.0f, 0.0f)));
            g.fillPath (triangle ({ c.x + 6.5f, c.y }, { c.x + 1.0f, c.y - 4.5f }, { c.x + 1.0f, c.y + 4.5f }));
        });
    }

    //==============================================================================
    Image drawAbout()
    {
        return makePicture (windowWidth, windowHeight, [] (Graphics& g)
        {
            const auto& f = fonts();
            fillEnclosure (g, 31);
            drawRecess (g, Rectangle<int> (windowWidth, windowHeight).toFloat().reduced (10.0f), 8.0f, Colour (0xff141517));

            // Maker's mark.
            const auto emblem = Rectangle<float> (30.0f, 30.0f).withCentre ({ 104.0f, 40.0f });
            g.setColour (colours::guitar);
            g.drawEllipse (emblem, 2.5f);
            g.fillRect (Rectangle<float> (14.0f, 3.0f).withCentre (emblem.getCentre().translated (0.0f, -5.0f)));
            g.fillRect (Rectangle<float> (3.0f, 14.0f).withCentre (emblem.getCentre().translated (0.0f, 2.0f)));
            drawLegend (g, "TERVIX", { 126.0f, 28.0f, 120.0f, 24.0f }, f.get (22.0f, true, 0.14f), colours::legend,
                        Justification::centredLeft);

            drawLegend (g, "VOSTREL ZR2814", { 0.0f, 64.0f, 325.0f, 20.0f }, f.get (16.0f, true, 0.08f), colours::legend);
            drawLegend (g, "SEVEN-BAND GRAPHIC EQUALIZER", { 0.0f, 85.0f, 325.0f, 12.0f }, f.get (8.0f, true, 0.22f),
                        colours::legendDim);

            // The version text is a label placed right after this caption.
            drawLegend (g, "Version:", { 40.0f, 112.0f, 106.0f, 16.0f }, f.get (15.0f, false), colours::legendDim,
                        Justification::bottomRight);

            g.setColour (Colours::white.withAlpha (0.12f));
            g.fillRect (30.0f, 158.0f, 265.0f, 1.0f);

            const auto heading = f.get (9.0f, true, 0.2f);
            const auto body = f.get (11.0f, false);
            drawLegend (g, "MODELS", { 0.0f, 172.0f, 325.0f, 12.0f }, heading, colours::legendDim);

            for (int model = 0; model < 3; ++model)
            {
                const float y = 190.0f + 17.0f * (float) model;
                drawLegend (g, modelNames[model], { 40.0f, y, 70.0f, 14.0f }, f.get (10.0f, true, 0.08f), modelColours[model],
                            Justification::centredLeft);
                String bands;

                for (int band = 0; band < 7; ++band)
                    bands << (band > 0 ? "  " : "") << bandFrequencies[model][band];

                drawLegend (g, bands, { 110.0f, y, 180.0f, 14.0f }, f.get (9.5f, false), colours::legend,
                            Justification::centredLeft);
            }

            drawLegend (g, "CREDITS", { 0.0f, 258.0f, 325.0f, 12.0f }, heading, colours::legendDim);
            drawLegend (g, "Design, DSP and interface by the Tervix team", { 0.0f, 274.0f, 325.0f, 14.0f }, body, colours::legend);
            drawLegend (g, "Built with the JUCE framework", { 0.0f, 290.0f, 325.0f, 14.0f }, body, colours::legend);

            g.setColour (Colours::white.withAlpha (0.12f));
            g.fillRect (30.0f, 318.0f, 265.0f, 1.0f);

            const auto legal = f.get (9.0f, false);
            drawLegend (g, String (CharPointer_UTF8 ("\xc2\xa9 2026 Tervix. All rights reserved.")),
                        { 0.0f, 330.0f, 325.0f, 12.0f }, legal, colours::legendDim);
            drawLegend (g, "Free software under the GNU General Public License,", { 0.0f, 344.0f, 325.0f, 12.0f }, legal,
                        colours::legendDim);
            drawLegend (g, "version 3 or later. It comes with NO WARRANTY.", { 0.0f, 357.0f, 325.0f, 12.0f }, legal,
                        colours::legendDim);

            drawLegend (g, "Click anywhere to close", { 0.0f, 414.0f, 325.0f, 12.0f }, f.get (9.0f, true, 0.12f),
                        colours::guitar.withAlpha (0.85f));
        });
    }

    //==============================================================================
    // The panels cover the whole window: the dialog card floats on a dimmed
    // window, the browser is an opaque panel of its own.
    Image drawDialogBackground()
    {
        return makePicture (windowWidth, windowHeight, [] (Graphics& g)
        {
            g.fillAll (Colours::black.withAlpha (0.78f));
            const Rectangle<float> card (8.0f, 20.0f, 309.0f, 352.0f);
            g.setColour (Colours::black.withAlpha (0.6f));
            g.fillRoundedRectangle (card.expanded (2.0f).translated (0.0f, 3.0f), 11.0f);
            fillBrushedMetal (g, card, 10.0f, 7);
            g.setColour (Colours::white.withAlpha (0.14f));
            g.drawRoundedRectangle (card.reduced (0.5f), 10.0f, 1.0f);
            g.setColour (colours::guitar.withAlpha (0.8f));
            g.fillRoundedRectangle (card.getX() + 24.0f, card.getY(), card.getWidth() - 48.0f, 2.0f, 1.0f);

            // Well behind the message.
            drawRecess (g, { 22.0f, 130.0f, 281.0f, 166.0f }, 6.0f, Colour (0xff141517));
        });
    }

    Image drawBrowserBackground()
    {
        return makePicture (windowWidth, windowHeight, [] (Graphics& g)
        {
            fillEnclosure (g, 59);
            drawHeaderStrip (g, 51.0f);

            drawRecess (g, { 10.0f, 57.0f, 305.0f, 279.0f }, 4.0f, Colour (0xff121011));
        });
    }

    Image drawTitle (const String& text)
    {
        return makePicture (windowWidth, windowHeight, [text] (Graphics& g)
        {
            drawLegend (g, text, { 0.0f, 10.0f, 325.0f, 28.0f }, fonts().get (20.0f, true, 0.18f), colours::legend);
            g.setColour (colours::guitar);
            const float width = fonts().get (20.0f, true, 0.18f).getStringWidthFloat (text);
            g.fillRect (Rectangle<float> (width * 0.5f, 2.0f).withCentre ({ 162.5f, 42.0f }));
        });
    }

    enum class IconKind { warning, smile, frown };

    Image drawIcon (IconKind kind)
    {
        return makePicture (windowWidth, windowHeight, [kind] (Graphics& g)
        {
            const Point<float> centre (162.5f, 62.0f);

            if (kind == IconKind::warning)
            {
                Path shape;
                shape.addTriangle (centre.translated (0.0f, -38.0f), centre.translated (43.0f, 36.0f),
                                   centre.translated (-43.0f, 36.0f));
                shape = shape.createPathWithRoundedCorners (7.0f);
                g.setColour (Colours::black.withAlpha (0.5f));
                g.fillPath (shape, AffineTransform::translation (0.0f, 3.0f));
                g.setGradientFill (ColourGradient::vertical (colours::guitar.brighter (0.25f), centre.y - 38.0f,
                                                             colours::guitar.darker (0.25f), centre.y + 36.0f));
                g.fillPath (shape);
                g.setColour (Colour (0xff17181a));
                g.fillRoundedRectangle (Rectangle<float> (8.0f, 30.0f).withCentre (centre.translated (0.0f, 1.0f)), 3.5f);
                g.fillEllipse (Rectangle<float> (9.0f, 9.0f).withCentre (centre.translated (0.0f, 25.0f)));
                return;
            }

            const auto colour = kind == IconKind::smile ? Colour (0xff63c46f) : Colour (0xffe5574d);
            const auto face = Rectangle<float> (78.0f, 78.0f).withCentre (centre);
            g.setColour (Colours::black.withAlpha (0.5f));
            g.fillEllipse (face.translated (0.0f, 3.0f));
            g.setGradientFill (ColourGradient::vertical (colour.brighter (0.25f), face.getY(), colour.darker (0.3f), face.getBottom()));
            g.fillEllipse (face);

            g.setColour (Colour (0xff17181a));
            g.fillEllipse (Rectangle<float> (9.0f, 11.0f).withCentre (centre.translated (-13.0f, -10.0f)));
            g.fillEllipse (Rectangle<float> (9.0f, 11.0f).withCentre (centre.translated (13.0f, -10.0f)));

            Path mouth;
            const bool smile = kind == IconKind::smile;
            const float y = centre.y + (smile ? 8.0f : 20.0f);
            mouth.startNewSubPath (centre.x - 19.0f, y);
            mouth.quadraticTo (centre.x, y + (smile ? 17.0f : -15.0f), centre.x + 19.0f, y);
            g.strokePath (mouth, PathStrokeType (5.0f, PathStrokeType::curved, PathStrokeType::rounded));
        });
    }

    Image drawDialogButton (const String& caption, bool primary)
    {
        return makeStrip (132, 51, 2, [caption, primary] (Graphics& g, Rectangle<float> frame, int index)
        {
            const bool pressed = index == 1;
            const auto face = frame.reduced (4.0f, 5.0f);
            drawButtonFace (g, face, 6.0f, pressed, primary ? colours::guitar : Colours::transparentBlack);
            drawLegend (g, caption, face.translated (0.0f, pressed ? 1.0f : 0.0f),
                        fonts().get (caption.length() > 8 ? 12.5f : 14.0f, true, 0.12f),
                        pressed ? colours::legendDim.withAlpha (0.8f) : Colour (0xfff6f2e8));
        });
    }

    //==============================================================================
    struct Picture
    {
        String fileName;
        Image image;
        int frames;
    };

    std::vector<Picture> drawAllPictures()
    {
        const auto bandFader = drawFader (colours::legend);

        std::vector<Picture> pictures {
            // Panels.
            { "cancel.png",            drawDialogButton ("CANCEL", false), 2 },
            { "save.png",              drawDialogButton ("SAVE", true), 2 },
            { "ok.png",                drawDialogButton ("OK", true), 2 },
            { "import.png",            drawDialogButton ("IMPORT", true), 2 },
            { "newfolder.png",         drawDialogButton ("NEW FOLDER", false), 2 },
            { "download.png",          drawDialogButton ("DOWNLOAD", true), 2 },
            { "overwrite.png",         drawDialogButton ("OVERWRITE", true), 2 },
            { "icononly_asterix.png",  drawIcon (IconKind::warning), 1 },
            { "icononly_smile.png",    drawIcon (IconKind::smile), 1 },
            { "icononly_frown.png",    drawIcon (IconKind::frown), 1 },
            { "dialogbackground.png",  drawDialogBackground(), 1 },
            { "browserbackground.png", drawBrowserBackground(), 1 },
            { "saveastitle.png",       drawTitle ("SAVE AS"), 1 },
            { "loadtitle.png",         drawTitle ("LOAD"), 1 },
            { "importtitle.png",       drawTitle ("IMPORT"), 1 },
            // Editor.
            { "background.png",        drawBackground(), 1 },
            { "filebutton.png",        drawFileButton(), 2 },
            { "presetprev.png",        drawPresetStepButton (29, true), 2 },
            { "presetnext.png",        drawPresetStepButton (30, false), 2 },
            { "abswitch.png",          drawABSwitch(), 2 },
            { "abcopy_a.png",          drawABCopy ("A", "B"), 2 },
            { "abcopy_b.png",          drawABCopy ("B", "A"), 2 },
            { "footswitch.png",        drawFootswitch(), 4 },
            { "typeswitch.png",        drawTypeSwitch(), 3 },
        };

        for (int band = 1; band <= 7; ++band)
            pictures.push_back ({ "fader" + String (band) + ".png", bandFader, FaderLayout::frames });

        pictures.push_back ({ "faderlevel.png", drawFader (colours::guitar), FaderLayout::frames });
        pictures.push_back ({ "about.png", drawAbout(), 1 });
        return pictures;
    }

    const Image& find (const std::vector<Picture>& pictures, const String& name)
    {
        for (auto& p : pictures)
            if (p.fileName == name + ".png")
                return p.image;

        jassertfalse;
        static const Image none;
        return none;
    }

    Image frameOf (const Image& strip, int numFrames, int frame)
    {
        const int h = strip.getHeight() / numFrames;
        return strip.getClippedImage ({ 0, frame * h, strip.getWidth(), h });
    }

    //==============================================================================
    // The window as a user would see it, assembled from the pictures at the
    // editor's control positions, followed by every picture and its frames.
    Image drawContactSheet (const std::vector<Picture>& pictures)
    {
        constexpr int sheetWidth = 1400, sheetHeight = 1440, gap = 20;
        Image sheet (Image::RGB, sheetWidth, sheetHeight, true);
        Graphics g (sheet);
        g.fillAll (Colour (0xff5a5e66));
        const auto captionFont = fonts().get (11.0f, false);

        auto caption = [&] (const String& text, int x, int y)
        {
            g.setFont (captionFont);
            g.setColour (Colours::white);
            g.drawText (text, x, y, 400, 14, Justification::centredLeft, false);
        };

        auto place = [&] (const Image& image, int x, int y) { g.drawImageAt (image, x, y); };

        // Text that the editor's labels would draw over the pictures (default font).
        auto labelText = [&] (const String& text, Rectangle<int> area, Colour colour, Justification justification)
        {
            g.setFont (Font (15.0f));
            g.setColour (colour);
            g.drawFittedText (text, area, justification, 6);
        };

        // Editor preview.
        const int px = gap, py = gap + 16;
        caption ("editor preview (effect on, model Bass)", px, gap);
        place (find (pictures, "background"), px, py);
        place (frameOf (find (pictures, "filebutton"), 2, 0), px + 4, py + 3);
        place (frameOf (find (pictures, "presetprev"), 2, 0), px + 262, py + 3);
        g.drawImage (frameOf (find (pictures, "presetnext"), 2, 0), px + 291, py + 3, 29, 29, 0, 0, 30, 29);
        place (frameOf (find (pictures, "abswitch"), 2, 0), px + 105, py + 37);
        place (frameOf (find (pictures, "abcopy_a"), 2, 0), px + 165, py + 33);
        place (frameOf (find (pictures, "footswitch"), 4, 2), px + 238, py + 357);
        place (frameOf (find (pictures, "typeswitch"), 3, 1), px + 37, py + 314);

        const int faderFrames[] = { 50, 33, 67, 100, 0, 50, 83 };

        for (int band = 0; band < 7; ++band)
            place (frameOf (find (pictures, "fader" + String (band + 1)), FaderLayout::frames, faderFrames[band]),
                   px + FaderLayout::bandX[band], py + FaderLayout::y);

        place (frameOf (find (pictures, "faderlevel"), FaderLayout::frames, 50), px + FaderLayout::levelX, py + FaderLayout::y);
        labelText ("Init", { px + 67, py + 3, 192, 26 }, Colours::black, Justification::centred);

        // Panels, each with the overlays it shows.
        const int row1X = px + windowWidth + gap;
        caption ("about", row1X, gap);
        place (find (pictures, "about"), row1X, py);
        labelText ("1.2.0 (64bit)", { row1X + 150, py + 112, 100, 16 }, Colours::white, Justification::bottomLeft);

        const int alertX = row1X + windowWidth + gap;
        caption ("dialogbackground + icononly_asterix + ok/cancel", alertX, gap);
        place (find (pictures, "background"), alertX, py);
        place (find (pictures, "dialogbackground"), alertX, py);
        place (find (pictures, "icononly_asterix"), alertX, py + 12);
        labelText ("Are you sure you want to overwrite this preset?\n\n\"Sub/My Preset.tzrp\"",
                   { alertX + 32, py + 136, 261, 181 }, Colours::white, Justification::centred);
        place (frameOf (find (pictures, "overwrite"), 2, 0), alertX + 16, py + 307);
        place (frameOf (find (pictures, "cancel"), 2, 0), alertX + 179, py + 307);

        const int browserX = alertX + windowWidth + gap;
        caption ("browserbackground + saveastitle + buttons", browserX, gap);
        place (find (pictures, "browserbackground"), browserX, py);
        place (find (pictures, "saveastitle"), browserX, py);
        place (frameOf (find (pictures, "newfolder"), 2, 0), browserX + 16, py + 336);
        place (frameOf (find (pictures, "save"), 2, 0), browserX + 179, py + 336);
        place (frameOf (find (pictures, "cancel"), 2, 0), browserX + 179, py + 386);

        // Overlays, half size, over the dialog card.
        int x = gap, y = py + windowHeight + gap + 16;

        for (auto name : { "icononly_asterix", "icononly_smile", "icononly_frown", "saveastitle", "loadtitle", "importtitle" })
        {
            caption (name, x, y - 16);
            Image composed (Image::ARGB, windowWidth, windowHeight, true);
            {
                Graphics cg (composed);
                cg.drawImageAt (find (pictures, String (name).startsWith ("icon") ? "dialogbackground" : "browserbackground"), 0, 0);
                cg.drawImageAt (find (pictures, name), 0, String (name).startsWith ("icon") ? 12 : 0);
            }
            g.drawImage (composed, x, y, windowWidth / 2, windowHeight / 2, 0, 0, windowWidth, windowHeight);
            x += windowWidth / 2 + gap;
        }

        caption ("dialogbackground", x, y - 16);
        g.drawImage (find (pictures, "dialogbackground"), x, y, windowWidth / 2, windowHeight / 2, 0, 0, windowWidth, windowHeight);

        // Dialog button strips, both frames.
        x = gap;
        y += windowHeight / 2 + gap + 16;

        for (auto name : { "ok", "cancel", "save", "import", "newfolder", "download", "overwrite" })
        {
            caption (String (name) + " (2 frames)", x, y - 16);
            place (find (pictures, name), x, y);
            x += 132 + gap + 14;
        }

        // Editor strips at twice their size, every frame side by side.
        x = gap;
        y += 102 + gap + 16;

        const std::pair<const char*, int> strips[] = { { "filebutton", 2 }, { "presetprev", 2 }, { "presetnext", 2 },
                                                       { "abswitch", 2 }, { "abcopy_a", 2 }, { "abcopy_b", 2 },
                                                       { "typeswitch", 3 }, { "footswitch", 4 } };

        for (auto [name, frames] : strips)
        {
            const auto& strip = find (pictures, name);
            const int w = strip.getWidth(), h = strip.getHeight() / frames;

            if (x + frames * (w * 2 + 6) > sheetWidth)
            {
                x = gap;
                y += 60 + gap + 16;
            }

            caption (String (name) + " x2", x, y - 16);

            for (int i = 0; i < frames; ++i)
            {
                g.setColour (colours::enclosureBase);
                g.fillRect (x + i * (w * 2 + 6), y, w * 2, h * 2);
                g.drawImage (frameOf (strip, frames, i), x + i * (w * 2 + 6), y, w * 2, h * 2, 0, 0, w, h);
            }

            x += frames * (w * 2 + 6) + gap;
        }

        // Fader strips: frames 0, 25, 50, 75 and 100 of each.
        x = gap;
        y += 192 + gap + 16;
        caption ("fader1..7 and faderlevel, frames 0 / 25 / 50 / 75 / 100", x, y - 16);

        for (int i = 0; i < 8; ++i)
        {
            const auto& strip = find (pictures, i < 7 ? "fader" + String (i + 1) : String ("faderlevel"));

            for (int k = 0; k < 5; ++k)
            {
                g.setColour (colours::recess);
                g.fillRect (x, y, FaderLayout::width, FaderLayout::height);
                place (frameOf (strip, FaderLayout::frames, k * 25), x, y);
                x += FaderLayout::width + 4;
            }

            x += 14;
        }

        return sheet;
    }

    bool writePng (const Image& image, const File& file)
    {
        file.deleteFile();
        FileOutputStream out (file);
        PNGImageFormat png;
        return out.openedOk() && png.writeImageToStream (image, out);
    }
}

int main (int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "Usage: " << argv[0] << " <picture folder> <contact sheet file>\n";
        return 2;
    }

    ScopedJuceInitialiser_GUI juce;
    const File folder (File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    const File sheet (File::getCurrentWorkingDirectory().getChildFile (argv[2]));
    folder.createDirectory();
    sheet.getParentDirectory().createDirectory();

    const auto pictures = drawAllPictures();

    for (auto& p : pictures)
    {
        jassert (p.image.getHeight() % p.frames == 0);

        if (! writePng (p.image, folder.getChildFile (p.fileName)))
        {
            std::cerr << "Cannot write " << p.fileName << "\n";
            return 1;
        }
    }

    if (! writePng (drawContactSheet (pictures), sheet))
    {
        std::cerr << "Cannot write " << sheet.getFullPathName() << "\n";
        return 1;
    }

    std::cout << "Wrote " << pictures.size() << " pictures to " << folder.getFullPathName() << "\n";
    return 0;
}
