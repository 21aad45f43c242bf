#include "CZMROffice2007Images.h"
#include "CZMREventSinkList.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <cstdlib>

// The test skins are built from skin/zm_testskin.rc and skin/zm_testskin_alt.rc;
// their pictures are described in skin/make_pictures.py.
namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kNone = COLORREF(-1);

// The colour of a pixel of the test skin's button picture (y from the top
// of the whole picture).
COLORREF ButtonPixel(int x, int y)
{
    auto cell = [](int v, int nSize) { return v < 3 ? 0 : (v >= nSize - 3 ? 2 : 1); };
    return RGB(40 + 60 * cell(x, 20), 40 + 60 * cell(y % 22, 22), 20 + 50 * (y / 22));
}

bool Near(COLORREF a, COLORREF b, int nTolerance = 2)
{
    return abs(GetRValue(a) - GetRValue(b)) <= nTolerance && abs(GetGValue(a) - GetGValue(b)) <= nTolerance
        && abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

// A set of its own, bound to the test skin.
class Office2007Images : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HMODULE hSkin = ::LoadLibraryW(L"zm_testskin.dll");
        ASSERT_TRUE(hSkin);
        ASSERT_TRUE(m_images.SetHandle(hSkin, nullptr, TRUE));
    }
    CZMROffice2007Image* Load(LPCWSTR lpszName)
    {
        CZMROffice2007Image* pImage = m_images.LoadFile(lpszName);
        EXPECT_TRUE(pImage) << "picture " << CStringA(lpszName).GetString();
        return pImage;
    }

    CZMROffice2007Images m_images;
};

class CCountingSinkList : public CZMREventSinkList
{
public:
    CCountingSinkList() { m_arrConnections.Add(&m_connection); }
    ~CCountingSinkList() override { m_arrConnections.RemoveAll(); }

    class CSink : public CZMREventSink
    {
    public:
        void OnEvent(DWORD dwEventId, WPARAM, LPARAM, DWORD) override { m_nEvents += dwEventId == 0x294F; }
        int m_nEvents = 0;
    } m_sink;
    ZMR_EVENT_CONNECTION m_connection = {0x294F, &m_sink, 1};
};
} // namespace

TEST(Office2007ImageSet, TheProgramItselfHoldsNoSkin)
{
    CZMROffice2007Images* pImages = GetOffice2007Images();
    EXPECT_EQ(pImages, GetOffice2007Images());
    EXPECT_EQ(pImages->GetHandle(), ::GetModuleHandleW(nullptr));
    EXPECT_FALSE(pImages->HasColorIni());
    EXPECT_EQ(pImages->LoadFile(L"Button"), nullptr);
    EXPECT_EQ(pImages->LookupIniColor(L"Colors", L"Orange"), kNone);
    EXPECT_EQ(pImages->GetIniString(L"Images", L"Button"), CString());
}

TEST_F(Office2007Images, ColourTableLookups)
{
    struct Case
    {
        LPCWSTR lpszSection, lpszKey;
        COLORREF clr;
    } cases[] = {
        {L"Colors", L"Orange", 0x000080FF},
        {L"colors", L"ORANGE", 0x000080FF},          // any letter case
        {L"Colors", L"Radix", RGB(16, 16, 16)},      // 0x10 16 020
        {L"Colors", L"Padded Key", RGB(10, 20, 30)}, // blanks and a comment around
        {L"Colors", L"Short", RGB(7, 0, 0)},
        {L"Colors", L"Wrapping", RGB(1, 255, 0)},    // 257 -1 512: the low 8 bits
        {L"Colors", L"Empty", kNone},
        {L"Colors", L"Commented", kNone},
        {L"Colors", L"Missing", kNone},
        {L"Colors", L"Unterminated", kNone},         // a later section's key
        {L"Other", L"Orange", RGB(1, 2, 3)},
        {L"Last", L"Unterminated", RGB(4, 5, 6)},    // the last line has no line end
        {L"Nowhere", L"Orange", kNone},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << CStringA(c.lpszSection).GetString() << "/"
                                        << CStringA(c.lpszKey).GetString());
        EXPECT_EQ(m_images.LookupIniColor(c.lpszSection, c.lpszKey), c.clr);
    }
    EXPECT_EQ(m_images.GetIniString(L"Colors", L"Text"), CString(L"SOME WORDS"));
    EXPECT_EQ(m_images.GetIniValue(L"Colors", L"padded key"), CString(L"10 20 30"));
    EXPECT_EQ(m_images.GetIniString(L"Images", L"Button"), CString(L"IMAGES\\BUTTON.BMP"));
}

