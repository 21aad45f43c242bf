// The window of every command bar: it owns the bar's controls, finds its
// manager, site and owner through the chain of parent bars, keeps the hot and
// the popped control and the tracking (menu) mode, paints its controls
// through the paint manager in force and tells its site about changes.
#pragma once
#include "Framework.h"
#include "CZMRAccessible.h"
#include "CZMRHookManagerHookAble.h"
#include "ZMRCommandBarDefs.h"

class CZMRControl;
class CZMRControls;
class CZMRBarManager;
class CZMRPaintManager;
class CZMRImageManager;
class CZMRToolTipContext;
class CZMRCommandBarAnimation;
class CZMRCommandBarList;
class CZMRCommandBarKeyboardTip;
class CZMRPropExchange;
struct ZMR_PROPEXCHANGE_PARAM;

// The key record of ZMR_WM_TRACKINGKEYDOWN.
struct ZMR_TRACKINGKEY_RECORD
{
    UINT nChar;
    UINT nFlags;
};

class CZMRCommandBar : public CWnd, public CZMRHookManagerHookAble, public CZMRAccessible
{
    DECLARE_SERIAL(CZMRCommandBar)
public:
    // The command-state request for one control: the owner's update handlers
    // set the control's enabled, checked and text through it.
    class CCommandBarCmdUI : public CCmdUI
    {
    public:
        CCommandBarCmdUI() : m_pControl(nullptr), m_bCheckedChanged(FALSE) {}
        // An action-bound control gets -1 so that its action decides; a
        // control disabled before any check was set loses its check.
        void Enable(BOOL bOn = TRUE) override;
        void SetCheck(int nCheck = 1) override;
        void SetText(LPCTSTR lpszText) override;

        CZMRControl* m_pControl;
        BOOL m_bCheckedChanged;   // the check was set in this update pass
    };

    CZMRCommandBar();
    ~CZMRCommandBar() override;

    // ------------------------------------------------------------ the chain of bars

    // The manager of the first bar up the parent chain that has one.
    CZMRBarManager* GetBarManager() const;
    void SetBarManager(CZMRBarManager* pBarManager) { m_pBarManager = pBarManager; }
    // The last bar of the parent chain.
    CZMRCommandBar* GetRootBar() const;
    // The manager's site frame; without a manager the root bar's site
    // override, else the window's owner or parent, else the main window.
    CWnd* GetSite() const;
    // The command receiver of the first bar up the chain that has one, else
    // the site.
    CWnd* GetOwnerWindow() const;
    // The bar's own, else the manager's, else the root bar's own, else the
    // current one (the Default theme made when there is none).
    CZMRPaintManager* GetPaintManager() const;
    // The bar's own, else the manager's, else the root bar's own, else the
    // global one.
    CZMRImageManager* GetImageManager() const;
    // Hold one reference on the bar's own paint or image manager.
    void SetPaintManager(CZMRPaintManager* pPaintManager);
    void SetImageManager(CZMRImageManager* pImageManager);
    BOOL IsCustomizeMode() const;
    // The manager's tip level while this bar owns the shown tips, else 0.
    int GetKeyboardTipLevel() const;
    void HideKeyboardTips();

    // ------------------------------------------------------------ controls and values

