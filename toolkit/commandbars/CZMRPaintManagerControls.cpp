// The paint manager's layout and drawing of whole controls and bar parts:
// tool-bar and popup items with their captions, the floating gripper and the
// special bar buttons. Every operation measures with the draw flag off and
// draws with it on, returning the same size, which is what bars lay out by.
#include "CZMRPaintManager.h"
#include "CZMRControl.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlEdit.h"
#include "CZMRCommandBar.h"
#include "CZMRFontDC.h"
#include "CZMRImageManager.h"
#include "CZMRPenDC.h"
#include "CZMRMeasureDC.h"
#include "CZMRPopupBar.h"
#include <algorithm>
#include <utility>

namespace
{
// The icon's height when it is drawn cx wide, kept to its aspect.
int ImageHeightFor(CZMRImageManagerIcon* pImage, int cx)
{
    const CSize szExtent = pImage->GetExtent();
    return szExtent.cx > 0 ? cx * szExtent.cy / szExtent.cx : cx;
}

BOOL IsVerticalPosition(int nPosition)
{
    return nPosition == zmrBarLeft || nPosition == zmrBarRight;
}

CString WithoutMarkers(const CString& strCaption)
{
    CString str = strCaption;
    CZMRPaintManager::RemoveMnemonicMarkers(str);
    return str;
}
} // namespace

// ---------------------------------------------------------------- dispatch and control state

CSize CZMRPaintManager::DrawControl(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    switch (pControl->GetType())
    {
    case zmrControlEdit:
        return DrawEditItem(pDC, pControl, bDraw);
    case zmrControlComboBox:
        return DrawComboBoxItem(pDC, pControl, bDraw);
    }
    CZMRCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        return DrawPopupBarItem(pDC, pControl, bDraw);
    return DrawToolBarItem(pDC, pControl, bDraw);
}

void CZMRPaintManager::DrawControlStateRect(CDC* pDC, CZMRControl* pControl)
{
    CZMRCommandBar* pBar = pControl->GetParent();
    DrawStateHighlight(pDC, pControl->GetRect(), pControl->GetSelected(), pControl->GetPressed(),
                       pControl->GetEnabled(), pControl->GetChecked(), pControl->IsPopupOpen(),
                       pBar ? pBar->GetType() : zmrBarTypeNormal, pBar ? pBar->GetPosition() : zmrBarTop);
}

COLORREF CZMRPaintManager::GetControlTextColor(CZMRControl* pControl)
{
    CZMRCommandBar* pBar = pControl->GetParent();
    const int nBarType = pBar ? pBar->GetType() : zmrBarTypeNormal;
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    int nEnabled = pControl->GetEnabled();
    // A split button disabled only in its command part keeps an enabled
    // arrow; its text reads as disabled.
    if (pControl->GetType() == zmrControlSplitButtonPopup &&
        nEnabled == (pControl->GetStyle() == zmrButtonIconAndCaptionBelow ? 4 : 5))
        nEnabled = 0;

    const int nType = pControl->GetType();
    if ((nType == zmrControlCheckBox || nType == zmrControlRadioButton) && nBarType != zmrBarTypePopup)
        return GetColor(GetStateTextColor(0, 0, nEnabled, 0, FALSE, nBarType, nPosition));
    return GetColor(GetStateTextColor(pControl->GetSelected(), pControl->GetPressed(), nEnabled,
                                      pControl->GetChecked(), pControl->IsPopupOpen(), nBarType, nPosition));
}

CRect CZMRPaintManager::GetSplitMainPartRect(CZMRControl* pControl)
{
    CRect rc = pControl->GetRect();
    CZMRCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        rc.right -= m_nPopupSplitWidth;
    else if (pControl->GetStyle() == zmrButtonIconAndCaptionBelow)
    {
        if (GetControlTextDirection(pControl) == 1)
            rc.left += GetSplitArrowWidth();
        else
            rc.bottom -= GetSplitArrowWidth();
    }
    else
        rc.right -= m_nSplitDropDownWidth + 1;
    return rc;
}

CSize CZMRPaintManager::GetControlIconSize(CZMRControl* pControl) const
{
    CZMRCommandBar* pBar = pControl->GetParent();
    if (pControl->GetStyle() == zmrButtonIconAndCaptionBelow && pBar && pBar->GetType() != zmrBarTypePopup)
        return pBar->GetLargeIconSize();
    return pControl->GetIconSize();
}

CSize CZMRPaintManager::ApplyControlCustomSize(CZMRControl* pControl, int cx, int cy, BOOL bVertical) const
{
    int nWidth = pControl->GetWidth(), nHeight = pControl->GetHeight();
    if (bVertical)
        std::swap(nWidth, nHeight);
    return CSize(nWidth > 0 ? nWidth : cx, nHeight > 0 ? nHeight : cy);
}

