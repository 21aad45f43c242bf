#include "CZMRControlRecentFileList.h"
#include "CZMRControlListItem.h"
#include "CZMRBarManager.h"
#include "CZMRControls.h"

IMPLEMENT_SERIAL(CZMRControlRecentFileList, CZMRControlButton, VERSIONABLE_SCHEMA | 0x21)

CZMRControlRecentFileList::CZMRControlRecentFileList()
{
}

BOOL CZMRControlRecentFileList::CanDropOnBar(CZMRCommandBar* pBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return CZMRControlListItem::CanDropOnBar(pBar, dropEffect);
}

CRecentFileList* CZMRControlRecentFileList::GetRecentFileList()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pRecentFileList : nullptr;
}

int CZMRControlRecentFileList::GetFirstCommandId()
{
    return ZMR_ID_FILE_MRU_FIRST;
}

BOOL CZMRControlRecentFileList::IsFileItemId(int nId, int nFirstId, const CRecentFileList* pList)
{
    return pList && nId >= nFirstId && nId <= nFirstId + pList->GetSize();
}

void CZMRControlRecentFileList::ExpandIntoItems(DWORD /*dwMode*/)
{
    CZMRControls* pControls = GetControls();
    CRecentFileList* pList = GetRecentFileList();
    if (!pControls || !pList || !pList->m_arrNames)
        return;
    const int nFirstId = GetFirstCommandId();
    CZMRControlListItem::RemoveItemsAfter(
        this, [nFirstId, pList](CZMRControl* pItem) { return IsFileItemId(pItem->GetID(), nFirstId, pList); });

    CZMRBarManager* pManager = GetBarManager();
    if (pManager && pManager->IsCustomizeMode())
    {
        CZMRControlListItem::ShowListControl(this);
        SetEnabled(TRUE);
        return;
    }
    if (pList->GetSize() == 0 || pList->m_arrNames[0].IsEmpty())
    {
        CZMRControlListItem::ShowListControl(this);
        SetEnabled(FALSE);
        return;
    }

    // Files of the current folder show their names only.
    WCHAR szDir[MAX_PATH + 1] = {};
    const DWORD nDir = ::GetCurrentDirectoryW(MAX_PATH, szDir);
    CString strDir(nDir > 0 && nDir < MAX_PATH ? szDir : L"");
    if (!strDir.IsEmpty() && strDir.Right(1) != L"\\")
        strDir += L'\\';

    CZMRControl* pFirstItem = nullptr;
    for (int i = 0; i < pList->GetSize(); i++)
    {
        CString strName;
        if (!pList->GetDisplayName(strName, i, strDir, strDir.GetLength(), TRUE) || strName.IsEmpty())
            break;
        CZMRControl* pItem = pControls->Add(zmrControlButton, nFirstId + i, L"", GetIndex() + 1 + i, TRUE);
        if (!pItem)
            break;
        pItem->SetCaption(CZMRControlListItem::FormatNumberedCaption(strName, i + 1));
        pItem->SetFlags(zmrFlagManualUpdate);
        if (!pFirstItem)
        {
            pFirstItem = pItem;
            pItem->SetBeginGroup(GetIndex() != 0);
        }
    }
    CZMRControlListItem::HideListControl(this, pFirstItem);
}
