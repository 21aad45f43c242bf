// The ribbon's frame helper: the frame's window region by the frame's
// state, the guard against re-entry from the system's reaction to a new
// region, the composed frame's margins (recorded through the replaceable
// composition binding, since composition cannot be seen under Wine), the
// status bar in the frame, and the caption with and without the ribbon.
#include "CZMRRibbonFrameHelper.h"
#include "CRibbonHost.h"
#include "CZMRBarManager.h"
#include "CZMRDwmApiBinding.h"
#include "CZMROffice2007Theme.h"
#include "CZMRRibbonBar.h"
#include "ArtifactPng.h"
#include "PixelCanvas.h"
#include "TestSkinBound.h"

#include <gtest/gtest.h>
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
    std::vector<CRect> m_calls;
    HWND m_hWnd = nullptr;
};

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
    // The frame's region box; empty when it has none.
    CRect RegionBox() const
    {
        CRect rc(0, 0, 0, 0);
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        if (::GetWindowRgn(m_hWnd, hRgn) != ERROR)
            ::GetRgnBox(hRgn, &rc);
        ::DeleteObject(hRgn);
        return rc;
    }
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
