// The ribbon theme: font heights and the metrics that follow them, colours
// from the skin's "Ribbon" keys (and what stands in for missing ones), the
// ribbon tab paint manager, context colour names and popup regions.
#include "RibbonTestSupport.h"
#include "CZMRShadowManager.h"
#include "CZMRTabManagerItem.h"

namespace
{
struct CFontHeightCase
{
    const char* name;
    int nMenuFontHeight;
    int nOverride;
    int nExpected;
};

const CFontHeightCase kFontHeights[] = {
    {"a menu font of -9 counts as 11", -9, 0, 11},
    {"-12 counts as 11", -12, 0, 11},
    {"-13 stays", -13, 0, 13},
    {"a positive cell height counts by its size", 14, 0, 14},
    {"an override of 14 wins", -12, 14, 14},
    {"an override of 11 is not above 11", -13, 11, 13},
    {"an override of 12 is taken, then counts as 11", -16, 12, 11},
};

struct CMetricsCase
{
    int h;
    int nBaseHeight;
    int nFixedControlHeight;
    int nTabsHeight;
    int nGroupCaptionHeight;
    int nSplitDropDownWidth;
};

// e = h x 144 / 96, g = max(h x 195 / 96, 22); base max(e + 6, 22); tabs g + 2
// when g > 22, else 23; group caption max(e, 17); split max(base / 2, 12).
const CMetricsCase kMetrics[] = {
    {11, 22, 22, 23, 17, 12},
    {12, 24, 24, 26, 18, 12},
    {13, 25, 26, 28, 19, 12},
    {14, 27, 28, 30, 21, 13},
};
} // namespace

TEST(RibbonThemeFonts, TheRibbonFontHeightFollowsTheMenuFontAndTheOverride)
{
    for (const CFontHeightCase& c : kFontHeights)
        EXPECT_EQ(c.nExpected, CZMRRibbonTheme::GetRibbonFontHeight(c.nMenuFontHeight, c.nOverride)) << c.name;
}

TEST(RibbonThemeFonts, MetricsGrowWithTheFontHeight)
{
    for (const CMetricsCase& c : kMetrics)
    {
        SCOPED_TRACE(c.h);
        const CZMRRibbonTheme::CFontMetrics m = CZMRRibbonTheme::CalcFontMetrics(c.h);
        EXPECT_EQ(c.nBaseHeight, m.nBaseHeight);
        EXPECT_EQ(c.nFixedControlHeight, m.nFixedControlHeight);
        EXPECT_EQ(c.nTabsHeight, m.nTabsHeight);
        EXPECT_EQ(c.nGroupCaptionHeight, m.nGroupCaptionHeight);
        EXPECT_EQ(c.nSplitDropDownWidth, m.nSplitDropDownWidth);
    }
}

TEST(RibbonThemeFonts, TheOverrideReachesTheThemesMetricsAndFonts)
{
    CZMRRibbonTheme theme;
    theme.m_nFontHeightOverride = 14;
    theme.RefreshMetrics();
    theme.RefreshFonts();
    EXPECT_EQ(27, theme.GetBaseHeight());
    EXPECT_EQ(28, theme.m_nFixedControlHeight);
    EXPECT_EQ(30, theme.GetTabsHeight());
    EXPECT_EQ(21, theme.GetGroupCaptionHeight());
    EXPECT_EQ(13, theme.m_nSplitDropDownWidth);

    LOGFONT lf = {};
    ASSERT_TRUE(theme.m_fntRibbon.GetSafeHandle());
    theme.m_fntRibbon.GetLogFont(&lf);
    EXPECT_EQ(14 * 120 / 96, lf.lfHeight) << "a cell height";
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    theme.GetTabPaintManager()->GetFont()->GetLogFont(&lf);
    EXPECT_EQ(14 * 120 / 96, lf.lfHeight) << "the tab strip's font is the ribbon font";
    // The tab header follows the tab row.
    EXPECT_EQ(31, theme.GetTabPaintManager()->GetAppearanceSet()->GetHeaderHeight(nullptr));
}

