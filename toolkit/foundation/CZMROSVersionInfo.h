// The system's version record, read once per process, with the predicates
// the toolkit branches on. The record's fields are public so that a test can
// stand in another system's version.
#pragma once
#include "core/Core.h"

class CZMROSVersionInfo : public OSVERSIONINFOW
{
public:
    CZMROSVersionInfo();

    BOOL IsWindows95() const { return dwPlatformId == 1 && dwMajorVersion == 4 && dwMinorVersion < 10; }
    BOOL IsWindows98() const { return dwPlatformId == 1 && IsVersion(4, 10); }
    BOOL IsWin9x() const { return dwPlatformId == 1; }
    BOOL IsWinNT4() const { return dwPlatformId == 2 && IsVersion(4, 0); }
    BOOL IsWinNT4OrLater() const { return dwPlatformId >= 2 && dwMajorVersion >= 4; }
    BOOL IsWindows2000() const { return dwPlatformId == 2 && IsVersion(5, 0); }
    BOOL IsWin2KOrLater() const { return dwPlatformId >= 2 && dwMajorVersion >= 5; }
    BOOL IsWindowsXP() const { return dwPlatformId == 2 && IsVersion(5, 1); }
    BOOL TestWindowsXPOrLater() const { return dwPlatformId > 1 && IsVersionAtLeast(5, 1); }
    BOOL IsWindowsXPOrLater() const { return TestWindowsXPOrLater(); }
    BOOL IsVersionAtLeast(DWORD dwMajor, DWORD dwMinor) const
    {
        return dwMajorVersion > dwMajor || (dwMajorVersion == dwMajor && dwMinorVersion >= dwMinor);
    }
    BOOL IsVersion(DWORD dwMajor, DWORD dwMinor) const
    {
        return dwMajorVersion == dwMajor && dwMinorVersion == dwMinor;
    }

    // Common-controls version as major << 16 | minor; 4.0 when unreadable.
    static DWORD GetComCtlVersion();
};

CZMROSVersionInfo* GetOSVersionInfo();
