// The paint manager of the ribbon (theme number 6): the Office 2007 skin with
// the ribbon's fonts, metrics and colours, the tab paint manager of the
// ribbon's tab strip, and the drawing operations of the ribbon's parts.
#pragma once
#include "CZMROffice2007Theme.h"
#include "CZMRTabPaintManager.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"

class CZMRRibbonBar;
class CZMRRibbonTab;
class CZMRRibbonGroup;
class CZMRRibbonContextHeaderList;

class CZMRRibbonTheme : public CZMROffice2007Theme
{
public:
    // The ribbon tab strip's shape: flat property-page tabs whose header is
    // as deep as the theme's tab strip, each tab drawn by the theme.
    class CRibbonAppearanceSet : public CZMRTabPaintManager::CAppearanceSetPropertyPageFlat
    {
    public:
        explicit CRibbonAppearanceSet(CZMRRibbonTheme* pTheme);
        int GetHeaderHeight(CZMRTabManager* pManager) override;
        void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override;

    protected:
        CZMRRibbonTheme* m_pTheme;
    };

    // The Office 2003 colours with the ribbon's tab text rule: no inactive
    // colour, and a minimized ribbon's selected tab looks selected only
    // while its popup is open.
    class CRibbonColorSet : public CZMRTabPaintManager::CColorSetOffice2003
    {
    public:
        void SetTextColor(CDC* pDC, CZMRTabManagerItem* pItem) override;
    };

    CZMRRibbonTheme();
    ~CZMRRibbonTheme() override;

    // ------------------------------------------------------------ replaced operations

