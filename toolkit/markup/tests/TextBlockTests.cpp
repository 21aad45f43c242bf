// The text block and its inlines: line breaking, wrapping, trimming,
// alignment and baselines measured against the fonts Wine supplies; the text
// properties the inlines inherit; the content model; hyperlinks driven by a
// host window's messages; and text read back by pixel.
#include "CZMRMarkupBold.h"
#include "CZMRMarkupFont.h"
#include "CZMRMarkupHyperlink.h"
#include "CZMRMarkupInlineCollection.h"
#include "CZMRMarkupInlineUIContainer.h"
#include "CZMRMarkupLineBreak.h"
#include "CZMRMarkupSolidColorBrush.h"
#include "CZMRMarkupSpan.h"
#include "MarkupLayoutSupport.h"

namespace
{
typedef std::vector<std::wstring> Lines;
const int U = 0x7FFFFFFF;

class TextBlockTest : public MarkupLayoutTest
{
protected:
    // A text block of the markup, measured for the width and arranged in its
    // desired size.
    CZMRMarkupTextBlock* Text(LPCWSTR lpszMarkup, int nWidth = U)
    {
        CZMRMarkupTextBlock* pBlock = BuildAs<CZMRMarkupTextBlock>(lpszMarkup);
        if (pBlock)
            Layout(pBlock, nWidth, U);
        return pBlock;
    }
    static const CZMRMarkupTextBlock::CLinePart* Part(const CZMRMarkupTextBlock* pBlock, int nLine, int nPart)
    {
        const CZMRMarkupTextBlock::CLine* pLine = pBlock->GetFirstLine();
        while (pLine && nLine-- > 0)
            pLine = pLine->pNext;
        const CZMRMarkupTextBlock::CLinePart* pPart = pLine ? pLine->pFirst : nullptr;
        while (pPart && nPart-- > 0)
            pPart = pPart->pNext;
        return pPart;
    }
};
}

TEST_F(TextBlockTest, LinesFollowLineFeedsAndEmptyLinesHaveTheHeightOfASpace)
{
    const CTextMeasure text = DefaultText();
    const int h = text.Height();

    MarkupRef<CZMRMarkupTextBlock> empty(Text(L"<TextBlock Padding=\"1,2,3,4\"/>"));
    EXPECT_EQ(1, empty->GetLineCount());
    EXPECT_EQ(CSize(4, h + 6), empty->GetDesiredSize());

    struct
    {
        LPCWSTR lpszMarkup;
        Lines lines;
    } cases[] = {
        // The second line break's empty part starts the last line.
        {L"<TextBlock>a<LineBreak/><LineBreak/>b</TextBlock>", {L"a", L"", L"|b"}},
        {L"<TextBlock>a&#10;&#10;b</TextBlock>", {L"a", L"", L"b"}},
        {L"<TextBlock>&#10;a</TextBlock>", {L"", L"a"}},
        {L"<TextBlock>a&#10;</TextBlock>", {L"a", L""}},
        {L"<TextBlock><Run/><Run Text=\"\"/>x</TextBlock>", {L"x"}},
    };
    for (const auto& c : cases)
    {
        MarkupRef<CZMRMarkupTextBlock> block(Text(c.lpszMarkup));
        ASSERT_TRUE(block.get());
        const std::string strCase = CStringA(c.lpszMarkup).GetString();
        EXPECT_EQ(c.lines, LineTexts(block)) << strCase;
        EXPECT_EQ(static_cast<int>(c.lines.size()) * h, block->GetContentSize().cy) << strCase;
    }
    MarkupRef<CZMRMarkupTextBlock> three(Text(L"<TextBlock>a&#10;&#10;b</TextBlock>"));
    EXPECT_EQ(0, Part(three, 1, 0)->cx);
    EXPECT_EQ(h, three->GetFirstLine()->pNext->cy);
    EXPECT_EQ(CSize(std::max(text.Width(L"a"), text.Width(L"b")), 3 * h), three->GetDesiredSize());
}

