#include "CZMRToolTipContextToolTip.h"
#include "CZMRCommandBarClock.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"
#include "CZMRMonitorAreas.h"
#include "CZMROSVersionInfo.h"
#include "CZMROffice2007Image.h"
#include "CZMROffice2007Images.h"
#include "CZMRToolTipContext.h"

#include <algorithm>

namespace
{
const UINT_PTR g_nPendingTimer = 1;
// Where a tip goes below the cursor when the cursor cannot be read.
const int g_nDefaultCursorHeight = 21;
const UINT g_nTextFormat = DT_NOPREFIX | DT_EXPANDTABS;

BOOL IsRightToLeft(HWND hWnd)
{
    return hWnd && (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
}

BOOL IsButtonDown()
{
    return ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 || ::GetKeyState(VK_MBUTTON) < 0;
}
}

HHOOK CZMRToolTipContextToolTip::s_hMouseHook = nullptr;
HWND CZMRToolTipContextToolTip::s_hWndHooked = nullptr;

BOOL CZMRToolTipContextToolTip::TOOLITEM::IsSameTooltipTool(const TOOLITEM* pTool) const
{
    if (!pTool)
        return hWnd == nullptr;
    return hWnd == pTool->hWnd && nId == pTool->nId;
}

CZMRToolTipContextToolTip::CZMRToolTipContextToolTip(CZMRToolTipContext* pContext)
    : m_bActive(FALSE), m_pContext(pContext), m_nPendingTimer(0), m_dwLastChange(0), m_nInitialDelay(500),
      m_nReshowTime(200), m_pTipImage(nullptr), m_bRegionSet(FALSE)
{
}

CZMRToolTipContextToolTip::~CZMRToolTipContextToolTip()
{
    DestroyWindow();
    for (TOOLITEM* pTool : m_arrTools)
        delete pTool;
    m_arrTools.clear();
}

void CZMRToolTipContextToolTip::ClearTool(TOOLITEM& tool)
{
    tool = TOOLITEM();
}

BOOL CZMRToolTipContextToolTip::CreateTipWindow(CWnd* pOwner, DWORD dwStyle)
{
    UINT nClassStyle = CS_SAVEBITS | CS_OWNDC;
    if (!(dwStyle & CZMRToolTipContext::tipStyleNoShadow) && GetOSVersionInfo()->TestWindowsXPOrLater())
        nClassStyle |= CS_DROPSHADOW;
    LPCTSTR lpszClass = AfxRegisterWndClass(nClassStyle, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, dwStyle | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pOwner ? pOwner->GetSafeHwnd() : nullptr, nullptr);
}

LRESULT CZMRToolTipContextToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
        ShowTool(nullptr);
        return 0;
    case WM_TIMER:
        if (wParam == g_nPendingTimer)
            OnTimer();
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case TTM_ACTIVATE:
        Activate(static_cast<BOOL>(wParam));
        return 0;
    case TTM_SETDELAYTIME:
        if (wParam == TTDT_INITIAL)
            m_nInitialDelay = LOWORD(lParam);
        else if (wParam == TTDT_RESHOW)
            m_nReshowTime = LOWORD(lParam);
        return 0;
    case TTM_ADDTOOLW:
        return AddTool(reinterpret_cast<const TOOLINFO*>(lParam));
    case TTM_DELTOOLW:
        DeleteTool(reinterpret_cast<const TOOLINFO*>(lParam));
        return 0;
    case TTM_RELAYEVENT:
        RelayEvent(reinterpret_cast<const MSG*>(lParam));
        return 0;
    case TTM_SETTITLEW:
        SetTitle(reinterpret_cast<LPCWSTR>(lParam));
        return 1;
    case TTM_UPDATETIPTEXTW:
        UpdateTipText(reinterpret_cast<const TOOLINFO*>(lParam));
        return 0;
    case TTM_WINDOWFROMPOINT:
        return lParam ? reinterpret_cast<LRESULT>(WindowFromPoint(*reinterpret_cast<const POINT*>(lParam))) : 0;
    case ZMR_WM_TOOLTIPSETIMAGE:
        SetTipImage(reinterpret_cast<CZMRImageManagerIcon*>(lParam));
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

HWND CZMRToolTipContextToolTip::WindowFromPoint(POINT pt)
{
    HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) &&
        ::SendMessageW(hWnd, ZMR_WM_TOOLTIPPARENTTOOLS, 0, 0) == 1)
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

