// Inside an open popup: rarely used controls hidden behind the expand button
// and every way of expanding, and the scrolled layout of a popup taller than
// the work area with its scroll areas driven by the mouse.
#include "PopupTestSupport.h"
#include "CZMRCommandBarClock.h"
#include "CZMRMouseManager.h"
#include "CTestInput.h"
#include "ArtifactPng.h"
#include <gtest/gtest.h>

namespace
{
// Popups here open at a point with a work area of the test's choosing.
class PopupInsideTest : public PopupFixture
{
protected:
    void SetUp() override
    {
        PopupFixture::SetUp();
        m_pManager->GetOptions()->bAlwaysShowFullMenus = FALSE;
        m_pManager->GetOptions()->bShowFullAfterDelay = FALSE;
        CZMRPopupBar::s_fnMonitorAreas = [this](CPoint, const CRect&, CRect& rcWork, CRect& rcMonitor) {
            rcWork = m_rcWork;
            rcMonitor = m_rcWork;
        };
    }
    void TearDown() override
    {
        CZMRPopupBar::s_fnMonitorAreas = nullptr;
        CZMRCommandBarClock::SetExpandButtonDelay(900);
        PopupFixture::TearDown();
    }
    // Only these commands count as used; the others are rarely used.
    void SetUsed(std::initializer_list<int> ids)
    {
        m_pManager->GetOptions()->mapUsedCommands.RemoveAll();
        for (int nId : ids)
            m_pManager->GetOptions()->mapUsedCommands.SetAt(UINT(nId), TRUE);
    }
    bool Open() { return PopupFixture::Open(CPoint(50, 10)); }
    CRect WindowRect() const { return PopupFixture::WindowRect(m_pPopup); }
    std::vector<int> Shown() const
    {
        std::vector<int> shown;
        for (int i = 0; i < m_pPopup->GetControlCount(); i++)
        {
            if (m_pPopup->GetControl(i)->IsVisible() && m_pPopup->GetControl(i)->GetID() != 9150)
                shown.push_back(i);
        }
        return shown;
    }
    COLORREF PixelAt(CPoint ptClient) const
    {
        CSize sz;
        const std::vector<COLORREF> pixels = ReadWindow(m_pPopup->GetSafeHwnd(), sz);
        return pixels[ptClient.y * sz.cx + ptClient.x];
    }
    void MoveTo(CPoint ptClient)
    {
        m_pPopup->ClientToScreen(&ptClient);
        CTestInput::MoveTo(ptClient);
        PumpPendingMessages();
    }

