// The ribbon bar's controls collection.
#include "CZMRRibbonControls.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRControl.h"

IMPLEMENT_DYNCREATE(CZMRRibbonControls, CZMRControls)

CZMRRibbonControls::CZMRRibbonControls()
{
}

namespace
{
CZMRRibbonBar* RibbonOf(const CZMRControls* pControls)
{
    CZMRCommandBar* pBar = pControls->GetParent();
    return pBar && pBar->IsRibbonBar() ? static_cast<CZMRRibbonBar*>(pBar) : nullptr;
}
} // namespace

BOOL CZMRRibbonControls::IsRemoveVetoed(CZMRControl* pControl) const
{
    CZMRRibbonBar* pRibbonBar = RibbonOf(this);
    return pRibbonBar && pRibbonBar->IsStructuralControl(pControl);
}

void CZMRRibbonControls::OnControlRemoved(CZMRControl* pControl)
{
    if (CZMRRibbonGroup* pGroup = pControl->GetRibbonGroup())
        pGroup->Remove(pControl);
    if (CZMRRibbonBar* pRibbonBar = RibbonOf(this))
    {
        if (pRibbonBar->GetSystemButton() == pControl)
            pRibbonBar->ClearSystemButton();
        CZMRRibbonQuickAccessControls* pQuickAccess = pRibbonBar->GetQuickAccessControls();
        if (pQuickAccess && pQuickAccess->IndexOf(pControl) >= 0)
            pQuickAccess->Remove(pControl);
    }
    CZMRControls::OnControlRemoved(pControl);
}

BOOL CZMRRibbonControls::ShouldSaveControl(CZMRControl* pControl) const
{
    if (!pControl || pControl->IsTemporary() || pControl->GetRibbonGroup())
        return FALSE;
    CZMRRibbonBar* pRibbonBar = RibbonOf(this);
    if (!pRibbonBar)
        return CZMRControls::ShouldSaveControl(pControl);
    return pControl != pRibbonBar->GetSystemButton() && !pRibbonBar->IsQuickAccessControl(pControl) &&
           !pRibbonBar->IsStructuralControl(pControl);
}

void CZMRRibbonControls::Copy(CZMRControls* pOther, BOOL bRecursive)
{
    RemoveAll();
    for (int i = 0; pOther && i < pOther->GetCount(); i++)
    {
        if (pOther->ShouldSaveControl(pOther->GetAt(i)))
            AddCopy(pOther->GetAt(i), -1, bRecursive);
    }
}
