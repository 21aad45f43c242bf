// Dialog bars: the caption strip and its two controls, the floating and
// docked layouts with their separate sizes, resizing by the borders (real
// input for the floating corner), the hosted child window and the caption's
// active state.
#include "BarTestSupport.h"
#include "InputScript.h"
#include "DockTestSupport.h"
#include "CZMRDialogBar.h"
#include "CZMRControls.h"
#include <gtest/gtest.h>

namespace
{
// A theme whose dialog-bar caption strip is 6 x 20.
class CCaptionTheme : public CFillTheme
{
public:
    CSize DrawGripper(CDC* pDC, CZMRCommandBar* pBar, BOOL bDraw) override
    {
        if (pBar && pBar->IsDialogBar())
            return DrawDialogBarGripper(pDC, pBar, bDraw);
        return CFillTheme::DrawGripper(pDC, pBar, bDraw);
    }
    CSize DrawDialogBarGripper(CDC*, CZMRCommandBar*, BOOL) override { return CSize(6, 20); }
};

class DialogBarTest : public BarSiteTest
{
protected:
    void SetUp() override
    {
        BarSiteTest::SetUp();
        m_pCaptionTheme = new CCaptionTheme;
        m_pManager->SetPaintManager(m_pCaptionTheme);
        m_pCaptionTheme->InternalRelease();
        m_pBar = new CZMRDialogBar;
        m_pBar->SetTitle(L"Properties");
        m_pManager->AddBar(m_pBar);
    }
    CZMRControl* Hide() const { return m_pBar->GetControls()->FindControlById(9149); }
    CZMRDialogBar::CControlCaptionPopup* Caption() const
    {
        return static_cast<CZMRDialogBar::CControlCaptionPopup*>(m_pBar->GetControls()->FindControlById(9147));
    }
    CRect WindowRect() const
    {
        CRect rc;
        m_pBar->GetWindowRect(&rc);
        return rc;
    }
    // Presses the left button at the screen point and plays the steps in
    // the loop the press starts.
    void Drag(CPoint ptFrom, std::vector<CStep> steps)
    {
        CTestInput::MoveTo(ptFrom);
        PumpPendingMessages();
        g_script = CScript();
        g_script.steps = std::move(steps);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, &RunStep);
        CTestInput::Button(VK_LBUTTON, true);
        PumpPendingMessages();
        ::KillTimer(nullptr, nTimer);
        CTestInput::Button(VK_LBUTTON, false);
        PumpPendingMessages();
        EXPECT_EQ(g_script.nNext, g_script.steps.size());
    }
    LRESULT HitTest(CPoint ptScreen) { return m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y)); }

    CCaptionTheme* m_pCaptionTheme = nullptr;
    CZMRDialogBar* m_pBar = nullptr;
};
} // namespace

TEST_F(DialogBarTest, TheCaptionStripCarriesTheCaptionAndTheHideButton)
{
    // 200 x 200 client, 3 px margins, a 20 px caption.
    EXPECT_EQ(m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_COMMIT), CSize(206, 226));
    EXPECT_EQ(m_pBar->GetCaptionHeight(), 23);
    EXPECT_EQ(m_pBar->GetClientMargins(), CRect(3, 23, 3, 3));
    ASSERT_NE(Hide(), nullptr);
    ASSERT_NE(Caption(), nullptr);
    EXPECT_TRUE(Hide()->IsTemporary());
    EXPECT_TRUE(Caption()->IsTemporary());
    EXPECT_EQ(Hide()->GetRect(), CRect(187, 5, 203, 21));
    EXPECT_EQ(Caption()->GetRect(), CRect(9, 5, 187, 21));
    EXPECT_EQ(Caption()->GetCaption(), CString(L"Properties")) << "no caption: the title";
    EXPECT_FALSE(Caption()->m_bHasPopup);

    // Not closeable: no hide button, the caption reaches the right margin.
    m_pBar->SetCloseable(FALSE);
    m_pBar->SetCaption(L"Layers");
    m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
    EXPECT_FALSE(Hide()->IsVisible());
    EXPECT_EQ(Caption()->GetRect(), CRect(9, 5, 203, 21));
    EXPECT_EQ(Caption()->GetCaption(), CString(L"Layers"));

    // The popup only with items, and only when allowed.
    m_pBar->GetCaptionPopupBar()->GetControls()->Add(zmrControlButton, 700);
    m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
    EXPECT_TRUE(Caption()->m_bHasPopup);
    m_pBar->EnableCaptionPopup(FALSE);
    m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
    EXPECT_FALSE(Caption()->m_bHasPopup);
    EXPECT_TRUE(Caption()->ShowPopup(TRUE)) << "reports success";
    EXPECT_FALSE(::IsWindow(m_pBar->GetCaptionPopupBar()->GetSafeHwnd())) << "but opens nothing";

    // Without the caption strip: no caption height; a docked stretch fills the length.
    m_pBar->ShowCaption(FALSE);
    EXPECT_EQ(m_pBar->CalcFixedLayout(500, LM_STRETCH | LM_HORZ | LM_HORZDOCK), CSize(500, 206));
    EXPECT_EQ(m_pBar->GetCaptionHeight(), 0);
    EXPECT_EQ(m_pBar->CalcFixedLayout(400, LM_STRETCH | LM_VERTDOCK), CSize(206, 400));
}

