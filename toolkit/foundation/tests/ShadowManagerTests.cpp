#include "CZMRShadowManager.h"
#include "CZMRColorManager.h"
#include "ControlsTestSupport.h"
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace
{
// What the shadows handed to the layered-window call, by window: the
// blended pixels cannot be read back from the screen.
struct CLayeredCall
{
    SIZE size;
    BLENDFUNCTION blend;
    DWORD dwFlags;
    bool bNoPosition;
    std::vector<DWORD> pixels;   // top row first

    DWORD At(int x, int yFromTop) const { return pixels[size_t(yFromTop) * size.cx + x]; }
    int Alpha(int x, int yFromTop) const { return int(At(x, yFromTop) >> 24); }
};
std::map<HWND, CLayeredCall> g_layered;

BOOL WINAPI RecordLayered(HWND hWnd, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc, POINT* pptSrc,
                          COLORREF, BLENDFUNCTION* pblend, DWORD dwFlags)
{
    CLayeredCall call = {*psize, *pblend, dwFlags, hdcDst == nullptr && pptDst == nullptr, {}};
    EXPECT_EQ(pptSrc->x, 0);
    EXPECT_EQ(pptSrc->y, 0);
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetCurrentObject(hdcSrc, OBJ_BITMAP));
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = psize->cx;
    bmi.bmiHeader.biHeight = -psize->cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    call.pixels.resize(size_t(psize->cx) * psize->cy);
    ::GetDIBits(hdcSrc, hBitmap, 0, psize->cy, call.pixels.data(), &bmi, DIB_RGB_COLORS);
    g_layered[hWnd] = call;
    return TRUE;
}

struct CShadowInfo
{
    HWND hWnd;
    CRect rc;
    bool bVisible;
    bool bLayered;
};

// The shadow windows of this thread, in no particular order.
std::vector<CShadowInfo> Shadows()
{
    std::vector<CShadowInfo> result;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        wchar_t szClass[32] = {};
        ::GetClassNameW(hWnd, szClass, 32);
        if (wcscmp(szClass, L"ZMRShadow") == 0)
        {
            CShadowInfo info = {hWnd, CRect(), ::IsWindowVisible(hWnd) != FALSE,
                                (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0};
            ::GetWindowRect(hWnd, &info.rc);
            reinterpret_cast<std::vector<CShadowInfo>*>(lParam)->push_back(info);
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&result));
    return result;
}

const CShadowInfo* FindShadow(const std::vector<CShadowInfo>& shadows, const CRect& rc)
{
    for (const CShadowInfo& info : shadows)
    {
        if (info.rc == rc)
            return &info;
    }
    return nullptr;
}

// A popup window the test owns, shown without taking the activation from
// other programs on this desktop.
class CPopup : public CWnd
{
public:
    CPopup(const CRect& rc, DWORD dwExStyle = 0)
    {
        CreateEx(WS_EX_TOOLWINDOW | dwExStyle, AfxRegisterWndClass(0), L"", WS_POPUP, rc.left, rc.top,
                 rc.Width(), rc.Height(), nullptr, nullptr);
        ShowWindow(SW_SHOWNA);
    }
};

// Counts its final release instead of deleting itself, so that the test
// sees when the last shadow lets go.
class CTestShadowManager : public CZMRShadowManager
{
public:
    void OnFinalRelease() override { m_bReleased = true; }
    bool m_bReleased = false;
};

class ShadowManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_layered.clear();
        m_manager.m_pfnUpdateLayeredWindow = RecordLayered;
        ASSERT_TRUE(m_manager.m_bAlphaShadow) << "this desktop has more than 256 colours and layered windows";
    }
    void TearDown() override
    {
        EXPECT_TRUE(Shadows().empty()) << "every shadow goes with its popup";
        EXPECT_EQ(m_manager.GetRefCount(), 1);
    }

    CTestShadowManager m_manager;
};
} // namespace

