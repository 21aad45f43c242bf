// The skinned gallery, slider and progress drawing of the Office 2007 theme,
// with the test skin's parts (one solid colour per state, so one pixel
// tells which part and state was drawn) and without a skin (the plain
// drawing of the base paint managers).
#include "CZMRControlAction.h"
#include "CZMRControlGallery.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRControlGalleryOffice2007Theme.h"
#include "CZMROffice2007Theme.h"
#include "CZMRPopupBar.h"
#include "CZMRProgressOffice2007Theme.h"
#include "CZMRSliderOffice2007Theme.h"
#include "TestSkinBound.h"
#include "ThemeTestSupport.h"
#include "../../commandbars/tests/ScrollBaseTestSupport.h"

using namespace themetest;

namespace
{
// The test skin's colours: state s of each part.
COLORREF GalleryUp(int s) { return RGB(30 + 40 * s, 10, 10); }
COLORREF GalleryDown(int s) { return RGB(30 + 40 * s, 20, 10); }
COLORREF GalleryPopup(int s) { return RGB(30 + 40 * s, 30, 10); }
COLORREF ScrollLight(int s) { return RGB(10 + 100 * s, 200, 40); }
COLORREF ScrollDark(int s) { return RGB(10 + 100 * s, 200, 80); }
COLORREF ScrollArrow(int s) { return RGB(200, 10 + 60 * s, 100); }
COLORREF Glyph(int nCell) { return RGB(100, 100, 10 * nCell); }
COLORREF Thumb(int s) { return RGB(60, 60 + 60 * s, 220); }
COLORREF Gripper(int s) { return RGB(250, 250, 80 * s); }
const COLORREF kSliderTrack = RGB(90, 90, 160);
const COLORREF kSliderTick = RGB(160, 40, 40);
COLORREF SliderUp(int s) { return RGB(20 + 80 * s, 150, 150); }
COLORREF SliderThumb(int s) { return RGB(240, 20 + 80 * s, 20); }
const COLORREF kProgressTrack = RGB(20, 120, 220);
const COLORREF kProgressBody = RGB(200, 80, 40);
const COLORREF kProgressCap = RGB(40, 200, 80);
const COLORREF kSeparator = RGB(197, 197, 197);

int Count(const CPixelCanvas& canvas, CRect rc, COLORREF clr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += canvas.Pixel(x, y) == clr;
    return n;
}

// A gallery of 30 items 20 x 20 on a bar of the skinned theme.
struct CSkinnedGallery : CGalleryOnBar<CRefreshed<CZMROffice2007Theme>>
{
    CSkinnedGallery(int nType, int nPosition, BOOL bDropDown, CSize sz) : CGalleryOnBar(nType, nPosition, bDropDown)
    {
        pItems->SetItemSize(CSize(20, 20));
        for (int i = 0; i < 30; i++)
            pItems->AddItem(10 + i, L"Item");
        Place(sz);
    }
    CZMRControlGalleryOffice2007Theme* PaintManager()
    {
        return static_cast<CZMRControlGalleryOffice2007Theme*>(bar.m_pTheme->m_pGalleryPaintManager);
    }
};
} // namespace

// ---------------------------------------------------------------- progress

