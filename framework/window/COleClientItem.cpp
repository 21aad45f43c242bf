#include "window/COleClientItem.h"
#include "window/COleDocument.h"
#include "window/CMenu.h"
#include <vector>

IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
    : m_lpObject(nullptr), m_pDocument(pContainerDoc), m_nItemState(emptyState)
{
    if (m_pDocument)
        m_pDocument->AddItem(this);
}

COleClientItem::~COleClientItem()
{
    if (m_lpObject)
        m_lpObject->Release();
    m_lpObject = nullptr;
    if (m_pDocument)
        m_pDocument->RemoveItem(this);
}

namespace
{
struct CVerb
{
    LONG lVerb;
    CString strName;
};

// The verbs of the object meant for the container's menu, in its order.
std::vector<CVerb> ContainerVerbs(LPOLEOBJECT lpObject, UINT nIDVerbMin, UINT nIDVerbMax)
{
    std::vector<CVerb> verbs;
    IEnumOLEVERB* pEnum = nullptr;
    if (FAILED(lpObject->EnumVerbs(&pEnum)) || !pEnum)
        return verbs;
    OLEVERB verb = {};
    ULONG nFetched = 0;
    while (pEnum->Next(1, &verb, &nFetched) == S_OK && nFetched == 1)
    {
        const BOOL bOnMenu = (verb.grfAttribs & OLEVERBATTRIB_ONCONTAINERMENU) != 0;
        const BOOL bInRange = nIDVerbMax == 0 || nIDVerbMin + UINT(verb.lVerb) <= nIDVerbMax;
        if (verb.lVerb >= 0 && bOnMenu && bInRange && verb.lpszVerbName)
            verbs.push_back({verb.lVerb, CString(verb.lpszVerbName)});
        ::CoTaskMemFree(verb.lpszVerbName);
        verb = OLEVERB();
    }
    pEnum->Release();
    return verbs;
}
} // namespace

void AFXAPI AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin,
                              UINT nIDVerbMax, UINT nIDConvert)
{
    if (!pMenu || !::IsMenu(pMenu->GetSafeHmenu()))
        return;
    HMENU hMenu = pMenu->GetSafeHmenu();
    LPOLEOBJECT lpObject = pClient ? pClient->m_lpObject : nullptr;
    if (!lpObject)
    {
        ::ModifyMenuW(hMenu, iMenuItem, MF_BYPOSITION | MF_STRING | MF_GRAYED, nIDVerbMin, L"&Object");
        return;
    }

    CString strType;
    LPOLESTR lpszType = nullptr;
    if (SUCCEEDED(lpObject->GetUserType(USERCLASSTYPE_SHORT, &lpszType)) && lpszType)
        strType = lpszType;
    ::CoTaskMemFree(lpszType);
    const CString strObject = strType.IsEmpty() ? CString(L"&Object") : strType + L" &Object";

    const std::vector<CVerb> verbs = ContainerVerbs(lpObject, nIDVerbMin, nIDVerbMax);
    if (verbs.size() == 1 && nIDConvert == 0)
    {
        const CString strItem = verbs[0].strName + L" " + strObject;
        ::ModifyMenuW(hMenu, iMenuItem, MF_BYPOSITION | MF_STRING, nIDVerbMin + UINT(verbs[0].lVerb), strItem);
        return;
    }
    if (verbs.empty() && nIDConvert == 0)
    {
        ::ModifyMenuW(hMenu, iMenuItem, MF_BYPOSITION | MF_STRING | MF_GRAYED, nIDVerbMin, strObject);
        return;
    }
    HMENU hPopup = ::CreatePopupMenu();
    for (const CVerb& verb : verbs)
        ::AppendMenuW(hPopup, MF_STRING, nIDVerbMin + UINT(verb.lVerb), verb.strName);
    if (nIDConvert != 0)
    {
        if (!verbs.empty())
            ::AppendMenuW(hPopup, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(hPopup, MF_STRING, nIDConvert, L"&Convert...");
    }
    ::ModifyMenuW(hMenu, iMenuItem, MF_BYPOSITION | MF_POPUP, UINT_PTR(hPopup), strObject);
}
