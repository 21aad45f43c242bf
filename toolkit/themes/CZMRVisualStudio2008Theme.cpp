// The Visual Studio 2008 theme: its colour sets per system colour scheme,
// the rounded popup highlight, the menu-bar highlight, grooved separators and
// icon column edge on popup bars, and the wider popup borders.
#include "CZMRVisualStudio2008Theme.h"
#include "CZMRColorManager.h"
#include "CZMRGradientValue.h"
#include "CZMRCommandBar.h"
#include "CZMRControl.h"
#include "CZMRDrawHelpers.h"
#include "CZMRShadowManager.h"

namespace
{
// The popup highlight and icon column every set gives.
struct CPopupSet
{
    COLORREF clrFrame;
    CZMRGradientValue highlight;
    COLORREF clrText;
    CZMRGradientValue iconColumn;
};

const CPopupSet s_blue = {RGB(152, 181, 226),
                          {RGB(239, 243, 250), RGB(193, 210, 238), 0.5f},
                          RGB(0, 0, 0),
                          {RGB(241, 241, 241), RGB(241, 241, 241), 0.5f}};
const CPopupSet s_olive = {RGB(147, 160, 112),
                           {RGB(239, 242, 227), RGB(194, 207, 158), 0.5f},
                           RGB(0, 0, 0),
                           {RGB(247, 246, 239), RGB(233, 230, 214), 0.5f}};
const CPopupSet s_silver = {RGB(255, 192, 111),
                            {RGB(255, 246, 204), RGB(255, 194, 115), 0.5f},
                            RGB(0, 0, 0),
                            {RGB(232, 233, 242), RGB(193, 193, 211), 0.5f}};
const CPopupSet s_aero = {RGB(150, 217, 249),
                          {RGB(241, 248, 251), RGB(186, 228, 246), 0.5f},
                          RGB(0, 0, 0),
                          {RGB(244, 247, 252), RGB(212, 216, 230), 0.5f}};

// The rest of the aero set: the bars, dock areas and gradient highlights.
const int s_arrAeroEntries[] = {53, 38, 39, 40, 41, 43, 31, 32, 50, 37, 33, 36, 30, 47};
const COLORREF s_arrAeroColors[] = {RGB(240, 240, 240), RGB(160, 160, 180), RGB(160, 160, 180), RGB(128, 128, 128),
                                    RGB(240, 240, 240), RGB(160, 160, 160), RGB(182, 228, 247), RGB(41, 153, 255),
                                    RGB(41, 153, 255),  RGB(48, 127, 177),  RGB(206, 237, 250), RGB(206, 237, 250),
                                    RGB(233, 236, 250), RGB(0, 0, 0)};
const int kAeroEntryCount = sizeof(s_arrAeroEntries) / sizeof(s_arrAeroEntries[0]);
static_assert(kAeroEntryCount == sizeof(s_arrAeroColors) / sizeof(s_arrAeroColors[0]), "one colour per entry");

const CZMRGradientValue s_aeroDock = {RGB(233, 236, 250), RGB(244, 247, 252), 0.5f};
const COLORREF kAeroEdge = RGB(181, 190, 206);
const CZMRGradientValue s_aeroFace = {RGB(250, 250, 253), RGB(196, 203, 219), 0.75f};
const COLORREF kAeroFloatingCaption = RGB(128, 128, 128);
const CZMRGradientValue s_aeroPopped = {RGB(255, 255, 255), RGB(118, 184, 219), 0.5f};
const CZMRGradientValue s_aeroExpand = {RGB(195, 202, 218), RGB(233, 236, 250), 0.75f};
const COLORREF kAeroPaneFrame = RGB(160, 160, 180);
const COLORREF kAeroShadow = RGB(0, 0, 0);
const CZMRGradientValue s_aeroCaption = {RGB(244, 247, 252), RGB(113, 124, 152), 0.5f};
const CZMRGradientValue s_aeroChecked = {RGB(237, 248, 253), RGB(129, 192, 224), 0.5f};
const CZMRGradientValue s_aeroPressed = {RGB(228, 245, 252), RGB(124, 177, 204), 0.5f};
const CZMRGradientValue s_aeroHot = {RGB(237, 248, 253), RGB(129, 192, 224), 0.5f};

// The blue set's further values.
const COLORREF kBlueHiddenIconColumn = RGB(215, 227, 234);
const COLORREF kBlueLabelRow = RGB(221, 231, 238);
// The silver set's further values.
const COLORREF kSilverSeparator = RGB(110, 109, 143);
const CZMRGradientValue s_silverPopped = {RGB(232, 233, 241), RGB(192, 191, 209), 0.5f};

// The shadow manager's options: shadows even when the system's menu shadows
// are off, and over the opening control too.
const DWORD kShadowOptions = 1;
} // namespace

