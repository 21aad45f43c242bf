// CStdioFile: a file read and written through the C runtime's buffered
// stream. In text mode (the default) lines end in CR LF on disk and in LF in
// memory; the text itself is narrow, in the system's ANSI code page.
// A file opened for writing without being created anew (modeWrite alone, or
// modeCreate with modeNoTruncate) is appended to: every write goes to its end.
#pragma once

#include "core/CFile.h"

#include <cstdio>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    explicit CStdioFile(FILE* pOpenStream);
    // Opens the file and raises CFileException when that fails.
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // One line without its line end; FALSE at the end of the file when nothing was read.
    virtual BOOL ReadString(CString& rString);
    // Up to nMax - 1 characters, keeping the LF that ends the line; null at the end.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // Writes the text as it is; each LF becomes CR LF in text mode.
    virtual void WriteString(LPCTSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE* m_pStream;

private:
    // Reads one line (with its LF, if any) as narrow text; FALSE at the end.
    BOOL ReadNarrowLine(CStringA& line);
    [[noreturn]] void ThrowStreamError(int cause) const;
};