TEST(Office2007Progress, TrackChunkAndEndCap)
{
    CSkinBound skin;
    CRefreshed<CZMROffice2007Theme> theme;
    CZMRProgressPaintManager* pm = theme.m_pProgressPaintManager;
    EXPECT_EQ(pm->m_nDefaultHeight, 12);
    // A bar whose inner part is 200 px: 2..202.
    CTestProgress progress(CRect(0, 0, 204, 12));
    struct
    {
        const char* name;
        int nPos;
        int xCapStart;   // -1: no end cap
    } cases[] = {{"half", 50, 102}, {"empty", 0, 2}, {"full", 100, -1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        progress.m_nPos = c.nPos;
        CPixelCanvas canvas(204, 12, kBack);
        pm->DrawProgress(canvas.DC(), &progress);
        EXPECT_EQ(canvas.Pixel(1, 6), kProgressTrack);
        EXPECT_EQ(canvas.Pixel(203, 6), kProgressTrack);
        const int cxFilled = 2 * c.nPos;
        EXPECT_EQ(Count(canvas, CRect(2, 6, 202, 7), kProgressBody), cxFilled);
        if (c.xCapStart < 0)
            EXPECT_EQ(Count(canvas, CRect(0, 0, 204, 12), kProgressCap), 0) << "no end cap at 100 %";
        else
        {
            EXPECT_EQ(Count(canvas, CRect(0, 6, 204, 7), kProgressCap), 4) << "a 4 px end cap";
            EXPECT_EQ(canvas.Pixel(c.xCapStart, 6), kProgressCap);
        }
        if (c.nPos == 50)
            SavePicture(canvas, L"progress-office2007.png", 204, 12);
    }
    // A position left outside the range fills the bar, no more.
    progress.m_nPos = 400;
    CPixelCanvas over(204, 12, kBack);
    pm->DrawProgress(over.DC(), &progress);
    EXPECT_EQ(Count(over, CRect(0, 6, 204, 7), kProgressBody), 200);
    EXPECT_EQ(over.Pixel(203, 6), kProgressTrack);
}

TEST(Office2007Progress, WithoutTheSkinThePlainBar)
{
    CRefreshed<CZMROffice2007Theme> theme;
    ASSERT_EQ(theme.LoadImage(L"PROGRESSTRACK"), nullptr);
    CTestProgress progress(CRect(0, 0, 104, 16));
    progress.SetPos(50);
    CPixelCanvas canvas(104, 16, kBack);
    theme.m_pProgressPaintManager->DrawProgress(canvas.DC(), &progress);
    EXPECT_EQ(Count(canvas, CRect(0, 0, 104, 16), kBack), 0) << "the base drawing covers the bar";
}

// ---------------------------------------------------------------- slider

TEST(Office2007Slider, TrackTicksButtonsAndThumb)
{
    CSkinBound skin;
    CRefreshed<CZMROffice2007Theme> theme;
    CZMRSliderPaintManager* pm = theme.m_pSliderPaintManager;
    EXPECT_EQ(pm->m_cxHScroll, 14) << "the skin's button width";
    EXPECT_EQ(pm->m_cyHScroll, 14);
    EXPECT_EQ(pm->m_nThumbSize, 11);
    CTestScrollBar bar;
    bar.m_nPage = 0;
    bar.m_paintManager.m_pPaintManager = &theme;
    bar.m_paintManager.m_cxHScroll = pm->m_cxHScroll;
    bar.m_paintManager.m_nThumbSize = pm->m_nThumbSize;
    bar.m_bVertical = FALSE;
    bar.m_rcBar = CRect(0, 0, 120, 20);   // buttons 0..14 and 106..120, ticks over 20..100
    bar.UpdateScrollBar();
    auto draw = [&] {
        auto canvas = std::make_unique<CPixelCanvas>(120, 20, kBack);
        pm->DrawScrollBar(canvas->DC(), &bar);
        return canvas;
    };
    auto canvas = draw();
    EXPECT_EQ(canvas->Pixel(80, 9), kSliderTrack) << "the track, 4 high in the middle";
    EXPECT_EQ(canvas->Pixel(80, 7), kBack);
    EXPECT_EQ(canvas->Pixel(60, 12), kSliderTick) << "no tick list: one tick in the middle";
    EXPECT_EQ(canvas->Pixel(7, 10), SliderUp(0));
    EXPECT_EQ(canvas->Pixel(19, 5), SliderThumb(0));
    SavePicture(*canvas, L"slider-office2007.png", 120, 20);

    struct
    {
        const char* name;
        std::vector<double> ticks;
        int nMin, nMax;
        std::vector<int> centres;
    } cases[] = {
        {"the ends: the maximum at the channel's end less half the tick", {0, 99}, 0, 99, {20, 100}},
        {"outside the range: none", {-1, 100}, 0, 99, {}},
        {"an empty list: none", {}, 0, 99, {}},
        {"maximum not above minimum: one centred", {0, 99}, 50, 50, {60}},
    };
    bar.m_bEnabled = FALSE;   // no thumb over the ticks
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        bar.SetTicks(c.ticks.data(), int(c.ticks.size()));
        bar.m_nMin = c.nMin;
        bar.m_nMax = c.nMax;
        bar.UpdateScrollBar();
        auto ticks = draw();
        std::vector<int> centres;
        for (int x = 15; x < 106; x++)
            if (ticks->Pixel(x, 12) == kSliderTick && ticks->Pixel(x - 1, 12) == kSliderTick &&
                ticks->Pixel(x + 1, 12) == kSliderTick)
                centres.push_back(x);
        EXPECT_EQ(centres, c.centres);
        EXPECT_NE(ticks->Pixel(19, 5), SliderThumb(0)) << "a disabled slider has no thumb";
    }
    bar.ReleaseOwnedBuffer();
    bar.m_bEnabled = TRUE;
    bar.m_nMin = 0;
    bar.m_nMax = 99;
    bar.UpdateScrollBar();

    // Hot minus button, hot page area; the pressed minus button.
    bar.GetScrollBarPosInfo()->ht = 60;
    EXPECT_EQ(draw()->Pixel(7, 10), SliderUp(1));
    bar.GetScrollBarPosInfo()->ht = 63;
    EXPECT_EQ(draw()->Pixel(19, 5), SliderThumb(1));
    CZMRScrollBase::SCROLLBARTRACKINFO track = {};
    track.fHitOld = TRUE;
    bar.m_pSBTrack = &track;
    bar.GetScrollBarPosInfo()->ht = 60;
    EXPECT_EQ(draw()->Pixel(7, 10), SliderUp(2));
    bar.GetScrollBarPosInfo()->ht = 64;
    track.fTrackThumb = TRUE;
    EXPECT_EQ(draw()->Pixel(19, 5), SliderThumb(2));
    bar.m_pSBTrack = nullptr;

    // A vertical slider draws nothing.
    bar.m_bVertical = TRUE;
    bar.m_rcBar = CRect(0, 0, 20, 120);
    bar.UpdateScrollBar();
    CPixelCanvas vertical(20, 120, kBack);
    pm->DrawScrollBar(vertical.DC(), &bar);
    EXPECT_EQ(Count(vertical, CRect(0, 0, 20, 120), kBack), 20 * 120);
}