    CZMRControls* GetControls() const { return m_pControls; }
    int GetControlCount() const;
    // None outside the collection.
    CZMRControl* GetControl(int nIndex) const;
    int GetType() const { return m_barType; }
    void SetType(int barType) { m_barType = barType; }
    int GetPosition() const { return m_barPosition; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwAdd, DWORD dwRemove = 0) { m_dwFlags = (m_dwFlags | dwAdd) & ~dwRemove; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetBarID() const { return m_nBarID; }
    void SetBarID(int nBarID) { m_nBarID = nBarID; }
    CString GetTitle() const { return m_strTitle; }
    // Stores the title and redraws.
    void SetTitle(LPCTSTR lpszTitle);
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nMRUWidth) { m_nMRUWidth = nMRUWidth; }
    int GetDefaultButtonStyle() const { return m_nDefaultButtonStyle; }
    void SetDefaultButtonStyle(int buttonStyle) { m_nDefaultButtonStyle = buttonStyle; }
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    void SetIconSize(CSize szIcon) { m_szIcons = szIcon; }
    void SetButtonSize(CSize szButton) { m_szButtons = szButton; }
    // "ShowTextBelowIcons": 0 or 1, or 2 for the manager's setting.
    int GetShowTextBelowIcons() const { return m_nTextBelowIcons; }
    void SetShowTextBelowIcons(int nTextBelowIcons) { m_nTextBelowIcons = nTextBelowIcons; }
    BOOL IsTextBelowIcons() const;
    BOOL IsGripperShown() const { return (m_dwStyle & zmrBarStyleGripper) != 0; }
    // The first visible default item: its index, or its id; -1 when none.
    int GetDefaultItem(BOOL bByIndex = FALSE) const;
    // Large controls: twice the icon size.
    CSize GetLargeIconSize() const;
    // Space between two rows of controls.
    int GetRowGap() const { return m_nRowGap; }
    void SetRowGap(int nRowGap) { m_nRowGap = nRowGap; }
    // Set by the popup column layout when the controls take more than one column.
    BOOL IsMultiColumn() const { return m_bMultiColumn; }
    void SetMultiColumn(BOOL bMultiColumn) { m_bMultiColumn = bMultiColumn; }
    // Receives the commands of a tracked popup.
    void SetCommandReceiver(CWnd* pOwner) { m_pOwner = pOwner; }
    // The site a popup is tracked for (none: found through the chain).
    void SetSiteOverride(CWnd* pSite) { m_pSite = pSite; }
    // The window exists and lays out right to left.
    BOOL IsRightToLeftWindow() const;
    // Shows the description of the control at nIndex (-1: clears it) on the
    // site's status bar.
    void ShowDescription(int nIndex, CZMRControl* pControl);
    // Asks the owner window for the state of each control, then updates the
    // bar's child windows against it.
    void UpdateControlsState();
    // Hides the controls whose document-template lists rule out the active
    // template, and shows them again when they no longer do.
    void UpdateDocTemplateVisibility();
    // The customize drop mark (empty when none) and its orientation.
    CRect GetInsertionMark() const { return m_rcMarker; }
    BOOL IsInsertionMarkVertical() const { return m_bVerticalMarker; }

    // ------------------------------------------------------------ animation

    CZMRCommandBarAnimation* GetAnimation() const { return m_pAnimation; }
    // Switches animated redraws on or off and redraws.
    void EnableAnimation(BOOL bEnable = TRUE);
    BOOL IsAnimationEnabled() const;
    // Paints through the cached picture even without animation.
    void SetAnimationOption(BOOL bBuffered);

    // ------------------------------------------------------------ state

    int GetHotIndex() const { return m_nHotIndex; }
    int GetPoppedIndex() const { return m_nPoppedIndex; }
    // The control whose press on the bar was released last; -1 none.
    int GetLastReleasedIndex() const { return m_nLastReleasedIndex; }
    void SetLastReleasedIndex(int nIndex) { m_nLastReleasedIndex = nIndex; }
    // How the hot control was chosen: 0 by mouse, else by keyboard.
    int GetSelectionKind() const { return m_nSelectionKind; }
    // Closes the popup of the popped control and opens the one of the
    // control at nIndex (-1: none); false when nothing changed or it failed.
    BOOL SetPoppedControl(int nIndex);
    // 0 idle, else the value tracking was entered with (2 while a popup is open).
    int GetTrackingState() const { return m_bTracking; }
    BOOL IsTrackingMode() const { return m_bTracking != 0; }
    // Tracking was entered by a click rather than the keyboard.
    BOOL IsEnteredByMouse() const { return m_bEnteredByMouse; }
    // The layout is recalculated at the next idle time.
    void DelayLayout() { m_nPending |= zmrPendingLayout; }
    BOOL IsLayoutPending() const { return (m_nPending & zmrPendingLayout) != 0; }
    BOOL IsRedrawPending() const { return (m_nPending & zmrPendingRedraw) != 0; }
    // Redraw requests only mark the bar while the lock is held; the last
    // unlock redraws once when one was asked for.
    void LockRedraw() { m_nLockRedraw++; }
    void UnlockRedraw();
    // Raised by the mouse manager while a nested popup is tracked over the
    // bar: keys, mouse moves and the bar's timers are ignored meanwhile.
    int GetInputSuspension() const { return m_nInputSuspension; }
    void SuspendInput(BOOL bSuspend)
    {
        m_nInputSuspension = bSuspend ? m_nInputSuspension + 1 : (m_nInputSuspension > 0 ? m_nInputSuspension - 1 : 0);
    }
    // The window the focus goes back to when a bar edit gives it up (the
    // window whose caret tracking hid); none.
    HWND GetFocusReturnWindow() const { return m_hWndCaret; }
    void SetFocusReturnWindow(HWND hWnd) { m_hWndCaret = hWnd; }
    // The bar ignores the mouse manager's focus lock (drop-down lists).
    void SetMouseLockExempt(BOOL bExempt) { m_bMouseLockExempt = bExempt; }
    // A control made hot by the mouse opens its popup after the hover delay.
    void SetHoverOpen(BOOL bHoverOpen) { m_bHoverOpen = bHoverOpen; }
    BOOL IsHoverOpen() const { return m_bHoverOpen; }
    // Entering tracking hides the caret of the focused window.
    void SetHideCaret(BOOL bHideCaret) { m_bHideCaret = bHideCaret; }
    // The flags the root bar was tracked with (zmrTrack...).
    DWORD GetTrackFlags() const;
    void SetTrackFlags(DWORD dwTrackFlags);

