/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixFileBrowser.h"

#include "VostrelDialogBoxBinImg.h"

namespace
{
    std::unique_ptr<juce::Label> makeTitleLabel (juce::Component& parent, const juce::String& text)
    {
        auto label = std::make_unique<juce::Label> ("titleText_", text);
        parent.addAndMakeVisible (*label);
        label->setJustificationType (juce::Justification::centred);
        label->setColour (juce::Label::textColourId, juce::Colours::white);
        return label;
    }

    std::unique_ptr<Tervix2StateKickButton> makePanelButton (juce::Component& parent, const juce::String& name,
                                                             const juce::Image& picture, std::function<void()> action)
    {
        auto button = std::make_unique<Tervix2StateKickButton> (name);
        parent.addAndMakeVisible (*button);
        button->setImage (picture);
        button->onClick = std::move (action);
        return button;
    }

    juce::Image loadDialogBackground()
    {
        return TervixSkin::loadPicture (VostrelDialogBoxBinImg::dialogbackground_png,
                                        VostrelDialogBoxBinImg::dialogbackground_pngSize);
    }
}

//==============================================================================
TervixAlertComponent::TervixAlertComponent (const juce::String& name, int, int, int)
    : juce::Component (name)
{
    backgroundImage = loadDialogBackground();
    setBounds (getX(), getY(), backgroundImage.getWidth(), backgroundImage.getHeight());
    iconImage = TervixSkin::loadAlertIcon (iconType);
    needChangeParentModal (false);

    titleText_ = makeTitleLabel (*this, {});
    okButton_ = makePanelButton (*this, "OK", TervixSkin::loadDialogButtonImage (okButtonType),
                                 [this] { okButtonClicked(); });
    cancelButton_ = makePanelButton (*this, "CANCEL", TervixSkin::loadDialogButtonImage (cancelButtonType),
                                     [this] { cancelButtonClicked(); });
}

TervixAlertComponent::~TervixAlertComponent() = default;

void TervixAlertComponent::setTitle (const juce::String& text)
{
    titleText_->setText (text, juce::dontSendNotification);
}

void TervixAlertComponent::show (int numButtons, int newIconType)
{
    if (numButtons != 1 && numButtons != 2)
        return;

    TervixSkin::takeModalStateFromParent (*this, changeParentModal);
    TervixSkin::enterModalState (*this);

    if (newIconType != iconType)
    {
        iconType = newIconType;
        iconImage = TervixSkin::loadAlertIcon (iconType);
    }

    titleText_->setBounds (32, 136, 261, 181);

    if (numButtons == 2)
    {
        okButton_->setBounds (16, 307, 132, 51);
        cancelButton_->setBounds (179, 307, 132, 51);
        cancelButton_->setVisible (true);
    }
    else
    {
        okButton_->setBounds (97, 307, 132, 51);
        cancelButton_->setVisible (false);
    }

    setVisible (true);
}

void TervixAlertComponent::hide()
{
    exitModalState (1);
    TervixSkin::giveModalStateToParent (*this, changeParentModal);
    setVisible (false);
}

void TervixAlertComponent::okButtonClicked()
{
    hide();
}

void TervixAlertComponent::cancelButtonClicked()
{
    hide();
}

void TervixAlertComponent::needChangeParentModal (bool shouldChange)
{
    changeParentModal = shouldChange;
}

void TervixAlertComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage, 0, 0);
    g.drawImageAt (iconImage, juce::roundToInt ((float) getWidth() * 0.5f) - iconImage.getWidth() / 2, 12);
}

//==============================================================================
TervixNewFolderComponent::TervixNewFolderComponent (const juce::String& name, juce::FileBrowserComponent* browser,
                                                    const juce::String& prompt)
    : juce::Component (name),
      fileBrowser (browser)
{
    needChangeParentModal (false);
    backgroundImage = loadDialogBackground();
    setBounds (getX(), getY(), backgroundImage.getWidth(), backgroundImage.getHeight());

    titleText_ = makeTitleLabel (*this, prompt);
    titleText_->setBounds (0, 169, 325, 60);

    textEditor_ = std::make_unique<juce::TextEditor> ("textEditor_");
    addAndMakeVisible (*textEditor_);
    textEditor_->setBounds (23, 229, 280, 24);
    textEditor_->onReturnKey = [this] { okButton_->triggerClick(); };
    textEditor_->onEscapeKey = [this] { cancelButton_->triggerClick(); };

    okButton_ = makePanelButton (*this, "OK", TervixSkin::loadDialogButtonImage (buttonImageOk), [this] { createFolder(); });
    okButton_->setBounds (16, 307, 132, 51);
    cancelButton_ = makePanelButton (*this, "CANCEL", TervixSkin::loadDialogButtonImage (buttonImageCancel),
                                     [this] { close(); });
    cancelButton_->setBounds (179, 307, 132, 51);

    alertComponent_ = std::make_unique<TervixAlertComponent> ("alertComponent_", 0, 0, 0);
    addChildComponent (*alertComponent_);
    alertComponent_->setBounds (0, 0, 325, 454);
    alertComponent_->needChangeParentModal (true);
}

