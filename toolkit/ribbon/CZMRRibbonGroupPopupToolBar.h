// The popup that opens from a collapsed ribbon group's button: it shows a
// copy of the group, laid out at its full width, so that the group on the
// ribbon never moves.
#pragma once
#include "CZMRPopupToolBar.h"
#include "CZMRRibbonScrollableBar.h"

class CZMRRibbonBar;
class CZMRRibbonGroup;

class CZMRRibbonGroupPopupToolBar : public CZMRPopupToolBar, public CZMRRibbonScrollableBar
{
    DECLARE_SERIAL(CZMRRibbonGroupPopupToolBar)
public:
    // A popup for the group; without one (for cloning) it shows nothing.
    explicit CZMRRibbonGroupPopupToolBar(CZMRRibbonGroup* pGroup = nullptr);
    ~CZMRRibbonGroupPopupToolBar() override;

    CZMRRibbonGroup* GetGroupCopy() const { return m_pGroupCopy; }
    CZMRRibbonGroup* GetSourceGroup() const { return m_pSourceGroup; }
    CZMRRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }

    // Nothing scrolls in a group's popup.
    CRect GetGroupsRect() const override;
    CZMRRibbonGroup* HitTestGroup(CPoint point) const override;

    // The group copy at its widest, below the borders.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void PaintBar(CDC* pDC) override;
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;
    BOOL AreKeyboardCuesShown() const override;
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    // The ribbon's arrows first, then the command bar's keys.
    BOOL HandleNavigationKey(int nCode) override;
    // The tips of the source group's tab with the copy in the source's
    // place; only the copy's are visible.
    void CreateKeyboardTips() override;

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

    CZMRRibbonGroup* m_pGroupCopy;
    CZMRRibbonBar* m_pRibbonBar;
    CZMRRibbonGroup* m_pSourceGroup;
};
