// A pen selected into a device context for one drawing pass.
#pragma once
#include "Framework.h"

class CZMRPenDC
{
public:
    CZMRPenDC(CDC* pDC, CPen* pPen);          // selects the caller's pen
    CZMRPenDC(HDC hDC, COLORREF clr);         // makes and owns a solid 1-pixel pen
    virtual ~CZMRPenDC();

    void SetColor(COLORREF clr);

protected:
    CPen m_pen;
    HDC m_hDC;
    HGDIOBJ m_hOldPen;
};
