#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRImageManager.h"
#include "CZMROSVersionInfo.h"
#include "ImageTestSupport.h"
#include "PixelCanvas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ImageTest;

namespace
{
const COLORREF kGrey = RGB(100, 100, 100);

// Stands in another system, or a missing system blit, for one test.
class CSystemStandIn
{
public:
    CSystemStandIn()
        : m_version(*GetOSVersionInfo()), m_pfnAlphaBlend(GetDrawHelpers()->m_pfnAlphaBlend),
          m_pfnTransparentBlt(GetDrawHelpers()->m_pfnTransparentBlt)
    {
        s_nSystemCalls = 0;
    }
    ~CSystemStandIn()
    {
        static_cast<OSVERSIONINFOW&>(*GetOSVersionInfo()) = m_version;
        GetDrawHelpers()->m_pfnAlphaBlend = m_pfnAlphaBlend;
        GetDrawHelpers()->m_pfnTransparentBlt = m_pfnTransparentBlt;
    }
    static void SetVersion(DWORD dwPlatform, DWORD dwMajor)
    {
        GetOSVersionInfo()->dwPlatformId = dwPlatform;
        GetOSVersionInfo()->dwMajorVersion = dwMajor;
        GetOSVersionInfo()->dwMinorVersion = 0;
    }
    // Counts the calls that reach the system's blend.
    static BOOL WINAPI CountingAlphaBlend(HDC hdcDest, int x, int y, int cx, int cy, HDC hdcSrc, int xs, int ys, int cxs,
                                          int cys, BLENDFUNCTION blend)
    {
        s_nSystemCalls++;
        return ::AlphaBlend(hdcDest, x, y, cx, cy, hdcSrc, xs, ys, cxs, cys, blend);
    }
    static int s_nSystemCalls;

private:
    OSVERSIONINFOW m_version;
    CZMRDrawHelpers::PFNALPHABLEND m_pfnAlphaBlend;
    CZMRDrawHelpers::PFNTRANSPARENTBLT m_pfnTransparentBlt;
};
int CSystemStandIn::s_nSystemCalls = 0;

// A source of four premultiplied pixels: opaque red, half red, clear, opaque blue.
HBITMAP BlendSource()
{
    return AlphaBitmap(4, 1, {0xFFFF0000, 0x80800000, 0x00000000, 0xFF0000FF});
}

void ExpectBlendSource(const CPixelCanvas& canvas, int x0, const char* what)
{
    EXPECT_TRUE(NearColour(canvas.Pixel(x0, 0), RGB(255, 0, 0))) << what << std::hex << canvas.Pixel(x0, 0);
    // 128 + 100 x 127 / 255
    EXPECT_TRUE(NearColour(canvas.Pixel(x0 + 1, 0), RGB(177, 49, 49))) << what << std::hex << canvas.Pixel(x0 + 1, 0);
    EXPECT_EQ(canvas.Pixel(x0 + 2, 0), kGrey) << what;
    EXPECT_TRUE(NearColour(canvas.Pixel(x0 + 3, 0), RGB(0, 0, 255))) << what;
}

// The pixels of a derived image, taken out of its strip.
DWORD DerivedPixel(const CZMRIconHandle& handle, int x, int y)
{
    CZMRIconHandle copy;
    copy.CopyHandle(handle);
    EXPECT_TRUE(copy.m_hBitmap != nullptr && copy.m_pBits != nullptr);
    return DibPixel(copy.m_hBitmap, x, y);
}

COLORREF DerivedIconPixel(const CZMRIconHandle& handle, int x, int y)
{
    CZMRIconHandle copy;
    copy.CopyHandle(handle);
    EXPECT_TRUE(copy.m_hIcon != nullptr);
    return IconPixel(copy.m_hIcon, x, y, RGB(0, 255, 0));
}

// An icon set of one 3 x 1 alpha picture (not premultiplied) in a manager.
CZMRImageManagerIcon* AddAlphaIcon(CZMRImageManager& manager, UINT nID, const std::vector<DWORD>& pixels)
{
    HBITMAP hBitmap = AlphaBitmap(static_cast<int>(pixels.size()), 1, pixels);
    CZMRIconHandle handle;
    handle.SetBitmap(hBitmap);
    EXPECT_TRUE(manager.SetIcon(handle, nID, 0, 0, ZMR_ICONSTATE_NORMAL));
    handle.Clear();
    ::DeleteObject(hBitmap);
    return manager.GetImage(nID, 0);
}

CZMRImageManagerIcon* AddPlainIcon(CZMRImageManager& manager, UINT nID, COLORREF clr)
{
    HICON hIcon = TwoColourIcon(4, 4, clr, clr, 2);
    CZMRIconHandle handle;
    handle.SetIcon(hIcon);
    EXPECT_TRUE(manager.SetIcon(handle, nID, 0, 0, ZMR_ICONSTATE_NORMAL));
    handle.Clear();
    ::DestroyIcon(hIcon);
    return manager.GetImage(nID, 0);
}
} // namespace

