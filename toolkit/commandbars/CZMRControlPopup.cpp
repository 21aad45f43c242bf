#include "CZMRControlPopup.h"
#include "CZMRCommandBar.h"
#include "CZMRCommandBarList.h"
#include "CZMRPropExchange.h"
#include "CZMRControls.h"
#include "CZMRBarManager.h"
#include "CZMRPaintManager.h"
#include "CZMRPopupBar.h"
#include "CZMRShadowManager.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CZMRControlPopup, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlPopup::CZMRControlPopup()
    : m_bPopup(FALSE), m_pCommandBar(nullptr), m_nSavedBarId(0), m_bShadowUnderControl(TRUE)
{
    m_controlType = zmrControlPopup;
}

CZMRControlPopup::~CZMRControlPopup()
{
    SetCommandBar(nullptr);
}

void CZMRControlPopup::SetCommandBar(CZMRCommandBar* pCommandBar)
{
    ZMRReplaceReference(m_pCommandBar, pCommandBar);
}

CZMRControlPopup* CZMRControlPopup::CreateWithType(int controlType)
{
    if (controlType != zmrControlPopup && controlType != zmrControlButtonPopup &&
        controlType != zmrControlSplitButtonPopup)
        return nullptr;
    CZMRControlPopup* pControl = new CZMRControlPopup;
    pControl->m_controlType = controlType;
    return pControl;
}

void CZMRControlPopup::ExpandIfHovered()
{
    CZMRPopupBar* pPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, m_pCommandBar);
    if (IsPopupOpen() && pPopup && m_controlType == zmrControlPopup)
        pPopup->Expand();
}

CZMRCommandBar* CZMRControlPopup::GetCommandBar() const
{
    return m_pCommandBar;
}

BOOL CZMRControlPopup::IsPopupOpen() const
{
    return m_bPopup;
}

void CZMRControlPopup::Copy(CZMRControl* pControl, BOOL bRecursive)
{
    CZMRControlButton::Copy(pControl, bRecursive);

    CZMRCommandBar* pSourceBar = pControl->GetCommandBar();
    if (bRecursive && pSourceBar)
    {
        CZMRCommandBar* pClone = pSourceBar->Clone(TRUE);
        SetCommandBar(pClone);
        if (pClone)
            pClone->InternalRelease();
    }
    else
    {
        SetCommandBar(pSourceBar);
    }
}

BOOL CZMRControlPopup::Compare(CZMRControl* pOther)
{
    if (!CZMRControlButton::Compare(pOther) || !pOther->IsKindOf(RUNTIME_CLASS(CZMRControlPopup)))
        return FALSE;
    CZMRCommandBar* pOtherBar = pOther->GetCommandBar();
    if (m_pCommandBar && pOtherBar)
        return m_pCommandBar->GetControls()->IsEqual(pOtherBar->GetControls());
    return TRUE;
}

// ---------------------------------------------------------------- opening and closing

BOOL CZMRControlPopup::ShowPopup(BOOL bPopup)
{
    if (!m_pCommandBar)
        return FALSE;
    if (m_controlType == zmrControlSplitButtonPopup && GetEnabled() == 4)
        return FALSE;
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    m_bPopup = bPopup;
    if (!bPopup)
    {
        m_pCommandBar->SetMenuLoopActive(FALSE);
        RepaintInParentBar(TRUE);
        return TRUE;
    }
    RepaintInParentBar(FALSE);
    if (CWnd* pSite = m_pParent->GetSite(); pSite && pSite->GetSafeHwnd())
        pSite->UpdateWindow();
    m_pParent->UpdateWindow();
    if (m_pCommandBar->IsTrackingMode())
        return TRUE;
    if (!m_pCommandBar->OpenAsPopup(this, m_bSelected == 2 || m_bSelected == 3))
    {
        m_bPopup = FALSE;
        return FALSE;
    }
    AddControlShadow();
    return TRUE;
}

void CZMRControlPopup::AdjustAvoidRect(CRect& rcAvoid, BOOL bVertical)
{
    GetPaintManager()->AdjustAvoidRect(rcAvoid, this, bVertical);
}

void CZMRControlPopup::AddControlShadow()
{
    if (m_controlType < zmrControlPopup || m_controlType > zmrControlSplitButtonPopup || !m_pCommandBar || !m_pParent)
        return;
    if (m_pParent->GetPosition() == zmrBarPopup ||
        (m_pParent->GetPosition() == zmrBarFloating && m_pParent->GetType() == zmrBarTypePopup))
        return;
    CZMRPopupBar* pPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, m_pCommandBar);
    CZMRPaintManager* pPaintManager = GetPaintManager();
    if (!pPopup || !pPopup->GetShowShadow() || !m_bShadowUnderControl || !pPaintManager->m_bShowShadow ||
        !pPaintManager->m_pShadowManager || IsCustomizeMode())
        return;
    CRect rc = m_rcControl;
    m_pParent->ClientToScreen(&rc);
    pPaintManager->m_pShadowManager->SetShadowRect(rc.left, rc.top, rc.right, rc.bottom, pPopup);
}