CZMRVisualStudio2008Theme::CZMRVisualStudio2008Theme()
{
    m_nTextGap = 10;
    m_pShadowManager->m_dwOptions = kShadowOptions;
}

int CZMRVisualStudio2008Theme::GetThemeKind()
{
    return zmrThemeVisualStudio2008;
}

void CZMRVisualStudio2008Theme::RefreshMetrics()
{
    CZMRWhidbeyTheme::RefreshMetrics();

    m_grcIconColumn.SetStandardPair(
        CZMRColorManager::MixColors(GetColor(COLOR_3DFACE), GetColor(COLOR_WINDOW), 40), GetColor(COLOR_3DFACE));
    m_grcPopupHighlight.SetStandardColor(GetColor(COLOR_HIGHLIGHT));
    m_clrPopupHighlightFrame.SetStandardValue(GetColor(COLOR_HIGHLIGHT));
    m_clrPopupHighlightText.SetStandardValue(GetColor(COLOR_HIGHLIGHTTEXT));

    // Royale takes the blue set.
    const CPopupSet* pSet = CZMRColorManager::PickSystemThemeSet(GetColorManager()->GetEffectiveSystemTheme(),
                                                                 &s_blue, &s_olive, &s_silver, &s_blue, &s_aero);
    if (!pSet)
        return;
    m_clrPopupHighlightFrame.SetStandardValue(pSet->clrFrame);
    pSet->highlight.ApplyTo(m_grcPopupHighlight);
    m_clrPopupHighlightText.SetStandardValue(pSet->clrText);
    pSet->iconColumn.ApplyTo(m_grcIconColumn);

    if (pSet == &s_blue)
    {
        m_grcHiddenIconColumn.SetStandardColor(kBlueHiddenIconColumn);
        const int nEntry = clrLabelRow;
        SetColors(1, &nEntry, &kBlueLabelRow);
    }
    else if (pSet == &s_silver)
    {
        const int nEntry = clrSeparator;
        SetColors(1, &nEntry, &kSilverSeparator);
        s_silverPopped.ApplyTo(m_grcPopped);
    }
    else if (pSet == &s_aero)
    {
        s_aeroDock.ApplyTo(m_grcDock);
        m_clrEdge.SetStandardValue(kAeroEdge);
        s_aeroFace.ApplyTo(m_grcFace);
        m_clrFloatingCaption.SetStandardValue(kAeroFloatingCaption);
        s_aeroPopped.ApplyTo(m_grcPopped);
        s_aeroExpand.ApplyTo(m_grcExpand);
        m_clrPaneFrame.SetStandardValue(kAeroPaneFrame);
        m_pShadowManager->m_clrShadow = kAeroShadow;
        s_aeroCaption.ApplyTo(m_grcCaption);
        SetColors(kAeroEntryCount, s_arrAeroEntries, s_arrAeroColors);
        s_aeroChecked.ApplyTo(m_grcChecked);
        s_aeroPressed.ApplyTo(m_grcPressed);
        s_aeroHot.ApplyTo(m_grcHot);
        // The gradient highlights of the Office 2003 look apply.
        m_bSchemeColors = TRUE;
    }
    // The expand image keeps the colours the Whidbey refresh built it from.
}

