// The test watchdog: a thread that looks at the running test once a second.
#include "CTestWatchdog.h"

#include <windows.h>
#include <tlhelp32.h>
#include <dbghelp.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
const DWORD kDefaultLimitSeconds = 150; // below ctest's 300 s, above any test
const int kMaxFrames = 48;

CRITICAL_SECTION g_lock;
std::string g_running;   // the test now running, empty between tests
ULONGLONG g_startedAt = 0;

// The return addresses of a suspended thread, from its context and the
// unwind tables; nothing here allocates, since the thread may hold the heap.
int WalkStack(CONTEXT context, DWORD64* pFrames)
{
    int count = 0;
    while (count < kMaxFrames && context.Rip != 0)
    {
        pFrames[count++] = context.Rip;
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION pFunction = ::RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
        if (!pFunction)
        {
            // A leaf function: the return address is on top of the stack.
            if (context.Rsp == 0 || ::IsBadReadPtr(reinterpret_cast<void*>(context.Rsp), 8))
                break;
            context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
            context.Rsp += 8;
            continue;
        }
        void* pHandlerData = nullptr;
        DWORD64 establisherFrame = 0;
        ::RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, pFunction, &context, &pHandlerData,
                           &establisherFrame, nullptr);
    }
    return count;
}

// The function and line at an address, when the debug information of its
// module can be read; bound at run time, so no test program links dbghelp.
std::string SymbolAt(DWORD64 address)
{
    using SymInitializeFn = BOOL(WINAPI*)(HANDLE, PCSTR, BOOL);
    using SymFromAddrFn = BOOL(WINAPI*)(HANDLE, DWORD64, PDWORD64, PSYMBOL_INFO);
    using SymGetLineFromAddr64Fn = BOOL(WINAPI*)(HANDLE, DWORD64, PDWORD, PIMAGEHLP_LINE64);
    static HMODULE hDbgHelp = ::LoadLibraryW(L"dbghelp.dll");
    if (!hDbgHelp)
        return std::string();
    static const bool initialised = [] {
        auto pfnInit = reinterpret_cast<SymInitializeFn>(::GetProcAddress(hDbgHelp, "SymInitialize"));
        return pfnInit && pfnInit(::GetCurrentProcess(), nullptr, TRUE);
    }();
    auto pfnFromAddr = reinterpret_cast<SymFromAddrFn>(::GetProcAddress(hDbgHelp, "SymFromAddr"));
    auto pfnLine = reinterpret_cast<SymGetLineFromAddr64Fn>(::GetProcAddress(hDbgHelp, "SymGetLineFromAddr64"));
    if (!initialised || !pfnFromAddr)
        return std::string();
    struct
    {
        SYMBOL_INFO info;
        char name[512];
    } symbol = {};
    symbol.info.SizeOfStruct = sizeof(SYMBOL_INFO);
    symbol.info.MaxNameLen = sizeof(symbol.name);
    DWORD64 displacement = 0;
    if (!pfnFromAddr(::GetCurrentProcess(), address, &displacement, &symbol.info))
        return std::string();
    std::string text = std::string(" ") + symbol.info.Name;
    IMAGEHLP_LINE64 line = {};
    line.SizeOfStruct = sizeof(line);
    DWORD lineDisplacement = 0;
    // A return address points after its call: look up the call's own line.
    if (pfnLine && pfnLine(::GetCurrentProcess(), address - 1, &lineDisplacement, &line) && line.FileName)
        text += std::string(" ") + line.FileName + ":" + std::to_string(line.LineNumber);
    return text;
}

// The address and "module+0xoffset", and the function and line when they can
// be read here (the system's exports can; our programs' lines come from
// x86_64-w64-mingw32-addr2line -f -C -i -e bin/<program> <address>).
std::string DescribeAddress(DWORD64 address)
{
    HMODULE hModule = nullptr;
    char szModule[MAX_PATH] = "?";
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCSTR>(address), &hModule))
        ::GetModuleFileNameA(hModule, szModule, MAX_PATH);
    const char* pszName = std::strrchr(szModule, '\\');
    char szLine[MAX_PATH + 64];
    std::snprintf(szLine, sizeof(szLine), "0x%llx %s+0x%llx", static_cast<unsigned long long>(address),
                  pszName ? pszName + 1 : szModule,
                  static_cast<unsigned long long>(address - reinterpret_cast<DWORD64>(hModule)));
    return szLine + SymbolAt(address);
}

