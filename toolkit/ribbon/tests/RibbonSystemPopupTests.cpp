// The system button and its popup: the bottom row's places, the popup's
// frame, column and buttons drawn from the skin, clicks over the button
// going through, pages beside their command, the recent documents with
// their numbers, and the button's double click and popup placement.
#include "RibbonTestSupport.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControls.h"
#include "CZMRMouseManager.h"
#include "CZMRRibbonControlSystemButton.h"
#include "CZMRRibbonControlSystemPopupBarButton.h"
#include "CZMRRibbonControlSystemPopupBarListItem.h"
#include "CZMRRibbonControlSystemRecentFileList.h"
#include "CZMRRibbonSystemPopupBar.h"
#include "CZMRRibbonSystemPopupBarPage.h"
#include "ArtifactPng.h"
#include "PixelCanvas.h"
#include "WindowPixels.h"

#include <commctrl.h>
#include <string>
#include <vector>

namespace
{
// The system-menu test skin bound for one scope.
class CSystemMenuSkinBound
{
public:
    CSystemMenuSkinBound() : m_hOld(GetOffice2007Images()->GetHandle())
    {
        GetOffice2007Images()->SetHandle(::LoadLibraryW(L"zm_systemmenuskin.dll"), nullptr, TRUE);
    }
    ~CSystemMenuSkinBound() { GetOffice2007Images()->SetHandle(m_hOld); }

private:
    HMODULE m_hOld;
};

// A command of the left column, of fixed size.
class CColumnButton : public CZMRControlButton
{
public:
    CSize GetSize(CDC*) override { return CSize(120, 24); }
    void Draw(CDC*) override {}
};

// The pixels of a window's client area, read from the window.
class CClientPixels
{
public:
    explicit CClientPixels(HWND hWnd) : m_pixels(ReadWindow(hWnd, m_sz, TRUE)) {}
    COLORREF At(int x, int y) const { return m_pixels[size_t(y) * size_t(m_sz.cx) + size_t(x)]; }
    bool Save(LPCWSTR lpszName) const
    {
        return SaveArtifactPng(lpszName, m_sz.cx, m_sz.cy, [this](int x, int y) { return At(x, y); });
    }
    SIZE m_sz;

private:
    std::vector<COLORREF> m_pixels;
};

class SystemPopup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pHost = CRibbonHost::Create(CRect(40, 40, 680, 520));
        ASSERT_NE(nullptr, m_pHost);
        m_pRibbon = m_pHost->Ribbon();
        m_pRibbon->InsertTab(0, L"Home", 1);
        m_pRibbon->SelectTab(0);
        m_pButton = m_pRibbon->AddSystemButton(100);
        m_pPopup = static_cast<CZMRRibbonSystemPopupBar*>(RUNTIME_CLASS(CZMRRibbonSystemPopupBar)->CreateObject());
        m_pPopup->SetBarManager(m_pHost->Manager());
        m_pButton->SetCommandBar(m_pPopup);
        m_pPopup->InternalRelease();
        m_pHost->Layout();
    }
    void TearDown() override
    {
        m_pHost->Manager()->CancelTracking();
        delete m_pHost;
    }
    // Three commands, the recent documents in a column of their own, and
    // two buttons along the bottom.
    void FillPopup()
    {
        CZMRControls* pControls = m_pPopup->GetControls();
        for (int i = 0; i < 3; i++)
            pControls->AddControl(new CColumnButton, 700 + i);
        m_pList = pControls->AddControl(new CZMRRibbonControlSystemRecentFileList, 710);
        m_pList->SetCaption(L"Recent Documents");
        m_pOptions = pControls->AddControl(new CZMRRibbonControlSystemPopupBarButton, 720);
        m_pOptions->SetCaption(L"Options");
        m_pOptions->SetStyle(zmrButtonCaption);
        m_pExit = pControls->AddControl(new CZMRRibbonControlSystemPopupBarButton, 721);
        m_pExit->SetCaption(L"Exit");
        m_pExit->SetStyle(zmrButtonCaption);
    }
    BOOL Open()
    {
        const BOOL bOpen = m_pButton->ShowPopup(TRUE);
        CRibbonHost::Pump();
        return bOpen && m_pPopup->GetSafeHwnd() && ::IsWindowVisible(m_pPopup->GetSafeHwnd());
    }

    CRibbonHost* m_pHost = nullptr;
    CZMRRibbonBar* m_pRibbon = nullptr;
    CZMRRibbonControlSystemButton* m_pButton = nullptr;
    CZMRRibbonSystemPopupBar* m_pPopup = nullptr;
    CZMRControl* m_pList = nullptr;
    CZMRControl* m_pOptions = nullptr;
    CZMRControl* m_pExit = nullptr;
};
} // namespace

