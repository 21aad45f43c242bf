#include "CZMRDefaultTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlEdit.h"
#include "CZMRFontDC.h"
#include "CZMRImageManager.h"
#include "CZMRPopupBar.h"
#include <algorithm>

namespace
{
int ImageHeightFor(CZMRImageManagerIcon* pImage, int cx)
{
    const CSize szExtent = pImage->GetExtent();
    return szExtent.cx > 0 ? cx * szExtent.cy / szExtent.cx : cx;
}

// Disabled icons embossed in highlight and shadow; indeterminate ones as
// the checked image's shape in shadow.
const CZMRPaintManager::CIconSilhouettes s_silhouettes = {TRUE, COLOR_3DSHADOW, COLOR_3DSHADOW, TRUE};

BOOL IsPopupType(int nType)
{
    return nType == zmrControlPopup || nType == zmrControlButtonPopup || nType == zmrControlSplitButtonPopup;
}
} // namespace

CZMRDefaultTheme::CZMRDefaultTheme() : m_nPopupTextColor(COLOR_BTNTEXT)
{
    m_bFadeIcons = FALSE;
    m_bHotIconShadow = FALSE;
}

int CZMRDefaultTheme::GetThemeKind()
{
    return zmrThemeDefault;
}

void CZMRDefaultTheme::RefreshMetrics()
{
    CZMRPaintManager::RefreshMetrics();
    m_clrFloatingCaption.SetStandardValue(GetColor(COLOR_ACTIVECAPTION));
    m_clrFloatingCaptionText.SetStandardValue(GetColor(COLOR_CAPTIONTEXT));
}

// ---------------------------------------------------------------- states

void CZMRDefaultTheme::FillCheckedDither(CDC* pDC, CRect rc)
{
    static const WORD s_rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP hPattern = ::CreateBitmap(8, 8, 1, 1, s_rows);
    HBRUSH hBrush = ::CreatePatternBrush(hPattern);
    HDC hDC = pDC->GetSafeHdc();
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
    const COLORREF clrOldBack = ::SetBkColor(hDC, GetColor(COLOR_3DFACE));
    const COLORREF clrOldText = ::SetTextColor(hDC, GetColor(COLOR_BTNHIGHLIGHT));
    ::PatBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hBrush);
    ::DeleteObject(hPattern);
}

