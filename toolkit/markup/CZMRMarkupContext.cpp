#include "CZMRMarkupContext.h"
#include "CZMRImageManager.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupDelegate.h"
#include "CZMRMarkupEventHandlers.h"
#include "CZMRMarkupFont.h"
#include "CZMRMarkupFrameworkContentElement.h"
#include "CZMRMarkupFrameworkElement.h"
#include "CZMRMarkupInputElement.h"
#include "CZMRMarkupKeyboardNavigation.h"
#include "CZMRMarkupParser.h"
#include "CZMRMarkupRoutedEventArgs.h"
#include "CZMRMarkupString.h"
#include "CZMRMarkupType.h"
#include "CZMRMarkupUIElement.h"
#include "CZMRNonClientMetrics.h"
#include "toolkit/PointerCollections.h"

#include <cwchar>

CZMRMarkupContext::CInputElementCollection::CInputElementCollection()
    : CZMRMarkupCollection(CZMRMarkupInputElement::GetMarkupType(), FALSE)
{
}

CZMRMarkupInputElement* CZMRMarkupContext::CInputElementCollection::GetElement(int nIndex) const
{
    return static_cast<CZMRMarkupInputElement*>(GetItem(nIndex));
}

INT_PTR CZMRMarkupContext::CTooltipContext::HitTestTool(CWnd* /*pWnd*/, CPoint /*point*/, TOOLINFO* pInfo)
{
    return m_pMarkupContext ? m_pMarkupContext->FillToolTipInfo(pInfo) : -1;
}

CZMRMarkupContext::CZMRMarkupContext()
    : m_pImageManager(nullptr), m_hWndHost(nullptr), m_clrDefaultForeground(0), m_pMouseOverElement(nullptr),
      m_pMouseCaptureElement(nullptr), m_pActiveRoot(nullptr), m_pFontCache(nullptr), m_pHandlers(nullptr),
      m_pDelegates(nullptr), m_pKeyboardNavigation(nullptr), m_pToolTipContext(nullptr), m_nRefCount(1)
{
    CZMRNonClientMetrics ncm;
    m_lfDefaultFont = ncm.lfMessageFont;
    m_pKeyboardNavigation = new CZMRMarkupKeyboardNavigation(this);
    m_pToolTipContext = new CTooltipContext(this);
    m_pToolTipContext->SetStyle(zmrToolTipMarkup);
    RegisterAllMarkupTypes();
}

CZMRMarkupContext::~CZMRMarkupContext()
{
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    if (m_pMouseOverElement)
        m_pMouseOverElement->Release();
    m_pMouseOverElement = nullptr;
    m_pKeyboardNavigation->Release();

    delete m_pHandlers;
    if (m_pDelegates)
    {
        POSITION pos = m_pDelegates->GetStartPosition();
        while (pos)
        {
            CString strName;
            void* pDelegate = nullptr;
            m_pDelegates->GetNextAssoc(pos, strName, pDelegate);
            static_cast<CZMRMarkupDelegate*>(pDelegate)->Release();
        }
        PtrMapRemoveAll(*m_pDelegates);
        delete m_pDelegates;
    }
    if (m_pFontCache)
    {
        CZMRMarkupFont* pFont = m_pFontCache->pFirst;
        while (pFont)
        {
            CZMRMarkupFont* pNext = pFont->GetNextFont();
            pFont->DetachFromContext();
            pFont = pNext;
        }
        delete m_pFontCache;
    }
    m_pToolTipContext->m_pMarkupContext = nullptr;
    m_pToolTipContext->InternalRelease();
}

long CZMRMarkupContext::AddRef()
{
    return ::InterlockedIncrement(&m_nRefCount);
}

long CZMRMarkupContext::Release()
{
    if (m_nRefCount == 0)
        return 0;
    long nCount = ::InterlockedDecrement(&m_nRefCount);
    if (nCount == 0)
        delete this;
    return nCount;
}

void CZMRMarkupContext::SetDefaultFont(HFONT hFont)
{
    LOGFONTW lf;
    if (hFont && ::GetObjectW(hFont, sizeof(lf), &lf) == sizeof(lf))
        m_lfDefaultFont = lf;
}

CZMRMarkupUIElement* CZMRMarkupContext::Parse(LPCWSTR lpszMarkup)
{
    if (!lpszMarkup)
        return nullptr;
    CZMRMarkupParser parser;
    parser.SetBuffer(lpszMarkup, lpszMarkup + wcslen(lpszMarkup));
    CZMRMarkupBuilder builder(this);
    // The builder answers a UI element or nothing.
    return static_cast<CZMRMarkupUIElement*>(builder.Parse(&parser));
}

CZMRMarkupObject* CZMRMarkupContext::CreateMarkupObject(CZMRMarkupType* pType)
{
    CZMRMarkupObject* pObject = pType ? pType->CreateObject() : nullptr;
    CZMRMarkupInputElement* pElement = MarkupCast<CZMRMarkupInputElement>(pObject);
    if (pElement)
    {
        pElement->SetMarkupContext(this);
        AddRef();
    }
    return pObject;
}

void CZMRMarkupContext::UnregisterElement(CZMRMarkupInputElement* pElement)
{
    // Its count is already 0: the hover reference is not given back.
    if (m_pMouseOverElement == pElement)
        m_pMouseOverElement = nullptr;
    if (m_pMouseCaptureElement == pElement)
        m_pMouseCaptureElement = nullptr;
    if (m_pActiveRoot == pElement)
        m_pActiveRoot = nullptr;
    pElement->SetMarkupContext(nullptr);
}

