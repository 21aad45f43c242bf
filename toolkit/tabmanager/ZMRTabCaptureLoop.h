// The message intake shared by the tab strip's capture loops (press,
// reorder, navigate-button repeat).
#pragma once
#include "Framework.h"

// Takes the next message; false when the loop must end: on WM_QUIT, which is
// posted again for the outer loop, or when GetMessage fails.
inline bool TakeTabLoopMessage(MSG& msg)
{
    const BOOL bResult = ::GetMessageW(&msg, nullptr, 0, 0);
    if (bResult == 0)
    {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return bResult != -1;
}

// What a capture loop does with a message it took.
enum ZMRTabLoopStep
{
    tabLoopCancel,    // the capture went elsewhere (the message was dispatched), cancel mode, right button, Escape
    tabLoopRelease,   // the left button came up
    tabLoopMove,      // the pointer moved
    tabLoopDrop,      // another key: dropped
    tabLoopOther      // dispatched here
};

inline ZMRTabLoopStep SortTabLoopMessage(const MSG& msg, HWND hWnd)
{
    if (::GetCapture() != hWnd)
    {
        ::DispatchMessageW(&msg);
        return tabLoopCancel;
    }
    switch (msg.message)
    {
    case WM_CANCELMODE:
    case WM_RBUTTONDOWN:
        return tabLoopCancel;
    case WM_KEYDOWN:
        return msg.wParam == VK_ESCAPE ? tabLoopCancel : tabLoopDrop;
    case WM_LBUTTONUP:
        return tabLoopRelease;
    case WM_MOUSEMOVE:
        return tabLoopMove;
    default:
        ::DispatchMessageW(&msg);
        return tabLoopOther;
    }
}

inline CPoint TabLoopPoint(const MSG& msg)
{
    return CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
}
