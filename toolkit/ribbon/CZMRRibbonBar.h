// The ribbon: a menu bar at the top of a frame that shows, from top to
// bottom, a caption band (quick-access controls, caption text, context
// headers, caption buttons), a row with the system button, the tab strip and
// loose controls, the groups of the selected tab, and optionally the
// quick-access row below the groups. It can be minimized to its tab row and
// hides itself when its frame is too small. The ribbon theme draws it.
#pragma once
#include "CZMRMenuBar.h"
#include "CZMRRibbonScrollableBar.h"
#include "CZMRControlPopup.h"
#include "CZMRControlButton.h"

class CZMRRibbonTab;
class CZMRRibbonGroup;
class CZMRRibbonControlTab;
class CZMRRibbonControls;
class CZMRRibbonQuickAccessControls;
class CZMRRibbonBarControlQuickAccessPopup;
class CZMRRibbonControlSystemButton;
class CZMRRibbonFrameHelper;
class CZMRRibbonContextHeaderList;
class CZMRRibbonTheme;
class CZMRCommandBarKeyboardTip;

// Command ids of the ribbon's own controls and commands.
enum ZMRRibbonCommands
{
    ZMR_IDM_RIBBONQUICKACCESS = 9601,   // the customize button's menu
    ZMR_IDM_RIBBONCONTEXT = 9602,       // the context menu of other controls
    ZMR_ID_RIBBONCUSTOMIZE = 9603,      // the quick-access customize button
    ZMR_ID_RIBBONCONTROLTAB = 9604,     // the tab strip control
    ZMR_ID_RIBBONQUICKACCESSREMOVE = 9605,
    ZMR_ID_RIBBONQUICKACCESSADD = 9606,
    ZMR_ID_RIBBONCUSTOMIZEQUICKACCESS = 9607,
    ZMR_ID_RIBBONQUICKACCESSBELOW = 9608,
    ZMR_ID_RIBBONQUICKACCESSABOVE = 9610,
    ZMR_ID_RIBBONQUICKACCESSMORE = 9611, // the quick-access more button
    ZMR_ID_RIBBONMINIMIZE = 9612,
    ZMR_ID_RIBBONQUICKACCESSCOMMANDS = 9613, // where the offered commands go
    ZMR_ID_RIBBONQUICKACCESSHEADING = 9614,  // the heading over them
    // Menus may name 9607, 9608 and 9610 by these; the items take the usual ids.
    ZMR_ID_RIBBONCUSTOMIZEALT = 9616,
    ZMR_ID_RIBBONQUICKACCESSBELOWALT = 9617,
    ZMR_ID_RIBBONQUICKACCESSABOVEALT = 9618,
    ZMR_IDS_RIBBONCUSTOMIZE = 9161      // the customize item's text without quick-access customisation
};

// Sent to the site with the ribbon (wParam) and its new context menu
// (lParam) before the menu shows, so that the program can change it.
enum
{
    ZMR_WM_RIBBONCONTEXTMENU = 10332
};

// Notification codes the tab strip control sends its site when the
// selected tab changes (the system's tab-control codes); the record names
// the tab.
enum
{
    ZMR_RIBBON_TABCHANGED = -551,
    ZMR_RIBBON_TABCHANGING = -552
};
struct NMZMRRIBBONTAB : NMZMRCONTROL
{
    CZMRRibbonTab* pTab;
};

// What the arrangement of a ribbon places, in client coordinates; a pure
// function of the ribbon's switches and metrics (CalcRibbonLayout).
struct ZMR_RIBBON_LAYOUT_INPUT
{
    int nWidth;
    int nTabsHeight;         // GetTabsHeight
    int nGroupsHeight;       // GetGroupsHeight (0 when the groups are hidden)
    int nCaptionHeight;      // GetCaptionHeight (0 without caption band)
    int nCaptionTopOffset;   // GetCaptionTopOffset
    int nFrameBorder;        // the helper's frame-border width, 0 without helper
    BOOL bCaptionBand;       // IsCaptionBandShown
    BOOL bFrameHelper;
    int nQuickAccessHeight;
    BOOL bQuickAccessVisible;
    BOOL bQuickAccessBelow;
};

