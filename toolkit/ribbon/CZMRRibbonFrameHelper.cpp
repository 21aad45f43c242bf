// The ribbon's frame helper: the frame's metrics, its window region (or,
// with desktop composition, its frame extended over the ribbon's caption)
// and its recalculation.
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonBar.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRControls.h"
#include "CZMROffice2007Theme.h"
#include "CZMRDwmApiBinding.h"
#include "CZMRHookManager.h"

#include <algorithm>

CZMRRibbonFrameHelper::CZMRRibbonFrameHelper(HWND hWndFrame, CZMRRibbonBar* pRibbonBar,
                                             CZMRBarManager* pBarManager, CZMRPaintManager* pPaintManager)
    : m_hWndFrame(hWndFrame), m_pRibbonBar(pRibbonBar), m_pBarManager(pBarManager), m_pPaintManager(pPaintManager),
      m_bFrameActive(TRUE), m_nLastWidth(0), m_nLastHeight(0), m_bRecalcPosted(FALSE), m_pCaptionButtons(nullptr),
      m_bInRegionUpdate(FALSE), m_nFrameBorderWidth(0), m_bCompositionEnabled(FALSE),
      m_pDwmApi(::GetDwmApiBinding()), m_frameHook(this), m_bFrameHooked(FALSE)
{
    m_pCaptionButtons = new CZMRControls;
}

CZMRRibbonFrameHelper::~CZMRRibbonFrameHelper()
{
    // The ribbon deletes its helper while it is torn down itself: the frame
    // is let go without being laid out again.
    if (m_bFrameHooked && m_hWndFrame && ::IsWindow(m_hWndFrame))
        GetHookManager()->RemoveHook(m_hWndFrame, &m_frameHook);
    m_pCaptionButtons->RemoveAll();
    m_pCaptionButtons->InternalRelease();
}

DWORD CZMRRibbonFrameHelper::GetFrameStyle(BOOL bExtended) const
{
    if (!m_hWndFrame || !::IsWindow(m_hWndFrame))
        return 0;
    return DWORD(::GetWindowLongW(m_hWndFrame, bExtended ? GWL_EXSTYLE : GWL_STYLE));
}

CZMRPaintManager* CZMRRibbonFrameHelper::GetPaintManager() const
{
    return m_pBarManager ? m_pBarManager->GetPaintManager() : m_pPaintManager;
}

BOOL CZMRRibbonFrameHelper::IsMaximizedMdiChild() const
{
    return (GetFrameStyle() & WS_MAXIMIZE) && (GetFrameStyle(TRUE) & WS_EX_MDICHILD);
}

BOOL CZMRRibbonFrameHelper::IsStandardCaption() const
{
    if (!m_pRibbonBar || !m_pRibbonBar->IsVisible() || !m_pRibbonBar->IsShownBySize() ||
        m_pRibbonBar->GetPosition() != zmrBarTop)
        return TRUE;
    const DWORD dwStyle = GetFrameStyle();
    return (dwStyle & WS_MINIMIZE) && (dwStyle & WS_CHILD);
}

int CZMRRibbonFrameHelper::GetCaptionHeight() const
{
    if (!IsStandardCaption())
        return m_pRibbonBar->GetCaptionHeight() + m_nFrameBorderWidth;
    const CZMROffice2007Theme* pTheme = dynamic_cast<CZMROffice2007Theme*>(GetPaintManager());
    const int nCaption = pTheme ? pTheme->m_nFrameCaptionHeight : std::max(::GetSystemMetrics(SM_CYCAPTION), 17);
    return nCaption + m_nFrameBorderWidth;
}

BOOL CZMRRibbonFrameHelper::GetFrameStatusBarHeight(int* pnHeight) const
{
    const CZMROffice2007Theme* pTheme = dynamic_cast<CZMROffice2007Theme*>(GetPaintManager());
    if (!pTheme || !pTheme->m_bFrameStatusBar || !pTheme->m_bUseStatusBarTheme || !m_hWndFrame)
        return FALSE;
    HWND hWndStatus = ::GetDlgItem(m_hWndFrame, AFX_IDW_STATUS_BAR);
    if (!hWndStatus || !(::GetWindowLongW(hWndStatus, GWL_STYLE) & WS_VISIBLE))
        return FALSE;
    if (pnHeight)
    {
        CRect rc;
        ::GetWindowRect(hWndStatus, &rc);
        *pnHeight = rc.Height();
    }
    return TRUE;
}

void CZMRRibbonFrameHelper::PostRecalc()
{
    m_bRecalcPosted = TRUE;
    if (m_hWndFrame)
        ::PostMessageW(m_hWndFrame, WM_IDLEUPDATECMDUI, 0, 0);
}

