// Shared fixture of the tests of markup trees: small element types that
// markup can name (a panel that places its children where their Left and Top
// say, a text panel that keeps whitespace between its items, an element that
// throws a framework exception), a delegate that records what it is called
// for, a hidden host window that feeds its messages to a context, and a
// printer of a tree's shape.
#pragma once
#include "CZMRMarkupBrush.h"
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupCollection.h"
#include "CZMRMarkupContext.h"
#include "CZMRMarkupDelegate.h"
#include "CZMRMarkupDependencyProperty.h"
#include "CZMRMarkupDrawingContext.h"
#include "CZMRMarkupInt.h"
#include "CZMRMarkupParser.h"
#include "CZMRMarkupRoutedEvent.h"
#include "CZMRMarkupRoutedEventArgs.h"
#include "CZMRMarkupUIElement.h"
#include "MarkupTestSupport.h"
#include "ZMRMarkupConverters.h"
#include "ZMRMarkupFacade.h"

#include <string>
#include <vector>

// A UI element that takes UI elements and text as content. It sizes itself
// by Width and Height, places each child at the child's TestPanel.Left and
// TestPanel.Top with the child's desired size, fills its Background, and
// reacts to property changes as the layout elements do: triggers first, then
// the invalidations the metadata asks for.
class CTestPanel : public CZMRMarkupUIElement
{
public:
    CTestPanel() : m_pItems(new CZMRMarkupCollection(CZMRMarkupObject::GetMarkupType()))
    {
        m_pItems->SetLogicalParent(this);
    }
    ~CTestPanel() override { m_pItems->Release(); }

    static CZMRMarkupType* AFXAPI GetMarkupType()
    {
        static CZMRMarkupType* s_pType = nullptr;
        if (!s_pType)
        {
            RegisterAllMarkupTypes();
            s_pType = new CZMRMarkupType(L"TestPanel", L"CTestPanel", &Create, &CZMRMarkupUIElement::GetMarkupType,
                                         &RegisterProperties);
            CZMRMarkupType::EnsureRegistered(s_pType);
        }
        return s_pType;
    }
    CZMRMarkupType* GetType() const override { return GetMarkupType(); }
    static CZMRMarkupObject* AFXAPI Create() { return new CTestPanel(); }

