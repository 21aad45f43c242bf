#include "CZMRImageManager.h"
#include "EachAllocationFails.h"
#include "CZMRPropExchangeArchive.h"
#include "ImageTestSupport.h"
#include "MemoryPropStore.h"
#include "PixelCanvas.h"
#include "tests/core/ArchiveStreams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace ImageTest;

namespace
{
using namespace ArchiveStreams;

Bytes Count(WORD n)
{
    return {LOBYTE(n), HIBYTE(n)};
}

Bytes Int(DWORD n)
{
    return {LOBYTE(LOWORD(n)), HIBYTE(LOWORD(n)), LOBYTE(HIWORD(n)), HIBYTE(HIWORD(n))};
}

Bytes WideText(const wchar_t* psz)
{
    Bytes bytes = {0xFF, 0xFE, 0xFF, static_cast<BYTE>(wcslen(psz))};
    for (; *psz; psz++)
        bytes.insert(bytes.end(), {static_cast<BYTE>(*psz), 0});
    return bytes;
}

const Bytes kCheck = WideText(L"CZMRImageManagerIcons");
const Bytes kEmptyRecord = Count(0);

// The bitmap record of a w x h 32-bit picture: a 40-byte header with room
// for three colour entries, then the rows bottom-up. The system reports a
// 32-bit picture with its three colour masks.
Bytes AlphaRecord(int cx, int cy, const std::vector<DWORD>& bgraTopDown)
{
    const DWORD nImage = static_cast<DWORD>(cx * cy * 4);
    Bytes header = Concat({Int(40), Int(cx), Int(cy), Count(1), Count(32), Int(BI_BITFIELDS), Int(nImage), Int(0),
                           Int(0), Int(0), Int(0), Int(0x00FF0000), Int(0x0000FF00), Int(0x000000FF)});
    Bytes pixels;
    for (int y = cy - 1; y >= 0; y--)
        for (int x = 0; x < cx; x++)
            for (BYTE b : Int(bgraTopDown[static_cast<size_t>(y) * cx + x]))
                pixels.push_back(b);
    return Concat({Count(52), header, Count(static_cast<WORD>(nImage)), pixels});
}

// One icon set of one icon, as the store writes it.
Bytes IconSetBytes(DWORD nID, DWORD nWidth, DWORD nHeight, DWORD nSchema, std::initializer_list<Bytes> handles)
{
    return Concat({Int(nID), kCheck, Count(1), Int(nWidth), Int(nHeight), Int(nSchema), Concat(handles)});
}

// Pixels of a handle's picture, taken out of its strip.
DWORD HandlePixel(const CZMRIconHandle& handle, int x, int y)
{
    CZMRIconHandle copy;
    copy.CopyHandle(handle);
    return copy.m_hBitmap ? DibPixel(copy.m_hBitmap, x, y) : 0xDEADBEEF;
}

void AddAlpha(CZMRImageManager& manager, UINT nID, int cx, int cy, const std::vector<DWORD>& pixels, int nState)
{
    HBITMAP hBitmap = AlphaBitmap(cx, cy, pixels);
    CZMRIconHandle handle;
    handle.SetBitmap(hBitmap);
    EXPECT_TRUE(manager.SetIcon(handle, nID, 0, 0, nState));
    handle.Clear();
    ::DeleteObject(hBitmap);
}

void AddIcon(CZMRImageManager& manager, UINT nID, HICON hIcon, int nState)
{
    CZMRIconHandle handle;
    handle.SetIcon(hIcon);
    EXPECT_TRUE(manager.SetIcon(handle, nID, 0, 0, nState));
    handle.Clear();
}

// Equal byte streams, or where they part.
::testing::AssertionResult SameBytes(const Bytes& actual, const Bytes& expected)
{
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        i++;
    if (i == actual.size() && i == expected.size())
        return ::testing::AssertionSuccess();
    auto at = [i](const Bytes& b) { return i < b.size() ? std::to_string(b[i]) : std::string("end"); };
    return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                         << ", first difference at " << i << ": " << at(actual) << " against "
                                         << at(expected);
}

std::vector<DWORD> TestPixels(int cx, int cy)
{
    // Opaque, except a half-transparent top row.
    std::vector<DWORD> pixels(static_cast<size_t>(cx) * cy, 0xFF336699);
    for (int x = 0; x < cx; x++)
        pixels[x] = 0x80FF0000;
    return pixels;
}
} // namespace

