// The ribbon's frame helper: the frame's window region by the frame's
// state, the guard against re-entry from the system's reaction to a new
// region, the composed frame's margins (recorded through the replaceable
// composition binding, since composition cannot be seen under Wine), the
// status bar in the frame, the caption with and without the ribbon, and a
// frame whose messages the helper watches: its non-client area drawn from
// the test skin, its activation, size and composition followed, and the
// ribbon's caption (its buttons and the frame's move) driven by the mouse.
#include "CZMRRibbonFrameHelper.h"
#include "CRibbonHost.h"
#include "CZMRBarManager.h"
#include "CZMRControlButton.h"
#include "CZMRControlEdit.h"
#include "CZMRControlEditCtrl.h"
#include "CZMRControls.h"
#include "CZMRDwmApiBinding.h"
#include "CZMROffice2007Theme.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonQuickAccessControls.h"
#include "ArtifactPng.h"
#include "CTestInput.h"
#include "PixelCanvas.h"
#include "StandInVisualStyles.h"
#include "WindowPixels.h"
#include "TestSkinBound.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace
{
// Records the margins the frame was extended by, as (left, top, right, bottom).
class CRecordingDwmApi : public CZMRDwmApiBinding
{
public:
    CRecordingDwmApi() : CZMRDwmApiBinding(L"zmr-no-such-module.dll") {}
    HRESULT ExtendFrameIntoClientArea(HWND hWnd, int cxLeft, int cyTop, int cxRight, int cyBottom) override
    {
        m_calls.push_back({cxLeft, cyTop, cxRight, cyBottom});
        m_hWnd = hWnd;
        return S_OK;
    }
    BOOL IsCompositionEnabled() override { return m_bComposed; }
    std::vector<CRect> m_calls;
    HWND m_hWnd = nullptr;
    BOOL m_bComposed = FALSE;   // what the desktop answers
};

// A window's region box; empty when it has none.
CRect RegionBoxOf(HWND hWnd)
{
    CRect rc(0, 0, 0, 0);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(hWnd, hRgn) != ERROR)
        ::GetRgnBox(hRgn, &rc);
    ::DeleteObject(hRgn);
    return rc;
}

// A top-level frame window that may update its helper's region each time
// the system moves or sizes it, as a frame that follows its size would.
class CPlainFrame
{
public:
    explicit CPlainFrame(CSize size, DWORD dwStyle = WS_OVERLAPPEDWINDOW, DWORD dwExStyle = 0)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZMRTestPlainFrame";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(dwExStyle, wc.lpszClassName, L"Frame", dwStyle, 0, 0, size.cx, size.cy, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, LONG_PTR(this));
    }
    ~CPlainFrame() { ::DestroyWindow(m_hWnd); }
    void AddStyle(DWORD dwStyle, DWORD dwExStyle = 0)
    {
        ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | dwStyle);
        ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) | dwExStyle);
    }
    CRect RegionBox() const { return RegionBoxOf(m_hWnd); }
    bool RegionHas(int x, int y) const
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        const bool bHas = ::GetWindowRgn(m_hWnd, hRgn) != ERROR && ::PtInRegion(hRgn, x, y);
        ::DeleteObject(hRgn);
        return bHas;
    }
    HWND m_hWnd;
    CZMRRibbonFrameHelper* m_pFollow = nullptr;   // updated on every position change
    int m_nPosChanges = 0;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        CPlainFrame* pThis = reinterpret_cast<CPlainFrame*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (nMsg == WM_WINDOWPOSCHANGED && pThis && pThis->m_pFollow)
        {
            pThis->m_nPosChanges++;
            CRect rc;
            ::GetWindowRect(hWnd, &rc);
            pThis->m_pFollow->UpdateFrameRegion(rc.Width(), rc.Height(), TRUE);
        }
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    }
};

// The skinned theme, created by number and released at the end.
struct CTheme
{
    CTheme() : p(dynamic_cast<CZMROffice2007Theme*>(CZMRPaintManager::CreateTheme(zmrThemeOffice2007))) {}
    ~CTheme() { p->InternalRelease(); }
    CZMROffice2007Theme* p;
};

int AdjustedBorder(HWND hWnd)
{
    CRect rc(0, 0, 100, 100);
    ::AdjustWindowRectEx(&rc, DWORD(::GetWindowLongW(hWnd, GWL_STYLE)), FALSE,
                         DWORD(::GetWindowLongW(hWnd, GWL_EXSTYLE)));
    return -rc.left;
}
} // namespace

