/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ComponentTestSupport.h"
#include "TestSupport.h"

#include "TervixFileBrowser.h"
#include "TervixSplashScreen.h"

#include <gtest/gtest.h>

using namespace vostrel::test;

namespace
{
    // A window with one ordinary control and the panel as a hidden overlay.
    template <typename Panel>
    struct Window
    {
        template <typename... Args>
        explicit Window (Args&&... args) : panel (std::forward<Args> (args)...)
        {
            window.setBounds (0, 0, 325, 454);
            window.addAndMakeVisible (control);
            control.setBounds (10, 10, 50, 20);
            window.addChildComponent (panel);
        }

        juce::Component window;
        juce::TextButton control;
        Panel panel;
    };

    struct AlertWindow : Window<TervixAlertComponent>
    {
        AlertWindow() : Window ("alert_", 0, 0, 0) {}
    };

    bool sameImage (const juce::Image& a, const juce::Image& b)
    {
        if (a.getBounds() != b.getBounds())
            return false;

        for (int y = 0; y < a.getHeight(); y += 3)
            for (int x = 0; x < a.getWidth(); x += 3)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;

        return true;
    }

    // Counts the pixels of the icon layer that differ from a panel drawn without it.
    int iconPixelsAt (TervixAlertComponent& alert, juce::Rectangle<int> area)
    {
        const auto withIcon = snapshot (alert);
        const auto icon = alert.iconImage;
        alert.iconImage = {};
        const auto without = snapshot (alert);
        alert.iconImage = icon;

        int count = 0;

        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                count += withIcon.getPixelAt (x, y) != without.getPixelAt (x, y) ? 1 : 0;

        return count;
    }
}

TEST (AlertPanel, StartsHiddenAtTheWindowSizeWithItsChildren)
{
    AlertWindow w;
    auto& alert = w.panel;
    EXPECT_FALSE (alert.isVisible());
    EXPECT_FALSE (alert.isCurrentlyModal (false));
    EXPECT_EQ (juce::Rectangle<int> (0, 0, 325, 454), alert.getBounds());
    EXPECT_EQ (juce::String ("titleText_"), alert.titleText_->getName());
    EXPECT_EQ (juce::String ("OK"), alert.okButton_->getName());
    EXPECT_EQ (juce::String ("CANCEL"), alert.cancelButton_->getName());
    EXPECT_EQ (51, alert.okButton_->frameHeight);
    EXPECT_EQ (juce::Colours::white, alert.titleText_->findColour (juce::Label::textColourId));
    EXPECT_EQ (juce::Justification::centred, alert.titleText_->getJustificationType().getFlags());
    EXPECT_EQ (iconAsterix, alert.iconType);
}

TEST (AlertPanel, OneOrTwoButtonsAreLaidOutAndOtherCountsChangeNothing)
{
    AlertWindow w;
    auto& alert = w.panel;

    for (int count : { 0, 3, -1 })
    {
        alert.show (count, iconSmile);
        EXPECT_FALSE (alert.isVisible());
        EXPECT_FALSE (alert.isCurrentlyModal (false));
        EXPECT_EQ (iconAsterix, alert.iconType);
    }

    alert.setTitle ("Line one\nLine two");
    alert.show (2, iconAsterix);
    EXPECT_TRUE (alert.isVisible());
    EXPECT_TRUE (alert.isCurrentlyModal (true));
    EXPECT_TRUE (w.control.isCurrentlyBlockedByAnotherModalComponent());
    EXPECT_EQ (juce::Rectangle<int> (32, 136, 261, 181), alert.titleText_->getBounds());
    EXPECT_EQ (juce::Rectangle<int> (16, 307, 132, 51), alert.okButton_->getBounds());
    EXPECT_EQ (juce::Rectangle<int> (179, 307, 132, 51), alert.cancelButton_->getBounds());
    EXPECT_TRUE (alert.cancelButton_->isVisible());

    alert.show (1, iconAsterix);
    EXPECT_EQ (juce::Rectangle<int> (97, 307, 132, 51), alert.okButton_->getBounds());
    EXPECT_FALSE (alert.cancelButton_->isVisible());
    EXPECT_EQ (juce::String ("Line one\nLine two"), alert.titleText_->getText());

    alert.hide();
    EXPECT_FALSE (alert.isVisible());
    EXPECT_FALSE (alert.isCurrentlyModal (false));
    EXPECT_FALSE (w.control.isCurrentlyBlockedByAnotherModalComponent());
    EXPECT_EQ (juce::String ("Line one\nLine two"), alert.titleText_->getText());
}

