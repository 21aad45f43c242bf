// The Office theme's drawing of controls: popup items with their icon cell,
// split divider and arrow; split and drop-down buttons; combo boxes, edits
// and list rows; icons and the popup's resize gripper.
#include "CZMROfficeTheme.h"
#include "CZMRColorManager.h"
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
// The icon's height when it is drawn cx wide, kept to its aspect.
int ImageHeightFor(CZMRImageManagerIcon* pImage, int cx)
{
    const CSize szExtent = pImage->GetExtent();
    return szExtent.cx > 0 ? cx * szExtent.cy / szExtent.cx : cx;
}

BOOL IsPopupType(int nType)
{
    return nType == zmrControlPopup || nType == zmrControlButtonPopup || nType == zmrControlSplitButtonPopup;
}
} // namespace

// ---------------------------------------------------------------- icons

void CZMROfficeTheme::DrawImage(CDC* pDC, int x, int y, int cx, int cy, CZMRImageManagerIcon* pImage,
                                int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                                BOOL /*bToolBarImage*/)
{
    if (!pDC || !pImage)
        return;
    // Disabled and indeterminate shapes: one flat silhouette of the normal image.
    const CIconSilhouettes silhouettes = {FALSE, clrDisabledImage, clrDisabledImage, FALSE};
    DrawImageByState(pDC, CPoint(x, y), CSize(cx, cy), pImage, nSelected, nPressed, bEnabled, nChecked, bPopped,
                     silhouettes);
}

void CZMROfficeTheme::DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind)
{
    pDC->FillSolidRect(rc, GetColor(clrIconColumn));
    DrawGripDots(pDC, rc, nKind);
}

// ---------------------------------------------------------------- popup items

