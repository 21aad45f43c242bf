#include "window/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() : m_dwRef(1) {}

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_INTERFACEMAP* CCmdTarget::GetThisInterfaceMap()
{
    static const AFX_INTERFACEMAP_ENTRY entries[] = { { nullptr, nullptr } };
    static const AFX_INTERFACEMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const
{
    return GetThisInterfaceMap();
}

LPUNKNOWN CCmdTarget::GetInterface(const void* iid)
{
    if (iid == nullptr)
        return nullptr;
    const IID& riid = *static_cast<const IID*>(iid);
    // Nothing implements IUnknown alone: any part answers for it.
    const bool bUnknown = ::IsEqualIID(riid, IID_IUnknown) != FALSE;
    for (const AFX_INTERFACEMAP* pMap = GetInterfaceMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_INTERFACEMAP_ENTRY* p = pMap->pEntry; p->piid != nullptr; ++p)
        {
            if (bUnknown || ::IsEqualIID(riid, *p->piid))
                return p->pfnGetPart(this);
        }
    }
    return nullptr;
}

LPDISPATCH CCmdTarget::GetIDispatch(BOOL bAddRef)
{
    auto* pDispatch = static_cast<LPDISPATCH>(GetInterface(&IID_IDispatch));
    if (pDispatch != nullptr && bAddRef)
        InternalAddRef();
    return pDispatch;
}

HRESULT CCmdTarget::InternalQueryInterface(const void* iid, LPVOID* ppvObj)
{
    if (ppvObj == nullptr)
        return E_POINTER;
    LPUNKNOWN pUnk = GetInterface(iid);
    *ppvObj = pUnk;
    if (pUnk == nullptr)
        return E_NOINTERFACE;
    InternalAddRef();
    return S_OK;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != nullptr; ++p)
        {
            if (p->nMessage == nMessage && (WORD)p->nCode == (WORD)nCode && nID >= p->nID && nID <= p->nLastID)
                return p;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = HIWORD(nCode);
    UINT nCodeOnly = LOWORD(nCode);
    if (nCode == CN_UPDATE_COMMAND_UI)
    {
        nMsg = 0;
        nCodeOnly = (WORD)CN_UPDATE_COMMAND_UI;
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    // Update requests and commands share the message; they differ in the code.
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nMsg, nCodeOnly, nID);
    if (pEntry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = pEntry;
        return TRUE;
    }
    AFX_MSGCALL call = { nMsg, 0, 0, nID, pExtra, 0 };
    return pEntry->pfn(this, call);
}

DWORD CCmdTarget::InternalAddRef()
{
    return (DWORD)InterlockedIncrement(&m_dwRef);
}

DWORD CCmdTarget::InternalRelease()
{
    if (m_dwRef == 0)
        return 0;   // already released: never delete twice
    long n = InterlockedDecrement(&m_dwRef);
    if (n == 0)
        OnFinalRelease();
    return (DWORD)n;
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}
