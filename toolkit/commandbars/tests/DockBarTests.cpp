// Dock bars: the rows of their bar array as bars are docked at a drop point
// or at the end and removed, and the frame's layout pass on each side: the
// strip the dock bar takes, the places and layout flags of its bars.
#include "BarTestSupport.h"
#include "DockTestSupport.h"
#include "CZMRDockBar.h"
#include "CZMRDockContext.h"
#include <gtest/gtest.h>
#include <string>
#include <cstring>
#include "MemoryPropStore.h"
#include "CZMRControls.h"
#include "CZMRControlPopup.h"
#include "CZMRPopupBar.h"

namespace
{
class DockBarTest : public BarSiteTest
{
protected:
    CSizedToolBar* Dock(LPCTSTR lpszTitle, int nSide, CSize sz = CSize(100, 24), LPCRECT lpClientRect = nullptr)
    {
        auto* pBar = new CSizedToolBar(sz);
        pBar->SetTitle(lpszTitle);
        m_pManager->AddBar(pBar);
        if (!lpClientRect)
            EXPECT_TRUE(m_pManager->DockToolBarSide(pBar, nSide));
        else
            DockAt(pBar, nSide, *lpClientRect);
        return pBar;
    }
    // Docks at a rectangle given in the dock bar's client coordinates.
    void DockAt(CZMRToolBar* pBar, int nSide, CRect rc)
    {
        m_pManager->GetDockBar(nSide)->ClientToScreen(&rc);
        EXPECT_TRUE(m_pManager->DockToolBar(pBar, rc, m_pManager->GetDockBar(nSide)));
    }
    // The site's layout pass, now.
    void Layout() { m_pSite->RecalcLayout(FALSE); }
    CZMRDockBar* DockBar(int nSide) const { return m_pManager->GetDockBar(nSide); }
};
} // namespace

TEST_F(DockBarTest, BarsDockedAtTheEndStartRowsAndRemovingEmptiesThem)
{
    CSizedToolBar* pA = Dock(L"A", 0);
    EXPECT_EQ(DockRows(DockBar(0)), "|A|");
    EXPECT_EQ(::GetParent(pA->GetSafeHwnd()), DockBar(0)->GetSafeHwnd()) << "the dock bar holds the bar's window";
    Dock(L"B", 0);
    CSizedToolBar* pC = Dock(L"C", 0);
    EXPECT_EQ(DockRows(DockBar(0)), "|A|B|C|");

    // The only bar of a middle row goes, and the row with it.
    CZMRToolBar* pB = static_cast<CZMRToolBar*>(m_pManager->GetBar(1));
    EXPECT_TRUE(DockBar(0)->RemoveCommandBar(pB));
    EXPECT_EQ(DockRows(DockBar(0)), "|A|C|");
    EXPECT_EQ(pB->GetDockBar(), nullptr);
    EXPECT_FALSE(DockBar(0)->RemoveCommandBar(pB)) << "no longer there";

    // Moving to another dock bar takes the bar out of the first.
    EXPECT_TRUE(m_pManager->DockToolBarSide(pC, 2));
    EXPECT_EQ(DockRows(DockBar(0)), "|A|");
    EXPECT_EQ(DockRows(DockBar(2)), "|C|");
    EXPECT_EQ(pC->GetDockBar(), DockBar(2));

    EXPECT_THROW(DockBar(0)->GetArrayAt(5), CInvalidArgException*);
}