void CZMRDefaultTheme::DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                          int nChecked, BOOL bPopped, int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypePopup)
    {
        if (m_bPopupStateHighlight && nBarPosition == zmrBarPopup)
        {
            if (nChecked)
            {
                FillCheckedDither(pDC, rc);
                DrawSunken(pDC, rc);
            }
            else if (nSelected || nPressed)
                DrawRectangle(pDC, rc, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
            return;
        }
        // Unchecked popup items are only ever filled with the highlight; a
        // checked one keeps the frame of the three-dimensional rule.
        if (!nChecked)
        {
            if (nSelected || nPressed)
                DrawRectangle(pDC, rc, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
            return;
        }
    }

    if (!bEnabled)
    {
        if (nChecked || nSelected == 2 || nSelected == 3)
            DrawSunken(pDC, rc);
        return;
    }
    if (nChecked)
    {
        if (!nSelected && !nPressed)
            FillCheckedDither(pDC, rc);
        DrawSunken(pDC, rc);
        return;
    }
    if (bPopped || nPressed == 2 || nPressed == 3 || (nSelected && nPressed))
        DrawSunken(pDC, rc);
    else if (nSelected || nPressed)
        DrawRaised(pDC, rc);
}

COLORREF CZMRDefaultTheme::GetStateTextColor(int nSelected, int /*nPressed*/, BOOL bEnabled, int nChecked,
                                             BOOL /*bPopped*/, int nBarType, int nBarPosition)
{
    if (!bEnabled)
        return COLOR_GRAYTEXT;
    if (nBarType == zmrBarTypePopup)
        return nSelected && !nChecked ? COLOR_HIGHLIGHTTEXT : COLORREF(m_nPopupTextColor);
    return nBarPosition == zmrBarPopup ? COLORREF(m_nPopupTextColor) : COLOR_BTNTEXT;
}

// ---------------------------------------------------------------- icons

void CZMRDefaultTheme::DrawImage(CDC* pDC, int x, int y, int cx, int cy, CZMRImageManagerIcon* pImage,
                                 int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                                 BOOL /*bToolBarImage*/)
{
    DrawImageByState(pDC, CPoint(x, y), CSize(cx, cy), pImage, nSelected, nPressed, bEnabled, nChecked, bPopped,
                     s_silhouettes);
}

// ---------------------------------------------------------------- popup items

CSize CZMRDefaultTheme::DrawPopupBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    if (!bDraw || !pDC)
        return CZMRPaintManager::DrawPopupBarItem(pDC, pControl, bDraw);

    CZMRFontDC font(pDC, GetControlFont(pControl));
    const CRect rc = pControl->GetRect();
    const CSize szIcon = pControl->GetIconSize();
    const int nCell = std::max(int(szIcon.cx) + 4, m_nBaseHeight);
    CRect rcCell(rc.left, rc.top, rc.left + nCell, rc.bottom);
    const CPoint ptGlyph = rcCell.CenterPoint();
    const CRect rcGlyph(ptGlyph.x - 10, ptGlyph.y - 10, ptGlyph.x + 10, ptGlyph.y + 10);
    // A double gripper keeps the first cell for check marks and shows the
    // icon in the second.
    const CZMRPopupBar* pPopupBar = dynamic_cast<const CZMRPopupBar*>(pControl->GetParent());
    const BOOL bDoubleGripper = pPopupBar && pPopupBar->IsDoubleGripper();
    if (bDoubleGripper)
        rcCell.OffsetRect(nCell + 1, 0);
    const CPoint ptCell = rcCell.CenterPoint();

    const int nType = pControl->GetType();
    int nEnabled = pControl->GetEnabled();
    if (nType == zmrControlSplitButtonPopup && nEnabled == 5)
        nEnabled = 0;
    const int nSelected = pControl->GetSelected();
    const int nChecked = pControl->GetChecked();
    const BOOL bPopped = pControl->IsPopupOpen();
    CZMRImageManagerIcon* pImage = pControl->GetStyle() != zmrButtonCaption ? pControl->GetImage(szIcon.cx) : nullptr;

    // Rows shown only once the popup expanded its hidden controls.
    if (pControl->IsRarelyUsed())
    {
        pDC->FillSolidRect(rc, GetColor(COLOR_3DLIGHT));
        FillIconColumn(pDC, rc.left, rc.top, rcCell.right - rc.left, rc.Height(), TRUE);
    }

    // A checked item keeps the popup text colour while it is selected.
    const COLORREF nText = GetStateTextColor(nSelected, 0, nEnabled, nChecked, FALSE, zmrBarTypePopup, zmrBarPopup);
    pDC->SetTextColor(GetColor(nText));
    pDC->SetBkMode(TRANSPARENT);

    if (m_bPopupStateHighlight && nSelected)
        DrawStateHighlight(pDC, rc, nSelected, 0, nEnabled, 0, FALSE, zmrBarTypePopup, zmrBarPopup);

    if (nChecked)
        DrawStateHighlight(pDC, rcCell, nSelected, 0, nEnabled, nChecked, FALSE, zmrBarTypePopup, zmrBarPopup);

    if (pImage)
    {
        if (!m_bPopupStateHighlight && !nChecked)
            DrawStateHighlight(pDC, rcCell, nSelected, 0, nEnabled, 0, FALSE, zmrBarTypePopup, zmrBarPopup);
        const int cy = ImageHeightFor(pImage, szIcon.cx);
        DrawImage(pDC, ptCell.x - szIcon.cx / 2, ptCell.y - cy / 2, szIcon.cx, cy, pImage, nSelected, 0, nEnabled,
                  nChecked, bPopped, FALSE);
    }
    if (nChecked && (!pImage || bDoubleGripper))
    {
        const COLORREF nMark = nEnabled ? COLORREF(m_nPopupTextColor) : COLOR_GRAYTEXT;
        if (nType == zmrControlRadioButton)
            DrawRadioDot(pDC, rcGlyph, nEnabled, nMark);
        else
            DrawCheckMark(pDC, rcGlyph, nEnabled, nMark);
    }

    // The text part: from the icon cell to the right edge, less a framed
    // split part. Checked items are never text-highlighted.
    CRect rcText(rcCell.right, rc.top, rc.right, rc.bottom);
    const int xSplit = rc.right - 20;
    const BOOL bSplitFramed = nType == zmrControlSplitButtonPopup && nEnabled && nSelected && bPopped;
    if (bSplitFramed)
        rcText.right = xSplit;
    if (!m_bPopupStateHighlight && nSelected && !nChecked)
        DrawStateHighlight(pDC, rcText, nSelected, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup);

    if (IsPopupType(nType))
    {
        COLORREF nArrow = nText;
        if (nType == zmrControlSplitButtonPopup)
        {
            if (bSplitFramed)
                DrawSunken(pDC, CRect(xSplit, rc.top, rc.right, rc.bottom));
            else
                VerticalLine(pDC, xSplit, rc.top + 1, rc.bottom - 1,
                             !nEnabled ? nText : nSelected ? COLORREF(COLOR_3DSHADOW) : COLORREF(m_nPopupTextColor));
            if (bPopped && nSelected && !m_bPopupStateHighlight)
                nArrow = m_nPopupTextColor;
        }
        const int mid = (rc.top + rc.bottom) / 2;
        DrawTriangle(pDC, CPoint(rc.right - 11, mid - 3), CPoint(rc.right - 8, mid), CPoint(rc.right - 11, mid + 3),
                     GetColor(nArrow));
    }

    return CZMRPaintManager::DrawPopupBarItem(pDC, pControl, bDraw);
}

