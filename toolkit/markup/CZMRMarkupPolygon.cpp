#include "CZMRMarkupPolygon.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupPointCollection.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupPolygon)

CZMRMarkupDependencyProperty* CZMRMarkupPolygon::m_pPointsProperty = nullptr;

void AFXAPI CZMRMarkupPolygon::RegisterMarkupProperties()
{
    m_pPointsProperty = CZMRMarkupDependencyProperty::Register(
        L"Points", CZMRMarkupPointCollection::GetMarkupType(), CZMRMarkupPolygon::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
}

CZMRMarkupPointCollection* CZMRMarkupPolygon::GetPoints() const
{
    return MarkupCast<CZMRMarkupPointCollection>(GetValue(m_pPointsProperty));
}

CSize CZMRMarkupPolygon::MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int /*nAvailableWidth*/,
                                         int /*nAvailableHeight*/)
{
    CZMRMarkupPointCollection* pPoints = GetPoints();
    if (!pPoints)
        return CSize(0, 0);
    const RECT& rc = pPoints->GetBounds();
    return CSize(rc.right - rc.left, rc.bottom - rc.top);
}

void CZMRMarkupPolygon::OnRender(CZMRMarkupDrawingContext* pDC)
{
    CZMRMarkupPointCollection* pPoints = GetPoints();
    if ((!GetFill() && !GetStroke()) || !pPoints || pPoints->GetCount() == 0)
        return;
    const HDC hDC = pDC->GetOutputDC();
    CGdiTools tools(hDC, this, TRUE);
    ::Polygon(hDC, pPoints->GetData(), pPoints->GetCount());
}
