#include "CZMRMarkupRectangle.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupRectangle)

void CZMRMarkupRectangle::OnRender(CZMRMarkupDrawingContext* pDC)
{
    CZMRMarkupBrush* pFill = GetFill();
    CZMRMarkupBrush* pStroke = GetStroke();
    const int cx = m_szRender.cx;
    const int cy = m_szRender.cy;
    if ((!pFill && !pStroke) || cx == 0 || cy == 0)
        return;
    if (pFill)
        pDC->FillRect(pFill, 0, 0, cx, cy);
    const int s = pStroke ? GetStrokeThickness() : 0;
    if (s > 0)
    {
        pDC->FillRect(pStroke, 0, 0, s, cy);
        pDC->FillRect(pStroke, cx - s, 0, cx, cy);
        pDC->FillRect(pStroke, 0, 0, cx, s);
        pDC->FillRect(pStroke, 0, cy - s, cx, cy);
    }
}
