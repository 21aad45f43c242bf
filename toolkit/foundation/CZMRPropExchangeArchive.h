// Property exchange over the framework's binary archive: names and defaults
// are ignored and the values follow each other in call order, so loading
// must make the same calls as storing.
#pragma once

#include "CZMRPropExchange.h"

// Marks data that carries its schema number.
const DWORD ZMR_PX_SCHEMA_MARKER = 0x0FF0ADBF;

class CZMRPropExchangeArchive : public CZMRPropExchange
{
    DECLARE_DYNAMIC(CZMRPropExchangeArchive)
public:
    explicit CZMRPropExchangeArchive(CArchive& ar);

    BOOL ExchangeTypedValue(LPCTSTR pszPropName, int nType, void* pValue, const void* pDefault) override;
    BOOL ExchangeByteBuffer(LPCTSTR pszPropName, BYTE** ppBuffer, DWORD* pcbBuffer) override;
    BOOL ExchangeClassByName(LPCTSTR pszPropName, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass) override;
    BOOL ExchangeCreatedObject(CObject** ppObject, CRuntimeClass* pBaseClass) override;
    CArchive* GetArchive(LPCTSTR pszPropName) override;
    void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive) override;
    CZMRPropExchange* GetSection(LPCTSTR pszSection) override;
    void WriteCount(DWORD nCount) override;
    DWORD ReadCount() override;
    BOOL ExchangeByteBufferChecked(LPCTSTR pszPropName, void* pBuffer, DWORD cbBuffer) override;
    DWORD ExchangeByteBufferCounted(LPCTSTR pszPropName, void* pBuffer, DWORD cbBuffer) override;
    BOOL IsNamedStore() override;
    BOOL IsArchiveStore() override;
    void ExchangeSchema() override;

    CArchive& GetArchive() { return m_ar; }

    // Reads up to nCount bytes into a new malloc buffer that grows as the
    // data arrives, so that a damaged count meets the end of the data
    // before it can claim the memory; *pnRead tells how many came.
    static LPBYTE ReadNewBuffer(CArchive& ar, DWORD nCount, DWORD* pnRead);
    // Reads and drops nCount bytes (fewer at the end of the data).
    static void SkipBytes(CArchive& ar, DWORD_PTR nCount);
    // A compact count that must fit 32 bits; larger ones are damaged data.
    static DWORD ReadCount32(CArchive& ar);

protected:
    CArchive& m_ar;
};
