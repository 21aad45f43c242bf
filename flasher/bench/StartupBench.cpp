// Start time and idle working set of the shipped programs beside the demo
// dialog, started in turn from this folder. Prints its figures; asserts
// nothing.
//   flasher_startup_bench [rounds [program.exe...]]
//     (default 9 rounds of Demo.exe, Pyrolet_D.exe and Merrowick.exe; the
//     first program is the one the others are compared with)
// A start ends when the program's main thread first waits for input with a
// visible window of its own; the working set is read 300 ms later.
#include "BenchSupport.h"
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

struct Search
{
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid == pSearch->pid && IsWindowVisible(hWnd))
    {
        pSearch->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

struct Run
{
    double startMs = -1;
    double workingSetMb = 0;
    double privateMb = 0;
};

Run StartOnce(const std::wstring& exe)
{
    Run run;
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = bench::Now();
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, bench::ExeFolder().c_str(), &si, &pi))
        return run;
    // Input idle can come before the first window; wait for both.
    Search search{pi.dwProcessId, nullptr};
    const double limit = start + 30;
    while (bench::Now() < limit)
    {
        if (WaitForInputIdle(pi.hProcess, 50) == 0)
        {
            EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                break;
        }
        else if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        else
            Sleep(1);
    }
    if (search.found)
    {
        run.startMs = (bench::Now() - start) * 1000;
        Sleep(300);
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
        run.workingSetMb = counters.WorkingSetSize / 1048576.0;
        run.privateMb = counters.PagefileUsage / 1048576.0;
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return run;
}

double FileMb(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes))
        return 0;
    return (double(attributes.nFileSizeHigh) * 4294967296.0 + attributes.nFileSizeLow) / 1048576.0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const std::wstring folder = bench::ExeFolder();
    std::vector<std::wstring> programs;
    for (int i = 2; i < argc; ++i)
        programs.push_back(argv[i]);
    if (programs.size() < 2)
        programs = {L"Demo.exe", L"Pyrolet_D.exe", L"Merrowick.exe"};
    const size_t count = programs.size();

    // One start of each first, not counted: the loader's caches warm up.
    for (const std::wstring& program : programs)
        StartOnce(folder + L"\\" + program);

    std::vector<std::vector<Run>> runs(count);
    std::vector<std::vector<double>> ratios(count);
    for (int round = 0; round < rounds; ++round)
    {
        for (size_t i = 0; i < count; ++i)
            runs[i].push_back(StartOnce(folder + L"\\" + programs[i]));
        for (size_t i = 1; i < count; ++i)
            if (runs[0].back().startMs > 0 && runs[i].back().startMs > 0)
                ratios[i].push_back(runs[i].back().startMs / runs[0].back().startMs);
    }

    std::printf("start to first idle window (%d rounds in turn), idle working set 300 ms later:\n", rounds);
    for (size_t i = 0; i < count; ++i)
    {
        std::vector<double> starts, sets, privates;
        for (const Run& run : runs[i])
        {
            if (run.startMs < 0)
                continue;
            starts.push_back(run.startMs);
            sets.push_back(run.workingSetMb);
            privates.push_back(run.privateMb);
        }
        std::printf("  %-24ls file %5.1f MB  start median %6.1f ms (best %6.1f)  working set %5.1f MB"
                    "  private %5.1f MB  (%zu of %d started)\n",
                    programs[i].c_str(), FileMb(folder + L"\\" + programs[i]), bench::Median(starts),
                    starts.empty() ? 0.0 : *std::min_element(starts.begin(), starts.end()), bench::Median(sets),
                    bench::Median(privates), starts.size(), rounds);
    }
    for (size_t i = 1; i < count; ++i)
        std::printf("%ls start / %ls start, round by round: median %.2f\n", programs[i].c_str(),
                    programs[0].c_str(), bench::Median(ratios[i]));
    return 0;
}
