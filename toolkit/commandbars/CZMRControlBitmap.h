// A picture on a bar: the image of its id, at its natural size, without
// caption or state.
#pragma once
#include "CZMRControlLabel.h"

class CZMRControlBitmap : public CZMRControlLabel
{
    DECLARE_SERIAL(CZMRControlBitmap)
public:
    CZMRControlBitmap();

    // The image's size; nothing without one.
    CSize GetSize(CDC* pDC) override;
    // The image at the top-left corner.
    void Draw(CDC* pDC) override;
};
