// The Default theme drawn into memory canvases and read back at the pixels
// its look fixes: frames, the checked dither, the highlight fill, text and
// arrow colours; its metrics; and pictures of a tool bar, a popup and a
// status bar saved with the test artefacts.
#include "CZMRDefaultTheme.h"
#include "../../commandbars/tests/CommandBarsTestSupport.h"
#include "../../commandbars/tests/ToolBarTestSupport.h"
#include "ArtifactPng.h"
#include "ThemeTestSupport.h"
#include "CZMRControlComboBox.h"
#include "CZMRControlEdit.h"
#include "CZMRColorManager.h"
#include "CZMRControls.h"
#include "CZMRIconHandle.h"
#include "CZMRImageManager.h"
#include "CZMRPopupBar.h"
#include "CZMRStatusBar.h"
#include "CZMRStatusBarPane.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace
{
const COLORREF kBack = RGB(1, 1, 1);
// Distinct colours for the table entries the theme uses.
const COLORREF kActiveCaption = RGB(0, 0, 120);
const COLORREF kInactiveCaption = RGB(120, 120, 120);
const COLORREF kWindow = RGB(255, 255, 250);
const COLORREF kHighlight = RGB(10, 36, 106);
const COLORREF kHighlightText = RGB(250, 250, 240);
const COLORREF kFace = RGB(192, 192, 192);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kGrey = RGB(130, 120, 110);
const COLORREF kText = RGB(0, 0, 0);
const COLORREF kLight = RGB(255, 255, 255);
const COLORREF kDark = RGB(64, 64, 64);
const COLORREF kLightFace = RGB(223, 223, 223);
const COLORREF kDerived = RGB(90, 60, 30);

// The Default theme with its fonts built and the colours above in its table.
class CTheme : public CZMRDefaultTheme
{
public:
    CTheme()
    {
        RefreshMetrics();
        const int indices[] = {COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_WINDOW, COLOR_HIGHLIGHT,
                               COLOR_HIGHLIGHTTEXT, COLOR_3DFACE, COLOR_3DSHADOW, COLOR_GRAYTEXT, COLOR_BTNTEXT,
                               COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, 38};
        const COLORREF colors[] = {kActiveCaption, kInactiveCaption, kWindow, kHighlight, kHighlightText,
                                   kFace, kShadow, kGrey, kText, kLight, kDark, kLightFace, kDerived};
        SetColors(13, indices, colors);
        m_clrBarText = kText;
    }
};

// A bar drawn by its own Default theme, optionally with a window so that
// its client area can be painted; its image manager knows four icons.
struct CThemeBar : CThemedBarFixture<CTheme>
{
    CThemeBar(int nType, int nPosition, CSize szWindow = CSize(0, 0)) : CThemedBarFixture(nType, nPosition)
    {
        const LPCWSTR icons[] = {IDI_APPLICATION, IDI_WARNING, IDI_INFORMATION, IDI_QUESTION};
        for (int i = 0; i < 4; i++)
        {
            CZMRIconHandle handle;
            handle.SetIcon(::LoadIcon(nullptr, icons[i]));
            m_pImages->SetIcon(handle, UINT(100 + i), 16, 16, ZMR_ICONSTATE_NORMAL);
        }
        if (szWindow.cx)
            m_pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(CPoint(0, 0), szWindow), nullptr, 0);
    }
};

std::set<COLORREF> ColoursIn(const CPixelCanvas& canvas, CRect rc)
{
    std::set<COLORREF> colours;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            colours.insert(canvas.Pixel(x, y));
    return colours;
}

void SavePicture(const CPixelCanvas& canvas, LPCWSTR lpszName, int cx, int cy)
{
    EXPECT_TRUE(SaveArtifactPng(lpszName, cx, cy, [&](int x, int y) { return canvas.Pixel(x, y); }));
}

// A 16 x 16 icon with a colour image and a mask (no alpha): one colour,
// opaque in one 8 x 8 square only (by default the middle one, red).
HICON CreateMaskedIcon(COLORREF clr = RGB(255, 0, 0), int nSquare = 4)
{
    BYTE mask[16 * 2];
    for (int y = 0; y < 16; y++)
    {
        WORD wRow = 0xFFFF;
        for (int x = nSquare; x < nSquare + 8; x++)
            if (y >= nSquare && y < nSquare + 8)
                wRow &= WORD(~(0x8000 >> x));
        mask[2 * y] = BYTE(wRow >> 8);
        mask[2 * y + 1] = BYTE(wRow);
    }
    // Black where the mask is transparent: the colour image is XORed there.
    const DWORD dwColour = (DWORD(GetRValue(clr)) << 16) | (DWORD(GetGValue(clr)) << 8) | GetBValue(clr);
    DWORD colour[16 * 16];
    for (int i = 0; i < 16 * 16; i++)
    {
        const int x = i % 16, y = i / 16;
        const bool bIn = x >= nSquare && x < nSquare + 8 && y >= nSquare && y < nSquare + 8;
        colour[i] = bIn ? dwColour : 0;
    }
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, mask);
    HBITMAP hColour = ::CreateBitmap(16, 16, 1, 32, colour);
    ICONINFO info = {TRUE, 0, 0, hMask, hColour};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMask);
    ::DeleteObject(hColour);
    return hIcon;
}
} // namespace

// ---------------------------------------------------------------- states

TEST(DefaultTheme, StateHighlightsByBarAndState)
{
    enum Look
    {
        None,
        Raised,
        Sunken,
        DitherSunken,
        Highlight
    };
    struct Case
    {
        const char* pszName;
        BOOL bPopupSwitch;
        int nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nPosition;
        Look look;
    };
    const Case cases[] = {
        {"idle button", FALSE, 0, 0, 1, 0, 0, 1, 0, None},
        {"hot button", FALSE, 1, 0, 1, 0, 0, 1, 0, Raised},
        {"pressed only", FALSE, 0, 1, 1, 0, 0, 1, 0, Raised},
        {"hot and pressed", FALSE, 1, 1, 1, 0, 0, 1, 0, Sunken},
        {"pressed while running", FALSE, 0, 2, 1, 0, 0, 1, 0, Sunken},
        {"popped", FALSE, 0, 0, 1, 0, 1, 1, 0, Sunken},
        {"checked, not hot", FALSE, 0, 0, 1, 1, 0, 1, 0, DitherSunken},
        {"checked and hot", FALSE, 1, 0, 1, 1, 0, 1, 0, Sunken},
        {"disabled and checked", FALSE, 0, 0, 0, 1, 0, 1, 0, Sunken},
        {"disabled, keyboard selected", FALSE, 2, 0, 0, 0, 0, 1, 0, Sunken},
        {"disabled, hot", FALSE, 1, 0, 0, 0, 0, 1, 0, None},
        {"popup item selected", FALSE, 1, 0, 1, 0, 0, 2, 5, Highlight},
        {"popup item pressed", FALSE, 0, 1, 1, 0, 0, 2, 5, Highlight},
        {"popup item idle", FALSE, 0, 0, 1, 0, 0, 2, 5, None},
        {"checked popup item keeps its frame", FALSE, 0, 0, 1, 1, 0, 2, 5, DitherSunken},
        {"checked popup item selected", FALSE, 1, 0, 1, 1, 0, 2, 5, Sunken},
        {"popup switch: checked", TRUE, 1, 0, 1, 1, 0, 2, 5, DitherSunken},
        {"popup switch: selected", TRUE, 1, 0, 1, 0, 0, 2, 5, Highlight},
        {"popup switch, other bar type in popup position", TRUE, 1, 0, 1, 0, 0, 1, 5, Raised},
    };
    for (const Case& c : cases)
    {
        CTheme theme;
        theme.m_bPopupStateHighlight = c.bPopupSwitch;
        CPixelCanvas canvas(14, 14, kBack);
        theme.DrawStateHighlight(canvas.DC(), CRect(2, 2, 12, 12), c.nSelected, c.nPressed, c.bEnabled, c.nChecked,
                                 c.bPopped, c.nBarType, c.nPosition);
        const COLORREF tl = canvas.Pixel(2, 2), br = canvas.Pixel(11, 11);
        const COLORREF in1 = canvas.Pixel(5, 5), in2 = canvas.Pixel(6, 5);
        switch (c.look)
        {
        case None:
            EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 14, 14))) << c.pszName;
            break;
        case Raised:
        case Sunken:
            EXPECT_EQ(c.look == Raised ? kLight : kShadow, tl) << c.pszName;
            EXPECT_EQ(c.look == Raised ? kShadow : kLight, br) << c.pszName;
            EXPECT_EQ(kBack, in1) << c.pszName;
            break;
        case DitherSunken:
            EXPECT_EQ(kShadow, tl) << c.pszName;
            EXPECT_EQ(kLight, br) << c.pszName;
            EXPECT_EQ((std::set<COLORREF>{in1, in2}), (std::set<COLORREF>{kFace, kLight})) << c.pszName;
            break;
        case Highlight:
            EXPECT_EQ(std::set<COLORREF>{kHighlight}, ColoursIn(canvas, CRect(2, 2, 12, 12))) << c.pszName;
            break;
        }
    }
}

TEST(DefaultTheme, CheckedDitherIsACheckerboardOfFaceAndHighlight)
{
    CTheme theme;
    CPixelCanvas canvas(16, 16, kBack);
    theme.FillCheckedDither(canvas.DC(), CRect(0, 0, 16, 16));
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
            ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(0, 0) == kFace ? ((x + y) % 2 ? kLight : kFace)
                                                                       : ((x + y) % 2 ? kFace : kLight))
                << x << "," << y;
    EXPECT_EQ((std::set<COLORREF>{kFace, kLight}), ColoursIn(canvas, CRect(0, 0, 2, 1)));
}

