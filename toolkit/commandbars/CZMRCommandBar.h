// The window of every command bar: it owns the bar's controls, finds its
// manager, site and owner through the chain of parent bars, keeps the hot and
// the popped control and the tracking state, and lays its controls out and
// paints them through the paint manager in force.
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
class CZMRCommandBarList;
struct ZMR_PROPEXCHANGE_PARAM;

class CZMRCommandBar : public CWnd, public CZMRHookManagerHookAble, public CZMRAccessible
{
    DECLARE_SERIAL(CZMRCommandBar)
public:
    CZMRCommandBar();
    ~CZMRCommandBar() override;

    // ------------------------------------------------------------ the chain of bars

    // The manager of the first bar up the parent chain that has one.
    CZMRBarManager* GetBarManager() const;
    void SetBarManager(CZMRBarManager* pBarManager) { m_pBarManager = pBarManager; }
    // The last bar of the parent chain.
    CZMRCommandBar* GetRootBar() const;
    // The manager's site frame, else the root bar's site override, the
    // window's owner or parent, else the main window.
    CWnd* GetSite() const;
    // The command receiver of the first bar up the chain that has one, else
    // the site.
    CWnd* GetOwnerWindow() const;
    CZMRPaintManager* GetPaintManager() const;
    CZMRImageManager* GetImageManager() const;
    // Holds one reference on the bar's own paint or image manager.
    void SetPaintManager(CZMRPaintManager* pPaintManager);
    void SetImageManager(CZMRImageManager* pImageManager);
    BOOL IsCustomizeMode() const;

    // ------------------------------------------------------------ controls and values

    CZMRControls* GetControls() const { return m_pControls; }
    int GetControlCount() const;
    // None outside the collection.
    CZMRControl* GetControl(int nIndex) const;
    int GetType() const { return m_barType; }
    void SetType(int barType) { m_barType = barType; }
    int GetPosition() const { return m_barPosition; }
    void SetPosition(int barPosition) { m_barPosition = barPosition; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwAdd, DWORD dwRemove = 0) { m_dwFlags = (m_dwFlags | dwAdd) & ~dwRemove; }
    int GetBarID() const { return m_nBarID; }
    void SetBarID(int nBarID) { m_nBarID = nBarID; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle);
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nMRUWidth) { m_nMRUWidth = nMRUWidth; }
    int GetDefaultButtonStyle() const { return m_nDefaultButtonStyle; }
    void SetDefaultButtonStyle(int buttonStyle) { m_nDefaultButtonStyle = buttonStyle; }
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    void SetIconSize(CSize szIcon) { m_szIcons = szIcon; }
    void SetButtonSize(CSize szButton) { m_szButtons = szButton; }
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

    // ------------------------------------------------------------ state

    int GetHotIndex() const { return m_nHotIndex; }
    int GetPoppedIndex() const { return m_nPoppedIndex; }
    // Closes the popup of the popped control and opens the one of the
    // control at nIndex (-1: none); false when nothing changed or it failed.
    BOOL SetPoppedControl(int nIndex);
    // 0 idle, else the value tracking was entered with (2 while a popup is open).
    int GetTrackingState() const { return m_bTracking; }
    BOOL IsTrackingMode() const { return m_bTracking != 0; }
    // The layout is recalculated at the next idle time.
    void DelayLayout() { m_nPending |= 1; }
    BOOL IsLayoutPending() const { return (m_nPending & 1) != 0; }
    // Redraw requests only mark the bar while the lock is held.
    void LockRedraw() { m_nLockRedraw++; }
    void UnlockRedraw();

    // Where a popup tracked for its result stores the chosen command.
    int* m_pReturnCmd;

    // ------------------------------------------------------------ the mouse manager's lock

    // Raised by the mouse manager while a nested popup is tracked over the
    // bar; while positive the bar ignores keys, mouse moves and its timers.
    int GetInputSuspension() const { return m_nInputSuspension; }
    void SuspendInput(BOOL bSuspend)
    {
        m_nInputSuspension = bSuspend ? m_nInputSuspension + 1 : (m_nInputSuspension > 0 ? m_nInputSuspension - 1 : 0);
    }

    // ------------------------------------------------------------ operations the bars replace

    // Builds controls from a menu: separators and items without an id make
    // the next control begin a group.
    virtual BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);
    // Makes the control at nIndex hot (-1: none); nKind 0 by mouse, else by
    // keyboard. False when nothing changed.
    virtual BOOL SetHotControl(int nIndex, int nKind = 0);
    // Enters (non-zero) or leaves tracking.
    virtual BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0);
    virtual CSize GetIconSize() const;
    virtual CSize GetButtonSize() const;
    virtual BOOL IsVisible() const;
    virtual BOOL IsCustomizable() const;
    virtual void OnRecalcLayout();
    // Tells the site which control is hot.
    virtual void OnControlSelectionChanged(int nSelected, CZMRControl* pControl);
    // The bar of the control that opened this one; none.
    virtual CZMRCommandBar* GetParentBar() const;
    virtual BOOL IsPopupBar() const;
    // Invalidates a part (null: all) of the bar, or marks it while locked.
    virtual void Redraw(LPCRECT lpRect = nullptr, BOOL bAnimate = FALSE);
    // How a popup's gallery may be resized; 0.
    virtual int GetResizeMode() const;
    virtual void ResetSelection();
    virtual void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE);
    virtual void NumberBarsForSave(DWORD& nBarId, CZMRCommandBarList* pBars, ZMR_PROPEXCHANGE_PARAM* pParam);
    // Refreshes the controls' states from the owner window.
    virtual void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // A new bar of the same class with this one's values and controls.
    virtual CZMRCommandBar* Clone(BOOL bRecursive = FALSE);
    // Whether a screen point lies in the bar: 1 in its window rectangle (and,
    // for a popup, in its window region), else 0; -2 tells the mouse manager
    // to pass the bar by.
    virtual int IsPointInside(CPoint ptScreen) const;

    // ------------------------------------------------------------ what the paint manager reads

    // Dialog bars answer true; their gripper is drawn as a dialog bar's.
    virtual BOOL IsDialogBar() const;
    // Whether mnemonics are underlined; always without a manager.
    virtual BOOL AreKeyboardCuesShown() const;
    // "ShowTextBelowIcons": 0 or 1, or 2 for the manager's setting.
    void SetShowTextBelowIcons(int nShowTextBelowIcons) { m_nShowTextBelowIcons = nShowTextBelowIcons; }
    BOOL IsTextBelowIcons() const;
    // The window is laid out or reads right to left.
    BOOL IsRightToLeftWindow() const;

    int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    CCmdTarget* GetAccessibleTarget() override { return this; }
    void OnFinalRelease() override;

protected:
    int m_nMRUWidth;
    int m_nHotIndex;
    int m_nPoppedIndex;
    int m_nBarID;
    int m_bTracking;
    CWnd* m_pSite;               // the site given by the track operation
    int m_nPending;              // 1: layout, 2: redraw
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
    int m_nSelectionKind;
    BOOL m_bCustomizable;
    int m_nLockRedraw;
    CZMRPaintManager* m_pPaintManager;
    CZMRImageManager* m_pImageManager;
    int m_nDefaultButtonStyle;
    int m_nRowGap;
    BOOL m_bMultiColumn;
    int m_nInputSuspension;      // the mouse manager's lock
    int m_nShowTextBelowIcons;

    DECLARE_INTERFACE_MAP()
};
