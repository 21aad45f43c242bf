// The per-thread object that watches the mouse for the command bars: a mouse
// hook that closes the tracked bars on a click outside them and hot-tracks
// the bars under open popups, the windows whose clicks are trusted, the lock
// counts of bars under a nested popup, and mouse-leave notifications made by
// a timer for windows that do not ask the system for them.
#pragma once
#include "Framework.h"
#include "toolkit/ThreadLocal.h"

class CZMRCommandBar;

class CZMRMouseManager : public CNoTrackObject
{
public:
    // The bars in tracking, in the order they started.
    class CTrackArray : public CArray<CZMRCommandBar*, CZMRCommandBar*>
    {
    public:
        int Find(const CZMRCommandBar* pBar) const;
    };
    // Windows in which a click keeps the tracked bars open.
    class CTrustedArray : public CArray<HWND, HWND>
    {
    public:
        int Find(HWND hWnd) const;
    };

    // The timer that watches the mouse-leave window, and its period.
    enum
    {
        TID_MOUSELEAVE = 113341,
        MOUSELEAVE_PERIOD = 50,
    };

    CZMRMouseManager();
    ~CZMRMouseManager() override;

    // The calling thread's mouse manager, made on its first use.
    static CZMRMouseManager* GetThreadMouseManager();
    // The calling thread's mouse manager when it has one; never makes one.
    static CZMRMouseManager* FindThreadMouseManager();

    // ------------------------------------------------------------ tracked bars

    void AddTracked(CZMRCommandBar* pBar);
    void RemoveTracked(CZMRCommandBar* pBar);
    // Every tracked bar leaves tracking, the first first.
    virtual void CloseAllTracked();
    // When the first tracked bar is locked, the bars that are not leave tracking.
    void CloseUnlockedTracked();
    // Raises (TRUE) or lowers the lock count of every tracked bar.
    void LockTrackedBars(BOOL bLock);
    // Bars ignore hot tracking by mouse while this is true: popups are tracked
    // and the bar is none, locked or not among them.
    BOOL IsMouseLocked(const CZMRCommandBar* pBar) const;
    // The last tracked bar that holds the screen point; none.
    CZMRCommandBar* FindTrackedBarAt(CPoint ptScreen) const;
    // Whether a button press at the cursor lies outside the tracked bars.
    BOOL IsClickOutside(const CZMRCommandBar* pBar, UINT nMessage) const;
    BOOL IsClickOutside(const CZMRCommandBar* pBar, UINT nMessage, CPoint ptScreen) const;

    const CTrackArray& GetTrackedBars() const { return m_arrTracked; }
    BOOL IsTrackedBar(const CZMRCommandBar* pBar) const { return m_arrTracked.Find(pBar) >= 0; }
    int GetTrackedCount() const { return int(m_arrTracked.GetSize()); }
    CZMRCommandBar* GetTrackedAt(int nIndex) const { return m_arrTracked[nIndex]; }
    // The most recently tracked bar; none.
    CZMRCommandBar* GetLastTracked() const;

    // ------------------------------------------------------------ trusted windows

    void AddTrustedWindow(HWND hWnd);
    void RemoveTrustedWindow(HWND hWnd);

    // ------------------------------------------------------------ mouse leave

    // Watches the window for the mouse leaving it; the window watched before
    // learns at once that the mouse left it.
    void TrackMouseLeave(HWND hWnd);
    HWND GetMouseLeaveWindow() const { return m_hWndMouseLeave; }
    // One look at the watched window (the timer's work).
    void OnMouseLeaveTimer(HWND hWnd);
    // True when the foreground window is the last active popup of the
    // window's top-level owner.
    static BOOL IsOwnerWindowActive(HWND hWnd);

    // ------------------------------------------------------------ the hook

    // The work of the mouse hook on its own arguments, apart from the hook
    // chain. TRUE: the message is swallowed.
    BOOL OnMouseHook(int nCode, WPARAM wParam, LPARAM lParam);
    // A mouse message seen while bars are tracked.
    void OnHookedMouseEvent(UINT nMessage, CPoint ptScreen);
    // Hands a mouse message outside the tracked bars to them.
    void HandleTrackedMouseEvent(UINT nMessage, CPoint ptScreen);
    // Forgets the last mouse position and makes the system send a fresh move.
    void ResetLastMousePoint();
    CPoint GetLastMousePoint() const { return m_ptLastMouse; }

    // ------------------------------------------------------------ values their users keep

    // Bar controls that hold the keyboard focus (edits and combo boxes raise
    // and lower it); bars ignore mouse moves while it is positive.
    int m_nFocusCount;
    // The bar that last made a control hot with the mouse.
    CZMRCommandBar* m_pHotBar;
    // Later popups open expanded; cleared when no bar is tracked any more.
    BOOL m_bMenusExpanded;
    // The next left button release reaches nobody (set with the switch above
    // when a click expands a collapsed menu).
    BOOL m_bSwallowNextButtonUp;

protected:
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIDEvent, DWORD dwTime);
    // A visible trusted window holds the point, or the window under it is of
    // an input-method class.
    BOOL IsTrustedPoint(CPoint ptScreen, HWND hWndUnder) const;
    // 1 when the bar holds the point, -2 when it asks to be skipped, else 0.
    static int HitTrackedBar(CZMRCommandBar* pBar, CPoint ptScreen, HWND hWndUnder);
    static BOOL IsLocked(const CZMRCommandBar* pBar);
    // Lets a bar leave tracking and makes sure it is off the list.
    void LeaveTracking(CZMRCommandBar* pBar);

    CTrackArray m_arrTracked;
    HHOOK m_hHookMouse;
    HWND m_hWndMouseLeave;
    CTrustedArray m_arrTrusted;
    // The last position the hook saw on this thread; -1, -1 when forgotten.
    CPoint m_ptLastMouse;
};