TEST (AlertPanel, ShowingTwiceNeedsOneHideToEndTheModalState)
{
    AlertWindow w;
    w.panel.show (1, iconAsterix);
    w.panel.show (2, iconFrown);
    EXPECT_EQ (1, juce::ModalComponentManager::getInstance()->getNumModalComponents());

    w.panel.hide();
    EXPECT_EQ (0, juce::ModalComponentManager::getInstance()->getNumModalComponents());
    EXPECT_FALSE (w.control.isCurrentlyBlockedByAnotherModalComponent());
}

TEST (AlertPanel, IconsFollowTheTypeAndTheOkStripLandsCentred)
{
    AlertWindow w;
    auto& alert = w.panel;
    const auto asterisk = alert.iconImage;

    alert.show (1, iconAsterix);
    EXPECT_TRUE (alert.iconImage == asterisk); // same type: not decoded again

    alert.show (1, iconOk);
    EXPECT_EQ (132, alert.iconImage.getWidth());
    EXPECT_EQ (102, alert.iconImage.getHeight());
    // Both frames of the strip at x 96, y 12; nothing of it outside that box.
    EXPECT_GT (iconPixelsAt (alert, { 96, 12, 132, 51 }), 1000);
    EXPECT_GT (iconPixelsAt (alert, { 96, 63, 132, 51 }), 1000);
    EXPECT_EQ (0, iconPixelsAt (alert, { 0, 0, 96, 454 }));
    EXPECT_EQ (0, iconPixelsAt (alert, { 228, 0, 97, 454 }));

    const auto smile = TervixSkin::loadAlertIcon (iconSmile);
    const auto frown = TervixSkin::loadAlertIcon (iconFrown);

    for (int type : { 1, 0, 5, -7 })
        EXPECT_TRUE (sameImage (asterisk, TervixSkin::loadAlertIcon (type))) << type;

    alert.show (1, iconSmile);
    EXPECT_TRUE (sameImage (smile, alert.iconImage));
    alert.show (1, iconFrown);
    EXPECT_TRUE (sameImage (frown, alert.iconImage));
    EXPECT_FALSE (sameImage (smile, frown));
}

TEST (AlertPanel, ButtonTypesOutsideTheTableShowTheOkPicture)
{
    const auto ok = TervixSkin::loadDialogButtonImage (buttonImageOk);
    const auto cancel = TervixSkin::loadDialogButtonImage (buttonImageCancel);

    for (int type : { 1, 2, 6, 11, -3, 1000 })
        EXPECT_TRUE (sameImage (ok, TervixSkin::loadDialogButtonImage (type))) << type;

    EXPECT_TRUE (sameImage (cancel, TervixSkin::loadDialogButtonImage (4)));
    EXPECT_FALSE (sameImage (ok, cancel));

    for (int type : { 5, 7, 8, 9, 10 })
        EXPECT_FALSE (sameImage (ok, TervixSkin::loadDialogButtonImage (type))) << type;
}

