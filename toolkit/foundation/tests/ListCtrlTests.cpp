#include "ControlsTestSupport.h"
#include "CZMRegistryManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
// A list of two columns (80 and 200 pixels) and five rows.
class ListControl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Open());
        m_list.InsertColumn(0, L"Time", LVCFMT_LEFT, 80);
        m_list.InsertColumn(1, L"Message", LVCFMT_LEFT, 200);
        for (int i = 0; i < 5; i++)
        {
            CString strTime;
            strTime.Format(L"10:00:%02d", i);
            m_list.InsertItem(i, strTime);
            m_list.SetItemText(i, 1, L"ok");
        }
    }
    void TearDown() override
    {
        if (m_dlg.GetSafeHwnd())
            m_dlg.DestroyWindow();
    }

    // A point inside a cell, clear of its text.
    CPoint CellPoint(int nRow, int nColumn)
    {
        CRect rc;
        m_list.GetSubItemRect(nRow, nColumn, LVIR_BOUNDS, rc);
        if (nColumn == 0)
            rc.right = rc.left + m_list.GetColumnWidth(0);
        return CPoint(rc.right - 4, rc.CenterPoint().y);
    }

    CListTestDlg m_dlg;
    CTestListCtrl& m_list = m_dlg.m_list;
};
} // namespace


