#include "CZMROfficeTheme.h"
#include "CZMRColorManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRDrawHelpers.h"
#include "CZMRPenDC.h"
#include "CZMRPopupBar.h"
#include "CZMRShadowManager.h"
#include <algorithm>

CZMROfficeTheme::CZMROfficeTheme()
{
    m_bFlatMenuBar = TRUE;
    m_bFadeIcons = TRUE;
    m_bHotIconShadow = TRUE;
    m_bDisabledIconsFromImage = TRUE;
    m_bDisabledIconsFromColors = TRUE;
    m_bEmbossDisabledText = FALSE;
    m_nTextGap = 8;
    // Shadows even when the system's menu shadows are off, and none over
    // the button that opened the popup.
    m_pShadowManager->m_dwOptions = 3;
}

int CZMROfficeTheme::GetThemeKind()
{
    return zmrThemeOffice;
}

void CZMROfficeTheme::SetCornerPixels(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF nColor)
{
    const COLORREF clr = GetColor(nColor);
    pDC->SetPixel(x0, y0, clr);
    pDC->SetPixel(x1, y0, clr);
    pDC->SetPixel(x0, y1, clr);
    pDC->SetPixel(x1, y1, clr);
}

void CZMROfficeTheme::VerticalLineOf(CDC* pDC, int x, int y1, int y2, COLORREF clr)
{
    pDC->FillSolidRect(x, y1, 1, y2 - y1, clr);
}

// ---------------------------------------------------------------- states

void CZMROfficeTheme::DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                         int nChecked, BOOL bPopped, int /*nBarType*/, int nBarPosition)
{
    if (bEnabled && bPopped)
    {
        DrawRectangle(pDC, rc, clrIconColumn, clrPoppedFrame);
        return;
    }
    if (!bEnabled)
    {
        if (nSelected == 2 || nSelected == 3)
        {
            const COLORREF nFill = nBarPosition == zmrBarPopup ? clrPopupFill
                                   : nChecked                  ? clrPressedFill
                                                               : clrHotFill;
            DrawRectangle(pDC, rc, nFill, clrHotFrame);
        }
        else if (nChecked)
            DrawRectangle(pDC, rc, nBarPosition == zmrBarPopup ? COLORREF(-1) : COLORREF(clrCheckedFill),
                          clrDisabledCheckedFrame);
        return;
    }
    if ((nChecked == 1 || nChecked == 2) && !nPressed)
    {
        if (nSelected)
            DrawRectangle(pDC, rc, clrPressedFill, clrPressedFrame);
        else
            DrawRectangle(pDC, rc, nChecked == 2 ? clrIndeterminateFill : clrCheckedFill, clrCheckedFrame);
        return;
    }
    if (nPressed == 2 || nPressed == 3 || (nSelected && nPressed))
        DrawRectangle(pDC, rc, clrPressedFill, clrPressedFrame);
    else if (nSelected || nPressed)
        DrawRectangle(pDC, rc, clrHotFill, clrHotFrame);
}

COLORREF CZMROfficeTheme::GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                                            int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypePopup)
        return !bEnabled ? clrDisabledText : nSelected ? clrHotText : clrPopupText;
    if (!bEnabled)
        return clrDisabledBarText;
    if (bPopped)
        return clrBarText;
    if (nChecked && !nSelected && !nPressed)
        return clrHotText;
    if (nPressed == 2 || nPressed == 3 || (nSelected && nPressed) || nChecked)
        return clrPressedText;
    if (nSelected || nPressed)
        return clrHotText;
    return nBarPosition == zmrBarPopup ? clrPopupText : clrBarText;
}

// ---------------------------------------------------------------- bars