CSize CZMROfficeTheme::DrawPopupBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    if (!bDraw || !pDC)
        return CZMRPaintManager::DrawPopupBarItem(pDC, pControl, bDraw);

    CZMRFontDC font(pDC, GetControlFont(pControl));
    CZMRCommandBar* pBar = pControl->GetParent();
    const CRect rc = pControl->GetRect();
    const int nType = pControl->GetType();
    int nEnabled = pControl->GetEnabled();
    if (nType == zmrControlSplitButtonPopup && nEnabled == 5)
        nEnabled = 0;
    const int nSelected = pControl->GetSelected();
    const int nChecked = pControl->GetChecked();

    const CSize szIcon = GetControlIconSize(pControl);
    CZMRImageManagerIcon* pImage = pControl->GetStyle() != zmrButtonCaption ? pControl->GetImage(szIcon.cx) : nullptr;
    const int nCell = std::max(GetBaseHeight() + 4, int(szIcon.cx) + 4);
    const int nColumn = GetPopupIconColumnWidth(pBar);
    const BOOL bIconColumn = pBar && pBar->IsGripperShown();
    // Where the icon column ends: it starts a pixel left of the bar's border.
    const int xColumnEnd = (pBar ? int(pBar->GetBorders().left) : 0) - 1 + nColumn;

    if (pControl->IsRarelyUsed() && rc.left < xColumnEnd)
        FillIconColumn(pDC, rc.left - 1, rc.top, nColumn, rc.Height(), TRUE);

    if (nType == zmrControlLabel)
    {
        int c = nColumn;
        if ((!m_bLabelIconColumn && !pImage) || !bIconColumn || xColumnEnd < rc.left)
            c = 0;
        FillLabelRow(pDC, CRect(rc.left + c, rc.top, rc.right, rc.bottom));
    }
    else
        DrawStateHighlight(pDC, rc, nSelected, 0, nEnabled, 0, FALSE, zmrBarTypePopup, zmrBarPopup);

    if (nType == zmrControlSplitButtonPopup)
        DrawPopupSplitDivider(pDC, pControl);

    // The glyph box of check marks is centred in the first cell; the icon's
    // cell moves right by half the text gap without an icon column, and by a
    // whole cell with the double gripper (marks in the first, icons in the second).
    CRect rcCell(rc.left, rc.top, rc.left + nCell, rc.bottom);
    const CPoint ptFirst = rcCell.CenterPoint();
    const CRect rcGlyph(CPoint(ptFirst.x - (szIcon.cx + 4) / 2, ptFirst.y - (szIcon.cy + 4) / 2),
                        CSize(szIcon.cx + 4, szIcon.cy + 4));
    CZMRPopupBar* pPopupBar = dynamic_cast<CZMRPopupBar*>(pBar);
    const BOOL bDoubleGripper = pPopupBar && pPopupBar->IsDoubleGripper();
    if (!bIconColumn)
        rcCell.OffsetRect(m_nTextGap / 2, 0);
    else if (bDoubleGripper)
        rcCell.OffsetRect(nCell, 0);
    const CPoint ptCell = rcCell.CenterPoint();

    if (nChecked)
        DrawStateHighlight(pDC, rcGlyph, nSelected, 0, nEnabled, nChecked, FALSE, zmrBarTypePopup, zmrBarPopup);

    if (pImage)
    {
        const int cy = ImageHeightFor(pImage, szIcon.cx);
        DrawImage(pDC, ptCell.x - szIcon.cx / 2, ptCell.y - cy / 2, szIcon.cx, cy, pImage, nSelected, 0, nEnabled,
                  nChecked, FALSE, FALSE);
    }
    if (nChecked && (!pImage || bDoubleGripper))
    {
        // The mark stands out from the checked fill: black (entry 0) unless
        // that fill is itself close to black. The distance is compared as it
        // stands, not scaled by the fill's brightness.
        const BOOL bDarkMark =
            CZMRColorManager::IsColorDifferenceAbove(GetColor(clrCheckedFill), RGB(0, 0, 0), FALSE, 50);
        const COLORREF nMark = !nEnabled ? COLORREF(clrDisabledImage) : bDarkMark ? 0 : RGB(255, 255, 255);
        if (nType == zmrControlRadioButton)
            DrawRadioDot(pDC, rcGlyph, nEnabled, nMark);
        else
            DrawCheckMark(pDC, rcGlyph, nEnabled, nMark);
    }

    pDC->SetTextColor(GetControlTextColor(pControl));
    pDC->SetBkMode(TRANSPARENT);
    if (IsPopupType(nType))
        DrawPopupItemArrow(pDC, pControl);
    return CZMRPaintManager::DrawPopupBarItem(pDC, pControl, bDraw);
}

void CZMROfficeTheme::DrawPopupSplitDivider(CDC* pDC, CZMRControl* pControl)
{
    const CRect rc = pControl->GetRect();
    const CRect rcSplit(rc.right - m_nPopupSplitWidth, rc.top, rc.right, rc.bottom);
    const int nSelected = pControl->GetSelected();
    if (!pControl->GetEnabled())
        VerticalLineOf(pDC, rcSplit.left, rc.top + 1, rc.bottom - 1, GetControlTextColor(pControl));
    else if (nSelected && pControl->IsPopupOpen())
        DrawRectangle(pDC, rcSplit, clrPressedFill, clrHotFrame);
    else
        VerticalLine(pDC, rcSplit.left, rc.top + 1, rc.bottom - 1, nSelected ? clrHotFrame : clrShadow);
}

void CZMROfficeTheme::DrawPopupItemArrow(CDC* pDC, CZMRControl* pControl)
{
    const CRect rc = pControl->GetRect();
    const int mid = (rc.top + rc.bottom) / 2;
    const BOOL bOpenSplit = pControl->GetType() == zmrControlSplitButtonPopup && pControl->GetEnabled() &&
                            pControl->IsPopupOpen() && pControl->GetSelected();
    const COLORREF clr = bOpenSplit ? GetColor(clrPressedText) : GetControlTextColor(pControl);
    DrawTriangle(pDC, CPoint(rc.right - 11, mid - 3), CPoint(rc.right - 8, mid), CPoint(rc.right - 11, mid + 3), clr);
}

