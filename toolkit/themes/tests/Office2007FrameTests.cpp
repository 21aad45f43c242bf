// The skinned theme's frame drawing: a frame window whose non-client insets
// the test sets (its WM_NCCALCSIZE answers them), painted with the test
// skin bound into a canvas of the window's size. The skin's frame parts are
// bands whose every column (or row) has a colour of its own, so a pixel
// tells which part, state and source column was drawn there.
#include "CZMROffice2007Theme.h"
#include "CZMRControl.h"
#include "CZMRControls.h"
#include "CZMRRibbonFrameHelper.h"
#include "TestSkinBound.h"
#include "ThemeTestSupport.h"

#include <vector>

using namespace themetest;

namespace
{
const COLORREF kKey = RGB(255, 0, 255);

// The test skin's colour table ([Window]).
const COLORREF kActive[4] = {RGB(7, 158, 92), RGB(7, 161, 89), RGB(7, 164, 86), RGB(7, 167, 83)};
const COLORREF kInactive[4] = {RGB(7, 170, 80), RGB(7, 173, 77), RGB(7, 176, 74), RGB(7, 179, 71)};
const COLORREF kTitle = RGB(7, 182, 68);
const COLORREF kTextInactive = RGB(7, 185, 65);
const COLORREF kTextActive = RGB(7, 188, 62);

// The test skin's pictures (make_theme_pictures.py).
COLORREF TopLeft(int nState, int x) { return RGB(40 + 120 * nState, 10 + 20 * x, 200); }
COLORREF TopRight(int nState, int x) { return RGB(40 + 120 * nState, 10 + 20 * x, 230); }
COLORREF TopCenter(int nState, bool bUpperRows) { return bUpperRows ? RGB(40 + 120 * nState, 240, 20) : RGB(40 + 120 * nState, 200, 60); }
COLORREF Glyph(int nState, int nKindGreen, int nSizeBlue) { return RGB(30 + 40 * nState, nKindGreen, nSizeBlue); }
COLORREF ButtonFace(int nState) { return RGB(200, 100 + 50 * nState, 30); }
COLORREF StatusLight(int x) { return RGB(250, 20 + 40 * x, 40); }
COLORREF StatusDark(int x) { return RGB(250, 20 + 40 * x, 90); }
COLORREF BottomLeft(int nState) { return RGB(160 + 40 * nState, 90, 200); }
COLORREF BottomRight(int nState) { return RGB(160 + 40 * nState, 90, 240); }

// A top-level window whose client area is inset from its window rectangle
// by the given left, top, right and bottom widths.
class CInsetFrame
{
public:
    CInsetFrame(CSize size, CRect rcInsets, DWORD dwStyle = WS_OVERLAPPEDWINDOW, DWORD dwExStyle = 0,
                LPCWSTR lpszText = L"")
        : m_rcInsets(rcInsets)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZMRTestInsetFrame";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(dwExStyle, wc.lpszClassName, lpszText, dwStyle, 0, 0, size.cx, size.cy, nullptr,
                                   nullptr, wc.hInstance, this);
    }
    ~CInsetFrame() { ::DestroyWindow(m_hWnd); }
    // A visible child with the framework's status-bar id and cy pixels high.
    void AddStatusBar(int cy)
    {
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, cy, m_hWnd,
                          reinterpret_cast<HMENU>(INT_PTR(AFX_IDW_STATUS_BAR)), nullptr, nullptr);
    }
    HWND m_hWnd;
    HICON m_hDragIcon = nullptr;   // the answer to WM_QUERYDRAGICON

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_NCCREATE)
            ::SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                                LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        CInsetFrame* pThis = reinterpret_cast<CInsetFrame*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (nMsg == WM_NCCALCSIZE && pThis)
        {
            RECT& rc = *reinterpret_cast<RECT*>(lParam);
            rc.left += pThis->m_rcInsets.left;
            rc.top += pThis->m_rcInsets.top;
            rc.right -= pThis->m_rcInsets.right;
            rc.bottom -= pThis->m_rcInsets.bottom;
            return 0;
        }
        if (nMsg == WM_QUERYDRAGICON && pThis)
            return LRESULT(pThis->m_hDragIcon);
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    }
    CRect m_rcInsets;
};

