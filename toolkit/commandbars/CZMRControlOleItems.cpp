#include "CZMRControlOleItems.h"
#include "CZMRControlListItem.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControlPopup.h"
#include "CZMRControls.h"
#include "CZMRPopupBar.h"

IMPLEMENT_SERIAL(CZMRControlOleItems, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

namespace
{
// Marks the popup the list puts after itself.
const wchar_t ItemParameter[] = L"OLEMENUPOPUP";
const UINT VerbLast = 57887;
const int MaxCaption = 1024;
}

CZMRControlOleItems::CZMRControlOleItems()
{
}

BOOL CZMRControlOleItems::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}

COleClientItem* CZMRControlOleItems::FindSelectedItem() const
{
    CZMRCommandBar* pBar = GetParent();
    CFrameWnd* pFrame = pBar ? DYNAMIC_DOWNCAST(CFrameWnd, pBar->GetSite()) : nullptr;
    // In an MDI frame the view is the active child's.
    CFrameWnd* pActiveFrame = pFrame ? pFrame->GetActiveFrame() : nullptr;
    CView* pView = pActiveFrame ? pActiveFrame->GetActiveView() : nullptr;
    COleDocument* pDocument = pView ? DYNAMIC_DOWNCAST(COleDocument, pView->GetDocument()) : nullptr;
    return pDocument ? pDocument->GetPrimarySelectedItem(pView) : nullptr;
}

void CZMRControlOleItems::ExpandIntoItems(DWORD /*dwMode*/)
{
    CZMRControls* pControls = GetControls();
    if (!pControls)
        return;
    // Only the popup right after the list is its own.
    if (CZMRControl* pNext = pControls->GetAt(GetIndex() + 1))
    {
        if (pNext->IsTemporary() && pNext->GetParameter() == ItemParameter)
            pControls->Remove(pNext);
    }

    CZMRBarManager* pManager = GetBarManager();
    COleClientItem* pItem = pManager && pManager->IsCustomizeMode() ? nullptr : FindSelectedItem();
    if (!pItem || pItem->GetItemState() == COleClientItem::activeState)
    {
        CZMRControlListItem::ShowListControl(this);
        return;
    }

    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    menu.AppendMenu(MF_STRING, ZMR_ID_OLE_VERB_FIRST, ZMR_OLE_VERBS_TEXT);
    AfxOleSetEditMenu(pItem, &menu, 0, ZMR_ID_OLE_VERB_FIRST, VerbLast, 0);

    CZMRControl* pPopup = nullptr;
    CMenu* pSubMenu = menu.GetMenuItemCount() == 1 ? menu.GetSubMenu(0) : nullptr;
    if (pSubMenu)
    {
        CZMRCommandBar* pPopupBar = CZMRPopupBar::CreatePopupBar(pManager);
        pPopupBar->LoadMenu(pSubMenu, TRUE);
        auto* pControlPopup = new CZMRControlPopup;
        pControlPopup->SetCommandBar(pPopupBar);
        pPopupBar->InternalRelease();
        pPopup = pControls->AddControl(pControlPopup, 0, ItemParameter, GetIndex() + 1, TRUE);
        CString strCaption;
        menu.GetMenuString(0, strCaption, MF_BYPOSITION);
        pPopup->SetCaption(strCaption.Left(MaxCaption));
    }
    menu.DestroyMenu();

    if (!pPopup)
    {
        CZMRControlListItem::ShowListControl(this);
        return;
    }
    pPopup->SetFlags(zmrFlagManualUpdate);
    CZMRControlListItem::HideListControl(this, pPopup);
}