TEST_F(Office2007Images, TablesByNameAndTheFirstTableOfAModule)
{
    // Dots become underscores; LF line ends; a section line with a comment.
    EXPECT_TRUE(m_images.SetHandle(m_images.GetHandle(), L"LfOnly.ini", TRUE));
    EXPECT_EQ(m_images.LookupIniColor(L"Colors", L"Orange"), RGB(9, 8, 7));
    EXPECT_EQ(m_images.LookupIniColor(L"Spaced Name", L"Key"), RGB(1, 1, 1));
    EXPECT_TRUE(::GetModuleHandleW(L"zm_testskin.dll")) << "rebinding the module held keeps it";

    EXPECT_FALSE(m_images.SetHandle(m_images.GetHandle(), L"Missing.ini", TRUE));
    EXPECT_FALSE(m_images.HasColorIni());
    EXPECT_EQ(m_images.LookupIniColor(L"Colors", L"Orange"), kNone);

    // Without a name, a module lacking the default table gives its first one;
    // a name is looked up only as given. Binding frees the module held before.
    HMODULE hAlt = ::LoadLibraryW(L"zm_testskin_alt.dll");
    ASSERT_TRUE(hAlt);
    EXPECT_FALSE(m_images.SetHandle(hAlt, L"Office2007Blue.ini", TRUE));
    EXPECT_FALSE(::GetModuleHandleW(L"zm_testskin.dll"));
    EXPECT_TRUE(m_images.SetHandle(hAlt, nullptr, TRUE));
    EXPECT_EQ(m_images.LookupIniColor(L"Colors", L"Orange"), RGB(1, 1, 1));
    EXPECT_EQ(m_images.LoadFile(L"Button"), nullptr);

    // A host that subscribes hears of every binding.
    CCountingSinkList* pConnection = new CCountingSinkList;
    m_images.m_pConnection = pConnection;
    EXPECT_FALSE(m_images.SetHandle(nullptr));
    EXPECT_EQ(pConnection->m_sink.m_nEvents, 1);
    EXPECT_FALSE(::GetModuleHandleW(L"zm_testskin_alt.dll"));
}

TEST_F(Office2007Images, PicturesAreFoundByNameAndCached)
{
    EXPECT_EQ(m_images.GetImageResourceName(L"Button"), CString(L"IMAGES_BUTTON_BMP"));
    EXPECT_EQ(m_images.GetImageResourceName(L"a.b\\c"), CString(L"a_b_c"));

    CZMROffice2007Image* pButton = Load(L"Button");
    ASSERT_TRUE(pButton);
    EXPECT_EQ(m_images.LoadFile(L"Button"), pButton);
    EXPECT_EQ(pButton->GetExtent(), CSize(20, 88));
    EXPECT_FALSE(pButton->IsAlphaImage());
    EXPECT_EQ(pButton->GetSource(2, 4), CRect(0, 44, 20, 66));
    EXPECT_TRUE(Load(L"PngPart")->IsAlphaImage());
    EXPECT_TRUE(Load(L"Glyph")->IsAlphaImage());

    EXPECT_EQ(m_images.LoadFile(L"Missing"), nullptr);
    EXPECT_EQ(m_images.LoadFile(L""), nullptr);
    EXPECT_EQ(m_images.LoadFile(nullptr), nullptr);

    CZMROffice2007Image empty(&m_images);
    EXPECT_EQ(empty.GetSource(2, 4), CRect(0, 0, 0, 0));
    EXPECT_EQ(empty.GetExtent(), CSize(0, 0));
}

