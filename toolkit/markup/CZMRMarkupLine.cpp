#include "CZMRMarkupLine.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_MARKUPCLASS(CZMRMarkupLine)

CZMRMarkupDependencyProperty* CZMRMarkupLine::m_pX1Property = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupLine::m_pY1Property = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupLine::m_pX2Property = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupLine::m_pY2Property = nullptr;

void AFXAPI CZMRMarkupLine::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupLine::GetMarkupType();
    CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
    CZMRMarkupDependencyProperty** ppCoordinates[] = {&m_pX1Property, &m_pY1Property, &m_pX2Property, &m_pY2Property};
    LPCWSTR lpszNames[] = {L"X1", L"Y1", L"X2", L"Y2"};
    for (int i = 0; i < 4; i++)
    {
        *ppCoordinates[i] = CZMRMarkupDependencyProperty::Register(
            lpszNames[i], pInt, pOwner, new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
    }
}

int CZMRMarkupLine::GetCoordinate(CZMRMarkupDependencyProperty* pProperty) const
{
    CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(GetValue(pProperty));
    return pValue ? pValue->GetValue() : 0;
}

CSize CZMRMarkupLine::MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                      int /*nAvailableHeight*/)
{
    CSize sz(std::max(0, std::max(GetCoordinate(m_pX1Property), GetCoordinate(m_pX2Property))),
             std::max(0, std::max(GetCoordinate(m_pY1Property), GetCoordinate(m_pY2Property))));
    if (GetStroke())
    {
        const int nThickness = GetStrokeThickness();
        sz.cx = std::max(0, AddLengths(sz.cx, nThickness));
        sz.cy = std::max(0, AddLengths(sz.cy, nThickness));
    }
    return sz;
}

void CZMRMarkupLine::OnRender(CZMRMarkupDrawingContext* pDC)
{
    CZMRMarkupBrush* pStroke = GetStroke();
    const int x1 = GetCoordinate(m_pX1Property);
    const int y1 = GetCoordinate(m_pY1Property);
    const int x2 = GetCoordinate(m_pX2Property);
    const int y2 = GetCoordinate(m_pY2Property);
    const int nWidth = GetStrokeThickness();
    if (!pStroke || (x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0) || nWidth == 0)
        return;
    const HDC hDC = pDC->GetOutputDC();
    // The width goes to the pen as it is, a negative one too.
    HPEN hPen = ::CreatePen(PS_SOLID, nWidth, pStroke->GetColor());
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    ::MoveToEx(hDC, x1, y1, nullptr);
    ::LineTo(hDC, x2, y2);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hPen);
}

CZMRMarkupInputElement* CZMRMarkupLine::HitTestCore(CPoint pt)
{
    const int nWidth = GetStrokeThickness();
    if (!GetStroke() || nWidth == 0)
        return nullptr;
    const double h = nWidth * 0.5;
    const double x1 = GetCoordinate(m_pX1Property);
    const double y1 = GetCoordinate(m_pY1Property);
    const double dx = GetCoordinate(m_pX2Property) - x1;
    const double dy = GetCoordinate(m_pY2Property) - y1;
    const double px = pt.x - x1;
    const double py = pt.y - y1;
    if (px + h < std::min(dx, 0.0) || px - h > std::max(dx, 0.0) || py + h < std::min(dy, 0.0) ||
        py - h > std::max(dy, 0.0))
    {
        return nullptr;
    }
    if (dx == 0.0)
        return std::fabs(px) <= h ? this : nullptr;
    return std::fabs(h / std::cos(std::atan(dy / dx))) >= std::fabs(px * dy / dx - py) ? this : nullptr;
}