TEST(SystemPopupLayout, BottomButtonsStandRightAlignedAlongTheBottomEdge)
{
    const CRect rcBorders(6, 18, 6, 29);
    struct
    {
        const char* name;
        std::vector<CSize> sizes;
        std::vector<CRect> rects;
    } cases[] = {
        {"none", {}, {}},
        {"one", {CSize(50, 22)}, {CRect(245, 175, 295, 197)}},
        {"two, 6 apart", {CSize(50, 22), CSize(40, 20)}, {CRect(199, 175, 249, 197), CRect(255, 175, 295, 197)}},
    };
    for (const auto& c : cases)
    {
        std::vector<CRect> rects(c.sizes.size());
        CZMRRibbonSystemPopupBar::PlaceBottomButtons(CSize(300, 200), rcBorders, c.sizes.data(), int(c.sizes.size()),
                                                     rects.data());
        EXPECT_EQ(c.rects, rects) << c.name;
    }
}

TEST_F(SystemPopup, OpensWithItsColumnsFrameAndBottomRowFromTheSkin)
{
    CSystemMenuSkinBound skin;
    CWinApp app(L"SystemPopupTests");
    app.m_pRecentFileList = new CRecentFileList(1, L"Recent File List", L"File%d", 4);
    app.m_pRecentFileList->Add(L"C:\\docs\\Budget");
    app.m_pRecentFileList->Add(L"C:\\docs\\Plan");
    FillPopup();
    EXPECT_EQ(CRect(6, 18, 6, 29), m_pPopup->GetBorders());
    ASSERT_TRUE(Open());
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    const CSize sz = rcClient.Size();

    // The recent documents open the second column under their caption.
    const CRect rcList = m_pList->GetRect();
    EXPECT_GE(rcList.left, m_pPopup->GetControl(0)->GetRect().right);
    EXPECT_EQ(CSize(300, 27), rcList.Size());
    ASSERT_EQ(8, m_pPopup->GetControlCount()) << "two file items after the caption";
    EXPECT_EQ(CSize(300, 21), m_pPopup->GetControl(4)->GetRect().Size());
    EXPECT_EQ(rcList.bottom, m_pPopup->GetControl(4)->GetRect().top);

    // The buttons along the bottom, as the placement rule puts them.
    CSize sizes[2] = {m_pOptions->GetRect().Size(), m_pExit->GetRect().Size()};
    CRect rects[2];
    CZMRRibbonSystemPopupBar::PlaceBottomButtons(sz, m_pPopup->GetBorders(), sizes, 2, rects);
    EXPECT_EQ(rects[0], m_pOptions->GetRect());
    EXPECT_EQ(rects[1], m_pExit->GetRect());
    EXPECT_EQ(sz.cy - 25, m_pExit->GetRect().top);
    EXPECT_EQ(sz.cx - 5, m_pExit->GetRect().right);
    EXPECT_GT(m_pOptions->GetRect().Width(), 20) << "measured as a tool-bar item";

    m_pPopup->Redraw();
    m_pPopup->UpdateWindow();
    {
        const CClientPixels pixels(m_pPopup->GetSafeHwnd());
        pixels.Save(L"ribbon_system_popup.png");
        EXPECT_EQ(RGB(200, 30, 30), pixels.At(2, sz.cy / 2)) << "left border";
        EXPECT_EQ(RGB(30, 200, 30), pixels.At(sz.cx - 3, sz.cy / 2)) << "right border";
        EXPECT_EQ(RGB(30, 30, 200), pixels.At(sz.cx - 20, 5)) << "top border";
        EXPECT_EQ(RGB(200, 200, 30), pixels.At(10, sz.cy - 10)) << "bottom border";
        const CRect rcColumn = m_pList->GetRowRect();
        EXPECT_EQ(RGB(70, 140, 210), pixels.At(rcColumn.left + 3, rcColumn.bottom - 2)) << "the right column";
        EXPECT_EQ(RGB(11, 22, 33), pixels.At(rcList.left + 150, rcList.bottom - 6)) << "caption edge, shadow";
        EXPECT_EQ(RGB(44, 55, 66), pixels.At(rcList.left + 150, rcList.bottom - 5)) << "caption edge, light";
        const CRect rcExit = m_pExit->GetRect();
        EXPECT_EQ(RGB(50, 100, 150), pixels.At(rcExit.left + 1, rcExit.CenterPoint().y)) << "button, state 0";
        EXPECT_EQ(RGB(200, 200, 30), pixels.At(rcExit.left, rcExit.top)) << "the button's corner is keyed out";
    }
    m_pPopup->SetHotControl(m_pExit->GetIndex());
    m_pPopup->Redraw();
    m_pPopup->UpdateWindow();
    {
        const CClientPixels pixels(m_pPopup->GetSafeHwnd());
        const CRect rcExit = m_pExit->GetRect();
        EXPECT_EQ(RGB(150, 100, 50), pixels.At(rcExit.left + 1, rcExit.CenterPoint().y)) << "button, state 1";
    }

    // Clicks over the system button go through to it.
    CRect rcButton = m_pButton->GetRect();
    m_pRibbon->ClientToScreen(&rcButton);
    const CPoint ptButton = rcButton.CenterPoint();
    EXPECT_EQ(HTTRANSPARENT, LRESULT(m_pPopup->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptButton.x, ptButton.y))));
    CRect rcPopup;
    m_pPopup->GetWindowRect(&rcPopup);
    const CPoint ptInside(rcPopup.right - 10, rcPopup.bottom - 10);
    EXPECT_NE(HTTRANSPARENT, LRESULT(m_pPopup->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptInside.x, ptInside.y))));
}

