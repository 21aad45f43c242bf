// The outer message loop of tests that press the mouse on a strip and play
// a script inside the capture loop the press starts.
#pragma once
#include <windows.h>
#include <functional>

// Pumps this thread's messages while more() holds, for at most 5 s. The exit
// code of a WM_QUIT that came out (the pumping stops there), or -1.
inline int PumpWhileScripted(const std::function<bool()>& more)
{
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 5000 && more())
    {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                return (int)msg.wParam;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return -1;
}