TEST_F(DockBarTest, ADropPointChoosesTheRow)
{
    // Two rows, 24 and 30 thick: A across 0-24, C across 24-54.
    Dock(L"A", 0);
    Dock(L"C", 0, CSize(100, 30));
    Layout();
    auto* pB = new CSizedToolBar(CSize(80, 24));
    pB->SetTitle(L"B");
    m_pManager->AddBar(pB);

    // Centre inside the first row: the bar goes to the start of that row and
    // remembers where it was dropped.
    DockAt(pB, 0, CRect(150, 0, 230, 20));
    EXPECT_EQ(DockRows(DockBar(0)), "|B A|C|");
    EXPECT_EQ(pB->GetDockContext()->GetDockedRect(), CRect(150, 0, 230, 20));
    Layout();
    EXPECT_EQ(ClientRectIn(pB, DockBar(0)), CRect(150, 0, 230, 24)) << "at its wished place in the row";

    // Right on the border between the rows: a row of its own between them.
    DockAt(pB, 0, CRect(150, 14, 230, 34));
    EXPECT_EQ(DockRows(DockBar(0)), "|A|B|C|");

    // Beyond every row: a new last row.
    Layout();
    DockAt(pB, 0, CRect(10, 90, 90, 110));
    EXPECT_EQ(DockRows(DockBar(0)), "|A|C|B|");

    // Dropped at the place it already has: nothing changes.
    Layout();
    CRect rcWindow;
    pB->GetWindowRect(&rcWindow);
    EXPECT_TRUE(m_pManager->DockToolBar(pB, rcWindow, DockBar(0)));
    EXPECT_EQ(DockRows(DockBar(0)), "|A|C|B|");
}

TEST_F(DockBarTest, AStretchedBarNeverSharesItsRow)
{
    Dock(L"A", 0);
    Layout();
    auto* pS = new CSizedToolBar(CSize(100, 24));
    pS->SetTitle(L"S");
    pS->SetFlags(0x40);
    m_pManager->AddBar(pS);
    DockAt(pS, 0, CRect(150, 0, 250, 20));
    EXPECT_EQ(DockRows(DockBar(0)), "|S|A|");
    Layout();
    CRect rcDock;
    DockBar(0)->GetClientRect(&rcDock);
    EXPECT_EQ(ClientRectIn(pS, DockBar(0)), CRect(0, 0, rcDock.Width(), 24)) << "the whole row's length";
    EXPECT_EQ(pS->m_dwLastCommitMode, DWORD(LM_STRETCH | LM_HORZ | LM_HORZDOCK | LM_COMMIT | zmrLayoutHideWrap));
}

namespace
{
struct CSideCase
{
    int nSide;
    CRect rcDock;        // in the free room (0, 0, 400, 300)
    CRect rcFreeAfter;
    CSize szTotal;
    CRect rcA, rcB;      // in the dock bar
    DWORD dwCommitMode;  // the layout flags each bar was committed with
};

// A 100 x 24 and an 80 x 30 bar in one row (their thickness across, their
// length along the side); B was dropped 150 px along.
const CSideCase kSides[] = {
    {0, {0, 0, 400, 30}, {0, 30, 400, 300}, {400, 30}, {0, 0, 100, 24}, {150, 0, 230, 30}, 0xCA},
    {1, {0, 270, 400, 300}, {0, 0, 400, 270}, {400, 30}, {0, 0, 100, 24}, {150, 0, 230, 30}, 0xCA},
    {2, {0, 0, 30, 300}, {30, 0, 400, 300}, {30, 300}, {0, 0, 24, 100}, {0, 150, 30, 230}, 0xD0},
    {3, {370, 0, 400, 300}, {0, 0, 370, 300}, {30, 300}, {0, 0, 24, 100}, {0, 150, 30, 230}, 0xD0},
};
} // namespace

TEST_F(DockBarTest, SizeParentOnEachSide)
{
    for (const CSideCase& c : kSides)
    {
        SCOPED_TRACE(c.nSide);
        CSizedToolBar* pA = Dock(L"A", c.nSide);
        const BOOL bHorz = c.nSide < 2;
        auto* pB = new CSizedToolBar(CSize(80, 30));
        pB->SetTitle(L"B");
        m_pManager->AddBar(pB);
        DockAt(pB, c.nSide, bHorz ? CRect(150, 0, 230, 30) : CRect(0, 150, 30, 230));
        EXPECT_EQ(DockRows(DockBar(c.nSide)), "|B A|");

        AFX_SIZEPARENTPARAMS layout = {};
        layout.rect = CRect(0, 0, 400, 300);
        layout.bStretch = TRUE;
        layout.hDWP = ::BeginDeferWindowPos(4);
        DockBar(c.nSide)->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
        ::EndDeferWindowPos(layout.hDWP);

        EXPECT_EQ(ClientRectIn(DockBar(c.nSide), m_pSite), c.rcDock);
        EXPECT_EQ(CRect(layout.rect), c.rcFreeAfter);
        EXPECT_EQ(CSize(layout.sizeTotal), c.szTotal);
        EXPECT_EQ(ClientRectIn(pA, DockBar(c.nSide)), c.rcA);
        EXPECT_EQ(ClientRectIn(pB, DockBar(c.nSide)), c.rcB);
        EXPECT_EQ(pA->m_dwLastCommitMode, c.dwCommitMode);
        EXPECT_EQ(pA->GetDockContext()->GetLastSide(), c.nSide);

        m_pManager->RemoveToolBar(pA);
        m_pManager->RemoveToolBar(pB);
    }
}