// ---------------------------------------------------------------- tools

BOOL CZMRToolTipContextToolTip::AddTool(const TOOLINFO* pInfo)
{
    if (!pInfo)
        return FALSE;
    TOOLITEM* pTool = new TOOLITEM;
    pTool->hWnd = pInfo->hwnd;
    pTool->uFlags = pInfo->uFlags;
    pTool->nId = pInfo->uId;
    pTool->rcTool = pInfo->rect;
    pTool->hInst = pInfo->hinst;
    if (pInfo->lpszText == LPSTR_TEXTCALLBACKW)
        pTool->bTextCallback = TRUE;
    else if (IS_INTRESOURCE(pInfo->lpszText))
    {
        // A string-resource number, not a pointer to read.
        if (pInfo->lpszText)
            pTool->strText.LoadString(pInfo->hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(pInfo->lpszText)));
    }
    else
        pTool->strText = pInfo->lpszText;
    if (pInfo->cbSize >= TTTOOLINFOW_V2_SIZE && pInfo->lParam)
        pTool->rcPlacement = reinterpret_cast<const ZMR_TOOLINFO_EXTENDED*>(pInfo->lParam)->rcPlacement;
    m_arrTools.push_back(pTool);
    return TRUE;
}

CZMRToolTipContextToolTip::TOOLITEM* CZMRToolTipContextToolTip::FindTool(HWND hWnd, UINT_PTR nId)
{
    for (TOOLITEM* pTool : m_arrTools)
    {
        if (pTool->hWnd == hWnd && pTool->nId == nId)
            return pTool;
    }
    return nullptr;
}

void CZMRToolTipContextToolTip::DeleteTool(const TOOLINFO* pInfo)
{
    if (!pInfo)
        return;
    TOOLITEM* pTool = FindTool(pInfo->hwnd, pInfo->uId);
    if (!pTool)
        return;
    if (m_currentTool.IsSameTooltipTool(pTool))
        ShowTool(nullptr);
    if (m_clickedTool.IsSameTooltipTool(pTool))
        ClearTool(m_clickedTool);
    if (m_pendingTool.IsSameTooltipTool(pTool))
        ClearTool(m_pendingTool);
    m_arrTools.erase(std::find(m_arrTools.begin(), m_arrTools.end(), pTool));
    delete pTool;
}

void CZMRToolTipContextToolTip::UpdateTipText(const TOOLINFO* pInfo)
{
    if (!pInfo)
        return;
    TOOLITEM* pTool = FindTool(pInfo->hwnd, pInfo->uId);
    if (!pTool)
        return;
    if (pInfo->lpszText == LPSTR_TEXTCALLBACKW)
    {
        pTool->bTextCallback = TRUE;
        pTool->strText.Empty();
    }
    else
    {
        pTool->bTextCallback = FALSE;
        pTool->strText = IS_INTRESOURCE(pInfo->lpszText) ? CString() : CString(pInfo->lpszText);
    }
}

void CZMRToolTipContextToolTip::SetTitle(LPCWSTR lpszTitle)
{
    m_strTitle = lpszTitle && !IS_INTRESOURCE(lpszTitle) ? lpszTitle : L"";
}

const CZMRToolTipContextToolTip::TOOLITEM* CZMRToolTipContextToolTip::FindToolUnderCursor()
{
    if (IsButtonDown())
        return nullptr;
    CPoint pt;
    ::GetCursorPos(&pt);
    for (TOOLITEM* pTool : m_arrTools)
    {
        if (!::IsWindow(pTool->hWnd))
            continue;
        if (pTool->uFlags & TTF_IDISHWND)
        {
            CRect rc;
            ::GetWindowRect(pTool->hWnd, &rc);
            if (rc.PtInRect(pt))
                return pTool;
            continue;
        }
        CRect rc = pTool->rcTool;
        ::MapWindowPoints(pTool->hWnd, nullptr, reinterpret_cast<LPPOINT>(&rc), 2);
        rc.NormalizeRect();
        if (rc.PtInRect(pt) && WindowFromPoint(pt) == pTool->hWnd)
            return pTool;
    }
    return nullptr;
}

