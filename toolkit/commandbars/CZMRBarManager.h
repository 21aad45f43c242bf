// The object that owns the command bars of one frame window (its site): the
// list of bars, the four dock bars along the site's sides, the shared actions
// and tooltip context, the paint-manager and image-manager overrides of its
// bars, the options, customize mode and its selection, keyboard cues and
// tips, cross-bar mnemonics and command usage.
#pragma once
#include "Framework.h"

class CZMRControl;
class CZMRCommandBar;
class CZMRCommandBarKeyboardTip;
class CZMRToolBar;
class CZMRDockBar;
class CZMRControlAction;
class CZMRControlActions;
class CZMRControlDragHelper;
class CZMRPaintManager;
class CZMRImageManager;
class CZMRToolTipContext;
class CZMRMouseManager;
class CZMRPropExchange;

// The run-time classes the bars are created from; an application may
// replace an entry before any bar is made.
struct ZMR_BAR_CLASSES
{
    CRuntimeClass* pToolBarClass;
    CRuntimeClass* pMenuBarClass;
    CRuntimeClass* pPopupBarClass;
    CRuntimeClass* pPopupToolBarClass;
    CRuntimeClass* pDockBarClass;
};

// Bits of the mnemonic flags option.
enum ZMRMnemonicFlags
{
    zmrMnemonicWrap = 0x1,               // the search goes on into the next visible bars
    zmrMnemonicsOff = 0x2,               // the whole value: no cross-bar mnemonics
    zmrMnemonicAmpersandOnly = 0x4       // first letters never count
};

class CZMRBarManager : public CCmdTarget
{
public:
    // Knows the keys that run each command (an accelerator table, a key map)
    // and gives them as text.
    class CShortcutSource : public CCmdTarget
    {
    public:
        // Empty when no key runs the command.
        virtual CString GetShortcutText(int nId) const = 0;
    };

    // The options shared by the manager's bars.
    struct COptions
    {
        COptions();
        BOOL bDirtyState;                // bar visibility, customize mode or command use changed
        BOOL bAlwaysShowFullMenus;       // popups never hide rarely used controls
        BOOL bShowFullAfterDelay;        // popups expand after a delay
        BOOL bAltDragCustomization;      // Alt + drag moves controls outside customize mode
        int nAnimationType;              // popups: 0 system, 1 random, 2 unfold, 3 slide, 4 fade
        BOOL bAutoUpdateShortcuts;       // automatic shortcut texts are refreshed
        int nMnemonicFlags;              // ZMRMnemonicFlags
        BOOL bShowStatusDescriptions;    // control descriptions go to the status bar
        BOOL bNumPadMnemonics;           // numeric-pad keys may be mnemonics
        BOOL bPopupSaveBits;             // the popup window class gets CS_SAVEBITS
        BOOL bDisableWithoutHandler;     // command-state updates disable unhandled controls
        int nPopupPlacement;
        CMap<UINT, UINT, BOOL, BOOL> mapUsedCommands;   // commands executed, for rarely-used hiding
        BOOL bKeyboardTips;
        BOOL bShowToolTips;
        BOOL bShortcutsInToolTips;
        BOOL bToolTipsInPopups;
        BOOL bHideFloatingBars;          // floating bars hide while their frame is inactive
        BOOL bAlwaysShowExpand;          // the expand button is always reserved
        BOOL bFloatByDoubleClick;
        BOOL bTextBelowIcons;            // for bars whose "ShowTextBelowIcons" is 2
        BOOL bLargeIcons;
        CSize szIcons;                   // 0,0: the paint manager's
        CSize szLargeIcons;
        CSize szPopupIcons;
    };

    CZMRBarManager();
    ~CZMRBarManager() override;

    // ------------------------------------------------------------ the site

    // Puts the four dock bars along the site's sides as its control bars, so
    // that the site's layout pass gives them their strips.
    BOOL Attach(CWnd* pSite);
    CWnd* GetSite() const { return m_pSite; }
    void SetSite(CWnd* pSite) { m_pSite = pSite; }
    COptions* GetOptions() { return &m_options; }
    const COptions* GetOptions() const { return &m_options; }
    // The site, or the forced switch, lays out right to left.
    BOOL IsRightToLeft() const;
    void SetForcedRightToLeft(BOOL bRightToLeft) { m_bForcedRightToLeft = bRightToLeft; }
    // Lays the site out now when a delayed layout is pending.
    void RecalcFrameLayoutIfPending();

    // ------------------------------------------------------------ services

    // The override, else the current paint manager (the Default theme made
    // when there is none).
    CZMRPaintManager* GetPaintManager() const;
    CZMRImageManager* GetImageManager() const;
    // Hold one reference on the override.
    void SetPaintManager(CZMRPaintManager* pPaintManager);
    void SetImageManager(CZMRImageManager* pImageManager);
    // The current paint manager, made as the Default theme on first use.
    static CZMRPaintManager* GetGlobalPaintManager();
    CZMRToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    // The cached one, else the thread's, cached on first use.
    CZMRMouseManager* GetMouseManager();
    // Closes every tracked bar.
    void CancelTracking();

