#include "CTestInput.h"
#include "ControlsTestSupport.h"
#include "CZMRImageManager.h"
#include "CZMRWinThemeWrapper.h"
#include "StandInVisualStyles.h"

#include <gtest/gtest.h>
#include <vsstyle.h>

#include <memory>
#include <string>

namespace
{
// A list of four columns of 100 pixels whose header is a CZMHeaderCtrl of
// its own (not the list's embedded flat header).
class HeaderControl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Open(420, 200));
        for (int i = 0; i < 4; i++)
        {
            CString strHeading;
            strHeading.Format(L"Col%d", i);
            m_dlg.m_list.InsertColumn(i, strHeading, LVCFMT_LEFT, 100);
        }
        m_dlg.m_list.InsertItem(0, L"row");
        ASSERT_TRUE(m_header.SubclassWindow(m_dlg.m_list.GetHeaderCtrl()->GetSafeHwnd()));
    }
    void TearDown() override
    {
        if (m_dlg.GetSafeHwnd())
            m_dlg.DestroyWindow();
    }
    // Gives the header a style of its own (0 default, 1 flat, 2 flat with gradient lines).
    CZMHeaderCtrlTheme* UseStyle(int nTheme)
    {
        CZMHeaderCtrlThemeFactory factory;
        m_header.SetTheme(factory.CreateTheme(nTheme));
        return m_header.GetTheme();
    }
    CSize TextSize(const wchar_t* lpszText)
    {
        HDC hDC = ::GetDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HFONT>(m_header.SendMessage(WM_GETFONT)));
        SIZE sz = {};
        ::GetTextExtentPoint32W(hDC, lpszText, lstrlenW(lpszText), &sz);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(nullptr, hDC);
        return CSize(sz.cx, sz.cy);
    }

    CListTestDlg m_dlg;
    CZMHeaderCtrl m_header;
};

// Where the ascending arrow of a left-aligned item at x = left lies: its
// base line runs from (x, base) to (x + 8, base).
struct ArrowPlace
{
    int x, base, tip;
};
ArrowPlace ArrowOf(int nLeft, int nHeaderHeight, CSize szText)
{
    const int nTextTop = (nHeaderHeight - szText.cy) / 2;
    const int x = nLeft + 6 + szText.cx + 10;
    const int y = nTextTop + (szText.cy - 7) / 2 - 1;
    return {x, y + 7, y};
}
} // namespace

TEST_F(HeaderControl, EachStyleDrawsTheSortArrowBesideTheText)
{
    const wchar_t* names[] = {L"header-default.png", L"header-officexp.png", L"header-office2003.png"};
    for (int nTheme = 0; nTheme < 3; nTheme++)
    {
        SCOPED_TRACE(nTheme);
        CZMHeaderCtrlTheme* pTheme = UseStyle(nTheme);
        ASSERT_TRUE(pTheme);
        m_header.SetSortImage(0, TRUE);
        CRect rc;
        m_header.GetClientRect(&rc);
        const CSize szText = TextSize(L"Col0");
        if (nTheme == 2)
        {
            EXPECT_EQ(rc.Height(), szText.cy + 10); // the text's height and 10
        }

        CWindowPicture pic;
        pic.Print(m_header.GetSafeHwnd());
        pic.SavePng(names[nTheme]);
        // Ascending: the base is drawn in the highlight colour, the slope in shadow.
        const ArrowPlace arrow = ArrowOf(0, rc.Height(), szText);
        EXPECT_EQ(pic.At(arrow.x + 3, arrow.base), pTheme->m_clrHighlight);
        EXPECT_EQ(pic.At(arrow.x + 4, arrow.tip), pTheme->m_clrHighlight); // the tip, end of the right slope
        // The second item has no arrow where the first has one.
        EXPECT_EQ(pic.At(100 + arrow.x - 0 + 3, arrow.base), pTheme->m_clrFace);

        // Descending: the base is on top, in shadow.
        m_header.SetSortImage(0, FALSE);
        pic.Print(m_header.GetSafeHwnd());
        EXPECT_EQ(pic.At(arrow.x + 3, arrow.tip), pTheme->m_clrShadow);
    }
}

