// Draws command bars and everything on them, and holds what every theme
// shares (colour table, fonts, metrics, switches); the themes derive from it
// and replace its drawing operations. One paint manager is current at a time.
#pragma once
#include "Framework.h"
#include "CZMRPaintManagerColorGradient.h"
#include "CZMRPaintManagerFont.h"
#include "CZMRWinThemeWrapper.h"

class CZMRControl;
class CZMRCommandBar;
class CZMRPopupBar;
class CZMRToolBar;
class CZMRStatusBar;
class CZMRStatusBarPane;
class CZMRCommandBarKeyboardTip;
class CZMRCaptionButton;
class CZMRImageManagerIcon;
class CZMRShadowManager;
class CZMRControlGalleryPaintManager;
class CZMRSliderPaintManager;
class CZMRProgressPaintManager;

// Theme numbers of the factory; a paint manager the application installs
// itself carries zmrThemeCustom.
enum ZMRPaintTheme
{
    zmrThemeDefault = 0,
    zmrThemeOffice = 1,
    zmrThemeOffice2003 = 2,
    zmrThemeNativeXP = 3,
    zmrThemeWhidbey = 4,
    zmrThemeOffice2007 = 5,
    zmrThemeRibbon = 6,
    zmrThemeVisualStudio2008 = 7,
    zmrThemeCustom = 8
};

class CZMRPaintManager : public CCmdTarget
{
public:
    enum { ColorCount = 63 };

