// Text drawn and read back by pixel: captions through the facade, colours,
// backgrounds and decorations of inlines, the layout clip, hyperlinks driven
// by a host window's mouse messages, and a picture of a few samples saved
// with the test artefacts.
#include "CZMRMarkupHyperlink.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "MarkupLayoutSupport.h"

#include <functional>

namespace
{
const int U = 0x7FFFFFFF;
const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrBlue = RGB(0, 0, 255);
const COLORREF clrRed = RGB(255, 0, 0);

class TextRenderingTest : public MarkupLayoutTest
{
protected:
    // Measures the tree, draws it at the point in its desired size and
    // answers the rectangle it took.
    static CRect Draw(CZMRMarkupUIElement* pRoot, HDC hDC, CPoint pt, int nWidth = U)
    {
        const CSize sz = MeasureMarkupTree(pRoot, nWidth, U);
        const CRect rc(pt, sz);
        DrawMarkupTree(pRoot, hDC, rc);
        return rc;
    }
    static const CZMRMarkupTextBlock::CLinePart* FirstPart(const CZMRMarkupTextBlock* pBlock)
    {
        return pBlock->GetFirstLine() ? pBlock->GetFirstLine()->pFirst : nullptr;
    }
    // The row of the underline of a part drawn at the origin.
    static int UnderlineRow(const CZMRMarkupTextBlock::CLinePart* pPart)
    {
        return pPart->GetRect().bottom - pPart->nDescent + std::max(pPart->pLine->nDescent / 3, 1);
    }
};
}

TEST_F(TextRenderingTest, CaptionMeasuresAndDrawsThroughTheFacade)
{
    CZMRMarkupContext* pContext = NewMarkupContext(nullptr);
    SetMarkupDefaults(pContext, nullptr, clrBlue);
    CZMRMarkupUIElement* pTree = BuildMarkupTree(pContext, L"<TextBlock>Hello, markup</TextBlock>");
    ASSERT_TRUE(pTree);
    const CTextMeasure text(pContext->GetDefaultFont());
    const SIZE sz = MeasureMarkupTree(pTree, U, U);
    EXPECT_EQ(text.Extent(L"Hello, markup"), CSize(sz));

    WhiteSurface surface(200, 40);
    const CRect rc = Draw(pTree, surface.GetDC(), CPoint(10, 10));
    EXPECT_GT(surface.CountOf(rc, clrBlue), 0);
    EXPECT_EQ(0, surface.CountNot(CRect(0, 0, 200, 10), clrWhite));
    EXPECT_EQ(0, surface.CountNot(CRect(rc.right, 0, 200, 40), clrWhite));
    EXPECT_EQ(0, surface.CountNot(CRect(0, 0, 10, 40), clrWhite));

    // A width too small cuts the caption at the width.
    WhiteSurface narrow(200, 40);
    const CRect rcNarrow = Draw(pTree, narrow.GetDC(), CPoint(0, 0), 20);
    EXPECT_EQ(20, rcNarrow.Width());
    EXPECT_GT(narrow.CountOf(rcNarrow, clrBlue), 0);
    EXPECT_EQ(0, narrow.CountNot(CRect(20, 0, 200, 40), clrWhite));

    DropMarkupTree(&pTree);
    DropMarkupContext(&pContext);
}

