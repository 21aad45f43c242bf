#include "window/CRecentFileList.h"
#include "window/CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_arrNames(nullptr), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat), m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen), m_nSize(nSize > 0 ? nSize : 1)
{
    m_arrNames = new CString[m_nSize];
}

CRecentFileList::~CRecentFileList()
{
    delete[] m_arrNames;
}

CString& CRecentFileList::operator[](int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        AfxThrowInvalidArgException();
    return m_arrNames[nIndex];
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == 0)
        return;
    TCHAR szFull[MAX_PATH * 2];
    DWORD nLen = ::GetFullPathNameW(lpszPathName, _countof(szFull), szFull, nullptr);
    CString strPath = (nLen > 0 && nLen < _countof(szFull)) ? CString(szFull) : CString(lpszPathName);

    // Where it is listed already (compared without case), else the last slot.
    int nFound = m_nSize - 1;
    for (int i = 0; i < m_nSize; ++i)
    {
        if (m_arrNames[i].CompareNoCase(strPath) == 0)
        {
            nFound = i;
            break;
        }
    }
    for (int i = nFound; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; ++i)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nSize; ++i)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, (int)(m_nStart + i));
        m_arrNames[i] = pApp->GetProfileString(m_strSectionName, strEntry);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    // The section is written anew, so entries removed since do not come back.
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < m_nSize && !m_arrNames[i].IsEmpty(); ++i)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, (int)(m_nStart + i));
        pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[i]);
    }
}

namespace
{
// "C:\first\...\last\name.ext" within nMax characters, keeping the root and
// as many trailing folders as fit; the name alone (or cut) when nothing else does.
CString AbbreviateName(const CString& strPath, int nMax, BOOL bAtLeastName)
{
    if (strPath.GetLength() <= nMax)
        return strPath;
    int nName = strPath.ReverseFind(L'\\') + 1;
    CString strName = strPath.Mid(nName);
    // The root: "C:\" or "\\server\share\".
    int nRoot = 0;
    if (strPath.Left(2) == L"\\\\")
    {
        int nServer = strPath.Find(L'\\', 2);
        int nShare = nServer >= 0 ? strPath.Find(L'\\', nServer + 1) : -1;
        nRoot = nShare >= 0 ? nShare + 1 : 0;
    }
    else if (strPath.GetLength() >= 3 && strPath[1] == L':' && strPath[2] == L'\\')
        nRoot = 3;
    CString strRoot = strPath.Left(nRoot);
    const CString strDots = L"...\\";
    if (strRoot.GetLength() + strDots.GetLength() + strName.GetLength() > nMax)
    {
        if (bAtLeastName || strName.GetLength() <= nMax)
            return strName;
        return strName.Left(nMax);
    }
    // Then as many trailing folders as fit; the first one never (the path
    // would be whole, and it did not fit).
    int nTail = nName;
    while (nTail - 1 > nRoot)
    {
        int nPrev = strPath.Left(nTail - 1).ReverseFind(L'\\') + 1;
        if (nPrev <= nRoot || strRoot.GetLength() + strDots.GetLength() + (strPath.GetLength() - nPrev) > nMax)
            break;
        nTail = nPrev;
    }
    return strRoot + strDots + strPath.Mid(nTail);
}
} // namespace

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    strName.Empty();
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    const CString& strPath = m_arrNames[nIndex];
    int nName = strPath.ReverseFind(L'\\') + 1;
    // A file of the current folder shows its name only.
    if (lpszCurDir != nullptr && nCurDir > 0 && nCurDir == nName &&
        CString(lpszCurDir).Left(nCurDir).CompareNoCase(strPath.Left(nName)) == 0)
    {
        strName = strPath.Mid(nName);
        return TRUE;
    }
    strName = AbbreviateName(strPath, m_nMaxDisplayLength, bAtLeastName);
    return TRUE;
}
