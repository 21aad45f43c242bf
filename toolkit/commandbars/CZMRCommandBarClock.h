// The one clock of the command bars: the tick count their animations pace
// themselves by and the pause between animation steps. Tests put a clock of
// their own in place so that nothing waits and every step can be looked at,
// and shorten the bars' class-wide delays.
#pragma once
#include "Framework.h"

class CZMRCommandBarClock
{
public:
    virtual ~CZMRCommandBarClock() = default;

    // Milliseconds since the system started.
    virtual DWORD GetTickCount();
    // Blocks the calling thread for that many milliseconds.
    virtual void Sleep(DWORD dwMilliseconds);

    // The clock in force: the system's unless another was put in place.
    static CZMRCommandBarClock* Get();
    // Puts a clock in place (null: the system's again); the caller keeps it.
    static void Set(CZMRCommandBarClock* pClock);

    // Class-wide delays of the bars, in milliseconds: a control made hot by
    // the mouse reacts to the hover (300), an open popup expands its rarely
    // used controls (5000). Tests shorten them.
    static UINT GetHoverDelay() { return s_nHoverDelay; }
    static void SetHoverDelay(UINT nDelay) { s_nHoverDelay = nDelay; }
    static UINT GetExpandDelay() { return s_nExpandDelay; }
    static void SetExpandDelay(UINT nDelay) { s_nExpandDelay = nDelay; }
    // A popup's expand button under the mouse expands the popup (900).
    static UINT GetExpandButtonDelay() { return s_nExpandButtonDelay; }
    static void SetExpandButtonDelay(UINT nDelay) { s_nExpandButtonDelay = nDelay; }

private:
    static UINT s_nHoverDelay;
    static UINT s_nExpandDelay;
    static UINT s_nExpandButtonDelay;
};
