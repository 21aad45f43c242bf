// The ribbon theme's look of ordinary command-bar controls: text colours,
// button highlights, grouped runs and split buttons, check boxes and radio
// buttons, popup items, bar backgrounds and the status bar, all from the
// skin's parts. Where the skin lacks a part the Office 2003 drawing (the
// parent themes') stands in, or nothing is drawn where that is the rule.
#include "CZMRRibbonTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxEditCtrl.h"
#include "CZMRControlEdit.h"
#include "CZMRFontDC.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"
#include "CZMROffice2007Images.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRRibbonGroup.h"
#include "CZMRStatusBar.h"
#include "CZMRStatusBarPane.h"
#include <algorithm>

namespace
{
const COLORREF kMenuLine = RGB(197, 197, 197);
const COLORREF kMenuLineLight = RGB(245, 245, 245);

BOOL IsPopupBar(int nBarType)
{
    return nBarType == zmrBarTypePopup;
}

BOOL IsKeyboardSelection(int nSelected)
{
    return nSelected == 2 || nSelected == 3;
}

// Where a control of a grouped ribbon group stands in its run.
enum RunPosition
{
    runNone,     // not in a grouped group
    runSingle,
    runLeft,
    runRight,
    runCenter
};

RunPosition GetRunPosition(CZMRControl* pControl)
{
    CZMRRibbonGroup* pGroup = pControl ? pControl->GetRibbonGroup() : nullptr;
    CZMRControls* pControls = pControl ? pControl->GetControls() : nullptr;
    if (!pGroup || !pGroup->IsControlsGrouping() || !pControls)
        return runNone;
    const BOOL bStart = pControl->GetBeginGroup() || pControl->GetWrap();
    // The walk of the collection wraps; an index at or before this one means
    // there is no next control. A control of another group ends the run too.
    const int nIndex = pControl->GetIndex();
    const int nNext = pControls->GetNext(nIndex, +1, FALSE);
    CZMRControl* pNext = nNext > nIndex ? pControls->GetAt(nNext) : nullptr;
    const BOOL bEnd =
        !pNext || pNext->GetBeginGroup() || pNext->GetWrap() || pNext->GetRibbonGroup() != pControl->GetRibbonGroup();
    if (bStart && bEnd)
        return runSingle;
    if (bStart)
        return runLeft;
    return bEnd ? runRight : runCenter;
}
} // namespace

// ---------------------------------------------------------------- text colours

COLORREF CZMRRibbonTheme::GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                                            int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypeMenuBar && bEnabled && !nSelected && !nPressed && !nChecked && !bPopped)
        return CZMROffice2007Theme::GetStateTextColor(nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                                      nBarPosition);
    if (IsPopupBar(nBarType))
        return GetColor(bEnabled ? 44 : 35);
    return GetColor(bEnabled ? 46 : 60);
}

COLORREF CZMRRibbonTheme::GetControlTextColor(CZMRControl* pControl)
{
    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (!pBar || !pBar->IsRibbonBar() || pControl->GetRibbonGroup())
        return CZMROffice2007Theme::GetControlTextColor(pControl);

    CZMRRibbonBar* pRibbonBar = static_cast<CZMRRibbonBar*>(pBar);
    const BOOL bEnabled = pControl->GetEnabled();
    const int nType = pControl->GetType();
    const BOOL bKindAlwaysPlain = nType == zmrControlCheckBox || nType == zmrControlRadioButton;
    const BOOL bAtRest =
        !pControl->GetSelected() && !pControl->GetPressed() && !pControl->GetChecked() && !pControl->IsPopupOpen();
    if (bEnabled && (bKindAlwaysPlain || bAtRest))
    {
        if (pRibbonBar->IsQuickAccessControl(pControl) && IsControlRectInRibbonCaption(pControl))
        {
            CZMRRibbonFrameHelper* pHelper = pRibbonBar->GetFrameHelper();
            const BOOL bMaximized = pHelper && ::IsZoomed(pHelper->GetFrameHwnd());
            return bMaximized ? RGB(255, 255, 255) : RGB(0, 0, 0);
        }
        return m_clrRibbonText.GetColor();
    }
    if (!bEnabled)
        return m_clrRibbonGrayText.GetColor();
    return CZMROffice2007Theme::GetControlTextColor(pControl);
}

COLORREF CZMRRibbonTheme::GetEditFieldBackColor(CZMRControl* pControl)
{
    if (!pControl || !pControl->GetEnabled())
        return GetColor(COLOR_BTNFACE);
    if (pControl->GetSelected())
        return GetColor(COLOR_WINDOW);
    CZMRCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        return GetColor(41);
    return m_clrEditField.GetColor();
}

// ---------------------------------------------------------------- buttons

