// One tab of the ribbon: an item of the ribbon's tab strip that owns the
// groups shown while it is selected, and may belong to a context (a colour
// and a caption shown in a header above the tabs of that context).
#pragma once
#include "CZMRTabManagerItem.h"

class CZMRRibbonBar;
class CZMRRibbonGroup;
class CZMRRibbonGroups;
class CZMRRibbonTabContextHeader;
class CZMRCommandBar;
class CZMRPropExchange;

class CZMRRibbonTab : public CZMRTabManagerItem
{
    DECLARE_SERIAL(CZMRRibbonTab)
public:
    CZMRRibbonTab();
    ~CZMRRibbonTab() override;

    // A hidden selected tab hands the selection to the first usable tab.
    void SetVisible(BOOL bVisible) override;
    // The tab's groups go with it.
    void OnRemoved() override;
    // Caption, context, id, visibility, tooltip, selection and groups.
    virtual void Copy(CZMRRibbonTab* pSource);
    virtual void DoPropExchange(CZMRPropExchange* pPX);

    CZMRRibbonBar* GetParentRibbon() const { return m_pParentRibbon; }
    void SetParentRibbon(CZMRRibbonBar* pRibbon) { m_pParentRibbon = pRibbon; }
    // The bar that shows the tab's groups: the ribbon, or the popup of a
    // minimized ribbon.
    CZMRCommandBar* GetHostBar() const { return m_pHostBar; }
    void SetHostBar(CZMRCommandBar* pHostBar) { m_pHostBar = pHostBar; }
    CZMRRibbonGroups* GetGroups() const { return m_pGroups; }
    // The first group of this tab with that id, or none.
    CZMRRibbonGroup* FindGroup(int nId) const;

    int GetId() const { return m_nId; }
    void SetId(int nId) { m_nId = nId; }
    // 0 no context; 1 to 7 the ribbon theme's context colours.
    int GetContextColor() const { return m_nContextColor; }
    void SetContextColor(int nColor) { m_nContextColor = nColor; }
    CString GetContextCaption() const { return m_strContextCaption; }
    void SetContextCaption(LPCTSTR lpszCaption) { m_strContextCaption = lpszCaption; }
    // Set by the ribbon's header layout.
    CZMRRibbonTabContextHeader* GetContextHeader() const { return m_pContextHeader; }
    void SetContextHeader(CZMRRibbonTabContextHeader* pHeader) { m_pContextHeader = pHeader; }

protected:
    CZMRRibbonGroups* m_pGroups;
    CZMRRibbonBar* m_pParentRibbon;
    CZMRCommandBar* m_pHostBar;
    int m_nId;
    int m_nContextColor;
    CString m_strContextCaption;
    CZMRRibbonTabContextHeader* m_pContextHeader;
};
