// The flat command-bar look: one-pixel frames in the derived colours, a
// solid highlight for hot and pressed controls, an icon column on popup bars,
// dashed grippers, and popups whose frame opens where they touch the button
// that opened them. The base of the gradient themes.
#pragma once
#include "CZMRPaintManager.h"

class CZMRPopupBar;

class CZMROfficeTheme : public CZMRPaintManager
{
public:
    CZMROfficeTheme();

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
    void PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL bGripperPane) override;
    void PaintStatusPaneEdge(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane) override;
    CSize DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw) override;
    void DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind) override;
    void DrawImage(CDC* pDC, int x, int y, int cx, int cy, CZMRImageManagerIcon* pImage, int nSelected, int nPressed,
                   BOOL bEnabled, int nChecked, BOOL bPopped, BOOL bToolBarImage) override;
    CSize DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCheckBoxGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                            BOOL bEnabled) override;
    CSize DrawRadioButtonGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                               BOOL bEnabled) override;
    void FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows) override;
    int GetThemeKind() override;

    // The divider (or, open and hot, the framed face) of the split part of a
    // split popup item.
    virtual void DrawPopupSplitDivider(CDC* pDC, CZMRControl* pControl);
    // The right-pointing arrow of a popup item.
    virtual void DrawPopupItemArrow(CDC* pDC, CZMRControl* pControl);
    // The background of a label row on a popup bar.
    virtual void FillLabelRow(CDC* pDC, CRect rc);

    // Fills, in colour clr, where the popup's frame touches the control that
    // opened it (when that control is not itself on a popup bar), so that
    // the frame opens towards the button.
    void FillPopupJoin(CDC* pDC, CZMRPopupBar* pPopupBar, COLORREF clr);

    // The colour-table entries the theme draws with, by role; all of the
    // theme's colours are named here.
    enum OfficeColor : COLORREF
    {
        clrWindowFill = COLOR_WINDOW,      // 5: fields, light grip dots
        clrFace = COLOR_3DFACE,            // 15: flat bars, disabled fields
        clrShadow = COLOR_3DSHADOW,        // 16: dividers, status panes
        clrDisabledGlyph = COLOR_GRAYTEXT, // 17: disabled spin arrows
        clrGlyph = COLOR_BTNTEXT,          // 18: ticks, radio dots, spin arrows
        clrIconColumn = 30,                // icon column, raised bars, popped face
        clrHotFill = 31,
        clrHotFrame = 32,
        clrPressedFill = 33,
        clrDisabledText = 35,
        clrCheckedFill = 36,
        clrCheckedFrame = 37,
        clrGripper = 38,
        clrSeparator = 39,
        clrDisabledImage = 40,
        clrPopupFill = 41,
        clrHiddenIconColumn = 42,
        clrPoppedFrame = 43,
        clrPopupText = 44,
        clrHotText = 45,
        clrBarText = 46,
        clrPressedText = 47,
        clrPressedFrame = 50,
        clrIndeterminateFill = 51,
        clrGlyphFrame = 52,
        clrPopupFieldFrame = 53,
        clrLabelRow = 56,
        clrDisabledCheckedFrame = 58,
        clrDisabledBarText = 60,
        clrFloatingFrame = 61
    };

protected:
    // A one-pixel line of a colour reference (not a table index).
    static void VerticalLineOf(CDC* pDC, int x, int y1, int y2, COLORREF clr);
    // Sets the four points (x0, y0), (x1, y0), (x0, y1), (x1, y1) to the
    // colour of an entry: the rounding of a bar's corners.
    void SetCornerPixels(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF nColor);
    // The face and frame of a disabled edit or combo-box field.
    void DrawDisabledField(CDC* pDC, CRect rc, int nSelected);
};
