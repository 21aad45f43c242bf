// Dragging inside an open popup with real input: the tear-off strip pulled
// off into a floating tool bar, and the gripper that resizes the popup's
// gallery. The drag loops are played from a thread timer inside them.
#include "PopupTestSupport.h"
#include "CZMRToolBar.h"
#include "CZMRMouseManager.h"
#include "InputScript.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kStrip = RGB(0, 128, 0), kStripHot = RGB(0, 255, 0), kGripper = RGB(255, 0, 255);

// A theme with an 8-pixel tear-off strip and gripper fills of their own colours.
class CDragTheme : public CFillTheme
{
public:
    CSize DrawTearOffHandle(CDC* pDC, CRect rc, BOOL bHot, BOOL bDraw) override
    {
        if (bDraw && pDC)
            pDC->FillSolidRect(rc, bHot ? kStripHot : kStrip);
        return CSize(0, 8);
    }
    void DrawPopupSizeGrip(CDC* pDC, CRect rc, int nKind) override
    {
        m_nGripKind = nKind;
        pDC->FillSolidRect(rc, kGripper);
    }
    int m_nGripKind = -1;
};

// A gallery of the control's own width and height with fixed minimums.
class CProbeGallery : public CProbeControl
{
public:
    CProbeGallery(int nMode) : m_nMode(nMode)
    {
        m_controlType = zmrControlGallery;
        m_nWidth = 120;
        m_nHeight = 60;
    }
    CSize GetSize(CDC*) override { return CSize(m_nWidth, m_nHeight); }
    BOOL IsWidthAdjustable() const override { return m_nMode; }
    int GetResizeMinWidth() const override { return 50; }
    int GetResizeMinHeight() const override { return 30; }
    int m_nMode;
};

class PopupDragTest : public PopupFixture
{
protected:
    CFillTheme* MakeTheme() override { return new CDragTheme; }
    CDragTheme* Theme() const { return static_cast<CDragTheme*>(m_pTheme); }
    bool Open() { return PopupFixture::Open(CPoint(100, 50)); }
    int Press(CPoint ptScreen, std::vector<CStep> steps)
    {
        const int nQuit = PressAndPlay(ptScreen, std::move(steps), m_pSite->GetSafeHwnd());
        ::ReleaseCapture();
        return nQuit;
    }

    // The bar's controls without the buttons a floating bar adds of its own.
    static std::vector<CZMRControl*> LastingControls(CZMRToolBar* pBar)
    {
        std::vector<CZMRControl*> controls;
        for (int i = 0; i < pBar->GetControlCount(); i++)
        {
            if (!pBar->GetControl(i)->IsTemporary())
                controls.push_back(pBar->GetControl(i));
        }
        return controls;
    }

    // What the popup and the manager showed while the strip was pulled 5
    // pixels off the popup, far off, back onto the strip and far off again,
    // where the button is released.
    struct CTearOffDrag
    {
        CPoint ptFar;
        BOOL bShownNear = FALSE, bShownFar = TRUE, bShownBack = FALSE;
        // The bar torn off first; back inside it may have been released, so
        // afterwards it is only compared and its window only asked about by
        // handle.
        CZMRToolBar* pFirst = nullptr;
        HWND hFirst = nullptr;
        CZMRToolBar* pTornOffBack = nullptr;
        CZMRCommandBar* pFoundBack = nullptr;
        BOOL bFirstWindowBack = FALSE, bFirstShownBack = FALSE;
    };
    CTearOffDrag DragOffBackAndOffAgain()
    {
        CTearOffDrag drag;
        const CRect rcPopup = WindowRect(m_pPopup);
        const CPoint ptStrip = Screen(m_pPopup->GetTearOffRect().CenterPoint());
        const CPoint ptNear(rcPopup.right + 5, ptStrip.y);
        drag.ptFar = CPoint(rcPopup.right + 80, ptStrip.y + 30);
        Press(ptStrip, {MoveTo(ptNear), Check([&] { drag.bShownNear = m_pPopup->IsWindowVisible(); }),
                        MoveTo(drag.ptFar),
                        Check([&] {
                            drag.bShownFar = m_pPopup->IsWindowVisible();
                            drag.pFirst = m_pPopup->GetTornOffBar();
                            drag.hFirst = drag.pFirst ? drag.pFirst->GetSafeHwnd() : nullptr;
                        }),
                        MoveTo(ptStrip), Check([&] {
                            drag.bShownBack = m_pPopup->IsWindowVisible();
                            drag.pTornOffBack = m_pPopup->GetTornOffBar();
                            drag.pFoundBack = m_pManager->FindBar(200);
                            drag.bFirstWindowBack = ::IsWindow(drag.hFirst);
                            drag.bFirstShownBack = ::IsWindowVisible(drag.hFirst);
                        }),
                        MoveTo(drag.ptFar), Do(CStep::release)});
        return drag;
    }
};

