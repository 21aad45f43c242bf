// The classic three-dimensional command-bar look: button-face bars, raised
// and sunken one-pixel frames, a dithered face for checked buttons and the
// system highlight for popup menus. The fallback for every theme number.
#pragma once
#include "CZMRPaintManager.h"

class CZMRDefaultTheme : public CZMRPaintManager
{
public:
    CZMRDefaultTheme();

    CSize DrawPopupBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw) override;
    void DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc) override;
    CSize DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw) override;
    CSize DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw) override;
    CSize DrawControlListItem(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                              CWnd* pListWnd) override;
    void PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar) override;
    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped, int nBarType,
                               int nBarPosition) override;
    void DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                            BOOL bPopped, int nBarType, int nBarPosition) override;
    CSize DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) override;
    void AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical) override;
    void RefreshMetrics() override;
    CSize DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar, BOOL bDraw,
                             LPARAM lExtra) override;
    CRect GetBarBorderWidths(CZMRCommandBar* pBar) override;
    CSize DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw) override;
    void DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind) override;
    void DrawImage(CDC* pDC, int x, int y, int cx, int cy, CZMRImageManagerIcon* pImage, int nSelected, int nPressed,
                   BOOL bEnabled, int nChecked, BOOL bPopped, BOOL bToolBarImage) override;
    CSize DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    int GetThemeKind() override;
    CSize GetIconColumnSize(CZMRCommandBar* pBar) override;

    // The frame of an edit or combo-box field.
    virtual void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected);
    // The drop-down button of a combo box.
    virtual void DrawComboDropButton(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, BOOL bDropped);
    // The up and down buttons of an edit that shows them.
    virtual void DrawEditSpinButtons(CDC* pDC, CZMRControl* pEdit);

    // The checkerboard of face and highlight that checked buttons show.
    void FillCheckedDither(CDC* pDC, CRect rc);

    // Text, check marks and arrows of enabled popup items, and text on bars
    // in popup position: 18 (button text) here, the menu text in the native
    // theme.
    int m_nPopupTextColor;

protected:
    // One-pixel frames: raised is highlight over shadow, sunken the reverse.
    void DrawRaised(CDC* pDC, CRect rc) { Draw3dRectByIndex(pDC, rc, COLOR_BTNHIGHLIGHT, COLOR_3DSHADOW); }
    void DrawSunken(CDC* pDC, CRect rc) { Draw3dRectByIndex(pDC, rc, COLOR_3DSHADOW, COLOR_BTNHIGHLIGHT); }
};
