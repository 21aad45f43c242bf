// The rich-text, markup and HTML tip windows: which window each kind gets and
// how a tip is sized from its text.
#include "CZMRToolTipContext.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{
class ToolTipKindsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
        m_context.m_rcMargin = CRect(1, 2, 3, 4);
    }
    void TearDown() override
    {
        if (m_pTip && m_pTip->GetSafeHwnd())
            m_pTip->DestroyWindow();
        m_pTip.reset();
        m_owner.DestroyWindow();
    }
    CZMRToolTipContextToolTip* MakeTip(int nStyle)
    {
        m_context.SetStyle(nStyle);
        m_pTip.reset(static_cast<CZMRToolTipContextToolTip*>(m_context.CreateToolTip(&m_owner)));
        if (m_pTip)
            EXPECT_TRUE(m_pTip->CreateTipWindow(&m_owner, 0));
        return m_pTip.get();
    }
    CSize Size(LPCWSTR lpszText)
    {
        CZMRToolTipContextToolTip::TOOLITEM tool;
        tool.strText = lpszText;
        return m_pTip->CalcTipSize(&tool);
    }

    CWnd m_owner;
    CZMRToolTipContext m_context;
    std::unique_ptr<CZMRToolTipContextToolTip> m_pTip;
};

// Margins: left + right + 6 across, top + bottom + 6 down.
const int kMarginX = 1 + 3 + 6, kMarginY = 2 + 4 + 6;

TEST_F(ToolTipKindsTest, EachKindGetsItsWindow)
{
    EXPECT_NE(nullptr, dynamic_cast<CZMRToolTipContext::CRichEditToolTip*>(MakeTip(zmrToolTipRichText)));
    EXPECT_NE(nullptr, dynamic_cast<CZMRToolTipContext::CMarkupToolTip*>(MakeTip(zmrToolTipMarkup)));
    EXPECT_NE(nullptr, dynamic_cast<CZMRToolTipContext::CHTMLToolTip*>(MakeTip(zmrToolTipHtml)));
}

// A page of fixed words: at width w it needs ceil(nTextWidth / w) lines of
// 20 pixels, and it is never narrower than its longest word.
struct Page
{
    int nTextWidth;
    int nLongestWord;
    CSize operator()(int cx) const
    {
        const int nLines = cx > 0 ? (nTextWidth + cx - 1) / cx : nTextWidth;
        return CSize(std::max(cx, nLongestWord), 20 * nLines);
    }
};

TEST(HtmlTipWidth, NarrowestWidthThatKeepsTheHeight)
{
    const struct
    {
        const char* pszCase;
        int nMaxWidth;
        int nTargetHeight;
        Page page;
        int nWidth;
    } cases[] = {
        {"one line needs the whole text", 400, 20, {300, 50}, 300},
        {"two lines: half the text, rounded up", 400, 40, {301, 50}, 151},
        {"a word wider than the probe that still fits gives its width", 100, 20, {100, 150}, 150},
        {"no probe keeps the height: the maximum", 400, 10, {300, 50}, 400},
    };
    for (const auto& c : cases)
    {
        std::vector<int> probes;
        const int nWidth = CZMRToolTipContext::CHTMLToolTip::FindTipWidth(c.nMaxWidth, c.nTargetHeight, [&](int cx) {
            probes.push_back(cx);
            return c.page(cx);
        });
        EXPECT_EQ(c.nWidth, nWidth) << c.pszCase;
        ASSERT_FALSE(probes.empty()) << c.pszCase;
        EXPECT_EQ(c.nMaxWidth, probes.front()) << c.pszCase << ": the first probe is at the maximum width";
    }
}

// The browser control has no page engine behind it here: the page never gets
// ready, which counts as no browser after the stated wait.
TEST_F(ToolTipKindsTest, HtmlTipWithoutABrowserMeasuresNothingAndDoesNotTryAgain)
{
    const HRESULT hrOle = ::OleInitialize(nullptr);
    const DWORD dwTimeout = CZMRToolTipContext::CHTMLToolTip::s_dwReadyTimeout;
    CZMRToolTipContext::CHTMLToolTip::s_dwReadyTimeout = 300;
    auto* pTip = dynamic_cast<CZMRToolTipContext::CHTMLToolTip*>(MakeTip(zmrToolTipHtml));
    ASSERT_NE(nullptr, pTip);
    EXPECT_EQ(CSize(0, 0), Size(L""));
    EXPECT_FALSE(pTip->IsBrowserUnavailable()) << "an empty text does not start the browser";

    EXPECT_EQ(CSize(0, 0), Size(L"<b>Write</b> the image"));
    EXPECT_TRUE(pTip->IsBrowserUnavailable());
    EXPECT_EQ(nullptr, pTip->GetBrowser());
    EXPECT_EQ(nullptr, ::GetDlgItem(pTip->GetSafeHwnd(), 0xE900)) << "the control is gone with the failure";
    EXPECT_EQ(CSize(0, 0), Size(L"Write"));

    CZMRToolTipContext::CHTMLToolTip::s_dwReadyTimeout = dwTimeout;
    m_pTip->DestroyWindow();
    m_pTip.reset();
    if (SUCCEEDED(hrOle))
        ::OleUninitialize();
}

TEST_F(ToolTipKindsTest, RichTextTipIsSizedFromItsTextPlusMargins)
{
    ASSERT_NE(nullptr, MakeTip(zmrToolTipRichText));
    EXPECT_EQ(CSize(0, 0), Size(L""));
    const CSize szShort = Size(L"Write");
    const CSize szLong = Size(L"{\\rtf1 Write the image to the board}");
    EXPECT_GT(szShort.cx, kMarginX);
    EXPECT_GT(szShort.cy, kMarginY);
    EXPECT_GT(szLong.cx, szShort.cx);
    EXPECT_EQ(szLong.cy, szShort.cy);
    EXPECT_LT(szLong.cx, Size(L"Write the image to the board}").cx) << "a brace text is read as RTF";
}

TEST_F(ToolTipKindsTest, MarkupTipMeasuresItsTreeOrFallsBackToPlainText)
{
    ASSERT_NE(nullptr, MakeTip(zmrToolTipMarkup));
    auto* pMarkupTip = static_cast<CZMRToolTipContext::CMarkupToolTip*>(m_pTip.get());
    EXPECT_EQ(CSize(0, 0), Size(L""));

    const CSize szMarkup = Size(L"<TextBlock>Write the image</TextBlock>");
    EXPECT_NE(nullptr, pMarkupTip->GetMarkupTree());
    EXPECT_GT(szMarkup.cx, kMarginX);
    EXPECT_GT(szMarkup.cy, kMarginY);

    // Not markup: sized as the own window sizes plain text.
    const CSize szPlain = Size(L"<TextBlock>Write");
    EXPECT_EQ(nullptr, pMarkupTip->GetMarkupTree());
    CZMRToolTipContextToolTip plain(&m_context);
    ASSERT_TRUE(plain.CreateTipWindow(&m_owner, 0));
    CZMRToolTipContextToolTip::TOOLITEM tool;
    tool.strText = L"<TextBlock>Write";
    EXPECT_EQ(plain.CalcTipSize(&tool), szPlain);
    plain.DestroyWindow();
}
} // namespace