TEST(ImageBlits, AlphaBlendTakesTheSystemPathOrTheFallbackAlike)
{
    CSystemStandIn standIn;
    struct Case
    {
        const char* what;
        DWORD dwPlatform, dwMajor;
        bool bSystemBlend;
        CRect rcDest;
        CRect rcSrc;
        int nSystemCalls;
    } cases[] = {
        {"current system", 2, 10, true, CRect(0, 0, 4, 1), CRect(0, 0, 4, 1), 1},
        {"no system blend", 2, 10, false, CRect(0, 0, 4, 1), CRect(0, 0, 4, 1), 0},
        {"NT 4 from the origin", 2, 4, true, CRect(0, 0, 4, 1), CRect(0, 0, 4, 1), 1},
        {"NT 4 off the origin", 2, 4, true, CRect(1, 0, 4, 1), CRect(1, 0, 4, 1), 0},
        // From Windows 2000 on a destination above the target still goes to the system.
        {"negative top", 2, 5, true, CRect(0, -1, 4, 1), CRect(0, 0, 4, 2), 1},
        {"NT 4 negative top", 2, 4, true, CRect(0, -1, 4, 1), CRect(0, 0, 4, 2), 0},
    };
    for (const Case& c : cases)
    {
        CSystemStandIn::SetVersion(c.dwPlatform, c.dwMajor);
        GetDrawHelpers()->m_pfnAlphaBlend = c.bSystemBlend ? &CSystemStandIn::CountingAlphaBlend : nullptr;
        CSystemStandIn::s_nSystemCalls = 0;

        CPixelCanvas canvas(4, 1, kGrey);
        HBITMAP hSource = c.rcSrc.Height() == 2 ? AlphaBitmap(4, 2, {0, 0, 0, 0, 0xFFFF0000, 0x80800000, 0, 0xFF0000FF})
                                                 : BlendSource();
        HDC hSrcDC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hSrcDC, hSource);
        EXPECT_TRUE(GetImageManager()->AlphaBlend(canvas.DC()->GetSafeHdc(), c.rcDest, hSrcDC, c.rcSrc)) << c.what;
        ::SelectObject(hSrcDC, hOld);
        ::DeleteDC(hSrcDC);
        ::DeleteObject(hSource);

        EXPECT_EQ(CSystemStandIn::s_nSystemCalls, c.nSystemCalls) << c.what;
        if (c.rcDest.left == 0)
            ExpectBlendSource(canvas, 0, c.what);
        else
            EXPECT_TRUE(NearColour(canvas.Pixel(1, 0), RGB(177, 49, 49))) << c.what;
    }
}

