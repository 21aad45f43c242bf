#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBuilderException.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupObjectProperty.h"
#include "CZMRMarkupParser.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElement.h"
#include "toolkit/PointerCollections.h"

#include <cwchar>

namespace
{
const WCHAR g_szRootLevelInvalid[] = L"Data at the root level is invalid";
const WCHAR g_szTagNotFound[] = L"The tag '%ls' does not exist in XML namespace";
}

CZMRMarkupBuilder::CZMRMarkupBuilder(CZMRMarkupContext* pContext)
    : m_pContext(pContext), m_pSystemColorCache(nullptr), m_lstObjects(10), m_bPendingWhitespace(FALSE),
      m_pRoot(nullptr), m_pHandover(nullptr), m_pPopped(nullptr)
{
}

CZMRMarkupBuilder::~CZMRMarkupBuilder()
{
    ReleaseBuild();
    if (m_pSystemColorCache)
    {
        for (int i = 0; i < systemKindCount * systemColorCount; i++)
        {
            if (m_pSystemColorCache[i])
                m_pSystemColorCache[i]->Release();
        }
        delete[] m_pSystemColorCache;
    }
}

CZMRMarkupObject* CZMRMarkupBuilder::Parse(CZMRMarkupParser* pParser)
{
    m_strErrorText.Empty();
    ReleaseBuild();
    if (!pParser || !pParser->FindFirstTag())
    {
        m_strErrorText = g_szRootLevelInvalid;
        return nullptr;
    }
    try
    {
        ParseTokens(pParser);
    }
    catch (CZMRMarkupBuilderException* e)
    {
        m_strErrorText.Format(L"%ls. Line %i, position %i", e->GetMessage(), pParser->GetLine() + 1,
                              pParser->GetPosition() + 1);
        e->Delete();
        ReleaseBuild();
        return nullptr;
    }
    catch (...)
    {
        ReleaseBuild();
        throw;
    }

    CZMRMarkupObject* pRoot = m_pRoot;
    m_pRoot = nullptr;
    if (!MarkupCast<CZMRMarkupUIElement>(pRoot))
    {
        m_strErrorText = L"Root element have to be 'CZMRMarkupUIElement' type";
        pRoot->Release();
        return nullptr;
    }
    ApplyStyleToTree(pRoot);
    return pRoot;
}

void CZMRMarkupBuilder::ReleaseBuild()
{
    CZMRMarkupObject* pHeld[] = {m_pRoot, m_pHandover, m_pPopped};
    m_pRoot = m_pHandover = m_pPopped = nullptr;
    for (CZMRMarkupObject* pObject : pHeld)
    {
        if (pObject)
            pObject->Release();
    }
    while (!m_lstObjects.IsEmpty())
        static_cast<CZMRMarkupObject*>(m_lstObjects.RemoveTail())->Release();
    m_strText.Empty();
    m_bPendingWhitespace = FALSE;
}

void CZMRMarkupBuilder::ParseTokens(CZMRMarkupParser* pParser)
{
    for (;;)
    {
        switch (pParser->NextToken())
        {
        case CZMRMarkupParser::tokenWhitespace:
            m_bPendingWhitespace = TRUE;
            break;
        case CZMRMarkupParser::tokenText:
            OnText(pParser->GetValue());
            break;
        case CZMRMarkupParser::tokenStartTag:
            OnStartTag(pParser->GetTagName());
            break;
        case CZMRMarkupParser::tokenAttribute:
            OnAttribute(pParser->GetAttributeName(), pParser->GetValue());
            break;
        case CZMRMarkupParser::tokenEndTag:
            OnEndTag(pParser->GetTagName());
            break;
        case CZMRMarkupParser::tokenError:
            RaiseMarkupError(pParser->GetValue());
        case CZMRMarkupParser::tokenEndOfInput:
            if (!m_lstObjects.IsEmpty())
            {
                RaiseMarkupError(FormatMarkupMessage(
                    L"Unexpected end of file has occurred. The following elements are not closed: '%ls'",
                    GetInnermostObject()->GetTagName()));
            }
            if (!m_pRoot)
                RaiseMarkupError(L"Root element is missing");
            return;
        default:
            // Comments, CDATA sections and processing instructions leave
            // no trace, not even on the gathered text.
            break;
        }
    }
}

CZMRMarkupObject* CZMRMarkupBuilder::GetInnermostObject() const
{
    return m_lstObjects.IsEmpty() ? nullptr : static_cast<CZMRMarkupObject*>(m_lstObjects.GetTail());
}

