// The colour sets beyond the plain one: Visual Studio, the visual style's
// tab parts, Office 2003 with its Luna schemes, Whidbey, Visual Studio 2008,
// and the skinned Office 2007 and Access 2007 sets.
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabShapes.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMROffice2007Images.h"
#include <algorithm>

namespace
{
COLORREF Color(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

const int kAppearanceStateButtons = 4;
const int kAppearanceVisualStudio = 5;
const int kAppearanceExcel = 7;
const COLORREF kWhite = RGB(255, 255, 255);

// nA parts of clrA and the rest of nTotal parts of clrB.
COLORREF Blend(COLORREF clrA, COLORREF clrB, int nA, int nTotal)
{
    auto mix = [&](int a, int b) { return (a * nA + b * (nTotal - nA) + nTotal / 2) / nTotal; };
    return RGB(mix(GetRValue(clrA), GetRValue(clrB)), mix(GetGValue(clrA), GetGValue(clrB)),
               mix(GetBValue(clrA), GetBValue(clrB)));
}

// Each channel scaled by nNum / nDen, at most 255.
COLORREF Scale(COLORREF clr, int nNum, int nDen)
{
    auto scale = [&](int c) { return std::min(255, c * nNum / nDen); };
    return RGB(scale(GetRValue(clr)), scale(GetGValue(clr)), scale(GetBValue(clr)));
}

void SetPair(CZMRPaintManagerColorGradient& grc, COLORREF clr) { grc.SetStandardPair(clr, clr); }

// The Office 2003 table for one Luna scheme.
struct LUNA
{
    COLORREF clrFrame, clrDarkShadow, clrShadow, clrStateBorder;
    COLORREF clrHeader1, clrHeader2, clrHeader2a, clrHeader2b;
    COLORREF clrNormal, clrHot;
};
const LUNA kLuna[3] = {
    // blue
    { RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(0, 0, 128), RGB(196, 218, 250), RGB(252, 253, 254),
      RGB(158, 190, 245), RGB(196, 218, 250), RGB(162, 192, 246), RGB(255, 240, 201) },
    // olive
    { RGB(96, 128, 88), RGB(96, 119, 107), RGB(176, 194, 140), RGB(63, 93, 56), RGB(242, 241, 228), RGB(252, 254, 254),
      RGB(217, 217, 167), RGB(242, 241, 228), RGB(208, 222, 170), RGB(255, 240, 199) },
    // silver
    { RGB(124, 124, 148), RGB(118, 116, 146), RGB(186, 185, 206), RGB(75, 75, 111), RGB(243, 243, 247), RGB(252, 254, 254),
      RGB(215, 215, 229), RGB(243, 243, 247), RGB(217, 217, 230), RGB(255, 238, 194) },
};

// Visual Studio 2008 without Luna colours: selected face, hot face and frame
// by system theme, as the decimal colour values give them.
struct VS2008
{
    int nTheme;
    COLORREF clrSelected, clrHot, clrFrame, clrNormal;
};
const VS2008 kVisualStudio2008[] = {
    { CZMRColorManager::systemThemeBlue, 15651521, 14925735, 14857624, COLORREF(-1) },
    { CZMRColorManager::systemThemeOlive, 9291446, 9351087, 7381139, COLORREF(-1) },
    { CZMRColorManager::systemThemeSilver, 15524577, 8440319, 11571603, COLORREF(-1) },
    { CZMRColorManager::systemThemeAero, 16443090, 15847553, 12558697, 13808792 },
};

// A colour of the skin's table, or the value in hand when the key is missing.
COLORREF SkinColor(LPCWSTR lpszSection, LPCWSTR lpszKey, COLORREF clrFallback)
{
    const COLORREF clr = GetOffice2007Images()->LookupIniColor(lpszSection, lpszKey);
    return clr == COLORREF(-1) ? clrFallback : clr;
}

BOOL IsSkinLoaded()
{
    return GetOffice2007Images()->HasColorIni();
}
}

// ------------------------------------------------------------ the plain set's navigate buttons

void CZMRTabPaintManager::CColorSetDefault::FillNavigateFrame(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc,
                                                              COLORREF clrDark, COLORREF clrLight, COLORREF clrGlyph)
{
    pDC->SetTextColor(clrGlyph);
    if (!pButton->IsEnabled())
        return;
    if (pButton->IsPressed())
    {
        pDC->Draw3dRect(rc, clrLight, clrDark);
        rc.OffsetRect(1, 1);
    }
    else if (pButton->IsHighlighted())
        pDC->Draw3dRect(rc, clrDark, clrLight);
}

// ------------------------------------------------------------ Visual Studio

void CZMRTabPaintManager::CColorSetVisualStudio::RefreshMetrics()
{
    CColorSetDefault::RefreshMetrics();
    const int nAppearance = m_pPaintManager ? m_pPaintManager->GetAppearance() : 0;
    if (nAppearance != kAppearanceExcel && nAppearance != kAppearanceStateButtons)
        SetPair(m_clrHeaderFace, Color(48));
    if (nAppearance == kAppearanceVisualStudio)
    {
        m_clrTextSelected.SetStandardValue(Color(49));
        m_clrTextHot.SetStandardValue(Color(49));
    }
    SetPair(m_clrHeaderFace2, CZMRColorManager::IsLowColorDepth(nullptr) ? Color(COLOR_BTNFACE) : m_clrFrameBorder.GetColor());
}

void CZMRTabPaintManager::CColorSetVisualStudio::FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc)
{
    const int nAppearance = m_pPaintManager->GetAppearance();
    if (nAppearance == kAppearanceExcel || nAppearance == kAppearanceStateButtons)
        CColorSetDefault::FillNavigateButton(pDC, pButton, rc);
    else
        FillNavigateFrame(pDC, pButton, rc, Color(COLOR_BTNTEXT), Color(COLOR_BTNFACE), Color(49));
}

