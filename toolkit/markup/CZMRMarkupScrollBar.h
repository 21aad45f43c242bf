// The platform's scroll bar inside the element tree: its geometry from the
// scroll information, its drawing with the "SCROLLBAR" visual style or the
// classic frame controls, and its mouse tracking (auto-repeat on the arrows
// and page areas, thumb dragging) in a modal loop on the host window. It
// reports scrolling to the scroll viewer that owns it.
#pragma once
#include "CZMRMarkupControl.h"

class CZMRMarkupScrollBar : public CZMRMarkupControl
{
    DECLARE_MARKUPCLASS(CZMRMarkupScrollBar)
public:
    enum { orientationHorizontal = 0, orientationVertical = 1 };
    // Hit codes.
    enum { hitNone = 0, hitLineUp = 60, hitLineDown = 61, hitPageUp = 62, hitPageDown = 63, hitThumb = 64 };
    // Tracked parts; their numbers are the scroll codes the viewer takes.
    enum { partNone = -1, partLineUp = 0, partLineDown = 1, partPageUp = 2, partPageDown = 3, partThumb = 4 };
    // Scroll codes beyond the parts.
    enum { scrollThumbPosition = 4, scrollThumbTrack = 5, scrollTop = 6, scrollBottom = 7, scrollEnd = 8 };
    // The repeat timer of the arrows and page areas, and where it is set
    // (tests put a recorder here to see the delays asked for).
    static const UINT_PTR repeatTimerId = 63345;
    inline static UINT_PTR(WINAPI* s_pfnSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = ::SetTimer;

    // 'Along' runs along the bar's length, 'across' across it.
    struct GEOMETRY
    {
        int nMin;
        int nMax;
        int nPage;
        int nPos;
        int nAlongStart;
        int nAlongEnd;
        int nAcrossStart;
        int nAcrossEnd;
        int nThumbLength;
        int nUpArrowEnd;        // the start of the track
        int nDownArrowStart;    // the end of the track
        int nDragStart;         // the thumb start when dragging began
        int nThumbEnd;
        int nThumbStart;
        int nReserved;          // stays 0
        int nTrackLength;       // available to the thumb
        int nTrackStart;        // for the thumb
        RECT rcBar;
        int nHotPart;           // a hit code
        BOOL bVertical;
    };

    struct TRACKING
    {
        BOOL bInside;           // the mouse is inside the tracked part
        RECT rcLimit;           // the part's rectangle, or the thumb's limit
        int nPart;
        UINT_PTR nTimer;
        int nGrabOffset;
        int nLastPixel;
        int nCurrentPos;
        int nTrackPos;
        BOOL bDragging;
        HWND hWnd;
        GEOMETRY* pGeometry;
    };

    CZMRMarkupScrollBar();
    ~CZMRMarkupScrollBar() override;

    // Stores the information and marks the bar for a new geometry when the
    // maximum, page or position changed.
    void SetScrollInfo(const SCROLLINFO& si);
    void GetScrollInfo(SCROLLINFO& si) const { si = m_scrollInfo; }
    BOOL IsScrollable() const;
    // A hit code for a point in bar coordinates.
    int HitTest(int x, int y) const;
    // To the owning scroll viewer, when there is one.
    void NotifyScroll(int nCode, int nPos);

    CSize MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override;
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
    void OnRender(CZMRMarkupDrawingContext* pDC) override;
    void OnMouseLeave(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnMouseMove(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnMouseLeftButtonDown(CZMRMarkupMouseEventArgs* pArgs) override;
    void OnMouseLeftButtonUp(CZMRMarkupMouseEventArgs* pArgs) override;

    int GetOrientation() const { return m_nOrientation; }
    void SetOrientation(int nOrientation) { m_nOrientation = nOrientation; }
    const GEOMETRY& GetGeometry() const { return m_geometry; }
    const TRACKING* GetTracking() const { return m_pTracking; }

    void CalcGeometry(const CRect& rc, const SCROLLINFO& si);
    int PixelToPosition(int nPixel) const;
    // The rectangle outside which a dragged thumb returns to where the drag
    // began: the bar widened by eight bar widths across it and by twice the
    // thumb-size metric beyond each end.
    static void AFXAPI CalcTrackingLimitRect(TRACKING* pTracking);

protected:
    // The modal tracking (CZMRMarkupScrollBarTracking.cpp).
    void TrackMouse(HWND hWnd, CPoint pt, BOOL bShift);
    void TrackButton(UINT message, CPoint pt);
    void TrackThumb(UINT message, CPoint pt);
    void MoveThumb(int nPixel);
    void EndTracking(BOOL bRevert);
    void OnRepeatTimer();
    // A host client point, or a screen point, in bar coordinates.
    CPoint HostToBar(CPoint pt) const;
    CPoint ScreenToBar(CPoint pt) const;
    int Along(CPoint pt) const { return m_geometry.bVertical ? pt.y : pt.x; }

    int m_nOrientation;
    GEOMETRY m_geometry;
    TRACKING* m_pTracking;
    SCROLLINFO m_scrollInfo;
};