// ---------------------------------------------------------------- tool-bar parts

void CZMRDefaultTheme::DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc)
{
    CZMRCommandBar* pBar = pControl->GetParent();
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    const int nSelected = pControl->GetSelected();
    const int nPressed = pControl->GetPressed();
    const int nEnabled = pControl->GetEnabled();
    const BOOL bPopped = pControl->IsPopupOpen();

    CRect rcMain = rc, rcDrop = rc;
    const BOOL bLarge = pControl->GetStyle() == zmrButtonIconAndCaptionBelow;
    if (bLarge)
    {
        const int d = GetSplitArrowWidth();
        if (GetControlTextDirection(pControl) == 1)
        {
            rcDrop.right = rc.left + d;
            rcMain.left += d;
        }
        else
        {
            rcDrop.top = rc.bottom - d;
            rcMain.bottom -= d;
        }
    }
    else
    {
        rcDrop.left = rc.right - 12;
        rcMain.right -= 12;
    }

    DrawStateHighlight(pDC, rcMain, nSelected || bPopped, nPressed, nEnabled, pControl->GetChecked(), FALSE,
                       zmrBarTypeNormal, nPosition);
    if (nEnabled && (nSelected || nPressed || bPopped))
        DrawStateHighlight(pDC, rcDrop, TRUE, 0, nEnabled, 0, bPopped, zmrBarTypeNormal, nPosition);
    if (!bLarge)
        DrawPopupArrow(pDC, pControl, rc.right - 7, (rc.top + rc.bottom) / 2, nSelected, bPopped,
                       nEnabled != 0 && nEnabled != 4, FALSE);
}

void CZMRDefaultTheme::PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(rc);
    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    const int nPosition = pBar->GetPosition();
    if (nPosition == zmrBarFloating || nPosition == zmrBarPopup)
    {
        Draw3dRectByIndex(pDC, rc, COLOR_3DFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
        DrawRaised(pDC, rc);
    }
    else if (!UsesFlatLook(pBar))
        DrawRaised(pDC, rc);
}

CSize CZMRDefaultTheme::DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!pBar)
        return CSize(0, 0);
    if (pBar->IsDialogBar())
        return DrawDialogBarGripper(pDC, pBar, bDraw);
    bDraw = bDraw && pDC;
    CRect rcClient(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rcClient);
    switch (pBar->GetPosition())
    {
    case zmrBarTop:
    case zmrBarBottom:
        if (bDraw)
            DrawRaised(pDC, CRect(3, 3, 6, rcClient.bottom - 3));
        return CSize(6, 0);
    case zmrBarLeft:
    case zmrBarRight:
        if (bDraw)
            DrawRaised(pDC, CRect(3, 3, rcClient.right - 3, 6));
        return CSize(0, 8);
    case zmrBarFloating:
        return CZMRPaintManager::DrawGripper(pDC, pBar, bDraw);
    }
    return CSize(0, 0);
}

CSize CZMRDefaultTheme::DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* /*pBar*/, BOOL bDraw)
{
    const int h = m_nBaseHeight >= 18 ? m_nBaseHeight + 4 : 22;
    if (bDraw && pDC)
        DrawRaised(pDC, CRect(3, 3, 6, h));
    return CSize(6, h);
}