TEST(DefaultTheme, StateTextColours)
{
    CTheme theme;
    struct Case
    {
        int nSelected, bEnabled, nChecked, nBarType, nPosition;
        COLORREF expected;
    };
    const Case cases[] = {
        {0, 0, 0, 1, 0, COLOR_GRAYTEXT},       {1, 0, 0, 2, 5, COLOR_GRAYTEXT},
        {1, 1, 0, 2, 5, COLOR_HIGHLIGHTTEXT},  {1, 1, 1, 2, 5, COLOR_BTNTEXT},
        {0, 1, 0, 2, 5, COLOR_BTNTEXT},        {1, 1, 0, 1, 0, COLOR_BTNTEXT},
        {0, 1, 0, 1, 5, COLOR_BTNTEXT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, theme.GetStateTextColor(c.nSelected, 0, c.bEnabled, c.nChecked, FALSE, c.nBarType,
                                                       c.nPosition))
            << c.nSelected << c.bEnabled << c.nChecked << c.nBarType << c.nPosition;
    // The native theme's menu text reaches popup items and popup-positioned bars.
    theme.m_nPopupTextColor = COLOR_MENUTEXT;
    EXPECT_EQ(COLORREF(COLOR_MENUTEXT), theme.GetStateTextColor(0, 0, TRUE, 0, FALSE, 2, 5));
    EXPECT_EQ(COLORREF(COLOR_MENUTEXT), theme.GetStateTextColor(0, 0, TRUE, 0, FALSE, 1, 5));
    EXPECT_EQ(COLORREF(COLOR_BTNTEXT), theme.GetStateTextColor(0, 0, TRUE, 0, FALSE, 1, 0));
}

// ---------------------------------------------------------------- the theme object

TEST(DefaultTheme, FactoryFallbackAndItsDefaults)
{
    for (int nTheme : {0, 42})
    {
        CZMRPaintManager* pTheme = CZMRPaintManager::CreateTheme(nTheme);
        EXPECT_NE(nullptr, dynamic_cast<CZMRDefaultTheme*>(pTheme)) << nTheme;
        EXPECT_EQ(0, pTheme->GetThemeKind());
        pTheme->InternalRelease();
    }
    CZMRDefaultTheme theme;
    EXPECT_EQ(COLOR_BTNTEXT, theme.m_nPopupTextColor);
    EXPECT_FALSE(theme.m_bFadeIcons);
    EXPECT_FALSE(theme.m_bHotIconShadow);
    EXPECT_FALSE(theme.m_bFlatToolBar);
    EXPECT_EQ(4, theme.m_nTextGap);
    theme.RefreshMetrics();
    EXPECT_EQ(::GetSysColor(COLOR_ACTIVECAPTION), theme.m_clrFloatingCaption.GetColor());
    EXPECT_EQ(::GetSysColor(COLOR_CAPTIONTEXT), theme.m_clrFloatingCaptionText.GetColor());
}

TEST(DefaultTheme, MetricsOfBarsGrippersAndHandles)
{
    CThemeBar popup(zmrBarTypePopup, zmrBarPopup);
    CThemeBar tool(zmrBarTypeNormal, zmrBarTop);
    CTheme& theme = *tool.m_pTheme;
    EXPECT_EQ(CRect(3, 3, 3, 3), theme.GetBarBorderWidths(popup.m_pBar));
    EXPECT_EQ(CRect(2, 2, 2, 2), theme.GetBarBorderWidths(tool.m_pBar));
    EXPECT_EQ(CSize(8, 8), theme.DrawSeparator(nullptr, popup.m_pBar, nullptr, FALSE));
    EXPECT_EQ(CSize(6, 6), theme.DrawSeparator(nullptr, tool.m_pBar, nullptr, FALSE));
    EXPECT_EQ(CSize(6, 0), theme.DrawGripper(nullptr, tool.m_pBar, FALSE));
    tool.m_pBar->SetPosition(zmrBarRight);
    EXPECT_EQ(CSize(0, 8), theme.DrawGripper(nullptr, tool.m_pBar, FALSE));
    EXPECT_EQ(CSize(0, 0), theme.DrawGripper(nullptr, popup.m_pBar, FALSE));
    for (int nBase : {16, 20})
    {
        theme.m_nBaseHeight = nBase;
        EXPECT_EQ(CSize(6, nBase >= 18 ? nBase + 4 : 22), theme.DrawDialogBarGripper(nullptr, tool.m_pBar, FALSE));
    }
    theme.m_nBaseHeight = 19;
    EXPECT_EQ(CSize(20, 20), theme.GetIconColumnSize(popup.m_pBar)) << "16 + 4 against the raw base height";
    theme.m_nBaseHeight = 23;
    EXPECT_EQ(CSize(23, 23), theme.GetIconColumnSize(popup.m_pBar));

    // The tear-off strip: 8 high, caption-coloured but for its last row.
    CPixelCanvas canvas(20, 10, kBack);
    EXPECT_EQ(CSize(0, 8), theme.DrawTearOffHandle(canvas.DC(), CRect(0, 0, 20, 8), TRUE, TRUE));
    EXPECT_EQ(kActiveCaption, canvas.Pixel(5, 6));
    EXPECT_EQ(kBack, canvas.Pixel(5, 7));
    theme.DrawTearOffHandle(canvas.DC(), CRect(0, 0, 20, 8), FALSE, TRUE);
    EXPECT_EQ(kInactiveCaption, canvas.Pixel(5, 0));
}

TEST(DefaultTheme, AvoidRectangles)
{
    CThemeBar popup(zmrBarTypePopup, zmrBarPopup);
    CThemeBar tool(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pItem = popup.Add(zmrControlPopup, 1, L"Item");
    CZMRControl* pButton = tool.Add(zmrControlPopup, 1, L"Button");
    CZMRControl* pCombo = tool.Add(zmrControlComboBox, 2, L"Combo");
    struct Case
    {
        CZMRControl* pControl;
        BOOL bVertical;
        CRect expected;
    };
    const Case cases[] = {
        {pItem, FALSE, CRect(11, 10, 19, 20)}, {pButton, FALSE, CRect(9, 10, 21, 20)},
        {pButton, TRUE, CRect(10, 9, 20, 21)}, {pCombo, FALSE, CRect(10, 10, 20, 20)},
        {nullptr, FALSE, CRect(10, 10, 20, 20)},
    };
    for (const Case& c : cases)
    {
        CRect rc(10, 10, 20, 20);
        tool.m_pTheme->AdjustAvoidRect(rc, c.pControl, c.bVertical);
        EXPECT_EQ(c.expected, rc);
    }
}

TEST(DefaultTheme, SeparatorsAndPopupGrippers)
{
    CThemeBar tool(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pControl = tool.Add(zmrControlButton, 1, L"");
    pControl->SetRect(CRect(20, 2, 42, 24));
    pControl->SetRowRect(CRect(0, 2, 60, 24));
    CPixelCanvas canvas(60, 30, kBack);
    EXPECT_EQ(CSize(0, 0), tool.m_pTheme->DrawSeparator(canvas.DC(), tool.m_pBar, pControl, TRUE));
    EXPECT_EQ(kShadow, canvas.Pixel(16, 10)) << "etched line at control left - 4 .. - 2";
    EXPECT_EQ(kLight, canvas.Pixel(17, 10));
    EXPECT_EQ(kBack, canvas.Pixel(18, 10));

    // The popup's size gripper along its bottom edge: four dots, dark over light.
    CPixelCanvas grip(40, 12, kBack);
    tool.m_pTheme->DrawPopupSizeGrip(grip.DC(), CRect(0, 0, 40, 12), 2);
    for (int x : {12, 16, 20, 24})
    {
        EXPECT_EQ(kDerived, grip.Pixel(x, 3)) << x;
        EXPECT_EQ(kWindow, grip.Pixel(x + 2, 5)) << x;
    }
    // ... and in the corner.
    CPixelCanvas corner(20, 20, kBack);
    tool.m_pTheme->DrawPopupSizeGrip(corner.DC(), CRect(0, 0, 20, 20), 0);
    EXPECT_EQ(kDerived, corner.Pixel(16, 16));
    EXPECT_EQ(kWindow, corner.Pixel(18, 18));
    EXPECT_EQ(kDerived, corner.Pixel(12, 16));
    EXPECT_EQ(kDerived, corner.Pixel(16, 12));
}

// ---------------------------------------------------------------- controls

TEST(DefaultTheme, CheckedToolBarButtonShowsTheDitherUntilItIsHot)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pButton = bar.Add(zmrControlButton, 200, L"", zmrButtonIcon);
    pButton->SetChecked(TRUE);
    pButton->SetRect(CRect(0, 0, 22, 22));
    CPixelCanvas canvas(22, 22, kBack);
    pButton->Draw(canvas.DC());
    EXPECT_EQ(kShadow, canvas.Pixel(0, 0));
    EXPECT_EQ((std::set<COLORREF>{kFace, kLight}), ColoursIn(canvas, CRect(5, 5, 7, 6)));

    pButton->OnSelectionChange(1);
    CPixelCanvas hot(22, 22, kBack);
    pButton->Draw(hot.DC());
    EXPECT_EQ(kShadow, hot.Pixel(0, 0));
    EXPECT_EQ(kLight, hot.Pixel(21, 21));
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(hot, CRect(1, 1, 21, 21)));
}

TEST(DefaultTheme, SplitButtonHighlightsItsPartsByState)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pSplit = bar.Add(zmrControlSplitButtonPopup, 200, L"", zmrButtonIcon);
    const CRect rc(0, 0, 34, 22);
    pSplit->SetRect(rc);
    pSplit->OnSelectionChange(1);
    CPixelCanvas canvas(34, 22, kBack);
    bar.m_pTheme->DrawControlBackdrop(canvas.DC(), pSplit, rc);
    EXPECT_EQ(kLight, canvas.Pixel(0, 0)) << "main part raised";
    EXPECT_EQ(kShadow, canvas.Pixel(21, 21));
    EXPECT_EQ(kLight, canvas.Pixel(22, 0)) << "the right 12 pixels raised on their own";
    EXPECT_EQ(kShadow, canvas.Pixel(33, 21));
    EXPECT_EQ(kText, canvas.Pixel(34 - 7, 11)) << "arrow tip row at right - 7";
}

