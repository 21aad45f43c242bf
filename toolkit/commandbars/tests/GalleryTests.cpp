// The gallery control: layout of items and labels into rows, hit tests and
// scrolling as tables; keyboard navigation over the grid; hot item, preview
// and their notifications; smooth scrolling; search, persistence, copy,
// tooltips and accessibility; the scroll-button loop driven by real input.
#include "CZMRControlGallery.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlComboBoxGalleryPopupBar.h"
#include "CZMRControlAction.h"
#include "CZMRControlGalleryItem.h"
#include "CZMRControlGalleryItems.h"
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRMouseManager.h"
#include "CZMRPopupBar.h"
#include "BarTestSupport.h"
#include "CommandBarsTestSupport.h"
#include "InputScript.h"
#include "MemoryPropStore.h"
#include <gtest/gtest.h>

namespace
{
// One item of a layout case: its size, or a label.
struct CItemSpec
{
    int cx;
    int cy;
    bool bLabel;
};
const CItemSpec L = {0, 0, true};
CItemSpec I(int cx = 20, int cy = 20)
{
    return {cx, cy, false};
}

// A gallery on a bar of the test theme whose action holds the items, with
// a window that records what the gallery tells its site.
struct CGalleryFixture
{
    CGalleryFixture(int nBarType = zmrBarTypeNormal, int nPosition = zmrBarTop) : bar(nBarType, nPosition)
    {
        pGallery = new CZMRControlGallery;
        bar.m_pBar->GetControls()->AddControl(pGallery, 500);
        pItems = new CZMRControlGalleryItems;
        pAction = new CZMRControlAction;
        pAction->SetID(500);
        pAction->SetItems(pItems);
        pGallery->SetAction(pAction);
        site.Create();
        bar.m_pBar->SetSiteOverride(&site);
    }
    ~CGalleryFixture()
    {
        pGallery->SetAction(nullptr);
        pAction->InternalRelease();
    }
    void AddItems(const std::vector<CItemSpec>& specs)
    {
        for (const CItemSpec& spec : specs)
        {
            const int n = pItems->GetItemCount();
            CZMRControlGalleryItem* pItem = spec.bLabel ? pItems->AddLabel(L"Group")
                                                        : pItems->AddItem(100 + n, L"Item");
            if (!spec.bLabel && (spec.cx != 20 || spec.cy != 20))
                pItem->SetSize(CSize(spec.cx, spec.cy));
        }
    }
    // Items 20 x 20 in an items area of cx by cy (no scroll bar).
    void Place(int cx, int cy)
    {
        pGallery->SetShowScrollBar(FALSE);
        pGallery->SetRect(CRect(0, 0, cx, cy));
        pGallery->RecalcLayout();
    }
    std::vector<UINT> Codes()
    {
        std::vector<UINT> codes;
        for (const auto& m : site.Messages(ZMR_WM_CONTROLNOTIFY))
            codes.push_back(m.nCode);
        site.m_messages.clear();
        return codes;
    }
    CThemedBarFixture<CTestTheme> bar;
    CZMRControlGallery* pGallery;
    CZMRControlGalleryItems* pItems;
    CZMRControlAction* pAction;
    CRecordingWnd site;
};

std::vector<CRect> Rects(const CZMRControlGallery& gallery)
{
    std::vector<CRect> rects;
    for (int i = 0; i < gallery.GetItemPositions().GetSize(); i++)
        rects.push_back(gallery.GetItemRect(i));
    return rects;
}
} // namespace

// ---------------------------------------------------------------- layout

