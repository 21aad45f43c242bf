// Mix-in of objects that watch the messages of a window they do not own:
// the hook manager asks every hookable of a window before its procedure runs.
#pragma once
#include "Framework.h"

// Answers of HandleHookedMessage.
enum
{
    ZMR_HOOK_NOTHANDLED = 0,   // ask the next hookable
    ZMR_HOOK_HANDLED = 1,      // the result goes back to the system; nobody else is asked
    ZMR_HOOK_STOP = 2,         // ask no other hookable, but let the window's procedure run
};

class CZMRHookManagerHookAble
{
public:
    CZMRHookManagerHookAble() : m_pAutoDelete(nullptr) {}
    virtual ~CZMRHookManagerHookAble() {}

    // wParam and lParam may be changed for the hookables asked later and the
    // window's procedure; lResult is what a handled message returns.
    virtual int HandleHookedMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) = 0;

    // Set (to anything non-null): the hook manager deletes the hookable when
    // it takes it off a window.
    void* m_pAutoDelete;
};
