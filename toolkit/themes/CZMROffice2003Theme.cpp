// The Office 2003 theme's drawing of bars: backgrounds with their gradients
// and rounded ends, gradient highlights, dotted grippers, grooved
// separators, the expand buttons, the tear-off strip, status-bar panes and
// gripper, dock areas and floating captions.
#include "CZMROffice2003Theme.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRDrawHelpers.h"
#include "CZMRFontDC.h"
#include "CZMRPenDC.h"
#include "CZMRPopupBar.h"
#include "CZMRToolBar.h"
#include <algorithm>

namespace
{
// Parents with these style bits get a solid dock area, not the gradient.
const DWORD kSolidDockStyles = 0x4100;
// The dock sides a bar may dock to.
const DWORD kDockSideFlags = 0x1 | 0x2 | 0x4 | 0x8;

BOOL IsAlongSide(int nPosition)
{
    return nPosition == zmrBarLeft || nPosition == zmrBarRight || nPosition == zmrBarPopup;
}

// The bottom of the first row (or, vertically, the right of the first
// column) of a bar's visible controls; nDefault without any.
int FirstRowEnd(CZMRCommandBar* pBar, BOOL bVertical, int nDefault)
{
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CZMRControl* pControl = pBar->GetControl(i);
        if (!pControl->IsVisible())
            continue;
        CRect rcRow = pControl->GetRowRect();
        if (rcRow.IsRectEmpty())
            rcRow = pControl->GetRect();
        return bVertical ? rcRow.right : rcRow.bottom;
    }
    return nDefault;
}

// A 2 x 2 grip dot: a light square under a dark one a pixel up and left.
void GripDot(CDC* pDC, int x, int y, COLORREF clrLight, COLORREF clrDark)
{
    pDC->FillSolidRect(x + 1, y + 1, 2, 2, clrLight);
    pDC->FillSolidRect(x, y, 2, 2, clrDark);
}
} // namespace

// ---------------------------------------------------------------- helpers

CRect CZMROffice2003Theme::DockGradientRect(CRect rc)
{
    const int cx = std::max(int(rc.Width()), ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
    return CRect(rc.left, rc.top, rc.left + cx, rc.bottom);
}

void CZMROffice2003Theme::FillDockArea(CDC* pDC, CRect rcArea, CRect rcFill, BOOL bSolid)
{
    if (bSolid)
    {
        pDC->FillSolidRect(rcFill, m_grcDock.clrDark.GetColor());
        return;
    }
    const CRect rcGradient = DockGradientRect(rcArea);
    GetDrawHelpers()->DrawColorGradient(pDC, rcGradient, m_grcDock, TRUE, rcFill);
}

void CZMROffice2003Theme::FillGradientFramed(CDC* pDC, CRect rc, const CZMRPaintManagerColorGradient& grc, BOOL bHorz,
                                             COLORREF nFrame)
{
    GetDrawHelpers()->DrawColorGradient(pDC, rc, grc, bHorz);
    DrawRectangle(pDC, rc, COLORREF(-1), nFrame);
}

BOOL CZMROffice2003Theme::HasFloatingGradientLook(CZMRCommandBar* pBar)
{
    return pBar && !UsesFlatLook(pBar) && (pBar->GetFlags() & kDockSideFlags) != 0;
}

void CZMROffice2003Theme::FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows)
{
    GetDrawHelpers()->DrawColorGradient(pDC, CRect(x, y, x + cx, y + cy),
                                        bHiddenRows ? m_grcHiddenIconColumn : m_grcIconColumn, TRUE);
}

// ---------------------------------------------------------------- bar backgrounds

