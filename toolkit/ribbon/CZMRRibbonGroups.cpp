// The groups of a ribbon tab: ownership, layout of the groups band and the
// stored form of the list.
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroupLayout.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonBar.h"
#include "ZMRRibbonElements.h"

#include <vector>

namespace
{
const int kGroupGap = 7;
}

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
    if (nIndex < 0 || nIndex > GetCount())
        nIndex = GetCount();
    pGroup->m_pGroups = this;
    pGroup->m_pHostBar = m_pTab ? m_pTab->GetHostBar() : nullptr;
    pGroup->m_pRibbonBar = m_pTab ? m_pTab->GetParentRibbon() : nullptr;
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
    RefreshIndexes();
}

void CZMRRibbonGroups::Copy(CZMRRibbonGroups* pSource)
{
    if (!pSource || pSource == this)
        return;
    RemoveAll();
    for (int i = 0; i < pSource->GetCount(); i++)
    {
        CZMRRibbonGroup* pSourceGroup = pSource->GetAt(i);
        CZMRRibbonGroup* pGroup = static_cast<CZMRRibbonGroup*>(pSourceGroup->GetRuntimeClass()->CreateObject());
        if (!pGroup)
            continue;
        InsertAt(i, pGroup);
        pGroup->Copy(pSourceGroup);
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
        CZMRRibbonGroup* pGroup = m_arrGroups[i];
        if (pGroup->IsShown() && pGroup->GetRect().PtInRect(point))
            return pGroup;
    }
    return nullptr;
}

int CZMRRibbonGroups::GetTotalWidth(const CArray<int, int>& arrWidths)
{
    std::vector<int> widths(arrWidths.GetData(), arrWidths.GetData() + arrWidths.GetSize());
    return CZMRRibbonGroupLayout::GetTotalWidth(widths);
}

void CZMRRibbonGroups::FitWidths(CDC* /*pDC*/, CArray<int, int>& arrWidths, int nAvailable)
{
    std::vector<CZMRRibbonGroupLayout*> layouts;
    std::vector<int> widths;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup = m_arrGroups[i];
        layouts.push_back(pGroup->IsShown() ? pGroup->GetLayout() : nullptr);
        widths.push_back(i < arrWidths.GetSize() ? arrWidths[i] : 0);
    }
    CZMRRibbonGroupLayout::FitWidths(layouts, widths, nAvailable);
    arrWidths.SetSize(GetCount());
    for (int i = 0; i < GetCount(); i++)
        arrWidths[i] = widths[i];
}

void CZMRRibbonGroups::Layout(CDC* pDC, int nWidth, CRect rcMargins)
{
    CZMRCommandBar* pHost = m_pTab ? m_pTab->GetHostBar() : nullptr;
    CZMRRibbonScrollableBar* pScrollable = CZMRRibbonScrollableBar::FromBar(pHost);
    if (GetCount() == 0)
    {
        if (pScrollable)
            pScrollable->ShowScrollButtons(FALSE, FALSE);
        return;
    }

    CArray<int, int> arrWidths;
    arrWidths.SetSize(GetCount());
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrGroups[i]->IsShown())
            m_arrGroups[i]->BeginLayout(pDC);
    }
    for (int i = 0; i < GetCount(); i++)
        arrWidths[i] = m_arrGroups[i]->IsShown() ? m_arrGroups[i]->GetWidth(pDC) : 0;

    const int nAvailable = nWidth - (rcMargins.right + rcMargins.left);
    FitWidths(pDC, arrWidths, nAvailable);

    int nTotal = -kGroupGap;
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrGroups[i]->IsShown())
            nTotal += arrWidths[i] + kGroupGap;
    }
    const int nWished = pScrollable ? pScrollable->GetScrollOffset() : 0;
    const int nOffset = CZMRRibbonGroupLayout::LimitScrollOffset(nTotal, nAvailable, nWished);
    m_nAppliedScrollOffset = nOffset;
    if (pScrollable)
        pScrollable->ShowScrollButtons(nOffset > 0, nTotal - nOffset - nAvailable > 0);

    int x = rcMargins.left - nOffset;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRRibbonGroup* pGroup = m_arrGroups[i];
        if (!pGroup->IsShown() || !pGroup->GetLayout())
            continue;
        const CRect rc = pGroup->GetLayout()->Arrange(x, rcMargins.top, arrWidths[i]);
        pGroup->SetRect(rc.left, rc.top, rc.right, rc.bottom);
        x += arrWidths[i] + kGroupGap;
    }
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrGroups[i]->IsShown())
            m_arrGroups[i]->EndLayout();
    }
}

void CZMRRibbonGroups::DoPropExchange(CZMRPropExchange* pPX)
{
    if (!pPX)
        return;
    ExchangeRibbonList<CZMRRibbonGroup>(
        pPX, L"Group", RUNTIME_CLASS(CZMRRibbonGroup), this, GetCount(), [&](int i) { return m_arrGroups[i]; },
        [&] { RemoveAll(); },
        [&](CZMRRibbonGroup* pGroup) {
            m_arrGroups.Add(pGroup);
            RefreshIndexes();
        });
}