void CZMROfficeTheme::FillPopupJoin(CDC* pDC, CZMRPopupBar* pPopupBar, COLORREF clr)
{
    CZMRControl* pOpener = pPopupBar ? pPopupBar->GetControlPopup() : nullptr;
    CZMRCommandBar* pOpenerBar = pOpener ? pOpener->GetParent() : nullptr;
    if (!pOpenerBar || pOpenerBar->GetType() == zmrBarTypePopup || !pOpenerBar->GetSafeHwnd() ||
        !pPopupBar->GetSafeHwnd())
        return;
    CRect rcControl = pOpener->GetRect();
    pOpenerBar->ClientToScreen(&rcControl);
    CRect rcWindow;
    pPopupBar->GetWindowRect(&rcWindow);
    CRect rcJoin;
    if (!rcJoin.IntersectRect(rcControl, rcWindow))
        return;
    pPopupBar->ScreenToClient(&rcJoin);
    if (rcJoin.Width() > 1)
        rcJoin.DeflateRect(1, 0);
    if (rcJoin.Height() > 1)
        rcJoin.DeflateRect(0, 1);
    pDC->FillSolidRect(rcJoin, GetColor(clr));
}

void CZMROfficeTheme::PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(rc);
    const int w = rc.Width(), h = rc.Height();
    switch (pBar->GetPosition())
    {
    case zmrBarFloating:
    {
        DrawRectangle(pDC, rc, COLORREF(-1), clrFloatingFrame);
        rc.DeflateRect(1, 1);
        const COLORREF nFill = pBar->GetType() == zmrBarTypePopup ? clrPopupFill
                               : UsesFlatLook(pBar)                ? clrFace
                                                                   : clrIconColumn;
        DrawRectangle(pDC, rc, nFill, clrFloatingFrame);
        // Rounds the inner corners; the four points are where they have
        // always been, three of them on the inner frame itself.
        SetCornerPixels(pDC, 2, 2, w - 2, h - 2, clrFloatingFrame);
        break;
    }
    case zmrBarPopup:
        DrawRectangle(pDC, rc, clrPopupFill, clrPoppedFrame);
        FillPopupJoin(pDC, dynamic_cast<CZMRPopupBar*>(pBar), clrIconColumn);
        break;
    default:
        if (UsesFlatLook(pBar))
        {
            pDC->FillSolidRect(rc, GetColor(clrFace));
            break;
        }
        DrawRectangle(pDC, rc, clrIconColumn, clrFace);
        SetCornerPixels(pDC, 1, 1, w - 2, h - 2, clrFace);
        break;
    }
}

void CZMROfficeTheme::FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows)
{
    pDC->FillSolidRect(x, y, cx, cy, GetColor(bHiddenRows ? clrHiddenIconColumn : clrIconColumn));
}

void CZMROfficeTheme::FillLabelRow(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(rc, GetColor(clrLabelRow));
}

CSize CZMROfficeTheme::DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!pBar)
        return CSize(0, 0);
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, pBar, bDraw);
    bDraw = bDraw && pDC;
    CRect rcClient(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rcClient);
    const int nPosition = pBar->GetPosition();

    if (pBar->GetType() == zmrBarTypePopup && nPosition == zmrBarPopup)
    {
        if (bDraw)
        {
            const CRect rcBorders = pBar->GetBorders();
            FillIconColumn(pDC, rcBorders.left - 1, rcBorders.top, GetPopupIconColumnWidth(pBar),
                           rcClient.Height() - rcBorders.top - rcBorders.bottom, FALSE);
        }
        return CSize(0, 0);
    }

    switch (nPosition)
    {
    case zmrBarTop:
    case zmrBarBottom:
        if (bDraw)
        {
            CZMRPenDC pen(pDC->GetSafeHdc(), GetColor(clrGripper));
            for (int y = 5; y < rcClient.Height() - 5; y += 2)
                Line(pDC, 3, y, 6, y);
        }
        return CSize(6, 0);
    case zmrBarLeft:
    case zmrBarRight:
        if (bDraw)
        {
            CZMRPenDC pen(pDC->GetSafeHdc(), GetColor(clrGripper));
            for (int x = 5; x < rcClient.Width() - 5; x += 2)
                Line(pDC, x, 3, x, 6);
        }
        return CSize(0, 8);
    case zmrBarFloating:
    {
        const CSize sz = CZMRPaintManager::DrawGripper(pDC, pBar, bDraw);
        // A floating popup keeps its icon column below the title strip.
        if (bDraw && pBar->GetType() == zmrBarTypePopup && pBar->IsGripperShown())
        {
            const CRect rcBorders = pBar->GetBorders();
            const int y = 3 + sz.cy;
            FillIconColumn(pDC, rcBorders.left - 1, y, GetPopupIconColumnWidth(pBar),
                           rcClient.Height() - rcBorders.bottom - y, FALSE);
        }
        return sz;
    }
    }
    return CSize(0, 0);
}