void CZMRRibbonTheme::DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                         int nChecked, BOOL bPopped, int nBarType, int nBarPosition)
{
    if (!IsPopupBar(nBarType))
    {
        const int nState = GetButtonHighlightState(nSelected, nPressed, bEnabled, nChecked, bPopped);
        if (nState >= 0)
            DrawRibbonPart(pDC, rc.Height() < 33 ? L"TOOLBARBUTTONS22" : L"TOOLBARBUTTONS50", rc, nState, 4,
                           CRect(8, 8, 8, 8), partOpaque);
        return;
    }

    const BOOL bMenu = nBarPosition == zmrBarPopup;
    if (bMenu && nChecked)
    {
        if (DrawRibbonPart(pDC, L"MENUCHECKEDITEM", rc, bEnabled ? 0 : 1, 2, CRect(4, 4, 4, 4), partOpaque))
            return;
    }
    else if (bMenu && nSelected)
    {
        if (!bEnabled && !IsKeyboardSelection(nSelected))
            return;
        const BOOL bSmall = rc.Height() < 33;
        LPCWSTR lpszPart = bEnabled ? (bSmall ? L"MENUSELECTEDITEM22" : L"MENUSELECTEDITEM54")
                                    : (bSmall ? L"MENUSELECTEDDISABLEDITEM22" : L"MENUSELECTEDDISABLEDITEM54");
        if (DrawRibbonPart(pDC, lpszPart, rc, 0, 1, CRect(4, 4, 4, 4), partOpaque))
            return;
    }
    // Items in no state of their own, other popups, and parts the skin lacks.
    CZMROffice2007Theme::DrawStateHighlight(pDC, rc, nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                            nBarPosition);
}

int CZMRRibbonTheme::GetButtonHighlightState(int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                                             BOOL bPopped)
{
    if (!bEnabled)
        return IsKeyboardSelection(nSelected) ? 0 : -1;
    if (bPopped)
        return 2;
    if (nChecked && !nPressed)
        return nSelected ? 3 : 2;
    if (IsKeyboardSelection(nPressed))
        return 1;
    if (nSelected)
        return nPressed ? 1 : 0;
    return nPressed ? 0 : -1;
}

int CZMRRibbonTheme::GetGroupedRunState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped)
{
    if (!bEnabled)
        return IsKeyboardSelection(nSelected) ? 1 : 0;
    if (bPopped)
        return 3;
    if (nChecked && !nPressed)
        return nSelected ? 4 : 3;
    if (IsKeyboardSelection(nPressed))
        return 2;
    if (nSelected)
        return nPressed ? 2 : 1;
    return nPressed ? 1 : 0;
}

void CZMRRibbonTheme::DrawControlStateRect(CDC* pDC, CZMRControl* pControl)
{
    const RunPosition position = GetRunPosition(pControl);
    if (position == runNone)
    {
        CZMROffice2007Theme::DrawControlStateRect(pDC, pControl);
        return;
    }
    static const LPCWSTR kParts[] = {nullptr, L"TOOLBARBUTTONSSPECIALSINGLE", L"TOOLBARBUTTONSSPECIALLEFT",
                                     L"TOOLBARBUTTONSSPECIALRIGHT", L"TOOLBARBUTTONSSPECIALCENTER"};
    CZMROffice2007Image* pImage = LoadImage(kParts[position]);
    if (!pImage)
        return;
    const int nState = GetGroupedRunState(pControl->GetSelected(), pControl->GetPressed(), pControl->GetEnabled(),
                                          pControl->GetChecked(), pControl->IsPopupOpen());
    // Each state is a 22 x 22 cell, whatever the picture's height.
    const CRect rcSrc(0, 22 * nState, pImage->GetExtent().cx, 22 * nState + 22);
    pImage->DrawImageTransparent(pDC, pControl->GetRect(), rcSrc, CRect(2, 2, 2, 2), RGB(255, 0, 255));
}

int CZMRRibbonTheme::GetSplitCommandState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped)
{
    if (!bEnabled)
        return IsKeyboardSelection(nSelected) ? 5 : -1;
    if (bPopped)
        return 5;
    if (nChecked)
    {
        if (!nPressed)
            return nSelected ? 3 : 2;
        return (IsKeyboardSelection(nPressed) || nSelected) ? 1 : 2;
    }
    if (IsKeyboardSelection(nPressed))
        return 1;
    if (nSelected)
        return nPressed ? 1 : (nSelected == 4 ? 0 : 5);
    return nPressed ? 5 : -1;
}

