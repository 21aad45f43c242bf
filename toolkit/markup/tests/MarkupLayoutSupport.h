// Shared fixture of the layout tests: a framework element whose content has
// a size the test gives and which records what layout asked of it, text
// measured in the fonts Wine supplies, and a search by x:Name through any
// tree.
#pragma once
#include "CZMRMarkupFrameworkElement.h"
#include "CZMRMarkupRun.h"
#include "CZMRMarkupTextBlock.h"
#include "MarkupTreeSupport.h"

#include "ArtifactPng.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// "TestBox": its content has the size of ContentWidth and ContentHeight; it
// remembers the size MeasureOverride and ArrangeOverride were given.
class CTestBox : public CZMRMarkupFrameworkElement
{
public:
    static CZMRMarkupType* AFXAPI GetMarkupType()
    {
        static CZMRMarkupType* s_pType = nullptr;
        if (!s_pType)
        {
            RegisterAllMarkupTypes();
            s_pType = new CZMRMarkupType(L"TestBox", L"CTestBox", &Create,
                                         &CZMRMarkupFrameworkElement::GetMarkupType, &RegisterProperties);
            CZMRMarkupType::EnsureRegistered(s_pType);
        }
        return s_pType;
    }
    CZMRMarkupType* GetType() const override { return GetMarkupType(); }
    static CZMRMarkupObject* AFXAPI Create() { return new CTestBox(); }
    static void AFXAPI RegisterProperties()
    {
        s_pContentWidth = CZMRMarkupDependencyProperty::Register(L"ContentWidth", CZMRMarkupInt::GetMarkupType(),
                                                                GetMarkupType());
        s_pContentHeight = CZMRMarkupDependencyProperty::Register(L"ContentHeight", CZMRMarkupInt::GetMarkupType(),
                                                                 GetMarkupType());
    }
    inline static CZMRMarkupDependencyProperty* s_pContentWidth = nullptr;
    inline static CZMRMarkupDependencyProperty* s_pContentHeight = nullptr;

    CSize MeasureOverride(CZMRMarkupDrawingContext* /*pDC*/, int nAvailableWidth, int nAvailableHeight) override
    {
        m_szMeasuredWith = CSize(nAvailableWidth, nAvailableHeight);
        return CSize(CTestPanel::IntOf(this, s_pContentWidth), CTestPanel::IntOf(this, s_pContentHeight));
    }
    CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override
    {
        m_szArrangedWith = CSize(nFinalWidth, nFinalHeight);
        return m_szArrangedWith;
    }

    CSize m_szMeasuredWith = CSize(-1, -1);
    CSize m_szArrangedWith = CSize(-1, -1);
};

// The first object of the tree (depth first through logical children) with
// that x:Name.
inline CZMRMarkupObject* FindNamed(CZMRMarkupObject* pObject, LPCWSTR lpszName)
{
    if (!pObject)
        return nullptr;
    CZMRMarkupString* pName = MarkupCast<CZMRMarkupString>(pObject->GetValueCore(CZMRMarkupObject::m_pNameProperty));
    if (pName && wcscmp(pName->GetText(), lpszName) == 0)
        return pObject;
    for (int i = 0; i < pObject->GetLogicalChildrenCount(); i++)
    {
        CZMRMarkupObject* pFound = FindNamed(pObject->GetLogicalChild(i), lpszName);
        if (pFound)
            return pFound;
    }
    return nullptr;
}

// Text measured as GDI measures it in the font of the record.
class CTextMeasure
{
public:
    explicit CTextMeasure(const LOGFONTW& lf)
        : m_hDC(::CreateCompatibleDC(nullptr)), m_hFont(::CreateFontIndirectW(&lf))
    {
        m_hOldFont = ::SelectObject(m_hDC, m_hFont);
        ::GetTextMetricsW(m_hDC, &m_tm);
    }
    ~CTextMeasure()
    {
        ::SelectObject(m_hDC, m_hOldFont);
        ::DeleteObject(m_hFont);
        ::DeleteDC(m_hDC);
    }
    CSize Extent(LPCWSTR lpszText, int nLength = -1) const
    {
        SIZE sz = {0, 0};
        ::GetTextExtentPoint32W(m_hDC, lpszText, nLength < 0 ? static_cast<int>(wcslen(lpszText)) : nLength, &sz);
        return sz;
    }
    int Width(LPCWSTR lpszText) const { return Extent(lpszText).cx; }
    int Height() const { return Extent(L" ").cy; }
    int Descent() const { return m_tm.tmDescent; }

private:
    HDC m_hDC;
    HFONT m_hFont;
    HGDIOBJ m_hOldFont;
    TEXTMETRICW m_tm;
};

// The text of one part of a text block's line.
inline std::wstring PartText(const CZMRMarkupTextBlock::CLinePart* pPart)
{
    CZMRMarkupRun* pRun = MarkupCast<CZMRMarkupRun>(pPart->pInline);
    if (!pRun || pPart->nFirst < 0 || pPart->nEnd < pPart->nFirst)
        return L"";
    return std::wstring(pRun->GetText() + pPart->nFirst, pPart->nEnd - pPart->nFirst);
}

