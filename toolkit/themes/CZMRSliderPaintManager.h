// Draws the horizontal sliders of controls for a paint manager: a channel
// with ticks, round minus and plus buttons and a pointed thumb.
#pragma once
#include "CZMRScrollBarPaintManager.h"

class CZMRSliderPaintManager : public CZMRScrollBarPaintManager
{
public:
    explicit CZMRSliderPaintManager(CZMRPaintManager* pPaintManager);

    // The slider of a scroll base; a vertical one draws nothing.
    void DrawScrollBar(CDC* pDC, CZMRScrollBase* pScrollBar) override;
    // The scroll-bar refresh, then the slider's fixed button and thumb sizes.
    void RefreshMetrics() override;

    // Offsets of the ticks in a channel cx wide, for the tick values the
    // scroll base holds; one in the middle when it holds none or the range
    // is empty. Values outside the range get none.
    static void GetTickOffsets(CZMRScrollBase* pScrollBar, int cx, CArray<int, int>& arrOffsets);

protected:
    void DrawSlider(CDC* pDC, CZMRScrollBase* pScrollBar);
};
