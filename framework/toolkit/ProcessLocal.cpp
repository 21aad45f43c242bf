#include "toolkit/ProcessLocal.h"

namespace
{
// The one lock of every holder; set up before any holder can be asked.
CRITICAL_SECTION* GetProcessLocalLock()
{
    static CRITICAL_SECTION* s_pLock = [] {
        CRITICAL_SECTION* pLock = new CRITICAL_SECTION;
        ::InitializeCriticalSection(pLock);
        return pLock;
    }();
    return s_pLock;
}
}

CProcessLocalObject::~CProcessLocalObject()
{
    delete m_pObject;
    m_pObject = nullptr;
}

CNoTrackObject* CProcessLocalObject::GetData(CNoTrackObject* (AFXAPI* pfnCreate)())
{
    if (m_pObject)
        return m_pObject;
    CRITICAL_SECTION* pLock = GetProcessLocalLock();
    ::EnterCriticalSection(pLock);
    if (!m_pObject)
    {
        try
        {
            m_pObject = pfnCreate();
        }
        catch (...)
        {
            ::LeaveCriticalSection(pLock);
            throw;
        }
    }
    ::LeaveCriticalSection(pLock);
    return m_pObject;
}