TEST_F(SystemPopup, WithoutTheSkinOnlyTheToolBarItemsDraw)
{
    FillPopup();
    ASSERT_TRUE(Open());
    m_pPopup->Redraw();
    m_pPopup->UpdateWindow();
    const CClientPixels pixels(m_pPopup->GetSafeHwnd());
    EXPECT_NE(RGB(200, 30, 30), pixels.At(2, pixels.m_sz.cy / 2));
    EXPECT_NE(RGB(50, 100, 150), pixels.At(m_pExit->GetRect().left + 1, m_pExit->GetRect().CenterPoint().y));
}

TEST_F(SystemPopup, APageOpensBesideItsCommandAsHighAsThePopupsContent)
{
    FillPopup();
    ASSERT_TRUE(Open());
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    auto* pPage = static_cast<CZMRRibbonSystemPopupBarPage*>(
        RUNTIME_CLASS(CZMRRibbonSystemPopupBarPage)->CreateObject());
    pPage->SetBarManager(m_pHost->Manager());
    pPage->GetControls()->AddControl(new CColumnButton, 800);
    pPage->SetControlPopup(m_pPopup->GetControl(1));
    EXPECT_EQ(m_pPopup, pPage->GetSystemPopup());
    EXPECT_EQ(rcClient.Height() - 29 - 18 - 2, pPage->CalcDynamicLayout(0, 0).cy);
    CRect rcAvoid(6, 42, 126, 66);
    pPage->AdjustAvoidRect(rcAvoid, TRUE);
    EXPECT_EQ(CRect(6, 19, 127, 66), rcAvoid);

    // Opened from anything else, it is an ordinary popup.
    pPage->SetControlPopup(nullptr);
    EXPECT_EQ(nullptr, pPage->GetSystemPopup());
    EXPECT_LT(pPage->CalcDynamicLayout(0, 0).cy, rcClient.Height() - 49);
    pPage->InternalRelease();
}

TEST_F(SystemPopup, TheButtonsPopupOverlapsItsLowerPartOnlyUnderTheTabs)
{
    CRect rc(0, 30, 40, 70);
    m_pButton->AdjustAvoidRect(rc, TRUE);
    EXPECT_EQ(CRect(0, 30, 40, 52), rc) << "caption band and tabs";
    m_pRibbon->SetTabsVisible(FALSE);
    rc = CRect(0, 30, 40, 70);
    m_pButton->AdjustAvoidRect(rc, TRUE);
    EXPECT_EQ(CRect(0, 30, 40, 70), rc) << "below the whole button";
    m_pRibbon->SetTabsVisible(TRUE);
    CZMRPopupBar* pPlain = CZMRPopupBar::CreatePopupBar(m_pHost->Manager());
    m_pButton->SetCommandBar(pPlain);
    pPlain->InternalRelease();
    rc = CRect(0, 30, 40, 70);
    m_pButton->AdjustAvoidRect(rc, TRUE);
    EXPECT_EQ(CRect(0, 30, 40, 70), rc) << "another kind of popup";
}

