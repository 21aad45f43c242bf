#include "CZMRRibbonControlSystemRecentFileList.h"
#include "CZMRBarManager.h"
#include "CZMRControlListItem.h"
#include "CZMRControlRecentFileList.h"
#include "CZMRControls.h"
#include <commdlg.h>
#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CZMRRibbonControlSystemRecentFileList, CZMRRibbonControlSystemPopupBarListCaption,
                 VERSIONABLE_SCHEMA | 0x21)

CZMRRibbonControlSystemRecentFileList::CControlFileItem::CControlFileItem()
{
    m_bShowsNumber = TRUE;
}

CZMRRibbonControlSystemRecentFileList::CZMRRibbonControlSystemRecentFileList()
{
}

CRecentFileList* CZMRRibbonControlSystemRecentFileList::GetRecentFileList()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pRecentFileList : nullptr;
}

int CZMRRibbonControlSystemRecentFileList::GetFirstCommandId()
{
    return ZMR_ID_FILE_MRU_FIRST;
}

CString CZMRRibbonControlSystemRecentFileList::FormatFileCaption(int nIndex, const CString& strTitle)
{
    CString strText(strTitle);
    strText.Replace(L"&", L"&&");
    if (nIndex + 1 > 9)
        return strText;
    CString strCaption;
    strCaption.Format(L"&%i %s", nIndex + 1, LPCTSTR(strText));
    return strCaption;
}

CString CZMRRibbonControlSystemRecentFileList::GetFileTitleOf(const CString& strPath)
{
    // The answer is 0 on success, the size needed when the buffer is short,
    // negative on failure: a short buffer is never read.
    std::vector<WCHAR> buffer(MAX_PATH, 0);
    short nAnswer = ::GetFileTitleW(strPath, buffer.data(), WORD(buffer.size()));
    if (nAnswer > 0)
    {
        buffer.assign(size_t(nAnswer) + 1, 0);
        nAnswer = ::GetFileTitleW(strPath, buffer.data(), WORD(buffer.size()));
    }
    if (nAnswer == 0)
    {
        buffer.back() = 0;
        return CString(buffer.data());
    }
    const int nSlash = std::max(strPath.ReverseFind(L'\\'), strPath.ReverseFind(L'/'));
    return strPath.Mid(nSlash + 1);
}

void CZMRRibbonControlSystemRecentFileList::ExpandIntoItems(DWORD /*dwMode*/)
{
    CZMRControls* pControls = GetControls();
    CRecentFileList* pList = GetRecentFileList();
    if (!pControls || !pList || !pList->m_arrNames)
        return;
    const int nFirstId = GetFirstCommandId();
    CZMRControlListItem::RemoveItemsAfter(this, [nFirstId, pList](CZMRControl* pItem) {
        return CZMRControlRecentFileList::IsFileItemId(pItem->GetID(), nFirstId, pList);
    });

    CZMRBarManager* pManager = GetBarManager();
    if (pManager && pManager->IsCustomizeMode())
    {
        SetVisible(TRUE);
        SetEnabled(TRUE);
        return;
    }
    for (int i = 0; i < pList->GetSize() && !pList->m_arrNames[i].IsEmpty(); i++)
    {
        const CString strPath = pList->m_arrNames[i];
        CZMRControl* pItem = pControls->AddControl(new CControlFileItem, nFirstId + i, L"", GetIndex() + i + 1, TRUE);
        pItem->SetCaption(FormatFileCaption(i, GetFileTitleOf(strPath)));
        pItem->SetFlags(zmrFlagShowTooltip | zmrFlagManualUpdate);
        pItem->SetTooltip(strPath);
        pItem->SetDescription(L"");
    }
}