TEST(Gallery, LayoutOfItemsAndLabelsIntoRows)
{
    const CRect E(0, 0, 0, 0);
    struct
    {
        const char* name;
        std::vector<CItemSpec> items;
        BOOL bShowLabels;
        std::vector<CRect> rects;
        int nContentHeight;
    } cases[] = {
        {"rows of five", {I(), I(), I(), I(), I(), I(), I()}, TRUE,
         {{0, 0, 20, 20}, {20, 0, 40, 20}, {40, 0, 60, 20}, {60, 0, 80, 20}, {80, 0, 100, 20}, {0, 20, 20, 40},
          {20, 20, 40, 40}},
         40},
        {"a label starts a row 19 high, the next row 20 lower", {I(), I(), L, I()}, TRUE,
         {{0, 0, 20, 20}, {20, 0, 40, 20}, {0, 20, 100, 39}, {0, 40, 20, 60}}, 60},
        {"labels hidden take no space", {I(), I(), L, I()}, FALSE,
         {{0, 0, 20, 20}, {20, 0, 40, 20}, E, {40, 0, 60, 20}}, 20},
        {"width 0 takes a full row", {I(), I(0, 30), I()}, TRUE, {{0, 0, 20, 20}, {0, 20, 100, 50}, {0, 50, 20, 70}},
         70},
        {"the tallest item sets the row", {I(), I(20, 35), I(70, 20)}, TRUE,
         {{0, 0, 20, 20}, {20, 0, 40, 35}, {0, 35, 70, 55}}, 55},
        {"a leading label", {L, I()}, TRUE, {{0, 0, 100, 19}, {0, 20, 20, 40}}, 40},
        {"a trailing label", {I(), L}, TRUE, {{0, 0, 20, 20}, {0, 20, 100, 39}}, 39},
        {"no items", {}, TRUE, {}, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CGalleryFixture f;
        f.pItems->SetItemSize(CSize(20, 20));
        f.AddItems(c.items);
        f.pGallery->SetShowLabels(c.bShowLabels);
        f.Place(100, 60);
        EXPECT_EQ(Rects(*f.pGallery), c.rects);
        EXPECT_EQ(f.pGallery->GetContentHeight(), c.nContentHeight);
    }
}

TEST(Gallery, BordersScrollColumnAndMargins)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({I(), I()});
    CZMRControlGalleryPaintManager* pm = f.bar.m_pTheme->m_pGalleryPaintManager;
    f.pGallery->SetShowBorders(TRUE);
    f.pGallery->SetMargins(CRect(2, 3, 4, 5));
    f.pGallery->SetRect(CRect(10, 10, 130, 70));
    CRect rcBorders;
    f.pGallery->GetBorders(rcBorders);
    EXPECT_EQ(rcBorders, CRect(3, 4, 5 + pm->m_cxVScroll, 6)) << "the standard scroll bar";
    EXPECT_EQ(f.pGallery->GetItemRect(0), CRect(13, 14, 33, 34));
    EXPECT_EQ(f.pGallery->GetScrollBarRect(), CRect(129 - pm->m_cxVScroll, 11, 129, 69));

    // With a drop-down of its own: the 16 px button column.
    CZMRPopupBar* pPopup = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    f.pGallery->SetCommandBar(pPopup);
    pPopup->InternalRelease();
    f.pGallery->GetBorders(rcBorders);
    EXPECT_EQ(rcBorders.right, 5 + 16);
    EXPECT_EQ(f.pGallery->GetScrollBarRect(), CRect(113, 11, 129, 69));

    // In a popup without borders, followed by a control: 2 more at the bottom.
    CGalleryFixture popup(zmrBarTypePopup, zmrBarPopup);
    popup.bar.Add(zmrControlButton, 1, L"More");
    popup.pGallery->SetShowScrollBar(FALSE);
    popup.pGallery->GetBorders(rcBorders);
    EXPECT_EQ(rcBorders, CRect(0, 0, 0, 2));
    EXPECT_TRUE(popup.pGallery->IsFollowedByVisibleControl());
    popup.bar.m_pBar->GetControl(1)->SetVisible(FALSE);
    EXPECT_FALSE(popup.pGallery->IsFollowedByVisibleControl());
}

TEST(Gallery, SizesWithAndWithoutItems)
{
    CGalleryFixture f;
    EXPECT_EQ(f.pGallery->GetSize(nullptr), CSize(120, 60));
    EXPECT_EQ(f.pGallery->GetResizeMinHeight(), 32);
    f.pItems->SetItemSize(CSize(50, 40));
    f.pGallery->SetShowScrollBar(FALSE);
    f.pGallery->SetShowBorders(TRUE);
    EXPECT_EQ(f.pGallery->GetResizeMinWidth(), 52);
    EXPECT_EQ(f.pGallery->GetResizeMinHeight(), 42);
    f.pGallery->SetWidth(30);
    EXPECT_EQ(f.pGallery->GetSize(nullptr).cx, 30) << "not resizable: its own width";
    f.pGallery->SetResizable(1);
    EXPECT_EQ(f.pGallery->GetSize(nullptr).cx, 52) << "resizable: at least the minimum";
    EXPECT_TRUE(f.pGallery->IsWidthAdjustable());

    // Without items: empty, no minimum, no keys.
    f.pGallery->SetAction(nullptr);
    EXPECT_EQ(f.pGallery->GetItemCount(), 0);
    EXPECT_EQ(f.pGallery->GetResizeMinWidth(), 0);
    EXPECT_EQ(f.pGallery->GetResizeMinHeight(), 0);
    EXPECT_FALSE(f.pGallery->IsWidthAdjustable());
    EXPECT_FALSE(f.pGallery->HandleHookedKeyDown(VK_DOWN));
    f.pGallery->SetAction(f.pAction);
}

// ---------------------------------------------------------------- hit tests and scrolling

TEST(Gallery, HitTestFollowsTheScrollPosition)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({I(), I(), I(), I(), I(), L});
    for (int i = 0; i < 15; i++)
        f.AddItems({I()});
    f.Place(100, 60);   // row at 0, label at 20, rows at 40, 60, 80: content 100
    struct
    {
        int nScroll;
        CPoint pt;
        int nHit;
    } cases[] = {
        {0, {5, 5}, 0},    {0, {25, 5}, 1},   {0, {50, 25}, -1},   // the label row never hits
        {0, {5, 45}, 6},   {0, {99, 59}, 10}, {0, {5, 60}, -1},    // below the visible area
        {40, {5, 5}, 6},   {40, {25, 25}, 12}, {40, {105, 5}, -1},
    };
    for (const auto& c : cases)
    {
        f.pGallery->ScrollTo(c.nScroll);
        CRect rc;
        EXPECT_EQ(f.pGallery->HitTestItem(c.pt, &rc), c.nHit) << c.nScroll << ": " << c.pt.x << "," << c.pt.y;
    }
    CRect rc;
    f.pGallery->ScrollTo(40);
    ASSERT_EQ(f.pGallery->HitTestItem(CPoint(25, 25), &rc), 12);
    EXPECT_EQ(rc, CRect(20, 20, 40, 40)) << "the visible rectangle";

    f.pGallery->SetEnabled(FALSE);
    EXPECT_EQ(f.pGallery->HitTestItem(CPoint(5, 5)), -1);
    f.pGallery->SetEnabled(TRUE);
    f.pGallery->SetStyle(zmrButtonIcon);
    EXPECT_EQ(f.pGallery->HitTestItem(CPoint(5, 5)), -1) << "a popup-style gallery has no items in place";
}

