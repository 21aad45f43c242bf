#include "CZMRDwmApiBinding.h"

namespace
{
// The frame margins in the order the composition function reads them.
struct ZMR_MARGINS
{
    int cxLeftWidth;
    int cxRightWidth;
    int cyTopHeight;
    int cyBottomHeight;
};
}

CZMRDwmApiBinding::CZMRDwmApiBinding(LPCWSTR lpszModule)
    : m_pfnDwmDefWindowProc(nullptr), m_pfnSpare(nullptr), m_pfnDwmExtendFrameIntoClientArea(nullptr)
{
    m_hModule = ::LoadLibraryW(lpszModule);
    if (m_hModule)
    {
        m_pfnDwmDefWindowProc = reinterpret_cast<decltype(m_pfnDwmDefWindowProc)>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, "DwmDefWindowProc")));
        m_pfnDwmExtendFrameIntoClientArea = reinterpret_cast<decltype(m_pfnDwmExtendFrameIntoClientArea)>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, "DwmExtendFrameIntoClientArea")));
    }
}

HRESULT CZMRDwmApiBinding::DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* plResult)
{
    if (!m_pfnDwmDefWindowProc)
        return E_FAIL;
    return m_pfnDwmDefWindowProc(hWnd, message, wParam, lParam, plResult);
}

HRESULT CZMRDwmApiBinding::ExtendFrameIntoClientArea(HWND hWnd, int cxLeftWidth, int cyTopHeight,
                                                     int cxRightWidth, int cyBottomHeight)
{
    if (!m_pfnDwmExtendFrameIntoClientArea)
        return E_FAIL;
    ZMR_MARGINS margins = {cxLeftWidth, cxRightWidth, cyTopHeight, cyBottomHeight};
    return m_pfnDwmExtendFrameIntoClientArea(hWnd, &margins);
}

CZMRDwmApiBinding* GetDwmApiBinding()
{
    static CZMRDwmApiBinding* s_pBinding = new CZMRDwmApiBinding;
    return s_pBinding;
}
