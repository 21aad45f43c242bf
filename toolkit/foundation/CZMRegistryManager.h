// Named string values of the toolkit, kept below the application's registry
// key or, when a process-wide INI path is set, in that INI file. A caller
// builds one on the stack for a single call; no key stays open between calls.
#pragma once
#include "core/Core.h"

class CZMRegistryManager
{
public:
    explicit CZMRegistryManager(HKEY hKeyBase = HKEY_CURRENT_USER);
    virtual ~CZMRegistryManager() {}

    BOOL WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue);
    CString GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault);

    BOOL GetAppNames();
    virtual HKEY GetAppRegistryKey(REGSAM samDesired);
    virtual HKEY GetSectionKey(LPCWSTR lpszSection, REGSAM samDesired);

    LONG GetLastError() const { return m_lResult; }

    // Empty: the registry. Not empty: every read and write goes to this file.
    static void SetINIFileName(LPCWSTR lpszINIFullPath);
    static CString& GetINIFileName();

    // The names below "Software"; borrowed, as the application keeps them.
    LPCWSTR m_pszRegistryKey;
    LPCWSTR m_pszProfileName;

protected:
    HKEY m_hKeyBase;
    LONG m_lResult;
};