TEST(Gallery, ScrollingIsClampedAndKeepsItemsInView)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    for (int i = 0; i < 40; i++)
        f.AddItems({I()});
    f.Place(100, 60);   // 8 rows: content 160, at most 100
    f.pGallery->ScrollTo(500);
    EXPECT_EQ(f.pGallery->GetScrollPos(), 100);
    f.pGallery->ScrollTo(-5);
    EXPECT_EQ(f.pGallery->GetScrollPos(), 0);

    f.pGallery->EnsureVisible(37);   // row 7: 140..160
    EXPECT_EQ(f.pGallery->GetScrollPos(), 100);
    f.pGallery->EnsureVisible(12);   // row 2: 40..60
    EXPECT_EQ(f.pGallery->GetScrollPos(), 40);
    f.pGallery->EnsureVisible(17);   // visible: stays
    EXPECT_EQ(f.pGallery->GetScrollPos(), 40);

    // Scroll actions of the scroll bar.
    struct
    {
        int cmd, pos, nFrom, nTo;
    } actions[] = {{SB_LINEDOWN, 0, 40, 60}, {SB_LINEUP, 0, 40, 20},    {SB_PAGEDOWN, 0, 20, 80},
                   {SB_PAGEUP, 0, 80, 20},   {SB_THUMBTRACK, 77, 0, 77}, {SB_TOP, 0, 50, 0},
                   {SB_BOTTOM, 0, 0, 100},   {SB_THUMBPOSITION, 200, 0, 100}};
    for (const auto& a : actions)
    {
        f.pGallery->ScrollTo(a.nFrom);
        f.pGallery->DoScroll(a.cmd, a.pos);
        EXPECT_EQ(f.pGallery->GetScrollPos(), a.nTo) << "action " << a.cmd;
    }
    // The wheel: three items a notch.
    f.pGallery->ScrollTo(60);
    f.pGallery->HandleHookedMouseWheel(0, -WHEEL_DELTA, CPoint());
    EXPECT_EQ(f.pGallery->GetScrollPos(), 100);
    f.pGallery->HandleHookedMouseWheel(0, WHEEL_DELTA, CPoint());
    EXPECT_EQ(f.pGallery->GetScrollPos(), 40);

    // Fewer items: the position is clamped at the next layout.
    f.pGallery->ScrollTo(100);
    while (f.pItems->GetItemCount() > 10)
        f.pItems->Remove(0);
    f.pGallery->RecalcLayout();
    EXPECT_EQ(f.pGallery->GetScrollPos(), 0);
    EXPECT_EQ(f.pGallery->GetContentHeight(), 40);
}

TEST(Gallery, EnsureVisibleBringsTheGroupLabelWhenTheGroupFits)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    for (int i = 0; i < 15; i++)
        f.AddItems({I()});
    f.AddItems({L});
    for (int i = 0; i < 20; i++)
        f.AddItems({I()});
    f.Place(100, 60);   // rows 0, 20, 40; label 60..79; rows 80 to 140
    f.pGallery->ScrollTo(100);
    f.pGallery->EnsureVisible(16);
    EXPECT_EQ(f.pGallery->GetScrollPos(), 60) << "the label above the item";
    f.pGallery->SetShowLabels(FALSE);
    f.pGallery->RecalcLayout();
    f.pGallery->ScrollTo(100);
    f.pGallery->EnsureVisible(0);
    EXPECT_EQ(f.pGallery->GetScrollPos(), 0);
}

TEST(Gallery, SmoothScrollingStepsBothWaysWithoutJumping)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    for (int i = 0; i < 40; i++)
        f.AddItems({I()});
    f.Place(100, 60);
    auto glide = [&](int nFrom, int nTo) {
        f.pGallery->ScrollTo(nFrom);
        f.pGallery->SmoothScrollTo(nTo);
        std::vector<int> steps;
        for (int i = 0; i < 20 && f.pGallery->IsSmoothScrolling(); i++)
        {
            f.pGallery->OnSmoothScrollTimer();
            steps.push_back(f.pGallery->GetScrollPos());
        }
        return steps;
    };
    // A third of the distance a step (the repeat delay is short).
    EXPECT_EQ(glide(0, 20), (std::vector<int>{6, 12, 18, 20}));
    EXPECT_EQ(glide(100, 80), (std::vector<int>{94, 88, 82, 80})) << "up, step by step";
    EXPECT_EQ(glide(50, 49), (std::vector<int>{49})) << "at least one pixel";
    // After a long first delay an eighth.
    f.pGallery->m_nRepeatDelay = 400;
    EXPECT_EQ(glide(0, 16), (std::vector<int>{2, 4, 6, 8, 10, 12, 14, 16}));
    f.pGallery->m_nRepeatDelay = 0;
    // A direct scroll stops a glide.
    f.pGallery->ScrollTo(0);
    f.pGallery->SmoothScrollTo(60);
    f.pGallery->ScrollTo(30);
    EXPECT_FALSE(f.pGallery->IsSmoothScrolling());
    EXPECT_EQ(f.pGallery->GetScrollPos(), 30);
}

