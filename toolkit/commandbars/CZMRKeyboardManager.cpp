#include "CZMRKeyboardManager.h"
#include "CZMRMouseManager.h"
#include <vector>

namespace
{
CThreadLocal<CZMRKeyboardManager> g_threadKeyboardManager;

// Bits of a keyboard hook's key data.
const LPARAM KEYDATA_ALT = 0x20000000;
const LPARAM KEYDATA_WASDOWN = 0x40000000;
const LPARAM KEYDATA_RELEASE = LPARAM(0x80000000);

HINSTANCE HookModule()
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    return hInstance ? hInstance : ::GetModuleHandleW(nullptr);
}
} // namespace

CZMRKeyboardManager::CZMRKeyboardManager()
    : m_hHookKeyboard(nullptr), m_hHookCallWndProc(nullptr), m_lstSinks(10)
{
}

CZMRKeyboardManager::~CZMRKeyboardManager()
{
    RemoveHooks();
}

CZMRKeyboardManager* CZMRKeyboardManager::GetThreadKeyboardManager()
{
    CZMRKeyboardManager* pManager = g_threadKeyboardManager.GetData();
    if (!pManager)
        AfxThrowResourceException();
    return pManager;
}

void CZMRKeyboardManager::InstallHooks()
{
    // A hook that could not be set stays empty and is tried again at the
    // next registration.
    if (!m_hHookKeyboard)
        m_hHookKeyboard = ::SetWindowsHookExW(WH_KEYBOARD, KeyboardHook, HookModule(), ::GetCurrentThreadId());
    if (!m_hHookCallWndProc)
        m_hHookCallWndProc =
            ::SetWindowsHookExW(WH_CALLWNDPROC, CallWndProcHook, HookModule(), ::GetCurrentThreadId());
}

void CZMRKeyboardManager::RemoveHooks()
{
    if (m_hHookKeyboard)
        ::UnhookWindowsHookEx(m_hHookKeyboard);
    if (m_hHookCallWndProc)
        ::UnhookWindowsHookEx(m_hHookCallWndProc);
    m_hHookKeyboard = nullptr;
    m_hHookCallWndProc = nullptr;
}

void CZMRKeyboardManager::AddSink(CZMRHookManagerHookAble* pHookAble)
{
    InstallHooks();
    if (!m_lstSinks.Find(pHookAble))
        m_lstSinks.AddTail(pHookAble);
}

void CZMRKeyboardManager::RemoveSink(CZMRHookManagerHookAble* pHookAble)
{
    if (POSITION pos = m_lstSinks.Find(pHookAble))
        m_lstSinks.RemoveAt(pos);
    if (m_lstSinks.IsEmpty())
        RemoveHooks();
}

CZMRHookManagerHookAble* CZMRKeyboardManager::GetSinkAt(int nIndex) const
{
    POSITION pos = nIndex >= 0 ? m_lstSinks.FindIndex(nIndex) : nullptr;
    return pos ? m_lstSinks.GetAt(pos) : nullptr;
}

LRESULT CZMRKeyboardManager::DispatchKeyToSinks(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    // A sink may leave menu mode while it handles the key and take itself or
    // others off the list, so the sinks are asked from a copy and only while
    // they are still listed.
    std::vector<CZMRHookManagerHookAble*> sinks;
    for (POSITION pos = m_lstSinks.GetTailPosition(); pos;)
        sinks.push_back(m_lstSinks.GetPrev(pos));

    for (CZMRHookManagerHookAble* pSink : sinks)
    {
        if (!m_lstSinks.Find(pSink))
            continue;
        WPARAM wParamSink = wParam;
        LPARAM lParamSink = lParam;
        LRESULT lResult = 0;
        const int nAnswer = pSink->HandleHookedMessage(nullptr, nMessage, wParamSink, lParamSink, lResult);
        if (nAnswer != ZMR_HOOK_NOTHANDLED)
            return nAnswer == ZMR_HOOK_STOP ? 0 : 1;
    }
    // While bars track the keyboard, keys nobody claims go nowhere.
    return 1;
}

BOOL CZMRKeyboardManager::OnKeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode != HC_ACTION || m_lstSinks.IsEmpty() || (lParam & KEYDATA_RELEASE))
        return FALSE;

    if (lParam & KEYDATA_ALT)
    {
        CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
        const int nFocusCount = pMouseManager ? pMouseManager->m_nFocusCount : 0;
        if (wParam == VK_MENU && nFocusCount <= 0)
        {
            // Alt pressed alone closes the menus; its auto-repeat passes.
            if (lParam & KEYDATA_WASDOWN)
                return FALSE;
            if (pMouseManager)
                pMouseManager->CloseAllTracked();
            return TRUE;
        }
    }
    return DispatchKeyToSinks(WM_KEYDOWN, wParam, lParam) != 0;
}

void CZMRKeyboardManager::OnCallWndProcHook(int nCode, WPARAM /*wParam*/, LPARAM lParam)
{
    if (nCode != HC_ACTION || !lParam)
        return;
    const CWPSTRUCT* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (pMessage->message == WM_ACTIVATEAPP && pMessage->wParam == 0)
    {
        // Another program became active: the menus close.
        if (CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager())
            pMouseManager->CloseAllTracked();
    }
}

LRESULT CALLBACK CZMRKeyboardManager::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CZMRKeyboardManager* pManager = g_threadKeyboardManager.GetDataNA();
    if (pManager && pManager->OnKeyboardHook(nCode, wParam, lParam))
        return 1;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK CZMRKeyboardManager::CallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (CZMRKeyboardManager* pManager = g_threadKeyboardManager.GetDataNA())
        pManager->OnCallWndProcHook(nCode, wParam, lParam);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
