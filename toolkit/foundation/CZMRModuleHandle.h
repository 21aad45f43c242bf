// A system module bound at run time: attached when it is already loaded,
// loaded otherwise, with function lookup that can ask for a minimum version.
#pragma once
#include "core/Core.h"
#include <shlwapi.h>

// The system headers define FreeModule as a macro for FreeLibrary.
#ifdef FreeModule
#undef FreeModule
#endif

class CZMRModuleHandle
{
public:
    enum ModuleState { mmNone = 0, mmAttached = 1, mmLoaded = 2 };

    CZMRModuleHandle();
    explicit CZMRModuleHandle(LPCWSTR lpszModuleName);
    virtual ~CZMRModuleHandle();

    BOOL Init(LPCWSTR lpszModuleName);
    BOOL AttachLoaded(LPCWSTR lpszModuleName);
    BOOL Load(LPCWSTR lpszModuleName);
    BOOL FreeModule();

    // Stores the entry in *ppfn; dwMinVer is major << 16 | minor, or 0.
    template <class TFn>
    BOOL GetProcAddress(TFn* ppfn, LPCSTR lpszProcName, DWORD dwMinVer = 0)
    {
        FARPROC pfn = nullptr;
        BOOL bResult = GetProcAddressRaw(&pfn, lpszProcName, dwMinVer);
        if (bResult || m_hModule)
            *ppfn = reinterpret_cast<TFn>(reinterpret_cast<void*>(pfn));
        return bResult;
    }
    BOOL GetProcAddressRaw(FARPROC* ppfn, LPCSTR lpszProcName, DWORD dwMinVer = 0);

    DWORD GetDllVersion();

    HMODULE GetHandle() const { return m_hModule; }
    operator HMODULE() const { return m_hModule; }
    int GetModuleState() const { return m_eModuleState; }
    const CString& GetModuleName() const { return m_strModuleName; }

protected:
    CString m_strModuleName;
    HMODULE m_hModule;
    int m_eModuleState;
    DLLVERSIONINFO m_dvi;   // cbSize stays 0 until DllGetVersion was asked
};