namespace
{
COLORREF Blend50(COLORREF a, COLORREF b)
{
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

NMHEADERW HeaderNotification(HWND hHeader, UINT nCode, int nItem, HDITEMW* pItem, int nButton = 0)
{
    NMHEADERW nm = {};
    nm.hdr.hwndFrom = hHeader;
    nm.hdr.idFrom = 0;
    nm.hdr.code = nCode;
    nm.iItem = nItem;
    nm.iButton = nButton;
    nm.pitem = pItem;
    return nm;
}
} // namespace

TEST_F(ListControl, RowColoursGiveWayToSelectionSortTintAndDisabling)
{
    const COLORREF clrRed = RGB(200, 0, 0), clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_list.EnableRowColors(true);
    m_list.SetRowColor(1, RGB(255, 255, 255), clrRed, false);
    m_list.SetRowColor(3, RGB(0, 0, 0), RGB(255, 230, 120), false);

    CWindowPicture pic = m_dlg.PaintList();
    CPoint p = CellPoint(1, 1);
    EXPECT_EQ(pic.At(p.x, p.y), clrRed);
    p = CellPoint(0, 1);
    EXPECT_EQ(pic.At(p.x, p.y), clrWindow);

    // A selected row shows the system's selection, and its colours come back afterwards.
    m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    pic = m_dlg.PaintList();
    p = CellPoint(1, 1);
    EXPECT_NE(pic.At(p.x, p.y), clrRed);
    m_list.SetItemState(1, 0, LVIS_SELECTED);
    pic = m_dlg.PaintList();
    EXPECT_EQ(pic.At(p.x, p.y), clrRed);

    // Sort tint on column 1: plain cells take the sort background, coloured
    // cells the half-way blend, and the empty space below the rows too.
    m_list.EnableSortTint(true);
    m_list.SetSortIndicator(1, 1);
    const COLORREF clrSort = m_list.GetSortBackColor();
    EXPECT_EQ(clrSort, RGB(GetRValue(clrWindow) - 8, GetGValue(clrWindow) - 8, GetBValue(clrWindow) - 8));
    pic = m_dlg.PaintList();
    p = CellPoint(0, 1);
    EXPECT_EQ(pic.At(p.x, p.y), clrSort);
    p = CellPoint(1, 1);
    EXPECT_EQ(pic.At(p.x, p.y), Blend50(clrRed, clrSort));
    p = CellPoint(1, 0);
    EXPECT_EQ(pic.At(p.x, p.y), clrRed);
    EXPECT_EQ(pic.At(p.x + 80, pic.Height() - 4), clrSort);
    EXPECT_EQ(pic.At(40, pic.Height() - 4), clrWindow);
    pic.SavePng(L"list-row-colours.png");

    // Disabled, every cell is button face whatever its row colours.
    m_list.EnableWindow(FALSE);
    pic = m_dlg.PaintList();
    for (CPoint cell : {CellPoint(1, 0), CellPoint(1, 1), CellPoint(0, 0)})
        EXPECT_EQ(pic.At(cell.x, cell.y), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(ListControl, SetRowColorKeepsOneRecordPerRowAndRedrawsOnlyTheVisiblePage)
{
    m_list.SetRowColor(2, RGB(1, 1, 1), RGB(2, 2, 2), false);
    m_list.SetRowColor(2, RGB(3, 3, 3), RGB(4, 4, 4), false);
    CZMListBase::ROWCOLOR* pRecord = m_list.FindRowColor(2);
    ASSERT_TRUE(pRecord);
    EXPECT_EQ(pRecord->clrText, RGB(3, 3, 3));
    EXPECT_EQ(pRecord->clrBack, RGB(4, 4, 4));
    EXPECT_EQ(m_list.FindRowColor(1), nullptr);

    for (int i = 5; i < 60; i++)
        m_list.InsertItem(i, L"more");
    PumpPendingMessages();
    const int nPerPage = m_list.GetCountPerPage();
    ASSERT_GT(nPerPage, 0);
    ASSERT_LT(nPerPage + 1, m_list.GetItemCount());
    struct { int row; bool redrawn; } cases[] = {{nPerPage + 1, false}, {nPerPage, true}, {0, true}};
    for (auto c : cases)
    {
        PumpPendingMessages();
        const int nBefore = m_list.m_nPaints;
        m_list.SetRowColor(c.row, RGB(0, 0, 0), RGB(0, 200, 0), true);
        EXPECT_EQ(m_list.m_nPaints > nBefore, c.redrawn) << c.row;
    }
}

TEST_F(ListControl, RowColoursFromAWorkerThreadAreAllKept)
{
    m_list.EnableRowColors(true);
    std::atomic<bool> bDone{false};
    std::thread worker([&] {
        for (int nRound = 0; nRound < 5; nRound++)
            for (int nRow = 0; nRow < 40; nRow++)
                m_list.SetRowColor(nRow, RGB(nRound, 0, 0), RGB(0, 0, nRow), true);
        bDone = true;
    });
    // The window's thread keeps painting while the worker colours rows, and
    // keeps serving messages until the worker is through: the worker may be
    // waiting on this thread, so joining it without pumping could deadlock
    // on a slow machine. A real deadlock shows as the test's time-out.
    while (!PumpMessagesUntil([&] {
        m_list.Invalidate();
        return bDone.load();
    }, 20000))
    {
    }
    worker.join();
    for (int nRow = 0; nRow < 40; nRow++)
    {
        CZMListBase::ROWCOLOR* pRecord = m_list.FindRowColor(nRow);
        ASSERT_TRUE(pRecord) << nRow;
        EXPECT_EQ(pRecord->clrText, RGB(4, 0, 0));
        EXPECT_EQ(pRecord->clrBack, RGB(0, 0, nRow));
    }
}

TEST_F(ListControl, ColumnsAndExtendedStyles)
{
    EXPECT_EQ(m_list.GetColumnCount(), 2);
    EXPECT_EQ(m_list.AddColumn(L"Extra"), 2);      // width of the last column
    EXPECT_EQ(m_list.GetColumnWidth(2), 200);
    EXPECT_EQ(m_list.AddColumn(L"Narrow", 30, LVCFMT_RIGHT), 3);
    EXPECT_EQ(m_list.GetColumnWidth(3), 30);

    m_list.SetExtendedStyle(LVS_EX_GRIDLINES);
    m_list.AddExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(m_list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_FALSE(m_list.ModifyExtendedStyle(0, LVS_EX_GRIDLINES));
    EXPECT_TRUE(m_list.ModifyExtendedStyle(LVS_EX_GRIDLINES, 0));
    EXPECT_EQ(m_list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));

    CPoint p = CellPoint(2, 1);
    int nColumn = -1;
    EXPECT_EQ(m_list.HitTestCell(p, &nColumn), 2);
    EXPECT_EQ(nColumn, 1);

    m_list.ModifyStyle(LVS_TYPEMASK, LVS_ICON);
    EXPECT_EQ(m_list.GetColumnCount(), -1);
    EXPECT_EQ(m_list.AddColumn(L"None"), -1);
}

TEST_F(ListControl, MoveRowCopiesFirstAndKeepsTheSourceWhenThereIsNothingToCopy)
{
    EXPECT_TRUE(m_list.MoveRow(3, 0));
    EXPECT_EQ(m_list.GetItemCount(), 5);
    EXPECT_EQ(m_list.GetItemText(0, 0), CString(L"10:00:03"));
    EXPECT_EQ(m_list.GetItemText(4, 0), CString(L"10:00:04"));

    // A target past the end appends: the sub-items follow the row there.
    m_list.SetItemText(1, 1, L"moved");
    EXPECT_TRUE(m_list.MoveRow(1, 99));
    EXPECT_EQ(m_list.GetItemCount(), 5);
    EXPECT_EQ(m_list.GetItemText(4, 1), CString(L"moved"));

    EXPECT_FALSE(m_list.MoveRow(7, 0));   // no such row: nothing is deleted
    EXPECT_FALSE(m_list.MoveRow(2, 2));
    EXPECT_EQ(m_list.GetItemCount(), 5);
}

TEST_F(ListControl, HeaderNotificationsRefuseLockedAndNarrowWidths)
{
    HWND hHeader = m_list.GetHeaderCtrl()->GetSafeHwnd();
    auto send = [&](NMHEADERW& nm) {
        return m_list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    };
    m_list.LockColumnWidths(true);
    for (UINT nCode : {HDN_BEGINTRACKW, HDN_DIVIDERDBLCLICKW})
    {
        HDITEMW item = {};
        NMHEADERW nm = HeaderNotification(hHeader, nCode, 0, &item);
        EXPECT_EQ(send(nm), 1) << nCode;
    }
    m_list.LockColumnWidths(false);
    HDITEMW item = {};
    NMHEADERW nm = HeaderNotification(hHeader, HDN_BEGINTRACKW, 0, &item);
    EXPECT_EQ(send(nm), 0);

    m_list.SetMinColumnWidth(50);
    item.mask = HDI_WIDTH;
    item.cxy = 10;
    nm = HeaderNotification(hHeader, HDN_ITEMCHANGINGW, 0, &item);
    send(nm);
    EXPECT_EQ(item.cxy, 50);
}

TEST_F(ListControl, HeaderClicksSortOnlyThroughTheFlatHeader)
{
    HWND hHeader = m_list.GetHeaderCtrl()->GetSafeHwnd();
    auto click = [&](int nItem, int nButton) {
        HDITEMW item = {};
        NMHEADERW nm = HeaderNotification(hHeader, HDN_ITEMCLICKW, nItem, &item, nButton);
        m_list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    };
    click(0, 0);
    EXPECT_EQ(m_list.m_nSorts, 0);
    EXPECT_EQ(m_list.GetSortColumn(), -1);

    ASSERT_TRUE(m_list.AttachFlatHeader(false));
    EXPECT_FALSE(m_list.AttachFlatHeader(false));
    CZMFlatHeaderCtrl& header = m_list.GetFlatHeader();
    struct { int item; int button; int column; bool ascending; } steps[] = {
        {0, 0, 0, true}, {0, 0, 0, false}, {1, 0, 1, true}, {1, 0, 1, false}, {1, 2, 1, false}};
    int nSorts = 0;
    for (auto s : steps)
    {
        click(s.item, s.button);
        if (s.button != 2)
            nSorts++;
        EXPECT_EQ(m_list.m_nSorts, nSorts);
        EXPECT_EQ(m_list.m_nSortedColumn, s.column);
        EXPECT_EQ(m_list.m_bSortedAscending, s.ascending);
        BOOL bAscending = -1;
        EXPECT_EQ(header.GetSortImage(&bAscending), s.column);
        EXPECT_EQ(bAscending != FALSE, s.ascending);
    }
}

namespace
{
class StoredWidths : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t szDir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szDir);
        m_strPath = CString(szDir) + L"zm-list-widths.ini";
        ::DeleteFileW(m_strPath);
        CZMRegistryManager::SetINIFileName(m_strPath);
    }
    void TearDown() override
    {
        CZMRegistryManager::SetINIFileName(nullptr);
        ::DeleteFileW(m_strPath);
    }
    // A list with the columns 0, 1, 2 of widths 80, 100, 120, shown in the given order.
    void OpenList(CListTestDlg& dlg, const int* pOrder)
    {
        ASSERT_TRUE(dlg.Open());
        dlg.m_list.InsertColumn(0, L"A", LVCFMT_LEFT, 80);
        dlg.m_list.InsertColumn(1, L"B", LVCFMT_LEFT, 100);
        dlg.m_list.InsertColumn(2, L"C", LVCFMT_LEFT, 120);
        dlg.m_list.SendMessage(LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(pOrder));
    }
    CString Stored()
    {
        wchar_t sz[256] = {};
        ::GetPrivateProfileStringW(L"Settings", L"Column Info", L"<none>", sz, 256, m_strPath);
        return sz;
    }
    CString m_strPath;
};
} // namespace