// ---------------------------------------------------------------- tool-bar buttons

void CZMROfficeTheme::DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc)
{
    CZMRCommandBar* pBar = pControl->GetParent();
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    const int nSelected = pControl->GetSelected();
    const int nPressed = pControl->GetPressed();
    const int nEnabled = pControl->GetEnabled();
    const int nChecked = pControl->GetChecked();
    const BOOL bPopped = pControl->IsPopupOpen();
    const BOOL bActive = nEnabled && (nSelected || nPressed) && !bPopped;

    if (pControl->GetStyle() != zmrButtonIconAndCaptionBelow)
    {
        const int nDrop = m_nSplitDropDownWidth + 1;
        CRect rcMain = rc;
        if (!bPopped)
            rcMain.right -= nDrop;
        DrawStateHighlight(pDC, rcMain, nSelected, nPressed, nEnabled, nChecked, bPopped, zmrBarTypeNormal,
                           nPosition);
        if (bActive)
            DrawStateHighlight(pDC, CRect(rc.right - nDrop, rc.top, rc.right, rc.bottom), TRUE, 0, TRUE, 0, FALSE,
                               zmrBarTypeNormal, nPosition);
        DrawPopupArrow(pDC, pControl, rc.right - 7, (rc.top + rc.bottom) / 2, nSelected, bPopped,
                       nEnabled != 0 && nEnabled != 4, FALSE);
        return;
    }

    // Caption below the icon: the split part is a band at the bottom, or at
    // the left when the text runs vertically.
    const int d = GetSplitArrowWidth();
    const BOOL bVertical = GetControlTextDirection(pControl) == 1;
    CRect rcMain = rc;
    if (bVertical)
        rcMain.left += d;
    else
        rcMain.bottom -= d;
    const BOOL bHotPressed = nSelected && nPressed && !bPopped;
    DrawStateHighlight(pDC, rc, nSelected, bHotPressed ? 0 : nPressed, nEnabled, nChecked, bPopped,
                       zmrBarTypeNormal, nPosition);
    if (bActive)
    {
        if (bVertical)
            VerticalLine(pDC, rc.left + d - 1, rc.top, rc.bottom, clrHotFrame);
        else
            HorizontalLine(pDC, rc.left, rc.bottom - d, rc.right, clrHotFrame);
    }
    if (bHotPressed && nEnabled)
        DrawStateHighlight(pDC, rcMain, nSelected, nPressed, nEnabled, nChecked, FALSE, zmrBarTypeNormal, nPosition);
}

// ---------------------------------------------------------------- fields

void CZMROfficeTheme::DrawDisabledField(CDC* pDC, CRect rc, int nSelected)
{
    // Keyboard selection still shows on a disabled field.
    DrawRectangle(pDC, rc, clrFace, nSelected == 2 || nSelected == 3 ? clrHotFrame : clrDisabledImage);
}

CSize CZMROfficeTheme::DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    const CSize sz = CZMRPaintManager::DrawComboBoxItem(pDC, pControl, bDraw);
    CZMRControlComboBox* pCombo = dynamic_cast<CZMRControlComboBox*>(pControl);
    if (!bDraw || !pDC || !pCombo)
        return sz;

    CZMRCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar && pBar->GetType() == zmrBarTypePopup;
    const CRect rc = pControl->GetRect();
    const int xField = rc.left + pCombo->GetLabelWidth();
    const CRect rcField(xField, rc.top, rc.right, rc.bottom);
    const CRect rcButton(rc.right - pCombo->GetDropDownWidth(), rc.top, rc.right, rc.bottom);
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const BOOL bDropped = pControl->IsPopupOpen();

    if (bEnabled)
    {
        pDC->FillSolidRect(CRect(xField + 1, rc.top + 1, rcButton.left + 1, rc.bottom - 1), GetColor(clrWindowFill));
        if (nSelected)
        {
            DrawRectangle(pDC, rcField, clrWindowFill, clrHotFrame);
            DrawStateHighlight(pDC, rcButton, nSelected, bDropped, TRUE, 0, FALSE, zmrBarTypeNormal,
                               pBar ? pBar->GetPosition() : zmrBarTop);
        }
        else if (bPopupBar)
        {
            DrawRectangle(pDC, rcField, COLORREF(-1), clrPopupFieldFrame);
            DrawRectangle(pDC, rcButton, clrPopupFieldFrame, clrWindowFill);
        }
        else
            DrawRectangle(pDC, rcButton, COLORREF(-1), clrWindowFill);
    }
    else
        DrawDisabledField(pDC, CRect(xField + 1, rc.top, rc.right, rc.bottom), nSelected);
    pCombo->DrawEditText(pDC, CRect(xField + 3, rc.top + 1, rcButton.left, rc.bottom - 1));

    const COLORREF nTriangle = !bEnabled ? clrDisabledImage
                               : bDropped ? clrPressedText
                               : nSelected ? clrHotText
                                           : clrBarText;
    DrawDropDownTriangle(pDC, rcButton, nTriangle);
    return sz;
}

