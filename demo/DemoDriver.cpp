#include "DemoDriver.h"
#include "resource.h"

namespace
{
struct Search
{
    DWORD pid;
    HWND hFound;
};

BOOL CALLBACK FindDemoWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    WCHAR szTitle[64] = {};
    ::GetWindowTextW(hWnd, szTitle, 64);
    if (pid == pSearch->pid && lstrcmpW(szTitle, L"Framework Demo") == 0 && ::IsWindowVisible(hWnd))
    {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring Text(HWND hWnd)
{
    WCHAR sz[256] = {};
    // Another process's window: WM_GETTEXT is marshalled for us.
    ::SendMessageTimeoutW(hWnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(sz), SMTO_ABORTIFHUNG, 5000, nullptr);
    return sz;
}
} // namespace

DemoRun DriveDemo(const std::wstring& exePath, const std::wstring& name, bool bPressOk, DWORD dwTimeoutMs)
{
    DemoRun run;
    std::wstring cmd = L"\"" + exePath + L"\"";
    STARTUPINFOW si = { sizeof(si) };
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(exePath.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    {
        run.log += L"could not start " + exePath + L"\n";
        return run;
    }
    run.bStarted = true;
    run.log += L"started the demo\n";

    Search search = { pi.dwProcessId, nullptr };
    for (DWORD t = 0; t < dwTimeoutMs && search.hFound == nullptr; t += 50)
    {
        ::EnumWindows(FindDemoWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hFound == nullptr)
            ::Sleep(50);
    }
    HWND hDlg = search.hFound;
    if (hDlg != nullptr)
    {
        run.bDialogFound = true;
        run.log += L"dialog \"Framework Demo\" is up, name box shows \"" + Text(::GetDlgItem(hDlg, IDC_NAME)) + L"\"\n";
        ::SendMessageW(::GetDlgItem(hDlg, IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        run.log += L"typed \"" + name + L"\", pressed Greet\n";
        ::SendMessageW(::GetDlgItem(hDlg, IDC_GREET), BM_CLICK, 0, 0);
        run.greeting = Text(::GetDlgItem(hDlg, IDC_GREETING));
        run.log += L"greeting reads \"" + run.greeting + L"\"\n";
        run.log += bPressOk ? L"pressed OK\n" : L"pressed Cancel\n";
        ::PostMessageW(::GetDlgItem(hDlg, bPressOk ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    }
    else
        run.log += L"the dialog did not appear\n";

    if (::WaitForSingleObject(pi.hProcess, dwTimeoutMs) == WAIT_OBJECT_0)
    {
        run.bExited = true;
        ::GetExitCodeProcess(pi.hProcess, &run.dwExitCode);
        run.log += L"the demo ended with " + std::to_wstring(run.dwExitCode) +
                   (run.dwExitCode == IDOK ? L" (OK)\n" : run.dwExitCode == IDCANCEL ? L" (Cancel)\n" : L"\n");
    }
    else
    {
        run.log += L"the demo did not end; stopping it\n";
        ::TerminateProcess(pi.hProcess, 3);
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return run;
}
