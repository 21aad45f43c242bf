#include "CZMRBitmapDC.h"
#include "CZMRBrushDC.h"
#include "CZMRBufferDC.h"
#include "CZMRCompatibleDC.h"
#include "CZMRDrawHelpers.h"
#include "CZMRFontDC.h"
#include "CZMROSVersionInfo.h"
#include "CZMRPaintManagerColorGradient.h"
#include "CZMRPenDC.h"
#include "CZMRWindowRect.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>

#include <vector>

namespace
{
const COLORREF kBack = RGB(1, 1, 1);
}

TEST(DrawHelpers, MixColorsTruncates)
{
    EXPECT_EQ(RGB(10, 20, 30), CZMRDrawHelpers::MixColors(RGB(10, 20, 30), RGB(200, 100, 0), 1.0));
    EXPECT_EQ(RGB(200, 100, 0), CZMRDrawHelpers::MixColors(RGB(10, 20, 30), RGB(200, 100, 0), 0.0));
    EXPECT_EQ(RGB(127, 127, 127), CZMRDrawHelpers::MixColors(RGB(255, 255, 255), 0, 0.5));
    EXPECT_EQ(RGB(255, 255, 255), CZMRDrawHelpers::MixColors(RGB(255, 255, 255), RGB(255, 255, 255), 1.5));
}

TEST(DrawHelpers, HueSaturationLightnessConversions)
{
    struct Case
    {
        COLORREF clr;
        int nHue, nSat, nLight;
    } cases[] = {
        {RGB(255, 0, 0), 0, 239, 120},
        {RGB(0, 255, 0), 79, 239, 120},
        {RGB(0, 0, 255), 159, 239, 120},
        {RGB(0, 0, 0), 239, 0, 0},
        {RGB(128, 128, 128), 239, 0, 120},
        {RGB(255, 255, 255), 239, 0, 240},
        {RGB(255, 255, 0), 39, 239, 120},
    };
    for (const Case& c : cases)
    {
        DWORD dwHSL = CZMRDrawHelpers::RGBToHSL(c.clr);
        EXPECT_EQ(c.nHue, int(dwHSL & 0xFF)) << std::hex << c.clr;
        EXPECT_EQ(c.nSat, int((dwHSL >> 8) & 0xFF)) << std::hex << c.clr;
        EXPECT_EQ(c.nLight, int((dwHSL >> 16) & 0xFF)) << std::hex << c.clr;
    }
    // Saturation 0 gives the grey of the lightness.
    EXPECT_EQ(RGB(127, 127, 127), CZMRDrawHelpers::HSLToRGB(MAKELONG(MAKEWORD(17, 0), 120)));
    EXPECT_EQ(RGB(255, 255, 255), CZMRDrawHelpers::HSLToRGB(MAKELONG(MAKEWORD(0, 0), 240)));
    // Pure hues come back close to where they started.
    for (COLORREF clr : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)})
    {
        COLORREF back = CZMRDrawHelpers::HSLToRGB(CZMRDrawHelpers::RGBToHSL(clr));
        EXPECT_NEAR(GetRValue(clr), GetRValue(back), 8) << std::hex << clr;
        EXPECT_NEAR(GetGValue(clr), GetGValue(back), 8) << std::hex << clr;
        EXPECT_NEAR(GetBValue(clr), GetBValue(back), 8) << std::hex << clr;
    }
}

TEST(DrawHelpers, SteppedGradientColumnsAndRows)
{
    CZMRDrawHelpers helpers(L"no-such-msimg32.dll");   // no system fill: the stepped one
    ASSERT_EQ(nullptr, helpers.m_pfnGradientFill);
    CPixelCanvas canvas(8, 4);
    CRect rc(0, 0, 4, 2);
    helpers.GradientFill(canvas.DC(), rc, RGB(0, 0, 0), RGB(200, 100, 40), TRUE);
    for (int x = 0; x < 4; x++)
    {
        COLORREF expected = CZMRDrawHelpers::MixColors(0, RGB(200, 100, 40), 1.0 - x / 4.0);
        EXPECT_EQ(expected, canvas.Pixel(x, 0)) << x;
        EXPECT_EQ(expected, canvas.Pixel(x, 1)) << x;
    }
    EXPECT_EQ(kBack, canvas.Pixel(4, 0));
    EXPECT_EQ(kBack, canvas.Pixel(0, 2));

    CRect rcVert(4, 0, 6, 4);
    helpers.GradientFill(canvas.DC(), rcVert, RGB(0, 0, 0), RGB(200, 200, 200), FALSE);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(4, 0));
    EXPECT_EQ(RGB(150, 150, 150), canvas.Pixel(5, 3));
}

