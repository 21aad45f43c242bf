#include "CZMRControlComboBoxAutoCompleteWnd.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRKeyboardManager.h"
#include "CZMRMouseManager.h"

HHOOK CZMRControlComboBoxAutoCompleteWnd::s_hHook = nullptr;
CZMRControlComboBoxAutoCompleteWnd* CZMRControlComboBoxAutoCompleteWnd::s_pActive = nullptr;
std::function<HRESULT(HWND, DWORD)> CZMRControlComboBoxAutoCompleteWnd::s_fnShellAutoComplete =
    &CZMRControlComboBoxAutoCompleteWnd::CallShellAutoComplete;

CZMRControlComboBoxAutoCompleteWnd::CZMRControlComboBoxAutoCompleteWnd() : m_hWndSuggest(nullptr), m_hWndEdit(nullptr)
{
}

CZMRControlComboBoxAutoCompleteWnd::~CZMRControlComboBoxAutoCompleteWnd()
{
    SetHookActive(FALSE);
    SetSuggestWindow(nullptr);
}

HRESULT CZMRControlComboBoxAutoCompleteWnd::CallShellAutoComplete(HWND hWndEdit, DWORD dwFlags)
{
    HMODULE hModule = ::LoadLibraryA("shlwapi.dll");
    if (!hModule)
        return E_FAIL;
    typedef HRESULT(WINAPI * PFNSHAUTOCOMPLETE)(HWND, DWORD);
    auto pfn = reinterpret_cast<PFNSHAUTOCOMPLETE>(
        reinterpret_cast<void*>(::GetProcAddress(hModule, "SHAutoComplete")));
    const HRESULT hr = pfn ? pfn(hWndEdit, dwFlags) : E_FAIL;
    ::FreeLibrary(hModule);
    return hr;
}

HRESULT CZMRControlComboBoxAutoCompleteWnd::Enable(HWND hWndEdit, DWORD dwFlags)
{
    m_hWndEdit = hWndEdit;
    return s_fnShellAutoComplete ? s_fnShellAutoComplete(hWndEdit, dwFlags) : E_FAIL;
}

void CZMRControlComboBoxAutoCompleteWnd::SetHookActive(BOOL bActive)
{
    if (bActive)
    {
        // One object at a time: the one whose edit window has the focus.
        if (s_hHook)
            return;
        s_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, CallWndProcHook, nullptr, ::GetCurrentThreadId());
        CZMRKeyboardManager::GetThreadKeyboardManager()->AddSink(this);
        s_pActive = this;
        return;
    }
    if (s_pActive == this)
    {
        if (s_hHook)
            ::UnhookWindowsHookEx(s_hHook);
        s_hHook = nullptr;
        s_pActive = nullptr;
        CZMRKeyboardManager::GetThreadKeyboardManager()->RemoveSink(this);
    }
    SetSuggestWindow(nullptr);
}

void CZMRControlComboBoxAutoCompleteWnd::SetSuggestWindow(HWND hWnd)
{
    if (m_hWndSuggest == hWnd)
        return;
    if (m_hWndSuggest)
    {
        if (CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager())
            pMouseManager->RemoveTrustedWindow(m_hWndSuggest);
    }
    m_hWndSuggest = hWnd;
    if (m_hWndSuggest)
        CZMRMouseManager::GetThreadMouseManager()->AddTrustedWindow(m_hWndSuggest);
}

void CZMRControlComboBoxAutoCompleteWnd::HideSuggestWindow()
{
    if (m_hWndSuggest)
        ::ShowWindow(m_hWndSuggest, SW_HIDE);
}

BOOL CZMRControlComboBoxAutoCompleteWnd::FilterKey(UINT nChar, LPARAM lParam)
{
    if (!IsSuggestWindowShown() || ::GetKeyState(VK_MENU) < 0)
        return FALSE;
    if (nChar != VK_PRIOR && nChar != VK_NEXT && nChar != VK_UP && nChar != VK_DOWN)
        return FALSE;
    // The list of the suggestion window is its second child.
    HWND hWndList = ::GetWindow(::GetWindow(m_hWndSuggest, GW_CHILD), GW_HWNDNEXT);
    if (!hWndList)
        return FALSE;
    MSG msg = {hWndList, WM_KEYDOWN, WPARAM(nChar), lParam, 0, {}};
    return ::IsDialogMessageW(hWndList, &msg);
}

int CZMRControlComboBoxAutoCompleteWnd::HandleHookedMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT&)
{
    // The wheel scrolls the suggestion list, not what lies under it.
    if (nMessage == WM_MOUSEWHEEL && IsSuggestWindowShown())
        return ZMR_HOOK_STOP;
    return ZMR_HOOK_NOTHANDLED;
}

void CZMRControlComboBoxAutoCompleteWnd::OnWindowPosChanging(HWND hWnd, const WINDOWPOS* pPos)
{
    if (!pPos)
        return;
    if (!m_hWndSuggest && (pPos->flags & SWP_SHOWWINDOW))
    {
        wchar_t szClass[64] = {};
        ::GetClassNameW(hWnd, szClass, 64);
        if (::lstrcmpiW(szClass, L"Auto-Suggest Dropdown") == 0)
        {
            SetSuggestWindow(hWnd);
            if (m_hWndEdit)
                ::PostMessageW(m_hWndEdit, ZMR_WM_CLOSEDROPDOWN, 0, 0);
        }
    }
    else if (hWnd == m_hWndSuggest && (pPos->flags & SWP_HIDEWINDOW))
        SetSuggestWindow(nullptr);
}

LRESULT CALLBACK CZMRControlComboBoxAutoCompleteWnd::CallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && lParam && s_pActive)
    {
        const CWPSTRUCT* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (pMessage->message == WM_WINDOWPOSCHANGING)
            s_pActive->OnWindowPosChanging(pMessage->hwnd, reinterpret_cast<const WINDOWPOS*>(pMessage->lParam));
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
