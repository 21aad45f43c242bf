// The command bar that shows a menu: it opens next to the control that owns
// it (or at a point), lays its controls out in a column and closes when a
// command is chosen.
#pragma once
#include "CZMRCommandBar.h"
#include "CZMRControlButton.h"
#include <functional>

class CZMRToolBar;

class CZMRPopupBar : public CZMRCommandBar
{
    DECLARE_SERIAL(CZMRPopupBar)
public:
    // The button across the bottom of a popup that hides rarely used
    // controls; executing it expands the popup.
    class CControlExpandButton : public CZMRControlButton
    {
    public:
        CControlExpandButton();
        void Draw(CDC* pDC) override;
        void OnExecute() override;
    };

    // Timers of a popup window.
    enum
    {
        TimerScrollDown = 5001,      // the lower scroll area scrolls on
        TimerScrollUp = 5002,        // the upper scroll area scrolls back
        TimerTearOffHot = 5003,      // follows the mouse over the tear-off strip
        TimerExpandButton = 5004     // the expand button, hovered, expands the popup
    };

    CZMRPopupBar();

    // A popup bar of the manager's popup-bar class for the manager, without
    // a window yet; one reference for the caller.
    static CZMRPopupBar* CreatePopupBar(CZMRBarManager* pBarManager);

    // The control whose popup this is; none for a context menu.
    CZMRControl* GetControlPopup() const { return m_pControlPopup; }
    void SetControlPopup(CZMRControl* pControlPopup) { m_pControlPopup = pControlPopup; }

    // The icon column of the popup (the gripper style bit).
    void SetGripperShown(BOOL bShown)
    {
        SetBarStyle(bShown ? GetBarStyle() | zmrBarStyleGripper : GetBarStyle() & ~DWORD(zmrBarStyleGripper));
    }

    BOOL IsVisible() const override;
    // The bar of the opener control.
    CZMRCommandBar* GetParentBar() const override;
    BOOL IsPopupBar() const override;
    // Shows the rarely used controls that the popup hides until expanded.
    virtual void Expand();
    // Rarely used controls are hidden and the popup is not expanded yet.
    BOOL HidesRarelyUsed() const { return m_bMoreControlsHidden && !m_bExpanded; }
    BOOL IsExpanded() const { return m_bExpanded; }
    // Marks the controls the manager finds rarely used and hides them while
    // the popup is not expanded (unless every visible control is rare).
    void UpdateRarelyUsed();
    // Lays the controls in view out for a popup of that size (none: the
    // window's), the range fixed by its end or by its start.
    void LayoutScrolled(const CSize* pSize, BOOL bFromEnd, BOOL bRedraw);
    // Sizes the window to its content after the gallery changed size.
    void ResizeToContent();
    // The drag of the tear-off strip; TearOff shows the popup inside the
    // reference rectangle, or a floating tool bar of its controls outside.
    void TrackTearOff();
    void TearOff(BOOL bInside, int x, int y);
    // The drag of the resize gripper.
    void TrackGalleryResize();
    BOOL HitTestResizeGripper(CPoint point) const;
    // The popup's own timers; false for any other.
    BOOL OnPopupTimer(UINT_PTR nIDEvent);

    int GetFirstVisible() const { return m_nFirstVisible; }
    int GetEndVisible() const { return m_nEndVisible; }
    CRect GetScrollUpRect() const { return m_rcScrollUp; }
    CRect GetScrollDownRect() const { return m_rcScrollDown; }
    CRect GetTearOffRect() const { return m_rcTearOffHandle; }
    CRect GetResizeGripperRect() const { return m_rcResizeGripper; }
    BOOL IsTearOffHot() const { return m_bTearOffHot; }
    CZMRToolBar* GetTornOffBar() const { return m_pTornOffBar; }
    void SetTearOffPopup(BOOL bTearOff, LPCTSTR lpszCaption = L"", int nBarID = 0, int nWidth = 0)
    {
        m_bTearOffPopup = bTearOff;
        m_strTearOffCaption = lpszCaption;
        m_nTearOffId = nBarID;
        m_nTearOffWidth = nWidth;
    }
    CZMRControl* GetExpandButton() const;