int CZMRRibbonTheme::GetSplitDropDownState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped)
{
    if (!bEnabled)
        return IsKeyboardSelection(nSelected) ? 4 : -1;
    if (bPopped)
        return 2;
    if (nChecked && !nSelected && !nPressed)
        return 2;
    if (IsKeyboardSelection(nPressed))
        return 0;
    if (nSelected)
        return nPressed ? 0 : (nSelected == 5 ? 0 : 4);
    return nPressed ? 4 : -1;
}

void CZMRRibbonTheme::DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc)
{
    if (!pDC || !pControl)
        return;
    const RunPosition position = GetRunPosition(pControl);
    const BOOL bGrouped = position != runNone;
    const BOOL bLarge = !bGrouped && pControl->GetStyle() == zmrButtonIconAndCaptionBelow;
    LPCWSTR lpszCommand, lpszDropDown;
    int nCommandCount, nDropDownCount, nExtra = 0;
    if (bGrouped)
    {
        const BOOL bRunStart = position == runSingle || position == runLeft;
        const BOOL bRunEnd = position == runSingle || position == runRight;
        lpszCommand = bRunStart ? L"TOOLBARBUTTONSSPECIALSPLITLEFT" : L"TOOLBARBUTTONSSPECIALSPLITCENTER";
        lpszDropDown =
            bRunEnd ? L"TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT" : L"TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER";
        nCommandCount = 7;
        nDropDownCount = 6;
        nExtra = 1;   // these have a state of their own at 0
    }
    else
    {
        lpszCommand = bLarge ? L"TOOLBARBUTTONSSPLIT50" : L"TOOLBARBUTTONSSPLIT22";
        lpszDropDown = bLarge ? L"TOOLBARBUTTONSSPLITDROPDOWN50" : L"TOOLBARBUTTONSSPLITDROPDOWN22";
        nCommandCount = 6;
        nDropDownCount = 5;
    }
    if (!LoadImage(lpszCommand) || !LoadImage(lpszDropDown))
        return;

    const BOOL bEnabled = pControl->GetEnabled();
    pDC->SetTextColor(bEnabled ? RGB(21, 66, 139) : RGB(141, 141, 141));
    pDC->SetBkMode(TRANSPARENT);

    CRect rcCommand = rc, rcDropDown = rc;
    if (bLarge)
    {
        const int d = GetSplitArrowWidth();
        rcCommand.bottom = rc.bottom - d;
        rcDropDown.top = rc.bottom - d;
    }
    else
    {
        rcCommand.right = rc.right - m_nSplitDropDownWidth;
        rcDropDown.left = rc.right - m_nSplitDropDownWidth;
    }

    const int nSelected = pControl->GetSelected(), nPressed = pControl->GetPressed();
    const int nChecked = pControl->GetChecked();
    const BOOL bPopped = pControl->IsPopupOpen();
    const int nCommand = GetSplitCommandState(nSelected, nPressed, bEnabled, nChecked, bPopped);
    const int nDropDown = GetSplitDropDownState(nSelected, nPressed, bEnabled, nChecked, bPopped);
    CZMRCommandBar* pBar = pControl->GetParent();
    if (nCommand >= 0)
        DrawRibbonPart(pDC, lpszCommand, rcCommand, nCommand + nExtra, nCommandCount, CRect(2, 2, 2, 2),
                       partTransparent | (IsRectInRibbonCaption(pBar, rcCommand) ? partGlass : 0));
    if (nDropDown >= 0)
        DrawRibbonPart(pDC, lpszDropDown, rcDropDown, nDropDown + nExtra, nDropDownCount, CRect(2, 2, 2, 2),
                       partTransparent | (IsRectInRibbonCaption(pBar, rcDropDown) ? partGlass : 0));
    if (!bLarge)
        DrawPopupArrow(pDC, pControl, rc.right - m_nSplitDropDownWidth / 2 - 1, (rc.top + rc.bottom) / 2, nSelected,
                       bPopped, bEnabled, FALSE);
}

void CZMRRibbonTheme::DrawPopupArrow(CDC* pDC, CZMRControl* pControl, int x, int y, int nSelected, BOOL bPopped,
                                     BOOL bEnabled, BOOL bVertical)
{
    const CRect rc(x - 2, y - 2, x + 3, y + 2);
    const int nState = !bEnabled ? 3 : nSelected ? 1 : 0;
    const BOOL bGlass = pControl && IsRectInRibbonCaption(pControl->GetParent(), rc);
    if (bVertical ||
        !DrawRibbonPart(pDC, L"TOOLBARBUTTONDROPDOWNGLYPH", rc, nState, 4, CRect(0, 0, 0, 0),
                        partTransparent | (bGlass ? partGlass : 0)))
        CZMROffice2007Theme::DrawPopupArrow(pDC, pControl, x, y, nSelected, bPopped, bEnabled, bVertical);
}