// ------------------------------------------------------------ Office 2003

BOOL CZMRTabPaintManager::CColorSetOffice2003::IsLunaColors() const
{
    return !(m_pPaintManager && m_pPaintManager->m_bDisableLunaColors) && !GetColorManager()->IsSystemThemeIgnored();
}

int CZMRTabPaintManager::CColorSetOffice2003::GetLunaScheme() const
{
    if (!IsLunaColors())
        return 0;
    switch (GetColorManager()->GetEffectiveSystemTheme())
    {
    case CZMRColorManager::systemThemeUnknown:
        return 0;
    case CZMRColorManager::systemThemeOlive:
        return 2;
    case CZMRColorManager::systemThemeSilver:
        return 3;
    default:
        return 1;
    }
}

void CZMRTabPaintManager::CColorSetOffice2003::RefreshMetrics()
{
    CColorSet::RefreshMetrics();
    const COLORREF clrFace = Color(COLOR_BTNFACE);
    m_clrHeaderFace.SetStandardPair(clrFace, Blend(clrFace, Color(COLOR_WINDOW), 205, 255));
    m_clrHeaderFace2.SetStandardFrom(m_clrHeaderFace);
    m_clrStateButtonBorder.SetStandardPair(Color(36), Color(37));
    m_clrHotFace.SetStandardValue(Color(36));
    m_clrPressedFace.SetStandardValue(Color(33));
    m_clrSelectedFace.SetStandardValue(Color(36));
    m_clrHotBorder.SetStandardValue(Color(COLOR_BTNTEXT));

    if (const int nScheme = GetLunaScheme())
    {
        const LUNA& luna = kLuna[nScheme - 1];
        m_clrFrameBorder.SetStandardValue(luna.clrFrame);
        m_clrOutlineSelected.SetStandardValue(luna.clrFrame);
        m_clrPageDarkShadow.SetStandardValue(luna.clrDarkShadow);
        m_clrOutlineNormal.SetStandardValue(luna.clrDarkShadow);
        m_clrPageShadow.SetStandardValue(luna.clrShadow);
        m_clrInnerLine1.SetStandardValue(luna.clrShadow);
        m_clrInnerLine2.SetStandardValue(kWhite);
        SetPair(m_clrStateButtonFace, RGB(255, 192, 111));
        SetPair(m_clrStateButtonBorder, luna.clrStateBorder);
        m_clrHotBorder.SetStandardValue(luna.clrStateBorder);
        m_clrHeaderFace.SetStandardPair(luna.clrHeader1, luna.clrHeader2);
        m_clrHeaderFace2.SetStandardPair(luna.clrHeader2a, luna.clrHeader2b);
        m_clrNormalFace.SetStandardValue(luna.clrNormal);
        m_clrSelectedFace.SetStandardValue(RGB(255, 194, 115));
        m_clrHotFace.SetStandardValue(luna.clrHot);
        m_clrPressedFace.SetStandardValue(RGB(254, 142, 75));
    }
    // The Excel outlines follow the frame border, their inner lines the highlight.
    m_clrExcelSelected[0].SetStandardValue(m_clrFrameBorder.GetColor());
    m_clrExcelNormal[0].SetStandardValue(m_clrFrameBorder.GetColor());
    m_clrExcelSelected[4].SetStandardValue(m_clrHighlightEdge.GetColor());

    const int nAppearance = m_pPaintManager ? m_pPaintManager->GetAppearance() : 0;
    if (nAppearance == kAppearanceStateButtons)
    {
        SetPair(m_clrHeaderFace, clrFace);
        SetPair(m_clrHeaderFace2, clrFace);
    }
    if (nAppearance == kAppearanceExcel)
        m_clrSelectedFace.SetStandardValue(Color(COLOR_WINDOW));
}

