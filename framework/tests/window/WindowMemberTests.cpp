// Members over the system's window relations, regions, menus and tooltips:
// new parents and owners, window regions, a menu's default item and new tip
// texts for registered tools.
#include "TestResources.h"
#include "WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{
// Two top-level framework windows and a child of the first.
struct CFamily
{
    CWnd first, second, child;
    CFamily()
    {
        first.CreateEx(0, L"STATIC", L"first", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
        second.CreateEx(0, L"STATIC", L"second", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
        child.CreateEx(0, L"STATIC", L"child", WS_CHILD, 5, 5, 50, 20, first.m_hWnd, HMENU(7));
    }
};
} // namespace

TEST(WindowMembers, SetParentMovesTheChildAndAnswersTheOldParent)
{
    CFamily family;
    ASSERT_TRUE(family.child.IsWindow());
    EXPECT_EQ(&family.first, family.child.SetParent(&family.second));
    EXPECT_EQ(family.second.m_hWnd, ::GetParent(family.child.m_hWnd));
    EXPECT_EQ(&family.second, family.child.GetParent());
    EXPECT_TRUE(family.second.IsChild(&family.child));
    EXPECT_FALSE(family.first.IsChild(&family.child));
}

TEST(WindowMembers, SetOwnerChangesWhatGetOwnerAnswersButNotTheSystemOwner)
{
    CFamily family;
    // Without an owner of its own: a child's parent, a top-level window's system owner.
    EXPECT_EQ(&family.first, family.child.GetOwner());
    EXPECT_EQ(nullptr, family.second.GetOwner());

    family.child.SetOwner(&family.second);
    EXPECT_EQ(&family.second, family.child.GetOwner());
    EXPECT_EQ(family.first.m_hWnd, ::GetParent(family.child.m_hWnd));

    family.second.SetOwner(&family.first);
    EXPECT_EQ(&family.first, family.second.GetOwner());
    EXPECT_EQ(nullptr, ::GetWindow(family.second.m_hWnd, GW_OWNER));

    family.child.SetOwner(nullptr);
    EXPECT_EQ(&family.first, family.child.GetOwner());
}

TEST(WindowMembers, SetWindowRgnGivesTheRegionToTheWindow)
{
    CFamily family;
    HRGN hCopy = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, family.first.GetWindowRgn(hCopy)) << "no region at first";

    ASSERT_NE(0, family.first.SetWindowRgn(::CreateRectRgn(2, 3, 40, 30), FALSE));
    EXPECT_EQ(SIMPLEREGION, family.first.GetWindowRgn(hCopy));
    RECT rc;
    ::GetRgnBox(hCopy, &rc);
    EXPECT_EQ(CRect(2, 3, 40, 30), CRect(rc));

    ASSERT_NE(0, family.first.SetWindowRgn(nullptr, FALSE));
    EXPECT_EQ(ERROR, family.first.GetWindowRgn(hCopy));
    ::DeleteObject(hCopy);
}

TEST(WindowMembers, GetDefaultItemByIdOrPositionWithOrWithoutDisabledItems)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 101, L"Open");
    menu.AppendMenu(MF_STRING | MF_GRAYED, 102, L"Print");
    EXPECT_EQ(UINT(-1), menu.GetDefaultItem(0)) << "no default item yet";

    ASSERT_TRUE(menu.SetDefaultItem(1, TRUE));
    struct Case
    {
        UINT gmdiFlags;
        BOOL fByPos;
        UINT nExpected;
    };
    const Case cases[] = {
        { GMDI_USEDISABLED, FALSE, 102 },
        { GMDI_USEDISABLED, TRUE, 1 },
        { 0, FALSE, UINT(-1) },   // the default item is disabled
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nExpected, menu.GetDefaultItem(c.gmdiFlags, c.fByPos)) << c.gmdiFlags << "," << c.fByPos;

    ASSERT_TRUE(menu.SetDefaultItem(101));
    EXPECT_EQ(101U, menu.GetDefaultItem(0));
}

TEST(WindowMembers, UpdateTipTextReplacesTheTextOfTheToolItNames)
{
    CFamily family;
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&family.first));
    CRect rcTool(0, 0, 20, 20);
    ASSERT_TRUE(tip.AddTool(&family.first, L"area", &rcTool, 5));
    ASSERT_TRUE(tip.AddTool(&family.child, L"child"));   // the whole window is the tool

    tip.UpdateTipText(L"new area", &family.first, 5);
    tip.UpdateTipText(IDS_PROMPT, &family.child);
    CString str;
    tip.GetText(str, &family.first, 5);
    EXPECT_EQ(str, L"new area");
    tip.GetText(str, &family.child);
    EXPECT_EQ(str, L"Prompt from the string table");

    // A tool that is not registered changes nothing.
    tip.UpdateTipText(L"nobody", &family.first, 6);
    tip.GetText(str, &family.first, 5);
    EXPECT_EQ(str, L"new area");
}
