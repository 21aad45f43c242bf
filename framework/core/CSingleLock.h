// CSingleLock: holds one synchronisation object for a scope; the lock still
// held when it is destroyed is released.
#pragma once

#include "core/CSyncObject.h"

class CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock() { Unlock(); }

    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();
    BOOL IsLocked() const { return m_bAcquired; }

private:
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    CSyncObject* m_pObject;
    BOOL m_bAcquired;
};