TEST_F(TextRenderingTest, ColoursBackgroundsAndDecorationsOfInlines)
{
    MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(
        L"<TextBlock Foreground=\"Blue\" Background=\"#00FF00\"><Run x:Name=\"A\" Background=\"Yellow\">mm</Run>"
        L"<Underline Foreground=\"Red\"><Run x:Name=\"B\" Foreground=\"Black\">mm</Run></Underline>"
        L"<Run x:Name=\"C\" TextDecorations=\"Strikethrough\">mm</Run></TextBlock>"));
    ASSERT_TRUE(block.get());
    WhiteSurface surface(120, 40);
    const CRect rc = Draw(block, surface.GetDC(), CPoint(0, 0));
    const CZMRMarkupTextBlock::CLinePart* pA = FirstPart(block);
    const CZMRMarkupTextBlock::CLinePart* pB = pA->pNext;
    const CZMRMarkupTextBlock::CLinePart* pC = pB->pNext;
    ASSERT_TRUE(pC);

    // The block's background under everything, the run's own over its part;
    // text in the inherited colour.
    EXPECT_EQ(RGB(0, 255, 0), surface.At(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(RGB(255, 255, 0), surface.At(pA->GetRect().left, pA->GetRect().top));
    EXPECT_GT(surface.CountOf(pA->GetRect(), clrBlue), 0);
    EXPECT_GT(surface.CountOf(pB->GetRect(), RGB(0, 0, 0)), 0);

    // The underline takes the colour of the element that asked for it.
    const int nUnderline = UnderlineRow(pB);
    const int nThickness = std::max(pB->pLine->nDescent / 3, 1);
    const CRect rcB = pB->GetRect();
    EXPECT_EQ(rcB.Width() * nThickness, surface.CountOf(CRect(rcB.left, nUnderline, rcB.right, nUnderline + nThickness), clrRed));
    EXPECT_EQ(0, surface.CountOf(pA->GetRect(), clrRed));

    // The strike line crosses the text at the spot the line's metrics give.
    const CRect rcC = pC->GetRect();
    const int D = pC->pLine->nDescent;
    const int nStrike = rcC.bottom - pC->nDescent + D - (pC->pLine->cy - D) / 2;
    EXPECT_EQ(rcC.Width(), surface.CountOf(CRect(rcC.left, nStrike, rcC.right, nStrike + 1), clrBlue));
}

TEST_F(TextRenderingTest, LayoutClipHidesWhatDoesNotFit)
{
    MarkupRef<CZMRMarkupTextBlock> block(
        BuildAs<CZMRMarkupTextBlock>(L"<TextBlock Width=\"20\" Foreground=\"Blue\">mmmmmmmmmm</TextBlock>"));
    WhiteSurface surface(200, 40);
    const CRect rc = Draw(block, surface.GetDC(), CPoint(0, 0));
    EXPECT_EQ(20, rc.Width());
    ASSERT_GT(block->GetContentSize().cx, 40);
    EXPECT_GT(surface.CountOf(CRect(0, 0, 20, 40), clrBlue), 0);
    EXPECT_EQ(0, surface.CountNot(CRect(20, 0, 200, 40), clrWhite));
}

namespace
{
class HyperlinkTest : public TextRenderingTest
{
protected:
    void SetUp() override
    {
        TextRenderingTest::SetUp();
        m_pContext->SetHostWindow(m_host.m_hWnd);
        m_pContext->AddDelegate(L"OnLink", new CRecordingDelegate(&m_log, L"click"));
        m_host.m_pContext = m_pContext;
        m_pBlock = BuildAs<CZMRMarkupTextBlock>(
            L"<TextBlock><Hyperlink x:Name=\"Link\" Click=\"OnLink\">link</Hyperlink> tail</TextBlock>");
        ASSERT_TRUE(m_pBlock);
        m_host.m_pRoot = m_pBlock;
        Layout(m_pBlock, U, U);
        m_pLink = Named<CZMRMarkupHyperlink>(m_pBlock, L"Link");
        const CZMRMarkupTextBlock::CLinePart* pLink = FirstPart(m_pBlock);
        m_ptLink = pLink->GetRect().CenterPoint();
        m_ptTail = pLink->pNext->GetRect().CenterPoint();
    }
    void TearDown() override
    {
        m_host.Send(WM_DESTROY);
        m_host.m_pContext = nullptr;
        if (m_pBlock)
            m_pBlock->Release();
        TextRenderingTest::TearDown();
    }
    COLORREF LinkColor() const
    {
        CZMRMarkupBrush* pBrush =
            MarkupCast<CZMRMarkupBrush>(m_pLink->GetValue(CZMRMarkupTextElement::m_pForegroundProperty));
        return pBrush ? pBrush->GetColor() : CLR_INVALID;
    }

    MarkupHostWindow m_host;
    CZMRMarkupTextBlock* m_pBlock = nullptr;
    CZMRMarkupHyperlink* m_pLink = nullptr;
    CPoint m_ptLink;
    CPoint m_ptTail;
    std::vector<std::wstring> m_log;
};
}

TEST_F(HyperlinkTest, LooksLikeALinkAndTurnsRedUnderTheMouse)
{
    WhiteSurface surface(120, 30);
    Draw(m_pBlock, surface.GetDC(), CPoint(0, 0));
    const CZMRMarkupTextBlock::CLinePart* pLink = FirstPart(m_pBlock);
    const CRect rcLink = pLink->GetRect();
    const int nRow = UnderlineRow(pLink);
    EXPECT_EQ(clrBlue, LinkColor());
    EXPECT_EQ(clrBlue, surface.At(rcLink.left, nRow));
    EXPECT_EQ(clrBlue, surface.At(rcLink.right - 1, nRow));
    EXPECT_GT(surface.CountOf(rcLink, clrBlue), rcLink.Width());
    // The rest of the text keeps the default colour and no underline.
    const CRect rcTail = pLink->pNext->GetRect();
    EXPECT_EQ(0, surface.CountOf(rcTail, clrBlue));
    EXPECT_GT(surface.CountOf(rcTail, RGB(0, 0, 0)), 0);

    m_host.Mouse(WM_MOUSEMOVE, m_ptLink.x, m_ptLink.y);
    EXPECT_TRUE(m_pLink->IsMouseOver());
    EXPECT_EQ(clrRed, LinkColor());
    EXPECT_TRUE(m_host.Send(WM_SETCURSOR));   // the hand
    WhiteSurface hovered(120, 30);
    Draw(m_pBlock, hovered.GetDC(), CPoint(0, 0));
    EXPECT_EQ(clrRed, hovered.At(rcLink.left, nRow));
    EXPECT_EQ(0, hovered.CountOf(rcLink, clrBlue));

    m_host.Mouse(WM_MOUSEMOVE, m_ptTail.x, m_ptTail.y);
    EXPECT_FALSE(m_pLink->IsMouseOver());
    EXPECT_EQ(clrBlue, LinkColor());
    EXPECT_FALSE(m_host.Send(WM_SETCURSOR));

    // The context places a tooltip or a repaint of text over its block.
    EXPECT_EQ(m_pContext->GetHostRectOfElement(m_pBlock), m_pContext->GetHostRectOfElement(m_pLink));
    EXPECT_FALSE(m_pContext->GetHostRectOfElement(m_pLink).IsRectEmpty());
}

TEST_F(HyperlinkTest, ClickNeedsPressAndReleaseWithoutLeaving)
{
    m_host.Mouse(WM_MOUSEMOVE, m_ptLink.x, m_ptLink.y);
    EXPECT_TRUE(m_host.Mouse(WM_LBUTTONDOWN, m_ptLink.x, m_ptLink.y));
    EXPECT_TRUE(m_pLink->IsPressed());
    EXPECT_TRUE(m_host.Mouse(WM_LBUTTONUP, m_ptLink.x, m_ptLink.y));
    EXPECT_EQ(std::vector<std::wstring>({L"click:Link"}), m_log);
    m_log.clear();

    // A release without a press does nothing.
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONUP, m_ptLink.x, m_ptLink.y));

    // Pressed, then the mouse leaves the window: the press is forgotten and
    // a later release over the link does not click.
    m_host.Mouse(WM_LBUTTONDOWN, m_ptLink.x, m_ptLink.y);
    m_host.Send(WM_MOUSELEAVE);
    EXPECT_FALSE(m_pLink->IsPressed());
    m_host.Mouse(WM_MOUSEMOVE, m_ptLink.x, m_ptLink.y);
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONUP, m_ptLink.x, m_ptLink.y));

    // The same when the mouse moves on to other text before coming back.
    m_host.Mouse(WM_LBUTTONDOWN, m_ptLink.x, m_ptLink.y);
    m_host.Mouse(WM_MOUSEMOVE, m_ptTail.x, m_ptTail.y);
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONUP, m_ptTail.x, m_ptTail.y));
    m_host.Mouse(WM_MOUSEMOVE, m_ptLink.x, m_ptLink.y);
    EXPECT_FALSE(m_host.Mouse(WM_LBUTTONUP, m_ptLink.x, m_ptLink.y));
    EXPECT_TRUE(m_log.empty());
}

