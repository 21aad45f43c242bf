#include "CZMRHookManager.h"
#include "window/AfxThreadState.h"

namespace
{
// Sets the framework's record of the message being handled for the life of
// one call of the hook's procedure, and puts the caller's back afterwards.
class CLastMessageScope
{
public:
    CLastMessageScope(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
        : m_pState(AfxGetThreadState()), m_saved(m_pState->m_lastSentMsg)
    {
        m_pState->m_lastSentMsg.hwnd = hWnd;
        m_pState->m_lastSentMsg.message = nMessage;
        m_pState->m_lastSentMsg.wParam = wParam;
        m_pState->m_lastSentMsg.lParam = lParam;
    }
    ~CLastMessageScope() { m_pState->m_lastSentMsg = m_saved; }

private:
    AFX_THREAD_STATE* m_pState;
    MSG m_saved;
};

LONG_PTR GetWndProcOf(HWND hWnd, BOOL bUnicode)
{
    return bUnicode ? ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) : ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
}

LONG_PTR SetWndProcOf(HWND hWnd, BOOL bUnicode, LONG_PTR pfn)
{
    return bUnicode ? ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, pfn) : ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, pfn);
}
} // namespace

// ------------------------------------------------------------------- sink

CZMRHookManager::CHookSink::CHookSink(HWND hWnd, CZMRHookManager* pManager)
    : m_pOldWndProc(nullptr), m_hWnd(hWnd), m_bUnicode(::IsWindowUnicode(hWnd)), m_pManager(pManager),
      m_nDispatch(0), m_bRemoved(FALSE), m_bHooked(FALSE)
{
    m_pOldWndProc = reinterpret_cast<WNDPROC>(GetWndProcOf(hWnd, m_bUnicode));
    if (m_pOldWndProc)
    {
        SetWndProcOf(hWnd, m_bUnicode, reinterpret_cast<LONG_PTR>(&CZMRHookManager::HookWindowProc));
        m_bHooked = TRUE;
    }
}

CZMRHookManager::CHookSink::~CHookSink()
{
    Unhook();
    DetachHookables();
}

void CZMRHookManager::CHookSink::Unhook()
{
    if (!m_bHooked)
        return;
    if (::IsWindow(m_hWnd))
    {
        LONG_PTR pfnCurrent = GetWndProcOf(m_hWnd, m_bUnicode);
        if (pfnCurrent != reinterpret_cast<LONG_PTR>(&CZMRHookManager::HookWindowProc))
            return;
        SetWndProcOf(m_hWnd, m_bUnicode, reinterpret_cast<LONG_PTR>(m_pOldWndProc));
    }
    m_bHooked = FALSE;
}

void CZMRHookManager::CHookSink::DetachHookables()
{
    for (INT_PTR i = GetSize() - 1; i >= 0; i--)
    {
        CZMRHookManagerHookAble* pHookAble = GetAt(i);
        RemoveAt(i);
        if (pHookAble->m_pAutoDelete)
            delete pHookAble;
    }
}

void CZMRHookManager::CHookSink::RemoveHookable(CZMRHookManagerHookAble* pHookAble, BOOL bDelete)
{
    INT_PTR nIndex = PtrArrayFind(*this, pHookAble);
    if (nIndex < 0)
        return;
    RemoveAt(nIndex);
    if (bDelete && pHookAble->m_pAutoDelete)
        delete pHookAble;
    if (IsEmpty())
        m_pManager->ReleaseSink(this);   // may delete this sink
}

BOOL CZMRHookManager::CHookSink::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                               LRESULT& lResult)
{
    // Hookables may add or remove hookables, themselves included, while they
    // are asked: walk a copy, and ask only those that are still present.
    CZMRHookManagerHookAble* local[16];
    CZMRHookManagerHookAble** pCopy = local;
    const INT_PTR nCount = GetSize();
    if (nCount > INT_PTR(sizeof(local) / sizeof(local[0])))
        pCopy = new CZMRHookManagerHookAble*[nCount];
    if (nCount > 0)
        memcpy(pCopy, GetData(), sizeof(*pCopy) * size_t(nCount));

    BOOL bHandled = FALSE;
    for (INT_PTR i = nCount - 1; i >= 0; i--)
    {
        if (PtrArrayFind(*this, pCopy[i]) < 0)
            continue;
        int nAnswer = pCopy[i]->HandleHookedMessage(hWnd, nMessage, wParam, lParam, lResult);
        if (nAnswer == ZMR_HOOK_HANDLED)
        {
            bHandled = TRUE;
            break;
        }
        if (nAnswer == ZMR_HOOK_STOP)
            break;
    }
    if (pCopy != local)
        delete[] pCopy;
    return bHandled;
}

LRESULT CZMRHookManager::CHookSink::CallPrevious(UINT nMessage, WPARAM wParam, LPARAM lParam) const
{
    // The procedure was read with the window's own character set, so it is
    // called with that set too.
    if (m_bUnicode)
        return ::CallWindowProcW(m_pOldWndProc, m_hWnd, nMessage, wParam, lParam);
    return ::CallWindowProcA(m_pOldWndProc, m_hWnd, nMessage, wParam, lParam);
}

// ---------------------------------------------------------------- manager

CZMRHookManager::CZMRHookManager() : m_mapSinks(10), m_mapPassOn(10)
{
}

CZMRHookManager::~CZMRHookManager()
{
    for (CMapPtrToPtr* pMap : {&m_mapSinks, &m_mapPassOn})
    {
        POSITION pos = pMap->GetStartPosition();
        while (pos)
        {
            void* hWnd = nullptr;
            void* pSink = nullptr;
            pMap->GetNextAssoc(pos, hWnd, pSink);
            delete static_cast<CHookSink*>(pSink);
        }
        pMap->RemoveAll();
    }
}

