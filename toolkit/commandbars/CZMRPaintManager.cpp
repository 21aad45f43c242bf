#include "CZMRPaintManager.h"
#include "CZMRColorManager.h"
#include "CZMRImageManager.h"
#include "CZMROSVersionInfo.h"
#include "CZMRShadowManager.h"
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRSliderPaintManager.h"
#include "CZMRProgressPaintManager.h"
#include <algorithm>
#include <cstdlib>

CZMRPaintManager* CZMRPaintManager::s_pCurrent = nullptr;

CZMRPaintManager::CZMRPaintManager()
    : m_clrBarText(0), m_clrInfoText(0), m_bBoldCheckMark(FALSE), m_bShowShadow(TRUE), m_bUseStatusBarTheme(FALSE),
      m_bUseButtonTheme(FALSE), m_bClearTypeTextQuality(FALSE), m_bUseResourceCharSet(FALSE), m_bFlatToolBar(FALSE),
      m_bFlatMenuBar(FALSE), m_nTextGap(4), m_bPopupStateHighlight(FALSE), m_bEnableAnimation(FALSE),
      m_bNarrowArrow(FALSE), m_bLabelIconColumn(TRUE), m_bTwoLineCaptions(TRUE), m_nSplitDropDownWidth(11),
      m_nPopupSplitWidth(20), m_bScaleIcons(FALSE), m_nSpareMetric(20), m_pGalleryPaintManager(nullptr),
      m_pSliderPaintManager(nullptr), m_pProgressPaintManager(nullptr), m_pfnSetLayeredWindowAttributes(nullptr),
      m_rcSpare(0, 0, 0, 0), m_nBaseHeight(0), m_nFixedControlHeight(0), m_bUsePreferredFace(FALSE),
      m_strPreferredFace(L"Tahoma"), m_bUseSystemFont(TRUE), m_bEmbossDisabledText(TRUE), m_nTheme(zmrThemeDefault),
      m_bFadeIcons(FALSE), m_bDisabledIconsFromImage(FALSE), m_bHotIconShadow(FALSE),
      m_bDisabledIconsFromColors(FALSE), m_nAnimationSteps(10), m_nAnimationTime(100), m_nKeyboardCues(-1),
      m_nColorScheme(7), m_pShadowManager(nullptr)
{
    GetImageManager()->RefreshAll();

    m_pGalleryPaintManager = new CZMRControlGalleryPaintManager(this);
    m_pSliderPaintManager = new CZMRSliderPaintManager(this);
    m_pProgressPaintManager = new CZMRProgressPaintManager(this);

    if (HMODULE hUser32 = ::GetModuleHandleW(L"USER32"))
        m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(
            reinterpret_cast<void*>(::GetProcAddress(hUser32, "SetLayeredWindowAttributes")));

    m_pShadowManager = new CZMRShadowManager;
}

CZMRPaintManager::~CZMRPaintManager()
{
    delete m_pGalleryPaintManager;
    m_pGalleryPaintManager = nullptr;
    delete m_pSliderPaintManager;
    m_pSliderPaintManager = nullptr;
    delete m_pProgressPaintManager;
    m_pProgressPaintManager = nullptr;

    if (m_pShadowManager)
        m_pShadowManager->InternalRelease();
    m_pShadowManager = nullptr;

    m_themeStatusBar.CloseThemeData();
    m_themeButton.CloseThemeData();
    // The face string and the eight fonts go with their members.
}

// ---------------------------------------------------------------- the current paint manager

void CZMRPaintManager::SetCustomTheme(CZMRPaintManager* pPaintManager)
{
    // The new manager is current before the old one goes, so that whatever
    // the old one's destruction asks for finds the new one. The current
    // manager handed in again keeps the reference the global holds.
    CZMRPaintManager* pOld = s_pCurrent;
    s_pCurrent = pPaintManager;
    if (pOld && pOld != pPaintManager)
        pOld->InternalRelease();

    if (pPaintManager)
    {
        pPaintManager->m_nTheme = zmrThemeCustom;
        pPaintManager->RefreshMetrics();
    }

    // Registered once the first manager has refreshed, so that it goes before
    // the process-wide services its refresh brought up.
    static bool s_bReleaseAtExit = false;
    if (!s_bReleaseAtExit)
    {
        s_bReleaseAtExit = true;
        std::atexit(&CZMRPaintManager::Done);
    }
}