TEST_F(HeaderControl, FrozenColumnsKeepTheirWidthAndSpreadSkipsThem)
{
    m_header.FreezeColumn(0);
    m_header.FreezeColumn(1);
    m_header.SpreadWidth(200);
    const int expected[] = {100, 100, 100, 100};
    m_header.SetMinColumnWidth(100);
    m_header.SpreadWidth(200); // 100 per column is not above the minimum
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(m_dlg.m_list.GetColumnWidth(i), expected[i]);
    m_header.SetMinColumnWidth(0);
    m_header.SpreadWidth(120);
    const int spread[] = {100, 100, 60, 60};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(m_dlg.m_list.GetColumnWidth(i), spread[i]);

    // A width change of a frozen column, or below the minimum, is refused.
    m_header.SetMinColumnWidth(50);
    struct { int item; int width; LRESULT result; } cases[] = {{0, 150, 1}, {2, 150, 0}, {2, 40, 1}};
    for (auto c : cases)
    {
        HDITEMW item = {};
        item.mask = HDI_WIDTH;
        item.cxy = c.width;
        NMHEADERW nm = {};
        nm.hdr.hwndFrom = m_header.GetSafeHwnd();
        nm.hdr.code = HDN_ITEMCHANGINGW;
        nm.iItem = c.item;
        nm.pitem = &item;
        EXPECT_EQ(m_dlg.m_list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm)), c.result) << c.item;
    }
}

TEST_F(HeaderControl, PressedItemIsOnlyThePressedOne)
{
    CRect rc;
    m_header.GetItemRect(1, &rc);
    CPoint pt = rc.CenterPoint();
    m_header.ClientToScreen(&pt);
    CTestInput::MoveTo(pt);
    EXPECT_FALSE(m_header.IsItemUnderCursor(1)); // button up
    m_header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    EXPECT_TRUE(m_header.IsItemUnderCursor(1));
    EXPECT_FALSE(m_header.IsItemUnderCursor(0));
    m_header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    ::ReleaseCapture();
    EXPECT_FALSE(m_header.IsItemUnderCursor(1));
}

TEST_F(HeaderControl, MenuSortCommandsReachTheListAsRightButtonClicks)
{
    // The list's own flat header takes the place of the test header here.
    m_header.UnsubclassWindow();
    ASSERT_TRUE(m_dlg.m_list.AttachFlatHeader(false));
    CZMFlatHeaderCtrl& header = m_dlg.m_list.GetFlatHeader();
    CRect rc;
    header.GetItemRect(2, &rc);
    const LPARAM at2 = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);

    // The toolkit menu is not in this program: the right button shows nothing
    // but remembers where it was pressed.
    header.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, at2);
    header.SendMessage(WM_COMMAND, ZM_ID_SORTDSC);
    EXPECT_EQ(m_dlg.m_list.m_nSorts, 1);
    EXPECT_EQ(m_dlg.m_list.m_nSortedColumn, 2);
    EXPECT_FALSE(m_dlg.m_list.m_bSortedAscending);
    header.SendMessage(WM_COMMAND, ZM_ID_SORTDSC); // already so: nothing
    EXPECT_EQ(m_dlg.m_list.m_nSorts, 1);
    header.SendMessage(WM_COMMAND, ZM_ID_SORTASC);
    EXPECT_EQ(m_dlg.m_list.m_nSorts, 2);
    EXPECT_TRUE(m_dlg.m_list.m_bSortedAscending);

    header.SendMessage(WM_COMMAND, ZM_ID_ALIGNRIGHT);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT;
    m_dlg.m_list.GetColumn(2, &column);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);

    // With LVS_NOSORTHEADER the right button is the system's and nothing is remembered.
    header.GetItemRect(0, &rc);
    m_dlg.m_list.ModifyStyle(0, LVS_NOSORTHEADER);
    header.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
    header.SendMessage(WM_COMMAND, ZM_ID_SORTDSC);
    EXPECT_EQ(m_dlg.m_list.m_nSortedColumn, 0);
}