CZMRHookManager* GetHookManager()
{
    static CZMRHookManager s_manager;
    return &s_manager;
}

CZMRHookManager::CHookSink* CZMRHookManager::Lookup(HWND hWnd) const
{
    void* pSink = nullptr;
    return m_mapSinks.Lookup(hWnd, pSink) ? static_cast<CHookSink*>(pSink) : nullptr;
}

CZMRHookManager::CHookSink* CZMRHookManager::LookupPassOn(HWND hWnd) const
{
    void* pSink = nullptr;
    return m_mapPassOn.Lookup(hWnd, pSink) ? static_cast<CHookSink*>(pSink) : nullptr;
}

void CZMRHookManager::SetHook(HWND hWnd, CZMRHookManagerHookAble* pHookAble)
{
    if (!pHookAble || !::IsWindow(hWnd))
        return;
    CHookSink* pSink = Lookup(hWnd);
    if (!pSink)
    {
        pSink = LookupPassOn(hWnd);
        if (pSink)
        {
            // Our procedure is still in the window's chain: use it again.
            m_mapPassOn.RemoveKey(hWnd);
            pSink->m_bRemoved = FALSE;
        }
        else
        {
            pSink = new CHookSink(hWnd, this);
            if (!pSink->m_bHooked)
            {
                delete pSink;
                return;
            }
        }
        m_mapSinks.SetAt(hWnd, pSink);
    }
    if (PtrArrayFind(*pSink, pHookAble) < 0)
        pSink->Add(pHookAble);
}

void CZMRHookManager::RemoveHook(HWND hWnd, CZMRHookManagerHookAble* pHookAble)
{
    CHookSink* pSink = Lookup(hWnd);
    if (pSink)
        pSink->RemoveHookable(pHookAble);
}

void CZMRHookManager::RemoveAll(CZMRHookManagerHookAble* pHookAble)
{
    // Removing may take sinks out of the map: collect them first.
    CArray<CHookSink*, CHookSink*> sinks;
    POSITION pos = m_mapSinks.GetStartPosition();
    while (pos)
    {
        void* hWnd = nullptr;
        void* pSink = nullptr;
        m_mapSinks.GetNextAssoc(pos, hWnd, pSink);
        if (PtrArrayFind(*static_cast<CHookSink*>(pSink), pHookAble) >= 0)
            sinks.Add(static_cast<CHookSink*>(pSink));
    }
    // A marked hookable is deleted once, after it has left every window.
    for (INT_PTR i = 0; i < sinks.GetSize(); i++)
        sinks[i]->RemoveHookable(pHookAble, FALSE);
    if (!sinks.IsEmpty() && pHookAble->m_pAutoDelete)
        delete pHookAble;
}

void CZMRHookManager::RemoveSink(HWND hWnd)
{
    CHookSink* pSink = Lookup(hWnd);
    if (!pSink)
        return;
    pSink->DetachHookables();
    ReleaseSink(pSink);
}

void CZMRHookManager::ReleaseSink(CHookSink* pSink)
{
    m_mapSinks.RemoveKey(pSink->m_hWnd);
    pSink->Unhook();
    if (pSink->m_bHooked)
    {
        pSink->DetachHookables();
        m_mapPassOn.SetAt(pSink->m_hWnd, pSink);
        return;
    }
    DropSink(pSink);
}

void CZMRHookManager::ForgetWindow(CHookSink* pSink)
{
    m_mapSinks.RemoveKey(pSink->m_hWnd);
    m_mapPassOn.RemoveKey(pSink->m_hWnd);
    pSink->Unhook();
    pSink->m_bHooked = FALSE;   // the window is going away either way
    DropSink(pSink);
}

void CZMRHookManager::DropSink(CHookSink* pSink)
{
    if (pSink->m_nDispatch > 0)
        pSink->m_bRemoved = TRUE;   // the dispatch walking it deletes it
    else
        delete pSink;
}

LRESULT CALLBACK CZMRHookManager::HookWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CLastMessageScope lastMessage(hWnd, nMessage, wParam, lParam);
    CZMRHookManager* pManager = GetHookManager();

    BOOL bPassOn = FALSE;
    CHookSink* pSink = pManager->Lookup(hWnd);
    if (!pSink)
    {
        pSink = pManager->LookupPassOn(hWnd);
        bPassOn = TRUE;
    }
    if (!pSink)
    {
        // Not ours to know: the window still gets its default handling.
        if (::IsWindowUnicode(hWnd))
            return ::DefWindowProcW(hWnd, nMessage, wParam, lParam);
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
    }

    // The sink stays alive until this message is through, whatever the
    // hookables and the previous procedure do to it meanwhile.
    struct CDispatchScope
    {
        CHookSink* pSink;
        explicit CDispatchScope(CHookSink* p) : pSink(p) { pSink->m_nDispatch++; }
        ~CDispatchScope()
        {
            if (--pSink->m_nDispatch == 0 && pSink->m_bRemoved)
                delete pSink;
        }
    } dispatch(pSink);

    if (nMessage == WM_NCDESTROY)
    {
        // Marked hookables go before the window's own procedure sees its end,
        // last added first. Not while a hookable of this window is still
        // being asked further up the stack (it destroyed the window from its
        // handler): deleting now would free it under its running handler, so
        // the marked ones then go with the sink when that dispatch is over.
        if (pSink->m_nDispatch == 1)
            pSink->DetachHookables();
        pManager->ForgetWindow(pSink);
        return pSink->CallPrevious(nMessage, wParam, lParam);
    }
    LRESULT lResult = 0;
    if (!bPassOn && pSink->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult))
        return lResult;
    return pSink->CallPrevious(nMessage, wParam, lParam);
}
