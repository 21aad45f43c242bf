// The desktop-composition functions of the ribbon's frame, bound from
// "dwmapi.dll" at run time.
#pragma once
#include "core/Core.h"
#include <uxtheme.h>

class CZMRDwmApiBinding
{
public:
    // "dwmapi.dll" in the product; a test may name a module that is missing.
    explicit CZMRDwmApiBinding(LPCWSTR lpszModule = L"dwmapi.dll");
    virtual ~CZMRDwmApiBinding() = default;

    virtual HRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* plResult);
    // The margins by side; the platform's record is built here.
    virtual HRESULT ExtendFrameIntoClientArea(HWND hWnd, int cxLeftWidth, int cyTopHeight, int cxRightWidth, int cyBottomHeight);
    // Whether the desktop is composed now; FALSE without the function.
    virtual BOOL IsCompositionEnabled();

    // The platform's margins record for the sides given by meaning.
    static MARGINS MakeMargins(int cxLeftWidth, int cyTopHeight, int cxRightWidth, int cyBottomHeight);

protected:
    BOOL (WINAPI* m_pfnDwmDefWindowProc)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
    HRESULT (WINAPI* m_pfnDwmIsCompositionEnabled)(BOOL*);
    HRESULT (WINAPI* m_pfnDwmExtendFrameIntoClientArea)(HWND, const void*);
    HMODULE m_hModule;   // never freed
};

CZMRDwmApiBinding* GetDwmApiBinding();
