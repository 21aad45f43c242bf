// CSyncObject: the base of the framework's synchronisation objects, locked
// and unlocked directly or through CSingleLock.
#pragma once

#include "core/CObject.h"

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    explicit CSyncObject(LPCTSTR pstrName);
    ~CSyncObject() override;

    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject;
};
