#include "CZMRPropExchange.h"
#include "CZMRNarrowString.h"
#include "CZMRPropExchangeEnumerator.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CZMRPropExchange, CCmdTarget)

CZMRPropExchange::CZMRPropExchange()
    : m_pOwnerContext(nullptr), m_pSectionOwner(nullptr), m_bLoading(FALSE), m_nSchema(ZMR_PX_SCHEMA_CURRENT),
      m_bSectionOption(FALSE), m_bStarted(FALSE)
{
}

BOOL CZMRPropExchange::ExchangeByteBuffer(LPCTSTR pszPropName, BYTE** ppBuffer, DWORD* pcbBuffer)
{
    // As text: per byte the letter 'A' plus its low nibble, then 'A' plus its high nibble.
    if (!m_bLoading)
    {
        CString strText;
        const DWORD cb = *ppBuffer ? *pcbBuffer : 0;
        LPTSTR pszText = strText.GetBuffer(static_cast<int>(cb * 2));
        for (DWORD i = 0; i < cb; i++)
        {
            pszText[i * 2] = static_cast<TCHAR>('A' + ((*ppBuffer)[i] & 0x0F));
            pszText[i * 2 + 1] = static_cast<TCHAR>('A' + ((*ppBuffer)[i] >> 4));
        }
        strText.ReleaseBuffer(static_cast<int>(cb * 2));
        return ExchangeTypedValue(pszPropName, ZMR_PX_STRING, &strText, L"");
    }

    CString strText;
    if (!ExchangeTypedValue(pszPropName, ZMR_PX_STRING, &strText, nullptr))
        return FALSE;
    const int nLength = strText.GetLength();
    if (nLength < 0 || nLength % 2 != 0)
        return FALSE;
    if (nLength == 0)
        return TRUE;
    const DWORD cb = static_cast<DWORD>(nLength / 2);
    BYTE* pBuffer = *ppBuffer;
    if (pBuffer)
    {
        if (*pcbBuffer < cb)
            return FALSE;
    }
    else
    {
        pBuffer = static_cast<BYTE*>(malloc(cb));
        if (!pBuffer)
            return FALSE;
    }
    LPCTSTR pszText = strText;
    for (DWORD i = 0; i < cb; i++)
        pBuffer[i] = static_cast<BYTE>((pszText[i * 2] - 'A') + 16 * (pszText[i * 2 + 1] - 'A'));
    *ppBuffer = pBuffer;
    *pcbBuffer = cb;
    return TRUE;
}

BOOL CZMRPropExchange::ExchangeClassByName(LPCTSTR pszPropName, CRuntimeClass** ppClass,
                                           CRuntimeClass* pDefaultClass)
{
    if (!m_bLoading)
    {
        CRuntimeClass* pClass = *ppClass ? *ppClass : pDefaultClass;
        CString strName(pClass ? pClass->m_lpszClassName : "");
        CString strDefault(pDefaultClass ? pDefaultClass->m_lpszClassName : "");
        return ExchangeTypedValue(pszPropName, ZMR_PX_STRING, &strName, static_cast<LPCTSTR>(strDefault));
    }

    CString strName;
    if (!ExchangeTypedValue(pszPropName, ZMR_PX_STRING, &strName, nullptr))
    {
        *ppClass = pDefaultClass;
        return TRUE;
    }
    CZMRNarrowString name(strName);
    *ppClass = FindRuntimeClassByName(name);
    return *ppClass != nullptr;
}

BOOL CZMRPropExchange::ExchangeCreatedObject(CObject** ppObject, CRuntimeClass* pBaseClass)
{
    if (!m_bLoading)
    {
        if (!*ppObject)
            return FALSE;
        CRuntimeClass* pClass = (*ppObject)->GetRuntimeClass();
        return ExchangeClassByName(L"Class", &pClass, pBaseClass);
    }

    *ppObject = nullptr;
    CRuntimeClass* pClass = nullptr;
    if (!ExchangeClassByName(L"Class", &pClass, pBaseClass) || !pClass)
        return FALSE;
    CObject* pObject = pClass->CreateObject();
    if (!pObject)
        return FALSE;
    if (pBaseClass && !pObject->IsKindOf(pBaseClass))
    {
        delete pObject;
        return FALSE;
    }
    *ppObject = pObject;
    return TRUE;
}

CArchive* CZMRPropExchange::GetArchive(LPCTSTR pszPropName)
{
    if (!m_bLoading)
    {
        CMemFile* pFile = new CMemFile(1024);
        return new CArchive(pFile, CArchive::store, 4096);
    }

    BYTE* pBuffer = nullptr;
    DWORD cbBuffer = 0;
    if (!ExchangeByteBuffer(pszPropName, &pBuffer, &cbBuffer) || !pBuffer || cbBuffer == 0)
    {
        free(pBuffer);
        return nullptr;
    }
    CMemFile* pFile = new CMemFile(pBuffer, cbBuffer);
    return new CArchive(pFile, CArchive::load, 4096);
}

