// Command bars in the system's visual styles: tool bars, menus, combo boxes,
// spin buttons and floating frames drawn from the platform's own parts. Every
// operation falls back to the Default theme when the visual-style classes it
// draws from are not open and active (classic look, styles switched off, no
// visual-style library), so the theme is always usable.
#pragma once
#include "CZMRDefaultTheme.h"

class CZMRNativeXPTheme : public CZMRDefaultTheme
{
public:
    typedef BOOL(WINAPI* PFNSYSTEMPARAMETERSINFO)(UINT, UINT, PVOID, UINT);

    CZMRNativeXPTheme();
    ~CZMRNativeXPTheme() override;

    void DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc) override;
    void PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar) override;
    void DrawControlStateRect(CDC* pDC, CZMRControl* pControl) override;
    COLORREF GetControlTextColor(CZMRControl* pControl) override;
    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped, int nBarType,
                               int nBarPosition) override;
    void DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                            BOOL bPopped, int nBarType, int nBarPosition) override;
    CSize DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) override;
    void AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical) override;
    void PaintDockBackground(CDC* pDC, CWnd* pDockBar) override;
    void RefreshMetrics() override;
    CSize DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar, BOOL bDraw,
                             LPARAM lExtra) override;
    CSize DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    void FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows) override;
    int GetThemeKind() override;
    void DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
    void DrawRadioDot(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
    int GetPopupIconColumnWidth(CZMRCommandBar* pBar) override;
    void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected) override;
    void DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, BOOL bDropped) override;
    void DrawEditSpinButtons(CDC* pDC, CZMRControl* pEdit) override;

    // Both the rebar and the tool-bar styles are open and active.
    BOOL IsVisualStyleActive();
    // The rebar's background over the reference window's rectangle, clipped
    // to the window, so that neighbouring bars share one background; a face
    // fill without visual styles.
    void FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pRefWnd);

    CZMRWinThemeWrapper m_themeRebar;
    CZMRWinThemeWrapper m_themeToolBar;
    CZMRWinThemeWrapper m_themeComboBox;
    CZMRWinThemeWrapper m_themeWindow;
    CZMRWinThemeWrapper m_themeSpin;
    CZMRWinThemeWrapper m_themeMenu;
    COLORREF m_clrEdgeShadow;    // from the rebar style, else entry 16
    COLORREF m_clrEdgeHighlight; // from the rebar style, else entry 20
    BOOL m_bFlatMenus;           // the system draws flat menus

    // Where the system's flat-menu setting is read (tests put their own
    // answer here instead of changing the setting for the whole desktop).
    PFNSYSTEMPARAMETERSINFO m_pfnSystemParametersInfo;

protected:
    // Part, state and property numbers of the platform's visual-style classes.
    enum ToolBarPart { tpBackground = 0, tpButton = 1, tpSplitButton = 3, tpSplitButtonDropDown = 4,
                       tpSeparator = 5, tpSeparatorVert = 6 };
    enum ToolBarState { tsNormal = 1, tsHot = 2, tsPressed = 3, tsDisabled = 4, tsChecked = 5, tsHotChecked = 6 };
    enum RebarPart { rpBackground = 0, rpGripper = 1, rpGripperVert = 2, rpBand = 3 };
    enum WindowPart { wpSmallCaption = 2, wpSmallFrameLeft = 10, wpSmallFrameRight = 11, wpSmallFrameBottom = 12 };
    enum MenuPart { mpPopupBackground = 9, mpPopupBorders = 10, mpPopupCheck = 11, mpPopupCheckBackground = 12,
                    mpPopupGutter = 13, mpPopupItem = 14, mpPopupSeparator = 15 };
    enum ComboBoxPart { cpDropDownButton = 1 };
    enum SpinPart { spUp = 1, spDown = 2 };
    enum Property { tmtFlatMenus = 1001, tmtBorderColor = 3801, tmtTextColor = 3803, tmtEdgeHighlightColor = 3805,
                    tmtEdgeShadowColor = 3806 };

    // A popup control on a flat menu bar, as this theme highlights it.
    BOOL IsFlatMenuBarPopup(CZMRControl* pControl);
    // The caption strip of a floating bar.
    CSize DrawFloatingCaption(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw);
};