TEST(DefaultTheme, PopupItemsByState)
{
    CThemeBar bar(zmrBarTypePopup, zmrBarPopup);
    CZMRControl* pPlain = bar.Add(zmrControlButton, 1, L"Mmmm");
    CZMRControl* pChecked = bar.Add(zmrControlButton, 2, L"Mmmm");
    CZMRControl* pPopup = bar.Add(zmrControlPopup, 3, L"Mmmm");
    pChecked->SetChecked(TRUE);
    const int nCell = std::max(16 + 4, bar.m_pTheme->m_nBaseHeight);
    int y = 0;
    for (CZMRControl* pControl : {pPlain, pChecked, pPopup})
    {
        const CSize sz = pControl->GetSize(nullptr);
        pControl->SetRect(CRect(0, y, 120, y + sz.cy));
        y += sz.cy;
    }
    auto draw = [&](CZMRControl* pControl, int nSelected) {
        pControl->OnSelectionChange(nSelected);
        CPixelCanvas* pCanvas = new CPixelCanvas(120, y, kBack);
        pControl->Draw(pCanvas->DC());
        return pCanvas;
    };

    // Selected and unchecked: the text part is highlighted and its text is
    // the highlight text.
    std::unique_ptr<CPixelCanvas> pSelected(draw(pPlain, 1));
    const CRect rcPlain = pPlain->GetRect();
    CRect rcText(nCell, rcPlain.top, 120, rcPlain.bottom);
    std::set<COLORREF> colours = ColoursIn(*pSelected, rcText);
    EXPECT_TRUE(colours.count(kHighlight));
    EXPECT_TRUE(colours.count(kHighlightText));
    EXPECT_FALSE(colours.count(kText));

    // Checked and selected: the icon cell keeps its sunken frame, the check
    // mark is in the popup text colour and so is the caption, unhighlighted.
    std::unique_ptr<CPixelCanvas> pCheckedSelected(draw(pChecked, 1));
    const CRect rcChecked = pChecked->GetRect();
    EXPECT_EQ(kShadow, pCheckedSelected->Pixel(0, rcChecked.top));
    EXPECT_EQ(kLight, pCheckedSelected->Pixel(nCell - 1, rcChecked.bottom - 1));
    EXPECT_TRUE(ColoursIn(*pCheckedSelected, CRect(1, rcChecked.top + 1, nCell - 1, rcChecked.bottom - 1)).count(kText))
        << "the check mark";
    colours = ColoursIn(*pCheckedSelected, CRect(nCell, rcChecked.top, 120, rcChecked.bottom));
    EXPECT_FALSE(colours.count(kHighlight));
    EXPECT_FALSE(colours.count(kHighlightText));
    EXPECT_TRUE(colours.count(kText));

    // Checked with an icon and not selected: the cell is dithered in its frame.
    pChecked->SetIconId(100);
    std::unique_ptr<CPixelCanvas> pCheckedIcon(draw(pChecked, 0));
    EXPECT_EQ(kShadow, pCheckedIcon->Pixel(0, rcChecked.top));
    EXPECT_EQ((std::set<COLORREF>{kFace, kLight}),
              ColoursIn(*pCheckedIcon, CRect(1, rcChecked.top + 1, 3, rcChecked.top + 2)));

    // A popup item shows its right-pointing triangle.
    std::unique_ptr<CPixelCanvas> pIdle(draw(pPopup, 0));
    const CRect rcPopup = pPopup->GetRect();
    const int mid = (rcPopup.top + rcPopup.bottom) / 2;
    EXPECT_EQ(kText, pIdle->Pixel(120 - 11, mid - 3));
    EXPECT_EQ(kText, pIdle->Pixel(120 - 8, mid));
    EXPECT_EQ(kBack, pIdle->Pixel(120 - 7, mid));
}

TEST(DefaultTheme, SplitPopupItemsSeparateTheirLastTwentyPixels)
{
    struct Case
    {
        BOOL bEnabled;
        int nSelected;
        COLORREF line;
    };
    const Case cases[] = {{TRUE, 0, kText}, {TRUE, 1, kShadow}, {FALSE, 0, kGrey}};
    for (const Case& c : cases)
    {
        CThemeBar bar(zmrBarTypePopup, zmrBarPopup);
        CZMRControl* pSplit = bar.Add(zmrControlSplitButtonPopup, 0, L"Mmmm");
        pSplit->SetEnabled(c.bEnabled);
        const CSize sz = pSplit->GetSize(nullptr);
        pSplit->SetRect(CRect(0, 0, 120, sz.cy));
        pSplit->OnSelectionChange(c.nSelected);
        CPixelCanvas canvas(120, sz.cy, kBack);
        pSplit->Draw(canvas.DC());
        EXPECT_EQ(c.line, canvas.Pixel(100, sz.cy / 2)) << c.bEnabled << c.nSelected;
        EXPECT_NE(c.line, canvas.Pixel(100, 0)) << "the line leaves the top row";
        EXPECT_EQ(c.nSelected ? kHighlight : kBack, canvas.Pixel(99, 1)) << "the text part";
    }
}

TEST(DefaultTheme, DisabledMaskedIconIsAnEmbossedSilhouette)
{
    CTheme theme;
    CZMRImageManager* pImages = new CZMRImageManager;
    CZMRIconHandle handle;
    handle.TakeIcon(CreateMaskedIcon());
    ASSERT_TRUE(pImages->SetIcon(handle, 7, 16, 16, ZMR_ICONSTATE_NORMAL));
    CZMRImageManagerIcon* pIcon = pImages->GetImage(7, 16);
    ASSERT_NE(nullptr, pIcon);
    ASSERT_FALSE(pIcon->IsAlpha());

    CPixelCanvas canvas(24, 24, kBack);
    theme.DrawImage(canvas.DC(), 2, 2, 16, 16, pIcon, 0, 0, FALSE, 0, FALSE, TRUE);
    EXPECT_EQ(kShadow, canvas.Pixel(2 + 4, 2 + 4)) << "shadow silhouette at the position";
    EXPECT_EQ(kShadow, canvas.Pixel(2 + 11, 2 + 11));
    EXPECT_EQ(kLight, canvas.Pixel(2 + 12, 2 + 12)) << "the light one 1 pixel right and down";
    EXPECT_EQ(kBack, canvas.Pixel(2 + 3, 2 + 3));
    EXPECT_FALSE(ColoursIn(canvas, CRect(0, 0, 24, 24)).count(RGB(255, 0, 0))) << "never the image itself";
    pImages->InternalRelease();
}

namespace
{
// An icon whose state images differ in colour: normal red, hot green,
// pressed yellow in the middle square; checked blue in a square 2 pixels up
// and left, so a silhouette tells which image it was made from.
const COLORREF kIconNormal = RGB(255, 0, 0), kIconHot = RGB(0, 255, 0), kIconPressed = RGB(255, 255, 0),
               kIconChecked = RGB(0, 0, 255);

struct CStateIcons
{
    CStateIcons()
    {
        const struct
        {
            int nState;
            COLORREF clr;
            int nSquare;
        } states[] = {{ZMR_ICONSTATE_NORMAL, kIconNormal, 4},
                      {ZMR_ICONSTATE_HOT, kIconHot, 4},
                      {ZMR_ICONSTATE_PRESSED, kIconPressed, 4},
                      {ZMR_ICONSTATE_CHECKED, kIconChecked, 2}};
        for (const auto& state : states)
        {
            CZMRIconHandle handle;
            handle.TakeIcon(CreateMaskedIcon(state.clr, state.nSquare));
            m_pImages->SetIcon(handle, 7, 16, 16, state.nState);
        }
        m_pIcon = m_pImages->GetImage(7, 16);
    }
    ~CStateIcons() { m_pImages->InternalRelease(); }

    CZMRImageManager* m_pImages = new CZMRImageManager;
    CZMRImageManagerIcon* m_pIcon = nullptr;
};
} // namespace

TEST(DefaultTheme, IconsByState)
{
    // Where the icon lands: 0 at the position, 1 one pixel right and down,
    // -1 one pixel left and up; kNone draws nothing.
    const COLORREF kNone = kBack;
    const COLORREF kFaded = CZMRImageManagerIcon::LightenColor(kIconNormal, 0.3);
    const COLORREF clrShadowBase = GetColorManager()->GetColor(31);
    const COLORREF kIconShadow = RGB(GetRValue(clrShadowBase) * 3 / 4, GetGValue(clrShadowBase) * 3 / 4,
                                     GetBValue(clrShadowBase) * 3 / 4);
    struct Case
    {
        const char* pszName;
        int nSelected, nPressed, bEnabled, nChecked, bPopped;
        BOOL bFade, bHotShadow;
        COLORREF clr;
        int nOffset;
    };
    const Case cases[] = {
        {"at rest", 0, 0, 1, 0, 0, FALSE, FALSE, kIconNormal, 0},
        {"at rest, faded", 0, 0, 1, 0, 0, TRUE, FALSE, kFaded, 0},
        {"hot", 1, 0, 1, 0, 0, TRUE, FALSE, kIconHot, 0},
        {"pressed without the mouse over it", 0, 1, 1, 0, 0, FALSE, FALSE, kIconHot, 0},
        {"hot and pressed", 1, 1, 1, 0, 0, FALSE, FALSE, kIconPressed, 1},
        {"hot and pressed while running", 1, 2, 1, 0, 0, FALSE, FALSE, kIconPressed, 1},
        {"pressed while running", 0, 2, 1, 0, 0, FALSE, FALSE, kIconPressed, 1},
        {"pressed from the keyboard", 0, 3, 1, 0, 0, FALSE, FALSE, kIconPressed, 1},
        {"another pressed value", 0, 4, 1, 0, 0, FALSE, FALSE, kNone, 0},
        {"hot with its shadow", 1, 0, 1, 0, 0, FALSE, TRUE, kIconHot, -1},
        {"checked", 0, 0, 1, 1, 0, TRUE, FALSE, kIconChecked, -2},
        {"checked and hot", 1, 0, 1, 1, 0, FALSE, TRUE, kIconChecked, -2},
        {"popped", 1, 1, 1, 0, 1, FALSE, FALSE, kIconNormal, 0},
        {"popped and checked", 1, 0, 1, 1, 1, FALSE, FALSE, kIconChecked, -2},
        {"indeterminate", 0, 0, 1, 2, 0, FALSE, FALSE, kShadow, -2},
        {"indeterminate and pressed", 1, 1, 1, 2, 0, FALSE, FALSE, kIconChecked, -2},
    };
    for (const Case& c : cases)
    {
        CTheme theme;
        theme.m_bFadeIcons = c.bFade;
        theme.m_bHotIconShadow = c.bHotShadow;
        CStateIcons icons;
        ASSERT_NE(nullptr, icons.m_pIcon);
        const int x0 = 4, y0 = 4;
        CPixelCanvas canvas(24, 24, kBack);
        theme.DrawImage(canvas.DC(), x0, y0, 16, 16, icons.m_pIcon, c.nSelected, c.nPressed, c.bEnabled, c.nChecked,
                        c.bPopped, TRUE);
        if (c.clr == kNone)
        {
            EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(canvas, CRect(0, 0, 24, 24))) << c.pszName;
            continue;
        }
        // The square's first and last pixels, and the pixels just outside it.
        const int a = x0 + 4 + c.nOffset, b = a + 7;
        EXPECT_EQ(c.clr, canvas.Pixel(a, a)) << c.pszName;
        EXPECT_EQ(c.clr, canvas.Pixel(b, b)) << c.pszName;
        EXPECT_EQ(kBack, canvas.Pixel(a - 1, a - 1)) << c.pszName;
        if (c.bHotShadow && c.nOffset == -1)
            EXPECT_EQ(kIconShadow, canvas.Pixel(b + 2, b + 2)) << c.pszName << ": the shadow 1 px right and down";
        else
            EXPECT_EQ(kBack, canvas.Pixel(b + 1, b + 1)) << c.pszName;
    }
}