void CZMROffice2003Theme::PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(rc);
    const int w = rc.Width(), h = rc.Height();
    const int nPosition = pBar->GetPosition();
    const BOOL bDocked = nPosition >= zmrBarTop && nPosition <= zmrBarRight;
    CWnd* pParent = pBar->GetParent();

    // The parent's rectangle in bar coordinates: the dock gradient of a
    // docked bar continues the dock area behind it.
    CRect rcParent = rc;
    if (pParent && pParent->GetSafeHwnd())
    {
        pParent->GetWindowRect(rcParent);
        pBar->ScreenToClient(rcParent);
    }
    const BOOL bSolidDock = pParent && pParent->GetSafeHwnd() && (pParent->GetStyle() & kSolidDockStyles) != 0;

    auto roundFloatingCorners = [&]() { SetCornerPixels(pDC, 2, 2, w - 2, h - 2, clrFloatingFrame); };
    auto doubleFrame = [&]() {
        DrawRectangle(pDC, rc, COLORREF(-1), clrFloatingFrame);
        DrawRectangle(pDC, CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1), COLORREF(-1),
                      clrFloatingFrame);
    };

    if (nPosition == zmrBarPopup)
    {
        DrawRectangle(pDC, rc, clrPopupFill, clrPoppedFrame);
        FillPopupJoin(pDC, dynamic_cast<CZMRPopupBar*>(pBar), clrPopupFill);
        return;
    }
    if (UsesFlatLook(pBar))
    {
        FillDockArea(pDC, bDocked ? rcParent : rc, rc, FALSE);
        if (nPosition == zmrBarFloating)
        {
            doubleFrame();
            roundFloatingCorners();
        }
        return;
    }

    const COLORREF clrEdge = m_clrEdge.GetColor();
    if (nPosition == zmrBarTop || nPosition == zmrBarBottom)
    {
        pDC->FillSolidRect(rc, GetColor(clrFace));
        if (pParent && pParent->GetSafeHwnd())
            FillDockArea(pDC, rcParent, rc, FALSE);
        // The face starts 3 pixels in and has rounded corners; the clipping
        // goes with the saved state, so nothing drawn later inherits it.
        const int nSaved = pDC->SaveDC();
        pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 3, rc.bottom);
        CZMRDrawHelpers::ClipOutCornerPixels(pDC, CRect(rc.left + 3, rc.top + 1, rc.right, rc.bottom - 1));
        const int yRow = FirstRowEnd(pBar, FALSE, rc.bottom - 2) + 1;
        GetDrawHelpers()->DrawColorGradient(pDC, CRect(rc.left, rc.top + 1, rc.right, yRow), m_grcFace, FALSE);
        if (yRow < rc.bottom - 1)
            pDC->FillSolidRect(CRect(rc.left, yRow, rc.right, rc.bottom - 1), m_grcFace.clrDark.GetColor());
        pDC->FillSolidRect(rc.left + 5, rc.bottom - 1, rc.right - rc.left - 7, 1, clrEdge);
        pDC->RestoreDC(nSaved);
        return;
    }
    if (nPosition == zmrBarLeft || nPosition == zmrBarRight)
    {
        pDC->FillSolidRect(rc, GetColor(clrFace));
        if (pParent && pParent->GetSafeHwnd())
            FillDockArea(pDC, rcParent, rc, bSolidDock);
        const int nSaved = pDC->SaveDC();
        pDC->ExcludeClipRect(rc.left, rc.top, rc.right, rc.top + 3);
        CZMRDrawHelpers::ClipOutCornerPixels(pDC, CRect(rc.left + 1, rc.top + 3, rc.right - 1, rc.bottom));
        const int xColumn = FirstRowEnd(pBar, TRUE, rc.right - 2) + 1;
        GetDrawHelpers()->DrawColorGradient(pDC, CRect(rc.left + 1, rc.top, xColumn, rc.bottom), m_grcFace, TRUE);
        if (xColumn < rc.right - 1)
            pDC->FillSolidRect(CRect(xColumn, rc.top, rc.right - 1, rc.bottom), m_grcFace.clrDark.GetColor());
        pDC->FillSolidRect(rc.right - 1, rc.top + 5, 1, rc.bottom - rc.top - 7, clrEdge);
        pDC->RestoreDC(nSaved);
        return;
    }
    if (nPosition == zmrBarFloating && HasFloatingGradientLook(pBar))
    {
        pDC->FillSolidRect(rc, GetColor(clrIconColumn));
        doubleFrame();
        const CRect rcInner(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
        int nCaption = 15;
        {
            CZMRFontDC font(pDC, &m_fntFloatingCaption);
            nCaption = std::max(15, int(pDC->GetTextExtent(CString(L" ")).cy));
        }
        // Bands of the face gradient, one per row of controls.
        const int x0 = rcInner.left + 2, x1 = rcInner.right - 2;
        int yStart = rcInner.top + nCaption + 2;
        for (int i = 0; i < pBar->GetControlCount(); i++)
        {
            CZMRControl* pControl = pBar->GetControl(i);
            if (!pControl->IsVisible() || !pControl->GetWrap() || pControl->GetRect().top <= yStart)
                continue;
            const int yRow = pControl->GetRowRect().IsRectEmpty() ? pControl->GetRect().top
                                                                   : pControl->GetRowRect().top;
            GetDrawHelpers()->DrawColorGradient(pDC, CRect(x0, yStart, x1, yRow), m_grcFace, FALSE);
            yStart = yRow;
        }
        GetDrawHelpers()->DrawColorGradient(pDC, CRect(x0, yStart, x1, rcInner.bottom - 2), m_grcFace, FALSE);
        roundFloatingCorners();
        return;
    }
    CZMROfficeTheme::PaintBarBackground(pDC, pBar);
}