TEST(ImageBlits, BlendBitmapsMirrorsAndRefusesUnlikeBitmaps)
{
    HBITMAP hSrc = BlendSource();
    HBITMAP hDest = SolidAlphaBitmap(4, 1, 0x00646464);
    HBITMAP hResult = SolidAlphaBitmap(4, 1, 0);
    ASSERT_TRUE(CZMRImageManager::BlendBitmaps(hSrc, TRUE, hDest, FALSE, hResult));
    // Pixel 0 of the result is the source's last pixel.
    EXPECT_EQ(DibPixel(hResult, 0, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(DibPixel(hResult, 1, 0) & 0xFFFFFF, 0x646464u);
    EXPECT_EQ(DibPixel(hResult, 2, 0) & 0xFFFFFF, 0xB13131u);
    EXPECT_EQ(DibPixel(hResult, 3, 0) & 0xFFFFFF, 0xFF0000u);

    HBITMAP hWide = SolidAlphaBitmap(5, 1, 0);
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hDevice = ::CreateCompatibleBitmap(hScreen, 4, 1);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_FALSE(CZMRImageManager::BlendBitmaps(hSrc, FALSE, hWide, FALSE, hResult));
    EXPECT_FALSE(CZMRImageManager::BlendBitmaps(hSrc, FALSE, hDest, FALSE, hWide));
    // A bitmap that does not expose its pixels cannot be blended.
    EXPECT_FALSE(CZMRImageManager::BlendBitmaps(hSrc, FALSE, hDest, FALSE, hDevice));
    for (HBITMAP h : {hSrc, hDest, hResult, hWide, hDevice})
        ::DeleteObject(h);
}

TEST(ImageBlits, TransparentBltLeavesOutTheKeyColourOnBothPaths)
{
    const COLORREF kKey = RGB(255, 0, 255);
    for (bool bSystem : {true, false})
    {
        CSystemStandIn standIn;
        if (!bSystem)
            CSystemStandIn::SetVersion(2, 4);
        for (int nScale : {1, 2})
        {
            CPixelCanvas source(2, 1, kKey);
            source.DC()->FillSolidRect(1, 0, 1, 1, RGB(200, 10, 20));
            CPixelCanvas target(4, 1, kGrey);
            EXPECT_TRUE(GetImageManager()->TransparentBlt(target.DC()->GetSafeHdc(), CRect(0, 0, 2 * nScale, 1),
                                                          source.DC()->GetSafeHdc(), CRect(0, 0, 2, 1), kKey));
            for (int x = 0; x < 2 * nScale; x++)
                EXPECT_EQ(target.Pixel(x, 0), x < nScale ? kGrey : RGB(200, 10, 20))
                    << "system " << bSystem << " scale " << nScale << " x " << x;
        }
        // A black key takes the fallback's other branch.
        CPixelCanvas source(2, 1, RGB(0, 0, 0));
        source.DC()->FillSolidRect(1, 0, 1, 1, RGB(1, 2, 3));
        CPixelCanvas target(2, 1, kGrey);
        GetImageManager()->TransparentBlt(target.DC()->GetSafeHdc(), CRect(0, 0, 2, 1), source.DC()->GetSafeHdc(),
                                          CRect(0, 0, 2, 1), RGB(0, 0, 0));
        EXPECT_EQ(target.Pixel(0, 0), kGrey) << "system " << bSystem;
        EXPECT_EQ(target.Pixel(1, 0), RGB(1, 2, 3)) << "system " << bSystem;
    }
}

TEST(ImageDrawing, IconsDrawEveryStateInEveryForm)
{
    const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0), RGB(0, 200, 200)};
    const int states[] = {ZMR_ICONSTATE_NORMAL, ZMR_ICONSTATE_DISABLED, ZMR_ICONSTATE_HOT, ZMR_ICONSTATE_CHECKED,
                          ZMR_ICONSTATE_PRESSED};
    struct Case
    {
        const char* what;
        bool bAlpha, bShared, bComposited;
    } cases[] = {
        {"alpha bitmap", true, false, false},
        {"alpha slot", true, true, false},
        {"icon", false, false, false},
        {"icon composited", false, false, true},
        {"mask slot", false, true, false},
        {"mask slot composited", false, true, true},
    };
    for (const Case& c : cases)
    {
        CZMRImageManager manager;
        manager.m_bUseResources = c.bShared;
        for (int i = 0; i < 5; i++)
        {
            CZMRIconHandle handle;
            HBITMAP hBitmap = nullptr;
            HICON hIcon = nullptr;
            if (c.bAlpha)
            {
                // Opaque left half, clear right quarter, half-transparent between.
                std::vector<DWORD> pixels;
                const DWORD bgr = (GetRValue(colours[i]) << 16) | (GetGValue(colours[i]) << 8) | GetBValue(colours[i]);
                for (int y = 0; y < 8; y++)
                    for (int x = 0; x < 8; x++)
                        pixels.push_back(x < 4 ? 0xFF000000 | bgr : x < 6 ? 0x80000000 | bgr : 0);
                hBitmap = AlphaBitmap(8, 8, pixels);
                handle.SetBitmap(hBitmap);
            }
            else
            {
                hIcon = TwoColourIcon(8, 8, colours[i], colours[i], 6);
                handle.SetIcon(hIcon);
            }
            ASSERT_TRUE(manager.SetIcon(handle, 7, 0, 0, states[i])) << c.what;
            handle.Clear();
            if (hBitmap)
                ::DeleteObject(hBitmap);
            if (hIcon)
                ::DestroyIcon(hIcon);
        }
        CZMRImageManagerIcon* pIcon = manager.GetImage(7, 8);
        ASSERT_NE(pIcon, nullptr);
        pIcon->m_bDrawComposited = c.bComposited;
        EXPECT_EQ(pIcon->GetIcon(ZMR_ICONSTATE_NORMAL).m_pRInfo != nullptr, c.bShared) << c.what;

        for (int i = 0; i < 5; i++)
        {
            CPixelCanvas canvas(20, 10, kGrey);
            pIcon->Draw(canvas.DC(), CPoint(2, 1), pIcon->GetIcon(states[i]));
            EXPECT_TRUE(NearColour(canvas.Pixel(3, 2), colours[i])) << c.what << " state " << states[i];
            EXPECT_EQ(canvas.Pixel(9, 2), kGrey) << c.what << " state " << states[i];
            EXPECT_EQ(canvas.Pixel(1, 2), kGrey) << c.what << " state " << states[i];
            if (c.bAlpha)
            {
                const COLORREF clrHalf = RGB(GetRValue(colours[i]) * 128 / 255 + 100 * 127 / 255,
                                             GetGValue(colours[i]) * 128 / 255 + 100 * 127 / 255,
                                             GetBValue(colours[i]) * 128 / 255 + 100 * 127 / 255);
                EXPECT_TRUE(NearColour(canvas.Pixel(6, 2), clrHalf)) << c.what << " state " << states[i];
            }
            // Twice the size: stretched.
            CPixelCanvas big(20, 20, kGrey);
            pIcon->Draw(big.DC(), CPoint(0, 0), pIcon->GetIcon(states[i]), CSize(16, 0));
            EXPECT_TRUE(NearColour(big.Pixel(7, 15), colours[i])) << c.what << " state " << states[i];
            EXPECT_EQ(big.Pixel(13, 15), kGrey) << c.what << " state " << states[i];
        }
    }
}