void CZMRMarkupBuilder::AppendText(LPCWSTR lpszText, int nLength)
{
    m_strText.Append(lpszText, nLength);
}

void CZMRMarkupBuilder::FlushText(CZMRMarkupObject* pObject)
{
    m_pHandover = CZMRMarkupString::CreateValue(m_strText, m_strText.GetLength());
    m_strText.Empty();
    pObject->AddContent(this, m_pHandover);
    m_pHandover = nullptr;
}

void CZMRMarkupBuilder::OnText(LPCWSTR lpszText)
{
    CZMRMarkupObject* pParent = GetInnermostObject();
    if (!pParent)
        RaiseMarkupError(g_szRootLevelInvalid);
    if (m_bPendingWhitespace && (!m_strText.IsEmpty() || pParent->HoldsContent()))
        AppendText(L" ", 1);
    m_bPendingWhitespace = FALSE;
    AppendText(lpszText, static_cast<int>(wcslen(lpszText)));
}

void CZMRMarkupBuilder::OnStartTag(LPCWSTR lpszTag)
{
    CZMRMarkupObject* pParent = GetInnermostObject();
    if (!pParent)
    {
        if (m_pRoot)
            RaiseMarkupError(L"There are multiple root elements");
    }
    else if (!m_strText.IsEmpty())
    {
        if (m_bPendingWhitespace)
            AppendText(L" ", 1);
        FlushText(pParent);
    }
    else if (m_bPendingWhitespace && pParent->HoldsContent() && pParent->KeepsWhitespaceContent())
    {
        m_pHandover = CZMRMarkupString::CreateValue(L" ", 1);
        pParent->AddContent(this, m_pHandover);
        m_pHandover = nullptr;
    }
    m_strText.Empty();
    m_bPendingWhitespace = FALSE;

    CZMRMarkupObject* pObject = nullptr;
    LPCWSTR lpszDot = wcschr(lpszTag, L'.');
    if (lpszDot)
    {
        CString strOwner(lpszTag, static_cast<int>(lpszDot - lpszTag));
        CZMRMarkupDependencyProperty* pProperty = pParent ? FindPropertyElement(strOwner, lpszDot + 1) : nullptr;
        if (!pProperty)
            RaiseMarkupError(FormatMarkupMessage(g_szTagNotFound, lpszTag));
        pObject = new CZMRMarkupObjectProperty(pProperty);
    }
    else
    {
        pObject = CreateObject(lpszTag);
        if (!pObject)
            RaiseMarkupError(FormatMarkupMessage(g_szTagNotFound, lpszTag));
    }
    // Held until the list holds it, so that an error releases it once.
    m_pHandover = pObject;
    PointerListAddTail(m_lstObjects, pObject);
    m_pHandover = nullptr;
    pObject->SetTagName(lpszTag);
}

void CZMRMarkupBuilder::OnAttribute(LPCWSTR lpszName, LPCWSTR lpszValue)
{
    CZMRMarkupObject* pObject = GetInnermostObject();
    if (!pObject)
        RaiseMarkupError(L"Unexpected error");
    if (wcsncmp(lpszName, L"xmlns", 5) == 0)
        return;
    CZMRMarkupDependencyProperty* pProperty = FindAttributeProperty(pObject->GetType(), lpszName);
    if (!pProperty)
        RaiseMarkupError(FormatMarkupMessage(L"The property '%ls' does not exist in XML namespace", lpszName));

    if (lpszValue[0] == L'{' && lpszValue[1] == L'}')
        m_pHandover = CZMRMarkupString::CreateValue(lpszValue + 2);
    else if (lpszValue[0] == L'{')
        m_pHandover = ParseMarkupExtension(lpszValue + 1);
    if (!m_pHandover)
        m_pHandover = CZMRMarkupString::CreateValue(lpszValue);
    pObject->AssignPropertyValue(this, pProperty, m_pHandover);
    m_pHandover = nullptr;
}

