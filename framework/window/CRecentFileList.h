// CRecentFileList: the application's list of recently used files, newest
// first, kept in the profile section "Recent File List" ("File1", ...). Its
// entries are shown as commands ID_FILE_MRU_FILE1 and up.
#pragma once

#include "core/Core.h"

class CRecentFileList
{
public:
    // nStart: the number of the first profile entry; nSize: the most entries
    // kept; nMaxDispLen: the longest name shown before it is shortened.
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 260);
    virtual ~CRecentFileList();

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex);
    // Puts the path first; a path already listed moves up, the oldest goes
    // when the list is full. Relative paths are made full first.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();
    // The name shown for an entry: only the file name when the file lies in
    // lpszCurDir (the first nCurDir characters name it, ending in '\'), else
    // the path, shortened to the display length with "..." in the middle; with
    // bAtLeastName the file name is always kept whole. FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;

    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;

protected:
    int m_nSize;

private:
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;
};