TEST(ImagePersistence, StoresOneAlphaIconAsItsGoldenStream)
{
    CZMRImageManager manager;
    AddAlpha(manager, 100, 16, 16, TestPixels(16, 16), ZMR_ICONSTATE_NORMAL);
    Bytes bytes = Store([&](CArchive& ar) { manager.Serialize(ar); });

    std::vector<DWORD> premultiplied = TestPixels(16, 16);
    for (int x = 0; x < 16; x++)
        premultiplied[x] = 0x80800000;
    Bytes empties;
    for (int i = 0; i < 8; i++)
        empties.insert(empties.end(), kEmptyRecord.begin(), kEmptyRecord.end());
    const Bytes expected = Concat({Count(1),
                                   IconSetBytes(100, 16, 16, 33, {AlphaRecord(16, 16, premultiplied), kEmptyRecord}),
                                   empties});
    EXPECT_TRUE(SameBytes(bytes, expected));

    // Loaded and stored again: the same bytes, and the picture as it was.
    CZMRImageManager loaded;
    Load(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    CZMRImageManagerIcon* pIcon = loaded.GetImage(100, 16);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->GetExtent(), CSize(16, 16));
    EXPECT_TRUE(pIcon->IsAlpha());
    EXPECT_TRUE(pIcon->GetNormalIcon().m_pRInfo != nullptr);   // in the manager's strip
    EXPECT_EQ(HandlePixel(pIcon->GetNormalIcon(), 3, 0), 0x80800000u);
    EXPECT_EQ(HandlePixel(pIcon->GetNormalIcon(), 3, 5), 0xFF336699u);
    EXPECT_TRUE(pIcon->GetIcon(ZMR_ICONSTATE_HOT).m_pRInfo == pIcon->GetNormalIcon().m_pRInfo);
    EXPECT_TRUE(SameBytes(Store([&](CArchive& ar) { loaded.Serialize(ar); }), bytes));
}