BOOL AFXAPI CZMRMarkupContext::IsSameFont(const LOGFONTW& lf1, const LOGFONTW& lf2)
{
    // The quality counts too: a ClearType run must not draw with a font made
    // for another quality.
    return lf1.lfHeight == lf2.lfHeight && lf1.lfWeight == lf2.lfWeight && lf1.lfItalic == lf2.lfItalic &&
           lf1.lfQuality == lf2.lfQuality && wcscmp(lf1.lfFaceName, lf2.lfFaceName) == 0;
}

CZMRMarkupFont* CZMRMarkupContext::GetFont(const LOGFONTW& lf)
{
    if (!m_pFontCache)
        m_pFontCache = new CFontCache{nullptr, nullptr};
    for (CZMRMarkupFont* pFont = m_pFontCache->pFirst; pFont; pFont = pFont->GetNextFont())
    {
        if (IsSameFont(pFont->GetLogFont(), lf))
        {
            pFont->AddRef();
            return pFont;
        }
    }
    CZMRMarkupFont* pFont = new CZMRMarkupFont(lf, this);
    if (m_pFontCache->pLast)
        m_pFontCache->pLast->SetNextFont(pFont);
    else
        m_pFontCache->pFirst = pFont;
    m_pFontCache->pLast = pFont;
    return pFont;
}

void CZMRMarkupContext::RemoveFont(CZMRMarkupFont* pFont)
{
    if (!m_pFontCache)
        return;
    CZMRMarkupFont* pPrevious = nullptr;
    for (CZMRMarkupFont* p = m_pFontCache->pFirst; p; pPrevious = p, p = p->GetNextFont())
    {
        if (p != pFont)
            continue;
        if (pPrevious)
            pPrevious->SetNextFont(p->GetNextFont());
        else
            m_pFontCache->pFirst = p->GetNextFont();
        if (m_pFontCache->pLast == p)
            m_pFontCache->pLast = pPrevious;
        p->SetNextFont(nullptr);
        return;
    }
}

void CZMRMarkupContext::AddDelegate(LPCWSTR lpszName, CZMRMarkupDelegate* pDelegate)
{
    if (!pDelegate)
        return;
    if (!lpszName)
    {
        pDelegate->Release();
        return;
    }
    if (!m_pDelegates)
        m_pDelegates = new CMapStringToPtr(10);
    void* pOld = nullptr;
    if (m_pDelegates->Lookup(lpszName, pOld))
        static_cast<CZMRMarkupDelegate*>(pOld)->Release();
    m_pDelegates->SetAt(lpszName, pDelegate);
}

CZMRMarkupDelegate* CZMRMarkupContext::FindDelegate(LPCWSTR lpszName) const
{
    void* pDelegate = nullptr;
    if (!m_pDelegates || !lpszName || !m_pDelegates->Lookup(lpszName, pDelegate))
        return nullptr;
    return static_cast<CZMRMarkupDelegate*>(pDelegate);
}

void CZMRMarkupContext::AddHandler(CZMRMarkupRoutedEvent* pEvent, CZMRMarkupDelegate* pHandler)
{
    if (!m_pHandlers)
        m_pHandlers = new CZMRMarkupEventHandlers();
    m_pHandlers->Add(pEvent, pHandler);
}

void CZMRMarkupContext::RaiseHandlers(CZMRMarkupInputElement* pElement, CZMRMarkupRoutedEventArgs* pArgs)
{
    if (m_pHandlers)
        m_pHandlers->Raise(pElement, pArgs);
}

void AFXAPI CZMRMarkupContext::BuildInputElementChain(CZMRMarkupInputElement* pElement,
                                                      CInputElementCollection& chain)
{
    for (CZMRMarkupObject* pObject = pElement; pObject; pObject = pObject->GetLogicalParent())
    {
        if (!chain.IsAccepted(pObject))
            continue;
        pObject->AddRef();
        chain.Add(pObject);
    }
}

CRect CZMRMarkupContext::GetHostRectOfElement(CZMRMarkupObject* pElement) const
{
    CRect rc;
    CZMRMarkupVisual* pVisual = MarkupCast<CZMRMarkupVisual>(pElement);
    // Text content covers the framework element that hosts it.
    CZMRMarkupFrameworkContentElement* pContent = MarkupCast<CZMRMarkupFrameworkContentElement>(pElement);
    if (!pVisual && pContent)
        pVisual = pContent->GetFrameworkParent();
    if (!pVisual)
        return rc;
    rc = pVisual->GetBounds();
    for (; pVisual; pVisual = pVisual->GetVisualParent())
        rc.OffsetRect(pVisual->GetVisualOffset());
    return rc;
}

INT_PTR CZMRMarkupContext::FillToolTipInfo(TOOLINFO* pInfo)
{
    CInputElementCollection chain;
    if (m_pMouseOverElement)
        BuildInputElementChain(m_pMouseOverElement, chain);
    for (int i = 0; i < chain.GetCount(); i++)
    {
        CZMRMarkupInputElement* pElement = chain.GetElement(i);
        CZMRMarkupString* pText =
            MarkupCast<CZMRMarkupString>(pElement->GetValue(CZMRMarkupInputElement::m_pToolTipProperty));
        if (!pText)
            continue;
        CRect rc = GetHostRectOfElement(pElement);
        INT_PTR nId = reinterpret_cast<INT_PTR>(pElement);
        CZMRToolTipContext::FillInToolInfo(pInfo, m_hWndHost, rc.left, rc.top, rc.right, rc.bottom, nId,
                                           pText->GetText());
        return nId;
    }
    return -1;
}