void CZMRRibbonFrameHelper::RecalcFrame()
{
    m_nLastWidth = 0;
    m_nLastHeight = 0;
    m_bRecalcPosted = FALSE;
    if (!m_hWndFrame || !::IsWindow(m_hWndFrame))
        return;
    ::SetWindowPos(m_hWndFrame, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hWndFrame)))
    {
        pFrame->RecalcLayout(FALSE);
    }
    else
    {
        CRect rc;
        ::GetClientRect(m_hWndFrame, &rc);
        ::SendMessageW(m_hWndFrame, WM_SIZE, 0, MAKELPARAM(rc.Width(), rc.Height()));
    }
    if (m_pRibbonBar)
        m_pRibbonBar->Redraw();
}

void CZMRRibbonFrameHelper::UpdateFrameRegion(int nWidth, int nHeight, BOOL bForce)
{
    // Setting the region makes the system resize the frame, which may bring
    // the frame straight back here.
    if (m_bInRegionUpdate)
        return;
    m_bInRegionUpdate = TRUE;
    if (bForce || nWidth != m_nLastWidth || nHeight != m_nLastHeight)
    {
        const DWORD dwStyle = GetFrameStyle(), dwExStyle = GetFrameStyle(TRUE);
        CRect rc(0, 0, nWidth, nHeight);
        ::AdjustWindowRectEx(&rc, dwStyle, FALSE, dwExStyle);
        m_nFrameBorderWidth = -rc.left;
        HWND hWnd = (m_hWndFrame && ::IsWindow(m_hWndFrame)) ? m_hWndFrame : nullptr;

        if (m_bCompositionEnabled)
        {
            if (!(dwStyle & WS_MAXIMIZE))
                m_nFrameBorderWidth = 4;
            // The composed frame reaches down over the ribbon's caption only.
            const int cyTop = IsStandardCaption() ? 0 : GetCaptionHeight();
            if (hWnd)
                m_pDwmApi->ExtendFrameIntoClientArea(hWnd, 0, cyTop, 0, 0);
        }
        else if (IsMaximizedMdiChild())
        {
            if (hWnd)
                ::SetWindowRgn(hWnd, nullptr, TRUE);
        }
        else if (hWnd)
        {
            HRGN hRgn = nullptr;
            if (dwStyle & WS_MAXIMIZE)
            {
                const int d = (dwExStyle & WS_EX_CLIENTEDGE) ? m_nFrameBorderWidth - 2 : m_nFrameBorderWidth;
                hRgn = ::CreateRectRgn(d, d, nWidth - d, nHeight - d);
            }
            else if (CZMROffice2007Theme* pTheme = dynamic_cast<CZMROffice2007Theme*>(GetPaintManager()))
            {
                hRgn = pTheme->CreateFrameRegion(this, nWidth, nHeight);
            }
            // Once set, the region belongs to the system; only a refused one is ours to delete.
            if (!::SetWindowRgn(hWnd, hRgn, TRUE) && hRgn)
                ::DeleteObject(hRgn);
        }
        m_nLastWidth = nWidth;
        m_nLastHeight = nHeight;
    }
    m_bInRegionUpdate = FALSE;
}

void CZMRRibbonFrameHelper::RefreshFrameRegion()
{
    if (!m_hWndFrame || !::IsWindow(m_hWndFrame))
        return;
    CRect rc;
    ::GetWindowRect(m_hWndFrame, &rc);
    UpdateFrameRegion(rc.Width(), rc.Height(), TRUE);
}

// ---------------------------------------------------------------- the frame's messages

CZMROffice2007Theme* CZMRRibbonFrameHelper::GetFrameTheme() const
{
    return dynamic_cast<CZMROffice2007Theme*>(GetPaintManager());
}

void CZMRRibbonFrameHelper::HookFrame(BOOL bHook)
{
    if (bHook == m_bFrameHooked)
        return;
    if (!bHook)
    {
        m_bFrameHooked = FALSE;
        if (m_hWndFrame && ::IsWindow(m_hWndFrame))
        {
            GetHookManager()->RemoveHook(m_hWndFrame, &m_frameHook);
            ::SetWindowRgn(m_hWndFrame, nullptr, TRUE);
            RecalcFrame();
        }
        return;
    }
    if (!m_hWndFrame || !::IsWindow(m_hWndFrame))
        return;
    GetHookManager()->SetHook(m_hWndFrame, &m_frameHook);
    m_bFrameHooked = TRUE;
    m_bFrameActive = ::GetActiveWindow() == m_hWndFrame;
    m_bCompositionEnabled = m_pDwmApi->IsCompositionEnabled();
    RecalcFrame();
    RefreshFrameRegion();
}

int CZMRRibbonFrameHelper::CFrameHook::HandleHookedMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                                           LRESULT& lResult)
{
    return m_pHelper->OnFrameMessage(nMessage, wParam, lParam, lResult);
}

LRESULT CZMRRibbonFrameHelper::CallFrameProc(UINT nMessage, WPARAM wParam, LPARAM lParam) const
{
    CZMRHookManager::CHookSink* pSink = GetHookManager()->Lookup(m_hWndFrame);
    return pSink ? pSink->CallPrevious(nMessage, wParam, lParam)
                 : ::DefWindowProcW(m_hWndFrame, nMessage, wParam, lParam);
}

