/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IController.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"
#include "AAX_ITransport.h"
#include "AAX_IViewContainer.h"

/** The base of the plug-in's editor object: keeps the instance's controller,
    transport and effect parameters, wraps the host's view while a window is open,
    and calls the editor code through its hooks. */
class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI() = default;
    /** Drops a view container still held without calling any hook (the derived
        part is already gone), then the effect-parameters reference. */
    ~AAX_CEffectGUI() override;

    /** -20011 for a null host object. */
    AAX_Result Initialize (IACFUnknown* host) override;
    /** Closes an open window through the hooks and drops the controller and
        transport; the effect-parameters reference is kept until destruction, when
        no editor of the derived class can use the processor any more. */
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) override;
    /** Opens (object) or closes (null) the window. */
    AAX_Result SetViewContainer (IACFUnknown* viewContainer) override;
    AAX_Result GetViewSize (AAX_Point* size) const override;
    AAX_Result Draw (AAX_Rect* area) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated (AAX_CParamID id) override;
    /** -20004 for every label. */
    AAX_Result GetCustomLabel (AAX_EPlugInStrings kind, AAX_IString* label) const override;
    AAX_Result SetControlHighlightInfo (AAX_CParamID id, AAX_CBoolean highlighted, AAX_EHighlightColor colour) override;

    AAX_IEffectParameters* GetEffectParameters() noexcept { return mEffectParameters; }
    const AAX_IEffectParameters* GetEffectParameters() const noexcept { return mEffectParameters; }
    AAX_IViewContainer* GetViewContainer() noexcept { return mViewContainer; }
    const AAX_IViewContainer* GetViewContainer() const noexcept { return mViewContainer; }
    /** The view container's AAX_EViewContainer_Type, 0 without one. */
    int32_t GetViewContainerType();
    /** The host's native parent view, null without one. */
    void* GetViewContainerPtr();
    AAX_IController* GetController() noexcept { return mController; }
    AAX_ITransport* Transport() noexcept { return mTransport; }

protected:
    /** Builds the editor's contents. */
    virtual void CreateViewContents() = 0;
    /** Attaches the contents to the host's view. */
    virtual void CreateViewContainer() = 0;
    /** Detaches the contents from the host's view. */
    virtual void DeleteViewContainer() = 0;
    /** Reports every parameter once through ParameterUpdated. */
    virtual void UpdateAllParameters();

private:
    /** Deletes the view-container wrapper without calling a hook. */
    void DropViewContainer() noexcept;

    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
    AAX_IViewContainer* mViewContainer = nullptr;
    AAX_ITransport* mTransport = nullptr;
};