TEST(DefaultTheme, FlatSilhouettesOfSiblingThemes)
{
    // The shared icon rules with one flat silhouette of the normal image, as
    // a flat theme draws disabled and indeterminate icons.
    const COLORREF kFlat = RGB(70, 80, 90);
    CTheme theme;
    const int index = 40;
    theme.SetColors(1, &index, &kFlat);
    const CZMRPaintManager::CIconSilhouettes flat = {FALSE, 40, 40, FALSE};
    // Disabled (unchecked), then indeterminate.
    for (int nChecked : {0, 2})
    {
        CStateIcons icons;
        CPixelCanvas canvas(24, 24, kBack);
        theme.DrawImageByState(canvas.DC(), CPoint(4, 4), CSize(16, 16), icons.m_pIcon, 0, 0, nChecked != 0,
                               nChecked, FALSE, flat);
        EXPECT_EQ(kFlat, canvas.Pixel(8, 8)) << nChecked;
        EXPECT_EQ(kFlat, canvas.Pixel(15, 15)) << nChecked << ": the normal image's shape";
        EXPECT_EQ(kBack, canvas.Pixel(16, 16)) << nChecked << ": no embossed copy";
        EXPECT_EQ(kBack, canvas.Pixel(7, 7)) << nChecked;
    }
}

TEST(DefaultTheme, EditsAndComboBoxesMeasureTheirLabelAndField)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pEdit = bar.Add(zmrControlEdit, 1, L"&Find", zmrButtonCaption);
    CZMRControl* pCombo = bar.Add(zmrControlComboBox, 2, L"", zmrButtonCaption);
    pEdit->SetWidth(120);
    pCombo->SetWidth(90);
    CPixelCanvas canvas(140, 30, kBack);
    CFont* pOld = canvas.DC()->SelectObject(&bar.m_pTheme->m_fntField);
    const int nSpace = canvas.DC()->GetTextExtent(CString(L" ")).cy;
    canvas.DC()->SelectObject(&bar.m_pTheme->m_fntRegular);
    const int nLabel = canvas.DC()->GetTextExtent(CString(L"Find")).cx + 5;
    canvas.DC()->SelectObject(pOld);

    EXPECT_EQ(CSize(120, nSpace + 7), pEdit->GetSize(canvas.DC()));
    EXPECT_EQ(nLabel, static_cast<CZMRControlEdit*>(pEdit)->GetLabelWidth());
    const CSize szCombo = pCombo->GetSize(canvas.DC());
    EXPECT_EQ(CSize(90, std::max(20, nSpace + 7)), szCombo);
    auto* pComboBox = static_cast<CZMRControlComboBox*>(pCombo);
    EXPECT_EQ(std::max(15, int(szCombo.cy) * 9 / 14 + 1), pComboBox->GetDropDownWidth());
    EXPECT_EQ(0, pComboBox->GetLabelWidth()) << "no caption, no label";

    bar.m_pTheme->m_nFixedControlHeight = 30;
    EXPECT_EQ(CSize(90, 30), pCombo->GetSize(canvas.DC()));
    EXPECT_EQ(30 * 9 / 14 + 1, pComboBox->GetDropDownWidth());
}

TEST(DefaultTheme, ComboBoxFieldButtonAndFrame)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pCombo = bar.Add(zmrControlComboBox, 2, L"", zmrButtonCaption);
    pCombo->SetWidth(80);
    CPixelCanvas canvas(80, 24, kBack);
    const CSize sz = pCombo->GetSize(canvas.DC());
    pCombo->SetRect(CRect(CPoint(0, 0), sz));
    const int nButton = static_cast<CZMRControlComboBox*>(pCombo)->GetDropDownWidth();
    EXPECT_EQ(CSize(0, 0), bar.m_pTheme->DrawControl(canvas.DC(), pCombo, TRUE));
    EXPECT_EQ(kWindow, canvas.Pixel(5, sz.cy / 2)) << "the field";
    EXPECT_EQ(kFace, canvas.Pixel(1, 1)) << "the face-coloured frame inside";
    EXPECT_EQ(kFace, canvas.Pixel(80 - nButton + 3, 4)) << "the drop-down button";
    EXPECT_EQ(kLight, canvas.Pixel(80 - nButton + 1, 2)) << "its frame when not selected";

    // Selected: a sunken frame around the field.
    pCombo->OnSelectionChange(1);
    bar.m_pTheme->DrawControl(canvas.DC(), pCombo, TRUE);
    EXPECT_EQ(kShadow, canvas.Pixel(0, 0));
    EXPECT_EQ(kLight, canvas.Pixel(79, sz.cy - 1));
}

TEST(DefaultTheme, EditFramesBySelection)
{
    CTheme theme;
    struct Case
    {
        BOOL bEnabled;
        int nSelected;
        COLORREF outer, inner;
    };
    const Case cases[] = {
        {TRUE, 0, kBack, kFace},
        {TRUE, 1, kShadow, kFace},
        {FALSE, 0, kBack, kLight},
        {FALSE, 2, kBack, kShadow},
    };
    for (const Case& c : cases)
    {
        CPixelCanvas canvas(20, 20, kBack);
        theme.DrawEditFrame(canvas.DC(), CRect(0, 0, 20, 20), c.bEnabled, c.nSelected);
        EXPECT_EQ(c.outer, canvas.Pixel(0, 0)) << c.bEnabled << c.nSelected;
        EXPECT_EQ(c.inner, canvas.Pixel(1, 1)) << c.bEnabled << c.nSelected;
    }
}

TEST(DefaultTheme, EditSpinButtonsShowWhichHalfIsPressed)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    auto* pEdit = static_cast<CZMRControlEdit*>(bar.Add(zmrControlEdit, 1, L"", zmrButtonCaption));
    pEdit->SetShowSpinButtons(TRUE);
    pEdit->SetRect(CRect(0, 0, 60, 22));
    pEdit->OnSelectionChange(1);
    pEdit->SetPressed(4);
    const CRect rc = pEdit->GetSpinButtonsRect();
    const int middle = (rc.top + rc.bottom) / 2;
    CPixelCanvas canvas(60, 22, kBack);
    bar.m_pTheme->DrawEditSpinButtons(canvas.DC(), pEdit);
    EXPECT_EQ(kShadow, canvas.Pixel(rc.left + 1, rc.top + 1)) << "the up button pressed in";
    EXPECT_EQ(kWindow, canvas.Pixel(rc.left + 1, middle)) << "the down button raised";
}

TEST(DefaultTheme, EditSpinArrowsAreTwoRowsHigh)
{
    for (BOOL bEnabled : {TRUE, FALSE})
    {
        CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
        auto* pEdit = static_cast<CZMRControlEdit*>(bar.Add(zmrControlEdit, 1, L"", zmrButtonCaption));
        pEdit->SetShowSpinButtons(TRUE);
        pEdit->SetRect(CRect(0, 0, 60, 22));
        pEdit->SetEnabled(bEnabled);
        const CRect rc = pEdit->GetSpinButtonsRect();
        const int middle = (rc.top + rc.bottom) / 2;
        const COLORREF kArrow = bEnabled ? kText : kGrey;
        CPixelCanvas canvas(60, 22, kBack);
        bar.m_pTheme->DrawEditSpinButtons(canvas.DC(), pEdit);
        // The columns of each arrow row, top to bottom, around its button's centre.
        const CPoint ptUp = CRect(rc.left + 1, rc.top + 1, rc.right - 1, middle).CenterPoint();
        const CPoint ptDown = CRect(rc.left + 1, middle, rc.right - 1, rc.bottom - 1).CenterPoint();
        struct Row
        {
            CPoint pt;
            int dy, nHalfWidth;   // -1: no arrow in this row
        };
        const Row rows[] = {{ptUp, -2, -1}, {ptUp, -1, 1}, {ptUp, 0, 2}, {ptUp, 1, -1},
                            {ptDown, -2, -1}, {ptDown, -1, 2}, {ptDown, 0, 1}, {ptDown, 1, -1}};
        for (const Row& row : rows)
        {
            const int y = row.pt.y + row.dy;
            for (int dx = -3; dx <= 3; dx++)
            {
                const bool bInk = row.nHalfWidth >= 0 && dx >= -row.nHalfWidth && dx <= row.nHalfWidth;
                EXPECT_EQ(bInk, canvas.Pixel(row.pt.x + dx, y) == kArrow)
                    << (row.pt == ptUp ? "up" : "down") << " arrow, row " << row.dy << ", column " << dx
                    << (bEnabled ? "" : ", disabled");
            }
        }
    }
}

TEST(DefaultTheme, BarBackgroundsAndTheFloatingTitle)
{
    struct Case
    {
        int nPosition;
        BOOL bFlat;
        COLORREF outer, second;
    };
    const Case cases[] = {
        {zmrBarTop, FALSE, kLight, kFace},
        {zmrBarTop, TRUE, kFace, kFace},
        {zmrBarFloating, FALSE, kFace, kLight},
        {zmrBarPopup, FALSE, kFace, kLight},
    };
    for (const Case& c : cases)
    {
        CThemeBar bar(zmrBarTypeNormal, c.nPosition, CSize(60, 30));
        bar.m_pTheme->m_bFlatToolBar = c.bFlat;
        CPixelCanvas canvas(60, 30, kBack);
        bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
        EXPECT_EQ(c.outer, canvas.Pixel(0, 0)) << c.nPosition << c.bFlat;
        EXPECT_EQ(c.second, canvas.Pixel(1, 1)) << c.nPosition << c.bFlat;
        EXPECT_EQ(kFace, canvas.Pixel(30, 15));
        if (c.nPosition == zmrBarFloating || c.nPosition == zmrBarPopup)
        {
            EXPECT_EQ(kDark, canvas.Pixel(59, 29));
        }
    }

    // A floating bar's gripper is its title strip in the caption colours.
    CThemeBar floating(zmrBarTypeNormal, zmrBarFloating, CSize(120, 60));
    floating.m_pBar->SetTitle(L"Mmmm");
    floating.m_pTheme->m_clrFloatingCaption.SetCustomValue(RGB(0, 0, 150));
    floating.m_pTheme->m_clrFloatingCaptionText.SetCustomValue(RGB(255, 255, 0));
    CPixelCanvas canvas(120, 60, kBack);
    const CSize sz = floating.m_pTheme->DrawGripper(canvas.DC(), floating.m_pBar, TRUE);
    // The strip (3, 3, width - 3, b), b = 18 under a caption font whose " "
    // is lower than 15, else that height + 3.
    CFont* pOld = canvas.DC()->SelectObject(&floating.m_pTheme->m_fntFloatingCaption);
    const int h = canvas.DC()->GetTextExtent(CString(L" ")).cy;
    canvas.DC()->SelectObject(pOld);
    const int b = h < 15 ? 18 : h + 3;
    EXPECT_EQ(CSize(114, b - 3), sz);
    EXPECT_EQ(RGB(0, 0, 150), canvas.Pixel(116, b - 1));
    EXPECT_EQ(kBack, canvas.Pixel(117, 5));
    EXPECT_EQ(kBack, canvas.Pixel(5, b));
    EXPECT_EQ(sz, floating.m_pTheme->DrawGripper(nullptr, floating.m_pBar, FALSE));
    EXPECT_EQ(RGB(0, 0, 150), canvas.Pixel(3, 3));
    EXPECT_EQ(kBack, canvas.Pixel(2, 3));
    const std::set<COLORREF> title = ColoursIn(canvas, CRect(5, 3, 117 - 2 * (sz.cy - 3), 3 + sz.cy - 3));
    EXPECT_TRUE(title.count(RGB(255, 255, 0))) << "the title in the caption text colour";
    EXPECT_FALSE(ColoursIn(canvas, CRect(117 - 2 * (sz.cy - 3), 3, 117, sz.cy)).count(RGB(255, 255, 0)))
        << "room is left for the caption buttons";
}

