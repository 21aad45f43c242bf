// A ribbon group: its controls on the host bar, its layout passes and drawing.
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonGroups.h"
#include "CZMRRibbonGroupOption.h"
#include "CZMRRibbonGroupControlPopup.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"
#include "CZMRBarManager.h"
#include "CZMRControlAction.h"
#include "CZMRControlActions.h"
#include "CZMRControls.h"
#include "CZMRControl.h"
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRImageManager.h"
#include "CZMRPaintManager.h"

#include <algorithm>

IMPLEMENT_SERIAL(CZMRRibbonGroup, CCmdTarget, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonGroup::CZMRRibbonGroup()
    : m_bVisible(TRUE), m_nIndex(-1), m_pGroups(nullptr), m_pHostBar(nullptr), m_pRibbonBar(nullptr), m_nId(-1),
      m_nIconId(-1), m_pOptionButton(new CZMRRibbonGroupOption), m_pPopupButton(new CZMRRibbonGroupControlPopup(this)),
      m_bShowOptionButton(FALSE), m_pLayout(nullptr)
{
    m_pOptionButton->SetRibbonGroup(this);
}

CZMRRibbonGroup::~CZMRRibbonGroup()
{
    delete m_pLayout;
    for (int i = 0; i < GetCount(); i++)
    {
        m_arrControls[i]->SetRibbonGroup(nullptr);
        m_arrControls[i]->InternalRelease();
    }
    m_pOptionButton->SetRibbonGroup(nullptr);
    m_pOptionButton->InternalRelease();
    m_pPopupButton->SetGroup(nullptr);
    m_pPopupButton->InternalRelease();
}

CZMRControl* CZMRRibbonGroup::GetOptionButton() const
{
    return m_pOptionButton;
}

CZMRControl* CZMRRibbonGroup::GetPopupButton() const
{
    return m_pPopupButton;
}

// ---------------------------------------------------------------- place and state

void CZMRRibbonGroup::SetRect(int nLeft, int nTop, int nRight, int nBottom)
{
    m_rcGroup.SetRect(nLeft, nTop, nRight, nBottom);

    const DWORD dwPopupHide = m_pPopupButton->GetHideFlags();
    if (m_state.bCollapsed)
    {
        m_pPopupButton->SetHideFlags(dwPopupHide & ~DWORD(zmrHideWrap));
        m_pPopupButton->SetRect(m_rcGroup);
        m_pPopupButton->SetWrap(TRUE);
    }
    else
        m_pPopupButton->SetHideFlags(dwPopupHide | zmrHideWrap);

    const DWORD dwOptionHide = m_pOptionButton->GetHideFlags();
    if (IsOptionButtonShown())
    {
        const int nCaption = GetLayoutMetrics().nCaptionHeight;
        m_pOptionButton->SetHideFlags(dwOptionHide & ~DWORD(zmrHideGeneric | zmrHideWrap));
        m_pOptionButton->SetWrap(TRUE);
        m_pOptionButton->SetRect(
            CRect(nRight - nCaption - 1, nBottom - nCaption, nRight - 3, nBottom - 3));
    }
    else
        m_pOptionButton->SetHideFlags(dwOptionHide | (m_bShowOptionButton ? zmrHideWrap : zmrHideGeneric));
}

CRect CZMRRibbonGroup::GetCaptionRect() const
{
    CRect rc = m_rcGroup;
    rc.top = rc.bottom - GetLayoutMetrics().nCaptionHeight;
    return rc;
}

BOOL CZMRRibbonGroup::IsShown() const
{
    if (m_pHostBar != static_cast<CZMRCommandBar*>(m_pRibbonBar))
        return m_bVisible;
    if (!m_pRibbonBar || !m_bVisible)
        return FALSE;
    CZMRRibbonTab* pTab = GetTab();
    return pTab && m_pRibbonBar->GetSelectedTab() == pTab;
}

BOOL CZMRRibbonGroup::IsHot() const
{
    CZMRRibbonScrollableBar* pScrollable = CZMRRibbonScrollableBar::FromBar(m_pHostBar);
    return pScrollable && pScrollable->GetHotGroup() == this;
}

CZMRRibbonTab* CZMRRibbonGroup::GetTab() const
{
    return m_pGroups ? m_pGroups->GetTab() : nullptr;
}

CZMRRibbonGroupLayout::CMetrics CZMRRibbonGroup::GetLayoutMetrics() const
{
    CZMRRibbonGroupLayout::CMetrics metrics;
    if (!m_pRibbonBar)
        return metrics;
    metrics.nGroupsAreaHeight = m_pRibbonBar->GetGroupsAreaHeight();
    metrics.nButtonHeight = m_pRibbonBar->GetButtonSize().cy;
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(m_pRibbonBar))
    {
        metrics.nCaptionHeight = pTheme->GetGroupCaptionHeight();
        metrics.nRowHeight = pTheme->GetControlRowHeight();
    }
    return metrics;
}

