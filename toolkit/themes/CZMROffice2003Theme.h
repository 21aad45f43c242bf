// The gradient command-bar look: tool bars with a face gradient, rounded
// ends and an edge line, dock areas with a gradient wide enough for
// neighbouring bars to line up, gradient highlights, a gradient icon column
// and an expand button with its own small image. Its colours follow the
// system's colour scheme (blue, olive, silver) or derive from the system
// colours.
#pragma once
#include "CZMROfficeTheme.h"

class CZMROffice2003Theme : public CZMROfficeTheme
{
public:
    CZMROffice2003Theme();
    ~CZMROffice2003Theme() override;

    void PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar) override;
    void DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                            BOOL bPopped, int nBarType, int nBarPosition) override;
    CSize DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) override;
    void PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL bGripperPane) override;
    void PaintStatusSizeGrip(CDC* pDC, CRect rcGripper) override;
    void PaintDockBackground(CDC* pDC, CWnd* pDockBar) override;
    void PaintFloatingCaption(CDC* pDC, CZMRToolBar* pBar) override;
    void RefreshMetrics() override;
    CSize DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar, BOOL bDraw,
                             LPARAM lExtra) override;
    CRect GetBarBorderWidths(CZMRCommandBar* pBar) override;
    CSize DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw) override;
    CSize DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override;
    void FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows) override;
    int GetThemeKind() override;

    // Whether a floating bar gets the gradient bands: not drawn flat, and
    // able to dock again (one of the dock-side flags 0x1 to 0x8).
    virtual BOOL HasFloatingGradientLook(CZMRCommandBar* pBar);

    // A gradient in the given direction, then a one-pixel frame.
    void FillGradientFramed(CDC* pDC, CRect rc, const CZMRPaintManagerColorGradient& grc, BOOL bHorz,
                            COLORREF nFrame);
    // The expand button's glyph: a bar and a triangle, with two small
    // triangles when controls are hidden; turned on vertical bars.
    void DrawExpandGlyph(CDC* pDC, BOOL bVertical, CRect rc, BOOL bHidden, COLORREF clr);
    // Rebuilds the 16 x 16 image of the popup expand button from the expand
    // image colours.
    void CreateGradientImageList();

    CZMRPaintManagerColorGradient m_grcDock;             // dock areas, around docked bars, floating captions
    CZMRPaintManagerColorGradient m_grcFace;             // tool-bar faces
    CZMRPaintManagerColorGradient m_grcExpand;           // the tool-bar expand button
    CZMRPaintManagerColorGradient m_grcExpandImage;      // the two colours of the expand image
    CZMRPaintManagerColorGradient m_grcHiddenIconColumn; // icon column beside hidden rows
    CZMRPaintManagerColorGradient m_grcIconColumn;       // a copy of the face gradient
    CZMRPaintManagerColorGradient m_grcPopped;           // a control whose popup is open
    CZMRPaintManagerColor m_clrEdge;                     // line along a tool bar, floating caption frame
    CZMRPaintManagerColor m_clrPaneFrame;                // status-bar panes
    CZMRPaintManagerColor m_clrTearOff;                  // face of the tear-off strip
    BOOL m_bSchemeColors;                                // a blue, olive or silver set is applied
    BOOL m_bPlainSeparators;                             // separators without their highlight line
    CImageList m_ilExpand;
    CZMRPaintManagerColorGradient m_grcChecked;
    CZMRPaintManagerColorGradient m_grcPressed;
    CZMRPaintManagerColorGradient m_grcHot;

protected:
    // The rectangle the dock gradient spans for a window: from its left, as
    // wide as it or half the screen, whichever is wider, so that bars side
    // by side share one gradient.
    static CRect DockGradientRect(CRect rc);
    // The dock area's gradient (or its second colour alone, for parents
    // with the style bits 0x4100) over the rectangle rcArea.
    void FillDockArea(CDC* pDC, CRect rcArea, CRect rcFill, BOOL bSolid);
};
