/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ComponentTestSupport.h"
#include "TestSupport.h"

#include "LookAndFeel_TervixJ5.h"

#include <gtest/gtest.h>

using namespace vostrel::test;

namespace
{
    const juce::Colour nearBlack (0xff121011), darkGrey (0xff232323), grey (0xff353535);

    // The look-and-feel as the editor installs it: the default for every widget.
    struct LookAndFeelTest : ::testing::Test
    {
        LookAndFeelTest() { juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel); }
        ~LookAndFeelTest() override { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

        juce::Image draw (int width, int height, std::function<void (juce::Graphics&)> painter)
        {
            juce::Image image (juce::Image::ARGB, width, height, true);
            juce::Graphics g (image);
            painter (g);
            return image;
        }

        LookAndFeel_TervixJ5 lookAndFeel;
    };

    bool isNear (juce::Colour expected, juce::Colour actual, int tolerance = 2)
    {
        return std::abs (expected.getRed() - actual.getRed()) <= tolerance
            && std::abs (expected.getGreen() - actual.getGreen()) <= tolerance
            && std::abs (expected.getBlue() - actual.getBlue()) <= tolerance
            && std::abs (expected.getAlpha() - actual.getAlpha()) <= tolerance;
    }

    // The share of an area's pixels that have a colour.
    float shareOf (juce::Colour colour, const juce::Image& image, juce::Rectangle<int> area)
    {
        int count = 0;

        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                count += isNear (colour, image.getPixelAt (x, y)) ? 1 : 0;

        return (float) count / (float) area.getWidth() / (float) area.getHeight();
    }

    template <typename Type>
    Type* findChild (juce::Component& parent)
    {
        for (auto* child : parent.getChildren())
        {
            if (auto* found = dynamic_cast<Type*> (child))
                return found;

            if (auto* deeper = findChild<Type> (*child))
                return deeper;
        }

        return nullptr;
    }
}

TEST_F (LookAndFeelTest, SaveBrowserListPathAndNameFieldsUseTheDarkScheme)
{
    TemporaryFolder presets;

    for (int i = 0; i < 40; ++i)
        presets.folder.getChildFile ("Preset " + juce::String (i) + ".tzrp").create();

    juce::WildcardFileFilter filter ("*.tzrp", {}, "Save");
    juce::FileBrowserComponent browser (juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles,
                                        presets.folder, &filter, nullptr);
    browser.setBounds (0, 0, 300, 275);

    auto* list = dynamic_cast<juce::FileListComponent*> (browser.getDisplayComponent());
    ASSERT_NE (nullptr, list);

    for (int i = 0; i < 200 && static_cast<juce::ListBox*> (list)->getModel()->getNumRows() < 40; ++i)
        pumpMessages (10);

    ASSERT_EQ (40, static_cast<juce::ListBox*> (list)->getModel()->getNumRows());
    list->updateContent();
    list->selectRow (0);
    pumpMessages (20);

    const auto image = snapshot (browser);
    const auto listArea = list->getBounds();
    const auto rowHeight = list->getRowHeight();
    const auto scrollBar = list->getVerticalScrollBar().getBounds() + listArea.getPosition();

    // Selected row: white; a row further down: near-black; its text white.
    EXPECT_TRUE (isNear (juce::Colours::white, image.getPixelAt (listArea.getX() + 150, listArea.getY() + 1)));
    EXPECT_TRUE (isNear (nearBlack, image.getPixelAt (listArea.getX() + 200, listArea.getY() + rowHeight * 3 + 2)));

    bool darkTextOnSelectedRow = false, whiteTextOnOtherRow = false;

    for (int x = listArea.getX(); x < listArea.getX() + 150; ++x)
    {
        for (int y = 0; y < rowHeight; ++y)
        {
            darkTextOnSelectedRow |= isNear (darkGrey, image.getPixelAt (x, listArea.getY() + y), 12);
            whiteTextOnOtherRow |= isNear (juce::Colours::white, image.getPixelAt (x, listArea.getY() + 2 * rowHeight + y), 12);
        }
    }

    EXPECT_TRUE (darkTextOnSelectedRow);
    EXPECT_TRUE (whiteTextOnOtherRow);

    ASSERT_TRUE (list->getVerticalScrollBar().isVisible());
    EXPECT_TRUE (isNear (grey, image.getPixelAt (scrollBar.getCentreX(), scrollBar.getY() + 3)));

    auto* nameBox = findChild<juce::TextEditor> (browser);
    auto* pathBox = findChild<juce::ComboBox> (browser);
    ASSERT_NE (nullptr, nameBox);
    ASSERT_NE (nullptr, pathBox);
    EXPECT_GT (shareOf (nearBlack, image, nameBox->getBounds()), 0.8f);
    EXPECT_GT (shareOf (nearBlack, image, pathBox->getBounds()), 0.5f);
}

