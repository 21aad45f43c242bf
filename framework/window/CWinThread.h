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
    // Idle-time work (freeing temporary objects); TRUE asks for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    // One message: FALSE when it was WM_QUIT.
    virtual BOOL PumpMessage();
    virtual CWnd* GetMainWnd();

protected:
    MSG m_msgCur;
};

CWinThread* AFXAPI AfxGetThread();
