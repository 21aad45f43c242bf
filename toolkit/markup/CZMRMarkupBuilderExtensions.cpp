// The markup extensions of the builder: x:Static, StaticResource,
// DynamicResource and x:Type, and the resource lookup over the open elements.
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBrushKey.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupColorKey.h"
#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupObjectProperty.h"
#include "CZMRMarkupResourceDictionary.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupStyle.h"
#include "CZMRMarkupType.h"

#include <cwchar>

namespace
{
// The rest after the keyword and its one blank, or null.
LPCWSTR AfterKeyword(LPCWSTR lpszText, LPCWSTR lpszKeyword)
{
    size_t nLength = wcslen(lpszKeyword);
    return wcsncmp(lpszText, lpszKeyword, nLength) == 0 ? lpszText + nLength : nullptr;
}
}

CZMRMarkupObject* CZMRMarkupBuilder::ParseMarkupExtension(LPCWSTR lpszText)
{
    int nLength = static_cast<int>(wcslen(lpszText));
    if (nLength == 0 || lpszText[nLength - 1] != L'}')
        RaiseMarkupError(L"Markup extension expressions must end with '}'");
    CString strText(lpszText, nLength - 1);

    LPCWSTR lpszRest = AfterKeyword(strText, L"x:Static ");
    if (lpszRest)
        return ResolveStaticMember(lpszRest);
    lpszRest = AfterKeyword(strText, L"StaticResource ");
    if (!lpszRest)
        lpszRest = AfterKeyword(strText, L"DynamicResource ");
    if (lpszRest)
        return ResolveResource(lpszRest);
    lpszRest = AfterKeyword(strText, L"x:Type ");
    if (lpszRest)
        return FindType(lpszRest);
    RaiseMarkupError(FormatMarkupMessage(L"The tag '%ls' does not exist in XML namespace", strText));
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveStaticMember(LPCWSTR lpszMember)
{
    CZMRMarkupObject* pMember = ResolveSystemColor(lpszMember);
    if (!pMember)
        pMember = ResolveSystemBrush(lpszMember);
    if (!pMember)
        pMember = ResolveSystemColorKey(lpszMember);
    if (!pMember)
        pMember = ResolveSystemBrushKey(lpszMember);
    if (!pMember)
        RaiseMarkupError(FormatMarkupMessage(L"Cannot find the static member  '%ls'", lpszMember));
    return pMember;
}

CZMRMarkupObject* CZMRMarkupBuilder::FindType(LPCWSTR lpszTag)
{
    CZMRMarkupType* pType = CZMRMarkupType::LookupTag(lpszTag);
    if (!pType)
        RaiseMarkupError(FormatMarkupMessage(L"Cannot find type '%ls'", lpszTag));
    pType->AddRef();
    return pType;
}

CZMRMarkupObject* CZMRMarkupBuilder::EvaluateKey(LPCWSTR lpszKey)
{
    if (lpszKey[0] == L'{' && lpszKey[1] == L'}')
        return CZMRMarkupString::CreateValue(lpszKey + 2);
    if (lpszKey[0] == L'{')
        return ParseMarkupExtension(lpszKey + 1);
    return CZMRMarkupString::CreateValue(lpszKey);
}

CZMRMarkupObject* CZMRMarkupBuilder::FindResourceInObject(CZMRMarkupObject* pObject, CZMRMarkupObject* pKey)
{
    // An open property element may be gathering a dictionary that already
    // holds resources defined before this point.
    CZMRMarkupObjectProperty* pPropertyElement = MarkupCast<CZMRMarkupObjectProperty>(pObject);
    if (pPropertyElement)
    {
        CZMRMarkupObject* pValue = pPropertyElement->GetPropertyValue();
        return pValue ? FindResource(pValue, pKey) : nullptr;
    }
    if (MarkupCast<CZMRMarkupInputElement>(pObject) || MarkupCast<CZMRMarkupStyle>(pObject))
        return FindResource(pObject, pKey);
    return nullptr;
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveResource(LPCWSTR lpszKey)
{
    CZMRMarkupObject* pKey = EvaluateKey(lpszKey);
    CZMRMarkupObject* pFound = nullptr;
    POSITION pos = m_lstObjects.GetTailPosition();
    while (pos && !pFound)
        pFound = FindResourceInObject(static_cast<CZMRMarkupObject*>(m_lstObjects.GetPrev(pos)), pKey);
    if (pFound)
    {
        pFound->AddRef();
    }
    else if (CZMRMarkupColorKey* pColorKey = MarkupCast<CZMRMarkupColorKey>(pKey))
    {
        pFound = GetSystemColor(pColorKey->GetIndex());
    }
    else if (CZMRMarkupBrushKey* pBrushKey = MarkupCast<CZMRMarkupBrushKey>(pKey))
    {
        pFound = GetSystemBrush(pBrushKey->GetIndex());
    }
    pKey->Release();
    if (!pFound)
    {
        RaiseMarkupError(
            FormatMarkupMessage(L"Cannot find resource named '%ls'. Resource names are case sensitive", lpszKey));
    }
    return pFound;
}