    // Where a popup tracked for its result stores the chosen command.
    int* m_pReturnCmd;

    // Shows the popup at the screen point for the owner and runs its modal
    // loop until it closes: 0 when it could not show, else 1, or with flag
    // 0x100 the chosen command (0 for none).
    static int TrackPopupBar(CZMRCommandBar* pPopup, UINT nFlags, int x, int y, CWnd* pOwner = nullptr,
                             LPCRECT lprcExclude = nullptr, CWnd* pCommandReceiver = nullptr);
    // Pumps the thread's messages while the bar tracks.
    void RunModalLoop();

    // ------------------------------------------------------------ the bar's own operations
    //
    // In this order; tool bars, popups, the menu bar, dialog bars and the
    // ribbon derive from them.

    // Marks the bar for redraw at the next idle time.
    virtual void ScheduleRedraw();
    // Enters (non-zero) or leaves tracking; bSelectFirst makes the first
    // control hot, nCallback is stored as the selection kind.
    virtual BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0);
    // Builds controls from a menu: separators and items without an id make
    // the next control begin a group.
    virtual BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);
    // Makes the control at nIndex hot (-1: none); nKind 0 by mouse, else by
    // keyboard. False when nothing changed.
    virtual BOOL SetHotControl(int nIndex, int nKind = 0);
    // Builds controls from a tool-bar resource; false here.
    virtual BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
    // Whether the tool-bar resource of that id is there and reads.
    static BOOL HasToolBarResource(UINT nIDResource);
    // Replaces the controls by one per command id (0: the next begins a
    // group), letting the site make or adjust each one.
    void SetControlsFromIds(const UINT* pIds, int nCount);
    virtual CSize GetIconSize() const;
    virtual CSize GetButtonSize() const;
    // Opens the bar as a popup; popup bars do.
    virtual BOOL OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst = FALSE);
    virtual void SetVisible(BOOL bVisible);
    virtual BOOL IsVisible() const;
    // Keeps the position; tool bars dock or float there. False here.
    virtual BOOL SetPosition(int barPosition);
    // Customize-mode drop target: a control dragged over the bar.
    // Enter: the drag-over's effect, none when the bar refuses the control.
    virtual DROPEFFECT OnControlDragEnter(CZMRControl* pDataObject, CPoint point);
    virtual void OnControlDragLeave();
    // Moves the insertion mark to where the control would land; the effect
    // the control chose, none when it may not go on this bar.
    virtual DROPEFFECT OnControlDragOver(CZMRControl* pDataObject, CPoint point);
    // Inserts a copy of the control where it was dropped (ptDrag: where the
    // drag started); dropEffect becomes 5 when it stays at its own place.
    virtual BOOL OnControlDrop(CZMRControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag);
    virtual BOOL IsCustomizable() const;
    virtual void OnRecalcLayout();
    virtual void LeaveMenuLoop();
    virtual void ClearHotControl();
    // Tells the site which control is hot, keeps its help id and shows its
    // description.
    virtual void OnControlSelectionChanged(int nSelected, CZMRControl* pControl);
    // The bar of the control that opened this one; none.
    virtual CZMRCommandBar* GetParentBar() const;
    virtual BOOL IsDialogBar() const;
    virtual BOOL IsRibbonBar() const;
    virtual BOOL IsPopupBar() const;
    virtual void DoPropExchange(CZMRPropExchange* pPX);
    virtual BOOL AreKeyboardCuesShown() const;
    // Invalidates a part (null: all) of the bar, or marks it while locked.
    virtual void Redraw(LPCRECT lpRect = nullptr, BOOL bAnimate = FALSE);
    // Paints the background, the gripper and the controls that meet the clip.
    virtual void PaintBar(CDC* pDC);
    // The keyboard made a control hot.
    virtual void OnControlHotByKeyboard(int nIndex);
    virtual CRect GetBorders() const;
    virtual void FillBackground(CDC* pDC, const CRect& rcClient);
    // How a popup's gallery may be resized; 0.
    virtual int GetResizeMode() const;
    // Adds the bar's tips to the manager's list: one for each reachable
    // control, and on a root bar one for each other shown bar.
    virtual void CreateKeyboardTips();
    // A completed tip: its control gets its access key, its tool bar the
    // keyboard.
    virtual void ActivateKeyboardTip(CZMRCommandBarKeyboardTip* pTip);
    // A key while tracking: 0 not handled, 1 eaten, 2 passed on.
    virtual int HandleHookedKeyDown(UINT nChar, LPARAM lParam);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Acts on a navigation code (ZMRNavigationCode); false when the bar has
    // nothing to do with it, so that the bar tracked before it may.
    virtual BOOL HandleNavigationKey(int nCode);
    // Layout pending, no hot or popped control.
    virtual void ResetSelection();
    virtual void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE);
    // Whether a screen point lies in the bar: 1 in its window rectangle (and,
    // for a popup, in its window region), else 0; -2 tells the mouse manager
    // to pass the bar by.
    virtual int IsPointInside(CPoint ptScreen) const;
    virtual void UpdateShortcutTexts();
    virtual void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam);
    virtual void RelinkBarsAfterLoad(CZMRCommandBarList* pBars);
    // Leaves tracking, unhooks, removes the controls and destroys the window.
    virtual void OnDestroyBar();
    // Refreshes the controls' states from the owner window.
    virtual void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // Non-zero consumes a mnemonic key before controls are searched.
    virtual BOOL OnMnemonicKey(UINT nChar);
    // A right click that no control took, asked of the root bar.
    virtual void OnContextMenu(CPoint ptScreen);
    // A new bar of the same class with this one's values and controls.
    virtual CZMRCommandBar* Clone(BOOL bRecursive = FALSE);

    // ------------------------------------------------------------ framework overrides

    // The tool under the point for the framework's tooltips.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // Every message passes the tooltip context's filter first.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // While tracking: WM_KEYDOWN from the keyboard manager.
    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    CCmdTarget* GetAccessibleTarget() override { return this; }
    void OnFinalRelease() override;

    // ------------------------------------------------------------ accessibility
    //
    // The bar is child 0; child n (1-based) is the n-th control.

    HRESULT GetAccParent(IDispatch** ppdispParent) override;
    HRESULT GetAccChildCount(long* pcountChildren) override;
    HRESULT GetAccChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

    // ------------------------------------------------------------ keyboard

    // The control whose access letter is the key, searched once around the
    // bar from the control after the hot one; -1 when none. bAmbiguous when
    // another control answers the key as well.
    int FindMnemonicControl(UINT nChar, BOOL& bAmbiguous) const;
    // One typed key while this bar's keyboard tips are shown: narrows the
    // tips, activates a completed one, or beeps.
    void HandleTipKey(UINT nChar);
    // The beep of a key that nothing takes; tests count them.
    static BOOL(WINAPI* s_pfnMessageBeep)(UINT uType);

    // ------------------------------------------------------------ hit tests

    // The visible control under a client point, or none.
    CZMRControl* HitTest(CPoint point) const;

