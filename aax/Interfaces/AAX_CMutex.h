/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <pthread.h>

#include <atomic>

/** A non-recursive lock that lets its owning thread pass through again: a nested
    Lock by the owner returns false and does not block, and only the outermost
    guard unlocks. Any thread may call Lock and Unlock. */
class AAX_CMutex
{
public:
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    /** True when this call took the lock; false for the owner or a failed mutex. */
    bool Lock();
    /** Releases the lock when the calling thread owns it. */
    void Unlock();

private:
    struct Block
    {
        // The thread holding the lock, 0 when none. Written by that thread while it
        // holds the lock, read by every thread before locking to tell whether it
        // already owns it: only a thread's own store can name that thread, so a
        // stale value never makes another thread look like the owner.
        std::atomic<pthread_t> mOwner { 0 };
        pthread_mutex_t mMutex;
    };

    Block* mBlock = nullptr;
};

/** Holds an AAX_CMutex for a scope, unlocking only what it locked itself. */
class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex& mutexToUse) : mMutex (mutexToUse), mLocked (mMutex.Lock()) {}
    ~AAX_StLock_Guard() { if (mLocked) mMutex.Unlock(); }

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& mMutex;
    bool mLocked;
};
