#include "core/CRuntimeClass.h"
#include "core/CObject.h"
#include "core/CException.h"
#include "core/CArchive.h"
#include "core/CString.h"

#include <cstring>

namespace {
// The module's list of serial classes, filled by static initialisers; the
// lock is constant-initialised, so it works before any constructor runs.
CRuntimeClass* g_pFirstClass = nullptr;
SRWLOCK g_classListLock = SRWLOCK_INIT;
}

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    AcquireSRWLockExclusive(&g_classListLock);
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
    ReleaseSRWLockExclusive(&g_classListLock);
}

CRuntimeClass* AFXAPI AfxGetFirstRuntimeClass()
{
    AcquireSRWLockShared(&g_classListLock);
    CRuntimeClass* pClass = g_pFirstClass;
    ReleaseSRWLockShared(&g_classListLock);
    return pClass;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (CException* e)
    {
        e->Delete();
        return nullptr;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
        if (pClass == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    AcquireSRWLockShared(&g_classListLock);
    CRuntimeClass* pClass = g_pFirstClass;
    while (pClass != nullptr && strcmp(pClass->m_lpszClassName, lpszClassName) != 0)
        pClass = pClass->m_pNextClass;
    ReleaseSRWLockShared(&g_classListLock);
    return pClass;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    return FromName(CStringA(lpszClassName).GetString());
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass ? pClass->CreateObject() : nullptr;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass ? pClass->CreateObject() : nullptr;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLength = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLength;
    ar.Write(m_lpszClassName, nLength);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    // Class names longer than this are not ours: the data is damaged.
    const WORD nMaxName = 64;
    WORD wSchema = 0, nLength = 0;
    ar >> wSchema >> nLength;
    char szClassName[nMaxName];
    if (nLength >= nMaxName || ar.Read(szClassName, nLength) != nLength)
        return nullptr;
    szClassName[nLength] = 0;
    if (pwSchemaNum != nullptr)
        *pwSchemaNum = wSchema;
    return FromName(szClassName);
}