// ---------------------------------------------------------------- fonts and text direction

CFont* CZMRPaintManager::GetControlFont(CZMRControl* pControl)
{
    const BOOL bBold = pControl->IsDefaultItem();
    if (GetControlTextDirection(pControl) == 1)
        return bBold ? &m_fntVerticalBold : &m_fntVertical;
    return bBold ? &m_fntRegularBold : &m_fntRegular;
}

CFont* CZMRPaintManager::GetBarFont(CZMRCommandBar* pBar)
{
    // Bars keep no text orientation of their own: it follows the position.
    return pBar && IsVerticalPosition(pBar->GetPosition()) ? &m_fntVertical : &m_fntRegular;
}

int CZMRPaintManager::GetControlTextDirection(CZMRControl* pControl)
{
    CZMRCommandBar* pBar = pControl->GetParent();
    return pBar && IsVerticalPosition(pBar->GetPosition()) ? 1 : 2;
}

int CZMRPaintManager::GetPopupIconColumnWidth(CZMRCommandBar* pBar)
{
    if (!pBar || pBar->GetType() != zmrBarTypePopup)
        return 0;
    const CZMRPopupBar* pPopupBar = dynamic_cast<const CZMRPopupBar*>(pBar);
    const int nCell = GetIconColumnSize(pBar).cx;
    return (pPopupBar && pPopupBar->IsDoubleGripper() ? 2 * nCell : nCell) + 1;
}

// ---------------------------------------------------------------- captions

void CZMRPaintManager::DrawControlCaption(CDC* pDC, CZMRControl* pControl, const CString& strCaption,
                                          const CString& strCaptionNoMarkers, CRect rc, BOOL bVertical,
                                          BOOL bCentered)
{
    const BOOL bEmbossed = pControl->GetEnabled() == 0 && m_bEmbossDisabledText;
    BOOL bShowCues = TRUE;
    if (m_nKeyboardCues >= 0)
        bShowCues = m_nKeyboardCues != 0;
    else if (CZMRCommandBar* pBar = pControl->GetParent())
        bShowCues = pBar->AreKeyboardCuesShown();
    DrawControlCaptionText(pDC, strCaption, strCaptionNoMarkers, rc, bVertical, bCentered, bEmbossed, bShowCues,
                           pControl->IsInRibbonCaption());
}

CSize CZMRPaintManager::DrawControlText(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bDraw, BOOL bVertical,
                                        BOOL bCentered, BOOL bArrow)
{
    CZMRMeasureDC dc(pDC);
    bDraw = bDraw && pDC;
    const CString strCaption = pControl->GetCaption();
    const CString strPlain = WithoutMarkers(strCaption);
    const CSize szText = dc->GetTextExtent(strPlain.IsEmpty() ? CString(L" ") : strPlain);
    const int nArrow = bArrow ? (m_bNarrowArrow ? 8 : 10) : 0;
    const CSize szResult = bVertical ? CSize(szText.cy, szText.cx + nArrow) : CSize(szText.cx + nArrow, szText.cy);
    if (!bDraw)
        return szResult;

    const int nSelected = pControl->GetSelected();
    const BOOL bPopped = pControl->IsPopupOpen();
    const BOOL bEnabled = pControl->GetEnabled();
    if (!bVertical)
    {
        const int c = szText.cx + (bArrow ? 5 : 0);
        if (bCentered)
            rc.left += (rc.Width() - c) / 2;
        DrawControlCaption(pDC, pControl, strCaption, strPlain, rc, FALSE, FALSE);
        if (bArrow)
            DrawPopupArrow(pDC, pControl, rc.left + c, (rc.top + rc.bottom) / 2, nSelected, bPopped, bEnabled, FALSE);
    }
    else
    {
        // The vertical font turns the text a quarter clockwise: it hangs to
        // the left of its starting x.
        const int x = rc.right - (rc.right - szText.cy - rc.left + 1) / 2;
        const int nLength = szText.cx + (bArrow ? 5 : 0);
        if (bCentered)
            rc.top += (rc.Height() - nLength + 1) / 2;
        DrawControlCaption(pDC, pControl, strCaption, strPlain, CRect(x, rc.top, x + szText.cy, rc.bottom), TRUE,
                           FALSE);
        if (bArrow)
            DrawPopupArrow(pDC, pControl, (rc.left + rc.right) / 2, rc.top + nLength - 1, nSelected, bPopped,
                           bEnabled, TRUE);
    }
    return szResult;
}

