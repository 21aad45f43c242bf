// CFileFind: walks the files that match a pattern. FindFile starts the
// search; each FindNextFile makes the next file current and answers FALSE
// when that was the last one (it is still current then):
//     BOOL bMore = finder.FindFile(L"*.m00");
//     while (bMore) { bMore = finder.FindNextFile(); use(finder.GetFilePath()); }
#pragma once

#include "core/CObject.h"
#include "core/CString.h"

class CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind();
    ~CFileFind() override;

    // The pattern defaults to every file of the current folder.
    virtual BOOL FindFile(LPCTSTR pstrName = nullptr, DWORD dwUnused = 0);
    virtual BOOL FindNextFile();
    void Close();

    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    // The name without its extension.
    virtual CString GetFileTitle() const;
    virtual CString GetRoot() const { return m_strRoot; }
    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    BOOL MatchesMask(DWORD dwMask) const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    // "." and "..", which every folder but a root lists.
    BOOL IsDots() const;

protected:
    const WIN32_FIND_DATAW* Current() const;

    HANDLE m_hContext;
    WIN32_FIND_DATAW m_found;     // the current file
    WIN32_FIND_DATAW m_next;      // the one FindNextFile makes current
    BOOL m_bHasFound;
    BOOL m_bHasNext;
    CString m_strRoot;
};
