// A captioned box of controls on a ribbon tab. Its controls live in the
// controls of the bar that hosts it (the ribbon, or a popup that shows a
// copy of the group), kept together just before the group's option button,
// and point back to it; it reduces its controls step by step when room is
// short and may collapse into one button that opens the group in a popup.
#pragma once
#include "Framework.h"
#include "CZMRRibbonGroupLayout.h"

class CZMRControl;
class CZMRCommandBar;
class CZMRRibbonBar;
class CZMRRibbonGroups;
class CZMRRibbonGroupOption;
class CZMRRibbonGroupControlPopup;
class CZMRRibbonTab;
class CZMRPropExchange;

class CZMRRibbonGroup : public CCmdTarget
{
    DECLARE_SERIAL(CZMRRibbonGroup)
public:
    CZMRRibbonGroup();
    ~CZMRRibbonGroup() override;

    // ------------------------------------------------------------ operations in slot order

    // Stores the rectangle and places the popup and option buttons.
    virtual void SetRect(int nLeft, int nTop, int nRight, int nBottom);
    virtual void Copy(CZMRRibbonGroup* pSource);
    // Frame and caption, then the controls and buttons that meet the clip.
    virtual void Draw(CDC* pDC, CRect rcClip);
    virtual void DoPropExchange(CZMRPropExchange* pPX);
    // Every visible control side by side.
    virtual void ArrangeInRow(CDC* pDC);
    // Puts the option and popup buttons on the host bar.
    virtual void OnAdded();
    // Takes the controls and buttons off the host bar.
    virtual void OnRemoved();
    virtual int GetCaptionWidth(CDC* pDC);
    // Starts a layout pass from the widest form of every control.
    virtual void BeginLayout(CDC* pDC);
    // Hands the places of the pass to the controls.
    virtual void EndLayout();
    virtual int GetWidth(CDC* pDC);
    // One reduction step at a level; true when something changed.
    virtual BOOL ReduceSize(int nLevel, int nExcess);
    // Widens a gallery into spare room; true when it did.
    virtual BOOL Expand(int nSpare);

    // ------------------------------------------------------------ controls

    int GetCount() const { return int(m_arrControls.GetSize()); }
    CZMRControl* GetAt(int nIndex) const;
    // A new control of the source's class copying it, inserted at nIndex
    // (outside: at the end); none when it cannot be made.
    CZMRControl* InsertControl(CZMRControl* pSource, int nIndex, BOOL bRecursive = FALSE);
    void RemoveAt(int nIndex);
    void Remove(CZMRControl* pControl);
    void RemoveAll();
    // The position of one of the group's controls, or -1.
    int IndexOf(CZMRControl* pControl) const;

    // ------------------------------------------------------------ state

    CRect GetRect() const { return m_rcGroup; }
    CRect GetCaptionRect() const;
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    int GetId() const { return m_nId; }
    void SetId(int nId) { m_nId = nId; }
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nIconId) { m_nIconId = nIconId; }
    int GetIndex() const { return m_nIndex; }
    BOOL IsCollapsed() const { return m_state.bCollapsed; }
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    BOOL IsShowOptionButton() const { return m_bShowOptionButton; }
    void ShowOptionButton(BOOL bShow) { m_bShowOptionButton = bShow; }
    BOOL IsControlsGrouping() const { return m_state.bControlsGrouping; }
    void SetControlsGrouping(BOOL bGrouping) { m_state.bControlsGrouping = bGrouping; }
    BOOL IsControlsCentering() const { return m_state.bControlsCentering; }
    void SetControlsCentering(BOOL bCentering) { m_state.bControlsCentering = bCentering; }
    // The reduction steps allowed (0 to 4; 4 lets the group collapse).
    int GetMaxReduceLevel() const { return m_state.nMaxReduceLevel; }
    void SetMaxReduceLevel(int nLevel) { m_state.nMaxReduceLevel = nLevel; }
    // Shown on the selected tab, or (in a popup) visible.
    BOOL IsShown() const;
    BOOL IsHot() const;
    BOOL IsOptionButtonShown() const { return m_bShowOptionButton && !m_state.bCollapsed; }
    CZMRRibbonTab* GetTab() const;
    CZMRRibbonGroups* GetGroups() const { return m_pGroups; }
    CZMRCommandBar* GetHostBar() const { return m_pHostBar; }
    CZMRRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    void SetHostBar(CZMRCommandBar* pHostBar) { m_pHostBar = pHostBar; }
    void SetRibbonBar(CZMRRibbonBar* pRibbonBar) { m_pRibbonBar = pRibbonBar; }
    CZMRControl* GetOptionButton() const;
    CZMRControl* GetPopupButton() const;
    // The layout of the running pass, or none between passes.
    CZMRRibbonGroupLayout* GetLayout() const { return m_pLayout; }

protected:
    friend class CZMRRibbonGroups;

    // The group's controls as the layout rules see them: those that were
    // visible when the pass began, measured in the pass's device context.
    class CLayoutControls : public CZMRRibbonGroupLayout::CControls
    {
    public:
        int GetStyle(int nIndex) const override;
        void SetOwnerStyle(int nIndex, int nStyle) override;
        CSize Measure(int nIndex) override;
        BOOL GetGalleryInfo(int nIndex, CZMRRibbonGroupLayout::CGalleryInfo& info) const override;

        CArray<CZMRControl*, CZMRControl*> m_arrControls;
        CDC* m_pDC = nullptr;
    };

    CZMRRibbonGroupLayout::CMetrics GetLayoutMetrics() const;
    // Sets or clears the ribbon-tab hide flag by whether the group is shown.
    void UpdateTabHideFlag(CZMRControl* pControl) const;
    // Links a control to this group and takes the group's reference on it.
    void AdoptControl(CZMRControl* pControl, int nIndex);
    void AddButtonToHost(CZMRControl* pButton);
    // The stored controls ("Controls"), then the two buttons.
    void ExchangeControls(CZMRPropExchange* pPX);
    void ExchangeButtons(CZMRPropExchange* pPX);
    void RemoveButtonFromHost(CZMRControl* pButton);

    BOOL m_bVisible;
    CString m_strCaption;
    int m_nIndex;
    CZMRRibbonGroups* m_pGroups;
    CRect m_rcGroup;
    CArray<CZMRControl*, CZMRControl*> m_arrControls;
    CZMRCommandBar* m_pHostBar;
    CZMRRibbonBar* m_pRibbonBar;
    int m_nId;
    int m_nIconId;
    CZMRRibbonGroupOption* m_pOptionButton;
    CZMRRibbonGroupControlPopup* m_pPopupButton;
    BOOL m_bShowOptionButton;
    // Grouping, centring, the reduction limit, the grouped rows and the
    // collapsed state, which the layout rules read and change.
    CZMRRibbonGroupLayout::CState m_state;
    CZMRRibbonGroupLayout* m_pLayout;
    CLayoutControls m_layoutControls;
};