// ---------------------------------------------------------------- gallery

TEST(Office2007Gallery, FaceBorderLabelAndTheirColours)
{
    CSkinBound skin;
    CSkinnedGallery g(zmrBarTypeNormal, zmrBarTop, FALSE, CSize(120, 60));
    CZMRControlGalleryOffice2007Theme* pm = g.PaintManager();
    EXPECT_EQ(pm->m_cyUpButton, 21);
    EXPECT_EQ(pm->m_cyDownButton, 19);
    EXPECT_EQ(pm->m_clrControlGalleryNormal, RGB(9, 20, 21));

    CPixelCanvas canvas(100, 40, kBack);
    pm->FillControl(canvas.DC(), g.pGallery, CRect(0, 0, 100, 40));
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(9, 20, 21)) << "normal face, no border";
    g.pGallery->SetShowBorders(TRUE);
    g.pGallery->OnSelectionChange(1);
    pm->FillControl(canvas.DC(), g.pGallery, CRect(0, 0, 100, 40));
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(9, 30, 31)) << "border";
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(9, 10, 11)) << "selected face";

    CZMRControlGalleryItem label;
    label.SetCaption(L"Group");
    CPixelCanvas row(100, 19, kBack);
    pm->DrawLabel(row.DC(), &label, CRect(0, 0, 100, 19));
    EXPECT_EQ(row.Pixel(3, 3), g.bar.m_pTheme->GetColor(56));
    EXPECT_EQ(row.Pixel(50, 18), kSeparator);

    // In a popup: colour 41, and the line above a control that follows.
    CSkinnedGallery popup(zmrBarTypePopup, zmrBarPopup, FALSE, CSize(120, 60));
    popup.bar.Add(zmrControlButton, 1, L"More");
    CPixelCanvas inPopup(100, 40, kBack);
    popup.PaintManager()->FillControl(inPopup.DC(), popup.pGallery, CRect(0, 0, 100, 40));
    EXPECT_EQ(inPopup.Pixel(5, 5), popup.bar.m_pTheme->GetColor(41));
    EXPECT_EQ(inPopup.Pixel(50, 38), kSeparator);
}

TEST(Office2007Gallery, WithoutTheSkinColoursAndButtonsThePlainDrawing)
{
    CSkinnedGallery g(zmrBarTypeNormal, zmrBarTop, TRUE, CSize(120, 60));
    CZMRControlGalleryOffice2007Theme* pm = g.PaintManager();
    EXPECT_EQ(pm->m_clrControlGalleryNormal, COLORREF(-1)) << "a missing key leaves -1";
    CPixelCanvas canvas(120, 60, kBack);
    g.pGallery->Draw(canvas.DC());
    EXPECT_EQ(canvas.Pixel(50, 58), g.bar.m_pTheme->GetColor(41)) << "the plain face";
    EXPECT_GT(Count(canvas, CRect(104, 0, 120, 60), g.bar.m_pTheme->GetColor(30)), 10)
        << "the plain scroll buttons, not an empty column";
}