TEST(DefaultTheme, FloatingHideButtonGetsAFaceWhenPressed)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarFloating);
    CZMRControl* pHide = bar.Add(zmrControlButton, 0, L"");
    pHide->SetRect(CRect(0, 0, 16, 16));
    for (int nPressed : {0, 1})
    {
        pHide->SetPressed(nPressed);
        CPixelCanvas canvas(16, 16, kBack);
        bar.m_pTheme->DrawOverflowButton(canvas.DC(), 2, pHide, bar.m_pBar, TRUE, 0);
        EXPECT_EQ(nPressed ? kFace : kBack, canvas.Pixel(8, 1)) << nPressed;
        const COLORREF clrCross = nPressed ? kText : bar.m_pTheme->m_clrFloatingCaptionText.GetColor();
        EXPECT_TRUE(ColoursIn(canvas, CRect(0, 0, 16, 16)).count(clrCross))
            << "the cross in the control's or the caption's text colour";
    }
}

TEST(DefaultTheme, DoubleGripperKeepsTheCheckMarkBesideTheIcon)
{
    for (BOOL bDouble : {FALSE, TRUE})
    {
        CTheme* pTheme = new CTheme;
        CZMRPopupBar* pPopup = new CZMRPopupBar;
        pPopup->SetPaintManager(pTheme);
        pTheme->InternalRelease();
        CZMRImageManager* pImages = new CZMRImageManager;
        pPopup->SetImageManager(pImages);
        pImages->InternalRelease();
        CZMRIconHandle handle;
        handle.TakeIcon(CreateMaskedIcon());
        pImages->SetIcon(handle, 100, 16, 16, ZMR_ICONSTATE_NORMAL);
        pPopup->SetDoubleGripper(bDouble);

        const int nCell = std::max(16 + 4, pTheme->m_nBaseHeight);
        EXPECT_EQ((bDouble ? 2 * nCell : nCell) + 1, pTheme->GetPopupIconColumnWidth(pPopup))
            << "the icon column doubles with the double gripper";

        CZMRControl* pItem = pPopup->GetControls()->Add(zmrControlButton, 100);
        pItem->SetCaption(L"Mmmm");
        pItem->SetChecked(TRUE);
        const CSize sz = pItem->GetSize(nullptr);
        pItem->SetRect(CRect(0, 0, 160, sz.cy));
        CPixelCanvas canvas(160, sz.cy, kBack);
        pItem->Draw(canvas.DC());

        const CRect rcFirst(0, 0, nCell, sz.cy), rcSecond(nCell + 1, 0, 2 * nCell + 1, sz.cy);
        const std::set<COLORREF> first = ColoursIn(canvas, rcFirst);
        const int yMid = sz.cy / 2;
        if (bDouble)
        {
            EXPECT_TRUE(first.count(kText)) << "the check mark in the first cell";
            EXPECT_FALSE(first.count(RGB(255, 0, 0))) << "no icon there";
            EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(rcSecond.CenterPoint().x, yMid)) << "the icon in the second";
            EXPECT_EQ(kShadow, canvas.Pixel(rcSecond.left, 0)) << "the checked frame around the second cell";
            // The caption starts after both cells and the text gap.
            int xInk = -1;
            for (int x = rcSecond.right; x < 160 && xInk < 0; x++)
                for (int y = 0; y < sz.cy && xInk < 0; y++)
                    if (canvas.Pixel(x, y) == kText)
                        xInk = x;
            EXPECT_NEAR(2 * nCell + 1 - 1 + 4, xInk, 2);
        }
        else
        {
            EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(rcFirst.CenterPoint().x, yMid)) << "the icon in the only cell";
            EXPECT_FALSE(first.count(kText)) << "an icon stands for the check mark";
        }
        pPopup->InternalRelease();
    }
}

TEST(DefaultTheme, FloatingFrameCaptionAndItsButtons)
{
    const COLORREF kInfo = RGB(255, 255, 200);
    const int nInfo = COLOR_INFOBK;
    CTheme* pTheme = new CTheme;
    pTheme->SetColors(1, &nInfo, &kInfo);
    CPlacedToolBar* pBar = new CPlacedToolBar;
    pBar->SetPaintManager(pTheme);
    pBar->Place(zmrBarFloating);
    ASSERT_TRUE(pBar->CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 120, 30), nullptr, 0));

    // Without a close button the caption takes the whole width inside the
    // borders of 3; with one it ends 18 pixels sooner.
    for (BOOL bClose : {FALSE, TRUE})
    {
        if (bClose)
        {
            pBar->AddCaptionButton(SC_MINIMIZE);
            pBar->AddCaptionButton(SC_CLOSE);
        }
        const int nRight = bClose ? 117 - 18 : 117;
        EXPECT_EQ(CRect(3, 3, nRight, 27), pBar->GetFloatingCaptionRect()) << bClose;
        CPixelCanvas canvas(120, 30, kBack);
        pTheme->PaintFloatingCaption(canvas.DC(), pBar);
        EXPECT_EQ(kFace, canvas.Pixel(0, 0)) << bClose;
        EXPECT_EQ(kFace, canvas.Pixel(2, 2)) << bClose;
        EXPECT_EQ(kShadow, canvas.Pixel(3, 3)) << bClose;
        EXPECT_EQ(kShadow, canvas.Pixel(nRight - 1, 26)) << bClose;
        EXPECT_EQ(kInfo, canvas.Pixel(4, 4)) << bClose;
        EXPECT_EQ(kInfo, canvas.Pixel(nRight - 2, 25)) << bClose;
        EXPECT_EQ(kFace, canvas.Pixel(nRight, 15)) << bClose;
    }
    EXPECT_EQ(SC_CLOSE, pBar->FindCaptionButton(SC_CLOSE)->GetCommand());
    EXPECT_EQ(pBar->GetCaptionButton(0), pBar->FindCaptionButton(SC_MINIMIZE));
    EXPECT_EQ(nullptr, pBar->FindCaptionButton(SC_MAXIMIZE));

    // The buttons: a face and frame, or the state highlight when hot or
    // pressed; the close button shows only its cross until then.
    struct Case
    {
        const char* pszName;
        UINT nCommand;
        BOOL bHot, bPressed, bEnabled;
        COLORREF topLeft, bottomRight, inside, cross;
    };
    const Case cases[] = {
        {"close", SC_CLOSE, FALSE, FALSE, TRUE, kBack, kBack, kBack, kText},
        {"close, hot", SC_CLOSE, TRUE, FALSE, TRUE, kLight, kShadow, kFace, kText},
        {"close, hot and pressed", SC_CLOSE, TRUE, TRUE, TRUE, kShadow, kLight, kFace, kText},
        {"close, disabled and hot", SC_CLOSE, TRUE, FALSE, FALSE, kFace, kFace, kFace, kGrey},
        {"minimize", SC_MINIMIZE, FALSE, FALSE, TRUE, kShadow, kShadow, kFace, kFace},
        {"minimize, pressed", SC_MINIMIZE, FALSE, TRUE, TRUE, kLight, kShadow, kFace, kFace},
    };
    for (const Case& c : cases)
    {
        CZMRCaptionButton button(c.nCommand);
        button.SetRect(CRect(20, 5, 36, 19));
        button.SetHot(c.bHot);
        button.SetPressed(c.bPressed);
        button.SetEnabled(c.bEnabled);
        CPixelCanvas canvas(50, 24, kBack);
        pTheme->PaintFloatingCaptionButton(canvas.DC(), &button);
        EXPECT_EQ(c.topLeft, canvas.Pixel(20, 5)) << c.pszName;
        EXPECT_EQ(c.bottomRight, canvas.Pixel(35, 18)) << c.pszName;
        EXPECT_EQ(c.inside, canvas.Pixel(22, 7)) << c.pszName;
        // The cross around the centre (28, 12): both strokes of both diagonals.
        for (CPoint pt : {CPoint(24, 9), CPoint(25, 9), CPoint(28, 13), CPoint(31, 15), CPoint(24, 15),
                          CPoint(30, 9), CPoint(31, 9)})
            EXPECT_EQ(c.cross, canvas.Pixel(pt.x, pt.y)) << c.pszName << " at " << pt.x << "," << pt.y;
        EXPECT_EQ(c.inside, canvas.Pixel(23, 8)) << c.pszName << ": nothing beyond the cross";
    }
    pBar->DestroyWindow();
    pBar->InternalRelease();
    pTheme->InternalRelease();
}

TEST(DefaultTheme, ListRowsTakeTheListsIconSize)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CThemeBar list(zmrBarTypeNormal, zmrBarTop);
    list.m_pBar->SetIconSize(CSize(32, 32));
    CZMRIconHandle handle;
    handle.TakeIcon(CreateMaskedIcon());
    bar.m_pImages->SetIcon(handle, 7, 32, 32, ZMR_ICONSTATE_NORMAL);
    CZMRControl* pButton = bar.Add(zmrControlButton, 7, L"Mmmm");
    bar.m_pBar->SetIconSize(CSize(16, 16));
    CTheme& theme = *bar.m_pTheme;
    const int nBase = theme.m_nBaseHeight;
    EXPECT_EQ(CSize(std::max(nBase, 36), std::max(nBase, 36)),
              theme.DrawControlListItem(nullptr, pButton, CRect(0, 0, 0, 0), FALSE, FALSE, list.m_pBar));
    const CSize szSmall = theme.GetIconSize(FALSE);
    EXPECT_EQ(CSize(std::max(nBase, int(szSmall.cx) + 4), std::max(nBase, int(szSmall.cy) + 4)),
              theme.DrawControlListItem(nullptr, pButton, CRect(0, 0, 0, 0), FALSE, FALSE, nullptr))
        << "without a list, the small default icon size";

    // Drawn at 32: the icon's middle square doubles to 16 pixels.
    const int nCell = std::max(nBase, 36);
    CPixelCanvas canvas(150, nCell, kBack);
    theme.DrawControlListItem(canvas.DC(), pButton, CRect(0, 0, 150, nCell), FALSE, TRUE, list.m_pBar);
    const int x0 = nCell / 2 - 16, y = nCell / 2;
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(x0 + 8, y));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(x0 + 23, y));
    EXPECT_NE(RGB(255, 0, 0), canvas.Pixel(x0 + 7, y));
    EXPECT_NE(RGB(255, 0, 0), canvas.Pixel(x0 + 24, y));
}

