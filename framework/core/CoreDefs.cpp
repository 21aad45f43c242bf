#include "core/CoreDefs.h"

namespace {
HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hResource = nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_hInstance ? g_hInstance : GetModuleHandleW(nullptr);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance)
{
    g_hInstance = hInstance;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_hResource ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hResource)
{
    g_hResource = hResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    // The resource module first, then the program itself.
    HINSTANCE hResource = AfxGetResourceHandle();
    if (FindResourceW(hResource, lpszName, lpszType) != nullptr)
        return hResource;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (hInstance != hResource && FindResourceW(hInstance, lpszName, lpszType) != nullptr)
        return hInstance;
    return hResource;
}
