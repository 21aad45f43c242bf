// The tab paint manager's own state: fonts, colour overrides across a
// refresh, the observing strips, and icons drawn by state and turned on
// vertical strips.
#include "TabTestSupport.h"
#include "CZMRImageManager.h"
#include "CZMRIconHandle.h"
#include "PixelCanvas.h"
#include "ImageTestSupport.h"
#include <gtest/gtest.h>

namespace
{
LONG FontHeight(CFont* pFont)
{
    LOGFONT lf = {};
    ::GetObjectW(pFont->GetSafeHandle(), sizeof(lf), &lf);
    return lf.lfHeight;
}

TEST(TabPaintManager, VerticalFontsAreTurnedAndAtLeastElevenHigh)
{
    struct
    {
        LONG lfHeight;
        LONG lfExpectedVertical;
    } cases[] = { {-8, -11}, {-1, -11}, {-10, -11}, {-12, -12}, {8, 8} };
    CZMRTabPaintManager* pPaintManager = new CZMRTabPaintManager();
    for (const auto& c : cases)
    {
        LOGFONT lf = {};
        lf.lfHeight = c.lfHeight;
        lstrcpyW(lf.lfFaceName, L"Tahoma");
        pPaintManager->SetFontIndirect(&lf);
        EXPECT_EQ(c.lfHeight, FontHeight(pPaintManager->GetFont())) << c.lfHeight;
        EXPECT_EQ(c.lfHeight, FontHeight(pPaintManager->GetBoldFont())) << c.lfHeight;
        EXPECT_EQ(c.lfExpectedVertical, FontHeight(pPaintManager->GetFont(TRUE))) << c.lfHeight;
        EXPECT_EQ(c.lfExpectedVertical, FontHeight(pPaintManager->GetBoldFont(TRUE))) << c.lfHeight;
        LOGFONT lfVertical = {};
        ::GetObjectW(pPaintManager->GetBoldFont(TRUE)->GetSafeHandle(), sizeof(lfVertical), &lfVertical);
        EXPECT_EQ(2700, lfVertical.lfEscapement);
        EXPECT_EQ(900, lfVertical.lfOrientation);
        EXPECT_EQ(FW_BOLD, lfVertical.lfWeight);
    }
    // A null font keeps the fonts and only takes the switch.
    pPaintManager->SetFontIndirect(nullptr, FALSE);
    EXPECT_EQ(8, FontHeight(pPaintManager->GetFont()));
    pPaintManager->InternalRelease();
}

TEST(TabPaintManager, ApplicationColoursSurviveARefresh)
{
    CZMRTabPaintManager* pPaintManager = new CZMRTabPaintManager();
    CZMRTabPaintManager::CColorSet* pColorSet = pPaintManager->GetColorSet();
    pColorSet->m_clrSelectedFace.SetCustomValue(RGB(1, 2, 3));
    pPaintManager->RefreshMetrics();
    EXPECT_EQ(RGB(1, 2, 3), pColorSet->m_clrSelectedFace.GetColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pColorSet->m_clrSelectedFace.GetStandardColor());
    pPaintManager->InternalRelease();
}

TEST(TabPaintManager, ChangesLayEveryObservingStripOutAgain)
{
    CTabHostFixture f(2);
    CTabHostWnd* pSecond = CTabHostWnd::Create(CRect(100, 420, 500, 500), f.PaintManager());
    const int nFirst = f.Strip().m_nRepositions;
    const int nSecond = pSecond->Strip().m_nRepositions;
    f.PaintManager()->SetLayout(zmrTabLayoutCompressed);
    f.PaintManager()->SetColor(3);
    EXPECT_EQ(nFirst + 2, f.Strip().m_nRepositions);
    EXPECT_EQ(nSecond + 2, pSecond->Strip().m_nRepositions);
    EXPECT_EQ(3, f.PaintManager()->GetColor());
    pSecond->DestroyWindow();
}

TEST(TabPaintManager, IconsAreTurnedOnVerticalStripsWhenAsked)
{
    struct
    {
        const char* name;
        int nPosition;
        BOOL bRotate;
        COLORREF clrTopLeft;
        COLORREF clrBottomRight;
    } cases[] = {
        {"top strip: upright", zmrTabPositionTop, TRUE, RGB(255, 0, 0), RGB(0, 0, 255)},
        {"left strip without turning: upright", zmrTabPositionLeft, FALSE, RGB(255, 0, 0), RGB(0, 0, 255)},
        // Turned a quarter: the right half goes to the top.
        {"left strip, turned", zmrTabPositionLeft, TRUE, RGB(0, 0, 255), RGB(255, 0, 0)},
        {"right strip, turned the same way", zmrTabPositionRight, TRUE, RGB(0, 0, 255), RGB(255, 0, 0)},
    };
    // The left half red, the right half blue.
    HICON hIcon = ImageTest::TwoColourIcon(16, 16, RGB(255, 0, 0), RGB(0, 0, 255), 16);
    CZMRImageManager images;
    CZMRIconHandle handle;
    handle.SetIcon(hIcon);
    ASSERT_TRUE(images.SetIcon(handle, 77, 0, 0, ZMR_ICONSTATE_NORMAL));
    handle.Clear();
    for (const auto& c : cases)
    {
        CTabHostFixture f(1, CRect(100, 100, 500, 400), c.nPosition);
        f.PaintManager()->m_bRotateIcons = c.bRotate;
        CPixelCanvas canvas(40, 40, RGB(0, 255, 0));
        f.Item(0)->DrawImage(canvas.DC(), CRect(10, 10, 26, 26), images.GetImage(77, 0));
        EXPECT_EQ(c.clrTopLeft, canvas.Pixel(12, 12)) << c.name;
        EXPECT_EQ(c.clrBottomRight, canvas.Pixel(23, 23)) << c.name;
        // The background around stays.
        EXPECT_EQ(RGB(0, 255, 0), canvas.Pixel(9, 9)) << c.name;
    }
    ::DestroyIcon(hIcon);
}
}