TEST(DrawHelpers, SystemGradientRunsFromFirstToSecondColour)
{
    CPixelCanvas canvas(16, 2);
    CRect rc(0, 0, 16, 2);
    GetDrawHelpers()->GradientFill(canvas.DC(), rc, RGB(0, 0, 0), RGB(240, 240, 240), TRUE);
    EXPECT_LT(GetRValue(canvas.Pixel(0, 0)), 20);
    EXPECT_GT(GetRValue(canvas.Pixel(15, 0)), 220);
    EXPECT_LT(GetRValue(canvas.Pixel(4, 0)), GetRValue(canvas.Pixel(11, 0)));
}

TEST(DrawHelpers, EqualColoursAndEmptyRectangles)
{
    CZMRDrawHelpers helpers(L"no-such-msimg32.dll");
    CPixelCanvas canvas(4, 4);
    CRect rc(0, 0, 3, 3);
    helpers.GradientFill(canvas.DC(), rc, RGB(9, 8, 7), RGB(9, 8, 7), FALSE);
    EXPECT_EQ(RGB(9, 8, 7), canvas.Pixel(2, 2));

    CRect rcEmpty(2, 2, 2, 4), rcClip(0, 0, 4, 4);
    helpers.GradientFill(canvas.DC(), rcEmpty, 0, RGB(255, 255, 255), TRUE);
    helpers.GradientFill(canvas.DC(), nullptr, 0, RGB(255, 255, 255), TRUE);
    // A zero-width rectangle with a clip would divide its edge colours by zero.
    helpers.GradientFillClipped(canvas.DC(), rcEmpty, 0, RGB(255, 255, 255), TRUE, rcClip);
    helpers.GradientFillClipped(canvas.DC(), CRect(1, 3, 3, 3), 0, RGB(255, 255, 255), FALSE, rcClip);
    EXPECT_EQ(kBack, canvas.Pixel(3, 3));
    EXPECT_EQ(kBack, canvas.Pixel(2, 3));
}

TEST(DrawHelpers, ClippedGradientKeepsTheColoursOfTheWholeGradient)
{
    CZMRDrawHelpers helpers(L"no-such-msimg32.dll");
    const CRect rc(0, 0, 10, 1);
    const COLORREF from = RGB(0, 0, 0), to = RGB(250, 250, 250);

    CPixelCanvas whole(10, 1);
    helpers.GradientFill(whole.DC(), rc, from, to, TRUE);

    CPixelCanvas covered(10, 1);
    helpers.GradientFillClipped(covered.DC(), rc, from, to, TRUE, CRect(-5, -5, 20, 20));
    for (int x = 0; x < 10; x++)
        EXPECT_EQ(whole.Pixel(x, 0), covered.Pixel(x, 0)) << x;

    CPixelCanvas part(10, 1);
    helpers.GradientFillClipped(part.DC(), rc, from, to, TRUE, CRect(4, 0, 8, 1));
    EXPECT_EQ(kBack, part.Pixel(3, 0));
    EXPECT_EQ(kBack, part.Pixel(8, 0));
    EXPECT_EQ(whole.Pixel(4, 0), part.Pixel(4, 0)) << "the visible part starts at the full gradient's colour";
    EXPECT_LT(GetRValue(part.Pixel(4, 0)), GetRValue(part.Pixel(7, 0)));

    // Top to bottom the same clip, turned, gives the same colours.
    CPixelCanvas column(1, 10);
    helpers.GradientFillClipped(column.DC(), CRect(0, 0, 1, 10), from, to, FALSE, CRect(0, 4, 1, 8));
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(part.Pixel(i, 0), column.Pixel(0, i)) << i;

    CPixelCanvas aside(10, 1);
    helpers.GradientFillClipped(aside.DC(), rc, from, to, TRUE, CRect(20, 0, 30, 1));
    helpers.GradientFillClipped(aside.DC(), rc, from, to, FALSE, CRect(0, 5, 10, 9));
    for (int x = 0; x < 10; x++)
        EXPECT_EQ(kBack, aside.Pixel(x, 0)) << x;
}