// ---------------------------------------------------------------- tear-off

TEST_F(PopupDragTest, TearOffStripTakesItsRoomAboveTheControlsAndLightsUnderTheMouse)
{
    AddControls(3);
    m_pPopup->SetTearOffPopup(TRUE, L"Tools", 200, 0);
    ASSERT_TRUE(Open());
    const CRect rcBorders = m_pPopup->GetBorders();
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    const CRect rcStrip = m_pPopup->GetTearOffRect();
    EXPECT_EQ(CRect(rcBorders.left, rcBorders.top, rcClient.right - rcBorders.right, rcBorders.top + 8), rcStrip);
    EXPECT_EQ(rcStrip.bottom, m_pPopup->GetControl(0)->GetRect().top);
    EXPECT_EQ(rcBorders.top + 8 + 60 + rcBorders.bottom, rcClient.Height());
    CSize sz;
    std::vector<COLORREF> pixels = ReadWindow(m_pPopup->GetSafeHwnd(), sz);
    EXPECT_EQ(kStrip, pixels[(rcStrip.top + 2) * sz.cx + rcStrip.CenterPoint().x]);

    CTestInput::MoveTo(Screen(rcStrip.CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return m_pPopup->IsTearOffHot(); }));
    PumpPendingMessages();
    pixels = ReadWindow(m_pPopup->GetSafeHwnd(), sz);
    EXPECT_EQ(kStripHot, pixels[(rcStrip.top + 2) * sz.cx + rcStrip.CenterPoint().x]);
    EXPECT_EQ(-1, m_pPopup->GetHotIndex());
    CTestInput::MoveTo(Screen(m_pPopup->GetControl(1)->GetRect().CenterPoint()));
    ASSERT_TRUE(PumpUntil([&] { return !m_pPopup->IsTearOffHot(); }));
}

// Pulled more than 10 pixels off the popup, the strip becomes a floating
// tool bar under the pointer; back inside, the popup shows again and the bar
// is hidden, which removes a torn-off bar from the manager and ends it; out
// once more, a fresh bar is made. Releasing outside closes the popup and
// leaves the bar.
TEST_F(PopupDragTest, PullingTheStripOffMakesAFloatingToolBar)
{
    AddControls(3);
    m_pPopup->GetControl(1)->SetHideFlags(zmrHideExpand);
    m_pPopup->SetTearOffPopup(TRUE, L"Tools", 200, 0);
    ASSERT_TRUE(Open());
    const CTearOffDrag drag = DragOffBackAndOffAgain();
    EXPECT_TRUE(drag.bShownNear) << "5 pixels off: still the popup";
    EXPECT_FALSE(drag.bShownFar);
    ASSERT_NE(nullptr, drag.pFirst);
    EXPECT_TRUE(drag.bShownBack);
    EXPECT_EQ(nullptr, drag.pTornOffBack);
    EXPECT_EQ(nullptr, drag.pFoundBack) << "hiding the torn-off bar removed it";
    EXPECT_FALSE(drag.bFirstWindowBack) << "and destroyed it";

    // The second bar is the only one of its id, and each bar was told to the
    // site when it was torn off.
    CZMRToolBar* pBar = DYNAMIC_DOWNCAST(CZMRToolBar, m_pManager->FindBar(200));
    ASSERT_NE(nullptr, pBar);
    int nBars = 0;
    for (int i = 0; i < m_pManager->GetCount(); i++)
        nBars += m_pManager->GetBar(i)->GetBarID() == 200;
    EXPECT_EQ(1, nBars);
    const auto notes = m_pSite->Messages(ZMR_WM_TEAROFFDONE);
    ASSERT_EQ(2u, notes.size());
    EXPECT_EQ(WPARAM(drag.pFirst), notes[0].wParam);
    EXPECT_EQ(WPARAM(pBar), notes[1].wParam);
    for (const auto& note : notes)
        EXPECT_EQ(LPARAM(m_pPopup), note.lParam);
    EXPECT_EQ(CString(L"Tools"), pBar->GetTitle());
    EXPECT_TRUE(pBar->IsTearOff());
    EXPECT_EQ(zmrBarFloating, pBar->GetPosition());
    EXPECT_TRUE(pBar->IsWindowVisible());
    // Copies of the controls, shown whatever hid them in the popup.
    const std::vector<CZMRControl*> copies = LastingControls(pBar);
    ASSERT_EQ(3u, copies.size());
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(500 + i, copies[i]->GetID());
        EXPECT_NE(m_pPopup->GetControl(i), copies[i]);
        EXPECT_EQ(DWORD(0), copies[i]->GetHideFlags() & 0x28) << i;
    }
    // Centred under the pointer, 10 pixels above it.
    const CRect rcBar = WindowRect(pBar);
    EXPECT_EQ(drag.ptFar.x - rcBar.Width() / 2, rcBar.left);
    EXPECT_EQ(drag.ptFar.y - 10, rcBar.top);
    EXPECT_FALSE(m_pPopup->IsTrackingMode()) << "the popup closed";
    EXPECT_EQ(0, CZMRMouseManager::FindThreadMouseManager()->m_nFocusCount);
}