TEST(RibbonFrameHelper, RegionByTheFramesState)
{
    CTheme theme;
    {
        CPlainFrame frame(CSize(300, 200));
        CZMRRibbonFrameHelper helper(frame.m_hWnd, nullptr, nullptr, theme.p);
        helper.UpdateFrameRegion(300, 200, FALSE);
        EXPECT_EQ(AdjustedBorder(frame.m_hWnd), helper.GetFrameBorderWidth());
        EXPECT_EQ(CRect(0, 0, 300, 200), frame.RegionBox()) << "the theme's rounded region";
        EXPECT_FALSE(frame.RegionHas(0, 0));
        EXPECT_TRUE(frame.RegionHas(4, 0));
        EXPECT_TRUE(frame.RegionHas(0, 199));

        // The same size without force leaves things as they are; force makes it again.
        ::SetWindowRgn(frame.m_hWnd, nullptr, FALSE);
        helper.UpdateFrameRegion(300, 200, FALSE);
        EXPECT_TRUE(frame.RegionBox().IsRectEmpty());
        helper.UpdateFrameRegion(300, 200, TRUE);
        EXPECT_EQ(CRect(0, 0, 300, 200), frame.RegionBox());

        // A frame too small for the rounded corners gets no region.
        helper.UpdateFrameRegion(7, 200, FALSE);
        EXPECT_TRUE(frame.RegionBox().IsRectEmpty());
    }

    // Maximised: the window less its border; with a client edge (which the
    // system counts into the border) 2 px more on every side.
    for (DWORD dwExStyle : {DWORD(0), DWORD(WS_EX_CLIENTEDGE)})
    {
        CPlainFrame frame(CSize(300, 200), WS_OVERLAPPEDWINDOW, dwExStyle);
        frame.AddStyle(WS_MAXIMIZE);
        CZMRRibbonFrameHelper helper(frame.m_hWnd, nullptr, nullptr, theme.p);
        helper.UpdateFrameRegion(300, 200, TRUE);
        EXPECT_EQ(AdjustedBorder(frame.m_hWnd), helper.GetFrameBorderWidth());
        const int d = helper.GetFrameBorderWidth() - (dwExStyle ? 2 : 0);
        ASSERT_GT(d, 0);
        const CRect rcBox = frame.RegionBox();
        EXPECT_TRUE(rcBox == CRect(d, d, 300 - d, 200 - d))
            << dwExStyle << ": " << rcBox.left << "," << rcBox.top << "," << rcBox.right << "," << rcBox.bottom;
    }

    // A maximised MDI child loses its region.
    CPlainFrame child(CSize(300, 200));
    CZMRRibbonFrameHelper helper(child.m_hWnd, nullptr, nullptr, theme.p);
    helper.UpdateFrameRegion(300, 200, TRUE);
    ASSERT_FALSE(child.RegionBox().IsRectEmpty());
    child.AddStyle(WS_MAXIMIZE, WS_EX_MDICHILD);
    helper.UpdateFrameRegion(300, 200, TRUE);
    EXPECT_TRUE(child.RegionBox().IsRectEmpty());
}

TEST(RibbonFrameHelper, RegionUpdateReenteredFromTheSystemDoesNothing)
{
    CTheme theme;
    CPlainFrame frame(CSize(300, 200));
    CZMRRibbonFrameHelper helper(frame.m_hWnd, nullptr, nullptr, theme.p);
    frame.m_pFollow = &helper;
    helper.UpdateFrameRegion(300, 200, TRUE);
    // Each new region moves the frame once; a re-entered update would set
    // another region and move it again, without end.
    EXPECT_EQ(1, frame.m_nPosChanges);
    EXPECT_EQ(CRect(0, 0, 300, 200), frame.RegionBox());
    frame.m_pFollow = nullptr;
}

TEST(RibbonFrameHelper, MissingWindowAndManager)
{
    CZMRRibbonFrameHelper helper(nullptr, nullptr);
    EXPECT_EQ(0u, helper.GetFrameStyle());
    EXPECT_EQ(0u, helper.GetFrameStyle(TRUE));
    EXPECT_EQ(nullptr, helper.GetPaintManager());
    EXPECT_TRUE(helper.IsStandardCaption());
    EXPECT_FALSE(helper.GetFrameStatusBarHeight());
    helper.UpdateFrameRegion(300, 200, TRUE);
    helper.RefreshFrameRegion();
    helper.RecalcFrame();
}

TEST(RibbonFrameHelper, StatusBarInTheFrame)
{
    CTheme theme;
    CPlainFrame frame(CSize(300, 200));
    CZMRRibbonFrameHelper helper(frame.m_hWnd, nullptr, nullptr, theme.p);
    int cy = 0;
    EXPECT_FALSE(helper.GetFrameStatusBarHeight(&cy)) << "the Office 2007 theme keeps it out";
    theme.p->m_bFrameStatusBar = TRUE;
    EXPECT_FALSE(helper.GetFrameStatusBarHeight(&cy)) << "no status bar";
    HWND hWndStatus = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 22, frame.m_hWnd,
                                        reinterpret_cast<HMENU>(INT_PTR(AFX_IDW_STATUS_BAR)), nullptr, nullptr);
    EXPECT_FALSE(helper.GetFrameStatusBarHeight(&cy)) << "hidden";
    ::ShowWindow(hWndStatus, SW_SHOWNA);
    EXPECT_TRUE(helper.GetFrameStatusBarHeight(&cy));
    EXPECT_EQ(22, cy);
    theme.p->m_bUseStatusBarTheme = FALSE;
    EXPECT_FALSE(helper.GetFrameStatusBarHeight(&cy)) << "status bars not in the visual style";
}

TEST(RibbonFrameHelper, CompositionExtendsTheFrameOverTheRibbonsCaptionOnly)
{
    CRecordingDwmApi dwm;
    {
        // A standard caption: nothing reaches into the client area.
        CTheme theme;
        CPlainFrame frame(CSize(300, 200));
        CZMRRibbonFrameHelper helper(frame.m_hWnd, nullptr, nullptr, theme.p);
        helper.SetDwmApiBinding(&dwm);
        helper.SetCompositionEnabled(TRUE);
        helper.UpdateFrameRegion(300, 200, TRUE);
        ASSERT_EQ(1u, dwm.m_calls.size());
        EXPECT_EQ(CRect(0, 0, 0, 0), dwm.m_calls[0]);
        EXPECT_EQ(frame.m_hWnd, dwm.m_hWnd);
        EXPECT_EQ(4, helper.GetFrameBorderWidth());
        EXPECT_TRUE(frame.RegionBox().IsRectEmpty()) << "a composed frame keeps no region";

        frame.AddStyle(WS_MAXIMIZE);
        helper.UpdateFrameRegion(300, 200, TRUE);
        EXPECT_EQ(AdjustedBorder(frame.m_hWnd), helper.GetFrameBorderWidth()) << "maximised: the system's border";
    }

    // The ribbon in the caption: the top margin is its caption, nothing else.
    dwm.m_calls.clear();
    CRibbonHost* pHost = CRibbonHost::Create();
    ASSERT_NE(nullptr, pHost);
    pHost->Layout();
    HWND hWndFrame = pHost->Frame()->GetSafeHwnd();
    CZMRRibbonFrameHelper* pHelper = new CZMRRibbonFrameHelper(hWndFrame, pHost->Ribbon(), pHost->Manager());
    pHost->Ribbon()->SetFrameHelper(pHelper);
    pHelper->SetDwmApiBinding(&dwm);
    pHelper->SetCompositionEnabled(TRUE);
    ASSERT_FALSE(pHelper->IsStandardCaption());
    CRect rc;
    ::GetWindowRect(hWndFrame, &rc);
    pHelper->UpdateFrameRegion(rc.Width(), rc.Height(), TRUE);
    ASSERT_EQ(1u, dwm.m_calls.size());
    const int cyCaption = pHost->Ribbon()->GetCaptionHeight() + 4;
    EXPECT_EQ(CRect(0, cyCaption, 0, 0), dwm.m_calls[0]);
    EXPECT_EQ(cyCaption, pHelper->GetCaptionHeight());
    delete pHost;
}