void CZMRTabPaintManager::CColorSetOffice2003::FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc)
{
    pDC->SetTextColor(Color(COLOR_BTNTEXT));
    if (!pButton->IsEnabled())
        return;
    const BOOL bScheme = GetLunaScheme() != 0;
    const BOOL bHot = pButton->IsHighlighted();
    const BOOL bPressed = pButton->IsPressed();
    if (bHot && !bPressed)
    {
        if (bScheme)
        {
            GetDrawHelpers()->GradientFill(pDC, rc, RGB(255, 242, 200), RGB(255, 212, 151), FALSE);
            pDC->Draw3dRect(rc, m_clrHotBorder, m_clrHotBorder);
        }
        else
        {
            pDC->FillSolidRect(rc, Color(32));
            pDC->Draw3dRect(rc, Color(31), Color(31));
            pDC->SetTextColor(Color(45));
        }
    }
    else if (bHot && bPressed)
    {
        if (bScheme)
        {
            GetDrawHelpers()->GradientFill(pDC, rc, RGB(254, 142, 75), RGB(255, 207, 139), FALSE);
            pDC->Draw3dRect(rc, m_clrHotBorder, m_clrHotBorder);
        }
        else
        {
            pDC->FillSolidRect(rc, Color(50));
            pDC->Draw3dRect(rc, Color(33), Color(33));
            pDC->SetTextColor(Color(47));
        }
    }
}

// ------------------------------------------------------------ Whidbey

void CZMRTabPaintManager::CColorSetWhidbey::RefreshMetrics()
{
    m_bGradientFaces = FALSE;
    if (IsLunaColors())
    {
        CColorSetOffice2003::RefreshMetrics();
        return;
    }
    CColorSet::RefreshMetrics();
    m_clrSelectedFace.SetStandardValue(Color(COLOR_WINDOW));
    m_clrTextSelected.SetStandardValue(Color(COLOR_WINDOWTEXT));
    m_clrHotFace.SetStandardValue(Color(36));
    m_clrPressedFace.SetStandardValue(Color(33));
    m_clrTextHot.SetStandardValue(Color(COLOR_BTNTEXT));
    m_clrHotBorder.SetStandardValue(Color(COLOR_BTNTEXT));
    m_clrFrameBorder.SetStandardValue(Color(57));
    m_clrOutlineSelected.SetStandardValue(Color(57));
    switch (GetColorManager()->GetEffectiveSystemTheme())
    {
    case CZMRColorManager::systemThemeBlue:
    case CZMRColorManager::systemThemeOlive:
        SetPair(m_clrHeaderFace, RGB(228, 226, 213));
        m_bGradientFaces = TRUE;
        break;
    case CZMRColorManager::systemThemeSilver:
        m_clrNormalFace.SetStandardValue(RGB(245, 245, 248));
        SetPair(m_clrHeaderFace, RGB(238, 238, 238));
        m_bGradientFaces = TRUE;
        break;
    }
}