TEST_F (LookAndFeelTest, TextFieldIsNearBlackWithWhiteCaretAndTranslucentOutline)
{
    juce::TextEditor editor ("textEditor_");
    editor.setBounds (0, 0, 280, 24);
    editor.setText ("Name");

    const auto image = snapshot (editor);
    EXPECT_TRUE (isNear (nearBlack, image.getPixelAt (200, 12)));
    // The outline is white with alpha 0x73 over the field.
    EXPECT_GT (image.getPixelAt (100, 0).getBrightness(), 0.35f);
    EXPECT_EQ (juce::Colours::white, editor.findColour (juce::CaretComponent::caretColourId));
}

TEST_F (LookAndFeelTest, ScrollbarDrawsOnlyItsThumbSlightlyContrastingUnderTheMouse)
{
    juce::ScrollBar bar (true);
    bar.setBounds (0, 0, 10, 100);

    auto thumbPixel = [&] (int thumbSize, bool over, bool down)
    {
        return draw (10, 100, [&] (juce::Graphics& g)
        {
            lookAndFeel.drawScrollbar (g, bar, 0, 0, 10, 100, true, 20, thumbSize, over, down);
        });
    };

    const auto empty = thumbPixel (0, true, true);

    for (int y = 0; y < 100; ++y)
        ASSERT_TRUE (empty.getPixelAt (5, y).isTransparent());

    const auto rest = thumbPixel (30, false, false);
    EXPECT_EQ (grey, rest.getPixelAt (5, 25));
    EXPECT_TRUE (rest.getPixelAt (5, 10).isTransparent()); // no track
    EXPECT_TRUE (rest.getPixelAt (5, 60).isTransparent());

    const auto hover = thumbPixel (30, true, false).getPixelAt (5, 25);
    EXPECT_EQ (grey.contrasting (0.05f), hover);
    EXPECT_NE (grey, hover);
    EXPECT_EQ (hover, thumbPixel (30, false, true).getPixelAt (5, 25));
}

TEST_F (LookAndFeelTest, PopupMenuBackgroundAndOutlineFollowTheMenuColours)
{
    const auto image = draw (100, 60, [&] (juce::Graphics& g) { lookAndFeel.drawPopupMenuBackground (g, 100, 60); });
    EXPECT_TRUE (isNear (juce::Colour (0xe6232323), image.getPixelAt (50, 30)));

    // The outline takes the text colour's red, green and blue with alpha 0x73,
    // whatever alpha the text colour has.
    lookAndFeel.setColour (juce::PopupMenu::textColourId, juce::Colour (0x2000ff00));
    const auto outlined = draw (100, 60, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawPopupMenuBackground (g, 100, 60);
    }).getPixelAt (50, 0);
    const auto expected = juce::Colour (0xe6232323).overlaidWith (juce::Colour (0x7300ff00));
    EXPECT_TRUE (isNear (expected, outlined, 3));

    // A highlighted item is white with dark grey text.
    lookAndFeel.setColour (juce::PopupMenu::textColourId, juce::Colours::white);
    const auto item = draw (120, 20, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawPopupMenuItem (g, { 0, 0, 120, 20 }, false, true, true, false, false, "Init", {}, nullptr, nullptr);
    });
    EXPECT_EQ (juce::Colours::white, item.getPixelAt (110, 10));
}

