#include "CZMRMarkupContentControl.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDecorator.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupTextBlock.h"
#include "CZMRMarkupType.h"
#include "ZMRMarkupConverters.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupContentControl)

CZMRMarkupDependencyProperty* CZMRMarkupContentControl::m_pContentProperty = nullptr;

void AFXAPI CZMRMarkupContentControl::RegisterMarkupProperties()
{
    m_pContentProperty = CZMRMarkupDependencyProperty::Register(
        L"Content", CZMRMarkupUIElement::GetMarkupType(), CZMRMarkupContentControl::GetMarkupType(),
        new CZMRMarkupPropertyMetadata(nullptr, &ConvertContent, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
}

CZMRMarkupUIElement* CZMRMarkupContentControl::GetContent() const
{
    return MarkupCast<CZMRMarkupUIElement>(GetValue(m_pContentProperty));
}

BOOL CZMRMarkupContentControl::HoldsContent() const
{
    return GetValue(m_pContentProperty) != nullptr;
}

int CZMRMarkupContentControl::GetVisualChildrenCount() const
{
    return GetContent() ? 1 : 0;
}

CZMRMarkupVisual* CZMRMarkupContentControl::GetVisualChild(int nIndex) const
{
    return nIndex == 0 ? GetContent() : nullptr;
}

void CZMRMarkupContentControl::AddContent(CZMRMarkupBuilder* pBuilder, CZMRMarkupObject* pContent)
{
    LPCWSTR lpszClass = GetType()->GetMarkupClassName();
    if (HoldsContent())
    {
        RaiseMarkupError(FormatMarkupMessage3(
            L"'%ls' already has a child and cannot add '%ls'. '%ls' can accept only one child.", lpszClass,
            pContent ? pContent->GetType()->GetMarkupClassName() : L"", lpszClass));
    }
    if (MarkupCast<CZMRMarkupString>(pContent))
    {
        CZMRMarkupContext* pContext = pBuilder ? pBuilder->GetContext() : m_pMarkupContext;
        CZMRMarkupType* pType = CZMRMarkupTextBlock::GetMarkupType();
        CZMRMarkupObject* pBlock = pContext ? pContext->CreateMarkupObject(pType) : pType->CreateObject();
        pBlock->AddContent(pBuilder, pContent);
        SetValue(m_pContentProperty, pBlock);
        return;
    }
    SetValue(m_pContentProperty, CZMRMarkupDecorator::CheckUIElementContent(this, pContent));
}

void CZMRMarkupContentControl::OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty,
                                                 CZMRMarkupObject* pOldValue, CZMRMarkupObject* pNewValue)
{
    if (pProperty == m_pContentProperty)
    {
        if (pOldValue && pOldValue != pNewValue && pOldValue->GetLogicalParent() == this)
            pOldValue->SetLogicalParent(nullptr);
        if (pNewValue)
            pNewValue->SetLogicalParent(this);
    }
    CZMRMarkupControl::OnPropertyChanged(pProperty, pOldValue, pNewValue);
}
