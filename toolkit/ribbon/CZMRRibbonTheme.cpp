// The ribbon theme's construction, colours from the skin's "Ribbon" section,
// window regions and the caption tests. The ribbon's drawing is in
// CZMRRibbonThemePaint.cpp, the command-bar controls' in
// CZMRRibbonThemeControls.cpp.
#include "CZMRRibbonTheme.h"
#include "CZMRRibbonBar.h"
#include "CZMRRibbonGroup.h"
#include "CZMRRibbonTab.h"
#include "CZMRRibbonFrameHelper.h"
#include "CZMRControl.h"
#include "CZMROffice2007Images.h"
#include "CZMRShadowManager.h"
#include "CZMRCommandBarKeyboardTip.h"
#include "CZMRFontDC.h"
#include "CZMRToolTipContextToolTip.h"

namespace
{
const COLORREF kRibbonGrayText = RGB(141, 141, 141);

// The context colours by number, 1 to 7.
const LPCWSTR kContextColorNames[] = {L"BLUE", L"YELLOW", L"GREEN", L"RED", L"PURPLE", L"CYAN", L"ORANGE"};
// Their light tints where no skin is bound, light enough for dark text.
const COLORREF kContextFallbackColors[] = {RGB(153, 187, 232), RGB(255, 230, 128), RGB(166, 214, 150),
                                           RGB(240, 150, 150), RGB(196, 166, 226), RGB(140, 214, 226),
                                           RGB(250, 190, 130)};
} // namespace

CZMRRibbonTheme::CZMRRibbonTheme()
    : m_bRibbonFlag(TRUE), m_nTabsHeight(23), m_nGroupCaptionHeight(17), m_nFontHeightOverride(0),
      m_pTabPaintManager(nullptr), m_bGroupHotTracking(TRUE)
{
    m_bFrameStatusBar = TRUE;
    m_bClearTypeTextQuality = TRUE;
    m_nSplitDropDownWidth = 12;
    m_nPopupSplitWidth = 26;
    m_nSpareMetric = 22;
    m_pTabPaintManager = CreateTabPaintManager();
    m_pTabPaintManager->RefreshMetrics();
    m_strPreferredFace = L"Segoe UI";
    m_bUsePreferredFace = TRUE;
    m_bLabelIconColumn = FALSE;
    m_rcSpare.SetRect(0, 0, 0, 1);
    m_pShadowManager->m_dwOptions = 1;
}

CZMRRibbonTheme::~CZMRRibbonTheme()
{
    if (m_pTabPaintManager)
    {
        m_pTabPaintManager->InternalRelease();
        m_pTabPaintManager = nullptr;
    }
    m_fntRibbon.DeleteObject();
}

int CZMRRibbonTheme::GetThemeKind()
{
    return zmrThemeRibbon;
}

void CZMRRibbonTheme::AdjustAvoidRect(CRect& /*rc*/, CZMRControl* /*pControl*/, BOOL /*bVertical*/)
{
}

int CZMRRibbonTheme::GetRibbonCaptionHeight() const
{
    return m_nRibbonCaptionHeight;
}

int CZMRRibbonTheme::GetControlRowHeight() const
{
    return m_nFixedControlHeight;
}

CZMRRibbonTheme* CZMRRibbonTheme::FromBar(const CZMRCommandBar* pBar)
{
    CZMRPaintManager* pPaintManager = pBar ? pBar->GetPaintManager() : nullptr;
    // Only the kind tells a ribbon theme: an application may install one
    // under the custom number.
    if (!pPaintManager || pPaintManager->GetThemeKind() != zmrThemeRibbon)
        return nullptr;
    return dynamic_cast<CZMRRibbonTheme*>(pPaintManager);
}

// ---------------------------------------------------------------- colours

COLORREF CZMRRibbonTheme::RibbonColor(LPCWSTR lpszKey)
{
    return GetOffice2007Images()->LookupIniColor(L"Ribbon", lpszKey);
}

// A key the skin lacks leaves what the theme had before it (the Office
// 2007 refresh's value, or the system colour named here), so that no part
// is ever drawn in the missing-colour value.
void CZMRRibbonTheme::SetSkinColor(CZMRPaintManagerColor& clr, LPCWSTR lpszKey, COLORREF clrFallback)
{
    const COLORREF clrSkin = RibbonColor(lpszKey);
    if (clrSkin != COLORREF(-1))
        clr.SetStandardValue(clrSkin);
    else if (clrFallback != COLORREF(-1))
        clr.SetStandardValue(clrFallback);
}