protected:
    // Sends ZMR_WM_TRACKINGKEYDOWN to the site holding a reference; true
    // when the bar was destroyed or left its manager meanwhile.
    BOOL NotifySiteOfTrackingKey(UINT nChar, UINT nFlags);
    // The control's help id, else its action's help id, else the action's id,
    // else the control's id.
    static int GetControlHelpId(CZMRControl* pControl);
    // The site frame is waiting for a context-help click.
    BOOL IsSiteInHelpMode() const;
    // The mouse manager of the bar's manager, else the thread's.
    class CZMRMouseManager* GetMouseManager() const;
    // Paints the client area in full (WM_PAINT and WM_PRINTCLIENT).
    void PaintClient(CDC* pDC, const CRect& rcClip);
    // The frames around the customize selection.
    void DrawCustomizeSelection(CDC* pDC, CZMRControl* pControl);
    // The drop mark of customize mode.
    void DrawInsertionMark(CDC* pDC);
    // Where a control dropped at the client point goes: the index it is
    // inserted before, the mark that shows it and the control nearest to the
    // point (-1: none, the bar has no customizable control shown).
    int FindInsertionPoint(CPoint point, CRect& rcMark, BOOL& bVerticalMark, int* pNearest) const;
    // The navigation code of an arrow, Home or End key for the bar's
    // orientation and direction; -1 for other keys.
    int MapArrowKey(UINT nChar) const;
    // The control of the next row up (-1) or down (+1) from the hot one
    // whose left edge is nearest to the hot control's; -1 when none.
    int FindControlInAdjacentRow(int nDirection) const;
    // The start of a drop: false (the drop cancelled) when the control may
    // not go on this bar, else the index it goes before and whether that is
    // its own place.
    BOOL FindDropPlace(CZMRControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, int& nIndex,
                       BOOL& bOwnPlace);
    // The next visible control from nIndex in the direction, or none.
    CZMRControl* GetVisibleNeighbour(int nIndex, int nDirection) const;

    // Message handlers.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    int m_bMouseLockExempt;
    int m_bHoverOpen;
    int m_bHideCaret;
    int m_nMRUWidth;
    int m_nHotIndex;
    int m_nPoppedIndex;
    HWND m_hWndCaret;            // window whose caret tracking hid
    int m_nBarID;
    int m_bVisible;              // tool-bar visibility switch
    int m_bTracking;
    CWnd* m_pSite;               // the site given by the track operation
    int m_nPending;              // zmrPendingLayout, zmrPendingRedraw
    DWORD m_dwFlags;
    DWORD m_dwStyle;
    CString m_strTitle;
    int m_barType;
    CZMRControls* m_pControls;
    int m_barPosition;
    CZMRBarManager* m_pBarManager;
    CWnd* m_pOwner;              // command receiver
    CSize m_szIcons;
    CSize m_szButtons;
    int m_nTextBelowIcons;       // 2: the manager's setting
    int m_bRightButton;          // the popup was opened for the right button
    int m_bNoNotify;             // the controls are not asked for their command state (commands still go out)
    int m_bNestedTrack;          // tracked without closing the bars already tracked
    int m_nInputSuspension;
    int m_nSelectionKind;
    int m_bCloseable;            // -1: not set
    BOOL m_bCustomizable;
    CRect m_rcMarker;            // customize drop mark
    BOOL m_bVerticalMarker;
    BOOL m_bCustomizeDialogPresent;
    BOOL m_bEnteredByMouse;
    int m_nLockRedraw;
    CZMRPaintManager* m_pPaintManager;
    CZMRImageManager* m_pImageManager;
    BOOL m_bRowBoundLayout;      // the ribbon's: insertion and popup layout keep to rows
    int m_nDefaultButtonStyle;
    CZMRToolTipContext* m_pToolTipContext;
    CZMRCommandBarAnimation* m_pAnimation;
    int m_nStatusIndex;          // control whose description is on the status bar
    int m_nRowGap;
    BOOL m_bMultiColumn;
    int m_nLastReleasedIndex;

    friend class CZMRBarManager;
    friend class CZMRPopupBar;

    DECLARE_MESSAGE_MAP()
    DECLARE_INTERFACE_MAP()
};
