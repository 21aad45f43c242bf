// A thread's framework state goes with its thread, whole: the state's end
// deletes the thread's tooltip and temporary objects while the values the
// thread left in it are still there. The same cases also run with the heap's
// free checking on (see framework/CMakeLists.txt), where a state destroyed
// from freed storage reads filler instead of its members.
#include "window/AfxThreadState.h"
#include "window/CToolTipCtrl.h"
#include "window/CWnd.h"
#include <gtest/gtest.h>
#include <thread>

namespace
{
struct EndRecord
{
    bool bDeleted = false;
    DWORD dwThread = 0;
    INT_PTR nLastHitSeen = 0;
    bool bTempWindowStillMapped = false;
};

class CRecordingToolTip : public CToolTipCtrl
{
public:
    CRecordingToolTip(EndRecord* pRecord, HWND hWndTemp) : m_pRecord(pRecord), m_hWndTemp(hWndTemp) {}
    ~CRecordingToolTip() override
    {
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        m_pRecord->bDeleted = true;
        m_pRecord->dwThread = ::GetCurrentThreadId();
        m_pRecord->nLastHitSeen = pState->m_nLastHit;
        m_pRecord->bTempWindowStillMapped = pState->m_windows.LookupTemporary(m_hWndTemp) != nullptr;
    }

private:
    EndRecord* m_pRecord;
    HWND m_hWndTemp;
};

DWORD LeaveStateAndEnd(EndRecord* pRecord)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndDesktop = ::GetDesktopWindow();
    CWnd::FromHandle(hWndDesktop);   // a temporary object in the thread's map
    pState->m_nLastHit = 4242;
    pState->m_pToolTip = new CRecordingToolTip(pRecord, hWndDesktop);
    return ::GetCurrentThreadId();
}

DWORD WINAPI SystemThread(LPVOID pParam)
{
    LeaveStateAndEnd(static_cast<EndRecord*>(pParam));
    return 0;
}
} // namespace

TEST(ThreadState, GoesWholeWhenItsThreadEnds)
{
    AFX_THREAD_STATE* pMain = AfxGetThreadState();
    pMain->m_nLastHit = -1;
    for (int nKind = 0; nKind < 2; ++nKind)
    {
        SCOPED_TRACE(nKind == 0 ? "system thread" : "std::thread");
        EndRecord record;
        DWORD dwThread = 0;
        if (nKind == 0)
        {
            HANDLE hThread = ::CreateThread(nullptr, 0, &SystemThread, &record, 0, &dwThread);
            ASSERT_NE(nullptr, hThread);
            ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, INFINITE));
            ::CloseHandle(hThread);
        }
        else
        {
            std::thread worker([&] { dwThread = LeaveStateAndEnd(&record); });
            worker.join();
        }
        EXPECT_TRUE(record.bDeleted);
        EXPECT_EQ(dwThread, record.dwThread);
        EXPECT_EQ(4242, record.nLastHitSeen);
        EXPECT_TRUE(record.bTempWindowStillMapped);
    }
    EXPECT_EQ(pMain, AfxGetThreadState());
    EXPECT_EQ(-1, pMain->m_nLastHit);
}
