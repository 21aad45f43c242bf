// Draws galleries for a paint manager: their background, label rows and the
// column of scroll buttons beside them, whose sizes it holds.
#pragma once
#include "CZMRScrollBarPaintManager.h"

class CZMRControlGallery;
class CZMRControlGalleryItem;

class CZMRControlGalleryPaintManager : public CZMRScrollBarPaintManager
{
public:
    explicit CZMRControlGalleryPaintManager(CZMRPaintManager* pPaintManager);

    // The scroll-bar refresh, then the gallery's button sizes again.
    void RefreshMetrics() override;
    // A label row: its caption in bold on a band with a line below.
    virtual void DrawLabel(CDC* pDC, CZMRControlGalleryItem* pLabel, CRect rc);
    // The gallery's background, border and the line above a following control.
    virtual void FillControl(CDC* pDC, CZMRControlGallery* pGallery, CRect rc);
    // Up, down and popup buttons of a gallery that drops a full version down.
    virtual void DrawScrollButtons(CDC* pDC, CZMRControlGallery* pGallery);

    int m_cyUpButton;
    int m_cyDownButton;
    int m_cxScrollColumn;   // scroll buttons of a gallery inside a popup bar

protected:
    void SetButtonSizes();
    // A label row with its line below in a colour (index or reference).
    void DrawLabelRow(CDC* pDC, CZMRControlGalleryItem* pLabel, CRect rc, COLORREF clrLine);
};