TEST(DrawHelpers, ColorGradientIsHalvedAtOtherFactors)
{
    CZMRDrawHelpers helpers(L"no-such-msimg32.dll");
    CZMRPaintManagerColorGradient grc;
    grc.SetStandardPair(RGB(0, 0, 0), RGB(200, 200, 200), 0.25f);
    const COLORREF middle = CZMRDrawHelpers::MixColors(RGB(0, 0, 0), RGB(200, 200, 200), 0.25);

    CPixelCanvas canvas(5, 1);
    helpers.DrawColorGradient(canvas.DC(), CRect(0, 0, 5, 1), grc, TRUE);
    // Three columns from the first colour toward the middle, two from the middle on.
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(CZMRDrawHelpers::MixColors(0, middle, 1.0 - 2 / 3.0), canvas.Pixel(2, 0));
    EXPECT_EQ(middle, canvas.Pixel(3, 0));
    EXPECT_EQ(CZMRDrawHelpers::MixColors(middle, RGB(200, 200, 200), 0.5), canvas.Pixel(4, 0));

    grc.fGradientFactor = 0.5f;
    CPixelCanvas single(5, 1);
    helpers.DrawColorGradient(single.DC(), CRect(0, 0, 5, 1), grc, TRUE);
    EXPECT_EQ(CZMRDrawHelpers::MixColors(0, RGB(200, 200, 200), 1.0 - 3 / 5.0), single.Pixel(3, 0));

    grc.clrDark.SetCustomValue(RGB(0, 0, 0));   // the set value wins: a solid fill
    helpers.DrawColorGradient(single.DC(), CRect(0, 0, 5, 1), grc, TRUE);
    EXPECT_EQ(RGB(0, 0, 0), single.Pixel(4, 0));
}

TEST(DrawHelpers, AveragePixelsTakesWholePairsOnly)
{
    CPixelCanvas canvas(4, 1, RGB(0, 0, 0));
    ::SetPixel(canvas.DC()->GetSafeHdc(), 0, 0, RGB(100, 50, 3));
    ::SetPixel(canvas.DC()->GetSafeHdc(), 2, 0, RGB(200, 150, 0));
    ::SetPixel(canvas.DC()->GetSafeHdc(), 3, 0, RGB(10, 10, 10));
    // One pair (pixel 0 with the pixel 2 to its right), then a stray point.
    // The stray point sits last in a buffer exactly that long, so reading an
    // offset after it would run past the array.
    POINT* pPoints = new POINT[3]{{0, 0}, {2, 0}, {3, 0}};
    CZMRDrawHelpers::AveragePixels(canvas.DC(), pPoints, 3);
    delete[] pPoints;
    EXPECT_EQ(RGB(150, 100, 1), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(10, 10, 10), canvas.Pixel(3, 0));
    CZMRDrawHelpers::AveragePixels(canvas.DC(), nullptr, 0);
}

TEST(DrawHelpers, DCSetPixelSetsOnePixelAndIgnoresAMissingDC)
{
    CPixelCanvas canvas(3, 3);
    DCSetPixel(canvas.DC(), 1, 2, RGB(10, 20, 30));
    DCSetPixel(canvas.DC()->GetSafeHdc(), 2, 0, RGB(40, 50, 60));
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(1, 2));
    EXPECT_EQ(RGB(40, 50, 60), canvas.Pixel(2, 0));
    EXPECT_EQ(kBack, canvas.Pixel(1, 1));
    DCSetPixel(static_cast<CDC*>(nullptr), 0, 0, RGB(1, 2, 3));
    DCSetPixel(HDC(nullptr), 0, 0, RGB(1, 2, 3));
}

