#include "CZMRMarkupDecorator.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupType.h"

CZMRMarkupDecorator::CZMRMarkupDecorator() : m_pChild(nullptr)
{
}

CZMRMarkupDecorator::~CZMRMarkupDecorator()
{
    SetChild(nullptr);
}

CZMRMarkupUIElement* AFXAPI CZMRMarkupDecorator::CheckUIElementContent(const CZMRMarkupObject* pOwner,
                                                                      CZMRMarkupObject* pContent)
{
    CZMRMarkupUIElement* pElement = MarkupCast<CZMRMarkupUIElement>(pContent);
    if (!pElement)
    {
        RaiseMarkupError(FormatMarkupMessage2(
            L"'%ls' object cannot be added to '%ls'. Object cannot be converted to type 'CZMRMarkupUIElement'",
            pContent ? pContent->GetType()->GetMarkupClassName() : L"", pOwner->GetType()->GetMarkupClassName()));
    }
    return pElement;
}

CZMRMarkupUIElement* AFXAPI CZMRMarkupDecorator::CheckSingleChild(const CZMRMarkupObject* pOwner,
                                                                  const CZMRMarkupUIElement* pCurrent,
                                                                  CZMRMarkupObject* pContent)
{
    CZMRMarkupUIElement* pElement = CheckUIElementContent(pOwner, pContent);
    if (pCurrent)
    {
        LPCWSTR lpszOwner = pOwner->GetType()->GetMarkupClassName();
        RaiseMarkupError(FormatMarkupMessage3(
            L"'%ls' already has a child and cannot add '%ls'. '%ls' can accept only one child.", lpszOwner,
            pElement->GetType()->GetMarkupClassName(), lpszOwner));
    }
    return pElement;
}

void CZMRMarkupDecorator::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    SetChild(CheckSingleChild(this, m_pChild, pContent));
}

CZMRMarkupVisual* CZMRMarkupDecorator::GetVisualChild(int nIndex) const
{
    return nIndex == 0 ? m_pChild : nullptr;
}

void CZMRMarkupDecorator::SetChild(CZMRMarkupUIElement* pChild)
{
    ReplaceChild(this, m_pChild, pChild);
}

void AFXAPI CZMRMarkupDecorator::ReplaceChild(CZMRMarkupObject* pOwner, CZMRMarkupUIElement*& pSlot,
                                              CZMRMarkupUIElement* pChild)
{
    CZMRMarkupUIElement* pOld = pSlot;
    pSlot = pChild;
    if (pChild)
        pChild->SetLogicalParent(pOwner);
    if (pOld && pOld != pChild)
    {
        if (pOld->GetLogicalParent() == pOwner)
            pOld->SetLogicalParent(nullptr);
        pOld->Release();
    }
}
