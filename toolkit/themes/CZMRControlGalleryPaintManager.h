// Draws galleries for a paint manager: their background, label rows and the
// column of scroll buttons beside them, whose sizes it holds.
#pragma once
#include "CZMRScrollBarPaintManager.h"

class CZMRControlGalleryPaintManager : public CZMRScrollBarPaintManager
{
public:
    explicit CZMRControlGalleryPaintManager(CZMRPaintManager* pPaintManager);

    // The scroll-bar refresh, then the gallery's button sizes again.
    void RefreshMetrics() override;

    int m_cyUpButton;
    int m_cyDownButton;
    int m_cxScrollColumn;   // scroll buttons of a gallery inside a popup bar

protected:
    void SetButtonSizes();
};
