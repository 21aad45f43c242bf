#include "toolkit/ProcessLocal.h"
#include <gtest/gtest.h>
#include <process.h>

namespace
{
LONG g_nCreated = 0;

class CSlowObject : public CNoTrackObject
{
public:
    CSlowObject()
    {
        ::InterlockedIncrement(&g_nCreated);
        ::Sleep(20);   // widens the window in which a second thread could race
    }
};

CProcessLocal<CSlowObject> g_slowObject;

unsigned __stdcall AskForObject(void* pResult)
{
    *static_cast<CSlowObject**>(pResult) = g_slowObject.GetData();
    return 0;
}
}

TEST(ProcessLocal, ThreadsAskingAtOnceShareOneObject)
{
    CSlowObject* results[4] = {};
    HANDLE threads[4];
    for (int i = 0; i < 4; i++)
        threads[i] = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, AskForObject, &results[i], 0, nullptr));
    ::WaitForMultipleObjects(4, threads, TRUE, INFINITE);
    for (HANDLE h : threads)
        ::CloseHandle(h);

    EXPECT_EQ(1, g_nCreated);
    for (CSlowObject* p : results)
        EXPECT_EQ(results[0], p);
    EXPECT_EQ(results[0], g_slowObject.GetData());
}

TEST(ProcessLocal, DestroysItsObjectWithTheHolder)
{
    static bool s_bDestroyed;
    struct CTracked : CNoTrackObject
    {
        ~CTracked() override { s_bDestroyed = true; }
    };
    s_bDestroyed = false;
    {
        CProcessLocal<CTracked> holder;
        ASSERT_NE(nullptr, holder.GetData());
    }
    EXPECT_TRUE(s_bDestroyed);
}