// The theme refreshed with the test skin; it records the rectangles the
// caption text was given.
class CFrameTheme : public CZMROffice2007Theme
{
public:
    CFrameTheme()
    {
        RefreshMetrics();
        LOGFONT lf = {};
        lf.lfHeight = -12;
        lf.lfQuality = NONANTIALIASED_QUALITY;   // text pixels in the text colour itself
        ::lstrcpyW(lf.lfFaceName, L"Tahoma");
        m_fntFrameCaption.SetCustomFont(&lf);
    }
    void DrawFrameCaptionText(CDC* pDC, CRect rcText, CWnd* pFrame, BOOL bActive) override
    {
        m_arrTextRects.push_back(rcText);
        CZMROffice2007Theme::DrawFrameCaptionText(pDC, rcText, pFrame, bActive);
    }
    std::vector<CRect> m_arrTextRects;
};

// A caption button whose hot state the test sets.
class CCaptionButton : public CZMRControl
{
public:
    void SetHot(BOOL bHot) { m_bSelected = bHot; }
};

// A frame, its helper and the skinned theme, painted into a canvas.
struct CFrameFixture
{
    CFrameFixture(CSize size, CRect rcInsets, DWORD dwStyle = WS_OVERLAPPEDWINDOW)
        : m_size(size), m_frame(size, rcInsets, dwStyle), m_helper(m_frame.m_hWnd, nullptr, nullptr, &m_theme)
    {
        m_helper.SetFrameBorderWidth(rcInsets.left);
    }
    CCaptionButton* AddButton(int nId, CRect rc)
    {
        CCaptionButton* pButton = new CCaptionButton;
        pButton->SetID(nId);
        m_helper.GetCaptionButtons()->Append(pButton);
        pButton->SetRect(rc);
        return pButton;
    }
    CPixelCanvas& Paint(BOOL bActive = TRUE)
    {
        m_helper.SetFrameActive(bActive);
        m_pCanvas.reset(new CPixelCanvas(m_size.cx, m_size.cy, kBack));
        m_theme.DrawFrame(m_pCanvas->DC(), &m_helper);
        return *m_pCanvas;
    }
    int CaptionBottom() const { return m_theme.m_nFrameCaptionHeight + m_helper.GetFrameBorderWidth(); }

    CSkinBound m_skin;
    CFrameTheme m_theme;
    CSize m_size;
    CInsetFrame m_frame;
    CZMRRibbonFrameHelper m_helper;
    std::unique_ptr<CPixelCanvas> m_pCanvas;
};

} // namespace

// ---------------------------------------------------------------- layout rules

TEST(Office2007Frame, RegionRectanglesBySizeAndBottom)
{
    struct Case
    {
        const char* pszName;
        int cx, cy;
        BOOL bRounded;
        std::vector<CRect> expected;
    };
    const Case cases[] = {
        {"square bottom", 100, 50, FALSE,
         {{4, 0, 96, 1}, {2, 1, 98, 2}, {1, 2, 99, 3}, {1, 3, 99, 4}, {0, 4, 100, 46}, {0, 46, 100, 50}}},
        {"rounded bottom", 100, 50, TRUE,
         {{4, 0, 96, 1}, {2, 1, 98, 2}, {1, 2, 99, 3}, {1, 3, 99, 4}, {0, 4, 100, 46}, {1, 46, 99, 48},
          {2, 48, 98, 49}, {4, 49, 96, 50}}},
        {"smallest", 8, 8, TRUE,
         {{4, 0, 4, 1}, {2, 1, 6, 2}, {1, 2, 7, 3}, {1, 3, 7, 4}, {0, 4, 8, 4}, {1, 4, 7, 6}, {2, 6, 6, 7},
          {4, 7, 4, 8}}},
        {"too narrow", 7, 50, TRUE, {}},
        {"too low", 100, 7, FALSE, {}},
        {"empty", 0, 0, FALSE, {}},
    };
    for (const Case& c : cases)
    {
        CRect rects[8];
        const int n = CZMROffice2007Theme::GetFrameRegionRects(c.cx, c.cy, c.bRounded, rects);
        EXPECT_EQ(std::vector<CRect>(c.expected), std::vector<CRect>(rects, rects + n)) << c.pszName;
        for (int i = 0; i < n; i++)
            EXPECT_TRUE(rects[i].left <= rects[i].right && rects[i].top <= rects[i].bottom) << c.pszName;
    }
}