TEST_F(ShadowManager, APopupGetsARightAndABottomShadowThatFollowIt)
{
    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS;
    CPopup popup(CRect(200, 150, 300, 200));
    m_manager.SetShadow(&popup, CRect(0, 0, 0, 0));

    std::vector<CShadowInfo> shadows = Shadows();
    ASSERT_EQ(shadows.size(), 2u);
    const CShadowInfo* pRight = FindShadow(shadows, CRect(300, 154, 304, 200));
    const CShadowInfo* pBottom = FindShadow(shadows, CRect(204, 200, 304, 204));
    ASSERT_TRUE(pRight);
    ASSERT_TRUE(pBottom);
    EXPECT_TRUE(pRight->bVisible && pRight->bLayered);
    EXPECT_EQ(m_manager.GetRefCount(), 3) << "each shadow keeps the manager";

    const CLayeredCall& call = g_layered[pRight->hWnd];
    EXPECT_EQ(call.size.cx, 4);
    EXPECT_EQ(call.size.cy, 46);
    EXPECT_TRUE(call.bNoPosition);
    EXPECT_EQ(call.dwFlags, DWORD(ULW_ALPHA));
    EXPECT_EQ(call.blend.BlendOp, AC_SRC_OVER);
    EXPECT_EQ(call.blend.SourceConstantAlpha, 255);
    EXPECT_EQ(call.blend.AlphaFormat, AC_SRC_ALPHA);

    // Hiding the popup hides its shadows; showing it shows them again.
    popup.ShowWindow(SW_HIDE);
    for (const CShadowInfo& info : Shadows())
        EXPECT_FALSE(info.bVisible);
    popup.ShowWindow(SW_SHOWNA);
    for (const CShadowInfo& info : Shadows())
        EXPECT_TRUE(info.bVisible);

    // The manager outlives its owner's reference while shadows hold it.
    m_manager.InternalRelease();
    EXPECT_FALSE(m_manager.m_bReleased);
    popup.DestroyWindow();
    EXPECT_TRUE(m_manager.m_bReleased);
    m_manager.InternalAddRef();
}

TEST_F(ShadowManager, ShadowBitmapsFadeTowardsTheirEnds)
{
    m_manager.m_clrShadow = RGB(0x16, 0x1E, 0x36);
    // With option 1 the shadows are drawn half as dark.
    for (DWORD dwOptions : {DWORD(0), DWORD(ZMR_SHADOW_ALWAYS)})
    {
        SCOPED_TRACE(dwOptions);
        m_manager.m_dwOptions = dwOptions;
        const int k = dwOptions ? 1 : 2;
        CPopup popup(CRect(0, 0, 100, 50));
        CRect rc(0, 0, 100, 50);
        HWND hRight = m_manager.CreateShadow(CZMRShadowManager::shadowRight, rc, CRect(), &popup, FALSE)->m_hWnd;
        HWND hBottom = m_manager.CreateShadow(CZMRShadowManager::shadowBottom, rc, CRect(), &popup, FALSE)->m_hWnd;
        HWND hCorner = m_manager.CreateShadow(CZMRShadowManager::shadowCorner, rc, CRect(), &popup, FALSE)->m_hWnd;
        const CLayeredCall& right = g_layered[hRight];
        const CLayeredCall& bottom = g_layered[hBottom];
        const CLayeredCall& corner = g_layered[hCorner];

        // Next to the popup, in the middle: the darkest pixel, in the full colour.
        EXPECT_EQ(right.Alpha(0, 20), 60 * k);
        EXPECT_EQ(right.At(0, 20) & 0xFFFFFF, 0x161E36u);
        EXPECT_EQ(bottom.Alpha(50, 0), 60 * k);
        // Fading outwards, and in at the ends.
        EXPECT_EQ(right.Alpha(3, 20), 15 * k);
        EXPECT_EQ(right.Alpha(0, 0), 12 * k);
        EXPECT_EQ(right.At(0, 0) & 0xFFFFFF, DWORD((0x16 / 5) << 16 | (0x1E / 5) << 8 | (0x36 / 5)));
        EXPECT_EQ(right.Alpha(0, 3), 48 * k);
        EXPECT_EQ(bottom.Alpha(50, 3), 15 * k);
        EXPECT_EQ(bottom.Alpha(0, 0), 12 * k);
        EXPECT_EQ(bottom.Alpha(99, 0), 12 * k);
        EXPECT_EQ(bottom.Alpha(3, 0), 48 * k);
        EXPECT_EQ(corner.Alpha(0, 0), 0x3C * k);
        popup.DestroyWindow();
    }
}

