#include "core/CSyncObject.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)

CSyncObject::CSyncObject(LPCTSTR) : m_hObject(nullptr)
{
}

CSyncObject::~CSyncObject()
{
    if (m_hObject != nullptr)
        CloseHandle(m_hObject);
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    DWORD dwResult = WaitForSingleObject(m_hObject, dwTimeout);
    return dwResult == WAIT_OBJECT_0 || dwResult == WAIT_ABANDONED;
}
