// Pixels of a drawn strip. Every colour the drawing may use is given a
// colour of its own (through the colour set's overrides and the colour
// manager), so that one pixel tells which rule painted it.
#include "TabTestSupport.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRColorManager.h"
#include "PixelCanvas.h"
#include "ArtifactPng.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
const COLORREF kControlFace = RGB(10, 200, 10);
const COLORREF kHeader = RGB(20, 20, 220);
const COLORREF kSelectedFace = RGB(240, 240, 240);
const COLORREF kNormalFace = RGB(200, 200, 200);
const COLORREF kFrameBorder = RGB(150, 0, 150);
const COLORREF kTextNormal = RGB(0, 0, 255);
const COLORREF kTextSelected = RGB(255, 0, 0);
const COLORREF kTextHot = RGB(0, 128, 0);
const COLORREF kTextDisabled = RGB(128, 128, 0);
const COLORREF kButtonText = RGB(60, 0, 0);
const COLORREF kButtonShadow = RGB(70, 70, 0);
const COLORREF kButtonHighlight = RGB(0, 90, 90);

class CColorsFixture : public CTabHostFixture
{
public:
    explicit CColorsFixture(int nItems = 3, int nPosition = zmrTabPositionTop)
        : CTabHostFixture(nItems, CRect(100, 100, 500, 400), nPosition)
    {
        CZMRColorManager* pColors = GetColorManager();
        m_clrOld[0] = pColors->m_arrCustomColor[COLOR_BTNTEXT];
        m_clrOld[1] = pColors->m_arrCustomColor[COLOR_BTNSHADOW];
        m_clrOld[2] = pColors->m_arrCustomColor[COLOR_BTNHIGHLIGHT];
        pColors->SetColor(COLOR_BTNTEXT, kButtonText);
        pColors->SetColor(COLOR_BTNSHADOW, kButtonShadow);
        pColors->SetColor(COLOR_BTNHIGHLIGHT, kButtonHighlight);

        CZMRTabPaintManager* pPaintManager = PaintManager();
        CZMRTabPaintManager::CColorSet* pColorSet = pPaintManager->GetColorSet();
        pColorSet->m_clrControlFace.SetCustomValue(kControlFace);
        pColorSet->m_clrHeaderFace.clrLight.SetCustomValue(kHeader);
        pColorSet->m_clrHeaderFace.clrDark.SetCustomValue(kHeader);
        pColorSet->m_clrSelectedFace.SetCustomValue(kSelectedFace);
        pColorSet->m_clrNormalFace.SetCustomValue(kNormalFace);
        pColorSet->m_clrFrameBorder.SetCustomValue(kFrameBorder);
        pColorSet->m_clrTextNormal.SetCustomValue(kTextNormal);
        pColorSet->m_clrTextInactive.SetCustomValue(kTextNormal);
        pColorSet->m_clrTextSelected.SetCustomValue(kTextSelected);
        pColorSet->m_clrTextHot.SetCustomValue(kTextHot);
        pColorSet->m_clrTextDisabled.SetCustomValue(kTextDisabled);
        pPaintManager->OnPropertyChanged();
    }
    ~CColorsFixture()
    {
        CZMRColorManager* pColors = GetColorManager();
        pColors->SetColor(COLOR_BTNTEXT, m_clrOld[0]);
        pColors->SetColor(COLOR_BTNSHADOW, m_clrOld[1]);
        pColors->SetColor(COLOR_BTNHIGHLIGHT, m_clrOld[2]);
    }
    void Draw(CPixelCanvas& canvas)
    {
        PaintManager()->DrawTabControl(&Strip(), canvas.DC(), CRect(0, 0, 400, 300));
    }
    static int CountColor(CPixelCanvas& canvas, CRect rc, COLORREF clr)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                n += canvas.Pixel(x, y) == clr;
        return n;
    }

    COLORREF m_clrOld[3];
};

int CountDifferences(CPixelCanvas& a, CPixelCanvas& b, CRect rc)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}