    void RefreshMetrics() override;
    void RefreshFonts() override;
    // Popup bars lose their four corner pixels.
    void ApplyBarWindowRegion(CZMRCommandBar* pBar) override;
    int GetThemeKind() override;
    // An opening popup keeps to the rectangle it was given.
    void AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical) override;
    // With bPrepare the tip window gets the popup region and nothing is painted.
    void PaintKeyboardTipWindow(CDC* pDC, CZMRCommandBarKeyboardTip* pTip, BOOL bPrepare) override;

    // ------------------------------------------------------------ command-bar controls in the ribbon's look

    void DrawControlBackdrop(CDC* pDC, CZMRControl* pControl, CRect rc) override;
    CSize DrawComboBoxItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw) override;
    COLORREF GetEditFieldBackColor(CZMRControl* pControl) override;
    CSize DrawEditItem(CDC* pDC, CZMRControl* pControl, BOOL bDraw) override;
    void PaintBarBackground(CDC* pDC, CZMRCommandBar* pBar) override;
    void DrawControlStateRect(CDC* pDC, CZMRControl* pControl) override;
    COLORREF GetControlTextColor(CZMRControl* pControl) override;
    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped, int nBarType,
                               int nBarPosition) override;
    void DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                            BOOL bPopped, int nBarType, int nBarPosition) override;
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) override;
    int PaintStatusPaneSwitches(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane) override;
    void PaintStatusPaneDivider(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane, BOOL bGripperPane) override;
    void PaintStatusPaneEdge(CDC* pDC, CRect rcPane, CZMRStatusBarPane* pPane) override;
    void PaintStatusSizeGrip(CDC* pDC, CRect rcGripper) override;
    void PaintStatusBackground(CDC* pDC, CZMRStatusBar* pStatusBar) override;
    CSize DrawOverflowButton(CDC* pDC, int nKind, CZMRControl* pControl, CZMRCommandBar* pBar, BOOL bDraw,
                             LPARAM lExtra) override;
    void DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind) override;
    CSize DrawCheckBoxGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                            BOOL bEnabled) override;
    CSize DrawRadioButtonGlyph(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed, int nChecked,
                               BOOL bEnabled) override;
    void FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows) override;
    void DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
    void DrawRadioDot(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
    void DrawPopupArrow(CDC* pDC, CZMRControl* pControl, int x, int y, int nSelected, BOOL bPopped, BOOL bEnabled,
                        BOOL bVertical) override;
    void DrawPopupSplitDivider(CDC* pDC, CZMRControl* pControl) override;
    void DrawPopupItemArrow(CDC* pDC, CZMRControl* pControl) override;
    void FillLabelRow(CDC* pDC, CRect rc) override;

    // States of the skin's button parts for a control state (selected,
    // pressed, enabled, checked, popped); -1 where nothing is drawn.
    // "TOOLBARBUTTONS22/50": 4 states.
    static int GetButtonHighlightState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped);
    // The 22-px cells of a grouped run's parts: 5 states, never -1.
    static int GetGroupedRunState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped);
    // The command and drop-down parts of a split button.
    static int GetSplitCommandState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped);
    static int GetSplitDropDownState(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped);
    // A spin button of an edit (nHalf 4 upper, 5 lower) of
    // "TOOLBARBUTTONSPINARROWSVERTICAL" before the lower half's offset of 5,
    // and its glyph cell before the lower glyph's offset of 4.
    static int GetSpinButtonState(int nSelected, int nPressed, BOOL bEnabled, int nHalf);
    static int GetSpinGlyphState(int nSelected, int nPressed, BOOL bEnabled, int nHalf);
    // Check box and radio button glyphs before the checked offset.
    static int GetGlyphBaseState(int nSelected, int nPressed, BOOL bEnabled);

    // ------------------------------------------------------------ the ribbon's drawing

    // The band behind the groups of a tab (none: no tab selected).
    virtual void DrawGroupsBackground(CDC* pDC, CZMRRibbonTab* pTab, CRect rcGroups);
    // The whole client area of a ribbon bar.
    virtual void FillRibbonBar(CDC* pDC, CZMRRibbonBar* pRibbonBar);
    // A group's frame and caption.
    virtual void DrawGroup(CDC* pDC, CZMRRibbonGroup* pGroup);
    // A collapsed group's button, or a group's button on the quick-access row.
    virtual CSize DrawGroupPopupButton(CSize& szButton, CDC* pDC, CZMRControl* pButton, BOOL bDraw);
    // The small option button in a group's caption.
    virtual CSize DrawGroupOptionButton(CSize& szButton, CDC* pDC, CZMRControl* pButton, BOOL bDraw);
    // The face of one ribbon tab.
    virtual void DrawRibbonTab(CDC* pDC, CZMRTabManagerItem* pItem);
    // The popup of a collapsed group.
    virtual void FillGroupPopupToolBar(CDC* pDC, CZMRRibbonGroup* pGroup, CZMRCommandBar* pPopupBar);
    // The caption band when the ribbon draws the frame's caption.
    virtual void DrawRibbonFrameCaption(CDC* pDC, CZMRRibbonBar* pRibbonBar, BOOL bActive);
    // The ribbon's own caption band.
    virtual void DrawRibbonCaptionBar(CDC* pDC, CZMRRibbonBar* pRibbonBar);
    // The system button; false when nothing was drawn.
    virtual BOOL DrawSystemButton(CDC* pDC, CZMRControl* pButton, CRect rc);
    // The coloured headers of context tabs.
    virtual void DrawContextHeaders(CDC* pDC, CZMRRibbonBar* pRibbonBar, CZMRRibbonContextHeaderList* pHeaders);
    // The button at the end of the quick-access row.
    virtual void DrawQuickAccessCustomizeButton(CDC* pDC, CZMRControl* pButton);
    // The button that lists the quick-access controls with no room.
    virtual void DrawQuickAccessMoreButton(CDC* pDC, CZMRControl* pButton);
    // A button that scrolls the groups.
    virtual void DrawGroupScrollButton(CDC* pDC, CZMRControl* pButton, BOOL bScrollLeft);
    // The popup that lists the overflowed quick-access controls.
    virtual void FillMorePopupToolBar(CDC* pDC, CZMRCommandBar* pPopupBar);
    // A new tab paint manager set up for the ribbon; the caller owns it.
    virtual CZMRTabPaintManager* CreateTabPaintManager();

    // The popup that shows a tab of a minimized ribbon: the ribbon face
    // under the groups background.
    void FillTabPopupToolBar(CDC* pDC, CZMRCommandBar* pPopupBar);
    // Caption text on glass: glowing through the window's visual style.
    void DrawGlassCaptionText(CDC* pDC, CRect rc, const CString& strText, CWnd* pWnd, BOOL bActive);

    // ------------------------------------------------------------ metrics

    // What the font refresh derives from the ribbon font height.
    struct CFontMetrics
    {
        int nBaseHeight;
        int nFixedControlHeight;
        int nTabsHeight;
        int nGroupCaptionHeight;
        int nSplitDropDownWidth;
    };
    // The ribbon font height from the menu font's height and the override:
    // the override when above 11, never below 11.
    static int GetRibbonFontHeight(int nMenuFontHeight, int nHeightOverride);
    static CFontMetrics CalcFontMetrics(int nFontHeight);

    // ------------------------------------------------------------ helpers

    // "BLUE" .. "ORANGE" for context colours 1 .. 7, else empty.
    static CString GetContextColorName(int nColor);
    // A light tint of context colour 1 .. 7 for drawing without a skin; -1 for
    // any other number.
    static COLORREF GetContextFallbackColor(int nColor);
    // The rectangle lies in the caption of a ribbon whose frame is on glass.
    static BOOL IsRectInRibbonCaption(CZMRCommandBar* pBar, CRect rc);
    // The same for a control's rectangle on its bar; exactly 0 or 1.
    static BOOL IsControlRectInRibbonCaption(CZMRControl* pControl);
    // The ribbon theme in force for a bar, or none under any other theme.
    static CZMRRibbonTheme* FromBar(const CZMRCommandBar* pBar);

    CZMRTabPaintManager* GetTabPaintManager() const { return m_pTabPaintManager; }
    int GetTabsHeight() const { return m_nTabsHeight; }
    int GetGroupCaptionHeight() const { return m_nGroupCaptionHeight; }
    // The height of the caption band a ribbon draws.
    int GetRibbonCaptionHeight() const;
    // Control rows of groups are as high as the fixed control height.
    int GetControlRowHeight() const;
    // Groups show which one is under the mouse.
    BOOL IsGroupHotTracking() const { return m_bGroupHotTracking; }

    // ------------------------------------------------------------ data

    BOOL m_bRibbonFlag;                   // set by the constructor; nothing reads it
    int m_nTabsHeight;
    CZMRPaintManagerFont m_fntRibbon;     // group captions
    int m_nGroupCaptionHeight;
    int m_nFontHeightOverride;            // above 11 replaces the menu font height
    CZMRTabPaintManager* m_pTabPaintManager;
    CZMRPaintManagerColor m_clrRibbonFace;
    CZMRPaintManagerColor m_clrRibbonText;
    CZMRPaintManagerColor m_clrRibbonGrayText;
    CZMRPaintManagerColor m_clrGroupCaptionText;
    CZMRPaintManagerColor m_clrEditField;
    CZMRPaintManagerColor m_clrMinimizedFrameEdgeHighLight;
    CZMRPaintManagerColor m_clrMinimizedFrameEdgeShadow;
    CZMRPaintManagerColorGradient m_grcMenuPopupGripper;

    BOOL m_bGroupHotTracking;             // the group under the mouse is drawn hot

