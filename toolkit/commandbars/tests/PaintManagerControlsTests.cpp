// The paint manager's layout of whole controls: tool-bar and popup items
// measured against the text extents of the bar fonts, the same sizes drawn,
// the caption placement that the sizes promise, the special bar buttons and
// the state a control hands to the theme.
#include "CommandBarsTestSupport.h"
#include "CZMRControls.h"
#include "CZMRImageManager.h"
#include "CZMRIconHandle.h"
#include "PixelCanvas.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kArrow = RGB(0, 0, 200);

// A theme with real fonts whose state text colour is a fixed literal blue and
// which records the state it was asked for.
class CControlsTheme : public CTestTheme
{
public:
    CControlsTheme() { RefreshMetrics(); }
    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped,
                               int nBarType, int nBarPosition) override
    {
        m_stateArgs = {nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType, nBarPosition};
        return kArrow;
    }
    std::vector<int> m_stateArgs;
};

// A bar of the controls theme with its own image manager.
struct CThemedBar : CThemedBarFixture<CControlsTheme>
{
    CThemedBar(int nType = zmrBarTypeNormal, int nPosition = zmrBarTop) : CThemedBarFixture(nType, nPosition) {}
    // With bImage the manager gets an icon of nIconSize for the control's id.
    CZMRControl* Add(int nType, int nId, LPCTSTR lpszCaption, int nStyle, BOOL bImage = FALSE, int nIconSize = 16)
    {
        CZMRControl* pControl = CThemedBarFixture::Add(nType, nId, lpszCaption, nStyle);
        if (bImage)
        {
            CZMRIconHandle handle;
            handle.SetIcon(::LoadIcon(nullptr, IDI_APPLICATION));
            m_pImages->SetIcon(handle, UINT(nId), nIconSize, nIconSize, ZMR_ICONSTATE_NORMAL);
        }
        return pControl;
    }
};

CSize TextExtent(CDC* pDC, CFont* pFont, LPCTSTR lpszText)
{
    CFont* pOld = pDC->SelectObject(pFont);
    const CSize sz = pDC->GetTextExtent(CString(lpszText));
    pDC->SelectObject(pOld);
    return sz;
}

} // namespace

