#include "CZMRDialogBar.h"
#include "CZMRBarManager.h"
#include "CZMRMenuBar.h"
#include "CZMRControls.h"
#include "CZMRPaintManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRMeasureDC.h"
#include "CZMRFontDC.h"
#include "CZMRPenDC.h"
#include "CZMRBrushDC.h"
#include <algorithm>

IMPLEMENT_SERIAL(CZMRDialogBar, CZMRToolBar, VERSIONABLE_SCHEMA | 0x21)

BEGIN_MESSAGE_MAP(CZMRDialogBar, CZMRToolBar)
    ON_WM_NCHITTEST()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const int CaptionControlId = 9147;
const int HideButtonId = 9149;
const int CaptionButtonSize = 16;
const int ResizeBorder = 3;
}

CZMRDialogBar::CZMRDialogBar()
    : m_rcMargins(3, 3, 3, 3), m_bResizable(TRUE), m_szMinimum(50, 50), m_bShowCaption(TRUE), m_bCaptionPopup(TRUE),
      m_nCaptionHeight(0), m_szDockedClient(200, 200), m_szFloatingClient(200, 200), m_hWndChild(nullptr),
      m_pCaptionPopupBar(new CCaptionPopupBar), m_bActive(FALSE)
{
    m_bCustomizable = FALSE;
}

CZMRDialogBar::~CZMRDialogBar()
{
    m_pCaptionPopupBar->InternalRelease();
}

int CZMRDialogBar::MeasureCaption(CSize* pszGripper) const
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (!pPaintManager)
        return 0;
    auto* pThis = const_cast<CZMRDialogBar*>(this);
    CZMRMeasureDC dc(nullptr);
    CZMRFontDC font(dc, pPaintManager->GetBarFont(pThis));
    const CSize sz = pPaintManager->DrawGripper(dc, pThis, FALSE);
    if (pszGripper)
        *pszGripper = sz;
    return sz.cy;
}

CRect CZMRDialogBar::GetClientMargins() const
{
    CRect rc = m_rcMargins;
    if (m_bShowCaption)
        rc.top += MeasureCaption();
    return rc;
}

// ---------------------------------------------------------------- layout

CSize CZMRDialogBar::CalcLayout(int nLength, DWORD dwMode, CSize szClient)
{
    CSize sz(szClient.cx + m_rcMargins.left + m_rcMargins.right, szClient.cy + m_rcMargins.top + m_rcMargins.bottom);
    if (!m_bShowCaption)
    {
        m_nCaptionHeight = 0;
        if (dwMode & LM_STRETCH)
        {
            if (dwMode & LM_VERTDOCK)
                sz.cy = nLength;
            else
                sz.cx = nLength;
        }
        return sz;
    }

    CSize szGripper;
    const int nCaption = MeasureCaption(&szGripper);
    m_nCaptionHeight = m_rcMargins.top + nCaption;
    sz.cy += nCaption;
    if (dwMode & LM_STRETCH)
    {
        if (dwMode & LM_VERTDOCK)
            sz.cy = nLength;
        else
            sz.cx = nLength;
    }
    if (dwMode & LM_HORZ)
        sz.cx = std::min<int>(sz.cx, nLength);
    else
        sz.cy = std::min<int>(sz.cy, nLength);

    // Both caption controls sit centred on the caption, 16 px high.
    const int y = m_rcMargins.top + nCaption / 2 - CaptionButtonSize / 2;
    int nRight = sz.cx - m_rcMargins.right;
    CZMRControl* pHide = GetControls()->FindControlById(HideButtonId);
    if (!pHide && IsCloseable())
        pHide = GetControls()->AddControl(new CControlButtonHide, HideButtonId, L"", -1, TRUE);
    if (pHide)
    {
        if (!IsCloseable())
            pHide->SetHideFlags(pHide->GetHideFlags() | zmrHideGeneric);
        else
        {
            pHide->SetHideFlags(pHide->GetHideFlags() & ~DWORD(zmrHideGeneric));
            pHide->SetRect(CRect(nRight - CaptionButtonSize, y, nRight, y + CaptionButtonSize));
            nRight -= CaptionButtonSize;
        }
    }
    auto* pCaption = static_cast<CControlCaptionPopup*>(GetControls()->FindControlById(CaptionControlId));
    if (!pCaption)
    {
        pCaption = static_cast<CControlCaptionPopup*>(
            GetControls()->AddControl(new CControlCaptionPopup, CaptionControlId, L"", -1, TRUE));
        pCaption->SetCommandBar(m_pCaptionPopupBar);
    }
    pCaption->m_bHasPopup = m_bCaptionPopup && m_pCaptionPopupBar->GetControlCount() > 0;
    pCaption->SetRect(CRect(m_rcMargins.left + szGripper.cx, y, nRight, y + CaptionButtonSize));
    pCaption->SetCaption(m_strCaption.IsEmpty() ? m_strTitle : m_strCaption);
    return sz;
}