// A bar of the tear-off id already in the manager is the one pulled off:
// floated and shown with its own controls. It is no torn-off bar, so back
// inside it is only hidden, and out again the same bar comes back.
TEST_F(PopupDragTest, PullingTheStripOffReusesTheBarOfItsId)
{
    AddControls(2);
    m_pPopup->SetTearOffPopup(TRUE, L"Tools", 200, 0);
    CZMRToolBar* pOwn = m_pManager->AddToolBar(L"Own", 200);
    pOwn->GetControls()->AddControl(new CProbeControl, 900);
    ASSERT_TRUE(Open());
    const CTearOffDrag drag = DragOffBackAndOffAgain();
    EXPECT_EQ(pOwn, drag.pFirst);
    EXPECT_EQ(nullptr, drag.pTornOffBack);
    EXPECT_EQ(pOwn, drag.pFoundBack);
    EXPECT_TRUE(drag.bFirstWindowBack);
    EXPECT_FALSE(drag.bFirstShownBack);

    EXPECT_EQ(pOwn, m_pManager->FindBar(200));
    const auto notes = m_pSite->Messages(ZMR_WM_TEAROFFDONE);
    ASSERT_EQ(2u, notes.size());
    for (const auto& note : notes)
        EXPECT_EQ(WPARAM(pOwn), note.wParam);
    EXPECT_EQ(CString(L"Own"), pOwn->GetTitle());
    EXPECT_FALSE(pOwn->IsTearOff());
    EXPECT_EQ(zmrBarFloating, pOwn->GetPosition());
    EXPECT_TRUE(pOwn->IsWindowVisible());
    const std::vector<CZMRControl*> own = LastingControls(pOwn);
    ASSERT_EQ(1u, own.size()) << "no copies of the popup's controls";
    EXPECT_EQ(900, own[0]->GetID());
}

TEST_F(PopupDragTest, ReleasedNearThePopupNothingIsTornOff)
{
    AddControls(2);
    m_pPopup->SetTearOffPopup(TRUE, L"Tools", 200, 0);
    ASSERT_TRUE(Open());
    const CRect rcPopup = WindowRect(m_pPopup);
    const CPoint ptStrip = Screen(m_pPopup->GetTearOffRect().CenterPoint());
    HCURSOR hCursor = nullptr;
    Press(ptStrip, {MoveTo(CPoint(rcPopup.left - 8, ptStrip.y)), Check([&] { hCursor = ::GetCursor(); }),
                    Do(CStep::release)});
    EXPECT_EQ(::LoadCursor(nullptr, IDC_SIZEALL), hCursor);
    EXPECT_EQ(nullptr, m_pManager->FindBar(200));
    EXPECT_TRUE(m_pPopup->IsTrackingMode());
    EXPECT_TRUE(m_pPopup->IsWindowVisible());
    EXPECT_TRUE(m_pSite->Messages(ZMR_WM_TEAROFFDONE).empty());
}

TEST_F(PopupDragTest, TearOffWithoutManagerDoesNothing)
{
    CZMRPopupBar* pPopup = CZMRPopupBar::CreatePopupBar(nullptr);
    pPopup->TearOff(FALSE, 300, 300);
    EXPECT_EQ(nullptr, pPopup->GetTornOffBar());
    pPopup->InternalRelease();
}

// ---------------------------------------------------------------- gallery resizing

struct CResizeCase
{
    const char* name;
    int nMode;
    CSize szBy;             // pointer moved by
    CSize szExpected;       // gallery width and height afterwards
};

