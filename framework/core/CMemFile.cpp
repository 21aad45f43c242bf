#include "core/CMemFile.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != nullptr)
        Abort();
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return static_cast<BYTE*>(malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return static_cast<BYTE*>(realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (lpBuffer == nullptr && nBufferSize != 0)
        AfxThrowInvalidArgException();
    if (m_lpBuffer != nullptr)
        Abort();
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    // A buffer that cannot grow is read as it is; one that may grow starts empty.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = m_nBufferSize = m_nPosition = 0;
    return lpBuffer;
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    // Whole steps of the grow-by size.
    SIZE_T nNewBufferSize = m_nBufferSize;
    while (nNewBufferSize < dwNewLen)
    {
        if (nNewBufferSize > (SIZE_T)-1 - m_nGrowBytes)
            AfxThrowMemoryException();
        nNewBufferSize += m_nGrowBytes;
    }
    BYTE* lpNew;
    if (m_lpBuffer == nullptr)
        lpNew = Alloc(nNewBufferSize);
    else if (m_bAutoDelete)
        lpNew = Realloc(m_lpBuffer, nNewBufferSize);
    else
    {
        // The caller's buffer stays the caller's: copy it into one of ours.
        lpNew = Alloc(nNewBufferSize);
        if (lpNew != nullptr)
            memcpy(lpNew, m_lpBuffer, m_nFileSize);
    }
    if (lpNew == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = nNewBufferSize;
    m_bAutoDelete = TRUE;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    SIZE_T nAvailable = m_nFileSize - m_nPosition;
    UINT nRead = nAvailable < nCount ? (UINT)nAvailable : nCount;
    memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (m_nPosition > (SIZE_T)-1 - nCount)
        AfxThrowFileException(CFileException::badSeek);
    SIZE_T nEnd = m_nPosition + nCount;
    if (nEnd > m_nBufferSize)
        GrowFile(nEnd);
    // A write after a seek past the end leaves zeros in the gap, not old memory.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    memmove(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = nEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG lBase;
    switch (nFrom)
    {
    case begin: lBase = 0; break;
    case current: lBase = (LONGLONG)m_nPosition; break;
    case end: lBase = (LONGLONG)m_nFileSize; break;
    default: AfxThrowInvalidArgException();
    }
    LONGLONG lNewPos = lBase + lOff;
    if (lNewPos < 0 || (lOff > 0 && lNewPos < lBase))
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (SIZE_T)lNewPos;
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > (SIZE_T)-1)
        AfxThrowMemoryException();
    if (dwNewLen > m_nBufferSize)
        GrowFile((SIZE_T)dwNewLen);
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, (SIZE_T)dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = (SIZE_T)dwNewLen;
    m_nFileSize = (SIZE_T)dwNewLen;
}

void CMemFile::Close()
{
    m_nGrowBytes = 0;
    m_nPosition = m_nBufferSize = m_nFileSize = 0;
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

void CMemFile::Abort()
{
    Close();
}
