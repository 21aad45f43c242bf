// The custom control: a child window hosted on a bar, its size, placement
// and visibility after the control, the bar and the docking side.
#include "BarTestSupport.h"
#include "CZMRControlCustom.h"
#include "CZMRControls.h"
#include "CZMROriginalControls.h"
#include "CZMRPopupBar.h"
#include "CZMRToolBar.h"
#include "MemoryPropStore.h"
#include "CTestInput.h"
#include <gtest/gtest.h>

namespace
{
// A tool bar of the manager with a custom control that may host a static
// window made in the site.
class CustomOnToolBar : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        m_pBar = m_pManager->AddToolBar(L"Hosts", 1);
        m_pCustom = static_cast<CZMRControlCustom*>(m_pBar->GetControls()->Add(zmrControlCustom, 55));
        ASSERT_TRUE(m_window.Create(L"hosted", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 18), m_pSite, 4711));
    }
    void TearDown() override
    {
        if (m_window.GetSafeHwnd())
            m_window.DestroyWindow();
        BarSiteTest::TearDown();
    }
    void Layout()
    {
        m_pBar->OnRecalcLayout();
        m_pSite->RecalcLayout();
        PumpPendingMessages();
    }
    CRect WindowInBar() const
    {
        CRect rc;
        m_window.GetWindowRect(rc);
        m_pBar->ScreenToClient(&rc);
        return rc;
    }
    CZMRToolBar* m_pBar = nullptr;
    CZMRControlCustom* m_pCustom = nullptr;
    CStatic m_window;
};

TEST_F(CustomOnToolBar, WithoutAWindowItIsAButton)
{
    EXPECT_EQ(m_pCustom->GetType(), zmrControlButton);
    EXPECT_TRUE(m_pCustom->GetFlags() & zmrFlagNoMovable) << "not customizable";
    CZMRControl* pPlain = m_pBar->GetControls()->Add(zmrControlButton, 55);
    CClientDC dc(m_pBar);
    EXPECT_EQ(m_pCustom->GetSize(&dc), pPlain->GetSize(&dc)) << "measured as a button";
    Layout();
    EXPECT_FALSE(m_pCustom->GetRect().IsRectEmpty());

    // Its click is the button's: the command goes to the site.
    m_pSite->Clear();
    m_pCustom->OnClick(TRUE);
    PumpPendingMessages();
    bool bExecuted = false;
    for (const auto& msg : m_pSite->Messages(ZMR_WM_CONTROLNOTIFY))
        bExecuted = bExecuted || reinterpret_cast<const NMZMRCONTROL*>(msg.lParam) != nullptr;
    EXPECT_TRUE(bExecuted);
}

TEST_F(CustomOnToolBar, TheHostedWindowSizesTheControlAndSitsInsideItsBorders)
{
    m_pCustom->SetBorders(CRect(2, 3, 4, 5));
    m_pCustom->AttachWindow(m_window.GetSafeHwnd());
    EXPECT_EQ(m_pCustom->GetControlSize(), CSize(60, 18));
    CClientDC dc(m_pBar);
    EXPECT_EQ(m_pCustom->GetSize(&dc), CSize(66, 26));
    Layout();
    const CRect rc = m_pCustom->GetRect();
    EXPECT_EQ(rc.Size(), CSize(66, 26));
    EXPECT_EQ(::GetParent(m_window.GetSafeHwnd()), m_pBar->GetSafeHwnd()) << "a child of the bar now";
    EXPECT_EQ(WindowInBar(), CRect(rc.left + 2, rc.top + 3, rc.right - 4, rc.bottom - 5));
    EXPECT_TRUE(m_window.IsWindowVisible());

    // The window takes its own clicks; the control does nothing then.
    m_pSite->Clear();
    m_pCustom->OnClick(TRUE);
    PumpPendingMessages();
    EXPECT_TRUE(m_pSite->Messages(ZMR_WM_CONTROLNOTIFY).empty());

    // The same rectangle again leaves a window that is already the bar's alone.
    m_window.MoveWindow(CRect(0, 0, 10, 10));
    m_pCustom->SetRect(rc);
    EXPECT_EQ(WindowInBar().Size(), CSize(10, 10));
    // ... but one that left the bar is taken back and placed.
    ::SetParent(m_window.GetSafeHwnd(), m_pSite->GetSafeHwnd());
    m_pCustom->SetRect(rc);
    EXPECT_EQ(::GetParent(m_window.GetSafeHwnd()), m_pBar->GetSafeHwnd());
    EXPECT_EQ(WindowInBar(), CRect(rc.left + 2, rc.top + 3, rc.right - 4, rc.bottom - 5));

    // Hiding the control hides the window; removing it as well, and the
    // window outlives the control.
    m_pCustom->SetVisible(FALSE);
    EXPECT_FALSE(m_window.IsWindowVisible());
    m_pCustom->SetVisible(TRUE);
    EXPECT_TRUE(m_window.IsWindowVisible());
    m_pBar->GetControls()->Remove(m_pCustom);
    EXPECT_FALSE(m_window.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(m_window.GetSafeHwnd()));
}

