// Rectangle values taken from windows; a window that does not exist gives
// the empty rectangle.
#pragma once
#include "Framework.h"

class CZMREmptyRect : public CRect
{
public:
    CZMREmptyRect() : CRect(0, 0, 0, 0) {}
};

class CZMRWindowRect : public CRect
{
public:
    explicit CZMRWindowRect(HWND hWnd) : CRect(0, 0, 0, 0)
    {
        if (hWnd && ::IsWindow(hWnd))
            ::GetWindowRect(hWnd, this);
    }
    explicit CZMRWindowRect(const CWnd* pWnd) : CZMRWindowRect(pWnd ? pWnd->GetSafeHwnd() : HWND(nullptr)) {}
};

class CZMRClientRect : public CRect
{
public:
    explicit CZMRClientRect(const CWnd* pWnd) : CRect(0, 0, 0, 0)
    {
        HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
        if (hWnd && ::IsWindow(hWnd))
            ::GetClientRect(hWnd, this);
    }
};