void CZMROffice2003Theme::PaintDockBackground(CDC* pDC, CWnd* pDockBar)
{
    CRect rc;
    pDockBar->GetClientRect(rc);
    FillDockArea(pDC, rc, rc, (pDockBar->GetStyle() & kSolidDockStyles) != 0);
}

void CZMROffice2003Theme::PaintFloatingCaption(CDC* pDC, CZMRToolBar* pBar)
{
    if (!pDC || !pBar || !pBar->GetSafeHwnd())
        return;
    CRect rc;
    pBar->GetClientRect(rc);
    FillDockArea(pDC, rc, rc, FALSE);
    CRect rcCaption = pBar->GetFloatingCaptionRect();
    const COLORREF clrEdge = m_clrEdge.GetColor();
    pDC->Draw3dRect(rcCaption, clrEdge, clrEdge);
    rcCaption.DeflateRect(1, 1);
    pDC->FillSolidRect(rcCaption, GetColor(COLOR_INFOBK));
}

// ---------------------------------------------------------------- highlights

void CZMROffice2003Theme::DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                             int nChecked, BOOL bPopped, int nBarType, int nBarPosition)
{
    if (bPopped)
    {
        FillGradientFramed(pDC, rc, m_grcPopped, FALSE, clrPoppedFrame);
        return;
    }
    if (!m_bSchemeColors || nBarType == zmrBarTypePopup || nBarPosition < zmrBarTop || nBarPosition > zmrBarFloating)
    {
        CZMROfficeTheme::DrawStateHighlight(pDC, rc, nSelected, nPressed, bEnabled, nChecked, FALSE, nBarType,
                                            nBarPosition);
        return;
    }

    const BOOL bHorz = nBarPosition == zmrBarLeft || nBarPosition == zmrBarRight;
    if (!bEnabled)
    {
        if (nSelected == 2 || nSelected == 3)
            FillGradientFramed(pDC, rc, nChecked ? m_grcPressed : m_grcHot, bHorz, clrPressedFrame);
        else if (nChecked)
            FillGradientFramed(pDC, rc, m_grcChecked, bHorz, clrDisabledCheckedFrame);
        return;
    }
    if (nChecked && !nPressed)
    {
        if (nSelected)
            FillGradientFramed(pDC, rc, m_grcPressed, bHorz, clrPressedFrame);
        else if (nChecked == 2)
            DrawRectangle(pDC, rc, clrIndeterminateFill, clrPressedFrame);
        else
            FillGradientFramed(pDC, rc, m_grcChecked, bHorz, clrCheckedFrame);
        return;
    }
    if (nPressed == 2 || nPressed == 3 || (nSelected && nPressed))
        FillGradientFramed(pDC, rc, m_grcPressed, bHorz, clrPressedFrame);
    else if (nSelected || nPressed)
        FillGradientFramed(pDC, rc, m_grcHot, bHorz, clrHotFrame);
}