TEST(Office2007Gallery, ScrollButtonStates)
{
    CSkinBound skin;
    CSkinnedGallery g(zmrBarTypeNormal, zmrBarTop, TRUE, CSize(120, 60));
    // A 15 px column at the right: up 0..21, down 21..40, popup 40..60.
    auto draw = [&] {
        auto canvas = std::make_unique<CPixelCanvas>(120, 60, kBack);
        g.pGallery->Draw(canvas->DC());
        return canvas;
    };
    auto canvas = draw();
    EXPECT_EQ(canvas->Pixel(112, 10), GalleryUp(4)) << "nothing above: disabled";
    EXPECT_EQ(canvas->Pixel(112, 30), GalleryDown(0));
    EXPECT_EQ(canvas->Pixel(112, 50), GalleryPopup(0));
    EXPECT_EQ(canvas->Pixel(105, 50) == GalleryPopup(0), true) << "15 px wide";
    EXPECT_NE(canvas->Pixel(104, 50), GalleryPopup(0));
    SavePicture(*canvas, L"office2007-gallery-buttons.png", 120, 60);

    g.pGallery->GetScrollBarPosInfo()->ht = 61;
    canvas = draw();
    EXPECT_EQ(canvas->Pixel(112, 30), GalleryDown(2)) << "hot";
    EXPECT_EQ(canvas->Pixel(112, 50), GalleryPopup(1)) << "another part is hot";
    EXPECT_EQ(canvas->Pixel(112, 10), GalleryUp(4));

    CZMRScrollBase::SCROLLBARTRACKINFO track = {};
    track.fHitOld = TRUE;
    g.pGallery->m_pSBTrack = &track;
    canvas = draw();
    EXPECT_EQ(canvas->Pixel(112, 30), GalleryDown(3)) << "pressed";
    g.pGallery->m_pSBTrack = nullptr;

    g.pGallery->SetEnabled(FALSE);
    canvas = draw();
    EXPECT_EQ(canvas->Pixel(112, 30), GalleryDown(4));
    EXPECT_EQ(canvas->Pixel(112, 50), GalleryPopup(4));
}

TEST(Office2007Gallery, SkinnedScrollBarOfStylesFiveAndSix)
{
    CSkinBound skin;
    CSkinnedGallery g(zmrBarTypeNormal, zmrBarTop, FALSE, CSize(120, 60));
    ASSERT_EQ(g.pGallery->GetScrollBarStyle(), 5);
    const auto& spi = *g.pGallery->GetScrollBarPosInfo();
    const CRect rcBar(spi.rc);
    const int x = (rcBar.left + rcBar.right) / 2;
    const int yUp = (spi.pxTop + spi.pxUpArrow) / 2;
    const int yDown = (spi.pxDownArrow + spi.pxBottom) / 2;
    ASSERT_GT(spi.cpxThumb, 10);
    const CPoint ptThumbCentre(x, (spi.pxThumbTop + spi.pxThumbBottom) / 2);
    auto draw = [&] {
        auto canvas = std::make_unique<CPixelCanvas>(120, 60, kBack);
        g.PaintManager()->DrawScrollBar(canvas->DC(), g.pGallery);
        return canvas;
    };
    auto canvas = draw();
    EXPECT_EQ(canvas->Pixel(rcBar.left, yUp), ScrollArrow(0));
    EXPECT_EQ(canvas->Pixel(x, yUp), Glyph(1)) << "up arrow glyph";
    EXPECT_EQ(canvas->Pixel(x, yDown), Glyph(5)) << "down arrow glyph";
    EXPECT_EQ(canvas->Pixel(rcBar.left, spi.pxThumbTop + 1), Thumb(0));
    EXPECT_EQ(canvas->Pixel(ptThumbCentre.x, ptThumbCentre.y), Gripper(0));
    EXPECT_EQ(canvas->Pixel(x, spi.pxDownArrow - 2), ScrollLight(0)) << "the page area after the thumb";
    SavePicture(*canvas, L"office2007-gallery-scrollbar.png", 120, 60);

    // Hot up arrow: its lit glyph, the other arrow lit as well.
    g.pGallery->GetScrollBarPosInfo()->ht = 60;
    canvas = draw();
    EXPECT_EQ(canvas->Pixel(rcBar.left, yUp), ScrollArrow(2));
    EXPECT_EQ(canvas->Pixel(x, yUp), Glyph(2));
    EXPECT_EQ(canvas->Pixel(rcBar.left, yDown), ScrollArrow(1));

    // A held page area after the thumb.
    CZMRScrollBase::SCROLLBARTRACKINFO track = {};
    track.fHitOld = TRUE;
    g.pGallery->m_pSBTrack = &track;
    g.pGallery->GetScrollBarPosInfo()->ht = 63;
    canvas = draw();
    EXPECT_EQ(canvas->Pixel(x, spi.pxDownArrow - 2), ScrollLight(1));
    g.pGallery->m_pSBTrack = nullptr;
    g.pGallery->GetScrollBarPosInfo()->ht = 0;

    g.pGallery->m_nScrollBarStyle = 6;
    canvas = draw();
    EXPECT_EQ(canvas->Pixel(x, spi.pxDownArrow - 2), ScrollDark(0)) << "style 6: the dark parts";

    g.pGallery->m_nScrollBarStyle = 3;
    canvas = draw();
    EXPECT_EQ(Count(*canvas, rcBar, ScrollLight(0)) + Count(*canvas, rcBar, ScrollArrow(0)), 0)
        << "style 3: the plain gallery drawing";
    EXPECT_NE(canvas->Pixel(x, yUp), kBack);
}