TEST(DefaultTheme, DockedGrippersAreRaisedBars)
{
    // A raised frame at x 3..6 over the height less 3 at both ends on a
    // horizontal bar, at y 3..6 over the width on a vertical one.
    struct Case
    {
        int nPosition;
        CSize szBar;
        CRect rcGripper;
    };
    const Case cases[] = {
        {zmrBarTop, CSize(60, 24), CRect(3, 3, 6, 21)},
        {zmrBarBottom, CSize(60, 24), CRect(3, 3, 6, 21)},
        {zmrBarLeft, CSize(24, 60), CRect(3, 3, 21, 6)},
        {zmrBarRight, CSize(24, 60), CRect(3, 3, 21, 6)},
    };
    for (const Case& c : cases)
    {
        CThemeBar bar(zmrBarTypeNormal, c.nPosition, c.szBar);
        CPixelCanvas canvas(c.szBar.cx, c.szBar.cy, kBack);
        bar.m_pTheme->DrawGripper(canvas.DC(), bar.m_pBar, TRUE);
        const CRect& rc = c.rcGripper;
        EXPECT_EQ(kLight, canvas.Pixel(rc.left, rc.top)) << c.nPosition;
        EXPECT_EQ(kLight, canvas.Pixel(rc.left, rc.bottom - 2)) << c.nPosition;
        EXPECT_EQ(kLight, canvas.Pixel(rc.right - 2, rc.top)) << c.nPosition;
        EXPECT_EQ(kShadow, canvas.Pixel(rc.right - 1, rc.top)) << c.nPosition;
        EXPECT_EQ(kShadow, canvas.Pixel(rc.left, rc.bottom - 1)) << c.nPosition;
        EXPECT_EQ(kShadow, canvas.Pixel(rc.right - 1, rc.bottom - 1)) << c.nPosition;
        EXPECT_EQ(kBack, canvas.Pixel(rc.left + 1, rc.top + 1)) << c.nPosition << ": one pixel inside";
        EXPECT_EQ(kBack, canvas.Pixel(rc.left - 1, rc.top)) << c.nPosition;
        EXPECT_EQ(kBack, canvas.Pixel(rc.right, rc.bottom)) << c.nPosition;
        EXPECT_EQ(kBack, canvas.Pixel(rc.left, rc.top - 1)) << c.nPosition;
    }
}

TEST(DefaultTheme, ComboDropButtonByState)
{
    // The button rectangle (40, 0, 56, 20) narrows to (41, 2, 54, 18).
    struct Case
    {
        const char* pszName;
        BOOL bEnabled;
        int nSelected;
        BOOL bDropped;
        COLORREF topLeft, bottomRight, line, face;
        int nGlyphShift;
    };
    const Case cases[] = {
        {"idle", TRUE, 0, FALSE, kLight, kLight, kBack, kFace, 0},
        {"selected", TRUE, 1, FALSE, kLight, kShadow, kFace, kFace, 0},
        {"dropped", TRUE, 1, TRUE, kShadow, kLight, kFace, kFace, 1},
        {"dropped, not selected", TRUE, 0, TRUE, kShadow, kLight, kFace, kFace, 1},
        {"disabled", FALSE, 1, FALSE, kBack, kBack, kBack, kBack, 0},
    };
    const CRect rcButton(40, 0, 56, 20), rc(41, 2, 54, 18);
    // The triangle of a 13-pixel rectangle: half-width 13 / 2 - 4 = 2, apex row
    // (2 + 18) / 2 - 1 + 2 at the centre column.
    const int xApex = rc.CenterPoint().x, yApex = (rc.top + rc.bottom) / 2 - 1 + 2;
    for (const Case& c : cases)
    {
        CTheme theme;
        CPixelCanvas canvas(60, 20, kBack);
        theme.DrawComboDropButton(canvas.DC(), rcButton, c.bEnabled, c.nSelected, c.bDropped);
        EXPECT_EQ(c.topLeft, canvas.Pixel(rc.left, rc.top)) << c.pszName;
        EXPECT_EQ(c.bottomRight, canvas.Pixel(rc.right - 1, rc.bottom - 1)) << c.pszName;
        EXPECT_EQ(c.line, canvas.Pixel(rc.left - 1, rc.top + 3)) << c.pszName << ": the line at left - 1";
        EXPECT_EQ(c.face, canvas.Pixel(rc.left + 2, rc.top + 2)) << c.pszName;
        EXPECT_EQ(kBack, canvas.Pixel(rc.right, rc.top + 3)) << c.pszName;
        EXPECT_EQ(kBack, canvas.Pixel(rc.left + 3, rc.top - 1)) << c.pszName;
        EXPECT_EQ(kText, canvas.Pixel(xApex + c.nGlyphShift, yApex + c.nGlyphShift)) << c.pszName << ": apex";
        EXPECT_NE(kText, canvas.Pixel(xApex + c.nGlyphShift, yApex + c.nGlyphShift + 1)) << c.pszName;
        EXPECT_EQ(kText, canvas.Pixel(xApex + c.nGlyphShift - 2, yApex + c.nGlyphShift - 2)) << c.pszName;
    }
}

TEST(DefaultTheme, RarelyUsedPopupRowsAreLightFaced)
{
    for (BOOL bRarelyUsed : {FALSE, TRUE})
    {
        CThemeBar bar(zmrBarTypePopup, zmrBarPopup);
        CZMRControl* pItem = bar.Add(zmrControlButton, 1, L"Mmmm");
        pItem->SetRarelyUsed(bRarelyUsed);
        const CSize sz = pItem->GetSize(nullptr);
        pItem->SetRect(CRect(0, 0, 120, sz.cy));
        CPixelCanvas canvas(120, sz.cy, kBack);
        pItem->Draw(canvas.DC());
        const COLORREF clrRow = bRarelyUsed ? kLightFace : kBack;
        EXPECT_EQ(clrRow, canvas.Pixel(0, 0)) << bRarelyUsed;
        EXPECT_EQ(clrRow, canvas.Pixel(5, sz.cy / 2)) << bRarelyUsed << ": the icon column";
        EXPECT_EQ(clrRow, canvas.Pixel(119, sz.cy - 1)) << bRarelyUsed;
        EXPECT_TRUE(ColoursIn(canvas, CRect(20, 0, 120, sz.cy)).count(kText)) << bRarelyUsed << ": the caption";
    }
}

TEST(DefaultTheme, ShortcutTextEndsNineteenPixelsFromTheRight)
{
    CThemeBar bar(zmrBarTypePopup, zmrBarPopup);
    CZMRControl* pItem = bar.Add(zmrControlButton, 1, L"&New\tCtrl+N");
    const CSize sz = pItem->GetSize(nullptr);
    const int nWidth = 200;
    pItem->SetRect(CRect(0, 0, nWidth, sz.cy));
    CPixelCanvas canvas(nWidth, sz.cy, kBack);
    pItem->Draw(canvas.DC());

    // The same text set right-aligned against right - 19 by the platform.
    CPixelCanvas expected(nWidth, sz.cy, kBack);
    CFont* pOld = expected.DC()->SelectObject(&bar.m_pTheme->m_fntRegular);
    expected.DC()->SetTextColor(kText);
    expected.DC()->SetBkMode(TRANSPARENT);
    CRect rcShortcut(nWidth / 2, 0, nWidth - 19, sz.cy);
    expected.DC()->DrawText(CString(L"Ctrl+N"), rcShortcut, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    expected.DC()->SelectObject(pOld);

    // The ink of the right half: the shortcut.
    auto inkColumns = [&](const CPixelCanvas& picture) {
        int nFirst = -1, nLast = -1;
        for (int x = nWidth / 2; x < nWidth; x++)
            for (int y = 0; y < sz.cy; y++)
                if (picture.Pixel(x, y) == kText)
                {
                    nLast = x;
                    nFirst = nFirst < 0 ? x : nFirst;
                }
        return std::make_pair(nFirst, nLast);
    };
    const auto drawn = inkColumns(canvas), wanted = inkColumns(expected);
    ASSERT_GE(wanted.first, 0);
    EXPECT_EQ(wanted, drawn) << "first and last columns of the shortcut";
}

TEST(DefaultTheme, ExpandButtonGlyphs)
{
    // Docked across: a triangle pointing down near the bottom, and with
    // hidden controls chevrons from (left + 2, top + 4) down to (left + 4,
    // top + 6), again 1, 4 and 5 pixels to the right. Docked along: a
    // triangle pointing left near the top, the chevrons near the right edge,
    // stacked.
    struct Case
    {
        int nPosition;
        CRect rc;
        CSize szBar;
        std::vector<CPoint> triangle, beside, chevrons;
        CPoint ptGap;
    };
    const Case cases[] = {
        {zmrBarTop, CRect(47, 2, 58, 22), CSize(60, 24),
         {{50, 15}, {54, 15}, {52, 17}, {51, 16}},
         {{52, 18}, {49, 15}, {55, 15}},
         {{49, 6}, {50, 6}, {53, 6}, {54, 6}, {51, 8}, {49, 10}},
         {51, 6}},
        {zmrBarLeft, CRect(2, 47, 22, 58), CSize(24, 60),
         {{8, 50}, {8, 54}, {6, 52}, {7, 52}},
         {{5, 52}, {9, 52}, {8, 49}},
         {{14, 49}, {14, 50}, {14, 53}, {14, 54}, {16, 51}, {18, 49}},
         {14, 51}},
    };
    for (const Case& c : cases)
        for (BOOL bHidden : {FALSE, TRUE})
        {
            CThemeBar bar(zmrBarTypeNormal, c.nPosition);
            CZMRControl* pExpand = bar.Add(zmrControlButton, 0, L"");
            pExpand->SetRect(c.rc);
            CPixelCanvas canvas(c.szBar.cx, c.szBar.cy, kBack);
            bar.m_pTheme->DrawOverflowButton(canvas.DC(), 0, pExpand, bar.m_pBar, TRUE, bHidden);
            for (CPoint pt : c.triangle)
                EXPECT_EQ(kText, canvas.Pixel(pt.x, pt.y)) << c.nPosition << ": triangle at " << pt.x << "," << pt.y;
            for (CPoint pt : c.beside)
                EXPECT_EQ(kBack, canvas.Pixel(pt.x, pt.y)) << c.nPosition << ": beside it at " << pt.x << "," << pt.y;
            for (CPoint pt : c.chevrons)
                EXPECT_EQ(bHidden ? kText : kBack, canvas.Pixel(pt.x, pt.y))
                    << c.nPosition << ", hidden " << bHidden << ": chevrons at " << pt.x << "," << pt.y;
            EXPECT_EQ(kBack, canvas.Pixel(c.ptGap.x, c.ptGap.y)) << c.nPosition << ": the gap between the chevrons";
        }

    // The expand button of a floating bar: a triangle in the caption text
    // colour, or in the control's own once it is hot.
    for (int nSelected : {0, 1})
    {
        CThemeBar bar(zmrBarTypeNormal, zmrBarFloating);
        bar.m_pTheme->m_clrFloatingCaptionText.SetCustomValue(RGB(255, 255, 0));
        CZMRControl* pExpand = bar.Add(zmrControlButton, 0, L"");
        pExpand->SetRect(CRect(0, 0, 16, 16));
        pExpand->OnSelectionChange(nSelected);
        CPixelCanvas canvas(16, 16, kBack);
        bar.m_pTheme->DrawOverflowButton(canvas.DC(), 3, pExpand, bar.m_pBar, TRUE, 0);
        const COLORREF clr = nSelected ? kText : RGB(255, 255, 0);
        for (CPoint pt : {CPoint(5, 6), CPoint(11, 6), CPoint(8, 9), CPoint(8, 7)})
            EXPECT_EQ(clr, canvas.Pixel(pt.x, pt.y)) << nSelected << " at " << pt.x << "," << pt.y;
        EXPECT_NE(clr, canvas.Pixel(8, 10)) << nSelected;
        EXPECT_NE(clr, canvas.Pixel(4, 6)) << nSelected;
    }
}

TEST(DefaultTheme, VerticalTwoLineCaptionsStandSideBySide)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarLeft);
    CZMRControl* pButton = bar.Add(zmrControlButton, 0, L"Mmmmmm Ww", zmrButtonIconAndCaptionBelow);
    CTheme& theme = *bar.m_pTheme;
    theme.m_bTwoLineCaptions = TRUE;
    const CRect rc(0, 0, 40, 100);
    CPixelCanvas canvas(40, 100, kBack);
    CFont* pOld = canvas.DC()->SelectObject(&theme.m_fntVertical);
    canvas.DC()->SetTextColor(kText);
    canvas.DC()->SetBkMode(TRANSPARENT);
    theme.DrawTwoLineCaption(canvas.DC(), pButton, rc, TRUE, TRUE, FALSE);
    canvas.DC()->SelectObject(pOld);
    SavePicture(canvas, L"default-theme-vertical-two-line-caption.png", 40, 100);

    // Line 1 ("Mmmmmm") in the right half, line 2 ("Ww") in the left half,
    // each centred along the strip.
    auto inkRows = [&](int x0, int x1) {
        int nTop = -1, nBottom = -1;
        for (int y = 0; y < 100; y++)
            for (int x = x0; x < x1; x++)
                if (canvas.Pixel(x, y) == kText)
                {
                    nBottom = y;
                    nTop = nTop < 0 ? y : nTop;
                }
        return std::make_pair(nTop, nBottom);
    };
    const auto right = inkRows(20, 40), left = inkRows(0, 20);
    ASSERT_GE(right.first, 0) << "line 1";
    ASSERT_GE(left.first, 0) << "line 2";
    EXPECT_GT(right.second - right.first, left.second - left.first + 10) << "the longer line on the right";
    EXPECT_NEAR(50, (right.first + right.second) / 2, 3);
    EXPECT_NEAR(50, (left.first + left.second) / 2, 3);
}