struct ZMR_RIBBON_LAYOUT
{
    CRect rcTabRow;          // the row of the system button, tabs and loose controls
    CRect rcGroups;
    CRect rcCaption;
    CRect rcCaptionText;
    CRect rcCaptionFree;
    CRect rcQuickAccess;
    int nBorder;             // b of the arrangement: the frame border, 4 without caption band
};

class CZMRRibbonBar : public CZMRMenuBar, public CZMRRibbonScrollableBar
{
    DECLARE_SERIAL(CZMRRibbonBar)
public:
    // The quick-access more button: lists the controls the row has no room for.
    class CControlQuickAccessMorePopup : public CZMRControlPopup
    {
    public:
        CControlQuickAccessMorePopup();
        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        // Opens a new popup of the overflowed controls each time.
        BOOL ShowPopup(BOOL bPopup) override;
    };

    // An item of the context menu for one command the quick-access row
    // offers: checked while the row shows a copy of it; executing it adds a
    // copy or removes the one shown.
    class CControlQuickAccessCommand : public CZMRControlButton
    {
    public:
        CControlQuickAccessCommand(CZMRControl* pOffered, CZMRRibbonQuickAccessControls* pQuickAccess);
        ~CControlQuickAccessCommand() override;
        // The copy on the row (none: not shown); checked when there is one.
        void LinkCopy(CZMRControl* pCopy);
        void OnExecute() override;
        CZMRControl* GetOffered() const { return m_pOffered; }
        CZMRControl* GetCopy() const { return m_pCopy; }

    protected:
        CZMRControl* m_pOffered;
        CZMRControl* m_pCopy;
        CZMRRibbonQuickAccessControls* m_pQuickAccessControls;
    };

    // A caption button (close, restore, maximize, minimize) that the ribbon
    // draws in its caption band while a frame helper gives it the caption.
    class CControlCaptionButton : public CZMRControlButton
    {
    public:
        explicit CControlCaptionButton(CZMRRibbonFrameHelper* pFrameHelper = nullptr);
        void Draw(CDC* pDC) override;
        // Posts the system command to the site.
        void OnExecute() override;

    protected:
        CZMRRibbonFrameHelper* m_pFrameHelper;
    };

    CZMRRibbonBar();
    ~CZMRRibbonBar() override;

    // ------------------------------------------------------------ command-bar operations

