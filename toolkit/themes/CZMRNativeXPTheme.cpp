// The native theme's set-up and refresh, the state highlights and text
// colours of controls, check marks, edit and combo-box parts, spin buttons
// and the special buttons.
#include "CZMRNativeXPTheme.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRControlEdit.h"

namespace
{
// The system's flat-menu setting (SPI_GETFLATMENU).
const UINT kGetFlatMenu = 0x1022;
// The width of the drop-down part of a split button.
const int kSplitDropDownWidth = 12;
} // namespace

CZMRNativeXPTheme::CZMRNativeXPTheme()
    : m_themeRebar(TRUE), m_themeToolBar(TRUE), m_themeComboBox(TRUE), m_themeWindow(TRUE), m_themeSpin(TRUE),
      m_themeMenu(TRUE), m_clrEdgeShadow(GetColor(COLOR_3DSHADOW)), m_clrEdgeHighlight(GetColor(COLOR_BTNHIGHLIGHT)),
      m_bFlatMenus(TRUE), m_pfnSystemParametersInfo(::SystemParametersInfoW)
{
    m_bFadeIcons = TRUE;
    m_bHotIconShadow = FALSE;
    m_nPopupTextColor = COLOR_MENUTEXT;
    m_bUseStatusBarTheme = TRUE;
    m_bUseButtonTheme = TRUE;
    m_bPopupStateHighlight = TRUE;
    m_bBoldCheckMark = TRUE;
}

CZMRNativeXPTheme::~CZMRNativeXPTheme()
{
    m_themeMenu.CloseThemeData();
    m_themeSpin.CloseThemeData();
    m_themeWindow.CloseThemeData();
    m_themeComboBox.CloseThemeData();
    m_themeToolBar.CloseThemeData();
    m_themeRebar.CloseThemeData();
}

int CZMRNativeXPTheme::GetThemeKind()
{
    return zmrThemeNativeXP;
}

BOOL CZMRNativeXPTheme::IsVisualStyleActive()
{
    return m_themeRebar.IsThemeOpenAndActive() && m_themeToolBar.IsThemeOpenAndActive();
}

void CZMRNativeXPTheme::RefreshMetrics()
{
    CZMRDefaultTheme::RefreshMetrics();

    CWnd* pMainWnd = AfxGetMainWnd();
    const HWND hWnd = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;
    m_themeToolBar.OpenThemeData(hWnd, L"TOOLBAR");
    m_themeRebar.OpenThemeData(hWnd, L"REBAR");
    m_themeComboBox.OpenThemeData(hWnd, L"COMBOBOX");
    m_themeWindow.OpenThemeData(hWnd, L"WINDOW");
    m_themeSpin.OpenThemeData(hWnd, L"SPIN");
    m_themeMenu.OpenThemeData(hWnd, L"MENU");

    BOOL bFlatMenus = FALSE;
    if (!m_pfnSystemParametersInfo || !m_pfnSystemParametersInfo(kGetFlatMenu, 0, &bFlatMenus, 0))
        bFlatMenus = FALSE;
    m_bFlatMenus = bFlatMenus;

    const BOOL bRebar = m_themeRebar.IsThemeOpenAndActive();
    COLORREF clr = 0;
    m_clrEdgeShadow = bRebar && SUCCEEDED(m_themeRebar.GetThemeColor(rpBand, 0, tmtEdgeShadowColor, &clr))
                          ? clr
                          : GetColor(COLOR_3DSHADOW);
    m_clrEdgeHighlight = bRebar && SUCCEEDED(m_themeRebar.GetThemeColor(rpBand, 0, tmtEdgeHighlightColor, &clr))
                             ? clr
                             : GetColor(COLOR_BTNHIGHLIGHT);

    if (m_themeToolBar.IsThemeOpenAndActive() &&
        SUCCEEDED(m_themeToolBar.GetThemeColor(tpBackground, 0, tmtTextColor, &clr)))
        m_arrColors[COLOR_BTNTEXT].SetStandardValue(clr);

    if (!m_bFlatMenus && bRebar)
        m_bFlatMenus = m_themeRebar.GetThemeSysBool(tmtFlatMenus);
    // Without flat menus the menu highlight is the plain highlight.
    if (!m_bFlatMenus)
        m_arrColors[COLOR_MENUHILIGHT].SetStandardValue(GetColor(COLOR_HIGHLIGHT));
}

// ---------------------------------------------------------------- states

