// The ribbon's tab strip: one control of the ribbon bar that is also the tab
// manager of the ribbon's tabs. The ribbon lays it out and draws it through
// the ribbon theme's tab paint manager; selecting a tab goes through the
// ribbon, which may refuse the change and shows the tab's groups.
#pragma once
#include "CZMRControlPopup.h"
#include "CZMRTabManager.h"
#include "CZMRTabPaintManager.h"

class CZMRRibbonBar;
class CZMRRibbonTab;

class CZMRRibbonControlTab : public CZMRControlPopup, public CZMRTabManager
{
    DECLARE_SERIAL(CZMRRibbonControlTab)
public:
    CZMRRibbonControlTab();
    ~CZMRRibbonControlTab() override;

    // ------------------------------------------------------------ the control

    void SetEnabled(int bEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override;
    // The ribbon draws the strip.
    void Draw(CDC* pDC) override;
    // "Tab" elements, one per tab.
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void OnAccessKeyPressed() override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    BOOL IsFocusable() const override;
    BOOL HandleHookedKeyDown(UINT nChar) override;
    // The selected tab's groups in a popup while the ribbon is minimized.
    BOOL ShowPopup(BOOL bPopup) override;
    BOOL OnSelectionChange(int bSelected) override;
    CZMRControl* Clone(BOOL bRecursive = FALSE) override;
    void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;

    // ------------------------------------------------------------ the tab manager

    // The ribbon lays the strip out with the bar.
    void Reposition() override;
    CString GetItemTooltip(const CZMRTabManagerItem* pItem) const override;
    void SetSelectedItem(CZMRTabManagerItem* pItem) override;
    // The ribbon theme's tab paint manager; none under any other theme.
    CZMRTabPaintManager* GetPaintManager() const override;
    void RedrawControl(LPCRECT lpRect, BOOL bNow) override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    BOOL IsMouseLocked() const override;
    BOOL IsKeyboardFocused() const override;

    // ------------------------------------------------------------ own operations

    CZMRRibbonBar* GetRibbonBar() const;
    CZMRRibbonTab* GetTab(int nIndex) const;
    CZMRRibbonTab* GetSelectedTab() const;
    // Opens the selected tab's popup of a minimized ribbon.
    void PopupSelectedTab(BOOL bKeyboard);
    // The popup exists and tracks.
    BOOL IsPopupShown() const;

protected:
    BOOL m_bFocused;
    mutable CZMRTabPaintManager* m_pFallbackPaintManager;   // owned; made on first need
};