// 3 disabled, 2 selected and pressed, 1 selected, else 0.
int CZMRRibbonTheme::GetGlyphBaseState(int nSelected, int nPressed, BOOL bEnabled)
{
    if (!bEnabled)
        return 3;
    if (nSelected)
        return nPressed ? 2 : 1;
    return 0;
}

CSize CZMRRibbonTheme::DrawCheckBoxGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                                         BOOL bEnabled)
{
    if (bDraw)
    {
        const int b = GetGlyphBaseState(nSelected, nPressed, bEnabled);
        const int nState = nChecked == 1 ? b + 4 : nChecked == 2 ? b + 8 : b;
        if (!DrawRibbonPart(pDC, L"TOOLBARBUTTONCHECKBOX", rc, nState, 12, CRect(0, 0, 0, 0), partOpaque))
            CZMROffice2007Theme::DrawCheckBoxGlyph(pDC, rc, bDraw, nSelected, nPressed, nChecked, bEnabled);
    }
    return CSize(13, 13);
}

CSize CZMRRibbonTheme::DrawRadioButtonGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                                            int nChecked, BOOL bEnabled)
{
    if (bDraw)
    {
        const int b = GetGlyphBaseState(nSelected, nPressed, bEnabled);
        if (!DrawRibbonPart(pDC, L"TOOLBARBUTTONRADIOBUTTON", rc, nChecked ? b + 4 : b, 8, CRect(0, 0, 0, 0),
                            partOpaque))
            CZMROffice2007Theme::DrawRadioButtonGlyph(pDC, rc, bDraw, nSelected, nPressed, nChecked, bEnabled);
    }
    return CSize(13, 13);
}

void CZMRRibbonTheme::DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr)
{
    if (!DrawRibbonPartCentered(pDC, L"MENUCHECKEDITEMMARK", rc, bEnabled ? 0 : 1, 4, partTransparent))
        CZMROffice2007Theme::DrawCheckMark(pDC, rc, bEnabled, clr);
}

void CZMRRibbonTheme::DrawRadioDot(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr)
{
    if (!DrawRibbonPartCentered(pDC, L"MENUCHECKEDITEMMARK", rc, bEnabled ? 2 : 3, 4, partTransparent))
        CZMROffice2007Theme::DrawRadioDot(pDC, rc, bEnabled, clr);
}

CSize CZMRRibbonTheme::DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar,
                                          BOOL bDraw, LPARAM lExtra)
{
    const int nPosition = pBar ? pBar->GetPosition() : zmrBarTop;
    const BOOL bVertical = nPosition == zmrBarLeft || nPosition == zmrBarRight || nPosition == zmrBarPopup;
    LPCWSTR lpszPart = bVertical ? L"TOOLBAREXPANDBUTTONVERTICAL" : L"TOOLBAREXPANDBUTTONHORIZONTAL";
    if (nKind != 0 || !pControl || !LoadImage(lpszPart))
        return CZMROffice2007Theme::DrawOverflowButton(pDC, nKind, pControl, pBar, bDraw, lExtra);

    const int* pnExtra = reinterpret_cast<const int*>(lExtra);
    if (!bDraw)
    {
        // The last 12 pixels of the bar.
        if (pnExtra)
        {
            const int cx = pnExtra[0], cy = pnExtra[1];
            pControl->SetRect(bVertical ? CRect(0, cy - 12, cx, cy) : CRect(cx - 12, 0, cx, cy));
        }
        return CSize(0, 0);
    }

    CRect rc = pControl->GetRect();
    const BOOL bPopped = pControl->IsPopupOpen();
    const int nSelected = pControl->GetSelected();
    DrawRibbonPart(pDC, lpszPart, rc, bPopped ? 2 : nSelected ? 1 : 0, 3, CRect(3, 3, 3, 3), partTransparent);
    const BOOL bHidden = pnExtra ? pnExtra[0] : FALSE;
    rc.OffsetRect(bVertical ? 0 : -1, bVertical ? -1 : 0);
    CRect rcShadow = rc;
    rcShadow.OffsetRect(1, 1);
    DrawExpandGlyph(pDC, bVertical, rcShadow, bHidden, GetColor(COLOR_HIGHLIGHTTEXT));
    DrawExpandGlyph(pDC, bVertical, rc, bHidden, GetColor((nSelected && !bPopped) ? 45 : 46));
    return CSize(0, 0);
}

// ---------------------------------------------------------------- combo box

