// The ribbon's tab strip: one control of the ribbon bar that is also the tab
// manager of the ribbon's tabs. The ribbon lays it out and draws it through
// the ribbon theme's tab paint manager; selecting a tab goes through the
// ribbon, which may refuse the change and shows the tab's groups. While the
// ribbon is minimized the strip opens the selected tab in a popup.
//
// Both bases answer "focused" and "paint manager": the control's focus is
// IsFocused, the strip's drawn focus IsKeyboardFocused; GetPaintManager is
// the tab paint manager, CZMRControl::GetPaintManager the bar's.
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
    // Gaining the focus selects the first usable tab when none is selected.
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override;
    // The ribbon draws the strip.
    void Draw(CDC* pDC) override;
    // "Tab" elements, one per tab.
    void DoPropExchange(CZMRPropExchange* pPX) override;
    void OnAccessKeyPressed() override;
    // Copies of the source's tabs, of their classes.
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    BOOL IsFocusable() const override;
    // Arrows between tabs and down into the groups; Enter (and Space while
    // minimized) opens the tab popup.
    BOOL HandleHookedKeyDown(UINT nChar) override;
    // The selected tab's groups in a popup while the ribbon is minimized.
    BOOL ShowPopup(BOOL bPopup) override;
    BOOL OnSelectionChange(int bSelected) override;
    void AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical) override;

    // ------------------------------------------------------------ accessibility

    HRESULT GetAccChildCount(long* pcountChildren) override;
    HRESULT GetAccChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccDoDefaultAction(VARIANT varChild) override;

    // ------------------------------------------------------------ the tab manager

    // The ribbon lays the strip out with the bar.
    void Reposition() override;
    CString GetItemTooltip(const CZMRTabManagerItem* pItem) const override;
    // Through the ribbon, which may refuse the change.
    void SetSelectedItem(CZMRTabManagerItem* pItem) override;
    // The ribbon theme's tab paint manager; a plain one under any other theme.
    CZMRTabPaintManager* GetPaintManager() const override;
    void RedrawControl(LPCRECT lpRect, BOOL bNow) override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    // While popups are tracked.
    BOOL IsMouseLocked() const override;
    // Focused and the ribbon tracking.
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
    BOOL IsRibbonMinimized() const;
    // The accessibility focus event for a tab.
    void NotifyTabFocus(int nTab);
    // The tab of a child id (none for the strip); false beyond the tabs.
    BOOL GetAccTab(const VARIANT& varChild, CZMRTabManagerItem*& pItem) const;

    BOOL m_bFocused;
    mutable CZMRTabPaintManager* m_pFallbackPaintManager;   // owned; made on first need
};