TEST(PaintManagerControls, ToolBarItemsMeasureFromTheirCaptionsAndCells)
{
    CPixelCanvas canvas(400, 200, kWhite);
    struct Case
    {
        const char* pszName;
        int nBarType, nPosition, nType, nStyle;
        BOOL bImage;
        LPCTSTR lpszCaption;
        int nCustomWidth;
        // Expected size from the caption's extent (w, h) in the bar font.
        CSize (*expected)(CSize text, CControlsTheme* pTheme);
    };
    const Case cases[] = {
        {"caption button without image", zmrBarTypeNormal, zmrBarTop, zmrControlButton, zmrButtonCaption, FALSE,
         L"Open", 0, [](CSize t, CControlsTheme*) { return CSize(t.cx + 8, std::max(22, int(t.cy) + 6)); }},
        {"icon button without its icon keeps the cell", zmrBarTypeNormal, zmrBarTop, zmrControlButton,
         zmrButtonIcon, FALSE, L"Open", 0, [](CSize, CControlsTheme*) { return CSize(22, 22); }},
        {"icon and caption: the caption starts one pixel inside the cell", zmrBarTypeNormal, zmrBarTop,
         zmrControlButton, zmrButtonIconAndCaption, TRUE, L"Open", 0,
         [](CSize t, CControlsTheme*) { return CSize(t.cx + 22 + 4 - 1, std::max(22, int(t.cy) + 6)); }},
        {"menu-bar popup keeps the arrow's room", zmrBarTypeMenuBar, zmrBarTop, zmrControlPopup,
         zmrButtonAutomatic, FALSE, L"&File", 0,
         [](CSize t, CControlsTheme*) { return CSize(t.cx + 10 + 6, t.cy + 6); }},
        {"split popup adds its drop-down part", zmrBarTypeNormal, zmrBarTop, zmrControlSplitButtonPopup,
         zmrButtonCaption, FALSE, L"Undo", 0,
         [](CSize t, CControlsTheme* p) {
             return CSize(t.cx + 8 + p->m_nSplitDropDownWidth, std::max(22, int(t.cy) + 6));
         }},
        {"split popup without caption", zmrBarTypeNormal, zmrBarTop, zmrControlSplitButtonPopup, zmrButtonIcon,
         TRUE, L"Undo", 0, [](CSize, CControlsTheme* p) { return CSize(22 + p->m_nSplitDropDownWidth, 22); }},
        {"check box: glyph and gap before the caption", zmrBarTypeNormal, zmrBarTop, zmrControlCheckBox,
         zmrButtonCaption, FALSE, L"Wrap", 0,
         [](CSize t, CControlsTheme*) { return CSize(t.cx + 8 + 13 + 5, std::max(22, int(t.cy) + 6)); }},
        {"custom width replaces the measured one", zmrBarTypeNormal, zmrBarTop, zmrControlButton,
         zmrButtonCaption, FALSE, L"Open", 80,
         [](CSize t, CControlsTheme*) { return CSize(80, std::max(22, int(t.cy) + 6)); }},
        {"vertical bar: length along, thickness across", zmrBarTypeNormal, zmrBarLeft, zmrControlButton,
         zmrButtonCaption, FALSE, L"Open", 0,
         [](CSize t, CControlsTheme*) { return CSize(std::max(22, int(t.cy) + 6), t.cx + 8); }},
        {"vertical bar: custom width gives the height", zmrBarTypeNormal, zmrBarLeft, zmrControlButton,
         zmrButtonCaption, FALSE, L"Open", 80,
         [](CSize t, CControlsTheme*) { return CSize(std::max(22, int(t.cy) + 6), 80); }},
    };
    for (const Case& c : cases)
    {
        CThemedBar bar(c.nBarType, c.nPosition);
        CZMRControl* pControl = bar.Add(c.nType, 100, c.lpszCaption, c.nStyle, c.bImage);
        if (c.nCustomWidth)
            pControl->SetWidth(c.nCustomWidth);
        const BOOL bVertical = c.nPosition == zmrBarLeft;
        CString strPlain = c.lpszCaption;
        CZMRPaintManager::RemoveMnemonicMarkers(strPlain);
        const CSize szText =
            TextExtent(canvas.DC(), bVertical ? &bar.m_pTheme->m_fntVertical : &bar.m_pTheme->m_fntRegular, strPlain);

        const CSize szMeasured = pControl->GetSize(canvas.DC());
        EXPECT_EQ(c.expected(szText, bar.m_pTheme), szMeasured) << c.pszName;
        // Without a device context the size is the same.
        EXPECT_EQ(szMeasured, bar.m_pTheme->DrawControl(nullptr, pControl, FALSE)) << c.pszName;
        // Drawn at the measured size, the same size comes back.
        pControl->SetRect(CRect(CPoint(10, 10), szMeasured));
        EXPECT_EQ(szMeasured, bar.m_pTheme->DrawControl(canvas.DC(), pControl, TRUE)) << c.pszName;
    }
}

TEST(PaintManagerControls, TextBelowIconsWidensANarrowButtonToASquare)
{
    CPixelCanvas canvas(100, 100, kWhite);
    CThemedBar bar;
    bar.m_pBar->SetShowTextBelowIcons(1);
    CZMRControl* pControl = bar.Add(zmrControlButton, 100, L"A", zmrButtonIconAndCaption, TRUE);
    const CSize szText = TextExtent(canvas.DC(), &bar.m_pTheme->m_fntRegular, L"A");
    ASSERT_LT(std::max(22, int(szText.cx) + 10), 22 + szText.cy) << "the fixture's button must start narrow";
    EXPECT_EQ(CSize(22 + szText.cy, 22 + szText.cy), pControl->GetSize(canvas.DC()));
}

TEST(PaintManagerControls, LargeButtonsTakeTheLargeCellAndGrowForTheirCaption)
{
    CPixelCanvas canvas(300, 150, kWhite);
    CThemedBar bar;
    bar.m_pTheme->m_nBaseHeight = 19;
    const int d = bar.m_pTheme->GetSplitArrowWidth();
    CZMRControl* pShort = bar.Add(zmrControlButton, 100, L"Go", zmrButtonIconAndCaptionBelow, TRUE, 32);
    EXPECT_EQ(CSize(42, 32 + d + 7), pShort->GetSize(canvas.DC()));

    CZMRControl* pLong = bar.Add(zmrControlButton, 101, L"Paste Special Values", zmrButtonIconAndCaptionBelow);
    CString strFirst, strSecond;
    CZMRPaintManager::SplitCaptionInTwo(L"Paste Special Values", strFirst, strSecond);
    const int nLine = std::max(TextExtent(canvas.DC(), &bar.m_pTheme->m_fntRegular, strFirst).cx,
                               TextExtent(canvas.DC(), &bar.m_pTheme->m_fntRegular, strSecond).cx);
    EXPECT_EQ(std::max(42, nLine + 5), pLong->GetSize(canvas.DC()).cx);
}

