/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <set>

/** The popup menus one owner has open. Each closes when the owner goes, and only
    those: the menus other windows of the host have open stay as they are. */
class TervixOpenMenus
{
public:
    TervixOpenMenus() = default;
    /** Closes the menus still open. */
    ~TervixOpenMenus();

    /** Shows a menu as juce::PopupMenu::showMenuAsync does and keeps its window. */
    void show (juce::PopupMenu&, const juce::PopupMenu::Options&, std::function<void (int result)> callback);
    /** Closes the menus still open, as a dismissal; their callbacks get 0 later,
        from the message loop, as for any dismissed menu. */
    void closeAll();

private:
    juce::Array<juce::Component::SafePointer<juce::Component>> windows;

    JUCE_DECLARE_NON_COPYABLE (TervixOpenMenus)
};

//==============================================================================
/** A label that pops up a folder tree as nested menus when clicked: a sub-menu per
    sub-folder, an item per file matching a wildcard. It remembers the selected file
    (relative to its root folder, "/" separated, and as a 1-based item id), shows its
    name, steps through the tree with wrap-around and tells its change listeners when
    the user picks another file. */
class TervixOptionMenuTree : public juce::Label
{
public:
    /** Sorts folder listings by name, naturally (digits by value) and ignoring case. */
    struct FileSorter
    {
        static int compareElements (const juce::File& first, const juce::File& second);
    };

    /** Creates the label: centred white text, not editable, rooted at the Music folder. */
    explicit TervixOptionMenuTree (const juce::String& name);
    ~TervixOptionMenuTree() override;

    /** Rebuilds the tree and pops up the root menu under the label. */
    void mouseDown (const juce::MouseEvent&) override;

    /** Sets the root folder ("\" becomes "/"); nothing is rebuilt. */
    virtual void setDirectoryPath (const juce::String& path);
    /** Selects a file by its path relative to the root and shows its name; the tree
        is rebuilt. A file that is not in the tree is shown by its bare name. */
    virtual void setSelectedFilePath (const juce::String& path);
    /** Selects the file with a 1-based item id of the last build and shows its name;
        ids outside the list are ignored. */
    virtual void setSelectedFileIndex (int itemId);
    /** Whether sub-folders are listed as sub-menus. */
    virtual void setAsRecursive (bool shouldBeRecursive);
    /** Sets the wildcard that listed files must match; nothing is rebuilt. */
    virtual void setFileExtension (const juce::String& pattern);
    /** The selected file's path relative to the root folder. */
    virtual juce::String getSelectedFilePath();
    /** The selected file's item id, 0 before anything was selected. */
    virtual int getSelectedFileIndex();
    /** Full path of listed file i (0-based); empty outside the list. */
    virtual juce::String getFilePath (int index);
    /** Name without extension of listed file i (0-based); empty outside the list. */
    virtual juce::String getFileName (int index);
    /** The number of files the last build listed. */
    virtual int getNumOfFiles();
    /** Selects the next file of the last build, wrapping to the first. */
    virtual void nextResult();
    /** Selects the previous file of the last build, wrapping to the last. */
    virtual void previousResult();

    /** Builds the whole tree from disk; true when the selected file is in it. */
    bool createMenuTree();
    /** Builds the menu of one folder (and, when recursive, those below it) and
        returns its index in the menu store; isRoot starts a new build. */
    int createSubMenu (const juce::String& path, bool isRoot, bool& found);

    /** Deepest folder level listed below the root. */
    static constexpr int maxFolderDepth = 32;

    juce::OwnedArray<juce::PopupMenu> menus;
    int32_t menuCount = 0;
    int32_t nextItemId = 1;
    juce::StringArray filePaths;
    juce::StringArray fileNames;
    juce::String directoryPath;
    /** The path selected last, whether by a pick, a step or a path: the file the
        owner loaded last. Picking it again while its plain name shows is no change. */
    juce::String previousFilePath;
    juce::String selectedFilePath;
    int32_t selectedIndex = 0;
    juce::String fileExtension { "*" };
    bool recursive = true;

protected:
    /** The root folder as a file. */
    juce::File getRootFolder() const;
    /** A file's path relative to the root folder, "/" separated. */
    juce::String getRelativePath (const juce::File&) const;

    /** Selects by relative path and rebuilds; shows the name and returns true when the
        file is in the tree, else changes no text and returns false. */
    bool selectFilePath (const juce::String& path);
    /** Selects by item id; false (and nothing changed) for an id outside the list. */
    bool selectFileIndex (int itemId);

    /** Whether a file or folder found while building is listed; here, all are. */
    virtual bool isListed (const juce::File&) const;
    /** The file a selected path names; here, the path taken from the root folder
        as the framework reads it. */
    virtual juce::File getFileOf (const juce::String& path) const;

    /** Rebuilds the tree and pops up the root menu; a pick is handled against the
        list that built the menu, then `afterPick` runs with the result. */
    void popUpMenu (std::function<void (int result)> afterPick);

private:
    /** The entries of one folder that may be offered. */
    struct Listing
    {
        juce::Array<juce::File> folders, files;
    };

    int addFolder (const juce::File& folder, int depth, bool& found);
    /** The folders and the regular files matching the wildcard directly inside a
        folder, links followed; names that are not valid UTF-8 are left out before
        a string is made of them. */
    Listing listFolder (const juce::File& folder) const;
    void handlePick (int result, const juce::StringArray& paths, const juce::StringArray& names);

    std::set<std::string> visitedFolders;
    /** Declared after the menu store, so the popup closes before the store goes. */
    TervixOpenMenus openMenus;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixOptionMenuTree)
};
