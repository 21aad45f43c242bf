// What a bar that shows ribbon groups carries besides its own base: the hot
// group, and for the ribbon and the popup of a minimized ribbon the scroll
// offset of groups that stay wider than the bar, with the two buttons that
// scroll them.
#pragma once
#include "CZMRControlButton.h"

class CZMRCommandBar;
class CZMRRibbonGroup;
class CZMRRibbonGroups;

class CZMRRibbonScrollableBar
{
public:
    // A button at either end of the groups band.
    class CControlGroupsScroll : public CZMRControlButton
    {
    public:
        // nDirection 0 scrolls right, 1 scrolls left.
        explicit CControlGroupsScroll(int nDirection = 0);
        void Draw(CDC* pDC) override;
        int GetDirection() const { return m_nDirection; }

    protected:
        int m_nDirection;
    };

    CZMRRibbonScrollableBar();
    virtual ~CZMRRibbonScrollableBar() {}

    // Moves the groups one step (bLeft: toward the start).
    virtual void ScrollGroups(BOOL bLeft);
    virtual CRect GetGroupsRect() const;
    virtual CZMRRibbonGroup* HitTestGroup(CPoint point) const;

    // Appends the right and then the left scroll button to the bar's controls.
    void CreateScrollButtons(CZMRCommandBar* pBar);
    // Shows each button at its end of the groups band, or hides it.
    void ShowScrollButtons(BOOL bLeft, BOOL bRight);
    // Scrolls so that the range [nLeft, nRight) of the groups shows.
    void ScrollIntoView(CZMRRibbonGroups* pGroups, int nLeft, int nRight);
    // Redraws the old and the new hot group.
    void SetHotGroup(CZMRRibbonGroup* pGroup);
    CZMRRibbonGroup* GetHotGroup() const { return m_pHotGroup; }
    int GetScrollOffset() const { return m_nScrollOffset; }
    void SetScrollOffset(int nOffset) { m_nScrollOffset = nOffset; }
    CControlGroupsScroll* GetScrollButton(BOOL bLeft) const { return bLeft ? m_pScrollLeft : m_pScrollRight; }

protected:
    int m_nScrollOffset;
    CZMRCommandBar* m_pOwningBar;
    CControlGroupsScroll* m_pScrollLeft;
    CControlGroupsScroll* m_pScrollRight;
    CZMRRibbonGroup* m_pHotGroup;
};