TEST(PaintManagerControls, LargeSplitButtonDrawsItsCaptionInTheBottomStrip)
{
    CPixelCanvas canvas(120, 120, kWhite);
    CThemedBar bar;
    CZMRControl* pControl = bar.Add(zmrControlSplitButtonPopup, 100, L"Paste Special", zmrButtonIconAndCaptionBelow);
    const CSize sz = pControl->GetSize(canvas.DC());
    const CRect rc(CPoint(5, 5), sz);
    pControl->SetRect(rc);
    const int d = bar.m_pTheme->GetSplitArrowWidth();
    EXPECT_EQ(CRect(rc.left, rc.top, rc.right, rc.bottom - d), bar.m_pTheme->GetSplitMainPartRect(pControl));

    bar.m_pTheme->DrawControl(canvas.DC(), pControl, TRUE);
    int nInStrip = 0, nAbove = 0;
    for (int y = 0; y < 120; y++)
        for (int x = 0; x < 120; x++)
            if (canvas.Pixel(x, y) != kWhite)
                (y >= rc.bottom - 1 - d && y < rc.bottom - 1 ? nInStrip : nAbove)++;
    EXPECT_GT(nInStrip, 0);
    EXPECT_EQ(0, nAbove) << "nothing but the caption is drawn, and only in the drop-down strip";
}

TEST(PaintManagerControls, MenuBarPopupIsDrawnWithoutItsArrow)
{
    for (int nBarType : {zmrBarTypeMenuBar, zmrBarTypeNormal})
    {
        CPixelCanvas canvas(120, 40, kWhite);
        CThemedBar bar(nBarType);
        CZMRControl* pControl = bar.Add(zmrControlPopup, 100, L"File", zmrButtonAutomatic);
        const CSize sz = pControl->GetSize(canvas.DC());
        pControl->SetRect(CRect(CPoint(0, 0), sz));
        bar.m_pTheme->DrawControl(canvas.DC(), pControl, TRUE);
        // The text and arrow together (text + 5) are centred; the arrow sits
        // at their end.
        const int nText = TextExtent(canvas.DC(), &bar.m_pTheme->m_fntRegular, L"File").cx;
        const int xArrow = (sz.cx - (nText + 5)) / 2 + nText + 5;
        // The arrow is the triangle (x - 2, y - 1), (x + 2, y - 1), (x, y + 1)
        // on the vertical centre; a menu bar leaves it out.
        const int y = sz.cy / 2;
        const COLORREF clr = nBarType == zmrBarTypeMenuBar ? kWhite : kArrow;
        for (CPoint pt : {CPoint(xArrow - 2, y - 1), CPoint(xArrow + 2, y - 1), CPoint(xArrow, y), CPoint(xArrow, y + 1)})
            EXPECT_EQ(clr, canvas.Pixel(pt.x, pt.y)) << nBarType << " at " << pt.x << "," << pt.y;
        EXPECT_NE(kArrow, canvas.Pixel(xArrow, y + 2)) << nBarType;
        EXPECT_NE(kArrow, canvas.Pixel(xArrow + 3, y - 1)) << nBarType;
    }
}

TEST(PaintManagerControls, PopupItemsMeasureCaptionShortcutAndIconColumn)
{
    CPixelCanvas canvas(300, 40, kWhite);
    CThemedBar bar(zmrBarTypePopup, zmrBarPopup);
    CZMRControl* pControl = bar.Add(zmrControlButton, 100, L"&Open\tCtrl+O", zmrButtonAutomatic);
    // The icon cell against the floored base height: 22 + 4 by 22 for small bar fonts.
    bar.m_pTheme->m_nBaseHeight = 15;
    EXPECT_EQ(CSize(26, 22), bar.m_pTheme->GetIconColumnSize(bar.m_pBar));
    bar.m_pTheme->m_nBaseHeight = 30;
    EXPECT_EQ(CSize(34, 30), bar.m_pTheme->GetIconColumnSize(bar.m_pBar));
    const int nColumn = bar.m_pTheme->GetIconColumnSize(bar.m_pBar).cx + 1;
    EXPECT_EQ(nColumn, bar.m_pTheme->GetPopupIconColumnWidth(bar.m_pBar));
    const int nCaption = TextExtent(canvas.DC(), &bar.m_pTheme->m_fntRegular, L"Open").cx;
    const int nShortcut = TextExtent(canvas.DC(), &bar.m_pTheme->m_fntRegular, L"Ctrl+O").cx;
    EXPECT_EQ(CSize(nCaption + nShortcut + nColumn + bar.m_pTheme->m_nTextGap + 32,
                    bar.m_pTheme->GetIconColumnSize(bar.m_pBar).cy),
              pControl->GetSize(canvas.DC()));
    EXPECT_EQ(0, bar.m_pTheme->GetPopupIconColumnWidth(nullptr));
}