void CZMRPaintManager::SetTheme(int nTheme)
{
    SetCustomTheme(CreateTheme(nTheme));
    s_pCurrent->m_nTheme = nTheme;
}

void CZMRPaintManager::Done()
{
    CZMRPaintManager* pOld = s_pCurrent;
    s_pCurrent = nullptr;
    if (pOld)
        pOld->InternalRelease();
}

// ---------------------------------------------------------------- colours and metrics

COLORREF CZMRPaintManager::GetColor(COLORREF nIndex) const
{
    if (nIndex < COLORREF(ColorCount))
        return m_arrColors[nIndex].GetColor();
    return nIndex;
}

void CZMRPaintManager::SetColors(int nCount, const int* pIndices, const COLORREF* pColors)
{
    for (int i = 0; i < nCount; i++)
    {
        // An index outside the table names no entry; it is passed over.
        if (pIndices[i] >= 0 && pIndices[i] < ColorCount)
            m_arrColors[pIndices[i]].SetStandardValue(pColors[i]);
    }
}

int CZMRPaintManager::GetThemeColorScheme() const
{
    CZMRColorManager* pColorManager = GetColorManager();
    if (m_nColorScheme == 7)
        return pColorManager->IsSystemThemeIgnored() ? 0 : pColorManager->GetEffectiveSystemTheme();
    if (m_nColorScheme == 6)
        return pColorManager->GetDetectedSystemTheme();
    return m_nColorScheme;
}

int CZMRPaintManager::GetBaseHeight() const
{
    return std::max(m_nBaseHeight, 22);
}

CSize CZMRPaintManager::GetIconSize(BOOL bLarge) const
{
    if (!m_bScaleIcons)
        return bLarge ? CSize(32, 32) : CSize(16, 16);
    const int h = GetBaseHeight();
    const int n = std::max((bLarge ? 2 * h - 8 : h - 4) / 8, 2) * 8;
    return CSize(n, n);
}

BOOL CZMRPaintManager::IsClearTypeQuality() const
{
    return m_bClearTypeTextQuality && GetOSVersionInfo()->IsWindowsXPOrLater();
}

void CZMRPaintManager::RefreshStandardColors()
{
    RefreshSystemColors();
    CZMRColorManager* pColorManager = GetColorManager();
    for (int i = 0; i < ColorCount; i++)
        m_arrColors[i].SetStandardValue(pColorManager->GetColor(i));
}

void CZMRPaintManager::RefreshMetrics()
{
    RefreshFonts();
    RefreshStandardColors();

    // The themes that colour their shadows set it again in their refresh.
    m_pShadowManager->m_clrShadow = 0;

    m_clrBarText = GetColor(COLOR_BTNTEXT);
    m_clrInfoText = GetColor(COLOR_INFOTEXT);
    m_clrFloatingCaption.SetStandardValue(GetColor(COLOR_3DSHADOW));
    m_clrFloatingCaptionText.SetStandardValue(GetColor(COLOR_3DHIGHLIGHT));
    m_grcCaption.SetStandardPair(GetColor(COLOR_3DFACE), GetColor(COLOR_3DSHADOW), 0.5f);

    m_themeStatusBar.CloseThemeData();
    if (m_bUseStatusBarTheme)
    {
        m_themeStatusBar.OpenThemeData(nullptr, L"STATUS");
        if (m_themeStatusBar.IsThemeOpenAndActive())
            m_themeStatusBar.GetThemeColor(1, 0, 3803 /* TMT_TEXTCOLOR */, &m_clrBarText);
    }

    m_themeButton.CloseThemeData();
    if (m_bUseButtonTheme)
        m_themeButton.OpenThemeData(nullptr, L"BUTTON");

    m_pGalleryPaintManager->RefreshMetrics();
    m_pSliderPaintManager->RefreshMetrics();
    m_pProgressPaintManager->RefreshMetrics();
}
