#include "CZMRMarkupEllipse.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupEllipse)

void CZMRMarkupEllipse::OnRender(CZMRMarkupDrawingContext* pDC)
{
    if (!GetFill() && !GetStroke())
        return;
    const HDC hDC = pDC->GetOutputDC();
    CGdiTools tools(hDC, this, TRUE);
    ::Ellipse(hDC, 0, 0, m_szRender.cx, m_szRender.cy);
}

CZMRMarkupInputElement* CZMRMarkupEllipse::HitTestCore(CPoint pt)
{
    const int cx = m_szRender.cx;
    const int cy = m_szRender.cy;
    if (cx < 1 || cy < 1)
        return this;
    const int a = cx / 2;
    const int b = cy / 2;
    // A box one pixel wide or high holds no more than its own line: every
    // point of it hits.
    if (a == 0 || b == 0)
        return this;
    const double dx = pt.x - a;
    const double dy = pt.y - b;
    if ((dy * dy) / (static_cast<double>(b) * b) + (dx * dx) / (static_cast<double>(a) * a) <= 1.0)
        return this;
    return nullptr;
}