CSize CZMRPaintManager::DrawIconAndText(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bDraw, BOOL bArrow, int cx,
                                        int cy, BOOL bHasImage)
{
    if (GetControlTextDirection(pControl) == 1)
    {
        if (bHasImage)
        {
            const CSize sz = DrawControlText(pDC, pControl, CRect(rc.left, rc.top + cy, rc.right, rc.bottom), bDraw,
                                             TRUE, FALSE, bArrow);
            return CSize(std::max(cx, int(sz.cx) + 6), sz.cy + cx + 3);
        }
        const CSize sz = DrawControlText(pDC, pControl, rc, bDraw, TRUE, TRUE, bArrow);
        return CSize(std::max(cx, int(sz.cx) + 6), sz.cy + 8);
    }
    if (!bHasImage)
    {
        const CSize sz = DrawControlText(pDC, pControl, rc, bDraw, FALSE, TRUE, bArrow);
        return CSize(sz.cx + 8, std::max(cy, int(sz.cy) + 6));
    }
    const int nIndent = m_bNarrowArrow ? cx : cx - 1;
    const CSize sz =
        DrawControlText(pDC, pControl, CRect(rc.left + nIndent, rc.top, rc.right, rc.bottom), bDraw, FALSE, FALSE,
                        bArrow);
    return CSize(sz.cx + nIndent + 4, std::max(cy, int(sz.cy) + 6));
}

CSize CZMRPaintManager::DrawTwoLineCaption(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bDraw, BOOL bVertical,
                                           BOOL bArrow)
{
    CZMRMeasureDC dc(pDC);
    bDraw = bDraw && pDC;
    const CString strCaption = pControl->GetCaption();
    CString strLine1, strLine2;
    if (m_bTwoLineCaptions)
        SplitCaptionInTwo(strCaption, strLine1, strLine2);
    else
        strLine1 = strCaption;
    const CString strPlain1 = WithoutMarkers(strLine1), strPlain2 = WithoutMarkers(strLine2);

    const CSize sz1 = dc->GetTextExtent(strPlain1.IsEmpty() ? CString(L" ") : strPlain1);
    const CSize sz2 = strPlain2.IsEmpty() ? CSize(0, sz1.cy) : dc->GetTextExtent(strPlain2);
    const int nLength = std::max(int(sz1.cx), int(sz2.cx) + (bArrow ? 8 : 0));
    const CSize szResult = bVertical ? CSize(24, nLength) : CSize(nLength, 24);
    if (!bDraw)
        return szResult;

    const int nArrowSpace = bArrow ? 9 : 0;
    const int nSelected = pControl->GetSelected();
    const BOOL bPopped = pControl->IsPopupOpen();
    const BOOL bEnabled = pControl->GetEnabled();
    if (!bVertical)
    {
        const int mid = (rc.top + rc.bottom) / 2;
        DrawControlCaption(pDC, pControl, strLine1, strPlain1, CRect(rc.left, rc.top, rc.right, mid + 1), FALSE, TRUE);
        const int x2 = (rc.left + rc.right - (int(sz2.cx) + nArrowSpace)) / 2;
        if (!strPlain2.IsEmpty())
            DrawControlCaption(pDC, pControl, strLine2, strPlain2, CRect(x2, mid, x2 + sz2.cx, rc.bottom), FALSE,
                               FALSE);
        if (bArrow)
        {
            const int xArrow = strPlain2.IsEmpty() ? (rc.left + rc.right) / 2 - 1 : x2 + int(sz2.cx) + 5;
            DrawPopupArrow(pDC, pControl, xArrow, (mid + rc.bottom) / 2, nSelected, bPopped, bEnabled, FALSE);
        }
        return szResult;
    }

    // Turned by a quarter: line 1 in the right half, line 2 in the left half,
    // each centred along the strip, the arrow below line 2.
    const int mid = (rc.left + rc.right) / 2;
    const int x1 = rc.right - (rc.right - mid - int(sz1.cy)) / 2;
    const int y1 = rc.top + (rc.Height() - int(sz1.cx)) / 2;
    DrawControlCaption(pDC, pControl, strLine1, strPlain1, CRect(x1, y1, x1 + sz1.cy, rc.bottom), TRUE, FALSE);
    const int x2 = mid - (mid - rc.left - int(sz1.cy)) / 2;
    const int y2 = rc.top + (rc.Height() - (int(sz2.cx) + nArrowSpace)) / 2;
    if (!strPlain2.IsEmpty())
        DrawControlCaption(pDC, pControl, strLine2, strPlain2, CRect(x2, y2, x2 + sz1.cy, rc.bottom), TRUE, FALSE);
    if (bArrow)
    {
        const int yArrow = strPlain2.IsEmpty() ? (rc.top + rc.bottom) / 2 - 1 : y2 + int(sz2.cx) + 5;
        DrawPopupArrow(pDC, pControl, (rc.left + mid) / 2, yArrow, nSelected, bPopped, bEnabled, TRUE);
    }
    return szResult;
}