    // ------------------------------------------------------------ bars

    int GetCount() const { return int(m_arrBars.GetSize()); }
    // None out of range.
    CZMRCommandBar* GetBar(int nIndex) const;
    // The first bar with that "BarID"; none for 0.
    CZMRCommandBar* FindBar(int nBarID) const;
    int GetBarIndex(const CZMRCommandBar* pBar) const;
    // Takes over the caller's reference.
    void AddBar(CZMRCommandBar* pBar);
    // The window exists, the bar is visible, its window too and not empty.
    static BOOL IsBarShown(const CZMRCommandBar* pBar);
    // The next shown bar from nIndex in the step's direction (+1 or -1),
    // wrapping once; -1 when none.
    int GetNextVisibleBar(int nIndex, int nStep) const;
    void ToggleBarVisible(int nIndex);
    void RedrawBars();

    // ------------------------------------------------------------ docking

    // 0 top, 1 bottom, 2 left, 3 right; none for other sides.
    CZMRDockBar* GetDockBar(int nSide) const;
    BOOL DockToolBar(CZMRToolBar* pBar, LPCRECT lpRect, CZMRDockBar* pDockBar);
    BOOL DockToolBarSide(CZMRToolBar* pBar, int nSide);
    BOOL FloatToolBar(CZMRToolBar* pBar);
    // Hides, undocks, destroys and releases a bar of the list.
    void RemoveToolBar(CZMRToolBar* pBar);
    // The dock bar within 20 px of the point (screen), the current one first.
    CZMRDockBar* FindDockBarNear(CPoint ptScreen, CZMRDockBar* pCurrent) const;

    // ------------------------------------------------------------ stored state

    // Every bar of the list under its run-time class with its keys, the
    // popup bars its controls open, the rows of each dock bar and where
    // each tool bar sits or floats. Loading makes the stored bars and puts
    // them in place of the list's; a state that cannot be read raises the
    // framework's archive exception and leaves the bars as they were.
    void DoPropExchange(CZMRPropExchange* pPX);

    // ------------------------------------------------------------ keyboard

    // Moves keyboard menu mode to a bar (with a direction: to the next shown
    // bar from it).
    BOOL FocusBar(CZMRCommandBar* pBar, int nDirection = 0);
    // A key a bar did not take, tried as a mnemonic across the bars.
    BOOL HandleMnemonicKey(UINT nChar);
    // The control whose mnemonic is the key, from the target's hot control
    // on; bAmbiguous when another control answers the key as well.
    CZMRControl* FindMnemonicControl(CZMRCommandBar* pTarget, UINT nChar, BOOL& bAmbiguous) const;
    BOOL AreKeyboardCuesShown() const { return m_bKeyboardCues; }
    void ShowKeyboardCues(BOOL bShow);
    // When off, the keyboard-cue state never changes.
    void EnableKeyboardCues(BOOL bEnable) { m_bKeyboardCuesSwitch = bEnable; }
    // Builds and shows the keyboard tips of one bar at a level, when the
    // keyboard-tips option is on and the bar has a window.
    void ShowKeyboardTips(CZMRCommandBar* pBar, int nLevel = 1);
    // Destroys every tip; no owner, level or typed letters are left.
    void HideKeyboardTips();
    BOOL AreKeyboardTipsShown() const { return m_arrKeyboardTips.GetSize() > 0; }
    CZMRCommandBar* GetKeyboardTipOwner() const { return m_pKeyboardTipsBar; }
    int GetKeyboardTipLevel() const { return m_nKeyboardTipLevel; }
    void SetKeyboardTipLevel(int nLevel) { m_nKeyboardTipLevel = nLevel; }
    // The tip list, in creation order; an index outside it raises the
    // framework's invalid-argument error.
    int GetKeyboardTipCount() const { return int(m_arrKeyboardTips.GetSize()); }
    CZMRCommandBarKeyboardTip* GetKeyboardTip(int nIndex) const;
    // Takes over the tip (bars add theirs while the tips are built).
    void AddKeyboardTip(CZMRCommandBarKeyboardTip* pTip);
    // Destroys the tip's window and the tip.
    void RemoveKeyboardTip(int nIndex);
    // The letters typed into the shown tips.
    int GetKeyboardTipsTyped() const { return m_nKeyboardTipsTyped; }
    void SetKeyboardTipsTyped(int nTyped) { m_nKeyboardTipsTyped = nTyped; }

    // ------------------------------------------------------------ actions

    CZMRControlActions* GetActions() const { return m_pActions; }
    // The action of an id, created when missing.
    CZMRControlAction* GetAction(int nId);
    // The action of an id, or none.
    CZMRControlAction* FindAction(int nId) const;
    // Controls added with an id get an action of their own.
    BOOL IsActionsEnabled() const { return m_bEnableActions; }
    void EnableActions(BOOL bEnable = TRUE) { m_bEnableActions = bEnable; }

    // ------------------------------------------------------------ customize mode