TEST_F(CustomOnToolBar, AWindowAttachedByItsHandleAloneIsPlacedFollowsTheControlAndOutlivesIt)
{
    // A plain popup window that no framework object wraps.
    const HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"raw", WS_POPUP | WS_VISIBLE, 0, 0, 40, 16, nullptr,
                                        nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    m_pCustom->AttachWindow(hWnd);
    EXPECT_EQ(m_pCustom->GetControlSize(), CSize(40, 16));
    Layout();
    const CRect rc = m_pCustom->GetRect();
    EXPECT_EQ(rc.Size(), CSize(40, 16));
    EXPECT_EQ(::GetParent(hWnd), m_pBar->GetSafeHwnd());
    const LONG lStyle = ::GetWindowLongW(hWnd, GWL_STYLE);
    EXPECT_TRUE(lStyle & WS_CHILD);
    EXPECT_FALSE(lStyle & WS_POPUP);
    CRect rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    m_pBar->ScreenToClient(&rcWnd);
    EXPECT_EQ(rcWnd, rc);
    EXPECT_TRUE(::IsWindowVisible(hWnd));

    m_pCustom->SetEnabled(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(hWnd));
    m_pCustom->SetEnabled(TRUE);
    EXPECT_TRUE(::IsWindowEnabled(hWnd));

    // In customize mode a click on the control is the button's: it becomes
    // the selection and its move starts (cancelled here by Escape).
    m_pManager->SetCustomizeMode(m_pManager);
    m_pSite->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    m_pCustom->OnClick(FALSE, rc.CenterPoint());
    EXPECT_EQ(m_pManager->GetCustomizeSelection(), m_pCustom);
    m_pManager->SetCustomizeSelection(nullptr);
    m_pManager->SetCustomizeMode(nullptr);

    // A window destroyed behind the control's back is never touched again.
    ::DestroyWindow(hWnd);
    const CRect rcMoved(rc.left + 5, rc.top, rc.right + 5, rc.bottom);
    m_pCustom->SetRect(rcMoved);
    EXPECT_EQ(m_pCustom->GetRect(), rcMoved);

    // The control goes; the window it hosted is not its to destroy.
    const HWND hWndKept = ::CreateWindowExW(0, L"STATIC", L"kept", WS_CHILD | WS_VISIBLE, 0, 0, 30, 12,
                                            m_pSite->GetSafeHwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    m_pCustom->AttachWindow(hWndKept);
    Layout();
    EXPECT_EQ(::GetParent(hWndKept), m_pBar->GetSafeHwnd());
    m_pBar->GetControls()->Remove(m_pCustom);
    m_pCustom = nullptr;
    PumpPendingMessages();
    EXPECT_TRUE(::IsWindow(hWndKept));
    EXPECT_FALSE(::IsWindowVisible(hWndKept));
    ::DestroyWindow(hWndKept);
}

TEST_F(CustomOnToolBar, VerticalOptionsDecideWhatASideDockedBarShows)
{
    struct
    {
        const char* pszCase;
        int nOptions;
        BOOL bVertical;
        BOOL bControlVisible, bWindowVisible;
    } const cases[] = {
        {"0 vertical: the control goes", 0, TRUE, FALSE, FALSE},
        {"0 horizontal again: it comes back", 0, FALSE, TRUE, TRUE},
        {"1 vertical: nothing changes", 1, TRUE, TRUE, TRUE},
        {"2 vertical: a button without window", 2, TRUE, TRUE, FALSE},
        {"2 horizontal again: the window returns", 2, FALSE, TRUE, TRUE},
    };
    m_pCustom->AttachWindow(m_window.GetSafeHwnd());
    Layout();
    CClientDC dc(m_pBar);
    for (const auto& c : cases)
    {
        m_pCustom->SetVerticalOptions(c.nOptions);
        m_pCustom->ExpandIntoItems(c.bVertical ? LM_VERTDOCK : LM_HORZDOCK);
        EXPECT_EQ(m_pCustom->IsVisible(), c.bControlVisible) << c.pszCase;
        EXPECT_EQ(m_window.IsWindowVisible(), c.bWindowVisible) << c.pszCase;
        if (c.nOptions == 2 && c.bVertical)
        {
            EXPECT_NE(m_pCustom->GetSize(&dc), CSize(60, 18)) << "measured as a button";
        }
    }
}

TEST_F(CustomOnToolBar, ASnapshotCopyNeverTouchesTheWindowAndOnlyPopupsTakeTheControl)
{
    m_pCustom->AttachWindow(m_window.GetSafeHwnd());
    Layout();
    m_pBar->GetControls()->CreateOriginalControls();
    CZMROriginalControls* pOriginal = m_pBar->GetControls()->GetOriginalControls();
    ASSERT_NE(pOriginal, nullptr);
    auto* pCopy = dynamic_cast<CZMRControlCustom*>(pOriginal->GetAt(0));
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(pCopy->GetControlWindow(), m_window.GetSafeHwnd()) << "copies host the same window";
    pCopy->SetHideFlags(zmrHideGeneric);
    pCopy->SyncWindowVisibility();
    EXPECT_TRUE(m_window.IsWindowVisible());

    DROPEFFECT effect = DROPEFFECT_COPY;
    EXPECT_FALSE(m_pCustom->CanDropOnBar(m_pBar, CPoint(0, 0), effect));
    EXPECT_EQ(effect, DROPEFFECT(DROPEFFECT_NONE));
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(m_pManager);
    effect = DROPEFFECT_COPY;
    EXPECT_TRUE(m_pCustom->CanDropOnBar(pPopup, CPoint(0, 0), effect));
    pPopup->InternalRelease();
}

TEST_F(CustomOnToolBar, MovesOverTheWindowHotTrackTheBar)
{
    m_pCustom->AttachWindow(m_window.GetSafeHwnd());
    Layout();
    const CRect rc = m_pCustom->GetRect();
    CTestInput::MoveTo(m_window.GetSafeHwnd(), CPoint(5, 5));
    PumpPendingMessages();
    CTestInput::MoveTo(m_window.GetSafeHwnd(), CPoint(8, 6));
    PumpPendingMessages();
    EXPECT_EQ(m_pBar->GetHotIndex(), m_pCustom->GetIndex()) << "the bar saw the mouse over " << rc.left;
}

TEST_F(CustomOnToolBar, ALoadedStateFindsItsWindowByTheControlId)
{
    m_pCustom->SetBorders(CRect(1, 1, 1, 1));
    m_pCustom->SetControlSize(CSize(60, 18));
    m_pCustom->SetVerticalOptions(2);
    m_pCustom->SetControlId(4711);
    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        m_pCustom->DoPropExchange(&store);
    }
    ZMR_PROPEXCHANGE_PARAM param = {m_pManager, FALSE};
    for (int nControlId : {4711, 999})
    {
        data.values[L"ControlId"].raw.clear();
        CMemoryPropStore saver(&data, FALSE, ZMR_PX_SCHEMA_CURRENT);
        CZMRControlCustom source;
        source.SetControlId(nControlId);
        source.DoPropExchange(&saver);

        CZMRControlCustom loaded;
        CMemoryPropStore store(&data, TRUE, ZMR_PX_SCHEMA_CURRENT);
        store.m_pOwnerContext = &param;
        loaded.DoPropExchange(&store);
        EXPECT_EQ(loaded.GetControlId(), nControlId);
        EXPECT_EQ(loaded.GetControlWindow(), nControlId == 4711 ? m_window.GetSafeHwnd() : nullptr)
            << "an id that matches no window leaves a plain button";
    }

    // Schema 5 and older states carry no id.
    CZMRControlCustom old;
    CMemoryPropStore store(&data, TRUE, 5);
    store.m_pOwnerContext = &param;
    old.DoPropExchange(&store);
    EXPECT_EQ(old.GetControlId(), 0);
    EXPECT_EQ(old.GetControlWindow(), nullptr);
}
} // namespace