CString CZMRToolTipContextToolTip::GetToolText(TOOLITEM* pTool)
{
    if (!pTool)
        return CString();
    if (pTool->bTextCallback)
    {
        NMTTDISPINFOW info = {};
        info.hdr.hwndFrom = m_hWnd;
        info.hdr.idFrom = pTool->nId;
        info.hdr.code = TTN_GETDISPINFOW;
        info.uFlags = pTool->uFlags;
        info.lpszText = info.szText;
        ::SendMessageW(pTool->hWnd, WM_NOTIFY, pTool->nId, reinterpret_cast<LPARAM>(&info));
        CString strText;
        if (!IS_INTRESOURCE(info.lpszText))
            strText = info.lpszText;
        else if (info.lpszText)
            strText.LoadString(info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)));
        if (m_pContext && !(m_pContext->GetToolTipStyle() & TTS_NOPREFIX) && !strText.IsEmpty())
        {
            LPWSTR lpsz = strText.GetBuffer();
            CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(lpsz);
            strText.ReleaseBuffer();
        }
        pTool->strText = strText;
        pTool->bTextCallback = FALSE;
    }
    return pTool->strText;
}

// ---------------------------------------------------------------- showing

void CZMRToolTipContextToolTip::Activate(BOOL bActivate)
{
    m_bActive = bActivate;
    if (bActivate)
        return;
    if (m_nPendingTimer)
    {
        KillTimer(m_nPendingTimer);
        m_nPendingTimer = 0;
    }
    ClearTool(m_pendingTool);
    if (m_hWnd && ::IsWindowVisible(m_hWnd))
        ShowTool(nullptr);
}

void CZMRToolTipContextToolTip::RelayEvent(const MSG* pMsg)
{
    if (!m_bActive || !pMsg)
        return;
    const UINT message = pMsg->message;
    if (!(message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL) &&
        !(message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK))
        return;

    const TOOLITEM* pTool = FindToolUnderCursor();
    if (message == WM_LBUTTONDOWN)
    {
        if (pTool)
            m_clickedTool = *pTool;
        else
            ClearTool(m_clickedTool);
        pTool = nullptr;
    }
    else if (pTool && m_clickedTool.IsSameTooltipTool(pTool))
        pTool = nullptr;

    if (m_nPendingTimer && !m_pendingTool.IsSameTooltipTool(pTool))
    {
        KillTimer(m_nPendingTimer);
        m_nPendingTimer = 0;
        ClearTool(m_pendingTool);
    }

    if (pTool)
    {
        if (m_currentTool.IsSameTooltipTool(pTool))
            return;
        const DWORD dwNow = CZMRCommandBarClock::Get()->GetTickCount();
        if (dwNow - m_dwLastChange >= m_nReshowTime)
        {
            if (m_nPendingTimer && m_pendingTool.IsSameTooltipTool(pTool))
                return;
            m_pendingTool = *pTool;
            m_nPendingTimer = SetTimer(g_nPendingTimer, m_nInitialDelay, nullptr);
            return;
        }
    }
    ShowTool(pTool);
}

void CZMRToolTipContextToolTip::OnTimer()
{
    if (m_pendingTool.hWnd)
    {
        const TOOLITEM* pTool = FindToolUnderCursor();
        if (pTool && m_pendingTool.IsSameTooltipTool(pTool))
            ShowTool(pTool);
    }
    KillTimer(g_nPendingTimer);
    m_nPendingTimer = 0;
    ClearTool(m_pendingTool);
}

void CZMRToolTipContextToolTip::ShowTool(const TOOLITEM* pTool)
{
    if (m_currentTool.IsSameTooltipTool(pTool))
        return;
    // The stored tool may change while it is measured (its text is asked for).
    TOOLITEM* pShow = pTool ? FindTool(pTool->hWnd, pTool->nId) : nullptr;
    CSize sz(0, 0);
    if (pShow)
    {
        sz = CalcTipSize(pShow);
        if (sz.cx == 0 && sz.cy == 0)
            pShow = nullptr;
    }
    if (!pShow && m_currentTool.IsSameTooltipTool(nullptr))
        return;

    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (m_bRegionSet)
    {
        SetWindowRgn(nullptr, FALSE);
        m_bRegionSet = FALSE;
    }

    if (pShow)
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        CRect rc;
        if (pShow->rcPlacement.IsRectEmpty())
        {
            rc = CRect(CPoint(ptCursor.x, ptCursor.y + GetCursorHeight()), sz);
            if (IsRightToLeft(pShow->hWnd))
                rc.OffsetRect(-sz.cx, 0);
        }
        else
        {
            CPoint pt(pShow->rcTool.left, pShow->rcPlacement.bottom);
            ::ClientToScreen(pShow->hWnd, &pt);
            rc = CRect(pt, sz);
        }
        KeepOnScreen(rc, ptCursor);
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE);

        NMHDR hdr = {};
        hdr.hwndFrom = m_hWnd;
        hdr.idFrom = pShow->nId;
        hdr.code = TTN_SHOW;
        ::SendMessageW(pShow->hWnd, WM_NOTIFY, pShow->nId, reinterpret_cast<LPARAM>(&hdr));

        if (m_pContext && (m_pContext->GetToolTipStyle() & CZMRToolTipContext::tipStyleRounded))
            SetRoundedRegion(rc.Width(), rc.Height());
        ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        SetMouseHook();
        ClearTool(m_clickedTool);
        m_currentTool = *pShow;
    }
    else
    {
        RemoveMouseHook();
        ClearTool(m_pendingTool);
        ClearTool(m_currentTool);
    }
    m_dwLastChange = CZMRCommandBarClock::Get()->GetTickCount();
    OnTipShown(pShow != nullptr);
}