void CZMRNativeXPTheme::DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                           int nChecked, BOOL bPopped, int nBarType, int nBarPosition)
{
    if (!IsVisualStyleActive())
    {
        CZMRDefaultTheme::DrawStateHighlight(pDC, rc, nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                             nBarPosition);
        return;
    }
    const BOOL bMenuThemed = m_themeMenu.IsThemeOpenAndActive();
    if (nBarType == zmrBarTypePopup && !nChecked)
    {
        if (!nSelected && !nPressed)
            return;
        if (bMenuThemed)
            m_themeMenu.DrawThemeBackground(pDC->GetSafeHdc(), mpPopupItem, 2 /* hot */, rc, nullptr);
        else
            DrawRectangle(pDC, rc, COLOR_MENUHILIGHT, COLOR_HIGHLIGHT);
        return;
    }
    if (nBarType == zmrBarTypePopup && nBarPosition == zmrBarPopup && m_bPopupStateHighlight && bMenuThemed)
    {
        m_themeMenu.DrawThemeBackground(pDC->GetSafeHdc(), mpPopupCheckBackground, bEnabled ? 2 : 1, rc, nullptr);
        return;
    }

    int nState;
    if (bEnabled)
    {
        // An indeterminate item looks unchecked.
        if (nChecked == 2)
            nChecked = 0;
        if (bPopped || (nSelected && nPressed) || nPressed == 2 || nPressed == 3)
            nState = tsPressed;
        else if (!nChecked || nPressed)
            nState = nSelected ? tsHot : tsNormal;
        else
            nState = nSelected ? tsHotChecked : tsChecked;
    }
    else
        nState = nChecked ? tsPressed : tsDisabled;
    m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), tpButton, nState, rc, nullptr);
}

COLORREF CZMRNativeXPTheme::GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                                              BOOL bPopped, int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypePopup && nBarPosition == zmrBarPopup && m_themeMenu.IsThemeOpenAndActive())
        return bEnabled ? COLORREF(m_nPopupTextColor) : COLORREF(COLOR_GRAYTEXT);
    return CZMRDefaultTheme::GetStateTextColor(nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                               nBarPosition);
}

BOOL CZMRNativeXPTheme::IsFlatMenuBarPopup(CZMRControl* pControl)
{
    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    return pBar && IsVisualStyleActive() && pControl->GetType() == zmrControlPopup &&
           pBar->GetType() == zmrBarTypeMenuBar && pBar->GetPosition() != zmrBarPopup && UsesFlatLook(pBar);
}

void CZMRNativeXPTheme::DrawControlStateRect(CDC* pDC, CZMRControl* pControl)
{
    if (!IsFlatMenuBarPopup(pControl))
    {
        CZMRDefaultTheme::DrawControlStateRect(pDC, pControl);
        return;
    }
    if (pControl->GetSelected() || pControl->IsPopupOpen() || pControl->GetPressed())
        pDC->FillSolidRect(pControl->GetRect(), GetColor(COLOR_HIGHLIGHT));
}

COLORREF CZMRNativeXPTheme::GetControlTextColor(CZMRControl* pControl)
{
    if (IsFlatMenuBarPopup(pControl) &&
        (pControl->GetSelected() || pControl->IsPopupOpen() || pControl->GetPressed()))
        return GetColor(COLOR_HIGHLIGHTTEXT);
    return CZMRDefaultTheme::GetControlTextColor(pControl);
}

// ---------------------------------------------------------------- popup parts

void CZMRNativeXPTheme::FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL /*bHiddenRows*/)
{
    if (m_themeMenu.IsThemeOpenAndActive())
    {
        const CRect rc(x, y, x + cx, y + cy);
        m_themeMenu.DrawThemeBackground(pDC->GetSafeHdc(), mpPopupGutter, 0, rc, nullptr);
    }
}

int CZMRNativeXPTheme::GetPopupIconColumnWidth(CZMRCommandBar* pBar)
{
    const int nWidth = CZMRDefaultTheme::GetPopupIconColumnWidth(pBar);
    return m_themeMenu.IsThemeOpenAndActive() ? nWidth + 3 : nWidth;
}

void CZMRNativeXPTheme::DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr)
{
    if (!m_themeMenu.IsThemeOpenAndActive())
    {
        CZMRDefaultTheme::DrawCheckMark(pDC, rc, bEnabled, clr);
        return;
    }
    m_themeMenu.DrawThemeBackground(pDC->GetSafeHdc(), mpPopupCheck, bEnabled ? 1 : 2, rc, nullptr);
}

void CZMRNativeXPTheme::DrawRadioDot(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr)
{
    if (!m_themeMenu.IsThemeOpenAndActive())
    {
        CZMRDefaultTheme::DrawRadioDot(pDC, rc, bEnabled, clr);
        return;
    }
    m_themeMenu.DrawThemeBackground(pDC->GetSafeHdc(), mpPopupCheck, bEnabled ? 3 : 4, rc, nullptr);
}

