// The skinned command-bar look: the Office 2003 look with its colours read
// from the skin's colour table, skinned status bars, MDI workspace and
// message bar, a frame window's non-client area drawn from the skin's part
// pictures, and skinned galleries, sliders and progress bars. A key or part
// the skin lacks keeps the Office 2003 look (see the fallback table in
// CZMROffice2007ThemeColors.cpp); the ribbon theme derives from it.
#pragma once
#include "CZMROffice2003Theme.h"

class CZMROffice2007Image;
class CZMROffice2007Images;
class CZMRRibbonFrameHelper;

class CZMROffice2007Theme : public CZMROffice2003Theme
{
public:
    CZMROffice2007Theme();
    ~CZMROffice2007Theme() override;

    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped, int nBarType,
                               int nBarPosition) override;
    void PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL bGripperPane) override;
    void PaintStatusSizeGrip(CDC* pDC, CRect rcGripper) override;
    void PaintFloatingCaption(CDC* pDC, CZMRToolBar* pBar) override;
    void PaintFloatingCaptionButton(CDC* pDC, CZMRCaptionButton* pButton) override;
    void PaintStatusBackground(CDC* pDC, CZMRStatusBar* pStatusBar) override;
    void RefreshMetrics() override;
    int GetThemeKind() override;
    // The workspace with nothing left out.
    void PaintMdiWorkspace(CDC* pDC, CRect rc) override;

    // ------------------------------------------------------------ frame drawing

    // The non-client area of a frame window: borders, caption with icon,
    // caption buttons and title, the status-bar strip in the frame.
    virtual void DrawFrame(CDC* pDC, CZMRRibbonFrameHelper* pFrameHelper);
    // The frame's window region with rounded corners (the caller owns it);
    // none for a maximised frame or when memory is short.
    virtual HRGN CreateFrameRegion(CZMRRibbonFrameHelper* pFrameHelper, int cx, int cy);
    // One caption button of a frame: its background when hot or pressed, then its glyph.
    virtual void DrawFrameCaptionButton(CDC* pDC, CRect rc, int nId, BOOL bSelected, BOOL bPressed,
                                        BOOL bEnabledAndActive);
    // The frame's title in the caption font, the frame title apart when the
    // document name comes first.
    virtual void DrawFrameCaptionText(CDC* pDC, CRect rcText, CWnd* pFrame, BOOL bActive);

    // The frame region's rectangles for a cx by cy window (at most 8), with
    // the bottom corners rounded or square; none below 8 pixels either way.
    static int GetFrameRegionRects(int cx, int cy, BOOL bRoundedBottom, CRect* pRects);
    // A caption button's glyph: its size by the button's height, its state
    // of five, and its part name by the button's command.
    static int GetFrameCaptionGlyphSize(int nButtonHeight);
    static int GetFrameCaptionGlyphState(BOOL bSelected, BOOL bPressed, BOOL bEnabledAndActive);
    static CString GetFrameCaptionGlyphName(int nId, int nButtonHeight);

    // The window's small icon as the caption shows it; null when it has none.
    static HICON SmallIconOfWindow(CWnd* pWnd);
    // The window's large icon; null when it has none.
    static HICON LargeIconOfWindow(CWnd* pWnd);

    // The frame caption's font made from the system's caption font: normal
    // weight, ClearType when asked, the face when given, and heights from
    // -10 to -1 raised to -11.
    static LOGFONT MakeCaptionLogFont(const LOGFONT& lfCaption, BOOL bClearType, LPCWSTR lpszFace);

    // ------------------------------------------------------------ the skin

    CZMROffice2007Images* GetImages() const { return m_pImages; }
    // The part picture of that name, null when the skin lacks it.
    CZMROffice2007Image* LoadImage(LPCWSTR lpszName);

    // The workspace, clipped to rc less rcExclude.
    void PaintMdiWorkspace(CDC* pDC, CRect rc, CRect rcExclude);

    // The part picture drawn transparent (magenta key) with sizing margins,
    // state nState of nCount; nothing when the part is missing.
    BOOL DrawPart(CDC* pDC, LPCWSTR lpszName, CRect rcDest, int nState, int nCount, CRect rcMargins);
    // The part picture's state nState of nCount, unstretched and centred in rc.
    BOOL DrawPartCentered(CDC* pDC, LPCWSTR lpszName, CRect rc, int nState, int nCount);

    // ------------------------------------------------------------ data

    BOOL m_bFrameStatusBar;                        // the frame draws its status bar in its own area
    CZMRPaintManagerFont m_fntFrameCaption;        // frame caption text
    int m_nRibbonCaptionHeight;                    // max(system caption height + 1, 18)
    int m_nFrameCaptionHeight;                     // max(system caption height, 17)
    CZMROffice2007Images* m_pImages;               // the process-wide image set, not owned
    COLORREF m_clrFrameBorderActive[4];            // outermost frame column first
    COLORREF m_clrFrameBorderInactive[4];
    COLORREF m_clrFrameCaptionTextActive;
    COLORREF m_clrFrameCaptionTextInActive;
    COLORREF m_clrFrameCaptionTextActiveTitle;     // the frame title after a document name
    COLORREF m_clrMenuBarText;                     // enabled controls at rest on a menu bar
    COLORREF m_clrStatusBarShadow;                 // the line along the top of a status bar
    CZMRPaintManagerColorGradient m_grcStatusBarTop;     // status-bar rows 1 to 8
    CZMRPaintManagerColorGradient m_grcStatusBarBottom;  // status-bar rows from 9 down
    COLORREF m_clrWorkspaceClientTop;
    COLORREF m_clrWorkspaceClientMiddle;
    COLORREF m_clrWorkspaceClientBottom;
    CZMRPaintManagerColorGradient m_grcMessageBar;       // inside the message bar's caption
    COLORREF m_clrMessageBarFrame;
    COLORREF m_clrMessageBarFace;

protected:
    // Reads the skin's colour table into the colours, in the table's order.
    void RefreshSkinColors();
    // The caption font from the system's caption font.
    void RefreshCaptionFont();
};
