// CMDIActiveChildScope: for its lifetime an MDI frame answers MDIGetActive
// with the child that was active when the scope began, so that a pass over
// many commands (the command-state update of a bar's controls) routes through
// that child without asking the MDI client once per command. Nothing in such
// a pass activates another child; a held child that is destroyed during it
// is no longer handed out. A window that is not an MDI frame is left alone.
#pragma once

#include "window/CMDIFrameWnd.h"

class CMDIActiveChildScope
{
public:
    explicit CMDIActiveChildScope(CWnd* pWnd);
    ~CMDIActiveChildScope();
    CMDIActiveChildScope(const CMDIActiveChildScope&) = delete;
    CMDIActiveChildScope& operator=(const CMDIActiveChildScope&) = delete;

    // True while a scope of this thread holds the frame's child: the child's
    // window (null for none) and whether it is maximized.
    static bool GetHeld(const CMDIFrameWnd* pFrame, HWND* phWndChild, BOOL* pbMaximized);

private:
    bool m_bHolds;
};
