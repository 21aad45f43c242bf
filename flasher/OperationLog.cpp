// The operation log file: UTF-16LE lines with process, thread and local time,
// beside the executable, rotated at 4 MiB keeping 16 older files.
#include "CTarrowindDlg.h"
#include "CCriticalSectionLock.h"

#include <cwchar>
#include <cstdio>

namespace
{
const DWORD kRotateSize = 0x400000;
const int kOlderFiles = 16;
const int kLineUnits = 8192;

CString NumberedPath(const CString& strPath, int n)
{
    CString str;
    str.Format(L"%s.%d", (LPCWSTR)strPath, n);
    return str;
}

HANDLE OpenLogFile(const CString& strPath)
{
    return CreateFileW(strPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The executable's path with its extension replaced by ".log"; empty when the
// module path cannot be obtained.
CString BuildLogPath()
{
    WCHAR szModule[256] = {};
    if (GetModuleFileNameW(nullptr, szModule, 256) == 0)
        return CString();
    CString strPath(szModule);
    int nDot = strPath.ReverseFind(L'.');
    if (nDot >= 0)
        strPath.Truncate(nDot);
    strPath += L".log";
    return strPath;
}

void WriteLogV(CTarrowindDlg* pDlg, LPCWSTR pszFormat, va_list args)
{
    // One step under the lock, opening and rotating included, so that lines of
    // the UI thread and of the worker never interleave or get lost in a rotation.
    CCriticalSectionLock lock(&pDlg->m_LogLock);

    if (pDlg->m_hLogFile == INVALID_HANDLE_VALUE)
    {
        if (pDlg->m_strLogPath.IsEmpty())
        {
            pDlg->m_strLogPath = BuildLogPath();
            if (pDlg->m_strLogPath.IsEmpty())
                return;
        }
        pDlg->m_hLogFile = OpenLogFile(pDlg->m_strLogPath);
        if (pDlg->m_hLogFile == INVALID_HANDLE_VALUE)
            return;
    }

    if (GetFileSize(pDlg->m_hLogFile, nullptr) >= kRotateSize)
    {
        CloseHandle(pDlg->m_hLogFile);
        pDlg->m_hLogFile = INVALID_HANDLE_VALUE;
        const CString& strPath = pDlg->m_strLogPath;
        DeleteFileW(NumberedPath(strPath, kOlderFiles));
        for (int n = kOlderFiles; n >= 2; --n)
            MoveFileW(NumberedPath(strPath, n - 1), NumberedPath(strPath, n));
        MoveFileW(strPath, NumberedPath(strPath, 1));
        pDlg->m_hLogFile = OpenLogFile(strPath);
        if (pDlg->m_hLogFile == INVALID_HANDLE_VALUE)
            return;
    }

    DWORD dwWritten = 0;
    if (GetFileSize(pDlg->m_hLogFile, nullptr) == 0)
    {
        static const BYTE bom[2] = {0xFF, 0xFE};
        WriteFile(pDlg->m_hLogFile, bom, sizeof(bom), &dwWritten, nullptr);
    }
    SetFilePointer(pDlg->m_hLogFile, 0, nullptr, FILE_END);

    static_assert(kLineUnits > 3, "room for CR LF and the terminator");
    WCHAR szLine[kLineUnits] = {};
    SYSTEMTIME st;
    GetLocalTime(&st);
    int nPrefix = _snwprintf(szLine, kLineUnits, L"[%05d-%05d] %04d-%02d-%02d %02d:%02d:%02d.%03d : ",
                             (int)GetCurrentProcessId(), (int)GetCurrentThreadId(), st.wYear, st.wMonth,
                             st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    if (nPrefix < 0)
        nPrefix = 0;
    // A longer message is cut so that CR LF and the terminator still fit.
    _vsnwprintf(szLine + nPrefix, kLineUnits - 3 - nPrefix, pszFormat, args);
    size_t nLength = wcsnlen(szLine, kLineUnits - 3);
    szLine[nLength++] = L'\r';
    szLine[nLength++] = L'\n';
    szLine[nLength] = 0;
    WriteFile(pDlg->m_hLogFile, szLine, (DWORD)(nLength * sizeof(WCHAR)), &dwWritten, nullptr);
}
}  // namespace

void WriteLog(CTarrowindDlg* pDlg, LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    WriteLogV(pDlg, pszFormat, args);
    va_end(args);
}

void WriteLogA(CTarrowindDlg* pDlg, LPCSTR pszFormat, ...)
{
    // Formatted outside the lock; WriteLog takes it.
    char szText[kLineUnits] = {};
    va_list args;
    va_start(args, pszFormat);
    _vsnprintf(szText, kLineUnits - 3, pszFormat, args);
    va_end(args);
    size_t nLength = strnlen(szText, kLineUnits - 3);
    szText[nLength++] = '\r';
    szText[nLength++] = '\n';
    szText[nLength] = 0;

    WCHAR szWide[kLineUnits] = {};
    MultiByteToWideChar(CP_ACP, 0, szText, -1, szWide, kLineUnits);
    szWide[kLineUnits - 1] = 0;
    WriteLog(pDlg, L"%s", szWide);
}