TEST_F(StoredWidths, FirstStartKeepsTheColumnsAndReorderedWidthsComeBack)
{
    const int order[] = {2, 0, 1};
    {
        CListTestDlg dlg;
        OpenList(dlg, order);
        dlg.m_list.RememberColumnWidths();
        // Nothing stored yet: the columns keep their widths.
        EXPECT_EQ(dlg.m_list.GetColumnWidth(0), 80);
        EXPECT_EQ(dlg.m_list.GetColumnWidth(1), 100);
        EXPECT_EQ(dlg.m_list.GetColumnWidth(2), 120);
        dlg.m_list.SetColumnWidth(0, 61);
        dlg.m_list.SetColumnWidth(1, 62);
        dlg.m_list.SetColumnWidth(2, 63);
        dlg.DestroyWindow();
    }
    EXPECT_EQ(Stored(), CString(L"63,61,62,")); // display order

    CListTestDlg dlg;
    OpenList(dlg, order);
    dlg.m_list.RememberColumnWidths();
    EXPECT_EQ(dlg.m_list.GetColumnWidth(0), 61);
    EXPECT_EQ(dlg.m_list.GetColumnWidth(1), 62);
    EXPECT_EQ(dlg.m_list.GetColumnWidth(2), 63);
    dlg.DestroyWindow();
}

TEST_F(StoredWidths, DefaultTextIsUsedWhenNothingIsStored)
{
    const int order[] = {0, 1, 2};
    CListTestDlg dlg;
    OpenList(dlg, order);
    dlg.m_list.RememberColumnWidths(L"Log", L"Widths", L"50,,70");
    EXPECT_EQ(dlg.m_list.GetColumnWidth(0), 50);
    EXPECT_EQ(dlg.m_list.GetColumnWidth(1), 100); // an empty field keeps the width
    EXPECT_EQ(dlg.m_list.GetColumnWidth(2), 70);
    EXPECT_EQ(dlg.m_list.GetStoredColumnWidth(1), 0);
    dlg.DestroyWindow();
}