TEST(TabDraw, BackgroundHeaderClientAndFaces)
{
    CColorsFixture f(3);
    f.Strip().SetCurSel(1);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    // The header's margin, the band's far end, the client and the two faces.
    EXPECT_EQ(kHeader, canvas.Pixel(1, 10));
    EXPECT_EQ(kHeader, canvas.Pixel(300, 10));
    // The client takes the selected tab's face.
    EXPECT_EQ(kSelectedFace, canvas.Pixel(200, 200));
    EXPECT_EQ(kNormalFace, canvas.Pixel(5, 5));
    EXPECT_EQ(kSelectedFace, canvas.Pixel(75, 5));
    EXPECT_EQ(kNormalFace, canvas.Pixel(145, 5));
}

TEST(TabDraw, TextColoursFollowTheItemsState)
{
    CColorsFixture f(4);
    f.Strip().SetCurSel(1);
    f.Item(3)->SetEnabled(FALSE);
    f.PaintManager()->m_bHotTracking = TRUE;
    f.Strip().TrackHotItem(f.m_pHost, f.Item(2)->GetRect().CenterPoint());
    ASSERT_EQ(f.Item(2), f.Strip().GetHotItem());
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    struct
    {
        int nItem;
        COLORREF clrExpected;
    } cases[] = { {0, kTextNormal}, {1, kTextSelected}, {2, kTextHot}, {3, kTextDisabled} };
    const COLORREF arrAll[] = { kTextNormal, kTextSelected, kTextHot, kTextDisabled };
    for (const auto& c : cases)
    {
        for (COLORREF clr : arrAll)
        {
            const int n = CColorsFixture::CountColor(canvas, f.Item(c.nItem)->GetRect(), clr);
            if (clr == c.clrExpected)
                EXPECT_GT(n, 10) << c.nItem;
            else
                EXPECT_EQ(0, n) << c.nItem;
        }
    }
}

TEST(TabDraw, OneColourPerItemPaintsFacesAndClientInTheItemColours)
{
    CColorsFixture f(3);
    f.PaintManager()->m_bOneColorPerItem = TRUE;
    f.Item(2)->SetColor(RGB(1, 99, 200));
    f.Strip().SetCurSel(1);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    EXPECT_EQ(RGB(138, 168, 228), canvas.Pixel(5, 5));
    EXPECT_EQ(RGB(255, 219, 117), canvas.Pixel(75, 5));
    EXPECT_EQ(RGB(1, 99, 200), canvas.Pixel(145, 5));
    EXPECT_EQ(RGB(255, 219, 117), canvas.Pixel(200, 200));
}

TEST(TabDraw, ControlBackgroundAndStaticFrame)
{
    CColorsFixture f(1);
    f.PaintManager()->m_bStaticFrame = TRUE;
    f.PaintManager()->m_rcControlMargin = CRect(0, 0, 0, 4);
    f.PaintManager()->OnPropertyChanged();
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    EXPECT_EQ(kFrameBorder, canvas.Pixel(0, 0));
    EXPECT_EQ(kFrameBorder, canvas.Pixel(399, 299));
    EXPECT_EQ(kControlFace, canvas.Pixel(1, 1));
    EXPECT_EQ(kControlFace, canvas.Pixel(398, 298));
    // The control margin at the bottom stays in the control background.
    EXPECT_EQ(kControlFace, canvas.Pixel(200, 296));
}

