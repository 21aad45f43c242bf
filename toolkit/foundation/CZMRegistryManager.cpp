#include "CZMRegistryManager.h"
#include "Framework.h"
#include <vector>

namespace
{
const REGSAM kReadWrite = KEY_READ | KEY_WRITE;
const DWORD kINIBufferLength = 4096;
}

CString& CZMRegistryManager::GetINIFileName()
{
    static CString s_strINIFileName;
    return s_strINIFileName;
}

void CZMRegistryManager::SetINIFileName(LPCWSTR lpszINIFullPath)
{
    GetINIFileName() = lpszINIFullPath ? lpszINIFullPath : L"";
}

CZMRegistryManager::CZMRegistryManager(HKEY hKeyBase)
    : m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_hKeyBase(hKeyBase), m_lResult(ERROR_SUCCESS)
{
}

BOOL CZMRegistryManager::GetAppNames()
{
    if (m_pszRegistryKey && m_pszProfileName)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp)
    {
        m_pszRegistryKey = pApp->m_pszRegistryKey;
        m_pszProfileName = pApp->m_pszProfileName;
    }
    return m_pszRegistryKey && m_pszProfileName;
}

HKEY CZMRegistryManager::GetAppRegistryKey(REGSAM samDesired)
{
    if (!GetAppNames())
        return nullptr;

    HKEY hSoftKey = nullptr, hCompanyKey = nullptr, hAppKey = nullptr;
    m_lResult = ::RegOpenKeyExW(m_hKeyBase, L"Software", 0, samDesired, &hSoftKey);
    if (m_lResult == ERROR_SUCCESS)
    {
        DWORD dw = 0;
        m_lResult = ::RegCreateKeyExW(hSoftKey, m_pszRegistryKey, 0, nullptr, 0, samDesired, nullptr,
                                      &hCompanyKey, &dw);
        if (m_lResult == ERROR_SUCCESS)
            m_lResult = ::RegCreateKeyExW(hCompanyKey, m_pszProfileName, 0, nullptr, 0, samDesired, nullptr,
                                          &hAppKey, &dw);
    }
    if (hSoftKey)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey)
        ::RegCloseKey(hCompanyKey);
    return m_lResult == ERROR_SUCCESS ? hAppKey : nullptr;
}

HKEY CZMRegistryManager::GetSectionKey(LPCWSTR lpszSection, REGSAM samDesired)
{
    if (!lpszSection)
        return nullptr;
    HKEY hAppKey = GetAppRegistryKey(samDesired);
    if (!hAppKey)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dw = 0;
    m_lResult = ::RegCreateKeyExW(hAppKey, lpszSection, 0, nullptr, 0, samDesired, nullptr, &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return m_lResult == ERROR_SUCCESS ? hSectionKey : nullptr;
}

BOOL CZMRegistryManager::WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue)
{
    if (!lpszSection)
        return FALSE;

    const CString& strINI = GetINIFileName();
    if (!strINI.IsEmpty())
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, strINI);

    if (!GetAppNames())
        return FALSE;

    if (!lpszEntry)
    {
        HKEY hAppKey = GetAppRegistryKey(0);
        if (!hAppKey)
            return FALSE;
        m_lResult = ::RegDeleteKeyW(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return m_lResult == ERROR_SUCCESS;
    }

    HKEY hSectionKey = GetSectionKey(lpszSection, kReadWrite);
    if (!hSectionKey)
        return FALSE;
    if (lpszValue)
        m_lResult = ::RegSetValueExW(hSectionKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                     DWORD((lstrlenW(lpszValue) + 1) * sizeof(WCHAR)));
    else
        m_lResult = ::RegDeleteValueW(hSectionKey, lpszEntry);
    ::RegCloseKey(hSectionKey);
    return m_lResult == ERROR_SUCCESS;
}

CString CZMRegistryManager::GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault)
{
    const CString strDefault(lpszDefault ? lpszDefault : L"");

    const CString& strINI = GetINIFileName();
    if (!strINI.IsEmpty())
    {
        // Without a section or an entry the INI functions answer with a list of
        // names; the caller asked for one value, so it gets the default.
        if (!lpszSection || !lpszEntry)
            return strDefault;
        std::vector<WCHAR> buffer(kINIBufferLength, 0);
        ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault, buffer.data(), kINIBufferLength, strINI);
        return CString(buffer.data());
    }

    if (!GetAppNames())
        return strDefault;
    HKEY hSectionKey = GetSectionKey(lpszSection, KEY_READ);
    if (!hSectionKey)
        return strDefault;

    CString strValue = strDefault;
    DWORD dwType = 0, dwSize = 0;
    m_lResult = ::RegQueryValueExW(hSectionKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize);
    if (m_lResult == ERROR_SUCCESS)
    {
        // Room for a terminator even when the stored size is odd or lacks one.
        std::vector<WCHAR> buffer(dwSize / sizeof(WCHAR) + 2, 0);
        DWORD dwRead = dwSize;
        m_lResult = ::RegQueryValueExW(hSectionKey, lpszEntry, nullptr, &dwType,
                                       reinterpret_cast<BYTE*>(buffer.data()), &dwRead);
        if (m_lResult == ERROR_SUCCESS)
            strValue = CString(buffer.data());
    }
    ::RegCloseKey(hSectionKey);
    return strValue;
}