TEST_F(TextRenderingTest, PictureOfRenderedSamples)
{
    const LPCWSTR samples[] = {
        L"<TextBlock>Plain, <Bold>bold</Bold>, <Italic>italic</Italic>, <Underline>underlined</Underline> and a "
        L"<Hyperlink>link</Hyperlink></TextBlock>",
        L"<TextBlock><Run FontSize=\"24\" Foreground=\"DarkRed\">Big</Run> beside <Run "
        L"BaselineAlignment=\"Superscript\">super</Run> and <Run BaselineAlignment=\"Subscript\">sub</Run>"
        L"<Run Background=\"Yellow\" TextDecorations=\"Strikethrough\"> struck</Run></TextBlock>",
        L"<Border BorderThickness=\"1\" BorderBrush=\"Gray\" Background=\"LightYellow\" Padding=\"4\" "
        L"HorizontalAlignment=\"Left\"><TextBlock TextWrapping=\"Wrap\" Width=\"220\" TextAlignment=\"Justify\">A "
        L"markup tooltip whose text wraps over several lines inside a bordered box, each line but the last "
        L"justified.</TextBlock></Border>",
        L"<TextBlock TextTrimming=\"WordEllipsis\" Width=\"200\" Background=\"Lavender\">A caption that is far too "
        L"long for the width it is given</TextBlock>",
        L"<WrapPanel Width=\"260\" HorizontalAlignment=\"Left\"><Border Background=\"SteelBlue\" Margin=\"2\" "
        L"Padding=\"3\"><TextBlock Foreground=\"White\">one</TextBlock></Border><Border Background=\"SeaGreen\" "
        L"Margin=\"2\" Padding=\"3\"><TextBlock Foreground=\"White\">two</TextBlock></Border><Border "
        L"Background=\"Tomato\" Margin=\"2\" Padding=\"3\"><TextBlock TextAlignment=\"Center\" Width=\"180\" "
        L"Foreground=\"White\">three, centred</TextBlock></Border></WrapPanel>",
    };
    WhiteSurface surface(320, 240);
    int y = 6;
    for (LPCWSTR lpszSample : samples)
    {
        MarkupRef<CZMRMarkupUIElement> tree(BuildAs<CZMRMarkupUIElement>(lpszSample));
        ASSERT_TRUE(tree.get()) << CStringA(lpszSample).GetString();
        const CRect rc = Draw(tree, surface.GetDC(), CPoint(6, y), 308);
        EXPECT_GT(surface.CountNot(rc, clrWhite), 0) << CStringA(lpszSample).GetString();
        y = rc.bottom + 8;
    }
    EXPECT_LE(y, surface.Height());
    EXPECT_TRUE(surface.Save(L"markup-samples.png"));
}