namespace
{
std::vector<WPARAM> g_sysCommands;
LRESULT CALLBACK RecordSysCommand(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_SYSCOMMAND)
    {
        g_sysCommands.push_back(wParam);
        return 0;
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}
} // namespace

TEST_F(SystemPopup, ADoubleClickAsksTheSiteToClose)
{
    g_sysCommands.clear();
    HWND hWndFrame = m_pHost->Frame()->GetSafeHwnd();
    ASSERT_TRUE(::SetWindowSubclass(hWndFrame, RecordSysCommand, 1, 0));
    EXPECT_TRUE(m_pButton->OnLButtonDblClk(m_pButton->GetRect().CenterPoint()));
    ::RemoveWindowSubclass(hWndFrame, RecordSysCommand, 1);
    EXPECT_EQ(std::vector<WPARAM>{WPARAM(61539)}, g_sysCommands);
    EXPECT_TRUE(::IsWindow(hWndFrame));
}

// ---------------------------------------------------------------- recent documents

TEST(SystemRecentFiles, NumberedUpToTheNinthWithTheirPathsAsTooltips)
{
    CWinApp app(L"SystemRecentFileTests");
    app.m_pRecentFileList = new CRecentFileList(1, L"Recent File List", L"File%d", 12);
    for (int i = 12; i >= 1; i--)
    {
        CString strPath;
        strPath.Format(i == 3 ? L"C:\\docs\\R&D %d" : L"C:\\docs\\Plan %d", i);
        app.m_pRecentFileList->Add(strPath);
    }
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    CZMRControls* pControls = pPopup->GetControls();
    CZMRControl* pList = pControls->AddControl(new CZMRRibbonControlSystemRecentFileList, 710);
    pControls->Add(zmrControlButton, 800);
    pList->ExpandIntoItems(0);
    pList->ExpandIntoItems(0);
    ASSERT_EQ(14, pControls->GetCount()) << "the list, twelve files, the button after";
    struct
    {
        int nIndex;
        LPCTSTR lpszCaption;
        LPCTSTR lpszPath;
    } cases[] = {
        {1, L"&1 Plan 1", L"C:\\docs\\Plan 1"},
        {3, L"&3 R&&D 3", L"C:\\docs\\R&D 3"},
        {9, L"&9 Plan 9", L"C:\\docs\\Plan 9"},
        {10, L"Plan 10", L"C:\\docs\\Plan 10"},
        {12, L"Plan 12", L"C:\\docs\\Plan 12"},
    };
    for (const auto& c : cases)
    {
        CZMRControl* pItem = pControls->GetAt(c.nIndex);
        EXPECT_STREQ(c.lpszCaption, pItem->GetCaption()) << c.nIndex;
        EXPECT_STREQ(c.lpszPath, pItem->GetTooltip()) << c.nIndex;
        EXPECT_EQ(ZMR_ID_FILE_MRU_FIRST + c.nIndex - 1, pItem->GetID());
        EXPECT_EQ(DWORD(0x48), pItem->GetFlags());
        EXPECT_TRUE(pItem->IsTemporary());
        EXPECT_TRUE(pItem->GetDescription().IsEmpty());
        EXPECT_TRUE(static_cast<CZMRRibbonControlSystemPopupBarListItem*>(pItem)->ShowsNumber());
        EXPECT_EQ(RUNTIME_CLASS(CZMRRibbonControlSystemPopupBarListItem), pItem->GetRuntimeClass());
    }
    EXPECT_EQ(800, pControls->GetAt(13)->GetID());

    // A full list of four stops at four.
    delete app.m_pRecentFileList;
    app.m_pRecentFileList = new CRecentFileList(1, L"Recent File List", L"File%d", 4);
    for (LPCTSTR lpszPath : {L"C:\\a\\One", L"C:\\a\\Two", L"C:\\a\\Three", L"C:\\a\\Four"})
        app.m_pRecentFileList->Add(lpszPath);
    pControls->RemoveAll();
    pList = pControls->AddControl(new CZMRRibbonControlSystemRecentFileList, 710);
    pList->ExpandIntoItems(0);
    EXPECT_EQ(5, pControls->GetCount());

    // In customize mode the list shows alone.
    CZMRBarManager manager;
    CZMRPopupBar* pCustomized = CZMRPopupBar::CreatePopupBar(&manager);
    CZMRControl* pShown = pCustomized->GetControls()->AddControl(new CZMRRibbonControlSystemRecentFileList, 710);
    pShown->SetVisible(FALSE);
    manager.SetCustomizeMode(&manager);
    pShown->ExpandIntoItems(0);
    manager.SetCustomizeMode(nullptr);
    EXPECT_EQ(1, pCustomized->GetControlCount());
    EXPECT_TRUE(pShown->IsVisible());
    pCustomized->InternalRelease();
    pPopup->InternalRelease();
}