CSize CZMRRibbonTheme::DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    CZMRControlComboBox* pCombo = dynamic_cast<CZMRControlComboBox*>(pControl);
    if (!bDraw || !pDC || !pCombo)
        return CZMRPaintManager::DrawComboBoxItem(pDC, pControl, bDraw);
    if (!LoadImage(L"TOOLBARBUTTONSCOMBODROPDOWN"))
        return CZMROffice2007Theme::DrawComboBoxItem(pDC, pControl, bDraw);

    CZMRFontDC font(pDC, &m_fntField);
    CZMRPaintManager::DrawComboBoxItem(pDC, pControl, TRUE);

    const CRect rc = pControl->GetRect();
    const CRect rcField(rc.left + pCombo->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    const CRect rcButton(rc.right - pCombo->GetDropDownWidth(), rc.top, rc.right, rc.bottom);
    CZMRCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar && pBar->GetType() == zmrBarTypePopup;
    const int nSelected = pControl->GetSelected();
    COLORREF nFill;
    int nState;
    if (!pControl->GetEnabled())
    {
        nFill = COLOR_BTNFACE;
        nState = 4;
    }
    else if (pControl->IsPopupOpen())
    {
        nFill = COLOR_WINDOW;
        nState = 3;
    }
    else if (nSelected)
    {
        nFill = COLOR_WINDOW;
        CZMRControlComboBoxEditCtrl* pEdit = pCombo->GetEditCtrl();
        HWND hEdit = pEdit ? pEdit->GetSafeHwnd() : nullptr;
        if (!hEdit)
            nState = 2;
        else
            nState = (::GetFocus() == hEdit || nSelected != 1) ? 2 : 1;
    }
    else
    {
        nFill = bPopupBar ? COLORREF(-1) : m_clrEditField.GetColor();
        nState = 0;
    }
    if (nFill != COLORREF(-1))
        pDC->FillSolidRect(rcField, GetColor(nFill));
    Draw3dRectByIndex(pDC, rcField, 53, 53);
    DrawRibbonPart(pDC, L"TOOLBARBUTTONSCOMBODROPDOWN", rcButton, nState, 5, CRect(2, 2, 2, 2), partOpaque);
    pCombo->DrawEditText(pDC, CRect(rcField.left + 3, rc.top + 1, rcButton.left, rc.bottom - 1));
    const CPoint ptArrow = rcButton.CenterPoint();
    DrawPopupArrow(pDC, pControl, ptArrow.x, ptArrow.y, nSelected, pControl->IsPopupOpen(), pControl->GetEnabled(),
                   FALSE);
    if (IsControlRectInRibbonCaption(pControl))
        MakeRectOpaque(pDC, rc);
    return CSize(0, 0);
}

CSize CZMRRibbonTheme::DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw)
{
    CZMRControlEdit* pEdit = dynamic_cast<CZMRControlEdit*>(pControl);
    if (!bDraw || !pDC || !pEdit)
        return CZMRPaintManager::DrawEditItem(pDC, pControl, bDraw);
    // Spin buttons the skin has no picture for keep the parent look.
    const BOOL bSpin = pEdit->IsSpinButtonsVisible();
    if (bSpin && !LoadImage(L"TOOLBARBUTTONSPINARROWSVERTICAL"))
        return CZMROffice2007Theme::DrawEditItem(pDC, pControl, bDraw);

    CZMRCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar && pBar->GetType() == zmrBarTypePopup;
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    pDC->SetTextColor(GetColor(bPopupBar ? (!bEnabled ? 35 : nSelected ? 45 : 44) : (bEnabled ? 46 : 60)));
    CZMRPaintManager::DrawEditItem(pDC, pControl, TRUE);

    const CRect rc = pControl->GetRect();
    CRect rcField(rc.left + pEdit->GetLabelWidth(), rc.top, rc.right, rc.bottom);
    if (!bEnabled)
    {
        rcField.left++;
        DrawRectangle(pDC, rcField, COLOR_BTNFACE, IsKeyboardSelection(nSelected) ? 32 : 53);
    }
    else if (nSelected)
        DrawRectangle(pDC, rcField, COLOR_WINDOW, 53);
    else
    {
        if (!bPopupBar)
            pDC->FillSolidRect(rcField, m_clrEditField.GetColor());
        Draw3dRectByIndex(pDC, rcField, 53, 53);
    }
    pEdit->DrawEditIcon(pDC, CRect(rcField.left + 3, rc.top + 1, rc.right - 3, rc.bottom - 1));

    if (bSpin)
    {
        const int nPressed = pControl->GetPressed();
        const int yMiddle = (rc.top + rc.bottom) / 2;
        const CRect rcUp(rc.right - 18, rc.top + 1, rc.right - 1, yMiddle);
        const CRect rcDown(rc.right - 18, yMiddle, rc.right - 1, rc.bottom - 1);
        const CRect rcMargins(0, 0, 0, 0);
        DrawRibbonPart(pDC, L"TOOLBARBUTTONSPINARROWSVERTICAL", rcUp,
                       GetSpinButtonState(nSelected, nPressed, bEnabled, 4), 10, rcMargins, partTransparent);
        DrawRibbonPart(pDC, L"TOOLBARBUTTONSPINARROWSVERTICAL", rcDown,
                       5 + GetSpinButtonState(nSelected, nPressed, bEnabled, 5), 10, rcMargins, partTransparent);

        LPCWSTR lpszGlyphs = rcUp.Width() > 12 && rcUp.Height() > 12 ? L"CONTROLGALLERYSCROLLARROWGLYPHS"
                                                                     : L"TOOLBARBUTTONSPINARROWGLYPHS";
        for (int nHalf : {4, 5})
        {
            const CRect& rcButton = nHalf == 4 ? rcUp : rcDown;
            const int nCell = (nHalf == 4 ? 0 : 4) + GetSpinGlyphState(nSelected, nPressed, bEnabled, nHalf);
            if (CZMROffice2007Image* pGlyphs = LoadImage(lpszGlyphs))
            {
                const CRect rcSrc = pGlyphs->GetSource(nCell, 16);
                // A half pixel of centring goes downwards.
                const int x = (rcButton.left + rcButton.right - rcSrc.Width()) / 2;
                const int y = (rcButton.top + rcButton.bottom - rcSrc.Height() + 1) / 2;
                DrawRibbonPart(pDC, lpszGlyphs, CRect(CPoint(x, y), rcSrc.Size()), nCell, 16, rcMargins,
                               partTransparent);
            }
        }
    }
    if (IsControlRectInRibbonCaption(pControl))
        MakeRectOpaque(pDC, rc);
    return CSize(0, 0);
}

