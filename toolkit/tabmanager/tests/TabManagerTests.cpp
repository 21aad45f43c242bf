// The tab strip's model: items, selection and the host's veto, keyboard
// moves, hit tests, automatic colours, scrolling and ensure-visible.
#include "TabTestSupport.h"
#include "CZMRTabManagerNavigateButton.h"
#include <gtest/gtest.h>

namespace
{
TEST(TabManager, EmptyStripHasNoSelectionAndIgnoresKeys)
{
    CTabHostFixture f(0);
    for (UINT nKey : {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB})
        EXPECT_FALSE(f.Strip().HandleKeyNavigation(f.m_pHost, nKey)) << nKey;
    f.Strip().SetCurSel(5);
    EXPECT_EQ(-1, f.Strip().GetCurSel());
    EXPECT_EQ(nullptr, f.Strip().GetItem(0));
    EXPECT_EQ(nullptr, f.Strip().GetItem(-1));
    EXPECT_FALSE(f.Strip().DeleteItem(0));
}

TEST(TabManager, AddItemClampsTheIndexAndRenumbers)
{
    CTabHostFixture f(2);
    CZMRTabManagerItem* pFront = f.Strip().AddItem(0);
    CZMRTabManagerItem* pEnd = f.Strip().AddItem(99);
    CZMRTabManagerItem* pNegative = f.Strip().AddItem(-5);
    ASSERT_EQ(5, f.Strip().GetItemCount());
    EXPECT_EQ(pFront, f.Item(0));
    EXPECT_EQ(pEnd, f.Item(3));
    EXPECT_EQ(pNegative, f.Item(4));
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(i, f.Item(i)->GetIndex());
        EXPECT_EQ(&f.Strip(), f.Item(i)->GetTabManager());
    }
}

TEST(TabManager, SetCurSelClampsIntoTheList)
{
    CTabHostFixture f(4);
    f.Strip().SetCurSel(9);
    EXPECT_EQ(3, f.Strip().GetCurSel());
    f.Strip().SetCurSel(-3);
    EXPECT_EQ(0, f.Strip().GetCurSel());
}

struct CDeleteCase
{
    const char* name;
    int nSelected;
    int nDelete;
    BOOL bRefuse;         // the host refuses the new selection
    int nExpectedIndex;   // of the selection afterwards, -1 none
    int nExpectedOldIndex; // which original item that is, -1 none
};

const CDeleteCase kDeleteCases[] = {
    {"selected in the middle: the next moves into its place", 2, 2, FALSE, 2, 3},
    {"the last one selected: the new last", 3, 3, FALSE, 2, 2},
    {"another item: the selection stays", 1, 3, FALSE, 1, 1},
    {"the host refuses: no selection rather than a released item", 2, 2, TRUE, -1, -1},
};

TEST(TabManager, DeletingItemsKeepsASoundSelection)
{
    for (const CDeleteCase& c : kDeleteCases)
    {
        CTabHostFixture f(4);
        CZMRTabManagerItem* arrOld[4];
        for (int i = 0; i < 4; i++)
        {
            arrOld[i] = f.Item(i);
            arrOld[i]->InternalAddRef();   // kept alive to compare after the strip lets go
        }
        f.Strip().SetCurSel(c.nSelected);
        f.Strip().m_bRefuseSelection = c.bRefuse;
        EXPECT_TRUE(f.Strip().DeleteItem(c.nDelete)) << c.name;
        EXPECT_EQ(3, f.Strip().GetItemCount()) << c.name;
        EXPECT_EQ(c.nExpectedIndex, f.Strip().GetCurSel()) << c.name;
        EXPECT_EQ(c.nExpectedOldIndex < 0 ? nullptr : arrOld[c.nExpectedOldIndex], f.Strip().GetSelectedItem())
            << c.name;
        EXPECT_NE(arrOld[c.nDelete], f.Strip().GetSelectedItem()) << c.name;
        for (int i = 0; i < 4; i++)
            arrOld[i]->InternalRelease();
    }
}

TEST(TabManager, DeleteAllItemsClearsEveryState)
{
    CTabHostFixture f(3);
    f.Strip().SetCurSel(1);
    f.Strip().DeleteAllItems();
    EXPECT_EQ(0, f.Strip().GetItemCount());
    EXPECT_EQ(nullptr, f.Strip().GetSelectedItem());
    EXPECT_EQ(nullptr, f.Strip().GetHotItem());
    EXPECT_EQ(nullptr, f.Strip().GetPressedItem());
}