TEST(SystemRecentFiles, ALongTitleIsNeitherCutNorGarbage)
{
    const CString strName = CString(L'x', 300);
    EXPECT_STREQ(strName, CZMRRibbonControlSystemRecentFileList::GetFileTitleOf(L"C:\\docs\\" + strName));
    EXPECT_STREQ(L"Plan", CZMRRibbonControlSystemRecentFileList::GetFileTitleOf(L"C:\\docs\\Plan"));
}

TEST(SystemListItem, TheNumberTakesAColumnOfItsOwn)
{
    struct
    {
        LPCTSTR lpszCaption;
        BOOL bSplit;
        LPCTSTR lpszNumber;
        LPCTSTR lpszRest;
    } cases[] = {
        {L"&1 Plan", TRUE, L"&1", L"Plan"},   {L"&9 R&&D", TRUE, L"&9", L"R&&D"}, {L"&1 ", TRUE, L"&1", L""},
        {L"&1x Plan", FALSE, L"", L"&1x Plan"}, {L"&1", FALSE, L"", L"&1"},       {L"1& Plan", FALSE, L"", L"1& Plan"},
    };
    for (const auto& c : cases)
    {
        CString strNumber, strRest;
        EXPECT_EQ(c.bSplit, CZMRRibbonControlSystemPopupBarListItem::SplitNumber(c.lpszCaption, strNumber, strRest))
            << std::wstring(c.lpszCaption).size();
        EXPECT_STREQ(c.lpszNumber, strNumber);
        EXPECT_STREQ(c.lpszRest, strRest);
    }

    // Drawn: the number 7 px in, the rest after a column of "0" + 7.
    auto* pTheme = new CZMRRibbonTheme;
    pTheme->RefreshMetrics();
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    pPopup->SetPaintManager(pTheme);
    pTheme->InternalRelease();
    CZMRRibbonTheme& theme = *pTheme;
    auto* pItem = new CZMRRibbonControlSystemPopupBarListItem;
    pPopup->GetControls()->AddControl(pItem, 900);
    pItem->SetCaption(L"&1 WWWW");
    pItem->SetRect(CRect(0, 0, 300, 21));
    auto firstInkedColumn = [&](BOOL bShowsNumber, int xFrom) {
        pItem->SetShowsNumber(bShowsNumber);
        CPixelCanvas canvas(300, 21, RGB(255, 255, 255));
        pItem->Draw(canvas.DC());
        for (int x = xFrom; x < 300; x++)
            for (int y = 0; y < 21; y++)
                if (canvas.Pixel(x, y) != RGB(255, 255, 255))
                    return x;
        return -1;
    };
    CPixelCanvas measure(10, 10);
    CFont* pOld = measure.DC()->SelectObject(theme.GetControlFont(pItem));
    const int nDigit = measure.DC()->GetTextExtent(CString(L"0")).cx;
    measure.DC()->SelectObject(pOld);
    const int xNumber = firstInkedColumn(TRUE, 0);
    EXPECT_GE(xNumber, 7);
    EXPECT_LT(xNumber, 7 + nDigit);
    EXPECT_GE(firstInkedColumn(TRUE, 7 + nDigit), 7 + nDigit + 7) << "the rest after the number's column";
    EXPECT_LT(firstInkedColumn(FALSE, 0), 7 + nDigit) << "without the switch the caption is drawn whole";
    pPopup->InternalRelease();
}