    CRect m_rcWork = CRect(0, 0, 800, 600);
};

// ---------------------------------------------------------------- rarely used controls

TEST_F(PopupInsideTest, RarelyUsedControlsHideBehindTheExpandButton)
{
    AddControls(4);
    SetUsed({500, 502});
    ASSERT_TRUE(Open());
    EXPECT_TRUE(m_pPopup->HidesRarelyUsed());
    EXPECT_EQ((std::vector<int>{0, 2}), Shown());

    // The expand button: id 9150, temporary, across the bottom inside the
    // borders, as high as the theme measures it (12), below the controls.
    CZMRControl* pExpand = m_pPopup->GetExpandButton();
    ASSERT_NE(nullptr, pExpand);
    EXPECT_TRUE(pExpand->IsVisible());
    EXPECT_TRUE(pExpand->IsTemporary());
    EXPECT_EQ(DWORD(0x5A), pExpand->GetFlags());
    const CRect rcBorders = m_pPopup->GetBorders();
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    EXPECT_EQ(CRect(rcBorders.left, rcClient.bottom - rcBorders.bottom - 12, rcClient.right - rcBorders.right,
                    rcClient.bottom - rcBorders.bottom),
              pExpand->GetRect());
    EXPECT_EQ(rcBorders.top + 40 + 12 + rcBorders.bottom, rcClient.Height());
    EXPECT_LE(m_pPopup->GetControl(2)->GetRect().bottom, pExpand->GetRect().top);
    // The theme's chevron is drawn in black in the button.
    const CRect rcExpand = pExpand->GetRect();
    BOOL bBlack = FALSE;
    for (int y = rcExpand.top; y < rcExpand.bottom; y++)
        bBlack |= PixelAt(CPoint(rcExpand.CenterPoint().x, y)) == RGB(0, 0, 0);
    EXPECT_TRUE(bBlack) << "the expand button is drawn";
}

struct CRarelyCase
{
    const char* name;
    std::vector<int> used;
    BOOL bAlwaysFull;
    BOOL bExpandedBefore;    // an earlier popup of this tracking expanded
    std::vector<int> shown;
};

TEST_F(PopupInsideTest, WhatStaysHidden)
{
    const CRarelyCase cases[] = {
        {"every visible control rare: all shown", {}, FALSE, FALSE, {0, 1, 2, 3}},
        {"always show full menus", {500}, TRUE, FALSE, {0, 1, 2, 3}},
        {"an earlier popup expanded", {500}, FALSE, TRUE, {0, 1, 2, 3}},
        {"one frequent control", {503}, FALSE, FALSE, {3}},
    };
    AddControls(4);
    for (const CRarelyCase& c : cases)
    {
        m_pManager->GetOptions()->mapUsedCommands.RemoveAll();
        for (int nId : c.used)
            m_pManager->GetOptions()->mapUsedCommands.SetAt(UINT(nId), TRUE);
        m_pManager->GetOptions()->bAlwaysShowFullMenus = c.bAlwaysFull;
        CZMRMouseManager::FindThreadMouseManager()->m_bMenusExpanded = c.bExpandedBefore;
        ASSERT_TRUE(Open()) << c.name;
        EXPECT_EQ(c.shown, Shown()) << c.name;
        CZMRControl* pExpand = m_pPopup->GetExpandButton();
        EXPECT_EQ(c.shown.size() < 4, pExpand && pExpand->IsVisible()) << c.name;
        m_pPopup->SetMenuLoopActive(FALSE);
        if (m_pPopup->GetControlCount() > 4)
            m_pPopup->GetControls()->Remove(m_pPopup->GetExpandButton());
    }
}

// Each trigger expands the popup once: the hidden controls show, the button
// goes, the popup grows, and later popups of the tracking open expanded.
TEST_F(PopupInsideTest, EachTriggerExpands)
{
    struct CTrigger
    {
        const char* name;
        std::function<void(CZMRPopupBar*)> fire;
    };
    const CTrigger triggers[] = {
        {"executing the expand button", [](CZMRPopupBar* p) { p->GetExpandButton()->OnExecute(); }},
        {"Ctrl+Down",
         [](CZMRPopupBar*) {
             CHeldKeys keys;
             keys.Press(VK_CONTROL);
             keys.Type(VK_DOWN);
             keys.Release(VK_CONTROL);
         }},
        {"Down on the last visible control",
         [](CZMRPopupBar* p) {
             p->SetHotControl(2, 1);
             CHeldKeys keys;
             keys.Type(VK_DOWN);
         }},
        {"the mouse resting on the expand button",
         [this](CZMRPopupBar* p) {
             m_pManager->GetOptions()->bShowFullAfterDelay = TRUE;
             CZMRCommandBarClock::SetExpandButtonDelay(20);
             MoveTo(p->GetExpandButton()->GetRect().CenterPoint());
         }},
    };
    AddControls(4);
    for (const CTrigger& t : triggers)
    {
        SetUsed({500, 502});
        m_pManager->GetOptions()->bShowFullAfterDelay = FALSE;
        CZMRMouseManager* pMouseManager = CZMRMouseManager::FindThreadMouseManager();
        pMouseManager->m_bMenusExpanded = FALSE;
        ASSERT_TRUE(Open()) << t.name;
        ASSERT_TRUE(m_pPopup->HidesRarelyUsed()) << t.name;
        const CRect rcBefore = WindowRect();
        t.fire(m_pPopup);
        EXPECT_TRUE(PumpUntil([&] { return m_pPopup->IsExpanded(); }, 5000)) << t.name;
        PumpPendingMessages();
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Shown()) << t.name;
        EXPECT_FALSE(m_pPopup->GetExpandButton()->IsVisible()) << t.name;
        EXPECT_EQ(rcBefore.Height() + 40 - 12, WindowRect().Height()) << t.name;
        EXPECT_EQ(rcBefore.TopLeft(), WindowRect().TopLeft()) << t.name;
        EXPECT_TRUE(pMouseManager->m_bMenusExpanded) << t.name;
        EXPECT_EQ(-1, m_pPopup->GetHotIndex()) << t.name;
        m_pPopup->SetMenuLoopActive(FALSE);
        pMouseManager->m_bSwallowNextButtonUp = FALSE;
    }
}