// ---------------------------------------------------------------- highlights

void CZMRVisualStudio2008Theme::BlendPixel(CDC* pDC, int x, int y, COLORREF clr, int nAlpha)
{
    if (nAlpha >= 255)
    {
        pDC->SetPixel(x, y, clr);
        return;
    }
    pDC->SetPixel(x, y, CZMRDrawHelpers::MixColors(clr, pDC->GetPixel(x, y), nAlpha / 255.0));
}

void CZMRVisualStudio2008Theme::DrawPopupHighlight(CDC* pDC, CRect rc)
{
    CRect rcFace = rc;
    rcFace.DeflateRect(1, 1);
    GetDrawHelpers()->DrawColorGradient(pDC, rcFace, m_grcPopupHighlight, FALSE);

    const COLORREF clrFrame = m_clrPopupHighlightFrame.GetColor();
    const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
    // A colour reference, not a table entry: drawn as fills.
    pDC->FillSolidRect(l + 3, t, rc.Width() - 6, 1, clrFrame);
    pDC->FillSolidRect(l + 3, b, rc.Width() - 6, 1, clrFrame);
    pDC->FillSolidRect(l, t + 3, 1, rc.Height() - 6, clrFrame);
    pDC->FillSolidRect(r, t + 3, 1, rc.Height() - 6, clrFrame);

    // Each corner: its inner pixel in the frame colour, the two beside it on
    // the edges faint, the next two half-way.
    struct CCorner
    {
        int x, y, dx, dy; // the corner pixel and the direction into the rectangle
    };
    for (const CCorner& c : {CCorner{l, t, 1, 1}, CCorner{r, t, -1, 1}, CCorner{l, b, 1, -1}, CCorner{r, b, -1, -1}})
    {
        BlendPixel(pDC, c.x + c.dx, c.y + c.dy, clrFrame, 255);
        BlendPixel(pDC, c.x + c.dx, c.y, clrFrame, 60);
        BlendPixel(pDC, c.x, c.y + c.dy, clrFrame, 60);
        BlendPixel(pDC, c.x + 2 * c.dx, c.y, clrFrame, 120);
        BlendPixel(pDC, c.x, c.y + 2 * c.dy, clrFrame, 120);
    }
}

void CZMRVisualStudio2008Theme::DrawMenuBarHighlight(CDC* pDC, CRect rc, BOOL bPopped)
{
    const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
    HorizontalLine(pDC, l + 1, t, r, COLOR_WINDOW);
    HorizontalLine(pDC, l + 1, b, r, COLOR_WINDOW);
    VerticalLine(pDC, l, t + 1, b, COLOR_WINDOW);
    VerticalLine(pDC, r, t + 1, b, COLOR_WINDOW);

    CRect rcFrame = rc;
    rcFrame.DeflateRect(1, 1);
    Draw3dRectByIndex(pDC, rcFrame, clrHotFrame, clrHotFrame);
    const COLORREF clrCorner = CZMRDrawHelpers::MixColors(GetColor(clrHotFrame), GetColor(COLOR_WINDOW), 0.5);
    for (const CPoint& pt : {CPoint(rcFrame.left, rcFrame.top), CPoint(rcFrame.right - 1, rcFrame.top),
                             CPoint(rcFrame.left, rcFrame.bottom - 1), CPoint(rcFrame.right - 1, rcFrame.bottom - 1)})
        pDC->SetPixel(pt.x, pt.y, clrCorner);

    CRect rcFace = rcFrame;
    rcFace.DeflateRect(1, 1);
    if (bPopped)
        GetDrawHelpers()->DrawColorGradient(pDC, rcFace, m_grcPopped, FALSE);
    else if (m_bSchemeColors)
        GetDrawHelpers()->DrawColorGradient(pDC, rcFace, m_grcHot, FALSE);
    else
        pDC->FillSolidRect(rcFace, GetColor(clrHotFill));
}

