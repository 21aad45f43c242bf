#include "CZMAuxData.h"
#include "CZMRColorManager.h"
#include "CZMRDrawHelpers.h"
#include "CZMRNonClientMetrics.h"
#include "CZMROSVersionInfo.h"
#include "CZMRResourceManager.h"

namespace
{
// The toolkit's own cursor ids; the program holds none of them unless a
// toolkit resource module provides them.
enum
{
    idcSplitHorz = 9308, idcSplitVert = 9309, idcDragCopy = 9311,
    idcHand = 9973, idcDragMove = 9970, idcDragNone = 9971
};
}

CZMAuxData::CZMAuxData()
    : bUseTahoma(0), nComCtlVersion(-1)
{
    for (HCURSOR& hCursor : m_hCursors)
        hCursor = nullptr;

    CZMROSVersionInfo* pVersion = GetOSVersionInfo();
    const DWORD dwPlatform = pVersion->dwPlatformId;
    bWin95 = pVersion->IsWindows95() ? 1 : 0;
    bWin98 = dwPlatform == 1 && pVersion->IsVersionAtLeast(4, 10) ? 1 : 0;
    bWinNT4 = dwPlatform == 2 && pVersion->IsVersionAtLeast(4, 0) ? 1 : 0;
    bWin2K = dwPlatform == 2 && pVersion->IsVersionAtLeast(5, 0) ? 1 : 0;
    bWinXP = dwPlatform == 2 && pVersion->IsVersionAtLeast(5, 1) ? 1 : 0;

    UpdateComCtlVersion();
    UpdateSysColors();
    UpdateSysMetrics();
    LoadSysCursors();
    UpdateSysFonts(nullptr, nullptr);
}

CZMAuxData::~CZMAuxData()
{
    DeleteSysFonts();
}

void CZMAuxData::UpdateSysColors()
{
    RefreshSystemColors();
    CZMRColorManager* pManager = GetColorManager();
    COLORREF* const rgSystem[] = {
        &clrBtnFace, &clrBtnShadow, &clr3DDkShadow, &clrBtnHilite, &clr3DLight, &clrBtnText, &clrGrayText,
        &clrHighlight, &clrHighlightText, &clrMenu, &clrMenuText, &clrWindow, &clrWindowFrame, &clrWindowText,
        &clrActiveCaption, &clrInactiveCaption, &clrGradientActiveCaption, &clrGradientInactiveCaption,
        &clrCaptionText, &clrInactiveCaptionText,
    };
    const UINT rgIndex[] = {15, 16, 21, 20, 22, 18, 17, 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19};
    for (size_t i = 0; i < sizeof(rgIndex) / sizeof(rgIndex[0]); i++)
        *rgSystem[i] = pManager->GetColor(rgIndex[i]);
    for (UINT i = 0; i < 20; i++)
        clrDerived[i] = pManager->GetColor(30 + i);
}

void CZMAuxData::UpdateSysMetrics()
{
    m_nSmallIconWidth = ::GetSystemMetrics(SM_CXSMICON);
    m_nSmallIconHeight = ::GetSystemMetrics(SM_CYSMICON);
    m_nIconWidth = 18;
    m_nIconHeight = 18;
    m_nHorzThumbWidth = ::GetSystemMetrics(SM_CXHTHUMB);
    m_nVertThumbHeight = ::GetSystemMetrics(SM_CYVTHUMB);
    m_nMenuHeight = ::GetSystemMetrics(SM_CYMENU);
}

BOOL CZMAuxData::LoadSysCursors()
{
    // Every cursor is tried: a toolkit cursor that is missing leaves its own
    // entry null but does not keep the system cursors after it from loading.
    CZMRResourceManager* pResources = GetResourceManager();
    BOOL bAll = TRUE;
    auto load = [&bAll](HCURSOR& hCursor, HCURSOR hLoaded) {
        hCursor = hLoaded;
        if (!hCursor)
            bAll = FALSE;
    };
    load(m_hCursors[2], pResources->LoadCursor(idcDragCopy));
    load(m_hCursors[0], pResources->LoadCursor(idcSplitHorz));
    load(m_hCursors[1], pResources->LoadCursor(idcSplitVert));
    HCURSOR hHand = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));   // IDC_HAND
    load(m_hCursors[3], hHand ? hHand : pResources->LoadCursor(idcHand));
    load(m_hCursors[4], pResources->LoadCursor(idcDragMove));
    load(m_hCursors[5], pResources->LoadCursor(idcDragNone));
    load(m_hCursors[6], ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32646)));   // IDC_SIZEALL
    return bAll;
}

