// The popup that a minimized ribbon opens from its tab strip: a copy of the
// selected tab's groups, laid out across the ribbon's width below (or, near
// the bottom of the monitor, above) the tabs, scrolled like the ribbon's
// when they do not fit.
#pragma once
#include "CZMRPopupToolBar.h"
#include "CZMRRibbonScrollableBar.h"

class CZMRRibbonBar;
class CZMRRibbonTab;

class CZMRRibbonTabPopupToolBar : public CZMRPopupToolBar, public CZMRRibbonScrollableBar
{
    DECLARE_DYNCREATE(CZMRRibbonTabPopupToolBar)
public:
    explicit CZMRRibbonTabPopupToolBar(CZMRRibbonTab* pTab = nullptr);
    ~CZMRRibbonTabPopupToolBar() override;

    // The screen rectangle of the popup: anchored at the ribbon's left edge
    // (kept inside the work area) below the excluded tab strip, or above it
    // when the work area ends too soon; as wide as the ribbon, 4 px short
    // of the work area's right edge at most.
    static CRect CalcPlacement(const CRect& rcRibbon, const CRect& rcWork, const CRect& rcExclude, int nHeight);

    CZMRRibbonTab* GetTabCopy() const { return m_pTabCopy; }
    CZMRRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }

    void ScrollGroups(BOOL bLeft) override;
    CRect GetGroupsRect() const override;
    CZMRRibbonGroup* HitTestGroup(CPoint point) const override;

    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // The size step placed the popup already.
    CRect CalcPopupRect(CPoint ptAnchor, CSize szPopup) override;
    void PaintBar(CDC* pDC) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;
    BOOL AreKeyboardCuesShown() const override;
    BOOL SetMenuLoopActive(int bActive, BOOL bSelectFirst = FALSE, int nCallback = 0) override;
    // The ribbon's arrows; Escape closes every popup while the ribbon was
    // entered by the mouse.
    BOOL HandleNavigationKey(int nCode) override;
    void CreateKeyboardTips() override;
    void ActivateKeyboardTip(CZMRCommandBarKeyboardTip* pTip) override;
    // A group control the keyboard made hot scrolls into view.
    void OnControlHotByKeyboard(int nIndex) override;

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

    CZMRRibbonTab* m_pTabCopy;
    CZMRRibbonBar* m_pRibbonBar;
    CRect m_rcGroups;
};