void CZMRRibbonGroup::UpdateTabHideFlag(CZMRControl* pControl) const
{
    const DWORD dwHide = pControl->GetHideFlags();
    pControl->SetHideFlags(IsShown() ? dwHide & ~DWORD(zmrHideRibbonTab) : dwHide | zmrHideRibbonTab);
}

// ---------------------------------------------------------------- controls

CZMRControl* CZMRRibbonGroup::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : nullptr;
}

void CZMRRibbonGroup::AdoptControl(CZMRControl* pControl, int nIndex)
{
    pControl->InternalAddRef();
    m_arrControls.InsertAt(nIndex, pControl);
    pControl->SetRibbonGroup(this);
}

CZMRControl* CZMRRibbonGroup::InsertControl(CZMRControl* pSource, int nIndex, BOOL bRecursive)
{
    // The group's controls stand together just before its option button.
    if (!pSource || !m_pHostBar || m_pOptionButton->GetControls() != m_pHostBar->GetControls())
        return nullptr;
    if (nIndex < 0 || nIndex > GetCount())
        nIndex = GetCount();
    CZMRControl* pControl = static_cast<CZMRControl*>(pSource->GetRuntimeClass()->CreateObject());
    if (!pControl)
        return nullptr;
    m_pHostBar->GetControls()->InsertAt(pControl, m_pOptionButton->GetIndex() + nIndex - GetCount());
    AdoptControl(pControl, nIndex);
    pControl->Copy(pSource, bRecursive);
    pControl->SetRibbonGroup(this);
    UpdateTabHideFlag(pControl);
    return pControl;
}

void CZMRRibbonGroup::RemoveAt(int nIndex)
{
    CZMRControl* pControl = GetAt(nIndex);
    if (!pControl)
        return;
    pControl->SetRibbonGroup(nullptr);
    m_arrControls.RemoveAt(nIndex);
    if (CZMRControls* pControls = pControl->GetControls())
        pControls->Remove(pControl);
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
    if (!pControl || pControl->GetRibbonGroup() != this)
        return -1;
    return pControl->GetIndex() + GetCount() - m_pOptionButton->GetIndex();
}

// ---------------------------------------------------------------- on the host bar

void CZMRRibbonGroup::AddButtonToHost(CZMRControl* pButton)
{
    pButton->InternalAddRef();
    m_pHostBar->GetControls()->Append(pButton);
    pButton->SetID(m_nId);
    UpdateTabHideFlag(pButton);
}

void CZMRRibbonGroup::RemoveButtonFromHost(CZMRControl* pButton)
{
    if (CZMRControls* pControls = pButton->GetControls())
        pControls->Remove(pButton);
}

void CZMRRibbonGroup::OnAdded()
{
    if (!m_pHostBar)
        return;
    m_pOptionButton->SetRibbonGroup(this);
    AddButtonToHost(m_pOptionButton);
    m_pPopupButton->SetGroup(this);
    AddButtonToHost(m_pPopupButton);
    m_pPopupButton->SetCaption(m_strCaption);
    m_pPopupButton->SetDescription(L"");

    CZMRBarManager* pManager = m_pHostBar->GetBarManager();
    CZMRControlActions* pActions = pManager && pManager->IsActionsEnabled() ? pManager->GetActions() : nullptr;
    if (pActions && CZMRControlActions::IsActionId(m_nId))
    {
        CZMRControlAction* pAction = pActions->FindOrAdd(m_nId);
        if (pAction)
        {
            if (pAction->GetCaption().IsEmpty())
                pAction->SetCaption(m_strCaption);
            m_pOptionButton->SetAction(pAction);
            m_pPopupButton->SetAction(pAction);
        }
    }
}

void CZMRRibbonGroup::OnRemoved()
{
    RemoveAll();
    // Both buttons leave the host, whichever bar it is, so that none keeps
    // pointing at a group that is going away.
    if (CZMRRibbonScrollableBar* pScrollable = CZMRRibbonScrollableBar::FromBar(m_pHostBar))
    {
        if (pScrollable->GetHotGroup() == this)
            pScrollable->SetHotGroup(nullptr);
    }
    m_pPopupButton->SetGroup(nullptr);
    RemoveButtonFromHost(m_pPopupButton);
    m_pOptionButton->SetRibbonGroup(nullptr);
    RemoveButtonFromHost(m_pOptionButton);
}