// ---------------------------------------------------------------- grippers and separators

CSize CZMROffice2003Theme::DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!pBar)
        return CSize(0, 0);
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, pBar, bDraw);
    const int nPosition = pBar->GetPosition();
    if ((pBar->GetType() == zmrBarTypePopup && nPosition == zmrBarPopup) || nPosition == zmrBarFloating)
        return CZMROfficeTheme::DrawGripper(pDC, pBar, bDraw);
    bDraw = bDraw && pDC;
    CRect rcClient(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rcClient);
    const COLORREF clrLight = GetColor(clrWindowFill), clrDark = GetColor(clrGripper);

    switch (nPosition)
    {
    case zmrBarTop:
    case zmrBarBottom:
        if (bDraw && rcClient.Height() > 12)
        {
            for (int y0 = 8; y0 - 3 < rcClient.Height() - 7; y0 += 4)
                GripDot(pDC, 6, y0 - 3, clrLight, clrDark);
        }
        return CSize(6, 0);
    case zmrBarLeft:
    case zmrBarRight:
        if (bDraw && rcClient.Width() > 12)
        {
            for (int x0 = 8; x0 - 3 < rcClient.Width() - 7; x0 += 4)
                GripDot(pDC, x0 - 3, 6, clrLight, clrDark);
        }
        return CSize(0, 9);
    }
    return CSize(0, 0);
}

CSize CZMROffice2003Theme::DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    const CSize sz(8, m_nBaseHeight >= 19 ? m_nBaseHeight + 6 : 25);
    if (!bDraw || !pDC || !pBar)
        return sz;
    CRect rc(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rc);
    rc.DeflateRect(3, 3);
    rc.bottom = rc.top + sz.cy;
    // Active while the focus is inside the bar.
    const HWND hFocus = ::GetFocus();
    const BOOL bActive = hFocus && pBar->GetSafeHwnd() &&
                         (hFocus == pBar->GetSafeHwnd() || ::IsChild(pBar->GetSafeHwnd(), hFocus));
    if (!bActive)
        GetDrawHelpers()->DrawColorGradient(pDC, rc, m_grcFace, FALSE);
    else if (m_bSchemeColors)
        GetDrawHelpers()->DrawColorGradient(pDC, rc, m_grcChecked, FALSE);
    else
        pDC->FillSolidRect(rc, GetColor(clrCheckedFill));
    for (int y = rc.top + 4; y < rc.bottom - 5; y += 4)
        GripDot(pDC, 5, y, GetColor(clrWindowFill), GetColor(clrGripper));
    return sz;
}

CSize CZMROffice2003Theme::DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw)
{
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    const BOOL bPopupBar = pBar && pBar->GetType() == zmrBarTypePopup;
    if (bPopupBar || nPosition == zmrBarPopup)
        return CZMROfficeTheme::DrawSeparator(pDC, pBar, pControl, bDraw);
    if (!bDraw || !pDC)
        return nPosition == zmrBarFloating ? CSize(6, 0) : CZMROfficeTheme::DrawSeparator(pDC, pBar, pControl, FALSE);
    if (!pControl)
        return CSize(0, 0);

    const CRect rcRow = pControl->GetRowRect();
    const CRect rc = pControl->GetRect();
    const BOOL bWrap = pControl->GetWrap();
    // Separators of wrapping controls always get their highlight.
    const BOOL bHighlight = !m_bPlainSeparators || bWrap;
    const COLORREF nHighlight = COLOR_BTNHIGHLIGHT;
    if (nPosition == zmrBarLeft || nPosition == zmrBarRight)
    {
        if (bWrap)
        {
            VerticalLine(pDC, rcRow.right + 2, rcRow.top + 4, rcRow.bottom, clrSeparator);
            VerticalLine(pDC, rcRow.right + 3, rcRow.top + 5, rcRow.bottom, nHighlight);
        }
        else
        {
            HorizontalLine(pDC, rcRow.left + 4, rc.top - 4, rcRow.right - 4, clrSeparator);
            if (bHighlight)
                HorizontalLine(pDC, rcRow.left + 5, rc.top - 3, rcRow.right - 3, nHighlight);
        }
    }
    else if (!bWrap)
    {
        VerticalLine(pDC, rc.left - 4, rcRow.top + 4, rcRow.bottom - 4, clrSeparator);
        if (bHighlight)
            VerticalLine(pDC, rc.left - 3, rcRow.top + 5, rcRow.bottom - 3, nHighlight);
    }
    else if (nPosition != zmrBarFloating)
    {
        HorizontalLine(pDC, rcRow.left + 4, rcRow.top - 4, rcRow.right, clrSeparator);
        HorizontalLine(pDC, rcRow.left + 5, rcRow.top - 3, rcRow.right, nHighlight);
    }
    return CSize(0, 0);
}

