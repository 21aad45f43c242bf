// A ribbon tab: its groups, copying and the stored form.
#include "CZMRRibbonTab.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlTab.h"
#include "CZMRPropExchange.h"
#include "CZMRSectionScope.h"

IMPLEMENT_SERIAL(CZMRRibbonTab, CZMRTabManagerItem, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonTab::CZMRRibbonTab()
    : m_pGroups(nullptr), m_pParentRibbon(nullptr), m_pHostBar(nullptr), m_nId(0), m_nContextColor(0),
      m_pContextHeader(nullptr)
{
    m_pGroups = new CZMRRibbonGroups(this);
}

CZMRRibbonTab::~CZMRRibbonTab()
{
    m_pGroups->RemoveAll();
    m_pGroups->InternalRelease();
}

void CZMRRibbonTab::SetVisible(BOOL bVisible)
{
    if (IsVisible() == bVisible)
        return;
    CZMRTabManagerItem::SetVisible(bVisible);
    // A hidden selected tab hands the selection on.
    CZMRTabManager* pManager = GetTabManager();
    if (!bVisible && pManager && pManager->GetSelectedItem() == this)
    {
        if (CZMRTabManagerItem* pNext = pManager->StepToUsableItem(-1, +1))
            pNext->Select();
    }
}

void CZMRRibbonTab::OnRemoved()
{
    m_pGroups->RemoveAll();
    CZMRTabManagerItem::OnRemoved();
}

void CZMRRibbonTab::Copy(CZMRRibbonTab* pSource)
{
    if (!pSource || pSource == this)
        return;
    SetCaption(pSource->GetRawCaption());
    m_nContextColor = pSource->m_nContextColor;
    m_strContextCaption = pSource->m_strContextCaption;
    m_nId = pSource->m_nId;
    SetVisible(pSource->IsVisible());
    SetTooltip(pSource->GetTooltip());
    CZMRTabManager* pSourceManager = pSource->GetTabManager();
    if (GetTabManager() && pSourceManager && pSourceManager->GetSelectedItem() == pSource)
        Select();
    m_pGroups->Copy(pSource->m_pGroups);
}

CZMRRibbonGroup* CZMRRibbonTab::FindGroup(int nId) const
{
    for (int i = 0; i < m_pGroups->GetCount(); i++)
    {
        if (m_pGroups->GetAt(i)->GetId() == nId)
            return m_pGroups->GetAt(i);
    }
    return nullptr;
}

void CZMRRibbonTab::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    if (pPX->IsLoading())
    {
        // The element's section names the tab strip control that loads it.
        CZMRRibbonControlTab* pControlTab = static_cast<CZMRRibbonControlTab*>(pPX->m_pSectionOwner);
        if (pControlTab)
        {
            CZMRCommandBar* pBar = pControlTab->GetParent();
            if (pBar && pBar->IsRibbonBar())
            {
                m_pParentRibbon = static_cast<CZMRRibbonBar*>(pBar);
                m_pHostBar = m_pParentRibbon;
            }
            m_pManager = pControlTab;
        }
    }

    PropExchangeString(pPX, L"Caption", &m_strCaption, L"");
    PropExchangeString(pPX, L"ToolTip", &m_strTooltip, L"");
    PropExchangeInt(pPX, L"ContextColor", &m_nContextColor, 0);
    PropExchangeString(pPX, L"ContextCaption", &m_strContextCaption, L"");
    PropExchangeInt(pPX, L"Id", &m_nId, 0);
    PropExchangeBool(pPX, L"Visible", &m_bVisible, TRUE);

    BOOL bSelected = m_pManager && m_pManager->GetSelectedItem() == this;
    PropExchangeBool(pPX, L"Selected", &bSelected, FALSE);
    if (pPX->IsLoading() && bSelected && m_pManager)
        Select();

    CZMRSectionScope section(pPX->GetSection(L"Groups"));
    m_pGroups->DoPropExchange(section);
}
