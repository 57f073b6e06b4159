/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The plug-in's editor object opened by the test host in a real X11 window.

#include "AAXHostSupport.h"
#include "TestSupport.h"

#include <X11/Xlib.h>

using namespace vostrel::aaxhost;
using namespace vostrel::aaxhost::test;

namespace
{
    /** The host object a GUI is initialised with: the instance's context, which
        also answers for the instance's own effect-parameters object. */
    struct GuiContext : HostInstanceContext
    {
        GuiContext (HostFactory& factory, IACFUnknown* effectParameters) : HostInstanceContext (factory)
        {
            expose (IID_IAAXEffectParametersV1, effectParameters);
        }
    };

    /** A top-level X11 window to hand to the editor. */
    struct HostWindow
    {
        HostWindow() : display (XOpenDisplay (nullptr))
        {
            if (display == nullptr)
                return;

            window = XCreateSimpleWindow (display, DefaultRootWindow (display), 0, 0, 600, 600, 0, 0, 0);
            XMapWindow (display, window);
            XSync (display, False);
        }

        ~HostWindow()
        {
            if (display != nullptr)
            {
                XDestroyWindow (display, window);
                XCloseDisplay (display);
            }
        }

        unsigned int numChildren()
        {
            Window root = 0, parent = 0, *children = nullptr;
            unsigned int count = 0;
            XSync (display, False);
            XQueryTree (display, window, &root, &parent, &children, &count);

            if (children != nullptr)
                XFree (children);

            return count;
        }

        Display* display;
        Window window = 0;
    };

    AAX_IACFEffectGUI* createGui (LoadedPlugIn& plugIn)
    {
        auto create = reinterpret_cast<PlugInModule::CreateProc> (plugIn.effect->procs.at (kAAX_ProcPtrID_Create_EffectGUI));
        return queryPlugInObject<AAX_IACFEffectGUI> (create(), IID_IAAXEffectGUIV1);
    }
}

TEST (AAXHostGui, EditorOpensInAHostWindowAndCloses)
{
    // Over preset folders holding names that are not UTF-8.
    for (const char* folder : { "~/Music/Tervix/Presets/VostrelZR2814", "~/Music/Audio Music Apps/Tervix/Presets/VostrelZR2814" })
        ASSERT_TRUE (vostrel::test::putNamesThatAreNotUtf8 (vostrel::test::pathOf (juce::File (folder))));

    HostWindow window;
    ASSERT_NE (window.display, nullptr);
    LoadedPlugIn plugIn;
    ASSERT_NE (plugIn.effect, nullptr);
    Instance instance (plugIn);

    GuiContext context (plugIn.root.factory, instance.effect);
    auto* gui = createGui (plugIn);
    ASSERT_NE (gui, nullptr);
    EXPECT_EQ (gui->Initialize (&context), 0);

    // The product's own window, at the skin's size.
    AAX_Point size { 0, 0 };
    EXPECT_EQ (gui->GetViewSize (&size), 0);
    EXPECT_EQ ((int) size.horz, 325);
    EXPECT_EQ ((int) size.vert, 454);

    HostViewContainer view;
    view.nativeView = reinterpret_cast<void*> (window.window);
    EXPECT_EQ (gui->SetViewContainer (&view), 0);
    EXPECT_EQ (window.numChildren(), 1u);

    EXPECT_EQ (gui->SetViewContainer (nullptr), 0);
    EXPECT_EQ (window.numChildren(), 0u);
    EXPECT_EQ (view.references(), 1);

    EXPECT_EQ (gui->Uninitialize(), 0);
    gui->Release();
}

TEST (AAXHostGui, ReleasedWithItsWindowOpenInEitherOrder)
{
    HostWindow window;
    ASSERT_NE (window.display, nullptr);

    for (bool guiFirst : { true, false })
    {
        LoadedPlugIn plugIn;
        ASSERT_NE (plugIn.effect, nullptr);
        auto instance = std::make_unique<Instance> (plugIn);
        GuiContext context (plugIn.root.factory, instance->effect);
        HostViewContainer view;
        view.nativeView = reinterpret_cast<void*> (window.window);

        auto* gui = createGui (plugIn);
        ASSERT_EQ (gui->Initialize (&context), 0);
        ASSERT_EQ (gui->SetViewContainer (&view), 0);

        if (guiFirst)
        {
            gui->Release();
            instance.reset();
        }
        else
        {
            instance.reset();
            EXPECT_EQ (gui->Uninitialize(), 0);
            gui->Release();
        }

        EXPECT_EQ (plugIn.module->canUnloadNow (&plugIn.root), 0);
        EXPECT_EQ (view.references(), 1);
        EXPECT_EQ (context.references(), 1);
        EXPECT_EQ (window.numChildren(), 0u);
    }
}
