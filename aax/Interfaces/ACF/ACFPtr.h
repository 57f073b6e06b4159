/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "ACFUnknown.h"

#include <utility>

/** Holds one reference on a host interface and drops it when it goes, so that a
    constructor that throws half-way gives back everything it took. */
template <class Interface>
class ACFPtr
{
public:
    ACFPtr() noexcept = default;
    /** Takes over a reference the caller already holds. */
    explicit ACFPtr (Interface* interfaceToAdopt) noexcept : object (interfaceToAdopt) {}
    ACFPtr (ACFPtr&& other) noexcept : object (std::exchange (other.object, nullptr)) {}
    ACFPtr& operator= (ACFPtr&& other) noexcept { reset (std::exchange (other.object, nullptr)); return *this; }
    ACFPtr (const ACFPtr&) = delete;
    ACFPtr& operator= (const ACFPtr&) = delete;
    ~ACFPtr() { reset(); }

    Interface* get() const noexcept             { return object; }
    Interface* operator->() const noexcept      { return object; }
    explicit operator bool() const noexcept     { return object != nullptr; }

    /** Drops the held reference and takes over another one. */
    void reset (Interface* newObject = nullptr) noexcept
    {
        if (auto* old = std::exchange (object, newObject))
            old->Release();
    }

    /** Empties the holder and gives its slot to a call that writes an interface. */
    Interface** out() noexcept
    {
        reset();
        return &object;
    }

    /** The same slot, for calls that write an untyped interface pointer. */
    void** put() noexcept { return reinterpret_cast<void**> (out()); }

private:
    Interface* object = nullptr;
};

/** Takes a reference of one's own on an object (which may be null). */
template <class Interface>
ACFPtr<Interface> ACFRetain (Interface* object)
{
    if (object != nullptr)
        object->AddRef();

    return ACFPtr<Interface> (object);
}

/** Asks source for an interface; empty when source is null or refuses. */
template <class Interface>
ACFPtr<Interface> ACFQuery (IACFUnknown* source, const acfIID& iid)
{
    ACFPtr<Interface> result;

    if (source != nullptr)
    {
        void* answer = nullptr;

        if (source->QueryInterface (iid, &answer) >= 0)
            result.reset (static_cast<Interface*> (answer));
    }

    return result;
}

/** The host's component factory: empty when the host has none; a host that claims
    one but hands back null throws the integer ACF_E_POINTER. */
ACFPtr<IACFComponentFactory> ACFFactoryOf (IACFUnknown* host);

/** Makes a host object through a factory; empty when the factory is null or fails. */
template <class Interface>
ACFPtr<Interface> ACFCreate (IACFComponentFactory* factory, const acfCLSID& clsid, const acfIID& iid)
{
    ACFPtr<Interface> result;

    if (factory != nullptr && factory->CreateInstance (clsid, nullptr, iid, result.put()) < 0)
        result.reset();

    return result;
}

/** Makes a host object through the host object's own factory. */
template <class Interface>
ACFPtr<Interface> ACFCreateFromHost (IACFUnknown* host, const acfCLSID& clsid, const acfIID& iid)
{
    return ACFCreate<Interface> (ACFFactoryOf (host).get(), clsid, iid);
}
