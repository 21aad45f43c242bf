// A bitmap selected into a device context for one drawing pass.
#pragma once
#include "Framework.h"

class CZMRBitmapDC
{
public:
    CZMRBitmapDC(CDC* pDC, CBitmap* pBitmap);
    virtual ~CZMRBitmapDC();

protected:
    HDC m_hDC;
    HGDIOBJ m_hOldBitmap;
};