TEST(DefaultTheme, ListRowsOfControls)
{
    CThemeBar bar(zmrBarTypeNormal, zmrBarTop);
    CZMRControl* pButton = bar.Add(zmrControlButton, 100, L"&Mmmm");
    CZMRControl* pPopup = bar.Add(zmrControlPopup, 0, L"Mmmm");
    const CSize szCell = bar.m_pTheme->DrawControlListItem(nullptr, pButton, CRect(0, 0, 0, 0), FALSE, FALSE, nullptr);
    const int nBase = bar.m_pTheme->m_nBaseHeight;
    EXPECT_EQ(CSize(std::max(nBase, 20), std::max(nBase, 20)), szCell);

    const CRect rc(0, 0, 150, szCell.cy);
    CPixelCanvas selected(150, szCell.cy, kBack);
    EXPECT_EQ(szCell, bar.m_pTheme->DrawControlListItem(selected.DC(), pButton, rc, TRUE, TRUE, nullptr));
    EXPECT_EQ(kLight, selected.Pixel(0, 0)) << "the icon cell raised for the selection";
    const std::set<COLORREF> text = ColoursIn(selected, CRect(szCell.cx + 1, 0, 150, szCell.cy));
    EXPECT_TRUE(text.count(kHighlight));
    EXPECT_TRUE(text.count(kHighlightText));

    CPixelCanvas idle(150, szCell.cy, kBack);
    bar.m_pTheme->DrawControlListItem(idle.DC(), pPopup, rc, FALSE, TRUE, nullptr);
    EXPECT_EQ(kFace, idle.Pixel(2, 2)) << "no icon for an automatic popup";
    EXPECT_TRUE(ColoursIn(idle, CRect(szCell.cx, 0, 140, szCell.cy)).count(kText));
    EXPECT_EQ(kText, idle.Pixel(150 - 7, szCell.cy / 2)) << "the triangle's tip";
    EXPECT_EQ(CSize(0, 0), bar.m_pTheme->DrawControlListItem(idle.DC(), nullptr, rc, FALSE, TRUE, nullptr));
}

// ---------------------------------------------------------------- status panes

TEST(DefaultThemeStatusBar, PaneBackgroundsFillByTheirBorderStyle)
{
    CTheme theme;
    CZMRStatusBar statusBar;
    CZMRStatusBarPane* pPane = statusBar.AddPane();
    const CRect rc(0, 0, 30, 16);
    struct Case
    {
        COLORREF clrBackground;
        UINT nStyle;
        COLORREF corner, inside;
    };
    const Case cases[] = {
        {COLORREF(-1), 0, kBack, kBack},
        {RGB(0, 200, 0), 0, kBack, RGB(0, 200, 0)},
        {RGB(0, 200, 0), CZMRStatusBarPane::zmrPaneNoBorder, RGB(0, 200, 0), RGB(0, 200, 0)},
    };
    for (const Case& c : cases)
    {
        pPane->m_clrBackground = c.clrBackground;
        pPane->m_nStyle = c.nStyle;
        CPixelCanvas canvas(30, 16, kBack);
        theme.PaintStatusPane(canvas.DC(), pPane, rc);
        EXPECT_EQ(c.corner, canvas.Pixel(0, 0));
        EXPECT_EQ(c.inside, canvas.Pixel(1, 1));
    }
}

TEST(DefaultThemeStatusBar, PaneTextAlignmentColourAndMarkup)
{
    CTheme theme;
    CZMRStatusBar statusBar;
    CZMRStatusBarPane* pPane = statusBar.AddPane();
    pPane->SetText(L"Ready");
    const CRect rc(0, 0, 120, 18);

    auto inkColumns = [&](const CPixelCanvas& canvas, COLORREF clr) {
        int nFirst = -1, nLast = -1;
        for (int x = 0; x < 120; x++)
            for (int yy = 0; yy < 18; yy++)
                if (canvas.Pixel(x, yy) == clr)
                {
                    nLast = x;
                    if (nFirst < 0)
                        nFirst = x;
                }
        return std::make_pair(nFirst, nLast);
    };

    CPixelCanvas left(120, 18, kBack);
    theme.PaintStatusPane(left.DC(), pPane, rc);
    const auto leftInk = inkColumns(left, kText);
    ASSERT_GE(leftInk.first, 0) << "the bar text colour";
    EXPECT_LT(leftInk.first, 3);

    pPane->m_nTextAlignment = 2;
    CPixelCanvas right(120, 18, kBack);
    theme.PaintStatusPane(right.DC(), pPane, rc);
    const auto rightInk = inkColumns(right, kText);
    EXPECT_GT(rightInk.second, 115);
    EXPECT_EQ(leftInk.second - leftInk.first, rightInk.second - rightInk.first);

    // Disabled: grey; hidden altogether unless the bar draws disabled text.
    pPane->m_nStyle = CZMRStatusBarPane::zmrPaneDisabled;
    CPixelCanvas hidden(120, 18, kBack);
    theme.PaintStatusPane(hidden.DC(), pPane, rc);
    EXPECT_EQ(std::set<COLORREF>{kBack}, ColoursIn(hidden, rc));
    statusBar.m_bDrawDisabledText = TRUE;
    CPixelCanvas grey(120, 18, kBack);
    theme.PaintStatusPane(grey.DC(), pPane, rc);
    EXPECT_GE(inkColumns(grey, kGrey).first, 0);
    EXPECT_LT(inkColumns(grey, kText).first, 0);

    // Markup text is rendered by the markup engine, not shown as source.
    statusBar.EnableMarkup();
    pPane->m_nStyle = 0;
    pPane->m_nTextAlignment = 0;
    pPane->SetText(L"<TextBlock Background=\"Lime\" Foreground=\"Blue\">mm</TextBlock>");
    ASSERT_NE(nullptr, pPane->GetMarkupElement());
    CPixelCanvas markup(120, 18, kBack);
    theme.PaintStatusPane(markup.DC(), pPane, rc);
    EXPECT_GE(inkColumns(markup, RGB(0, 255, 0)).first, 0);
    EXPECT_GE(inkColumns(markup, RGB(0, 0, 255)).first, 0);
    EXPECT_LT(inkColumns(markup, kText).first, 0) << "no plain text";
}

