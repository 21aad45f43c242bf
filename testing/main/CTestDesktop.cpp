// Runs a test process on a Wine desktop of its own.
#include "CTestDesktop.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace
{
std::wstring ObjectName(HANDLE hObject)
{
    wchar_t szName[256] = L"";
    DWORD dwNeeded = 0;
    if (!::GetUserObjectInformationW(hObject, UOI_NAME, szName, sizeof(szName), &dwNeeded))
        return std::wstring();
    return szName;
}

std::wstring ProcessImage(DWORD dwProcessId)
{
    HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwProcessId);
    if (!hProcess)
        return L"?";
    wchar_t szPath[MAX_PATH] = L"?";
    DWORD cch = MAX_PATH;
    ::QueryFullProcessImageNameW(hProcess, 0, szPath, &cch);
    ::CloseHandle(hProcess);
    return szPath;
}

// The processes still in the job apart from the desktop's own window process,
// which Wine starts for the desktop and which ends with it.
std::vector<std::wstring> LeftRunning(HANDLE hJob)
{
    struct
    {
        JOBOBJECT_BASIC_PROCESS_ID_LIST list;
        ULONG_PTR more[255];
    } ids = {};
    std::vector<std::wstring> left;
    if (!::QueryInformationJobObject(hJob, JobObjectBasicProcessIdList, &ids, sizeof(ids), nullptr))
        return left;
    for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; i++)
    {
        const std::wstring image = ProcessImage(static_cast<DWORD>(ids.list.ProcessIdList[i]));
        const wchar_t* pszName = std::wcsrchr(image.c_str(), L'\\');
        if (_wcsicmp(pszName ? pszName + 1 : image.c_str(), L"explorer.exe") != 0)
            left.push_back(image);
    }
    return left;
}

int Fail(const char* pszWhat)
{
    std::fprintf(stderr, "test desktop: %s failed (error %lu)\n", pszWhat, ::GetLastError());
    return 1;
}
} // namespace

bool CTestDesktop::IsOwnDesktop()
{
    return _wcsicmp(ObjectName(::GetThreadDesktop(::GetCurrentThreadId())).c_str(), L"Default") != 0;
}

int CTestDesktop::RunOnOwnDesktop()
{
    wchar_t szDesktop[64];
    std::swprintf(szDesktop, 64, L"tests-%lu", ::GetCurrentProcessId());
    HDESK hDesktop = ::CreateDesktopW(szDesktop, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (!hDesktop)
        return Fail("creating the desktop");
    // Under Wine a new process takes the desktop of the thread that starts
    // it for all its threads; the startup field alone covers only its first.
    if (!::SetThreadDesktop(hDesktop))
        return Fail("entering the desktop");

    // Ending the job ends everything started inside it, the desktop's window
    // process included: nothing outlives the run holding the caller's pipes,
    // not even when this process is killed for a time-out.
    HANDLE hJob = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!hJob || !::SetInformationJobObject(hJob, JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
        return Fail("creating the job");

    wchar_t szExe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring commandLine = ::GetCommandLineW();
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.lpDesktop = szDesktop;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(szExe, &commandLine[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr, &si, &pi))
        return Fail("starting the tests");
    if (!::AssignProcessToJobObject(hJob, pi.hProcess))
    {
        ::TerminateProcess(pi.hProcess, 1);
        return Fail("joining the job");
    }
    ::ResumeThread(pi.hThread);
    DWORD dwExitCode = 1;
    if (::WaitForSingleObject(pi.hProcess, INFINITE) != WAIT_OBJECT_0)
        return Fail("waiting for the tests");
    if (!::GetExitCodeProcess(pi.hProcess, &dwExitCode))
        return Fail("reading the exit code of the tests");
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    // A process that ends before the tests could say anything (a crash at
    // start, say) leaves nothing else behind: name its exit code.
    if (dwExitCode != 0)
        std::fprintf(stderr, "test desktop: the tests ended with exit code %lu (0x%08lx)\n", dwExitCode, dwExitCode);

    // A program a test started and never saw end is a fault of that test.
    const std::vector<std::wstring> left = LeftRunning(hJob);
    for (const std::wstring& image : left)
        std::fprintf(stderr, "test desktop: still running after the tests: %ls\n", image.c_str());
    ::CloseHandle(hJob);
    ::CloseDesktop(hDesktop);
    if (!left.empty() && dwExitCode == 0)
        dwExitCode = 1;
    return static_cast<int>(dwExitCode);
}
