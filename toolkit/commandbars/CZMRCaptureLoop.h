// The message fetch of the toolkit's capture loops (docking drags, tear-off,
// gallery resizing): paint messages are dispatched first so that windows keep
// drawing, and a quit message is posted again so that the application still
// ends after the loop.
#pragma once
#include "Framework.h"

// The next message for the loop; false when a quit message came (it is
// posted again and the loop must end).
inline BOOL GetCaptureLoopMessage(MSG& msg)
{
    // WM_QUIT passes every filter, so it may come with the paints too.
    BOOL bQuit = FALSE;
    while (!bQuit && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            bQuit = TRUE;
        else
            ::DispatchMessageW(&msg);
    }
    if (bQuit || !::GetMessageW(&msg, nullptr, 0, 0) || msg.message == WM_QUIT)
    {
        ::PostQuitMessage(int(msg.wParam));
        return FALSE;
    }
    return TRUE;
}
