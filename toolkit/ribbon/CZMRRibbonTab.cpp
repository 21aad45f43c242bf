// A ribbon tab and its groups.
#include "CZMRRibbonTab.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonGroup.h"

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
    CZMRTabManagerItem::SetVisible(bVisible);
}

void CZMRRibbonTab::OnRemoved()
{
    m_pGroups->RemoveAll();
    CZMRTabManagerItem::OnRemoved();
}

void CZMRRibbonTab::Copy(CZMRRibbonTab* pSource)
{
    SetCaption(pSource->GetRawCaption());
    m_nContextColor = pSource->m_nContextColor;
    m_strContextCaption = pSource->m_strContextCaption;
    m_nId = pSource->m_nId;
    SetTooltip(pSource->GetTooltip());
    m_pGroups->Copy(pSource->m_pGroups);
}

void CZMRRibbonTab::DoPropExchange(CZMRPropExchange* /*pPX*/)
{
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
