/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixOptionMenuTree.h"

#include "Utf8.h"

#include <algorithm>
#include <filesystem>

TervixOpenMenus::~TervixOpenMenus()
{
    closeAll();
}

void TervixOpenMenus::show (juce::PopupMenu& menu, const juce::PopupMenu::Options& options,
                            std::function<void (int)> callback)
{
    // A menu that opens enters the modal state on top of every other component.
    auto& modal = *juce::ModalComponentManager::getInstance();
    const int modalBefore = modal.getNumModalComponents();

    menu.showMenuAsync (options, std::move (callback));

    windows.removeIf ([] (const auto& window) { return window == nullptr; });

    if (modal.getNumModalComponents() > modalBefore)
        windows.add (juce::Component::getCurrentlyModalComponent());
}

void TervixOpenMenus::closeAll()
{
    // The framework offers no way to close one menu but the key that the menu
    // itself handles by closing, with its sub-menus.
    for (auto& window : windows)
        if (window != nullptr && window->isCurrentlyModal (false))
            window->keyPressed (juce::KeyPress (juce::KeyPress::escapeKey));

    windows.clear();
}

//==============================================================================
int TervixOptionMenuTree::FileSorter::compareElements (const juce::File& first, const juce::File& second)
{
    return first.getFileName().compareNatural (second.getFileName());
}

TervixOptionMenuTree::TervixOptionMenuTree (const juce::String& name)
    : juce::Label (name, {}),
      directoryPath (juce::File::getSpecialLocation (juce::File::userMusicDirectory).getFullPathName())
{
    setJustificationType (juce::Justification::centred);
    setColour (juce::Label::textColourId, juce::Colours::white);
    setEditable (false, false, false);
}

TervixOptionMenuTree::~TervixOptionMenuTree() = default;

//==============================================================================
void TervixOptionMenuTree::setDirectoryPath (const juce::String& path)
{
    directoryPath = path.replaceCharacter ('\\', '/');
}

void TervixOptionMenuTree::setFileExtension (const juce::String& pattern)
{
    fileExtension = pattern;
}

void TervixOptionMenuTree::setAsRecursive (bool shouldBeRecursive)
{
    recursive = shouldBeRecursive;
}

juce::String TervixOptionMenuTree::getSelectedFilePath()    { return selectedFilePath; }
int TervixOptionMenuTree::getSelectedFileIndex()            { return selectedIndex; }
juce::String TervixOptionMenuTree::getFilePath (int index)  { return filePaths[index]; }
juce::String TervixOptionMenuTree::getFileName (int index)  { return fileNames[index]; }
int TervixOptionMenuTree::getNumOfFiles()                   { return nextItemId - 1; }

juce::File TervixOptionMenuTree::getRootFolder() const
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (directoryPath);
}

juce::String TervixOptionMenuTree::getRelativePath (const juce::File& file) const
{
    return file.getRelativePathFrom (getRootFolder());
}

bool TervixOptionMenuTree::isListed (const juce::File&) const
{
    return true;
}

juce::File TervixOptionMenuTree::getFileOf (const juce::String& path) const
{
    return getRootFolder().getChildFile (path);
}

//==============================================================================
void TervixOptionMenuTree::setSelectedFilePath (const juce::String& path)
{
    if (! selectFilePath (path))
        setText (getRootFolder().getChildFile (selectedFilePath).getFileNameWithoutExtension(), juce::dontSendNotification);
}

bool TervixOptionMenuTree::selectFilePath (const juce::String& path)
{
    selectedFilePath = path.replaceCharacter ('\\', '/');
    previousFilePath = selectedFilePath;

    if (! createMenuTree())
        return false;

    setText (fileNames[selectedIndex - 1], juce::dontSendNotification);
    return true;
}

void TervixOptionMenuTree::setSelectedFileIndex (int itemId)
{
    selectFileIndex (itemId);
}

bool TervixOptionMenuTree::selectFileIndex (int itemId)
{
    if (itemId < 1 || itemId >= nextItemId || filePaths.isEmpty())
        return false;

    selectedIndex = itemId;
    selectedFilePath = getRelativePath (juce::File (filePaths[itemId - 1]));
    previousFilePath = selectedFilePath;
    setText (fileNames[itemId - 1], juce::dontSendNotification);
    return true;
}

void TervixOptionMenuTree::nextResult()
{
    setSelectedFileIndex (selectedIndex < getNumOfFiles() ? selectedIndex + 1 : 1);
}

void TervixOptionMenuTree::previousResult()
{
    // A selection beyond the end of a shrunken list steps back to the last file.
    const int last = getNumOfFiles();
    setSelectedFileIndex (selectedIndex > 1 && selectedIndex <= last ? selectedIndex - 1 : last);
}

//==============================================================================
bool TervixOptionMenuTree::createMenuTree()
{
    bool found = false;
    createSubMenu (directoryPath, true, found);
    return found;
}