TEST(Office2007Frame, CaptionGlyphBySizeKindAndState)
{
    struct SizeCase
    {
        int nHeight, nGlyph;
    };
    for (const SizeCase& c : {SizeCase{10, 13}, SizeCase{14, 13}, SizeCase{15, 17}, SizeCase{26, 17},
                              SizeCase{27, 23}, SizeCase{40, 23}})
        EXPECT_EQ(c.nGlyph, CZMROffice2007Theme::GetFrameCaptionGlyphSize(c.nHeight)) << c.nHeight;

    EXPECT_EQ(CString(L"FRAMECAPTIONCLOSE17"), CZMROffice2007Theme::GetFrameCaptionGlyphName(SC_CLOSE, 20));
    EXPECT_EQ(CString(L"FRAMECAPTIONMINIMIZE13"), CZMROffice2007Theme::GetFrameCaptionGlyphName(SC_MINIMIZE, 14));
    EXPECT_EQ(CString(L"FRAMECAPTIONMAXIMIZE23"), CZMROffice2007Theme::GetFrameCaptionGlyphName(SC_MAXIMIZE, 27));
    EXPECT_EQ(CString(L"FRAMECAPTIONRESTORE17"), CZMROffice2007Theme::GetFrameCaptionGlyphName(SC_RESTORE, 15));
    EXPECT_EQ(CString(L"FRAMECAPTIONRESTORE17"), CZMROffice2007Theme::GetFrameCaptionGlyphName(1234, 15));

    struct StateCase
    {
        BOOL bSelected, bPressed, bEnabledAndActive;
        int nState;
    };
    for (const StateCase& c : {StateCase{FALSE, FALSE, TRUE, 0}, StateCase{TRUE, FALSE, TRUE, 1},
                               StateCase{FALSE, TRUE, TRUE, 1}, StateCase{TRUE, TRUE, TRUE, 2},
                               StateCase{TRUE, TRUE, FALSE, 3}, StateCase{FALSE, FALSE, FALSE, 3}})
        EXPECT_EQ(c.nState, CZMROffice2007Theme::GetFrameCaptionGlyphState(c.bSelected, c.bPressed,
                                                                           c.bEnabledAndActive))
            << c.bSelected << c.bPressed << c.bEnabledAndActive;
}

// ---------------------------------------------------------------- the region

TEST(Office2007Frame, RegionOfAFrameWindow)
{
    CFrameFixture f(CSize(120, 80), CRect(4, 30, 4, 4));
    HRGN hRgn = f.m_theme.CreateFrameRegion(&f.m_helper, 120, 80);
    ASSERT_NE(nullptr, hRgn);
    CRect rcBox;
    ::GetRgnBox(hRgn, &rcBox);
    EXPECT_EQ(CRect(0, 0, 120, 80), rcBox);
    EXPECT_FALSE(::PtInRegion(hRgn, 0, 0));
    EXPECT_FALSE(::PtInRegion(hRgn, 3, 0));
    EXPECT_TRUE(::PtInRegion(hRgn, 4, 0));
    EXPECT_TRUE(::PtInRegion(hRgn, 0, 79));   // square bottom without the status bar
    ::DeleteObject(hRgn);

    // The status bar in the frame with a border of 4 rounds the bottom.
    f.m_theme.m_bFrameStatusBar = TRUE;
    f.m_frame.AddStatusBar(20);
    hRgn = f.m_theme.CreateFrameRegion(&f.m_helper, 120, 80);
    ASSERT_NE(nullptr, hRgn);
    EXPECT_FALSE(::PtInRegion(hRgn, 0, 79));
    EXPECT_FALSE(::PtInRegion(hRgn, 3, 79));
    EXPECT_TRUE(::PtInRegion(hRgn, 4, 79));
    EXPECT_TRUE(::PtInRegion(hRgn, 1, 77));
    ::DeleteObject(hRgn);

    // ... but not with a border of 3.
    f.m_helper.SetFrameBorderWidth(3);
    hRgn = f.m_theme.CreateFrameRegion(&f.m_helper, 120, 80);
    ASSERT_NE(nullptr, hRgn);
    EXPECT_TRUE(::PtInRegion(hRgn, 0, 79));
    ::DeleteObject(hRgn);

    // A maximised frame, and a frame too small for the corners, get none.
    EXPECT_EQ(nullptr, f.m_theme.CreateFrameRegion(&f.m_helper, 7, 80));
    ::SetWindowLongW(f.m_frame.m_hWnd, GWL_STYLE, ::GetWindowLongW(f.m_frame.m_hWnd, GWL_STYLE) | WS_MAXIMIZE);
    EXPECT_EQ(nullptr, f.m_theme.CreateFrameRegion(&f.m_helper, 120, 80));
}