CSize CZMRDefaultTheme::DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw)
{
    const BOOL bPopup = pBar && pBar->GetType() == zmrBarTypePopup;
    if (!bDraw || !pDC)
        return bPopup ? CSize(8, 8) : CSize(6, 6);
    if (!pControl)
        return CSize(0, 0);

    const CRect rcRow = pControl->GetRowRect();
    const CRect rc = pControl->GetRect();
    const BOOL bWrap = pControl->GetWrap();
    CRect rcLine;
    if (bPopup)
        rcLine = bWrap ? CRect(rc.left - 5, rcRow.top + 3, rc.left - 3, rcRow.bottom - 3)
                       : CRect(rc.left + 11, rc.top - 5, rc.right - 11, rc.top - 3);
    else if (pBar && (pBar->GetPosition() == zmrBarLeft || pBar->GetPosition() == zmrBarRight))
        rcLine = bWrap ? CRect(rcRow.right + 2, rcRow.top + 4, rcRow.right + 4, rcRow.bottom)
                       : CRect(rcRow.left, rc.top - 4, rcRow.right, rc.top - 2);
    else
        rcLine = bWrap ? CRect(rcRow.left + 4, rcRow.top - 4, rcRow.right, rcRow.top - 2)
                       : CRect(rc.left - 4, rcRow.top, rc.left - 2, rcRow.bottom);
    DrawSunken(pDC, rcLine);
    return CSize(0, 0);
}

void CZMRDefaultTheme::AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical)
{
    if (!pControl || !pControl->GetParent() || pControl->GetType() == zmrControlComboBox)
        return;
    if (pControl->GetParent()->GetType() == zmrBarTypePopup)
        rc.DeflateRect(1, 0);
    else if (bVertical)
        rc.InflateRect(0, 1);
    else
        rc.InflateRect(1, 0);
}

CSize CZMRDefaultTheme::DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar,
                                           BOOL bDraw, LPARAM lExtra)
{
    if (bDraw && pDC && pControl && (nKind == 2 || nKind == 3))
    {
        // The caption colour would show through the glyph's pressed face.
        if (pControl->GetPressed() || pControl->GetSelected() || (nKind == 3 && pControl->IsPopupOpen()))
            pDC->FillSolidRect(pControl->GetRect(), GetColor(COLOR_3DFACE));
    }
    return CZMRPaintManager::DrawOverflowButton(pDC, nKind, pControl, pBar, bDraw, lExtra);
}

CRect CZMRDefaultTheme::GetBarBorderWidths(CZMRCommandBar* pBar)
{
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        return CRect(3, 3, 3, 3);
    return CZMRPaintManager::GetBarBorderWidths(pBar);
}