TEST_F(TextBlockTest, WrappingBreaksAtSpacesAndDropsLeadingSpacesOfLaterLines)
{
    const CTextMeasure text = DefaultText();
    struct
    {
        LPCWSTR lpszText;
        int nWidth;
        Lines lines;
    } cases[] = {
        {L"abc def", text.Width(L"abc") + 1, {L"abc", L"def"}},
        {L"abc def", text.Width(L"abc def"), {L"abc def"}},
        {L"  ab cd", text.Width(L"  ab") + 1, {L"  ab", L"cd"}},
        {L"ab   cd", text.Width(L"ab") + 1, {L"ab", L"cd"}},
        {L"ab\tcd ef", text.Width(L"ab\tcd") + 1, {L"ab\tcd", L"ef"}},
        {L"abcdefgh", text.Width(L"abc"), {L"abcdefgh"}},
    };
    for (const auto& c : cases)
    {
        CString strMarkup;
        strMarkup.Format(L"<TextBlock TextWrapping=\"Wrap\" Text=\"%ls\"/>", c.lpszText);
        MarkupRef<CZMRMarkupTextBlock> block(Text(strMarkup, c.nWidth));
        const std::string strCase = CStringA(c.lpszText).GetString();
        EXPECT_EQ(c.lines, LineTexts(block)) << strCase;
        int nWidest = 0;
        for (const std::wstring& strLine : c.lines)
            nWidest = std::max(nWidest, text.Width(strLine.c_str()));
        EXPECT_EQ(nWidest, block->GetContentSize().cx) << strCase;
        for (const CZMRMarkupTextBlock::CLine* pLine = block->GetFirstLine(); pLine; pLine = pLine->pNext)
            EXPECT_EQ(pLine->pNext != nullptr, pLine->bWrapped) << strCase;
    }

    // A word wider than the width stays whole; the element itself is cut to
    // the width and clipped.
    MarkupRef<CZMRMarkupTextBlock> word(Text(L"<TextBlock TextWrapping=\"Wrap\" Text=\"abcdefgh\"/>", 10));
    EXPECT_EQ(text.Width(L"abcdefgh"), word->GetContentSize().cx);
    EXPECT_EQ(10, word->GetDesiredSize().cx);
    EXPECT_TRUE(word->NeedsClip());

    // Without wrapping the width does not matter.
    MarkupRef<CZMRMarkupTextBlock> nowrap(Text(L"<TextBlock Text=\"abc def\"/>", 10));
    EXPECT_EQ(Lines({L"abc def"}), LineTexts(nowrap));
}

TEST_F(TextBlockTest, TrimmingEndsTheLineWithAnEllipsis)
{
    const CTextMeasure text = DefaultText();
    const int nEllipsis = text.Width(L"...");
    struct
    {
        LPCWSTR lpszTrimming;
        LPCWSTR lpszText;
        int nWidth;
        Lines lines;
    } cases[] = {
        {L"CharacterEllipsis", L"abcdefgh", text.Width(L"abcd") + nEllipsis, {L"abcd|..."}},
        {L"CharacterEllipsis", L"one two three", text.Width(L"one tw") + nEllipsis, {L"one tw|..."}},
        {L"WordEllipsis", L"one two three", text.Width(L"one two th") + nEllipsis, {L"one two|..."}},
        // A first word that does not fit at all is cut by characters.
        {L"WordEllipsis", L"abcdefgh", text.Width(L"abc") + nEllipsis, {L"abc|..."}},
        {L"CharacterEllipsis", L"abc", text.Width(L"abc"), {L"abc"}},
        {L"None", L"abcdefgh", 10, {L"abcdefgh"}},
    };
    for (const auto& c : cases)
    {
        CString strMarkup;
        strMarkup.Format(L"<TextBlock TextTrimming=\"%ls\" Text=\"%ls\"/>", c.lpszTrimming, c.lpszText);
        MarkupRef<CZMRMarkupTextBlock> block(Text(strMarkup, c.nWidth));
        const std::string strCase = CStringA(c.lpszText).GetString() + std::string(" ") +
                                    CStringA(c.lpszTrimming).GetString();
        EXPECT_EQ(c.lines, LineTexts(block)) << strCase;
    }

    // The ellipsis follows the cut text and takes the block's font.
    MarkupRef<CZMRMarkupTextBlock> block(
        Text(L"<TextBlock TextTrimming=\"CharacterEllipsis\" Text=\"abcdefgh\"/>", text.Width(L"abcd") + nEllipsis));
    const CZMRMarkupTextBlock::CLinePart* pEllipsis = Part(block, 0, 1);
    ASSERT_TRUE(pEllipsis);
    EXPECT_EQ(text.Width(L"abcd"), pEllipsis->x);
    EXPECT_EQ(nEllipsis, pEllipsis->cx);
    EXPECT_EQ(block.get(), pEllipsis->pInline->GetLogicalParent());
    EXPECT_EQ(m_pContext, pEllipsis->pInline->GetMarkupContext());
}