void CZMRToolTipContextToolTip::OnTipShown(BOOL /*bShown*/)
{
}

int CZMRToolTipContextToolTip::GetMaxTipWidth() const
{
    const int nWidth = m_pContext ? m_pContext->GetMaxTipWidth() : -1;
    return nWidth == -1 ? ::GetSystemMetrics(SM_CXSCREEN) : nWidth;
}

int CZMRToolTipContextToolTip::GetCursorHeight()
{
    ICONINFO info = {};
    HCURSOR hCursor = ::GetCursor();
    if (!hCursor || !::GetIconInfo(hCursor, &info))
        return g_nDefaultCursorHeight;

    BITMAP bm = {};
    int nResult = g_nDefaultCursorHeight;
    if (info.hbmMask && ::GetObjectW(info.hbmMask, sizeof(bm), &bm) && bm.bmWidth > 0)
    {
        WORD words[128] = {};
        const LONG cbRead = ::GetBitmapBits(info.hbmMask, sizeof(words), words);
        int n = bm.bmWidth * bm.bmHeight / 16;
        int nXor = -1;
        if (!info.hbmColor)
        {
            // An AND half over an XOR half.
            nXor = n - 1;
            n /= 2;
        }
        if (cbRead > 0)
        {
            int j = (n < 127 ? n : 127) - 1;
            for (; j >= 0; j--)
            {
                const BOOL bXor = nXor >= 0 && nXor < 128;
                if (words[j] != 0xFFFF || (bXor && words[nXor] != 0))
                    break;
                nXor--;
            }
            nResult = (j + 1) * 16 / bm.bmWidth - static_cast<int>(info.yHotspot);
        }
    }
    // The bitmaps of the icon information are ours to delete.
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return nResult;
}

void CZMRToolTipContextToolTip::KeepOnScreen(CRect& rc, CPoint ptCursor)
{
    const CRect rcWork = GetMonitorAreas()->GetWorkArea(ptCursor);
    if (rc.right > rcWork.right - 4)
        rc.OffsetRect(rcWork.right - 4 - rc.right, 0);
    if (rc.left < rcWork.left)
        rc.OffsetRect(rcWork.left - rc.left, 0);
    if (rc.bottom > rcWork.bottom - 4)
        rc.OffsetRect(0, ptCursor.y - 3 - rc.bottom);
}

void CZMRToolTipContextToolTip::SetRoundedRegion(int nWidth, int nHeight)
{
    HRGN hRgn = ::CreateRectRgn(1, 0, nWidth - 1, 1);
    HRGN hPart = ::CreateRectRgn(0, 1, nWidth, nHeight - 1);
    ::CombineRgn(hRgn, hRgn, hPart, RGN_OR);
    ::SetRectRgn(hPart, 1, nHeight - 1, nWidth - 1, nHeight);
    ::CombineRgn(hRgn, hRgn, hPart, RGN_OR);
    ::DeleteObject(hPart);
    SetWindowRgn(hRgn, FALSE);   // the window owns the region now
    m_bRegionSet = TRUE;
}

// ---------------------------------------------------------------- mouse hook

void CZMRToolTipContextToolTip::SetMouseHook()
{
    if (s_hMouseHook || s_hWndHooked)
        return;
    s_hMouseHook = ::SetWindowsHookExW(WH_MOUSE, MouseHookProc, nullptr, ::GetCurrentThreadId());
    if (s_hMouseHook)
        s_hWndHooked = m_hWnd;
}