int CZMRRibbonTheme::GetSpinButtonState(int nSelected, int nPressed, BOOL bEnabled, int nHalf)
{
    if (!bEnabled)
        return 4;
    if (nSelected && nPressed == nHalf)
        return 3;
    if (nSelected == nHalf)
        return 2;
    return nSelected ? 1 : 0;
}

int CZMRRibbonTheme::GetSpinGlyphState(int nSelected, int nPressed, BOOL bEnabled, int nHalf)
{
    if (!bEnabled)
        return 3;
    if (nSelected == nHalf || (nSelected && nPressed == nHalf))
        return 2;
    return nSelected ? 1 : 0;
}

// ---------------------------------------------------------------- bars and popups

void CZMRRibbonTheme::PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar)
{
    if (!pDC || !pBar)
        return;
    CRect rc;
    pBar->GetClientRect(&rc);
    const int nPosition = pBar->GetPosition();
    // A popup without its frame part gets the plain popup face and frame
    // below, never what lay under its window.
    if (nPosition == zmrBarPopup && DrawRibbonPart(pDC, L"POPUPBARFRAME", rc, 0, 1, CRect(4, 4, 4, 4), partOpaque))
        return;
    if (!UsesFlatLook(pBar))
    {
        LPCWSTR lpszPart = nullptr;
        if (nPosition == zmrBarTop || nPosition == zmrBarBottom)
            lpszPart = L"TOOLBARFACEHORIZONTAL";
        else if (nPosition == zmrBarLeft || nPosition == zmrBarRight)
            lpszPart = L"TOOLBARFACEVERTICAL";
        if (lpszPart && DrawRibbonPart(pDC, lpszPart, rc, 0, 1, CRect(5, 5, 5, 5), partOpaque))
            return;
    }
    CZMROffice2007Theme::PaintBarBackground(pDC, pBar);
}

CSize CZMRRibbonTheme::DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw)
{
    if (!pBar || pBar->GetType() != zmrBarTypePopup || !pControl)
        return CZMROffice2007Theme::DrawSeparator(pDC, pBar, pControl, bDraw);
    if (bDraw && pDC)
    {
        const CRect rc = pControl->GetRect();
        if (pControl->GetWrap())
        {
            const CRect rcRow = pControl->GetRowRect();
            pDC->FillSolidRect(rc.left - 2, rcRow.top - 1, 1, rcRow.Height() + 2, kMenuLine);
        }
        else
        {
            const int x = GetPopupIconColumnWidth(pBar) + m_nTextGap + rc.left - 1;
            pDC->FillSolidRect(x, rc.top - 2, rc.right - x, 1, kMenuLine);
            pDC->FillSolidRect(x, rc.top - 1, rc.right - x, 1, kMenuLineLight);
        }
    }
    return CSize(2, 2);
}

void CZMRRibbonTheme::FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows)
{
    GetDrawHelpers()->DrawColorGradient(pDC, CRect(x + 1, y, x + cx, y + cy),
                                        bHiddenRows ? m_grcHiddenIconColumn : m_grcMenuPopupGripper, TRUE);
    pDC->FillSolidRect(x + cx - 1, y, 1, cy, kMenuLine);
    pDC->FillSolidRect(x + cx, y, 1, cy, kMenuLineLight);
}