void CZMRNativeXPTheme::AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical)
{
    if (!IsVisualStyleActive())
    {
        CZMRDefaultTheme::AdjustAvoidRect(rc, pControl, bVertical);
        return;
    }
    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (!pBar || pControl->GetType() == zmrControlComboBox)
        return;
    if (pBar->GetType() == zmrBarTypePopup)
    {
        rc.DeflateRect(3, 0);
        rc.InflateRect(0, 3);
    }
}

// ---------------------------------------------------------------- tool-bar parts

void CZMRNativeXPTheme::DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc)
{
    if (!IsVisualStyleActive())
    {
        CZMRDefaultTheme::DrawControlBackdrop(pDC, pControl, rc);
        return;
    }
    const int nEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const BOOL bOpen = pControl->IsPopupOpen();
    int nState = tsNormal;
    if (!nEnabled)
        nState = tsDisabled;
    else if (pControl->GetPressed() && nSelected)
        nState = tsPressed;
    else if (pControl->GetChecked())
        nState = tsChecked;
    else if (bOpen || nSelected)
        nState = tsHot;
    const CRect rcMain(rc.left, rc.top, rc.right - kSplitDropDownWidth, rc.bottom);
    const CRect rcDrop(rc.right - kSplitDropDownWidth, rc.top, rc.right, rc.bottom);
    m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), tpSplitButton, nState, rcMain, nullptr);
    // Enabled value 4: only the command part is disabled.
    const int nDropState = nEnabled == 4 ? tsDisabled : bOpen ? tsPressed : nState;
    m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), tpSplitButtonDropDown, nDropState, rcDrop, nullptr);
}

CSize CZMRNativeXPTheme::DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar,
                                            BOOL bDraw, LPARAM lExtra)
{
    // The styled buttons show through where the Default theme fills a face.
    if ((nKind == 2 || nKind == 3) && m_themeToolBar.IsThemeOpenAndActive())
        return CZMRPaintManager::DrawOverflowButton(pDC, nKind, pControl, pBar, bDraw, lExtra);
    return CZMRDefaultTheme::DrawOverflowButton(pDC, nKind, pControl, pBar, bDraw, lExtra);
}

// ---------------------------------------------------------------- edits and combo boxes

void CZMRNativeXPTheme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    if (!m_themeComboBox.IsThemeOpenAndActive())
    {
        CZMRDefaultTheme::DrawEditFrame(pDC, rc, bEnabled, nSelected);
        return;
    }
    COLORREF clrBorder = 0;
    if (FAILED(m_themeComboBox.GetThemeColor(cpDropDownButton, bEnabled ? 1 : 4, tmtBorderColor, &clrBorder)))
        clrBorder = GetColor(COLOR_3DSHADOW);
    pDC->Draw3dRect(rc, clrBorder, clrBorder);
}

void CZMRNativeXPTheme::DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, BOOL bDropped)
{
    if (!m_themeComboBox.IsThemeOpenAndActive())
    {
        CZMRDefaultTheme::DrawComboDropButton(pDC, rc, bEnabled, nSelected, bDropped);
        return;
    }
    const int nState = !bEnabled ? 4 : bDropped ? 3 : nSelected ? 2 : 1;
    const CRect rcButton(rc.left - 2, rc.top + 1, rc.right - 1, rc.bottom - 1);
    m_themeComboBox.DrawThemeBackground(pDC->GetSafeHdc(), cpDropDownButton, nState, rcButton, nullptr);
}

void CZMRNativeXPTheme::DrawEditSpinButtons(CDC* pDC, CZMRControl* pControl)
{
    CZMRControlEdit* pEdit = dynamic_cast<CZMRControlEdit*>(pControl);
    // The buttons are the spin style's: without it they are the Default
    // theme's, not left undrawn.
    if (!pEdit || !IsVisualStyleActive() || !m_themeSpin.IsThemeOpenAndActive())
    {
        CZMRDefaultTheme::DrawEditSpinButtons(pDC, pControl);
        return;
    }
    const CRect rc = pEdit->GetSpinButtonsRect();
    const int middle = (rc.top + rc.bottom) / 2;
    const BOOL bEnabled = pEdit->GetEnabled();
    const int nSelected = pEdit->GetSelected(), nPressed = pEdit->GetPressed();
    // The selected and pressed values name the button: 4 the up one, 5 the down one.
    auto state = [&](int nButton) {
        return !bEnabled ? 4 : nSelected && nPressed == nButton ? 3 : nSelected == nButton ? 2 : 1;
    };
    m_themeSpin.DrawThemeBackground(pDC->GetSafeHdc(), spUp, state(4), CRect(rc.left, rc.top, rc.right, middle),
                                    nullptr);
    m_themeSpin.DrawThemeBackground(pDC->GetSafeHdc(), spDown, state(5), CRect(rc.left, middle, rc.right, rc.bottom),
                                    nullptr);
}