TEST(Gallery, ScrollButtonsOfAGalleryWithADropDown)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    for (int i = 0; i < 20; i++)
        f.AddItems({I()});
    CZMRPopupBar* pPopup = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
    f.pGallery->SetCommandBar(pPopup);
    pPopup->InternalRelease();
    f.pGallery->SetRect(CRect(0, 0, 116, 60));   // items 100 wide, buttons 100..116
    EXPECT_EQ(f.pGallery->HitTestScrollBar(CPoint(108, 5)), 60);
    EXPECT_EQ(f.pGallery->HitTestScrollBar(CPoint(108, 25)), 61);
    EXPECT_EQ(f.pGallery->HitTestScrollBar(CPoint(108, 45)), 65);
    EXPECT_EQ(f.pGallery->HitTestScrollBar(CPoint(98, 45)), 0);
    EXPECT_FALSE(f.pGallery->IsScrollButtonEnabled(TRUE));
    EXPECT_TRUE(f.pGallery->IsScrollButtonEnabled(FALSE));
    f.pGallery->ScrollTo(20);
    EXPECT_TRUE(f.pGallery->IsScrollButtonEnabled(TRUE));
    EXPECT_FALSE(f.pGallery->IsScrollButtonEnabled(FALSE));
    f.pGallery->SetEnabled(FALSE);
    EXPECT_FALSE(f.pGallery->IsScrollButtonEnabled(TRUE));
    f.pGallery->SetEnabled(TRUE);

    // Line steps glide.
    f.pGallery->ScrollTo(0);
    f.pGallery->DoScroll(SB_LINEDOWN, 0);
    EXPECT_TRUE(f.pGallery->IsSmoothScrolling());
    EXPECT_EQ(f.pGallery->GetScrollPos(), 0);

    // With no hot item only Enter and Space are taken (they open the drop-down).
    EXPECT_FALSE(f.pGallery->HandleHookedKeyDown(VK_DOWN));
}

// ---------------------------------------------------------------- keyboard

TEST(Gallery, KeyboardNavigationOverTheGrid)
{
    // Row 0: items 0-4; row 1: 5-6; label 7; row 3: 8-10.
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({I(), I(), I(), I(), I(), I(), I(), L, I(), I(), I()});
    f.Place(100, 200);
    struct
    {
        const char* name;
        int nFrom;
        UINT nKey;
        BOOL bHandled;
        int nTo;
    } cases[] = {
        {"right", 0, VK_RIGHT, TRUE, 1},
        {"right stops at the row's end", 4, VK_RIGHT, TRUE, 4},
        {"left stops at the row's start", 5, VK_LEFT, TRUE, 5},
        {"down in the same column", 1, VK_DOWN, TRUE, 6},
        {"down across the label", 6, VK_DOWN, TRUE, 9},
        {"up across the label", 8, VK_UP, TRUE, 5},
        {"up from the first row wraps", 2, VK_UP, TRUE, 10},
        {"down from the last row wraps", 9, VK_DOWN, TRUE, 0},
        {"down from a column the last row lacks", 3, VK_DOWN, TRUE, 0},
        {"home", 6, VK_HOME, TRUE, 0},
        {"end", 2, VK_END, TRUE, 10},
        {"tab skips the label", 6, VK_TAB, TRUE, 8},
        {"tab does not wrap", 10, VK_TAB, FALSE, 10},
        {"page down", 0, VK_NEXT, TRUE, 10},
        {"page up", 10, VK_PRIOR, TRUE, 0},
        {"other keys", 3, 'A', FALSE, 3},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        f.pGallery->SetHotItem(c.nFrom);
        EXPECT_EQ(f.pGallery->HandleHookedKeyDown(c.nKey), c.bHandled);
        EXPECT_EQ(f.pGallery->GetHotItem(), c.nTo);
    }

    // Page keys move by the visible height.
    f.Place(100, 40);
    f.pGallery->SetHotItem(0);
    f.pGallery->HandleHookedKeyDown(VK_NEXT);
    EXPECT_EQ(f.pGallery->GetHotItem(), 6) << "the last item less than 40 below";

    // Too narrow for two items: left and right are left to the bar.
    f.Place(30, 200);
    f.pGallery->SetHotItem(0);
    EXPECT_FALSE(f.pGallery->HandleHookedKeyDown(VK_RIGHT));
}