TEST(DefaultThemeStatusBar, PaneAndSwitchLookups)
{
    CTheme theme;
    CZMRStatusBar statusBar;
    CZMRStatusBarPane* pPane = statusBar.AddPane();
    EXPECT_EQ(pPane, statusBar.GetPane(0));
    EXPECT_EQ(nullptr, statusBar.GetPane(1));
    EXPECT_EQ(nullptr, statusBar.GetPane(-1));
    EXPECT_EQ(0, pPane->GetIndex());
    pPane->AddSwitch(10);
    pPane->AddSwitch(11);
    EXPECT_EQ(36, theme.PaintStatusPaneSwitches(nullptr, CRect(0, 0, 100, 20), pPane));
    EXPECT_EQ(18, pPane->GetSwitch(1).nWidth);
    bool bThrown = false;
    try
    {
        pPane->GetSwitch(2);
    }
    catch (CException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

namespace
{
// A pane with an icon of its own.
class CIconPane : public CZMRStatusBarPane
{
public:
    CIconPane(CZMRStatusBar* pStatusBar, CZMRImageManagerIcon* pIcon)
        : CZMRStatusBarPane(pStatusBar, 0), m_pIcon(pIcon)
    {
    }
    CZMRImageManagerIcon* GetPaneIcon() override { return m_pIcon; }
    CZMRImageManagerIcon* m_pIcon;
};
} // namespace

TEST(DefaultThemeStatusBar, ButtonPanesAndIcons)
{
    CTheme theme;
    CZMRStatusBar statusBar;
    CZMRStatusBarPane* pPane = statusBar.AddPane();
    pPane->SetText(L"Mmmm");
    pPane->m_bButton = TRUE;
    const CRect rc(0, 0, 60, 18);

    CPixelCanvas idle(60, 18, kBack);
    theme.PaintStatusPane(idle.DC(), pPane, rc);
    EXPECT_EQ(kBack, idle.Pixel(0, 0)) << "no face while neither hot nor pressed";

    statusBar.m_pHotPane = pPane;
    CPixelCanvas hot(60, 18, kBack);
    theme.PaintStatusPane(hot.DC(), pPane, rc);
    EXPECT_EQ(kLight, hot.Pixel(0, 0)) << "hot: raised";
    pPane->m_bPressed = TRUE;
    CPixelCanvas pressed(60, 18, kBack);
    theme.PaintStatusPane(pressed.DC(), pPane, rc);
    EXPECT_EQ(kShadow, pressed.Pixel(0, 0)) << "hot and pressed: sunken";

    // An icon at the left, vertically centred, the text after it.
    CZMRImageManager* pImages = new CZMRImageManager;
    CZMRIconHandle handle;
    handle.TakeIcon(CreateMaskedIcon());
    pImages->SetIcon(handle, 7, 16, 16, ZMR_ICONSTATE_NORMAL);
    CIconPane* pIconPane = new CIconPane(&statusBar, pImages->GetImage(7, 16));
    pIconPane->SetText(L"Mmmm");
    CPixelCanvas icon(60, 20, kBack);
    theme.PaintStatusPane(icon.DC(), pIconPane, CRect(0, 0, 60, 20));
    EXPECT_EQ(RGB(255, 0, 0), icon.Pixel(4, 2 + 4));
    EXPECT_EQ(RGB(255, 0, 0), icon.Pixel(11, 2 + 11));
    EXPECT_TRUE(ColoursIn(icon, CRect(18, 0, 60, 20)).count(kText));
    EXPECT_FALSE(ColoursIn(icon, CRect(0, 0, 17, 20)).count(kText));
    pIconPane->InternalRelease();
    pImages->InternalRelease();
}

// ---------------------------------------------------------------- pictures

namespace
{
// Paints the bar's background and gripper on a canvas of szCanvas, then
// places its controls one after another behind the gripper, 3 pixels in from
// the bar's edge, across the bar or with bVertical down it, with a separator
// before each group, and draws them.
template <size_t N>
void DrawBarInLine(CThemeBar& bar, CPixelCanvas& canvas, CSize szCanvas, CZMRControl* (&pControls)[N], bool bVertical)
{
    bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
    const CSize szGripper = bar.m_pTheme->DrawGripper(canvas.DC(), bar.m_pBar, TRUE);
    int nPos = (bVertical ? szGripper.cy : szGripper.cx) + 4;
    for (CZMRControl* pControl : pControls)
    {
        const CSize sz = pControl->GetSize(canvas.DC());
        if (pControl->GetBeginGroup())
            nPos += 6;
        if (bVertical)
        {
            pControl->SetRect(CRect(3, nPos, 3 + sz.cx, nPos + sz.cy));
            pControl->SetRowRect(CRect(3, 0, szCanvas.cx - 3, szCanvas.cy));
        }
        else
        {
            pControl->SetRect(CRect(nPos, 3, nPos + sz.cx, 3 + sz.cy));
            pControl->SetRowRect(CRect(0, 3, szCanvas.cx, 3 + sz.cy));
        }
        if (pControl->GetBeginGroup())
            bar.m_pTheme->DrawSeparator(canvas.DC(), bar.m_pBar, pControl, TRUE);
        pControl->Draw(canvas.DC());
        nPos += bVertical ? sz.cy : sz.cx;
    }
}
} // namespace

TEST(DefaultThemePictures, ToolBarPopupAndStatusBar)
{
    // A tool bar: gripper, icon buttons, a checked one, a group, a popup with
    // caption, a split button, a check box and a hot button.
    {
        CThemeBar bar(zmrBarTypeNormal, zmrBarTop, CSize(330, 28));
        ASSERT_TRUE(bar.m_pBar->GetSafeHwnd());
        CZMRControl* pControls[] = {
            bar.Add(zmrControlButton, 100, L"New", zmrButtonIcon),
            bar.Add(zmrControlButton, 101, L"Warn", zmrButtonIcon),
            bar.Add(zmrControlButton, 102, L"&Info", zmrButtonIconAndCaption),
            bar.Add(zmrControlPopup, 0, L"&View", zmrButtonCaption),
            bar.Add(zmrControlSplitButtonPopup, 103, L"Ask", zmrButtonIcon),
            bar.Add(zmrControlCheckBox, 0, L"Wrap", zmrButtonCaption),
        };
        pControls[1]->SetChecked(TRUE);
        pControls[3]->SetBeginGroup(TRUE);
        pControls[5]->SetChecked(TRUE);
        pControls[2]->OnSelectionChange(1);
        CPixelCanvas canvas(330, 28, kBack);
        DrawBarInLine(bar, canvas, CSize(330, 28), pControls, false);
        EXPECT_EQ(kFace, canvas.Pixel(320, 14));
        SavePicture(canvas, L"default-theme-toolbar.png", 330, 28);
    }

    // A tool bar docked at the left: vertical captions.
    {
        CThemeBar bar(zmrBarTypeNormal, zmrBarLeft, CSize(28, 200));
        ASSERT_TRUE(bar.m_pBar->GetSafeHwnd());
        CZMRControl* pControls[] = {
            bar.Add(zmrControlButton, 100, L"New", zmrButtonIcon),
            bar.Add(zmrControlButton, 0, L"&Open", zmrButtonCaption),
            bar.Add(zmrControlPopup, 0, L"&View", zmrButtonCaption),
            bar.Add(zmrControlButton, 101, L"Warn", zmrButtonIcon),
        };
        pControls[2]->SetBeginGroup(TRUE);
        pControls[1]->OnSelectionChange(1);
        CPixelCanvas canvas(28, 200, kBack);
        DrawBarInLine(bar, canvas, CSize(28, 200), pControls, true);
        EXPECT_TRUE(ColoursIn(canvas, pControls[1]->GetRect()).count(kText)) << "the vertical caption";
        SavePicture(canvas, L"default-theme-toolbar-vertical.png", 28, 200);
    }

    // A popup: icons, shortcuts, a separator, checked and radio items, a
    // disabled item, a submenu, a split item, the selected one.
    {
        CThemeBar bar(zmrBarTypePopup, zmrBarPopup, CSize(200, 220));
        ASSERT_TRUE(bar.m_pBar->GetSafeHwnd());
        CZMRControl* pControls[] = {
            bar.Add(zmrControlButton, 100, L"&New\tCtrl+N"),
            bar.Add(zmrControlButton, 101, L"&Open...\tCtrl+O"),
            bar.Add(zmrControlButton, 0, L"&Save\tCtrl+S"),
            bar.Add(zmrControlButton, 0, L"Word &Wrap"),
            bar.Add(zmrControlButton, 102, L"&Details"),
            bar.Add(zmrControlRadioButton, 0, L"&Large"),
            bar.Add(zmrControlButton, 0, L"&Paste"),
            bar.Add(zmrControlPopup, 0, L"&Recent"),
            bar.Add(zmrControlSplitButtonPopup, 103, L"&Help"),
        };
        pControls[1]->OnSelectionChange(1);
        pControls[3]->SetBeginGroup(TRUE);
        pControls[3]->SetChecked(TRUE);
        pControls[4]->SetChecked(TRUE);
        pControls[5]->SetChecked(TRUE);
        pControls[6]->SetEnabled(FALSE);
        pControls[7]->SetBeginGroup(TRUE);
        CPixelCanvas canvas(200, 220, kBack);
        bar.m_pTheme->PaintBarBackground(canvas.DC(), bar.m_pBar);
        int y = 3;
        for (CZMRControl* pControl : pControls)
        {
            const CSize sz = pControl->GetSize(canvas.DC());
            if (pControl->GetBeginGroup())
                y += 8;
            pControl->SetRect(CRect(3, y, 197, y + sz.cy));
            pControl->SetRowRect(pControl->GetRect());
            if (pControl->GetBeginGroup())
                bar.m_pTheme->DrawSeparator(canvas.DC(), bar.m_pBar, pControl, TRUE);
            pControl->Draw(canvas.DC());
            y += sz.cy;
        }
        EXPECT_EQ(kDark, canvas.Pixel(199, 219)) << "popup frame";
        SavePicture(canvas, L"default-theme-popup.png", 200, 220);
    }

    // A status bar: plain, markup, coloured, right-aligned and disabled panes.
    {
        CTheme theme;
        CZMRStatusBar statusBar;
        statusBar.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 400, 22), nullptr, 0);
        ASSERT_TRUE(statusBar.GetSafeHwnd());
        CPixelCanvas canvas(400, 22, kBack);
        themetest::PaintStatusBarPanes(theme, canvas, statusBar);
        EXPECT_EQ(kShadow, canvas.Pixel(2, 2)) << "the first pane's divider";
        SavePicture(canvas, L"default-theme-statusbar.png", 400, 22);

        // The bold run of the markup pane is wider than the same text plain.
        auto inkWidth = [&](LPCWSTR lpszMarkup) {
            CZMRStatusBarPane* pPane = statusBar.GetPane(1);
            pPane->SetText(lpszMarkup);
            CPixelCanvas pane(120, 22, kBack);
            theme.PaintStatusPane(pane.DC(), pPane, CRect(0, 2, 100, 20));
            int nFirst = -1, nLast = -1;
            for (int x = 0; x < 120; x++)
                for (int y = 0; y < 22; y++)
                    if (pane.Pixel(x, y) == kText)
                    {
                        nLast = x;
                        nFirst = nFirst < 0 ? x : nFirst;
                    }
            return nFirst < 0 ? 0 : nLast - nFirst + 1;
        };
        const int nPlain = inkWidth(L"<TextBlock>COM3</TextBlock>");
        ASSERT_GT(nPlain, 0);
        EXPECT_GT(inkWidth(L"<TextBlock><Bold>COM3</Bold></TextBlock>"), nPlain);
        statusBar.DestroyWindow();
    }
}