CSize CZMRDefaultTheme::DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw)
{
    if (bDraw && pDC)
        pDC->FillSolidRect(CRect(rc.left, rc.top, rc.right, rc.bottom - 1),
                           GetColor(bHot ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    return CSize(0, 8);
}

void CZMRDefaultTheme::DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind)
{
    DrawGripDots(pDC, rc, nKind);
}

CSize CZMRDefaultTheme::GetIconColumnSize(CZMRCommandBar* pBar)
{
    const CSize szIcon = pBar ? pBar->GetIconSize() : GetIconSize(FALSE);
    return CSize(std::max(int(szIcon.cx) + 4, m_nBaseHeight), std::max(int(szIcon.cy) + 4, m_nBaseHeight));
}

// ---------------------------------------------------------------- list rows

CSize CZMRDefaultTheme::DrawControlListItem(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                            CWnd* pListWnd)
{
    // The list's own icon size when the list is a bar, else the small default.
    const CZMRCommandBar* pListBar = dynamic_cast<const CZMRCommandBar*>(pListWnd);
    const CSize szIcon = pListBar ? pListBar->GetIconSize() : GetIconSize(FALSE);
    const CSize szCell(std::max(m_nBaseHeight, int(szIcon.cx) + 4), std::max(m_nBaseHeight, int(szIcon.cy) + 4));
    if (!bDraw || !pDC)
        return szCell;
    pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
    if (!pControl)
        return CSize(0, 0);

    const int nType = pControl->GetType();
    const int nStyle = pControl->GetStyle();
    const CRect rcCell(rc.left, rc.top, rc.left + szCell.cx, rc.top + szCell.cy);
    CRect rcText(rcCell.right, rc.top, rc.right, rc.bottom);
    const BOOL bIconStyle = (nStyle == zmrButtonAutomatic && nType != zmrControlPopup) || nStyle == zmrButtonIcon ||
                            nStyle == zmrButtonIconAndCaption;
    if (CZMRImageManagerIcon* pImage = bIconStyle ? pControl->GetImage(szIcon.cx) : nullptr)
    {
        DrawStateHighlight(pDC, rcCell, bSelected, 0, TRUE, 0, FALSE, zmrBarTypeNormal, zmrBarPopup);
        const int cy = ImageHeightFor(pImage, szIcon.cx);
        const CPoint pt = rcCell.CenterPoint();
        DrawImage(pDC, pt.x - szIcon.cx / 2, pt.y - cy / 2, szIcon.cx, cy, pImage, bSelected, 0, TRUE, 0, FALSE,
                  FALSE);
        rcText.left = rcCell.right + 1;
    }
    if (bSelected)
        DrawRectangle(pDC, rcText, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);

    CString strCaption = pControl->GetCaption();
    RemoveMnemonicMarkers(strCaption);
    AdjustCaptionForRightToLeft(strCaption);
    const COLORREF clrText = GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    CZMRFontDC font(pDC, &m_fntRegular);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    CRect rcCaption(rcCell.right + 4, rc.top, rc.right, rc.bottom);
    pDC->DrawText(strCaption, rcCaption, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);

    const int mid = (rc.top + rc.bottom) / 2;
    if (IsPopupType(nType))
    {
        DrawTriangle(pDC, CPoint(rc.right - 12, mid - 5), CPoint(rc.right - 7, mid), CPoint(rc.right - 12, mid + 5),
                     clrText);
        if (nType == zmrControlSplitButtonPopup)
            VerticalLine(pDC, rc.right - 20, rc.top, rc.bottom, clrText);
    }
    else if (nType == zmrControlComboBox || nType == zmrControlEdit)
    {
        // A field box to the right of the caption, half the row wide.
        CRect rcField((rc.left + rc.right) / 2, rc.top + 1, rc.right - 1, rc.bottom - 1);
        DrawRectangle(pDC, rcField, COLOR_WINDOW, bSelected ? COLOR_HIGHLIGHT : COLOR_3DFACE);
        if (nType == zmrControlComboBox)
        {
            const int nButton = pDC->GetTextExtent(CString(L" ")).cy + 2;
            CRect rcButton(rcField.right - nButton, rcField.top, rcField.right, rcField.bottom);
            if (bSelected)
                DrawRectangle(pDC, rcButton, COLOR_3DFACE, COLOR_HIGHLIGHT);
            else
            {
                CRect rcFace = rcButton;
                rcFace.DeflateRect(2, 2);
                pDC->FillSolidRect(rcFace, GetColor(COLOR_3DFACE));
            }
            DrawDropDownTriangle(pDC, rcButton, COLOR_BTNTEXT);
        }
    }
    return szCell;
}

// ---------------------------------------------------------------- edits and combo boxes

CSize CZMRDefaultTheme::DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    const CSize sz = CZMRPaintManager::DrawComboBoxItem(pDC, pControl, bDraw);
    CZMRControlComboBox* pCombo = dynamic_cast<CZMRControlComboBox*>(pControl);
    if (!bDraw || !pDC || !pCombo)
        return sz;

    const CRect rc = pControl->GetRect();
    const CRect rcField(rc.left + pCombo->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    if (bEnabled)
        DrawRectangle(pDC, CRect(rcField.left + 1, rcField.top + 1, rcField.right - 1, rcField.bottom - 1),
                      COLOR_WINDOW, COLOR_WINDOW);
    const CRect rcButton(rc.right - pCombo->GetDropDownWidth(), rc.top, rc.right, rc.bottom);
    pCombo->DrawEditText(pDC, CRect(rcField.left + 3, rc.top + 1, rcButton.left + 1, rc.bottom - 1));
    DrawComboDropButton(pDC, rcButton, bEnabled, nSelected, pControl->IsPopupOpen());
    DrawEditFrame(pDC, rcField, bEnabled, nSelected);
    return CSize(0, 0);
}

CSize CZMRDefaultTheme::DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    const CSize sz = CZMRPaintManager::DrawEditItem(pDC, pControl, bDraw);
    CZMRControlEdit* pEdit = dynamic_cast<CZMRControlEdit*>(pControl);
    if (!bDraw || !pDC || !pEdit)
        return sz;

    const CRect rc = pControl->GetRect();
    const CRect rcField(rc.left + pEdit->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    const BOOL bEnabled = pControl->GetEnabled();
    if (bEnabled)
        DrawRectangle(pDC, CRect(rcField.left + 1, rcField.top + 1, rcField.right - 1, rcField.bottom - 1),
                      COLOR_WINDOW, COLOR_WINDOW);
    DrawEditFrame(pDC, rcField, bEnabled, pControl->GetSelected());
    pEdit->DrawEditIcon(pDC, CRect(rcField.left + 3, rc.top + 1, rc.right - 3, rc.bottom - 1));
    if (pEdit->IsSpinButtonsVisible())
        DrawEditSpinButtons(pDC, pEdit);
    return sz;
}

void CZMRDefaultTheme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    if (bEnabled)
    {
        if (nSelected)
            DrawSunken(pDC, rc);
        rc.DeflateRect(1, 1);
        Draw3dRectByIndex(pDC, rc, COLOR_3DFACE, COLOR_3DFACE);
        return;
    }
    rc.DeflateRect(1, 1);
    const COLORREF nFrame = nSelected == 2 || nSelected == 3 ? COLOR_3DSHADOW : COLOR_BTNHIGHLIGHT;
    Draw3dRectByIndex(pDC, rc, nFrame, nFrame);
}