TEST(TabManager, ClicksGoThroughTheHostsVeto)
{
    CTabHostFixture f(3);
    f.Strip().m_bRefuseClicks = TRUE;
    EXPECT_FALSE(f.Strip().ClickItem(f.Item(1)));
    EXPECT_EQ(-1, f.Strip().GetCurSel());
    // The key still counts as handled though the selection does not move.
    EXPECT_TRUE(f.Strip().HandleKeyNavigation(f.m_pHost, VK_HOME));
    EXPECT_EQ(-1, f.Strip().GetCurSel());
    f.Strip().m_bRefuseClicks = FALSE;
    EXPECT_TRUE(f.Strip().ClickItem(f.Item(1)));
    EXPECT_EQ(1, f.Strip().GetCurSel());
    // A null item is only asked about.
    EXPECT_TRUE(f.Strip().ClickItem(nullptr));
    EXPECT_EQ(1, f.Strip().GetCurSel());
}

struct CKeyCase
{
    const char* name;
    int nPosition;
    BOOL bRtl;
    const char* szUsable;   // one character per item: '.' usable, 'h' hidden, 'd' disabled
    int nSelected;
    UINT nKey;
    BOOL bHandled;
    int nExpected;
};

const CKeyCase kKeyCases[] = {
    {"home: first usable", zmrTabPositionTop, FALSE, "hd...", 4, VK_HOME, TRUE, 2},
    {"end: last usable", zmrTabPositionTop, FALSE, "..dh.h", 0, VK_END, TRUE, 4},
    {"right skips hidden and disabled", zmrTabPositionTop, FALSE, ".hd.", 0, VK_RIGHT, TRUE, 3},
    {"left skips hidden", zmrTabPositionBottom, FALSE, ".h.", 2, VK_LEFT, TRUE, 0},
    {"left at the first stays", zmrTabPositionTop, FALSE, "...", 0, VK_LEFT, TRUE, 0},
    {"right at the last stays", zmrTabPositionTop, FALSE, "...", 2, VK_RIGHT, TRUE, 2},
    {"right with nothing usable after stays", zmrTabPositionTop, FALSE, "..h", 1, VK_RIGHT, TRUE, 1},
    {"down on a top strip does nothing", zmrTabPositionTop, FALSE, "...", 0, VK_DOWN, TRUE, 0},
    {"up on a bottom strip does nothing", zmrTabPositionBottom, FALSE, "...", 1, VK_UP, TRUE, 1},
    {"down on a left strip moves", zmrTabPositionLeft, FALSE, "...", 0, VK_DOWN, TRUE, 1},
    {"up on a right strip moves", zmrTabPositionRight, FALSE, "...", 2, VK_UP, TRUE, 1},
    {"right on a left strip does nothing", zmrTabPositionLeft, FALSE, "...", 0, VK_RIGHT, TRUE, 0},
    {"left on a right strip does nothing", zmrTabPositionRight, FALSE, "...", 1, VK_LEFT, TRUE, 1},
    {"right-to-left: left moves on", zmrTabPositionTop, TRUE, "...", 0, VK_LEFT, TRUE, 1},
    {"right-to-left: right moves back", zmrTabPositionTop, TRUE, "...", 1, VK_RIGHT, TRUE, 0},
    {"other keys are not handled", zmrTabPositionTop, FALSE, "...", 1, VK_TAB, FALSE, 1},
    {"no selection: left does nothing", zmrTabPositionTop, FALSE, "...", -1, VK_LEFT, TRUE, -1},
};

TEST(TabManager, KeyboardMoves)
{
    for (const CKeyCase& c : kKeyCases)
    {
        CTabHostFixture f((int)strlen(c.szUsable), CRect(100, 100, 500, 400), c.nPosition);
        if (c.bRtl)
            f.m_pHost->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
        if (c.nSelected >= 0)
            f.Strip().SetCurSel(c.nSelected);
        for (int i = 0; c.szUsable[i]; i++)
        {
            f.Item(i)->SetVisible(c.szUsable[i] != 'h');
            f.Item(i)->SetEnabled(c.szUsable[i] != 'd');
        }
        EXPECT_EQ(c.bHandled, f.Strip().HandleKeyNavigation(f.m_pHost, c.nKey)) << c.name;
        EXPECT_EQ(c.nExpected, f.Strip().GetCurSel()) << c.name;
    }
}