CSize CZMROfficeTheme::DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* /*pBar*/, BOOL bDraw)
{
    const int h = m_nBaseHeight >= 18 ? m_nBaseHeight + 4 : 22;
    if (bDraw && pDC)
    {
        CZMRPenDC pen(pDC->GetSafeHdc(), GetColor(clrGripper));
        for (int y = 6; y < h - 2; y += 2)
            Line(pDC, 3, y, 6, y);
    }
    return CSize(6, h);
}

CSize CZMROfficeTheme::DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw)
{
    const BOOL bPopup = pBar && pBar->GetType() == zmrBarTypePopup;
    if (!bDraw || !pDC)
        return bPopup ? CSize(3, 3) : CSize(6, 6);
    if (!pControl)
        return CSize(0, 0);

    const CRect rcRow = pControl->GetRowRect();
    const CRect rc = pControl->GetRect();
    const BOOL bWrap = pControl->GetWrap();
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    if (bPopup)
    {
        if (bWrap)
            VerticalLine(pDC, rc.left - 2, rcRow.top - 1, rcRow.bottom + 1, clrSeparator);
        else
            HorizontalLine(pDC, GetPopupIconColumnWidth(pBar) + m_nTextGap + rc.left - 1, rc.top - 2, rc.right + 1,
                           clrSeparator);
    }
    else if (nPosition == zmrBarLeft || nPosition == zmrBarRight)
    {
        if (bWrap)
            VerticalLine(pDC, rcRow.right + 2, rcRow.top + 4, rcRow.bottom, clrSeparator);
        else
            HorizontalLine(pDC, rcRow.left, rc.top - 4, rcRow.right, clrSeparator);
    }
    else if (bWrap)
        HorizontalLine(pDC, rcRow.left, rcRow.top - 4, rcRow.right, clrSeparator);
    else
        VerticalLine(pDC, rc.left - 4, rcRow.top, rcRow.bottom, clrSeparator);
    return CSize(0, 0);
}

void CZMROfficeTheme::AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL /*bVertical*/)
{
    // The bar is looked at only once it is known to be there.
    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (!pBar || pControl->GetType() == zmrControlComboBox)
        return;
    if (pBar->GetType() == zmrBarTypePopup)
    {
        rc.InflateRect(1, 0);
        return;
    }
    const int nPosition = pBar->GetPosition();
    const BOOL bHorizontal = nPosition == zmrBarTop || nPosition == zmrBarBottom || nPosition == zmrBarFloating;
    // Narrowed so that the popup overlaps the button by a pixel: its frame
    // opens there (FillPopupJoin).
    if (bHorizontal || ((pBar->GetFlags() & zmrBarFlagReducing) && nPosition == zmrBarPopup))
        rc.DeflateRect(0, 1);
    else
        rc.DeflateRect(1, 0);
}

// ---------------------------------------------------------------- popup parts

CSize CZMROfficeTheme::DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw)
{
    if (bDraw && pDC)
    {
        CRect rcStrip(1, 1, rc.right + 1, rc.Height() + 1);
        pDC->FillSolidRect(rcStrip, GetColor(clrPopupFill));
        rcStrip.DeflateRect(1, 1);
        const int nHalf = rc.Width() / 2;
        const int h = nHalf > 26 ? 16 : nHalf - 10;
        const int mid = rcStrip.CenterPoint().x;
        if (bHot)
            DrawRectangle(pDC, rcStrip, clrHotFill, clrHotFrame);
        else
            pDC->FillSolidRect(rcStrip, GetColor(clrIconColumn));
        // Hot: two lines in the hot text colour; else three in the gripper's.
        for (int y = bHot ? 4 : 3; h > 0 && y <= (bHot ? 6 : 7); y += 2)
            HorizontalLine(pDC, mid - h, y, mid + h, bHot ? clrHotText : clrGripper);
    }
    return CSize(0, 9);
}