void CZMRDefaultTheme::DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, BOOL bDropped)
{
    rc = CRect(rc.left + 1, rc.top + 2, rc.right - 2, rc.bottom - 2);
    CRect rcGlyph = rc;
    if (bEnabled)
    {
        DrawRectangle(pDC, rc, COLOR_3DFACE, COLOR_3DFACE);
        if (bDropped)
        {
            VerticalLine(pDC, rc.left - 1, rc.top, rc.bottom, COLOR_3DFACE);
            DrawSunken(pDC, rc);
            rcGlyph.OffsetRect(1, 1);
        }
        else if (nSelected)
        {
            VerticalLine(pDC, rc.left - 1, rc.top, rc.bottom, COLOR_3DFACE);
            DrawRaised(pDC, rc);
        }
        else
            Draw3dRectByIndex(pDC, rc, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT);
    }
    DrawDropDownTriangle(pDC, rcGlyph, COLOR_BTNTEXT);
}

void CZMRDefaultTheme::DrawEditSpinButtons(CDC* pDC, CZMRControl* pControl)
{
    CZMRControlEdit* pEdit = dynamic_cast<CZMRControlEdit*>(pControl);
    if (!pEdit)
        return;
    const CRect rc = pEdit->GetSpinButtonsRect();
    const int middle = (rc.top + rc.bottom) / 2;
    const CRect rcUp(rc.left + 1, rc.top + 1, rc.right - 1, middle);
    const CRect rcDown(rc.left + 1, middle, rc.right - 1, rc.bottom - 1);
    const BOOL bEnabled = pEdit->GetEnabled();
    if (bEnabled && pEdit->GetSelected())
    {
        const int nPressed = pEdit->GetPressed();
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
        if (nPressed == 4)
            Draw3dRectByIndex(pDC, rcUp, COLOR_3DSHADOW, COLOR_WINDOW);
        else
            Draw3dRectByIndex(pDC, rcUp, COLOR_WINDOW, COLOR_3DSHADOW);
        if (nPressed == 5)
            Draw3dRectByIndex(pDC, rcDown, COLOR_3DSHADOW, COLOR_WINDOW);
        else
            Draw3dRectByIndex(pDC, rcDown, COLOR_WINDOW, COLOR_3DSHADOW);
    }
    else if (bEnabled)
        DrawRectangle(pDC, CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1), COLOR_3DFACE, COLOR_WINDOW);

    // Arrows two rows high, 5 pixels wide at their base and 3 at their tip,
    // centred in their halves.
    const COLORREF nArrow = bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
    const CPoint ptUp = rcUp.CenterPoint(), ptDown = rcDown.CenterPoint();
    HorizontalLine(pDC, ptUp.x - 1, ptUp.y - 1, ptUp.x + 2, nArrow);
    HorizontalLine(pDC, ptUp.x - 2, ptUp.y, ptUp.x + 3, nArrow);
    HorizontalLine(pDC, ptDown.x - 2, ptDown.y - 1, ptDown.x + 3, nArrow);
    HorizontalLine(pDC, ptDown.x - 1, ptDown.y, ptDown.x + 2, nArrow);
}