TEST(Gallery, UpAndDownLeaveTheGalleryForANeighbourControl)
{
    CGalleryFixture f;
    CZMRControl* pBefore = f.bar.m_pBar->GetControls()->Add(zmrControlButton, 1, L"", 0);
    ASSERT_NE(pBefore, nullptr);
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({I(), I(), I(), I(), I(), I()});
    f.Place(100, 60);
    ASSERT_LT(pBefore->GetIndex(), f.pGallery->GetIndex());
    f.pGallery->SetHotItem(2);
    EXPECT_FALSE(f.pGallery->HandleHookedKeyDown(VK_UP)) << "the bar moves to the previous control";
    EXPECT_EQ(f.pGallery->GetHotItem(), 2);
    f.pGallery->SetHotItem(5);
    EXPECT_TRUE(f.pGallery->HandleHookedKeyDown(VK_DOWN)) << "no control after it: wraps";
    EXPECT_EQ(f.pGallery->GetHotItem(), 0);
}

// ---------------------------------------------------------------- hot item, preview and notifications

TEST(Gallery, PreviewNotificationsFollowTheHotItem)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({I(), I(), I(), I()});
    f.Place(100, 60);
    f.Codes();

    f.pGallery->SetHotItem(1);
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4112, 4115, 4117}));
    f.pGallery->SetHotItem(2);
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4115, 4117}));
    f.pGallery->OnExecute();
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4114, ZMR_CN_EXECUTE}));
    EXPECT_FALSE(f.pGallery->IsPreviewing());

    f.pGallery->SetHotItem(3);
    f.Codes();
    f.pGallery->SetHotItem(-1);
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4113, 4117}));

    f.pGallery->SetHotItem(0);
    f.Codes();
    f.pGallery->ClearHotItem();
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4115, 4113, 4117}));
    EXPECT_TRUE(f.pGallery->IsHotItemHidden());
}

TEST(Gallery, MouseHotTrackingHoverPressAndDrag)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({I(), I(), L, I()});
    f.Place(100, 60);
    f.Codes();

    f.pGallery->OnMouseMove(CPoint(25, 5));
    EXPECT_EQ(f.pGallery->GetHotItem(), 1);
    EXPECT_EQ(f.Codes(), std::vector<UINT>{4117}) << "no preview before the hover";
    f.pGallery->OnMouseMove(CPoint(50, 25));
    EXPECT_EQ(f.pGallery->GetHotItem(), -1) << "labels are never hot";
    f.pGallery->OnMouseMove(CPoint(5, 5));
    f.Codes();

    // The hover starts the preview for the selected control.
    f.pGallery->OnSelectionChange(1);
    f.pGallery->OnMouseHover();
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4112, 4115}));
    f.pGallery->OnMouseMove(CPoint(25, 5));
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4115, 4117}));

    // A press on the item, then a move of more than 4 px: one drag notice.
    f.pGallery->OnClick(FALSE, CPoint(25, 5));
    EXPECT_TRUE(f.pGallery->IsItemPressed());
    f.Codes();
    f.pGallery->OnMouseMove(CPoint(29, 9));
    EXPECT_TRUE(f.Codes().empty());
    f.pGallery->OnMouseMove(CPoint(30, 5));
    EXPECT_EQ(f.Codes(), std::vector<UINT>{4116});
    f.pGallery->OnMouseMove(CPoint(35, 5));
    EXPECT_TRUE(f.Codes().empty()) << "once";

    // Releasing executes and applies the preview.
    f.pGallery->OnLButtonUp(CPoint(35, 5));
    EXPECT_FALSE(f.pGallery->IsItemPressed());
    EXPECT_EQ(f.Codes(), (std::vector<UINT>{4114, ZMR_CN_EXECUTE}));

    // Losing the selection clears the hot item and cancels nothing left.
    f.pGallery->OnSelectionChange(0);
    EXPECT_TRUE(f.pGallery->IsHotItemHidden());
}

TEST(Gallery, KeyboardSelectionMakesTheFirstOrLastItemHot)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.AddItems({L, I(), I(), L});
    f.Place(100, 60);
    f.pGallery->OnSelectionChange(2);
    EXPECT_EQ(f.pGallery->GetHotItem(), 1);
    f.pGallery->OnSelectionChange(0);
    f.pGallery->OnSelectionChange(3);
    EXPECT_EQ(f.pGallery->GetHotItem(), 2);
}

// ---------------------------------------------------------------- search, persistence, copy

