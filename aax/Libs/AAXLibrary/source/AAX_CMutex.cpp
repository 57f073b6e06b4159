/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CMutex.h"

AAX_CMutex::AAX_CMutex()
{
    auto* block = new Block();

    if (pthread_mutex_init (&block->mMutex, nullptr) == 0)
        mBlock = block;
    else
        delete block;
}

AAX_CMutex::~AAX_CMutex()
{
    if (mBlock != nullptr)
    {
        pthread_mutex_destroy (&mBlock->mMutex);
        delete mBlock;
    }
}

bool AAX_CMutex::Lock()
{
    if (mBlock == nullptr || pthread_equal (mBlock->mOwner.load (std::memory_order_relaxed), pthread_self()))
        return false;

    pthread_mutex_lock (&mBlock->mMutex);
    mBlock->mOwner.store (pthread_self(), std::memory_order_relaxed);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (mBlock == nullptr || ! pthread_equal (mBlock->mOwner.load (std::memory_order_relaxed), pthread_self()))
        return;

    mBlock->mOwner.store (0, std::memory_order_relaxed);
    pthread_mutex_unlock (&mBlock->mMutex);
}
