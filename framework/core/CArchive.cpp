#include "core/CArchive.h"
#include "core/CFile.h"
#include "core/CPtrArray.h"
#include "core/CMapPtrToPtr.h"

#include <climits>
#include <cstdlib>

namespace {

// Tags of the object stream.
const WORD wNullTag = 0;             // a null object pointer
const WORD wNewClassTag = 0xFFFF;    // a class reference follows in full
const WORD wClassTag = 0x8000;       // with the index of a class seen before
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;   // a 32-bit tag follows
const UINT nMaxMapCount = 0x3FFFFFFE;

// Strings longer than this are read in pieces, so that a damaged length
// meets the end of the data before it can claim a huge buffer.
const UINT nStringChunk = 0x10000;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_lpBufCur(nullptr), m_lpBufMax(nullptr), m_lpBufStart(nullptr),
      m_nObjectSchema((UINT)-1), m_pLoadArray(nullptr), m_pStoreMap(nullptr), m_pSchemaMap(nullptr),
      m_nMapCount(0), m_nGrowSize(1024), m_nHashSize(2053),
      m_nMode(nMode), m_bUserBuf(lpBuf != nullptr), m_nBufSize(nBufSize), m_pFile(pFile)
{
    if (pFile == nullptr)
        AfxThrowInvalidArgException();
    if (m_nBufSize < 128)
        m_nBufSize = 128;
    m_strFileName = pFile->GetFilePath();
    if (lpBuf == nullptr)
    {
        lpBuf = malloc((size_t)m_nBufSize);
        if (lpBuf == nullptr)
            AfxThrowMemoryException();
    }
    m_lpBufStart = static_cast<BYTE*>(lpBuf);
    m_lpBufCur = m_lpBufStart;
    // Storing: the whole buffer is free. Loading: nothing has been read yet.
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive()
{
    try
    {
        if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete))
            Close();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    Abort();
}

void CArchive::Abort()
{
    delete m_pLoadArray;
    m_pLoadArray = nullptr;
    delete m_pStoreMap;
    m_pStoreMap = nullptr;
    delete m_pSchemaMap;
    m_pSchemaMap = nullptr;
    if (!m_bUserBuf)
        free(m_lpBufStart);
    m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;
    m_bUserBuf = TRUE;   // nothing left to free
    m_pFile = nullptr;
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

UINT CArchive::GetObjectSchema()
{
    // Answered once per object: a second call finds the schema used up.
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsLoading())
    {
        // Give the unread bytes back to the file.
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-(LONGLONG)(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    }
    else
    {
        if (m_lpBufCur != m_lpBufStart)
            m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

void CArchive::FillBuffer(UINT nAdditionalBytesNeeded)
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    UINT nUnused = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nAdditionalBytesNeeded > (UINT)m_nBufSize - nUnused)
        AfxThrowArchiveException(CArchiveException::bufferFull, m_strFileName);
    UINT nNeeded = nUnused + nAdditionalBytesNeeded;
    // Move what is still unread to the start, then read behind it.
    if (m_lpBufCur != m_lpBufStart)
    {
        memmove(m_lpBufStart, m_lpBufCur, nUnused);
        m_lpBufCur = m_lpBufStart;
        m_lpBufMax = m_lpBufStart + nUnused;
    }
    while ((UINT)(m_lpBufMax - m_lpBufCur) < nNeeded)
    {
        UINT nRead = m_pFile->Read(m_lpBufMax, (UINT)(m_lpBufStart + m_nBufSize - m_lpBufMax));
        if (nRead == 0)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        m_lpBufMax += nRead;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (nMax == 0)
        return 0;
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    BYTE* pDst = static_cast<BYTE*>(lpBuf);
    UINT nLeft = nMax;
    while (nLeft > 0)
    {
        UINT nAvailable = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nAvailable > 0)
        {
            UINT nCopy = nAvailable < nLeft ? nAvailable : nLeft;
            memcpy(pDst, m_lpBufCur, nCopy);
            m_lpBufCur += nCopy;
            pDst += nCopy;
            nLeft -= nCopy;
            continue;
        }
        if (m_pFile == nullptr)
            break;
        if (nLeft >= (UINT)m_nBufSize)
        {
            // Large reads go straight to the caller's memory.
            UINT nRead = m_pFile->Read(pDst, nLeft);
            if (nRead == 0)
                break;
            pDst += nRead;
            nLeft -= nRead;
            continue;
        }
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
        UINT nRead = m_pFile->Read(m_lpBufStart, (UINT)m_nBufSize);
        if (nRead == 0)
            break;
        m_lpBufMax += nRead;
    }
    return nMax - nLeft;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (nMax == 0)
        return;
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (nMax <= (UINT)(m_lpBufMax - m_lpBufCur))
    {
        memcpy(m_lpBufCur, lpBuf, nMax);
        m_lpBufCur += nMax;
        return;
    }
    Flush();
    if (nMax >= (UINT)m_nBufSize)
    {
        m_pFile->Write(lpBuf, nMax);
        return;
    }
    memcpy(m_lpBufCur, lpBuf, nMax);
    m_lpBufCur += nMax;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
    {
        *this << (WORD)dwCount;
        return;
    }
    *this << (WORD)0xFFFF;
    if (dwCount < 0xFFFFFFFF)
    {
        *this << (DWORD)dwCount;
        return;
    }
    *this << (DWORD)0xFFFFFFFF;
    *this << (ULONGLONG)dwCount;
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    if (dwCount != 0xFFFFFFFF)
        return dwCount;
    ULONGLONG qwCount;
    *this >> qwCount;
    return (DWORD_PTR)qwCount;
}

// Strings ---------------------------------------------------------------

void CArchive::WriteStringLength(ULONGLONG nLength, bool bWide)
{
    if (bWide)
        *this << (BYTE)0xFF << (WORD)0xFFFE;
    if (nLength < 0xFF)
    {
        *this << (BYTE)nLength;
        return;
    }
    *this << (BYTE)0xFF;
    if (nLength < 0xFFFE)
    {
        *this << (WORD)nLength;
        return;
    }
    *this << (WORD)0xFFFF;
    if (nLength < 0xFFFFFFFF)
    {
        *this << (DWORD)nLength;
        return;
    }
    *this << (DWORD)0xFFFFFFFF << (ULONGLONG)nLength;
}

ULONGLONG CArchive::ReadStringLength(int* pnCharSize)
{
    *pnCharSize = 1;
    BYTE bLength;
    *this >> bLength;
    if (bLength < 0xFF)
        return bLength;
    WORD wLength;
    *this >> wLength;
    if (wLength == 0xFFFE)
    {
        // Wide text; its length follows in the same scheme.
        *pnCharSize = 2;
        *this >> bLength;
        if (bLength < 0xFF)
            return bLength;
        *this >> wLength;
    }
    if (wLength < 0xFFFF)
        return wLength;
    DWORD dwLength;
    *this >> dwLength;
    if (dwLength < 0xFFFFFFFF)
        return dwLength;
    ULONGLONG qwLength;
    *this >> qwLength;
    return qwLength;
}

void CArchive::ReadStringData(ULONGLONG nLength, int nCharSize, CStringW* pWide, CStringA* pNarrow)
{
    if (nLength >= (ULONGLONG)INT_MAX / 2)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    CStringW wide;
    CStringA narrow;
    UINT nDone = 0;
    while (nDone < (UINT)nLength)
    {
        UINT nChunk = (UINT)nLength - nDone;
        if (nChunk > nStringChunk)
            nChunk = nStringChunk;
        void* pBuffer = nCharSize == 2 ? (void*)(wide.GetBuffer((int)(nDone + nChunk)) + nDone)
                                       : (void*)(narrow.GetBuffer((int)(nDone + nChunk)) + nDone);
        UINT nBytes = nChunk * (UINT)nCharSize;
        UINT nRead = Read(pBuffer, nBytes);
        if (nCharSize == 2)
            wide.ReleaseBuffer((int)(nDone + nRead / 2));
        else
            narrow.ReleaseBuffer((int)(nDone + nRead));
        if (nRead != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        nDone += nChunk;
    }
    // Keep embedded zeros: the lengths are those that were read.
    if (nCharSize == 2)
    {
        if (pWide != nullptr)
            *pWide = std::move(wide);
        else
            *pNarrow = CStringA(wide);
    }
    else
    {
        if (pNarrow != nullptr)
            *pNarrow = std::move(narrow);
        else
            *pWide = CStringW(narrow);
    }
}

CArchive& CArchive::operator<<(const CStringW& str)
{
    WriteStringLength((ULONGLONG)str.GetLength(), true);
    Write(str.GetString(), (UINT)str.GetLength() * sizeof(wchar_t));
    return *this;
}

CArchive& CArchive::operator<<(const CStringA& str)
{
    WriteStringLength((ULONGLONG)str.GetLength(), false);
    Write(str.GetString(), (UINT)str.GetLength());
    return *this;
}

CArchive& CArchive::operator>>(CStringW& str)
{
    int nCharSize;
    ULONGLONG nLength = ReadStringLength(&nCharSize);
    ReadStringData(nLength, nCharSize, &str, nullptr);
    return *this;
}

CArchive& CArchive::operator>>(CStringA& str)
{
    int nCharSize;
    ULONGLONG nLength = ReadStringLength(&nCharSize);
    ReadStringData(nLength, nCharSize, nullptr, &str);
    return *this;
}

// Classes and objects -----------------------------------------------------

void CArchive::CheckCount()
{
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        if (m_pStoreMap == nullptr)
        {
            m_pStoreMap = new CMapPtrToPtr((INT_PTR)m_nGrowSize);
            m_pStoreMap->InitHashTable(m_nHashSize);
            m_pStoreMap->SetAt(nullptr, (void*)(UINT_PTR)wNullTag);
            m_nMapCount = 1;
        }
        if (pOb != nullptr)
        {
            CheckCount();
            m_pStoreMap->SetAt((void*)pOb, (void*)(UINT_PTR)m_nMapCount++);
        }
    }
    else
    {
        if (m_pLoadArray == nullptr)
        {
            m_pLoadArray = new CPtrArray;
            m_pLoadArray->SetSize(1, m_nGrowSize);
            m_pLoadArray->SetAt(0, nullptr);
            m_nMapCount = 1;
        }
        if (pOb != nullptr)
        {
            CheckCount();
            m_pLoadArray->SetAtGrow(m_nMapCount++, (void*)pOb);
        }
    }
}

void CArchive::WriteTag(DWORD nIndex, bool bClass)
{
    // Small indexes fit the 16-bit tag; larger ones follow a marker in 32 bits.
    if (nIndex < wBigObjectTag)
        *this << (WORD)((bClass ? wClassTag : 0) | nIndex);
    else
        *this << wBigObjectTag << (DWORD)((bClass ? dwBigClassTag : 0) | nIndex);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (pClassRef == nullptr)
        AfxThrowInvalidArgException();
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();   // not a serial class
    MapObject(nullptr);
    void* pIndex = nullptr;
    if (m_pStoreMap->Lookup((void*)pClassRef, pIndex))
    {
        WriteTag((DWORD)(UINT_PTR)pIndex, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_pStoreMap->SetAt((void*)pClassRef, (void*)(UINT_PTR)m_nMapCount++);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    // The requested class only bounds what may be read: any base will do.
    MapObject(nullptr);

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag))
    {
        // An object reference (or null), not a class.
        if (pObTag == nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema
            && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        // Remember the schema as stored, so that later references to the
        // class report the same number as this first one.
        if (m_pSchemaMap == nullptr)
            m_pSchemaMap = new CMapPtrToPtr;
        m_pSchemaMap->SetAt(pClassRef, (void*)(UINT_PTR)nSchema);
        CheckCount();
        m_pLoadArray->SetAtGrow(m_nMapCount++, pClassRef);
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex > (DWORD)m_pLoadArray->GetUpperBound())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = static_cast<CRuntimeClass*>(m_pLoadArray->GetAt(nClassIndex));
        void* pStoredSchema = nullptr;
        if (pClassRef == nullptr || m_pSchemaMap == nullptr || !m_pSchemaMap->Lookup(pClassRef, pStoredSchema))
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);   // an object's index
        nSchema = (UINT)(UINT_PTR)pStoredSchema;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    MapObject(nullptr);
    if (pOb == nullptr)
    {
        *this << wNullTag;
        return;
    }
    void* pIndex = nullptr;
    if (m_pStoreMap->Lookup((void*)pOb, pIndex))
    {
        WriteTag((DWORD)(UINT_PTR)pIndex, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_pStoreMap->SetAt((void*)pOb, (void*)(UINT_PTR)m_nMapCount++);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr)
    {
        // An object read before (or null): its index in the load array.
        if (obTag > (DWORD)m_pLoadArray->GetUpperBound())
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* pOb = static_cast<CObject*>(m_pLoadArray->GetAt((INT_PTR)obTag));
        // Class records share the load array; an index must name an object.
        if (pOb != nullptr && m_pSchemaMap != nullptr)
        {
            void* pUnused;
            if (m_pSchemaMap->Lookup(pOb, pUnused))
                AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        }
        if (pOb != nullptr && pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    CheckCount();
    INT_PTR nIndex = m_nMapCount++;
    m_pLoadArray->SetAtGrow(nIndex, pOb);
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // The half-read object is freed, not left behind in the map.
        m_pLoadArray->SetAt(nIndex, nullptr);
        delete pOb;
        m_nObjectSchema = nSchemaSave;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    return pOb;
}
