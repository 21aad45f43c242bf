// The watchdog names a hung test, prints where its threads stand and fails
// the run, instead of leaving ctest to kill a silent process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
// Runs this program again with the given arguments and environment setting,
// and returns what it printed; its exit code goes to dwExitCode.
std::string RunSelf(const std::wstring& arguments, const wchar_t* pszVariable, const wchar_t* pszValue,
                    DWORD& dwExitCode)
{
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &inherit, 0))
        return "(no pipe)";
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

    wchar_t szExe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(szExe) + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    PROCESS_INFORMATION pi = {};
    ::SetEnvironmentVariableW(pszVariable, pszValue);
    const BOOL started =
        ::CreateProcessW(szExe, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableW(pszVariable, nullptr);
    ::CloseHandle(hWrite);
    std::string output;
    if (!started)
    {
        ::CloseHandle(hRead);
        return "(not started)";
    }
    char buffer[4096];
    DWORD cb = 0;
    while (::ReadFile(hRead, buffer, sizeof(buffer), &cb, nullptr) && cb > 0)
        output.append(buffer, cb);
    ::CloseHandle(hRead);
    if (::WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 99);
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return output;
}
} // namespace

// Never ends; run only in the child process of the test below.
TEST(WatchdogTarget, DISABLED_HangsForever)
{
    ::Sleep(INFINITE);
}

TEST(Watchdog, NamesAHungTestPrintsTheThreadsStacksAndFailsTheRun)
{
    DWORD dwExitCode = 0;
    const std::string output =
        RunSelf(L"--gtest_filter=WatchdogTarget.DISABLED_HangsForever --gtest_also_run_disabled_tests",
                L"TEST_WATCHDOG_SECONDS", L"2", dwExitCode);
    EXPECT_EQ(3u, dwExitCode) << output;
    EXPECT_NE(std::string::npos, output.find("test watchdog: WatchdogTarget.DISABLED_HangsForever has run for "))
        << output;
    // The hung thread's stack reaches down into this program's own code.
    EXPECT_NE(std::string::npos, output.find("test_main_tests.exe+0x")) << output;
    EXPECT_NE(std::string::npos, output.find("test watchdog: ending the tests")) << output;
}

TEST(Watchdog, LeavesTestsThatEndInTimeAlone)
{
    DWORD dwExitCode = 99;
    const std::string output =
        RunSelf(L"--gtest_filter=WatchdogTarget.DISABLED_Quick* --gtest_also_run_disabled_tests",
                L"TEST_WATCHDOG_SECONDS", L"2", dwExitCode);
    EXPECT_EQ(0u, dwExitCode) << output;
    EXPECT_EQ(std::string::npos, output.find("test watchdog")) << output;
}

// Three short tests whose total outlasts the limit: the limit is per test.
TEST(WatchdogTarget, DISABLED_Quick1)
{
    ::Sleep(900);
}
TEST(WatchdogTarget, DISABLED_Quick2)
{
    ::Sleep(900);
}
TEST(WatchdogTarget, DISABLED_Quick3)
{
    ::Sleep(900);
}