// ---------------------------------------------------------------- frame painting

TEST(Office2007Frame, BordersActiveAndInactive)
{
    CFrameFixture f(CSize(200, 120), CRect(4, 30, 4, 4));
    const int Yc = f.CaptionBottom();
    const int y = Yc + 10;
    for (BOOL bActive : {TRUE, FALSE})
    {
        const COLORREF* c = bActive ? kActive : kInactive;
        CPixelCanvas& canvas = f.Paint(bActive);
        for (int i = 0; i < 4; i++)
        {
            EXPECT_EQ(c[i], canvas.Pixel(i, y)) << bActive << " left column " << i;
            EXPECT_EQ(c[i], canvas.Pixel(199 - i, y)) << bActive << " right column " << i;
        }
        EXPECT_EQ(kBack, canvas.Pixel(4, y)) << "the client area is left alone";
        EXPECT_EQ(kBack, canvas.Pixel(195, y));
        EXPECT_EQ(c[0], canvas.Pixel(0, Yc)) << "the columns start at the caption's bottom";
        EXPECT_EQ(c[0], canvas.Pixel(100, 119)) << "bottom line";
        EXPECT_EQ(c[3], canvas.Pixel(1, 117)) << "bottom border";
        EXPECT_EQ(c[3], canvas.Pixel(100, 116));
        EXPECT_EQ(kBack, canvas.Pixel(100, 115));
    }

    // Maximised and active: the bottom line takes the innermost colour.
    ::SetWindowLongW(f.m_frame.m_hWnd, GWL_STYLE, ::GetWindowLongW(f.m_frame.m_hWnd, GWL_STYLE) | WS_MAXIMIZE);
    EXPECT_EQ(kActive[3], f.Paint(TRUE).Pixel(100, 119));
    EXPECT_EQ(kInactive[0], f.Paint(FALSE).Pixel(100, 119));
}

TEST(Office2007Frame, NarrowBordersHaveOnlyTheirColumns)
{
    CFrameFixture f(CSize(200, 120), CRect(3, 30, 3, 1));
    const int y = f.CaptionBottom() + 10;
    CPixelCanvas& canvas = f.Paint();
    EXPECT_EQ(kActive[0], canvas.Pixel(0, y));
    EXPECT_EQ(kActive[1], canvas.Pixel(1, y));
    EXPECT_EQ(kActive[2], canvas.Pixel(2, y));
    EXPECT_EQ(kBack, canvas.Pixel(3, y));
    EXPECT_EQ(kActive[2], canvas.Pixel(197, y));
    EXPECT_EQ(kBack, canvas.Pixel(196, y));
    EXPECT_EQ(kActive[0], canvas.Pixel(100, 119)) << "a one-pixel bottom border is the bottom line alone";
    EXPECT_EQ(kBack, canvas.Pixel(100, 118));
}

TEST(Office2007Frame, StandardCaptionFromTheSkinsTopParts)
{
    CFrameFixture f(CSize(200, 120), CRect(4, 30, 4, 4), WS_CAPTION | WS_THICKFRAME);
    const int Yc = f.CaptionBottom();
    for (int nState : {0, 1})
    {
        CPixelCanvas& canvas = f.Paint(nState == 0);
        for (int x : {0, 3, 9})
        {
            EXPECT_EQ(TopLeft(nState, x), canvas.Pixel(x, 1)) << nState << " left part column " << x;
            EXPECT_EQ(TopLeft(nState, x), canvas.Pixel(x, Yc - 1));
            EXPECT_EQ(TopRight(nState, x), canvas.Pixel(190 + x, 1)) << nState << " right part column " << x;
        }
        EXPECT_EQ(TopCenter(nState, true), canvas.Pixel(100, 1)) << nState;
        EXPECT_EQ(TopCenter(nState, false), canvas.Pixel(100, Yc - 1)) << nState;
        EXPECT_EQ(TopCenter(nState, true), canvas.Pixel(10, 1)) << "the centre starts after the left part";
        EXPECT_EQ(TopCenter(nState, true), canvas.Pixel(189, 1)) << "... and ends before the right part";
        EXPECT_EQ(kBack, canvas.Pixel(100, Yc)) << "the caption ends at its bottom";
    }
}

