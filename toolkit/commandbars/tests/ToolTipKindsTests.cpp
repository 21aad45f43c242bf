// The rich-text and markup tip windows: which window each kind gets and how
// a tip is sized from its text.
#include "CZMRToolTipContext.h"
#include <gtest/gtest.h>
#include <memory>

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

TEST_F(ToolTipKindsTest, EachKindGetsItsWindowAndTheHtmlKindNoneYet)
{
    EXPECT_NE(nullptr, dynamic_cast<CZMRToolTipContext::CRichEditToolTip*>(MakeTip(zmrToolTipRichText)));
    EXPECT_NE(nullptr, dynamic_cast<CZMRToolTipContext::CMarkupToolTip*>(MakeTip(zmrToolTipMarkup)));
    EXPECT_EQ(nullptr, MakeTip(zmrToolTipHtml));
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