TEST_F(TextBlockTest, AlignmentAndJustifyPlaceTheParts)
{
    const CTextMeasure text = DefaultText();
    const int W = text.Width(L"aa bb") + 20;
    struct
    {
        LPCWSTR lpszAlignment;
        int nLeft;   // of the first line's first part
    } cases[] = {
        {L"Left", 2},
        {L"Right", 2 + W - 4 - text.Width(L"aa bb")},
        {L"Center", 2 + (W - 4 - text.Width(L"aa bb")) / 2},
    };
    for (const auto& c : cases)
    {
        CString strMarkup;
        strMarkup.Format(L"<TextBlock TextAlignment=\"%ls\" Padding=\"2\" Text=\"aa bb\"/>", c.lpszAlignment);
        MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(strMarkup));
        Layout(block, U, U, CSize(W, 40));
        EXPECT_EQ(CPoint(c.nLeft, 2), Part(block, 0, 0)->GetRect().TopLeft()) << CStringA(c.lpszAlignment).GetString();
    }

    // Wrapped lines spread their free space between the parts; the last line
    // of the paragraph and a line ended by a line feed stay left.
    const int nWrap = text.Width(L"aa bb") + 5;
    MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(
        L"<TextBlock TextWrapping=\"Wrap\" TextAlignment=\"Justify\">aa bb cc&#10;dd ee</TextBlock>"));
    Layout(block, nWrap, U, CSize(nWrap, 100));
    EXPECT_EQ(Lines({L"aa| bb", L"cc", L"dd| ee"}), LineTexts(block));
    EXPECT_TRUE(block->GetFirstLine()->bWrapped);
    EXPECT_EQ(nWrap, Part(block, 0, 1)->GetRect().right);
    EXPECT_EQ(0, Part(block, 0, 0)->GetRect().left);
    EXPECT_EQ(text.Width(L"dd"), Part(block, 2, 1)->GetRect().left);
}

TEST_F(TextBlockTest, PartsShareTheLinesBaseline)
{
    LOGFONTW lfBig = m_pContext->GetDefaultFont();
    lfBig.lfHeight = -30;
    const CTextMeasure big(lfBig);
    const CTextMeasure text = DefaultText();
    const int H = big.Height();
    const int D = big.Descent();
    const int h = text.Height();
    const int d = text.Descent();
    struct
    {
        LPCWSTR lpszAlignment;
        int nTop;   // of the small part
    } cases[] = {
        {L"Baseline", H - D + d - h},
        {L"Top", 0},
        {L"TextTop", 0},
        {L"Bottom", H - h},
        {L"Center", H - h + (h - H) / 2},
        {L"Subscript", H - h + d - D / 2},
        {L"Superscript", H - h + D / 2 - d - H + h},
    };
    for (const auto& c : cases)
    {
        CString strMarkup;
        strMarkup.Format(L"<TextBlock><Run FontSize=\"30\" Text=\"Big\"/><Run BaselineAlignment=\"%ls\" "
                         L"Text=\"small\"/></TextBlock>",
                         c.lpszAlignment);
        MarkupRef<CZMRMarkupTextBlock> block(Text(strMarkup));
        const std::string strCase = CStringA(c.lpszAlignment).GetString();
        EXPECT_EQ(H, block->GetFirstLine()->cy) << strCase;
        EXPECT_EQ(D, block->GetFirstLine()->nDescent) << strCase;
        EXPECT_EQ(0, Part(block, 0, 0)->GetRect().top) << strCase;
        EXPECT_EQ(c.nTop, Part(block, 0, 1)->GetRect().top) << strCase;
        EXPECT_EQ(big.Width(L"Big"), Part(block, 0, 1)->GetRect().left) << strCase;
    }
}

