// Draws the scroll bars embedded in controls for a paint manager, and holds
// the arrow and thumb metrics their layout reads. The base of the slider and
// gallery paint managers.
#pragma once
#include "Framework.h"
#include "CZMRWinThemeWrapper.h"

class CZMRPaintManager;

class CZMRScrollBarPaintManager
{
public:
    explicit CZMRScrollBarPaintManager(CZMRPaintManager* pPaintManager);
    virtual ~CZMRScrollBarPaintManager();

    // Re-reads the system's scroll-bar metrics and reopens "SCROLLBAR"; the
    // fixed thumb size stays.
    virtual void RefreshMetrics();

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
