#include "CZMRGraphicBitmapPng.h"
#include "ZMRImageLoaders.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct PngSpec
{
    const char* name;
    int colorType;
    int bitDepth;
    bool tRNS;
    bool bKGD;
    int expectChannels; // 3 or 4
    BYTE expectBGRA[4]; // first pixel of the decoded bitmap
};

std::wstring TempPath(const wchar_t* name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// Writes a 2 x 2 picture whose top row is red 200, green 100, blue 50,
// alpha 128 (grey pictures: grey 90, alpha 128) and whose bottom row is
// black and clear, so that the row order shows in the decoded pixels.
void WritePng(const std::wstring& path, const PngSpec& s)
{
    FILE* f = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(f);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, 2, 2, s.bitDepth, s.colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (s.colorType == PNG_COLOR_TYPE_PALETTE)
    {
        png_color palette[2] = {{200, 100, 50}, {0, 0, 0}};
        png_set_PLTE(png, info, palette, 2);
        if (s.tRNS)
        {
            png_byte alpha[1] = {128};
            png_set_tRNS(png, info, alpha, 1, nullptr);
        }
    }
    if (s.bKGD)
    {
        png_color_16 bg = {};
        bg.red = 255;
        bg.green = 255;
        bg.blue = 255;
        png_set_bKGD(png, info, &bg);
    }
    png_write_info(png, info);
    const int channels = s.colorType == PNG_COLOR_TYPE_RGBA ? 4 : s.colorType == PNG_COLOR_TYPE_RGB ? 3
        : s.colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
    const int bytes = s.bitDepth / 8;
    std::vector<BYTE> row(2 * channels * bytes, 0);
    BYTE first[4] = {200, 100, 50, 128};
    if (s.colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    {
        first[0] = 90;
        first[1] = 128;
    }
    if (s.colorType == PNG_COLOR_TYPE_PALETTE)
        first[0] = 0;
    for (int c = 0; c < channels; c++)
        for (int b = 0; b < bytes; b++)
            row[c * bytes + b] = first[c]; // 16-bit samples: high byte = low byte
    std::vector<BYTE> bottom(row.size(), s.colorType == PNG_COLOR_TYPE_PALETTE ? 1 : 0);
    png_bytep rows[2] = {row.data(), bottom.data()};
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

std::vector<BYTE> FirstPixel(HBITMAP hBitmap)
{
    DIBSECTION ds = {};
    ::GetObject(hBitmap, sizeof(ds), &ds);
    const BYTE* p = static_cast<const BYTE*>(ds.dsBm.bmBits);
    return std::vector<BYTE>(p, p + 4);
}
} // namespace

TEST(PngDecoding, DecodesEachKindToTopDownBgra)
{
    const PngSpec specs[] = {
        {"rgba", PNG_COLOR_TYPE_RGBA, 8, false, false, 4, {50, 100, 200, 128}},
        {"rgb", PNG_COLOR_TYPE_RGB, 8, false, false, 3, {50, 100, 200, 0}},
        {"grey+alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false, 4, {90, 90, 90, 128}},
        {"palette+tRNS", PNG_COLOR_TYPE_PALETTE, 8, true, false, 4, {50, 100, 200, 128}},
        {"palette", PNG_COLOR_TYPE_PALETTE, 8, false, false, 3, {50, 100, 200, 0}},
        {"rgba16", PNG_COLOR_TYPE_RGBA, 16, false, false, 4, {50, 100, 200, 128}},
        // Composited against white: 200 * 128/255 + 255 * 127/255 and so on.
        {"rgba+bKGD", PNG_COLOR_TYPE_RGBA, 8, false, true, 3, {152, 177, 227, 0}},
    };
    for (const PngSpec& s : specs)
    {
        SCOPED_TRACE(s.name);
        std::wstring path = TempPath(L"zm_png_case.png");
        WritePng(path, s);
        CZMRGraphicBitmapPng png;
        ASSERT_TRUE(png.LoadFromFile(path.c_str()));
        EXPECT_EQ(png.IsAlpha(), s.expectChannels == 4);
        DIBSECTION ds = {};
        ASSERT_TRUE(::GetObject(png.GetSafeHandle(), sizeof(ds), &ds));
        EXPECT_EQ(ds.dsBmih.biBitCount, 32);
        // The first pixel in memory is the top row's: the rows run top-down.
        std::vector<BYTE> px = FirstPixel(static_cast<HBITMAP>(png.GetSafeHandle()));
        for (int i = 0; i < 4; i++)
            EXPECT_NEAR(px[i], s.expectBGRA[i], 1) << "byte " << i;
        ::DeleteFileW(path.c_str());
    }
}

namespace
{
void AppendChunk(std::vector<BYTE>& out, const char* type, const std::vector<BYTE>& data)
{
    const uLong n = static_cast<uLong>(data.size());
    BYTE len[4] = {BYTE(n >> 24), BYTE(n >> 16), BYTE(n >> 8), BYTE(n)};
    out.insert(out.end(), len, len + 4);
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    BYTE c[4] = {BYTE(crc >> 24), BYTE(crc >> 16), BYTE(crc >> 8), BYTE(crc)};
    out.insert(out.end(), c, c + 4);
}

bool DecodeBytes(const std::vector<BYTE>& bytes)
{
    std::wstring path = TempPath(L"zm_png_bad.png");
    FILE* f = _wfopen(path.c_str(), L"wb");
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
    CZMRGraphicBitmapPng png;
    bool ok = png.LoadFromFile(path.c_str()) != FALSE;
    EXPECT_EQ(png.GetSafeHandle(), nullptr);
    BOOL bAlpha = TRUE;
    EXPECT_EQ(ReadBitmapFile(path.c_str(), &bAlpha), nullptr); // not retried as a plain bitmap
    ::DeleteFileW(path.c_str());
    return ok;
}
} // namespace

TEST(PngDecoding, DamagedFilesFailCleanly)
{
    const BYTE sig[8] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    std::vector<BYTE> good;
    {
        std::wstring path = TempPath(L"zm_png_good.png");
        PngSpec s = {"rgb", PNG_COLOR_TYPE_RGB, 8, false, false, 3, {}};
        WritePng(path, s);
        FILE* f = _wfopen(path.c_str(), L"rb");
        BYTE buf[4096];
        size_t n = fread(buf, 1, sizeof(buf), f);
        fclose(f);
        good.assign(buf, buf + n);
        ::DeleteFileW(path.c_str());
    }

    std::vector<BYTE> truncated(good.begin(), good.begin() + good.size() / 2);
    EXPECT_FALSE(DecodeBytes(truncated));

    std::vector<BYTE> badSignature = good;
    badSignature[5] = 0; // "\x89PNG" still leads, the rest does not match
    EXPECT_FALSE(DecodeBytes(badSignature));

    // A valid header claiming 60000 x 60000 RGBA pixels and no data.
    std::vector<BYTE> huge(sig, sig + 8);
    std::vector<BYTE> ihdr = {0, 0, 0xEA, 0x60, 0, 0, 0xEA, 0x60, 8, 6, 0, 0, 0};
    AppendChunk(huge, "IHDR", ihdr);
    AppendChunk(huge, "IEND", {});
    EXPECT_FALSE(DecodeBytes(huge));
}

TEST(PngDecoding, ResourceOfFewerThanTenBytesIsRefused)
{
    CZMRGraphicBitmapPng png;
    EXPECT_FALSE(png.LoadFromResource(nullptr, nullptr));
    EXPECT_FALSE(png.LoadFromStream(nullptr));
}

namespace
{
// A PNG header for width x height RGBA pixels, followed by the compressed
// rows given (possibly fewer than the header promises).
std::vector<BYTE> PngOfRows(UINT width, UINT height, UINT rows)
{
    const BYTE sig[8] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    std::vector<BYTE> out(sig, sig + 8);
    std::vector<BYTE> ihdr = {BYTE(width >> 24), BYTE(width >> 16), BYTE(width >> 8), BYTE(width),
                              BYTE(height >> 24), BYTE(height >> 16), BYTE(height >> 8), BYTE(height),
                              8, 6, 0, 0, 0};
    AppendChunk(out, "IHDR", ihdr);
    if (rows)
    {
        std::vector<BYTE> raw(static_cast<size_t>(rows) * (1 + width * 4), 0);
        uLongf n = compressBound(static_cast<uLong>(raw.size()));
        std::vector<BYTE> packed(n);
        compress(packed.data(), &n, raw.data(), static_cast<uLong>(raw.size()));
        packed.resize(n);
        AppendChunk(out, "IDAT", packed);
    }
    AppendChunk(out, "IEND", {});
    return out;
}

// Committed private memory of the process, from its address space.
SIZE_T Committed()
{
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION mbi;
    for (BYTE* p = nullptr; ::VirtualQuery(p, &mbi, sizeof(mbi)) == sizeof(mbi);
         p = static_cast<BYTE*>(mbi.BaseAddress) + mbi.RegionSize)
    {
        if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE)
            total += mbi.RegionSize;
    }
    return total;
}

BOOL Decode(std::vector<BYTE>& bytes, BYTE** ppPixels)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()), 0);
    UINT w = 0, h = 0;
    int channels = 0;
    COLORREF bg = 0;
    return ReadPngPixels(&file, ppPixels, &w, &h, &channels, &bg);
}
} // namespace