// ---------------------------------------------------------------- tool-bar items

CSize CZMRPaintManager::DrawToolBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    CZMRMeasureDC dc(pDC);
    bDraw = bDraw && pDC;
    CZMRFontDC font(dc, GetControlFont(pControl));
    CZMRCommandBar* pBar = pControl->GetParent();
    const int nBarType = pBar ? pBar->GetType() : zmrBarTypeNormal;

    const CRect rc = bDraw ? pControl->GetRect() : CRect(0, 0, 0, 0);
    const CSize szIcon = GetControlIconSize(pControl);
    CSize szCell = pControl->GetButtonSize();
    const BOOL bVertical = GetControlTextDirection(pControl) == 1;
    const int nType = pControl->GetType();
    const int nStyle = pControl->GetStyle();

    CZMRImageManagerIcon* pImage = nullptr;
    const BOOL bWantsImage = nStyle == zmrButtonIcon || nStyle == zmrButtonIconAndCaption ||
                             nStyle == zmrButtonIconAndCaptionBelow ||
                             (nStyle == zmrButtonAutomatic && nType != zmrControlPopup);
    if (bWantsImage && (pControl->GetCustomIconId() > 0 || pControl->GetIconId() != 0 || pControl->GetID() != 0))
        pImage = pControl->GetImage(szIcon.cx);

    const BOOL bCaption = pControl->IsCaptionVisible();
    const int nPressed = pControl->GetPressed();
    const int nSelected = pControl->GetSelected();
    int nEnabled = pControl->GetEnabled();
    const int nChecked = pControl->GetChecked();
    const BOOL bPopped = pControl->IsPopupOpen();
    if (nType == zmrControlSplitButtonPopup && nEnabled == 5)
        nEnabled = 0;

    auto drawImage = [&](CPoint pt) {
        // An icon on glass is drawn opaque.
        const BOOL bOldComposited = pImage->m_bDrawComposited;
        pImage->m_bDrawComposited = pControl->IsInRibbonCaption();
        DrawImage(dc, pt.x, pt.y, szIcon.cx, ImageHeightFor(pImage, szIcon.cx), pImage, nSelected, nPressed,
                  nEnabled, nChecked, bPopped, TRUE);
        pImage->m_bDrawComposited = bOldComposited;
    };

    // Check boxes and radio buttons: a glyph, then the caption; no state frame.
    if (nType == zmrControlCheckBox || nType == zmrControlRadioButton)
    {
        auto glyph = [&](CRect rcGlyph, BOOL bDrawGlyph) {
            return nType == zmrControlCheckBox
                       ? DrawCheckBoxGlyph(dc, rcGlyph, bDrawGlyph, nSelected, nPressed, nChecked, nEnabled)
                       : DrawRadioButtonGlyph(dc, rcGlyph, bDrawGlyph, nSelected, nPressed, nChecked, nEnabled);
        };
        const CSize szGlyph = glyph(CRect(0, 0, 0, 0), FALSE);
        CSize sz = DrawIconAndText(dc, pControl, CRect(0, 0, 0, 0), FALSE, FALSE, szCell.cx, szCell.cy, FALSE);
        if (bVertical)
            sz.cy += szGlyph.cy + 5;
        else
            sz.cx += szGlyph.cx + 5;
        if (bDraw)
        {
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(GetControlTextColor(pControl));
            CRect rcGlyph, rcText = rc;
            if (bVertical)
            {
                const int x = (rc.left + rc.right - szGlyph.cx) / 2;
                rcGlyph = CRect(x, rc.top + 3, x + szGlyph.cx, rc.top + 3 + szGlyph.cy);
                rcText.top += szGlyph.cy + 5;
            }
            else
            {
                const int y = (rc.top + rc.bottom - szGlyph.cy) / 2;
                rcGlyph = CRect(rc.left + 3, y, rc.left + 3 + szGlyph.cx, y + szGlyph.cy);
                rcText.left += szGlyph.cx + 5;
            }
            glyph(rcGlyph, TRUE);
            DrawIconAndText(dc, pControl, rcText, TRUE, FALSE, szCell.cx, szCell.cy, FALSE);
            if (nSelected == 2 || nSelected == 3)
            {
                dc->SetTextColor(GetColor(COLOR_BTNTEXT));
                dc->SetBkColor(GetColor(COLOR_3DFACE));
                dc->DrawFocusRect(rcText);
            }
        }
        return ApplyControlCustomSize(pControl, sz.cx, sz.cy, bVertical);
    }

    if (bDraw)
    {
        if (nType == zmrControlSplitButtonPopup)
            DrawControlBackdrop(dc, pControl, rc);
        else if (!pControl->SuppressesStateFrame())
            DrawControlStateRect(dc, pControl);
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetControlTextColor(pControl));
    }

    CSize sz(0, 0);
    if (nStyle == zmrButtonIconAndCaptionBelow)
    {
        // The large button: the icon on top, the caption in two lines below.
        const BOOL bArrow = pControl->GetCommandBar() != nullptr;
        const int d = GetSplitArrowWidth();
        szCell = CSize(std::max(2 * GetBaseHeight() - 3, 42),
                       m_nFixedControlHeight >= 1 ? 3 * m_nFixedControlHeight : szIcon.cy + d + 7);
        if (bVertical)
            std::swap(szCell.cx, szCell.cy);
        const CSize szCaption = DrawTwoLineCaption(dc, pControl, CRect(0, 0, 0, 0), FALSE, bVertical, bArrow);
        if (bVertical)
            szCell.cy = std::max(szCell.cy, szCaption.cy + 6);
        else
            szCell.cx = std::max(szCell.cx, szCaption.cx + 5);
        if (bDraw)
        {
            if (pImage)
                drawImage(bVertical ? CPoint(rc.left + d + 4, rc.CenterPoint().y - szIcon.cy / 2)
                                    : CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 3));
            const CRect rcCaption = bVertical ? CRect(rc.left + 1, rc.top, rc.left + 1 + d, rc.bottom)
                                              : CRect(rc.left, rc.bottom - 1 - d, rc.right, rc.bottom - 1);
            DrawTwoLineCaption(dc, pControl, rcCaption, TRUE, bVertical, bArrow);
        }
        sz = szCell;
    }
    else if (pBar && pBar->IsTextBelowIcons() && pImage)
    {
        CZMRFontDC fontBelow(dc, pControl->IsDefaultItem() ? &m_fntRegularBold : &m_fntRegular);
        const BOOL bArrow = nType == zmrControlPopup;
        const CSize szText = DrawControlText(dc, pControl, CRect(0, 0, 0, 0), FALSE, FALSE, TRUE, bArrow);
        sz.cx = std::max(szCell.cx, szText.cx + 10) + (nType == zmrControlSplitButtonPopup ? 11 : 0);
        sz.cy = szCell.cy + szText.cy;
        sz.cx = std::max(sz.cx, sz.cy);
        if (bDraw)
        {
            CRect rcButton = rc;
            if (nType == zmrControlSplitButtonPopup)
                rcButton.right -= m_nSplitDropDownWidth;
            drawImage(CPoint(rcButton.CenterPoint().x - szIcon.cx / 2, rcButton.top + 4));
            DrawControlText(dc, pControl,
                            CRect(rcButton.left, rcButton.top + szCell.cy - 4, rcButton.right, rcButton.bottom),
                            TRUE, FALSE, TRUE, bArrow);
        }
    }
    else
    {
        if (bDraw && pImage)
        {
            const int cy = ImageHeightFor(pImage, szIcon.cx);
            CPoint pt = bVertical ? CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 3)
                                  : CPoint(rc.left + 3, (rc.top + rc.bottom - cy) / 2);
            if (nType == zmrControlSplitButtonPopup || (nType == zmrControlPopup && !bCaption))
                pt.x = rc.left + 3;
            else if ((nType == zmrControlButton || nType == zmrControlButtonPopup) && !bCaption)
                pt = CPoint((rc.left + rc.right - szIcon.cx) / 2, (rc.top + rc.bottom - cy) / 2);
            drawImage(pt);
        }
        switch (nType)
        {
        case zmrControlButton:
        case zmrControlButtonPopup:
        case zmrControlLabel:
        case zmrControlGallery:
            if (!bCaption)
                sz = szCell;
            else
            {
                if (!pImage)
                    szCell.cx = 22;
                sz = DrawIconAndText(dc, pControl, rc, bDraw, FALSE, szCell.cx, szCell.cy, pImage != nullptr);
            }
            break;
        case zmrControlPopup:
            if (!pImage)
            {
                // The arrow's room is kept on menu bars, where it is not drawn.
                sz = DrawControlText(dc, pControl, rc, FALSE, bVertical, TRUE, TRUE) + CSize(6, 6);
                if (bDraw)
                    DrawControlText(dc, pControl, rc, TRUE, bVertical, TRUE, nBarType != zmrBarTypeMenuBar);
            }
            else if (!bCaption)
            {
                if (bDraw)
                    DrawPopupArrow(dc, pControl, rc.right - 7, rc.CenterPoint().y, nSelected, bPopped, nEnabled, FALSE);
                sz = CSize(szCell.cy + 7, szCell.cy);
            }
            else
                sz = DrawIconAndText(dc, pControl, rc, bDraw, nBarType != zmrBarTypeMenuBar, szCell.cx, szCell.cy,
                                     TRUE);
            break;
        case zmrControlSplitButtonPopup:
            if (!pImage)
                szCell = CSize(22, 22);
            if (!bCaption)
                sz = CSize(szCell.cx + m_nSplitDropDownWidth, szCell.cy);
            else
            {
                CRect rcText = rc;
                rcText.right -= m_nSplitDropDownWidth;
                sz = DrawIconAndText(dc, pControl, rcText, bDraw, FALSE, szCell.cx, szCell.cy, pImage != nullptr);
                sz.cx += m_nSplitDropDownWidth;
            }
            break;
        default:
            // Edits, combo boxes and custom controls draw themselves.
            return CSize(0, 0);
        }
    }
    return ApplyControlCustomSize(pControl, sz.cx, sz.cy, bVertical);
}

