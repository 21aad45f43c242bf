// The command bar that shows a menu: it opens next to the control that owns
// it (or at a point), lays its controls out in a column and closes when a
// command is chosen.
#pragma once
#include "CZMRCommandBar.h"
#include <functional>

class CZMRPopupBar : public CZMRCommandBar
{
    DECLARE_SERIAL(CZMRPopupBar)
public:
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

    void ScheduleRedraw() override;
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    BOOL OpenAsPopup(CZMRControl* pControlPopup, BOOL bSelectFirst = FALSE) override;
    CRect GetBorders() const override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void ResetSelection() override;
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
};