TEST(PaintManagerControls, OverflowButtonsArePlacedAtTheFarEnd)
{
    struct Case
    {
        int nPosition;
        CRect rcExpected;
    };
    const Case cases[] = {
        {zmrBarTop, CRect(187, 2, 198, 28)},
        {zmrBarLeft, CRect(2, 17, 198, 28)},
        {zmrBarPopup, CRect(2, 17, 198, 28)},
    };
    for (const Case& c : cases)
    {
        CThemedBar bar(zmrBarTypeNormal, c.nPosition);
        CZMRControl* pExpand = bar.Add(zmrControlButton, 0, L"", zmrButtonAutomatic);
        const SIZE szBar = {200, 30};
        EXPECT_EQ(CSize(0, 0), bar.m_pTheme->DrawOverflowButton(nullptr, 0, pExpand, bar.m_pBar, FALSE,
                                                                reinterpret_cast<LPARAM>(&szBar)));
        EXPECT_EQ(c.rcExpected, pExpand->GetRect()) << "position " << c.nPosition;
    }
    CThemedBar popup(zmrBarTypePopup, zmrBarPopup);
    CZMRControl* pExpand = popup.Add(zmrControlButton, 0, L"", zmrButtonAutomatic);
    pExpand->SetRect(CRect(0, 0, 40, 12));
    CPixelCanvas canvas(40, 12, kWhite);
    EXPECT_EQ(CSize(0, 12), popup.m_pTheme->DrawOverflowButton(nullptr, 1, pExpand, popup.m_pBar, FALSE, 0));
    EXPECT_EQ(CSize(0, 12), popup.m_pTheme->DrawOverflowButton(canvas.DC(), 1, pExpand, popup.m_pBar, TRUE, 0));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(18, 2)) << "the double chevron starts at (cx - 2, top + 2)";
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(20, 8)) << "its second half is 4 pixels lower";
}

TEST(PaintManagerControls, ControlsHandTheirStateToTheTheme)
{
    struct Case
    {
        const char* pszName;
        int nBarType, nType, nStyle, nEnabled, nSelected, nChecked;
        std::vector<int> expected;   // selected, pressed, enabled, checked, popped, bar type, position
    };
    const Case cases[] = {
        {"button", zmrBarTypeNormal, zmrControlButton, zmrButtonAutomatic, 1, 1, 1, {1, 0, 1, 1, 0, 1, 0}},
        {"split button disabled in its command part", zmrBarTypeNormal, zmrControlSplitButtonPopup,
         zmrButtonCaption, 5, 1, 0, {1, 0, 0, 0, 0, 1, 0}},
        {"large split button uses 4 for that", zmrBarTypeNormal, zmrControlSplitButtonPopup,
         zmrButtonIconAndCaptionBelow, 4, 1, 0, {1, 0, 0, 0, 0, 1, 0}},
        {"check box on a tool bar passes only enabled", zmrBarTypeNormal, zmrControlCheckBox, zmrButtonCaption, 1,
         1, 1, {0, 0, 1, 0, 0, 1, 0}},
        {"check box on a popup passes everything", zmrBarTypePopup, zmrControlCheckBox, zmrButtonCaption, 1, 1, 1,
         {1, 0, 1, 1, 0, 2, 0}},
    };
    for (const Case& c : cases)
    {
        CThemedBar bar(c.nBarType);
        CZMRControl* pControl = bar.Add(c.nType, 100, L"X", c.nStyle);
        pControl->SetEnabled(c.nEnabled);
        pControl->SetChecked(c.nChecked);
        pControl->OnSelectionChange(c.nSelected);
        EXPECT_EQ(kArrow, bar.m_pTheme->GetControlTextColor(pControl)) << c.pszName;
        EXPECT_EQ(c.expected, bar.m_pTheme->m_stateArgs) << c.pszName;
    }
}
