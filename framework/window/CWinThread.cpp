#include "window/CWinThread.h"
#include "window/CWinApp.h"
#include "window/CWnd.h"
#include "window/AfxThreadState.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_hThread(nullptr), m_nThreadID(0), m_msgCur()
{
}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    HWND hWndStop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    (void)lCount;
    if (AfxGetThreadState()->m_nLoopDepth <= 1)
        AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (::GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;   // WM_QUIT (or a broken queue)
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    struct Depth
    {
        Depth() { ++AfxGetThreadState()->m_nLoopDepth; }
        ~Depth() { --AfxGetThreadState()->m_nLoopDepth; }
    } depth;
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG msg;
        while (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                break;
        }
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            ::WaitMessage();
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            lIdleCount = 0;
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
        OnIdle(lIdleCount++);
    }
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

CWinThread* AFXAPI AfxGetThread()
{
    // Threads of their own are made with CreateThread; the application
    // object stands for the main thread.
    return AfxGetApp();
}