TEST(RibbonFrameHelper, CaptionIsTheRibbonsWhileItIsShownAtTheTop)
{
    CRibbonHost* pHost = CRibbonHost::Create();
    ASSERT_NE(nullptr, pHost);
    pHost->Layout();
    CZMRRibbonBar* pRibbon = pHost->Ribbon();
    CZMRRibbonFrameHelper* pHelper =
        new CZMRRibbonFrameHelper(pHost->Frame()->GetSafeHwnd(), pRibbon, pHost->Manager());
    pRibbon->SetFrameHelper(pHelper);
    pHelper->SetFrameBorderWidth(6);
    CZMROffice2007Theme* pTheme = dynamic_cast<CZMROffice2007Theme*>(pHelper->GetPaintManager());
    ASSERT_NE(nullptr, pTheme);
    EXPECT_EQ(pHost->Manager()->GetPaintManager(), pHelper->GetPaintManager());

    EXPECT_FALSE(pHelper->IsStandardCaption());
    EXPECT_EQ(pRibbon->GetCaptionHeight() + 6, pHelper->GetCaptionHeight());

    pRibbon->SetVisible(FALSE);
    EXPECT_TRUE(pHelper->IsStandardCaption());
    EXPECT_EQ(pTheme->m_nFrameCaptionHeight + 6, pHelper->GetCaptionHeight());
    delete pHost;
}

// ---------------------------------------------------------------- the ribbon's frame

