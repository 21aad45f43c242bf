// A captioned box of controls on a ribbon tab. Its controls live in the
// controls of the bar that hosts it (the ribbon, or a popup that shows a
// copy of the group) and point back to it; it reduces its controls step by
// step when room is short and may collapse into one button.
#pragma once
#include "Framework.h"

class CZMRControl;
class CZMRCommandBar;
class CZMRRibbonBar;
class CZMRRibbonGroups;
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
    virtual void BeginLayout(CDC* pDC);
    virtual void EndLayout();
    virtual int GetWidth(CDC* pDC);
    // One reduction step at a level; true when something changed.
    virtual BOOL ReduceSize(int nLevel, int nExcess);
    // Widens a gallery into spare room; true when it did.
    virtual BOOL Expand(int nSpare);

    // ------------------------------------------------------------ controls

    int GetCount() const { return int(m_arrControls.GetSize()); }
    CZMRControl* GetAt(int nIndex) const;
    // A copy of the source inserted at nIndex (outside: at the end).
    CZMRControl* InsertControl(CZMRControl* pSource, int nIndex, BOOL bRecursive = FALSE);
    void RemoveAt(int nIndex);
    void Remove(CZMRControl* pControl);
    void RemoveAll();
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
    BOOL IsCollapsed() const { return m_bCollapsed; }
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    BOOL IsShowOptionButton() const { return m_bShowOptionButton; }
    void ShowOptionButton(BOOL bShow) { m_bShowOptionButton = bShow; }
    BOOL IsControlsGrouping() const { return m_bControlsGrouping; }
    void SetControlsGrouping(BOOL bGrouping) { m_bControlsGrouping = bGrouping; }
    BOOL IsControlsCentering() const { return m_bControlsCentering; }
    void SetControlsCentering(BOOL bCentering) { m_bControlsCentering = bCentering; }
    // Shown on the selected tab, or (in a popup) visible.
    BOOL IsShown() const;
    BOOL IsHot() const;
    BOOL IsOptionButtonShown() const { return m_bShowOptionButton && !m_bCollapsed; }
    CZMRRibbonTab* GetTab() const;
    CZMRRibbonGroups* GetGroups() const { return m_pGroups; }
    CZMRCommandBar* GetHostBar() const { return m_pHostBar; }
    CZMRRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    void SetHostBar(CZMRCommandBar* pHostBar) { m_pHostBar = pHostBar; }
    void SetRibbonBar(CZMRRibbonBar* pRibbonBar) { m_pRibbonBar = pRibbonBar; }
    CZMRControl* GetOptionButton() const { return m_pOptionButton; }
    CZMRControl* GetPopupButton() const { return m_pPopupButton; }

protected:
    friend class CZMRRibbonGroups;

    BOOL m_bControlsCentering;
    BOOL m_bControlsGrouping;
    CString m_strCaption;
    int m_nIndex;
    CZMRRibbonGroups* m_pGroups;
    CRect m_rcGroup;
    CArray<CZMRControl*, CZMRControl*> m_arrControls;
    CZMRCommandBar* m_pHostBar;
    CZMRRibbonBar* m_pRibbonBar;
    int m_nId;
    int m_nIconId;
    CZMRControl* m_pOptionButton;
    CZMRControl* m_pPopupButton;
    BOOL m_bCollapsed;
    BOOL m_bShowOptionButton;
    BOOL m_bVisible;
    int m_nMaxReduceLevel;
    int m_nGroupingRows;
};