// Every line of a text block as its parts' texts joined by '|'.
inline std::vector<std::wstring> LineTexts(const CZMRMarkupTextBlock* pBlock)
{
    std::vector<std::wstring> lines;
    for (const CZMRMarkupTextBlock::CLine* pLine = pBlock->GetFirstLine(); pLine; pLine = pLine->pNext)
    {
        std::wstring strLine;
        for (const CZMRMarkupTextBlock::CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
            strLine += (pPart == pLine->pFirst ? L"" : L"|") + PartText(pPart);
        lines.push_back(strLine);
    }
    return lines;
}

namespace
{
// A white DIB to draw into, read back pixel by pixel.
class WhiteSurface : public DibSurface
{
public:
    WhiteSurface(int nWidth, int nHeight) : DibSurface(nWidth, nHeight), m_nWidth(nWidth), m_nHeight(nHeight)
    {
        ::PatBlt(GetDC(), 0, 0, nWidth, nHeight, WHITENESS);
    }
    // Pixels of the rectangle for which the test holds.
    int Count(const CRect& rc, const std::function<bool(COLORREF)>& test) const
    {
        int nCount = 0;
        for (int y = std::max(0, static_cast<int>(rc.top)); y < std::min(m_nHeight, static_cast<int>(rc.bottom)); y++)
        {
            for (int x = std::max(0, static_cast<int>(rc.left)); x < std::min(m_nWidth, static_cast<int>(rc.right));
                 x++)
            {
                nCount += test(At(x, y)) ? 1 : 0;
            }
        }
        return nCount;
    }
    int CountOf(const CRect& rc, COLORREF clr) const
    {
        return Count(rc, [clr](COLORREF c) { return c == clr; });
    }
    int CountNot(const CRect& rc, COLORREF clr) const
    {
        return Count(rc, [clr](COLORREF c) { return c != clr; });
    }
    bool Save(LPCWSTR lpszName) const
    {
        return SaveArtifactPng(lpszName, m_nWidth, m_nHeight, [this](int x, int y) { return At(x, y); });
    }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    int m_nWidth;
    int m_nHeight;
};
}

// A tree test that knows the test box and builds trees of any type.
class MarkupLayoutTest : public MarkupTreeTest
{
protected:
    void SetUp() override
    {
        CTestBox::GetMarkupType();
        MarkupTreeTest::SetUp();
    }
    template <class T>
    T* BuildAs(LPCWSTR lpszMarkup)
    {
        CString strError;
        CZMRMarkupObject* pRoot = Build(lpszMarkup, &strError);
        EXPECT_TRUE(pRoot) << CStringA(strError).GetString();
        T* pTyped = MarkupCast<T>(pRoot);
        EXPECT_TRUE(!pRoot || pTyped);
        if (pRoot && !pTyped)
            pRoot->Release();
        return pTyped;
    }
    template <class T>
    static T* Named(CZMRMarkupObject* pRoot, LPCWSTR lpszName)
    {
        return MarkupCast<T>(FindNamed(pRoot, lpszName));
    }
    // Measures with a screen drawing context and arranges at the origin in
    // the desired size (or the given one).
    static void Layout(CZMRMarkupUIElement* pRoot, int nWidth, int nHeight, CSize szArrange = CSize(-1, -1))
    {
        CZMRMarkupDrawingContext dc;
        pRoot->Measure(&dc, nWidth, nHeight);
        CSize sz = szArrange.cx >= 0 ? szArrange : pRoot->GetDesiredSize();
        pRoot->Arrange(CRect(CPoint(0, 0), sz));
    }
    CTextMeasure DefaultText() const { return CTextMeasure(m_pContext->GetDefaultFont()); }
    // Where a named element was drawn, in the coordinates of the tree's
    // root: its render box moved by the visual offsets below the root.
    static CRect DrawnRect(CZMRMarkupObject* pRoot, LPCWSTR lpszName)
    {
        CZMRMarkupVisual* pVisual = Named<CZMRMarkupVisual>(pRoot, lpszName);
        if (!pVisual)
            return CRect(-1, -1, -1, -1);
        CRect rc(CPoint(0, 0), pVisual->GetRenderSize());
        for (; pVisual && pVisual != pRoot; pVisual = pVisual->GetVisualParent())
            rc.OffsetRect(pVisual->GetVisualOffset());
        return rc;
    }
    // The final rectangles of the named elements, in order; (-1,-1,-1,-1)
    // for a name that is not found.
    static std::vector<CRect> FinalRects(CZMRMarkupObject* pRoot, std::initializer_list<LPCWSTR> names)
    {
        std::vector<CRect> rects;
        for (LPCWSTR lpszName : names)
        {
            CZMRMarkupUIElement* pElement = Named<CZMRMarkupUIElement>(pRoot, lpszName);
            rects.push_back(pElement ? pElement->GetFinalRect() : CRect(-1, -1, -1, -1));
        }
        return rects;
    }
};

// A test box of the content size with a name and further attributes.
inline CString Box(LPCWSTR lpszName, int cx, int cy, LPCWSTR lpszMore = L"")
{
    CString str;
    str.Format(L"<TestBox x:Name=\"%ls\" ContentWidth=\"%d\" ContentHeight=\"%d\" %ls/>", lpszName, cx, cy, lpszMore);
    return str;
}
