// Holds a critical section for the guard's lifetime.
#pragma once
#include "core/Core.h"

class CZMRLockGuard
{
public:
    explicit CZMRLockGuard(CRITICAL_SECTION* pcs) : m_pcs(pcs) { ::EnterCriticalSection(m_pcs); }
    ~CZMRLockGuard() { ::LeaveCriticalSection(m_pcs); }
    CZMRLockGuard(const CZMRLockGuard&) = delete;
    CZMRLockGuard& operator=(const CZMRLockGuard&) = delete;

private:
    CRITICAL_SECTION* m_pcs;
};