// ---------------------------------------------------------------- popup-bar items

CSize CZMRPaintManager::DrawPopupBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    CZMRMeasureDC dc(pDC);
    bDraw = bDraw && pDC;
    CZMRFontDC font(dc, GetControlFont(pControl));
    CZMRCommandBar* pBar = pControl->GetParent();
    const CRect rc = pControl->GetRect();
    const CSize szCell = GetIconColumnSize(pBar);

    int nColumn = GetPopupIconColumnWidth(pBar);
    if (pControl->GetType() == zmrControlLabel && !m_bLabelIconColumn &&
        !pControl->GetImage(GetIconSize(FALSE).cx))
        nColumn = 0;

    const BOOL bShowCues = m_nKeyboardCues >= 0 ? m_nKeyboardCues != 0 : (!pBar || pBar->AreKeyboardCuesShown());
    CString strCaption = pControl->GetCaption();
    if (pBar && pBar->IsRightToLeftWindow())
        AdjustCaptionForRightToLeft(strCaption);
    const CString strPlain = WithoutMarkers(strCaption);
    const CString strLabel = bShowCues ? strCaption : strPlain;
    const UINT nLabelFormat = bShowCues ? 0 : DT_NOPREFIX;
    const CString strShortcut = pControl->GetShortcutText();
    const int nSelected = pControl->GetSelected();
    const BOOL bEnabled = pControl->GetEnabled();

    const CSize szCaption = dc->GetTextExtent(strPlain.IsEmpty() ? CString(L" ") : strPlain);
    const int nShortcut = strShortcut.IsEmpty() ? 0 : int(dc->GetTextExtent(strShortcut).cx);
    const CString strDescription = pControl->GetDescription();
    const BOOL bDescription = pControl->GetStyle() == zmrButtonCaptionAndDescription && !strDescription.IsEmpty();

    CSize sz(szCaption.cx + nShortcut + nColumn + m_nTextGap + 32, szCell.cy);
    CRect rcDescription(0, 0, 0, 0);
    if (bDescription)
    {
        // The description on about two lines: half its one-line width, and
        // room for the bold caption above it.
        CZMRFontDC fontBold(dc, &m_fntRegularBold);
        const CSize szBold = dc->GetTextExtent(strPlain.IsEmpty() ? CString(L" ") : strPlain);
        fontBold.SetFont(&m_fntRegular);
        const int nWidth = int(dc->GetTextExtent(strDescription).cx) / 2 + 20;
        rcDescription = CRect(0, 0, nWidth, 0);
        dc->DrawText(strDescription, rcDescription, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        sz.cx = std::max(int(szBold.cx), int(rcDescription.Width())) + nShortcut + nColumn + m_nTextGap + 32;
        sz.cy = std::max(int(szCell.cy), int(szBold.cy + rcDescription.Height()) + 8);
    }
    if (!bDraw)
        return sz;

    dc->SetBkMode(TRANSPARENT);
    CRect rcText(rc.left + nColumn - 1 + m_nTextGap, rc.top, rc.right, rc.bottom);
    if (bDescription)
    {
        CZMRFontDC fontBold(dc, &m_fntRegularBold);
        const int h = dc->GetTextExtent(strPlain.IsEmpty() ? CString(L" ") : strPlain).cy;
        CRect rcTop(rcText.left, rc.top + 4, rcText.right, rc.top + 4 + h);
        dc->DrawText(strLabel, rcTop, DT_SINGLELINE | nLabelFormat);
        fontBold.SetFont(&m_fntRegular);
        CRect rcBelow(rcText.left, rcTop.bottom, rc.right - 19, rc.bottom);
        dc->DrawText(strDescription, rcBelow, DT_WORDBREAK | DT_NOPREFIX);
    }
    else
        DrawItemLabel(dc, strLabel, rcText, DT_LEFT | nLabelFormat, TRUE, nSelected, bEnabled);
    if (!strShortcut.IsEmpty())
        DrawItemLabel(dc, strShortcut, CRect(rc.left + nColumn + 8, rc.top, rc.right - 19, rc.bottom),
                      DT_RIGHT | DT_NOPREFIX, TRUE, nSelected, bEnabled);
    return sz;
}

