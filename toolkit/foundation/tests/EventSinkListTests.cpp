#include "CZMREventSinkList.h"
#include <gtest/gtest.h>
#include <process.h>
#include <functional>
#include <vector>

namespace
{
// The host's side, which the toolkit leaves to whoever subscribes: connecting
// and disconnecting sinks.
class CTestSinkList : public CZMREventSinkList
{
public:
    ~CTestSinkList() override
    {
        for (INT_PTR i = 0; i < m_arrConnections.GetSize(); i++)
            delete m_arrConnections[i];
    }
    DWORD Connect(DWORD dwEventId, CZMREventSink* pSink)
    {
        CSingleLock lock(GetSyncObject(), TRUE);
        ZMR_EVENT_CONNECTION* pConnection = new ZMR_EVENT_CONNECTION{dwEventId, pSink, ++m_dwLastCookie};
        m_arrConnections.Add(pConnection);
        return pConnection->dwCookie;
    }
    void Disconnect(DWORD dwCookie)
    {
        CSingleLock lock(GetSyncObject(), TRUE);
        int nIndex = FindConnection(dwCookie);
        if (nIndex >= 0)
        {
            delete m_arrConnections[nIndex];
            m_arrConnections[nIndex] = nullptr;
        }
    }
    void OnFinalRelease() override {}   // the tests own the list on the stack
    // Another thread can take the lock (the owner's thread always could).
    bool IsLockFree()
    {
        HANDLE hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, TakeLock, GetSyncObject(), 0, nullptr));
        bool bFree = ::WaitForSingleObject(hThread, 5000) == WAIT_OBJECT_0;
        ::CloseHandle(hThread);
        return bFree;
    }
    static unsigned __stdcall TakeLock(void* pObject)
    {
        CSingleLock lock(static_cast<CSyncObject*>(pObject), TRUE);
        return 0;
    }

private:
    DWORD m_dwLastCookie = 0;
};

class CTestSink : public CZMREventSink
{
public:
    explicit CTestSink(std::function<void(DWORD)> onEvent = nullptr) : m_onEvent(onEvent) {}
    void OnEvent(DWORD dwEventId, WPARAM wParam, LPARAM, DWORD) override
    {
        m_events.push_back(dwEventId);
        m_lastParam = wParam;
        if (m_onEvent)
            m_onEvent(dwEventId);
    }
    std::vector<DWORD> m_events;
    WPARAM m_lastParam = 0;
    std::function<void(DWORD)> m_onEvent;
};
}

TEST(EventSinkList, DeliversToTheSinksOfTheEventOnly)
{
    CTestSinkList list;
    CTestSink a, b;
    EXPECT_FALSE(list.SendEvent(10575)) << "no connection yet";
    list.Connect(10575, &a);
    list.Connect(42, &b);
    EXPECT_TRUE(list.SendEvent(10575, 7));
    EXPECT_EQ(std::vector<DWORD>{10575}, a.m_events);
    EXPECT_EQ(WPARAM(7), a.m_lastParam);
    EXPECT_TRUE(b.m_events.empty());
    EXPECT_FALSE(list.SendEvent(99));
    EXPECT_EQ(1, list.GetRefCount()) << "the delivery's own reference is released";
}

TEST(EventSinkList, ThrowingSinkDoesNotStopTheOthers)
{
    CTestSinkList list;
    CTestSink thrower([](DWORD) { throw 1; });
    CTestSink framework([](DWORD) { AfxThrowNotSupportedException(); });
    CTestSink after;
    list.Connect(1, &thrower);
    list.Connect(1, &framework);
    list.Connect(1, &after);
    EXPECT_TRUE(list.SendEvent(1));
    EXPECT_EQ(1u, after.m_events.size());
    EXPECT_TRUE(list.IsLockFree());
}

TEST(EventSinkList, SinkDisconnectedDuringDeliveryIsNotCalled)
{
    CTestSinkList list;
    CTestSink second;
    DWORD dwSecond = 0;
    CTestSink first([&](DWORD) { list.Disconnect(dwSecond); });
    CTestSink late;
    CTestSink connector([&](DWORD) { list.Connect(5, &late); });
    list.Connect(5, &first);
    dwSecond = list.Connect(5, &second);
    list.Connect(5, &connector);
    EXPECT_TRUE(list.SendEvent(5));
    EXPECT_EQ(1u, first.m_events.size());
    EXPECT_TRUE(second.m_events.empty());
    EXPECT_TRUE(late.m_events.empty()) << "a sink connected during the delivery waits for the next one";
    EXPECT_TRUE(list.IsLockFree());
    EXPECT_EQ(-1, list.FindConnection(dwSecond));
}

TEST(EventSinkList, NestedDeliveryCompletesBeforeTheOuterContinues)
{
    CTestSinkList list;
    std::vector<int> order;
    CTestSink inner([&](DWORD) { order.push_back(2); });
    CTestSink outerFirst([&](DWORD) {
        order.push_back(1);
        list.SendEvent(2);
        order.push_back(3);
    });
    CTestSink outerSecond([&](DWORD) { order.push_back(4); });
    list.Connect(1, &outerFirst);
    list.Connect(2, &inner);
    list.Connect(1, &outerSecond);
    EXPECT_TRUE(list.SendEvent(1));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), order);
}

namespace
{
struct SenderArgs
{
    CTestSinkList* pList;
    HANDLE hStart;
    DWORD dwEventId;
    int nSends;
};

unsigned __stdcall Sender(void* pParam)
{
    SenderArgs* pArgs = static_cast<SenderArgs*>(pParam);
    ::WaitForSingleObject(pArgs->hStart, INFINITE);
    for (int i = 0; i < pArgs->nSends; i++)
        pArgs->pList->SendEvent(pArgs->dwEventId, WPARAM(pArgs->dwEventId));
    return 0;
}
}

TEST(EventSinkList, ThreadsSendingAtOnceEachDeliverTheirOwnEvent)
{
    CTestSinkList list;
    LONG nWrong = 0, nCalls = 0;
    struct CCheckingSink : CZMREventSink
    {
        LONG* pWrong;
        LONG* pCalls;
        void OnEvent(DWORD dwEventId, WPARAM wParam, LPARAM, DWORD) override
        {
            ::InterlockedIncrement(pCalls);
            if (WPARAM(dwEventId) != wParam)
                ::InterlockedIncrement(pWrong);
            ::Sleep(0);   // let the other sender run in the middle of a delivery
        }
    };
    std::vector<CCheckingSink> sinks(8);
    for (size_t i = 0; i < sinks.size(); i++)
    {
        sinks[i].pWrong = &nWrong;
        sinks[i].pCalls = &nCalls;
        list.Connect(i % 2 ? 100 : 200, &sinks[i]);
    }
    HANDLE hStart = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SenderArgs args[2] = {{&list, hStart, 100, 300}, {&list, hStart, 200, 300}};
    HANDLE threads[2];
    for (int i = 0; i < 2; i++)
        threads[i] = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Sender, &args[i], 0, nullptr));
    ::SetEvent(hStart);
    ::WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (HANDLE h : threads)
        ::CloseHandle(h);
    ::CloseHandle(hStart);

    EXPECT_EQ(0, nWrong) << "a sink got another delivery's event";
    EXPECT_EQ(2 * 300 * 4, nCalls) << "every sink of each event is called once per send";
    EXPECT_TRUE(list.IsLockFree());
}
