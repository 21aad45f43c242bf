// The native theme's drawing of bars: backgrounds of popup, floating and
// docked bars, the shared rebar background of the top dock, grippers,
// floating captions and separators.
#include "CZMRNativeXPTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRDockBar.h"
#include "CZMRFontDC.h"
#include <algorithm>

namespace
{
// The frame parts of a floating bar are this wide.
const int kFloatingFrame = 3;

BOOL IsDockedPosition(int nPosition)
{
    return nPosition >= zmrBarTop && nPosition <= zmrBarRight;
}
} // namespace

// ---------------------------------------------------------------- backgrounds

void CZMRNativeXPTheme::FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pRefWnd)
{
    CRect rcClient;
    pWnd->GetClientRect(rcClient);
    if (!IsVisualStyleActive())
    {
        pDC->FillSolidRect(rcClient, GetColor(COLOR_3DFACE));
        return;
    }
    CRect rcRef;
    pRefWnd->GetWindowRect(rcRef);
    pWnd->ScreenToClient(rcRef);
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), rpBackground, 0, rcRef, rcClient);
}

void CZMRNativeXPTheme::PaintDockBackground(CDC* pDC, CWnd* pDockBar)
{
    if (!IsVisualStyleActive())
    {
        CZMRDefaultTheme::PaintDockBackground(pDC, pDockBar);
        return;
    }
    const CZMRDockBar* pZMRDockBar = dynamic_cast<const CZMRDockBar*>(pDockBar);
    if (pZMRDockBar && pZMRDockBar->GetPosition() == 0)
    {
        FillRebarBackground(pDC, pDockBar, pDockBar);
        return;
    }
    CRect rc;
    pDockBar->GetClientRect(rc);
    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
}

void CZMRNativeXPTheme::PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar)
{
    const int nPosition = pBar->GetPosition();
    const BOOL bDialogBar = pBar->IsDialogBar();
    if (!IsVisualStyleActive() || (nPosition == zmrBarFloating && bDialogBar) ||
        (nPosition != zmrBarPopup && nPosition != zmrBarFloating && !IsDockedPosition(nPosition)))
    {
        CZMRDefaultTheme::PaintBarBackground(pDC, pBar);
        return;
    }
    CRect rc;
    pBar->GetClientRect(rc);
    const HDC hDC = pDC->GetSafeHdc();

    if (nPosition == zmrBarPopup)
    {
        if (m_themeMenu.IsThemeOpenAndActive() &&
            SUCCEEDED(m_themeMenu.DrawThemeBackground(hDC, mpPopupBorders, 0, rc, nullptr)))
        {
            CRect rcInside = rc;
            rcInside.DeflateRect(3, 3);
            m_themeMenu.DrawThemeBackground(hDC, mpPopupBackground, 0, rcInside, nullptr);
            return;
        }
        if (m_bFlatMenus)
        {
            DrawRectangle(pDC, rc, COLOR_MENU, COLOR_3DSHADOW);
            return;
        }
        pDC->FillSolidRect(rc, GetColor(COLOR_MENU));
        Draw3dRectByIndex(pDC, rc, COLOR_3DFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
        DrawRaised(pDC, rc);
        return;
    }

    if (nPosition == zmrBarFloating)
    {
        if (pBar->GetType() == zmrBarTypePopup)
            pDC->FillSolidRect(rc, GetColor(COLOR_MENU));
        else
        {
            pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
            m_themeToolBar.DrawThemeBackground(hDC, tpBackground, 0, rc, nullptr);
        }
        const CRect rcLeft(rc.left, rc.top, rc.left + kFloatingFrame, rc.bottom);
        const CRect rcRight(rc.right - kFloatingFrame, rc.top, rc.right, rc.bottom);
        const CRect rcBottom(rc.left, rc.bottom - kFloatingFrame, rc.right, rc.bottom);
        m_themeWindow.DrawThemeBackground(hDC, wpSmallFrameLeft, 1, rcLeft, nullptr);
        m_themeWindow.DrawThemeBackground(hDC, wpSmallFrameRight, 1, rcRight, nullptr);
        m_themeWindow.DrawThemeBackground(hDC, wpSmallFrameBottom, 1, rcBottom, nullptr);
        return;
    }

    // Docked: the top dock's bars continue the rebar background behind them.
    CWnd* pParent = pBar->GetParent();
    if (nPosition == zmrBarTop && pParent && pParent->GetSafeHwnd())
        FillRebarBackground(pDC, pBar, pParent);
    else
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    m_themeRebar.DrawThemeBackground(hDC, rpBand, 0, rc, nullptr);
    if (!UsesFlatLook(pBar))
        pDC->Draw3dRect(rc, m_clrEdgeHighlight, m_clrEdgeShadow);
}

// ---------------------------------------------------------------- grippers

CSize CZMRNativeXPTheme::DrawFloatingCaption(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!pDC)
        return CSize(0, 0);
    CRect rcClient(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rcClient);
    CZMRFontDC font(pDC, &m_fntFloatingCaption);
    const int nText = std::max(15, int(pDC->GetTextExtent(CString(L" ")).cy));
    const int nStrip = nText + 3;
    if (bDraw)
    {
        const CRect rcStrip(0, 0, rcClient.Width(), nStrip);
        m_themeWindow.DrawThemeBackground(pDC->GetSafeHdc(), wpSmallCaption, 1, rcStrip, nullptr);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_clrFloatingCaptionText.GetColor());
        // Room is left for the caption buttons on the right.
        CRect rcTitle(5, 3, rcClient.Width() - 2 * nStrip + 3, nStrip);
        pDC->DrawText(pBar->GetTitle(), rcTitle, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    return CSize(rcClient.Width(), nText);
}

CSize CZMRNativeXPTheme::DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!pBar || !IsVisualStyleActive())
        return CZMRDefaultTheme::DrawGripper(pDC, pBar, bDraw);
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, pBar, bDraw);
    bDraw = bDraw && pDC;
    CRect rcClient(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rcClient);
    const HDC hDC = bDraw ? pDC->GetSafeHdc() : nullptr;

    switch (pBar->GetPosition())
    {
    case zmrBarPopup:
        if (pBar->GetType() == zmrBarTypePopup && m_themeMenu.IsThemeOpenAndActive() && bDraw)
        {
            CRect rc = rcClient;
            rc.DeflateRect(3, 3);
            rc.right = rc.left + GetPopupIconColumnWidth(pBar);
            m_themeMenu.DrawThemeBackground(hDC, mpPopupGutter, 0, rc, nullptr);
        }
        return CSize(0, 0);
    case zmrBarTop:
    case zmrBarBottom:
        if (bDraw)
        {
            const CRect rc(rcClient.left + 2, rcClient.top, rcClient.left + 8, rcClient.bottom);
            m_themeRebar.DrawThemeBackground(hDC, rpGripper, 1, rc, nullptr);
        }
        return CSize(8, 0);
    case zmrBarLeft:
    case zmrBarRight:
        if (bDraw)
        {
            const CRect rc(rcClient.left, rcClient.top + 2, rcClient.right, rcClient.top + 8);
            m_themeRebar.DrawThemeBackground(hDC, rpGripperVert, 1, rc, nullptr);
        }
        return CSize(0, 8);
    case zmrBarFloating:
        return DrawFloatingCaption(pDC, pBar, bDraw);
    }
    return CSize(0, 0);
}