TEST(Gallery, FindItemByPrefixOrExactlyAroundFromTheStart)
{
    CGalleryFixture f;
    for (LPCWSTR caption : {L"Apple", L"apricot", L"Banana", L"Blueberry", L"apple"})
        f.pItems->AddItem(1, caption);
    struct
    {
        int nStart;
        LPCWSTR text;
        BOOL bExact;
        int nFound;
    } cases[] = {
        {-1, L"ap", FALSE, 0}, {0, L"ap", FALSE, 1},   {1, L"ap", FALSE, 4},         {4, L"ap", FALSE, 0},
        {0, L"APPLE", TRUE, 4}, {4, L"apple", TRUE, 0}, {0, L"Applesauce", FALSE, -1}, {0, L"", FALSE, -1},
        {99, L"b", FALSE, 2},  {2, L"b", FALSE, 3},    {0, L"Ban", TRUE, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(f.pGallery->FindItem(c.nStart, c.text, c.bExact), c.nFound)
            << c.nStart << " " << CStringA(c.text).GetString() << " " << c.bExact;
    f.pItems->RemoveAll();
    EXPECT_EQ(f.pGallery->FindItem(-1, L"a", FALSE), -1);
}

TEST(Gallery, PersistenceCopyAndDefaults)
{
    CZMRControlGallery gallery;
    EXPECT_EQ(gallery.GetType(), zmrControlGallery);
    EXPECT_EQ(gallery.GetFlags(), DWORD(0x40));
    gallery.SetShowLabels(FALSE);
    gallery.SetShowBorders(FALSE);
    gallery.SetMargins(CRect(1, 2, 3, 4));
    gallery.SetResizable(3);
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE);
        gallery.DoPropExchange(&store);
    }
    CZMRControlGallery loaded;
    {
        CMemoryPropStore store(&data, TRUE);
        loaded.DoPropExchange(&store);
    }
    EXPECT_FALSE(loaded.IsShowLabels());
    EXPECT_FALSE(loaded.IsShowBorders());
    EXPECT_TRUE(loaded.IsShowScrollBar());
    EXPECT_EQ(loaded.GetMargins(), CRect(1, 2, 3, 4));
    EXPECT_EQ(loaded.IsResizable(), 3);

    CZMRControlGallery older;
    {
        CMemoryPropStore store(&data, TRUE, 23);
        older.DoPropExchange(&store);
    }
    EXPECT_EQ(older.IsResizable(), 0) << "saved only from schema 24 on";

    CZMRControlGallery empty;
    CMemoryPropStore::Data nothing;
    {
        CMemoryPropStore store(&nothing, TRUE);
        empty.DoPropExchange(&store);
    }
    EXPECT_TRUE(empty.IsShowBorders()) << "a missing key loads as shown";

    CZMRControl* pClone = gallery.Clone();
    auto* pCopy = DYNAMIC_DOWNCAST(CZMRControlGallery, pClone);
    ASSERT_NE(pCopy, nullptr);
    EXPECT_FALSE(pCopy->IsShowLabels());
    EXPECT_EQ(pCopy->GetMargins(), CRect(1, 2, 3, 4));
    EXPECT_EQ(pCopy->IsResizable(), 3);
    pClone->InternalRelease();
}

// ---------------------------------------------------------------- tooltips and accessibility

TEST(Gallery, TooltipOfTheItemUnderThePoint)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.pItems->AddItem(7, L"Seven");
    f.pItems->AddItem(8, L"Eight", 3)->SetDescription(L"The eighth");
    f.Place(100, 60);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(f.pGallery->OnToolHitTest(CPoint(5, 5), &ti), 7);
    free(ti.lpszText);
    ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(f.pGallery->OnToolHitTest(CPoint(25, 5), &ti), 3) << "the image index";
    EXPECT_EQ(CRect(ti.rect), CRect(20, 0, 40, 20));
    EXPECT_STREQ(ti.lpszText, L"Eight");
    free(ti.lpszText);
    EXPECT_EQ(f.pGallery->OnToolHitTest(CPoint(80, 50), &ti), 0);
    f.pGallery->SetStyle(zmrButtonIcon);
    EXPECT_EQ(f.pGallery->OnToolHitTest(CPoint(5, 5), &ti), -1);
}