TEST(DrawHelpers, ImageListAddActCtxAddsMaskedImagesAndRestoresTheActiveContext)
{
    // Two 2 x 2 images side by side; magenta is the mask colour.
    const COLORREF kMask = RGB(255, 0, 255);
    CPixelCanvas strip(4, 2, kMask);
    strip.DC()->SetPixel(0, 0, RGB(200, 0, 0));
    strip.DC()->SetPixel(3, 1, RGB(0, 0, 200));
    HBITMAP hStrip = static_cast<HBITMAP>(::GetCurrentObject(strip.DC()->GetSafeHdc(), OBJ_BITMAP));
    HBITMAP hCopy = static_cast<HBITMAP>(::CopyImage(hStrip, IMAGE_BITMAP, 0, 0, 0));

    HIMAGELIST hList = ::ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 1);
    HANDLE hBefore = nullptr;
    ::GetCurrentActCtx(&hBefore);
    EXPECT_EQ(0, ImageListAddActCtx(hList, hCopy, kMask));
    HANDLE hAfter = nullptr;
    ::GetCurrentActCtx(&hAfter);
    EXPECT_EQ(hBefore, hAfter) << "the caller's context is active again";
    if (hBefore)
        ::ReleaseActCtx(hBefore);
    if (hAfter)
        ::ReleaseActCtx(hAfter);
    EXPECT_EQ(2, ::ImageList_GetImageCount(hList));

    const COLORREF kGreen = RGB(0, 90, 0);
    CPixelCanvas canvas(4, 2, kGreen);
    ::ImageList_Draw(hList, 0, canvas.DC()->GetSafeHdc(), 0, 0, ILD_TRANSPARENT);
    ::ImageList_Draw(hList, 1, canvas.DC()->GetSafeHdc(), 2, 0, ILD_TRANSPARENT);
    EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(3, 1));
    EXPECT_EQ(kGreen, canvas.Pixel(1, 0)) << "mask-coloured pixels are transparent";
    EXPECT_EQ(kGreen, canvas.Pixel(2, 1));

    EXPECT_EQ(-1, ImageListAddActCtx(nullptr, hCopy, kMask));
    ::ImageList_Destroy(hList);
    ::DeleteObject(hCopy);
}

TEST(DrawHelpers, CornerPixelsAreClippedOut)
{
    CPixelCanvas canvas(4, 4);
    CZMRDrawHelpers::ClipOutCornerPixels(canvas.DC(), CRect(0, 0, 4, 4));
    canvas.DC()->FillSolidRect(0, 0, 4, 4, RGB(0, 0, 255));
    EXPECT_EQ(kBack, canvas.Pixel(0, 0));
    EXPECT_EQ(kBack, canvas.Pixel(3, 0));
    EXPECT_EQ(kBack, canvas.Pixel(0, 3));
    EXPECT_EQ(kBack, canvas.Pixel(3, 3));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(1, 0));
}

TEST(DrawHelpers, MnemonicMarkers)
{
    struct Case
    {
        const wchar_t* in;
        const wchar_t* out;
    } cases[] = {
        {L"&&Word&", L"&Word"}, {L"&File", L"File"}, {L"Save &As", L"Save As"},
        {L"a&&&b", L"a&b"}, {L"", L""}, {L"&", L""},
    };
    for (const Case& c : cases)
    {
        CString str(c.in);
        CZMRDrawHelpers::RemoveMnemonicMarkers(str);
        EXPECT_STREQ(c.out, str) << c.in;
        wchar_t buffer[32];
        lstrcpyW(buffer, c.in);
        CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(buffer);
        EXPECT_STREQ(c.out, buffer) << c.in;
    }
    CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(nullptr);
    CZMRDrawHelpers::RemoveMnemonicMarkersInPlace(reinterpret_cast<LPWSTR>(-1));
}