TEST(ThemeManager, OneHostsOwnStyleLeavesTheSharedOneAlone)
{
    CZMHeaderCtrl first, second;
    CZMThemeManagerStyleFactory* pShared = second.GetFactory();
    ASSERT_TRUE(pShared);
    CZMHeaderCtrlTheme* pSharedStyle = second.GetTheme();
    ASSERT_TRUE(pSharedStyle);
    EXPECT_EQ(first.GetTheme(), pSharedStyle);

    first.SetTheme(new CZMHeaderCtrlThemeOffice2003);
    EXPECT_NE(first.GetTheme(), pSharedStyle);
    EXPECT_EQ(second.GetTheme(), pSharedStyle);

    CZMHeaderCtrlThemeFactory maker;
    pShared->SetStyle(maker.CreateTheme(1));
    EXPECT_EQ(dynamic_cast<CZMHeaderCtrlThemeOfficeXP*>(second.GetTheme()) != nullptr, true);
    EXPECT_EQ(dynamic_cast<CZMHeaderCtrlThemeOffice2003*>(first.GetTheme()) != nullptr, true);

    first.SetTheme(nullptr); // back to the shared style
    EXPECT_EQ(first.GetTheme(), second.GetTheme());
    pShared->SetStyle(maker.CreateTheme(0));
}

