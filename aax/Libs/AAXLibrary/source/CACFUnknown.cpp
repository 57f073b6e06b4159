/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "CACFUnknown.h"

std::atomic<int32_t> CACFUnknown::m_ActiveObjects { 0 };

CACFUnknown::CACFUnknown()
    : m_UnkOuter (&m_UnkPrivate), m_UnkPrivate (*this)
{
    ++m_ActiveObjects;
}

CACFUnknown::~CACFUnknown()
{
    --m_ActiveObjects;
}

ACFRESULT CACFUnknown::InitializeInstance (IACFUnknown*) { return 0; }
void CACFUnknown::FinalRelease() {}
void CACFUnknown::ReclaimMemory() { delete this; }

ACFRESULT CACFUnknown::InternalQueryInterface (const acfIID& iid, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *out = nullptr;

    if (iid != IID_IACFUnknown)
        return ACF_E_NOINTERFACE;

    *out = &m_UnkPrivate;
    m_UnkPrivate.AddRef();
    return 0;
}

uint32_t CACFUnknown::InternalAddRef()
{
    return (uint32_t) ++m_cRef;
}

uint32_t CACFUnknown::InternalRelease()
{
    const auto count = --m_cRef;

    if (count == 0)
    {
        FinalRelease();
        ReclaimMemory();
    }

    return (uint32_t) count;
}

int32_t CACFUnknown::GetActiveObjectCount()
{
    return m_ActiveObjects.load();
}
