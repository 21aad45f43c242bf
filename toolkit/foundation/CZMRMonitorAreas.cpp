#include "CZMRMonitorAreas.h"
#include "CZMROSVersionInfo.h"
#include "Framework.h"

CZMRMonitorAreas::CZMRMonitorAreas(LPCWSTR lpszModule)
    : m_pfnGetSystemMetrics(nullptr), m_pfnMonitorFromWindow(nullptr), m_pfnMonitorFromRect(nullptr),
      m_pfnMonitorFromPoint(nullptr), m_pfnGetMonitorInfo(nullptr)
{
    CZMROSVersionInfo* pVersion = GetOSVersionInfo();
    LPCSTR lpszGetMonitorInfo = (pVersion->dwPlatformId == VER_PLATFORM_WIN32_NT && pVersion->dwMajorVersion >= 4)
        ? "GetMonitorInfoW" : "GetMonitorInfoA";

    if (m_modUser32.Init(lpszModule)
        && m_modUser32.GetProcAddress(&m_pfnGetSystemMetrics, "GetSystemMetrics")
        && m_modUser32.GetProcAddress(&m_pfnMonitorFromWindow, "MonitorFromWindow")
        && m_modUser32.GetProcAddress(&m_pfnMonitorFromRect, "MonitorFromRect")
        && m_modUser32.GetProcAddress(&m_pfnMonitorFromPoint, "MonitorFromPoint")
        && m_modUser32.GetProcAddress(&m_pfnGetMonitorInfo, lpszGetMonitorInfo))
    {
        return;
    }
    m_pfnGetSystemMetrics = nullptr;
    m_pfnMonitorFromWindow = nullptr;
    m_pfnMonitorFromRect = nullptr;
    m_pfnMonitorFromPoint = nullptr;
    m_pfnGetMonitorInfo = nullptr;
}

BOOL CZMRMonitorAreas::GetMonitorInfo(HMONITOR hMonitor, MONITORINFO* pInfo)
{
    if (!hMonitor || !m_pfnGetMonitorInfo)
        return FALSE;
    pInfo->cbSize = sizeof(MONITORINFO);
    return m_pfnGetMonitorInfo(hMonitor, pInfo) ? TRUE : FALSE;
}

CRect CZMRMonitorAreas::GetMonitorBounds(HMONITOR hMonitor)
{
    MONITORINFO info;
    if (GetMonitorInfo(hMonitor, &info))
        return CRect(info.rcMonitor);
    return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

CRect CZMRMonitorAreas::GetWorkArea(HMONITOR hMonitor)
{
    MONITORINFO info;
    if (GetMonitorInfo(hMonitor, &info))
        return CRect(info.rcWork);
    CRect rcWork(0, 0, 0, 0);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    return rcWork;
}

CRect CZMRMonitorAreas::GetMonitorBounds(CPoint point)
{
    return GetMonitorBounds(m_pfnMonitorFromPoint ? m_pfnMonitorFromPoint(point, MONITOR_DEFAULTTONULL) : nullptr);
}

CRect CZMRMonitorAreas::GetMonitorBounds(LPCRECT lprc)
{
    return GetMonitorBounds(m_pfnMonitorFromRect ? m_pfnMonitorFromRect(lprc, MONITOR_DEFAULTTONULL) : nullptr);
}

CRect CZMRMonitorAreas::GetWorkArea(CPoint point)
{
    return GetWorkArea(m_pfnMonitorFromPoint ? m_pfnMonitorFromPoint(point, MONITOR_DEFAULTTONULL) : nullptr);
}

CRect CZMRMonitorAreas::GetWorkArea(LPCRECT lprc)
{
    return GetWorkArea(m_pfnMonitorFromRect ? m_pfnMonitorFromRect(lprc, MONITOR_DEFAULTTONULL) : nullptr);
}

CRect CZMRMonitorAreas::GetWorkArea(HWND hWnd)
{
    return GetWorkArea(m_pfnMonitorFromWindow ? m_pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONULL) : nullptr);
}

CRect CZMRMonitorAreas::GetWorkArea(const CWnd* pWnd)
{
    return GetWorkArea(pWnd ? pWnd->GetSafeHwnd() : HWND(nullptr));
}

CRect CZMRMonitorAreas::GetWorkArea()
{
    CPoint point(0, 0);
    ::GetCursorPos(&point);
    return GetWorkArea(point);
}

CZMRMonitorAreas* GetMonitorAreas()
{
    static CZMRMonitorAreas s_areas;
    return &s_areas;
}