// The glyph colour (button text) at points of the glyph's shape, relative to
// the button's centre; the face colour at points beside it.
TEST(TabDraw, NavigateButtonGlyphs)
{
    CColorsFixture f(10);
    f.Strip().GetNavigateButton(zmrTabNavigateButtonClose)->SetVisibilityMode(zmrTabNavigateButtonAlways);
    f.Strip().SetScrollOffset(-40);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const CPoint cRight = f.Strip().GetNavigateButton(zmrTabNavigateButtonRight)->GetRect().CenterPoint();
    const CPoint cLeft = f.Strip().GetNavigateButton(zmrTabNavigateButtonLeft)->GetRect().CenterPoint();
    const CPoint cClose = f.Strip().GetNavigateButton(zmrTabNavigateButtonClose)->GetRect().CenterPoint();
    // Right arrow: (-2,-5), (2,-1), (-2,3), filled.
    EXPECT_EQ(kButtonText, canvas.Pixel(cRight.x - 2, cRight.y - 5));
    EXPECT_EQ(kButtonText, canvas.Pixel(cRight.x - 1, cRight.y - 1));
    EXPECT_EQ(kButtonText, canvas.Pixel(cRight.x + 2, cRight.y - 1));
    EXPECT_NE(kButtonText, canvas.Pixel(cRight.x + 3, cRight.y - 1));
    EXPECT_NE(kButtonText, canvas.Pixel(cRight.x - 3, cRight.y - 1));
    // Left arrow: (2,-5), (-2,-1), (2,3).
    EXPECT_EQ(kButtonText, canvas.Pixel(cLeft.x + 2, cLeft.y - 5));
    EXPECT_EQ(kButtonText, canvas.Pixel(cLeft.x - 2, cLeft.y - 1));
    EXPECT_NE(kButtonText, canvas.Pixel(cLeft.x - 3, cLeft.y - 1));
    // Close: the two doubled diagonals cross at the centre.
    EXPECT_EQ(kButtonText, canvas.Pixel(cClose.x - 4, cClose.y - 3));
    EXPECT_EQ(kButtonText, canvas.Pixel(cClose.x - 3, cClose.y - 3));
    EXPECT_EQ(kButtonText, canvas.Pixel(cClose.x + 2, cClose.y + 3));
    EXPECT_EQ(kButtonText, canvas.Pixel(cClose.x - 4, cClose.y + 3));
    EXPECT_EQ(kButtonText, canvas.Pixel(cClose.x + 2, cClose.y - 3));
    EXPECT_NE(kButtonText, canvas.Pixel(cClose.x, cClose.y - 4));
    EXPECT_NE(kButtonText, canvas.Pixel(cClose.x - 4, cClose.y));
}

TEST(TabDraw, DisabledArrowIsHollowAndHotButtonIsFramed)
{
    CColorsFixture f(10);
    // At offset 0 the left arrow is disabled: outline only.
    CZMRTabManagerNavigateButton* pLeft = f.Strip().GetNavigateButton(zmrTabNavigateButtonLeft);
    CZMRTabManagerNavigateButton* pRight = f.Strip().GetNavigateButton(zmrTabNavigateButtonRight);
    ASSERT_FALSE(pLeft->IsEnabled());
    f.Strip().SetHotButton(pRight);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    const CPoint cLeft = pLeft->GetRect().CenterPoint();
    EXPECT_EQ(kButtonText, canvas.Pixel(cLeft.x + 2, cLeft.y - 5));
    EXPECT_EQ(kButtonText, canvas.Pixel(cLeft.x - 2, cLeft.y - 1));
    EXPECT_NE(kButtonText, canvas.Pixel(cLeft.x + 1, cLeft.y - 1));
    // The hot right arrow: a 3-D frame, shadow at the top left.
    const CRect rcRight = pRight->GetRect();
    EXPECT_EQ(kButtonShadow, canvas.Pixel(rcRight.left, rcRight.top + 3));
    EXPECT_EQ(kButtonHighlight, canvas.Pixel(rcRight.right - 1, rcRight.top + 3));
    EXPECT_EQ(kButtonText, canvas.Pixel(rcRight.CenterPoint().x - 1, rcRight.CenterPoint().y - 1));
    // Not hot, no frame.
    EXPECT_EQ(kHeader, canvas.Pixel(pLeft->GetRect().left, pLeft->GetRect().top + 3));
}