TEST(ImageDrawing, AlphaPictureAboveTheTargetDrawsOnlyItsVisibleRows)
{
    std::vector<DWORD> rows;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
            rows.push_back(0xFF000000 | static_cast<DWORD>(y * 10));
    HBITMAP hBitmap = AlphaBitmap(16, 16, rows);
    CZMRIconHandle handle;
    handle.TakeBitmap(hBitmap);

    CPixelCanvas canvas(16, 16, kGrey);
    handle.Draw(canvas.DC(), 0, -4, 16, 16, FALSE);
    EXPECT_EQ(canvas.Pixel(5, 0), RGB(0, 0, 40));
    EXPECT_EQ(canvas.Pixel(5, 11), RGB(0, 0, 150));
    EXPECT_EQ(canvas.Pixel(5, 12), kGrey);

    CPixelCanvas hidden(16, 16, kGrey);
    handle.Draw(hidden.DC(), 0, -16, 16, 16, FALSE);
    EXPECT_EQ(hidden.Pixel(5, 0), kGrey);
}

TEST(ImageDrawing, NegativeWidthMirrorsTheIconLeftOfX)
{
    HICON hIcon = TwoColourIcon(8, 8, RGB(255, 0, 0), RGB(0, 0, 255), 8);
    CPixelCanvas canvas(24, 8, kGrey);
    DrawIconComposited(canvas.DC(), 16, 0, -8, 8, hIcon);
    EXPECT_EQ(canvas.Pixel(7, 3), kGrey);
    EXPECT_EQ(canvas.Pixel(8, 3), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(15, 3), RGB(255, 0, 0));
    EXPECT_EQ(canvas.Pixel(16, 3), kGrey);

    // A manager that always mirrors draws its icons the same way round.
    CZMRImageManager manager;
    manager.m_bUseResources = FALSE;
    manager.m_nDrawReverted = 1;
    CZMRIconHandle handle;
    handle.SetIcon(hIcon);
    handle.m_pImageManager = &manager;
    for (BOOL bComposited : {FALSE, TRUE})
    {
        CPixelCanvas mirrored(10, 8, kGrey);
        handle.Draw(mirrored.DC(), 1, 0, 8, 8, bComposited);
        EXPECT_EQ(mirrored.Pixel(2, 3), RGB(0, 0, 255)) << bComposited;
        EXPECT_EQ(mirrored.Pixel(8, 3), RGB(255, 0, 0)) << bComposited;
    }
    handle.Clear();
    ::DestroyIcon(hIcon);
}