    BOOL IsCustomizeMode() const { return m_pCustomizeMode != nullptr; }
    CCmdTarget* GetCustomizeOwner() const { return m_pCustomizeOwner; }
    // The object that started customize mode, or none to end it.
    void SetCustomizeMode(CCmdTarget* pCustomizeMode);
    // Every control may be customized, whatever its bar says.
    BOOL IsCustomizeAll() const { return m_bCustomizeAll; }
    void SetCustomizeAll(BOOL bCustomizeAll) { m_bCustomizeAll = bCustomizeAll; }
    CZMRControl* GetCustomizeSelection() const { return m_pCustomizeSelection; }
    // Holds one reference on the selected control; the site hears of a change.
    void SetCustomizeSelection(CZMRControl* pControl);
    // Tells the site (ZMR_WM_CUSTOMIZESELECTION) which control is selected now.
    void NotifyCustomizeSelection();
    CZMRControlDragHelper* GetDragHelper() const { return m_pDragHelper; }
    // Takes over the caller's helper.
    void SetDragHelper(CZMRControlDragHelper* pDragHelper);
    // Alt + drag moves controls outside customize mode.
    BOOL IsAltDragAllowed() const { return m_bAltDragPermission && m_options.bAltDragCustomization; }
    void SetAltDragPermission(BOOL bAllow) { m_bAltDragPermission = bAllow; }
    // The program lets the user customize controls (the menu bar keeps a
    // customized menu per document kind), whatever the Alt-drag option says.
    BOOL IsAltDragPermitted() const { return m_bAltDragPermission; }

    // ------------------------------------------------------------ command use and help

    // Marks a command as used, when it is one the manager tracks.
    void RecordCommandUse(int nId);
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nHelpId) { m_nHelpId = nHelpId; }
    CShortcutSource* GetShortcutSource() const { return m_pShortcutSource; }
    // Not owned.
    void SetShortcutSource(CShortcutSource* pSource) { m_pShortcutSource = pSource; }
    // The source's text for the command; empty without a source or for id 0.
    CString GetShortcutText(int nId) const;

    // ------------------------------------------------------------ operations the hosts replace

    // The menu bar, or none; the mnemonic search starts there.
    virtual CZMRCommandBar* GetMenuBar() const;
    // Lays the site out (at the next idle time with bDelay).
    virtual void RecalcFrameLayout(BOOL bDelay = FALSE);
    // Whether executing the command counts as use.
    virtual BOOL IsCommandTracked(int nId) const;
    // A popup hides the control until it is expanded.
    virtual BOOL IsControlRarelyUsed(CZMRControl* pControl) const;
    // The site's active document template, or none.
    virtual CDocTemplate* GetActiveDocTemplate() const;
    // A tool bar is being removed, before it is destroyed.
    virtual void OnBarRemoved(CZMRCommandBar* pBar);
    // A bar entered or left tracking.
    virtual void OnTrackingModeChanged(CZMRCommandBar* pBar, int bMode);
    // A new tool bar of the class table's tool-bar class in the list, docked
    // at the top unless it is a torn-off popup (the caller floats it).
    virtual CZMRToolBar* AddToolBar(LPCTSTR lpszCaption, int nBarID, BOOL bTearOffBar = FALSE);
    // The menu of the tool bars the user may show or hide, one checked item
    // each, tracked at the screen point; nothing when no bar is listed.
    // pToolBar is the bar clicked (none from a dock bar).
    virtual void ShowToolBarContextMenu(CPoint ptScreen, CZMRToolBar* pToolBar = nullptr);

    // A bar of a class that must derive from the required one, given the
    // manager; the framework's memory exception when it cannot be made.
    static CZMRCommandBar* CreateBar(CRuntimeClass* pClass, CRuntimeClass* pRequired, CZMRBarManager* pBarManager);
    static ZMR_BAR_CLASSES m_classes;

protected:
    // Destroys the bars and the dock bars.
    void DestroyBars();

    static void DeleteKeyboardTip(CZMRCommandBarKeyboardTip* pTip);

    CArray<CZMRCommandBarKeyboardTip*, CZMRCommandBarKeyboardTip*> m_arrKeyboardTips;
    CZMRCommandBar* m_pKeyboardTipsBar;
    int m_nKeyboardTipLevel;
    int m_nKeyboardTipsTyped;
    CZMRControlDragHelper* m_pDragHelper;
    CZMRPaintManager* m_pPaintManager;
    CZMRImageManager* m_pImageManager;
    CZMRControl* m_pCustomizeSelection;
    CCmdTarget* m_pCustomizeMode;
    BOOL m_bAltDragPermission;
    CCmdTarget* m_pCustomizeOwner;
    COptions m_options;
    CArray<CZMRCommandBar*, CZMRCommandBar*> m_arrBars;
    CZMRDockBar* m_pDocks[4];
    CWnd* m_pSite;
    CZMRToolTipContext* m_pToolTipContext;
    CZMRMouseManager* m_pMouseManager;
    BOOL m_bKeyboardCues;
    CShortcutSource* m_pShortcutSource;
    int m_nHelpId;
    CZMRControlActions* m_pActions;
    BOOL m_bKeyboardCuesSwitch;
    BOOL m_bForcedRightToLeft;
    BOOL m_bEnableActions;
    BOOL m_bCustomizeAll;
};
