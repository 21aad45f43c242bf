// A critical section owned by its object: created with it, deleted with it.
#pragma once

#include <windows.h>

class CCriticalSectionWrapper
{
public:
    CCriticalSectionWrapper();
    ~CCriticalSectionWrapper();
    CCriticalSectionWrapper(const CCriticalSectionWrapper&) = delete;
    CCriticalSectionWrapper& operator=(const CCriticalSectionWrapper&) = delete;

    bool Lock();
    bool Unlock();

private:
    CRITICAL_SECTION m_cs;
};