TEST(RibbonFrameHelper, RibbonFrameDrawsOnlyTheTopBorderAboveTheRibbonsCaption)
{
    CSkinBound skin;
    CRibbonHost* pHost = CRibbonHost::Create(CRect(0, 0, 420, 260));
    ASSERT_NE(nullptr, pHost);
    pHost->Layout();
    HWND hWndFrame = pHost->Frame()->GetSafeHwnd();
    CZMRRibbonFrameHelper* pHelper = new CZMRRibbonFrameHelper(hWndFrame, pHost->Ribbon(), pHost->Manager());
    pHost->Ribbon()->SetFrameHelper(pHelper);
    pHelper->RefreshFrameRegion();
    ASSERT_FALSE(pHelper->IsStandardCaption());
    CZMROffice2007Theme* pTheme = dynamic_cast<CZMROffice2007Theme*>(pHelper->GetPaintManager());
    ASSERT_NE(nullptr, pTheme);

    CRect rcWindow, rcClient;
    ::GetWindowRect(hWndFrame, &rcWindow);
    ::GetClientRect(hWndFrame, &rcClient);
    ::MapWindowPoints(hWndFrame, nullptr, reinterpret_cast<LPPOINT>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    const int cx = rcWindow.Width(), cy = rcWindow.Height();
    const int W = rcClient.left, nBorder = pHelper->GetFrameBorderWidth();
    ASSERT_GT(W, 0);
    ASSERT_LE(W, 10) << "the test skin's top parts are 10 columns wide";
    ASSERT_GT(nBorder, 0);
    ASSERT_LT(nBorder, 8) << "the top centre part's upper rows are 8";

    // The skin's top parts (make_theme_pictures.py).
    auto topLeft = [](int s, int x) { return RGB(40 + 120 * s, 10 + 20 * x, 200); };
    auto topRight = [](int s, int x) { return RGB(40 + 120 * s, 10 + 20 * x, 230); };
    const COLORREF clrCenterUpper[2] = {RGB(40, 240, 20), RGB(160, 240, 20)};
    const COLORREF kBack = RGB(1, 1, 1);
    for (BOOL bActive : {TRUE, FALSE})
    {
        const int s = bActive ? 0 : 1;
        pHelper->SetFrameActive(bActive);
        CPixelCanvas canvas(cx, cy, kBack);
        pTheme->DrawFrame(canvas.DC(), pHelper);
        for (int x = 0; x < W; x++)
        {
            EXPECT_EQ(topLeft(s, x), canvas.Pixel(x, 1)) << "the left part's leftmost columns, " << x;
            EXPECT_EQ(topRight(s, 10 - W + x), canvas.Pixel(cx - W + x, 1)) << "the right part's rightmost, " << x;
        }
        EXPECT_EQ(clrCenterUpper[s], canvas.Pixel(cx / 2, 0)) << "the centre's top rows";
        EXPECT_EQ(clrCenterUpper[s], canvas.Pixel(cx / 2, nBorder - 1));
        EXPECT_EQ(kBack, canvas.Pixel(cx / 2, nBorder)) << "the ribbon draws the caption below the border";
        EXPECT_EQ(kBack, canvas.Pixel(W + 30, nBorder + 3)) << "no title, icon or buttons of the frame's own";

        // The picture: the frame around the ribbon's own pixels.
        CSize szClient;
        const std::vector<COLORREF> client = pHost->CaptureFrame(szClient);
        const std::wstring strName = bActive ? L"ribbon-frame-active.png" : L"ribbon-frame-inactive.png";
        EXPECT_TRUE(SaveArtifactPng(strName.c_str(), cx, cy, [&](int x, int y) {
            const int xc = x - rcClient.left, yc = y - rcClient.top;
            if (xc >= 0 && yc >= 0 && xc < szClient.cx && yc < szClient.cy)
                return client[size_t(yc) * size_t(szClient.cx) + size_t(xc)];
            return canvas.Pixel(x, y);
        }));
    }
    delete pHost;
}

// ---------------------------------------------------------------- the hooked frame

namespace
{
// The test skin's frame parts and [Window] colours (make_theme_pictures.py,
// zm_testskin.rc).
const COLORREF kBorderActive[4] = {RGB(7, 158, 92), RGB(7, 161, 89), RGB(7, 164, 86), RGB(7, 167, 83)};
const COLORREF kBorderInactive[4] = {RGB(7, 170, 80), RGB(7, 173, 77), RGB(7, 176, 74), RGB(7, 179, 71)};
COLORREF SkinTopLeft(int nState, int x) { return RGB(40 + 120 * nState, 10 + 20 * x, 200); }
COLORREF SkinTopRight(int nState, int x) { return RGB(40 + 120 * nState, 10 + 20 * x, 230); }
COLORREF SkinTopCenterUpper(int nState) { return RGB(40 + 120 * nState, 240, 20); }
// A caption glyph's centre: green by kind, blue by size.
COLORREF SkinGlyph(int nState, int nId, int nSize)
{
    const int nGreen = nId == SC_CLOSE ? 220 : nId == SC_MINIMIZE ? 180 : nId == SC_MAXIMIZE ? 140 : 100;
    const int nBlue = nSize == 13 ? 80 : nSize == 17 ? 120 : 160;
    return RGB(30 + 40 * nState, nGreen, nBlue);
}

// The whole window as it shows, non-client area included.
class CWindowPixels
{
public:
    explicit CWindowPixels(HWND hWnd)
    {
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        m_pixels = ReadWholeWindow(hWnd, m_size);
    }
    COLORREF At(int x, int y) const { return m_pixels[size_t(y) * size_t(m_size.cx) + size_t(x)]; }
    void Save(LPCWSTR lpszName) const
    {
        EXPECT_TRUE(SaveArtifactPng(lpszName, m_size.cx, m_size.cy, [this](int x, int y) { return At(x, y); }));
    }
    CSize m_size;

private:
    std::vector<COLORREF> m_pixels;
};

// A ribbon host whose ribbon has a frame helper (composing through the
// binding given, when one is), hooked to the frame when asked.
struct CRibbonFrame
{
    explicit CRibbonFrame(CRect rc = CRect(0, 0, 420, 260), CZMRDwmApiBinding* pDwm = nullptr, BOOL bHook = TRUE)
        : pHost(CRibbonHost::Create(rc))
    {
        if (!pHost)
            return;
        hWndFrame = pHost->Frame()->GetSafeHwnd();
        pRibbon = pHost->Ribbon();
        pHelper = new CZMRRibbonFrameHelper(hWndFrame, pRibbon, pHost->Manager());
        pRibbon->SetFrameHelper(pHelper);
        if (pDwm)
            pHelper->SetDwmApiBinding(pDwm);
        pHost->Frame()->SetForegroundWindow();
        if (bHook)
            pHelper->HookFrame();
        pHost->Layout();
    }
    ~CRibbonFrame() { delete pHost; }
    CRibbonHost* pHost;
    HWND hWndFrame = nullptr;
    CZMRRibbonBar* pRibbon = nullptr;
    CZMRRibbonFrameHelper* pHelper = nullptr;
};

// The client rectangle in window coordinates.
CRect ClientInWindow(HWND hWnd)
{
    CRect rcWindow, rcClient;
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<LPPOINT>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    return rcClient;
}

// The client rectangle the system gives a window of this style and size.
CRect SystemClientInWindow(HWND hWnd, CSize size)
{
    CRect rc(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rc, DWORD(::GetWindowLongW(hWnd, GWL_STYLE)), ::GetMenu(hWnd) != nullptr,
                         DWORD(::GetWindowLongW(hWnd, GWL_EXSTYLE)));
    return CRect(-rc.left, -rc.top, size.cx - rc.right, size.cy - rc.bottom);
}

bool PumpUntil(const std::function<bool()>& done)
{
    const DWORD dwStart = ::GetTickCount();
    while (!done())
    {
        if (::GetTickCount() - dwStart > 20000)
            return false;
        CRibbonHost::Pump();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
} // namespace

TEST(RibbonFrameHelper, AHookedFrameIsDrawnFromTheSkinActiveAndInactive)
{
    CSkinBound skin;
    CTheme theme;
    theme.p->RefreshMetrics();   // the border colours of the test skin
    CPlainFrame frame(CSize(320, 200));
    ::SetWindowTextW(frame.m_hWnd, L"Report - Host");
    ::ShowWindow(frame.m_hWnd, SW_SHOW);
    ::SetForegroundWindow(frame.m_hWnd);
    CZMRRibbonFrameHelper helper(frame.m_hWnd, nullptr, nullptr, theme.p);
    helper.HookFrame();
    ASSERT_TRUE(helper.IsFrameHooked());
    EXPECT_TRUE(helper.IsFrameActive());

    // The frame keeps its caption, as high as the theme's, and the
    // system's border on the other sides.
    const int b = AdjustedBorder(frame.m_hWnd);
    ASSERT_GT(b, 0);
    const int Yc = theme.p->m_nFrameCaptionHeight + b;
    EXPECT_EQ(b, helper.GetFrameBorderWidth());
    EXPECT_EQ(CRect(b, Yc, 320 - b, 200 - b), ClientInWindow(frame.m_hWnd));
    EXPECT_EQ(CRect(0, 0, 320, 200), RegionBoxOf(frame.m_hWnd));
    EXPECT_FALSE(frame.RegionHas(0, 0)) << "rounded corners";

    for (BOOL bActive : {TRUE, FALSE})
    {
        if (!bActive)
            ::SendMessageW(frame.m_hWnd, WM_NCACTIVATE, FALSE, 0);
        EXPECT_EQ(bActive, helper.IsFrameActive());
        const int s = bActive ? 0 : 1;
        const COLORREF* c = bActive ? kBorderActive : kBorderInactive;
        const CWindowPixels pixels(frame.m_hWnd);
        for (int i = 0; i < std::min(b, 4); i++)
        {
            EXPECT_EQ(c[i], pixels.At(i, Yc + 10)) << bActive << " left column " << i;
            EXPECT_EQ(c[i], pixels.At(319 - i, Yc + 10)) << bActive << " right column " << i;
        }
        EXPECT_EQ(c[0], pixels.At(160, 199)) << "bottom line";
        EXPECT_EQ(SkinTopLeft(s, 5), pixels.At(5, Yc - 1));
        EXPECT_EQ(SkinTopRight(s, 5), pixels.At(315, Yc - 1));
        EXPECT_EQ(SkinTopCenterUpper(s), pixels.At(160, 1));
        pixels.Save(bActive ? L"office2007-frame-window-active.png" : L"office2007-frame-window-inactive.png");
    }

    // A new title is drawn by the system at once; the skin's caption comes back over it.
    ::SetWindowTextW(frame.m_hWnd, L"Other - Host");
    EXPECT_EQ(SkinTopCenterUpper(1), CWindowPixels(frame.m_hWnd).At(160, 1));

    // Unhooked, the frame is the system's again.
    helper.HookFrame(FALSE);
    EXPECT_EQ(SystemClientInWindow(frame.m_hWnd, CSize(320, 200)), ClientInWindow(frame.m_hWnd));
    EXPECT_TRUE(RegionBoxOf(frame.m_hWnd).IsRectEmpty());
}

TEST(RibbonFrameHelper, AHookedRibbonFrameKeepsItsBordersAroundTheRibbonsCaption)
{
    CSkinBound skin;
    CRibbonFrame f;
    ASSERT_NE(nullptr, f.pHost);
    ASSERT_FALSE(f.pHelper->IsStandardCaption());

    // Only the border stays above the client area; the ribbon's caption
    // reaches up through it to the window's top.
    const int b = AdjustedBorder(f.hWndFrame);
    EXPECT_EQ(CRect(b, b, 420 - b, 260 - b), ClientInWindow(f.hWndFrame));
    EXPECT_EQ(-b, f.pRibbon->GetCaptionRect().top);
    EXPECT_EQ(CRect(0, 0, 420, 260), RegionBoxOf(f.hWndFrame));

    for (BOOL bActive : {TRUE, FALSE})
    {
        if (!bActive)
            ::SendMessageW(f.hWndFrame, WM_NCACTIVATE, FALSE, 0);
        EXPECT_EQ(bActive, f.pHelper->IsFrameActive());
        const CWindowPixels pixels(f.hWndFrame);
        const COLORREF* c = bActive ? kBorderActive : kBorderInactive;
        EXPECT_EQ(SkinTopCenterUpper(bActive ? 0 : 1), pixels.At(210, 0)) << "the top border";
        EXPECT_EQ(c[0], pixels.At(0, 200)) << "the left border below the caption";
        pixels.Save(bActive ? L"ribbon-frame-window-active.png" : L"ribbon-frame-window-inactive.png");
    }
    ::SendMessageW(f.hWndFrame, WM_NCACTIVATE, TRUE, 0);

    // The region follows the frame's size.
    ::SetWindowPos(f.hWndFrame, nullptr, 0, 0, 460, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(0, 0, 460, 300), RegionBoxOf(f.hWndFrame));

    // The posted recalculation is answered when the frame gets it.
    f.pHelper->PostRecalc();
    EXPECT_TRUE(f.pHelper->IsRecalcPosted());
    CRibbonHost::Pump();
    EXPECT_FALSE(f.pHelper->IsRecalcPosted());

    // A hidden ribbon gives the frame its standard caption back.
    f.pRibbon->SetVisible(FALSE);
    EXPECT_TRUE(f.pHelper->IsStandardCaption());
    EXPECT_EQ(f.pHelper->GetCaptionHeight(), ClientInWindow(f.hWndFrame).top);
    // Shown again, the ribbon asks for the frame's recalculation, which the
    // frame answers when the request arrives.
    f.pRibbon->SetVisible(TRUE);
    f.pHost->Layout();
    EXPECT_FALSE(f.pHelper->IsStandardCaption());
    EXPECT_EQ(b, ClientInWindow(f.hWndFrame).top);
}

TEST(RibbonFrameHelper, CompositionMessagesSwitchBetweenTheRegionAndTheExtendedFrame)
{
    CRecordingDwmApi dwm;
    CRibbonFrame f(CRect(0, 0, 420, 260), &dwm);
    ASSERT_NE(nullptr, f.pHost);
    EXPECT_FALSE(f.pHelper->IsCompositionEnabled());
    EXPECT_FALSE(RegionBoxOf(f.hWndFrame).IsRectEmpty());
    EXPECT_TRUE(dwm.m_calls.empty());

    // Composed: no region, the system's frame extended down over the
    // ribbon's caption, which starts at the window's top.
    dwm.m_bComposed = TRUE;
    ::SendMessageW(f.hWndFrame, WM_DWMCOMPOSITIONCHANGED, 0, 0);
    EXPECT_TRUE(f.pHelper->IsCompositionEnabled());
    EXPECT_TRUE(RegionBoxOf(f.hWndFrame).IsRectEmpty());
    ASSERT_FALSE(dwm.m_calls.empty());
    EXPECT_EQ(CRect(0, f.pHelper->GetCaptionHeight(), 0, 0), dwm.m_calls.back());
    EXPECT_EQ(0, ClientInWindow(f.hWndFrame).top);
    EXPECT_EQ(SystemClientInWindow(f.hWndFrame, CSize(420, 260)).left, ClientInWindow(f.hWndFrame).left);

    dwm.m_bComposed = FALSE;
    dwm.m_calls.clear();
    ::SendMessageW(f.hWndFrame, WM_DWMCOMPOSITIONCHANGED, 0, 0);
    EXPECT_FALSE(f.pHelper->IsCompositionEnabled());
    EXPECT_EQ(CRect(0, 0, 420, 260), RegionBoxOf(f.hWndFrame));
    EXPECT_TRUE(dwm.m_calls.empty());
}

namespace
{
// What a press looked like from inside the button's press loop.
struct CPressSeen
{
    CZMRControl* pButton = nullptr;
    HWND hWndBar = nullptr;
    BOOL bPressed = FALSE;
    COLORREF clr = CLR_INVALID;
    bool bLooked = false;
} g_press;

COLORREF BarPixel(HWND hWnd, CPoint pt)
{
    ::UpdateWindow(hWnd);
    HDC hdc = ::GetDC(hWnd);
    HDC hdcMem = ::CreateCompatibleDC(hdc);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdc, 1, 1);
    HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
    ::BitBlt(hdcMem, 0, 0, 1, 1, hdc, pt.x, pt.y, SRCCOPY);
    const COLORREF clr = ::GetPixel(hdcMem, 0, 0);
    ::SelectObject(hdcMem, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdcMem);
    ::ReleaseDC(hWnd, hdc);
    return clr;
}

void CALLBACK LookAndRelease(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    g_press.bPressed = g_press.pButton->GetPressed();
    g_press.clr = BarPixel(g_press.hWndBar, g_press.pButton->GetRect().CenterPoint());
    g_press.bLooked = true;
    CTestInput::Button(VK_LBUTTON, false);
}
} // namespace

TEST(RibbonFrameHelper, CaptionButtonsFollowTheMouseAndRunTheirSystemCommand)
{
    CSkinBound skin;
    CRibbonFrame f;
    ASSERT_NE(nullptr, f.pHost);
    f.pRibbon->EnableAnimation(FALSE);   // each state is drawn at once
    HWND hWndBar = f.pRibbon->GetSafeHwnd();

    CZMRControl* pMaximize = f.pRibbon->GetControls()->FindControlById(SC_MAXIMIZE);
    ASSERT_NE(nullptr, pMaximize);
    const CRect rc = pMaximize->GetRect();
    const int nGlyph = CZMROffice2007Theme::GetFrameCaptionGlyphSize(rc.Height());
    EXPECT_EQ(SkinGlyph(0, SC_MAXIMIZE, nGlyph), BarPixel(hWndBar, rc.CenterPoint())) << "at rest";

    CTestInput::MoveTo(hWndBar, rc.CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return pMaximize->GetSelected() != 0; }));
    EXPECT_EQ(SkinGlyph(1, SC_MAXIMIZE, nGlyph), BarPixel(hWndBar, rc.CenterPoint())) << "under the mouse";

    // Pressed: the button's press loop runs; a timer inside it looks and lets go.
    g_press = CPressSeen();
    g_press.pButton = pMaximize;
    g_press.hWndBar = hWndBar;
    ::SetTimer(nullptr, 0, 20, LookAndRelease);
    CTestInput::Button(VK_LBUTTON, true);
    ASSERT_TRUE(PumpUntil([&] { return ::IsZoomed(f.hWndFrame) != FALSE; })) << "released on it: the frame maximizes";
    ASSERT_TRUE(g_press.bLooked);
    EXPECT_TRUE(g_press.bPressed);
    EXPECT_EQ(SkinGlyph(2, SC_MAXIMIZE, nGlyph), g_press.clr) << "pressed";

    // The maximized frame offers restore there; an inactive frame draws it disabled.
    f.pHost->Layout();
    CZMRControl* pRestore = f.pRibbon->GetControls()->FindControlById(SC_RESTORE);
    ASSERT_NE(nullptr, pRestore);
    ::SendMessageW(f.hWndFrame, WM_NCACTIVATE, FALSE, 0);
    const CRect rcRestore = pRestore->GetRect();
    EXPECT_EQ(SkinGlyph(3, SC_RESTORE, CZMROffice2007Theme::GetFrameCaptionGlyphSize(rcRestore.Height())),
              BarPixel(hWndBar, rcRestore.CenterPoint()));
}