TEST(TabManager, AutomaticColoursContinueAcrossStripsOfOnePaintManager)
{
    CTabHostFixture f(9);
    for (int i = 0; i < 9; i++)
        EXPECT_EQ(zmrTabColorAutomatic + (i % 8), f.Item(i)->GetRawColor()) << i;
    EXPECT_EQ(RGB(138, 168, 228), f.Item(0)->GetColor());
    EXPECT_EQ(RGB(216, 171, 192), f.Item(7)->GetColor());
    EXPECT_EQ(RGB(138, 168, 228), f.Item(8)->GetColor());

    CTabHostWnd* pSecond = CTabHostWnd::Create(CRect(100, 420, 500, 500), f.PaintManager());
    CZMRTabManagerItem* pItem = pSecond->Strip().AddItem(-1);
    EXPECT_EQ(zmrTabColorAutomatic + 1, pItem->GetRawColor());
    EXPECT_EQ(RGB(255, 219, 117), pItem->GetColor());
    pItem->SetColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), pItem->GetColor());
    pSecond->DestroyWindow();
    EXPECT_EQ(1, f.PaintManager()->GetAtomCount());
}

TEST(TabManager, ItemSettersLayTheStripOutAgainOnlyOnChange)
{
    CTabHostFixture f(1);
    CZMRTabManagerItem* pItem = f.Item(0);
    const int nBefore = f.Strip().m_nRepositions;
    pItem->SetCaption(L"Changed");
    pItem->SetTooltip(L"Tip");
    pItem->SetColor(RGB(9, 9, 9));
    pItem->SetEnabled(FALSE);
    pItem->SetClosable(FALSE);
    pItem->SetVisible(FALSE);
    pItem->SetImageIndex(3);
    EXPECT_EQ(nBefore + 7, f.Strip().m_nRepositions);
    pItem->SetCaption(L"Changed");
    pItem->SetVisible(FALSE);
    pItem->SetEnabled(FALSE);
    EXPECT_EQ(nBefore + 7, f.Strip().m_nRepositions);
    EXPECT_EQ(CString(L"Changed"), pItem->GetCaption());
    EXPECT_EQ(CString(L"Tip"), f.Strip().GetItemTooltip(pItem));
}

TEST(TabManager, ScrollOffsetIsNeverPositive)
{
    CTabHostFixture f(10);
    f.Strip().SetScrollOffset(15);
    EXPECT_EQ(0, f.Strip().GetScrollOffset());
    f.Strip().ScrollHeader(TRUE);
    EXPECT_EQ(-20, f.Strip().GetScrollOffset());
    f.Strip().ScrollHeader(FALSE);
    EXPECT_EQ(0, f.Strip().GetScrollOffset());
}

TEST(TabManager, SelectingScrollsTheItemIntoView)
{
    // Ten items of 70 in a 400-wide strip: the arrows take 28 at the end, so
    // the header runs from 0 to 371.
    CTabHostFixture f(10);
    EXPECT_EQ(CRect(0, 0, 371, 31), f.Strip().GetHeaderRect());
    f.Strip().SetCurSel(9);
    EXPECT_EQ(-333, f.Strip().GetScrollOffset());
    EXPECT_EQ(CRect(299, 3, 369, 31), f.Item(9)->GetRect());
    f.Strip().SetCurSel(0);
    EXPECT_EQ(0, f.Strip().GetScrollOffset());
    EXPECT_EQ(CRect(2, 3, 72, 31), f.Item(0)->GetRect());
}

TEST(TabManager, ScrollingBackIsCorrectedToEndAtTheHeadersEnd)
{
    CTabHostFixture f(10);
    f.Strip().SetScrollOffset(-1000);
    // Room 371 - 8 = 363 for 700 of items: at most 337 back.
    EXPECT_EQ(-337, f.Strip().GetScrollOffset());
}

TEST(TabManager, ShrinkToFitNeverScrolls)
{
    CTabHostFixture f(10);
    f.PaintManager()->SetLayout(zmrTabLayoutSizeToFit);
    f.SetItemWidth(70);
    f.Strip().SetCurSel(9);
    EXPECT_EQ(0, f.Strip().GetScrollOffset());
    EXPECT_GE(392, f.Strip().GetTotalItemsWidth());
}

struct CHitCase
{
    const char* name;
    CPoint pt;
    int nExpected;
};

// Items at 2..72 and 72..142 (item 1 disabled); item 2 is hidden, so item 3
// takes 142..212; all 3..31 deep.
const CHitCase kHitCases[] = {
    {"first item", {10, 10}, 0},
    {"start edge belongs to the item", {2, 3}, 0},
    {"end edge belongs to the next", {72, 10}, -1},
    {"disabled item is not hit", {100, 10}, -1},
    {"the item after a hidden one takes its place", {150, 10}, 3},
    {"inside the header margin", {1, 10}, -1},
    {"below the header", {10, 40}, -1},
    {"outside the control", {-5, 10}, -1},
    {"past the last item", {215, 20}, -1},
};

