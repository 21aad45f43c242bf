// The theme factory: one paint manager class per theme number. A number
// the factory does not know is served by the Default theme.
#include "CZMRPaintManager.h"
#include "CZMRDefaultTheme.h"
#include "CZMRNativeXPTheme.h"
#include "CZMROffice2003Theme.h"
#include "CZMROffice2007Theme.h"
#include "CZMRVisualStudio2008Theme.h"
#include "CZMRRibbonTheme.h"

CZMRPaintManager* CZMRPaintManager::CreateTheme(int nTheme)
{
    CZMRPaintManager* pPaintManager = nullptr;
    switch (nTheme)
    {
    case zmrThemeOffice:
        pPaintManager = new CZMROfficeTheme;
        break;
    case zmrThemeOffice2003:
        pPaintManager = new CZMROffice2003Theme;
        break;
    case zmrThemeNativeXP:
        pPaintManager = new CZMRNativeXPTheme;
        break;
    case zmrThemeOffice2007:
        pPaintManager = new CZMROffice2007Theme;
        break;
    case zmrThemeWhidbey:
        pPaintManager = new CZMRWhidbeyTheme;
        break;
    case zmrThemeRibbon:
        pPaintManager = new CZMRRibbonTheme;
        break;
    case zmrThemeVisualStudio2008:
        pPaintManager = new CZMRVisualStudio2008Theme;
        break;
    default:
        pPaintManager = new CZMRDefaultTheme;
        break;
    }
    pPaintManager->m_nTheme = nTheme;
    return pPaintManager;
}