TEST(Gallery, ItemsAreSimpleAccessibleChildren)
{
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    f.pItems->AddItem(7, L"&Seven");
    f.pItems->AddItem(8, L"&")->SetDescription(L"Eight");
    f.Place(100, 60);
    f.pGallery->SetCheckedItem(8);
    f.pGallery->SetHotItem(0);

    long nCount = 0;
    EXPECT_EQ(f.pGallery->GetAccChildCount(&nCount), S_OK);
    EXPECT_EQ(nCount, 2);
    VARIANT child;
    ::VariantInit(&child);
    child.vt = VT_I4;
    IDispatch* pDispatch = reinterpret_cast<IDispatch*>(1);
    child.lVal = 1;
    EXPECT_EQ(f.pGallery->GetAccChild(child, &pDispatch), S_FALSE);
    EXPECT_EQ(pDispatch, nullptr);

    auto state = [&](long nChild) {
        VARIANT v;
        child.lVal = nChild;
        EXPECT_EQ(f.pGallery->GetAccState(child, &v), S_OK);
        return v.lVal;
    };
    EXPECT_EQ(state(1), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(state(2), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED);

    auto name = [&](long nChild) {
        BSTR bstr = nullptr;
        child.lVal = nChild;
        EXPECT_EQ(f.pGallery->GetAccName(child, &bstr), S_OK);
        CString str(bstr);
        ::SysFreeString(bstr);
        return str;
    };
    EXPECT_EQ(name(1), CString(L"Seven"));
    EXPECT_EQ(name(2), CString(L"Eight")) << "nothing left of the caption: the description";

    child.lVal = 2;
    EXPECT_EQ(f.pGallery->AccSelect(SELFLAG_TAKEFOCUS, child), S_OK);
    EXPECT_EQ(f.pGallery->GetHotItem(), 1);
    child.lVal = 3;
    BSTR bstr = nullptr;
    EXPECT_EQ(f.pGallery->GetAccName(child, &bstr), E_INVALIDARG);
    VARIANT v;
    EXPECT_EQ(f.pGallery->GetAccState(child, &v), E_INVALIDARG);
}

// ---------------------------------------------------------------- drawing

TEST(Gallery, DrawsItemsHotAndCheckedThroughTheItemsAndItsPaintManager)
{
    // Items that record how they were drawn.
    class CRecordingItem : public CZMRControlGalleryItem
    {
    public:
        BOOL Draw(CDC*, CZMRControlGallery*, CRect rc, BOOL bEnabled, BOOL bHot, BOOL bPressed,
                  BOOL bChecked) override
        {
            m_draws.push_back({rc, bEnabled, bHot, bPressed, bChecked});
            return TRUE;
        }
        struct CDraw
        {
            CRect rc;
            BOOL bEnabled, bHot, bPressed, bChecked;
        };
        std::vector<CDraw> m_draws;
    };
    CGalleryFixture f;
    f.pItems->SetItemSize(CSize(20, 20));
    std::vector<CRecordingItem*> items;
    for (int i = 0; i < 15; i++)
    {
        auto* pItem = new CRecordingItem;
        pItem->SetID(100 + i);
        f.pItems->AddItem(pItem);
        items.push_back(pItem);
    }
    f.Place(100, 30);   // rows at 0, 20 (half shown), 40 (not reached)
    f.pGallery->SetCheckedItem(102);
    f.pGallery->SetHotItem(1);
    f.pGallery->ScrollTo(0);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(nullptr));
    f.pGallery->Draw(&dc);
    ::DeleteDC(dc.Detach());
    ASSERT_EQ(items[1]->m_draws.size(), 1u);
    EXPECT_TRUE(items[1]->m_draws[0].bHot);
    EXPECT_FALSE(items[1]->m_draws[0].bPressed);
    ASSERT_EQ(items[2]->m_draws.size(), 1u);
    EXPECT_TRUE(items[2]->m_draws[0].bChecked);
    EXPECT_FALSE(items[0]->m_draws[0].bHot);
    EXPECT_EQ(items[7]->m_draws.size(), 1u) << "the half-shown row";
    EXPECT_TRUE(items[10]->m_draws.empty()) << "nothing below the visible area";
}

// ---------------------------------------------------------------- the scroll-button loop

namespace
{
class GalleryTrackTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        m_pBar = new CTestBar;
        m_pBar->SetBarManager(m_pManager);
        ASSERT_TRUE(m_pBar->CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE,
                                     CRect(100, 100, 300, 200), nullptr, 0));
        m_pGallery = new CZMRControlGallery;
        m_pBar->GetControls()->AddControl(m_pGallery);
        m_pItems = new CZMRControlGalleryItems;
        m_pItems->SetItemSize(CSize(20, 20));
        for (int i = 0; i < 40; i++)
            m_pItems->AddItem(100 + i, L"Item");
        m_pAction = new CZMRControlAction;
        m_pAction->SetItems(m_pItems);
        m_pGallery->SetAction(m_pAction);
        CZMRPopupBar* pPopup = static_cast<CZMRPopupBar*>(RUNTIME_CLASS(CZMRPopupBar)->CreateObject());
        m_pGallery->SetCommandBar(pPopup);
        pPopup->InternalRelease();
        m_pGallery->SetRect(CRect(0, 0, 116, 60));
        ::SetForegroundWindow(m_pBar->GetSafeHwnd());
        PumpPendingMessages();
    }
    void TearDown() override
    {
        CTestInput::Button(VK_LBUTTON, false);
        PumpPendingMessages();
        m_pGallery->SetAction(nullptr);
        m_pAction->InternalRelease();
        m_pBar->DestroyWindow();
        m_pBar->InternalRelease();
        BarSiteTest::TearDown();
    }
    // A real press on the bar at a client point: the bar hands it to the
    // gallery, whose loop plays the steps.
    void Click(CPoint ptClient, std::vector<CStep> steps)
    {
        CPoint pt = ptClient;
        m_pBar->ClientToScreen(&pt);
        CTestInput::MoveTo(pt);
        PumpPendingMessages();
        g_script = CScript();
        g_script.steps = std::move(steps);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
        CTestInput::Button(VK_LBUTTON, true);
        PumpUntil([&] { return g_script.nNext == g_script.steps.size() && !m_pGallery->GetScrollBarTrackInfo(); });
        PumpPendingMessages();
        ::KillTimer(nullptr, nTimer);
    }
    CTestBar* m_pBar = nullptr;
    CZMRControlGallery* m_pGallery = nullptr;
    CZMRControlGalleryItems* m_pItems = nullptr;
    CZMRControlAction* m_pAction = nullptr;
};
} // namespace

