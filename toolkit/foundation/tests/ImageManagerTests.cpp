#include "AllocationFaults.h"
#include "EachAllocationFails.h"
#include "CZMRImageManager.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace ImageTest;

namespace
{
// An opaque icon without alpha in one colour.
HICON SolidIcon(int cx, int cy, COLORREF clr)
{
    return TwoColourIcon(cx, cy, clr, clr, cx);
}

COLORREF PixelOfIcon(HICON hIcon, int x, int y)
{
    return IconPixel(hIcon, x, y, RGB(255, 255, 255));
}
} // namespace

TEST(ImageStrip, ImagesOfOneSizeShareOneStripAndReuseFreedSlots)
{
    CZMRImageManager manager;
    HBITMAP hSource = SolidAlphaBitmap(16, 16, 0xFF2040A0);
    CZMRIconHandle source;
    source.SetBitmap(hSource);

    CZMRIconHandle handles[4];
    for (CZMRIconHandle& h : handles)
        h.m_pImageManager = &manager;
    handles[0].CopyHandle(source);
    handles[1].CopyHandle(source);
    CZMRImageManagerResource* pStrip = manager.GetResource(16, 16);
    ASSERT_TRUE(handles[0].m_pRInfo && handles[1].m_pRInfo);
    EXPECT_EQ(pStrip->GetUsedWidth(), 32);
    EXPECT_TRUE(handles[0].IsAlpha());

    handles[2].CopyHandle(source);
    EXPECT_EQ(pStrip->GetUsedWidth(), 48);
    handles[0].Clear();
    handles[3].CopyHandle(source);
    EXPECT_EQ(handles[3].m_pRInfo->rc.left, 0); // the freed slot
    EXPECT_EQ(pStrip->GetUsedWidth(), 48);

    for (CZMRIconHandle& h : handles)
        h.Clear();
    EXPECT_EQ(pStrip->GetColorStrip(), nullptr); // all slots free: bitmaps dropped
    handles[0].CopyHandle(source);
    EXPECT_EQ(handles[0].m_pRInfo->rc.left, 0);
    handles[0].Clear();
    ::DeleteObject(hSource);
}

TEST(ImageStrip, SlotsCopyOutAsOwnedPictures)
{
    CZMRImageManager manager;
    HBITMAP hSource = SolidAlphaBitmap(16, 16, 0x80102030);
    HICON hIcon = SolidIcon(16, 16, RGB(0, 128, 255));
    CZMRIconHandle alphaSource, iconSource;
    alphaSource.SetBitmap(hSource);
    iconSource.SetIcon(hIcon);

    CZMRIconHandle inStripAlpha, inStripIcon;
    inStripAlpha.m_pImageManager = inStripIcon.m_pImageManager = &manager;
    inStripAlpha.CopyHandle(alphaSource);
    inStripIcon.CopyHandle(iconSource);
    ASSERT_TRUE(inStripAlpha.m_pRInfo && inStripIcon.m_pRInfo);

    CZMRIconHandle outAlpha, outIcon;
    outAlpha.CopyHandle(inStripAlpha);
    outIcon.CopyHandle(inStripIcon);
    ASSERT_TRUE(outAlpha.m_hBitmap && outAlpha.m_pBits && outAlpha.m_bOwns);
    // The strip holds premultiplied pixels: 0x10, 0x20, 0x30 times 0x80 / 255.
    EXPECT_EQ(reinterpret_cast<DWORD*>(outAlpha.m_pBits)[0], 0x80081018u);
    ASSERT_TRUE(outIcon.m_hIcon && outIcon.m_bOwns);
    EXPECT_EQ(PixelOfIcon(outIcon.m_hIcon, 8, 8), RGB(0, 128, 255));

    ::DeleteObject(hSource);
    ::DestroyIcon(hIcon);
}

TEST(ImageHandle, SizesOfIconsAndScaling)
{
    BYTE andBits[32 * 64 / 8] = {};
    HBITMAP hMono = ::CreateBitmap(32, 64, 1, 1, andBits);
    ICONINFO info = {TRUE, 0, 0, hMono, nullptr};
    HICON hMonoIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMono);
    EXPECT_EQ(GetIconSize(hMonoIcon), CSize(32, 32));
    EXPECT_EQ(GetIconSize(nullptr), CSize(0, 0));

    EXPECT_EQ(ScaleIcon(hMonoIcon, 0, 32, 16), nullptr); // no width to scale from
    EXPECT_EQ(ScaleIcon(hMonoIcon, 32, 32, 0), nullptr);
    HICON hScaled = ScaleIcon(hMonoIcon, 32, 32, 16);
    ASSERT_TRUE(hScaled);
    EXPECT_EQ(GetIconSize(hScaled), CSize(16, 16));
    ::DestroyIcon(hScaled);
    ::DestroyIcon(hMonoIcon);
}