TEST(TabManager, HitTests)
{
    CTabHostFixture f(4);
    f.Item(1)->SetEnabled(FALSE);
    f.Item(2)->SetVisible(FALSE);
    // A hidden item keeps its place and index but has no width.
    EXPECT_EQ(2, f.Item(2)->GetIndex());
    EXPECT_TRUE(f.Item(2)->GetRect().IsRectEmpty());
    EXPECT_EQ(CRect(142, 3, 212, 31), f.Item(3)->GetRect());
    for (const CHitCase& c : kHitCases)
    {
        CZMRTabManagerItem* pItem = f.Strip().HitTest(c.pt);
        EXPECT_EQ(c.nExpected, pItem ? pItem->GetIndex() : -1) << c.name;
    }
}

TEST(TabManager, HiddenTabsHitNothingAndLeaveTheClientWhole)
{
    CTabHostFixture f(3);
    f.PaintManager()->m_bShowTabs = FALSE;
    f.PaintManager()->m_rcControlMargin = CRect(1, 1, 1, 1);
    f.PaintManager()->OnPropertyChanged();
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(f.Item(i)->GetRect().IsRectEmpty()) << i;
    EXPECT_TRUE(f.Strip().GetHeaderRect().IsRectEmpty());
    EXPECT_EQ(nullptr, f.Strip().HitTest(CPoint(10, 10)));
    EXPECT_EQ(nullptr, f.Strip().NavigateButtonHitTest(CPoint(390, 10)));
    // The control margin, then the full client frame of 2.
    EXPECT_EQ(CRect(3, 3, 397, 297), f.Strip().GetClientRect());
}

TEST(TabManager, NavigateButtonHitTests)
{
    CTabHostFixture f(10);
    f.Strip().SetCloseButtonMode(zmrTabNavigateButtonAlways);
    CZMRTabManagerItem* pClosable = f.Strip().AddItem(0);
    f.Strip().SetCurSel(0);
    CZMRTabManagerNavigateButton* pRight = f.Strip().GetNavigateButton(zmrTabNavigateButtonRight);
    CZMRTabManagerNavigateButton* pLeft = f.Strip().GetNavigateButton(zmrTabNavigateButtonLeft);
    EXPECT_EQ(CRect(385, 7, 399, 22), pRight->GetRect());
    EXPECT_EQ(CRect(371, 7, 385, 22), pLeft->GetRect());
    int nIndex = -1;
    EXPECT_EQ(pRight, f.Strip().NavigateButtonHitTest(CPoint(390, 10), TRUE, &nIndex));
    EXPECT_EQ(1, nIndex);
    // At offset 0 the left arrow is disabled: it holds the point but does not hit.
    EXPECT_FALSE(pLeft->IsEnabled());
    EXPECT_EQ(nullptr, f.Strip().NavigateButtonHitTest(CPoint(375, 10)));

    // The tab-close button is placed while the tab is drawn.
    CClientDC dc(f.m_pHost);
    f.PaintManager()->DrawTabControl(&f.Strip(), &dc, CRect(0, 0, 400, 300));
    ASSERT_EQ(1, pClosable->GetNavigateButtons().GetSize());
    CZMRTabManagerNavigateButton* pClose = pClosable->GetNavigateButtons()[0];
    ASSERT_FALSE(pClose->GetRect().IsRectEmpty());
    const CPoint ptClose = pClose->GetRect().CenterPoint();
    EXPECT_EQ(nullptr, f.Strip().NavigateButtonHitTest(ptClose, TRUE));
    EXPECT_EQ(pClose, f.Strip().NavigateButtonHitTest(ptClose, FALSE, &nIndex));
    EXPECT_EQ(0, nIndex);
}

TEST(TabManager, StripCloseButtonFollowsTheSelectedItem)
{
    CTabHostFixture f(2);
    CZMRTabManagerNavigateButton* pClose = f.Strip().GetNavigateButton(zmrTabNavigateButtonClose);
    pClose->SetVisibilityMode(zmrTabNavigateButtonAutomatic);
    f.Strip().Reposition();
    EXPECT_TRUE(pClose->GetRect().IsRectEmpty());
    f.Strip().SetCurSel(0);
    EXPECT_EQ(CRect(385, 7, 399, 22), pClose->GetRect());
    f.Item(1)->SetClosable(FALSE);
    f.Strip().SetCurSel(1);
    EXPECT_TRUE(pClose->GetRect().IsRectEmpty());
}
}
