/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "TestSupport.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace vostrel::test
{
    /** The open popup menu windows, the innermost last. */
    inline juce::Array<juce::Component*> openMenus()
    {
        juce::Array<juce::Component*> menus;
        auto& desktop = juce::Desktop::getInstance();

        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* c = desktop.getComponent (i); c->getName() == "menu" && c->isShowing())
                menus.add (c);

        return menus;
    }

    /** Waits until `count` menu windows are open. */
    inline bool waitForMenus (int count)
    {
        for (int i = 0; i < 200; ++i)
        {
            if (openMenus().size() == count)
                return true;

            pumpMessages (10);
        }

        return false;
    }

    /** The accessible items of a menu window, in order: their titles and actions. */
    inline juce::Array<juce::AccessibilityHandler*> menuItems (juce::Component& menu)
    {
        juce::Array<juce::AccessibilityHandler*> items;

        std::function<void (juce::Component&)> collect = [&] (juce::Component& c)
        {
            for (auto* child : c.getChildren())
            {
                if (auto* handler = child->getAccessibilityHandler();
                    handler != nullptr && handler->getRole() == juce::AccessibilityRole::menuItem)
                    items.add (handler);

                collect (*child);
            }
        };

        collect (menu);
        return items;
    }

    inline juce::StringArray menuItemTitles (juce::Component& menu)
    {
        juce::StringArray titles;

        for (auto* item : menuItems (menu))
            titles.add (item->getTitle());

        return titles;
    }

    /** Presses the item of the innermost menu with the given title, as a user's
        click would (a sub-menu item opens its sub-menu). */
    inline bool pressMenuItem (const juce::String& title)
    {
        const auto menus = openMenus();

        if (menus.isEmpty())
            return false;

        for (auto* item : menuItems (*menus.getLast()))
            if (item->getTitle() == title)
                return item->getActions().invoke (juce::AccessibilityActionType::press);

        return false;
    }

    /** Opens a component's popup menu with a click, as the user does, and waits
        for its window. */
    inline bool clickToOpenMenu (juce::Component& c)
    {
        const int before = openMenus().size();
        const auto now = juce::Time::getCurrentTime();
        c.mouseDown (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, {}, 1.0f, 0.0f, 0.0f, 0.0f,
                                       0.0f, &c, &c, now, {}, now, 1, false));
        return waitForMenus (before + 1);
    }

    /** Picks an item of the innermost menu through its sub-menus ("A", "a1.tzrp"),
        waits for that menu to close and delivers the result. */
    inline bool pickMenuItem (const juce::StringArray& route)
    {
        const int others = openMenus().size() - 1;

        for (int i = 0; i < route.size(); ++i)
            if (! pressMenuItem (route[i]) || (i + 1 < route.size() && ! waitForMenus (others + i + 2)))
                return false;

        const bool closed = waitForMenus (others);
        pumpMessages (50);
        return closed;
    }

    /** A component on the desktop for menus to point at. */
    struct OnScreen
    {
        explicit OnScreen (juce::Component& c, juce::Rectangle<int> bounds = { 100, 100, 192, 26 })
            : component (c)
        {
            component.setBounds (bounds);
            component.addToDesktop (juce::ComponentPeer::windowIsTemporary);
            component.setVisible (true);
            pumpMessages (50);
        }

        ~OnScreen()
        {
            juce::PopupMenu::dismissAllActiveMenus();
            pumpMessages (50);
            component.removeFromDesktop();
        }

        juce::Component& component;
    };
}