TEST(Office2007Frame, CaptionButtonsWithTheirStatesAndGlyphs)
{
    CFrameFixture f(CSize(200, 120), CRect(4, 30, 4, 4), WS_CAPTION | WS_THICKFRAME);
    // 17 px high: the 17-px glyphs, centred; 17 x 17 with a 2-px key ring.
    CCaptionButton* pClose = f.AddButton(SC_CLOSE, CRect(170, 3, 190, 20));
    CCaptionButton* pMax = f.AddButton(SC_MAXIMIZE, CRect(150, 3, 170, 20));
    CCaptionButton* pMin = f.AddButton(SC_MINIMIZE, CRect(130, 3, 150, 20));
    pMin->SetEnabled(FALSE);
    pMax->SetHot(TRUE);
    pClose->SetHot(TRUE);
    pClose->SetPressed(TRUE);

    CPixelCanvas& canvas = f.Paint();
    const int yMid = 11;
    EXPECT_EQ(Glyph(2, 220, 120), canvas.Pixel(180, yMid)) << "pressed and hot";
    EXPECT_EQ(ButtonFace(1), canvas.Pixel(171, 3)) << "the pressed face shows through the glyph's key ring";
    EXPECT_EQ(Glyph(1, 140, 120), canvas.Pixel(160, yMid)) << "hot";
    EXPECT_EQ(ButtonFace(0), canvas.Pixel(151, 3));
    EXPECT_EQ(Glyph(3, 180, 120), canvas.Pixel(140, yMid)) << "disabled";
    EXPECT_EQ(TopCenter(0, true), canvas.Pixel(131, 3)) << "no face at rest";

    // An inactive frame draws every glyph disabled.
    CPixelCanvas& inactive = f.Paint(FALSE);
    EXPECT_EQ(Glyph(3, 220, 120), inactive.Pixel(180, yMid));
    EXPECT_EQ(Glyph(3, 140, 120), inactive.Pixel(160, yMid));

    // A hidden button is not drawn.
    pMax->SetVisible(FALSE);
    EXPECT_EQ(TopCenter(0, false), f.Paint().Pixel(160, yMid + 4));

    // Sizes 13 and 23 by the button's height.
    CPixelCanvas small(40, 40, kBack);
    f.m_theme.DrawFrameCaptionButton(small.DC(), CRect(0, 0, 20, 14), SC_RESTORE, FALSE, FALSE, TRUE);
    EXPECT_EQ(Glyph(0, 100, 80), small.Pixel(10, 7));
    CPixelCanvas large(40, 40, kBack);
    large.DC()->FillSolidRect(0, 0, 40, 40, kBack);
    f.m_theme.DrawFrameCaptionButton(large.DC(), CRect(0, 0, 30, 27), SC_MINIMIZE, FALSE, FALSE, TRUE);
    EXPECT_EQ(Glyph(0, 180, 160), large.Pixel(15, 13));
    EXPECT_EQ(kBack, large.Pixel(4, 3)) << "the glyph is centred, unstretched: 23 px from x 3, ring 2 px";
    EXPECT_EQ(Glyph(0, 180, 160), large.Pixel(5, 4));
}

TEST(Office2007Frame, CaptionTextRectangleEndsBeforeTheButtonsLessTheBorder)
{
    struct Case
    {
        const char* pszName;
        DWORD dwStyle;
        bool bButtons;
        int nLeft, nRight;
    };
    const int cxIcon = ::GetSystemMetrics(SM_CXSMICON);
    const Case cases[] = {
        {"no icon, no buttons", WS_CAPTION | WS_THICKFRAME, false, 7, 200 - 4},
        {"icon, no buttons", WS_OVERLAPPEDWINDOW, false, cxIcon + 12, 200 - 4},
        {"no icon, buttons", WS_CAPTION | WS_THICKFRAME, true, 7, 130 - 4},
        {"icon, buttons", WS_OVERLAPPEDWINDOW, true, cxIcon + 12, 130 - 4},
    };
    for (const Case& c : cases)
    {
        CFrameFixture f(CSize(200, 120), CRect(4, 30, 4, 4), c.dwStyle);
        if (c.bButtons)
        {
            f.AddButton(SC_CLOSE, CRect(170, 3, 190, 20));
            f.AddButton(SC_MINIMIZE, CRect(130, 3, 150, 20));
            f.AddButton(SC_MAXIMIZE, CRect(100, 3, 120, 20))->SetVisible(FALSE);
        }
        f.Paint();
        ASSERT_EQ(1u, f.m_theme.m_arrTextRects.size()) << c.pszName;
        EXPECT_EQ(CRect(c.nLeft, 4, c.nRight, f.CaptionBottom() - 3), f.m_theme.m_arrTextRects[0]) << c.pszName;
    }
}

