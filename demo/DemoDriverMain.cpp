// demo_driver [ok|cancel]: starts Demo.exe from its own folder, drives it and
// prints what happened; exit code 0 when the demo behaved.
#include "DemoDriver.h"
#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    bool bOk = !(argc > 1 && lstrcmpiW(argv[1], L"cancel") == 0);
    WCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring exe(szPath);
    exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Demo.exe";

    DemoRun run = DriveDemo(exe, L"Wine", bOk);
    fputws(run.log.c_str(), stdout);
    bool bGood = run.bDialogFound && run.greeting == L"Hello, Wine!" && run.bExited &&
                 run.dwExitCode == (DWORD)(bOk ? IDOK : IDCANCEL);
    fputws(bGood ? L"demo: all steps behaved\n" : L"demo: something went wrong\n", stdout);
    return bGood ? 0 : 1;
}