COLORREF CZMRTabPaintManager::CColorSetWhidbey::FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem)
{
    if (!m_bGradientFaces)
        return CColorSetOffice2003::FillTabFace(pDC, rc, pItem);
    const COLORREF clr = GetItemColor(pItem);
    CZMRPaintManagerColorGradient grc;
    grc.SetStandardPair(Scale(clr, 300, 255), clr);
    GradientFill(pDC, rc, grc, m_pPaintManager->GetPosition());
    return clr;
}

// ------------------------------------------------------------ Visual Studio 2008

void CZMRTabPaintManager::CColorSetVisualStudio2008::RefreshMetrics()
{
    m_bGradientFaces = m_bGradientSelected = FALSE;
    if (IsLunaColors())
    {
        CColorSetOffice2003::RefreshMetrics();
        return;
    }
    CColorSet::RefreshMetrics();
    const COLORREF clrFace = Color(COLOR_BTNFACE);
    m_clrTextSelected.SetStandardValue(Color(COLOR_WINDOWTEXT));
    m_clrPressedFace.SetStandardValue(Color(33));
    m_clrTextHot.SetStandardValue(Color(COLOR_BTNTEXT));
    m_clrHotBorder.SetStandardValue(Color(COLOR_BTNTEXT));
    m_clrFrameBorder.SetStandardValue(Color(57));
    m_clrOutlineSelected.SetStandardValue(Color(57));
    m_clrSelectedFace.SetStandardValue(clrFace);
    m_clrHotFace.SetStandardValue(Color(COLOR_WINDOW));
    m_clrNormalFace.SetStandardValue(clrFace);
    SetPair(m_clrHeaderFace, clrFace);
    m_bGradientSelected = TRUE;

    int nTheme = GetColorManager()->GetEffectiveSystemTheme();
    if (nTheme == CZMRColorManager::systemThemeRoyale)
        nTheme = CZMRColorManager::systemThemeBlue;
    for (const VS2008& row : kVisualStudio2008)
    {
        if (row.nTheme != nTheme)
            continue;
        m_clrSelectedFace.SetStandardValue(row.clrSelected);
        m_clrHotFace.SetStandardValue(row.clrHot);
        m_clrFrameBorder.SetStandardValue(row.clrFrame);
        m_clrOutlineSelected.SetStandardValue(row.clrFrame);
        if (row.clrNormal != COLORREF(-1))
            m_clrNormalFace.SetStandardValue(row.clrNormal);
        m_bGradientFaces = TRUE;
    }
}

COLORREF CZMRTabPaintManager::CColorSetVisualStudio2008::FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem)
{
    if (!m_bGradientFaces && !(m_bGradientSelected && pItem->IsSelected()))
        return CColorSetOffice2003::FillTabFace(pDC, rc, pItem);
    const COLORREF clr = GetItemColor(pItem);
    CZMRPaintManagerColorGradient grc;
    grc.SetStandardPair(RGB(253, 253, 253), clr);
    GradientFill(pDC, rc, grc, m_pPaintManager->GetPosition());
    return clr;
}

// ------------------------------------------------------------ Office 2007

