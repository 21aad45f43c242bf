// The quick-access controls: every control is also in the ribbon's own
// collection, with one reference in each.
#include "CZMRRibbonQuickAccessControls.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRControl.h"

CZMRRibbonQuickAccessControls::CZMRRibbonQuickAccessControls()
{
}

CZMRRibbonBar* CZMRRibbonQuickAccessControls::GetRibbonBar() const
{
    CZMRCommandBar* pBar = GetParent();
    return pBar && pBar->IsRibbonBar() ? static_cast<CZMRRibbonBar*>(pBar) : nullptr;
}

int CZMRRibbonQuickAccessControls::IndexOf(CZMRControl* pControl) const
{
    for (int i = GetCount() - 1; i >= 0; i--)
    {
        if (m_arrControls[i] == pControl)
            return i;
    }
    return -1;
}

void CZMRRibbonQuickAccessControls::Remove(CZMRControl* pControl)
{
    const int nIndex = IndexOf(pControl);
    if (nIndex < 0)
        return;
    m_arrControls.RemoveAt(nIndex);
    OnControlRemoved(pControl);
    pControl->InternalRelease();
}

void CZMRRibbonQuickAccessControls::OnControlAdded(CZMRControl* pControl)
{
    if (CZMRRibbonBar* pRibbonBar = GetRibbonBar())
    {
        const int nIndex = IndexOf(pControl) + (pRibbonBar->GetSystemButton() ? 1 : 0);
        pControl->InternalAddRef();
        pRibbonBar->GetControls()->InsertAt(pControl, nIndex);
    }
    RefreshIndexes();
}

void CZMRRibbonQuickAccessControls::OnControlRemoved(CZMRControl* pControl)
{
    CZMRRibbonBar* pRibbonBar = GetRibbonBar();
    if (pRibbonBar && pControl->GetControls() == pRibbonBar->GetControls())
        pRibbonBar->GetControls()->Remove(pControl);
}

void CZMRRibbonQuickAccessControls::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); i++)
        m_arrControls[i]->SetParent(GetParent());
}
