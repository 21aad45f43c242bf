#include "CZMRMarkupPanel.h"
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElementCollection.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupPanel)

CZMRMarkupDependencyProperty* CZMRMarkupPanel::m_pBackgroundProperty = nullptr;

void AFXAPI CZMRMarkupPanel::RegisterMarkupProperties()
{
    m_pBackgroundProperty = CZMRMarkupDependencyProperty::Register(
        L"Background", CZMRMarkupBrush::GetMarkupType(), CZMRMarkupPanel::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsRender));
}

CZMRMarkupPanel::CZMRMarkupPanel() : m_pChildren(new CZMRMarkupUIElementCollection())
{
    m_pChildren->SetLogicalParent(this);
}

CZMRMarkupPanel::~CZMRMarkupPanel()
{
    m_pChildren->SetLogicalParent(nullptr);
    m_pChildren->Release();
}

void CZMRMarkupPanel::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    m_pChildren->AddContent(pBuilder, pContent);
}

BOOL CZMRMarkupPanel::HoldsContent() const
{
    return m_pChildren->GetCount() > 0;
}

int CZMRMarkupPanel::GetVisualChildrenCount() const
{
    return m_pChildren->GetCount();
}

CZMRMarkupVisual* CZMRMarkupPanel::GetVisualChild(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_pChildren->GetCount() ? m_pChildren->GetElement(nIndex) : nullptr;
}

void CZMRMarkupPanel::OnRender(CZMRMarkupDrawingContext* pDC)
{
    CZMRMarkupBrush* pBackground = MarkupCast<CZMRMarkupBrush>(GetValue(m_pBackgroundProperty));
    if (pBackground && m_szRender.cx > 0 && m_szRender.cy > 0)
        pDC->FillRect(pBackground, 0, 0, m_szRender.cx, m_szRender.cy);
}

CZMRMarkupInputElement* CZMRMarkupPanel::HitTestCore(CPoint /*pt*/)
{
    return GetValue(m_pBackgroundProperty) ? this : nullptr;
}