void CZMRTabPaintManager::CColorSetOffice2007::RefreshMetrics()
{
    CColorSetOffice2003::RefreshMetrics();
    // The blue values stand wherever the skin has no colour.
    const COLORREF clrFrame = SkinColor(L"TabManager", L"FrameBorder", RGB(59, 97, 156));
    const COLORREF clrDark = SkinColor(L"TabManager", L"DarkShadow", RGB(0, 53, 154));
    const COLORREF clrLight = SkinColor(L"TabManager", L"LightShadow", RGB(117, 166, 241));
    m_clrFrameBorder.SetStandardValue(clrFrame);
    m_clrOutlineSelected.SetStandardValue(clrFrame);
    m_clrPageDarkShadow.SetStandardValue(clrDark);
    m_clrOutlineNormal.SetStandardValue(clrDark);
    m_clrPageShadow.SetStandardValue(clrLight);
    m_clrInnerLine1.SetStandardValue(clrLight);
    m_clrInnerLine2.SetStandardValue(kWhite);
    SetPair(m_clrStateButtonFace, RGB(255, 192, 111));
    SetPair(m_clrStateButtonBorder, RGB(0, 0, 128));
    if (IsSkinLoaded())
    {
        const COLORREF clrRibbon = SkinColor(L"Ribbon", L"RibbonFace", RGB(196, 218, 250));
        SetPair(m_clrHeaderFace, clrRibbon);
        SetPair(m_clrHeaderFace2, clrRibbon);
    }
    else
    {
        m_clrHeaderFace.SetStandardPair(RGB(196, 218, 250), RGB(252, 253, 254));
        m_clrHeaderFace2.SetStandardPair(RGB(158, 190, 245), RGB(196, 218, 250));
    }
    m_clrNormalFace.SetStandardValue(SkinColor(L"Window", L"ButtonFace", RGB(162, 192, 246)));
    m_clrSelectedFace.SetStandardValue(SkinColor(L"Window", L"HighlightChecked", RGB(255, 194, 115)));
    m_clrHotFace.SetStandardValue(SkinColor(L"Window", L"HighlightSelected", RGB(255, 240, 201)));
    m_clrHotBorder.SetStandardValue(SkinColor(L"Window", L"WindowFrame", RGB(0, 0, 128)));
    m_clrTextNormal.SetStandardValue(SkinColor(L"Ribbon", L"TabNormalText", m_clrTextNormal.GetStandardColor()));
    m_clrTextSelected.SetStandardValue(SkinColor(L"Ribbon", L"TabSelectedText", m_clrTextSelected.GetStandardColor()));
    m_clrNavigateText.SetStandardValue(m_clrTextNormal.GetStandardColor());
}

void CZMRTabPaintManager::CColorSetOffice2007::FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc)
{
    pDC->SetTextColor(m_clrNavigateText);
    if (!pButton->IsEnabled() || !(pButton->IsPressed() || pButton->IsHighlighted()))
        return;
    CZMROffice2007Image* pImage = IsSkinLoaded() ? GetOffice2007Images()->LoadFile(L"TOOLBARBUTTONS22") : nullptr;
    if (pImage)
        pImage->DrawImageTransparent(pDC, rc, pImage->GetSource(pButton->IsPressed() ? 1 : 0, 4), CRect(8, 8, 8, 8),
                                     RGB(255, 0, 255));
}

// ------------------------------------------------------------ Access 2007

void CZMRTabPaintManager::CColorSetAccess2007::RefreshMetrics()
{
    CColorSetOffice2007::RefreshMetrics();
    if (IsSkinLoaded())
    {
        const COLORREF clrBorder = SkinColor(L"TabManager", L"AccessBorder", m_clrFrameBorder.GetStandardColor());
        m_clrFrameBorder.SetStandardValue(clrBorder);
        m_clrOutlineSelected.SetStandardValue(clrBorder);
        const COLORREF clrHeader = SkinColor(L"TabManager", L"AccessHeader", m_clrHeaderFace.clrLight.GetStandardColor());
        SetPair(m_clrHeaderFace, clrHeader);
        SetPair(m_clrHeaderFace2, clrHeader);
        m_clrNavigateText.SetStandardValue(SkinColor(L"Ribbon", L"TabNormalText", m_clrNavigateText.GetStandardColor()));
    }
    // The selected and hot texts are the plain ones.
    m_clrTextSelected.SetStandardValue(Color(COLOR_BTNTEXT));
    m_clrTextHot.SetStandardValue(RGB(0, 0, 128));
}

// ------------------------------------------------------------ visual style