void CZMAuxData::UpdateComCtlVersion()
{
    nComCtlVersion = int(CZMROSVersionInfo::GetComCtlVersion());
}

BOOL CZMAuxData::FontExists(LPCWSTR lpszFaceName)
{
    return CZMRDrawHelpers::HasFontFace(lpszFaceName);
}

CFont& CZMAuxData::GetFont(int nIndex)
{
    CFont* const rgFonts[FontCount] = {&font, &fontBold, &fontUnderline, &fontVert, &fontVertBold, &fontIconTitle,
                                       &fontIconTitleBold, &fontMarlett, &fontStatus, &fontSmCaption};
    return *rgFonts[nIndex];
}

void CZMAuxData::DeleteSysFonts()
{
    for (int i = 0; i < FontCount; i++)
    {
        if (GetFont(i).GetSafeHandle())
            GetFont(i).DeleteObject();
    }
}

BOOL CZMAuxData::CreateSysFont(const LOGFONTW* pBase, CFont* pFont, int nWeight, BYTE bUnderline, int nOrientation,
                               int nEscapement)
{
    if (pFont->GetSafeHandle())
        pFont->DeleteObject();
    LOGFONTW lf = *pBase;
    if (nWeight != -1)
        lf.lfWeight = nWeight;
    if (nOrientation != -1)
        lf.lfOrientation = nOrientation;
    if (nEscapement != -1)
        lf.lfEscapement = nEscapement;
    if (bUnderline != 0xFF)
        lf.lfUnderline = bUnderline;
    HFONT hFont = ::CreateFontIndirectW(&lf);
    return hFont && pFont->Attach(hFont);
}

BOOL CZMAuxData::UpdateSysFonts(LPCWSTR lpszFace, LPCWSTR lpszVerticalFace)
{
    DeleteSysFonts();

    CZMRNonClientMetrics ncm;
    LOGFONTW lfBase = ncm.lfMenuFont;
    LOGFONTW lfStatus = ncm.lfStatusFont;
    LOGFONTW lfSmCaption = ncm.lfSmCaptionFont;

    auto setFace = [](LOGFONTW& lf, LPCWSTR lpszName) { ::lstrcpynW(lf.lfFaceName, lpszName, LF_FACESIZE); };

    if (lpszFace && FontExists(lpszFace))
    {
        setFace(lfBase, lpszFace);
        setFace(lfStatus, lpszFace);
        setFace(lfSmCaption, lpszFace);
    }
    else if (bUseTahoma && ncm.lfMenuFont.lfCharSet <= SYMBOL_CHARSET && FontExists(L"Tahoma"))
    {
        setFace(lfBase, L"Tahoma");
    }

    if (!CreateSysFont(&lfBase, &GetFont(0))
        || !CreateSysFont(&lfBase, &GetFont(1), FW_BOLD)
        || !CreateSysFont(&lfBase, &GetFont(2), -1, 1))
        return FALSE;

    if (lpszVerticalFace && FontExists(lpszVerticalFace))
        setFace(lfBase, lpszVerticalFace);
    else if (::lstrcmpiW(ncm.lfMenuFont.lfFaceName, L"Tahoma") != 0 && FontExists(L"Arial"))
        setFace(lfBase, L"Arial");

    if (!CreateSysFont(&lfBase, &GetFont(3), -1, 0xFF, 900, 2700)
        || !CreateSysFont(&lfBase, &GetFont(4), FW_BOLD, 0xFF, 900, 2700))
        return FALSE;

    LOGFONTW lfIcon = {};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(LOGFONTW), &lfIcon, 0);
    if (!CreateSysFont(&lfIcon, &GetFont(5)) || !CreateSysFont(&lfIcon, &GetFont(6), FW_BOLD))
        return FALSE;

    if (!CreateSysFont(&lfStatus, &GetFont(8)) || !CreateSysFont(&lfSmCaption, &GetFont(9)))
        return FALSE;

    LOGFONTW lfMarlett = {};
    lfMarlett.lfHeight = lfIcon.lfHeight;
    lfMarlett.lfCharSet = DEFAULT_CHARSET;
    setFace(lfMarlett, L"Marlett");
    return CreateSysFont(&lfMarlett, &GetFont(7));
}

CZMAuxData* GetAuxData()
{
    static CZMAuxData s_auxData;
    return &s_auxData;
}