protected:
    // The skin's colour of a key of the "Ribbon" section; -1 when missing.
    static COLORREF RibbonColor(LPCWSTR lpszKey);
    // The skin's colour of the key, else the fallback (none: left as it is).
    static void SetSkinColor(CZMRPaintManagerColor& clr, LPCWSTR lpszKey, COLORREF clrFallback);
    // Fills with a colour unless it is missing.
    static void FillIfColor(CDC* pDC, CRect rc, COLORREF clr);

    // How a skin part is drawn: through its magenta key, through alpha for
    // glass, mirrored on right-to-left device contexts.
    enum
    {
        partOpaque = 0,
        partTransparent = 1,
        partGlass = 2,
        partMirrorRTL = 4
    };
    // State nState of nCount of the part, stretched with the sizing
    // margins; false (nothing drawn) when the skin lacks the part.
    BOOL DrawRibbonPart(CDC* pDC, LPCWSTR lpszName, CRect rcDest, int nState, int nCount, CRect rcMargins,
                        UINT nFlags);
    // The same, unstretched and centred in rc (transparent unless on glass).
    BOOL DrawRibbonPartCentered(CDC* pDC, LPCWSTR lpszName, CRect rc, int nState, int nCount, UINT nFlags);
    // A quick-access customize or more button whose part the skin lacks: a
    // plain face while hot or open, and its glyph in the button's text colour.
    void DrawQuickAccessButtonWithoutPart(CDC* pDC, CZMRControl* pButton, BOOL bMore);
    // A group scroll button whose part the skin lacks: a framed face in its
    // state (0 at rest, 1 hot, 2 pressed) under an arrow in its text colour.
    void DrawGroupScrollButtonWithoutPart(CDC* pDC, CZMRControl* pButton, BOOL bScrollLeft, int nState);
    // A ribbon tab as it is drawn: selected, hot and focused, with a
    // minimized ribbon's selected tab shown selected only while its popup
    // is open.
    struct CRibbonTabState
    {
        BOOL bSelected;
        BOOL bHot;
        BOOL bFocused;
    };
    static CRibbonTabState GetRibbonTabState(CZMRTabManagerItem* pItem);
};
