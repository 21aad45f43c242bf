#include "CZMRControlWindowList.h"
#include "CZMRControlListItem.h"
#include "CZMRControlAction.h"
#include "CZMRBarManager.h"
#include "CZMRCommandBar.h"
#include "CZMRControls.h"
#include "CZMRDrawHelpers.h"

IMPLEMENT_SERIAL(CZMRControlWindowList, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

namespace
{
// The window property that keeps a frame's first MDI child id.
const wchar_t FirstChildProperty[] = L"ZMRFirstMDIChild";
const int MaxItems = 9;
}

CZMRControlWindowList::CZMRControlWindowList()
{
}

BOOL CZMRControlWindowList::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}

int CZMRControlWindowList::GetFirstMDIChildId(HWND hWndFrame)
{
    HANDLE hValue = hWndFrame ? ::GetPropW(hWndFrame, FirstChildProperty) : nullptr;
    return hValue ? int(INT_PTR(hValue)) : ZMR_ID_FIRST_MDICHILD;
}

int CZMRControlWindowList::AdjustFirstMDIChildId(HWND hWndFrame, HWND hWndActiveChild)
{
    int nFirst = GetFirstMDIChildId(hWndFrame);
    const int nActive = hWndActiveChild ? ::GetDlgCtrlID(hWndActiveChild) : 0;
    if (nActive >= 32768 && nActive <= 32814)
        nFirst = 32768;
    else if (nActive >= 1 && nActive <= 46)
        nFirst = 1;
    if (hWndFrame && nFirst != GetFirstMDIChildId(hWndFrame))
        ::SetPropW(hWndFrame, FirstChildProperty, HANDLE(INT_PTR(nFirst)));
    return nFirst;
}

void CZMRControlWindowList::ExpandIntoItems(DWORD /*dwMode*/)
{
    CZMRControls* pControls = GetControls();
    if (!pControls)
        return;
    CZMRCommandBar* pBar = GetParent();
    CMDIFrameWnd* pFrame = pBar ? DYNAMIC_DOWNCAST(CMDIFrameWnd, pBar->GetSite()) : nullptr;
    HWND hWndFrame = pFrame ? pFrame->GetSafeHwnd() : nullptr;
    HWND hWndClient = pFrame ? pFrame->m_hWndMDIClient : nullptr;

    const int nOldFirst = GetFirstMDIChildId(hWndFrame);
    CZMRControlListItem::RemoveItemsAfter(this, [nOldFirst](CZMRControl* pItem) { return pItem->GetID() >= nOldFirst; });

    CZMRBarManager* pManager = GetBarManager();
    if (!hWndClient || !::IsWindow(hWndClient) || (pManager && pManager->IsCustomizeMode()))
    {
        CZMRControlListItem::ShowListControl(this);
        return;
    }

    HWND hWndActive = HWND(::SendMessageW(hWndClient, WM_MDIGETACTIVE, 0, 0));
    const int nFirst = AdjustFirstMDIChildId(hWndFrame, hWndActive);

    CString strPrompt;
    CZMRControlAction::LoadCommandString(ZMR_IDS_MDICHILD_PROMPT, strPrompt);
    CZMRControl* pFirstItem = nullptr;
    int nItems = 0;
    for (int nId = nFirst; nItems < MaxItems; nId++)
    {
        HWND hWndChild = ::GetDlgItem(hWndClient, nId);
        if (!hWndChild)
            break;
        if (!::IsWindowVisible(hWndChild))
            continue;
        CZMRControl* pItem = pControls->Add(zmrControlButton, nId, L"", GetIndex() + 1 + nItems, TRUE);
        if (!pItem)
            break;
        nItems++;
        CString strTitle;
        GetDefaultWindowText(hWndChild, strTitle);
        pItem->SetCaption(CZMRControlListItem::FormatNumberedCaption(strTitle, nItems));
        pItem->SetFlags(zmrFlagManualUpdate);
        pItem->SetChecked(hWndChild == hWndActive);
        pItem->SetHelpId(ZMR_IDS_MDICHILD_PROMPT);
        pItem->SetPrompt(strPrompt);
        if (!pFirstItem)
        {
            pFirstItem = pItem;
            pItem->SetBeginGroup(TRUE);
        }
    }
    if (!pFirstItem)
    {
        CZMRControlListItem::ShowListControl(this);
        return;
    }
    CZMRControlListItem::HideListControl(this, pFirstItem);
}
