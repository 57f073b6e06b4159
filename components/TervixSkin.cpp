/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixSkin.h"

#include "VostrelDialogBoxBinImg.h"

namespace TervixSkin
{
    juce::Image loadPicture (const void* data, int size)
    {
        return juce::ImageFileFormat::loadFrom (data, (size_t) juce::jmax (0, size));
    }

    juce::Image loadDialogButtonImage (int dialogButtonImage)
    {
        using namespace VostrelDialogBoxBinImg;

        // Indexed by the button type minus 3.
        struct Picture { const char* data; int size; };
        static const Picture pictures[] = { { cancel_png, cancel_pngSize },       { cancel_png, cancel_pngSize },
                                            { save_png, save_pngSize },           { ok_png, ok_pngSize },
                                            { import_png, import_pngSize },       { newfolder_png, newfolder_pngSize },
                                            { download_png, download_pngSize },   { overwrite_png, overwrite_pngSize } };

        const auto index = (unsigned) (dialogButtonImage - 3);

        if (index >= (unsigned) std::size (pictures))
            return loadPicture (ok_png, ok_pngSize);

        return loadPicture (pictures[index].data, pictures[index].size);
    }

    juce::Image loadAlertIcon (int alertIcon)
    {
        using namespace VostrelDialogBoxBinImg;

        switch (alertIcon)
        {
            case iconOk:    return loadPicture (ok_png, ok_pngSize);
            case iconSmile: return loadPicture (icononly_smile_png, icononly_smile_pngSize);
            case iconFrown: return loadPicture (icononly_frown_png, icononly_frown_pngSize);
            default:        return loadPicture (icononly_asterix_png, icononly_asterix_pngSize);
        }
    }

    void setFilmStrip (juce::Image& image, int32_t& frameWidth, int32_t& frameHeight,
                       const juce::Image& strip, int numFrames)
    {
        image = strip;

        if (strip.isValid())
        {
            frameWidth = strip.getWidth();
            frameHeight = strip.getHeight() / numFrames;
        }
    }

    void drawFilmStripFrame (juce::Graphics& g, const juce::Image& strip, int frame, int frameWidth, int frameHeight,
                             juce::Rectangle<int> destination)
    {
        if (! strip.isValid() || frameWidth <= 0 || frameHeight <= 0)
            return;

        g.drawImage (strip, destination.getX(), destination.getY(), destination.getWidth(), destination.getHeight(),
                     0, frame * frameHeight, frameWidth, frameHeight);
    }

    void enterModalState (juce::Component& component)
    {
        if (! component.isCurrentlyModal (false))
            component.enterModalState (true, nullptr, false);
    }

    void takeModalStateFromParent (juce::Component& panel, bool changeParentModal)
    {
        if (auto* parent = panel.getParentComponent(); changeParentModal && parent != nullptr
                                                       && parent->isCurrentlyModal (true))
            parent->exitModalState (1);
    }

    void giveModalStateToParent (juce::Component& panel, bool changeParentModal)
    {
        if (auto* parent = panel.getParentComponent(); changeParentModal && parent != nullptr
                                                       && ! parent->isCurrentlyModal (true))
            enterModalState (*parent);
    }
}