CRect CZMROffice2003Theme::GetBarBorderWidths(CZMRCommandBar* pBar)
{
    if (pBar && (pBar->GetPosition() == zmrBarTop || pBar->GetPosition() == zmrBarBottom))
        return CRect(4, 2, 2, 2);
    return CZMROfficeTheme::GetBarBorderWidths(pBar);
}

CSize CZMROffice2003Theme::DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw)
{
    if (bDraw && pDC)
    {
        CRect rcStrip(1, 1, rc.right + 1, rc.Height() + 1);
        pDC->FillSolidRect(rcStrip, GetColor(clrPopupFill));
        rcStrip.DeflateRect(1, 1);
        if (bHot)
            DrawRectangle(pDC, rcStrip, clrHotFill, clrHotFrame);
        else
            pDC->FillSolidRect(rcStrip, m_clrTearOff.GetColor());
        const int nHalf = rc.Width() / 2;
        const int h = nHalf > 42 ? 32 : nHalf - 10;
        const int mid = rcStrip.CenterPoint().x;
        for (int x = mid - h + 3; x - 3 < mid + h; x += 4)
            GripDot(pDC, x - 3, 4, GetColor(COLOR_BTNHIGHLIGHT), GetColor(clrGripper));
    }
    return CSize(0, 9);
}

// ---------------------------------------------------------------- expand buttons

void CZMROffice2003Theme::DrawExpandGlyph(CDC* pDC, BOOL bVertical, CRect rc, BOOL bHidden, COLORREF clr)
{
    const COLORREF clrGlyph = GetColor(clr);
    if (!bVertical)
    {
        const int c = rc.CenterPoint().x;
        pDC->FillSolidRect(c - 2, rc.bottom - 10, 5, 1, clrGlyph);
        DrawTriangle(pDC, CPoint(c - 2, rc.bottom - 7), CPoint(c + 2, rc.bottom - 7), CPoint(c, rc.bottom - 5),
                     clrGlyph);
        if (bHidden)
        {
            for (int dx : {3, 7})
                DrawTriangle(pDC, CPoint(rc.left + dx, rc.top + 5), CPoint(rc.left + dx + 1, rc.top + 6),
                             CPoint(rc.left + dx, rc.top + 7), clrGlyph);
        }
        return;
    }
    const int m = rc.CenterPoint().y;
    pDC->FillSolidRect(rc.right - 10, m - 2, 1, 5, clrGlyph);
    DrawTriangle(pDC, CPoint(rc.right - 5, m), CPoint(rc.right - 7, m - 2), CPoint(rc.right - 7, m + 2), clrGlyph);
    if (bHidden)
    {
        for (int dy : {3, 7})
            DrawTriangle(pDC, CPoint(rc.left + 5, rc.top + dy), CPoint(rc.left + 6, rc.top + dy + 1),
                         CPoint(rc.left + 7, rc.top + dy), clrGlyph);
    }
}

