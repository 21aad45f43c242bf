#include "CZMRPropExchangeArchive.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CZMRPropExchangeArchive, CZMRPropExchange)

namespace
{
// Buffers read from an archive grow by this much at a time.
const DWORD nReadChunk = 0x10000;

// Fixed-size records are read whole or not at all.
void ReadExactly(CArchive& ar, void* pValue, UINT nSize)
{
    BYTE buffer[16];
    if (ar.Read(buffer, nSize) != nSize)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    memcpy(pValue, buffer, nSize);
}
} // namespace

CZMRPropExchangeArchive::CZMRPropExchangeArchive(CArchive& ar) : m_ar(ar)
{
    m_bLoading = ar.IsLoading();
}

LPBYTE CZMRPropExchangeArchive::ReadNewBuffer(CArchive& ar, DWORD nCount, DWORD* pnRead)
{
    *pnRead = 0;
    LPBYTE pBuffer = nullptr;
    DWORD nDone = 0;
    while (nDone < nCount)
    {
        const DWORD nChunk = nCount - nDone < nReadChunk ? nCount - nDone : nReadChunk;
        LPBYTE pGrown = static_cast<LPBYTE>(realloc(pBuffer, static_cast<size_t>(nDone) + nChunk));
        if (!pGrown)
        {
            free(pBuffer);
            AfxThrowMemoryException();
        }
        pBuffer = pGrown;
        const UINT nRead = ar.Read(pBuffer + nDone, nChunk);
        nDone += nRead;
        if (nRead < nChunk)
            break;
    }
    *pnRead = nDone;
    return pBuffer;
}

void CZMRPropExchangeArchive::SkipBytes(CArchive& ar, DWORD_PTR nCount)
{
    BYTE buffer[4096];
    while (nCount > 0)
    {
        const UINT nChunk = nCount < sizeof(buffer) ? static_cast<UINT>(nCount) : static_cast<UINT>(sizeof(buffer));
        const UINT nRead = ar.Read(buffer, nChunk);
        nCount -= nRead;
        if (nRead < nChunk)
            break;
    }
}

DWORD CZMRPropExchangeArchive::ReadCount32(CArchive& ar)
{
    const DWORD_PTR nCount = ar.ReadCount();
    if (nCount > 0xFFFFFFFF)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    return static_cast<DWORD>(nCount);
}

BOOL CZMRPropExchangeArchive::ExchangeTypedValue(LPCTSTR, int nType, void* pValue, const void*)
{
    if (!StartExchange() || !pValue)
        return FALSE;
    if (m_ar.IsStoring())
    {
        switch (nType)
        {
        case ZMR_PX_SHORT: m_ar << *static_cast<short*>(pValue); break;
        case ZMR_PX_INT: m_ar << static_cast<LONG>(*static_cast<int*>(pValue)); break;
        case ZMR_PX_FLOAT: m_ar << *static_cast<float*>(pValue); break;
        case ZMR_PX_DOUBLE: m_ar << *static_cast<double*>(pValue); break;
        case ZMR_PX_CURRENCY: m_ar << *static_cast<CY*>(pValue); break;
        case ZMR_PX_DATE: m_ar << *static_cast<COleDateTime*>(pValue); break;
        case ZMR_PX_BOOL: m_ar << static_cast<LONG>(*static_cast<BOOL*>(pValue)); break;
        case ZMR_PX_VARIANT: m_ar << *static_cast<COleVariant*>(pValue); break;
        case ZMR_PX_BYTE: m_ar << *static_cast<BYTE*>(pValue); break;
        case ZMR_PX_STRING: m_ar << *static_cast<CString*>(pValue); break;
        case ZMR_PX_RECT: m_ar.Write(static_cast<RECT*>(pValue), sizeof(RECT)); break;
        case ZMR_PX_SIZE: m_ar.Write(static_cast<SIZE*>(pValue), sizeof(SIZE)); break;
        default: break;
        }
        return TRUE;
    }

    switch (nType)
    {
    case ZMR_PX_SHORT: m_ar >> *static_cast<short*>(pValue); break;
    case ZMR_PX_INT: m_ar >> *static_cast<int*>(pValue); break;
    case ZMR_PX_FLOAT: m_ar >> *static_cast<float*>(pValue); break;
    case ZMR_PX_DOUBLE: m_ar >> *static_cast<double*>(pValue); break;
    case ZMR_PX_CURRENCY: m_ar >> *static_cast<CY*>(pValue); break;
    case ZMR_PX_DATE: m_ar >> *static_cast<COleDateTime*>(pValue); break;
    case ZMR_PX_BOOL:
    {
        LONG n;
        m_ar >> n;
        *static_cast<BOOL*>(pValue) = n;
        break;
    }
    case ZMR_PX_VARIANT: m_ar >> *static_cast<COleVariant*>(pValue); break;
    case ZMR_PX_BYTE: m_ar >> *static_cast<BYTE*>(pValue); break;
    case ZMR_PX_STRING: m_ar >> *static_cast<CString*>(pValue); break;
    case ZMR_PX_RECT: ReadExactly(m_ar, static_cast<RECT*>(pValue), sizeof(RECT)); break;
    case ZMR_PX_SIZE: ReadExactly(m_ar, static_cast<SIZE*>(pValue), sizeof(SIZE)); break;
    default: break;
    }
    return TRUE;
}

