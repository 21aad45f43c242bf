// The groups of a ribbon tab. For now the groups stand side by side at
// their caption widths, without reduction.
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonBar.h"

CZMRRibbonGroups::CZMRRibbonGroups(CZMRRibbonTab* pTab) : m_pTab(pTab), m_nAppliedScrollOffset(0)
{
}

CZMRRibbonGroups::~CZMRRibbonGroups()
{
    RemoveAll();
}

CZMRRibbonGroup* CZMRRibbonGroups::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrGroups[nIndex] : nullptr;
}

CZMRRibbonGroup* CZMRRibbonGroups::InsertAt(int nIndex, CZMRRibbonGroup* pGroup)
{
    if (!pGroup)
        return nullptr;
    pGroup->m_pGroups = this;
    if (m_pTab)
    {
        pGroup->m_pHostBar = m_pTab->GetHostBar();
        pGroup->m_pRibbonBar = m_pTab->GetParentRibbon();
    }
    if (nIndex < 0 || nIndex >= GetCount())
        m_arrGroups.Add(pGroup);
    else
        m_arrGroups.InsertAt(nIndex, pGroup);
    RefreshIndexes();
    pGroup->OnAdded();
    return pGroup;
}

void CZMRRibbonGroups::RemoveAll()
{
    for (int i = 0; i < GetCount(); i++)
    {
        m_arrGroups[i]->OnRemoved();
        m_arrGroups[i]->InternalRelease();
    }
    m_arrGroups.RemoveAll();
}

void CZMRRibbonGroups::Copy(CZMRRibbonGroups* pSource)
{
    RemoveAll();
    for (int i = 0; pSource && i < pSource->GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup =
            static_cast<CZMRRibbonGroup*>(pSource->GetAt(i)->GetRuntimeClass()->CreateObject());
        InsertAt(i, pGroup);
        pGroup->Copy(pSource->GetAt(i));
    }
}

void CZMRRibbonGroups::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); i++)
        m_arrGroups[i]->m_nIndex = i;
}

CZMRRibbonGroup* CZMRRibbonGroups::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrGroups[i]->IsShown() && m_arrGroups[i]->GetRect().PtInRect(point))
            return m_arrGroups[i];
    }
    return nullptr;
}

int CZMRRibbonGroups::GetTotalWidth(const CArray<int, int>& arrWidths)
{
    int nTotal = 0;
    for (int i = 0; i < int(arrWidths.GetSize()); i++)
    {
        nTotal += arrWidths[i];
        if (arrWidths[i] != 0 && i < int(arrWidths.GetSize()) - 1)
            nTotal += 7;
    }
    return nTotal;
}

void CZMRRibbonGroups::FitWidths(CDC* /*pDC*/, CArray<int, int>& /*arrWidths*/, int /*nAvailable*/)
{
}

void CZMRRibbonGroups::Layout(CDC* pDC, int /*nWidth*/, CRect rcMargins)
{
    CZMRRibbonBar* pRibbonBar = m_pTab ? m_pTab->GetParentRibbon() : nullptr;
    const int nHeight = pRibbonBar ? pRibbonBar->GetGroupsAreaHeight() - 7 : 0;
    int x = rcMargins.left;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup = m_arrGroups[i];
        if (!pGroup->IsShown())
            continue;
        pGroup->BeginLayout(pDC);
        const int nGroupWidth = pGroup->GetWidth(pDC);
        pGroup->SetRect(x, rcMargins.top, x + nGroupWidth + 5, rcMargins.top + nHeight);
        pGroup->EndLayout();
        x += nGroupWidth + 7;
    }
}

void CZMRRibbonGroups::DoPropExchange(CZMRPropExchange* /*pPX*/)
{
}