TEST(RibbonThemeColors, EachRibbonKeyGoesWhereTheThemeUsesIt)
{
    CRibbonSkinBound skin;
    CZMRRibbonTheme theme;
    theme.RefreshMetrics();

    EXPECT_EQ(RGB(201, 11, 12), theme.m_clrRibbonFace.GetColor());
    CZMRTabPaintManager::CColorSet* pTabColors = theme.GetTabPaintManager()->GetColorSet();
    EXPECT_EQ(RGB(202, 21, 22), pTabColors->m_clrTextNormal.GetColor());
    EXPECT_EQ(RGB(202, 21, 22), pTabColors->m_clrTextHot.GetColor());
    EXPECT_EQ(RGB(203, 31, 32), pTabColors->m_clrTextSelected.GetColor());
    EXPECT_EQ(RGB(204, 41, 42), theme.m_clrGroupCaptionText.GetColor());
    EXPECT_EQ(RGB(205, 51, 52), theme.GetColor(46));
    EXPECT_EQ(RGB(206, 61, 62), theme.m_clrRibbonText.GetColor());
    EXPECT_EQ(RGB(207, 71, 72), theme.m_clrRibbonGrayText.GetColor());
    EXPECT_EQ(RGB(208, 81, 82), theme.m_clrEditField.GetColor());
    EXPECT_EQ(RGB(209, 91, 92), theme.m_clrMinimizedFrameEdgeHighLight.GetColor());
    EXPECT_EQ(RGB(210, 101, 102), theme.m_clrMinimizedFrameEdgeShadow.GetColor());
    EXPECT_EQ(RGB(211, 111, 112), theme.GetColor(44));
    EXPECT_EQ(RGB(212, 121, 122), theme.m_grcMenuPopupGripper.clrLight.GetColor());
    EXPECT_EQ(RGB(212, 121, 122), theme.m_grcMenuPopupGripper.clrDark.GetColor());
    EXPECT_EQ(RGB(214, 141, 142), theme.m_grcHiddenIconColumn.clrLight.GetColor()) << "light to dark";
    EXPECT_EQ(RGB(213, 131, 132), theme.m_grcHiddenIconColumn.clrDark.GetColor());
    EXPECT_EQ(RGB(215, 151, 152), theme.GetColor(45));

    // The fixed values of the refresh.
    EXPECT_EQ(RGB(141, 141, 141), theme.GetColor(60));
    EXPECT_EQ(RGB(167, 167, 167), theme.GetColor(35));
    EXPECT_EQ(RGB(134, 134, 134), theme.GetColor(43));
    EXPECT_EQ(RGB(250, 250, 250), theme.GetColor(41));
    EXPECT_EQ(RGB(233, 238, 238), theme.m_grcExpandImage.clrLight.GetColor());
    EXPECT_EQ(RGB(233, 238, 238), theme.m_grcExpandImage.clrDark.GetColor());
}

TEST(RibbonThemeColors, KeysTheSkinLacksLeaveNoColourMissing)
{
    CRibbonSkinBound skin(L"EMPTY.INI");
    CZMRRibbonTheme theme;
    theme.RefreshMetrics();

    EXPECT_EQ(RGB(141, 141, 141), theme.m_clrRibbonGrayText.GetColor()) << "the stated fallback";
    EXPECT_EQ(theme.GetColor(COLOR_3DFACE), theme.m_clrRibbonFace.GetColor());
    EXPECT_EQ(theme.GetColor(COLOR_BTNTEXT), theme.m_clrRibbonText.GetColor());
    EXPECT_EQ(theme.GetColor(COLOR_BTNTEXT), theme.m_clrGroupCaptionText.GetColor());
    EXPECT_EQ(theme.GetColor(COLOR_WINDOW), theme.m_clrEditField.GetColor());
    for (COLORREF clr : {theme.m_clrMinimizedFrameEdgeHighLight.GetColor(),
                         theme.m_clrMinimizedFrameEdgeShadow.GetColor(), theme.m_grcMenuPopupGripper.clrLight.GetColor(),
                         theme.GetColor(44), theme.GetColor(45), theme.GetColor(46)})
        EXPECT_NE(COLORREF(-1), clr);
    CZMRTabPaintManager::CColorSet* pTabColors = theme.GetTabPaintManager()->GetColorSet();
    EXPECT_NE(COLORREF(-1), pTabColors->m_clrTextNormal.GetColor());
    EXPECT_NE(COLORREF(-1), pTabColors->m_clrTextSelected.GetColor());
}

TEST(RibbonTheme, ThemeNumberSixIsTheRibbonTheme)
{
    CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(zmrThemeRibbon);
    EXPECT_NE(nullptr, dynamic_cast<CZMRRibbonTheme*>(pTheme));
    EXPECT_NE(nullptr, dynamic_cast<CZMROffice2007Theme*>(pTheme)) << "it is an Office 2007 theme";
    EXPECT_EQ(zmrThemeRibbon, pTheme->GetThemeKind());
    EXPECT_EQ(zmrThemeRibbon, pTheme->m_nTheme);
    pTheme->InternalRelease();
}

