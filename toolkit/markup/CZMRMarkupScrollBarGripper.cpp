#include "CZMRMarkupScrollBarGripper.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupScrollBarGripper)

CSize CZMRMarkupScrollBarGripper::ArrangeCore(CRect rcFinal)
{
    SetVisualOffset(rcFinal.TopLeft());
    return CZMRMarkupUIElement::ArrangeCore(rcFinal);
}

void CZMRMarkupScrollBarGripper::OnRender(CZMRMarkupDrawingContext* pDC)
{
    pDC->FillSolidRect(0, 0, m_szRender.cx, m_szRender.cy, ::GetSysColor(COLOR_BTNFACE));
}