TEST_F(DialogBarTest, DockedAndFloatingSizesAreKeptApart)
{
    ASSERT_TRUE(m_pManager->DockToolBarSide(m_pBar, 0));
    m_pSite->RecalcLayout(FALSE);
    // Docked at the top, dragged from the right edge: only the docked width.
    m_pBar->ResizeBar(CRect(0, 0, 306, 226), HTRIGHT);
    EXPECT_EQ(m_pBar->GetDockedClientSize(), CSize(300, 200));
    EXPECT_EQ(m_pBar->GetFloatingClientSize(), CSize(200, 200));
    m_pBar->ResizeBar(CRect(0, 0, 306, 126), HTBOTTOM);
    EXPECT_EQ(m_pBar->GetDockedClientSize(), CSize(300, 100));
    m_pBar->ResizeBar(CRect(0, 0, 40, 126), HTRIGHT);
    EXPECT_EQ(m_pBar->GetDockedClientSize(), CSize(300, 100)) << "narrower than 50: ignored";
    m_pSite->RecalcLayout(FALSE);
    EXPECT_EQ(WindowRect().Size(), CSize(306, 126));

    // Floating it takes its floating size.
    ASSERT_TRUE(m_pManager->FloatToolBar(m_pBar));
    m_pBar->OnRecalcLayout();
    EXPECT_EQ(WindowRect().Size(), CSize(206, 226));
}

TEST_F(DialogBarTest, BordersGiveResizingHitCodes)
{
    ASSERT_TRUE(m_pManager->FloatToolBar(m_pBar));
    m_pBar->SetWindowPos(nullptr, 100, 100, 206, 226, SWP_NOZORDER | SWP_NOACTIVATE);
    struct
    {
        CPoint pt;
        LRESULT nCode;
    } floating[] = {
        {{100, 100}, HTTOPLEFT}, {{305, 100}, HTTOPRIGHT}, {{100, 325}, HTBOTTOMLEFT}, {{305, 325}, HTBOTTOMRIGHT},
        {{200, 102}, HTTOP}, {{200, 323}, HTBOTTOM}, {{102, 200}, HTLEFT}, {{303, 200}, HTRIGHT},
    };
    for (const auto& c : floating)
        EXPECT_EQ(HitTest(c.pt), c.nCode) << c.pt.x << "," << c.pt.y;
    EXPECT_NE(HitTest(CPoint(200, 200)), HTLEFT);

    // Docked at the top: the bottom and right edges; stretched along the
    // dock, not the right one.
    ASSERT_TRUE(m_pManager->DockToolBarSide(m_pBar, 0));
    m_pSite->RecalcLayout(FALSE);
    const CRect rc = WindowRect();
    EXPECT_EQ(HitTest(CPoint(rc.CenterPoint().x, rc.bottom - 1)), HTBOTTOM);
    EXPECT_EQ(HitTest(CPoint(rc.right - 1, rc.CenterPoint().y)), HTRIGHT);
    EXPECT_NE(HitTest(CPoint(rc.left, rc.CenterPoint().y)), HTLEFT);
    m_pBar->SetFlags(0x40);
    EXPECT_NE(HitTest(CPoint(rc.right - 1, rc.CenterPoint().y)), HTRIGHT);

    // Not resizable: no codes of its own.
    m_pBar->SetFlags(0, 0x40);
    m_pBar->SetResizable(FALSE);
    EXPECT_NE(HitTest(CPoint(rc.CenterPoint().x, rc.bottom - 1)), HTBOTTOM);
}

