/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "Tervix2StateKickButton.h"
#include "TervixSkin.h"

/** The plug-in's message box: a modal panel of the window's size with an icon, a
    centred message and an OK button, or OK and CANCEL. It is added hidden and
    shows itself; with the hand-over on it takes the modal state from a modal
    parent (a browser) and gives it back when it closes. */
class TervixAlertComponent : public juce::Component
{
public:
    /** Creates the hidden panel, sized to its background. The three numbers are
        accepted for callers that pass them, and not used. */
    TervixAlertComponent (const juce::String& name, int, int, int);
    ~TervixAlertComponent() override;

    /** Draws the background and the icon; the message and buttons draw themselves. */
    void paint (juce::Graphics&) override;

    /** Sets the message, which may hold line breaks. */
    virtual void setTitle (const juce::String& text);
    /** Shows the panel modally with 1 (OK) or 2 (OK, CANCEL) buttons and an
        AlertIcon; any other button count does nothing. */
    virtual void show (int numButtons, int newIconType);
    /** Ends the modal state, gives it back to the parent when handed over, hides. */
    virtual void hide();
    /** The OK button's action: hide(). */
    virtual void okButtonClicked();
    /** The CANCEL button's action: hide(). */
    virtual void cancelButtonClicked();
    /** Whether show and hide hand the modal state over from and back to the parent. */
    virtual void needChangeParentModal (bool shouldChange);

    juce::Image backgroundImage;
    juce::Image iconImage;
    bool changeParentModal = false;
    int32_t iconType = iconAsterix;
    int32_t okButtonType = buttonImageOk;
    int32_t cancelButtonType = buttonImageCancel;
    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<Tervix2StateKickButton> okButton_;
    std::unique_ptr<Tervix2StateKickButton> cancelButton_;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixAlertComponent)
};

//==============================================================================
/** A small modal panel that asks for a folder name and creates the folder in
    the current folder of a file browser. Problems are reported in its own alert. */
class TervixNewFolderComponent : public juce::Component,
                                 public juce::Timer
{
public:
    /** Creates the hidden panel for a browser (not owned) with a prompt text. */
    TervixNewFolderComponent (const juce::String& name, juce::FileBrowserComponent* browser,
                              const juce::String& prompt);
    ~TervixNewFolderComponent() override;

    void paint (juce::Graphics&) override;

    /** Enables OK while a name is entered. */
    void timerCallback() override;
    /** Whether show and hide hand the modal state over from and back to the parent. */
    virtual void needChangeParentModal (bool shouldChange);
    /** Clears the name and shows the panel modally. */
    virtual void show();
    /** Ends the modal state, gives it back to the parent when handed over, hides. */
    virtual void hide();

    /** When set, folders are created only in folders it accepts. */
    std::function<bool (const juce::File& folder)> isFolderAllowed;

    juce::Image backgroundImage;
    bool changeParentModal = false;
    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<juce::TextEditor> textEditor_;
    std::unique_ptr<Tervix2StateKickButton> okButton_;
    std::unique_ptr<Tervix2StateKickButton> cancelButton_;
    std::unique_ptr<TervixAlertComponent> alertComponent_;
    juce::FileBrowserComponent* fileBrowser = nullptr;

private:
    void createFolder();
    void close();
    void showError (const juce::String& message);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixNewFolderComponent)
};

//==============================================================================
/** The plug-in's modal file dialog over the framework's file browser, with
    picture buttons OK and CANCEL, a title picture and, for saving, New Folder.
    A 200 ms timer enables OK only for a usable choice. */
class TervixFileBrowser : public juce::Component,
                          public juce::TextEditor::Listener,
                          private juce::FileBrowserListener,
                          public juce::Timer
{
public:
    /** Browser types: what the dialog lets the user choose. */
    enum FileBrowserType
    {
        openFile = 1,
        openFiles = 2,
        openFilesOrFolders = 3,
        openFolder = 4,
        saveFile = 5
    };

    /** Creates the hidden dialog. The plug-in's dialog is a save dialog with the
        SAVE AS title and the Save and CANCEL pictures; other types and pictures
        can be given. A type outside 1..5 builds nothing. */
    TervixFileBrowser (const juce::String& name, const juce::String& filterDescription,
                       const juce::File& initialFolder, const juce::String& fileWildcard,
                       int browserType = saveFile, int titleType = 1,
                       int okButtonType = buttonImageSave, int cancelButtonType = buttonImageCancel);
    ~TervixFileBrowser() override;

    void paint (juce::Graphics&) override;

    /** Enables OK for a usable choice of the browser type. */
    void timerCallback() override;
    /** Refreshes the listing, clears the name and shows the dialog modally. */
    virtual void show();
    /** Ends the modal state, gives it back to the parent when handed over, hides. */
    virtual void hide();
    /** Builds the filter, browser, title and buttons for the browser flags. */
    virtual void createBrowser (int browserFlags, const juce::String& filterDescription);
    void selectionChanged() override;
    void fileClicked (const juce::File&, const juce::MouseEvent&) override;
    /** A double-clicked file acts as OK. */
    void fileDoubleClicked (const juce::File&) override;
    void browserRootChanged (const juce::File&) override;
    /** OK's action: hide(). */
    virtual void okButtonClicked();
    /** CANCEL's action: hide(). */
    virtual void cancelButtonClicked();
    /** Opens the new-folder panel when the current folder exists. */
    virtual void createNewFolder();
    /** Whether show and hide hand the modal state over from and back to the parent. */
    virtual void needChangeParentModal (bool shouldChange);

    juce::String fileWildcard;
    juce::File initialFolder;
    int32_t browserType;
    int32_t titleType;
    int32_t okButtonType;
    int32_t cancelButtonType;
    int32_t newFolderButtonType = buttonImageNewFolder;
    bool changeParentModal = false;
    juce::Image backgroundImage;
    juce::Image titleImage;
    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<Tervix2StateKickButton> okButton_;
    std::unique_ptr<Tervix2StateKickButton> cancelButton_;
    std::unique_ptr<Tervix2StateKickButton> newFolderButton_;
    std::unique_ptr<juce::FileBrowserComponent> fileBrowser;
    std::unique_ptr<juce::WildcardFileFilter> fileFilter;
    std::unique_ptr<TervixNewFolderComponent> newFolderComponent_;

protected:
    /** Enables a panel button at full opacity, or disables and dims it. */
    static void setUsable (juce::Button*, bool usable);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixFileBrowser)
};