TEST(ImageDrawing, SilhouetteDrawsTheShapeInOneColourAndSkipsAlphaPictures)
{
    CZMRImageManager manager;
    CZMRImageManagerIcon* pPlain = AddPlainIcon(manager, 1, RGB(10, 20, 30));
    CZMRImageManagerIcon* pAlpha = AddAlphaIcon(manager, 2, {0xFF102030, 0xFF102030, 0});
    ASSERT_TRUE(pPlain && pAlpha);

    CPixelCanvas canvas(8, 8, RGB(255, 255, 255));
    pPlain->DrawSilhouette(canvas.DC(), CPoint(1, 1), pPlain->GetNormalIcon(), CSize(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 128, 0));
    EXPECT_EQ(canvas.Pixel(2, 4), RGB(0, 128, 0));
    EXPECT_EQ(canvas.Pixel(3, 1), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255));

    CPixelCanvas untouched(8, 8, RGB(255, 255, 255));
    pAlpha->DrawSilhouette(untouched.DC(), CPoint(0, 0), pAlpha->GetNormalIcon(), CSize(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(untouched.Pixel(0, 0), RGB(255, 255, 255));
}

namespace
{
// The shape drawn the system's way: the picture on white, then the
// monochrome state drawing with the brush.
void DrawSilhouetteBySystem(CDC* pDC, CPoint pt, CZMRImageManagerIcon* pIcon, CSize sz, COLORREF clr)
{
    HBITMAP hBitmap = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), sz.cx, sz.cy);
    HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::PatBlt(hMemDC, 0, 0, sz.cx, sz.cy, WHITENESS);
    CDC memDC;
    memDC.Attach(hMemDC);
    pIcon->Draw(&memDC, CPoint(0, 0), pIcon->GetNormalIcon(), sz);
    memDC.Detach();
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    pDC->DrawState(pt, sz, hBitmap, DSS_MONO, hBrush);
    ::DeleteObject(hBrush);
    ::DeleteObject(hBitmap);
}

std::vector<COLORREF> Pixels(const CPixelCanvas& canvas, int cx, int cy)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}
} // namespace