TEST(RibbonTheme, ConstructionValues)
{
    CZMRRibbonTheme theme;
    EXPECT_EQ(zmrThemeRibbon, theme.GetThemeKind());
    EXPECT_TRUE(theme.m_bRibbonFlag);
    EXPECT_TRUE(theme.m_bFrameStatusBar);
    EXPECT_TRUE(theme.m_bClearTypeTextQuality);
    EXPECT_EQ(26, theme.m_nPopupSplitWidth);
    EXPECT_EQ(22, theme.m_nSpareMetric);
    EXPECT_EQ(CString(L"Segoe UI"), theme.m_strPreferredFace);
    EXPECT_TRUE(theme.m_bUsePreferredFace);
    EXPECT_FALSE(theme.m_bLabelIconColumn);
    EXPECT_EQ(0, theme.m_nFontHeightOverride);
    EXPECT_EQ(CRect(0, 0, 0, 1), theme.m_rcSpare);
    EXPECT_EQ(1u, theme.m_pShadowManager->m_dwOptions);

    CRect rc(10, 20, 30, 40);
    theme.AdjustAvoidRect(rc, nullptr, FALSE);
    EXPECT_EQ(CRect(10, 20, 30, 40), rc) << "an opening popup keeps to its rectangle";
}

TEST(RibbonTheme, TheTabPaintManagerIsSetUpForTheRibbon)
{
    CZMRRibbonTheme theme;
    CZMRTabPaintManager* p = theme.GetTabPaintManager();
    ASSERT_NE(p, nullptr);
    EXPECT_NE(dynamic_cast<CZMRRibbonTheme::CRibbonAppearanceSet*>(p->GetAppearanceSet()), nullptr);
    EXPECT_NE(dynamic_cast<CZMRRibbonTheme::CRibbonColorSet*>(p->GetColorSet()), nullptr);
    EXPECT_EQ(zmrTabLayoutSizeToFit, p->GetLayout());
    EXPECT_FALSE(p->m_bFillBackground);
    EXPECT_TRUE(p->m_bHotTracking);
    EXPECT_EQ(1, p->m_nClientFrame);
    EXPECT_FALSE(p->m_bNoPrefix);
    EXPECT_EQ(CRect(0, 2, 0, 2), p->m_rcItemPadding);
    EXPECT_EQ(CRect(4, 0, 4, 0), p->m_rcTextMargins);
    EXPECT_EQ(21, p->m_nExtraItemWidth);
    EXPECT_FALSE(p->m_bEndEllipsis);
    EXPECT_FALSE(p->m_bDrawFocusRect);
    EXPECT_EQ(2, p->m_nTooltipMode);
    EXPECT_EQ(theme.m_bClearTypeTextQuality, p->m_bClearType);
    EXPECT_FALSE(p->m_bClipToHeader);
    EXPECT_EQ(CRect(0, 1, 0, 0), p->GetAppearanceSet()->GetHeaderMargin());

    // Each call makes a new one that the caller owns.
    CZMRTabPaintManager* pOther = theme.CreateTabPaintManager();
    EXPECT_NE(pOther, p);
    pOther->InternalRelease();
}

TEST(RibbonTheme, ContextColourNames)
{
    const struct
    {
        int nColor;
        const wchar_t* pszName;
    } cases[] = {{1, L"BLUE"}, {2, L"YELLOW"}, {3, L"GREEN"}, {4, L"RED"}, {5, L"PURPLE"},
                 {6, L"CYAN"}, {7, L"ORANGE"}, {0, L""}, {8, L""}, {-1, L""}};
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszName), CZMRRibbonTheme::GetContextColorName(c.nColor)) << c.nColor;
}

namespace
{
// A popup window of a given size, positioned as a popup bar.
class CRegionBar : public CZMRCommandBar
{
public:
    void SetPosition5() { m_barPosition = zmrBarPopup; }
};
} // namespace

TEST(RibbonTheme, APopupBarLosesItsFourCornerPixels)
{
    CRegionBar bar;
    ASSERT_TRUE(bar.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"", WS_POPUP, 300, 300, 100, 50, nullptr,
                             nullptr));
    CZMRRibbonTheme theme;

    theme.ApplyBarWindowRegion(&bar);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, ::GetWindowRgn(bar.GetSafeHwnd(), hRgn)) << "only popup bars get a region";

    bar.SetPosition5();
    theme.ApplyBarWindowRegion(&bar);
    ASSERT_NE(ERROR, ::GetWindowRgn(bar.GetSafeHwnd(), hRgn));
    for (POINT pt : {POINT{0, 0}, POINT{99, 0}, POINT{0, 49}, POINT{99, 49}})
        EXPECT_FALSE(::PtInRegion(hRgn, pt.x, pt.y)) << pt.x << "," << pt.y;
    for (POINT pt : {POINT{1, 0}, POINT{98, 0}, POINT{0, 1}, POINT{99, 48}, POINT{1, 49}, POINT{50, 25}})
        EXPECT_TRUE(::PtInRegion(hRgn, pt.x, pt.y)) << pt.x << "," << pt.y;
    ::DeleteObject(hRgn);
    bar.DestroyWindow();
}