TEST_F(DialogBarTest, AFloatingCornerDraggedBelowTheMinimumLeavesTheSize)
{
    ASSERT_TRUE(m_pManager->FloatToolBar(m_pBar));
    m_pBar->SetWindowPos(nullptr, 100, 100, 206, 226, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetForegroundWindow(m_pSite->GetSafeHwnd());
    PumpPendingMessages();

    // The bottom-right corner: 40 px larger each way.
    Drag(CPoint(305, 325), {MoveTo(CPoint(325, 345)), MoveTo(CPoint(345, 365)), Do(CStep::release)});
    EXPECT_EQ(WindowRect(), CRect(100, 100, 346, 366));
    EXPECT_EQ(m_pBar->GetFloatingClientSize(), CSize(240, 240));
    // Down to 40 px wide: ignored.
    Drag(CPoint(345, 365), {MoveTo(CPoint(200, 365)), MoveTo(CPoint(140, 365)), Do(CStep::release)});
    EXPECT_EQ(WindowRect().Width(), 101) << "the last size at or above the minimum";
    EXPECT_EQ(m_pBar->GetFloatingClientSize(), CSize(95, 240));
}

TEST_F(DialogBarTest, ADockedBarIsResizedByDraggingItsFreeEdge)
{
    ASSERT_TRUE(m_pManager->DockToolBarSide(m_pBar, 0));
    m_pSite->RecalcLayout(FALSE);
    ::SetForegroundWindow(m_pSite->GetSafeHwnd());
    PumpPendingMessages();
    const CRect rc = WindowRect();
    ASSERT_EQ(rc.Height(), 226);
    const CPoint ptEdge(rc.CenterPoint().x, rc.bottom - 1);
    Drag(ptEdge, {MoveTo(ptEdge + CPoint(0, 20)), MoveTo(ptEdge + CPoint(0, 40)), Do(CStep::release)});
    EXPECT_EQ(m_pBar->GetDockedClientSize(), CSize(200, 240));
    EXPECT_EQ(m_pBar->GetFloatingClientSize(), CSize(200, 200));
    EXPECT_EQ(WindowRect().Height(), 266);
    CRect rcDock;
    m_pManager->GetDockBar(0)->GetWindowRect(&rcDock);
    EXPECT_EQ(rcDock.Height(), 266) << "the frame made room";
    EXPECT_EQ(m_pBar->GetPosition(), zmrBarTop);
}

TEST_F(DialogBarTest, TheChildFillsTheClientAreaAndTheFocusMakesTheCaptionActive)
{
    ASSERT_TRUE(m_pManager->FloatToolBar(m_pBar));
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, m_pBar->GetSafeHwnd(),
                                   nullptr, nullptr, nullptr);
    m_pBar->SetChildWindow(hEdit);
    m_pBar->SetWindowPos(nullptr, 100, 100, 206, 226, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcChild;
    ::GetWindowRect(hEdit, &rcChild);
    m_pBar->ScreenToClient(&rcChild);
    EXPECT_EQ(rcChild, CRect(3, 23, 203, 223));

    ::SetForegroundWindow(m_pSite->GetSafeHwnd());
    ::SetFocus(m_pSite->GetSafeHwnd());
    m_pBar->OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_FALSE(m_pBar->IsActive());
    ::SetFocus(hEdit);
    m_pBar->OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_TRUE(m_pBar->IsActive());

    // A dialog opened from inside the bar: owned by it.
    HWND hDialog = ::CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 400, 400, 50, 20, m_pBar->GetSafeHwnd(),
                                     nullptr, nullptr, nullptr);
    ::SetActiveWindow(hDialog);
    ::SetFocus(hDialog);
    m_pBar->OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_TRUE(m_pBar->IsActive());
    ::DestroyWindow(hDialog);
    ::SetFocus(m_pSite->GetSafeHwnd());
    m_pBar->OnIdleUpdateCmdUI(TRUE, 0);
    EXPECT_FALSE(m_pBar->IsActive());
}

TEST_F(DialogBarTest, TheCaptionStripShowsTheCloseGlyphAndThePopupArrow)
{
    m_pCaptionTheme->m_clrBack = RGB(0, 128, 255);
    ASSERT_TRUE(m_pManager->FloatToolBar(m_pBar));
    m_pBar->GetCaptionPopupBar()->GetControls()->Add(zmrControlButton, 700);
    m_pBar->OnRecalcLayout();
    m_pBar->SetWindowPos(nullptr, 100, 100, 206, 226, SWP_NOZORDER | SWP_NOACTIVATE);
    auto paint = [&] {
        m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpPendingMessages();
    };
    // Pixels of the text colour (black in this theme) inside a rectangle.
    auto inked = [](const CWindowPixels& pixels, const CRect& rc) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                n += pixels.At(x, y) == RGB(0, 0, 0);
        return n;
    };
    paint();
    {
        const CWindowPixels pixels(m_pBar->GetSafeHwnd());
        pixels.Save(L"DialogBarCaption.png");
        // The close glyph in the 16 x 16 hide button.
        EXPECT_GT(inked(pixels, Hide()->GetRect()), 8);
        // The arrow: 8 wide and 4 high, 13 to 5 px from the caption control's
        // right edge, centred on it.
        const CRect rc = Caption()->GetRect();
        const int y = rc.CenterPoint().y;
        EXPECT_EQ(pixels.At(rc.right - 9, y - 1), RGB(0, 0, 0));
        EXPECT_EQ(pixels.At(rc.right - 12, y - 2), RGB(0, 0, 0));
        EXPECT_EQ(pixels.At(rc.right - 9, y + 4), RGB(0, 128, 255));
        EXPECT_EQ(pixels.At(rc.right - 3, y - 1), RGB(0, 128, 255));
        EXPECT_GT(inked(pixels, CRect(rc.left, rc.top, rc.left + 40, rc.bottom)), 10) << "the caption text";
    }

    // Not closeable and no popup: neither glyph nor arrow.
    m_pBar->SetCloseable(FALSE);
    m_pBar->EnableCaptionPopup(FALSE);
    const CRect rcHide = Hide()->GetRect();
    m_pBar->OnRecalcLayout();
    paint();
    const CWindowPixels pixels(m_pBar->GetSafeHwnd());
    EXPECT_EQ(inked(pixels, rcHide), 0);
    const CRect rc = Caption()->GetRect();
    EXPECT_EQ(pixels.At(rc.right - 9, rc.CenterPoint().y - 1), RGB(0, 128, 255));
}