TEST_F(PopupDragTest, GripperResizesTheGalleryWithinItsMinimums)
{
    const CResizeCase cases[] = {
        {"width and height", 3, CSize(30, 20), CSize(150, 80)},
        {"never below the minimums", 3, CSize(-200, -200), CSize(50, 30)},
        {"height only", 2, CSize(30, 20), CSize(120, 80)},
        {"width only", 1, CSize(30, 20), CSize(150, 60)},
    };
    for (const CResizeCase& c : cases)
    {
        m_pPopup->GetControls()->RemoveAll();
        auto* pGallery = new CProbeGallery(c.nMode);
        m_pPopup->GetControls()->AddControl(pGallery, 700);
        ASSERT_TRUE(Open()) << c.name;
        const CRect rcBefore = WindowRect(m_pPopup);
        const CRect rcGripper = m_pPopup->GetResizeGripperRect();
        EXPECT_EQ(c.nMode == 2 ? 8 : 11, rcGripper.Height()) << c.name;
        EXPECT_EQ(pGallery->GetRect().bottom, rcGripper.top) << c.name;
        PumpPendingMessages();
        EXPECT_EQ(c.nMode, Theme()->m_nGripKind) << c.name;
        const CPoint ptGrip = Screen(CPoint(rcGripper.right - 3, rcGripper.CenterPoint().y));
        HCURSOR hCursor = nullptr;
        CTestInput::MoveTo(ptGrip);
        PumpPendingMessages();
        Press(ptGrip, {Check([&] { hCursor = ::GetCursor(); }), MoveTo(ptGrip + c.szBy), Do(CStep::release)});
        EXPECT_EQ(::LoadCursor(nullptr, c.nMode == 2 ? IDC_SIZENS : IDC_SIZENWSE), hCursor) << c.name;
        EXPECT_EQ(c.szExpected, CSize(pGallery->GetWidth(), pGallery->GetHeight())) << c.name;
        // The popup follows its content; its top-left corner stays.
        const CRect rcAfter = WindowRect(m_pPopup);
        EXPECT_EQ(rcBefore.TopLeft(), rcAfter.TopLeft()) << c.name;
        EXPECT_EQ(rcBefore.Size() + (c.szExpected - CSize(120, 60)), rcAfter.Size()) << c.name;
        EXPECT_TRUE(m_pPopup->IsTrackingMode()) << c.name;
        m_pPopup->SetMenuLoopActive(FALSE);
    }
}

TEST_F(PopupDragTest, EscapeRestoresTheSizeTheDragBeganWith)
{
    auto* pGallery = new CProbeGallery(3);
    m_pPopup->GetControls()->AddControl(pGallery, 700);
    ASSERT_TRUE(Open());
    const CRect rcBefore = WindowRect(m_pPopup);
    const CRect rcGripper = m_pPopup->GetResizeGripperRect();
    const CPoint ptGrip = Screen(CPoint(rcGripper.right - 3, rcGripper.CenterPoint().y));
    CSize szMidway;
    CRect rcAfterEscape;
    BOOL bTracking = FALSE;
    Press(ptGrip, {MoveTo(ptGrip + CSize(40, 40)),
                   Check([&] { szMidway = CSize(pGallery->GetWidth(), pGallery->GetHeight()); }),
                   Key(VK_ESCAPE, true), Key(VK_ESCAPE, false), Do(CStep::capture), Check([&] {
                       rcAfterEscape = WindowRect(m_pPopup);
                       bTracking = m_pPopup->IsTrackingMode();
                   })});
    EXPECT_EQ(CSize(160, 100), szMidway);
    EXPECT_EQ(CSize(120, 60), CSize(pGallery->GetWidth(), pGallery->GetHeight()));
    EXPECT_EQ(rcBefore, rcAfterEscape);
    ASSERT_EQ(1u, g_script.captures.size());
    EXPECT_EQ(nullptr, g_script.captures[0]) << "Escape ended the drag";
    EXPECT_TRUE(bTracking) << "Escape ended only the drag";
}

// Only the square right end of the gripper starts a resize of both sides;
// a quit message ends the drag and is posted again; so does losing the capture.
TEST_F(PopupDragTest, GripperEndsAndLoopEndings)
{
    auto* pGallery = new CProbeGallery(3);
    m_pPopup->GetControls()->AddControl(pGallery, 700);
    ASSERT_TRUE(Open());
    const CRect rcGripper = m_pPopup->GetResizeGripperRect();
    EXPECT_FALSE(m_pPopup->HitTestResizeGripper(CPoint(rcGripper.right - rcGripper.Height() - 1, rcGripper.top)));
    EXPECT_TRUE(m_pPopup->HitTestResizeGripper(CPoint(rcGripper.right - rcGripper.Height(), rcGripper.top)));

    const CPoint ptGrip = Screen(CPoint(rcGripper.right - 3, rcGripper.CenterPoint().y));
    EXPECT_EQ(7, Press(ptGrip, {MoveTo(ptGrip + CSize(10, 10)), Do(CStep::quit), Do(CStep::capture)}));
    EXPECT_EQ(CSize(130, 70), CSize(pGallery->GetWidth(), pGallery->GetHeight()));
    ASSERT_EQ(1u, g_script.captures.size());
    EXPECT_EQ(nullptr, g_script.captures[0]);

    Press(ptGrip + CSize(10, 10), {Do(CStep::steal), MoveTo(ptGrip + CSize(40, 40)), Do(CStep::release)});
    EXPECT_EQ(CSize(130, 70), CSize(pGallery->GetWidth(), pGallery->GetHeight())) << "no capture, no resize";
    EXPECT_EQ(0, CZMRMouseManager::FindThreadMouseManager()->m_nFocusCount);
}
} // namespace