// ---------------------------------------------------------------- copy

void CZMRRibbonGroup::Copy(CZMRRibbonGroup* pSource)
{
    if (!pSource || pSource == this)
        return;
    m_nId = pSource->m_nId;
    m_nIconId = pSource->m_nIconId;
    m_bShowOptionButton = pSource->m_bShowOptionButton;
    m_strCaption = pSource->m_strCaption;
    // A copy inside a collection keeps its own; a loose copy (shown in a
    // popup) stays with the source's tab.
    if (!m_pGroups)
        m_pGroups = pSource->m_pGroups;
    m_state.bControlsGrouping = pSource->m_state.bControlsGrouping;
    m_state.bControlsCentering = pSource->m_state.bControlsCentering;
    m_bVisible = pSource->m_bVisible;

    if (m_pHostBar && m_pOptionButton->GetControls() == m_pHostBar->GetControls())
    {
        for (int i = 0; i < pSource->GetCount(); i++)
        {
            CZMRControl* pControl =
                m_pHostBar->GetControls()->AddCopy(pSource->GetAt(i), m_pOptionButton->GetIndex());
            if (!pControl)
                continue;
            AdoptControl(pControl, GetCount());
            pControl->SetHideFlags(pControl->GetHideFlags() & ~DWORD(zmrHideRibbonTab));
        }
    }
    m_pOptionButton->Copy(pSource->m_pOptionButton);
    m_pOptionButton->SetRibbonGroup(this);
    m_pOptionButton->SetHideFlags(m_pOptionButton->GetHideFlags() & ~DWORD(zmrHideRibbonTab));
    m_pPopupButton->Copy(pSource->m_pPopupButton);
    m_pPopupButton->SetGroup(this);
    m_pPopupButton->SetHideFlags(m_pPopupButton->GetHideFlags() & ~DWORD(zmrHideRibbonTab));
}

// ---------------------------------------------------------------- layout

int CZMRRibbonGroup::CLayoutControls::GetStyle(int nIndex) const
{
    return m_arrControls[nIndex]->GetStyle();
}

void CZMRRibbonGroup::CLayoutControls::SetOwnerStyle(int nIndex, int nStyle)
{
    m_arrControls[nIndex]->SetOwnerStyle(nStyle);
}

CSize CZMRRibbonGroup::CLayoutControls::Measure(int nIndex)
{
    return m_arrControls[nIndex]->GetSize(m_pDC);
}

BOOL CZMRRibbonGroup::CLayoutControls::GetGalleryInfo(int nIndex, CZMRRibbonGroupLayout::CGalleryInfo& info) const
{
    CZMRControlGallery* pGallery = dynamic_cast<CZMRControlGallery*>(m_arrControls[nIndex]);
    CZMRControlGalleryItems* pItems = pGallery ? pGallery->GetItems() : nullptr;
    if (!pItems)
        return FALSE;
    info.bResizable = (pGallery->IsResizable() & 1) != 0;
    info.nItemCount = pItems->GetItemCount();
    info.nItemWidth = pItems->GetItemSize().cx;
    CRect rcBorders;
    pGallery->GetBorders(rcBorders);
    info.nBorders = rcBorders.left + rcBorders.right;
    return TRUE;
}

int CZMRRibbonGroup::GetCaptionWidth(CDC* pDC)
{
    if (!pDC)
        return 0;
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(m_pRibbonBar);
    CFont* pFont = pTheme && pTheme->m_fntRibbon.GetSafeHandle() ? &pTheme->m_fntRibbon : nullptr;
    CFont* pOldFont = pFont ? pDC->SelectObject(pFont) : nullptr;
    int nWidth = pDC->GetTextExtent(m_strCaption).cx;
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    if (m_bShowOptionButton)
        nWidth += GetLayoutMetrics().nCaptionHeight;
    return nWidth;
}