    void ScheduleRedraw() override;
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    BOOL OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst = FALSE) override;
    CRect GetBorders() const override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void ResetSelection() override;
    // A control out of view scrolls into it first.
    BOOL SetHotControl(int nIndex, int nKind = 0) override;
    void OnRecalcLayout() override;
    void PaintBar(CDC* pDC) override;
    int GetResizeMode() const override;
    // Ctrl+Down, or Down on the last visible control, expands the popup.
    int HandleHookedKeyDown(UINT nChar, LPARAM lParam) override;
    void Copy(CZMRCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // The bar's keys, then the popup's own.
    void DoPropExchange(CZMRPropExchange* pPX) override;

    // Creates the window when it does not exist; false on failure.
    virtual BOOL CreatePopupWindow();
    // The screen rectangle for a popup of that size placed from the anchor.
    virtual CRect CalcPopupRect(CPoint ptAnchor, CSize szPopup);
    // Direction, exclusion rectangle and anchor from the opener control.
    virtual void ComputeAnchorFromControl();
    // The opener's own adjustment of the rectangle to keep clear.
    virtual void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical);
    virtual void PlayOpenAnimation();

    // 2 unfold, 3 slide, 4 fade, 5 none.
    int GetAnimationType() const;
    // Places the window top-most at the rectangle for that size.
    void Reposition(CSize szPopup);

    // The point and the rectangle a tracked popup is placed from.
    void SetAnchor(CPoint ptAnchor) { m_ptAnchor = ptAnchor; }
    CPoint GetAnchor() const { return m_ptAnchor; }
    void SetExcludeRect(const CRect& rcExclude) { m_rcExclude = rcExclude; }
    CRect GetExcludeRect() const { return m_rcExclude; }
    DWORD GetDirection() const { return m_dwDirection; }
    void SetDirection(DWORD dwDirection) { m_dwDirection = dwDirection; }
    BOOL IsScrolling() const { return m_bScrolling; }
    void SetShowShadow(BOOL bShow) { m_bShowShadow = bShow; }
    BOOL GetShowShadow() const { return m_bShowShadow; }
    void SetContextMenu(BOOL bContextMenu) { m_bContextMenu = bContextMenu; }
    // "DoubleGripper": the icon column is two cells wide, check marks in the
    // first and icons in the second.
    BOOL IsDoubleGripper() const { return m_bDoubleGripper; }
    void SetDoubleGripper(BOOL bDoubleGripper) { m_bDoubleGripper = bDoubleGripper; }
    BOOL IsContextMenu() const { return m_bContextMenu; }
    void SetPopupBorders(const CRect& rcBorders) { m_rcBorders = rcBorders; }

    // The monitor areas a placement is computed in; tests replace them.
    static std::function<void(CPoint ptAnchor, const CRect& rcExclude, CRect& rcWork, CRect& rcMonitor)>
        s_fnMonitorAreas;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Mouse moves over the scroll areas and the tear-off strip.
    void OnPopupMouseMove(CPoint point);
    // True when the press began a tear-off or a resize.
    BOOL OnPopupLButtonDown(CPoint point);
    BOOL OnPopupSetCursor();
    // Gives the popup its shadow when the conditions of opening hold.
    void ShowPopupShadow();
    // The space the tear-off strip, the expand button and the gripper take,
    // added to the borders.
    CRect GetLayoutBorders() const;
    // Places the tear-off strip, the expand button and the gripper for a
    // popup of that size.
    void PlaceFrameParts(CSize szPopup);
    // Runs a capture loop: fnMove on each move to a new point, fnKey on a key
    // (true ends the loop); ends on release, quit or capture loss.
    void RunCaptureLoop(const std::function<void(CPoint)>& fnMove, const std::function<BOOL(UINT)>& fnKey);

    CZMRControl* m_pControlPopup;
    CPoint m_ptAnchor;
    CRect m_rcExclude;
    DWORD m_dwDirection;
    BOOL m_bLayoutLock;
    BOOL m_bMoreControlsHidden;
    BOOL m_bExpanded;
    BOOL m_bExpanding;
    BOOL m_bTearOffPopup;
    CString m_strTearOffCaption;
    int m_nTearOffId;
    int m_nTearOffWidth;
    BOOL m_bShowShadow;
    CRect m_rcBorders;           // type 1 only
    BOOL m_bDoubleGripper;
    BOOL m_bContextMenu;
    BOOL m_bScrolling;
    int m_nFirstVisible;
    int m_nEndVisible;
    CRect m_rcScrollUp;
    CRect m_rcScrollDown;
    BOOL m_bScrollUpTimer;
    BOOL m_bScrollDownTimer;
    CRect m_rcTearOffHandle;
    CRect m_rcResizeGripper;
    int m_nResizeMode;           // bit 1 width, bit 2 height
    BOOL m_bTearOffHot;
    BOOL m_bTearingOff;
    CSize m_szTornOff;
    CZMRToolBar* m_pTornOffBar;
    int m_nTearOffHeight;        // measured by the last layout
    int m_nGripperHeight;
    int m_nExpandHeight;
    BOOL m_bInCaptureLoop;       // keys go to the drag, not to navigation
};