TEST (AlertPanel, HandsTheModalStateOverFromTheParentAndBack)
{
    struct Browser : juce::Component
    {
        Browser() : alert ("alertComponent_", 0, 0, 0) { addChildComponent (alert); }
        TervixAlertComponent alert;
    };

    AlertWindow w;
    Browser browser;
    w.window.addAndMakeVisible (browser);
    browser.alert.needChangeParentModal (true);
    browser.enterModalState (true, nullptr, false);

    browser.alert.show (1, iconAsterix);
    EXPECT_FALSE (browser.isCurrentlyModal (false));
    EXPECT_TRUE (browser.alert.isCurrentlyModal (true));

    browser.alert.hide();
    EXPECT_TRUE (browser.isCurrentlyModal (true));
    EXPECT_EQ (1, juce::ModalComponentManager::getInstance()->getNumModalComponents());

    // A parent that is modal but not foremost is left alone on show and not
    // entered a second time on hide.
    w.panel.show (1, iconAsterix);
    browser.alert.show (1, iconAsterix);
    EXPECT_TRUE (browser.isCurrentlyModal (false));
    browser.alert.hide();
    EXPECT_TRUE (browser.isCurrentlyModal (false));
    EXPECT_EQ (2, juce::ModalComponentManager::getInstance()->getNumModalComponents());
    w.panel.hide();
    browser.exitModalState (0);

    // Without a parent the hand-over has nobody to talk to.
    TervixAlertComponent orphan ("orphan", 0, 0, 0);
    orphan.needChangeParentModal (true);
    orphan.show (2, iconAsterix);
    orphan.hide();
    EXPECT_FALSE (orphan.isCurrentlyModal (false));
}

TEST (AlertPanel, ButtonsCallTheVirtualActions)
{
    struct Question : TervixAlertComponent
    {
        Question() : TervixAlertComponent ("question", 0, 0, 0) {}
        void okButtonClicked() override { ++oks; TervixAlertComponent::okButtonClicked(); }
        void cancelButtonClicked() override { ++cancels; TervixAlertComponent::cancelButtonClicked(); }
        int oks = 0, cancels = 0;
    };

    Question question;
    question.show (2, iconAsterix);
    question.cancelButton_->triggerClick();
    pumpMessages (20);
    EXPECT_EQ (1, question.cancels);
    EXPECT_FALSE (question.isVisible());

    question.show (2, iconAsterix);
    question.okButton_->triggerClick();
    pumpMessages (20);
    EXPECT_EQ (1, question.oks);
    EXPECT_FALSE (question.isCurrentlyModal (false));
}

TEST (AboutPanel, ShowsModallyAndAClickOutsideTheLabelsClosesIt)
{
    Window<TervixSplashScreen> w ("aboutContainer_");
    auto& about = w.panel;
    EXPECT_FALSE (about.isVisible());
    EXPECT_EQ (juce::Rectangle<int> (0, 0, 325, 454), about.getBounds());
    EXPECT_EQ (juce::Rectangle<int> (150, 112, 100, 16), about.versionLabel_->getBounds());
    EXPECT_EQ (juce::Rectangle<int> (150, 127, 100, 16), about.penggunaLabel_->getBounds());
    EXPECT_EQ (juce::Justification::bottomLeft, about.versionLabel_->getJustificationType().getFlags());
    EXPECT_EQ (juce::Colours::white, about.penggunaLabel_->findColour (juce::Label::textColourId));

    about.versionLabel_->setText ("1.2.0 (64bit)", juce::dontSendNotification);
    about.show();
    about.show();
    EXPECT_TRUE (about.isVisible());
    EXPECT_EQ (1, juce::ModalComponentManager::getInstance()->getNumModalComponents());
    EXPECT_TRUE (w.control.isCurrentlyBlockedByAnotherModalComponent());
    EXPECT_EQ (juce::String ("1.2.0 (64bit)"), about.versionLabel_->getText());

    // The version text is drawn over the picture.
    const auto shown = snapshot (about);
    about.versionLabel_->setText ({}, juce::dontSendNotification);
    EXPECT_FALSE (sameImage (shown, snapshot (about)));

    about.mouseDown (mouseAt (about, { 300.0f, 400.0f }));
    EXPECT_FALSE (about.isVisible());
    EXPECT_FALSE (about.isCurrentlyModal (false));
    EXPECT_FALSE (w.control.isCurrentlyBlockedByAnotherModalComponent());
}
