// A scroll bar that a control draws inside its own rectangle on a bar: its
// layout from a range, a page and a position, the hit test of its parts and
// the modal loop that tracks arrows, page areas and the thumb. The owner
// supplies the rectangle, the scroll information and the scrolling itself.
#pragma once
#include "Framework.h"

class CZMRScrollBarPaintManager;

// Hit codes of the parts of a scroll bar.
enum ZMRScrollBarHit
{
    zmrHitScrollNone = 0,
    zmrHitScrollUp = 60,         // first arrow (up or left)
    zmrHitScrollDown = 61,       // second arrow (down or right)
    zmrHitScrollPageUp = 62,     // page area before the thumb
    zmrHitScrollPageDown = 63,   // page area after the thumb
    zmrHitScrollThumb = 64,
    zmrHitScrollPopup = 65       // the owner's extra button
};

// Timers of the tracking loop, on the tracked window.
enum ZMRScrollTimers
{
    ZMR_TIMER_SCROLLREPEAT = 23345,
    ZMR_TIMER_SMOOTHSCROLL = 23346
};

class CZMRScrollBase
{
public:
    // Where the parts of the bar lie, along and across it.
    struct SCROLLBARPOSINFO
    {
        int nMin;
        int nMax;
        int nPage;
        int nPos;
        int pxTop;            // start along the bar
        int pxBottom;         // end along the bar
        int pxLeft;           // start across the bar
        int pxRight;          // end across the bar
        int cpxThumb;         // thumb size
        int pxUpArrow;        // end of the first arrow
        int pxDownArrow;      // start of the second arrow
        int pxStart;          // thumb start saved while dragging
        int pxThumbBottom;    // thumb end
        int pxThumbTop;       // thumb start
        int pxPopup;          // start of the extra button, 0 for none
        int cpx;              // track length
        int pxMin;            // track start
        RECT rc;              // the bar
        int ht;               // last hit code
        BOOL fVert;
    };

    // The state of one run of the tracking loop.
    struct SCROLLBARTRACKINFO
    {
        int cmdSB;            // the part's action; -1 while dragging the thumb
        BOOL fHitOld;         // the pointer is inside the part
        BOOL fTrackThumb;     // the thumb is dragged
        HWND hWndTrack;
        UINT_PTR nTimerId;
        int dpxThumb;         // thumb start less the pointer
        int posOld;           // position when the drag began
        int posNew;           // the position the drag gave last
        RECT rcTrack;         // the part, or the limit of the drag
        SCROLLBARPOSINFO* pSBInfo;
    };

    CZMRScrollBase();
    virtual ~CZMRScrollBase();

    // ------------------------------------------------------------ what the owner supplies

    virtual BOOL IsScrollBarEnabled() const = 0;
    virtual CWnd* GetScrollParentWindow() const = 0;
    // One step of the owner's smooth scrolling (timer 23346).
    virtual void OnSmoothScrollTimer();
    virtual CRect GetScrollBarRect() = 0;
    virtual void GetScrollInfo(SCROLLINFO* psi) = 0;
    // One SB_ action with its position.
    virtual void DoScroll(int cmd, int pos) = 0;
    virtual void RedrawScrollBar() = 0;
    // Lays the bar out in the rectangle from the scroll information.
    virtual void CalcScrollBarLayout(CRect rc, SCROLLBARPOSINFO* pSBInfo, SCROLLINFO* pSI);
    virtual CZMRScrollBarPaintManager* GetScrollBarPaintManager() const = 0;

    // ------------------------------------------------------------ operations

    // Lays the bar out anew from the owner's rectangle and information.
    void UpdateScrollBar();
    // The part under a point: a hit code, 0 outside the bar.
    int HitTestScrollBar(CPoint point) const;
    // Runs the modal loop for a press at the point until the button is
    // released, the capture is lost or the window disappears.
    void TrackScrollBar(CWnd* pWnd, CPoint point, SCROLLBARPOSINFO* pSBInfo, BOOL bShift);
    // The explicit style, else 2 for the Default theme, 5 for the Office
    // 2007 and ribbon themes, 3 for the others.
    int GetScrollBarStyle() const;
    // Outside this rectangle a dragged thumb returns to where it started.
    CRect CalcTrackingLimitRect(const SCROLLBARPOSINFO* pSBInfo) const;
    // Frees the owned buffer (the tick list of a slider).
    void ReleaseOwnedBuffer();

    // Tick values of a slider; none: one tick in the middle. The list is
    // the owned buffer.
    void SetTicks(const double* pTicks, int nCount);
    BOOL HasTicks() const { return m_pTicks != nullptr; }
    int GetTickValueCount() const { return m_nTicks; }
    double GetTick(int nIndex) const { return m_pTicks[nIndex]; }

    SCROLLBARPOSINFO* GetScrollBarPosInfo() { return &m_spi; }
    const SCROLLBARTRACKINFO* GetScrollBarTrackInfo() const { return m_pSBTrack; }
    BOOL IsSmoothScrolling() const { return m_bSmoothScrolling; }
    int GetRepeatDelay() const { return m_nRepeatDelay; }

    SCROLLBARPOSINFO m_spi;
    BOOL m_bVertical;
    SCROLLBARTRACKINFO* m_pSBTrack;
    int m_nScrollBarStyle;       // 0: by theme
    BOOL m_bSmoothScrolling;     // the owner animates a scroll
    int m_nRepeatDelay;          // the last auto-repeat interval

protected:
    // A mouse message on a part (arrow or page area).
    void ContinueScroll(UINT message, CPoint point);
    // A mouse message while the thumb is dragged.
    void ContinueTrackThumb(UINT message, CPoint point);
    // The rectangle of a part in the window, from the layout record.
    static CRect GetPartRect(const SCROLLBARPOSINFO* pSBInfo, int nFrom, int nTo);
    // Ends a run of the loop; bWindowGone: no further scrolling.
    void EndTracking(BOOL bWindowGone);

    double* m_pTicks;            // the owned buffer
    int m_nTicks;
};
