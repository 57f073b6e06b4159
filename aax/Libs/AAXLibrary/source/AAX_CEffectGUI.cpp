/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CEffectGUI.h"
#include "AAX_CString.h"
#include "AAX_VRuntime.h"

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    // The derived part is gone: its hooks must not run, and its editor, which used
    // the processor, has been destroyed with it.
    DropViewContainer();
    delete std::exchange (mController, nullptr);
    delete std::exchange (mTransport, nullptr);

    if (auto* effectParameters = std::exchange (mEffectParameters, nullptr))
        effectParameters->Release();
}

void AAX_CEffectGUI::DropViewContainer() noexcept
{
    delete std::exchange (mViewContainer, nullptr);
}

AAX_Result AAX_CEffectGUI::Initialize (IACFUnknown* host)
{
    delete mController;
    mController = new AAX_VController (host);

    if (host == nullptr)
        return AAX_ERROR_NOT_INITIALIZED;

    if (mEffectParameters == nullptr)
    {
        void* answer = nullptr;

        if (host->QueryInterface (IID_IAAXEffectParametersV1, &answer) >= 0 && answer != nullptr)
        {
            auto* hostInterface = static_cast<AAX_IACFEffectParameters*> (answer);
            mEffectParameters = dynamic_cast<AAX_IEffectParameters*> (static_cast<AAX_IACFEffectParameters_V4*> (hostInterface));

            // An answer that is not this module's object cannot be used: give it back.
            if (mEffectParameters == nullptr)
                hostInterface->Release();
        }
    }

    delete mTransport;
    mTransport = new AAX_VTransport (host);
    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    if (mViewContainer != nullptr)
        SetViewContainer (nullptr);

    delete std::exchange (mController, nullptr);
    delete std::exchange (mTransport, nullptr);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived (AAX_CTypeID, const void*, uint32_t) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::SetViewContainer (IACFUnknown* viewContainer)
{
    if (viewContainer != nullptr)
    {
        auto* replacement = new AAX_VViewContainer (viewContainer);
        delete std::exchange (mViewContainer, replacement);
        CreateViewContainer();
        UpdateAllParameters();
    }
    else
    {
        DeleteViewContainer();
        DropViewContainer();
    }

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize (AAX_Point*) const { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::Draw (AAX_Rect*) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::TimerWakeup() { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::ParameterUpdated (AAX_CParamID) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const { return AAX_ERROR_NULL_OBJECT; }
AAX_Result AAX_CEffectGUI::SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor) { return AAX_SUCCESS; }

int32_t AAX_CEffectGUI::GetViewContainerType()
{
    return mViewContainer != nullptr ? mViewContainer->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_CEffectGUI::GetViewContainerPtr()
{
    return mViewContainer != nullptr ? mViewContainer->GetPtr() : nullptr;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (mEffectParameters == nullptr)
        return;

    int32_t count = 0;

    if (mEffectParameters->GetNumberOfParameters (&count) != AAX_SUCCESS || count < 0)
        return;

    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CString id;

        if (mEffectParameters->GetParameterIDFromIndex (index, &id) == AAX_SUCCESS)
            ParameterUpdated (id.Get());
    }
}
