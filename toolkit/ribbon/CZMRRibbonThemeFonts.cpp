// The ribbon theme's fonts and the metrics that follow the font height: bars,
// tab row, group captions and split buttons all grow with the menu font.
#include "CZMRRibbonTheme.h"
#include "CZMRNonClientMetrics.h"
#include "CZMROSVersionInfo.h"

#include <algorithm>
#include <cstdlib>

int CZMRRibbonTheme::GetRibbonFontHeight(int nMenuFontHeight, int nHeightOverride)
{
    int h = std::abs(nMenuFontHeight);
    if (nHeightOverride > 11)
        h = nHeightOverride;
    if (h <= 12)
        h = 11;
    return h;
}

CZMRRibbonTheme::CFontMetrics CZMRRibbonTheme::CalcFontMetrics(int h)
{
    CFontMetrics metrics;
    const int e = h * 144 / 96;
    const int g = std::max(h * 195 / 96, 22);
    metrics.nBaseHeight = std::max(e + 6, 22);
    metrics.nFixedControlHeight = g;
    metrics.nTabsHeight = g > 22 ? g + 2 : 23;
    metrics.nGroupCaptionHeight = std::max(e, 17);
    metrics.nSplitDropDownWidth = std::max(metrics.nBaseHeight / 2, 12);
    return metrics;
}

void CZMRRibbonTheme::RefreshFonts()
{
    CZMRNonClientMetrics ncm;
    const int h = GetRibbonFontHeight(ncm.lfMenuFont.lfHeight, m_nFontHeightOverride);
    const BOOL bClearType = m_bClearTypeTextQuality && GetOSVersionInfo()->IsWindowsXPOrLater();

    LOGFONT lf = {};
    lf.lfHeight = h * 120 / 96;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = ncm.lfMenuFont.lfCharSet;
    lf.lfQuality = ncm.lfMenuFont.lfQuality;
    if (bClearType)
    {
        lf.lfQuality = CLEARTYPE_QUALITY;
        ncm.lfSmCaptionFont.lfQuality = CLEARTYPE_QUALITY;
        ncm.lfStatusFont.lfQuality = CLEARTYPE_QUALITY;
    }
    if (m_bUsePreferredFace && HasFontFace(m_strPreferredFace))
    {
        lstrcpynW(lf.lfFaceName, m_strPreferredFace, LF_FACESIZE);
        lstrcpynW(ncm.lfStatusFont.lfFaceName, m_strPreferredFace, LF_FACESIZE);
    }
    else
    {
        lstrcpynW(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
    }

    if (m_bUseSystemFont)
    {
        LOGFONT lfBar = lf;
        SetBarFontFromLogFont(&lfBar, TRUE);
    }

    const CFontMetrics metrics = CalcFontMetrics(h);
    m_nBaseHeight = metrics.nBaseHeight;
    m_nFixedControlHeight = metrics.nFixedControlHeight;
    m_nTabsHeight = metrics.nTabsHeight;
    m_nGroupCaptionHeight = metrics.nGroupCaptionHeight;
    m_nSplitDropDownWidth = metrics.nSplitDropDownWidth;

    if (m_fntRibbon.m_bStandardFont || !m_fntRibbon.GetSafeHandle())
    {
        m_fntRibbon.DeleteObject();
        m_fntRibbon.CreateFontIndirect(&lf);
    }

    // Edit fields keep the menu font's face.
    LOGFONT lfField = lf;
    lstrcpynW(lfField.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
    m_fntField.SetStandardFont(&lfField);
    lfField.lfWeight = FW_BOLD;
    m_fntFieldBold.SetStandardFont(&lfField);

    if (m_pTabPaintManager)
    {
        m_pTabPaintManager->RefreshMetrics();
        m_pTabPaintManager->SetFontIndirect(&lf, TRUE);
    }

    m_fntFloatingCaption.SetStandardFont(&ncm.lfSmCaptionFont);
    m_fntKeyboardTip.SetStandardFont(&ncm.lfStatusFont);
}