TEST_F(Office2007Images, SizingMarginsKeepCornersAndEdges)
{
    CZMROffice2007Image* pButton = Load(L"Button");
    ASSERT_TRUE(pButton);
    const CRect rcBand = pButton->GetSource(1, 4);
    struct Case
    {
        CRect rcDest;
        // The picture pixel (x, y within the band) that a destination pixel shows.
        int (*pfnX)(int x, int cx);
        int (*pfnY)(int y, int cy);
    } cases[] = {
        // As large as the band: one copy.
        {CRect(10, 10, 30, 32), [](int x, int) { return x; }, [](int y, int) { return y; }},
        // Wider, as high: the left and right columns keep their width, rows
        // are not stretched.
        {CRect(10, 10, 110, 32), [](int x, int cx) { return x < 3 ? x : (x >= cx - 3 ? 20 - (cx - x) : 10); },
         [](int y, int) { return y; }},
        // 4 high: top and bottom cells share it as 2 and 3, overlapping by a
        // row that the bottom cell, drawn later, keeps.
        {CRect(10, 10, 30, 14), [](int x, int) { return x; }, [](int y, int) { return y < 1 ? 0 : 21; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.rcDest.Width() << " x " << c.rcDest.Height());
        CPixelCanvas canvas(120, 40, kWhite);
        pButton->DrawWithSizingMargins(canvas.DC(), c.rcDest, rcBand, CRect(3, 3, 3, 3));
        int nWrong = 0;
        for (int y = 0; y < 40; y++)
        {
            for (int x = 0; x < 120; x++)
            {
                COLORREF clr = kWhite;
                if (c.rcDest.PtInRect(CPoint(x, y)))
                    clr = ButtonPixel(c.pfnX(x - c.rcDest.left, c.rcDest.Width()),
                                      rcBand.top + c.pfnY(y - c.rcDest.top, c.rcDest.Height()));
                nWrong += canvas.Pixel(x, y) != clr;
            }
        }
        EXPECT_EQ(nWrong, 0);
    }
}

TEST_F(Office2007Images, PartsThatCannotBeDrawnLeaveTheDestination)
{
    CZMROffice2007Image* pButton = Load(L"Button");
    CZMROffice2007Image* pWide = Load(L"Wide");
    ASSERT_TRUE(pButton && pWide);
    EXPECT_EQ(pWide->GetExtent(), CSize(600, 2));
    struct Case
    {
        CZMROffice2007Image* pImage;
        CRect rcSrc, rcMargins;
    } cases[] = {
        {pWide, CRect(0, 0, 600, 2), CRect()},              // wider than the strip
        {pButton, CRect(0, 0, 20, 5), CRect(3, 3, 3, 3)},   // lower than its margins
        {pButton, CRect(0, 0, 0, 22), CRect()},             // no width
    };
    for (const Case& c : cases)
    {
        CPixelCanvas canvas(30, 30, kWhite);
        c.pImage->DrawWithSizingMargins(canvas.DC(), CRect(0, 0, 30, 30), c.rcSrc, c.rcMargins);
        c.pImage->DrawImageAlpha(canvas.DC(), CRect(0, 0, 30, 30), c.rcSrc, c.rcMargins, RGB(255, 0, 255), 1);
        EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
    }

    // A band reaching below the picture: its rows inside are drawn, the rest
    // comes out blank without reading past the picture.
    CPixelCanvas canvas(20, 22, kWhite);
    pButton->DrawImage(canvas.DC(), CRect(0, 0, 20, 22), CRect(0, 80, 20, 102));
    EXPECT_EQ(canvas.Pixel(10, 0), ButtonPixel(10, 80));
    EXPECT_EQ(canvas.Pixel(10, 7), ButtonPixel(10, 87));
    EXPECT_EQ(canvas.Pixel(10, 8), RGB(0, 0, 0));
}

TEST_F(Office2007Images, AlphaPicturesBlendPremultiplied)
{
    const COLORREF kBack = RGB(100, 100, 100);
    struct Case
    {
        LPCWSTR lpszName;
        CRect rcSrc;
        COLORREF expected[4];   // the first row, left to right
    } cases[] = {
        // Opaque red and green, blue at alpha 128, white at alpha 0.
        {L"Glyph", CRect(0, 0, 4, 2), {RGB(255, 0, 0), RGB(0, 255, 0), RGB(49, 49, 177), kBack}},
        // The lower state of the PNG picture: blue at alpha 64.
        {L"PngPart", CRect(0, 2, 2, 4), {RGB(74, 74, 138), RGB(74, 74, 138), kBack, kBack}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(CStringA(c.lpszName).GetString());
        CZMROffice2007Image* pImage = Load(c.lpszName);
        ASSERT_TRUE(pImage);
        CPixelCanvas canvas(4, 2, kBack);
        pImage->DrawImage(canvas.DC(), CRect(0, 0, c.rcSrc.Width(), 2), c.rcSrc);
        for (int x = 0; x < 4; x++)
            EXPECT_TRUE(Near(canvas.Pixel(x, 0), c.expected[x])) << x << ": " << std::hex << canvas.Pixel(x, 0);
    }
}

TEST_F(Office2007Images, AMirroringPictureFollowsTheLayoutOfTheDC)
{
    CZMROffice2007Image* pGlyph = Load(L"Glyph");
    ASSERT_TRUE(pGlyph);
    const DWORD dwFirst = pGlyph->m_pBits[0], dwLast = pGlyph->m_pBits[3];
    CPixelCanvas rtl(4, 2), ltr(4, 2);
    rtl.DC()->SetLayout(LAYOUT_RTL);

    pGlyph->DrawImage(rtl.DC(), CRect(0, 0, 4, 2), CRect(0, 0, 4, 2));
    EXPECT_FALSE(pGlyph->m_bMirrored) << "only when its owner asks for it";
    pGlyph->m_bMirrorRTL = TRUE;
    for (int i = 0; i < 2; i++)
        pGlyph->DrawImage(rtl.DC(), CRect(0, 0, 4, 2), CRect(0, 0, 4, 2));
    EXPECT_TRUE(pGlyph->m_bMirrored);
    EXPECT_EQ(pGlyph->m_pBits[0], dwLast);
    EXPECT_EQ(pGlyph->m_pBits[3], dwFirst);

    pGlyph->DrawImage(ltr.DC(), CRect(0, 0, 4, 2), CRect(0, 0, 4, 2));
    EXPECT_FALSE(pGlyph->m_bMirrored);
    EXPECT_EQ(pGlyph->m_pBits[0], dwFirst);

    // Stretched with margins, right to left: the margin columns change sides.
    // (Whether the stretched middle is mirrored once more is the system's
    // business.)
    CPixelCanvas wideRtl(10, 2, kWhite), wideLtr(10, 2, kWhite);
    wideRtl.DC()->SetLayout(LAYOUT_RTL);
    pGlyph->DrawWithSizingMargins(wideLtr.DC(), CRect(0, 0, 10, 2), CRect(0, 0, 4, 2), CRect(1, 0, 1, 0));
    pGlyph->DrawWithSizingMargins(wideRtl.DC(), CRect(0, 0, 10, 2), CRect(0, 0, 4, 2), CRect(1, 0, 1, 0));
    EXPECT_EQ(wideLtr.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(wideLtr.Pixel(9, 0), kWhite);
    EXPECT_EQ(wideRtl.Pixel(0, 0), kWhite);
    EXPECT_EQ(wideRtl.Pixel(9, 0), RGB(255, 0, 0));
}

TEST_F(Office2007Images, AKeyColourLeavesTheBackground)
{
    CZMROffice2007Image* pKeyed = Load(L"Keyed");
    ASSERT_TRUE(pKeyed);
    const COLORREF kMagenta = RGB(255, 0, 255), kGreen = RGB(0, 160, 0);
    struct Case
    {
        COLORREF clrKey;
        DWORD dwFlags;
        bool bAlphaCall;
        COLORREF clrCentre;
    } cases[] = {
        {kMagenta, 0, false, kWhite},
        {kMagenta, 0, true, kWhite},   // flag clear: the same as without alpha
        {kMagenta, 1, true, kWhite},
        {kNone, 0, false, kMagenta},
        {kNone, 1, true, kMagenta},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.dwFlags << " " << c.bAlphaCall << " " << std::hex << c.clrKey);
        CPixelCanvas canvas(8, 8, kWhite);
        // Twice the size: every picture pixel covers 2 x 2.
        if (c.bAlphaCall)
            pKeyed->DrawImageAlpha(canvas.DC(), CRect(0, 0, 8, 8), CRect(0, 0, 4, 4), CRect(), c.clrKey, c.dwFlags);
        else
            pKeyed->DrawImageTransparent(canvas.DC(), CRect(0, 0, 8, 8), CRect(0, 0, 4, 4), CRect(), c.clrKey);
        EXPECT_EQ(canvas.Pixel(0, 0), kGreen);
        EXPECT_EQ(canvas.Pixel(7, 7), kGreen);
        EXPECT_EQ(canvas.Pixel(3, 4), c.clrCentre);
    }
}
