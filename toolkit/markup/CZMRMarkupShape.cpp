#include "CZMRMarkupShape.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupEnum.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupShape)

CZMRMarkupDependencyProperty* CZMRMarkupShape::m_pFillProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupShape::m_pStrokeProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupShape::m_pStrokeThicknessProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupShape::m_pStretchProperty = nullptr;

void AFXAPI CZMRMarkupShape::RegisterMarkupProperties()
{
    CZMRMarkupType* pOwner = CZMRMarkupShape::GetMarkupType();
    CZMRMarkupType* pBrush = CZMRMarkupBrush::GetMarkupType();
    const DWORD dwRender = CZMRMarkupPropertyMetadata::flagAffectsRender;
    m_pFillProperty = CZMRMarkupDependencyProperty::Register(L"Fill", pBrush, pOwner,
                                                             new CZMRMarkupPropertyMetadata(nullptr, dwRender));
    m_pStrokeProperty = CZMRMarkupDependencyProperty::Register(L"Stroke", pBrush, pOwner,
                                                               new CZMRMarkupPropertyMetadata(nullptr, dwRender));
    m_pStrokeThicknessProperty = CZMRMarkupDependencyProperty::Register(
        L"StrokeThickness", CZMRMarkupInt::GetMarkupType(), pOwner, new CZMRMarkupPropertyMetadata(nullptr, dwRender));
    m_pStretchProperty = CZMRMarkupDependencyProperty::Register(
        L"Stretch", CZMRMarkupEnum::GetMarkupType(), pOwner,
        new CZMRMarkupPropertyMetadata(CZMRMarkupEnum::CreateValue(stretchNone), &ConvertStretch, dwRender));
}

CZMRMarkupBrush* CZMRMarkupShape::GetFill() const
{
    return MarkupCast<CZMRMarkupBrush>(GetValue(m_pFillProperty));
}

CZMRMarkupBrush* CZMRMarkupShape::GetStroke() const
{
    return MarkupCast<CZMRMarkupBrush>(GetValue(m_pStrokeProperty));
}

int CZMRMarkupShape::GetStrokeThickness() const
{
    CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(GetValue(m_pStrokeThicknessProperty));
    return pValue ? pValue->GetValue() : 1;
}

int CZMRMarkupShape::GetStretch() const
{
    CZMRMarkupEnum* pValue = MarkupCast<CZMRMarkupEnum>(GetValue(m_pStretchProperty));
    return pValue ? pValue->GetValue() : stretchNone;
}

CZMRMarkupShape::CGdiTools::CGdiTools(HDC hDC, const CZMRMarkupShape* pShape, BOOL bFill)
    : m_hDC(hDC), m_hPen(nullptr), m_hBrush(nullptr)
{
    CZMRMarkupBrush* pStroke = pShape->GetStroke();
    const int nWidth = pShape->GetStrokeThickness();
    if (pStroke && nWidth > 0)
        m_hPen = ::CreatePen(PS_SOLID, nWidth, pStroke->GetColor());
    CZMRMarkupBrush* pFill = bFill ? pShape->GetFill() : nullptr;
    if (pFill)
        m_hBrush = ::CreateSolidBrush(pFill->GetColor());
    m_hOldPen = ::SelectObject(hDC, m_hPen ? static_cast<HGDIOBJ>(m_hPen) : ::GetStockObject(NULL_PEN));
    m_hOldBrush = ::SelectObject(hDC, m_hBrush ? static_cast<HGDIOBJ>(m_hBrush) : ::GetStockObject(NULL_BRUSH));
}

CZMRMarkupShape::CGdiTools::~CGdiTools()
{
    ::SelectObject(m_hDC, m_hOldPen);
    ::SelectObject(m_hDC, m_hOldBrush);
    if (m_hPen)
        ::DeleteObject(m_hPen);
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
}