TEST(ImageDrawing, SilhouetteKeptBetweenPaintsDrawsWhatTheSystemDrawsAndFollowsNewPictures)
{
    CZMRImageManager manager;
    CZMRImageManagerIcon* pIcon = AddPlainIcon(manager, 1, RGB(10, 20, 30));
    ASSERT_TRUE(pIcon);
    const CSize sz(4, 4);
    // Text and background colours of the target take part in a monochrome
    // blit: the kept shape must meet them as the system's drawing does.
    for (bool bColoured : {false, true})
    {
        CPixelCanvas expected(8, 8, RGB(200, 210, 220));
        CPixelCanvas first(8, 8, RGB(200, 210, 220));
        CPixelCanvas second(8, 8, RGB(200, 210, 220));
        for (CPixelCanvas* pCanvas : {&expected, &first, &second})
        {
            if (bColoured)
            {
                ::SetTextColor(pCanvas->DC()->GetSafeHdc(), RGB(255, 0, 0));
                ::SetBkColor(pCanvas->DC()->GetSafeHdc(), RGB(0, 0, 255));
            }
        }
        DrawSilhouetteBySystem(expected.DC(), CPoint(1, 1), pIcon, sz, RGB(255, 255, 255));
        DrawSilhouetteBySystem(expected.DC(), CPoint(2, 2), pIcon, sz, RGB(0, 128, 0));
        for (CPixelCanvas* pCanvas : {&first, &second})
        {
            pIcon->DrawSilhouette(pCanvas->DC(), CPoint(1, 1), pIcon->GetNormalIcon(), sz, RGB(255, 255, 255));
            pIcon->DrawSilhouette(pCanvas->DC(), CPoint(2, 2), pIcon->GetNormalIcon(), sz, RGB(0, 128, 0));
        }
        EXPECT_EQ(Pixels(expected, 8, 8), Pixels(first, 8, 8)) << "coloured target " << bColoured;
        EXPECT_EQ(Pixels(expected, 8, 8), Pixels(second, 8, 8)) << "coloured target " << bColoured;
    }

    // A new picture (opaque on its right half now) gives a new shape.
    HICON hIcon = TwoColourIcon(4, 4, RGB(255, 255, 255), RGB(10, 20, 30), 4);
    CZMRIconHandle handle;
    handle.SetIcon(hIcon);
    ASSERT_TRUE(pIcon->SetNormalIcon(handle));
    handle.Clear();
    ::DestroyIcon(hIcon);
    CPixelCanvas expected(8, 8, RGB(200, 210, 220));
    CPixelCanvas changed(8, 8, RGB(200, 210, 220));
    DrawSilhouetteBySystem(expected.DC(), CPoint(0, 0), pIcon, sz, RGB(0, 128, 0));
    pIcon->DrawSilhouette(changed.DC(), CPoint(0, 0), pIcon->GetNormalIcon(), sz, RGB(0, 128, 0));
    EXPECT_EQ(Pixels(expected, 8, 8), Pixels(changed, 8, 8));
    EXPECT_EQ(changed.Pixel(0, 0), RGB(200, 210, 220)) << "the white half leaves no shape";
    EXPECT_EQ(changed.Pixel(3, 0), RGB(0, 128, 0));
}