TervixNewFolderComponent::~TervixNewFolderComponent() = default;

void TervixNewFolderComponent::needChangeParentModal (bool shouldChange)
{
    changeParentModal = shouldChange;
}

void TervixNewFolderComponent::show()
{
    TervixSkin::takeModalStateFromParent (*this, changeParentModal);
    textEditor_->clear();
    TervixSkin::enterModalState (*this);
    setVisible (true);
    timerCallback();
    startTimer (200);
}

void TervixNewFolderComponent::hide()
{
    exitModalState (1);
    TervixSkin::giveModalStateToParent (*this, changeParentModal);
    setVisible (false);
    stopTimer();
}

// Closing after a create or on CANCEL only makes the panel invisible: the browser
// stays visible without getting its modal state back, and the timer runs on.
void TervixNewFolderComponent::close()
{
    exitModalState (0);
    setVisible (false);
}

void TervixNewFolderComponent::timerCallback()
{
    const bool hasName = textEditor_->getText().isNotEmpty();
    okButton_->setEnabled (hasName);
    okButton_->setAlpha (hasName ? 1.0f : 0.5f);
}

void TervixNewFolderComponent::showError (const juce::String& message)
{
    alertComponent_->setTitle (message);
    alertComponent_->show (1, iconAsterix);
}

void TervixNewFolderComponent::createFolder()
{
    // Names of dots only would name this folder or its parent, not a new one.
    const auto name = juce::File::createLegalFileName (textEditor_->getText()).trim();

    if (fileBrowser == nullptr || name.isEmpty() || name.containsOnly ("."))
        return;

    const auto parent = fileBrowser->getRoot();
    const auto folder = parent.getChildFile (name);

    if (folder.exists())
    {
        showError ("The folder name already exist! Try different name.");
        return;
    }

    if ((isFolderAllowed != nullptr && ! isFolderAllowed (parent)) || ! folder.createDirectory())
    {
        showError ("Couldn't create the folder! Try different name.");
        return;
    }

    fileBrowser->refresh();
    close();
}

void TervixNewFolderComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage, 0, 0);
}

//==============================================================================
TervixFileBrowser::TervixFileBrowser (const juce::String& name, const juce::String& filterDescription,
                                      const juce::File& folder, const juce::String& wildcard,
                                      int typeOfBrowser, int typeOfTitle, int okType, int cancelType)
    : juce::Component (name),
      fileWildcard (wildcard.containsNonWhitespaceChars() ? wildcard : "*"),
      initialFolder (folder),
      browserType (typeOfBrowser),
      titleType (typeOfTitle),
      okButtonType (okType),
      cancelButtonType (cancelType)
{
    using Flags = juce::FileBrowserComponent::FileChooserFlags;
    const int browserFlags[] = { Flags::openMode | Flags::canSelectFiles,
                          Flags::openMode | Flags::canSelectFiles | Flags::canSelectMultipleItems,
                          Flags::openMode | Flags::canSelectFiles | Flags::canSelectDirectories | Flags::canSelectMultipleItems,
                          Flags::openMode | Flags::canSelectDirectories,
                          Flags::saveMode | Flags::canSelectFiles | Flags::warnAboutOverwriting };

    needChangeParentModal (false);

    if (browserType >= openFile && browserType <= saveFile)
        createBrowser (browserFlags[browserType - 1], filterDescription);
}

TervixFileBrowser::~TervixFileBrowser()
{
    // The browser's scanning thread reads the filter: both go before it.
    newFolderComponent_.reset();

    if (fileBrowser != nullptr)
        fileBrowser->removeListener (this);

    fileBrowser.reset();
}