    static void AFXAPI RegisterProperties()
    {
        CZMRMarkupType* pOwner = GetMarkupType();
        CZMRMarkupType* pInt = CZMRMarkupInt::GetMarkupType();
        s_pWidth = CZMRMarkupDependencyProperty::Register(
            L"Width", pInt, pOwner,
            new CZMRMarkupPropertyMetadata(nullptr, &ConvertSize, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
        s_pHeight = CZMRMarkupDependencyProperty::Register(
            L"Height", pInt, pOwner,
            new CZMRMarkupPropertyMetadata(nullptr, &ConvertSize, CZMRMarkupPropertyMetadata::flagAffectsMeasure));
        s_pBackground = CZMRMarkupDependencyProperty::Register(
            L"Background", CZMRMarkupBrush::GetMarkupType(), pOwner,
            new CZMRMarkupPropertyMetadata(nullptr, CZMRMarkupPropertyMetadata::flagAffectsRender));
        s_pLeft = CZMRMarkupDependencyProperty::RegisterAttached(L"Left", pInt, pOwner);
        s_pTop = CZMRMarkupDependencyProperty::RegisterAttached(L"Top", pInt, pOwner);
        s_pBubbleEvent = CZMRMarkupRoutedEvent::RegisterRoutedEvent(L"TestBubble", CZMRMarkupRoutedEvent::routeBubble,
                                                                   pOwner);
    }
    inline static CZMRMarkupDependencyProperty* s_pWidth = nullptr;
    inline static CZMRMarkupDependencyProperty* s_pHeight = nullptr;
    inline static CZMRMarkupDependencyProperty* s_pBackground = nullptr;
    inline static CZMRMarkupDependencyProperty* s_pLeft = nullptr;
    inline static CZMRMarkupDependencyProperty* s_pTop = nullptr;
    inline static CZMRMarkupRoutedEvent* s_pBubbleEvent = nullptr;   // bubbles

    void AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* pContent) override
    {
        m_pItems->Add(pContent);
    }
    BOOL HoldsContent() const override { return m_pItems->GetCount() > 0; }

    int GetVisualChildrenCount() const override
    {
        int nCount = 0;
        for (int i = 0; i < m_pItems->GetCount(); i++)
            nCount += MarkupCast<CZMRMarkupUIElement>(m_pItems->GetItem(i)) ? 1 : 0;
        return nCount;
    }
    CZMRMarkupVisual* GetVisualChild(int nIndex) const override
    {
        for (int i = 0; i < m_pItems->GetCount(); i++)
        {
            CZMRMarkupUIElement* pChild = MarkupCast<CZMRMarkupUIElement>(m_pItems->GetItem(i));
            if (pChild && nIndex-- == 0)
                return pChild;
        }
        return nullptr;
    }

    CSize MeasureCore(CZMRMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight) override
    {
        m_nMeasureCount++;
        for (int i = 0; i < GetVisualChildrenCount(); i++)
            static_cast<CZMRMarkupUIElement*>(GetVisualChild(i))->Measure(pDC, nAvailableWidth, nAvailableHeight);
        return CSize(IntOf(this, s_pWidth), IntOf(this, s_pHeight));
    }
    CSize ArrangeCore(CRect rcFinal) override
    {
        m_nArrangeCount++;
        SetVisualOffset(rcFinal.TopLeft());
        m_szRender = rcFinal.Size();
        for (int i = 0; i < GetVisualChildrenCount(); i++)
        {
            CZMRMarkupUIElement* pChild = static_cast<CZMRMarkupUIElement*>(GetVisualChild(i));
            CPoint pt(IntOf(pChild, s_pLeft), IntOf(pChild, s_pTop));
            pChild->Arrange(CRect(pt, pChild->GetDesiredSize()));
        }
        return m_szRender;
    }
    void OnRender(CZMRMarkupDrawingContext* pDC) override
    {
        m_nRenderCount++;
        pDC->FillRect(MarkupCast<CZMRMarkupBrush>(GetValue(s_pBackground)), 0, 0, m_szRender.cx, m_szRender.cy);
    }
    // Marks the top-left pixel black.
    void OnRenderFocusVisual(CZMRMarkupDrawingContext* pDC) override
    {
        m_nFocusVisualCount++;
        pDC->FillSolidRect(0, 0, 1, 1, RGB(0, 0, 0));
    }
    void OnPropertyChanged(CZMRMarkupDependencyProperty* pProperty, CZMRMarkupObject* pOldValue,
                           CZMRMarkupObject* pNewValue) override
    {
        CZMRMarkupUIElement::OnPropertyChanged(pProperty, pOldValue, pNewValue);
        UpdateTriggers(pProperty, pNewValue);
        DWORD dwFlags = pProperty->GetMetadata() ? pProperty->GetMetadata()->GetFlags() : 0;
        if (dwFlags & CZMRMarkupPropertyMetadata::flagAffectsMeasure)
            InvalidateMeasure();
        if (dwFlags & CZMRMarkupPropertyMetadata::flagAffectsArrange)
            InvalidateArrange();
        if (dwFlags & CZMRMarkupPropertyMetadata::flagAffectsRender)
            InvalidateVisual();
    }

    static int IntOf(const CZMRMarkupObject* pObject, CZMRMarkupDependencyProperty* pProperty)
    {
        CZMRMarkupInt* pValue = MarkupCast<CZMRMarkupInt>(pObject->GetValue(pProperty));
        return pValue ? pValue->GetValue() : 0;
    }
    // The background colour, or -1 without a background.
    COLORREF GetBackgroundColor() const
    {
        CZMRMarkupBrush* pBrush = MarkupCast<CZMRMarkupBrush>(GetValue(s_pBackground));
        return pBrush ? pBrush->GetColor() : static_cast<COLORREF>(-1);
    }
    CZMRMarkupCollection* GetItems() const { return m_pItems; }
    // Sets Width and Height, as markup would.
    void SetSize(int cx, int cy)
    {
        SetValue(s_pWidth, new CZMRMarkupInt(cx));
        SetValue(s_pHeight, new CZMRMarkupInt(cy));
    }

    int m_nMeasureCount = 0;
    int m_nArrangeCount = 0;
    int m_nRenderCount = 0;
    int m_nFocusVisualCount = 0;

protected:
    CZMRMarkupCollection* m_pItems;   // text and children, in the order written
};

// The text panel: whitespace between two of its items survives as a blank.
class CTestText : public CTestPanel
{
public:
    static CZMRMarkupType* AFXAPI GetMarkupType()
    {
        static CZMRMarkupType* s_pType = nullptr;
        if (!s_pType)
        {
            s_pType = new CZMRMarkupType(L"TestText", L"CTestText", &Create, &CTestPanel::GetMarkupType,
                                         &CZMRMarkupType::EmptyCallback);
            CZMRMarkupType::EnsureRegistered(s_pType);
        }
        return s_pType;
    }
    CZMRMarkupType* GetType() const override { return GetMarkupType(); }
    static CZMRMarkupObject* AFXAPI Create() { return new CTestText(); }
    BOOL KeepsWhitespaceContent() const override { return TRUE; }
};

// An element that fails with a framework exception, not the builder's.
class CTestThrower : public CZMRMarkupUIElement
{
public:
    static CZMRMarkupType* AFXAPI GetMarkupType()
    {
        static CZMRMarkupType* s_pType = nullptr;
        if (!s_pType)
        {
            s_pType = new CZMRMarkupType(L"TestThrower", L"CTestThrower", &Create,
                                         &CZMRMarkupUIElement::GetMarkupType, &CZMRMarkupType::EmptyCallback);
            CZMRMarkupType::EnsureRegistered(s_pType);
        }
        return s_pType;
    }
    CZMRMarkupType* GetType() const override { return GetMarkupType(); }
    static CZMRMarkupObject* AFXAPI Create() { return new CTestThrower(); }
    void AddContent(CZMRMarkupBuilder* /*pBuilder*/, CZMRMarkupObject* /*pContent*/) override
    {
        AfxThrowInvalidArgException();
    }
};

// The x:Name of an element, or its tag.
inline std::wstring NameOf(const CZMRMarkupObject* pObject)
{
    if (!pObject)
        return L"(null)";
    CZMRMarkupString* pName = MarkupCast<CZMRMarkupString>(pObject->GetValue(CZMRMarkupObject::m_pNameProperty));
    if (pName)
        return pName->GetText();
    return pObject->GetTagName() ? pObject->GetTagName() : pObject->GetType()->GetMarkupClassName();
}

// Logs "label:element" for every call, and marks the record handled when told.
class CRecordingDelegate : public CZMRMarkupDelegate
{
public:
    CRecordingDelegate(std::vector<std::wstring>* pLog, const std::wstring& strLabel, BOOL bHandles = FALSE)
        : m_pLog(pLog), m_strLabel(strLabel), m_bHandles(bHandles)
    {
    }
    void OnEvent(CZMRMarkupObject* pSender, CZMRMarkupRoutedEventArgs* pArgs) override
    {
        m_pLog->push_back(m_strLabel + L":" + NameOf(pSender));
        if (m_bHandles)
            pArgs->bHandled = TRUE;
    }

private:
    std::vector<std::wstring>* m_pLog;
    std::wstring m_strLabel;
    BOOL m_bHandles;
};

// A hidden window that hands every message to the context's routing for its
// root first.
class MarkupHostWindow
{
public:
    MarkupHostWindow()
    {
        static ATOM s_atom = 0;
        if (!s_atom)
        {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = &WndProc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"MarkupTestHost";
            s_atom = ::RegisterClassW(&wc);
        }
        m_hWnd = ::CreateWindowExW(0, L"MarkupTestHost", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MarkupHostWindow()
    {
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }

    // Sends a mouse message with the client point in lParam; TRUE when the
    // context handled it.
    BOOL Mouse(UINT message, int x, int y, WPARAM wParam = 0)
    {
        m_bHandled = FALSE;
        ::SendMessageW(m_hWnd, message, wParam, MAKELPARAM(x, y));
        return m_bHandled;
    }
    BOOL Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        m_bHandled = FALSE;
        ::SendMessageW(m_hWnd, message, wParam, lParam);
        return m_bHandled;
    }

    HWND m_hWnd = nullptr;
    CZMRMarkupContext* m_pContext = nullptr;
    CZMRMarkupUIElement* m_pRoot = nullptr;
    BOOL m_bHandled = FALSE;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        MarkupHostWindow* pHost = reinterpret_cast<MarkupHostWindow*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        LRESULT lResult = 0;
        if (pHost && pHost->m_pContext && pHost->m_pContext->OnWndMsg(pHost->m_pRoot, message, wParam, lParam, &lResult))
        {
            pHost->m_bHandled = TRUE;
            return lResult;
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
};

// The shape of a tree: tags (or x:Name) with their items in brackets, text
// in quotes.
inline std::wstring DumpTree(const CZMRMarkupObject* pObject)
{
    CZMRMarkupString* pText = MarkupCast<CZMRMarkupString>(const_cast<CZMRMarkupObject*>(pObject));
    if (pText)
        return L"\"" + std::wstring(pText->GetText()) + L"\"";
    std::wstring strDump = NameOf(pObject);
    const CTestPanel* pPanel = static_cast<const CTestPanel*>(
        MarkupCast<CTestPanel>(const_cast<CZMRMarkupObject*>(pObject)));
    if (pPanel && pPanel->GetItems()->GetCount() > 0)
    {
        strDump += L"[";
        for (int i = 0; i < pPanel->GetItems()->GetCount(); i++)
            strDump += (i ? L"," : L"") + DumpTree(pPanel->GetItems()->GetItem(i));
        strDump += L"]";
    }
    return strDump;
}

// A context per test, and the check that every element and the context's
// references were given back.
class MarkupTreeTest : public MarkupTest
{
protected:
    void SetUp() override
    {
        CTestPanel::GetMarkupType();
        CTestText::GetMarkupType();
        CTestThrower::GetMarkupType();
        MarkupTest::SetUp();
        m_pContext = new CZMRMarkupContext();
    }
    // The context goes with everything it made.
    void TearDown() override
    {
        EXPECT_EQ(1, m_pContext->GetRefCount()) << "context references left";
        m_pContext->Release();
        MarkupTest::TearDown();
    }

    // The tree built from the markup, or null with the builder's error text.
    CZMRMarkupObject* Build(LPCWSTR lpszMarkup, CString* pError = nullptr)
    {
        CZMRMarkupParser parser;
        parser.SetBuffer(lpszMarkup, lpszMarkup + wcslen(lpszMarkup));
        CZMRMarkupBuilder builder(m_pContext);
        CZMRMarkupObject* pRoot = builder.Parse(&parser);
        if (pError)
            *pError = builder.GetErrorText();
        return pRoot;
    }
    CString BuildError(LPCWSTR lpszMarkup)
    {
        CString strError;
        CZMRMarkupObject* pRoot = Build(lpszMarkup, &strError);
        if (pRoot)
            pRoot->Release();
        return strError;
    }

    // The first element of the tree (depth first) with that x:Name.
    static CZMRMarkupObject* Find(CZMRMarkupObject* pObject, LPCWSTR lpszName)
    {
        if (!pObject)
            return nullptr;
        if (NameOf(pObject) == lpszName)
            return pObject;
        CTestPanel* pPanel = MarkupCast<CTestPanel>(pObject);
        for (int i = 0; pPanel && i < pPanel->GetItems()->GetCount(); i++)
        {
            CZMRMarkupObject* pFound = Find(pPanel->GetItems()->GetItem(i), lpszName);
            if (pFound)
                return pFound;
        }
        return nullptr;
    }

    CZMRMarkupContext* m_pContext = nullptr;
};