namespace
{
// A visual-style library that takes text drawn on glass down.
std::vector<std::wstring> g_glassTexts;
HTHEME WINAPI GlassOpenThemeData(HWND, LPCWSTR) { return reinterpret_cast<HTHEME>(0x77); }
HRESULT WINAPI GlassCloseThemeData(HTHEME) { return S_OK; }
BOOL WINAPI GlassTrue() { return TRUE; }
HPAINTBUFFER WINAPI GlassBeginBufferedPaint(HDC hdcTarget, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC* phdc)
{
    *phdc = hdcTarget;
    return reinterpret_cast<HPAINTBUFFER>(0x88);
}
HRESULT WINAPI GlassEndBufferedPaint(HPAINTBUFFER, BOOL) { return S_OK; }
HRESULT WINAPI GlassDrawThemeTextEx(HTHEME, HDC, int, int, LPCWSTR pszText, int cchText, DWORD, LPRECT,
                                    const DTTOPTS*)
{
    g_glassTexts.push_back(cchText < 0 ? std::wstring(pszText) : std::wstring(pszText, size_t(cchText)));
    return S_OK;
}
} // namespace

TEST(RibbonFrameHelper, ControlCaptionsInTheComposedCaptionAreDrawnOnGlass)
{
    CStandInVisualStyles styles({{"OpenThemeData", reinterpret_cast<void*>(GlassOpenThemeData)},
                                 {"CloseThemeData", reinterpret_cast<void*>(GlassCloseThemeData)},
                                 {"IsThemeActive", reinterpret_cast<void*>(GlassTrue)},
                                 {"IsAppThemed", reinterpret_cast<void*>(GlassTrue)},
                                 {"BeginBufferedPaint", reinterpret_cast<void*>(GlassBeginBufferedPaint)},
                                 {"EndBufferedPaint", reinterpret_cast<void*>(GlassEndBufferedPaint)},
                                 {"DrawThemeTextEx", reinterpret_cast<void*>(GlassDrawThemeTextEx)}});
    CRecordingDwmApi dwm;
    CRibbonFrame f(CRect(0, 0, 420, 260), &dwm, FALSE);
    ASSERT_NE(nullptr, f.pHost);
    CZMRControl* pControl = f.pRibbon->GetQuickAccessCustomizeButton();
    ASSERT_NE(nullptr, pControl);
    CZMRPaintManager* pPaintManager = f.pHost->PaintManager();
    // An edit in the quick-access bar: its window paints opaque on glass.
    CZMRControlEdit* pEdit = new CZMRControlEdit;
    pEdit->SetWidth(60);
    f.pRibbon->GetQuickAccessControls()->InsertAt(pEdit, 0);

    struct Case
    {
        const char* pszName;
        BOOL bComposed, bQuickAccessBelow;
        bool bOnGlass;
    };
    const Case cases[] = {
        {"composed, in the caption", TRUE, FALSE, true},
        {"not composed", FALSE, FALSE, false},
        {"composed, below the ribbon", TRUE, TRUE, false},
    };
    const COLORREF kText = RGB(10, 20, 30);
    for (const Case& c : cases)
    {
        f.pHelper->SetCompositionEnabled(c.bComposed);
        f.pRibbon->ShowQuickAccessBelow(c.bQuickAccessBelow);
        f.pHost->Layout();
        EXPECT_EQ(c.bOnGlass, pControl->IsInRibbonCaption() != FALSE) << c.pszName;
        ASSERT_NE(nullptr, pEdit->GetEditCtrl()) << c.pszName;
        EXPECT_EQ(c.bOnGlass, pEdit->GetEditCtrl()->IsInRibbonCaption() != FALSE) << c.pszName;

        g_glassTexts.clear();
        CPixelCanvas canvas(80, 20, RGB(255, 255, 255));
        canvas.DC()->SetTextColor(kText);
        pPaintManager->DrawControlCaption(canvas.DC(), pControl, L"Save", L"Save", CRect(0, 0, 80, 20), FALSE,
                                          FALSE);
        EXPECT_EQ(c.bOnGlass ? std::vector<std::wstring>{L"Save"} : std::vector<std::wstring>{}, g_glassTexts)
            << c.pszName;
        if (!c.bOnGlass)
        {
            bool bText = false;
            for (int x = 0; x < 80 && !bText; x++)
                for (int y = 0; y < 20 && !bText; y++)
                    bText = canvas.Pixel(x, y) == kText;
            EXPECT_TRUE(bText) << c.pszName << ": drawn plainly";
        }
    }
    EXPECT_FALSE(CZMRControlButton().IsInRibbonCaption()) << "a control on no bar";
}

