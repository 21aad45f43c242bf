// Which screen area or work area holds a point, a rectangle or a window.
// The multiple-monitor functions are bound at run time, all or nothing; without
// them every answer is the single screen.
#pragma once
#include "core/Core.h"
#include "CZMRModuleHandle.h"

class CWnd;

class CZMRMonitorAreas
{
public:
    // The module is "User32.dll" in the product; another one lets a test see
    // a system without the monitor functions.
    explicit CZMRMonitorAreas(LPCWSTR lpszModule = L"User32.dll");
    virtual ~CZMRMonitorAreas() {}

    BOOL GetMonitorInfo(HMONITOR hMonitor, MONITORINFO* pInfo);

    CRect GetMonitorBounds(HMONITOR hMonitor);
    CRect GetMonitorBounds(CPoint point);
    CRect GetMonitorBounds(LPCRECT lprc);

    CRect GetWorkArea(HMONITOR hMonitor);
    CRect GetWorkArea(CPoint point);
    CRect GetWorkArea(LPCRECT lprc);
    CRect GetWorkArea(HWND hWnd);
    CRect GetWorkArea(const CWnd* pWnd);
    CRect GetWorkArea();

    BOOL IsBound() const { return m_pfnMonitorFromPoint != nullptr; }

protected:
    int (WINAPI* m_pfnGetSystemMetrics)(int);
    HMONITOR (WINAPI* m_pfnMonitorFromWindow)(HWND, DWORD);
    HMONITOR (WINAPI* m_pfnMonitorFromRect)(LPCRECT, DWORD);
    HMONITOR (WINAPI* m_pfnMonitorFromPoint)(POINT, DWORD);
    BOOL (WINAPI* m_pfnGetMonitorInfo)(HMONITOR, LPMONITORINFO);
    CZMRModuleHandle m_modUser32;
};

CZMRMonitorAreas* GetMonitorAreas();