TEST_F(TextBlockTest, InlinesInheritTextPropertiesAndShareFonts)
{
    MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(
        L"<TextBlock FontFamily=\"Courier New\">"
        L"<Span FontWeight=\"Light\"><Bold><Run x:Name=\"Bold\">b</Run>"
        L"<Run x:Name=\"Normal\" FontWeight=\"Normal\">n</Run></Bold></Span>"
        L"<Span FontSize=\"20\" FontStyle=\"Italic\"><Run x:Name=\"Big\">x</Run></Span>"
        L"<Run x:Name=\"Plain\">p</Run><Underline><Run x:Name=\"Under\">u</Run></Underline>"
        L"<Run x:Name=\"Face\" FontFamily=\"An extremely long font family name that does not fit\">f</Run>"
        L"<Run x:Name=\"Clear\" FontQuality=\"ClearType\">c</Run>"
        L"</TextBlock>"));
    ASSERT_TRUE(block.get());
    Layout(block, U, U);
    auto logFont = [&](LPCWSTR lpszName) {
        LOGFONTW lf;
        Named<CZMRMarkupRun>(block, lpszName)->GetLogFont(&lf);
        return lf;
    };
    EXPECT_EQ(700, logFont(L"Bold").lfWeight);
    EXPECT_EQ(400, logFont(L"Normal").lfWeight);
    EXPECT_EQ(-20, logFont(L"Big").lfHeight);
    EXPECT_EQ(1, logFont(L"Big").lfItalic);
    EXPECT_STREQ(L"Courier New", logFont(L"Plain").lfFaceName);
    EXPECT_EQ(m_pContext->GetDefaultFont().lfHeight, logFont(L"Plain").lfHeight);
    EXPECT_EQ(static_cast<size_t>(LF_FACESIZE - 1), wcslen(logFont(L"Face").lfFaceName));
    EXPECT_EQ(CLEARTYPE_QUALITY, logFont(L"Clear").lfQuality);

    // Runs of one font share it, underline or not; another quality does not.
    CZMRMarkupFont* pPlain = Named<CZMRMarkupRun>(block, L"Plain")->GetFont();
    ASSERT_TRUE(pPlain);
    EXPECT_EQ(pPlain, Named<CZMRMarkupRun>(block, L"Under")->GetFont());
    if (m_pContext->GetDefaultFont().lfQuality != CLEARTYPE_QUALITY)
    {
        EXPECT_NE(pPlain, Named<CZMRMarkupRun>(block, L"Clear")->GetFont());
    }
    EXPECT_NE(pPlain, Named<CZMRMarkupRun>(block, L"Bold")->GetFont());

    // The empty decoration text is no decoration.
    MarkupRef<CZMRMarkupTextBlock> plain(
        BuildAs<CZMRMarkupTextBlock>(L"<TextBlock><Underline TextDecorations=\"\">u</Underline></TextBlock>"));
    CZMRMarkupEnum* pDecoration = MarkupCast<CZMRMarkupEnum>(
        plain->GetInlines()->GetInline(0)->GetValue(CZMRMarkupTextElement::m_pTextDecorationsProperty));
    ASSERT_TRUE(pDecoration);
    EXPECT_EQ(0, pDecoration->GetValue());
}

TEST_F(TextBlockTest, LinesAreRebuiltOnlyWhenWidthOrContentChange)
{
    const CTextMeasure text = DefaultText();
    MarkupRef<CZMRMarkupTextBlock> block(
        BuildAs<CZMRMarkupTextBlock>(L"<TextBlock TextWrapping=\"Wrap\"><Run x:Name=\"R\">abc def</Run></TextBlock>"));
    CZMRMarkupDrawingContext dc;
    block->Measure(&dc, 1000, 100);
    const CZMRMarkupTextBlock::CLine* pFirst = block->GetFirstLine();
    block->Measure(&dc, 1000, 101);   // measured again for another height, the lines kept
    EXPECT_EQ(pFirst, block->GetFirstLine());
    EXPECT_EQ(1000, block->GetLastMeasuredWidth());

    // A font change on an inline builds the lines again, in the new size.
    block->Arrange(CRect(0, 0, 1000, 100));
    CZMRMarkupRun* pRun = Named<CZMRMarkupRun>(block, L"R");
    pRun->SetValue(CZMRMarkupTextElement::m_pFontSizeProperty, new CZMRMarkupInt(40));
    LOGFONTW lf = m_pContext->GetDefaultFont();
    lf.lfHeight = -40;
    EXPECT_EQ(CTextMeasure(lf).Width(L"abc def"), block->GetContentSize().cx);

    // "Text" replaces every inline by one run; content added later follows it.
    block->SetValue(CZMRMarkupTextBlock::m_pTextProperty, CZMRMarkupString::CreateValue(L"new"));
    ASSERT_EQ(1, block->GetInlines()->GetCount());
    EXPECT_STREQ(L"new", MarkupCast<CZMRMarkupRun>(block->GetInlines()->GetInline(0))->GetText());
    EXPECT_EQ(m_pContext, block->GetInlines()->GetInline(0)->GetMarkupContext());
    block->AddContent(nullptr, CZMRMarkupString::CreateValue(L" more"));
    EXPECT_EQ(2, block->GetInlines()->GetCount());
    EXPECT_EQ(1, block->GetInlines()->GetInline(1)->GetIndex());
    block->InvalidateMeasure();
    EXPECT_EQ(Lines({L"new| more"}), LineTexts(block));
    EXPECT_EQ(text.Width(L"new more"), block->GetContentSize().cx);
}

