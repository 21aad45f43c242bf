// CWinThread: a thread with a message loop. The application object is the
// program's main thread; m_pMainWnd is the window whose end ends the loop.
#pragma once

#include "window/CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd;
    HANDLE m_hThread;
    DWORD m_nThreadID;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns the value of ExitInstance.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle-time work, called with a count that starts at 0 each time the
    // queue runs empty: count 0 sends WM_IDLEUPDATECMDUI to the main window,
    // the active window and their framework descendants; count 1 frees the
    // temporary objects. TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    // Whether a message ends idle time: repeated mouse moves to the same
    // point and the periodic painting messages do not.
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // One message: FALSE when it was WM_QUIT.
    virtual BOOL PumpMessage();
    virtual CWnd* GetMainWnd();

protected:
    MSG m_msgCur;
    POINT m_ptCursorLast;
    UINT m_nMsgLast;
};

// Ends a message loop from inside another one: an inner loop that takes
// WM_QUIT off the queue posts it again with its exit code for the outer loop.
void AFXAPI AfxPostQuitMessage(int nExitCode);

CWinThread* AFXAPI AfxGetThread();

// The pre-translation of the calling thread's message loop (tooltips,
// accelerators, dialog keys) for loops of other code: the thread object's
// when there is one, else every framework window from the message's window up.
BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
