#include "CZMRModuleHandle.h"

CZMRModuleHandle::CZMRModuleHandle()
    : m_hModule(nullptr), m_eModuleState(mmNone)
{
    ZeroMemory(&m_dvi, sizeof(m_dvi));
}

CZMRModuleHandle::CZMRModuleHandle(LPCWSTR lpszModuleName)
    : CZMRModuleHandle()
{
    Init(lpszModuleName);
}

CZMRModuleHandle::~CZMRModuleHandle()
{
    FreeModule();
}

BOOL CZMRModuleHandle::Init(LPCWSTR lpszModuleName)
{
    if (!AttachLoaded(lpszModuleName))
        Load(lpszModuleName);
    return m_hModule != nullptr;
}

BOOL CZMRModuleHandle::AttachLoaded(LPCWSTR lpszModuleName)
{
    FreeModule();
    m_hModule = ::GetModuleHandleW(lpszModuleName);
    if (!m_hModule)
        return FALSE;
    m_eModuleState = mmAttached;
    m_strModuleName = lpszModuleName;
    return TRUE;
}

BOOL CZMRModuleHandle::Load(LPCWSTR lpszModuleName)
{
    FreeModule();
    m_hModule = ::LoadLibraryW(lpszModuleName);
    if (!m_hModule)
        return FALSE;
    m_eModuleState = mmLoaded;
    m_strModuleName = lpszModuleName;
    return TRUE;
}

BOOL CZMRModuleHandle::FreeModule()
{
    BOOL bResult = TRUE;
    if (m_hModule && m_eModuleState == mmLoaded)
        bResult = ::FreeLibrary(m_hModule);
    m_hModule = nullptr;
    m_eModuleState = mmNone;
    m_strModuleName.Empty();
    // A later module may be another version: ask it again.
    ZeroMemory(&m_dvi, sizeof(m_dvi));
    return bResult;
}

BOOL CZMRModuleHandle::GetProcAddressRaw(FARPROC* ppfn, LPCSTR lpszProcName, DWORD dwMinVer)
{
    if (!m_hModule)
        return FALSE;
    if (dwMinVer != 0)
    {
        DWORD dwVersion = GetDllVersion();
        if (HIWORD(dwVersion) < HIWORD(dwMinVer)
            || (HIWORD(dwVersion) == HIWORD(dwMinVer) && LOWORD(dwVersion) < LOWORD(dwMinVer)))
        {
            *ppfn = nullptr;
            return FALSE;
        }
    }
    *ppfn = ::GetProcAddress(m_hModule, lpszProcName);
    return *ppfn != nullptr;
}

DWORD CZMRModuleHandle::GetDllVersion()
{
    if (!m_hModule)
        return 0;
    if (m_dvi.cbSize == 0)
    {
        m_dvi.cbSize = sizeof(DLLVERSIONINFO);
        DLLGETVERSIONPROC pfn = reinterpret_cast<DLLGETVERSIONPROC>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, "DllGetVersion")));
        if (pfn)
            pfn(&m_dvi);
        m_dvi.cbSize = sizeof(DLLVERSIONINFO);   // marks the record as asked
    }
    return MAKELONG(static_cast<WORD>(m_dvi.dwMinorVersion), static_cast<WORD>(m_dvi.dwMajorVersion));
}