TEST(TabDraw, TabCloseButtonsInsideTheirTabs)
{
    CColorsFixture f(0);
    f.Strip().SetCloseButtonMode(zmrTabNavigateButtonAutomatic);
    f.Strip().AddItem(-1);
    f.Strip().AddItem(-1);
    f.Strip().SetCurSel(0);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    // Automatic: only the selected tab shows its close button, 3 px before the end.
    CZMRTabManagerNavigateButton* pShown = f.Item(0)->GetNavigateButtons()[0];
    CZMRTabManagerNavigateButton* pHidden = f.Item(1)->GetNavigateButtons()[0];
    EXPECT_EQ(f.Item(0)->GetRect().right - 3, pShown->GetRect().right);
    EXPECT_TRUE(pHidden->GetRect().IsRectEmpty());
    const CPoint c = pShown->GetRect().CenterPoint();
    EXPECT_EQ(kButtonText, canvas.Pixel(c.x - 3, c.y - 3));
    EXPECT_EQ(kButtonText, canvas.Pixel(c.x + 3, c.y + 3));
}

TEST(TabDraw, FocusRectangleOnTheFocusedSelectedTab)
{
    CColorsFixture f(2);
    f.Strip().SetCurSel(0);
    CPixelCanvas without(400, 300);
    f.Draw(without);
    f.Strip().m_bKeyboardFocused = TRUE;
    CPixelCanvas with(400, 300);
    f.Draw(with);
    // The dotted frame runs 3 px inside the tab; the unselected tab has none.
    const CRect rc = f.Item(0)->GetRect();
    int nChanged = 0;
    for (int x = rc.left + 3; x < rc.right - 3; x++)
        nChanged += with.Pixel(x, rc.top + 3) != without.Pixel(x, rc.top + 3);
    EXPECT_GT(nChanged, (rc.Width() - 6) / 3);
    const CRect rc1 = f.Item(1)->GetRect();
    for (int x = rc1.left + 3; x < rc1.right - 3; x++)
        EXPECT_EQ(without.Pixel(x, rc1.top + 3), with.Pixel(x, rc1.top + 3));
}

// A picture of a strip in each position, with icons, tab-close buttons and
// the scroll and close buttons of the strip.
TEST(TabDraw, PicturesOfEveryPosition)
{
    HICON hIcon = ::LoadIcon(nullptr, IDI_INFORMATION);
    const int nWidth = 420, nHeight = 4 * 170;
    CPixelCanvas sheet(nWidth, nHeight, RGB(255, 255, 255));
    const wchar_t* arrNames[] = { L"top", L"left", L"bottom", L"right" };
    for (int nPosition = 0; nPosition < 4; nPosition++)
    {
        CColorsFixture f(0, nPosition);
        f.PaintManager()->m_szIcon = CSize(16, 16);
        f.PaintManager()->SetLayout(zmrTabLayoutAutoSize);
        f.Strip().SetCloseButtonMode(zmrTabNavigateButtonAutomatic);
        f.Strip().GetNavigateButton(zmrTabNavigateButtonClose)->SetVisibilityMode(zmrTabNavigateButtonAutomatic);
        for (int i = 0; i < 6; i++)
        {
            CZMRTabManagerItem* pItem = f.Strip().AddItem(-1);
            pItem->SetCaption((std::wstring(arrNames[nPosition]) + L" tab " + std::to_wstring(i)).c_str());
            pItem->SetIcon(i % 2 ? hIcon : nullptr);
        }
        f.Strip().SetCurSel(1);
        f.m_pHost->SetWindowPos(nullptr, 0, 0, 400, 160, SWP_NOMOVE | SWP_NOZORDER);
        CTabHostWnd::Pump();
        CPixelCanvas canvas(400, 160);
        f.PaintManager()->DrawTabControl(&f.Strip(), canvas.DC(), CRect(0, 0, 400, 160));
        ::BitBlt(sheet.DC()->GetSafeHdc(), 10, 5 + nPosition * 170, 400, 160, canvas.DC()->GetSafeHdc(), 0, 0, SRCCOPY);
        // The strip's own buttons are drawn in every position.
        const CRect rcClose = f.Strip().GetNavigateButton(zmrTabNavigateButtonClose)->GetRect();
        EXPECT_FALSE(rcClose.IsRectEmpty()) << nPosition;
        EXPECT_GT(CColorsFixture::CountColor(canvas, rcClose, kButtonText), 10) << nPosition;
    }
    EXPECT_TRUE(SaveArtifactPng(L"tabstrip_positions.png", nWidth, nHeight,
                                [&](int x, int y) { return sheet.Pixel(x, y); }));
}
}