TEST(ImageManager, LookupByCommandWidthAndState)
{
    CZMRImageManager manager;
    HICON h16 = SolidIcon(16, 16, RGB(255, 0, 0));
    HICON h32 = SolidIcon(32, 32, RGB(0, 255, 0));
    CZMRIconHandle i16, i32, hot;
    i16.SetIcon(h16);
    i32.SetIcon(h32);
    hot.SetIcon(h16);

    EXPECT_FALSE(manager.SetIcon(hot, 7, 0, 0, ZMR_ICONSTATE_HOT)); // no set yet
    EXPECT_EQ(manager.GetIconSet(7), nullptr);

    ASSERT_TRUE(manager.SetIcon(i16, 7, 0, 0, ZMR_ICONSTATE_NORMAL));
    ASSERT_TRUE(manager.SetIcon(i32, 7, 0, 0, ZMR_ICONSTATE_NORMAL));
    struct { int width; int expect; } cases[] = {{0, 16}, {1, 32}, {16, 16}, {24, 16}, {30, 32}};
    for (auto c : cases)
    {
        CZMRImageManagerIcon* pIcon = manager.GetImage(7, c.width);
        ASSERT_TRUE(pIcon) << c.width;
        EXPECT_EQ(pIcon->GetExtent().cx, c.expect) << c.width;
    }
    EXPECT_EQ(manager.GetIconSet(7)->GetIcon(24, FALSE), nullptr);
    EXPECT_FALSE(manager.ContainsIcon(7, 24));
    EXPECT_TRUE(manager.ContainsIcon(7, 0));
    EXPECT_EQ(manager.GetImage(8, 0), nullptr);

    // A hot image of width 16; checked falls back to it.
    CZMRImageManagerIcon* pIcon = manager.GetImage(7, 16);
    EXPECT_EQ(&pIcon->GetIcon(ZMR_ICONSTATE_HOT), &pIcon->GetNormalIcon());
    ASSERT_TRUE(manager.SetIcon(hot, 7, 16, 16, ZMR_ICONSTATE_HOT));
    EXPECT_NE(&pIcon->GetHotIcon(), &pIcon->GetNormalIcon());
    EXPECT_EQ(&pIcon->GetCheckedIcon(), &pIcon->GetHotIcon());
    EXPECT_EQ(&pIcon->GetPressedIcon(), &pIcon->GetHotIcon());

    // A hot image for a new width makes an icon with no normal image.
    ASSERT_TRUE(manager.SetIcon(hot, 7, 48, 16, ZMR_ICONSTATE_HOT));
    EXPECT_TRUE(manager.GetIconSet(7)->GetIcon(48, FALSE)->GetNormalIcon().IsEmpty());

    // Setting the normal image again drops that icon's state images.
    ASSERT_TRUE(manager.SetIcon(i16, 7, 0, 0, ZMR_ICONSTATE_NORMAL));
    EXPECT_EQ(&pIcon->GetHotIcon(), &pIcon->GetNormalIcon());

    ::DestroyIcon(h16);
    ::DestroyIcon(h32);
}

TEST(ImageManager, AlphaStripsAreCutForTheirIds)
{
    // 64 x 16, four 16-pixel images whose alpha byte is their index + 1.
    LPBYTE pBits = nullptr;
    HBITMAP hStrip = CreateArgbDibSection(nullptr, 64, 16, &pBits);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 64; x++)
            reinterpret_cast<DWORD*>(pBits)[y * 64 + x] = static_cast<DWORD>(x / 16 + 1) << 24;
    CBitmap bitmap;
    bitmap.Attach(hStrip);

    auto alphaOf = [](CZMRImageManager& m, UINT id) -> int {
        CZMRImageManagerIcon* pIcon = m.GetImage(id, 16);
        if (!pIcon)
            return -1;
        CZMRIconHandle out;
        out.CopyHandle(pIcon->GetNormalIcon());
        return out.m_pBits ? out.m_pBits[3] : -2;
    };

    {
        CZMRImageManager m;
        ASSERT_TRUE(m.SetIcons(bitmap, nullptr, 4, 0, 0, 0, TRUE));
        for (UINT id = 0; id < 4; id++)
            EXPECT_EQ(alphaOf(m, id), static_cast<int>(id) + 1);
    }
    {
        CZMRImageManager m;
        const UINT ids[] = {10, 0, 11};
        ASSERT_TRUE(m.SetIcons(bitmap, ids, 3, 16, 16, 0, TRUE));
        EXPECT_EQ(alphaOf(m, 10), 1);
        EXPECT_EQ(alphaOf(m, 11), 2);
        EXPECT_EQ(m.GetImage(0, 16), nullptr);
    }
    {
        CZMRImageManager m;
        const UINT ids[] = {10, 0, 11, 12};
        ASSERT_TRUE(m.SetIcons(bitmap, ids, 4, 16, 16, 0, TRUE));
        EXPECT_EQ(alphaOf(m, 0), 2);
        EXPECT_EQ(alphaOf(m, 12), 4);
    }
    {
        CZMRImageManager m;
        EXPECT_FALSE(m.SetIcons(bitmap, nullptr, 0, 24, 16, 0, TRUE)); // 64 is no multiple of 24
    }
}