    typedef BOOL (WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

    CZMRPaintManager();
    ~CZMRPaintManager() override;

    // ------------------------------------------------------------ the current paint manager

    // A new theme object of that number (the Default theme for numbers the
    // factory does not know), holding one reference for the caller.
    static CZMRPaintManager* CreateTheme(int nTheme);
    // Makes the given manager current, taking over the caller's reference,
    // numbers it as a custom theme and refreshes its metrics. The current
    // manager handed in again is only renumbered and refreshed.
    static void SetCustomTheme(CZMRPaintManager* pPaintManager);
    // Creates the theme of that number and makes it current.
    static void SetTheme(int nTheme);
    // Releases the current paint manager; also runs when the process ends.
    static void Done();
    // The current paint manager, or null before the first one is made.
    static CZMRPaintManager* GetCurrent() { return s_pCurrent; }

    // ------------------------------------------------------------ colours and metrics

    // Entries 0..62 of the colour table; any other value is a colour itself.
    COLORREF GetColor(COLORREF nIndex) const;
    // Sets the standard value of each listed entry.
    void SetColors(int nCount, const int* pIndices, const COLORREF* pColors);
    // The colour scheme: 7 automatic, 6 the detected scheme, else as stored.
    int GetThemeColorScheme() const;
    // The base height, but at least 22.
    int GetBaseHeight() const;
    // Default icon size, from the base height when icons are scaled.
    CSize GetIconSize(BOOL bLarge) const;
    // Builds the four bar fonts (regular, bold, vertical, vertical bold)
    // from a logical font and measures the base height with them.
    void SetBarFontFromLogFont(const LOGFONT* pLogFont, BOOL bUseSystemFont);
    static BOOL HasFontFace(LPCTSTR lpszFaceName);
    // Measures (bDraw off) or draws a control by its kind and its bar: edits
    // and combo boxes, else popup-bar or tool-bar items. The control's size.
    CSize DrawControl(CDC* pDC, CZMRControl* pControl, BOOL bDraw);

    // ------------------------------------------------------------ drawing interface
    //
    // The themes replace these operations; the pure ones every theme supplies.
    // Control states always come in the order selected, pressed, enabled,
    // checked, popped, then the bar's type and position. Operations that
    // take a draw flag measure and draw: with the flag off (or without a
    // device context) they only return the size, which is how bars lay out.

    // A control on a popup bar: icon column, caption, shortcut, popup arrow.
    virtual CSize DrawPopupBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw);
    // A control on a tool bar or menu bar.
    virtual CSize DrawToolBarItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw);
    // The state background of a split or drop-down button, its parts and arrow.
    virtual void DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc) = 0;
    // A combo-box control.
    virtual CSize DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw);
    // Background of an edit field: window colour when enabled, face when not.
    virtual COLORREF GetEditFieldBackColor(CZMRControl* pControl);
    // An edit control.
    virtual CSize DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw);
    // A control drawn as a row of a list window.
    virtual CSize DrawControlListItem(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                      CWnd* pListWnd) = 0;
    // The client area of a command bar.
    virtual void PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar) = 0;
    // The state highlight of a control at its rectangle.
    virtual void DrawControlStateRect(CDC* pDC, CZMRControl* pControl);
    // The text colour of a control in its state.
    virtual COLORREF GetControlTextColor(CZMRControl* pControl);
    // The text colour of a state.
    virtual COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                                       int nBarType, int nBarPosition) = 0;
    // The highlight rectangle of a state.
    virtual void DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                                    BOOL bPopped, int nBarType, int nBarPosition) = 0;
    // The gripper of a bar; the base draws the title strip of floating bars.
    virtual CSize DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw);
    // The separator in front of a control that begins a group.
    virtual CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) = 0;
    // Widens or narrows the rectangle an opening popup must not cover.
    virtual void AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical) = 0;
    // One status-bar pane: face, icon, text or markup.
    virtual void PaintStatusPane(CDC* pDC, CZMRStatusBarPane* pPane, CRect rcPane);
    // The pressed or hot face of a pane that acts as a button.
    virtual void PaintStatusPaneButton(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane);
    // The switches of a switch pane; without a device context it measures
    // them and returns their total width.
    virtual int PaintStatusPaneSwitches(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane);
    // The divider in front of a pane.
    virtual void PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL bGripperPane);
    // The edge just left of a pane.
    virtual void PaintStatusPaneEdge(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane);
    // The size gripper of a status bar.
    virtual void PaintStatusSizeGrip(CDC* pDC, CRect rcGripper);
    // The background of a dock bar.
    virtual void PaintDockBackground(CDC* pDC, CWnd* pDockBar);
    // The caption area of a floating bar.
    virtual void PaintFloatingCaption(CDC* pDC, CZMRToolBar* pBar);
    // One caption button of a floating bar.
    virtual void PaintFloatingCaptionButton(CDC* pDC, CZMRCaptionButton* pButton);
    // The background of a status bar.
    virtual void PaintStatusBackground(CDC* pDC, CZMRStatusBar* pStatusBar);
    // Refreshes fonts, colours, visual-style handles and the small paint managers.
    virtual void RefreshMetrics();
    // The special buttons of bars (nKind 0 tool-bar expand, 1 popup expand,
    // 2 floating hide, 3 floating expand); lExtra is the hidden-controls flag
    // when drawing kind 0, a pointer to the bar's size when laying it out.
    virtual CSize DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar, BOOL bDraw,
                                     LPARAM lExtra);
    // Border widths of a bar (left, top, right, bottom).
    virtual CRect GetBarBorderWidths(CZMRCommandBar* pBar);
    // The tear-off strip at the top of a popup bar.
    virtual CSize DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw) = 0;
    // The resize gripper of a popup bar (nKind 2: along the bottom edge).
    virtual void DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind) = 0;
    // A control's icon in its state.
    virtual void DrawImage(CDC* pDC, int x, int y, int cx, int cy, CZMRImageManagerIcon* pImage, int nSelected,
                           int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped, BOOL bToolBarImage) = 0;
    // The gripper of a dialog bar.
    virtual CSize DrawDialogBarGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) = 0;
    // The command part of a split button.
    virtual CRect GetSplitMainPartRect(CZMRControl* pControl);
    // Shapes a popup bar window once it is placed; nothing in the base.
    virtual void ApplyBarWindowRegion(CZMRCommandBar* pBar);
    // The 13 x 13 check box and radio button glyphs.
    virtual CSize DrawCheckBoxGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                                    BOOL bEnabled);
    virtual CSize DrawRadioButtonGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                                       BOOL bEnabled);
    // Part of the icon column of a popup bar (rows shown only after the
    // popup expanded carry bHiddenRows); nothing in the base.
    virtual void FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows);
    // The theme's kind number.
    virtual int GetThemeKind() = 0;
    // The bar font that fits a control's boldness and text direction.
    virtual CFont* GetControlFont(CZMRControl* pControl);
    // The bar font that fits a bar's text orientation.
    virtual CFont* GetBarFont(CZMRCommandBar* pBar);
    // 1 when a control's text runs vertically, 2 when horizontally.
    virtual int GetControlTextDirection(CZMRControl* pControl);
    // Rebuilds the fonts from the system.
    virtual void RefreshFonts();
    // Refreshes the standard value of all 63 colour entries.
    virtual void RefreshStandardColors();
    // The check mark and the radio dot of a menu item; the base ignores bEnabled.
    virtual void DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr);
    virtual void DrawRadioDot(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr);
    // A small downward triangle.
    virtual void DrawDropDownTriangle(CDC* pDC, CRect rc, COLORREF clr);
    // The arrow of a control that opens a popup.
    virtual void DrawPopupArrow(CDC* pDC, CZMRControl* pControl, int x, int y, int nSelected, BOOL bPopped,
                                BOOL bEnabled, BOOL bVertical);
    // The opening animation of a popup (nKind 2 unfold, 3 slide, 4 fade).
    virtual void Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nKind);
    // Unfolds the rows of a popup bar's hidden controls.
    virtual void AnimateUnfold(CZMRPopupBar* pPopupBar, CDC* pDestDC, CDC* pSrcDC, BOOL bTopDown);
    // Adjusts a popup-bar caption laid out right to left; nothing in the base.
    virtual void AdjustCaptionForRightToLeft(CString& strCaption);
    // Width of the icon column of a popup bar, 0 for other bars.
    virtual int GetPopupIconColumnWidth(CZMRCommandBar* pBar);
    // The MDI client area.
    virtual void PaintMdiWorkspace(CDC* pDC, CRect rc);
    // A keyboard-tip window; with bPrepare set a theme only prepares the
    // window (its region) and nothing is painted.
    virtual void PaintKeyboardTipWindow(CDC* pDC, CZMRCommandBarKeyboardTip* pTip, BOOL bPrepare);
    // Whether a bar is drawn flat.
    virtual BOOL UsesFlatLook(CZMRCommandBar* pBar);
    // The icon cell of a popup bar.
    virtual CSize GetIconColumnSize(CZMRCommandBar* pBar);
    // Single-line, vertically centred text; returns its height.
    virtual int DrawItemLabel(CDC* pDC, const CString& strText, CRect rc, UINT nFormat, BOOL bDraw, int nSelected,
                              BOOL bEnabled);

    // ------------------------------------------------------------ drawing helpers
    //
    // The small operations every theme draws with. Colours are table indices
    // or colour references, resolved by GetColor; the static helpers take
    // colour references only.

    // A 1-pixel 3-D frame.
    void Draw3dRectByIndex(CDC* pDC, CRect rc, COLORREF nTopLeft, COLORREF nBottomRight);
    // Fills with nFill unless it is -1, then frames with nFrame unless it is
    // -1 or the fill colour index itself.
    void DrawRectangle(CDC* pDC, CRect rc, COLORREF nFill, COLORREF nFrame);
    // 1-pixel lines made as fills, from x1 (y1) up to but not including x2 (y2).
    void HorizontalLine(CDC* pDC, int x1, int y, int x2, COLORREF clr);
    void VerticalLine(CDC* pDC, int x, int y1, int y2, COLORREF clr);
    // A line with the pen the device context holds.
    void Line(CDC* pDC, int x1, int y1, int x2, int y2);
    // A line with a 1-pixel pen of a colour, selected for this line only.
    void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr);
    // A triangle filled and outlined in one colour.
    static void DrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);
    // A two-colour gradient, clipped.
    void GradientFillByIndex(CDC* pDC, CRect rc, COLORREF clrFirst, COLORREF clrSecond, BOOL bHorz,
                             LPCRECT lpRectClip);
    // Sets the alpha of every pixel in the rectangle to 255: text drawn onto
    // glass leaves it transparent.
    static void MakeRectOpaque(CDC* pDC, CRect rc);

    // The check mark's two polylines, in their mirrored form for device
    // contexts laid out right to left.
    void DrawCheckMarkShape(CDC* pDC, CRect rc, COLORREF clr, BOOL bRightToLeft);
    // A disc in the box (x0, y0)-(x1, y1), edge excluded: a rim of colour a
    // that blends into colour b inside and into the background outside.
    void DrawAntialiasedDisc(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF clrA, COLORREF clrB);
    // Sets a pixel to a + t x (base - a) per channel; the base is the pixel
    // itself, or colour b with t negated when t is negative.
    static void BlendPixel(CDC* pDC, int x, int y, COLORREF clrA, COLORREF clrB, double t);

    // Text, on glass through a visual-style buffer that keeps it opaque.
    static void DrawTextComposited(CDC* pDC, const CString& strText, CRect rc, UINT nFormat, BOOL bOnGlass);
    // Drops single "&" markers; "&&" becomes "&".
    static void RemoveMnemonicMarkers(CString& strCaption);
    // Splits a caption at the space nearest its middle; without one it stays
    // whole in the first line and the second is empty.
    static void SplitCaptionInTwo(const CString& strCaption, CString& strFirstLine, CString& strSecondLine);

    // How a theme shows the shapes of disabled and indeterminate icons that
    // are not alpha images (alpha icons always use their grey image).
    struct CIconSilhouettes
    {
        BOOL bEmbossed;              // disabled: a button-highlight copy 1 px right and down under the shape
        COLORREF nDisabled;          // colour of a disabled icon's shape
        COLORREF nIndeterminate;     // colour of an indeterminate icon's shape
        BOOL bIndeterminateChecked;  // the indeterminate shape is the checked image's, else the normal one's
    };
    // A control's icon in its state, by the rules the Default theme and its
    // siblings share: faded or normal at rest, hot (with its shadow when the
    // switch is on) when selected, pressed 1 px right and down, checked,
    // popped, indeterminate and disabled as the silhouettes say.
    void DrawImageByState(CDC* pDC, CPoint pt, CSize sz, CZMRImageManagerIcon* pImage, int nSelected, int nPressed,
                          BOOL bEnabled, int nChecked, BOOL bPopped, const CIconSilhouettes& silhouettes);
    // The disabled look of an icon: its silhouette, or its grey image when
    // it is an alpha image or the disabled-icons-from-image switch is on.
    void DrawDisabledIcon(CDC* pDC, CPoint pt, CSize sz, CZMRImageManagerIcon* pImage,
                          const CIconSilhouettes& silhouettes);
    // The dots of a popup's resize gripper: for kind 2 a row of four centred
    // along the top of the rectangle, else three in its bottom-right corner;
    // each a light 2 x 2 square (window colour) under a dark one 1 px up and left.
    void DrawGripDots(CDC* pDC, CRect rc, int nKind);

    // The depth of the drop-down part of a split button whose caption is
    // below its icon.
    int GetSplitArrowWidth() const;
    // The icon size a control is drawn with: the bar's large icons for a
    // large button on a tool bar, else the control's own.
    CSize GetControlIconSize(CZMRControl* pControl) const;
    // The control's custom width and height, where set, in place of the
    // defaults; on vertical bars the width gives the height and back.
    CSize ApplyControlCustomSize(CZMRControl* pControl, int cx, int cy, BOOL bVertical) const;

    // ------------------------------------------------------------ laying out captions
    //
    // Each measures with bDraw off and draws into rc with it on; the size is
    // the same in both.

    // A caption beside (or, vertically, below) an icon cell of cx by cy.
    CSize DrawIconAndText(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bDraw, BOOL bArrow, int cx, int cy,
                          BOOL bHasImage);
    // A caption, optionally centred and followed by a popup arrow.
    CSize DrawControlText(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bDraw, BOOL bVertical, BOOL bCentered,
                          BOOL bArrow);
    // The caption of a large button, split over two lines.
    CSize DrawTwoLineCaption(CDC* pDC, CZMRControl* pControl, CRect rc, BOOL bDraw, BOOL bVertical, BOOL bArrow);
    // A control's caption in its state: embossed when disabled, with
    // underlined mnemonics when its bar shows keyboard cues.
    void DrawControlCaption(CDC* pDC, CZMRControl* pControl, const CString& strCaption,
                            const CString& strCaptionNoMarkers, CRect rc, BOOL bVertical, BOOL bCentered);

    // Mixes each pixel's blue, green and red as (new x w + old x (255 - w)) / 256;
    // the fourth byte of the output is left alone.
    static void BlendBitmaps(LPBYTE pOut, const BYTE* pOld, int nWidth, int nHeight, const BYTE* pNew, int nWeight);

    // One visible control of a popup bar as the unfolding sees it: its rows
    // and whether it is shown only after the popup expanded.
    struct CUnfoldRow
    {
        int nTop;
        int nBottom;
        BOOL bRarelyUsed;
    };

    // ------------------------------------------------------------ shared data

    COLORREF m_clrBarText;       // bar text; the "STATUS" style's text colour when in use
    COLORREF m_clrInfoText;
    CZMRPaintManagerColorGradient m_grcCaption;
    CZMRPaintManagerColor m_clrFloatingCaption;
    CZMRPaintManagerColor m_clrFloatingCaptionText;
    BOOL m_bBoldCheckMark;
    BOOL m_bShowShadow;          // popup bars get shadows
    BOOL m_bUseStatusBarTheme;
    BOOL m_bUseButtonTheme;      // check boxes and radio buttons
    BOOL m_bClearTypeTextQuality;
    BOOL m_bUseResourceCharSet;  // font character set of the resource language
    BOOL m_bFlatToolBar;
    BOOL m_bFlatMenuBar;
    int m_nTextGap;              // after the icon column of popup bars
    BOOL m_bPopupStateHighlight; // how the Default theme highlights popup items
    BOOL m_bEnableAnimation;     // command-bar animation for every bar
    BOOL m_bNarrowArrow;         // captions with a popup arrow measured 8 wider, not 10
    BOOL m_bLabelIconColumn;     // labels keep the icon column on popup bars
    BOOL m_bTwoLineCaptions;     // large buttons split their caption in two lines

    CZMRPaintManagerFont m_fntFloatingCaption;
    CZMRPaintManagerFont m_fntField;
    CZMRPaintManagerFont m_fntFieldBold;
    CZMRPaintManagerFont m_fntKeyboardTip;

    int m_nSplitDropDownWidth;   // drop-down part of split buttons on tool bars
    int m_nPopupSplitWidth;      // ... and on popup bars
    BOOL m_bScaleIcons;          // icon sizes from the base height
    int m_nSpareMetric;          // kept for the themes; nothing reads it yet

    CZMRControlGalleryPaintManager* m_pGalleryPaintManager;
    CZMRSliderPaintManager* m_pSliderPaintManager;
    CZMRProgressPaintManager* m_pProgressPaintManager;
    PFNSETLAYEREDWINDOWATTRIBUTES m_pfnSetLayeredWindowAttributes;   // null when missing
    CRect m_rcSpare;             // kept for the themes; nothing reads it yet

    CFont m_fntRegular;
    CFont m_fntRegularBold;
    CFont m_fntVertical;
    CFont m_fntVerticalBold;
    int m_nBaseHeight;           // height of " " in the regular font plus 6
    int m_nFixedControlHeight;   // 1 or more fixes edit, combo and large button heights
    BOOL m_bUsePreferredFace;
    CString m_strPreferredFace;
    BOOL m_bUseSystemFont;       // the bar fonts follow the system menu font
    BOOL m_bEmbossDisabledText;

    CZMRWinThemeWrapper m_themeStatusBar;
    CZMRWinThemeWrapper m_themeButton;
    int m_nTheme;

    BOOL m_bFadeIcons;
    BOOL m_bDisabledIconsFromImage;
    BOOL m_bHotIconShadow;
    BOOL m_bDisabledIconsFromColors;
    int m_nAnimationSteps;
    int m_nAnimationTime;        // milliseconds
    int m_nKeyboardCues;         // -1: each bar decides; 0 off, 1 on

    CZMRPaintManagerColor m_arrColors[ColorCount];
    int m_nColorScheme;
    CZMRShadowManager* m_pShadowManager;

protected:
    // A control's caption once its state is known: embossed when disabled,
    // with underlined mnemonics when cues are shown, composited on glass.
    void DrawControlCaptionText(CDC* pDC, const CString& strCaption, const CString& strCaptionNoMarkers, CRect rc,
                                BOOL bVertical, BOOL bCentered, BOOL bEmbossed, BOOL bShowCues, BOOL bOnGlass);
    // Unfolds the rows of rarely used controls step by step: they grow from
    // nothing to their height while the other rows keep theirs. The rows are
    // the visible controls in their order on the bar.
    void UnfoldRows(CDC* pDestDC, CDC* pSrcDC, CSize szClient, const CUnfoldRow* pRows, int nCount, BOOL bTopDown);

    // Whether fonts are made with ClearType quality.
    BOOL IsClearTypeQuality() const;
    // The logical bar font made from the system menu font.
    static LOGFONT GetBarLogFont(const LOGFONT& lfMenu, BYTE nCharSet, BOOL bClearType);

private:
    static CZMRPaintManager* s_pCurrent;
};
