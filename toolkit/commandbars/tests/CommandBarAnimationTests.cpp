// The bar's cross-fade, frame by frame: the test sends the animation timer's
// messages itself, so every step is looked at on the bar's window and nothing
// waits for the real timer.
#include "BarTestSupport.h"
#include "CZMRCommandBarAnimation.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

class CommandBarAnimationTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        if (HasFatalFailure())
            return;
        m_pBar = new CProbeBar;
        m_pBar->SetBarManager(m_pManager);
        ASSERT_TRUE(m_pBar->Create(m_pSite, CRect(10, 10, 130, 34), 4));
        m_pBar->SetBarStyle(0);
        m_pAnimation = m_pBar->GetAnimation();
        m_pAnimation->SetEnabled(TRUE);
        m_pBar->Redraw();
        m_pBar->UpdateWindow();
    }
    void TearDown() override
    {
        if (m_pBar)
            m_pBar->InternalRelease();
        BarSiteTest::TearDown();
    }

    COLORREF Pixel(CPoint pt)
    {
        HDC hdc = ::GetDC(m_pBar->GetSafeHwnd());
        const COLORREF clr = ::GetPixel(hdc, pt.x, pt.y);
        ::ReleaseDC(m_pBar->GetSafeHwnd(), hdc);
        return clr;
    }
    static CPoint Centre(int nIndex) { return CProbeBar::Slot(nIndex).CenterPoint(); }
    void Recolour(int nIndex, COLORREF clr, BOOL bAnimate)
    {
        m_pBar->Probe(nIndex)->m_clr = clr;
        const CRect rc = CProbeBar::Slot(nIndex);
        m_pBar->Redraw(&rc, bAnimate);
    }
    void Tick() { m_pBar->SendMessage(WM_TIMER, ZMR_TIMER_ANIMATION); }
    bool HadTimer() { return ::KillTimer(m_pBar->GetSafeHwnd(), ZMR_TIMER_ANIMATION) != FALSE; }

    CProbeBar* m_pBar = nullptr;
    CZMRCommandBarAnimation* m_pAnimation = nullptr;
};

// (new x k + old x (255 - k)) / 256 for each channel.
COLORREF Blend(COLORREF clrNew, COLORREF clrOld, int k)
{
    auto channel = [k](int n, int o) { return (n * k + o * (255 - k)) / 256; };
    return RGB(channel(GetRValue(clrNew), GetRValue(clrOld)), channel(GetGValue(clrNew), GetGValue(clrOld)),
               channel(GetBValue(clrNew), GetBValue(clrOld)));
}

TEST_F(CommandBarAnimationTest, FadeShowsFiveBlendsThenTheNewLookAndStopsItsTimer)
{
    ASSERT_TRUE(m_pAnimation->HasCachedImage());
    ASSERT_EQ(kBlue, Pixel(Centre(1)));
    Recolour(1, kRed, TRUE);
    EXPECT_EQ(1, m_pAnimation->GetAnimationCount());
    EXPECT_TRUE(m_pAnimation->IsTimerRunning());

    // The first blend is drawn at once, the others one timer step apart.
    const int blends[] = {42, 85, 127, 170, 212};
    for (int i = 0; i < 5; i++)
    {
        SCOPED_TRACE(blends[i]);
        EXPECT_EQ(Blend(kRed, kBlue, blends[i]), Pixel(Centre(1)));
        EXPECT_EQ(m_pTheme->m_clrBack, Pixel(CPoint(CProbeBar::Slot(1).left - 2, 10))) << "outside the fade";
        EXPECT_EQ(kBlue, Pixel(Centre(2)));
        Tick();
    }
    EXPECT_EQ(kRed, Pixel(Centre(1)));
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_FALSE(m_pAnimation->IsTimerRunning());
    EXPECT_FALSE(HadTimer());

    // A later paint copies the picture that already holds the new look.
    m_pBar->m_nPaints = 0;
    m_pBar->Invalidate(FALSE);
    m_pBar->UpdateWindow();
    EXPECT_EQ(0, m_pBar->m_nPaints);
    EXPECT_EQ(kRed, Pixel(Centre(1)));
}