TEST(Office2007Frame, StatusBarStripAndBottomCorners)
{
    CFrameFixture f(CSize(200, 120), CRect(4, 30, 4, 4), WS_CAPTION | WS_THICKFRAME);
    f.m_theme.m_bFrameStatusBar = TRUE;
    f.m_frame.AddStatusBar(20);
    // The strip: 20 rows above the 4-px bottom border, rows 96 to 115.
    for (int nState : {0, 1})
    {
        const COLORREF* c = nState == 0 ? kActive : kInactive;
        CPixelCanvas& canvas = f.Paint(nState == 0);
        EXPECT_EQ(c[1], canvas.Pixel(1, 95)) << "inner columns end above the strip";
        EXPECT_EQ(c[0], canvas.Pixel(0, 100)) << "the outermost column runs to the bottom";
        for (int x : {1, 2, 3})
        {
            EXPECT_EQ(StatusLight(x - 1), canvas.Pixel(x, 100)) << "light strip column " << x;
            EXPECT_EQ(StatusDark(x - 1), canvas.Pixel(195 + x, 100))
                << "dark strip column " << x;
        }
        EXPECT_EQ(kBack, canvas.Pixel(4, 100));
        EXPECT_EQ(BottomLeft(nState), canvas.Pixel(1, 116)) << nState;
        EXPECT_EQ(BottomRight(nState), canvas.Pixel(198, 116)) << nState;
        EXPECT_NE(kKey, canvas.Pixel(5, 114)) << "the corner's key colour is transparent";
        EXPECT_NE(kKey, canvas.Pixel(194, 114));
    }

    // A border of 3 has no corner parts and a two-column strip.
    CFrameFixture narrow(CSize(200, 120), CRect(3, 30, 3, 4), WS_CAPTION | WS_THICKFRAME);
    narrow.m_theme.m_bFrameStatusBar = TRUE;
    narrow.m_frame.AddStatusBar(20);
    CPixelCanvas& canvas = narrow.Paint();
    EXPECT_EQ(StatusLight(1), canvas.Pixel(2, 100));
    EXPECT_EQ(kBack, canvas.Pixel(3, 100));
    EXPECT_EQ(kActive[3], canvas.Pixel(1, 117)) << "no corner part";
    EXPECT_EQ(kActive[3], canvas.Pixel(198, 117));
}

// ---------------------------------------------------------------- caption text

namespace
{
class CDocFrame : public CFrameWnd
{
public:
    CDocument* GetActiveDocument() override { return &m_document; }
    CDocument m_document;
};

// The pixels of a colour, by column.
std::vector<int> ColumnsOf(const CPixelCanvas& canvas, CRect rc, COLORREF clr)
{
    std::vector<int> columns;
    for (int x = rc.left; x < rc.right; x++)
        for (int y = rc.top; y < rc.bottom; y++)
            if (canvas.Pixel(x, y) == clr)
            {
                columns.push_back(x);
                break;
            }
    return columns;
}
} // namespace

