// The colour sets: made by flag, their tables (Luna schemes, system themes,
// the skin's colour keys with their blue fallbacks) and the faces they paint.
// Expected colours are the tables' own; colour-manager indices are read from
// the colour manager.
#include "TabTestSupport.h"
#include "CZMRColorManager.h"
#include "CZMROffice2007Images.h"
#include "CZMRTabManagerNavigateButton.h"
#include "PixelCanvas.h"
#include "ArtifactPng.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace
{
typedef CZMRTabPaintManager::CColorSet CColorSet;

COLORREF Color(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

// The colour manager's theme and the Luna switch as a test sets them, put back after.
class CThemeScope
{
public:
    explicit CThemeScope(int nTheme, BOOL bIgnore = FALSE)
    {
        CZMRColorManager* p = GetColorManager();
        m_nChosen = p->m_nChosenTheme;
        m_bIgnore = p->m_bIgnoreSystemTheme;
        p->m_nChosenTheme = nTheme;
        p->m_bIgnoreSystemTheme = bIgnore;
    }
    ~CThemeScope()
    {
        GetColorManager()->m_nChosenTheme = m_nChosen;
        GetColorManager()->m_bIgnoreSystemTheme = m_bIgnore;
    }

private:
    int m_nChosen;
    BOOL m_bIgnore;
};

CColorSet* Apply(CTabHostFixture& f, int nAppearance, int nColor, BOOL bDisableLuna = FALSE)
{
    f.PaintManager()->m_bDisableLunaColors = bDisableLuna;
    f.PaintManager()->SetAppearance(nAppearance);
    f.PaintManager()->SetColor(nColor);
    return f.PaintManager()->GetColorSet();
}

BOOL Near(COLORREF a, COLORREF b, int nTolerance = 3)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance
           && std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

TEST(TabColorSets, MadeByFlag)
{
    CTabHostFixture f;
    struct
    {
        int nFlag;
        bool (*pfnIs)(CColorSet*);
    } cases[] = {
        { 1, [](CColorSet* p) { return dynamic_cast<CZMRTabPaintManager::CColorSetDefault*>(p) != nullptr; } },
        { 2, [](CColorSet* p) { return dynamic_cast<CZMRTabPaintManager::CColorSetVisualStudio*>(p) != nullptr; } },
        { 4, [](CColorSet* p) { return typeid(*p) == typeid(CZMRTabPaintManager::CColorSetOffice2003); } },
        { 8, [](CColorSet* p) { return dynamic_cast<CZMRTabPaintManager::CColorSetWinXP*>(p) != nullptr; } },
        { 16, [](CColorSet* p) { return dynamic_cast<CZMRTabPaintManager::CColorSetWhidbey*>(p) != nullptr; } },
        { 32, [](CColorSet* p) { return typeid(*p) == typeid(CZMRTabPaintManager::CColorSetOffice2007); } },
        { 64, [](CColorSet* p) { return dynamic_cast<CZMRTabPaintManager::CColorSetVisualStudio2008*>(p) != nullptr; } },
        { 128, [](CColorSet* p) { return dynamic_cast<CZMRTabPaintManager::CColorSetAccess2007*>(p) != nullptr; } },
        { 3, [](CColorSet* p) { return typeid(*p) == typeid(CZMRTabPaintManager::CColorSetDefault); } },
        { 0, [](CColorSet* p) { return typeid(*p) == typeid(CZMRTabPaintManager::CColorSetDefault); } },
    };
    for (const auto& c : cases)
    {
        f.PaintManager()->SetColor(c.nFlag);
        EXPECT_TRUE(c.pfnIs(f.PaintManager()->GetColorSet())) << c.nFlag;
        EXPECT_EQ(c.nFlag, f.PaintManager()->GetColor());
        EXPECT_EQ(f.PaintManager(), f.PaintManager()->GetColorSet()->m_pPaintManager);
    }
}

TEST(TabColorSets, Office2003LunaSchemes)
{
    struct
    {
        int nTheme;
        COLORREF frame, dark, shadow, border, header1, header2, header2a, header2b, normal, hot;
    } cases[] = {
        { CZMRColorManager::systemThemeBlue, RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(0, 0, 128),
          RGB(196, 218, 250), RGB(252, 253, 254), RGB(158, 190, 245), RGB(196, 218, 250), RGB(162, 192, 246), RGB(255, 240, 201) },
        { CZMRColorManager::systemThemeOlive, RGB(96, 128, 88), RGB(96, 119, 107), RGB(176, 194, 140), RGB(63, 93, 56),
          RGB(242, 241, 228), RGB(252, 254, 254), RGB(217, 217, 167), RGB(242, 241, 228), RGB(208, 222, 170), RGB(255, 240, 199) },
        { CZMRColorManager::systemThemeSilver, RGB(124, 124, 148), RGB(118, 116, 146), RGB(186, 185, 206), RGB(75, 75, 111),
          RGB(243, 243, 247), RGB(252, 254, 254), RGB(215, 215, 229), RGB(243, 243, 247), RGB(217, 217, 230), RGB(255, 238, 194) },
        // Royale and Aero take the blue scheme.
        { CZMRColorManager::systemThemeRoyale, RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(0, 0, 128),
          RGB(196, 218, 250), RGB(252, 253, 254), RGB(158, 190, 245), RGB(196, 218, 250), RGB(162, 192, 246), RGB(255, 240, 201) },
        { CZMRColorManager::systemThemeAero, RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(0, 0, 128),
          RGB(196, 218, 250), RGB(252, 253, 254), RGB(158, 190, 245), RGB(196, 218, 250), RGB(162, 192, 246), RGB(255, 240, 201) },
    };
    CTabHostFixture f;
    for (const auto& c : cases)
    {
        CThemeScope theme(c.nTheme);
        auto* p = static_cast<CZMRTabPaintManager::CColorSetOffice2003*>(Apply(f, 3, 4));
        EXPECT_EQ(c.frame, p->m_clrFrameBorder.GetColor()) << c.nTheme;
        EXPECT_EQ(c.frame, p->m_clrOutlineSelected.GetColor()) << c.nTheme;
        EXPECT_EQ(c.dark, p->m_clrPageDarkShadow.GetColor()) << c.nTheme;
        EXPECT_EQ(c.dark, p->m_clrOutlineNormal.GetColor()) << c.nTheme;
        EXPECT_EQ(c.shadow, p->m_clrPageShadow.GetColor()) << c.nTheme;
        EXPECT_EQ(c.shadow, p->m_clrInnerLine1.GetColor()) << c.nTheme;
        EXPECT_EQ(RGB(255, 255, 255), p->m_clrInnerLine2.GetColor()) << c.nTheme;
        EXPECT_EQ(RGB(255, 192, 111), p->m_clrStateButtonFace.clrLight.GetColor()) << c.nTheme;
        EXPECT_EQ(c.border, p->m_clrStateButtonBorder.clrDark.GetColor()) << c.nTheme;
        EXPECT_EQ(c.border, p->m_clrHotBorder.GetColor()) << c.nTheme;
        EXPECT_EQ(c.header1, p->m_clrHeaderFace.clrLight.GetColor()) << c.nTheme;
        EXPECT_EQ(c.header2, p->m_clrHeaderFace.clrDark.GetColor()) << c.nTheme;
        EXPECT_EQ(c.header2a, p->m_clrHeaderFace2.clrLight.GetColor()) << c.nTheme;
        EXPECT_EQ(c.header2b, p->m_clrHeaderFace2.clrDark.GetColor()) << c.nTheme;
        EXPECT_EQ(c.normal, p->m_clrNormalFace.GetColor()) << c.nTheme;
        EXPECT_EQ(RGB(255, 194, 115), p->m_clrSelectedFace.GetColor()) << c.nTheme;
        EXPECT_EQ(c.hot, p->m_clrHotFace.GetColor()) << c.nTheme;
        EXPECT_EQ(RGB(254, 142, 75), p->m_clrPressedFace.GetColor()) << c.nTheme;
    }
}

TEST(TabColorSets, Office2003WithoutAScheme)
{
    CTabHostFixture f;
    struct
    {
        const char* lpszName;
        int nTheme;
        BOOL bIgnore, bDisable;
    } cases[] = { { "no theme", CZMRColorManager::systemThemeUnknown, FALSE, FALSE },
                  { "luna disabled", CZMRColorManager::systemThemeBlue, FALSE, TRUE },
                  { "theme ignored", CZMRColorManager::systemThemeOlive, TRUE, FALSE } };
    for (const auto& c : cases)
    {
        CThemeScope theme(c.nTheme, c.bIgnore);
        auto* p = static_cast<CZMRTabPaintManager::CColorSetOffice2003*>(Apply(f, 3, 4, c.bDisable));
        EXPECT_EQ(Color(36), p->m_clrSelectedFace.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(36), p->m_clrHotFace.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(33), p->m_clrPressedFace.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(36), p->m_clrStateButtonBorder.clrLight.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(37), p->m_clrStateButtonBorder.clrDark.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(COLOR_BTNTEXT), p->m_clrHotBorder.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(COLOR_BTNSHADOW), p->m_clrFrameBorder.GetColor()) << c.lpszName;
        EXPECT_EQ(Color(COLOR_BTNFACE), p->m_clrHeaderFace.clrLight.GetColor()) << c.lpszName;
    }
}

TEST(TabColorSets, StateButtonHeaderAndOverridesSurviveARefresh)
{
    CThemeScope theme(CZMRColorManager::systemThemeBlue);
    CTabHostFixture f;
    CColorSet* p = Apply(f, 4, 4);
    EXPECT_EQ(Color(COLOR_BTNFACE), p->m_clrHeaderFace.clrLight.GetColor());
    EXPECT_EQ(Color(COLOR_BTNFACE), p->m_clrHeaderFace2.clrDark.GetColor());

    p->m_clrNormalFace.SetCustomValue(RGB(1, 2, 3));
    GetColorManager()->m_nChosenTheme = CZMRColorManager::systemThemeOlive;
    p->RefreshMetrics();
    EXPECT_EQ(RGB(1, 2, 3), p->m_clrNormalFace.GetColor());
    EXPECT_EQ(RGB(208, 222, 170), p->m_clrNormalFace.GetStandardColor());
}

TEST(TabColorSets, VisualStudio2008ByThemeWithTheDecimalValues)
{
    struct
    {
        int nTheme;
        COLORREF selected, hot, frame, normal;
    } cases[] = {
        { CZMRColorManager::systemThemeBlue, RGB(193, 210, 238), RGB(167, 191, 227), RGB(152, 181, 226), COLORREF(-1) },
        { CZMRColorManager::systemThemeOlive, RGB(182, 198, 141), RGB(175, 175, 142), RGB(147, 160, 112), COLORREF(-1) },
        { CZMRColorManager::systemThemeSilver, RGB(225, 226, 236), RGB(255, 201, 128), RGB(147, 145, 176), COLORREF(-1) },
        { CZMRColorManager::systemThemeAero, RGB(210, 230, 250), RGB(129, 208, 241), RGB(105, 161, 191), RGB(152, 180, 210) },
        { CZMRColorManager::systemThemeUnknown, COLORREF(-1), COLORREF(-1), COLORREF(-1), COLORREF(-1) },
    };
    CTabHostFixture f;
    for (const auto& c : cases)
    {
        CThemeScope theme(c.nTheme);
        CColorSet* p = Apply(f, 3, 64, TRUE);
        const BOOL bTheme = c.selected != COLORREF(-1);
        EXPECT_EQ(bTheme ? c.selected : Color(COLOR_BTNFACE), p->m_clrSelectedFace.GetColor()) << c.nTheme;
        EXPECT_EQ(bTheme ? c.hot : Color(COLOR_WINDOW), p->m_clrHotFace.GetColor()) << c.nTheme;
        EXPECT_EQ(bTheme ? c.frame : Color(57), p->m_clrFrameBorder.GetColor()) << c.nTheme;
        EXPECT_EQ(bTheme ? c.frame : Color(57), p->m_clrOutlineSelected.GetColor()) << c.nTheme;
        EXPECT_EQ(c.normal != COLORREF(-1) ? c.normal : Color(COLOR_BTNFACE), p->m_clrNormalFace.GetColor()) << c.nTheme;
        EXPECT_EQ(Color(COLOR_WINDOWTEXT), p->m_clrTextSelected.GetColor()) << c.nTheme;
        EXPECT_EQ(Color(33), p->m_clrPressedFace.GetColor()) << c.nTheme;

        // The selected face shades from near white at the far side; other
        // faces only with a theme.
        f.Strip().SetCurSel(0);
        CPixelCanvas canvas(20, 40);
        const COLORREF clrSelected = p->FillTabFace(canvas.DC(), CRect(0, 0, 10, 40), f.Item(0));
        p->FillTabFace(canvas.DC(), CRect(10, 0, 20, 40), f.Item(1));
        EXPECT_TRUE(Near(RGB(253, 253, 253), canvas.Pixel(5, 0))) << c.nTheme;
        EXPECT_TRUE(Near(clrSelected, canvas.Pixel(5, 39))) << c.nTheme;
        EXPECT_EQ(bTheme, Near(RGB(253, 253, 253), canvas.Pixel(15, 0)) && canvas.Pixel(15, 0) != canvas.Pixel(15, 39))
            << c.nTheme;
    }
    // With Luna colours the 2003 set rules entirely.
    CThemeScope theme(CZMRColorManager::systemThemeOlive);
    EXPECT_EQ(RGB(96, 128, 88), Apply(f, 3, 64)->m_clrFrameBorder.GetColor());
}

TEST(TabColorSets, WhidbeyFollowsLunaOrTheSystemTheme)
{
    CTabHostFixture f;
    {
        CThemeScope theme(CZMRColorManager::systemThemeSilver);
        EXPECT_EQ(RGB(124, 124, 148), Apply(f, 3, 16)->m_clrFrameBorder.GetColor());
    }
    struct
    {
        int nTheme;
        COLORREF header, normal;
        BOOL bGradient;
    } cases[] = { { CZMRColorManager::systemThemeBlue, RGB(228, 226, 213), COLORREF(-1), TRUE },
                  { CZMRColorManager::systemThemeOlive, RGB(228, 226, 213), COLORREF(-1), TRUE },
                  { CZMRColorManager::systemThemeSilver, RGB(238, 238, 238), RGB(245, 245, 248), TRUE },
                  { CZMRColorManager::systemThemeUnknown, COLORREF(-1), COLORREF(-1), FALSE } };
    for (const auto& c : cases)
    {
        CThemeScope theme(c.nTheme);
        CColorSet* p = Apply(f, 3, 16, TRUE);
        EXPECT_EQ(c.header != COLORREF(-1) ? c.header : Color(COLOR_BTNFACE), p->m_clrHeaderFace.clrLight.GetColor()) << c.nTheme;
        EXPECT_EQ(c.normal != COLORREF(-1) ? c.normal : Color(COLOR_BTNFACE), p->m_clrNormalFace.GetColor()) << c.nTheme;
        EXPECT_EQ(Color(COLOR_WINDOW), p->m_clrSelectedFace.GetColor()) << c.nTheme;
        EXPECT_EQ(Color(57), p->m_clrFrameBorder.GetColor()) << c.nTheme;
        EXPECT_EQ(Color(36), p->m_clrHotFace.GetColor()) << c.nTheme;
        f.Strip().SetCurSel(0);
        CPixelCanvas canvas(10, 40);
        p->m_clrNormalFace.SetCustomValue(RGB(100, 120, 140));
        p->FillTabFace(canvas.DC(), CRect(0, 0, 10, 40), f.Item(1));
        // Lighter at the far side by 300/255: (117, 141, 164).
        EXPECT_EQ(c.bGradient, Near(RGB(117, 141, 164), canvas.Pixel(5, 0))) << c.nTheme;
        EXPECT_TRUE(Near(RGB(100, 120, 140), canvas.Pixel(5, 39))) << c.nTheme;
    }
}

TEST(TabColorSets, VisualStudioHeaderAndTextShades)
{
    CTabHostFixture f;
    CColorSet* p = Apply(f, 5, 2);
    EXPECT_EQ(Color(48), p->m_clrHeaderFace.clrLight.GetColor());
    EXPECT_EQ(Color(49), p->m_clrTextSelected.GetColor());
    EXPECT_EQ(Color(49), p->m_clrTextHot.GetColor());
    p = Apply(f, 4, 2);
    EXPECT_EQ(Color(COLOR_BTNFACE), p->m_clrHeaderFace.clrLight.GetColor());
    EXPECT_EQ(Color(COLOR_BTNTEXT), p->m_clrTextSelected.GetColor());
}

TEST(TabColorSets, Office2007FromTheSkinOrBlue)
{
    CThemeScope theme(CZMRColorManager::systemThemeSilver);
    CTabHostFixture f;
    {
        CColorSet* p = Apply(f, 10, 32);
        EXPECT_EQ(RGB(59, 97, 156), p->m_clrFrameBorder.GetColor());
        EXPECT_EQ(RGB(0, 53, 154), p->m_clrOutlineNormal.GetColor());
        EXPECT_EQ(RGB(117, 166, 241), p->m_clrInnerLine1.GetColor());
        EXPECT_EQ(RGB(196, 218, 250), p->m_clrHeaderFace.clrLight.GetColor());
        EXPECT_EQ(RGB(252, 253, 254), p->m_clrHeaderFace.clrDark.GetColor());
        EXPECT_EQ(RGB(158, 190, 245), p->m_clrHeaderFace2.clrLight.GetColor());
        EXPECT_EQ(RGB(162, 192, 246), p->m_clrNormalFace.GetColor());
        EXPECT_EQ(RGB(255, 194, 115), p->m_clrSelectedFace.GetColor());
        EXPECT_EQ(RGB(255, 240, 201), p->m_clrHotFace.GetColor());
        // The state-button pair: face and border.
        EXPECT_EQ(RGB(255, 192, 111), p->m_clrStateButtonFace.clrLight.GetColor());
        EXPECT_EQ(RGB(0, 0, 128), p->m_clrStateButtonBorder.clrLight.GetColor());
        EXPECT_EQ(RGB(0, 0, 128), static_cast<CZMRTabPaintManager::CColorSetOffice2007*>(p)->m_clrHotBorder.GetColor());
    }
    CSkinBound skin;
    {
        auto* p = static_cast<CZMRTabPaintManager::CColorSetOffice2007*>(Apply(f, 10, 32));
        EXPECT_EQ(RGB(11, 12, 13), p->m_clrFrameBorder.GetColor());
        EXPECT_EQ(RGB(11, 12, 13), p->m_clrOutlineSelected.GetColor());
        EXPECT_EQ(RGB(21, 22, 23), p->m_clrPageDarkShadow.GetColor());
        EXPECT_EQ(RGB(21, 22, 23), p->m_clrOutlineNormal.GetColor());
        EXPECT_EQ(RGB(31, 32, 33), p->m_clrPageShadow.GetColor());
        EXPECT_EQ(RGB(31, 32, 33), p->m_clrInnerLine1.GetColor());
        EXPECT_EQ(RGB(255, 255, 255), p->m_clrInnerLine2.GetColor());
        EXPECT_EQ(RGB(61, 62, 63), p->m_clrHeaderFace.clrLight.GetColor());
        EXPECT_EQ(RGB(61, 62, 63), p->m_clrHeaderFace2.clrDark.GetColor());
        EXPECT_EQ(RGB(91, 92, 93), p->m_clrNormalFace.GetColor());
        EXPECT_EQ(RGB(101, 102, 103), p->m_clrSelectedFace.GetColor());
        EXPECT_EQ(RGB(111, 112, 113), p->m_clrHotFace.GetColor());
        EXPECT_EQ(RGB(121, 122, 123), p->m_clrHotBorder.GetColor());
        EXPECT_EQ(RGB(71, 72, 73), p->m_clrTextNormal.GetColor());
        EXPECT_EQ(RGB(81, 82, 83), p->m_clrTextSelected.GetColor());
    }
    {
        auto* p = static_cast<CZMRTabPaintManager::CColorSetAccess2007*>(Apply(f, 11, 128));
        EXPECT_EQ(RGB(41, 42, 43), p->m_clrFrameBorder.GetColor());
        EXPECT_EQ(RGB(41, 42, 43), p->m_clrOutlineSelected.GetColor());
        EXPECT_EQ(RGB(51, 52, 53), p->m_clrHeaderFace.clrLight.GetColor());
        EXPECT_EQ(RGB(51, 52, 53), p->m_clrHeaderFace2.clrDark.GetColor());
        EXPECT_EQ(RGB(71, 72, 73), p->m_clrNavigateText.GetColor());
        EXPECT_EQ(Color(COLOR_BTNTEXT), p->m_clrTextSelected.GetColor());
        EXPECT_EQ(RGB(0, 0, 128), p->m_clrTextHot.GetColor());
        EXPECT_EQ(RGB(91, 92, 93), p->m_clrNormalFace.GetColor());
    }
}

TEST(TabColorSets, NavigateButtonFaces)
{
    CSkinBound skin;
    struct
    {
        const char* lpszName;
        int nColor, nTheme;
        COLORREF clrFrame, clrFace;   // -1: not checked
    } cases[] = {
        { "2003 scheme", 4, CZMRColorManager::systemThemeBlue, RGB(0, 0, 128), COLORREF(-1) },
        { "2003 plain", 4, CZMRColorManager::systemThemeUnknown, Color(31), Color(32) },
        { "2007 from the skin", 32, CZMRColorManager::systemThemeBlue, RGB(90, 10, 120), RGB(90, 10, 120) },
    };
    for (const auto& c : cases)
    {
        CThemeScope theme(c.nTheme);
        CTabHostFixture f(10);
        f.PaintManager()->SetAppearance(c.nColor == 4 ? 3 : 10);
        f.PaintManager()->SetColor(c.nColor);
        f.m_pHost->RepositionStrip();
        CZMRTabManagerNavigateButton* pRight = f.Strip().GetNavigateButton(zmrTabNavigateButtonRight);
        f.Strip().SetHotButton(pRight);
        CPixelCanvas canvas(400, 300);
        f.PaintManager()->DrawTabControl(&f.Strip(), canvas.DC(), CRect(0, 0, 400, 300));
        const CRect rc = pRight->GetRect();
        ASSERT_FALSE(rc.IsRectEmpty()) << c.lpszName;
        EXPECT_EQ(c.clrFrame, canvas.Pixel(rc.left, rc.top + rc.Height() / 2)) << c.lpszName;
        if (c.clrFace != COLORREF(-1))
        {
            EXPECT_EQ(c.clrFace, canvas.Pixel(rc.left + 1, rc.top + 1)) << c.lpszName;
        }
    }
}

TEST(TabColorSets, VisualStyleDrawsTheTabParts)
{
    CTabHostFixture f;
    CColorSet* p = Apply(f, 0, 8);
    CZMRWinThemeWrapper theme;
    theme.OpenThemeData(nullptr, L"TAB");
    ASSERT_EQ(theme.IsThemeOpenAndActive(), p->IsAppThemed());
    f.Strip().SetCurSel(0);
    p->m_clrNormalFace.SetCustomValue(RGB(1, 2, 3));
    CPixelCanvas canvas(60, 30, RGB(255, 0, 255));
    p->FillTabFace(canvas.DC(), CRect(0, 0, 60, 30), f.Item(1));
    int nFlat = 0, nUntouched = 0;
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 60; x++)
        {
            nFlat += canvas.Pixel(x, y) == p->m_clrNormalFace.GetColor();
            nUntouched += canvas.Pixel(x, y) == RGB(255, 0, 255);
        }
    if (p->IsAppThemed())
    {
        EXPECT_LT(nFlat, 60 * 30 / 2) << "a themed tab is not the plain face";
    }
    else
        EXPECT_EQ(60 * 30, nFlat);
    EXPECT_LT(nUntouched, 60 * 30 / 2);
}

TEST(TabColorSets, PictureOfTheEightSets)
{
    CSkinBound skin;
    CThemeScope theme(CZMRColorManager::systemThemeBlue);
    const struct
    {
        int nColor, nAppearance;
    } sets[] = { { 1, 0 }, { 2, 5 }, { 4, 3 }, { 8, 0 }, { 16, 9 }, { 32, 10 }, { 64, 9 }, { 128, 11 } };
    const int nWidth = 2 * 410, nHeight = 4 * 160;
    CPixelCanvas sheet(nWidth, nHeight, RGB(255, 255, 255));
    for (int i = 0; i < 8; i++)
    {
        CTabHostFixture f(4);
        f.PaintManager()->SetAppearance(sets[i].nAppearance);
        f.PaintManager()->SetColor(sets[i].nColor);
        f.PaintManager()->m_szIcon = CSize(16, 16);
        f.Strip().SetCurSel(1);
        f.Strip().SetHotItem(f.Item(2));
        f.m_pHost->SetWindowPos(nullptr, 0, 0, 400, 150, SWP_NOMOVE | SWP_NOZORDER);
        CTabHostWnd::Pump();
        CPixelCanvas canvas(400, 150);
        f.PaintManager()->DrawTabControl(&f.Strip(), canvas.DC(), CRect(0, 0, 400, 150));
        ::BitBlt(sheet.DC()->GetSafeHdc(), 5 + (i % 2) * 410, 5 + (i / 2) * 160, 400, 150, canvas.DC()->GetSafeHdc(), 0, 0, SRCCOPY);
    }
    EXPECT_TRUE(SaveArtifactPng(L"tab_colour_sets.png", nWidth, nHeight, [&](int x, int y) { return sheet.Pixel(x, y); }));
}
}