CSize CZMRNativeXPTheme::DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!IsVisualStyleActive())
        return CZMRDefaultTheme::DrawDialogBarGripper(pDC, pBar, bDraw);
    const int h = m_nBaseHeight >= 18 ? m_nBaseHeight + 4 : 22;
    if (bDraw && pDC)
        m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), rpGripper, 1, CRect(2, 3, 8, h), nullptr);
    return CSize(8, h);
}

// ---------------------------------------------------------------- separators

CSize CZMRNativeXPTheme::DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw)
{
    if (!bDraw || !pDC || !pBar || !pControl || !IsVisualStyleActive())
        return CZMRDefaultTheme::DrawSeparator(pDC, pBar, pControl, bDraw);

    const CRect rcRow = pControl->GetRowRect();
    const CRect rc = pControl->GetRect();
    const BOOL bWrap = pControl->GetWrap();
    const int nPosition = pBar->GetPosition();
    const HDC hDC = pDC->GetSafeHdc();

    if (pBar->GetType() == zmrBarTypePopup)
    {
        if (nPosition != zmrBarPopup || !m_themeMenu.IsThemeOpenAndActive() || bWrap)
            return CZMRDefaultTheme::DrawSeparator(pDC, pBar, pControl, bDraw);
        const CRect rcLine(GetPopupIconColumnWidth(pBar) + rc.left, rc.top - 8, rc.right, rc.top - 2);
        m_themeMenu.DrawThemeBackground(hDC, mpPopupSeparator, 0, rcLine, nullptr);
        return CSize(0, 0);
    }
    if (nPosition == zmrBarLeft || nPosition == zmrBarRight || nPosition == zmrBarPopup)
    {
        if (bWrap)
            m_themeToolBar.DrawThemeBackground(
                hDC, tpSeparator, 0, CRect(rcRow.right, rcRow.top + 4, rcRow.right + 5, rcRow.bottom), nullptr);
        else
            m_themeToolBar.DrawThemeBackground(hDC, tpSeparatorVert, 0,
                                               CRect(rcRow.left, rc.top - 6, rcRow.right, rc.top), nullptr);
        return CSize(0, 0);
    }
    if (bWrap)
        m_themeToolBar.DrawThemeBackground(hDC, tpSeparatorVert, 0,
                                           CRect(rcRow.left + 4, rcRow.top - 5, rcRow.right, rcRow.top), nullptr);
    else
        m_themeToolBar.DrawThemeBackground(hDC, tpSeparator, 0, CRect(rc.left - 6, rcRow.top, rc.left, rcRow.bottom),
                                           nullptr);
    return CSize(0, 0);
}
