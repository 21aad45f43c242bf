// Draws galleries from the skinned theme's part pictures and colours: the
// face, the label rows, the scroll buttons and the scroll bars of styles 5
// and 6. Anything it does not draw is drawn as the plain gallery's.
#pragma once
#include "CZMRControlGalleryPaintManager.h"

class CZMROffice2007Theme;

class CZMRControlGalleryOffice2007Theme : public CZMRControlGalleryPaintManager
{
public:
    explicit CZMRControlGalleryOffice2007Theme(CZMROffice2007Theme* pTheme);

    // Scroll bars of styles 5 (light parts) and 6 (dark parts) from the skin.
    void DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar) override;
    // The base refresh, the system's arrow sizes, buttons 21 and 19 high and
    // the three colours of the "Toolbar" section.
    void RefreshMetrics() override;
    void DrawLabel(CDC* pDC, CZMRControlGalleryItem* pLabel, CRect rc) override;
    void FillControl(CDC* pDC, CZMRControlGallery* pGallery, CRect rc) override;
    void DrawScrollButtons(CDC* pDC, CZMRControlGallery* pGallery) override;

    // The state (0 to 4) of a scroll button of the column: disabled, pressed,
    // hot, another part tracked, or at rest.
    static int GetButtonState(BOOL bEnabled, int nHit, int nTracked, BOOL bTrackedPressed);

    COLORREF m_clrControlGallerySelected;
    COLORREF m_clrControlGalleryNormal;
    COLORREF m_clrControlGalleryBorder;

protected:
    CZMROffice2007Theme* m_pTheme;   // owner, whose skin it draws from
};