void CZMRRibbonTheme::FillLabelRow(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(rc, GetColor(56));
    pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, kMenuLine);
}

void CZMRRibbonTheme::DrawPopupSplitDivider(CDC* pDC, CZMRControl* pControl)
{
    const CRect rc = pControl->GetRect();
    const int nSelected = pControl->GetSelected();
    const BOOL bEnabled = pControl->GetEnabled(), bPopped = pControl->IsPopupOpen();
    if (rc.Height() > 33 && bEnabled)
    {
        const int nState = (nSelected == 4 || (IsKeyboardSelection(nSelected) && !bPopped)) ? 2 : nSelected ? 1 : 0;
        DrawRibbonPart(pDC, L"MENUSPLITITEM", CRect(rc.left, rc.top, rc.right - m_nPopupSplitWidth, rc.bottom),
                       nState, 3, CRect(0, 0, 0, 0), partTransparent);
    }
    const int nState = (nSelected && bEnabled) ? (bPopped ? 2 : 1) : 0;
    DrawRibbonPart(pDC, L"MENUSPLITDROPDOWN", CRect(rc.right - m_nPopupSplitWidth, rc.top, rc.right, rc.bottom),
                   nState, 3, CRect(0, 0, 0, 0), partTransparent);
}

void CZMRRibbonTheme::DrawPopupItemArrow(CDC* pDC, CZMRControl* pControl)
{
    CZMROffice2007Image* pImage = LoadImage(L"MENUPOPUPGLYPH");
    if (!pImage)
    {
        CZMROffice2007Theme::DrawPopupItemArrow(pDC, pControl);
        return;
    }
    const CRect rc = pControl->GetRect();
    const CRect rcSrc = pImage->GetSource(0, 2);
    const int x = rc.right - 14, y = (rc.top + rc.bottom - rcSrc.Height()) / 2;
    DrawRibbonPart(pDC, L"MENUPOPUPGLYPH", CRect(x, y, x + rcSrc.Width(), y + rcSrc.Height()),
                   pControl->GetEnabled() ? 0 : 1, 2, CRect(0, 0, 0, 0), partTransparent);
}

void CZMRRibbonTheme::DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind)
{
    if (!DrawRibbonPart(pDC, L"POPUPBARRESIZEGRIPPERFACE", rc, 0, 1, CRect(1, 1, 1, 1), partTransparent))
    {
        CZMROffice2007Theme::DrawPopupSizeGrip(pDC, rc, nKind);
        return;
    }
    LPCWSTR lpszGripper = nKind == 2 ? L"POPUPBARRESIZEGRIPPERHEIGHT" : L"POPUPBARRESIZEGRIPPERWIDTH";
    CZMROffice2007Image* pImage = LoadImage(lpszGripper);
    if (!pImage)
        return;
    const CSize sz = pImage->GetExtent();
    const int x = nKind == 2 ? (rc.left + rc.right - sz.cx) / 2 : rc.right - sz.cx;
    DrawRibbonPart(pDC, lpszGripper, CRect(x, rc.bottom - sz.cy, x + sz.cx, rc.bottom), 0, 1, CRect(0, 0, 0, 0),
                   partTransparent);
}

// ---------------------------------------------------------------- status bar

void CZMRRibbonTheme::PaintStatusBackground(CDC* pDC, CZMRStatusBar* pStatusBar)
{
    if (!pDC || !pStatusBar)
        return;
    CZMROffice2007Image* pLight = LoadImage(L"STATUSBARLIGHT");
    if (!pLight)
        return;
    CRect rc;
    pStatusBar->GetClientRect(&rc);
    int w = rc.Width() - 2 * ::GetSystemMetrics(SM_CXBORDER) - ::GetSystemMetrics(SM_CXVSCROLL);
    const int nCount = pStatusBar->GetPaneCount();
    if (nCount > 0)
    {
        for (int i = std::min(nCount - 1, pStatusBar->m_nDividerIndex + 1); i < nCount; i++)
        {
            CZMRStatusBarPane* pPane = pStatusBar->GetPane(i);
            if (pPane && !pPane->m_bHidden)
            {
                w = pPane->m_rcPane.left - 3;
                break;
            }
        }
    }
    const int xDivider = rc.left + w - 3;
    pLight->DrawImage(pDC, CRect(rc.left, rc.top, xDivider, rc.bottom), pLight->GetSource(0, 1));
    int xDark = xDivider;
    if (CZMROffice2007Image* pDivider = LoadImage(L"STATUSBARDEVIDER"))
    {
        const int cx = pDivider->GetExtent().cx;
        pDivider->DrawImage(pDC, CRect(xDivider, rc.top, xDivider + cx, rc.bottom), pDivider->GetSource(0, 1));
        xDark += cx;
    }
    if (CZMROffice2007Image* pDark = LoadImage(L"STATUSBARDARK"))
        pDark->DrawImage(pDC, CRect(xDark, rc.top, rc.right, rc.bottom), pDark->GetSource(0, 1));
}