    // The tab strip's tooltips first; a group control's tip opens below the groups.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;
    void SetVisible(BOOL bVisible) override;
    BOOL OnControlDrop(CZMRControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag) override;
    BOOL IsRibbonBar() const override;
    void DoPropExchange(CZMRPropExchange* pPX) override;
    BOOL AreKeyboardCuesShown() const override;
    void PaintBar(CDC* pDC) override;
    void OnControlHotByKeyboard(int nIndex) override;
    void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam) override;
    void RelinkBarsAfterLoad(CZMRCommandBarList* pBars) override;
    void OnDestroyBar() override;
    void OnContextMenu(CPoint ptScreen) override;
    CZMRCommandBar* Clone(BOOL bRecursive = FALSE) override;
    CSize CalcFixedLayout(int nLength, DWORD dwMode, int nThickness = 0) override;
    // The ribbon is always saved.
    BOOL HasCustomizedControls() const override;
    // The loaded bar's values, without question.
    void ApplyLoadedState(CZMRCommandBar* pLoadedBar, BOOL bSilent) override;
    void UpdateMdiChildButtons() override;

    // ------------------------------------------------------------ keyboard

    // Alt (menu mode with the tips of level 1), the digits of the
    // quick-access controls and the access letters of the tabs.
    BOOL OnMnemonicKey(UINT nChar) override;
    // Level 1: quick-access numbers, tabs and the system button; level 2:
    // the group controls of the selected tab.
    void CreateKeyboardTips() override;
    void ActivateKeyboardTip(CZMRCommandBarKeyboardTip* pTip) override;
    // The arrows by geometry first, then the command bar's handling.
    BOOL HandleNavigationKey(int nCode) override;
    // Moves the hot control to the nearest control in the arrow's direction
    // (Enter and Space act on it); false for other codes or without a hot
    // control.
    virtual BOOL NavigateByArrow(int nCode);
    // The same on a popup that shows this ribbon's groups.
    BOOL NavigateBarByArrow(CZMRCommandBar* pBar, int nCode);
    // The tips of every control of the tab's groups, the popup buttons with
    // "Z". With pShown, only that group's tips are visible, and it stands in
    // for pReplaced (the group it copies), so that letters match the ribbon's.
    void CreateGroupTips(CZMRRibbonTab* pTab, CZMRRibbonGroup* pReplaced = nullptr, CZMRRibbonGroup* pShown = nullptr);
    // A completed tip of a group control on the bar: a control hidden in a
    // collapsed group opens the group's popup and activates its copy there
    // (showing the popup's tips when asked); any other gets its access key.
    void ActivateGroupControlTip(CZMRCommandBar* pBar, CZMRCommandBarKeyboardTip* pTip, BOOL bShowPopupTips);
    void CreateControlTip(CZMRControl* pControl, LPCTSTR lpszExplicit, BOOL bGroupShown);
    // While the ribbon is in keyboard mode: the context-menu key opens the
    // hot control's context menu, and the wheel steps through the tabs.
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    // ------------------------------------------------------------ the ribbon's own operations

    virtual void SetMinimized(BOOL bMinimized);
    // The theme's tab-strip height, 2 while the tabs are hidden.
    virtual int GetTabsHeight() const;
    // GetGroupsAreaHeight while the groups are shown, else 0.
    virtual int GetGroupsHeight() const;
    virtual int GetGroupsAreaHeight() const;
    virtual BOOL CanAddToQuickAccess(CZMRControl* pControl) const;
    // Asks the site (code -552); true cancels the change.
    virtual BOOL OnTabChanging(CZMRRibbonTab* pTab);
    // Tells the site (code -551).
    virtual void OnTabChanged(CZMRRibbonTab* pTab);
    // The context menu for a control (one reference for the caller), or none.
    virtual CZMRCommandBar* CreateContextMenu(CZMRControl* pControl);
    // The popup of the quick-access controls that have no room, then the
    // customize button; one reference for the caller.
    virtual CZMRCommandBar* CreateQuickAccessMorePopup();
    // Tracks the context menu for a control at a point of the control's bar.
    void ShowContextMenu(CPoint point, CZMRControl* pControl);
    // Appends a copy of the control to the quick-access row, small when it
    // is a popup or a gallery; the copy, or none.
    CZMRControl* AddQuickAccessCopy(CZMRControl* pControl);
    // The ribbon a control belongs to, directly or through the popups it is on.
    static CZMRRibbonBar* FromControl(const CZMRControl* pControl);

    // ------------------------------------------------------------ the scrollable groups

    void ScrollGroups(BOOL bLeft) override;
    CRect GetGroupsRect() const override;
    CZMRRibbonGroup* HitTestGroup(CPoint point) const override;

    // ------------------------------------------------------------ tabs and groups

    // A new tab at nIndex (outside: at the end), hosted by this ribbon.
    CZMRRibbonTab* InsertTab(int nIndex, LPCTSTR lpszCaption, int nId = 0);
    CZMRRibbonTab* GetTab(int nIndex) const;
    int GetTabCount() const;
    CZMRRibbonTab* GetSelectedTab() const;
    void SelectTab(int nIndex);
    // The first group with the id over all tabs, or none.
    CZMRRibbonGroup* FindGroup(int nId) const;
    CZMRRibbonControlTab* GetControlTab() const { return m_pControlTab; }
    CZMRRibbonContextHeaderList* GetContextHeaders() const { return m_pContextHeaders; }
    // Hides the controls of groups that are not shown (all while minimized)
    // and lays the bar out again.
    void ShowGroupControls();

    // ------------------------------------------------------------ state

    BOOL IsMinimized() const { return m_bMinimized; }
    BOOL AreGroupsShown() const;
    BOOL IsGroupsVisible() const { return m_bGroupsVisible; }
    void SetGroupsVisible(BOOL bVisible);
    BOOL IsTabsVisible() const { return m_bTabsVisible; }
    void SetTabsVisible(BOOL bVisible);
    BOOL IsQuickAccessBelow() const { return m_bQuickAccessBelow; }
    virtual void ShowQuickAccessBelow(BOOL bBelow);
    BOOL IsQuickAccessVisible() const { return m_bQuickAccessVisible; }
    void ShowQuickAccess(BOOL bShow);
    BOOL IsAllowMinimize() const { return m_bAllowMinimize; }
    void AllowMinimize(BOOL bAllow) { m_bAllowMinimize = bAllow; }
    BOOL IsAllowQuickAccessDuplicates() const { return m_bAllowQuickAccessDuplicates; }
    void AllowQuickAccessDuplicates(BOOL bAllow) { m_bAllowQuickAccessDuplicates = bAllow; }
    BOOL IsAllowQuickAccessCustomization() const { return m_bAllowQuickAccessCustomization; }
    void AllowQuickAccessCustomization(BOOL bAllow) { m_bAllowQuickAccessCustomization = bAllow; }
    BOOL IsShownBySize() const { return m_bShownBySize; }
    int GetMinimumFrameSize() const { return m_nMinimumFrameSize; }
    void SetMinimumFrameSize(int nSize) { m_nMinimumFrameSize = nSize; }
    int GetGroupsHeightOverride() const { return m_nGroupsHeightOverride; }
    void SetGroupsHeightOverride(int nHeight) { m_nGroupsHeightOverride = nHeight; }
    void SetUpdateStatePending() { m_bUpdateStatePending = TRUE; }
    BOOL IsCaptionBarShown() const { return m_bCaptionBarShown; }
    void SetCaptionBarShown(BOOL bShown) { m_bCaptionBarShown = bShown; }

    // ------------------------------------------------------------ caption band

    BOOL HasFrameHelper() const { return m_pFrameHelper != nullptr; }
    CZMRRibbonFrameHelper* GetFrameHelper() const { return m_pFrameHelper; }
    // Takes ownership of the helper (none: deletes the current one).
    void SetFrameHelper(CZMRRibbonFrameHelper* pFrameHelper);
    BOOL IsCaptionBandShown() const;
    int GetCaptionTopOffset() const;
    int GetCaptionHeight() const;
    // 0 (not the caption), HTTOP or HTCAPTION for a client point.
    int HitTestCaption(CPoint point) const;
    CString GetCaptionText() const { return m_strCaptionText; }

    // ------------------------------------------------------------ quick access and system button

    CZMRRibbonQuickAccessControls* GetQuickAccessControls() const { return m_pQuickAccessControls; }
    int CalcQuickAccessHeight();
    int GetQuickAccessHeight() const { return m_nQuickAccessHeight; }
    BOOL IsQuickAccessControl(CZMRControl* pControl) const;
    CZMRControl* GetQuickAccessCustomizeButton() const { return m_pControlQuickAccess; }
    CZMRControl* GetQuickAccessMoreButton() const { return m_pControlQuickAccessMore; }
    // Adds a system button at index 0 (replacing any other); none removes it.
    CZMRRibbonControlSystemButton* AddSystemButton(int nId = 0);
    CZMRRibbonControlSystemButton* GetSystemButton() const { return m_pControlSystemButton; }
    // The system button left the bar's controls.
    void ClearSystemButton() { m_pControlSystemButton = nullptr; }
    // The tab strip, the quick-access buttons, the scroll buttons and the
    // group buttons: controls the ribbon cannot do without.
    BOOL IsStructuralControl(CZMRControl* pControl) const;

    // ------------------------------------------------------------ rectangles of the last arrangement

    CRect GetTabControlRect() const { return m_rcTabControl; }
    CRect GetCaptionRect() const { return m_rcCaption; }
    CRect GetCaptionTextRect() const { return m_rcCaptionText; }
    CRect GetCaptionFreeRect() const { return m_rcCaptionFree; }
    CRect GetQuickAccessRect() const { return m_rcQuickAccess; }

    // The band rectangles for the inputs: a pure function.
    static ZMR_RIBBON_LAYOUT CalcRibbonLayout(const ZMR_RIBBON_LAYOUT_INPUT& input);
    // The height CalcFixedLayout gives a ribbon that is shown.
    static int CalcRibbonHeight(const ZMR_RIBBON_LAYOUT_INPUT& input, BOOL bGroupsShown);