void CZMRVisualStudio2008Theme::DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                                   int nChecked, BOOL bPopped, int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypePopup)
    {
        if (nBarPosition == zmrBarPopup && nSelected && !nChecked && !nPressed)
            DrawPopupHighlight(pDC, rc);
        else
            CZMROffice2003Theme::DrawStateHighlight(pDC, rc, nSelected, nPressed, bEnabled, nChecked, bPopped,
                                                    nBarType, nBarPosition);
        return;
    }
    if (nBarType == zmrBarTypeMenuBar && nSelected && bEnabled && !nChecked && !nPressed)
    {
        DrawMenuBarHighlight(pDC, rc, bPopped);
        return;
    }
    if (bEnabled && bPopped)
    {
        FillGradientFramed(pDC, rc, m_grcPopped, FALSE, clrHotFrame);
        return;
    }
    CZMROffice2003Theme::DrawStateHighlight(pDC, rc, nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                            nBarPosition);
}

COLORREF CZMRVisualStudio2008Theme::GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                                                      BOOL bPopped, int nBarType, int nBarPosition)
{
    if (nBarType == zmrBarTypePopup && nBarPosition == zmrBarPopup && nSelected && bEnabled && !nPressed)
        return m_clrPopupHighlightText.GetColor();
    return CZMROfficeTheme::GetStateTextColor(nSelected, nPressed, bEnabled, nChecked, bPopped, nBarType,
                                              nBarPosition);
}

// ---------------------------------------------------------------- popup bars

CSize CZMRVisualStudio2008Theme::DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw)
{
    if (!bDraw || !pDC || !pControl || !pBar || pBar->GetType() != zmrBarTypePopup ||
        pBar->GetPosition() != zmrBarPopup)
        return CZMROffice2003Theme::DrawSeparator(pDC, pBar, pControl, bDraw);

    const CRect rcRow = pControl->GetRowRect();
    const CRect rc = pControl->GetRect();
    if (pControl->GetWrap())
    {
        VerticalLine(pDC, rc.left - 2, rcRow.top - 1, rcRow.bottom + 1, clrSeparator);
        VerticalLine(pDC, rc.left - 1, rcRow.top - 1, rcRow.bottom + 1, COLOR_BTNHIGHLIGHT);
    }
    else
    {
        const int x = GetPopupIconColumnWidth(pBar) + m_nTextGap + rc.left - 1;
        HorizontalLine(pDC, x, rc.top - 2, rc.right + 1, clrSeparator);
        HorizontalLine(pDC, x, rc.top - 1, rc.right + 1, COLOR_BTNHIGHLIGHT);
    }
    return CSize(0, 0);
}

void CZMRVisualStudio2008Theme::AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL /*bVertical*/)
{
    CZMRCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (pBar && pBar->GetType() == zmrBarTypePopup)
        rc.InflateRect(1, 0);
}

CRect CZMRVisualStudio2008Theme::GetBarBorderWidths(CZMRCommandBar* pBar)
{
    if (pBar && pBar->GetType() == zmrBarTypePopup && pBar->GetPosition() == zmrBarPopup)
        return CRect(4, 3, 4, 3);
    return CZMROffice2003Theme::GetBarBorderWidths(pBar);
}

void CZMRVisualStudio2008Theme::FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows)
{
    GetDrawHelpers()->DrawColorGradient(pDC, CRect(x, y, x + cx, y + cy),
                                        bHiddenRows ? m_grcHiddenIconColumn : m_grcIconColumn, TRUE);
    VerticalLine(pDC, x + cx, y, y + cy, clrSeparator);
    VerticalLine(pDC, x + cx + 1, y, y + cy, COLOR_BTNHIGHLIGHT);
}
