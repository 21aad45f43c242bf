// The skinned theme's refresh: the Office 2003 colours first, then every
// colour the skin's colour table names, in the table's order. The skin is a
// resource module the program may not have; a key it lacks never leaves an
// invalid colour behind (see s_arrFallbacks).
#include "CZMROffice2007Theme.h"
#include "CZMRNonClientMetrics.h"
#include "CZMROffice2007Images.h"
#include "CZMRShadowManager.h"
#include <algorithm>

namespace
{
const COLORREF kNone = COLORREF(-1);

// The colours of the theme's own have no Office 2003 value to keep: when the
// skin lacks one of these keys the colour is the system colour (colour-table
// index) given here. Every other key the skin lacks keeps the value the
// Office 2003 refresh gave its slot.
struct CFallback
{
    LPCWSTR lpszKey;
    int nIndex;
};
const CFallback s_arrFallbacks[] = {
    {L"BorderActive0", COLOR_WINDOWFRAME},
    {L"BorderActive1", COLOR_ACTIVEBORDER},
    {L"BorderActive2", COLOR_ACTIVEBORDER},
    {L"BorderActive3", COLOR_ACTIVEBORDER},
    {L"BorderInactive0", COLOR_WINDOWFRAME},
    {L"BorderInactive1", COLOR_INACTIVEBORDER},
    {L"BorderInactive2", COLOR_INACTIVEBORDER},
    {L"BorderInactive3", COLOR_INACTIVEBORDER},
    {L"CaptionTextActive", COLOR_CAPTIONTEXT},
    {L"CaptionTextInActive", COLOR_INACTIVECAPTIONTEXT},
    {L"CaptionTextActiveTitle", COLOR_CAPTIONTEXT},
    {L"MenuBarText", COLOR_MENUTEXT},
    {L"StatusBarShadow", COLOR_3DSHADOW},
    {L"StatusBarFaceTopLight", COLOR_3DHIGHLIGHT},
    {L"StatusBarFaceTopDark", COLOR_3DFACE},
    {L"StatusBarFaceBottomLight", COLOR_3DFACE},
    {L"StatusBarFaceBottomDark", COLOR_3DFACE},
    {L"WorkspaceClientTop", COLOR_APPWORKSPACE},
    {L"WorkspaceClientMiddle", COLOR_APPWORKSPACE},
    {L"WorkspaceClientBottom", COLOR_APPWORKSPACE},
    {L"MessageBarLight", COLOR_INFOBK},
    {L"MessageBarDark", COLOR_INFOBK},
    {L"MessageBarFrame", COLOR_3DSHADOW},
    {L"MessageBar", COLOR_3DFACE},
};

int FallbackIndex(LPCWSTR lpszKey)
{
    for (const CFallback& fallback : s_arrFallbacks)
        if (::lstrcmpW(fallback.lpszKey, lpszKey) == 0)
            return fallback.nIndex;
    return COLOR_WINDOWTEXT;   // not reached: every own key is listed
}
} // namespace

LOGFONT CZMROffice2007Theme::MakeCaptionLogFont(const LOGFONT& lfCaption, BOOL bClearType, LPCWSTR lpszFace)
{
    LOGFONT lf = lfCaption;
    lf.lfWeight = FW_NORMAL;
    if (bClearType)
        lf.lfQuality = CLEARTYPE_QUALITY;
    if (lpszFace && *lpszFace)
        ::lstrcpynW(lf.lfFaceName, lpszFace, LF_FACESIZE);
    // Very small caption fonts are hard to read on the skinned caption.
    if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
        lf.lfHeight = -11;
    return lf;
}

void CZMROffice2007Theme::RefreshCaptionFont()
{
    CZMRNonClientMetrics metrics;
    const BOOL bFace = m_bUsePreferredFace && HasFontFace(m_strPreferredFace);
    const LOGFONT lf = MakeCaptionLogFont(metrics.lfCaptionFont, IsClearTypeQuality(),
                                          bFace ? static_cast<LPCWSTR>(m_strPreferredFace) : nullptr);
    m_fntFrameCaption.SetStandardFont(&lf);
}

void CZMROffice2007Theme::RefreshMetrics()
{
    CZMROffice2003Theme::RefreshMetrics();
    RefreshCaptionFont();
    const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    m_nFrameCaptionHeight = std::max(cyCaption, 17);
    m_nRibbonCaptionHeight = std::max(cyCaption + 1, 18);
    RefreshSkinColors();
    CreateGradientImageList();
}