TEST_F(ShadowManager, ShortShadowsGetWhatFitsOfTheirStretches)
{
    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS;
    struct Case
    {
        int cx, cy;
        int nKind, x, y;   // a pixel of the shadow and its alpha
        int nAlpha;
    } cases[] = {
        {6, 50, CZMRShadowManager::shadowBottom, 2, 0, 48},   // the right end wins where both ends meet
        {3, 50, CZMRShadowManager::shadowBottom, 0, 0, 36},
        {50, 6, CZMRShadowManager::shadowRight, 0, 1, 24},    // only two rows of the top stretch
        {50, 5, CZMRShadowManager::shadowRight, 3, 0, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.cx << " x " << c.cy);
        CPopup popup(CRect(0, 0, c.cx, c.cy));
        HWND hShadow = m_manager.CreateShadow(c.nKind, CRect(0, 0, c.cx, c.cy), CRect(), &popup, FALSE)->m_hWnd;
        EXPECT_EQ(g_layered[hShadow].Alpha(c.x, c.y), c.nAlpha);
        popup.DestroyWindow();
    }
}

TEST_F(ShadowManager, RectangleShadowsNeedBothOptionsAndStayWhenTheOwnerGrows)
{
    CPopup owner(CRect(10, 10, 200, 100));
    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS;
    m_manager.SetShadowRect(20, 20, 60, 40, &owner);
    EXPECT_TRUE(Shadows().empty());

    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS | ZMR_SHADOW_EXCLUDE;
    m_manager.SetShadowRect(20, 20, 60, 40, &owner);
    m_manager.OffsetShadows(&owner, 10, 10);
    std::vector<CShadowInfo> shadows = Shadows();
    ASSERT_EQ(shadows.size(), 2u);
    EXPECT_TRUE(FindShadow(shadows, CRect(60, 24, 64, 40)));
    EXPECT_TRUE(FindShadow(shadows, CRect(24, 40, 64, 44)));

    m_manager.RemoveShadows(&owner);
    EXPECT_TRUE(Shadows().empty());
    EXPECT_EQ(GetHookManager()->Lookup(owner.m_hWnd), nullptr);
}

TEST_F(ShadowManager, OffsetFollowsTheOwnersSizeOnEitherSide)
{
    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS;
    struct Case
    {
        DWORD dwExStyle;
        CRect rcRight, rcBottom, rcCorner;
    } cases[] = {
        {0, CRect(310, 104, 314, 160), CRect(104, 160, 314, 164), CRect(309, 159, 310, 160)},
        {WS_EX_LAYOUTRTL, CRect(300, 104, 304, 160), CRect(94, 160, 304, 164), CRect(299, 159, 300, 160)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dwExStyle);
        CPopup popup(CRect(100, 100, 300, 150), c.dwExStyle);
        ::SetWindowRgn(popup.m_hWnd, ::CreateRoundRectRgn(0, 0, 201, 51, 8, 8), FALSE);
        m_manager.SetShadow(&popup, CRect(0, 0, 0, 0));
        ASSERT_EQ(Shadows().size(), 3u) << "a popup with a region gets a corner dot";
        m_manager.OffsetShadows(&popup, 10, 10);
        std::vector<CShadowInfo> shadows = Shadows();
        EXPECT_TRUE(FindShadow(shadows, c.rcRight));
        EXPECT_TRUE(FindShadow(shadows, c.rcBottom));
        EXPECT_TRUE(FindShadow(shadows, c.rcCorner));
        popup.DestroyWindow();
    }
}

TEST_F(ShadowManager, EachCutOutReplacesTheOneBefore)
{
    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS | ZMR_SHADOW_EXCLUDE;
    CPopup menu(CRect(100, 100, 200, 300));
    m_manager.SetShadow(&menu, CRect(0, 0, 0, 0));
    // A submenu overlapping the menu, its bottom shadow also meeting the
    // caller's exclusion rectangle further right. The exclusion is cut out
    // first, then the rectangle of every popup that has shadows: the menu's
    // cut is the one that stays.
    CPopup submenu(CRect(150, 200, 260, 250));
    m_manager.SetShadow(&submenu, CRect(240, 240, 300, 260));

    const CShadowInfo* pBottom = FindShadow(Shadows(), CRect(154, 250, 264, 254));
    ASSERT_TRUE(pBottom);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(pBottom->hWnd, hRgn), ERROR);
    // Window coordinates: x 0 is 154 on the screen.
    EXPECT_FALSE(::PtInRegion(hRgn, 200 - 154 - 1, 1)) << "under the menu";
    EXPECT_TRUE(::PtInRegion(hRgn, 250 - 154, 1)) << "in the exclusion, cut out before the menu's cut";
    EXPECT_TRUE(::PtInRegion(hRgn, 220 - 154, 1));
    ::DeleteObject(hRgn);

    // The owner's size changes: the cut-outs no longer fit and are dropped.
    m_manager.OffsetShadows(&submenu, 0, 0);
    hRgn = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(pBottom->hWnd, hRgn), ERROR);
    ::DeleteObject(hRgn);
    submenu.DestroyWindow();
    menu.DestroyWindow();
}

