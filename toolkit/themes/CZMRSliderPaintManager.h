// Draws the horizontal sliders of controls for a paint manager: a channel
// with ticks, round minus and plus buttons and a pointed thumb.
#pragma once
#include "CZMRScrollBarPaintManager.h"

class CZMRSliderPaintManager : public CZMRScrollBarPaintManager
{
public:
    explicit CZMRSliderPaintManager(CZMRPaintManager* pPaintManager);

    // The scroll-bar refresh, then the slider's fixed button and thumb sizes.
    void RefreshMetrics() override;
};