TEST_F(GalleryTrackTest, DownButtonGlidesOneRowAndTheGlideEndsAfterTheRelease)
{
    Click(CPoint(108, 25), {Do(CStep::release)});
    EXPECT_EQ(m_pGallery->GetScrollPos(), 20) << "the glide ran to its end inside the loop's tail";
    EXPECT_FALSE(m_pGallery->IsSmoothScrolling());
    EXPECT_EQ(m_pGallery->GetScrollBarTrackInfo(), nullptr);
    EXPECT_EQ(CZMRMouseManager::GetThreadMouseManager()->m_nFocusCount, 0);
    EXPECT_NE(::GetCapture(), m_pBar->GetSafeHwnd());
}

TEST_F(GalleryTrackTest, GlideOutsideTheLoopRunsOnTheBarsTimer)
{
    m_pGallery->SmoothScrollTo(40);
    ASSERT_TRUE(m_pGallery->IsSmoothScrolling());
    EXPECT_TRUE(PumpUntil([&] { return !m_pGallery->IsSmoothScrolling(); }));
    EXPECT_EQ(m_pGallery->GetScrollPos(), 40);
}

TEST_F(GalleryTrackTest, PopupButtonOpensTheDropDown)
{
    EXPECT_EQ(m_pGallery->HitTestScrollBar(CPoint(108, 45)), 65);
    m_pGallery->OnClick(FALSE, CPoint(108, 45));
    EXPECT_EQ(m_pBar->GetPoppedIndex(), m_pGallery->GetIndex());
    m_pBar->SetPoppedControl(-1);
}

// ---------------------------------------------------------------- the combo box's gallery drop-down

TEST(GalleryDropDown, MapsTheDropDownOperationsOnTheGallery)
{
    CThemedBarFixture<CTestTheme> bar(zmrBarTypeNormal, zmrBarTop);
    CRecordingWnd site;
    site.Create();
    bar.m_pBar->SetSiteOverride(&site);
    auto* pCombo = static_cast<CZMRControlComboBox*>(bar.m_pBar->GetControls()->Add(zmrControlComboBox, 700));
    auto* pDropDown = static_cast<CZMRControlComboBoxGalleryPopupBar*>(
        RUNTIME_CLASS(CZMRControlComboBoxGalleryPopupBar)->CreateObject());
    EXPECT_EQ(pDropDown->GetCurSel(), -1) << "no gallery yet";
    auto* pGallery = new CZMRControlGallery;
    pDropDown->GetControls()->AddControl(pGallery, 500);
    auto* pItems = new CZMRControlGalleryItems;
    pItems->SetItemSize(CSize(60, 20));
    for (LPCWSTR caption : {L"Arial", L"Courier", L"Comic", L"Times", L"Tahoma", L"Verdana"})
        pItems->AddItem(1, caption);
    auto* pAction = new CZMRControlAction;
    pAction->SetItems(pItems);
    pGallery->SetAction(pAction);
    pGallery->SetShowScrollBar(FALSE);
    pGallery->SetRect(CRect(0, 0, 60, 40));   // one column, two rows shown
    pDropDown->SetControlPopup(pCombo);
    ASSERT_EQ(pDropDown->GetComboBox(), pCombo);

    EXPECT_EQ(pDropDown->FindString(-1, L"co"), 1);
    EXPECT_EQ(pDropDown->FindString(1, L"co"), 2);
    EXPECT_EQ(pDropDown->FindStringExact(-1, L"TAHOMA"), 4);
    EXPECT_EQ(pDropDown->FindStringExact(-1, L"Taho"), -1);
    CString strText;
    pDropDown->GetText(3, strText);
    EXPECT_EQ(strText, CString(L"Times"));
    pDropDown->GetText(9, strText);
    EXPECT_TRUE(strText.IsEmpty());

    pDropDown->SetCurSel(2);
    EXPECT_EQ(pDropDown->GetCurSel(), 2);
    EXPECT_EQ(pGallery->GetScrollPos(), 20) << "the selection is scrolled into view";
    pDropDown->SetTopIndex(5);
    EXPECT_EQ(pGallery->GetScrollPos(), 80);

    // Arrow keys move over the gallery.
    EXPECT_TRUE(pDropDown->ProcessKey(pCombo, VK_DOWN, 0));
    EXPECT_EQ(pDropDown->GetCurSel(), 3);
    EXPECT_FALSE(pDropDown->ProcessKey(pCombo, 'X', 0));

    // Tab is not taken.
    EXPECT_EQ(pDropDown->HandleHookedKeyDown(VK_TAB, 0), 0);

    // The menu loop tells the combo box's site that the drop-down opened
    // (7) and closed (8).
    site.m_messages.clear();
    ASSERT_TRUE(pDropDown->SetMenuLoopActive(TRUE));
    ASSERT_TRUE(pDropDown->SetMenuLoopActive(FALSE));
    std::vector<UINT> codes;
    for (const auto& m : site.Messages(ZMR_WM_CONTROLNOTIFY))
        codes.push_back(m.nCode);
    EXPECT_EQ(codes, (std::vector<UINT>{ZMR_CBN_DROPDOWN, ZMR_CBN_CLOSEUP}));

    pGallery->SetAction(nullptr);
    pAction->InternalRelease();
    pDropDown->InternalRelease();
}
