// Draws horizontal sliders from the skinned theme's part pictures: track,
// ticks, arrow buttons and thumb.
#pragma once
#include "CZMRSliderPaintManager.h"

class CZMROffice2007Theme;

class CZMRSliderOffice2007Theme : public CZMRSliderPaintManager
{
public:
    explicit CZMRSliderOffice2007Theme(CZMROffice2007Theme* pTheme);

    // The slider from the skin; a vertical one draws nothing.
    void DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar) override;
    // The slider's refresh, then the arrow sizes of the skin's "SLIDERUP".
    void RefreshMetrics() override;

protected:
    CZMROffice2007Theme* m_pTheme;   // owner, whose skin it draws from
};
