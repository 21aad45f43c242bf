#include "CZMRMarkupPage.h"
#include "CZMRMarkupDecorator.h"
#include "CZMRMarkupType.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupPage)

CZMRMarkupPage::CZMRMarkupPage() : m_pChild(nullptr)
{
}

CZMRMarkupPage::~CZMRMarkupPage()
{
    CZMRMarkupDecorator::ReplaceChild(this, m_pChild, nullptr);
}

void CZMRMarkupPage::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    CZMRMarkupDecorator::ReplaceChild(this, m_pChild, CZMRMarkupDecorator::CheckSingleChild(this, m_pChild, pContent));
}

CZMRMarkupVisual* CZMRMarkupPage::GetVisualChild(int nIndex) const
{
    return nIndex == 0 ? m_pChild : nullptr;
}

CZMRMarkupInputElement* CZMRMarkupPage::HitTestCore(CPoint /*pt*/)
{
    return nullptr;
}

CSize CZMRMarkupPage::MeasureOverride(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight)
{
    if (!m_pChild)
        return CSize(0, 0);
    m_pChild->Measure(pDC, nAvailableWidth, nAvailableHeight);
    return m_pChild->GetDesiredSize();
}

CSize CZMRMarkupPage::ArrangeOverride(int nFinalWidth, int nFinalHeight)
{
    if (m_pChild)
        m_pChild->Arrange(CRect(0, 0, nFinalWidth, nFinalHeight));
    return CSize(nFinalWidth, nFinalHeight);
}
