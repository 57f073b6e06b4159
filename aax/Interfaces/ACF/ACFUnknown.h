/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <cstdint>

/*  The component model shared with the host: 16-byte identifiers and
    reference-counted interfaces answering QueryInterface. Interfaces here and in
    every AAX_IACF header are binary contracts with the host, so none of them has
    a virtual destructor: it would shift every slot after it. */

/** The result of a component-model call: 0 for success, negative for failure. */
typedef int32_t ACFRESULT;

/** No such interface: the out pointer is null. */
constexpr ACFRESULT ACF_E_NOINTERFACE = (ACFRESULT) 0x80000004u;
/** A host factory answered with a null object; thrown as a plain integer. */
constexpr ACFRESULT ACF_E_POINTER = (ACFRESULT) 0x80000005u;
/** An exception reached an exported entry point. */
constexpr ACFRESULT ACF_E_UNEXPECTED = (ACFRESULT) 0x8000FFFFu;

/** A 16-byte interface or component identifier. */
struct _acfUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

static_assert (sizeof (_acfUID) == 16, "identifiers are exchanged with the host by value");

typedef _acfUID acfUID;
typedef _acfUID acfIID;
typedef _acfUID acfCLSID;

/** True when all four parts are equal. */
constexpr bool operator== (const _acfUID& a, const _acfUID& b) noexcept
{
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;

    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3;
}

constexpr bool operator!= (const _acfUID& a, const _acfUID& b) noexcept { return ! (a == b); }

//==============================================================================
/** The root of every interface: interface queries and reference counting. */
class IACFUnknown
{
public:
    /** Writes the interface for iid with one reference added, or null and
        ACF_E_NOINTERFACE. */
    virtual ACFRESULT QueryInterface (const acfIID& iid, void** out) = 0;
    /** Adds a reference; returns the new count. */
    virtual uint32_t AddRef() = 0;
    /** Drops a reference; returns the new count, 0 when the object is gone. */
    virtual uint32_t Release() = 0;
};

/** The host's object factory. */
class IACFComponentFactory : public IACFUnknown
{
public:
    /** Makes a host object of a component class and writes its interface iid. */
    virtual ACFRESULT CreateInstance (const acfCLSID& clsid, IACFUnknown* outer,
                                      const acfIID& iid, void** out) = 0;
};

/** Definitions exchanged with the host; the plug-in calls none of their own
    operations, it only passes them on or queries for them. */
class IACFDefinition : public IACFUnknown {};
/** The plug-in's definition, handed to the host at registration. */
class IACFPluginDefinition : public IACFDefinition {};
/** A component definition; this plug-in registers none. */
class IACFComponentDefinition : public IACFDefinition {};