TEST(DrawHelpers, ArrowKeysSwapOnlyInRightToLeftWindows)
{
    CWnd rtl, ltr;
    ASSERT_TRUE(rtl.CreateEx(WS_EX_LAYOUTRTL, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    ASSERT_TRUE(ltr.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    struct Case
    {
        CWnd* pWnd;
        UINT nIn, nOut;
    } cases[] = {
        {&rtl, VK_LEFT, VK_RIGHT}, {&rtl, VK_RIGHT, VK_LEFT}, {&rtl, VK_UP, VK_UP},
        {&ltr, VK_LEFT, VK_LEFT}, {&ltr, VK_RIGHT, VK_RIGHT}, {nullptr, VK_LEFT, VK_LEFT},
    };
    for (const Case& c : cases)
    {
        UINT nChar = c.nIn;
        CZMRDrawHelpers::SwapArrowKeyForRTL(c.pWnd, nChar);
        EXPECT_EQ(c.nOut, nChar);
    }
    rtl.DestroyWindow();
    ltr.DestroyWindow();
}

TEST(DrawHelpers, RightToLeftLayoutOfADC)
{
    CPixelCanvas canvas(2, 2);
    EXPECT_FALSE(CZMRDrawHelpers::IsDCRightToLeft(canvas.DC()));
    CZMRDrawHelpers::SetDCRightToLeft(canvas.DC(), LAYOUT_RTL);
    EXPECT_TRUE(CZMRDrawHelpers::IsDCRightToLeft(canvas.DC()));
    EXPECT_FALSE(CZMRDrawHelpers::IsDCRightToLeft(nullptr));
    CZMRDrawHelpers::SetDCRightToLeft(nullptr, LAYOUT_RTL);
}

TEST(DrawHelpers, TopOwnerIsFoundThroughParentsAndOwners)
{
    // A child of an overlapped window owned by the top window: GetParent of
    // the owned window is null, so only a climb that asks for the owner
    // reaches the top. The owned window stays hidden, so the top window is
    // its own last active popup.
    HWND hTop = ::CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND hOwned = ::CreateWindowExW(0, L"STATIC", L"owned", WS_OVERLAPPED, 0, 0, 50, 50, hTop, nullptr, nullptr,
                                    nullptr);
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hOwned, nullptr,
                                    nullptr, nullptr);
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                    nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hTop && hOwned && hChild && hOther);

    ::SetForegroundWindow(hTop);
    ASSERT_EQ(hTop, ::GetForegroundWindow());
    EXPECT_TRUE(CZMRDrawHelpers::IsTopOwnerForeground(hChild));
    EXPECT_TRUE(CZMRDrawHelpers::IsTopOwnerForeground(hTop));

    ::SetForegroundWindow(hOther);
    ASSERT_EQ(hOther, ::GetForegroundWindow());
    EXPECT_FALSE(CZMRDrawHelpers::IsTopOwnerForeground(hChild));

    ::DestroyWindow(hOther);
    ::DestroyWindow(hTop);
}

TEST(DrawHelpers, WindowsClassesFontsAndTexts)
{
    EXPECT_TRUE(CZMRDrawHelpers::RegisterWndClass(nullptr, L"ZMRTestBar", CS_DBLCLKS));
    EXPECT_TRUE(CZMRDrawHelpers::RegisterWndClass(nullptr, L"ZMRTestBar", CS_DBLCLKS)) << "already registered";

    HWND hWnd = ::CreateWindowExW(0, L"ZMRTestBar", L"caption", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                  nullptr);
    ASSERT_NE(nullptr, hWnd);
    CString strText;
    GetDefaultWindowText(hWnd, strText);
    EXPECT_STREQ(L"caption", strText);
    ::DestroyWindow(hWnd);

    // A face the system resolves fonts to is installed, in any letter case.
    // The family comes from the font's own metrics: the face name of the
    // selected font can be a substitute ("MS Shell Dlg"), which is no family.
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    WCHAR szFace[LF_FACESIZE] = {};
    ::GetTextFaceW(hDC, LF_FACESIZE, szFace);
    if (UINT cbMetrics = ::GetOutlineTextMetricsW(hDC, 0, nullptr))
    {
        std::vector<BYTE> metrics(cbMetrics);
        auto* pMetrics = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
        if (::GetOutlineTextMetricsW(hDC, cbMetrics, pMetrics))
            lstrcpynW(szFace, reinterpret_cast<LPCWSTR>(metrics.data() + (UINT_PTR)pMetrics->otmpFamilyName),
                      LF_FACESIZE);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    CString strFaceUpper(szFace);
    strFaceUpper.MakeUpper();
    EXPECT_TRUE(CZMRDrawHelpers::HasFontFace(strFaceUpper)) << strFaceUpper.GetString();
    EXPECT_FALSE(CZMRDrawHelpers::HasFontFace(L"No Such Face At All"));

    CString strFace;
    CZMRDrawHelpers::PickUiFontFace(strFace, FALSE);
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    if (lf.lfCharSet <= SYMBOL_CHARSET && CZMRDrawHelpers::HasFontFace(L"Arial"))
    {
        EXPECT_STREQ(L"Arial", strFace);
        CZMRDrawHelpers::PickUiFontFace(strFace, TRUE);
        EXPECT_STREQ(CZMRDrawHelpers::HasFontFace(L"Tahoma") ? L"Tahoma" : L"Arial", strFace);
    }
    else
    {
        EXPECT_STREQ(lf.lfFaceName, strFace);
    }
}

// Device-context scopes ---------------------------------------------------

TEST(DeviceContextScopes, FontScopeRestoresTheFontOfBeforeTheFirstCall)
{
    CPixelCanvas canvas(2, 2);
    HDC hDC = canvas.DC()->GetSafeHdc();
    HGDIOBJ hBefore = ::GetCurrentObject(hDC, OBJ_FONT);
    CFont first, second;
    first.CreatePointFont(90, L"Arial");
    second.CreatePointFont(120, L"Arial");
    {
        CZMRFontDC scope(canvas.DC(), &first);
        scope.SetFont(&second);
        EXPECT_EQ(second.GetSafeHandle(), ::GetCurrentObject(hDC, OBJ_FONT));
        scope.SetFont(nullptr);
    }
    EXPECT_EQ(hBefore, ::GetCurrentObject(hDC, OBJ_FONT));
}

TEST(DeviceContextScopes, PenAndBrushAreSelectedThenRestoredAndDeleted)
{
    CPixelCanvas canvas(2, 2);
    HDC hDC = canvas.DC()->GetSafeHdc();
    HGDIOBJ hPenBefore = ::GetCurrentObject(hDC, OBJ_PEN);
    HGDIOBJ hBrushBefore = ::GetCurrentObject(hDC, OBJ_BRUSH);
    HGDIOBJ hPen = nullptr, hBrush = nullptr;
    {
        CZMRPenDC pen(hDC, RGB(255, 0, 0));
        CZMRBrushDC brush(hDC, RGB(0, 0, 255));
        LOGPEN lp = {};
        ::GetObjectW(::GetCurrentObject(hDC, OBJ_PEN), sizeof(lp), &lp);
        EXPECT_EQ(RGB(255, 0, 0), lp.lopnColor);
        pen.SetColor(RGB(0, 255, 0));
        hPen = ::GetCurrentObject(hDC, OBJ_PEN);
        ::GetObjectW(hPen, sizeof(lp), &lp);
        EXPECT_EQ(RGB(0, 255, 0), lp.lopnColor);
        hBrush = ::GetCurrentObject(hDC, OBJ_BRUSH);
        CZMRDrawHelpers::Triangle(canvas.DC(), CPoint(0, 0), CPoint(2, 0), CPoint(0, 2));
    }
    EXPECT_EQ(hPenBefore, ::GetCurrentObject(hDC, OBJ_PEN));
    EXPECT_EQ(hBrushBefore, ::GetCurrentObject(hDC, OBJ_BRUSH));
    EXPECT_EQ(0, ::GetObjectType(hPen)) << "the scope's pen is deleted";
    EXPECT_EQ(0, ::GetObjectType(hBrush));
}

TEST(DeviceContextScopes, BufferCopiesItsRectangleToTheDestination)
{
    CPixelCanvas canvas(6, 6);
    {
        CZMRBufferDC buffer(canvas.DC()->GetSafeHdc(), CRect(2, 2, 5, 5));
        buffer.FillSolidRect(0, 0, 6, 6, RGB(0, 200, 0));
    }
    EXPECT_EQ(RGB(0, 200, 0), canvas.Pixel(2, 2));
    EXPECT_EQ(RGB(0, 200, 0), canvas.Pixel(4, 4));
    EXPECT_EQ(kBack, canvas.Pixel(1, 1));
    EXPECT_EQ(kBack, canvas.Pixel(5, 5));
}

namespace
{
// The buffer's own bitmap, read back.
class CBufferProbe : public CZMRBufferDC
{
public:
    explicit CBufferProbe(CPaintDC& paintDC) : CZMRBufferDC(paintDC) {}
    BITMAP Bitmap() const
    {
        BITMAP bm = {};
        ::GetObjectW(m_bitmap.GetSafeHandle(), sizeof(bm), &bm);
        return bm;
    }
};
}

TEST(DeviceContextScopes, BufferFromAPaintDCCoversTheInvalidRectangle)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 20, 20), nullptr, 0));
    ::ValidateRect(wnd.GetSafeHwnd(), nullptr);
    {
        // Nothing to paint: still a real 1 x 1 bitmap in the window's format,
        // not the monochrome one a 0 x 0 request gives.
        CPaintDC paintDC(&wnd);
        ASSERT_TRUE(::IsRectEmpty(&paintDC.m_ps.rcPaint));
        CBufferProbe buffer(paintDC);
        const BITMAP bm = buffer.Bitmap();
        EXPECT_EQ(1, bm.bmWidth);
        EXPECT_EQ(1, bm.bmHeight);
        EXPECT_EQ(::GetDeviceCaps(paintDC.GetSafeHdc(), BITSPIXEL), int(bm.bmBitsPixel));
    }
    const RECT rcInvalid = {2, 3, 7, 9};
    ::InvalidateRect(wnd.GetSafeHwnd(), &rcInvalid, FALSE);
    {
        CPaintDC paintDC(&wnd);
        CBufferProbe buffer(paintDC);
        const BITMAP bm = buffer.Bitmap();
        EXPECT_EQ(7, bm.bmWidth) << "the bitmap spans from the origin";
        EXPECT_EQ(9, bm.bmHeight);
        CRect rcClip;
        ::GetClipBox(buffer.GetSafeHdc(), &rcClip);
        EXPECT_EQ(CRect(rcInvalid), rcClip);
    }
    wnd.DestroyWindow();
}