TEST_F(ShadowManager, ShadowsMeetingOtherShadowsMakeRoom)
{
    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS;
    // A popup starting one pixel above another's bottom shadow: its right
    // shadow starts higher, over the other's.
    CPopup upper(CRect(0, 0, 100, 50));
    m_manager.SetShadow(&upper, CRect());
    CPopup lower(CRect(50, 49, 90, 120));
    m_manager.SetShadow(&lower, CRect());
    EXPECT_TRUE(FindShadow(Shadows(), CRect(90, 45, 94, 120)));
    lower.DestroyWindow();

    // A bottom shadow starting inside another's right shadow begins left of it.
    CPopup side(CRect(99, 10, 150, 30));
    m_manager.SetShadow(&side, CRect());
    EXPECT_TRUE(FindShadow(Shadows(), CRect(94, 30, 154, 34)));
    side.DestroyWindow();
    upper.DestroyWindow();
}

namespace
{
// The drop-shadow setting the manager reads, as a test sets it: -1 makes the query fail.
int g_nDropShadow = 0;
BOOL WINAPI AnswerDropShadow(UINT uiAction, UINT, PVOID pvParam, UINT)
{
    EXPECT_EQ(UINT(SPI_GETDROPSHADOW), uiAction);
    if (g_nDropShadow < 0)
        return FALSE;
    *static_cast<BOOL*>(pvParam) = g_nDropShadow;
    return TRUE;
}
} // namespace

TEST_F(ShadowManager, WithoutTheAlwaysOptionShadowsFollowTheSystemSetting)
{
    m_manager.m_pfnSystemParametersInfo = AnswerDropShadow;
    CPopup popup(CRect(40, 40, 140, 90));
    struct Case
    {
        int nSetting;
        BOOL bAlpha;
        size_t nShadows;
    };
    const Case cases[] = {
        {1, TRUE, 2},
        {0, TRUE, 0},
        {-1, TRUE, 0},   // the setting cannot be read
        {1, FALSE, 0},   // no alpha: only the always option shows shadows
    };
    for (const Case& c : cases)
    {
        g_nDropShadow = c.nSetting;
        m_manager.m_bAlphaShadow = c.bAlpha;
        m_manager.SetShadow(&popup, CRect());
        EXPECT_EQ(Shadows().size(), c.nShadows) << c.nSetting << "," << c.bAlpha;
        m_manager.RemoveShadows(&popup);
    }
    m_manager.m_bAlphaShadow = TRUE;
}

TEST_F(ShadowManager, WithoutAlphaShadowsAreThinSolidAndOnlyOnRequest)
{
    m_manager.m_bAlphaShadow = FALSE;
    m_manager.m_pfnUpdateLayeredWindow = nullptr;
    CPopup popup(CRect(40, 40, 140, 90));
    m_manager.SetShadow(&popup, CRect());
    EXPECT_TRUE(Shadows().empty());

    m_manager.m_dwOptions = ZMR_SHADOW_ALWAYS;
    m_manager.SetShadow(&popup, CRect());
    std::vector<CShadowInfo> shadows = Shadows();
    ASSERT_EQ(shadows.size(), 2u);
    const CShadowInfo* pRight = FindShadow(shadows, CRect(140, 42, 142, 90));
    ASSERT_TRUE(pRight);
    EXPECT_TRUE(FindShadow(shadows, CRect(42, 90, 142, 92)));
    EXPECT_FALSE(pRight->bLayered);
    EXPECT_TRUE(g_layered.empty());

    ::UpdateWindow(pRight->hWnd);
    CWindowPicture picture;
    picture.Capture(pRight->hWnd);
    EXPECT_EQ(picture.At(1, 10), GetColorManager()->GetColor(COLOR_BTNSHADOW));
    popup.DestroyWindow();
}