TEST_F(HeaderControl, OnlyImageListsMadeForItemsAreDestroyed)
{
    CZMHeaderCtrlTheme* pTheme = UseStyle(0);
    HBITMAP hApplication = ::CreateBitmap(8, 8, 1, 32, nullptr);
    HDITEMW item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    item.fmt = HDF_BITMAP | HDF_STRING;
    item.hbm = hApplication;
    m_header.SetItem(1, &item);

    EXPECT_FALSE(pTheme->SetItemImage(0, 1, TRUE, 0, &m_header)); // remove: false
    EXPECT_FALSE(pTheme->SetItemImage(0, 4999, FALSE, 0, &m_header)); // no such bitmap
    pTheme->ReleaseItemImages(&m_header);
    BITMAP bm = {};
    EXPECT_EQ(::GetObject(hApplication, sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
    ::DeleteObject(hApplication);
}

namespace
{
// A stand-in visual-style library (Wine shows none) whose header items are
// filled in one colour per state, so that the hot item shows in the picture.
const COLORREF kStateColors[4] = {0, RGB(0, 160, 0), RGB(230, 0, 0), RGB(0, 0, 230)};
HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(0x77); }
HRESULT WINAPI FakeCloseThemeData(HTHEME) { return S_OK; }
BOOL WINAPI FakeTrue() { return TRUE; }
HRESULT WINAPI FakeDrawThemeBackground(HTHEME, HDC hDC, int nPart, int nState, LPCRECT pRect, LPCRECT)
{
    HBRUSH hBrush = ::CreateSolidBrush(nPart == HP_HEADERITEM ? kStateColors[nState & 3] : RGB(90, 90, 90));
    ::FillRect(hDC, pRect, hBrush);
    ::DeleteObject(hBrush);
    return S_OK;
}

class HotTracking : public HeaderControl
{
protected:
    void SetUp() override
    {
        m_styles.reset(new CStandInVisualStyles({
            {"OpenThemeData", reinterpret_cast<void*>(FakeOpenThemeData)},
            {"CloseThemeData", reinterpret_cast<void*>(FakeCloseThemeData)},
            {"IsThemeActive", reinterpret_cast<void*>(FakeTrue)},
            {"IsAppThemed", reinterpret_cast<void*>(FakeTrue)},
            {"DrawThemeBackground", reinterpret_cast<void*>(FakeDrawThemeBackground)},
        }));
        HeaderControl::SetUp();
    }
    void TearDown() override
    {
        // The header and its style close their theme while the stand-in is in place.
        HeaderControl::TearDown();
        m_header.SetTheme(nullptr);
        m_styles.reset();
    }
    // Moves the cursor over the header's client point and tells the header.
    void MoveTo(CPoint pt)
    {
        CPoint ptScreen = pt;
        m_header.ClientToScreen(&ptScreen);
        CTestInput::MoveTo(ptScreen);
        m_header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    std::unique_ptr<CStandInVisualStyles> m_styles;
};
} // namespace

TEST_F(HotTracking, TheItemUnderTheMouseIsDrawnHotUntilTheMouseLeaves)
{
    CZMHeaderCtrlTheme* pTheme = UseStyle(0);
    ASSERT_TRUE(pTheme->SetDrawStyle(7, &m_header)); // visual styles, hot tracking, arrows
    CRect rc1, rc2;
    m_header.GetItemRect(1, &rc1);
    m_header.GetItemRect(2, &rc2);

    MoveTo(rc1.CenterPoint());
    ASSERT_TRUE(PumpMessagesUntil([&] { return m_header.GetHotItem() == 1; }));
    CWindowPicture pic;
    pic.Print(m_header.GetSafeHwnd());
    pic.SavePng(L"header-hot.png");
    EXPECT_EQ(pic.At(rc1.left + 3, 3), kStateColors[2]);
    EXPECT_EQ(pic.At(rc2.left + 3, 3), kStateColors[1]);

    MoveTo(rc2.CenterPoint());
    ASSERT_TRUE(PumpMessagesUntil([&] { return m_header.GetHotItem() == 2; }));
    pic.Print(m_header.GetSafeHwnd());
    EXPECT_EQ(pic.At(rc1.left + 3, 3), kStateColors[1]);
    EXPECT_EQ(pic.At(rc2.left + 3, 3), kStateColors[2]);

    // Leaving every item stops the timer; nothing is drawn hot any more.
    CPoint ptOutside(rc2.CenterPoint().x, rc2.bottom + 40);
    m_header.ClientToScreen(&ptOutside);
    CTestInput::MoveTo(ptOutside);
    PumpMessagesUntil([] { return false; }, 100);
    pic.Print(m_header.GetSafeHwnd());
    EXPECT_EQ(pic.At(rc2.left + 3, 3), kStateColors[1]);
}

TEST_F(HotTracking, FlatStylesNeverTrack)
{
    UseStyle(1);
    CRect rc;
    m_header.GetItemRect(1, &rc);
    MoveTo(rc.CenterPoint());
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(m_header.GetHotItem(), -1);
}

TEST_F(HeaderControl, ItemIconsComeFromTheHeadersImageManager)
{
    UseStyle(1);
    // A 16 x 16 picture, opaque green.
    LPBYTE pBits = nullptr;
    HBITMAP hGreen = CreateArgbDibSection(nullptr, 16, 16, &pBits);
    for (int i = 0; i < 16 * 16; i++)
        reinterpret_cast<DWORD*>(pBits)[i] = 0xFF00B000;
    CZMRIconHandle handle;
    handle.SetBitmap(hGreen);
    CZMRImageManager* pImages = new CZMRImageManager;
    ASSERT_TRUE(pImages->SetIcon(handle, 5, 16, 16, ZMR_ICONSTATE_NORMAL));
    m_header.SetImageManager(pImages);

    HDITEMW item = {};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = HDF_STRING | HDF_IMAGE;
    item.iImage = 5;
    m_header.SetItem(1, &item);
    CRect rc;
    m_header.GetItemRect(1, &rc);
    CWindowPicture pic;
    pic.Print(m_header.GetSafeHwnd());
    // The icon sits at the text margin, centred in height; the text follows it.
    EXPECT_EQ(pic.At(rc.left + 6 + 8, rc.Height() / 2), RGB(0, 0xB0, 0));
    EXPECT_NE(pic.At(rc.left + 6 + 8, rc.Height() / 2 - 8 - 2), RGB(0, 0xB0, 0));
    ::DeleteObject(hGreen);
}
