#include "CZMROSVersionInfo.h"
#include "CZMRModuleHandle.h"

CZMROSVersionInfo::CZMROSVersionInfo()
{
    ZeroMemory(static_cast<OSVERSIONINFOW*>(this), sizeof(OSVERSIONINFOW));
    dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(this);
#pragma GCC diagnostic pop
}

DWORD CZMROSVersionInfo::GetComCtlVersion()
{
    static DWORD s_dwComCtlVersion = 0;
    if (s_dwComCtlVersion == 0)
    {
        CZMRModuleHandle module(L"COMCTL32.DLL");
        s_dwComCtlVersion = module.GetDllVersion();
        if (s_dwComCtlVersion == 0)
            s_dwComCtlVersion = MAKELONG(0, 4);
    }
    return s_dwComCtlVersion;
}

CZMROSVersionInfo* GetOSVersionInfo()
{
    static CZMROSVersionInfo s_info;
    return &s_info;
}