protected:
    // The ribbon theme in force, or none (the ribbon then neither lays out
    // its bands nor draws them).
    CZMRRibbonTheme* GetRibbonTheme() const;
    ZMR_RIBBON_LAYOUT_INPUT GetLayoutInput(int nWidth) const;
    // Places the bands and the controls of the tab row for the size.
    void RepositionControls(CDC* pDC, int nWidth, int nHeight);
    void RepositionCaption(CDC* pDC);
    void RepositionCaptionButtons();
    void AddCaptionButton(int nId, BOOL bAdd, BOOL bEnabled, CRect& rcCaption);
    // The headers of context tabs in the caption band, rebuilt after the caption.
    void RepositionContextHeaders();
    // The tab strip's tab under a client point, or none.
    CZMRRibbonTab* HitTestTab(CPoint point) const;
    // Shows, hides, renames and fills the context menu's items for a control.
    void AdjustContextMenuItems(CZMRCommandBar* pPopup, CZMRControl* pControl);
    // The popup button of the group whose caption strip holds the point of
    // a bar that shows groups, or none.
    CZMRControl* HitTestGroupCaption(CZMRCommandBar* pBar, CPoint point) const;
    // Keyboard menu mode with cues on and the tip level given.
    void EnterKeyboardMode(int nTipLevel);
    // The tab strip control becomes hot (kind 1) and takes the focus.
    void FocusControlTab();
    // A tab chosen by its access letter: selected, with its group tips.
    void SelectTabFromKeyboard(CZMRRibbonTab* pTab);
    // A popup of this thread's bars is tracked (the ribbon itself aside).
    BOOL IsPopupTracked() const;
    // Every tracked bar but the ribbon leaves tracking.
    void CloseTrackedPopups();
    // The visible quick-access control of that number (from 1), or none.
    CZMRControl* GetVisibleQuickAccessControl(int nNumber) const;

    // Message handlers.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnSysColorChange();
    void OnQuickAccessPosition(UINT nId);
    LRESULT OnControlNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CRect m_rcTabControl;
    CRect m_rcGroups;
    CRect m_rcCaption;
    CRect m_rcCaptionText;
    CRect m_rcCaptionFree;
    CRect m_rcQuickAccess;
    BOOL m_bShownBySize;
    BOOL m_bGroupsVisible;
    BOOL m_bTabsVisible;
    BOOL m_bQuickAccessBelow;
    BOOL m_bQuickAccessVisible;
    BOOL m_bAllowQuickAccessDuplicates;
    BOOL m_bAllowQuickAccessCustomization;
    BOOL m_bUpdateStatePending;
    int m_nQuickAccessHeight;
    BOOL m_bAllowMinimize;
    CZMRRibbonQuickAccessControls* m_pQuickAccessControls;
    CZMRRibbonControlTab* m_pControlTab;
    CZMRControl* m_pControlQuickAccess;
    CZMRControl* m_pControlQuickAccessMore;
    CZMRRibbonControlSystemButton* m_pControlSystemButton;
    BOOL m_bPressOnSelectedTab;
    int m_nMinimumFrameSize;
    CZMRRibbonFrameHelper* m_pFrameHelper;
    CZMRRibbonContextHeaderList* m_pContextHeaders;
    int m_nGroupsHeightOverride;
    BOOL m_bMinimized;
    BOOL m_bCaptionBarShown;
    CString m_strCaptionText;
};
