#include "CCriticalSectionLock.h"

CCriticalSectionLock::CCriticalSectionLock(CCriticalSectionWrapper* pWrapper)
    : m_pWrapper(pWrapper), m_bHeld(false)
{
    Lock();
}

CCriticalSectionLock::~CCriticalSectionLock()
{
    Unlock();
}

void CCriticalSectionLock::Lock()
{
    m_bHeld = m_pWrapper->Lock();
}

void CCriticalSectionLock::Unlock()
{
    if (m_bHeld)
    {
        m_bHeld = false;
        m_pWrapper->Unlock();
    }
}