// ---------------------------------------------------------------- edits and combo boxes

// Edits and combo boxes share their label and height: the label is drawn as
// a popup item on popup bars, else after the image in the state colour.
static CSize DrawFieldLabel(CZMRPaintManager* pPaintManager, CDC* pDC, CZMRControl* pControl, BOOL bDraw,
                            BOOL bCombo, int& nLabelWidth)
{
    CZMRMeasureDC dc(pDC);
    bDraw = bDraw && pDC;
    CZMRCommandBar* pBar = pControl->GetParent();
    const BOOL bPopup = pBar && pBar->GetType() == zmrBarTypePopup;

    int nHeight = pPaintManager->m_nFixedControlHeight;
    if (nHeight < 1)
    {
        CZMRFontDC font(dc, &pPaintManager->m_fntField);
        nHeight = int(dc->GetTextExtent(CString(L" ")).cy) + 7;
        if (bCombo)
            nHeight = std::max(nHeight, 20);
    }

    CZMRFontDC font(dc, pPaintManager->GetControlFont(pControl));
    const CString strCaption = pControl->GetCaption();
    const CString strPlain = WithoutMarkers(strCaption);
    nLabelWidth = 0;
    if (pControl->IsCaptionVisible() && !strPlain.IsEmpty())
    {
        nLabelWidth = int(dc->GetTextExtent(strPlain).cx) + 5;
        if (bPopup)
            nLabelWidth += pPaintManager->GetPopupIconColumnWidth(pBar) + pPaintManager->m_nTextGap;
    }

    if (bDraw && nLabelWidth > 0)
    {
        if (bPopup)
            pPaintManager->DrawPopupBarItem(dc, pControl, TRUE);
        else
        {
            const CRect rc = pControl->GetRect();
            int x = rc.left + 3;
            const CSize szIcon = pControl->GetIconSize();
            if (CZMRImageManagerIcon* pImage = pControl->GetImage(szIcon.cx))
            {
                const int cy = ImageHeightFor(pImage, szIcon.cx);
                pPaintManager->DrawImage(dc, x, (rc.top + rc.bottom - cy) / 2, szIcon.cx, cy, pImage,
                                         pControl->GetSelected(), 0, pControl->GetEnabled(), 0, FALSE, TRUE);
                x += szIcon.cx + 3;
            }
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(pPaintManager->GetControlTextColor(pControl));
            pPaintManager->DrawControlCaption(dc, pControl, strCaption, strPlain,
                                              CRect(x, rc.top, rc.left + nLabelWidth, rc.bottom), FALSE, FALSE);
        }
    }
    return CSize(pControl->GetWidth(), nHeight);
}