// Down elsewhere than on the last visible control, or Ctrl+Down on a popup
// that hides nothing, does not expand.
TEST_F(PopupInsideTest, OtherKeysDoNotExpand)
{
    AddControls(4);
    SetUsed({500, 502});
    ASSERT_TRUE(Open());
    m_pPopup->SetHotControl(0, 1);
    EXPECT_EQ(1, m_pPopup->HandleHookedKeyDown(VK_DOWN, 0)) << "the bar's own move to the next control";
    EXPECT_FALSE(m_pPopup->IsExpanded());
    m_pPopup->SetMenuLoopActive(FALSE);

    SetUsed({});
    ASSERT_TRUE(Open());
    CHeldKeys keys;
    keys.Press(VK_CONTROL);
    EXPECT_EQ(1, m_pPopup->HandleHookedKeyDown(VK_DOWN, 0)) << "the bar's own move to the next control";
    EXPECT_FALSE(m_pPopup->IsExpanded());
    keys.Release(VK_CONTROL);
}

// The expand button hovered with the delay option off, or left before the
// delay ends, expands nothing.
TEST_F(PopupInsideTest, ExpandButtonDelayNeedsTheOptionAndTheMouse)
{
    AddControls(4);
    SetUsed({500, 502});
    CZMRCommandBarClock::SetExpandButtonDelay(20);
    ASSERT_TRUE(Open());
    MoveTo(m_pPopup->GetExpandButton()->GetRect().CenterPoint());
    ::Sleep(100);
    PumpPendingMessages();
    EXPECT_FALSE(m_pPopup->IsExpanded()) << "option off";

    m_pManager->GetOptions()->bShowFullAfterDelay = TRUE;
    CZMRCommandBarClock::SetExpandButtonDelay(200);
    MoveTo(m_pPopup->GetControl(0)->GetRect().CenterPoint());
    MoveTo(m_pPopup->GetExpandButton()->GetRect().CenterPoint());
    MoveTo(m_pPopup->GetControl(0)->GetRect().CenterPoint());
    ::Sleep(300);
    PumpPendingMessages();
    EXPECT_FALSE(m_pPopup->IsExpanded()) << "left before the delay";
    m_pPopup->SetHotControl(m_pPopup->GetExpandButton()->GetIndex(), 1);
    ::Sleep(300);
    PumpPendingMessages();
    EXPECT_FALSE(m_pPopup->IsExpanded()) << "made hot by the keyboard";
}

// ---------------------------------------------------------------- scrolling

// A popup taller than the work area scrolls: it ends at the work area's
// bottom (less 5), shows a 16-pixel lower area with a down arrow, and the
// controls below are out of view.
TEST_F(PopupInsideTest, TallPopupScrollsInsteadOfBeingCutOff)
{
    m_rcWork = CRect(0, 0, 800, 205);
    AddControls(20);
    SetUsed({});
    ASSERT_TRUE(Open());
    EXPECT_TRUE(m_pPopup->IsScrolling());
    const CRect rc = WindowRect();
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(200, rc.bottom);
    const CRect rcBorders = m_pPopup->GetBorders();
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    const CRect rcDown = m_pPopup->GetScrollDownRect();
    EXPECT_EQ(CRect(rcBorders.left, rcClient.bottom - rcBorders.bottom - 16, rcClient.right - rcBorders.right,
                    rcClient.bottom - rcBorders.bottom),
              rcDown);
    EXPECT_TRUE(m_pPopup->GetScrollUpRect().IsRectEmpty());
    EXPECT_EQ(0, m_pPopup->GetFirstVisible());
    const int nEnd = m_pPopup->GetEndVisible();
    EXPECT_EQ((200 - rcBorders.top - rcBorders.bottom - 16) / 20, nEnd);
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(i < nEnd, m_pPopup->GetControl(i)->IsVisible()) << i;

    // The arrow: colour 18 (button text), 6 wide at its base, pointing down.
    const COLORREF clrArrow = ::GetSysColor(COLOR_BTNTEXT);
    const CPoint c = rcDown.CenterPoint();
    EXPECT_EQ(clrArrow, PixelAt(CPoint(c.x - 2, c.y - 1)));
    EXPECT_EQ(clrArrow, PixelAt(CPoint(c.x, c.y + 1)));
    EXPECT_NE(clrArrow, PixelAt(CPoint(c.x - 2, c.y + 1))) << "narrower at the tip";
    EXPECT_NE(clrArrow, PixelAt(CPoint(c.x, c.y - 3)));
    EXPECT_NE(clrArrow, PixelAt(CPoint(c.x - 5, c.y - 1)));
}