TEST_F(DockBarTest, ABarThatDoesNotFitIsShownInARowBelow)
{
    CSizedToolBar* pA = Dock(L"A", 0);
    pA->m_nSmallest = 40;
    auto* pB = new CSizedToolBar(CSize(100, 30));
    pB->m_nSmallest = 40;
    pB->SetTitle(L"B");
    m_pManager->AddBar(pB);
    DockAt(pB, 0, CRect(150, 0, 250, 30));

    AFX_SIZEPARENTPARAMS layout = {};
    layout.rect = CRect(0, 0, 70, 300);
    layout.bStretch = TRUE;
    layout.hDWP = ::BeginDeferWindowPos(4);
    DockBar(0)->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    ::EndDeferWindowPos(layout.hDWP);

    EXPECT_EQ(ClientRectIn(DockBar(0), m_pSite), CRect(0, 0, 70, 54));
    EXPECT_EQ(ClientRectIn(pA, DockBar(0)), CRect(0, 0, 70, 24)) << "squeezed to the row";
    EXPECT_EQ(ClientRectIn(pB, DockBar(0)), CRect(0, 24, 70, 54)) << "the last by position moved down";
    EXPECT_EQ(DockRows(DockBar(0)), "|B A|") << "the rows of the array stay";
}

TEST_F(DockBarTest, AHiddenDockBarTakesNoRoom)
{
    Dock(L"A", 0);
    DockBar(0)->ShowWindow(SW_HIDE);
    AFX_SIZEPARENTPARAMS layout = {};
    layout.rect = CRect(0, 0, 400, 300);
    DockBar(0)->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    EXPECT_EQ(CRect(layout.rect), CRect(0, 0, 400, 300));
}

// ---------------------------------------------------------------- the whole layout stored

namespace
{
class DockLayoutStateTest : public DockBarTest
{
protected:
    CZMRToolBar* Bar(int nBarID, LPCTSTR lpszTitle)
    {
        CZMRToolBar* pBar = m_pManager->AddToolBar(lpszTitle, nBarID);
        pBar->GetControls()->Add(zmrControlButton, 100 + nBarID);
        pBar->GetControls()->Add(zmrControlButton, 200 + nBarID);
        return pBar;
    }
    CZMRToolBar* Found(int nBarID) const { return static_cast<CZMRToolBar*>(m_pManager->FindBar(nBarID)); }
};
} // namespace

