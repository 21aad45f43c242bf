// The windowless rich-text renderer over the system's text services:
// measured and drawn into a memory device context.
#include "CZMRRichRender.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>

namespace
{
class RichRender : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!m_render.GetTextServices())
            GTEST_SKIP() << "the system offers no windowless text services";
    }
    CSize Measure(LPCWSTR lpszText, int nMaxWidth)
    {
        m_render.SetText(lpszText);
        CPixelCanvas canvas(10, 10);
        return m_render.GetTextExtent(canvas.DC(), nMaxWidth);
    }
    // Sum of darkness of the text drawn black on white.
    long Ink(LPCWSTR lpszText)
    {
        m_render.SetText(lpszText);
        CPixelCanvas canvas(300, 40);
        canvas.DC()->FillSolidRect(0, 0, 300, 40, RGB(255, 255, 255));
        CRect rc(0, 0, 300, 40);
        m_render.Draw(canvas.DC(), &rc);
        long nInk = 0;
        for (int y = 0; y < 40; y++)
            for (int x = 0; x < 300; x++)
                nInk += 255 - GetGValue(canvas.Pixel(x, y));
        return nInk;
    }

    CZMRRichRender m_render;
};

TEST_F(RichRender, SizeGrowsWithTheTextAndWrapsAtTheMaximumWidth)
{
    const CSize szShort = Measure(L"Flash", 400);
    const CSize szLong = Measure(L"Flash the control board", 400);
    EXPECT_GT(szShort.cx, 0);
    EXPECT_GT(szShort.cy, 0);
    EXPECT_GT(szLong.cx, szShort.cx);
    EXPECT_EQ(szLong.cy, szShort.cy);

    // Too wide for the limit: the text takes more lines, no wider than it.
    const CSize szWrapped = Measure(L"Flash the control board of the inverter now", 80);
    EXPECT_GT(szWrapped.cy, szShort.cy);
    EXPECT_LE(szWrapped.cx, 80);
}

TEST_F(RichRender, RtfIsReadWithItsFormattingAndBadRtfShowsLiterally)
{
    EXPECT_GT(m_render.SetText(L"{\\rtf1 plain \\b bold\\b0}"), 0);
    const long nPlain = Ink(L"{\\rtf1 Write image}");
    EXPECT_GT(nPlain, 0);
    EXPECT_EQ(nPlain, Ink(L"Write image")) << "RTF without formatting draws as the plain text";
    // The formatting is read: bold glyphs are wider. (Wine's text services
    // draw no pixels for bold runs under the null driver, so the width is
    // what shows it here.)
    EXPECT_GT(Measure(L"{\\rtf1 \\b Write image}", 400).cx, Measure(L"{\\rtf1 Write image}", 400).cx);

    // Not RTF after its brace: the braces show as text.
    const CSize szText = Measure(L"{x}", 400);
    const CSize szInner = Measure(L"x", 400);
    EXPECT_GT(szText.cx, szInner.cx);
}
} // namespace