namespace
{
// With markup captions on, a caption is measured and drawn by the markup
// engine in the DC's font and the item's text colour; with them off the same
// text is a plain caption, tags and all.
TEST(TabDraw, MarkupCaptionsWhenTheStripTakesThem)
{
    CColorsFixture f(1);
    f.PaintManager()->SetLayout(zmrTabLayoutAutoSize);
    f.Item(0)->SetCaption(L"<TextBlock>Hi</TextBlock>");
    const int nPlainWidth = f.Item(0)->GetRect().Width();
    f.Strip().EnableMarkup(TRUE, f.m_pHost->GetSafeHwnd());
    ASSERT_NE(nullptr, f.Item(0)->GetMarkupElement());
    const int nMarkupWidth = f.Item(0)->GetRect().Width();
    EXPECT_LT(nMarkupWidth, nPlainWidth);
    EXPECT_GT(nMarkupWidth, 12);
    f.Strip().SetCurSel(0);
    CPixelCanvas canvas(400, 300);
    f.Draw(canvas);
    EXPECT_GT(CColorsFixture::CountColor(canvas, f.Item(0)->GetRect(), kTextSelected), 5);
    f.Strip().EnableMarkup(FALSE);
    EXPECT_EQ(nullptr, f.Item(0)->GetMarkupElement());
    EXPECT_EQ(nPlainWidth, f.Item(0)->GetRect().Width());
}

// Cut captions: "..." in the middle keeps the caption's start as the end
// ellipsis does, but shows its end instead of cutting it.
TEST(TabDraw, MiddleEllipsisKeepsBothEnds)
{
    CColorsFixture f(1);
    f.PaintManager()->SetLayout(zmrTabLayoutFixed);
    f.PaintManager()->m_nFixedItemWidth = 90;
    f.Item(0)->SetCaption(L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWIIIII");
    CPixelCanvas endCut(400, 300);
    f.Draw(endCut);
    f.PaintManager()->m_bMiddleEllipsis = TRUE;
    CPixelCanvas middleCut(400, 300);
    f.Draw(middleCut);
    const CRect rc = f.Item(0)->GetRect();
    const int nStartDiffers = CountDifferences(endCut, middleCut, CRect(rc.left, rc.top, rc.left + 20, rc.bottom));
    const int nEndDiffers = CountDifferences(endCut, middleCut, CRect(rc.CenterPoint().x, rc.top, rc.right, rc.bottom));
    EXPECT_EQ(0, nStartDiffers);
    EXPECT_GT(nEndDiffers, 5);
    // The text stays inside the right text margin.
    EXPECT_EQ(0, CColorsFixture::CountColor(middleCut, CRect(rc.right - 5, rc.top, rc.right, rc.bottom), kTextNormal));
}
}

namespace
{
// The hide-prefixes switch hides the mnemonic's underline of captions drawn
// with mnemonics; captions drawn without prefix processing do not change.
TEST(TabDraw, HidePrefixesHidesTheUnderlineOnly)
{
    for (BOOL bNoPrefix : {FALSE, TRUE})
    {
        CColorsFixture f(1);
        f.PaintManager()->SetLayout(zmrTabLayoutFixed);
        f.PaintManager()->m_bNoPrefix = bNoPrefix;
        f.Item(0)->SetCaption(L"&File");
        CPixelCanvas shown(400, 300);
        f.Draw(shown);
        f.PaintManager()->m_bHidePrefixes = TRUE;
        CPixelCanvas hidden(400, 300);
        f.Draw(hidden);
        const int nDifferences = CountDifferences(shown, hidden, f.Item(0)->GetRect());
        if (bNoPrefix)
            EXPECT_EQ(0, nDifferences);
        else
            EXPECT_GT(nDifferences, 2);
    }
}
}
