/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

#include <atomic>

/** The base of the plug-in's component objects: reference counting, interface
    queries, the end of life, and the count of live objects in the module, which
    tells the host when the module may be unloaded. */
class CACFUnknown
{
public:
    CACFUnknown();
    virtual ~CACFUnknown();

    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    /** Called by a host that creates objects through a class factory; 0. */
    virtual ACFRESULT InitializeInstance (IACFUnknown* host);
    /** Called once when the last reference goes, before the object is deleted. */
    virtual void FinalRelease();
    /** Deletes the object. */
    virtual void ReclaimMemory();
    /** Answers IID_IACFUnknown with the inner unknown; anything else is refused. */
    virtual ACFRESULT InternalQueryInterface (const acfIID& iid, void** out);
    /** Adds a reference; returns the new count. */
    virtual uint32_t InternalAddRef();
    /** Drops a reference and ends the object at 0; returns the new count. */
    virtual uint32_t InternalRelease();

    /** The number of component objects alive in the module. */
    static int32_t GetActiveObjectCount();

    /** The unknown that answers the object's public QueryInterface, AddRef and Release. */
    IACFUnknown* GetOuterUnknown() const noexcept { return m_UnkOuter; }

protected:
    /** The object's own unknown, which hands every call to its owner's virtuals. */
    class PrivateUnknown : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown& ownerToUse) noexcept : owner (ownerToUse) {}
        virtual ~PrivateUnknown() = default;

        ACFRESULT QueryInterface (const acfIID& iid, void** out) override { return owner.InternalQueryInterface (iid, out); }
        uint32_t AddRef() override  { return owner.InternalAddRef(); }
        uint32_t Release() override { return owner.InternalRelease(); }

    private:
        CACFUnknown& owner;
    };

private:
    std::atomic<int32_t> m_cRef { 0 };
    IACFUnknown* m_UnkOuter;
    PrivateUnknown m_UnkPrivate;

    static std::atomic<int32_t> m_ActiveObjects;
};

//==============================================================================
/** A component object implementing one host interface: the interface's
    QueryInterface, AddRef and Release go to the object's outer unknown, and the
    object answers the listed interface identifiers with that interface. The host
    interface is the first base, so the object's address is the interface's. */
template <class HostInterface, const acfIID&... interfaceIDs>
class CACFObject : public HostInterface,
                   public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& iid, void** out) override { return GetOuterUnknown()->QueryInterface (iid, out); }
    uint32_t AddRef() override  { return GetOuterUnknown()->AddRef(); }
    uint32_t Release() override { return GetOuterUnknown()->Release(); }

    ACFRESULT InternalQueryInterface (const acfIID& iid, void** out) override
    {
        if (out == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        if (((iid == interfaceIDs) || ...))
        {
            auto* hostInterface = static_cast<HostInterface*> (this);
            *out = hostInterface;
            hostInterface->AddRef();
            return 0;
        }

        return CACFUnknown::InternalQueryInterface (iid, out);
    }
};