void CZMRRibbonTheme::PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL /*bGripperPane*/)
{
    if (pPane && pPane->GetStatusBar() && pPane->GetIndex() < pPane->GetStatusBar()->m_nDividerIndex)
        DrawRibbonPart(pDC, L"STATUSBARSEPARATOR", CRect(rcPane.right - 2, rcPane.top - 2, rcPane.right, rcPane.bottom),
                       0, 1, CRect(0, 2, 0, 2), partOpaque);
}

void CZMRRibbonTheme::PaintStatusPaneEdge(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane)
{
    if (pPane && pPane->GetStatusBar() && pPane->GetIndex() <= pPane->GetStatusBar()->m_nDividerIndex)
        DrawRibbonPart(pDC, L"STATUSBARSEPARATOR", CRect(rcPane.left - 2, rcPane.top - 2, rcPane.left, rcPane.bottom),
                       0, 1, CRect(0, 2, 0, 2), partOpaque);
}

void CZMRRibbonTheme::PaintStatusSizeGrip(CDC* pDC, CRect rcGripper)
{
    CZMROffice2007Image* pImage = LoadImage(L"STATUSBARGRIPPER");
    if (!pImage)
        return;
    const CSize sz = pImage->GetExtent();
    DrawRibbonPart(pDC, L"STATUSBARGRIPPER",
                   CRect(rcGripper.right - sz.cx, rcGripper.bottom - sz.cy - 4, rcGripper.right, rcGripper.bottom - 4),
                   0, 1, CRect(0, 0, 0, 0), partTransparent);
}

int CZMRRibbonTheme::PaintStatusPaneSwitches(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane)
{
    if (!pPane)
        return 0;
    const int nCount = pPane->GetSwitchCount();
    if (!pDC)
    {
        // The first and the last switch are a pixel wider than the others.
        int nTotal = 0;
        for (int i = 0; i < nCount; i++)
        {
            const int cx = (i == 0 || i == nCount - 1) ? 19 : 18;
            pPane->GetSwitch(i).nWidth = cx;
            nTotal += cx;
        }
        return nTotal;
    }

    CZMROffice2007Image* pImage = LoadImage(L"STATUSBARSWITCHES");
    if (!pImage)
        return 0;
    pImage->m_bMirrorRTL = TRUE;
    CZMRStatusBar* pStatusBar = pPane->GetStatusBar();
    const BOOL bRTL = pStatusBar && (pStatusBar->GetExStyle() & WS_EX_LAYOUTRTL);
    CZMRImageManager* pImages = pStatusBar ? pStatusBar->GetImageManager() : nullptr;
    const int cxColumn = pImage->GetExtent().cx / 4;
    int x = rcPane.left;
    for (int i = 0; i < nCount; i++)
    {
        CZMRStatusBarPane::CSwitch& sw = pPane->GetSwitch(i);
        const CRect rc(x, rcPane.top, x + sw.nWidth, rcPane.bottom);
        x += sw.nWidth;
        int nState = 0;
        if (!pPane->IsEnabled())
            nState = 5;
        else if (sw.bChecked)
            nState = sw.bHot ? 4 : 3;
        else if (sw.bPressed)
            nState = 2;
        else if (sw.bHot)
            nState = 1;
        int nColumn = nCount == 1 ? 3 : i == 0 ? 0 : i == nCount - 1 ? 2 : 1;
        if (bRTL)
            nColumn = 3 - nColumn;
        CRect rcSrc = pImage->GetSource(nState, 6);
        rcSrc.left = cxColumn * nColumn;
        rcSrc.right = rcSrc.left + cxColumn;
        pImage->DrawImageTransparent(pDC, rc, rcSrc, CRect(2, 2, 2, 2), RGB(255, 0, 255));

        CZMRImageManagerIcon* pIcon = pImages ? pImages->GetImage(sw.nId, 16) : nullptr;
        if (pIcon)
        {
            const CSize sz = pIcon->GetExtent();
            const int nIconState = !pPane->IsEnabled() ? 1 : sw.bChecked ? 3 : 0;
            pIcon->Draw(pDC, CPoint((rc.left + rc.right - sz.cx) / 2, (rc.top + rc.bottom - sz.cy) / 2),
                        pIcon->GetIcon(nIconState), sz);
        }
    }
    return x - rcPane.left;
}