// Hovering the lower area scrolls one control per tick until the last shows;
// then the upper area scrolls back to the first.
TEST_F(PopupInsideTest, HoveringTheAreasScrollsToEachEnd)
{
    m_rcWork = CRect(0, 0, 800, 205);
    AddControls(20);
    SetUsed({});
    ASSERT_TRUE(Open());
    std::vector<int> ends{m_pPopup->GetEndVisible()};
    MoveTo(m_pPopup->GetScrollDownRect().CenterPoint());
    ASSERT_TRUE(PumpUntil([&] {
        if (m_pPopup->GetEndVisible() != ends.back())
            ends.push_back(m_pPopup->GetEndVisible());
        return m_pPopup->GetEndVisible() == 20;
    }, 10000));
    for (size_t i = 1; i + 1 < ends.size(); i++)
        EXPECT_EQ(ends[i - 1] + 1, ends[i]) << "one control per tick";
    EXPECT_TRUE(m_pPopup->GetControl(19)->IsVisible());
    EXPECT_FALSE(m_pPopup->GetControl(0)->IsVisible());
    EXPECT_TRUE(m_pPopup->GetScrollDownRect().IsRectEmpty());
    ASSERT_FALSE(m_pPopup->GetScrollUpRect().IsRectEmpty());
    {
        CSize sz;
        const std::vector<COLORREF> pixels = ReadWindow(m_pPopup->GetSafeHwnd(), sz);
        SaveArtifactPng(L"popup_scrolled.png", sz.cx, sz.cy, [&](int x, int y) { return pixels[y * sz.cx + x]; });
    }
    // The last control sits on the bottom border, the up arrow above it.
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.bottom - m_pPopup->GetBorders().bottom, m_pPopup->GetControl(19)->GetRect().bottom);
    const CPoint c = m_pPopup->GetScrollUpRect().CenterPoint();
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), PixelAt(CPoint(c.x - 2, c.y + 1)));
    EXPECT_NE(::GetSysColor(COLOR_BTNTEXT), PixelAt(CPoint(c.x - 2, c.y - 1))) << "pointing up";

    MoveTo(c);
    ASSERT_TRUE(PumpUntil([&] { return m_pPopup->GetFirstVisible() == 0; }, 10000));
    EXPECT_TRUE(m_pPopup->GetControl(0)->IsVisible());
    EXPECT_TRUE(m_pPopup->GetScrollUpRect().IsRectEmpty());
}

// Leaving an area stops its scrolling.
TEST_F(PopupInsideTest, LeavingTheAreaStopsScrolling)
{
    m_rcWork = CRect(0, 0, 800, 205);
    AddControls(20);
    SetUsed({});
    ASSERT_TRUE(Open());
    const int nEnd = m_pPopup->GetEndVisible();
    MoveTo(m_pPopup->GetScrollDownRect().CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return m_pPopup->GetEndVisible() > nEnd; }));
    MoveTo(m_pPopup->GetControl(m_pPopup->GetFirstVisible())->GetRect().CenterPoint());
    const int nStopped = m_pPopup->GetEndVisible();
    ::Sleep(300);
    PumpPendingMessages();
    EXPECT_LE(m_pPopup->GetEndVisible(), nStopped + 1) << "at most the tick already due";
    EXPECT_LT(m_pPopup->GetEndVisible(), 20);
}