// ---------------------------------------------------------------- input

void CZMRControlPopup::OnClick(BOOL bKeyboard, CPoint point)
{
    if (!GetEnabled())
        return;
    const BOOL bCustomize = IsCustomizeMode();
    if (bCustomize)
    {
        CZMRBarManager* pManager = GetBarManager();
        if (!m_pParent || !pManager)
            return;
        pManager->SetCustomizeSelection(this);
    }
    if (!(IsPopupOpen() && m_pParent && m_pParent->GetPosition() != zmrBarPopup))
    {
        if (!bCustomize && m_controlType == zmrControlSplitButtonPopup)
        {
            if (bKeyboard)
            {
                if (GetEnabled() == 5 && m_pParent)
                    m_pParent->SetPoppedControl(m_nIndex);
                else
                    OnExecute();
                return;
            }
            const CRect rcMain = GetPaintManager()->GetSplitMainPartRect(this);
            if (rcMain.PtInRect(point))
            {
                if (m_pParent && m_pParent->GetType() == zmrBarTypePopup)
                    m_pParent->KillTimer(ZMR_TIMER_HOVER);
                else if (GetEnabled() != 5)
                    TrackPress(rcMain);
                return;
            }
            if (GetEnabled() == 4)
                return;
        }
        if (m_pParent && (!bCustomize || !m_pCommandBar || m_pCommandBar->IsCustomizable()))
            m_pParent->SetPoppedControl(m_nIndex);
    }
    else
    {
        m_pParent->SetMenuLoopActive(FALSE);
    }
    if (bCustomize)
        BeginControlMove(point);
}

void CZMRControlPopup::OnLButtonUp(CPoint point)
{
    if (!m_pCommandBar)
    {
        CZMRControlButton::OnLButtonUp(point);
        return;
    }
    if (GetEnabled() && m_controlType == zmrControlSplitButtonPopup && m_pParent &&
        m_pParent->GetType() == zmrBarTypePopup && point.x + GetPaintManager()->m_nPopupSplitWidth < m_rcControl.right &&
        GetEnabled() != 5)
        OnExecute();
}

BOOL CZMRControlPopup::OnLButtonDblClk(CPoint point)
{
    CZMRPopupBar* pPopup = DYNAMIC_DOWNCAST(CZMRPopupBar, m_pCommandBar);
    if ((m_controlType != zmrControlPopup && m_controlType != zmrControlButtonPopup) || !pPopup)
        return CZMRControlButton::OnLButtonDblClk(point);
    if (!IsPopupOpen() && m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    if (!IsPopupOpen())
        return FALSE;
    if (CZMRControl* pDefault = pPopup->GetControl(pPopup->GetDefaultItem(TRUE)))
    {
        pDefault->OnExecute();
        return TRUE;
    }
    // Without a default item the double click shows what the menu hides.
    if (pPopup->HidesRarelyUsed())
    {
        pPopup->Expand();
        return TRUE;
    }
    return FALSE;
}

void CZMRControlPopup::OnMouseMove(CPoint point)
{
    if (!m_pCommandBar || !GetEnabled() || m_controlType != zmrControlSplitButtonPopup || !m_bSelected)
        return;
    const int nSelected = GetPaintManager()->GetSplitMainPartRect(this).PtInRect(point) ? 4 : 5;
    if (nSelected != m_bSelected)
    {
        m_bSelected = nSelected;
        RepaintInParentBar(FALSE);
    }
}

void CZMRControlPopup::OnMouseHover()
{
    if (m_pCommandBar && GetEnabled() && m_pParent &&
        (m_pParent->GetTrackingState() == 2 || m_pParent->GetPosition() == zmrBarPopup))
    {
        m_pParent->SetPoppedControl(m_nIndex);
        return;
    }
    CZMRControlButton::OnMouseHover();
}

BOOL CZMRControlPopup::OnSelectionChange(int bSelected)
{
    if (!CZMRControlButton::OnSelectionChange(bSelected))
        return FALSE;
    if (!m_pCommandBar || !m_pParent)
        return TRUE;
    const BOOL bPopupParent = m_pParent->IsPopupBar();
    if (m_controlType == zmrControlPopup || m_pParent->GetType() == zmrBarTypePopup)
    {
        if (bSelected && GetEnabled() && m_pParent->GetTrackingState() == 2 && !bPopupParent)
            m_pParent->SetPoppedControl(m_nIndex);
        else if (!bSelected && IsPopupOpen() && !bPopupParent)
            m_pParent->SetPoppedControl(-1);
    }
    else if ((bSelected == 2 || bSelected == 3) && GetEnabled() && m_pParent->GetTrackingState() == 2)
    {
        m_pParent->SetPoppedControl(m_nIndex);
    }
    return TRUE;
}

void CZMRControlPopup::OnAccessKeyPressed()
{
    if (m_pCommandBar && m_pParent)
    {
        m_pParent->SetHotControl(m_nIndex, 2);
        m_pParent->SetPoppedControl(m_nIndex);
        return;
    }
    OnExecute();
}

// ---------------------------------------------------------------- customisation

BOOL CZMRControlPopup::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& /*dropEffect*/)
{
    for (CZMRCommandBar* p = pBar; p; p = p->GetParentBar())
    {
        if (p == m_pCommandBar)
            return FALSE;
    }
    return TRUE;
}

