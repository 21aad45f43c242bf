// The paint manager's fonts: the four bar fonts built from the system menu
// font (or one the application sets) and the fonts that follow the system's
// icon-title, small-caption and status fonts.
#include "CZMRPaintManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRNonClientMetrics.h"
#include "CZMRResourceManager.h"

BOOL CZMRPaintManager::HasFontFace(LPCTSTR lpszFaceName)
{
    return CZMRDrawHelpers::HasFontFace(lpszFaceName);
}

LOGFONT CZMRPaintManager::GetBarLogFont(const LOGFONT& lfMenu, BYTE nCharSet, BOOL bClearType)
{
    LOGFONT lf = {};
    lf.lfHeight = lfMenu.lfHeight;
    if (lf.lfHeight < 0 && lf.lfHeight >= -10)
        lf.lfHeight = -11;   // smaller menu fonts are too small for bars
    lf.lfWeight = lfMenu.lfWeight;
    lf.lfItalic = lfMenu.lfItalic;
    lf.lfCharSet = nCharSet;
    lf.lfQuality = bClearType ? BYTE(CLEARTYPE_QUALITY) : lfMenu.lfQuality;
    lstrcpynW(lf.lfFaceName, lfMenu.lfFaceName, LF_FACESIZE);
    return lf;
}

void CZMRPaintManager::RefreshFonts()
{
    CZMRNonClientMetrics ncm;
    const BYTE nCharSet = m_bUseResourceCharSet ? BYTE(GetResourceManager()->GetLanguageInfo()->nFontCharSet)
                                                : ncm.lfMenuFont.lfCharSet;
    const BOOL bClearType = IsClearTypeQuality();

    if (m_bUseSystemFont)
    {
        const LOGFONT lf = GetBarLogFont(ncm.lfMenuFont, nCharSet, bClearType);
        SetBarFontFromLogFont(&lf, TRUE);
    }

    LOGFONT lfIconTitle = {};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lfIconTitle), &lfIconTitle, 0);
    for (LOGFONT* pFont : {&lfIconTitle, &ncm.lfSmCaptionFont, &ncm.lfStatusFont})
    {
        if (bClearType)
            pFont->lfQuality = CLEARTYPE_QUALITY;
        pFont->lfCharSet = nCharSet;
    }

    m_fntFloatingCaption.SetStandardFont(&ncm.lfSmCaptionFont);
    m_fntField.SetStandardFont(&lfIconTitle);
    LOGFONT lfFieldBold = lfIconTitle;
    lfFieldBold.lfWeight = FW_BOLD;
    m_fntFieldBold.SetStandardFont(&lfFieldBold);
    m_fntKeyboardTip.SetStandardFont(&ncm.lfStatusFont);
}

void CZMRPaintManager::SetBarFontFromLogFont(const LOGFONT* pLogFont, BOOL bUseSystemFont)
{
    m_bUseSystemFont = bUseSystemFont;
    if (!pLogFont)
        return;

    LOGFONT lf = *pLogFont;
    if (IsClearTypeQuality())
        lf.lfQuality = CLEARTYPE_QUALITY;

    m_fntRegular.DeleteObject();
    m_fntRegularBold.DeleteObject();
    m_fntVertical.DeleteObject();
    m_fntVerticalBold.DeleteObject();
    // The next refresh rebuilds the field bold font; one the application set
    // is kept.
    if (m_fntFieldBold.m_bStandardFont)
        m_fntFieldBold.DeleteObject();

    if (m_strPreferredFace.CompareNoCase(lf.lfFaceName) == 0)
        m_bUsePreferredFace = TRUE;
    if (bUseSystemFont && m_bUsePreferredFace && HasFontFace(m_strPreferredFace))
        lstrcpynW(lf.lfFaceName, m_strPreferredFace, LF_FACESIZE);

    m_fntRegular.CreateFontIndirect(&lf);
    LOGFONT lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    m_fntRegularBold.CreateFontIndirect(&lfBold);

    LOGFONT lfVertical = lf;
    lfVertical.lfOrientation = 900;
    lfVertical.lfEscapement = 2700;
    CString strFace;
    CZMRDrawHelpers::PickUiFontFace(strFace, m_bUsePreferredFace);
    lstrcpynW(lfVertical.lfFaceName, strFace, LF_FACESIZE);
    m_fntVertical.CreateFontIndirect(&lfVertical);
    lfVertical.lfWeight = FW_BOLD;
    m_fntVerticalBold.CreateFontIndirect(&lfVertical);

    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hDC, m_fntRegular.GetSafeHandle());
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hDC, L" ", 1, &size);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    m_nBaseHeight = size.cy + 6;
}
