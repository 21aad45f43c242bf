// The list control: scrolling a report list to its end or its start brings the
// last or the first row into view, for a list the program created and for a
// dialog's list that it subclassed.
#include "WindowTestSupport.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
void AddRows(CListCtrl& list, int nFrom, int nTo)
{
    for (int i = nFrom; i < nTo; ++i)
        list.InsertItem(i, (L"row " + std::to_wstring(i)).c_str());
}

bool LastRowInView(CListCtrl& list)
{
    return list.GetTopIndex() + list.GetCountPerPage() >= list.GetItemCount();
}
} // namespace

TEST(ListCtrl, ScrollingToTheEndShowsTheNewestRowAndToTheStartTheFirst)
{
    HWND hHost = CreateHostWindow();
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL;

    struct Case
    {
        const char* name;
        bool bSubclassed;
    };
    for (const Case& c : { Case{ "created", false }, Case{ "subclassed", true } })
    {
        SCOPED_TRACE(c.name);
        CListCtrl list;
        if (c.bSubclassed)
        {
            HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"", dwStyle, 0, 0, 200, 120, hHost,
                                           reinterpret_cast<HMENU>(1003), nullptr, nullptr);
            ASSERT_TRUE(list.SubclassWindow(hList));
        }
        else
        {
            ASSERT_TRUE(list.Create(dwStyle, CRect(0, 0, 200, 120), CWnd::FromHandle(hHost), 1003));
        }
        list.InsertColumn(0, L"Message", LVCFMT_LEFT, 150);
        AddRows(list, 0, 40);
        ASSERT_LT(list.GetCountPerPage(), 40);
        ASSERT_EQ(0, list.GetTopIndex());

        list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        EXPECT_TRUE(LastRowInView(list)) << list.GetTopIndex();

        // A row added at the end comes into view with the next scroll to the end.
        AddRows(list, 40, 41);
        list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        EXPECT_TRUE(LastRowInView(list)) << list.GetTopIndex();

        list.SendMessage(WM_VSCROLL, SB_TOP, 0);
        EXPECT_EQ(0, list.GetTopIndex());

        // The other codes are the list's own: one page down moves one page.
        int nPage = list.GetCountPerPage();
        list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        EXPECT_EQ(nPage, list.GetTopIndex());

        list.DestroyWindow();
    }
    ::DestroyWindow(hHost);
}
