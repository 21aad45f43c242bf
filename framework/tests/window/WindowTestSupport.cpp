#include "WindowTestSupport.h"

namespace
{
struct FindData
{
    LPCWSTR lpszClass;
    LPCWSTR lpszTitle;
    HWND hFound;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam)
{
    auto* pData = reinterpret_cast<FindData*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return TRUE;
    WCHAR szClass[64] = {}, szTitle[256] = {};
    ::GetClassNameW(hWnd, szClass, 64);
    ::GetWindowTextW(hWnd, szTitle, 256);
    if (lstrcmpiW(szClass, pData->lpszClass) == 0 && (pData->lpszTitle == nullptr || lstrcmpW(szTitle, pData->lpszTitle) == 0))
    {
        pData->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND FindProcessWindow(LPCWSTR lpszClass, LPCWSTR lpszTitle)
{
    FindData data = { lpszClass, lpszTitle, nullptr };
    ::EnumWindows(FindProc, reinterpret_cast<LPARAM>(&data));
    return data.hFound;
}

CBoxAnswerer::CBoxAnswerer(int nButton) : m_nButton(nButton)
{
    ::InitializeCriticalSection(&m_lock);
    m_thread = std::thread([this] { Run(); });
}

CBoxAnswerer::~CBoxAnswerer()
{
    m_bStop = true;
    m_thread.join();
    ::DeleteCriticalSection(&m_lock);
}

std::vector<std::wstring> CBoxAnswerer::Texts()
{
    ::EnterCriticalSection(&m_lock);
    auto texts = m_texts;
    ::LeaveCriticalSection(&m_lock);
    return texts;
}

void CBoxAnswerer::Run()
{
    while (!m_bStop)
    {
        HWND hBox = FindProcessWindow(L"#32770", nullptr);
        // A message box carries its text in a static control with id 0xFFFF.
        HWND hText = hBox ? ::GetDlgItem(hBox, 0xFFFF) : nullptr;
        if (hText != nullptr && ::IsWindowVisible(hBox))
        {
            WCHAR szText[512] = {};
            ::GetWindowTextW(hText, szText, 512);
            ::EnterCriticalSection(&m_lock);
            m_texts.push_back(szText);
            ::LeaveCriticalSection(&m_lock);
            ::PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(m_nButton, BN_CLICKED), 0);
            // Wait until that box has gone before looking for the next one.
            for (int i = 0; i < 200 && ::IsWindow(hBox); ++i)
                ::Sleep(10);
        }
        ::Sleep(10);
    }
}

bool PumpUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs, CWinThread* pThread)
{
    DWORD dwStart = ::GetTickCount();
    while (!pred())
    {
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (pThread == nullptr || !pThread->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        ::Sleep(1);
    }
    return true;
}

HWND CreateHostWindow()
{
    return ::CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}
