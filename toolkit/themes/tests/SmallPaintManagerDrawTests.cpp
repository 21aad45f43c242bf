// What the small paint managers draw, read at the pixels their rules fix:
// progress bars (flat and visual style), scroll bars (flat, classic and
// visual style), sliders and the gallery's background and label rows, in
// the Default and Office 2003 themes. Their pictures go to the artefacts.
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRControlAction.h"
#include "CZMRPopupBar.h"
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRColorManager.h"
#include "CZMRControlProgress.h"
#include "CZMRDefaultTheme.h"
#include "CZMROffice2003Theme.h"
#include "CZMRProgressPaintManager.h"
#include "CZMRSliderPaintManager.h"
#include "ThemeTestSupport.h"
#include "../../commandbars/tests/ScrollBaseTestSupport.h"

using namespace themetest;

namespace
{
COLORREF Sys(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

// A bar laid out in a rectangle for a theme's drawing.
void Layout(CTestScrollBar& bar, CZMRPaintManager& theme, CZMRScrollBarPaintManager& pm, CRect rc, BOOL bVertical)
{
    bar.m_paintManager.m_pPaintManager = &theme;
    bar.m_paintManager.m_cyVScroll = pm.m_cyVScroll;
    bar.m_paintManager.m_cxHScroll = pm.m_cxHScroll;
    bar.m_paintManager.m_nThumbSize = pm.m_nThumbSize;
    bar.m_bVertical = bVertical;
    bar.m_rcBar = rc;
    bar.UpdateScrollBar();
}

int CountColour(const CPixelCanvas& canvas, CRect rc, COLORREF clr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += canvas.Pixel(x, y) == clr;
    return n;
}
} // namespace

// ---------------------------------------------------------------- progress

TEST(ProgressPaintManagerDraw, FlatFormInTheDefaultThemeEvenWithVisualStyles)
{
    CDistinct<CZMRDefaultTheme> theme;
    ASSERT_TRUE(theme.m_pProgressPaintManager->m_themeProgress.IsThemeOpenAndActive());
    CPixelCanvas canvas(104, 16, kBack);
    CTestProgress progress(CRect(0, 0, 104, 16));
    progress.SetPos(50);
    theme.m_pProgressPaintManager->DrawProgress(canvas.DC(), &progress);
    // System colours through the colour manager, not the theme's table.
    EXPECT_EQ(canvas.Pixel(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(103, 15), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(1, 1), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Pixel(2, 2), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(51, 13), Sys(COLOR_HIGHLIGHT)) << "50 of the inner 100";
    EXPECT_EQ(canvas.Pixel(52, 8), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Pixel(2, 14), Sys(COLOR_BTNFACE)) << "the bar stays inside the inner rectangle";
    SavePicture(canvas, L"progress-default.png", 104, 16);

    // A position left beyond the range by a smaller range fills the bar only.
    progress.m_nPos = 500;
    theme.m_pProgressPaintManager->DrawProgress(canvas.DC(), &progress);
    EXPECT_EQ(canvas.Pixel(101, 8), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(102, 8), Sys(COLOR_BTNFACE));

    // Minimum equal to maximum: nothing filled, no division.
    progress.m_nMin = progress.m_nMax = progress.m_nPos = 7;
    theme.m_pProgressPaintManager->DrawProgress(canvas.DC(), &progress);
    EXPECT_EQ(canvas.Pixel(2, 8), Sys(COLOR_BTNFACE));

    // An inner width below 2 shows only the frame.
    CPixelCanvas narrow(5, 16, kBack);
    CTestProgress small(CRect(0, 0, 5, 16));
    small.SetPos(100);
    theme.m_pProgressPaintManager->DrawProgress(narrow.DC(), &small);
    EXPECT_EQ(narrow.Pixel(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(narrow.Pixel(2, 8), Sys(COLOR_BTNFACE));
}

TEST(ProgressPaintManagerDraw, VisualStyleChunksInTheOffice2003Theme)
{
    CDistinct<CZMROffice2003Theme> theme;
    CZMRProgressPaintManager* pm = theme.m_pProgressPaintManager;
    ASSERT_TRUE(pm->m_themeProgress.IsThemeOpenAndActive());
    const CRect rc(0, 0, 208, 16);
    // The bar part alone, for comparing.
    CPixelCanvas track(208, 16, kBack);
    pm->m_themeProgress.DrawThemeBackground(track.DC()->GetSafeHdc(), 1, 0, rc, nullptr);

    CPixelCanvas empty(208, 16, kBack);
    CTestProgress progress(rc);
    pm->DrawProgress(empty.DC(), &progress);
    for (int x = 0; x < 208; x++)
        ASSERT_EQ(empty.Pixel(x, 8), track.Pixel(x, 8)) << "0 % draws no chunk, x " << x;

    CPixelCanvas half(208, 16, kBack);
    progress.SetPos(50);
    pm->DrawProgress(half.DC(), &progress);
    // The inner rectangle starts 4 px in; half of its 200 px are chunks.
    int nChanged = 0;
    for (int x = 4; x < 104; x++)
        nChanged += half.Pixel(x, 8) != track.Pixel(x, 8);
    EXPECT_GT(nChanged, 50) << "chunks fill the first half";
    EXPECT_NE(half.Pixel(4, 8), track.Pixel(4, 8)) << "the first chunk starts at the inner left";
    for (int x = 112; x < 208; x++)
        ASSERT_EQ(half.Pixel(x, 8), track.Pixel(x, 8)) << "nothing past the filled part, x " << x;
    SavePicture(half, L"progress-office2003.png", 208, 16);
}

// ---------------------------------------------------------------- scroll bars

TEST(ScrollBarPaintManagerDraw, FlatStyleArrowsThumbAndTrack)
{
    CDistinct<CZMRDefaultTheme> theme;
    CZMRScrollBarPaintManager* pm = theme.m_pGalleryPaintManager;
    CTestScrollBar bar;
    Layout(bar, theme, *pm, CRect(0, 0, 17, 120), TRUE);
    ASSERT_EQ(bar.GetScrollBarStyle(), 2);
    const auto& spi = *bar.GetScrollBarPosInfo();
    bar.m_nPos = 40;
    bar.UpdateScrollBar();

    CPixelCanvas canvas(17, 120, kBack);
    pm->DrawScrollBar(canvas.DC(), &bar);
    const int cyArrow = spi.pxUpArrow;
    // Raised arrows with their Marlett glyph.
    EXPECT_EQ(canvas.Pixel(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(16, cyArrow - 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(0, spi.pxDownArrow), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_GT(CountColour(canvas, CRect(1, 1, 16, cyArrow - 1), RGB(0, 0, 0)), 3) << "the up glyph";
    EXPECT_GT(CountColour(canvas, CRect(1, spi.pxDownArrow + 1, 16, 119), RGB(0, 0, 0)), 3) << "the down glyph";
    // The thumb, raised, on the track.
    EXPECT_EQ(canvas.Pixel(0, spi.pxThumbTop), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(8, (spi.pxThumbTop + spi.pxThumbBottom) / 2), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Pixel(16, spi.pxThumbBottom - 1), Sys(COLOR_BTNSHADOW));
    const COLORREF clrTrack = canvas.Pixel(8, spi.pxThumbTop - 3);
    EXPECT_NE(clrTrack, kBack);
    EXPECT_EQ(canvas.Pixel(8, spi.pxThumbBottom + 3), clrTrack);
    SavePicture(canvas, L"scrollbar-default.png", 17, 120);

    // Held on the first arrow with the pointer on it: sunken.
    CZMRScrollBase::SCROLLBARTRACKINFO track = {};
    track.fHitOld = TRUE;
    bar.m_pSBTrack = &track;
    bar.GetScrollBarPosInfo()->ht = 60;
    pm->DrawScrollBar(canvas.DC(), &bar);
    EXPECT_EQ(canvas.Pixel(0, 0), Sys(COLOR_BTNSHADOW));
    // The pointer left it: raised again.
    track.fHitOld = FALSE;
    pm->DrawScrollBar(canvas.DC(), &bar);
    EXPECT_EQ(canvas.Pixel(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    // A held page area is inverted.
    track.fHitOld = TRUE;
    bar.GetScrollBarPosInfo()->ht = 62;
    pm->DrawScrollBar(canvas.DC(), &bar);
    EXPECT_EQ(canvas.Pixel(8, spi.pxThumbTop - 3), clrTrack ^ 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(8, spi.pxThumbBottom + 3), clrTrack);
    bar.m_pSBTrack = nullptr;
}

TEST(ScrollBarPaintManagerDraw, DisabledNarrowAndEmptyBars)
{
    CDistinct<CZMRDefaultTheme> theme;
    CZMRScrollBarPaintManager* pm = theme.m_pGalleryPaintManager;
    {
        SCOPED_TRACE("page larger than the range: disabled, no thumb");
        CTestScrollBar bar;
        bar.m_nPage = 200;
        Layout(bar, theme, *pm, CRect(0, 0, 17, 120), TRUE);
        CPixelCanvas canvas(17, 120, kBack);
        pm->DrawScrollBar(canvas.DC(), &bar);
        const auto& spi = *bar.GetScrollBarPosInfo();
        const COLORREF clrTrack = canvas.Pixel(8, spi.pxUpArrow + 2);
        EXPECT_EQ(CountColour(canvas, CRect(0, spi.pxUpArrow, 17, spi.pxDownArrow), clrTrack),
                  17 * (spi.pxDownArrow - spi.pxUpArrow));
        EXPECT_EQ(CountColour(canvas, CRect(1, 1, 16, spi.pxUpArrow - 1), RGB(0, 0, 0)), 0)
            << "disabled glyphs are not black";
        EXPECT_GT(CountColour(canvas, CRect(1, 1, 16, spi.pxUpArrow - 1), Sys(COLOR_BTNSHADOW)), 3);
    }
    {
        SCOPED_TRACE("arrows smaller than 6 px get no glyph");
        CTestScrollBar bar;
        Layout(bar, theme, *pm, CRect(0, 0, 5, 120), TRUE);
        CPixelCanvas canvas(5, 120, kBack);
        pm->DrawScrollBar(canvas.DC(), &bar);
        EXPECT_EQ(CountColour(canvas, CRect(0, 0, 5, 120), RGB(0, 0, 0)), 0);
        EXPECT_EQ(canvas.Pixel(2, 8), Sys(COLOR_BTNFACE));
    }
    {
        SCOPED_TRACE("less than 1 px across draws nothing");
        CTestScrollBar bar;
        Layout(bar, theme, *pm, CRect(3, 0, 3, 120), TRUE);
        CPixelCanvas canvas(8, 120, kBack);
        pm->DrawScrollBar(canvas.DC(), &bar);
        EXPECT_EQ(CountColour(canvas, CRect(0, 0, 8, 120), kBack), 8 * 120);
    }
}

TEST(ScrollBarPaintManagerDraw, ClassicAndVisualStyleForms)
{
    CDistinct<CZMROffice2003Theme> theme;
    CZMRScrollBarPaintManager* pm = theme.m_pGalleryPaintManager;
    CTestScrollBar bar;
    Layout(bar, theme, *pm, CRect(0, 0, 120, 17), FALSE);
    ASSERT_EQ(bar.GetScrollBarStyle(), 3);
    bar.m_nPos = 40;
    bar.UpdateScrollBar();
    const auto& spi = *bar.GetScrollBarPosInfo();

    CPixelCanvas styled(120, 17, kBack);
    pm->DrawScrollBar(styled.DC(), &bar);
    EXPECT_NE(styled.Pixel(4, 8), kBack);
    EXPECT_NE(styled.Pixel(115, 8), kBack);
    EXPECT_NE(styled.Pixel((spi.pxThumbTop + spi.pxThumbBottom) / 2, 8), kBack);
    SavePicture(styled, L"scrollbar-office2003.png", 120, 17);

    // Any other style: the platform's frame controls and a raised thumb.
    bar.m_nScrollBarStyle = 4;
    CPixelCanvas classic(120, 17, kBack);
    pm->DrawScrollBar(classic.DC(), &bar);
    EXPECT_GT(CountColour(classic, CRect(0, 0, 16, 17), Sys(COLOR_BTNFACE)), 20);
    EXPECT_EQ(classic.Pixel(spi.pxThumbTop + 1, 1), Sys(COLOR_BTNHIGHLIGHT)) << "raised edge of the thumb";
    EXPECT_EQ(classic.Pixel((spi.pxThumbTop + spi.pxThumbBottom) / 2, 8), Sys(COLOR_BTNFACE));
    EXPECT_GT(CountColour(classic, CRect(0, 0, 16, 17), Sys(COLOR_BTNTEXT)), 3) << "the left arrow's glyph";
}

// ---------------------------------------------------------------- sliders

TEST(SliderPaintManagerDraw, ChannelTicksButtonsAndThumb)
{
    CDistinct<CZMRDefaultTheme> theme;
    CZMRSliderPaintManager* pm = theme.m_pSliderPaintManager;
    ASSERT_EQ(pm->m_nThumbSize, 11);
    CTestScrollBar bar;
    bar.m_nPage = 0;
    Layout(bar, theme, *pm, CRect(0, 0, 120, 20), FALSE);
    const COLORREF clrShadow = Sys(COLOR_BTNSHADOW), clrLight = Sys(COLOR_BTNHIGHLIGHT);
    // Channel at y 9 (shadow) and 10 (light) from x 16 to 104; ticks over
    // 22..98 (76 wide), notch top at y 6.
    auto draw = [&](CPixelCanvas& canvas) { pm->DrawScrollBar(canvas.DC(), &bar); };
    CPixelCanvas canvas(120, 20, kBack);
    draw(canvas);
    EXPECT_EQ(canvas.Pixel(80, 9), clrShadow);
    EXPECT_EQ(canvas.Pixel(80, 10), clrLight);
    EXPECT_EQ(canvas.Pixel(59, 6), clrShadow) << "no tick list: one notch in the middle";
    EXPECT_EQ(canvas.Pixel(59, 11), clrShadow);
    EXPECT_EQ(canvas.Pixel(60, 13), clrLight);
    // Minus and plus signs in black at the buttons' centres.
    EXPECT_EQ(canvas.Pixel(5, 9), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(5, 7), Sys(COLOR_BTNFACE)) << "the minus sign has no upright";
    EXPECT_EQ(canvas.Pixel(111, 7), RGB(0, 0, 0)) << "the plus sign's upright";
    EXPECT_EQ(canvas.Pixel(108, 9), RGB(0, 0, 0));
    // The thumb at position 0: x 17..25, y 3..16, face with a light inner edge.
    EXPECT_EQ(canvas.Pixel(21, 7), Sys(COLOR_BTNFACE));
    EXPECT_EQ(canvas.Pixel(18, 7), clrLight);
    EXPECT_EQ(canvas.Pixel(17, 7), clrShadow);
    SavePicture(canvas, L"slider-default.png", 120, 20);

    struct
    {
        const char* name;
        std::vector<double> ticks;
        BOOL bList;
        int nMin, nMax;
        std::vector<int> notches;   // x of each notch's left column
    } cases[] = {
        {"ticks at the ends and the middle", {0, 49.5, 99}, TRUE, 0, 99, {21, 59, 97}},
        {"outside the range: none", {-5, 150}, TRUE, 0, 99, {}},
        {"an empty list: none", {}, TRUE, 0, 99, {}},
        {"minimum at maximum: one centred", {0, 10}, TRUE, 5, 5, {59}},
        {"minimum above maximum: one centred", {0, 10}, TRUE, 9, 3, {59}},
    };
    // Without the thumb over them.
    bar.m_bEnabled = FALSE;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        bar.SetTicks(c.ticks.data(), int(c.ticks.size()));
        bar.m_nMin = c.nMin;
        bar.m_nMax = c.nMax;
        bar.UpdateScrollBar();
        CPixelCanvas ticks(120, 20, kBack);
        draw(ticks);
        std::vector<int> notches;
        for (int x = 18; x < 102; x++)
            if (ticks.Pixel(x, 6) == clrShadow && ticks.Pixel(x, 12) == clrShadow)
                notches.push_back(x);
        EXPECT_EQ(notches, c.notches);
    }

    // Hot thumb: filled light; a vertical slider draws nothing.
    bar.ReleaseOwnedBuffer();
    bar.m_bEnabled = TRUE;
    bar.m_nMin = 0;
    bar.m_nMax = 99;
    bar.UpdateScrollBar();
    bar.GetScrollBarPosInfo()->ht = 64;
    CPixelCanvas hot(120, 20, kBack);
    draw(hot);
    EXPECT_EQ(hot.Pixel(21, 7), clrLight);
    Layout(bar, theme, *pm, CRect(0, 0, 20, 120), TRUE);
    CPixelCanvas vertical(20, 120, kBack);
    draw(vertical);
    EXPECT_EQ(CountColour(vertical, CRect(0, 0, 20, 120), kBack), 20 * 120);
}

// ---------------------------------------------------------------- gallery parts

TEST(GalleryPaintManagerDraw, BackgroundBorderAndLabelRow)
{
    CBar<CDistinct<CZMRDefaultTheme>> bar(zmrBarTypeNormal, zmrBarTop);
    auto* pGallery = new CZMRControlGallery;
    bar.m_pBar->GetControls()->AddControl(pGallery);
    CZMRControlGalleryPaintManager* pm = bar.m_pTheme->m_pGalleryPaintManager;

    CPixelCanvas canvas(100, 40, kBack);
    pm->FillControl(canvas.DC(), pGallery, CRect(0, 0, 100, 40));
    EXPECT_EQ(canvas.Pixel(0, 0), Entry(41)) << "no border";
    EXPECT_EQ(canvas.Pixel(50, 38), Entry(41));
    pGallery->SetShowBorders(TRUE);
    pm->FillControl(canvas.DC(), pGallery, CRect(0, 0, 100, 40));
    EXPECT_EQ(canvas.Pixel(0, 0), Entry(52));
    EXPECT_EQ(canvas.Pixel(99, 39), Entry(52));
    EXPECT_EQ(canvas.Pixel(1, 1), Entry(41));

    CZMRControlGalleryItem label;
    label.SetLabel(TRUE);
    label.SetCaption(L"Recently Used");
    CPixelCanvas row(100, 19, kBack);
    pm->DrawLabel(row.DC(), &label, CRect(0, 0, 100, 19));
    EXPECT_EQ(row.Pixel(2, 2), Entry(56));
    EXPECT_EQ(row.Pixel(50, 18), Entry(52));
    EXPECT_GT(CountColour(row, CRect(10, 0, 90, 18), Entry(44)), 10) << "the caption";
    EXPECT_EQ(CountColour(row, CRect(0, 0, 10, 18), Entry(44)), 0) << "inset by 10";
}

TEST(GalleryPaintManagerDraw, PopupGalleryLineAboveAFollowingControl)
{
    CBar<CDistinct<CZMRDefaultTheme>> bar(zmrBarTypePopup, zmrBarPopup);
    auto* pGallery = new CZMRControlGallery;
    bar.m_pBar->GetControls()->AddControl(pGallery);
    bar.Add(zmrControlButton, 1, L"More");
    CPixelCanvas canvas(100, 40, kBack);
    bar.m_pTheme->m_pGalleryPaintManager->FillControl(canvas.DC(), pGallery, CRect(0, 0, 100, 40));
    EXPECT_EQ(canvas.Pixel(50, 38), Entry(39));
    EXPECT_EQ(canvas.Pixel(50, 37), Entry(41));
    EXPECT_EQ(canvas.Pixel(50, 39), Entry(41));
}

namespace
{
// A gallery of captioned items under two labels on a bar of the theme.
template <class TTheme>
struct CGalleryPicture : CGalleryOnBar<TTheme>
{
    CGalleryPicture(BOOL bDropDown, CSize sz) : CGalleryOnBar<TTheme>(zmrBarTypeNormal, zmrBarTop, bDropDown)
    {
        this->pItems->SetItemSize(CSize(40, 22));
        this->pItems->AddLabel(L"Recent");
        for (LPCWSTR caption : {L"One", L"Two", L"Three", L"Four"})
            this->pItems->AddItem(1, caption);
        this->pItems->AddLabel(L"All");
        for (int i = 0; i < 12; i++)
            this->pItems->AddItem(10 + i, L"Item");
        this->pGallery->SetShowBorders(TRUE);
        this->Place(sz);
    }
};

template <class TTheme>
void DrawGalleryPictures(const std::wstring& strPrefix)
{
    CGalleryPicture<CRefreshed<TTheme>> inPlace(FALSE, CSize(180, 90));
    inPlace.pGallery->SetHotItem(2);
    inPlace.pGallery->SetCheckedItem(11);
    CPixelCanvas canvas(180, 90, kBack);
    inPlace.pGallery->Draw(canvas.DC());
    SavePicture(canvas, strPrefix + L"-gallery.png", 180, 90);

    CGalleryPicture<CRefreshed<TTheme>> dropDown(TRUE, CSize(180, 66));
    dropDown.pGallery->ScrollTo(22);
    dropDown.pGallery->GetScrollBarPosInfo()->ht = 61;
    CPixelCanvas buttons(180, 66, kBack);
    dropDown.pGallery->Draw(buttons.DC());
    SavePicture(buttons, strPrefix + L"-gallery-buttons.png", 180, 66);
}
} // namespace

TEST(GalleryPaintManagerDraw, ScrollButtonStatesAndGlyphs)
{
    CGalleryPicture<CDistinct<CZMRDefaultTheme>> picture(TRUE, CSize(118, 62));
    CZMRControlGallery* pGallery = picture.pGallery;
    CZMRPaintManager& theme = *picture.bar.m_pTheme;
    // Inside the border: buttons in x 101..117, up 1..20, down 20..39, popup 39..61.
    ASSERT_EQ(pGallery->GetScrollBarRect(), CRect(101, 1, 117, 61));
    const COLORREF clrDisabled = theme.GetStateTextColor(0, 0, FALSE, 0, FALSE, 1, 5);
    const COLORREF clrNormal = theme.GetStateTextColor(0, 0, TRUE, 0, FALSE, 1, 5);
    const COLORREF clrHot = theme.GetStateTextColor(1, 0, TRUE, 0, FALSE, 1, 5);
    ASSERT_NE(clrDisabled, clrNormal);

    CPixelCanvas canvas(118, 62, kBack);
    pGallery->Draw(canvas.DC());
    EXPECT_EQ(canvas.Pixel(109, 11), clrDisabled) << "up: nothing above to scroll to";
    EXPECT_EQ(canvas.Pixel(109, 29), clrNormal) << "down";
    EXPECT_EQ(canvas.Pixel(107, 46), clrNormal) << "the popup button's bar";
    EXPECT_EQ(canvas.Pixel(109, 51), clrNormal) << "the popup button's triangle";
    EXPECT_EQ(canvas.Pixel(102, 3), Entry(30)) << "the column's fill";

    // The down button hot: highlighted, its glyph in the hot text colour.
    pGallery->GetScrollBarPosInfo()->ht = 61;
    CPixelCanvas hot(118, 62, kBack);
    pGallery->Draw(hot.DC());
    EXPECT_EQ(hot.Pixel(109, 29), clrHot);
    EXPECT_NE(hot.Pixel(101, 25), canvas.Pixel(101, 25)) << "the raised frame of the highlight";
    EXPECT_EQ(hot.Pixel(102, 3), Entry(30)) << "the up button stays plain";
}

TEST(GalleryPaintManagerDraw, Pictures)
{
    DrawGalleryPictures<CZMRDefaultTheme>(L"default");
    DrawGalleryPictures<CZMROffice2003Theme>(L"office2003");
}