void CZMROffice2007Theme::RefreshSkinColors()
{
    CZMROffice2007Images* pImages = m_pImages;
    auto lookup = [pImages](LPCWSTR lpszSection, LPCWSTR lpszKey) {
        return pImages ? pImages->LookupIniColor(lpszSection, lpszKey) : kNone;
    };
    // A key for a slot the Office 2003 refresh filled: its value kept when missing.
    auto keep = [&](LPCWSTR lpszSection, LPCWSTR lpszKey, COLORREF clrInherited) {
        const COLORREF clr = lookup(lpszSection, lpszKey);
        return clr == kNone ? clrInherited : clr;
    };
    // A key for a colour of the theme's own: its system colour when missing.
    auto own = [&](LPCWSTR lpszSection, LPCWSTR lpszKey) {
        const COLORREF clr = lookup(lpszSection, lpszKey);
        return clr == kNone ? GetColor(FallbackIndex(lpszKey)) : clr;
    };
    auto entry = [&](int nIndex, LPCWSTR lpszSection, LPCWSTR lpszKey) {
        const COLORREF clr = lookup(lpszSection, lpszKey);
        if (clr != kNone)
            SetColors(1, &nIndex, &clr);
    };
    auto fixed = [&](int nIndex, COLORREF clr) { SetColors(1, &nIndex, &clr); };
    // An Office 2003 gradient: left whole when the skin has neither key.
    auto gradient = [&](CZMRPaintManagerColorGradient& grc, LPCWSTR lpszSection, LPCWSTR lpszDark,
                        LPCWSTR lpszLight, float fFactor) {
        const COLORREF clrDark = lookup(lpszSection, lpszDark);
        const COLORREF clrLight = lookup(lpszSection, lpszLight);
        if (clrDark == kNone && clrLight == kNone)
            return;
        grc.SetStandardPair(clrLight == kNone ? grc.clrLight.m_clrStandardValue : clrLight,
                            clrDark == kNone ? grc.clrDark.m_clrStandardValue : clrDark, fFactor);
    };
    auto ownGradient = [&](CZMRPaintManagerColorGradient& grc, LPCWSTR lpszSection, LPCWSTR lpszDark,
                           LPCWSTR lpszLight) {
        const COLORREF clrDark = own(lpszSection, lpszDark);
        grc.SetStandardPair(own(lpszSection, lpszLight), clrDark, 0.5f);
    };

    m_clrBarText = keep(L"StatusBar", L"StatusBarText", m_clrBarText);
    m_clrStatusBarShadow = own(L"StatusBar", L"StatusBarShadow");
    ownGradient(m_grcStatusBarTop, L"StatusBar", L"StatusBarFaceTopDark", L"StatusBarFaceTopLight");
    ownGradient(m_grcStatusBarBottom, L"StatusBar", L"StatusBarFaceBottomDark", L"StatusBarFaceBottomLight");

    const COLORREF clrDockFace = lookup(L"Toolbar", L"DockBarFace");
    if (clrDockFace != kNone)
        m_grcDock.SetStandardColor(clrDockFace);
    gradient(m_grcFace, L"Toolbar", L"ToolbarFaceDark", L"ToolbarFaceLight", 0.75f);
    m_clrEdge.SetStandardValue(keep(L"Toolbar", L"ToolbarFaceShadow", m_clrEdge.m_clrStandardValue));
    gradient(m_grcExpand, L"Toolbar", L"ControlToolbarExpandDark", L"ControlToolbarExpandLight", 0.75f);
    gradient(m_grcPopped, L"Toolbar", L"ControlHighlightPopupedDark", L"ControlHighlightPopupedLight", 0.5f);
    m_grcExpandImage.SetStandardPair(m_grcPopped.clrLight.m_clrStandardValue, m_grcPopped.clrDark.m_clrStandardValue,
                                     m_grcPopped.fGradientFactor);
    gradient(m_grcIconColumn, L"Toolbar", L"MenuPopupGripperDark", L"MenuPopupGripperLight", 0.5f);
    gradient(m_grcHiddenIconColumn, L"Toolbar", L"MenuPopupExpandedGripperDark", L"MenuPopupExpandedGripperLight",
             0.5f);
    m_pShadowManager->m_clrShadow = 0;
    m_clrTearOff.SetStandardValue(keep(L"Toolbar", L"MenuPopupTearOffGripper", m_clrTearOff.m_clrStandardValue));
    m_clrMenuBarText = own(L"Toolbar", L"MenuBarText");
    fixed(41, RGB(246, 246, 246));
    entry(43, L"Toolbar", L"MenuPopupBorder");
    entry(38, L"Toolbar", L"ToolbarGripper");
    for (int nIndex : {44, 45, 46})
        fixed(nIndex, RGB(0, 0, 0));
    for (int nIndex : {60, 58, 35})
        fixed(nIndex, RGB(141, 141, 141));
    entry(54, L"Window", L"WindowFrame");
    m_clrFloatingCaption.SetStandardValue(
        keep(L"Toolbar", L"FloatingBarGripper", m_clrFloatingCaption.m_clrStandardValue));
    m_clrFloatingCaptionText.SetStandardValue(
        keep(L"Toolbar", L"FloatingBarGripperText", m_clrFloatingCaptionText.m_clrStandardValue));
    entry(61, L"Toolbar", L"FloatingBarBorder");
    entry(12, L"Workspace", L"AppWorkspace");
    entry(51, L"Window", L"ButtonFace");
    fixed(52, m_clrEdge.GetColor());
    entry(30, L"Toolbar", L"ToolbarFace");
    entry(39, L"Toolbar", L"ToolbarSeparator");
    entry(40, L"Toolbar", L"ControlDisabledIcon");
    m_clrWorkspaceClientTop = own(L"Workspace", L"WorkspaceClientTop");
    m_clrWorkspaceClientMiddle = own(L"Workspace", L"WorkspaceClientMiddle");
    m_clrWorkspaceClientBottom = own(L"Workspace", L"WorkspaceClientBottom");
    entry(31, L"Window", L"HighlightSelected");
    entry(32, L"Window", L"HighlightSelectedBorder");
    entry(33, L"Window", L"HighlightPressed");
    entry(50, L"Window", L"HighlightPressedBorder");
    entry(36, L"Window", L"HighlightChecked");
    entry(37, L"Window", L"HighlightCheckedBorder");
    fixed(47, RGB(0, 0, 0));
    m_bSchemeColors = TRUE;
    gradient(m_grcHot, L"Window", L"HighlightSelectedDark", L"HighlightSelectedLight", 0.5f);
    gradient(m_grcChecked, L"Window", L"HighlightCheckedDark", L"HighlightCheckedLight", 0.5f);
    gradient(m_grcPressed, L"Window", L"HighlightPressedDark", L"HighlightPressedLight", 0.5f);
    static const LPCWSTR s_arrBorderActive[4] = {L"BorderActive0", L"BorderActive1", L"BorderActive2",
                                                 L"BorderActive3"};
    static const LPCWSTR s_arrBorderInactive[4] = {L"BorderInactive0", L"BorderInactive1", L"BorderInactive2",
                                                   L"BorderInactive3"};
    for (int i = 0; i < 4; i++)
        m_clrFrameBorderActive[i] = own(L"Window", s_arrBorderActive[i]);
    for (int i = 0; i < 4; i++)
        m_clrFrameBorderInactive[i] = own(L"Window", s_arrBorderInactive[i]);
    m_clrFrameCaptionTextActiveTitle = own(L"Window", L"CaptionTextActiveTitle");
    m_clrFrameCaptionTextInActive = own(L"Window", L"CaptionTextInActive");
    m_clrFrameCaptionTextActive = own(L"Window", L"CaptionTextActive");
    entry(56, L"Toolbar", L"ControlLabel");
    entry(53, L"Toolbar", L"ControlEditBorder");
    gradient(m_grcCaption, L"Toolbar", L"ControlDisabledIconDark", L"ControlDisabledIconLight", 0.5f);
    ownGradient(m_grcMessageBar, L"MessageBar", L"MessageBarDark", L"MessageBarLight");
    m_clrMessageBarFrame = own(L"MessageBar", L"MessageBarFrame");
    m_clrInfoText = keep(L"MessageBar", L"MessageBarText", m_clrInfoText);
    m_clrMessageBarFace = own(L"MessageBar", L"MessageBar");
}
