#include "core/CStdioFile.h"

#include <fcntl.h>
#include <io.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr)
{
}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream)
{
    if (pOpenStream != nullptr)
        m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)));
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(nullptr)
{
    OpenOrThrow(lpszFileName, nOpenFlags);   // this class's Open: it runs in this constructor
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != nullptr && m_bCloseOnDelete)
        Abort();
}

void CStdioFile::ThrowStreamError(int cause) const
{
    AfxThrowFileException(cause, (LONG)_doserrno, m_strFileName);
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_pStream != nullptr)
        Abort();
    // The system opens the file (sharing and creation as for any file); the
    // runtime's stream then does the buffering and the text translation.
    if (!CFile::Open(lpszFileName, nOpenFlags, pError))
        return FALSE;

    // The stream's mode: a file that is created anew is written from its
    // start; one that is kept, or opened for writing only, is appended to.
    bool bText = (nOpenFlags & typeBinary) == 0;
    int nFlags = bText ? _O_TEXT : _O_BINARY;
    char chMode;
    if (nOpenFlags & modeCreate)
        chMode = (nOpenFlags & modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & modeWrite)
        chMode = 'a';
    else
        chMode = 'r';
    bool bBoth = chMode == 'r' ? (nOpenFlags & modeReadWrite) != 0 : (nOpenFlags & modeWrite) == 0;
    if (chMode == 'a')
        nFlags |= _O_APPEND;
    nFlags |= bBoth ? _O_RDWR : (chMode == 'r' ? _O_RDONLY : _O_WRONLY);
    CStringA fullMode(chMode);
    if (bBoth)
        fullMode += '+';
    fullMode += bText ? 't' : 'b';

    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), nFlags);
    FILE* pStream = fd == -1 ? nullptr : _fdopen(fd, fullMode);
    if (pStream == nullptr)
    {
        if (fd != -1)
            _close(fd);   // closes the handle too
        else
            CloseHandle(m_hFile);
        m_hFile = hFileNull;
        if (pError != nullptr)
        {
            pError->m_cause = CFileException::tooManyOpenFiles;
            pError->m_lOsError = (LONG)_doserrno;
            pError->m_strFileName = lpszFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_pStream = pStream;
    return TRUE;
}

BOOL CStdioFile::ReadNarrowLine(CStringA& line)
{
    line.Empty();
    char chunk[256];
    while (fgets(chunk, (int)sizeof(chunk), m_pStream) != nullptr)
    {
        line.Append(chunk);
        if (!line.IsEmpty() && line[line.GetLength() - 1] == '\n')
            break;
    }
    if (ferror(m_pStream))
    {
        clearerr(m_pStream);
        ThrowStreamError(CFileException::genericException);
    }
    return !line.IsEmpty();
}

BOOL CStdioFile::ReadString(CString& rString)
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    CStringA line;
    if (!ReadNarrowLine(line))
    {
        rString.Empty();
        return FALSE;
    }
    if (line[line.GetLength() - 1] == '\n')
        line.Truncate(line.GetLength() - 1);
    // In binary mode the CR of a CR LF line end is still there.
    if (!line.IsEmpty() && line[line.GetLength() - 1] == '\r')
        line.Truncate(line.GetLength() - 1);
    rString = line;
    return TRUE;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (lpsz == nullptr || nMax == 0)
        AfxThrowInvalidArgException();
    // A narrow character never makes more than one wide one, so nMax - 1
    // narrow characters always fit.
    CStringA line;
    while (line.GetLength() < (int)nMax - 1)
    {
        int ch = fgetc(m_pStream);
        if (ch == EOF)
            break;
        line.AppendChar((char)ch);
        if (ch == '\n')
            break;
    }
    if (ferror(m_pStream))
    {
        clearerr(m_pStream);
        ThrowStreamError(CFileException::genericException);
    }
    if (line.IsEmpty())
    {
        *lpsz = 0;
        return nullptr;
    }
    lstrcpynW(lpsz, CString(line), (int)nMax);
    return lpsz;
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (lpsz == nullptr)
        AfxThrowInvalidArgException();
    CStringA text(lpsz);
    if (!text.IsEmpty() && fwrite(text.GetString(), 1, (size_t)text.GetLength(), m_pStream) != (size_t)text.GetLength())
        ThrowStreamError(CFileException::diskFull);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
    if (nRead == 0 && ferror(m_pStream))
    {
        clearerr(m_pStream);
        ThrowStreamError(CFileException::genericException);
    }
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException();
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowStreamError(CFileException::diskFull);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    int nOrigin = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : -1;
    if (nOrigin < 0)
        AfxThrowInvalidArgException();
    if (_fseeki64(m_pStream, lOff, nOrigin) != 0)
        AfxThrowFileException(CFileException::badSeek, (LONG)_doserrno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const
{
    if (m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    __int64 pos = _ftelli64(m_pStream);
    if (pos < 0)
        AfxThrowFileException(CFileException::invalidFile, (LONG)_doserrno, m_strFileName);
    return (ULONGLONG)pos;
}

ULONGLONG CStdioFile::GetLength() const
{
    // What is still in the stream's buffer counts too.
    if (m_pStream != nullptr)
        fflush(m_pStream);
    return CFile::GetLength();
}

void CStdioFile::Flush()
{
    if (m_pStream != nullptr && fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
}

void CStdioFile::Close()
{
    int nResult = 0;
    if (m_pStream != nullptr)
        nResult = fclose(m_pStream);   // closes the handle as well
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString strName = m_strFileName;
    m_strFileName.Empty();
    if (nResult != 0)
        AfxThrowFileException(CFileException::diskFull, (LONG)_doserrno, strName);
}

void CStdioFile::Abort()
{
    if (m_pStream != nullptr)
        fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}
