#include "window/CWinThread.h"
#include "window/CWinApp.h"
#include "window/CWnd.h"
#include "window/AfxThreadState.h"
#include "window/FrameDefs.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_hThread(nullptr), m_nThreadID(0), m_msgCur(), m_ptCursorLast{ -1, -1 },
      m_nMsgLast(0)
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
    if (lCount <= 0)
    {
        // The command states of every framework window of the main window and
        // of the active window, the windows themselves included.
        HWND hWndMain = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
        HWND hWndActive = ::GetActiveWindow();
        for (HWND hWnd : { hWndMain, hWndActive == hWndMain ? nullptr : hWndActive })
        {
            if (hWnd == nullptr || !::IsWindowVisible(hWnd))
                continue;
            if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
                AfxCallWndProc(pWnd, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            if (::IsWindow(hWnd))
                CWnd::SendMessageToDescendants(hWnd, WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    }
    else if (AfxGetThreadState()->m_nLoopDepth <= 1)
    {
        // An inner loop runs inside a handler that may still hold temporary objects.
        AfxDeleteTempMaps();
    }
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pMsg->message == m_nMsgLast && pMsg->pt.x == m_ptCursorLast.x && pMsg->pt.y == m_ptCursorLast.y)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    // 0x0118: the system's caret-blink timer.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
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
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG msg;
        // Idle work while the queue is empty, until it wants no more calls.
        while (bIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        // Then messages (waiting for them) until the queue is empty again.
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
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

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}