BOOL CZMRControlPopup::ContainsPopupOf(CZMRControlPopup* pOther) const
{
    if (!m_pCommandBar || !pOther || !pOther->m_pCommandBar)
        return FALSE;
    if (m_pCommandBar == pOther->m_pCommandBar)
        return TRUE;
    CZMRControls* pControls = m_pCommandBar->GetControls();
    for (int i = 0; i < pControls->GetCount(); i++)
    {
        CZMRControlPopup* pChild = DYNAMIC_DOWNCAST(CZMRControlPopup, pControls->GetAt(i));
        if (pChild && pChild != this && (pChild->ContainsPopupOf(pOther) || pOther->ContainsPopupOf(pChild)))
            return TRUE;
    }
    return FALSE;
}

void CZMRControlPopup::OnOtherControlDraggedOver(CZMRControl* pDragged, CPoint /*point*/, DROPEFFECT& /*dropEffect*/)
{
    if (!m_pCommandBar || !m_pCommandBar->IsCustomizable() || !m_pParent)
        return;
    CZMRControlPopup* pDraggedPopup = DYNAMIC_DOWNCAST(CZMRControlPopup, pDragged);
    if (pDraggedPopup && pDraggedPopup->ContainsPopupOf(this))
    {
        m_pParent->SetPoppedControl(-1);
        m_pParent->SetHotControl(-1);
        return;
    }
    m_pParent->SetPoppedControl(m_nIndex);
}

void CZMRControlPopup::DoPropExchange(CZMRPropExchange* pPX)
{
    // The control's keys: a popup never stored the button's older style key.
    CZMRControl::DoPropExchange(pPX);
    if (!pPX)
        return;
    int nBarId = m_pCommandBar ? m_pCommandBar->GetBarID() : 0;
    PropExchangeInt(pPX, L"CommandBarId", &nBarId, 0);
    if (pPX->IsLoading())
        m_nSavedBarId = nBarId;
    const int nSchema = pPX->GetSchema();
    if (nSchema >= 5 && nSchema <= 17)
        PropExchangeInt(pPX, L"Style", &m_buttonStyle, 0);
}

namespace
{
// True when pTarget is pBar or a bar that pBar's popups open, at any depth.
bool OpensBar(CZMRCommandBar* pBar, CZMRCommandBar* pTarget, std::vector<CZMRCommandBar*>& seen)
{
    if (pBar == pTarget)
        return true;
    if (std::find(seen.begin(), seen.end(), pBar) != seen.end())
        return false;
    seen.push_back(pBar);
    CZMRControls* pControls = pBar->GetControls();
    for (int i = 0; pControls && i < pControls->GetCount(); i++)
    {
        CZMRCommandBar* pChild = pControls->GetAt(i)->GetCommandBar();
        if (pChild && OpensBar(pChild, pTarget, seen))
            return true;
    }
    return false;
}
} // namespace

void CZMRControlPopup::RelinkBarsAfterLoad(CZMRCommandBarList* pBars)
{
    if (m_nSavedBarId == 0 || !pBars)
        return;
    CZMRCommandBar* pBar = pBars->FindBar(m_nSavedBarId);
    // A damaged state may name the popup's own bar or one that opens it:
    // linked, the bars would hold each other for ever, and opening the popup
    // would never end. Such a link is refused.
    std::vector<CZMRCommandBar*> seen;
    if (pBar && GetParent() && OpensBar(pBar, GetParent(), seen))
        pBar = nullptr;
    SetCommandBar(pBar);
    m_nSavedBarId = 0;
    if (pBar)
        pBar->RelinkBarsAfterLoad(pBars);
}