TEST(PngDecoding, FailedDecodesKeepNoMemory)
{
    // 4096 x 4096 RGBA (64 MiB of rows) whose data ends after 8 rows: the
    // buffer is allocated, then the read fails. Sixteen such failures would
    // hold a GiB if the buffer stayed behind.
    std::vector<BYTE> cut = PngOfRows(4096, 4096, 8);
    const SIZE_T before = Committed();
    for (int i = 0; i < 16; i++)
    {
        BYTE* pPixels = nullptr;
        EXPECT_FALSE(Decode(cut, &pPixels));
        EXPECT_EQ(pPixels, nullptr);
    }
    const SIZE_T after = Committed();
    printf("failed decodes: %zu KiB before, %zu KiB after\n", before / 1024, after / 1024);
    EXPECT_LT(after, before + (256u << 20));

    // A buffer handed in is the reader's to free on every failure.
    std::vector<BYTE> notPng(16, 0);
    BYTE* pHeld = static_cast<BYTE*>(malloc(64));
    EXPECT_FALSE(Decode(notPng, &pHeld));
    EXPECT_EQ(pHeld, nullptr);

    // Rows of 92,800 bytes times 23,200 rows pass 2 GiB: refused from the
    // header alone. (Were the buffer allocated, the missing data would fail
    // the read all the same; the time taken is what shows it.)
    std::vector<BYTE> huge = PngOfRows(23200, 23200, 0);
    BYTE* pPixels = nullptr;
    EXPECT_FALSE(Decode(huge, &pPixels));
    EXPECT_EQ(pPixels, nullptr);
}