void CZMRToolTipContextToolTip::RemoveMouseHook()
{
    if (s_hWndHooked != m_hWnd)
        return;
    if (s_hMouseHook)
        ::UnhookWindowsHookEx(s_hMouseHook);
    s_hMouseHook = nullptr;
    s_hWndHooked = nullptr;
}

LRESULT CALLBACK CZMRToolTipContextToolTip::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = s_hMouseHook;
    if (nCode == HC_ACTION && s_hWndHooked)
    {
        auto* pTip = static_cast<CZMRToolTipContextToolTip*>(CWnd::FromHandlePermanent(s_hWndHooked));
        const MOUSEHOOKSTRUCT* pHook = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (pTip && pTip->m_bActive && WindowFromPoint(pHook->pt) != pTip->m_currentTool.hWnd)
        {
            MSG msg = {};
            msg.hwnd = pHook->hwnd;
            msg.message = WM_MOUSEMOVE;
            msg.pt = pHook->pt;
            msg.time = ::GetMessageTime();
            pTip->RelayEvent(&msg);
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CZMRToolTipContextToolTip::OnDestroy()
{
    if (m_nPendingTimer)
        KillTimer(m_nPendingTimer);
    m_nPendingTimer = 0;
    ClearTool(m_currentTool);
    ClearTool(m_clickedTool);
    ClearTool(m_pendingTool);
    for (TOOLITEM* pTool : m_arrTools)
        delete pTool;
    m_arrTools.clear();
    m_strTitle.Empty();
    m_pTipImage = nullptr;
    m_bActive = FALSE;
    RemoveMouseHook();
}

// ---------------------------------------------------------------- measuring and painting

CSize CZMRToolTipContextToolTip::CalcTipSize(TOOLITEM* pTool)
{
    const CString strText = GetToolText(pTool);
    if (strText.IsEmpty() || !m_pContext)
        return CSize(0, 0);

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(m_pContext->GetFont());
    const CRect& rcMargin = m_pContext->m_rcMargin;
    const int m = rcMargin.left + rcMargin.right + 6;
    const int v = rcMargin.top + rcMargin.bottom + 6;
    const int a = GetMaxTipWidth() - m;

    CRect rcText(0, 0, a, 0);
    dc.DrawText(strText, &rcText, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
    int w = rcText.Width();
    int h = rcText.Height();

    int iw = 0;
    BOOL bSmallImage = FALSE;
    if (m_pTipImage)
    {
        const CSize szImage = m_pTipImage->GetExtent();
        iw = szImage.cx;
        bSmallImage = szImage.cy <= 16;
        if (!bSmallImage)
            w += iw + 5;
        else if (m_strTitle.IsEmpty())
            w += iw + 3;
        h = std::max(h, static_cast<int>(szImage.cy));
    }

    if (!m_strTitle.IsEmpty())
    {
        dc.SelectObject(m_pContext->GetBoldFont());
        CRect rcTitle(0, 0, a - 25, 0);
        dc.DrawText(m_strTitle, &rcTitle, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        h += rcTitle.Height() + 20;
        w = std::max(w + 25, std::min(a, rcTitle.Width() + 4) + (bSmallImage ? iw + 1 : 0));
    }
    dc.SelectObject(pOldFont);
    return CSize(w + m, h + v);
}

void CZMRToolTipContextToolTip::DrawTipContent(CDC* pDC, TOOLITEM* pTool, CRect rc)
{
    if (!m_pContext)
        return;
    const CRect& rcMargin = m_pContext->m_rcMargin;
    rc.DeflateRect(rcMargin.left + 3, rcMargin.top + 3, rcMargin.right + 3, rcMargin.bottom + 3);
    const BOOL bRtl = pTool && IsRightToLeft(pTool->hWnd);
    UINT nFormat = g_nTextFormat;
    if (bRtl)
        nFormat |= DT_RIGHT | DT_RTLREADING;

    CRect rcTitle(rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom);
    CSize szImage(0, 0);
    BOOL bSmallImage = FALSE;
    if (m_pTipImage)
    {
        szImage = m_pTipImage->GetExtent();
        bSmallImage = szImage.cy <= 16;
    }
    if (bSmallImage)
    {
        CPoint pt(bRtl ? rc.right - szImage.cx : rc.left, rc.top);
        m_pTipImage->Draw(pDC, pt, m_pTipImage->GetIcon(ZMR_ICONSTATE_NORMAL), szImage);
        CRect& rcMove = m_strTitle.IsEmpty() ? rc : rcTitle;
        const int nMove = m_strTitle.IsEmpty() ? szImage.cx + 3 : szImage.cx + 1;
        if (bRtl)
            rcMove.right -= nMove;
        else
            rcMove.left += nMove;
    }

    if (!m_strTitle.IsEmpty())
    {
        CFont* pOldFont = pDC->SelectObject(m_pContext->GetBoldFont());
        CRect rcMeasure = rcTitle;
        pDC->DrawText(m_strTitle, &rcMeasure, nFormat | DT_SINGLELINE | DT_CALCRECT);
        pDC->DrawText(m_strTitle, &rcTitle, nFormat | DT_SINGLELINE);
        pDC->SelectObject(pOldFont);
        rc.top += rcMeasure.Height() + 12;
        if (bRtl)
        {
            rc.right -= 10;
            rc.left += 15;
        }
        else
        {
            rc.left += 10;
            rc.right -= 15;
        }
    }

    if (m_pTipImage && !bSmallImage)
    {
        CPoint pt(bRtl ? rc.right - szImage.cx : rc.left, rc.top);
        m_pTipImage->Draw(pDC, pt, m_pTipImage->GetIcon(ZMR_ICONSTATE_NORMAL), szImage);
        if (bRtl)
            rc.right -= szImage.cx + 5;
        else
            rc.left += szImage.cx + 5;
    }

    pDC->DrawText(GetToolText(pTool), &rc, nFormat | DT_WORDBREAK);
}

void CZMRToolTipContextToolTip::DrawSkinTipFace(CDC* pDC, CRect rc)
{
    CZMROffice2007Images* pImages = GetOffice2007Images();
    COLORREF clrLight = pImages->LookupIniColor(L"Window", L"TooltipLight");
    COLORREF clrDark = pImages->LookupIniColor(L"Window", L"TooltipDark");
    if (clrLight == static_cast<COLORREF>(-1))
        clrLight = RGB(255, 255, 255);
    if (clrDark == static_cast<COLORREF>(-1))
        clrDark = RGB(201, 217, 239);
    GetDrawHelpers()->GradientFill(pDC, rc, clrLight, clrDark, FALSE);
    if (CZMROffice2007Image* pFrame = pImages->LoadFile(L"TOOLTIPFRAME"))
    {
        pFrame->DrawImageTransparent(pDC, rc, pFrame->GetSource(0, 1), CRect(3, 3, 3, 3), RGB(255, 0, 255));
    }
    else
    {
        COLORREF clrBorder = pImages->LookupIniColor(L"Window", L"TooltipBorder");
        if (clrBorder == static_cast<COLORREF>(-1))
            clrBorder = RGB(118, 118, 118);
        pDC->Draw3dRect(rc, clrBorder, clrBorder);
    }
}

void CZMRToolTipContextToolTip::DrawTipBackground(CDC* pDC, TOOLITEM* /*pTool*/, CRect rc)
{
    if (!m_pContext)
        return;
    const DWORD dwStyle = m_pContext->GetToolTipStyle();
    if (dwStyle & CZMRToolTipContext::tipStyleRounded)
    {
        DrawSkinTipFace(pDC, rc);
        return;
    }
    pDC->FillSolidRect(rc, m_pContext->GetTipBackColor());
    const COLORREF clrTopLeft =
        (dwStyle & CZMRToolTipContext::tipStyleFlatTopLeft) ? ::GetSysColor(COLOR_BTNFACE) : RGB(0, 0, 0);
    pDC->Draw3dRect(rc, clrTopLeft, RGB(0, 0, 0));
}

void CZMRToolTipContextToolTip::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    TOOLITEM* pTool = FindTool(m_currentTool.hWnd, m_currentTool.nId);
    TOOLITEM* pDraw = pTool ? pTool : &m_currentTool;
    DrawTipBackground(&dc, pDraw, rc);
    if (!m_pContext)
        return;
    dc.SetTextColor(m_pContext->GetTipTextColor());
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = dc.SelectObject(m_pContext->GetFont());
    DrawTipContent(&dc, pDraw, rc);
    dc.SelectObject(pOldFont);
}