void TervixFileBrowser::createBrowser (int browserFlags, const juce::String& filterDescription)
{
    using Flags = juce::FileBrowserComponent::FileChooserFlags;
    fileFilter = std::make_unique<juce::WildcardFileFilter> ((browserFlags & Flags::canSelectFiles) != 0 ? fileWildcard : juce::String(),
                                                             (browserFlags & Flags::canSelectDirectories) != 0 ? "*" : "",
                                                             filterDescription);

    backgroundImage = TervixSkin::loadPicture (VostrelDialogBoxBinImg::browserbackground_png,
                                               VostrelDialogBoxBinImg::browserbackground_pngSize);
    setBounds (getX(), getY(), backgroundImage.getWidth(), backgroundImage.getHeight());

    using namespace VostrelDialogBoxBinImg;

    switch (titleType)
    {
        case 1:  titleImage = TervixSkin::loadPicture (saveastitle_png, saveastitle_pngSize); break;
        case 2:  titleImage = TervixSkin::loadPicture (loadtitle_png, loadtitle_pngSize); break;
        case 3:  titleImage = TervixSkin::loadPicture (importtitle_png, importtitle_pngSize); break;
        default: break;
    }

    titleText_ = makeTitleLabel (*this, {});

    fileBrowser = std::make_unique<juce::FileBrowserComponent> (browserFlags, initialFolder, fileFilter.get(), nullptr);
    addAndMakeVisible (*fileBrowser);
    fileBrowser->setBounds (12, 59, 300, 275);
    fileBrowser->setColour (juce::Label::textColourId, juce::Colours::white);
    fileBrowser->addListener (this);

    okButton_ = makePanelButton (*this, "OK", TervixSkin::loadDialogButtonImage (okButtonType),
                                 [this] { okButtonClicked(); });
    okButton_->setBounds (179, 336, 132, 51);
    cancelButton_ = makePanelButton (*this, "CANCEL", TervixSkin::loadDialogButtonImage (cancelButtonType),
                                     [this] { cancelButtonClicked(); });
    cancelButton_->setBounds (179, 386, 132, 51);

    if (browserType == saveFile)
    {
        newFolderButton_ = makePanelButton (*this, "New Folder", TervixSkin::loadDialogButtonImage (newFolderButtonType),
                                            [this] { createNewFolder(); });
        newFolderButton_->setBounds (16, 336, 132, 51);

        newFolderComponent_ = std::make_unique<TervixNewFolderComponent> ("newFolderComponent_", fileBrowser.get(),
                                                                         "Please enter the name of the new folder:");
        addChildComponent (*newFolderComponent_);
        newFolderComponent_->needChangeParentModal (true);
    }
}

void TervixFileBrowser::show()
{
    // Without a browser there would be no button to close the dialog with.
    if (fileBrowser == nullptr)
        return;

    TervixSkin::takeModalStateFromParent (*this, changeParentModal);
    TervixSkin::enterModalState (*this);
    titleText_->setBounds (0, 0, 300, 37);
    fileBrowser->refresh();
    fileBrowser->setFileName ({});

    if (newFolderComponent_ != nullptr)
        newFolderComponent_->setBounds (0, 0, 325, 454);

    setVisible (true);

    for (auto* child : fileBrowser->getChildren())
        if (auto* nameBox = dynamic_cast<juce::TextEditor*> (child))
            nameBox->grabKeyboardFocus();

    timerCallback();
    startTimer (200);
}

void TervixFileBrowser::hide()
{
    exitModalState (1);
    TervixSkin::giveModalStateToParent (*this, changeParentModal);
    setVisible (false);
    stopTimer();
}

void TervixFileBrowser::setUsable (juce::Button* button, bool usable)
{
    if (button == nullptr)
        return;

    button->setEnabled (usable);
    button->setAlpha (usable ? 1.0f : 0.5f);
}

void TervixFileBrowser::timerCallback()
{
    if (fileBrowser == nullptr)
        return;

    if (browserType == openFile)
    {
        const auto file = fileBrowser->getSelectedFile (0);
        setUsable (okButton_.get(), file.exists() && ! file.isDirectory());
    }
    else if (browserType == saveFile)
    {
        setUsable (okButton_.get(), fileBrowser->currentFileIsValid());
    }
}

void TervixFileBrowser::selectionChanged() {}
void TervixFileBrowser::fileClicked (const juce::File&, const juce::MouseEvent&) {}
void TervixFileBrowser::browserRootChanged (const juce::File&) {}

void TervixFileBrowser::fileDoubleClicked (const juce::File&)
{
    if (okButton_ != nullptr)
        okButton_->triggerClick();
}

void TervixFileBrowser::okButtonClicked()
{
    hide();
}

void TervixFileBrowser::cancelButtonClicked()
{
    hide();
}

void TervixFileBrowser::createNewFolder()
{
    if (fileBrowser != nullptr && newFolderComponent_ != nullptr && fileBrowser->getRoot().isDirectory())
        newFolderComponent_->show();
}

void TervixFileBrowser::needChangeParentModal (bool shouldChange)
{
    changeParentModal = shouldChange;
}

void TervixFileBrowser::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage, 0, 0);
    g.drawImageAt (titleImage, 0, 0);
    g.setColour (juce::Colours::grey);
    g.drawRect (getLocalBounds());
}