TEST_F(TextBlockTest, ContentBecomesInlines)
{
    MarkupRef<CZMRMarkupTextBlock> block(BuildAs<CZMRMarkupTextBlock>(
        L"<TextBlock>one <Bold>two</Bold> three<TestBox x:Name=\"Box\" ContentWidth=\"7\" ContentHeight=\"9\"/>"
        L"<Span/><InlineUIContainer/></TextBlock>"));
    ASSERT_TRUE(block.get());
    CZMRMarkupInlineCollection* pInlines = block->GetInlines();
    ASSERT_EQ(6, pInlines->GetCount());
    EXPECT_STREQ(L"one ", MarkupCast<CZMRMarkupRun>(pInlines->GetInline(0))->GetText());
    EXPECT_TRUE(MarkupCast<CZMRMarkupBold>(pInlines->GetInline(1)));
    EXPECT_STREQ(L" three", MarkupCast<CZMRMarkupRun>(pInlines->GetInline(2))->GetText());
    CZMRMarkupInlineUIContainer* pContainer = MarkupCast<CZMRMarkupInlineUIContainer>(pInlines->GetInline(3));
    ASSERT_TRUE(pContainer);
    CTestBox* pBox = Named<CTestBox>(block, L"Box");
    EXPECT_EQ(pBox, pContainer->GetChild());
    EXPECT_EQ(pContainer, pBox->GetLogicalParent());
    for (int i = 0; i < pInlines->GetCount(); i++)
        EXPECT_EQ(i, pInlines->GetInline(i)->GetIndex());

    // The element in the text is measured with 32000 x 32000 and placed as
    // one part of the line.
    Layout(block, U, U);
    EXPECT_EQ(CSize(32000, 32000), pBox->m_szMeasuredWith);
    const CTextMeasure text = DefaultText();
    LOGFONTW lfBold = m_pContext->GetDefaultFont();
    lfBold.lfWeight = FW_BOLD;
    const int nText = text.Width(L"one ") + CTextMeasure(lfBold).Width(L"two") + text.Width(L" three");
    EXPECT_EQ(nText, pBox->GetVisualOffset().x);
    EXPECT_EQ(nText + 7, block->GetContentSize().cx);
    EXPECT_EQ(pBox, block->InputHitTest(pBox->GetVisualOffset() + CPoint(1, 1)));

    struct
    {
        LPCWSTR lpszMarkup;
        LPCWSTR lpszError;
    } errors[] = {
        {L"<TextBlock><Setter/></TextBlock>",
         L"'CZMRMarkupSetter' object cannot be added to 'CZMRMarkupInlineCollection'. Object cannot be converted to "
         L"type 'CZMRMarkupInline'"},
        {L"<TextBlock><Run><Border/></Run></TextBlock>", L"Cannot add content to an object of type 'CZMRMarkupRun'"},
        {L"<TextBlock><InlineUIContainer>x</InlineUIContainer></TextBlock>",
         L"'CZMRMarkupString' object cannot be added to 'CZMRMarkupInlineUIContainer'. Object cannot be converted to "
         L"type 'CZMRMarkupUIElement'"},
        {L"<TextBlock TextWrapping=\"wrapped\"/>",
         L"Cannot convert string in attribute 'TextWrapping' to object of type 'CZMRMarkupEnum'"},
    };
    for (const auto& e : errors)
        EXPECT_NE(-1, BuildError(e.lpszMarkup).Find(e.lpszError)) << CStringA(BuildError(e.lpszMarkup)).GetString();

    // Content turns into a text block the same way for a content property.
    MarkupRef<CZMRMarkupString> label(CZMRMarkupString::CreateValue(L"label"));
    MarkupRef<CZMRMarkupObject> converted(ConvertContent(m_pContext, label));
    CZMRMarkupTextBlock* pConverted = MarkupCast<CZMRMarkupTextBlock>(converted.get());
    ASSERT_TRUE(pConverted);
    EXPECT_EQ(m_pContext, pConverted->GetMarkupContext());
    ASSERT_EQ(1, pConverted->GetInlines()->GetCount());
    EXPECT_STREQ(L"label", MarkupCast<CZMRMarkupRun>(pConverted->GetInlines()->GetInline(0))->GetText());
    EXPECT_EQ(nullptr, ConvertContent(m_pContext, converted.get()));
}
