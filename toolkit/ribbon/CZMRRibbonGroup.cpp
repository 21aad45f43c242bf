// A ribbon group. For now it shows its caption over the width of its
// caption, and its controls stay where their bar put them.
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"
#include "CZMRControls.h"
#include "CZMRControl.h"

#include <algorithm>

IMPLEMENT_SERIAL(CZMRRibbonGroup, CCmdTarget, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonGroup::CZMRRibbonGroup()
    : m_bControlsCentering(FALSE), m_bControlsGrouping(FALSE), m_nIndex(-1), m_pGroups(nullptr),
      m_pHostBar(nullptr), m_pRibbonBar(nullptr), m_nId(-1), m_nIconId(-1), m_pOptionButton(nullptr),
      m_pPopupButton(nullptr), m_bCollapsed(FALSE), m_bShowOptionButton(FALSE), m_bVisible(TRUE),
      m_nMaxReduceLevel(4), m_nGroupingRows(2)
{
}

CZMRRibbonGroup::~CZMRRibbonGroup()
{
}

void CZMRRibbonGroup::SetRect(int nLeft, int nTop, int nRight, int nBottom)
{
    m_rcGroup.SetRect(nLeft, nTop, nRight, nBottom);
}

void CZMRRibbonGroup::Copy(CZMRRibbonGroup* pSource)
{
    m_nId = pSource->m_nId;
    m_nIconId = pSource->m_nIconId;
    m_bShowOptionButton = pSource->m_bShowOptionButton;
    m_strCaption = pSource->m_strCaption;
    m_bControlsGrouping = pSource->m_bControlsGrouping;
    m_bControlsCentering = pSource->m_bControlsCentering;
    m_bVisible = pSource->m_bVisible;
    for (int i = 0; i < pSource->GetCount(); i++)
        InsertControl(pSource->GetAt(i), -1);
}

void CZMRRibbonGroup::Draw(CDC* pDC, CRect rcClip)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(m_pHostBar))
        pTheme->DrawGroup(pDC, this);
    CRect rcCommon;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if (pControl->IsVisible() && rcCommon.IntersectRect(rcClip, pControl->GetRect()))
            pControl->Draw(pDC);
    }
}

void CZMRRibbonGroup::DoPropExchange(CZMRPropExchange* /*pPX*/)
{
}

void CZMRRibbonGroup::ArrangeInRow(CDC* /*pDC*/)
{
}

void CZMRRibbonGroup::OnAdded()
{
}

void CZMRRibbonGroup::OnRemoved()
{
    RemoveAll();
}

int CZMRRibbonGroup::GetCaptionWidth(CDC* pDC)
{
    if (!pDC)
        return 0;
    return pDC->GetTextExtent(m_strCaption).cx;
}

void CZMRRibbonGroup::BeginLayout(CDC* /*pDC*/)
{
}

void CZMRRibbonGroup::EndLayout()
{
}

int CZMRRibbonGroup::GetWidth(CDC* pDC)
{
    return std::max(GetCaptionWidth(pDC), 20);
}

BOOL CZMRRibbonGroup::ReduceSize(int /*nLevel*/, int /*nExcess*/)
{
    return FALSE;
}

BOOL CZMRRibbonGroup::Expand(int /*nSpare*/)
{
    return FALSE;
}

CZMRControl* CZMRRibbonGroup::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : nullptr;
}

CZMRControl* CZMRRibbonGroup::InsertControl(CZMRControl* pSource, int nIndex, BOOL bRecursive)
{
    if (!pSource || !m_pHostBar)
        return nullptr;
    if (nIndex < 0 || nIndex > GetCount())
        nIndex = GetCount();
    CZMRControl* pControl = m_pHostBar->GetControls()->AddCopy(pSource, -1, bRecursive);
    if (!pControl)
        return nullptr;
    pControl->InternalAddRef();
    m_arrControls.InsertAt(nIndex, pControl);
    pControl->SetRibbonGroup(this);
    const DWORD dwHide = pControl->GetHideFlags();
    pControl->SetHideFlags(IsShown() ? dwHide & ~DWORD(zmrHideRibbonTab) : dwHide | zmrHideRibbonTab);
    return pControl;
}

void CZMRRibbonGroup::RemoveAt(int nIndex)
{
    CZMRControl* pControl = GetAt(nIndex);
    if (!pControl)
        return;
    pControl->SetRibbonGroup(nullptr);
    m_arrControls.RemoveAt(nIndex);
    if (pControl->GetControls())
        pControl->GetControls()->Remove(pControl);
    pControl->InternalRelease();
}

void CZMRRibbonGroup::Remove(CZMRControl* pControl)
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrControls[i] == pControl)
        {
            RemoveAt(i);
            return;
        }
    }
}

void CZMRRibbonGroup::RemoveAll()
{
    for (int i = GetCount() - 1; i >= 0; i--)
        RemoveAt(i);
}

int CZMRRibbonGroup::IndexOf(CZMRControl* pControl) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        if (m_arrControls[i] == pControl)
            return i;
    }
    return -1;
}

CRect CZMRRibbonGroup::GetCaptionRect() const
{
    CRect rc = m_rcGroup;
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(m_pRibbonBar);
    rc.top = rc.bottom - (pTheme ? pTheme->GetGroupCaptionHeight() : 0);
    return rc;
}

BOOL CZMRRibbonGroup::IsShown() const
{
    if (m_pHostBar != static_cast<CZMRCommandBar*>(m_pRibbonBar))
        return m_bVisible;
    return m_bVisible && m_pRibbonBar && GetTab() && m_pRibbonBar->GetSelectedTab() == GetTab();
}

BOOL CZMRRibbonGroup::IsHot() const
{
    return m_pRibbonBar && m_pRibbonBar->GetHotGroup() == this;
}

CZMRRibbonTab* CZMRRibbonGroup::GetTab() const
{
    return m_pGroups ? m_pGroups->GetTab() : nullptr;
}