CSize CZMROfficeTheme::DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    const CSize sz = CZMRPaintManager::DrawEditItem(pDC, pControl, bDraw);
    CZMRControlEdit* pEdit = dynamic_cast<CZMRControlEdit*>(pControl);
    if (!bDraw || !pDC || !pEdit)
        return sz;

    CZMRCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar && pBar->GetType() == zmrBarTypePopup;
    const CRect rc = pControl->GetRect();
    const int xField = rc.left + pEdit->GetLabelWidth();
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const BOOL bSpin = pEdit->IsSpinButtonsVisible();
    // The spin buttons take the last 16 pixels inside the frame.
    const CRect rcSpin(rc.right - 17, rc.top + 1, rc.right - 1, rc.bottom - 1);

    if (bEnabled)
    {
        pDC->FillSolidRect(CRect(xField + 1, rc.top + 1, bSpin ? rcSpin.left : rc.right - 1, rc.bottom - 1),
                           GetColor(clrWindowFill));
        const CRect rcField(xField, rc.top, rc.right, rc.bottom);
        if (nSelected)
            DrawRectangle(pDC, rcField, COLORREF(-1), clrHotFrame);
        else if (bPopupBar)
            DrawRectangle(pDC, rcField, COLORREF(-1), clrPopupFieldFrame);
    }
    else
        DrawDisabledField(pDC, CRect(xField + 1, rc.top, rc.right, rc.bottom), nSelected);
    pEdit->DrawEditIcon(pDC, CRect(xField + 3, rc.top + 1, rc.right - 3, rc.bottom - 1));

    if (!bSpin)
        return sz;
    const int middle = (rcSpin.top + rcSpin.bottom) / 2;
    const CRect rcUp(rcSpin.left, rcSpin.top, rcSpin.right, middle);
    const CRect rcDown(rcSpin.left, middle, rcSpin.right, rcSpin.bottom);
    if (bEnabled && nSelected)
    {
        pDC->FillSolidRect(rcSpin, GetColor(clrHotFill));
        const int nPressed = pControl->GetPressed();
        if (nPressed == 4 || nPressed == 5)
            pDC->FillSolidRect(nPressed == 4 ? rcUp : rcDown, GetColor(clrPressedFill));
        VerticalLine(pDC, rcSpin.left, rcSpin.top, rcSpin.bottom, clrHotFrame);
        HorizontalLine(pDC, rcSpin.left, middle, rcSpin.right, clrHotFrame);
    }
    else if (bEnabled)
        DrawRectangle(pDC, rcSpin, COLORREF(-1), clrWindowFill);

    // Arrows five pixels wide and two high: a row of three over a row of
    // five (up), or the reverse (down).
    const COLORREF clr = GetColor(bEnabled ? clrGlyph : clrDisabledGlyph);
    const CPoint ptUp = rcUp.CenterPoint(), ptDown = rcDown.CenterPoint();
    pDC->FillSolidRect(ptUp.x - 1, ptUp.y - 1, 3, 1, clr);
    pDC->FillSolidRect(ptUp.x - 2, ptUp.y, 5, 1, clr);
    pDC->FillSolidRect(ptDown.x - 2, ptDown.y - 1, 5, 1, clr);
    pDC->FillSolidRect(ptDown.x - 1, ptDown.y, 3, 1, clr);
    return sz;
}

