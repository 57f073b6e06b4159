/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "LookAndFeel_TervixJ5.h"

namespace
{
    constexpr juce::uint32 nearBlack = 0xff121011, darkGrey = 0xff232323, menuGrey = 0xe6232323,
                           grey = 0xff353535, lightGrey = 0xffaeaeae, white = 0xffffffff,
                           outline = 0x73ffffff;

    struct SchemeEntry
    {
        int colourId;
        juce::uint32 argb;
    };

    const SchemeEntry colourScheme[] = {
        { juce::ComboBox::backgroundColourId, nearBlack },
        { juce::ComboBox::textColourId, white },
        { juce::ComboBox::outlineColourId, outline },
        { juce::ComboBox::buttonColourId, white },
        { juce::ComboBox::arrowColourId, white },
        { juce::ComboBox::focusedOutlineColourId, outline },
        { juce::PopupMenu::backgroundColourId, menuGrey },
        { juce::PopupMenu::textColourId, white },
        { juce::PopupMenu::highlightedBackgroundColourId, white },
        { juce::PopupMenu::highlightedTextColourId, darkGrey },
        { juce::DirectoryContentsDisplayComponent::highlightColourId, white },
        { juce::DirectoryContentsDisplayComponent::highlightedTextColourId, darkGrey },
        { juce::DirectoryContentsDisplayComponent::textColourId, white },
        { juce::ListBox::backgroundColourId, nearBlack },
        { juce::ListBox::textColourId, white },
        { juce::ListBox::outlineColourId, outline },
        { juce::TextEditor::backgroundColourId, nearBlack },
        { juce::TextEditor::textColourId, white },
        { juce::TextEditor::highlightColourId, white },
        { juce::TextEditor::highlightedTextColourId, darkGrey },
        { juce::TextEditor::focusedOutlineColourId, outline },
        { juce::TextEditor::outlineColourId, outline },
        { juce::FileBrowserComponent::currentPathBoxArrowColourId, white },
        { juce::FileBrowserComponent::currentPathBoxBackgroundColourId, nearBlack },
        { juce::FileBrowserComponent::currentPathBoxTextColourId, white },
        { juce::FileBrowserComponent::filenameBoxBackgroundColourId, nearBlack },
        { juce::FileBrowserComponent::filenameBoxTextColourId, white },
        { juce::Label::textColourId, white },
        { juce::Label::backgroundWhenEditingColourId, nearBlack },
        { juce::Label::textWhenEditingColourId, white },
        { juce::Label::outlineWhenEditingColourId, outline },
        { juce::CaretComponent::caretColourId, white },
        { juce::ScrollBar::thumbColourId, grey },
        { juce::ScrollBar::trackColourId, grey },
        { juce::TextButton::buttonColourId, lightGrey },
        { juce::TextButton::buttonOnColourId, lightGrey },
        { juce::TextButton::textColourOnId, nearBlack },
        { juce::TextButton::textColourOffId, nearBlack },
        { juce::AlertWindow::backgroundColourId, darkGrey },
        { juce::AlertWindow::textColourId, white },
        { juce::AlertWindow::outlineColourId, outline },
        { juce::TooltipWindow::backgroundColourId, darkGrey },
        { juce::TooltipWindow::textColourId, white },
        { juce::TooltipWindow::outlineColourId, outline },
        { juce::BubbleComponent::backgroundColourId, darkGrey },
        { juce::BubbleComponent::outlineColourId, outline },
        { juce::ToggleButton::textColourId, outline },
        { juce::ToggleButton::tickColourId, white },
        { juce::ToggleButton::tickDisabledColourId, outline }
    };
}

LookAndFeel_TervixJ5::LookAndFeel_TervixJ5()
{
    for (const auto& entry : colourScheme)
        setColour (entry.colourId, juce::Colour (entry.argb));
}

LookAndFeel_TervixJ5::~LookAndFeel_TervixJ5() = default;