// A control out of view made hot (by the keyboard, say) scrolls into view.
TEST_F(PopupInsideTest, HotControlScrollsIntoView)
{
    m_rcWork = CRect(0, 0, 800, 205);
    AddControls(20);
    SetUsed({});
    ASSERT_TRUE(Open());
    m_pPopup->SetHotControl(15, 1);
    EXPECT_EQ(16, m_pPopup->GetEndVisible());
    EXPECT_TRUE(m_pPopup->GetControl(15)->IsVisible());
    EXPECT_EQ(15, m_pPopup->GetHotIndex());
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    EXPECT_EQ(m_pPopup->GetScrollDownRect().top, m_pPopup->GetControl(15)->GetRect().bottom);

    m_pPopup->SetHotControl(2, 1);
    EXPECT_EQ(2, m_pPopup->GetFirstVisible());
    EXPECT_TRUE(m_pPopup->GetControl(2)->IsVisible());
    EXPECT_EQ(m_pPopup->GetScrollUpRect().bottom, m_pPopup->GetControl(2)->GetRect().top);
    // Once painted, the pixel under the control shows its own colour.
    PumpPendingMessages();
    EXPECT_EQ(RGB(12, 100, 200), PixelAt(m_pPopup->GetControl(2)->GetRect().CenterPoint()));
}
} // namespace

// ---------------------------------------------------------------- unfolding

namespace
{
// Pauses of the animations take no time and show each frame.
class CFrameClock : public CZMRCommandBarClock
{
public:
    void Sleep(DWORD) override { m_onPause(); }
    std::function<void()> m_onPause;
};

// A theme that records the unfolding it is asked for.
class CUnfoldTheme : public CFillTheme
{
public:
    void AnimateUnfold(CZMRPopupBar* pPopupBar, CDC* pDestDC, CDC* pSrcDC, BOOL bTopDown) override
    {
        m_calls.push_back(bTopDown);
        CFillTheme::AnimateUnfold(pPopupBar, pDestDC, pSrcDC, bTopDown);
    }
    std::vector<BOOL> m_calls;
};

// A memory picture of the popup's client size.
struct CMemoryPicture
{
    CMemoryPicture(CSize sz, COLORREF clr) : m_sz(sz)
    {
        HDC hdcScreen = ::GetDC(nullptr);
        m_dc.Attach(::CreateCompatibleDC(hdcScreen));
        m_hbm = ::CreateCompatibleBitmap(hdcScreen, sz.cx, sz.cy);
        ::ReleaseDC(nullptr, hdcScreen);
        m_hOld = ::SelectObject(m_dc, m_hbm);
        m_dc.FillSolidRect(0, 0, sz.cx, sz.cy, clr);
    }
    ~CMemoryPicture()
    {
        ::SelectObject(m_dc, m_hOld);
        ::DeleteObject(m_hbm);
        ::DeleteDC(m_dc.Detach());
    }
    CSize m_sz;
    CDC m_dc;
    HBITMAP m_hbm;
    HGDIOBJ m_hOld;
};
} // namespace