// ---------------------------------------------------------------- the ribbon's caption by the frame's styles

TEST(RibbonFrameHelper, CaptionButtonsByTheFramesStyles)
{
    struct Button
    {
        int nId;
        bool bEnabled;
    };
    struct Case
    {
        const char* pszName;
        DWORD dwRemove, dwExAdd;
        bool bMaximized, bCloseGrayed, bComposed;
        std::vector<Button> buttons;   // from the right
    };
    const Case cases[] = {
        {"all boxes", 0, 0, false, false, false, {{SC_CLOSE, true}, {SC_MAXIMIZE, true}, {SC_MINIMIZE, true}}},
        {"no maximize box", WS_MAXIMIZEBOX, 0, false, false, false,
         {{SC_CLOSE, true}, {SC_MAXIMIZE, false}, {SC_MINIMIZE, true}}},
        {"no boxes", WS_MAXIMIZEBOX | WS_MINIMIZEBOX, 0, false, false, false, {{SC_CLOSE, true}}},
        {"tool window", 0, WS_EX_TOOLWINDOW, false, false, false, {{SC_CLOSE, true}}},
        {"no system menu", WS_SYSMENU, 0, false, false, false, {}},
        {"close grayed", 0, 0, false, true, false, {{SC_CLOSE, false}, {SC_MAXIMIZE, true}, {SC_MINIMIZE, true}}},
        {"maximized", 0, 0, true, false, false, {{SC_CLOSE, true}, {SC_RESTORE, true}, {SC_MINIMIZE, true}}},
        {"composed", 0, 0, false, false, true, {}},
    };
    const int kIds[] = {SC_CLOSE, SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE};
    CRecordingDwmApi dwm;
    for (const Case& c : cases)
    {
        CRibbonFrame f(CRect(0, 0, 480, 320), &dwm, FALSE);
        ASSERT_NE(nullptr, f.pHost);
        ::SetWindowLongW(f.hWndFrame, GWL_STYLE, ::GetWindowLongW(f.hWndFrame, GWL_STYLE) & ~LONG(c.dwRemove));
        ::SetWindowLongW(f.hWndFrame, GWL_EXSTYLE, ::GetWindowLongW(f.hWndFrame, GWL_EXSTYLE) | LONG(c.dwExAdd));
        if (c.bCloseGrayed)
            ::EnableMenuItem(::GetSystemMenu(f.hWndFrame, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
        if (c.bMaximized)
            ::ShowWindow(f.hWndFrame, SW_MAXIMIZE);
        f.pHelper->SetCompositionEnabled(c.bComposed);
        f.pHost->Layout();

        CRect rcClient;
        f.pRibbon->GetClientRect(&rcClient);
        int xRight = rcClient.Width() - (c.bComposed ? 100 : 0);
        const int yTop = f.pRibbon->GetCaptionTopOffset(), yBottom = f.pRibbon->GetCaptionRect().bottom - 3;
        const int nHeight = yBottom - yTop;
        for (const Button& button : c.buttons)
        {
            CZMRControl* pButton = f.pRibbon->GetControls()->FindControlById(button.nId);
            ASSERT_NE(nullptr, pButton) << c.pszName << " " << button.nId;
            EXPECT_EQ(CRect(xRight - nHeight, yTop, xRight, yBottom), pButton->GetRect())
                << c.pszName << " " << button.nId;
            EXPECT_EQ(button.bEnabled, pButton->GetEnabled() != 0) << c.pszName << " " << button.nId;
            xRight -= nHeight;
        }
        for (int nId : kIds)
        {
            const bool bExpected = std::any_of(c.buttons.begin(), c.buttons.end(),
                                               [nId](const Button& button) { return button.nId == nId; });
            EXPECT_EQ(bExpected, f.pRibbon->GetControls()->FindControlById(nId) != nullptr) << c.pszName << " " << nId;
        }
        EXPECT_EQ(xRight, f.pRibbon->GetCaptionFreeRect().right) << c.pszName;
    }
}

namespace
{
// The composition's own hit test: it answers one code everywhere.
class CHitTestDwmApi : public CRecordingDwmApi
{
public:
    HRESULT DefWindowProc(HWND, UINT nMessage, WPARAM, LPARAM, LRESULT* plResult) override
    {
        m_nAsked++;
        if (nMessage != WM_NCHITTEST || m_nAnswer == 0)
            return FALSE;
        *plResult = m_nAnswer;
        return TRUE;
    }
    LRESULT m_nAnswer = 0;
    int m_nAsked = 0;
};
} // namespace

TEST(RibbonFrameHelper, OverTheComposedFramesButtonsTheRibbonLetsTheFrameAnswer)
{
    CHitTestDwmApi dwm;
    CRibbonFrame f(CRect(0, 0, 420, 260), &dwm, FALSE);
    ASSERT_NE(nullptr, f.pHost);
    CPoint pt(f.pRibbon->GetCaptionFreeRect().right - 10, 5);
    f.pRibbon->ClientToScreen(&pt);
    auto hitTest = [&] { return LRESULT(f.pRibbon->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y))); };

    EXPECT_EQ(HTCLIENT, hitTest());
    EXPECT_EQ(0, dwm.m_nAsked) << "not composed: the composition is not asked";

    f.pHelper->SetCompositionEnabled(TRUE);
    struct Case
    {
        LRESULT nComposition, nExpected;
    };
    for (const Case& c : {Case{HTCLOSE, HTTRANSPARENT}, Case{HTMAXBUTTON, HTTRANSPARENT},
                          Case{HTMINBUTTON, HTTRANSPARENT}, Case{HTHELP, HTTRANSPARENT}, Case{HTCAPTION, HTCLIENT},
                          Case{0, HTCLIENT}})
    {
        dwm.m_nAnswer = c.nComposition;
        EXPECT_EQ(c.nExpected, hitTest()) << c.nComposition;
    }
}