TEST(ImageDrawing, SilhouetteKeptForOneColourDepthIsNotDrawnOnAnother)
{
    // A nearly white picture is a shape on a 32-bit target and white, so no
    // shape, on a 16-bit one: a shape kept from one must not be drawn on the
    // other.
    CZMRImageManager manager;
    CZMRImageManagerIcon* pIcon = AddPlainIcon(manager, 1, RGB(250, 250, 250));
    ASSERT_TRUE(pIcon);
    const CSize sz(4, 4);
    // A memory DC over a DIB section of the depth, filled white.
    struct CTarget
    {
        explicit CTarget(int nBits)
        {
            BITMAPINFO bmi = {};
            bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            bmi.bmiHeader.biWidth = 8;
            bmi.bmiHeader.biHeight = -8;
            bmi.bmiHeader.biPlanes = 1;
            bmi.bmiHeader.biBitCount = WORD(nBits);
            void* pBits = nullptr;
            hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
            dc.Attach(::CreateCompatibleDC(nullptr));
            hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
            ::PatBlt(dc.GetSafeHdc(), 0, 0, 8, 8, WHITENESS);
        }
        ~CTarget()
        {
            ::SelectObject(dc.GetSafeHdc(), hOld);
            ::DeleteDC(dc.Detach());
            ::DeleteObject(hBitmap);
        }
        std::vector<COLORREF> Pixels()
        {
            std::vector<COLORREF> pixels;
            for (int y = 0; y < 8; y++)
                for (int x = 0; x < 8; x++)
                    pixels.push_back(dc.GetPixel(x, y));
            return pixels;
        }
        HBITMAP hBitmap;
        HGDIOBJ hOld;
        CDC dc;
    };

    // Each depth twice, the other in between.
    for (int nBits : {32, 16, 32, 16})
    {
        CTarget expected(nBits), drawn(nBits);
        DrawSilhouetteBySystem(&expected.dc, CPoint(1, 1), pIcon, sz, RGB(0, 0, 0));
        pIcon->DrawSilhouette(&drawn.dc, CPoint(1, 1), pIcon->GetNormalIcon(), sz, RGB(0, 0, 0));
        EXPECT_EQ(expected.Pixels(), drawn.Pixels()) << nBits << " bits";
        EXPECT_EQ(drawn.dc.GetPixel(2, 2), nBits == 32 ? RGB(0, 0, 0) : RGB(255, 255, 255)) << nBits << " bits";
    }
}