// The rows of the controls shown only after expanding grow from nothing while
// the other rows keep their height: halfway, a rare 20-pixel row is 10 high.
TEST_F(PopupInsideTest, UnfoldingGrowsOnlyTheRowsOfRareControls)
{
    AddControls(3);
    SetUsed({500, 502});
    ASSERT_TRUE(Open());
    m_pPopup->Expand();
    PumpPendingMessages();
    ASSERT_TRUE(m_pPopup->GetControl(1)->IsRarelyUsed());
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    const CRect rc1 = m_pPopup->GetControl(1)->GetRect(), rc2 = m_pPopup->GetControl(2)->GetRect();

    CMemoryPicture source(rcClient.Size(), RGB(1, 1, 1)), dest(rcClient.Size(), RGB(2, 2, 2));
    for (int i = 0; i < 3; i++)
    {
        const CRect rc = m_pPopup->GetControl(i)->GetRect();
        source.m_dc.FillSolidRect(rc, RGB(10 + i, 100, 200));
    }
    std::vector<COLORREF> firstFrame;
    CFrameClock clock;
    clock.m_onPause = [&] {
        if (firstFrame.empty())
        {
            for (int y = 0; y < rcClient.Height(); y++)
                firstFrame.push_back(::GetPixel(dest.m_dc, rc1.left + 2, y));
        }
    };
    CZMRCommandBarClock::Set(&clock);
    m_pTheme->m_nAnimationSteps = 2;
    m_pTheme->AnimateUnfold(m_pPopup, &dest.m_dc, &source.m_dc, TRUE);
    CZMRCommandBarClock::Set(nullptr);

    ASSERT_EQ(size_t(rcClient.Height()), firstFrame.size());
    EXPECT_EQ(RGB(10, 100, 200), firstFrame[rc1.top - 1]) << "the row above keeps its place";
    EXPECT_EQ(RGB(11, 100, 200), firstFrame[rc1.top + 4]) << "the rare row, half its height";
    EXPECT_EQ(RGB(12, 100, 200), firstFrame[rc1.top + 11]) << "the next row moved up by half";
    EXPECT_EQ(RGB(12, 100, 200), firstFrame[rc1.top + 10 + rc2.Height() - 1]);
    EXPECT_EQ(RGB(12, 100, 200), ::GetPixel(dest.m_dc, rc2.left + 2, rc2.top + 1)) << "the last frame is whole";
    EXPECT_EQ(RGB(11, 100, 200), ::GetPixel(dest.m_dc, rc1.left + 2, rc1.bottom - 1));
}

// With an unfolding animation the popup asks the theme to unfold downward
// when it grows downward, and the picture afterwards is the expanded popup.
TEST_F(PopupInsideTest, ExpansionWithTheUnfoldAnimation)
{
    auto* pTheme = new CUnfoldTheme;
    pTheme->m_nAnimationSteps = 2;
    pTheme->m_nAnimationTime = 20;
    m_pManager->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    m_pManager->GetOptions()->nAnimationType = 2;
    AddControls(4);
    SetUsed({500, 502});
    ASSERT_TRUE(Open());
    m_pPopup->Expand();
    EXPECT_EQ((std::vector<BOOL>{TRUE}), pTheme->m_calls);
    PumpPendingMessages();
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(RGB(10 + i, 100, 200), PixelAt(m_pPopup->GetControl(i)->GetRect().CenterPoint())) << i;
}

// Pictures for people: a menu in the Default theme with its expand button,
// then unfolded.
TEST_F(PopupInsideTest, PicturesOfACollapsedAndAnExpandedMenu)
{
    CZMRPaintManager* pDefault = CZMRPaintManager::CreateTheme(0);
    pDefault->RefreshMetrics();
    m_pManager->SetPaintManager(pDefault);
    pDefault->InternalRelease();
    const wchar_t* captions[] = {L"&New", L"&Open...", L"Open &Recent", L"&Save", L"Save &As...", L"E&xit"};
    for (int i = 0; i < 6; i++)
    {
        CZMRControl* pControl = m_pPopup->GetControls()->Add(zmrControlButton, 500 + i);
        pControl->SetCaption(captions[i]);
        if (i == 5)
            pControl->SetBeginGroup(TRUE);
    }
    SetUsed({500, 501, 503, 505});
    ASSERT_TRUE(Open());
    ASSERT_TRUE(m_pPopup->HidesRarelyUsed());
    // The popup's own painting, printed into a picture of its client size.
    auto save = [&](const wchar_t* name) {
        PumpPendingMessages();
        CRect rcClient;
        m_pPopup->GetClientRect(&rcClient);
        CMemoryPicture picture(rcClient.Size(), RGB(255, 255, 255));
        m_pPopup->SendMessage(WM_PRINTCLIENT, WPARAM(picture.m_dc.GetSafeHdc()), PRF_CLIENT);
        EXPECT_TRUE(SaveArtifactPng(name, rcClient.Width(), rcClient.Height(),
                                    [&](int x, int y) { return ::GetPixel(picture.m_dc, x, y); }));
        return rcClient.Size();
    };
    const CSize szCollapsed = save(L"popup_expand_button.png");
    m_pPopup->GetExpandButton()->OnExecute();
    const CSize szExpanded = save(L"popup_unfolded.png");
    EXPECT_GT(szExpanded.cy, szCollapsed.cy);
}