TEST_F (LookAndFeelTest, LevelMeterLightsRoundedBlocksAndTheLastOneRed)
{
    auto blocks = [&] (float level)
    {
        const auto image = draw (74, 10, [&] (juce::Graphics& g) { lookAndFeel.drawLevelMeter (g, 74, 10, level); });
        juce::String lit;

        for (int i = 0; i < 7; ++i)
        {
            const auto c = image.getPixelAt (2 + i * 10 + 5, 5);
            lit << (c == juce::Colour (0xffff0000) ? "R" : c == juce::Colours::white ? "W" : ".");
        }

        return lit;
    };

    EXPECT_EQ (juce::String ("......."), blocks (0.0f));
    EXPECT_EQ (juce::String ("WWWW..."), blocks (0.5f)); // 3.5 rounds to even
    EXPECT_EQ (juce::String ("WWW...."), blocks (0.43f));
    EXPECT_EQ (juce::String ("WWWWWWR"), blocks (1.0f));
    EXPECT_EQ (juce::String ("WWWWWWR"), blocks (1.7f));

    const auto frame = draw (74, 10, [&] (juce::Graphics& g) { lookAndFeel.drawLevelMeter (g, 74, 10, 0.0f); });
    EXPECT_TRUE (isNear (nearBlack.overlaidWith (juce::Colour (0x73ffffff)), frame.getPixelAt (30, 0)));
    EXPECT_TRUE (isNear (nearBlack.overlaidWith (juce::Colour (0x80ffffff)), frame.getPixelAt (7, 5)));
}

TEST_F (LookAndFeelTest, ToggleButtonOfHeightThirtyHasAFifteenPointFiveTickBox)
{
    juce::ToggleButton toggle ("Bypass");
    toggle.setBounds (0, 0, 120, 30);

    // Font 15, tick box 16.5 wide at x 4, y 6.75: its outline crosses x 4 and
    // x 20.5 at the vertical middle, and nothing is drawn left of it.
    const auto off = snapshot (toggle);
    EXPECT_TRUE (off.getPixelAt (1, 15).isTransparent());
    EXPECT_GT (off.getPixelAt (4, 15).getAlpha(), 0);
    EXPECT_GT (off.getPixelAt (20, 15).getAlpha(), 0);
    EXPECT_TRUE (off.getPixelAt (12, 15).isTransparent());
    EXPECT_TRUE (off.getPixelAt (12, 3).isTransparent());

    toggle.setToggleState (true, juce::dontSendNotification);
    const auto on = snapshot (toggle);
    bool tickDrawn = false;

    for (int y = 12; y < 19; ++y)
        for (int x = 9; x < 16; ++x)
            tickDrawn |= on.getPixelAt (x, y).getAlpha() > 200;

    EXPECT_TRUE (tickDrawn);

    bool textDrawn = false;

    for (int x = 31; x < 110; ++x)
        for (int y = 5; y < 25; ++y)
            textDrawn |= on.getPixelAt (x, y).getAlpha() > 0;

    EXPECT_TRUE (textDrawn);
}

TEST_F (LookAndFeelTest, GoUpButtonIsACallerOwnedArrowInTheButtonOnTextColour)
{
    std::unique_ptr<juce::Button> button (lookAndFeel.createFileBrowserGoUpButton());
    auto* drawable = dynamic_cast<juce::DrawableButton*> (button.get());
    ASSERT_NE (nullptr, drawable);
    EXPECT_EQ (juce::String ("up"), drawable->getName());
    EXPECT_EQ (juce::DrawableButton::ImageOnButtonBackground, drawable->getStyle());

    auto* arrow = dynamic_cast<juce::DrawablePath*> (drawable->getNormalImage());
    ASSERT_NE (nullptr, arrow);
    EXPECT_EQ (nearBlack, arrow->getFill().colour);
    EXPECT_EQ (juce::Rectangle<float> (30.0f, 0.0f, 40.0f, 100.0f).getCentreX(), arrow->getPath().getBounds().getCentreX());
}
