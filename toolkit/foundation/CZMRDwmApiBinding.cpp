#include "CZMRDwmApiBinding.h"

CZMRDwmApiBinding::CZMRDwmApiBinding(LPCWSTR lpszModule)
    : m_pfnDwmDefWindowProc(nullptr), m_pfnDwmIsCompositionEnabled(nullptr), m_pfnDwmExtendFrameIntoClientArea(nullptr)
{
    m_hModule = ::LoadLibraryW(lpszModule);
    if (m_hModule)
    {
        m_pfnDwmDefWindowProc = reinterpret_cast<decltype(m_pfnDwmDefWindowProc)>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, "DwmDefWindowProc")));
        m_pfnDwmIsCompositionEnabled = reinterpret_cast<decltype(m_pfnDwmIsCompositionEnabled)>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, "DwmIsCompositionEnabled")));
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
    const MARGINS margins = MakeMargins(cxLeftWidth, cyTopHeight, cxRightWidth, cyBottomHeight);
    return m_pfnDwmExtendFrameIntoClientArea(hWnd, &margins);
}

BOOL CZMRDwmApiBinding::IsCompositionEnabled()
{
    BOOL bEnabled = FALSE;
    if (!m_pfnDwmIsCompositionEnabled || FAILED(m_pfnDwmIsCompositionEnabled(&bEnabled)))
        return FALSE;
    return bEnabled;
}

MARGINS CZMRDwmApiBinding::MakeMargins(int cxLeftWidth, int cyTopHeight, int cxRightWidth, int cyBottomHeight)
{
    MARGINS margins;
    margins.cxLeftWidth = cxLeftWidth;
    margins.cxRightWidth = cxRightWidth;
    margins.cyTopHeight = cyTopHeight;
    margins.cyBottomHeight = cyBottomHeight;
    return margins;
}

CZMRDwmApiBinding* GetDwmApiBinding()
{
    static CZMRDwmApiBinding* s_pBinding = new CZMRDwmApiBinding;
    return s_pBinding;
}