void CZMRPropExchange::ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive)
{
    if (!pArchive)
        return;
    CFile* pFile = pArchive->GetFile();
    if (!pFile || !pFile->IsKindOf(RUNTIME_CLASS(CMemFile)))
        return;
    CMemFile* pMemFile = static_cast<CMemFile*>(pFile);

    BYTE* pBytes = nullptr;
    if (!m_bLoading)
    {
        pArchive->Flush();
        DWORD cbBytes = static_cast<DWORD>(pMemFile->GetLength());
        pBytes = pMemFile->Detach();
        try
        {
            ExchangeByteBuffer(pszPropName, &pBytes, &cbBytes);
        }
        catch (...)
        {
            pArchive->Abort();
            delete pMemFile;
            free(pBytes);
            delete pArchive;
            throw;
        }
    }
    else
    {
        pBytes = pMemFile->Detach();
    }
    pArchive->Abort();
    pMemFile->Close();
    delete pMemFile;
    free(pBytes);
    delete pArchive;
}

void CZMRPropExchange::SetSectionOption()
{
    m_bSectionOption = TRUE;
}

void CZMRPropExchange::WriteCount(DWORD nCount)
{
    int n = static_cast<int>(nCount);
    PropExchangeInt(this, L"Count", &n, 0);
}

DWORD CZMRPropExchange::ReadCount()
{
    int n = 0;
    PropExchangeInt(this, L"Count", &n, 0);
    return static_cast<DWORD>(n);
}

BOOL CZMRPropExchange::ExchangeByteBufferChecked(LPCTSTR pszPropName, void* pBuffer, DWORD cbBuffer)
{
    if (!pBuffer)
        return FALSE;
    BYTE* p = static_cast<BYTE*>(pBuffer);
    return ExchangeByteBuffer(pszPropName, &p, &cbBuffer);
}

DWORD CZMRPropExchange::ExchangeByteBufferCounted(LPCTSTR pszPropName, void* pBuffer, DWORD cbBuffer)
{
    if (!pBuffer)
        return 0;
    BYTE* p = static_cast<BYTE*>(pBuffer);
    return ExchangeByteBuffer(pszPropName, &p, &cbBuffer) ? cbBuffer : 0;
}

BOOL CZMRPropExchange::IsNamedStore()
{
    return TRUE;
}

BOOL CZMRPropExchange::IsArchiveStore()
{
    return FALSE;
}

BOOL CZMRPropExchange::StartExchange()
{
    m_bStarted = TRUE;
    return TRUE;
}

CZMRPropExchangeEnumerator* CZMRPropExchange::GetEnumerator(LPCTSTR pszSection)
{
    return new CZMRPropExchangeEnumerator(this, pszSection);
}

void CZMRPropExchange::ExchangeSchema()
{
    PropExchangeInt(this, L"Schema", &m_nSchema, 32);
}

// ---------------------------------------------------------------- typed calls

BOOL PropExchangeInt(CZMRPropExchange* pPX, LPCTSTR pszPropName, int* pnValue, int nDefault)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_INT, pnValue, &nDefault) : FALSE;
}

BOOL PropExchangeIntNoDefault(CZMRPropExchange* pPX, LPCTSTR pszPropName, int* pnValue)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_INT, pnValue, nullptr) : FALSE;
}

BOOL PropExchangeBool(CZMRPropExchange* pPX, LPCTSTR pszPropName, BOOL* pbValue, BOOL bDefault)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_BOOL, pbValue, &bDefault) : FALSE;
}

BOOL PropExchangeString(CZMRPropExchange* pPX, LPCTSTR pszPropName, CString* pstrValue, LPCTSTR pszDefault)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_STRING, pstrValue, pszDefault) : FALSE;
}

BOOL PropExchangeStringNoDefault(CZMRPropExchange* pPX, LPCTSTR pszPropName, CString* pstrValue)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_STRING, pstrValue, nullptr) : FALSE;
}

BOOL PropExchangeSize(CZMRPropExchange* pPX, LPCTSTR pszPropName, CSize* pszValue, CSize szDefault)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_SIZE, pszValue, &szDefault) : FALSE;
}

BOOL PropExchangeRect(CZMRPropExchange* pPX, LPCTSTR pszPropName, CRect* prcValue, CRect rcDefault)
{
    return pPX ? pPX->ExchangeTypedValue(pszPropName, ZMR_PX_RECT, prcValue, &rcDefault) : FALSE;
}

BOOL PropExchangeClass(CZMRPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass** ppClass,
                       CRuntimeClass* pDefaultClass)
{
    return pPX ? pPX->ExchangeClassByName(pszPropName, ppClass, pDefaultClass) : FALSE;
}

BOOL PropExchangeBlob(CZMRPropExchange* pPX, LPCTSTR pszPropName, BYTE** ppBuffer, DWORD* pcbBuffer)
{
    return pPX ? pPX->ExchangeByteBuffer(pszPropName, ppBuffer, pcbBuffer) : FALSE;
}

BOOL PropExchangeSerialize(CZMRPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject)
{
    if (!pPX || !pObject)
        return FALSE;
    CArchive* pArchive = pPX->GetArchive(pszPropName);
    if (!pArchive)
        return FALSE;
    BOOL bResult = TRUE;
    try
    {
        pObject->Serialize(*pArchive);
    }
    catch (CException* e)
    {
        if (!e->IsKindOf(RUNTIME_CLASS(CArchiveException)) && !e->IsKindOf(RUNTIME_CLASS(COleException)))
        {
            pPX->ReleaseArchive(pszPropName, pArchive);
            throw;
        }
        e->Delete();
        bResult = FALSE;
    }
    pPX->ReleaseArchive(pszPropName, pArchive);
    return bResult;
}

CRuntimeClass* FindRuntimeClassByName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    for (CRuntimeClass* pClass = AfxGetFirstRuntimeClass(); pClass; pClass = pClass->m_pNextClass)
    {
        if (lstrcmpA(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}