void CZMRTabPaintManager::CColorSetWinXP::RefreshMetrics()
{
    CColorSetDefault::RefreshMetrics();
    m_themeTab.OpenThemeData(nullptr, L"TAB");
    m_themeToolBar.OpenThemeData(nullptr, L"TOOLBAR");
    COLORREF clrText = 0;
    if (IsAppThemed() && SUCCEEDED(m_themeTab.GetThemeColor(9, 0, 3821, &clrText)))
    {
        m_clrTextNormal.SetStandardValue(clrText);
        m_clrTextInactive.SetStandardValue(clrText);
        m_clrTextSelected.SetStandardValue(clrText);
    }
}

BOOL CZMRTabPaintManager::CColorSetWinXP::IsAppThemed()
{
    return m_themeTab.IsThemeOpenAndActive();
}

void CZMRTabPaintManager::CColorSetWinXP::DrawTabPart(CDC* pDC, CRect rc, int nPart, int nState)
{
    const CZMRTabShapes::CTurn turn(rc, m_pPaintManager->GetPosition());
    CZMRTabShapes::DrawTurned(pDC, turn, [&](CDC* pDrawDC, CRect rcUpright) {
        m_themeTab.DrawThemeBackground(pDrawDC->GetSafeHdc(), nPart, nState, rcUpright, nullptr);
    });
}

COLORREF CZMRTabPaintManager::CColorSetWinXP::FillClient(CDC* pDC, CRect rc, CZMRTabManager* pManager)
{
    if (!IsAppThemed())
        return CColorSetDefault::FillClient(pDC, rc, pManager);
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), 9, 0, rc, nullptr);
    return m_clrSelectedFace;
}

COLORREF CZMRTabPaintManager::CColorSetWinXP::FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem)
{
    if (!IsAppThemed())
        return CColorSetDefault::FillTabFace(pDC, rc, pItem);
    const BOOL bSelected = pItem->IsSelected();
    const BOOL bLast = pItem->GetIndex() == pItem->GetTabManager()->GetItemCount() - 1;
    const int nPart = pItem->GetIndex() == 0 ? 6 : (bLast && !bSelected ? 7 : 5);
    const int nState = bSelected ? 3 : pItem->IsHighlighted() ? 2 : 1;
    if (bSelected)
    {
        // The selected tab reaches a pixel further toward the client.
        CZMRTabShapes::CTurn turn(rc, m_pPaintManager->GetPosition());
        CRect rcUpright = turn.Upright();
        rcUpright.bottom += 1;
        rc = turn.Rect(rcUpright);
    }
    DrawTabPart(pDC, rc, nPart, nState);
    return GetItemColor(pItem);
}

void CZMRTabPaintManager::CColorSetWinXP::FillStateButtonFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem)
{
    if (!IsAppThemed() || !pItem->IsSelected())
    {
        CColorSetDefault::FillStateButtonFace(pDC, rc, pItem);
        return;
    }
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), 1, pItem->IsHighlighted() ? 6 : 5, rc, nullptr);
}

void CZMRTabPaintManager::CColorSetWinXP::ExcludeClientCorners(CDC* pDC, CRect rc, CZMRTabManager* pManager)
{
    if (!IsAppThemed())
        return;
    // The pane's corner at the end of the header side.
    switch (m_pPaintManager->GetPosition())
    {
    case zmrTabPositionLeft:
        pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
        break;
    case zmrTabPositionBottom:
    case zmrTabPositionRight:
        pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
        break;
    default:
        pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
        break;
    }
}

void CZMRTabPaintManager::CColorSetWinXP::FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc)
{
    if (!m_themeToolBar.IsThemeOpenAndActive())
    {
        CColorSetDefault::FillNavigateButton(pDC, pButton, rc);
        return;
    }
    pDC->SetTextColor(Color(COLOR_BTNTEXT));
    if (!pButton->IsEnabled())
        return;
    const int nState = pButton->IsPressed() ? 3 : pButton->IsHighlighted() ? 2 : 1;
    m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), 1, nState, rc, nullptr);
}