TEST(DeviceContextScopes, CompatibleAndBitmapScopesSelectAndRestore)
{
    CPixelCanvas canvas(2, 2);
    CBitmap bitmap;
    bitmap.Attach(::CreateCompatibleBitmap(canvas.DC()->GetSafeHdc(), 3, 3));
    {
        CZMRCompatibleDC memory(canvas.DC(), &bitmap);
        EXPECT_EQ(bitmap.GetSafeHandle(), ::GetCurrentObject(memory.GetSafeHdc(), OBJ_BITMAP));
        memory.FillSolidRect(0, 0, 3, 3, RGB(7, 7, 7));
    }
    CDC memory;
    memory.Attach(::CreateCompatibleDC(nullptr));
    HGDIOBJ hBefore = ::GetCurrentObject(memory.GetSafeHdc(), OBJ_BITMAP);
    {
        CZMRBitmapDC scope(&memory, &bitmap);
        EXPECT_EQ(RGB(7, 7, 7), ::GetPixel(memory.GetSafeHdc(), 1, 1));
    }
    EXPECT_EQ(hBefore, ::GetCurrentObject(memory.GetSafeHdc(), OBJ_BITMAP));
    ::DeleteDC(memory.Detach());
}

TEST(DeviceContextScopes, WindowRectanglesOfMissingWindowsAreEmpty)
{
    EXPECT_TRUE(CZMREmptyRect().IsRectNull());
    EXPECT_TRUE(CZMRWindowRect(HWND(nullptr)).IsRectNull());
    EXPECT_TRUE(CZMRWindowRect(reinterpret_cast<HWND>(0x12345)).IsRectNull());
    EXPECT_TRUE(CZMRClientRect(nullptr).IsRectNull());
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(10, 20, 40, 60), nullptr, 0));
    EXPECT_EQ(CRect(10, 20, 40, 60), CZMRWindowRect(&wnd));
    EXPECT_EQ(CRect(0, 0, 30, 40), CZMRClientRect(&wnd));
    wnd.DestroyWindow();
}
