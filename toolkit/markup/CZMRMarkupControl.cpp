#include "CZMRMarkupControl.h"
#include "CZMRMarkupBorder.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupPanel.h"
#include "CZMRMarkupTextElement.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupControl)

CZMRMarkupDependencyProperty* CZMRMarkupControl::m_pPaddingProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupControl::m_pBackgroundProperty = nullptr;
CZMRMarkupDependencyProperty* CZMRMarkupControl::m_pForegroundProperty = nullptr;

void AFXAPI CZMRMarkupControl::RegisterMarkupProperties()
{
    CZMRMarkupType::EnsureRegistered(CZMRMarkupBorder::GetMarkupType());
    CZMRMarkupType::EnsureRegistered(CZMRMarkupPanel::GetMarkupType());
    CZMRMarkupType::EnsureRegistered(CZMRMarkupTextElement::GetMarkupType());
    CZMRMarkupType* pOwner = CZMRMarkupControl::GetMarkupType();
    m_pPaddingProperty = CZMRMarkupBorder::m_pPaddingProperty->AddOwner(pOwner);
    m_pBackgroundProperty = CZMRMarkupPanel::m_pBackgroundProperty->AddOwner(pOwner);
    m_pForegroundProperty = CZMRMarkupTextElement::m_pForegroundProperty->AddOwner(pOwner);
}

CZMRMarkupBrush* CZMRMarkupControl::GetBackground() const
{
    return MarkupCast<CZMRMarkupBrush>(GetValue(m_pBackgroundProperty));
}

CZMRMarkupUIElement* CZMRMarkupControl::GetFirstVisualChild() const
{
    return GetVisualChildrenCount() > 0 ? MarkupCast<CZMRMarkupUIElement>(GetVisualChild(0)) : nullptr;
}

CSize CZMRMarkupControl::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    CZMRMarkupUIElement* pChild = GetFirstVisualChild();
    if (!pChild)
        return CSize(0, 0);
    pChild->Measure(pDC, nAvailableWidth, nAvailableHeight);
    return pChild->GetDesiredSize();
}

CSize CZMRMarkupControl::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    CZMRMarkupUIElement* pChild = GetFirstVisualChild();
    if (pChild)
        pChild->Arrange(CRect(0, 0, nFinalWidth, nFinalHeight));
    return CSize(nFinalWidth, nFinalHeight);
}