CRect CZMRRibbonFrameHelper::GetFrameInsets()
{
    // The system's border for the frame's style, on every side; the top
    // holds the whole caption while the frame keeps it, else only the border.
    CRect rc(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rc, GetFrameStyle(), FALSE, GetFrameStyle(TRUE));
    m_nFrameBorderWidth = -rc.left;
    const int b = m_nFrameBorderWidth;
    return CRect(b, IsStandardCaption() ? GetCaptionHeight() : b, b, b);
}

void CZMRRibbonFrameHelper::PaintFrame()
{
    CZMROffice2007Theme* pTheme = GetFrameTheme();
    if (!pTheme || !m_hWndFrame || !::IsWindow(m_hWndFrame) || (GetFrameStyle() & WS_MINIMIZE))
        return;
    CWindowDC dc(CWnd::FromHandle(m_hWndFrame));
    // Only the non-client area: the client's own painting stays.
    CRect rcWindow, rcClient;
    ::GetWindowRect(m_hWndFrame, &rcWindow);
    ::GetClientRect(m_hWndFrame, &rcClient);
    ::MapWindowPoints(m_hWndFrame, nullptr, reinterpret_cast<LPPOINT>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(rcClient);
    pTheme->DrawFrame(&dc, this);
}

int CZMRRibbonFrameHelper::OnFrameMessage(UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    // The frame is drawn by the theme only while it is not composed; a
    // composed frame keeps the system's drawing and is extended instead.
    const BOOL bDrawn = !m_bCompositionEnabled && GetFrameTheme() && !(GetFrameStyle() & WS_MINIMIZE);
    switch (nMessage)
    {
    case WM_NCCALCSIZE:
        if (bDrawn)
        {
            RECT& rc = *reinterpret_cast<RECT*>(lParam);
            const CRect rcInsets = GetFrameInsets();
            rc.left += rcInsets.left;
            rc.top += rcInsets.top;
            rc.right -= rcInsets.right;
            rc.bottom -= rcInsets.bottom;
            if (rc.bottom < rc.top)
                rc.bottom = rc.top;
            if (rc.right < rc.left)
                rc.right = rc.left;
            lResult = 0;
            return ZMR_HOOK_HANDLED;
        }
        if (m_bCompositionEnabled && !IsStandardCaption())
        {
            // The ribbon's caption lies on the frame extended down over it.
            const int nTop = reinterpret_cast<RECT*>(lParam)->top;
            lResult = CallFrameProc(nMessage, wParam, lParam);
            reinterpret_cast<RECT*>(lParam)->top = nTop;
            return ZMR_HOOK_HANDLED;
        }
        return ZMR_HOOK_NOTHANDLED;

    case WM_NCPAINT:
        if (!bDrawn)
            return ZMR_HOOK_NOTHANDLED;
        PaintFrame();
        lResult = 0;
        return ZMR_HOOK_HANDLED;

    case WM_NCACTIVATE:
        m_bFrameActive = wParam != 0;
        if (bDrawn)
        {
            // The frame's own handling runs; the system paints no caption of
            // its own over ours (lParam -1).
            lResult = CallFrameProc(nMessage, wParam, LPARAM(-1));
            PaintFrame();
        }
        else
        {
            lResult = CallFrameProc(nMessage, wParam, lParam);
        }
        if (m_pRibbonBar && m_pRibbonBar->GetSafeHwnd())
            m_pRibbonBar->Redraw();
        return ZMR_HOOK_HANDLED;

    case WM_SETTEXT:
    case WM_SETICON:
        // The system draws the new caption at once in its own look.
        lResult = CallFrameProc(nMessage, wParam, lParam);
        if (bDrawn)
            PaintFrame();
        if (nMessage == WM_SETTEXT && m_pRibbonBar && m_pRibbonBar->GetSafeHwnd())
            m_pRibbonBar->OnRecalcLayout();
        return ZMR_HOOK_HANDLED;

    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
        {
            lResult = CallFrameProc(nMessage, wParam, lParam);
            CRect rc;
            ::GetWindowRect(m_hWndFrame, &rc);
            UpdateFrameRegion(rc.Width(), rc.Height(), FALSE);
            return ZMR_HOOK_HANDLED;
        }
        return ZMR_HOOK_NOTHANDLED;

    case WM_IDLEUPDATECMDUI:
        if (m_bRecalcPosted)
            RecalcFrame();
        return ZMR_HOOK_NOTHANDLED;

    case WM_DWMCOMPOSITIONCHANGED:
        m_bCompositionEnabled = m_pDwmApi->IsCompositionEnabled();
        // A composed frame keeps no region of its own.
        if (m_bCompositionEnabled)
            ::SetWindowRgn(m_hWndFrame, nullptr, TRUE);
        RecalcFrame();
        RefreshFrameRegion();
        return ZMR_HOOK_NOTHANDLED;
    }
    return ZMR_HOOK_NOTHANDLED;
}
