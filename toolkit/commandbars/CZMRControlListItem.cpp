#include "CZMRControlListItem.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRControls.h"

BOOL CZMRControlListItem::CanDropOnBar(CZMRCommandBar* pBar, DROPEFFECT& dropEffect)
{
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        return TRUE;
    dropEffect = DROPEFFECT_NONE;
    return FALSE;
}

CString CZMRControlListItem::FormatNumberedCaption(LPCTSTR lpszText, int nNumber)
{
    CString strText(lpszText ? lpszText : L"");
    strText.Replace(L"&", L"&&");
    CString strCaption;
    if (nNumber >= 1 && nNumber <= 9)
        strCaption.Format(L"&%i %s", nNumber, LPCTSTR(strText));
    else if (nNumber == 10)
        strCaption.Format(L"1&0 %s", LPCTSTR(strText));
    else if (nNumber > 10)
        strCaption.Format(L"%i %s", nNumber, LPCTSTR(strText));
    else
        strCaption = strText;
    return strCaption;
}

void CZMRControlListItem::RemoveItemsAfter(CZMRControl* pList, const std::function<BOOL(CZMRControl*)>& isItem)
{
    CZMRControls* pControls = pList->GetControls();
    if (!pControls)
        return;
    while (CZMRControl* pNext = pControls->GetAt(pList->GetIndex() + 1))
    {
        if (!pNext->IsTemporary() || !isItem(pNext))
            break;
        const int nCount = pControls->GetCount();
        pControls->RemoveAt(pNext->GetIndex());
        if (pControls->GetCount() == nCount)
            break;   // the collection keeps it

    }
}

void CZMRControlListItem::ShowListControl(CZMRControl* pList)
{
    pList->SetHideFlags(0);
}

void CZMRControlListItem::HideListControl(CZMRControl* pList, CZMRControl* pFirstItem)
{
    pList->SetHideFlags(pList->GetHideFlags() | zmrHideGeneric);
    if (pFirstItem)
        pFirstItem->SetFlags(pFirstItem->GetFlags() | (pList->GetFlags() & zmrFlagWrapRow));
}