CSize CZMROffice2003Theme::DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar,
                                              BOOL bDraw, LPARAM lExtra)
{
    bDraw = bDraw && pDC;
    if (nKind == 1)
    {
        if (bDraw && pControl)
        {
            DrawControlStateRect(pDC, pControl);
            const CRect rc = pControl->GetRect();
            const int c = rc.CenterPoint().x;
            if (m_ilExpand.GetSafeHandle())
                m_ilExpand.Draw(pDC, 0, CPoint(c - 7, rc.top + 1), ILD_NORMAL);
            // Two chevrons pointing down, each two lines a pixel apart.
            CZMRPenDC pen(pDC->GetSafeHdc(), RGB(0, 0, 0));
            for (int y : {rc.top + 5, rc.top + 9})
            {
                for (int dy : {0, 1})
                {
                    const POINT pts[] = {{c - 2, y + dy}, {c, y + 2 + dy}, {c + 3, y - 1 + dy}};
                    pDC->Polyline(pts, 3);
                }
            }
        }
        return CSize(0, 18);
    }
    if (nKind != 0)
        return CZMROfficeTheme::DrawOverflowButton(pDC, nKind, pControl, pBar, bDraw, lExtra);
    if (!pControl)
        return CSize(0, 0);

    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    const BOOL bAlongSide = IsAlongSide(nPosition);
    if (!bDraw)
    {
        // Laying out: the last 12 pixels of the bar.
        if (const SIZE* pSize = reinterpret_cast<const SIZE*>(lExtra))
        {
            const int W = pSize->cx, H = pSize->cy;
            pControl->SetRect(bAlongSide ? CRect(0, H - 12, W, H) : CRect(W - 12, 1, W, H));
        }
        return CSize(0, 0);
    }

    const CRect rc = pControl->GetRect();
    const BOOL bPopped = pControl->IsPopupOpen();
    const int nSelected = pControl->GetSelected();
    const int nSaved = pDC->SaveDC();
    // The outer corners are left out, rounding the end, and so is the inner
    // edge but for its end pixels: the bar's background shows there.
    if (!bAlongSide)
    {
        pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
        pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
        pDC->ExcludeClipRect(rc.left, rc.top + 1, rc.left + 1, rc.bottom - 1);
    }
    else
    {
        pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
        pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
        pDC->ExcludeClipRect(rc.left + 1, rc.top, rc.right - 1, rc.top + 1);
    }
    if (bPopped)
    {
        if (m_bSchemeColors)
            GetDrawHelpers()->DrawColorGradient(pDC, rc, m_grcPressed, bAlongSide);
        else
            pDC->FillSolidRect(rc, GetColor(clrCheckedFill));
    }
    else if (nSelected)
    {
        if (m_bSchemeColors)
            GetDrawHelpers()->DrawColorGradient(pDC, rc, m_grcHot, bAlongSide);
        else
            pDC->FillSolidRect(rc, GetColor(clrHotFill));
    }
    else
        GetDrawHelpers()->DrawColorGradient(pDC, rc, m_grcExpand, bAlongSide);
    pDC->RestoreDC(nSaved);

    const BOOL bHidden = lExtra != 0;
    CRect rcShadow = rc;
    rcShadow.OffsetRect(1, 1);
    DrawExpandGlyph(pDC, bAlongSide, rcShadow, bHidden, COLOR_BTNHIGHLIGHT);
    DrawExpandGlyph(pDC, bAlongSide, rc, bHidden, nSelected && !bPopped ? clrHotText : clrBarText);
    return CSize(0, 0);
}

// ---------------------------------------------------------------- status bars

void CZMROffice2003Theme::PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane,
                                                 BOOL bGripperPane)
{
    if (m_bUseStatusBarTheme && m_themeStatusBar.IsThemeOpenAndActive())
    {
        CZMRPaintManager::PaintStatusPaneDivider(pDC, rcPane, pPane, bGripperPane);
        return;
    }
    pDC->Draw3dRect(rcPane, m_clrPaneFrame.GetColor(), m_clrPaneFrame.GetColor());
}

void CZMROffice2003Theme::PaintStatusSizeGrip(CDC* pDC, CRect rcGripper)
{
    // The style's gripper whenever the style is active, whatever the switch.
    if (m_themeStatusBar.IsThemeOpenAndActive())
    {
        const CRect rc(rcGripper.right - 18, rcGripper.top, rcGripper.right, rcGripper.bottom);
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 3 /* SP_GRIPPER */, 0, rc, nullptr);
        return;
    }
    CZMRPaintManager::PaintStatusSizeGrip(pDC, rcGripper);
}
