#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupInlineUIContainer.h"
#include "CZMRMarkupRun.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElement.h"

IMPLEMENT_MARKUPCLASS(CZMRMarkupInlineCollection)

namespace
{
// A new object of the type, bound to the owner's context when it has one.
CZMRMarkupObject* CreateForOwner(CZMRMarkupInputElement* pOwner, CZMRMarkupType* pType)
{
    CZMRMarkupContext* pContext = pOwner->GetMarkupContext();
    return pContext ? pContext->CreateMarkupObject(pType) : pType->CreateObject();
}
}

CZMRMarkupInlineCollection::CZMRMarkupInlineCollection() : CZMRMarkupCollection(CZMRMarkupInline::GetMarkupType())
{
}

void CZMRMarkupInlineCollection::AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent)
{
    CZMRMarkupInputElement* pOwner = MarkupCast<CZMRMarkupInputElement>(GetLogicalParent());
    CZMRMarkupString* pString = MarkupCast<CZMRMarkupString>(pContent);
    CZMRMarkupUIElement* pElement = MarkupCast<CZMRMarkupUIElement>(pContent);
    if (pOwner && pString)
    {
        // The caller keeps its reference to the text until this returns (an
        // error releases it there): the run gets one of its own.
        CZMRMarkupRun* pRun = static_cast<CZMRMarkupRun*>(CreateForOwner(pOwner, CZMRMarkupRun::GetMarkupType()));
        try
        {
            pString->AddRef();
            if (!pRun->SetValue(CZMRMarkupRun::m_pTextProperty, pString))
                pString->Release();
        }
        catch (...)
        {
            if (pRun->GetValue(CZMRMarkupRun::m_pTextProperty) != pString)
                pString->Release();
            pRun->Release();
            throw;
        }
        try
        {
            Add(pRun);
        }
        catch (...)
        {
            pRun->Release();
            throw;
        }
        pString->Release();
        return;
    }
    if (pOwner && MarkupCast<CZMRMarkupInline>(pContent))
    {
        Add(pContent);
        return;
    }
    if (pOwner && pElement)
    {
        CZMRMarkupInlineUIContainer* pContainer = static_cast<CZMRMarkupInlineUIContainer*>(
            CreateForOwner(pOwner, CZMRMarkupInlineUIContainer::GetMarkupType()));
        pContainer->SetChild(pElement);
        Add(pContainer);
        return;
    }
    RaiseMarkupError(FormatMarkupMessage2(
        L"'%ls' object cannot be added to '%ls'. Object cannot be converted to type 'CZMRMarkupInline'",
        pContent ? pContent->GetType()->GetMarkupClassName() : L"", GetType()->GetMarkupClassName()));
}

void CZMRMarkupInlineCollection::OnItemAdded(CZMRMarkupObject* pItem, int nIndex)
{
    static_cast<CZMRMarkupInline*>(pItem)->SetIndex(nIndex);
}

int CZMRMarkupInlineCollection::IndexOf(const CZMRMarkupInline* pInline) const
{
    // The stored index is right unless items were removed before it.
    int nIndex = pInline->GetIndex();
    if (nIndex >= 0 && nIndex < GetCount() && GetItem(nIndex) == pInline)
        return nIndex;
    for (int i = 0; i < GetCount(); i++)
    {
        if (GetItem(i) == pInline)
            return i;
    }
    return -1;
}
