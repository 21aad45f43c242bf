// Holds a CCriticalSectionWrapper for the lifetime of the guard.
#pragma once

#include "CCriticalSectionWrapper.h"

class CCriticalSectionLock
{
public:
    explicit CCriticalSectionLock(CCriticalSectionWrapper* pWrapper);
    ~CCriticalSectionLock();
    CCriticalSectionLock(const CCriticalSectionLock&) = delete;
    CCriticalSectionLock& operator=(const CCriticalSectionLock&) = delete;

    void Lock();
    void Unlock();

private:
    CCriticalSectionWrapper* m_pWrapper;
    bool m_bHeld;
};
