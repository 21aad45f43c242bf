// A solid brush selected into a device context for one drawing pass.
#pragma once
#include "Framework.h"

class CZMRBrushDC
{
public:
    CZMRBrushDC(HDC hDC, COLORREF clr);
    virtual ~CZMRBrushDC();

protected:
    CBrush m_brush;
    HDC m_hDC;
    HGDIOBJ m_hOldBrush;
};