DWORD LimitSeconds()
{
    const char* pszLimit = std::getenv("TEST_WATCHDOG_SECONDS");
    return pszLimit ? static_cast<DWORD>(std::strtoul(pszLimit, nullptr, 10)) : kDefaultLimitSeconds;
}

DWORD WINAPI Watch(void* pLimit)
{
    const ULONGLONG limitMs = static_cast<ULONGLONG>(reinterpret_cast<ULONG_PTR>(pLimit)) * 1000;
    for (;;)
    {
        ::Sleep(1000);
        ::EnterCriticalSection(&g_lock);
        const std::string running = g_running;
        const ULONGLONG elapsed = running.empty() ? 0 : ::GetTickCount64() - g_startedAt;
        ::LeaveCriticalSection(&g_lock);
        if (elapsed < limitMs)
            continue;
        std::fprintf(stderr, "test watchdog: %s has run for %llu s; the threads' stacks follow\n", running.c_str(),
                     elapsed / 1000);
        std::fflush(stderr);
        CTestWatchdog::PrintThreadStacks();
        std::fprintf(stderr, "test watchdog: ending the tests\n");
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }
}
} // namespace

void CTestWatchdog::Install()
{
    const DWORD limit = LimitSeconds();
    if (limit == 0)
        return;
    ::InitializeCriticalSection(&g_lock);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CTestWatchdog);
    HANDLE hThread = ::CreateThread(nullptr, 0, Watch, reinterpret_cast<void*>(static_cast<ULONG_PTR>(limit)), 0,
                                    nullptr);
    if (hThread)
        ::CloseHandle(hThread);
}

void CTestWatchdog::OnTestStart(const ::testing::TestInfo& info)
{
    ::EnterCriticalSection(&g_lock);
    g_running = std::string(info.test_suite_name()) + "." + info.name();
    g_startedAt = ::GetTickCount64();
    ::LeaveCriticalSection(&g_lock);
}

void CTestWatchdog::OnTestEnd(const ::testing::TestInfo&)
{
    ::EnterCriticalSection(&g_lock);
    g_running.clear();
    ::LeaveCriticalSection(&g_lock);
}

void CTestWatchdog::PrintThreadStacks()
{
    std::vector<DWORD> threads;
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (hSnapshot != INVALID_HANDLE_VALUE)
    {
        THREADENTRY32 entry = {};
        entry.dwSize = sizeof(entry);
        for (BOOL more = ::Thread32First(hSnapshot, &entry); more; more = ::Thread32Next(hSnapshot, &entry))
        {
            if (entry.th32OwnerProcessID == ::GetCurrentProcessId() && entry.th32ThreadID != ::GetCurrentThreadId())
                threads.push_back(entry.th32ThreadID);
        }
        ::CloseHandle(hSnapshot);
    }
    for (DWORD threadId : threads)
    {
        HANDLE hThread = ::OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT | THREAD_QUERY_INFORMATION, FALSE,
                                      threadId);
        if (!hThread)
            continue;
        DWORD64 frames[kMaxFrames];
        int count = 0;
        if (::SuspendThread(hThread) != static_cast<DWORD>(-1))
        {
            CONTEXT context = {};
            context.ContextFlags = CONTEXT_FULL;
            if (::GetThreadContext(hThread, &context))
                count = WalkStack(context, frames);
            ::ResumeThread(hThread);
        }
        ::CloseHandle(hThread);
        std::fprintf(stderr, "thread %lu:\n", threadId);
        for (int i = 0; i < count; i++)
            std::fprintf(stderr, "  #%d %s\n", i, DescribeAddress(frames[i]).c_str());
        std::fflush(stderr);
    }
}
