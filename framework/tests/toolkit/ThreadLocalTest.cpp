// Per-thread holders: one object per thread, made on first use, gone with
// the thread; the holder takes what is left with it.
#include "toolkit/ThreadLocal.h"
#include <gtest/gtest.h>

namespace
{
LONG g_nAlive = 0;

class CCounted : public CNoTrackObject
{
public:
    CCounted() { ::InterlockedIncrement(&g_nAlive); }
    ~CCounted() override { ::InterlockedDecrement(&g_nAlive); }
    DWORD m_dwThread = ::GetCurrentThreadId();
};

CThreadLocal<CCounted> g_counted;

struct ThreadResult
{
    CCounted* pFirst = nullptr;
    CCounted* pSecond = nullptr;
    CCounted* pBefore = reinterpret_cast<CCounted*>(1);
};

DWORD WINAPI AskTwice(LPVOID pParam)
{
    auto* pResult = static_cast<ThreadResult*>(pParam);
    pResult->pBefore = g_counted.GetDataNA();
    pResult->pFirst = g_counted.GetData();
    pResult->pSecond = g_counted.GetData();
    return 0;
}
} // namespace

TEST(ThreadLocal, EachThreadHasItsOwnObjectUntilItEnds)
{
    CCounted* pMain = g_counted.GetData();
    ASSERT_NE(nullptr, pMain);
    EXPECT_EQ(::GetCurrentThreadId(), pMain->m_dwThread);
    LONG nAliveBefore = g_nAlive;

    ThreadResult result;
    HANDLE hThread = ::CreateThread(nullptr, 0, AskTwice, &result, 0, nullptr);
    ASSERT_NE(nullptr, hThread);
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);

    EXPECT_EQ(nullptr, result.pBefore);   // asking without creating makes nothing
    EXPECT_NE(nullptr, result.pFirst);
    EXPECT_EQ(result.pFirst, result.pSecond);
    EXPECT_NE(pMain, result.pFirst);
    // The thread's object went with the thread; this thread's stays.
    EXPECT_EQ(nAliveBefore, g_nAlive);
    EXPECT_EQ(pMain, g_counted.GetData());
}

TEST(ThreadLocal, HolderDeletesTheObjectsLeftWithIt)
{
    LONG nAliveBefore = g_nAlive;
    {
        CThreadLocal<CCounted> holder;
        EXPECT_NE(nullptr, holder.GetData());
        EXPECT_EQ(nAliveBefore + 1, g_nAlive);
    }
    EXPECT_EQ(nAliveBefore, g_nAlive);
    // A new holder starts without objects for this thread.
    CThreadLocal<CCounted> holder;
    EXPECT_EQ(nullptr, holder.GetDataNA());
}