TEST_F(DockLayoutStateTest, ADockedAndFloatingLayoutComesBack)
{
    // Top: A and B in one row, C below; left: D; floating: E; hidden at the
    // bottom: H. A's popup control opens a popup bar of two buttons.
    CZMRToolBar* pA = Bar(1, L"A");
    CZMRToolBar* pB = Bar(2, L"B");
    CZMRToolBar* pC = Bar(3, L"C");
    CZMRToolBar* pD = Bar(4, L"D");
    CZMRToolBar* pE = Bar(5, L"E");
    CZMRToolBar* pH = Bar(6, L"H");
    Layout();
    DockAt(pB, 0, CRect(300, 0, 380, 20));
    m_pManager->DockToolBarSide(pD, 2);
    m_pManager->DockToolBarSide(pH, 1);
    pH->SetVisible(FALSE);
    m_pManager->FloatToolBar(pE);
    pE->SetWindowPos(nullptr, 220, 180, 130, 50, SWP_NOZORDER | SWP_NOACTIVATE);
    pE->GetDockContext()->SetFloatingPosition(CPoint(220, 180));
    CZMRPopupBar* pPopupBar = CZMRPopupBar::CreatePopupBar(m_pManager);
    pPopupBar->GetControls()->Add(zmrControlButton, 501);
    pPopupBar->GetControls()->Add(zmrControlButton, 502);
    auto* pPopup = static_cast<CZMRControlPopup*>(pA->GetControls()->Add(zmrControlPopup, 500));
    pPopup->SetCommandBar(pPopupBar);
    pPopupBar->InternalRelease();
    Layout();
    EXPECT_EQ(DockRows(DockBar(0)), "|B A|C|");
    EXPECT_EQ(pC->GetDockBar(), DockBar(0));

    CMemoryPropStore::Data data;
    {
        CMemoryPropStore saver(&data, FALSE);
        m_pManager->DoPropExchange(&saver);
    }
    // The program starts over with a bar of its own; the stored layout replaces it.
    while (m_pManager->GetCount() > 0)
        m_pManager->RemoveToolBar(static_cast<CZMRToolBar*>(m_pManager->GetBar(0)));
    Bar(9, L"Z");
    {
        CMemoryPropStore loader(&data, TRUE);
        m_pManager->DoPropExchange(&loader);
    }
    Layout();

    ASSERT_EQ(m_pManager->GetCount(), 6);
    EXPECT_EQ(m_pManager->FindBar(9), nullptr);
    EXPECT_EQ(DockRows(DockBar(0)), "|B A|C|");
    EXPECT_EQ(DockRows(DockBar(2)), "|D|");
    EXPECT_EQ(DockRows(DockBar(1)), "|H|");
    for (int nBarID = 1; nBarID <= 6; nBarID++)
    {
        CZMRToolBar* pBar = Found(nBarID);
        ASSERT_NE(pBar, nullptr) << nBarID;
        EXPECT_EQ(pBar->GetRuntimeClass(), RUNTIME_CLASS(CZMRToolBar));
        EXPECT_EQ(pBar->GetBarManager(), m_pManager);
    }
    EXPECT_EQ(Found(2)->GetDockContext()->GetDockedRect(), CRect(300, 0, 380, 20));
    EXPECT_EQ(ClientRectIn(Found(2), DockBar(0)).left, 300) << "at its place in the row again";
    EXPECT_EQ(Found(5)->GetPosition(), zmrBarFloating);
    EXPECT_TRUE(Found(5)->GetStyle() & WS_POPUP);
    CRect rcE;
    Found(5)->GetWindowRect(&rcE);
    EXPECT_EQ(rcE.TopLeft(), CPoint(220, 180));
    EXPECT_EQ(Found(5)->GetDockContext()->GetFloatingPosition(), CPoint(220, 180));
    EXPECT_FALSE(Found(6)->IsVisible());
    EXPECT_TRUE(Found(1)->IsVisible());

    // The popup control opens its own popup bar again.
    auto* pLoadedPopup = static_cast<CZMRControlPopup*>(Found(1)->GetControls()->FindControlById(500));
    ASSERT_NE(pLoadedPopup, nullptr);
    ASSERT_NE(pLoadedPopup->GetCommandBar(), nullptr);
    EXPECT_EQ(pLoadedPopup->GetCommandBar()->GetControlCount(), 2);
}

TEST_F(DockLayoutStateTest, AStateThatCannotBeReadLeavesTheBarsAlone)
{
    Bar(1, L"A");
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore saver(&data, FALSE);
        m_pManager->DoPropExchange(&saver);
    }
    // A row that names a bar the state does not hold.
    CMemoryPropStore::Value& entry = data.values.at(L"DockBarTop/Entry0");
    const int nStranger = 7;
    std::memcpy(entry.raw.data(), &nStranger, sizeof(nStranger));
    Bar(2, L"B");
    CMemoryPropStore loader(&data, TRUE);
    EXPECT_THROW(m_pManager->DoPropExchange(&loader), CArchiveException*);
    EXPECT_EQ(m_pManager->GetCount(), 2);
    EXPECT_EQ(DockRows(DockBar(0)), "|A|B|");
}
