/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_CMutex.h"
#include "AAX_Errors.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IController;
class AAX_IEffectParameters;

/** Data posted to one field of the algorithm's context. */
class AAX_CPacket
{
public:
    /** An owned byte buffer that keeps exactly the size last asked for. */
    class SPacketData
    {
    public:
        SPacketData() : mData (8, 0) {}
        /** Resizes to size bytes (new ones zero); a request for 0 bytes throws. */
        void* Get (size_t size);
        const void* Get() const noexcept { return mData.data(); }

    private:
        std::vector<uint8_t> mData;
    };

    explicit AAX_CPacket (AAX_CFieldIndex field) : mID (field) {}

    AAX_CFieldIndex GetID() const noexcept { return mID; }
    bool IsDirty() const noexcept { return mDirty; }
    void SetDirty (bool dirty) noexcept { mDirty = dirty; }
    size_t GetSize() const noexcept { return mDataSize; }
    /** Sizes the data for a value of type T and returns where to store it. */
    template <typename T>
    T* GetPtr()
    {
        mDataSize = sizeof (T);
        return static_cast<T*> (mPacketData.Get (sizeof (T)));
    }
    const void* GetData() const noexcept { return mPacketData.Get(); }

private:
    AAX_CFieldIndex mID;
    bool mDirty = true;
    size_t mDataSize = 0;
    SPacketData mPacketData;
};

/** Fills a packet for a parameter. */
class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;
    virtual AAX_IPacketHandler* Clone() const = 0;
    virtual AAX_Result Call (AAX_CParamID id, AAX_CPacket& packet) const = 0;
};

/** A packet handler calling a member function of a dispatcher-like object. */
template <class Owner>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    typedef AAX_Result (Owner::*OneArgHandler) (AAX_CPacket&);
    typedef AAX_Result (Owner::*TwoArgHandler) (AAX_CParamID, AAX_CPacket&);

    AAX_CPacketHandler (Owner* owner, OneArgHandler handler) : mOwner (owner), mOneArg (handler) {}
    AAX_CPacketHandler (Owner* owner, TwoArgHandler handler) : mOwner (owner), mTwoArg (handler) {}

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler (*this); }

    /** The two-argument handler if set, else the one-argument one, else -20004. */
    AAX_Result Call (AAX_CParamID id, AAX_CPacket& packet) const override
    {
        if (mTwoArg != nullptr) return (mOwner->*mTwoArg) (id, packet);
        if (mOneArg != nullptr) return (mOwner->*mOneArg) (packet);
        return AAX_ERROR_NULL_OBJECT;
    }

private:
    Owner* mOwner;
    OneArgHandler mOneArg = nullptr;
    TwoArgHandler mTwoArg = nullptr;
};

/** Ties parameters to fields of the algorithm: marks their packets dirty when the
    parameters change and posts the dirty ones through the controller when the host
    asks for coefficients. */
class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher() = default;
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    /** Where packets are posted and parameters looked up; null to detach. */
    void Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters);

    /** Ties a parameter to a field with a copy of handler; 0. */
    AAX_Result RegisterPacket (AAX_CParamID id, AAX_CFieldIndex field, const AAX_IPacketHandler* handler);
    /** Ties a parameter to a field with the single-value handler. */
    AAX_Result RegisterPacket (AAX_CParamID id, AAX_CFieldIndex field);
    /** Marks every packet of a parameter; 0. */
    AAX_Result SetDirty (AAX_CParamID id, bool dirty);
    /** Fills and posts each dirty packet once. A packet whose post fails stays dirty
        for the next call; the first failure is returned. */
    AAX_Result Dispatch();

    /** The default handler: the parameter's value in 4 bytes (8 for a double). A
        two-state parameter is written as exactly +0.0 or 1.0 by the 0.5 rule, so that
        a reader of the bits as an integer sees 0 for off. */
    AAX_Result GenerateSingleValuePacket (AAX_CParamID id, AAX_CPacket& packet);

private:
    struct Registration
    {
        AAX_CPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };

    AAX_CMutex mLockGuard; // first, so that it outlives the tables it guards
    std::map<AAX_CFieldIndex, std::unique_ptr<AAX_CPacket>> mPacketsByField;
    std::multimap<std::string, Registration> mRegistrations;
    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
};
