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

namespace
{
CRect Moved(CRect rc, CPoint pt)
{
    rc.OffsetRect(pt);
    return rc;
}

// The first part of a text block that shows exactly this text.
const CZMRMarkupTextBlock::CLinePart* PartShowing(const CZMRMarkupTextBlock* pBlock, LPCWSTR lpszText)
{
    for (const CZMRMarkupTextBlock::CLine* pLine = pBlock->GetFirstLine(); pLine; pLine = pLine->pNext)
    {
        for (const CZMRMarkupTextBlock::CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
        {
            const CZMRMarkupRun* pRun = MarkupCast<CZMRMarkupRun>(pPart->pInline);
            if (pRun && CString(pRun->GetText() + pPart->nFirst, pPart->nEnd - pPart->nFirst) == lpszText)
                return pPart;
        }
    }
    return nullptr;
}
}

TEST_F(TextRenderingTest, PictureOfRenderedSamples)
{
    typedef std::function<void(CZMRMarkupUIElement*, const CRect&, const WhiteSurface&)> Check;
    struct
    {
        LPCWSTR lpszMarkup;
        Check check;   // reads the points the drawing rules fix
    } samples[] = {
        {L"<TextBlock x:Name=\"T\">Plain, <Bold>bold</Bold>, <Italic>italic</Italic>, <Underline>underlined</Underline> "
         L"and a <Hyperlink>link</Hyperlink></TextBlock>",
         [](CZMRMarkupUIElement* pTree, const CRect& rc, const WhiteSurface& surface) {
             // The underline: the default text colour right across the part.
             const CZMRMarkupTextBlock::CLinePart* pPart =
                 PartShowing(MarkupCast<CZMRMarkupTextBlock>(pTree), L"underlined");
             ASSERT_TRUE(pPart);
             CRect rcPart = Moved(pPart->GetRect(), rc.TopLeft());
             const int nRow = UnderlineRow(pPart) + rc.top;
             EXPECT_EQ(rcPart.Width(), surface.CountOf(CRect(rcPart.left, nRow, rcPart.right, nRow + 1), RGB(0, 0, 0)));
         }},
        {L"<TextBlock x:Name=\"T\"><Run FontSize=\"24\" Foreground=\"DarkRed\">Big</Run> beside <Run "
         L"BaselineAlignment=\"Superscript\">super</Run> and <Run BaselineAlignment=\"Subscript\">sub</Run>"
         L"<Run Background=\"Yellow\" TextDecorations=\"Strikethrough\"> struck</Run></TextBlock>",
         [](CZMRMarkupUIElement* pTree, const CRect& rc, const WhiteSurface& surface) {
             const CZMRMarkupTextBlock* pBlock = MarkupCast<CZMRMarkupTextBlock>(pTree);
             const CZMRMarkupTextBlock::CLinePart* pBig = PartShowing(pBlock, L"Big");
             const CZMRMarkupTextBlock::CLinePart* pStruck = PartShowing(pBlock, L"struck");
             ASSERT_TRUE(pBig && pStruck);
             EXPECT_GT(surface.CountOf(Moved(pBig->GetRect(), rc.TopLeft()), RGB(139, 0, 0)), 20);
             const CRect rcStruck = Moved(pStruck->GetRect(), rc.TopLeft());
             EXPECT_EQ(RGB(255, 255, 0), surface.At(rcStruck.left, rcStruck.top)) << "the run's background";
             // The strike line at the row the line's metrics give (the big
             // run's descent and height count): see the test of the strike
             // line in a line of mixed sizes.
             const int D = pStruck->pLine->nDescent;
             const int nRow = rcStruck.bottom - pStruck->nDescent + D - (pStruck->pLine->cy - D) / 2;
             EXPECT_EQ(rcStruck.Width(), surface.CountOf(CRect(rcStruck.left, nRow, rcStruck.right, nRow + 1), RGB(0, 0, 0)));
         }},
        {L"<Border x:Name=\"Box\" BorderThickness=\"1\" BorderBrush=\"Gray\" Background=\"LightYellow\" Padding=\"4\" "
         L"HorizontalAlignment=\"Left\"><TextBlock TextWrapping=\"Wrap\" Width=\"220\" TextAlignment=\"Justify\">A "
         L"markup tooltip whose text wraps over several lines inside a bordered box, each line but the last "
         L"justified.</TextBlock></Border>",
         [](CZMRMarkupUIElement* pTree, const CRect& rc, const WhiteSurface& surface) {
             const CRect rcBox = Moved(DrawnRect(pTree, L"Box"), rc.TopLeft());
             EXPECT_EQ(CSize(220 + 2 * 5, rcBox.Height()), rcBox.Size());
             EXPECT_EQ(RGB(128, 128, 128), surface.At(rcBox.left, rcBox.top));
             EXPECT_EQ(RGB(128, 128, 128), surface.At(rcBox.right - 1, rcBox.bottom - 1));
             EXPECT_EQ(RGB(255, 255, 224), surface.At(rcBox.left + 2, rcBox.top + 2));
         }},
        {L"<TextBlock x:Name=\"T\" TextTrimming=\"WordEllipsis\" Width=\"200\" Background=\"Lavender\">A caption that "
         L"is far too long for the width it is given</TextBlock>",
         [](CZMRMarkupUIElement* pTree, const CRect& rc, const WhiteSurface& surface) {
             EXPECT_EQ(200, rc.Width());
             EXPECT_EQ(RGB(230, 230, 250), surface.At(rc.right - 1, rc.bottom - 1));
             const CZMRMarkupTextBlock* pBlock = MarkupCast<CZMRMarkupTextBlock>(pTree);
             const CZMRMarkupTextBlock::CLinePart* pLast = pBlock->GetFirstLine()->pFirst;
             while (pLast->pNext)
                 pLast = pLast->pNext;
             EXPECT_EQ(pLast, PartShowing(pBlock, L"...")) << "the line ends with the ellipsis";
         }},
        {L"<WrapPanel Width=\"260\" HorizontalAlignment=\"Left\"><Border x:Name=\"One\" Background=\"SteelBlue\" "
         L"Margin=\"2\" Padding=\"3\"><TextBlock Foreground=\"White\">one</TextBlock></Border><Border x:Name=\"Two\" "
         L"Background=\"SeaGreen\" Margin=\"2\" Padding=\"3\"><TextBlock Foreground=\"White\">two</TextBlock></Border>"
         L"<Border x:Name=\"Three\" Background=\"Tomato\" Margin=\"2\" Padding=\"3\"><TextBlock TextAlignment=\"Center\" "
         L"Width=\"180\" Foreground=\"White\">three, centred</TextBlock></Border></WrapPanel>",
         [](CZMRMarkupUIElement* pTree, const CRect& rc, const WhiteSurface& surface) {
             const CRect rcOne = Moved(DrawnRect(pTree, L"One"), rc.TopLeft());
             const CRect rcTwo = Moved(DrawnRect(pTree, L"Two"), rc.TopLeft());
             const CRect rcThree = Moved(DrawnRect(pTree, L"Three"), rc.TopLeft());
             EXPECT_EQ(rc.left + 2, rcOne.left);
             EXPECT_EQ(rcOne.right + 4, rcTwo.left) << "two margins between neighbours";
             EXPECT_EQ(rcTwo.right + 4, rcThree.left);
             EXPECT_EQ(rcOne.top, rcThree.top) << "all three fit in one row";
             EXPECT_EQ(RGB(70, 130, 180), surface.At(rcOne.left + 1, rcOne.top + 1));
             EXPECT_EQ(RGB(46, 139, 87), surface.At(rcTwo.left + 1, rcTwo.top + 1));
             EXPECT_EQ(RGB(255, 99, 71), surface.At(rcThree.left + 1, rcThree.top + 1));
             EXPECT_GT(surface.CountOf(rcThree, RGB(255, 255, 255)), 10) << "white text";
         }},
    };
    WhiteSurface surface(320, 240);
    int y = 6;
    for (const auto& sample : samples)
    {
        MarkupRef<CZMRMarkupUIElement> tree(BuildAs<CZMRMarkupUIElement>(sample.lpszMarkup));
        ASSERT_TRUE(tree.get()) << CStringA(sample.lpszMarkup).GetString();
        const CRect rc = Draw(tree, surface.GetDC(), CPoint(6, y), 308);
        SCOPED_TRACE(CStringA(sample.lpszMarkup).GetString());
        sample.check(tree, rc, surface);
        y = rc.bottom + 8;
    }
    EXPECT_LE(y, surface.Height());
    EXPECT_TRUE(surface.Save(L"markup-samples.png"));
}

namespace
{
// Columns of a part's rectangle that hold a pixel other than white: the
// first and the last, or -1, -1.
std::pair<int, int> InkColumns(const WhiteSurface& surface, const CRect& rc)
{
    int nFirst = -1, nLast = -1;
    for (int x = rc.left; x < rc.right; x++)
    {
        if (surface.CountNot(CRect(x, rc.top, x + 1, rc.bottom), clrWhite) > 0)
        {
            if (nFirst < 0)
                nFirst = x;
            nLast = x;
        }
    }
    return {nFirst, nLast};
}
}

// The justified sample seemed to lose the space after "box,". It does not:
// the space is drawn. The free room of a wrapped line goes to its gaps from
// the left, at least one pixel each, so when there is less room than gaps
// the last gaps get nothing ("box, each" in the sample, 5 pixels for 6
// gaps), and there the comma, whose ink reaches its advance, sits one bare
// space from the next word while the other gaps are a pixel wider and show
// the side bearings of their letters. Layout and font are as they should be.
TEST_F(TextRenderingTest, AJustifiedLineKeepsEverySpaceAndGivesOutItsRoomFromTheLeft)
{
    MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(
        L"<TextBlock TextWrapping=\"Wrap\" Width=\"220\" TextAlignment=\"Justify\">A markup tooltip whose text wraps "
        L"over several lines inside a bordered box, each line but the last justified.</TextBlock>"));
    ASSERT_TRUE(block.get());
    WhiteSurface surface(240, 80);
    Draw(block, surface.GetDC(), CPoint(0, 0));
    int nWrapped = 0;
    for (const CZMRMarkupTextBlock::CLine* pLine = block->GetFirstLine(); pLine; pLine = pLine->pNext)
    {
        // The extra of each gap: the room left over the gaps left, at
        // least 1, while room is left.
        int nFree = 220 - pLine->cx;
        int nGaps = -1;
        for (const CZMRMarkupTextBlock::CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
            nGaps++;
        const bool bJustified = pLine->bWrapped && nFree > 0;
        nWrapped += bJustified ? 1 : 0;
        int nMoved = 0;
        const CZMRMarkupTextBlock::CLinePart* pPrevious = nullptr;
        for (const CZMRMarkupTextBlock::CLinePart* pPart = pLine->pFirst; pPart; pPart = pPart->pNext)
        {
            if (bJustified && pPrevious && nGaps > 0 && nFree > 0)
            {
                const int nExtra = std::max(nFree / nGaps, 1);
                nMoved += nExtra;
                nFree -= nExtra;
                nGaps--;
            }
            EXPECT_EQ(pPart->x + nMoved, pPart->GetRect().left);
            if (pPrevious)
            {
                // Every part after the first starts with its space: blank
                // columns stand between the inks of neighbours.
                const int nPreviousInkEnd = InkColumns(surface, pPrevious->GetRect()).second;
                const int nInkStart = InkColumns(surface, pPart->GetRect()).first;
                EXPECT_GT(nInkStart - nPreviousInkEnd, 1) << pPart->x;
            }
            pPrevious = pPart;
        }
    }
    EXPECT_EQ(2, nWrapped) << "the last line is not justified";
}

// The strike line of the sample sits at the top of its small letters because
// the line also holds a 24-point run: the line's descent and height place it
// (the drawing rule), not the font. Alone, the same run is struck through
// the middle of its letters.
TEST_F(TextRenderingTest, TheStrikeLineIsPlacedByTheLinesMetrics)
{
    const LPCWSTR samples[] = {
        L"<TextBlock><Run FontSize=\"24\">Big</Run><Run TextDecorations=\"Strikethrough\">struck</Run></TextBlock>",
        L"<TextBlock><Run TextDecorations=\"Strikethrough\">struck</Run></TextBlock>",
    };
    int nFromTop[2] = {};
    for (int i = 0; i < 2; i++)
    {
        MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(samples[i]));
        ASSERT_TRUE(block.get());
        WhiteSurface surface(200, 60);
        Draw(block, surface.GetDC(), CPoint(0, 0));
        const CZMRMarkupTextBlock::CLinePart* pPart = PartShowing(block, L"struck");
        ASSERT_TRUE(pPart);
        const CRect rc = pPart->GetRect();
        const int D = pPart->pLine->nDescent;
        const int nRow = rc.bottom - pPart->nDescent + D - (pPart->pLine->cy - D) / 2;
        EXPECT_EQ(rc.Width(), surface.CountOf(CRect(rc.left, nRow, rc.right, nRow + 1), RGB(0, 0, 0))) << i;
        nFromTop[i] = nRow - rc.top;
    }
    EXPECT_LT(nFromTop[0], nFromTop[1]) << "beside a bigger run the line moves up its letters";
}