void CZMRRibbonGroup::BeginLayout(CDC* pDC)
{
    delete m_pLayout;
    m_pLayout = nullptr;
    m_layoutControls.m_arrControls.RemoveAll();
    m_layoutControls.m_pDC = pDC;

    m_pLayout = new CZMRRibbonGroupLayout(GetLayoutMetrics(), m_state, m_layoutControls);
    m_pLayout->SetCaptionWidth(GetCaptionWidth(pDC));
    m_pLayout->SetWasCollapsed(m_state.bCollapsed);
    m_pLayout->SetPopupWidth(m_pPopupButton->GetSize(pDC).cx);
    // Every pass starts from the widest form, so an emptied group does not
    // stay collapsed either.
    m_state.bCollapsed = FALSE;
    m_state.nGroupingRows = 2;

    const CSize szLarge = m_pHostBar ? m_pHostBar->GetLargeIconSize() : CSize(32, 32);
    CZMRImageManager* pImages = m_pHostBar ? m_pHostBar->GetImageManager() : nullptr;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if (!pControl->IsVisible(zmrHideWrap))
            continue;
        const BOOL bGallery = pControl->GetType() == zmrControlGallery;
        pControl->SetOwnerStyle(zmrButtonAutomatic);
        if (!m_state.bControlsGrouping && pControl->GetStyle() == zmrButtonAutomatic && !bGallery)
        {
            const int nIconId = pControl->GetIconId();
            const BOOL bLarge = nIconId > 0 && pImages && pImages->ContainsIcon(nIconId, szLarge.cx);
            pControl->SetOwnerStyle(bLarge ? zmrButtonIconAndCaptionBelow : zmrButtonIconAndCaption);
        }
        m_layoutControls.m_arrControls.Add(pControl);

        CZMRRibbonGroupLayout::CRecord record;
        record.rc = pControl->GetRect();
        record.bBeginGroup = pControl->GetBeginGroup();
        record.bForceBreak = (pControl->GetFlags() & zmrFlagWrapRow) != 0;
        record.bBreakAllowed = record.bBeginGroup || record.bForceBreak;
        record.bGallery = bGallery;
        m_pLayout->AddRecord(record);
    }
}

int CZMRRibbonGroup::GetWidth(CDC* /*pDC*/)
{
    return m_pLayout ? m_pLayout->GetWidth() : 0;
}

BOOL CZMRRibbonGroup::ReduceSize(int nLevel, int nExcess)
{
    return m_pLayout ? m_pLayout->ReduceSize(nLevel, nExcess) : FALSE;
}

BOOL CZMRRibbonGroup::Expand(int nSpare)
{
    return m_pLayout ? m_pLayout->Expand(nSpare) : FALSE;
}

void CZMRRibbonGroup::EndLayout()
{
    if (!m_pLayout)
        return;
    std::vector<CZMRRibbonGroupLayout::CRecord>& records = m_pLayout->GetRecords();
    if (!records.empty())
        records[0].bWrap = TRUE;
    for (int i = 0; i < (int)records.size(); i++)
    {
        const CZMRRibbonGroupLayout::CRecord& r = records[i];
        CZMRControl* pControl = m_layoutControls.m_arrControls[i];
        const DWORD dwHide = pControl->GetHideFlags();
        pControl->SetHideFlags(r.bHidden ? dwHide | zmrHideWrap : dwHide & ~DWORD(zmrHideWrap));
        pControl->SetRowRect(r.rcRow);
        if (!r.bHidden)
            pControl->SetRect(r.rc);
        pControl->SetWrap(r.bWrap);
    }
    if (m_pLayout->WasCollapsed() && !m_state.bCollapsed && m_pRibbonBar)
        m_pRibbonBar->SetUpdateStatePending();
    delete m_pLayout;
    m_pLayout = nullptr;
    m_layoutControls.m_arrControls.RemoveAll();
    m_layoutControls.m_pDC = nullptr;
}

void CZMRRibbonGroup::ArrangeInRow(CDC* pDC)
{
    int x = m_rcGroup.left + 4;
    const int y = m_rcGroup.top + GetLayoutMetrics().nCaptionHeight;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if (!pControl->IsVisible())
            continue;
        const CSize sz = pControl->GetSize(pDC);
        pControl->SetRect(CRect(x, y, x + sz.cx, y + sz.cy));
        x += sz.cx;
    }
}

// ---------------------------------------------------------------- drawing

void CZMRRibbonGroup::Draw(CDC* pDC, CRect rcClip)
{
    if (CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(m_pRibbonBar))
        pTheme->DrawGroup(pDC, this);
    CZMRPaintManager* pPaintManager = m_pHostBar ? m_pHostBar->GetPaintManager() : nullptr;
    BOOL bFirst = TRUE;
    CRect rcCommon;
    for (int i = 0; i < GetCount(); i++)
    {
        CZMRControl* pControl = m_arrControls[i];
        if (!pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst && !m_state.bControlsGrouping && pPaintManager)
            pPaintManager->DrawSeparator(pDC, m_pHostBar, pControl, TRUE);
        bFirst = FALSE;
        if (rcCommon.IntersectRect(rcClip, pControl->GetRect()))
            pControl->Draw(pDC);
    }
    if (m_pPopupButton->IsVisible())
        m_pPopupButton->Draw(pDC);
    if (m_pOptionButton->IsVisible())
        m_pOptionButton->Draw(pDC);
}
