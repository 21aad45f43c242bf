#include "CCriticalSectionWrapper.h"

CCriticalSectionWrapper::CCriticalSectionWrapper()
{
    // Cannot fail on the systems we run on (it no longer raises on low memory).
    InitializeCriticalSection(&m_cs);
}

CCriticalSectionWrapper::~CCriticalSectionWrapper()
{
    DeleteCriticalSection(&m_cs);
}

bool CCriticalSectionWrapper::Lock()
{
    EnterCriticalSection(&m_cs);
    return true;
}

bool CCriticalSectionWrapper::Unlock()
{
    LeaveCriticalSection(&m_cs);
    return true;
}