TEST(ImagePersistence, EveryStateAndFormRoundTrips)
{
    CZMRImageManager manager;
    HICON hIcon = TwoColourIcon(16, 16, RGB(200, 0, 0), RGB(0, 0, 200), 12);
    AddIcon(manager, 5, hIcon, ZMR_ICONSTATE_NORMAL);
    AddAlpha(manager, 5, 16, 16, TestPixels(16, 16), ZMR_ICONSTATE_HOT);
    AddIcon(manager, 5, hIcon, ZMR_ICONSTATE_PRESSED);
    // Widths in different buckets of the set's table keep their order on reloading.
    AddAlpha(manager, 5, 32, 32, TestPixels(32, 32), ZMR_ICONSTATE_NORMAL);
    AddAlpha(manager, 5, 32, 32, std::vector<DWORD>(32 * 32, 0xFF00FF00), ZMR_ICONSTATE_DISABLED);
    AddAlpha(manager, 0x20000, 16, 16, std::vector<DWORD>(16 * 16, 0xFF0000FF), ZMR_ICONSTATE_NORMAL);
    ::DestroyIcon(hIcon);
    Bytes bytes = Store([&](CArchive& ar) { manager.Serialize(ar); });

    CZMRImageManager loaded;
    Load(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_TRUE(SameBytes(Store([&](CArchive& ar) { loaded.Serialize(ar); }), bytes));

    CZMRImageManagerIcon* pSmall = loaded.GetImage(5, 16);
    CZMRImageManagerIcon* pLarge = loaded.GetImage(5, 32);
    ASSERT_TRUE(pSmall && pLarge && loaded.GetImage(0x20000, 16));
    const int states[] = {ZMR_ICONSTATE_NORMAL, ZMR_ICONSTATE_HOT, ZMR_ICONSTATE_PRESSED};
    const COLORREF expected[] = {RGB(200, 0, 0), RGB(0x33, 0x66, 0x99), RGB(200, 0, 0)};
    for (int i = 0; i < 3; i++)
    {
        CPixelCanvas canvas(20, 20, RGB(0, 255, 0));
        pSmall->Draw(canvas.DC(), CPoint(0, 0), pSmall->GetIcon(states[i]));
        EXPECT_TRUE(NearColour(canvas.Pixel(2, 5), expected[i])) << states[i];
        if (states[i] != ZMR_ICONSTATE_HOT)
        {
            EXPECT_EQ(canvas.Pixel(10, 5), RGB(0, 0, 200)) << states[i];
            EXPECT_EQ(canvas.Pixel(13, 5), RGB(0, 255, 0)) << states[i];   // transparent part
        }
    }
    EXPECT_FALSE(pSmall->HasDisabledIcon());
    EXPECT_EQ(HandlePixel(pLarge->GetDisabledIcon(FALSE), 5, 5), 0xFF00FF00u);
}

TEST(ImagePersistence, IconsRoundTripThroughANamedStore)
{
    // A name-keyed store keeps each icon's picture as letters under "Data";
    // what comes back draws as what went in.
    CZMRImageManager manager;
    HICON hIcon = TwoColourIcon(16, 16, RGB(200, 0, 0), RGB(0, 0, 200), 12);
    AddIcon(manager, 7, hIcon, ZMR_ICONSTATE_NORMAL);
    ::DestroyIcon(hIcon);
    AddAlpha(manager, 7, 32, 32, TestPixels(32, 32), ZMR_ICONSTATE_NORMAL);

    CMemoryPropStore::Data data;
    {
        CMemoryPropStore store(&data, FALSE);
        EXPECT_TRUE(store.IsNamedStore());
        manager.DoPropExchange(&store);
    }
    bool bLetters = false;
    for (const auto& entry : data.values)
        bLetters |= entry.first.find(L"Data") != std::wstring::npos && entry.second.nType == ZMR_PX_STRING &&
                    !entry.second.text.IsEmpty();
    EXPECT_TRUE(bLetters) << "pictures are kept as text in a named store";

    CZMRImageManager loaded;
    {
        CMemoryPropStore loader(&data, TRUE);
        loaded.DoPropExchange(&loader);
    }
    CZMRImageManagerIcon* pSmall = loaded.GetImage(7, 16);
    CZMRImageManagerIcon* pLarge = loaded.GetImage(7, 32);
    ASSERT_TRUE(pSmall && pLarge);
    CPixelCanvas canvas(20, 20, RGB(0, 255, 0));
    pSmall->Draw(canvas.DC(), CPoint(0, 0), pSmall->GetNormalIcon());
    EXPECT_EQ(canvas.Pixel(2, 5), RGB(200, 0, 0));
    EXPECT_EQ(canvas.Pixel(10, 5), RGB(0, 0, 200));
    EXPECT_EQ(canvas.Pixel(13, 5), RGB(0, 255, 0)) << "the transparent part stays transparent";
    EXPECT_TRUE(pLarge->IsAlpha());
    EXPECT_EQ(HandlePixel(pLarge->GetNormalIcon(), 3, 5), 0xFF336699u);
}

TEST(ImagePersistence, OlderSchemasReadFewerStates)
{
    const Bytes red = AlphaRecord(2, 1, {0xFFFF0000, 0xFFFF0000});
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    const Bytes green = AlphaRecord(2, 1, {0xFF00FF00, 0xFF00FF00});
    // Schema 7: normal, disabled, hot. Schema 16: also checked. Each set is
    // followed by another, so reading too much or too little shows.
    const Bytes bytes = Concat({
        Count(3),
        IconSetBytes(1, 2, 1, 7, {red, kEmptyRecord, kEmptyRecord, kEmptyRecord, blue, kEmptyRecord}),
        IconSetBytes(2, 2, 1, 16, {red, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                   green, kEmptyRecord}),
        IconSetBytes(3, 2, 1, 33, {blue, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                   kEmptyRecord, kEmptyRecord, green, kEmptyRecord}),
    });
    CZMRImageManager manager;
    Load(bytes, [&](CArchive& ar) { manager.Serialize(ar); });
    CZMRImageManagerIcon* p7 = manager.GetImage(1, 2);
    CZMRImageManagerIcon* p16 = manager.GetImage(2, 2);
    CZMRImageManagerIcon* p33 = manager.GetImage(3, 2);
    ASSERT_TRUE(p7 && p16 && p33);
    EXPECT_EQ(HandlePixel(p7->GetHotIcon(), 0, 0), 0xFF0000FFu);
    // Without checked and pressed images both fall back to the hot one.
    EXPECT_EQ(&p7->GetCheckedIcon(), &p7->GetHotIcon());
    EXPECT_EQ(&p7->GetPressedIcon(), &p7->GetHotIcon());
    EXPECT_EQ(HandlePixel(p16->GetCheckedIcon(), 0, 0), 0xFF00FF00u);
    EXPECT_EQ(&p16->GetPressedIcon(), &p16->GetHotIcon());
    EXPECT_EQ(HandlePixel(p33->GetPressedIcon(), 0, 0), 0xFF00FF00u);
}

TEST(ImagePersistence, AlphaPicturesOfOldSchemasArePremultipliedOnLoad)
{
    // One half-transparent red pixel as stored, not premultiplied.
    const Bytes record = AlphaRecord(1, 1, {0x80FF0000});
    for (DWORD nSchema : {24u, 25u, 33u})
    {
        CZMRImageManager manager;
        Load(Concat({Count(1), IconSetBytes(9, 1, 1, nSchema,
                                            {record, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                             kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord})}),
             [&](CArchive& ar) { manager.Serialize(ar); });
        CZMRImageManagerIcon* pIcon = manager.GetImage(9, 1);
        ASSERT_NE(pIcon, nullptr);
        EXPECT_EQ(HandlePixel(pIcon->GetNormalIcon(), 0, 0), nSchema > 24 ? 0x80FF0000u : 0x80800000u) << nSchema;
    }
}

TEST(ImagePersistence, SingleIconSetsAndReplacedStores)
{
    // An id without a set: the check text and a zero count.
    CZMRImageManager manager;
    Bytes bytes = Store([&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        manager.DoPropExchangeIconSet(77, &px);
    });
    EXPECT_TRUE(SameBytes(bytes, Concat({kCheck, Count(0)})));
    Load(bytes, [&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        manager.DoPropExchangeIconSet(77, &px);
    });
    ASSERT_NE(manager.GetIconSet(77), nullptr);
    EXPECT_EQ(manager.GetImage(77, 0), nullptr);

    // Loading a whole store removes every set it does not mention.
    AddAlpha(manager, 1, 2, 1, {0xFF000000, 0xFF000000}, ZMR_ICONSTATE_NORMAL);
    AddAlpha(manager, 2, 2, 1, {0xFF000000, 0xFF000000}, ZMR_ICONSTATE_NORMAL);
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    Bytes store = Concat({Count(1), IconSetBytes(3, 2, 1, 33, {blue, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                              kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                              kEmptyRecord, kEmptyRecord})});
    Load(store, [&](CArchive& ar) { manager.Serialize(ar); });
    EXPECT_EQ(manager.GetIconSet(1), nullptr);
    EXPECT_EQ(manager.GetIconSet(2), nullptr);
    EXPECT_EQ(manager.GetIconSet(77), nullptr);
    ASSERT_NE(manager.GetImage(3, 2), nullptr);

    // Loading one set replaces only that set's icons.
    AddAlpha(manager, 4, 2, 1, {0xFF000000, 0xFF000000}, ZMR_ICONSTATE_NORMAL);
    AddAlpha(manager, 3, 8, 1, std::vector<DWORD>(8, 0xFF000000), ZMR_ICONSTATE_NORMAL);
    Load(Bytes(store.begin() + 6, store.end()), [&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        manager.DoPropExchangeIconSet(3, &px);
    });
    EXPECT_NE(manager.GetImage(4, 2), nullptr);
    EXPECT_EQ(manager.GetImage(3, 8)->GetExtent(), CSize(2, 1));   // the 8-wide icon is gone
}

TEST(ImagePersistence, AnIconReplacedByTheSameWidthIsReleased)
{
    const Bytes red = AlphaRecord(2, 1, {0xFFFF0000, 0xFFFF0000});
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    auto icon = [](DWORD nWidth, const Bytes& normal) {
        return Concat({Int(nWidth), Int(1), Int(33), normal, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                       kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord});
    };
    const Bytes bytes = Concat({Count(1), Int(6), kCheck, Count(2), icon(2, red), icon(2, blue)});
    CZMRImageManager manager;
    Load(bytes, [&](CArchive& ar) { manager.Serialize(ar); });
    CZMRImageManagerIcon* pIcon = manager.GetImage(6, 2);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(HandlePixel(pIcon->GetNormalIcon(), 0, 0), 0xFF0000FFu);
    EXPECT_EQ(manager.GetIconSet(6)->GetIcons().GetCount(), 1);
    // The first icon gave its strip slot back.
    EXPECT_EQ(manager.GetResource(2, 1)->GetUsedCount(), 1);
}

TEST(ImagePersistence, MonochromeIconsSurviveASaveAndReload)
{
    // 8 x 8: the left half black with one white pixel, the right half transparent.
    BYTE andBits[8 * 2], xorBits[8 * 2];
    for (int y = 0; y < 8; y++)
    {
        andBits[y * 2] = 0x0F;
        andBits[y * 2 + 1] = 0;
        xorBits[y * 2] = 0;
        xorBits[y * 2 + 1] = 0;
    }
    xorBits[2 * 2] = 0x10;   // (3, 2)
    HICON hIcon = ::CreateIcon(::GetModuleHandleW(nullptr), 8, 8, 1, 1, andBits, xorBits);
    ASSERT_NE(hIcon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(::GetIconInfo(hIcon, &info));
    EXPECT_EQ(info.hbmColor, nullptr);
    ::DeleteObject(info.hbmMask);

    CZMRImageManager manager;
    manager.m_bUseResources = FALSE;   // the handle keeps the system icon as it is
    AddIcon(manager, 12, hIcon, ZMR_ICONSTATE_NORMAL);
    Bytes bytes = Store([&](CArchive& ar) { manager.Serialize(ar); });

    CZMRImageManager loaded;
    Load(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    CZMRImageManagerIcon* pIcon = loaded.GetImage(12, 8);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->GetExtent(), CSize(8, 8));
    const COLORREF kBack = RGB(10, 120, 230);
    for (int x : {0, 2, 3, 4, 7})
    {
        CPixelCanvas canvas(8, 8, kBack);
        pIcon->DrawNormalAt(canvas.DC(), CPoint(0, 0));
        EXPECT_EQ(canvas.Pixel(x, 2), IconPixel(hIcon, x, 2, kBack)) << x;
    }
    ::DestroyIcon(hIcon);
}

TEST(ImagePersistence, ACheckTextThatDiffersRaisesTheArchiveException)
{
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    const Bytes good = IconSetBytes(1, 2, 1, 33, {blue, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                 kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord});
    for (const wchar_t* pszCheck : {L"CZMRImageManagerIcon", L"czmrimagemanagericons", L"CZMRImageManagerIconsX", L""})
    {
        const Bytes bad = Concat({Int(2), WideText(pszCheck), Count(0)});
        CZMRImageManager manager;
        EXPECT_EQ(ArchiveCause([&] { Load(Concat({Count(2), good, bad}), [&](CArchive& ar) { manager.Serialize(ar); }); }),
                  CArchiveException::badClass)
            << CStringA(pszCheck).GetString();
        // The set loaded before it stays.
        EXPECT_NE(manager.GetImage(1, 2), nullptr);
        EXPECT_EQ(manager.GetIconSet(2), nullptr);
    }
}

TEST(ImagePersistence, DamagedBitmapRecordsFailCleanly)
{
    const Bytes header = Concat({Int(40), Int(2), Int(1), Count(1), Count(32), Int(BI_RGB), Int(8), Int(0), Int(0),
                                 Int(0), Int(0), Bytes(12, 0)});
    auto withField = [&](size_t nOffset, const Bytes& value) {
        Bytes h = header;
        std::copy(value.begin(), value.end(), h.begin() + nOffset);
        return h;
    };
    const Bytes pixels = Concat({Int(0xFF0000FF), Int(0xFF00FF00)});
    struct Case
    {
        const char* what;
        Bytes record;
        bool bBitmap;
        int cause;
    } cases[] = {
        {"good", Concat({Count(52), header, Count(8), pixels}), true, -1},
        {"empty", Count(0), false, -1},
        {"no pixels", Concat({Count(52), header, Count(0)}), false, -1},
        {"short header", Concat({Count(12), Bytes(header.begin(), header.begin() + 12), Count(8), pixels}), false, -1},
        {"negative width", Concat({Count(52), withField(4, Int(static_cast<DWORD>(-2))), Count(8), pixels}), false, -1},
        {"odd bit count", Concat({Count(52), withField(14, Count(7)), Count(8), pixels}), false, -1},
        {"compressed", Concat({Count(52), withField(16, Int(BI_RLE8)), Count(8), pixels}), false, -1},
        {"other header size", Concat({Count(52), withField(0, Int(108)), Count(8), pixels}), false, -1},
        {"colour table too long", Concat({Count(52), withField(32, Int(100000)), Count(8), pixels}), false, -1},
        {"image too large", Concat({Count(52), withField(4, Int(0x40000000)), Count(8), pixels}), false, -1},
        // Pictures are bounded by the largest icon side, 256 pixels: a few
        // bytes of state never make a picture of a gigabyte.
        {"widest icon", Concat({Count(52), withField(4, Int(256)), Count(8), pixels}), true, -1},
        {"wider than an icon", Concat({Count(52), withField(4, Int(257)), Count(8), pixels}), false, -1},
        {"taller than an icon", Concat({Count(52), withField(8, Int(257)), Count(8), pixels}), false, -1},
        {"top-down, taller than an icon", Concat({Count(52), withField(8, Int(static_cast<DWORD>(-257))), Count(8),
                                                  pixels}),
         false, -1},
        {"a gigabyte of rows",
         Concat({Count(52), Concat({Bytes(header.begin(), header.begin() + 4), Int(256), Int(0x100000),
                                    Bytes(header.begin() + 12, header.end())}),
                 Count(8), pixels}),
         false, -1},
        // An image size far beyond the pixels: only what the section holds is copied.
        {"image size too large", Concat({Count(52), withField(20, Int(0x7FFFFFFF)), Count(8), pixels}), true, -1},
        {"fewer pixels than rows", Concat({Count(52), header, Count(4), Int(0xFF0000FF)}), true, -1},
        // An 8-bit header stored without its colour table reads the missing entries as black.
        {"table not stored", Concat({Count(52), withField(14, Count(8)), Count(8), pixels}), true, -1},
        {"truncated header", Concat({Count(52), Bytes(header.begin(), header.begin() + 30)}), false,
         CArchiveException::endOfFile},
        {"truncated pixels", Concat({Count(52), header, Count(8), Int(1)}), false, CArchiveException::endOfFile},
        {"huge header size", Concat({Bytes{0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF}, header}), false,
         CArchiveException::endOfFile},
        {"huge pixel size", Concat({Count(52), header, Bytes{0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF}, pixels}), false,
         CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        // A marker after the record shows that it was read whole.
        Load(c.cause == -1 ? Concat({c.record, Int(0x600DF00D)}) : c.record, [&](CArchive& ar) {
            HBITMAP hBitmap = nullptr;
            LPBYTE pBits = nullptr;
            EXPECT_EQ(ArchiveCause([&] { hBitmap = CZMRImageManagerIcon::ReadDib(ar, &pBits); }), c.cause) << c.what;
            EXPECT_EQ(hBitmap != nullptr, c.bBitmap) << c.what;
            EXPECT_EQ(pBits != nullptr, c.bBitmap) << c.what;
            if (c.cause == -1)
            {
                DWORD dwMarker = 0;
                ar >> dwMarker;
                EXPECT_EQ(dwMarker, 0x600DF00Du) << c.what;
            }
            if (hBitmap)
            {
                CBitmap bitmap;
                bitmap.Attach(hBitmap);
                EXPECT_EQ(GetBitmapPixel(&bitmap, 0, 0),
                          c.what == std::string("table not stored") ? RGB(0, 0, 0) : RGB(0, 0, 255))
                    << c.what;
            }
        });
    }

    // A record that gives no bitmap leaves an empty handle and the next records in step.
    const Bytes bad = Concat({Count(52), withField(14, Count(7)), Count(8), pixels});
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    CZMRImageManager manager;
    Load(Concat({Count(1), IconSetBytes(1, 2, 1, 33, {bad, kEmptyRecord, blue, kEmptyRecord, kEmptyRecord,
                                                      kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                      kEmptyRecord})}),
         [&](CArchive& ar) { manager.Serialize(ar); });
    CZMRImageManagerIcon* pIcon = manager.GetImage(1, 2);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_TRUE(pIcon->GetNormalIcon().IsEmpty());
    EXPECT_EQ(HandlePixel(pIcon->GetDisabledIcon(FALSE), 0, 0), 0xFF0000FFu);

    // A picture that cannot be an alpha picture is not taken as one.
    const Bytes grey24 = Concat({Count(52), withField(14, Count(24)), Count(8), pixels});
    CZMRImageManager other;
    Load(Concat({Count(1), IconSetBytes(1, 2, 1, 33, {grey24, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                      kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                      kEmptyRecord})}),
         [&](CArchive& ar) { other.Serialize(ar); });
    ASSERT_NE(other.GetImage(1, 2), nullptr);
    EXPECT_TRUE(other.GetImage(1, 2)->GetNormalIcon().IsEmpty());
}

TEST(ImagePersistence, AStoredHeightNoPictureCanHaveIsNotDrawn)
{
    // A 2 x 1 blue picture whose icon claims a height of 2^31 - 1: drawn at
    // its own size it covers one row, not every row below it.
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    for (DWORD nHeight : {0x7FFFFFFFu, 0x80000000u, 257u})
    {
        SCOPED_TRACE(nHeight);
        CZMRImageManager manager;
        Load(Concat({Count(1), IconSetBytes(1, 2, nHeight, 33, {blue, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                               kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                               kEmptyRecord, kEmptyRecord, kEmptyRecord})}),
             [&](CArchive& ar) { manager.Serialize(ar); });
        CZMRImageManagerIcon* pIcon = manager.GetImage(1, 2);
        ASSERT_NE(pIcon, nullptr);
        CPixelCanvas canvas(2, 4, RGB(255, 255, 255));
        pIcon->DrawNormalAt(canvas.DC(), CPoint(0, 0));
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 255));
        EXPECT_EQ(canvas.Pixel(1, 0), RGB(0, 0, 255));
        EXPECT_EQ(canvas.Pixel(0, 1), RGB(255, 255, 255));
        EXPECT_EQ(canvas.Pixel(1, 3), RGB(255, 255, 255));
    }
}

TEST(ImagePersistence, EveryTruncationOfAStoreFailsCleanly)
{
    CZMRImageManager manager;
    HICON hIcon = TwoColourIcon(4, 4, RGB(200, 0, 0), RGB(0, 0, 200), 3);
    AddIcon(manager, 1, hIcon, ZMR_ICONSTATE_NORMAL);
    AddAlpha(manager, 2, 4, 4, TestPixels(4, 4), ZMR_ICONSTATE_NORMAL);
    ::DestroyIcon(hIcon);
    const Bytes bytes = Store([&](CArchive& ar) { manager.Serialize(ar); });
    ASSERT_GT(bytes.size(), 200u);

    int nRaised = 0;
    for (size_t n = 0; n < bytes.size(); n++)
    {
        CZMRImageManager loaded;
        // Either the archive exception, or (inside an icon's pictures) an
        // icon left with what it read: never anything else.
        const Bytes prefix(bytes.begin(), bytes.begin() + n);
        const int cause = ArchiveCause([&] { Load(prefix, [&](CArchive& ar) { loaded.Serialize(ar); }); });
        EXPECT_TRUE(cause == -1 || cause == CArchiveException::endOfFile) << n << " bytes: cause " << cause;
        nRaised += cause == CArchiveException::endOfFile;
    }
    EXPECT_GT(nRaised, 0);
}

TEST(ImagePersistence, MemoryRunningOutWhileAStoreLoadsGivesEverythingBack)
{
    const Bytes blue = AlphaRecord(2, 1, {0xFF0000FF, 0xFF0000FF});
    const Bytes store = Concat({Count(2),
                                IconSetBytes(1, 2, 1, 33, {blue, kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                           kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                           kEmptyRecord}),
                                IconSetBytes(2, 2, 1, 33, {blue, kEmptyRecord, blue, kEmptyRecord, kEmptyRecord,
                                                           kEmptyRecord, kEmptyRecord, kEmptyRecord, kEmptyRecord,
                                                           kEmptyRecord})});
    auto load = [&] {
        CZMRImageManager manager;
        Load(store, [&](CArchive& ar) { manager.Serialize(ar); });
    };
    EachAllocationFails(load);
}
