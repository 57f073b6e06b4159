/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CPacketDispatcher.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"

#include <cstring>
#include <stdexcept>

//==============================================================================
void* AAX_CPacket::SPacketData::Get (size_t size)
{
    if (size == 0)
        throw std::out_of_range ("a packet needs at least one byte");

    mData.resize (size, 0);
    return mData.data();
}

//==============================================================================
AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard (mLockGuard);
    mRegistrations.clear();
    mPacketsByField.clear();
}

void AAX_CPacketDispatcher::Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters)
{
    const AAX_StLock_Guard guard (mLockGuard);
    mController = controller;
    mEffectParameters = effectParameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID id, AAX_CFieldIndex field, const AAX_IPacketHandler* handler)
{
    const AAX_StLock_Guard guard (mLockGuard);

    if (id == nullptr || handler == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    AAX_CPacket* packet = nullptr;

    if (field >= 0)
    {
        auto& owned = mPacketsByField[field];

        if (owned == nullptr)
            owned = std::make_unique<AAX_CPacket> (field);

        packet = owned.get();
    }

    mRegistrations.emplace (id, Registration { packet, std::unique_ptr<AAX_IPacketHandler> (handler->Clone()) });
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID id, AAX_CFieldIndex field)
{
    const AAX_CPacketHandler<AAX_CPacketDispatcher> handler (this, &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    return RegisterPacket (id, field, &handler);
}

AAX_Result AAX_CPacketDispatcher::SetDirty (AAX_CParamID id, bool dirty)
{
    const AAX_StLock_Guard guard (mLockGuard);

    if (id == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto [first, last] = mRegistrations.equal_range (id);

    for (auto entry = first; entry != last; ++entry)
        if (entry->second.packet != nullptr)
            entry->second.packet->SetDirty (dirty);

    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    const AAX_StLock_Guard guard (mLockGuard);
    AAX_Result firstFailure = AAX_SUCCESS;

    for (auto& [id, registration] : mRegistrations)
    {
        auto* packet = registration.packet;

        if (packet == nullptr || ! packet->IsDirty())
            continue;

        if (registration.handler->Call (id.c_str(), *packet) != AAX_SUCCESS)
        {
            packet->SetDirty (false);
            continue;
        }

        const auto posted = mController != nullptr
                              ? mController->PostPacket (packet->GetID(), packet->GetData(), (uint32_t) packet->GetSize())
                              : AAX_ERROR_NULL_OBJECT;

        // A packet the host did not take is tried again at the next dispatch.
        packet->SetDirty (posted != AAX_SUCCESS);

        if (posted != AAX_SUCCESS && firstFailure == AAX_SUCCESS)
            firstFailure = posted;
    }

    return firstFailure;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket (AAX_CParamID id, AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;

    if (mEffectParameters == nullptr || mEffectParameters->GetParameter (id, &parameter) != AAX_SUCCESS
         || parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    bool boolValue = false;
    float floatValue = 0.0f;
    int32_t intValue = 0;
    double doubleValue = 0.0;

    if (parameter->GetValueAsBool (&boolValue))
        *packet.GetPtr<int32_t>() = boolValue ? 1 : 0;
    else if (parameter->GetValueAsFloat (&floatValue))
        *packet.GetPtr<float>() = parameter->GetNumberOfSteps() == 2 ? (floatValue >= 0.5f ? 1.0f : 0.0f) : floatValue;
    else if (parameter->GetValueAsInt32 (&intValue))
        *packet.GetPtr<int32_t>() = intValue;
    else if (parameter->GetValueAsDouble (&doubleValue))
        *packet.GetPtr<double>() = doubleValue;
    else
        return AAX_ERROR_NULL_OBJECT;

    return AAX_SUCCESS;
}