int TervixOptionMenuTree::createSubMenu (const juce::String& path, bool isRoot, bool& found)
{
    if (isRoot)
    {
        filePaths.clear();
        fileNames.clear();
        menus.clear();
        menuCount = 0;
        nextItemId = 1;
        visitedFolders.clear();
    }

    return addFolder (juce::File::getCurrentWorkingDirectory().getChildFile (path), 0, found);
}

int TervixOptionMenuTree::addFolder (const juce::File& folder, int depth, bool& found)
{
    // Folder links may lead back into the tree: each real folder is listed once.
    std::error_code error;
    visitedFolders.insert (std::filesystem::weakly_canonical (folder.getFullPathName().toStdString(), error).string());

    juce::PopupMenu menu;
    FileSorter sorter;
    auto [subFolders, files] = listFolder (folder);

    if (recursive && depth < maxFolderDepth)
    {
        subFolders.sort (sorter, true);

        for (const auto& subFolder : subFolders)
        {
            const auto real = std::filesystem::weakly_canonical (subFolder.getFullPathName().toStdString(), error).string();

            if (error || visitedFolders.count (real) > 0 || ! isListed (subFolder))
                continue;

            const int index = addFolder (subFolder, depth + 1, found);
            menu.addSubMenu (subFolder.getFileName(), *menus[index], true);
        }
    }

    files.sort (sorter, true);
    const auto selectedFile = getFileOf (selectedFilePath);

    for (const auto& file : files)
    {
        if (! isListed (file))
            continue;

        const bool ticked = file.getFullPathName() == selectedFile.getFullPathName();

        if (ticked)
        {
            found = true;
            selectedIndex = nextItemId;
        }

        menu.addItem (nextItemId, file.getFileName(), true, ticked);
        filePaths.add (file.getFullPathName());
        fileNames.add (file.getFileNameWithoutExtension());
        ++nextItemId;
    }

    menus.add (new juce::PopupMenu (std::move (menu)));
    return menuCount++;
}

TervixOptionMenuTree::Listing TervixOptionMenuTree::listFolder (const juce::File& folder) const
{
    namespace fs = std::filesystem;
    Listing listing;
    auto patterns = juce::StringArray::fromTokens (fileExtension, ";,", "\"'");
    patterns.trim();
    patterns.removeEmptyStrings();

    // The framework's own scans make a string of every name they meet, and a name
    // that is not UTF-8 (a Latin-1 one from an old archive) can make it write past
    // the end of that string. So names are judged here, as bytes, before any
    // string is made of them.
    std::error_code error;

    for (fs::directory_iterator it (folder.getFullPathName().toStdString(), error), end; ! error && it != end;
         it.increment (error))
    {
        const std::string name = it->path().filename().native();

        if (! vostrel::utf8::isValid (name.data(), name.size()))
            continue;

        // Links are followed. A link that leads nowhere, a pipe or a device is no
        // file that could be loaded, so it is not offered.
        std::error_code typeError;
        const juce::File entry (juce::String (it->path().string()));

        if (it->is_directory (typeError))
            listing.folders.add (entry);
        else if (it->is_regular_file (typeError)
                 && std::any_of (patterns.begin(), patterns.end(), [&] (const juce::String& pattern)
                                 { return entry.getFileName().matchesWildcard (pattern, false); }))
            listing.files.add (entry);
    }

    return listing;
}

//==============================================================================
void TervixOptionMenuTree::mouseDown (const juce::MouseEvent&)
{
    popUpMenu ({});
}

void TervixOptionMenuTree::popUpMenu (std::function<void (int)> afterPick)
{
    createMenuTree();

    if (menuCount <= 0)
        return;

    // The result may arrive after the label is gone, or after a later rebuild
    // renumbered the items: it is resolved against the lists of this build.
    juce::Component::SafePointer<TervixOptionMenuTree> safeThis (this);

    openMenus.show (*menus[menuCount - 1], juce::PopupMenu::Options().withTargetComponent (this).withStandardItemHeight (20),
                    [safeThis, paths = filePaths, names = fileNames, afterPick] (int result)
                    {
                        if (safeThis != nullptr)
                            safeThis->handlePick (result, paths, names);

                        if (safeThis != nullptr && afterPick != nullptr)
                            afterPick (result);
                    });
}

void TervixOptionMenuTree::handlePick (int result, const juce::StringArray& paths, const juce::StringArray& names)
{
    if (result <= 0 || result > paths.size())
        return;

    selectedIndex = result;
    selectedFilePath = getRelativePath (juce::File (paths[result - 1]));
    const auto name = names[result - 1];

    if (selectedFilePath != previousFilePath)
    {
        juce::Component::SafePointer<TervixOptionMenuTree> safeThis (this);
        callChangeListeners();

        if (safeThis == nullptr)
            return;

        previousFilePath = selectedFilePath;
        setText (name, juce::dontSendNotification);
    }
    else
    {
        setText (name, juce::sendNotification);
    }
}