TEST(Office2007Frame, CaptionTextWithTheFrameTitleApart)
{
    CSkinBound skin;
    CFrameTheme theme;
    for (BOOL bMirrored : {FALSE, TRUE})
    {
        CDocFrame* pFrame = new CDocFrame;
        ASSERT_TRUE(pFrame->Create(nullptr, L"", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE | FWS_PREFIXTITLE,
                                   CRect(0, 0, 300, 100), nullptr, nullptr, bMirrored ? WS_EX_LAYOUTRTL : 0));
        pFrame->SetTitle(L"Host");
        pFrame->SetWindowText(L"Report.txt - Host");
        const CRect rc(0, 0, 300, 24);

        CPixelCanvas active(300, 24, kBack);
        theme.DrawFrameCaptionText(active.DC(), rc, pFrame, TRUE);
        const std::vector<int> document = ColumnsOf(active, rc, kTextActive);
        const std::vector<int> title = ColumnsOf(active, rc, kTitle);
        ASSERT_FALSE(document.empty()) << bMirrored;
        if (bMirrored)
        {
            EXPECT_TRUE(title.empty()) << "a mirrored caption is drawn in one run";
        }
        else
        {
            ASSERT_FALSE(title.empty());
            EXPECT_LT(document.back() + 2, title.front()) << "the frame title comes last, apart";
        }

        CPixelCanvas inactive(300, 24, kBack);
        theme.DrawFrameCaptionText(inactive.DC(), rc, pFrame, FALSE);
        EXPECT_FALSE(ColumnsOf(inactive, rc, kTextInactive).empty());
        EXPECT_TRUE(ColumnsOf(inactive, rc, kTitle).empty());
        EXPECT_TRUE(ColumnsOf(inactive, rc, kTextActive).empty());
        pFrame->DestroyWindow();
    }
}

TEST(Office2007Frame, SmallIconOfWindow)
{
    EXPECT_EQ(nullptr, CZMROffice2007Theme::SmallIconOfWindow(nullptr));
    HICON hOwn = ::LoadIconW(nullptr, IDI_QUESTION);
    HICON hDrag = ::LoadIconW(nullptr, IDI_WARNING);
    struct Case
    {
        const char* pszName;
        DWORD dwStyle, dwExStyle;
        bool bSetIcon;
        HICON hDragIcon;
        HICON hExpected;
    };
    const Case cases[] = {
        {"tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, true, hDrag, nullptr},
        {"no system menu", WS_CAPTION | WS_THICKFRAME, 0, true, hDrag, nullptr},
        {"its own small icon", WS_OVERLAPPEDWINDOW, 0, true, hDrag, hOwn},
        {"dialog frame without icon", WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 0, false, hDrag, nullptr},
        {"modal frame without icon", WS_OVERLAPPEDWINDOW, WS_EX_DLGMODALFRAME, false, hDrag, nullptr},
        {"the drag icon", WS_OVERLAPPEDWINDOW, 0, false, hDrag, hDrag},
        {"no icon at all", WS_OVERLAPPEDWINDOW, 0, false, nullptr, ::LoadIconW(nullptr, IDI_WINLOGO)},
    };
    for (const Case& c : cases)
    {
        CInsetFrame frame(CSize(100, 60), CRect(4, 20, 4, 4), c.dwStyle, c.dwExStyle);
        frame.m_hDragIcon = c.hDragIcon;
        if (c.bSetIcon)
            ::SendMessageW(frame.m_hWnd, WM_SETICON, ICON_SMALL, LPARAM(hOwn));
        CWnd* pWnd = CWnd::FromHandle(frame.m_hWnd);
        EXPECT_EQ(c.hExpected, CZMROffice2007Theme::SmallIconOfWindow(pWnd)) << c.pszName;
    }

    CInsetFrame frame(CSize(100, 60), CRect(4, 20, 4, 4));
    EXPECT_EQ(nullptr, CZMROffice2007Theme::LargeIconOfWindow(CWnd::FromHandle(frame.m_hWnd)));
    ::SendMessageW(frame.m_hWnd, WM_SETICON, ICON_BIG, LPARAM(hOwn));
    EXPECT_EQ(hOwn, CZMROffice2007Theme::LargeIconOfWindow(CWnd::FromHandle(frame.m_hWnd)));
}

// ---------------------------------------------------------------- pictures

TEST(Office2007Frame, Pictures)
{
    for (BOOL bActive : {TRUE, FALSE})
    {
        CFrameFixture f(CSize(240, 140), CRect(4, 30, 4, 4));
        ::SetWindowTextW(f.m_frame.m_hWnd, L"Frame - Host");
        f.m_theme.m_bFrameStatusBar = TRUE;
        f.m_frame.AddStatusBar(20);
        f.AddButton(SC_CLOSE, CRect(210, 3, 230, 20));
        f.AddButton(SC_MAXIMIZE, CRect(190, 3, 210, 20))->SetHot(TRUE);
        f.AddButton(SC_MINIMIZE, CRect(170, 3, 190, 20));
        CPixelCanvas& canvas = f.Paint(bActive);
        SavePicture(canvas, bActive ? L"office2007-frame-active.png" : L"office2007-frame-inactive.png", 240, 140);
    }
}