// ---------------------------------------------------------------- status bars

void CZMROfficeTheme::PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* /*pPane*/,
                                             BOOL /*bGripperPane*/)
{
    DrawRectangle(pDC, rcPane, COLORREF(-1), clrShadow);
}

void CZMROfficeTheme::PaintStatusPaneEdge(CDC* pDC, CRect rcPane, CZMRStatusBarPane* /*pPane*/)
{
    VerticalLine(pDC, rcPane.left - 2, rcPane.top, rcPane.bottom, clrSeparator);
}

// ---------------------------------------------------------------- check boxes and radio buttons

namespace
{
struct CGlyphColors
{
    COLORREF nFrame, nFill;
};

// Frame and fill of an enabled check box or radio button by its state.
CGlyphColors EnabledGlyphColors(int nSelected, int nPressed)
{
    typedef CZMROfficeTheme T;
    const COLORREF nFill = nSelected && nPressed ? T::clrPressedFill
                           : (nSelected || nPressed) ? T::clrHotFill
                                                     : T::clrWindowFill;
    return {COLORREF(nSelected || nPressed ? T::clrHotFrame : T::clrGlyphFrame), nFill};
}
} // namespace

CSize CZMROfficeTheme::DrawCheckBoxGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                                         BOOL bEnabled)
{
    if (m_bUseButtonTheme && m_themeButton.IsThemeOpenAndActive())
        return CZMRPaintManager::DrawCheckBoxGlyph(pDC, rc, bDraw, nSelected, nPressed, nChecked, bEnabled);
    if (!bDraw || !pDC)
        return CSize(13, 13);

    if (bEnabled)
    {
        const CGlyphColors c = EnabledGlyphColors(nSelected, nPressed);
        DrawRectangle(pDC, rc, c.nFill, c.nFrame);
    }
    else
        DrawRectangle(pDC, rc, COLORREF(-1), clrDisabledText);

    if (nChecked)
    {
        // The tick: a short arm of two columns down to the right, then a long
        // arm of five up to the right, each column three pixels high.
        static const int s_rows[7] = {5, 6, 7, 6, 5, 4, 3};
        const COLORREF clr = GetColor(bEnabled && nChecked != 2 ? clrGlyph : clrDisabledText);
        const BOOL bMirror = CZMRDrawHelpers::IsDCRightToLeft(pDC);
        for (int i = 0; i < 7; i++)
        {
            const int x = bMirror ? rc.left + 12 - (3 + i) : rc.left + 3 + i;
            pDC->FillSolidRect(x, rc.top + s_rows[i], 1, 3, clr);
        }
    }
    return CSize(13, 13);
}

CSize CZMROfficeTheme::DrawRadioButtonGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                                            int nChecked, BOOL bEnabled)
{
    if (m_bUseButtonTheme && m_themeButton.IsThemeOpenAndActive())
        return CZMRPaintManager::DrawRadioButtonGlyph(pDC, rc, bDraw, nSelected, nPressed, nChecked, bEnabled);
    if (!bDraw || !pDC)
        return CSize(13, 13);

    const CGlyphColors c =
        bEnabled ? EnabledGlyphColors(nSelected, nPressed) : CGlyphColors{clrDisabledText, clrIndeterminateFill};
    DrawAntialiasedDisc(pDC, rc.left, rc.top, rc.right, rc.bottom, c.nFrame, c.nFill);
    if (nChecked)
    {
        const COLORREF nDot = bEnabled && nChecked != 2 ? clrGlyph : clrDisabledText;
        DrawAntialiasedDisc(pDC, rc.left + 4, rc.top + 4, rc.left + 9, rc.top + 9, nDot, nDot);
    }
    return CSize(13, 13);
}