TEST_F(CommandBarAnimationTest, RedrawThatChangesNothingStartsNoFade)
{
    Recolour(1, kBlue, TRUE);
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_FALSE(HadTimer());
}

TEST_F(CommandBarAnimationTest, SeveralFadesShareOneTimer)
{
    Recolour(0, kRed, TRUE);
    Tick();
    Recolour(2, kRed, TRUE);
    EXPECT_EQ(2, m_pAnimation->GetAnimationCount());
    EXPECT_EQ(Blend(kRed, kBlue, 85), Pixel(Centre(0)));
    EXPECT_EQ(Blend(kRed, kBlue, 42), Pixel(Centre(2)));
    Tick();
    EXPECT_EQ(Blend(kRed, kBlue, 127), Pixel(Centre(0)));
    EXPECT_EQ(Blend(kRed, kBlue, 85), Pixel(Centre(2)));
    for (int i = 0; i < 3; i++)
        Tick();
    EXPECT_EQ(kRed, Pixel(Centre(0)));
    EXPECT_EQ(1, m_pAnimation->GetAnimationCount());
    EXPECT_TRUE(m_pAnimation->IsTimerRunning());
    Tick();
    EXPECT_EQ(kRed, Pixel(Centre(2)));
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_FALSE(HadTimer());
}

TEST_F(CommandBarAnimationTest, RedrawOverARunningFadeEndsOrExcludesIt)
{
    // A redraw that covers the fade ends it at once.
    Recolour(1, kRed, TRUE);
    const CRect rcBar(0, 0, 120, 24);
    m_pBar->Probe(1)->m_clr = RGB(0, 128, 0);
    m_pBar->Redraw(&rcBar, FALSE);
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_EQ(RGB(0, 128, 0), Pixel(Centre(1)));

    // One that covers part of it keeps the fade off that part.
    Recolour(1, kRed, TRUE);
    ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
    const CRect rcSlot = CProbeBar::Slot(1);
    const CRect rcLeft(rcSlot.left, rcSlot.top, rcSlot.left + 5, rcSlot.bottom);
    m_pBar->Probe(1)->m_clr = kBlue;
    m_pBar->Redraw(&rcLeft, FALSE);
    EXPECT_EQ(1, m_pAnimation->GetAnimationCount());
    Tick();
    EXPECT_EQ(kBlue, Pixel(CPoint(rcSlot.left + 2, 10)));
    EXPECT_EQ(Blend(kRed, RGB(0, 128, 0), 85), Pixel(CPoint(rcSlot.right - 3, 10)));
}

TEST_F(CommandBarAnimationTest, AnimationOffPaintsNormallyAndStopsTheFades)
{
    Recolour(1, kRed, TRUE);
    m_pAnimation->SetEnabled(FALSE);
    m_pBar->m_nPaints = 0;
    m_pBar->Invalidate(FALSE);
    m_pBar->UpdateWindow();
    EXPECT_EQ(1, m_pBar->m_nPaints);
    EXPECT_FALSE(m_pAnimation->HasCachedImage());
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_FALSE(HadTimer());
    EXPECT_EQ(kRed, Pixel(Centre(1)));

    // Without the picture a redraw only invalidates, even when animated.
    Recolour(2, kRed, TRUE);
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    m_pBar->UpdateWindow();
    EXPECT_EQ(kRed, Pixel(Centre(2)));
}

TEST_F(CommandBarAnimationTest, ResizeDropsThePictureAndTheNextPaintRebuildsIt)
{
    m_pBar->MoveWindow(CRect(10, 10, 150, 34));
    m_pBar->m_nPaints = 0;
    m_pBar->Probe(3)->m_clr = kRed;
    m_pBar->Invalidate(FALSE);
    m_pBar->UpdateWindow();
    EXPECT_EQ(1, m_pBar->m_nPaints);
    EXPECT_TRUE(m_pAnimation->HasCachedImage());
    EXPECT_EQ(kRed, Pixel(Centre(3)));
    EXPECT_EQ(m_pTheme->m_clrBack, Pixel(CPoint(130, 10))) << "beyond the old width";

    // The bar window going drops the picture.
    m_pBar->DestroyWindow();
    EXPECT_FALSE(m_pAnimation->HasCachedImage());
}
} // namespace