void LookAndFeel_TervixJ5::drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollbar, int x, int y, int width,
                                          int height, bool isScrollbarVertical, int thumbStartPosition,
                                          int thumbSize, bool isMouseOver, bool isMouseDown)
{
    if (thumbSize <= 0)
        return;

    const auto thumb = isScrollbarVertical ? juce::Rectangle<int> (x, thumbStartPosition, width, thumbSize)
                                           : juce::Rectangle<int> (thumbStartPosition, y, thumbSize, height);
    const auto colour = scrollbar.findColour (juce::ScrollBar::thumbColourId, true);

    juce::Path path;
    path.addRectangle (thumb);
    g.setColour (colour.contrasting (isMouseOver || isMouseDown ? 0.05f : 0.0f));
    g.fillPath (path);
}

void LookAndFeel_TervixJ5::drawToggleButton (juce::Graphics& g, juce::ToggleButton& button,
                                             bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    const auto fontSize = juce::jmin (15.0f, (float) button.getHeight() * 0.75f);
    const auto tickWidth = fontSize * 1.1f;

    drawTickBox (g, button, 4.0f, ((float) button.getHeight() - tickWidth) * 0.5f, tickWidth, tickWidth,
                 button.getToggleState(), button.isEnabled(), shouldDrawButtonAsHighlighted, shouldDrawButtonAsDown);

    g.setColour (button.findColour (juce::ToggleButton::textColourId));
    g.setFont (fontSize);

    if (! button.isEnabled())
        g.setOpacity (0.5f);

    g.drawFittedText (button.getButtonText(),
                      button.getLocalBounds().withTrimmedLeft (juce::roundToInt (tickWidth) + 10).withTrimmedRight (2),
                      juce::Justification::centredLeft, 10, 0.0f);
}

void LookAndFeel_TervixJ5::drawTickBox (juce::Graphics& g, juce::Component& component, float x, float y, float w,
                                        float h, bool ticked, bool, bool, bool)
{
    const juce::Rectangle<float> box (x, y, w, h);

    g.setColour (component.findColour (juce::ToggleButton::tickDisabledColourId));
    g.drawRoundedRectangle (box, 4.0f, 1.0f);

    if (ticked)
    {
        g.setColour (component.findColour (juce::ToggleButton::tickColourId));
        const auto tick = getTickShape (0.75f);
        g.fillPath (tick, tick.getTransformToScaleToFit (box.reduced (4.0f, 5.0f), false));
    }
}

juce::Button* LookAndFeel_TervixJ5::createFileBrowserGoUpButton()
{
    auto* button = new juce::DrawableButton ("up", juce::DrawableButton::ImageOnButtonBackground);

    juce::Path arrow;
    arrow.addArrow ({ 50.0f, 100.0f, 50.0f, 0.0f }, 40.0f, 100.0f, 50.0f);

    juce::DrawablePath arrowImage;
    arrowImage.setFill (findColour (juce::TextButton::textColourOnId));
    arrowImage.setPath (arrow);

    button->setImages (&arrowImage);
    return button;
}

void LookAndFeel_TervixJ5::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (findColour (juce::PopupMenu::backgroundColourId));
    g.setColour (findColour (juce::PopupMenu::textColourId).withAlpha ((juce::uint8) 0x73));
    g.drawRect (0, 0, width, height);
}

void LookAndFeel_TervixJ5::drawLevelMeter (juce::Graphics& g, int width, int height, float level)
{
    g.setColour (juce::Colour (nearBlack));
    g.fillRect (0, 0, width, height);
    g.setColour (juce::Colour (outline));
    g.drawRect (0, 0, width, height);

    constexpr int numBlocks = 7;
    const int lit = juce::roundToInt ((float) numBlocks * level);
    const float blockWidth = (float) (width - 4) / (float) numBlocks;

    for (int i = 0; i < numBlocks; ++i)
    {
        if (lit > i)
            g.setColour (i == numBlocks - 1 && lit >= numBlocks ? juce::Colour (0xffff0000) : juce::Colours::white);
        else
            g.setColour (juce::Colours::white.withAlpha ((juce::uint8) 0x80));

        g.fillRect (2.0f + (float) i * blockWidth + 0.03f * blockWidth, 2.0f, 0.94f * blockWidth, (float) height - 4.0f);
    }
}
