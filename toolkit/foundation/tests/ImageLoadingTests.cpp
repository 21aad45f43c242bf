#include "ZMRImageLoaders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// The pictures looked up here are in ImageTestResources.rc.
namespace
{
HMODULE Self()
{
    return ::GetModuleHandleW(nullptr);
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// A 2 x 2 bitmap file of the given depth, every pixel the same colour.
void WriteBitmapFile(const std::wstring& path, int bpp)
{
    const int stride = ((2 * bpp / 8) + 3) & ~3;
    std::vector<BYTE> pixels(stride * 2, 0x40);
    BITMAPINFOHEADER ih = {sizeof(ih), 2, 2, 1, static_cast<WORD>(bpp), BI_RGB,
                           static_cast<DWORD>(pixels.size()), 0, 0, 0, 0};
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* f = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(f);
    fwrite(&fh, sizeof(fh), 1, f);
    fwrite(&ih, sizeof(ih), 1, f);
    fwrite(pixels.data(), 1, pixels.size(), f);
    fclose(f);
}

bool IsDibSection(HBITMAP hBitmap)
{
    DIBSECTION ds;
    return ::GetObject(hBitmap, sizeof(ds), &ds) == sizeof(ds);
}

// The premultiplied pixels of an icon's normal image, copied out of its strip.
std::vector<BYTE> PixelsOf(CZMRImageManagerIcon* pIcon)
{
    CZMRIconHandle out;
    out.CopyHandle(pIcon->GetNormalIcon());
    if (!out.m_pBits)
        return {};
    return std::vector<BYTE>(out.m_pBits, out.m_pBits + out.m_nWidth * out.m_nHeight * 4);
}
} // namespace

TEST(ImageLoading, BitmapFilesReportAlphaByTheirDepth)
{
    struct { int bpp; BOOL alpha; bool dib; } cases[] = {{24, FALSE, false}, {32, TRUE, true}};
    for (auto c : cases)
    {
        SCOPED_TRACE(c.bpp);
        std::wstring path = TempPath(L"zm_bitmap_case.bmp");
        WriteBitmapFile(path, c.bpp);
        EXPECT_EQ(IsAlphaBitmapFile(path.c_str()), c.alpha);
        EXPECT_FALSE(IsPngFile(path.c_str()));
        BOOL bAlpha = !c.alpha;
        HBITMAP hBitmap = ReadBitmapFile(path.c_str(), &bAlpha);
        ASSERT_TRUE(hBitmap);
        EXPECT_EQ(bAlpha, c.alpha);
        EXPECT_EQ(IsDibSection(hBitmap), c.dib); // 32 bits keep their alpha bytes in a DIB section
        ::DeleteObject(hBitmap);
        ::DeleteFileW(path.c_str());
    }
    std::wstring missing = TempPath(L"zm_no_such_bitmap.bmp");
    EXPECT_EQ(ReadBitmapFile(missing.c_str(), nullptr), nullptr);
    EXPECT_FALSE(IsAlphaBitmapFile(missing.c_str()));
}

TEST(ImageLoading, BitmapResourcesByKind)
{
    struct { LPCWSTR name; bool loads; BOOL alpha; } cases[] = {
        {MAKEINTRESOURCEW(4301), true, TRUE},  // 32 bits, as large as its header says
        {L"ZMPNG", true, TRUE},                // PNG with alpha
        {L"ZMSHORT", false, TRUE},             // shorter than width x height x 4 + 40
        {L"ZMTOPDOWN", false, TRUE},           // negative height
        {L"ZM24", true, FALSE},                // 24 bits, whole
        // Cut short: refused before the system's loader reads past them.
        {L"ZM24CUT", false, FALSE},
        {L"ZM8NOTABLE", false, FALSE},
        {L"ZMTINY", false, FALSE},
        {L"ZMNOSUCH", false, FALSE},
    };
    for (auto c : cases)
    {
        SCOPED_TRACE(IS_INTRESOURCE(c.name) ? L"4301" : c.name);
        BOOL bAlpha = !c.alpha;
        HBITMAP hBitmap = ReadBitmapResource(Self(), c.name, &bAlpha);
        EXPECT_EQ(hBitmap != nullptr, c.loads);
        if (c.loads)
        {
            EXPECT_EQ(bAlpha, c.alpha);
        }
        if (hBitmap)
            ::DeleteObject(hBitmap);
    }
    EXPECT_TRUE(IsPngResource(Self(), L"ZMPNG"));
    EXPECT_FALSE(IsPngResource(Self(), MAKEINTRESOURCEW(4301)));
    EXPECT_EQ(LoadAlphaBitmapResource(Self(), L"ZMSHORT"), nullptr);

    // The 32-bit resource's pixels follow its header unchanged.
    HBITMAP hBitmap = LoadAlphaBitmapResource(Self(), MAKEINTRESOURCEW(4301));
    ASSERT_TRUE(hBitmap);
    DIBSECTION ds = {};
    ASSERT_TRUE(::GetObject(hBitmap, sizeof(ds), &ds));
    const DWORD* p = static_cast<const DWORD*>(ds.dsBm.bmBits);
    EXPECT_EQ(ds.dsBm.bmWidth, 4);
    EXPECT_EQ(p[0], 0x01000000u);
    EXPECT_EQ(p[3], 0x02000000u);
    ::DeleteObject(hBitmap);
}

TEST(ImageLoading, IconResourcesBySize)
{
    CZMRIconHandle handle;
    EXPECT_TRUE(handle.LoadIconResource(Self(), L"ZMICONS", 4, 4, TRUE));
    EXPECT_EQ(handle.GetExtent(), CSize(4, 4));
    EXPECT_TRUE(handle.IsAlpha() && handle.m_bOwns);

    // A group without that size gives nothing, even with other sizes in it;
    // the picture loaded before must not count as this load's result.
    EXPECT_FALSE(handle.LoadIconResource(Self(), L"ZMICONS", 3, 3, TRUE));
    EXPECT_FALSE(handle.LoadIconResource(Self(), MAKEINTRESOURCEW(4313), 2, 2, FALSE)); // cut short
    EXPECT_FALSE(handle.LoadIconResource(Self(), L"ZMICONS", 2, 2, FALSE)); // no single image of that name

    CZMRIconHandle mono;
    ASSERT_TRUE(mono.LoadIconResource(Self(), L"ZMMONO", 2, 2, TRUE));
    EXPECT_TRUE(mono.GetIcon() != nullptr);
    EXPECT_FALSE(mono.IsAlpha());
    EXPECT_EQ(mono.GetExtent(), CSize(2, 2));
}

TEST(ImageLoading, IconResourcesIntoTheManager)
{
    struct
    {
        LPCWSTR name;
        int width, height;
        BOOL result;
        std::vector<int> widths; // icons the set holds afterwards
    } cases[] = {
        {L"ZMICONS", 0, 0, TRUE, {2, 4}},
        {L"ZMICONS", 2, 2, TRUE, {2}},
        {L"ZMICONS", 3, 3, TRUE, {}},       // nothing matched: still a success
        {L"ZMBROKEN", 0, 0, FALSE, {4}},     // stops at the broken entry, keeps the first
        {MAKEINTRESOURCEW(4310), 2, 2, TRUE, {2}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(IS_INTRESOURCE(c.name) ? L"4310" : c.name);
        CZMRImageManager manager;
        EXPECT_EQ(manager.AddIconFromResource(c.name, 7, c.width, c.height, ZMR_ICONSTATE_NORMAL), c.result);
        CZMRImageManagerIconSet* pSet = manager.GetIconSet(7);
        EXPECT_EQ(pSet ? static_cast<int>(pSet->GetIcons().GetCount()) : 0, static_cast<int>(c.widths.size()));
        for (int w : c.widths)
        {
            ASSERT_TRUE(pSet && pSet->GetIcon(w, FALSE)) << w;
            EXPECT_EQ(pSet->GetIcon(w, FALSE)->GetExtent(), CSize(w, w));
        }
    }

    // A group claiming more entries than it holds: only those it holds are
    // read. The resource compiler refuses such a group, so it is written
    // into a copy of a small system module.
    {
        std::wstring path = TempPath(L"zm_overcount.dll");
        wchar_t system[MAX_PATH];
        ::GetSystemDirectoryW(system, MAX_PATH);
        ASSERT_TRUE(::CopyFileW((std::wstring(system) + L"\\msimg32.dll").c_str(), path.c_str(), FALSE));
        HANDLE hUpdate = ::BeginUpdateResourceW(path.c_str(), FALSE);
        ASSERT_TRUE(hUpdate);
        std::vector<BYTE> group;
        for (WORD id : {4310, 4311})
        {
            HRSRC hRes = ::FindResourceW(Self(), MAKEINTRESOURCEW(id), RT_ICON);
            ASSERT_TRUE(hRes);
            ::UpdateResourceW(hUpdate, RT_ICON, MAKEINTRESOURCEW(id), 0, ::LockResource(::LoadResource(Self(), hRes)),
                              ::SizeofResource(Self(), hRes));
        }
        HRSRC hGroup = ::FindResourceW(Self(), L"ZMICONS", RT_GROUP_ICON);
        const BYTE* pGroup = static_cast<const BYTE*>(::LockResource(::LoadResource(Self(), hGroup)));
        group.assign(pGroup, pGroup + ::SizeofResource(Self(), hGroup));
        group[4] = 3; // two entries follow
        ::UpdateResourceW(hUpdate, RT_GROUP_ICON, L"ZMOVERCOUNT", 0, group.data(), static_cast<DWORD>(group.size()));
        ASSERT_TRUE(::EndUpdateResourceW(hUpdate, FALSE));
        HMODULE hModule = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_TRUE(hModule);
        AfxSetResourceHandle(hModule);
        CZMRImageManager manager;
        EXPECT_TRUE(manager.AddIconFromResource(L"ZMOVERCOUNT", 7, 0, 0, ZMR_ICONSTATE_NORMAL));
        EXPECT_TRUE(manager.GetImage(7, 2) && manager.GetImage(7, 4));
        CZMRIconHandle handle;
        EXPECT_FALSE(handle.LoadIconResource(hModule, L"ZMOVERCOUNT", 0, 0, TRUE)); // no third entry read
        AfxSetResourceHandle(nullptr);
        ::FreeLibrary(hModule);
        ::DeleteFileW(path.c_str());
    }

    // Two images of one width: the later replaces the earlier and its slot
    // goes back to the strip.
    CZMRImageManager manager;
    ASSERT_TRUE(manager.AddIconFromResource(L"ZMDUPS", 7, 0, 0, ZMR_ICONSTATE_NORMAL));
    EXPECT_EQ(manager.GetIconSet(7)->GetIcons().GetCount(), 1);
    EXPECT_EQ(manager.GetResource(2, 2)->GetUsedCount(), 1);
    EXPECT_EQ(manager.GetResource(2, 2)->GetUsedWidth(), 2);
    std::vector<BYTE> px = PixelsOf(manager.GetImage(7, 2));
    ASSERT_EQ(px.size(), 16u);
    EXPECT_EQ(px[0], 0x00); // red, the second image
    EXPECT_EQ(px[2], 0xFF);
}

TEST(ImageLoading, ToolBarResourcesNameTheirImages)
{
    CZMRImageManager manager;
    UINT* pIds = nullptr;
    int nCount = -1;
    CSize szButton;
    ASSERT_TRUE(manager.LoadToolBarIds(4301, &pIds, &nCount, &szButton));
    ASSERT_EQ(nCount, 2);
    EXPECT_EQ(pIds[0], 100u);
    EXPECT_EQ(pIds[1], 101u);
    EXPECT_EQ(szButton, CSize(2, 1));
    delete[] pIds;

    EXPECT_FALSE(manager.LoadToolBarIds(4302, &pIds, &nCount, &szButton)); // more items than stored
    EXPECT_EQ(pIds, nullptr);
    EXPECT_FALSE(manager.LoadToolBarIds(0x10000, &pIds, &nCount, &szButton));
    EXPECT_FALSE(manager.LoadToolBarIcons(4302));

    // The 4-pixel strip is cut in two for the two buttons that are not separators.
    ASSERT_TRUE(manager.LoadToolBarIcons(4301));
    struct { UINT id; BYTE alpha; } images[] = {{100, 1}, {101, 2}};
    for (auto i : images)
    {
        CZMRImageManagerIcon* pIcon = manager.GetImage(i.id, 2);
        ASSERT_TRUE(pIcon) << i.id;
        EXPECT_EQ(pIcon->GetExtent(), CSize(2, 1));
        std::vector<BYTE> px = PixelsOf(pIcon);
        ASSERT_EQ(px.size(), 8u);
        EXPECT_EQ(px[3], i.alpha);
        EXPECT_EQ(px[7], i.alpha);
    }
    EXPECT_EQ(manager.GetIconSet(0), nullptr);
}

TEST(ImageLoading, PngPictureKeepsItsRowsInTheStrip)
{
    BOOL bAlpha = FALSE;
    HBITMAP hPng = ReadBitmapResource(Self(), L"ZMPNG", &bAlpha);
    ASSERT_TRUE(hPng);
    CZMRIconHandle source;
    source.SetBitmap(hPng);

    CZMRImageManager manager;
    ASSERT_TRUE(manager.SetIcon(source, 9, 0, 0, ZMR_ICONSTATE_NORMAL));
    std::vector<BYTE> px = PixelsOf(manager.GetImage(9, 2));
    ASSERT_EQ(px.size(), 16u);
    // Rows bottom-up: the bottom row (10, 20, 30 at alpha 128, premultiplied) first ...
    EXPECT_EQ(px[0], 30 * 128 / 255);
    EXPECT_EQ(px[3], 128);
    // ... and the opaque top row last.
    const BYTE top[4] = {50, 100, 200, 255};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(px[8 + i], top[i]) << i;
    source.Clear();
    ::DeleteObject(hPng);
}