void CZMRRibbonTheme::RefreshMetrics()
{
    CZMROffice2007Theme::RefreshMetrics();

    // Own members first get what they stand in for when the skin is silent.
    struct CMemberKey
    {
        CZMRPaintManagerColor CZMRRibbonTheme::*pMember;
        LPCWSTR lpszKey;
        COLORREF nFallback;   // an index of the colour table, or a colour
    };
    static const CMemberKey kMembers[] = {
        {&CZMRRibbonTheme::m_clrRibbonFace, L"RibbonFace", COLOR_3DFACE},
        {&CZMRRibbonTheme::m_clrGroupCaptionText, L"GroupCaptionText", COLOR_BTNTEXT},
        {&CZMRRibbonTheme::m_clrRibbonText, L"RibbonText", COLOR_BTNTEXT},
        {&CZMRRibbonTheme::m_clrRibbonGrayText, L"RibbonGrayText", kRibbonGrayText},
        {&CZMRRibbonTheme::m_clrEditField, L"ControlEditNormal", COLOR_WINDOW},
        {&CZMRRibbonTheme::m_clrMinimizedFrameEdgeHighLight, L"MinimizedFrameEdgeHighLight", COLOR_3DHIGHLIGHT},
        {&CZMRRibbonTheme::m_clrMinimizedFrameEdgeShadow, L"MinimizedFrameEdgeShadow", COLOR_3DSHADOW},
    };
    // Keys of colour-table entries, in the order the skin is read.
    struct CIndexKey
    {
        int nIndex;
        LPCWSTR lpszKey;
    };
    static const CIndexKey kIndices[] = {
        {46, L"GroupClientText"},
        {44, L"MenuPopupText"},
        {45, L"ControlHighlightText"},
    };

    for (const CMemberKey& key : kMembers)
        SetSkinColor(this->*key.pMember, key.lpszKey, GetColor(key.nFallback));
    if (m_pTabPaintManager && m_pTabPaintManager->GetColorSet())
    {
        // The colour set's own colours stay for keys the skin lacks.
        CZMRTabPaintManager::CColorSet* pColorSet = m_pTabPaintManager->GetColorSet();
        SetSkinColor(pColorSet->m_clrTextHot, L"TabNormalText", COLORREF(-1));
        SetSkinColor(pColorSet->m_clrTextNormal, L"TabNormalText", COLORREF(-1));
        SetSkinColor(pColorSet->m_clrTextSelected, L"TabSelectedText", COLORREF(-1));
    }
    for (const CIndexKey& key : kIndices)
        SetSkinColor(m_arrColors[key.nIndex], key.lpszKey, COLORREF(-1));
    m_arrColors[60].SetStandardValue(kRibbonGrayText);

    const COLORREF clrGripper = RibbonColor(L"MenuPopupGripper");
    if (clrGripper != COLORREF(-1))
        m_grcMenuPopupGripper.SetStandardColor(clrGripper);
    else
        m_grcMenuPopupGripper.SetStandardFrom(m_grcIconColumn);
    const COLORREF clrExpandedDark = RibbonColor(L"MenuPopupExpandedGripperDark");
    const COLORREF clrExpandedLight = RibbonColor(L"MenuPopupExpandedGripperLight");
    if (clrExpandedDark != COLORREF(-1) && clrExpandedLight != COLORREF(-1))
        m_grcHiddenIconColumn.SetStandardPair(clrExpandedLight, clrExpandedDark, 0.5f);

    m_pShadowManager->m_clrShadow = 0;
    m_arrColors[35].SetStandardValue(RGB(167, 167, 167));
    m_arrColors[43].SetStandardValue(RGB(134, 134, 134));
    m_arrColors[41].SetStandardValue(RGB(250, 250, 250));
    m_grcExpandImage.SetStandardPair(RGB(233, 238, 238), RGB(233, 238, 238), 0.5f);

    CreateGradientImageList();
}

// ---------------------------------------------------------------- regions and glass

namespace
{
// Every corner pixel of the window cut away; the window owns the region.
void SetChamferedRegion(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    const int w = rc.Width();
    const int h = rc.Height();
    HRGN hRgn = ::CreateRectRgn(1, 0, w - 1, 1);
    HRGN hMiddle = ::CreateRectRgn(0, 1, w, h - 1);
    HRGN hBottom = ::CreateRectRgn(1, h - 1, w - 1, h);
    ::CombineRgn(hRgn, hRgn, hMiddle, RGN_OR);
    ::CombineRgn(hRgn, hRgn, hBottom, RGN_OR);
    ::DeleteObject(hMiddle);
    ::DeleteObject(hBottom);
    ::SetWindowRgn(pWnd->GetSafeHwnd(), hRgn, FALSE);
}
} // namespace

void CZMRRibbonTheme::ApplyBarWindowRegion(CZMRCommandBar* pBar)
{
    if (!pBar || !pBar->GetSafeHwnd() || pBar->GetPosition() != zmrBarPopup)
        return;
    SetChamferedRegion(pBar);
}

void CZMRRibbonTheme::PaintKeyboardTipWindow(CDC* pDC, CZMRCommandBarKeyboardTip* pTip, BOOL bPrepare)
{
    if (!pTip || !pTip->GetSafeHwnd())
        return;
    if (bPrepare)
    {
        SetChamferedRegion(pTip);
        return;
    }
    if (!pDC)
        return;
    CRect rc;
    pTip->GetClientRect(&rc);
    CZMRFontDC font(pDC, &m_fntKeyboardTip);
    // The skin's colours are read as the tip is drawn.
    CZMRToolTipContextToolTip::DrawSkinTipFace(pDC, rc);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(pTip->IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    pDC->DrawText(pTip->GetTipText(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

CString CZMRRibbonTheme::GetContextColorName(int nColor)
{
    if (nColor < 1 || nColor > 7)
        return CString();
    return kContextColorNames[nColor - 1];
}

COLORREF CZMRRibbonTheme::GetContextFallbackColor(int nColor)
{
    if (nColor < 1 || nColor > 7)
        return COLORREF(-1);
    return kContextFallbackColors[nColor - 1];
}

BOOL CZMRRibbonTheme::IsRectInRibbonCaption(CZMRCommandBar* pBar, CRect rc)
{
    if (!pBar || !pBar->IsRibbonBar())
        return FALSE;
    CZMRRibbonBar* pRibbonBar = static_cast<CZMRRibbonBar*>(pBar);
    CZMRRibbonFrameHelper* pHelper = pRibbonBar->GetFrameHelper();
    if (!pHelper || !pHelper->IsCompositionEnabled())
        return FALSE;
    CRect rcCommon;
    return rcCommon.IntersectRect(rc, pRibbonBar->GetCaptionRect());
}

BOOL CZMRRibbonTheme::IsControlRectInRibbonCaption(CZMRControl* pControl)
{
    return pControl && IsRectInRibbonCaption(pControl->GetParent(), pControl->GetRect()) ? TRUE : FALSE;
}