// ---------------------------------------------------------------- list rows

CSize CZMROfficeTheme::DrawControlListItem(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                           CWnd* /*pListWnd*/)
{
    const CSize szIcon = pControl && pControl->GetParent() ? pControl->GetIconSize() : GetIconSize(FALSE);
    const int nBase = GetBaseHeight();
    const CSize szCell(std::max(int(szIcon.cx) + 4, nBase + 4), std::max(int(szIcon.cy) + 6, nBase));
    if (!bDraw || !pDC)
        return szCell;
    pDC->FillSolidRect(rc, GetColor(clrPopupFill));
    FillIconColumn(pDC, 0, rc.top, szCell.cx + 1, rc.Height(), FALSE);
    if (!pControl)
        return CSize(0, 0);
    if (bSelected)
        DrawStateHighlight(pDC, rc, 1, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup);

    const int nType = pControl->GetType();
    const int nStyle = pControl->GetStyle();
    const CRect rcCell(rc.left, rc.top, rc.left + szCell.cx, rc.top + szCell.cy);
    const BOOL bIconStyle = (nStyle == zmrButtonAutomatic && nType != zmrControlPopup) || nStyle == zmrButtonIcon ||
                            nStyle == zmrButtonIconAndCaption;
    if (CZMRImageManagerIcon* pImage = bIconStyle ? pControl->GetImage(szIcon.cx) : nullptr)
    {
        const int cy = ImageHeightFor(pImage, szIcon.cx);
        const CPoint pt = rcCell.CenterPoint();
        DrawImage(pDC, pt.x - szIcon.cx / 2, pt.y - cy / 2, szIcon.cx, cy, pImage, bSelected, 0, TRUE, 0, FALSE,
                  FALSE);
    }

    const COLORREF clrText = GetColor(GetStateTextColor(bSelected, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup));
    CString strCaption = pControl->GetCaption();
    RemoveMnemonicMarkers(strCaption);
    AdjustCaptionForRightToLeft(strCaption);
    CZMRFontDC font(pDC, &m_fntRegular);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    CRect rcCaption(szCell.cx + rc.left + 8, rc.top, rc.right, rc.bottom);
    pDC->DrawText(strCaption, rcCaption, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);

    const int mid = (rc.top + rc.bottom) / 2;
    if (IsPopupType(nType))
    {
        DrawTriangle(pDC, CPoint(rc.right - 12, mid - 5), CPoint(rc.right - 7, mid), CPoint(rc.right - 12, mid + 5),
                     clrText);
        if (nType == zmrControlSplitButtonPopup)
            VerticalLine(pDC, rc.right - 20, rc.top, rc.bottom, bSelected ? clrHotFrame : clrShadow);
    }
    else if (nType == zmrControlComboBox || nType == zmrControlEdit)
    {
        // The field box takes the right half of the row, after the caption.
        const CRect rcField((rc.left + rc.right) / 2, rc.top + 1, rc.right - 1, rc.bottom - 1);
        DrawRectangle(pDC, rcField, clrWindowFill, bSelected ? clrHotFrame : clrFace);
        if (nType == zmrControlComboBox)
        {
            const int nButton = pDC->GetTextExtent(CString(L" ")).cy + 2;
            const CRect rcButton(rcField.right - nButton, rcField.top, rcField.right, rcField.bottom);
            if (bSelected)
                DrawStateHighlight(pDC, rcButton, 1, 0, TRUE, 0, FALSE, zmrBarTypePopup, zmrBarPopup);
            DrawDropDownTriangle(pDC, rcButton, bSelected ? clrHotText : clrBarText);
        }
    }
    return szCell;
}