BOOL CZMRPropExchangeArchive::ExchangeByteBuffer(LPCTSTR, BYTE** ppBuffer, DWORD* pcbBuffer)
{
    if (!StartExchange())
        return FALSE;
    if (m_ar.IsStoring())
    {
        const DWORD cb = *ppBuffer ? *pcbBuffer : 0;
        m_ar.WriteCount(cb);
        if (cb)
            m_ar.Write(*ppBuffer, cb);
        return TRUE;
    }

    const DWORD cb = ReadCount32(m_ar);
    if (!*ppBuffer)
    {
        DWORD nRead = 0;
        LPBYTE pBuffer = ReadNewBuffer(m_ar, cb, &nRead);
        if (nRead < cb)
        {
            free(pBuffer);
            return FALSE;
        }
        *ppBuffer = pBuffer;
        *pcbBuffer = cb;
        return TRUE;
    }
    if (*pcbBuffer < cb)
    {
        // The bytes are passed over, so the values after them stay in step.
        SkipBytes(m_ar, cb);
        return FALSE;
    }
    const UINT nRead = m_ar.Read(*ppBuffer, cb);
    *pcbBuffer = cb;
    return nRead == cb;
}

BOOL CZMRPropExchangeArchive::ExchangeClassByName(LPCTSTR, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass)
{
    if (!StartExchange())
        return FALSE;
    if (m_ar.IsStoring())
    {
        CRuntimeClass* pClass = *ppClass ? *ppClass : pDefaultClass;
        if (!pClass)
            return FALSE;
        m_ar.WriteClass(pClass);
        return TRUE;
    }
    UINT nSchema = 0;
    try
    {
        *ppClass = m_ar.ReadClass(pDefaultClass, &nSchema);
    }
    catch (CArchiveException* e)
    {
        // A class this program does not know, or one of another base, is an
        // answer for the caller, who skips the object; a damaged stream is not.
        if (e->m_cause != CArchiveException::badClass && e->m_cause != CArchiveException::badSchema)
            throw;
        e->Delete();
        *ppClass = nullptr;
        return FALSE;
    }
    m_nSchema = static_cast<int>(nSchema);
    return *ppClass != nullptr;
}

BOOL CZMRPropExchangeArchive::ExchangeCreatedObject(CObject** ppObject, CRuntimeClass* pBaseClass)
{
    if (!CZMRPropExchange::ExchangeCreatedObject(ppObject, pBaseClass))
        return FALSE;
    // Numbered as the framework's own object serialisation numbers objects,
    // so later object references in the same archive agree.
    m_ar.MapObject(*ppObject);
    return TRUE;
}

CArchive* CZMRPropExchangeArchive::GetArchive(LPCTSTR)
{
    return &m_ar;
}

void CZMRPropExchangeArchive::ReleaseArchive(LPCTSTR, CArchive*)
{
}

CZMRPropExchange* CZMRPropExchangeArchive::GetSection(LPCTSTR)
{
    CZMRPropExchangeArchive* pSection = new CZMRPropExchangeArchive(m_ar);
    pSection->m_bLoading = m_bLoading;
    pSection->m_nSchema = m_nSchema;
    pSection->m_pOwnerContext = m_pOwnerContext;
    pSection->m_bSectionOption = m_bSectionOption;
    return pSection;
}

void CZMRPropExchangeArchive::WriteCount(DWORD nCount)
{
    if (StartExchange())
        m_ar.WriteCount(nCount);
}

DWORD CZMRPropExchangeArchive::ReadCount()
{
    return StartExchange() ? ReadCount32(m_ar) : 0;
}

BOOL CZMRPropExchangeArchive::ExchangeByteBufferChecked(LPCTSTR, void* pBuffer, DWORD cbBuffer)
{
    if (!StartExchange() || !pBuffer)
        return FALSE;
    if (m_ar.IsStoring())
    {
        m_ar.Write(pBuffer, cbBuffer);
        return TRUE;
    }
    return m_ar.Read(pBuffer, cbBuffer) == cbBuffer;
}

DWORD CZMRPropExchangeArchive::ExchangeByteBufferCounted(LPCTSTR, void* pBuffer, DWORD cbBuffer)
{
    if (!StartExchange() || !pBuffer)
        return 0;
    if (m_ar.IsStoring())
    {
        m_ar.Write(pBuffer, cbBuffer);
        return cbBuffer;
    }
    return m_ar.Read(pBuffer, cbBuffer);
}

BOOL CZMRPropExchangeArchive::IsNamedStore()
{
    return FALSE;
}

BOOL CZMRPropExchangeArchive::IsArchiveStore()
{
    return TRUE;
}

void CZMRPropExchangeArchive::ExchangeSchema()
{
    if (!StartExchange())
        return;
    if (m_ar.IsStoring())
    {
        m_ar << ZMR_PX_SCHEMA_MARKER << static_cast<LONG>(m_nSchema);
        return;
    }

    // Look at the next 32 bits without taking them: data written before the
    // mark existed starts with its first value instead.
    const UINT nBuffered = static_cast<UINT>(m_ar.m_lpBufMax - m_ar.m_lpBufCur);
    if (nBuffered < sizeof(DWORD))
    {
        try
        {
            m_ar.FillBuffer(sizeof(DWORD) - nBuffered);
        }
        catch (CArchiveException* e)
        {
            // Fewer than four bytes left cannot hold the mark; they stay unread.
            if (e->m_cause != CArchiveException::endOfFile)
                throw;
            e->Delete();
        }
    }
    DWORD dwMarker = 0;
    if (m_ar.m_lpBufMax - m_ar.m_lpBufCur >= static_cast<ptrdiff_t>(sizeof(DWORD)))
        memcpy(&dwMarker, m_ar.m_lpBufCur, sizeof(DWORD));
    if (dwMarker != ZMR_PX_SCHEMA_MARKER)
    {
        m_nSchema = ZMR_PX_SCHEMA_UNMARKED;
        return;
    }
    LONG nSchema;
    m_ar >> dwMarker >> nSchema;
    m_nSchema = nSchema;
}