TEST(ImageDerived, FadedImageLightensOpaquePixels)
{
    CZMRImageManager manager;
    // Opaque white, opaque black, half-transparent black.
    CZMRImageManagerIcon* pIcon = AddAlphaIcon(manager, 1, {0xFFFFFFFF, 0xFF000000, 0x80000000});
    ASSERT_NE(pIcon, nullptr);
    CZMRIconHandle& faded = pIcon->GetFadedIcon();
    ASSERT_NE(&faded, &pIcon->GetNormalIcon());
    EXPECT_EQ(DerivedPixel(faded, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(DerivedPixel(faded, 1, 0), 0xFF4C4C4Cu);
    EXPECT_EQ(DerivedPixel(faded, 2, 0), 0x80262626u);

    CZMRImageManagerIcon* pPlain = AddPlainIcon(manager, 2, RGB(0, 100, 200));
    EXPECT_EQ(DerivedIconPixel(pPlain->GetFadedIcon(), 0, 0), CZMRImageManagerIcon::LightenColor(RGB(0, 100, 200), 0.3));
    EXPECT_EQ(CZMRImageManagerIcon::LightenColor(RGB(0, 100, 200), 0.3), RGB(76, 146, 216));
    EXPECT_EQ(DerivedIconPixel(pPlain->GetFadedIcon(), 3, 0), RGB(0, 255, 0));   // transparent stays so

    // A picture that may not be shared gets no derived images.
    HICON hIcon = TwoColourIcon(4, 4, RGB(1, 2, 3), RGB(1, 2, 3), 4);
    CZMRIconHandle unshared;
    unshared.SetIcon(hIcon, FALSE);
    manager.SetIcon(unshared, 3, 0, 0, ZMR_ICONSTATE_NORMAL);
    CZMRImageManagerIcon* pUnshared = manager.GetImage(3, 0);
    EXPECT_EQ(&pUnshared->GetFadedIcon(), &pUnshared->GetNormalIcon());
    EXPECT_TRUE(pUnshared->GetShadowIcon().IsEmpty());
    unshared.Clear();
    ::DestroyIcon(hIcon);
}

TEST(ImageDerived, ShadowImageTakesTheShadowColourScaledByAlpha)
{
    GetColorManager()->SetColor(31, RGB(200, 100, 40));
    CZMRImageManager manager;
    CZMRImageManagerIcon* pIcon = AddAlphaIcon(manager, 1, {0xFFFFFFFF, 0x80123456, 0});
    CZMRImageManagerIcon* pPlain = AddPlainIcon(manager, 2, RGB(9, 9, 9));
    ASSERT_TRUE(pIcon && pPlain);
    // 0.75 of (200, 100, 40) is (150, 75, 30); at alpha 128: (75, 37, 15).
    EXPECT_EQ(DerivedPixel(pIcon->GetShadowIcon(), 0, 0), 0xFF964B1Eu);
    EXPECT_EQ(DerivedPixel(pIcon->GetShadowIcon(), 1, 0), 0x804B250Fu);
    EXPECT_EQ(DerivedPixel(pIcon->GetShadowIcon(), 2, 0), 0u);
    EXPECT_EQ(DerivedIconPixel(pPlain->GetShadowIcon(), 0, 0), RGB(150, 75, 30));
    EXPECT_EQ(DerivedIconPixel(pPlain->GetShadowIcon(), 3, 0), RGB(0, 255, 0));
    GetColorManager()->SetColor(31, static_cast<COLORREF>(-1));
}

TEST(ImageDerived, GeneratedDisabledImageInGreyAndInTwoColours)
{
    CZMRImageManager manager;
    const std::vector<DWORD> pixels = {0xFF808080, 0xFF000000, 0xFFFFFFFF, 0xFFC86432};
    CZMRImageManagerIcon* pGrey = AddAlphaIcon(manager, 1, pixels);
    CZMRImageManagerIcon* pTwo = AddAlphaIcon(manager, 2, pixels);
    ASSERT_TRUE(pGrey && pTwo);

    EXPECT_FALSE(pGrey->HasDisabledIcon());
    EXPECT_TRUE(pGrey->GetDisabledIcon(FALSE).IsEmpty());
    CZMRIconHandle& grey = pGrey->GetIcon(ZMR_ICONSTATE_DISABLED);
    EXPECT_TRUE(pGrey->HasDisabledIcon());
    EXPECT_EQ(DerivedPixel(grey, 0, 0), 0xFFB4B4B4u);   // 255 x (128/255)^0.5 = 180.6
    EXPECT_EQ(DerivedPixel(grey, 1, 0), 0xFF000000u);
    EXPECT_EQ(DerivedPixel(grey, 2, 0), 0xFFFFFFFFu);

    // Between black and white a pixel becomes the grey of its luminance.
    pTwo->CreateDisabledIcon(RGB(255, 255, 255), RGB(0, 0, 0));
    CZMRIconHandle& two = pTwo->GetDisabledIcon(FALSE);
    EXPECT_EQ(DerivedPixel(two, 0, 0), 0xFF808080u);
    EXPECT_EQ(DerivedPixel(two, 3, 0), 0xFF7C7C7Cu);   // (0.299 x 200 + 0.587 x 100 + 0.114 x 50) = 124.2
    // A second request keeps the first image.
    pTwo->CreateDisabledIcon();
    EXPECT_EQ(DerivedPixel(pTwo->GetDisabledIcon(FALSE), 3, 0), 0xFF7C7C7Cu);

    // Half-transparent pixels are shaded unpremultiplied.
    CZMRImageManagerIcon* pHalf = AddAlphaIcon(manager, 3, {0x80808080});
    // 128 premultiplied is 64, back 127, grey 179, again 179 x 128 / 255 = 89.
    EXPECT_EQ(DerivedPixel(pHalf->GetDisabledIcon(TRUE), 0, 0), 0x80595959u);

    CZMRImageManagerIcon* pPlain = AddPlainIcon(manager, 4, RGB(128, 128, 128));
    EXPECT_EQ(DerivedIconPixel(pPlain->GetDisabledIcon(TRUE), 0, 0), RGB(180, 180, 180));
    EXPECT_EQ(DerivedIconPixel(pPlain->GetDisabledIcon(TRUE), 3, 0), RGB(0, 255, 0));

    // New state images drop what was derived.
    pGrey->GetFadedIcon();
    CZMRIconHandle hot;
    HBITMAP hBitmap = SolidAlphaBitmap(4, 1, 0xFF00FF00);
    hot.SetBitmap(hBitmap);
    pGrey->SetHotIcon(hot);
    EXPECT_FALSE(pGrey->HasDisabledIcon());
    hot.Clear();
    ::DeleteObject(hBitmap);
}
