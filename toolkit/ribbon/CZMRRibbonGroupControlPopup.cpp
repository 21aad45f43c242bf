#include "CZMRRibbonGroupControlPopup.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonTheme.h"
#include "CZMRPopupBar.h"
#include "CZMRRibbonGroupPopupToolBar.h"
#include "CZMRPopupToolBar.h"

IMPLEMENT_SERIAL(CZMRRibbonGroupControlPopup, CZMRControlPopup, VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonGroupControlPopup::CZMRRibbonGroupControlPopup(CZMRRibbonGroup* pGroup) : m_pGroup(nullptr)
{
    m_dwFlags = zmrFlagManualUpdate;
    m_controlType = zmrControlButtonPopup;
    m_buttonOwnerStyle = zmrButtonIconAndCaptionBelow;
    // A plain popup bar until the button opens the group itself.
    if (CZMRPopupBar* pBar = CZMRPopupBar::CreatePopupBar(nullptr))
    {
        SetCommandBar(pBar);
        pBar->InternalRelease();
    }
    SetGroup(pGroup);
}

void CZMRRibbonGroupControlPopup::SetGroup(CZMRRibbonGroup* pGroup)
{
    m_pGroup = pGroup;
    SetRibbonGroup(pGroup);
}

BOOL CZMRRibbonGroupControlPopup::IsVisible(DWORD dwSkipFlags) const
{
    return CZMRControlPopup::IsVisible(dwSkipFlags) && (!m_pGroup || m_pGroup->IsVisible());
}

BOOL CZMRRibbonGroupControlPopup::SuppressesStateFrame() const
{
    return TRUE;
}

CSize CZMRRibbonGroupControlPopup::GetSize(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent());
    if (!pTheme)
        return CZMRControlPopup::GetSize(pDC);
    CSize sz;
    return pTheme->DrawGroupPopupButton(sz, pDC, this, FALSE);
}

void CZMRRibbonGroupControlPopup::Draw(CDC* pDC)
{
    CZMRRibbonTheme* pTheme = CZMRRibbonTheme::FromBar(GetParent());
    if (!pTheme)
    {
        CZMRControlPopup::Draw(pDC);
        return;
    }
    CSize sz;
    pTheme->DrawGroupPopupButton(sz, pDC, this, TRUE);
}

void CZMRRibbonGroupControlPopup::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlButton::Copy(pControl, bRecursive);
    CZMRRibbonGroupControlPopup* pSource = dynamic_cast<CZMRRibbonGroupControlPopup*>(pControl);
    if (!pSource)
        return;
    // In another ribbon the button stands for that ribbon's group of the same id.
    CZMRRibbonGroup* pGroup = pSource->m_pGroup;
    CZMRCommandBar* pBar = GetParent();
    if (pGroup && pBar && pBar->IsRibbonBar() && pBar != pSource->GetParent())
        pGroup = static_cast<CZMRRibbonBar*>(pBar)->FindGroup(pGroup->GetId());
    SetGroup(pGroup);
}

BOOL CZMRRibbonGroupControlPopup::ShowPopup(BOOL bPopup)
{
    m_bPopup = bPopup;
    if (bPopup)
    {
        SetCommandBar(nullptr);
        CZMRCommandBar* pBar = GetParent();
        CZMRBarManager* pManager = pBar ? pBar->GetBarManager() : nullptr;
        CZMRPopupToolBar* pPopup = nullptr;
        if (m_pGroup)
        {
            pPopup = new CZMRRibbonGroupPopupToolBar(m_pGroup);
            pPopup->SetBarManager(pManager);
        }
        else
            pPopup = CZMRPopupToolBar::CreatePopupToolBar(pManager);
        pPopup->SetCustomizable(FALSE);
        SetCommandBar(pPopup);
        pPopup->InternalRelease();
        pPopup->OpenAsPopup(this, GetSelected() == 2 || GetSelected() == 3);
    }
    else if (m_pCommandBar)
        m_pCommandBar->SetMenuLoopActive(FALSE);
    RepaintInParentBar();
    return TRUE;
}

void CZMRRibbonGroupControlPopup::OnLButtonUp(CPoint /*point*/)
{
}

void CZMRRibbonGroupControlPopup::NumberBarsForSave(DWORD& /*nBarId*/, CZMRCommandBarList* /*pBars*/,
                                                   ZMR_PROPEXCHANGE_PARAM* /*pParam*/)
{
}
