// CCriticalSection: a lock for the threads of one process.
#pragma once

#include "core/CSyncObject.h"

class CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
    CCriticalSection();
    ~CCriticalSection() override;

    // Waits as long as it takes; the time-out is not used.
    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;
    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};