CSize CZMRDialogBar::CalcDynamicLayout(int /*nLength*/, DWORD dwMode)
{
    return CalcLayout(32000, dwMode, m_szFloatingClient);
}

CSize CZMRDialogBar::CalcFixedLayout(int nLength, DWORD dwMode, int /*nThickness*/)
{
    return CalcLayout(nLength, dwMode, m_szDockedClient);
}

void CZMRDialogBar::ResizeBar(const CRect& rcWindow, int nHitTest)
{
    if (rcWindow.Width() < m_szMinimum.cx || rcWindow.Height() < m_szMinimum.cy)
        return;
    const CRect rcMargins = GetClientMargins();
    const CSize szClient(rcWindow.Width() - rcMargins.left - rcMargins.right,
                         rcWindow.Height() - rcMargins.top - rcMargins.bottom);
    if (m_barPosition == zmrBarFloating)
    {
        m_szFloatingClient = szClient;
        CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
        MoveWindow(rcWindow, TRUE);
        Redraw();
        return;
    }
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
        m_szDockedClient.cx = szClient.cx;
    else
        m_szDockedClient.cy = szClient.cy;
    OnRecalcLayout();
}

// ---------------------------------------------------------------- window

LRESULT CZMRDialogBar::OnNcHitTest(CPoint point)
{
    if (!m_bResizable)
        return CZMRCommandBar::OnNcHitTest(point);
    CRect rc;
    GetWindowRect(&rc);
    rc.DeflateRect(ResizeBorder, ResizeBorder);
    const BOOL bStretched = (m_dwFlags & 0x40) != 0;
    switch (m_barPosition)
    {
    case zmrBarFloating:
        if (point.y < rc.top)
            return point.x < rc.left ? HTTOPLEFT : point.x >= rc.right ? HTTOPRIGHT : HTTOP;
        if (point.y >= rc.bottom)
            return point.x < rc.left ? HTBOTTOMLEFT : point.x >= rc.right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (point.x < rc.left)
            return HTLEFT;
        if (point.x >= rc.right)
            return HTRIGHT;
        break;
    case zmrBarBottom:
        if (point.y <= rc.top)
            return HTTOP;
        if (point.x >= rc.right && !bStretched)
            return HTRIGHT;
        break;
    case zmrBarTop:
    case zmrBarLeft:
    {
        const BOOL bVertical = m_barPosition == zmrBarLeft;
        if (point.y >= rc.bottom && !(bStretched && bVertical))
            return HTBOTTOM;
        if (point.x >= rc.right && !(bStretched && !bVertical))
            return HTRIGHT;
        break;
    }
    case zmrBarRight:
        if (point.y >= rc.bottom && !bStretched)
            return HTBOTTOM;
        if (point.x <= rc.left)
            return HTLEFT;
        break;
    }
    return CZMRCommandBar::OnNcHitTest(point);
}

void CZMRDialogBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_hWndChild || !::IsWindow(m_hWndChild))
        return;
    const CRect rcMargins = GetClientMargins();
    ::SetWindowPos(m_hWndChild, nullptr, rcMargins.left, rcMargins.top,
                   std::max<int>(0, cx - rcMargins.left - rcMargins.right),
                   std::max<int>(0, cy - rcMargins.top - rcMargins.bottom), SWP_NOACTIVATE | SWP_NOZORDER);
    ::InvalidateRect(m_hWndChild, nullptr, FALSE);
}

int CZMRDialogBar::IsPointInside(CPoint ptScreen) const
{
    if (!GetSafeHwnd())
        return -2;
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcCaption(rcClient.left, rcClient.top, rcClient.right, m_nCaptionHeight);
    return rcCaption.PtInRect(pt) ? 1 : -2;
}

void CZMRDialogBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    // The focus is inside when it is on the bar, on a window of it, or on a
    // window owned by one (a dialog a control opened).
    BOOL bActive = FALSE;
    if (GetSafeHwnd())
    {
        for (HWND h = ::GetFocus(); h && !bActive; h = ::GetParent(h))
            bActive = h == m_hWnd || ::IsChild(m_hWnd, h);
    }
    if (bActive != m_bActive)
    {
        m_bActive = bActive;
        Redraw();
    }
    CZMRToolBar::OnIdleUpdateCmdUI(wParam, lParam);
}

CZMRCommandBar* CZMRDialogBar::Clone(BOOL bRecursive)
{
    CZMRCommandBar* pClone = CZMRToolBar::Clone(bRecursive);
    if (CZMRDialogBar* pDialogBar = DYNAMIC_DOWNCAST(CZMRDialogBar, pClone))
    {
        pDialogBar->m_rcMargins = m_rcMargins;
        pDialogBar->m_bResizable = m_bResizable;
        pDialogBar->m_szMinimum = m_szMinimum;
        pDialogBar->m_bShowCaption = m_bShowCaption;
        pDialogBar->m_bCaptionPopup = m_bCaptionPopup;
        pDialogBar->m_szDockedClient = m_szDockedClient;
        pDialogBar->m_szFloatingClient = m_szFloatingClient;
        pDialogBar->m_strCaption = m_strCaption;
    }
    return pClone;
}

// ---------------------------------------------------------------- caption controls

CZMRDialogBar::CControlButtonHide::CControlButtonHide()
{
    m_dwFlags = 0x1A;
}

void CZMRDialogBar::CControlButtonHide::Draw(CDC* pDC)
{
    // The close glyph, drawn as the menu bar's child buttons are.
    CZMRMenuBar::CControlMDIButton::DrawGlyph(pDC, this, L"r");
}

void CZMRDialogBar::CControlButtonHide::OnExecute()
{
    if (m_pParent)
        m_pParent->SetVisible(FALSE);
}

CZMRDialogBar::CControlCaptionPopup::CControlCaptionPopup() : m_bHasPopup(FALSE)
{
    m_dwFlags = 0x1E;
}

void CZMRDialogBar::CControlCaptionPopup::Draw(CDC* pDC)
{
    CZMRPaintManager* pPaintManager = GetPaintManager();
    CZMRFontDC font(pDC, pPaintManager->GetBarFont(m_pParent));
    COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    if (m_bHasPopup)
    {
        pPaintManager->DrawControlStateRect(pDC, this);
        clrText = pPaintManager->GetControlTextColor(this);
    }
    pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rcText(m_rcControl.left + 2, m_rcControl.top, m_rcControl.right - (m_bHasPopup ? 15 : 2), m_rcControl.bottom);
    pDC->DrawText(GetCaption(), rcText, DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
    if (m_bHasPopup)
    {
        // A small arrow pointing down, 8 wide and 4 high.
        const int y = m_rcControl.CenterPoint().y - 2;
        const POINT pts[3] = {{m_rcControl.right - 13, y}, {m_rcControl.right - 5, y}, {m_rcControl.right - 9, y + 4}};
        CZMRPenDC pen(pDC->GetSafeHdc(), clrText);
        CZMRBrushDC brush(pDC->GetSafeHdc(), clrText);
        pDC->Polygon(pts, 3);
    }
}

BOOL CZMRDialogBar::CControlCaptionPopup::ShowPopup(BOOL bPopup)
{
    if (!m_bHasPopup)
        return TRUE;
    return CZMRControlPopup::ShowPopup(bPopup);
}

void CZMRDialogBar::CControlCaptionPopup::AdjustAvoidRect(CRect& rcAvoid, BOOL /*bVertical*/)
{
    if (CZMRPaintManager* pPaintManager = GetPaintManager())
        pPaintManager->AdjustAvoidRect(rcAvoid, this, FALSE);
}

CZMRDialogBar::CCaptionPopupBar::CCaptionPopupBar()
{
    m_dwDirection = 2;
}

void CZMRDialogBar::CCaptionPopupBar::ComputeAnchorFromControl()
{
    CZMRPopupBar::ComputeAnchorFromControl();
    CZMRCommandBar* pParent = GetParentBar();
    if (!m_pControlPopup || !pParent || !pParent->GetSafeHwnd())
        return;
    CPoint pt(m_pControlPopup->GetRect().left, m_pControlPopup->GetRect().bottom);
    pParent->ClientToScreen(&pt);
    m_ptAnchor = pt;
    m_dwDirection = 3;
}