namespace
{
// A drag inside the system's move loop: the first tick moves the mouse,
// the second lets the button go.
struct CDragSteps
{
    CPoint ptTo;
    int nTicks = 0;
} g_drag;

void CALLBACK DragStep(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (g_drag.nTicks++ == 0)
    {
        CTestInput::MoveTo(g_drag.ptTo);
        return;
    }
    ::KillTimer(nullptr, nTimer);
    CTestInput::Button(VK_LBUTTON, false);
}
} // namespace

TEST(RibbonFrameHelper, DraggingTheRibbonsCaptionMovesTheFrame)
{
    CRibbonFrame f;
    ASSERT_NE(nullptr, f.pHost);
    const CPoint ptCaption(f.pRibbon->GetCaptionFreeRect().left + 20, 10);
    ASSERT_EQ(HTCAPTION, f.pRibbon->HitTestCaption(ptCaption));
    CRect rcBefore;
    ::GetWindowRect(f.hWndFrame, &rcBefore);
    CPoint ptScreen = ptCaption;
    f.pRibbon->ClientToScreen(&ptScreen);
    CTestInput::MoveTo(ptScreen);
    CRibbonHost::Pump();

    g_drag = CDragSteps();
    g_drag.ptTo = ptScreen + CPoint(30, 20);
    ::SetTimer(nullptr, 0, 20, DragStep);
    CTestInput::Button(VK_LBUTTON, true);
    ASSERT_TRUE(PumpUntil([] { return g_drag.nTicks >= 2; }));
    CRect rcAfter;
    ASSERT_TRUE(PumpUntil([&] {
        ::GetWindowRect(f.hWndFrame, &rcAfter);
        return rcAfter != rcBefore;
    }));
    EXPECT_EQ(rcBefore.TopLeft() + CPoint(30, 20), rcAfter.TopLeft());
    EXPECT_EQ(rcBefore.Size(), rcAfter.Size());
}
