#include "CZMRMarkupInlineUIContainer.h"
#include "CZMRMarkupDecorator.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElement.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupInlineUIContainer)

CZMRMarkupInlineUIContainer::CZMRMarkupInlineUIContainer() : m_pChild(nullptr)
{
}

CZMRMarkupInlineUIContainer::~CZMRMarkupInlineUIContainer()
{
    SetChild(nullptr);
}

CZMRMarkupObject* CZMRMarkupInlineUIContainer::GetLogicalChild(int nIndex) const
{
    return nIndex == 0 ? m_pChild : nullptr;
}

void CZMRMarkupInlineUIContainer::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    // A child that is already there is replaced.
    SetChild(CZMRMarkupDecorator::CheckUIElementContent(this, pContent));
}

void CZMRMarkupInlineUIContainer::SetChild(CZMRMarkupUIElement* pChild)
{
    CZMRMarkupDecorator::ReplaceChild(this, m_pChild, pChild);
}

CZMRMarkupInputElement* CZMRMarkupInlineUIContainer::InputHitTest(CPoint pt)
{
    CZMRMarkupInputElement* pHit = m_pChild ? m_pChild->InputHitTest(pt) : nullptr;
    return pHit ? pHit : this;
}

int CZMRMarkupInlineUIContainer::GetFirstPosition() const
{
    return m_pChild ? 0 : -1;
}

void CZMRMarkupInlineUIContainer::NextPosition(int& nPosition) const
{
    nPosition = nPosition == 0 ? 1 : -1;
}

BOOL CZMRMarkupInlineUIContainer::IsBreakPosition(int nPosition) const
{
    // Lines may break before and after the element.
    return nPosition == 0 || nPosition == 1;
}

void CZMRMarkupInlineUIContainer::ArrangePart(const CRect& rc, int nFirst, int /*nEnd*/)
{
    if (nFirst == 0 && m_pChild)
        m_pChild->Arrange(rc);
}

CSize CZMRMarkupInlineUIContainer::MeasurePart(CZMRMarkupDrawingContext* pDC, int nFirst, int /*nEnd*/)
{
    if (nFirst != 0 || !m_pChild)
        return CSize(0, 0);
    m_pChild->Measure(pDC, childMeasureLength, childMeasureLength);
    return m_pChild->GetDesiredSize();
}

void CZMRMarkupInlineUIContainer::RenderPart(CZMRMarkupDrawingContext* pDC, const CRect& /*rc*/, int nFirst,
                                             int /*nEnd*/)
{
    if (nFirst == 0 && m_pChild)
        m_pChild->Render(pDC);
}
