// Draws the scroll bars embedded in controls for a paint manager, and holds
// the arrow and thumb metrics their layout reads. The base of the slider and
// gallery paint managers.
#pragma once
#include "Framework.h"
#include "CZMRWinThemeWrapper.h"

class CZMRPaintManager;
class CZMRScrollBase;

class CZMRScrollBarPaintManager
{
public:
    // The parts of a laid-out bar as the drawing sees them.
    struct CParts
    {
        int nPressed;          // hit code drawn pressed, 0 none
        int nHot;              // hit code drawn hot, 0 none
        BOOL bEnabled;
        CRect rcArrowFirst;
        CRect rcArrowSecond;
        CRect rcTrack;
        CRect rcPageBefore;
        CRect rcThumb;
        CRect rcPageAfter;
    };

    explicit CZMRScrollBarPaintManager(CZMRPaintManager* pPaintManager);
    virtual ~CZMRScrollBarPaintManager();

    // The scroll bar of a scroll base from its layout record.
    virtual void DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar);
    // Re-reads the system's scroll-bar metrics and reopens "SCROLLBAR"; the
    // fixed thumb size stays.
    virtual void RefreshMetrics();

    // Pressed and hot parts, enabled state and rectangles of a scroll base.
    static CParts GetParts(CZMRScrollBase* pScrollBar);
    // The Marlett arrow of an arrow button (none below 6 px).
    static void DrawArrowGlyph(CDC* pDC, CRect rc, BOOL bHorz, BOOL bFirst, BOOL bEnabled);

    int m_cxHScroll;     // width of the arrows of a horizontal bar
    int m_cyHScroll;     // height of a horizontal bar
    int m_cyVScroll;     // height of the arrows of a vertical bar
    int m_cxVScroll;     // width of a vertical bar
    int m_nThumbSize;    // 0: the thumb is sized from the page
    CZMRWinThemeWrapper m_themeScrollBar;
    CZMRPaintManager* m_pPaintManager;

protected:
    void ReadSystemMetrics();
};
