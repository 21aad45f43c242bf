#include "CZMRControlToolbars.h"
#include "CZMRControlListItem.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"
#include "CZMRToolBar.h"

IMPLEMENT_SERIAL(CZMRControlToolbars, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

namespace
{
// Marks the items the list puts after itself.
const wchar_t ItemParameter[] = L"CZMRControlToolbar";
}

CZMRControlToolbars::CZMRControlToolbars()
{
}

BOOL CZMRControlToolbars::IsListed(const CZMRCommandBar* pBar)
{
    const CZMRToolBar* pToolBar = DYNAMIC_DOWNCAST(CZMRToolBar, const_cast<CZMRCommandBar*>(pBar));
    return pToolBar && pToolBar->IsContextMenuPresent() && pToolBar->IsCloseable();
}

int CZMRControlToolbars::GetListedBarCount(const CZMRBarManager* pManager)
{
    int nCount = 0;
    for (int i = 0; pManager && i < pManager->GetCount(); i++)
        nCount += IsListed(pManager->GetBar(i)) ? 1 : 0;
    return nCount;
}

void CZMRControlToolbars::ExpandIntoItems(DWORD /*dwMode*/)
{
    CZMRControls* pControls = GetControls();
    if (!pControls)
        return;
    CZMRControlListItem::RemoveItemsAfter(this,
                                          [](CZMRControl* pItem) { return pItem->GetParameter() == ItemParameter; });

    CZMRBarManager* pManager = GetBarManager();
    if (!pManager || pManager->IsCustomizeMode() || GetListedBarCount(pManager) == 0)
    {
        CZMRControlListItem::ShowListControl(this);
        return;
    }
    CZMRControl* pFirst = nullptr;
    int nBefore = GetIndex() + 1;
    for (int i = 0; i < pManager->GetCount(); i++)
    {
        CZMRCommandBar* pBar = pManager->GetBar(i);
        if (!IsListed(pBar))
            continue;
        CZMRControl* pItem = pControls->AddControl(new CZMRControlToolbar, GetID(), ItemParameter, nBefore, TRUE);
        CString strCaption = pBar->GetTitle();
        strCaption.Replace(L"&", L"&&");
        pItem->SetCaption(strCaption);
        pItem->SetTag(DWORD_PTR(i));
        pItem->SetFlags(zmrFlagManualUpdate);
        pItem->SetChecked(pBar->IsVisible());
        if (!pFirst)
        {
            pFirst = pItem;
            pItem->SetBeginGroup(GetBeginGroup());
        }
        nBefore++;
    }
    CZMRControlListItem::HideListControl(this, pFirst);
}

void CZMRControlToolbars::CZMRControlToolbar::OnExecute()
{
    CZMRBarManager* pManager = GetBarManager();
    if (!pManager)
        return;
    const int nIndex = int(GetTag());
    // Closing the menu may release this item.
    pManager->CancelTracking();
    pManager->ToggleBarVisible(nIndex);
}

BOOL CZMRControlToolbars::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}