CSize CZMRPaintManager::DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    int nLabelWidth = 0;
    const CSize sz = DrawFieldLabel(this, pDC, pControl, bDraw, TRUE, nLabelWidth);
    if (CZMRControlComboBox* pCombo = dynamic_cast<CZMRControlComboBox*>(pControl))
    {
        pCombo->SetDropDownWidth(std::max(15, int(sz.cy) * 9 / 14 + 1));
        pCombo->SetLabelWidth(nLabelWidth);
    }
    return sz;
}

CSize CZMRPaintManager::DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    int nLabelWidth = 0;
    const CSize sz = DrawFieldLabel(this, pDC, pControl, bDraw, FALSE, nLabelWidth);
    if (CZMRControlEdit* pEdit = dynamic_cast<CZMRControlEdit*>(pControl))
        pEdit->SetLabelWidth(nLabelWidth);
    return sz;
}

// ---------------------------------------------------------------- gripper and special buttons

CSize CZMRPaintManager::DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw)
{
    if (!pBar || pBar->GetPosition() != zmrBarFloating)
        return CSize(0, 0);
    CZMRMeasureDC dc(pDC);
    bDraw = bDraw && pDC;
    CRect rcClient(0, 0, 0, 0);
    if (pBar->GetSafeHwnd())
        pBar->GetClientRect(rcClient);
    CZMRFontDC font(dc, &m_fntFloatingCaption);
    const int h = dc->GetTextExtent(CString(L" ")).cy;
    const int b = h < 15 ? 18 : h + 3;
    const CRect rcStrip(3, 3, rcClient.right - 3, b);
    if (bDraw)
    {
        dc->SetBkMode(TRANSPARENT);
        dc->FillSolidRect(rcStrip, m_clrFloatingCaption.GetColor());
        dc->SetTextColor(m_clrFloatingCaptionText.GetColor());
        // Room is left for the two caption buttons on the right.
        CRect rcTitle(5, 3, rcStrip.right - 2 * rcStrip.Height(), b);
        dc->DrawText(pBar->GetTitle(), rcTitle, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    return rcStrip.Size();
}

CSize CZMRPaintManager::DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar,
                                           BOOL bDraw, LPARAM lExtra)
{
    bDraw = bDraw && pDC;
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    const BOOL bAlongSide = IsVerticalPosition(nPosition) || nPosition == zmrBarPopup;

    if (nKind == 1)
    {
        if (bDraw)
        {
            DrawControlStateRect(pDC, pControl);
            const CRect rc = pControl->GetRect();
            CZMRPenDC pen(pDC->GetSafeHdc(), RGB(0, 0, 0));
            const int x0 = rc.CenterPoint().x, y0 = rc.top;
            for (int dy : {0, 1, 4, 5})
            {
                const POINT pts[] = {{x0 - 2, y0 + 2 + dy}, {x0, y0 + 4 + dy}, {x0 + 3, y0 + 1 + dy}};
                pDC->Polyline(pts, 3);
            }
        }
        return CSize(0, 12);
    }
    if (!pControl)
        return CSize(0, 0);

    if (nKind == 0 && !bDraw)
    {
        // Laying out: the button sits at the far end of the bar.
        if (const SIZE* pSize = reinterpret_cast<const SIZE*>(lExtra))
        {
            const int W = pSize->cx, H = pSize->cy;
            pControl->SetRect(bAlongSide ? CRect(2, H - 13, W - 2, H - 2) : CRect(W - 13, 2, W - 2, H - 2));
        }
        return CSize(0, 0);
    }
    if (!bDraw)
        return CSize(0, 0);

    const CRect rc = pControl->GetRect();
    DrawControlStateRect(pDC, pControl);
    switch (nKind)
    {
    case 0:
    {
        const COLORREF clr = GetControlTextColor(pControl);
        const BOOL bHidden = lExtra != 0;
        CZMRPenDC pen(pDC->GetSafeHdc(), clr);
        if (bAlongSide)
        {
            DrawTriangle(pDC, CPoint(rc.left + 6, rc.top + 3), CPoint(rc.left + 6, rc.top + 7),
                         CPoint(rc.left + 4, rc.top + 5), clr);
            if (bHidden)
            {
                for (int dy : {0, 1, 4, 5})
                {
                    const POINT pts[] = {
                        {rc.right - 8, rc.top + 2 + dy},
                        {rc.right - 6, rc.top + 4 + dy},
                        {rc.right - 3, rc.top + 1 + dy}};
                    pDC->Polyline(pts, 3);
                }
            }
        }
        else
        {
            const int cx = rc.CenterPoint().x;
            DrawTriangle(pDC, CPoint(cx - 2, rc.bottom - 7), CPoint(cx + 2, rc.bottom - 7), CPoint(cx, rc.bottom - 5),
                         clr);
            if (bHidden)
            {
                for (int dx : {0, 1, 4, 5})
                {
                    const POINT pts[] = {
                        {rc.left + 2 + dx, rc.top + 4}, {rc.left + 4 + dx, rc.top + 6}, {rc.left + 1 + dx, rc.top + 9}};
                    pDC->Polyline(pts, 3);
                }
            }
        }
        break;
    }
    case 2:
    {
        // The hide button: the cross of the symbol font, at 8 points.
        LOGFONT lf = {};
        const int nPixelsPerInch = std::max(pDC->GetDeviceCaps(LOGPIXELSX), 1);
        lf.lfHeight = -::MulDiv(8 * 96 / nPixelsPerInch, pDC->GetDeviceCaps(LOGPIXELSY), 72);
        lf.lfCharSet = SYMBOL_CHARSET;
        lstrcpyW(lf.lfFaceName, L"Marlett");
        CFont fntMarlett;
        fntMarlett.CreateFontIndirect(&lf);
        CZMRFontDC font(pDC, &fntMarlett);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(pControl->GetPressed() || pControl->GetSelected() ? GetControlTextColor(pControl)
                                                                           : m_clrFloatingCaptionText.GetColor());
        CRect rcText = rc;
        pDC->DrawText(CString(L"r"), rcText, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        break;
    }
    case 3:
    {
        const COLORREF clr = pControl->GetSelected() || pControl->IsPopupOpen() ? GetControlTextColor(pControl)
                                                                                : m_clrFloatingCaptionText.GetColor();
        const CPoint pt = rc.CenterPoint();
        DrawTriangle(pDC, CPoint(pt.x - 3, pt.y - 2), CPoint(pt.x + 3, pt.y - 2), CPoint(pt.x, pt.y + 1), clr);
        break;
    }
    }
    return CSize(0, 0);
}
