#include "CZMRMarkupPolyline.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupPointCollection.h"
#include "CZMRMarkupType.h"

#include <algorithm>
#include <vector>

IMPLEMENT_MARKUPCLASS(CZMRMarkupPolyline)

CZMRMarkupDependencyProperty* CZMRMarkupPolyline::m_pPointsProperty = nullptr;

void AFXAPI CZMRMarkupPolyline::RegisterMarkupProperties()
{
    m_pPointsProperty = CZMRMarkupDependencyProperty::Register(
        L"Points", CZMRMarkupPointCollection::GetMarkupType(), CZMRMarkupPolyline::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
}

CZMRMarkupPointCollection* CZMRMarkupPolyline::GetPoints() const
{
    return MarkupCast<CZMRMarkupPointCollection>(GetValue(m_pPointsProperty));
}

CSize CZMRMarkupPolyline::MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                          int /*nAvailableHeight*/)
{
    CZMRMarkupPointCollection* pPoints = GetPoints();
    if (!pPoints)
        return CSize(0, 0);
    const RECT& rc = pPoints->GetBounds();
    CSize sz(rc.right - rc.left, rc.bottom - rc.top);
    if (GetStroke())
    {
        const int nThickness = GetStrokeThickness();
        sz.cx = std::max(0, AddLengths(sz.cx, nThickness));
        sz.cy = std::max(0, AddLengths(sz.cy, nThickness));
    }
    return sz;
}

void CZMRMarkupPolyline::OnRender(CZMRMarkupDrawingContext* pDC)
{
    CZMRMarkupPointCollection* pPoints = GetPoints();
    if (!GetStroke() || !pPoints || pPoints->GetCount() == 0)
        return;
    std::vector<POINT> points(pPoints->GetData(), pPoints->GetData() + pPoints->GetCount());
    if (GetStretch() != stretchNone)
    {
        const RECT& rc = pPoints->GetBounds();
        const long long nBoundsWidth = static_cast<long long>(rc.right) - rc.left;
        const long long nBoundsHeight = static_cast<long long>(rc.bottom) - rc.top;
        for (POINT& pt : points)
        {
            if (nBoundsWidth != 0)
                pt.x = static_cast<LONG>(static_cast<long long>(m_szRender.cx) * pt.x / nBoundsWidth);
            if (nBoundsHeight != 0)
                pt.y = static_cast<LONG>(static_cast<long long>(pt.y) * m_szRender.cy / nBoundsHeight);
        }
    }
    const HDC hDC = pDC->GetOutputDC();
    CGdiTools tools(hDC, this, FALSE);
    ::Polyline(hDC, points.data(), static_cast<int>(points.size()));
}
