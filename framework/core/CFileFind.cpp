#include "core/CFileFind.h"
#include "core/CException.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind()
    : m_hContext(INVALID_HANDLE_VALUE), m_found(), m_next(), m_bHasFound(FALSE), m_bHasNext(FALSE)
{
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hContext != INVALID_HANDLE_VALUE)
        FindClose(m_hContext);
    m_hContext = INVALID_HANDLE_VALUE;
    m_bHasFound = m_bHasNext = FALSE;
    m_strRoot.Empty();
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD)
{
    Close();
    CString pattern = (pstrName == nullptr || *pstrName == 0) ? CString(L"*.*") : CString(pstrName);
    m_hContext = FindFirstFileW(pattern, &m_next);
    if (m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHasNext = TRUE;

    // The folder of the pattern, as a full path, without a trailing separator.
    WCHAR szFull[MAX_PATH * 4];
    LPWSTR pFilePart = nullptr;
    DWORD n = GetFullPathNameW(pattern, (DWORD)(sizeof(szFull) / sizeof(szFull[0])), szFull, &pFilePart);
    if (n > 0 && n < sizeof(szFull) / sizeof(szFull[0]))
    {
        if (pFilePart != nullptr)
            *pFilePart = 0;
        m_strRoot = szFull;
        if (m_strRoot.GetLength() > 3 || (m_strRoot.GetLength() > 0 && m_strRoot[1] != L':'))
            m_strRoot.TrimRight(L"\\/");
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_found = m_next;
    m_bHasFound = TRUE;
    m_bHasNext = ::FindNextFileW(m_hContext, &m_next);
    return m_bHasNext;
}

const WIN32_FIND_DATAW* CFileFind::Current() const
{
    // Asking about a file before FindNextFile has made one current is a caller's error.
    if (!m_bHasFound)
        AfxThrowInvalidArgException();
    return &m_found;
}

ULONGLONG CFileFind::GetLength() const
{
    const WIN32_FIND_DATAW* p = Current();
    return ((ULONGLONG)p->nFileSizeHigh << 32) | p->nFileSizeLow;
}

CString CFileFind::GetFileName() const
{
    return Current()->cFileName;
}

CString CFileFind::GetFilePath() const
{
    CString path = m_strRoot;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != L'\\' && path[path.GetLength() - 1] != L'/')
        path += L'\\';
    return path + GetFileName();
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int nDot = name.ReverseFind(L'.');
    return nDot > 0 ? name.Left(nDot) : name;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = Current()->ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return (Current()->dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const
{
    const WCHAR* name = Current()->cFileName;
    return IsDirectory() && name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}
