// What a bar that shows ribbon groups carries besides its own base: the hot
// group, and for the ribbon and the popup of a minimized ribbon the scroll
// offset of groups that stay wider than the bar, with the two buttons that
// scroll them.
#pragma once
#include "CZMRControlButton.h"

class CZMRCommandBar;
class CZMRMouseManager;
class CZMRRibbonGroup;
class CZMRRibbonGroups;

class CZMRRibbonScrollableBar
{
public:
    // A button at either end of the groups band. Held down it scrolls once,
    // then again and again on its timer until the button is released.
    class CControlGroupsScroll : public CZMRControlButton
    {
    public:
        // The repeat timer, on the bar window.
        enum
        {
            TimerRepeat = 17821
        };

        // nDirection 0 scrolls right, 1 scrolls left.
        explicit CControlGroupsScroll(int nDirection = 0);
        void Draw(CDC* pDC) override;
        // Runs the repeat loop while the left button is down.
        void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
        int GetDirection() const { return m_nDirection; }

    protected:
        int m_nDirection;
    };

    CZMRRibbonScrollableBar();
    virtual ~CZMRRibbonScrollableBar() {}

    // The mixin of a bar that shows groups (the ribbon and its two group
    // popups), or none.
    static CZMRRibbonScrollableBar* FromBar(CZMRCommandBar* pBar);

    // Moves the groups one step (bLeft: toward the start).
    virtual void ScrollGroups(BOOL bLeft);
    // Where the groups are laid out, in the bar's client coordinates.
    virtual CRect GetGroupsRect() const;
    // The group under a client point, or none.
    virtual CZMRRibbonGroup* HitTestGroup(CPoint point) const;

    // Appends the right and then the left scroll button to the bar's controls.
    void CreateScrollButtons(CZMRCommandBar* pBar);
    // Shows each button at its end of the groups band, or hides it.
    void ShowScrollButtons(BOOL bLeft, BOOL bRight);
    BOOL IsScrollButtonVisible() const;
    // Scrolls so that the range [nLeft, nRight) of the groups shows.
    void ScrollIntoView(CZMRRibbonGroups* pGroups, int nLeft, int nRight);
    // The offset that brings [nLeft, nRight) into the groups rectangle from
    // the applied one; never below 0.
    static int CalcScrollIntoView(int nApplied, const CRect& rcGroups, int nLeft, int nRight, BOOL bLeftShown,
                                  BOOL bRightShown);
    // The request one step left or right of the applied offset.
    static int CalcScrollStep(int nApplied, BOOL bLeft);
    // Redraws the old and the new hot group.
    void SetHotGroup(CZMRRibbonGroup* pGroup);
    CZMRRibbonGroup* GetHotGroup() const { return m_pHotGroup; }
    // A mouse move over the owning bar: the group under the point becomes
    // hot when nothing else holds the mouse; a new hot group asks for the
    // mouse-leave notification.
    void TrackHotGroup(CZMRMouseManager* pMouseManager, CPoint point);
    int GetScrollOffset() const { return m_nScrollOffset; }
    void SetScrollOffset(int nOffset) { m_nScrollOffset = nOffset; }
    CControlGroupsScroll* GetScrollButton(BOOL bLeft) const { return bLeft ? m_pScrollLeft : m_pScrollRight; }
    CZMRCommandBar* GetOwningBar() const { return m_pOwningBar; }

protected:
    // Stores a changed request and lays the owning bar out again.
    void RequestScrollOffset(int nOffset);

    int m_nScrollOffset;
    CZMRCommandBar* m_pOwningBar;
    CControlGroupsScroll* m_pScrollLeft;
    CControlGroupsScroll* m_pScrollRight;
    CZMRRibbonGroup* m_pHotGroup;
};