void CZMRMarkupBuilder::OnEndTag(LPCWSTR lpszTag)
{
    if (m_lstObjects.IsEmpty())
        RaiseMarkupError(L"Unexpected end tag");
    // Held here until it has a new holder, so that an error releases it once.
    m_pPopped = static_cast<CZMRMarkupObject*>(m_lstObjects.RemoveTail());
    LPCWSTR lpszStartTag = m_pPopped->GetTagName() ? m_pPopped->GetTagName() : L"";
    if (wcscmp(lpszStartTag, lpszTag) != 0)
    {
        RaiseMarkupError(
            FormatMarkupMessage2(L"The '%ls' start tag does not match the end tag of '%ls'", lpszStartTag, lpszTag));
    }
    // A pending space at the end is dropped.
    if (!m_strText.IsEmpty())
        FlushText(m_pPopped);
    m_strText.Empty();
    m_bPendingWhitespace = FALSE;

    CZMRMarkupObjectProperty* pPropertyElement = MarkupCast<CZMRMarkupObjectProperty>(m_pPopped);
    if (pPropertyElement)
    {
        CZMRMarkupDependencyProperty* pProperty = pPropertyElement->GetProperty();
        CZMRMarkupObject* pValue = pPropertyElement->GetPropertyValue();
        if (!pValue)
            RaiseMarkupError(FormatMarkupMessage(L"'%ls' property does not have a value", pProperty->GetName()));
        pValue->AddRef();
        m_pHandover = pValue;
        GetInnermostObject()->AssignPropertyValue(this, pProperty, m_pHandover);
        m_pHandover = nullptr;
        CZMRMarkupObject* pPopped = m_pPopped;
        m_pPopped = nullptr;
        pPopped->Release();
    }
    else if (m_lstObjects.IsEmpty())
    {
        m_pRoot = m_pPopped;
        m_pPopped = nullptr;
    }
    else
    {
        m_pHandover = m_pPopped;
        m_pPopped = nullptr;
        GetInnermostObject()->AddContent(this, m_pHandover);
        m_pHandover = nullptr;
    }
}

CZMRMarkupObject* CZMRMarkupBuilder::CreateObject(LPCWSTR lpszTag)
{
    CZMRMarkupType* pType = CZMRMarkupType::LookupTag(lpszTag);
    if (!pType)
        return nullptr;
    return m_pContext ? m_pContext->CreateMarkupObject(pType) : pType->CreateObject();
}

CZMRMarkupDependencyProperty* CZMRMarkupBuilder::FindPropertyElement(LPCWSTR lpszOwnerTag, LPCWSTR lpszName)
{
    CZMRMarkupType* pType = CZMRMarkupType::LookupTag(lpszOwnerTag);
    return pType ? CZMRMarkupDependencyProperty::FindProperty(pType, lpszName) : nullptr;
}

CZMRMarkupDependencyProperty* CZMRMarkupBuilder::FindAttributeProperty(CZMRMarkupType* pType, LPCWSTR lpszName)
{
    if (!lpszName)
        return nullptr;
    LPCWSTR lpszDot = wcschr(lpszName, L'.');
    if (!lpszDot)
        return CZMRMarkupDependencyProperty::FindProperty(pType, lpszName);
    CString strOwner(lpszName, static_cast<int>(lpszDot - lpszName));
    return FindPropertyElement(strOwner, lpszDot + 1);
}

CZMRMarkupObject* CZMRMarkupBuilder::ConvertValue(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pValue)
{
    CZMRMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
    if (pMetadata && pMetadata->GetConverter())
    {
        CZMRMarkupObject* pConverted = pMetadata->GetConverter()(m_pContext, pValue);
        if (pConverted)
            return pConverted;
    }

    CZMRMarkupType* pValueType = pProperty->GetValueType();
    CZMRMarkupObject* pBlank = nullptr;
    if (pValueType)
        pBlank = m_pContext ? m_pContext->CreateMarkupObject(pValueType) : pValueType->CreateObject();
    if (pBlank)
    {
        CZMRMarkupObject* pConverted = nullptr;
        try
        {
            pConverted = pBlank->ConvertFrom(pValue);
        }
        catch (...)
        {
            pBlank->Release();
            throw;
        }
        pBlank->Release();
        if (pConverted)
            return pConverted;
    }
    RaiseMarkupError(FormatMarkupMessage2(L"Cannot convert string in attribute '%ls' to object of type '%ls'",
                                          pProperty->GetName(),
                                          pValueType ? pValueType->GetMarkupClassName() : L""));
}

void AFXAPI ApplyStyleToTree(CZMRMarkupObject* pObject)
{
    if (!pObject)
        return;
    int nCount = pObject->GetLogicalChildrenCount();
    for (int i = 0; i < nCount; i++)
        ApplyStyleToTree(pObject->GetLogicalChild(i));
    CZMRMarkupInputElement* pElement = MarkupCast<CZMRMarkupInputElement>(pObject);
    if (pElement)
        pElement->ApplyStyle();
}