namespace
{
// A 24-bit DIB section: no alpha bytes to premultiply or to deal out.
HBITMAP Dib24(int cx, int cy, COLORREF clr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, cx, cy};
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBitmap;
}
} // namespace

TEST(ImageHandle, ReplacingAnOwnedPictureDestroysIt)
{
    HICON hOwned = SolidIcon(16, 16, RGB(1, 2, 3));
    HICON hKept = SolidIcon(16, 16, RGB(4, 5, 6));
    CZMRIconHandle handle;
    handle.TakeIcon(hOwned);
    handle.SetIcon(hKept);
    ICONINFO info;
    EXPECT_FALSE(::GetIconInfo(hOwned, &info)) << "the owned icon was left behind";
    EXPECT_EQ(handle.GetIcon(), hKept);
    EXPECT_FALSE(handle.m_bOwns);

    HBITMAP hOwnedBitmap = SolidAlphaBitmap(16, 16, 0xFF000000);
    HBITMAP hKeptBitmap = SolidAlphaBitmap(8, 8, 0xFF000000);
    handle.TakeBitmap(hOwnedBitmap);
    handle.SetBitmap(hKeptBitmap);
    BITMAP bm;
    EXPECT_EQ(::GetObject(hOwnedBitmap, sizeof(bm), &bm), 0) << "the owned bitmap was left behind";
    EXPECT_EQ(handle.GetExtent(), CSize(8, 8));

    handle.Clear(); // kept pictures stay the caller's
    EXPECT_NE(::GetObject(hKeptBitmap, sizeof(bm), &bm), 0);
    EXPECT_TRUE(::GetIconInfo(hKept, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(hKept);
    ::DeleteObject(hKeptBitmap);
}

TEST(ImageStrip, RefusedPicturesTakeNoSlot)
{
    CZMRImageManager manager;
    HBITMAP h24 = Dib24(16, 16, RGB(0, 0, 255));
    HBITMAP h32 = SolidAlphaBitmap(16, 16, 0xFF000000);
    struct
    {
        const char* what;
        HBITMAP hBitmap;
        int storedWidth, storedHeight; // 0: as the bitmap says
    } cases[] = {
        {"24-bit bitmap: no pixels to premultiply", h24, 0, 0},
        {"stated size larger than the bitmap", h32, 32, 32},
    };
    for (auto c : cases)
    {
        SCOPED_TRACE(c.what);
        CZMRIconHandle source;
        source.SetBitmap(c.hBitmap);
        if (c.storedWidth)
        {
            source.m_nWidth = c.storedWidth;
            source.m_nHeight = c.storedHeight;
        }
        CZMRIconHandle target;
        target.m_pImageManager = &manager;
        target.CopyHandle(source);
        EXPECT_EQ(target.m_pRInfo, nullptr);
        EXPECT_TRUE(target.IsEmpty());
        CZMRImageManagerResource* pStrip = manager.GetResource(source.m_nWidth, source.m_nHeight);
        EXPECT_EQ(pStrip->GetUsedCount(), 0);
        EXPECT_EQ(pStrip->GetUsedWidth(), 0);
        source.Clear();
    }
    ::DeleteObject(h24);
    ::DeleteObject(h32);
}

namespace
{
// A strip whose lock another thread can try.
class ProbedStrip : public CZMRImageManagerResource
{
public:
    using CZMRImageManagerResource::CZMRImageManagerResource;
    bool LockIsFree()
    {
        bool bFree = false;
        std::thread([&] {
            bFree = ::TryEnterCriticalSection(&m_cs) != FALSE;
            if (bFree)
                ::LeaveCriticalSection(&m_cs);
        }).join();
        return bFree;
    }
};
} // namespace

TEST(ImageStrip, MemoryRunningOutRefusesThePictureAndFreesTheLock)
{
    CZMRImageManager manager;
    HBITMAP hSource = SolidAlphaBitmap(16, 16, 0xFF2040A0);
    CZMRIconHandle source;
    source.SetBitmap(hSource);
    ProbedStrip strip(&manager, 16, 16);
    ZMR_IMAGERESOURCE_INFO* pFirst = strip.AddImage(source);
    ASSERT_NE(pFirst, nullptr);

    // Each allocation of adding a second picture fails in turn.
    for (int nth = 0;; ++nth)
    {
        SCOPED_TRACE(nth);
        AllocationFaults::Arm(nth);
        ZMR_IMAGERESOURCE_INFO* pRInfo = strip.AddImage(source);
        if (!AllocationFaults::Disarm())
        {
            ASSERT_NE(pRInfo, nullptr);
            EXPECT_EQ(strip.GetUsedWidth(), 32);
            strip.FreeImage(pRInfo);
            break;
        }
        EXPECT_EQ(pRInfo, nullptr);
        EXPECT_EQ(strip.GetUsedCount(), 1);
        EXPECT_EQ(strip.GetUsedWidth(), 16);
        EXPECT_TRUE(strip.LockIsFree());
    }
    strip.FreeImage(pFirst);
    EXPECT_EQ(strip.GetColorStrip(), nullptr);
    source.Clear();
    ::DeleteObject(hSource);
}

TEST(ImageManager, StripsWithoutAlpha)
{
    // Cut with the alpha flag, a strip must be 32 bits a pixel.
    HBITMAP h24 = Dib24(64, 16, RGB(0, 0, 255));
    CBitmap strip24;
    strip24.Attach(h24);
    {
        CZMRImageManager m;
        EXPECT_FALSE(m.SetIcons(strip24, nullptr, 4, 0, 0, 0, TRUE));
        EXPECT_EQ(m.GetIconSet(0), nullptr);
    }

    // Without it, the top-left pixel is the transparent colour when the
    // manager has none: a pixel of that colour inside image 1 shows through.
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, h24);
    ::SetPixel(hDC, 0, 0, RGB(255, 0, 255));
    ::SetPixel(hDC, 16 + 4, 4, RGB(255, 0, 255));
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    // (Adding with a mask blackens the masked pixels of the strip, so the
    // mask colour that matches comes last.)
    struct { COLORREF mask; COLORREF expect; } cases[] = {
        {RGB(0, 255, 0), RGB(255, 0, 255)},              // another mask colour: the pixel stays
        {static_cast<COLORREF>(-1), RGB(255, 255, 255)}, // drawn over white
    };
    for (auto c : cases)
    {
        CZMRImageManager m;
        m.SetMaskColor(c.mask);
        ASSERT_TRUE(m.SetIcons(strip24, nullptr, 4, 0, 0, 0, FALSE));
        CZMRImageManagerIcon* pIcon = m.GetImage(1, 16);
        ASSERT_TRUE(pIcon);
        CZMRIconHandle out;
        out.CopyHandle(pIcon->GetNormalIcon());
        ASSERT_TRUE(out.GetIcon());
        EXPECT_EQ(PixelOfIcon(out.GetIcon(), 4, 4), c.expect);
        EXPECT_EQ(PixelOfIcon(out.GetIcon(), 8, 8), RGB(0, 0, 255));
    }
}

TEST(ImageManager, MemoryRunningOutWhileIconsAreAddedGivesEverythingBack)
{
    // One picture for a new icon set, and a strip of two alpha pictures cut
    // into pieces: each allocation fails in turn.
    HBITMAP hPicture = SolidAlphaBitmap(16, 16, 0xFF2040A0);
    CBitmap strip;
    strip.Attach(SolidAlphaBitmap(32, 16, 0xFF40A020));
    for (bool bStrip : {false, true})
    {
        auto add = [&] {
            CZMRImageManager manager;
            if (bStrip)
            {
                manager.SetIcons(strip, nullptr, 2, 16, 16, ZMR_ICONSTATE_NORMAL, TRUE);
            }
            else
            {
                CZMRIconHandle handle;
                handle.SetBitmap(hPicture);
                manager.SetIcon(handle, 7, 0, 0, ZMR_ICONSTATE_NORMAL);
                handle.Clear();
            }
        };
        SCOPED_TRACE(bStrip ? "strip" : "one picture");
        EachAllocationFails(add);
    }
    ::DeleteObject(hPicture);
}
