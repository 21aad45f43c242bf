#include "CZMRColorManager.h"
#include "CZMRWinThemeWrapper.h"
#include <cmath>

namespace
{
const float kScaleR = 195.0f / 255.0f;
const float kScaleG = 390.0f / 255.0f;
const float kScaleB = 65.0f / 255.0f;
const float kMax[3] = {195.0f, 390.0f, 65.0f};
const float kWhiteBrightness = 442.0f;

struct Point3
{
    float v[3];
};

Point3 ToPoint(COLORREF clr)
{
    Point3 p = {{GetRValue(clr) * kScaleR, GetGValue(clr) * kScaleG, GetBValue(clr) * kScaleB}};
    return p;
}

float LengthSquared(const Point3& p)
{
    return p.v[0] * p.v[0] + p.v[1] * p.v[1] + p.v[2] * p.v[2];
}

int ToChannel(float f, float fMax)
{
    float fValue = f * 255.0f / fMax + 0.5f;
    if (!(fValue > 0.0f))    // also catches a value that is not a number
        return 0;
    if (fValue >= 255.0f)
        return 255;
    return static_cast<int>(fValue);
}

// Clamped to the box, then mapped back to a colour.
COLORREF FromPoint(Point3 p)
{
    for (int i = 0; i < 3; i++)
        p.v[i] = std::min(std::max(p.v[i], 0.0f), kMax[i]);
    return RGB(ToChannel(p.v[0], kMax[0]), ToChannel(p.v[1], kMax[1]), ToChannel(p.v[2], kMax[2]));
}

Point3 Invert(const Point3& p)
{
    Point3 q = {{kMax[0] - p.v[0], kMax[1] - p.v[1], kMax[2] - p.v[2]}};
    return q;
}

COLORREF ClampedChannelsPlus(COLORREF clr, int nAdd)
{
    return RGB(std::min(GetRValue(clr) + nAdd, 255), std::min(GetGValue(clr) + nAdd, 255),
               std::min(GetBValue(clr) + nAdd, 255));
}

COLORREF ScaleChannels(COLORREF clr, int nNumerator, int nDenominator)
{
    return RGB(std::min(GetRValue(clr) * nNumerator / nDenominator, 255),
               std::min(GetGValue(clr) * nNumerator / nDenominator, 255),
               std::min(GetBValue(clr) * nNumerator / nDenominator, 255));
}

int MaxChannel(COLORREF clr)
{
    return std::max(std::max(GetRValue(clr), GetGValue(clr)), GetBValue(clr));
}

// Colour indices used by the derivation rules.
enum
{
    idxFace = COLOR_BTNFACE, idxShadow = COLOR_BTNSHADOW, idxWindow = COLOR_WINDOW,
    idxHighlight = COLOR_HIGHLIGHT, idxHighlightText = COLOR_HIGHLIGHTTEXT, idxGrayText = COLOR_GRAYTEXT,
    idxWindowText = COLOR_WINDOWTEXT, idxMenuText = COLOR_MENUTEXT, idxButtonText = COLOR_BTNTEXT
};

struct MixRule
{
    int nEntry, nA, nB, nWeight;
};
const MixRule s_rgMixRules[] = {
    {30, idxWindow, idxFace, 165}, {31, idxHighlight, idxWindow, 30}, {33, idxHighlight, idxWindow, 50},
    {41, idxFace, idxWindow, 143}, {35, idxGrayText, idxWindow, 70}, {38, idxShadow, idxWindow, 75},
    {39, idxShadow, idxWindow, 70}, {43, 46, idxShadow, 20}, {61, 46, idxShadow, 15},
    {40, idxShadow, idxWindow, 90}, {42, idxFace, idxShadow, 90},
};

struct DistanceRule
{
    int nEntry, nA, nB, nThreshold;
};
const DistanceRule s_rgDistanceRules[] = {
    {31, 30, 31, 50}, {32, 30, idxHighlight, 100}, {33, 30, 33, 30}, {35, 41, 35, 80},
    {37, 33, 37, 100}, {38, 30, 38, 85}, {39, 30, 39, 50}, {43, 41, 43, 100},
    {61, 30, 61, 100}, {40, 30, 40, 80}, {44, 41, 44, 180}, {45, 31, 45, 180},
    {46, 30, 46, 180}, {47, 33, 47, 180},
};

// Classic value of entries 30..61.
const int s_rgClassic[32] = {
    idxFace, idxWindow, idxHighlight, idxHighlight, idxShadow, idxGrayText, idxWindow, idxHighlight,
    idxShadow, idxShadow, idxShadow, idxWindow, idxShadow, idxShadow, idxWindowText, idxMenuText,
    idxButtonText, idxHighlightText, idxShadow, idxHighlightText, idxHighlight, idxFace, idxShadow, idxFace,
    idxShadow, idxFace, idxFace, idxShadow, idxGrayText, -1, idxShadow, idxShadow,
};
}

CZMRColorManager::CZMRColorManager()
    : m_bDetectRoyale(TRUE), m_bDetectAero(TRUE), m_bIgnoreSystemTheme(FALSE), m_pfnGetSysColor(nullptr),
      m_nChosenTheme(systemThemeAuto), m_nDetectedTheme(systemThemeUnknown), m_bLowColor(FALSE)
{
    for (int i = 0; i < ColorCount; i++)
    {
        m_arrStandardColor[i] = 0;
        m_arrCustomColor[i] = COLORREF(-1);
    }
    RefreshColors();
    m_arrGradients[7].SetStandardPair(RGB(255, 213, 140), RGB(255, 173, 85), 0.5f);
    m_arrGradients[8].SetStandardPair(RGB(254, 142, 75), RGB(255, 207, 139), 0.5f);
    m_arrGradients[9].SetStandardPair(RGB(255, 242, 200), RGB(255, 212, 151), 0.5f);
}

COLORREF CZMRColorManager::GetColor(UINT nIndex) const
{
    if (nIndex >= ColorCount)
        return nIndex;   // a literal colour
    return m_arrCustomColor[nIndex] != COLORREF(-1) ? m_arrCustomColor[nIndex] : m_arrStandardColor[nIndex];
}

void CZMRColorManager::SetColor(UINT nIndex, COLORREF clrOverride)
{
    if (nIndex < ColorCount)
        m_arrCustomColor[nIndex] = clrOverride;
}

COLORREF CZMRColorManager::MixColors(COLORREF clrA, COLORREF clrB, int nWeight)
{
    const int d = nWeight < 100 ? 100 : 1000;
    auto mix = [&](int a, int b) {
        int n = (nWeight * a + (d - nWeight) * b + d / 2) / d;
        return std::min(std::max(n, 0), 255);
    };
    return RGB(mix(GetRValue(clrA), GetRValue(clrB)), mix(GetGValue(clrA), GetGValue(clrB)),
               mix(GetBValue(clrA), GetBValue(clrB)));
}

BOOL CZMRColorManager::IsLowColorDepth(HDC hDC)
{
    if (hDC)
    {
        int nBits = ::GetDeviceCaps(hDC, BITSPIXEL);
        return nBits >= 1 && nBits <= 8;
    }
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDCDesktop = ::GetDC(hWndDesktop);
    if (!hDCDesktop)
        return FALSE;
    BOOL bLow = IsLowColorDepth(hDCDesktop);
    ::ReleaseDC(hWndDesktop, hDCDesktop);
    return bLow;
}

int CZMRColorManager::GetEffectiveSystemTheme() const
{
    if (m_nChosenTheme == systemThemeAuto || m_nChosenTheme == systemThemeDefault)
        return m_nDetectedTheme;
    return m_nChosenTheme;
}

int CZMRColorManager::DetectSystemTheme()
{
    CZMRWinThemeWrapper wrapper(TRUE);
    if (!wrapper.IsThemeActive())
        return systemThemeUnknown;
    if (IsLowColorDepth(nullptr))
        return systemThemeUnknown;

    WCHAR szFile[260] = L"", szColor[260] = L"", szSize[260] = L"";
    if (FAILED(wrapper.GetCurrentThemeName(szFile, 260, szColor, 260, szSize, 260)))
        return systemThemeUnknown;
    szFile[259] = szColor[259] = 0;

    CString strFile(szFile);
    strFile.MakeLower();
    CString strColor(szColor);
    strColor.MakeLower();

    if (strFile.Find(L"luna.msstyles") >= 0 || strFile.Find(L"winxp.luna.vnstyles") >= 0)
    {
        if (strColor == L"normalcolor")
            return systemThemeBlue;
        if (strColor == L"homestead")
            return systemThemeOlive;
        if (strColor == L"metallic")
            return systemThemeSilver;
    }
    if (m_bDetectRoyale && (strFile.Find(L"royale.msstyles") >= 0 || strFile.Find(L"winxp.royale.vnstyles") >= 0))
        return systemThemeRoyale;
    if (m_bDetectAero && strFile.Find(L"aero.msstyles") >= 0)
        return systemThemeAero;
    return systemThemeUnknown;
}

void CZMRColorManager::RefreshSysColors()
{
    m_arrStandardColor[0] = 0;
    for (int i = 1; i < 30; i++)
        m_arrStandardColor[i] = m_pfnGetSysColor ? m_pfnGetSysColor(i) : ::GetSysColor(i);
}

void CZMRColorManager::RefreshClassicColors()
{
    for (int i = 30; i < 62; i++)
    {
        int nSource = s_rgClassic[i - 30];
        m_arrStandardColor[i] = nSource < 0 ? 0 : GetColor(nSource);
    }
}

void CZMRColorManager::RefreshColors()
{
    COLORREF* std = m_arrStandardColor;

    m_nDetectedTheme = DetectSystemTheme();
    m_bLowColor = IsLowColorDepth(nullptr);

    RefreshSysColors();
    RefreshClassicColors();

    if (m_bLowColor)
    {
        RefreshGradients();
        return;
    }

    const COLORREF clrFace = GetColor(idxFace);
    const COLORREF clrButtonText = GetColor(idxButtonText);
    const BOOL bHighContrast = (clrFace == RGB(0, 0, 0) && clrButtonText == RGB(255, 255, 255))
        || (clrFace == RGB(255, 255, 255) && clrButtonText == RGB(0, 0, 0));

    if (bHighContrast)
    {
        std[31] = std[36] = std[50] = GetColor(idxHighlight);
        std[45] = GetColor(idxHighlightText);
        std[32] = std[37] = std[43] = std[38] = clrButtonText;
    }
    else
    {
        for (const MixRule& rule : s_rgMixRules)
            std[rule.nEntry] = MixColors(GetColor(rule.nA), GetColor(rule.nB), rule.nWeight);
    }

    if (IsColorDifferenceAbove(clrFace, GetColor(30), TRUE, 35))
        std[30] = MoveColorToward(clrFace, GetColor(30), 35);

    for (const DistanceRule& rule : s_rgDistanceRules)
    {
        COLORREF clrA = GetColor(rule.nA), clrB = GetColor(rule.nB);
        if (!IsColorDifferenceAbove(clrA, clrB, TRUE, float(rule.nThreshold)))
            std[rule.nEntry] = AdjustColorDistance(clrA, clrB, float(rule.nThreshold));
    }

    if (IsColorDifferenceAbove(GetColor(41), GetColor(35), TRUE, 145))
        std[35] = MoveColorToward(GetColor(41), GetColor(35), 145);

    if (!bHighContrast)
    {
        COLORREF c30 = GetColor(30), cWindow = GetColor(idxWindow), cHighlight = GetColor(idxHighlight);
        auto blend = [](int a, int b, int c) { return (a * 50 / 100 + b * 40 / 100 + c * 10 / 100) & 0xFF; };
        std[36] = RGB(blend(GetRValue(c30), GetRValue(cWindow), GetRValue(cHighlight)),
                      blend(GetGValue(c30), GetGValue(cWindow), GetGValue(cHighlight)),
                      blend(GetBValue(c30), GetBValue(cWindow), GetBValue(cHighlight)));
    }

    int m = MaxChannel(clrFace);
    std[48] = m == 0 ? RGB(35, 35, 35) : ScaleChannels(clrFace, m + std::min(35, 255 - m), m);

    if (clrFace == 0)
        std[49] = RGB(127, 127, 127);
    else
    {
        COLORREF clrShadow = GetColor(idxShadow);
        m = MaxChannel(clrShadow);
        std[49] = m == 0 ? 0 : ScaleChannels(clrShadow, std::max(m - 43, 0), m);
    }

    std[34] = RGB(int(GetRValue(std[31]) * 0.75), int(GetGValue(std[31]) * 0.75), int(GetBValue(std[31]) * 0.75));
    std[22] = ClampedChannelsPlus(clrFace, 15);
    std[53] = GetColor(30);
    std[58] = GetColor(40);
    std[60] = std[40];

    RefreshGradients();

    CZMRWinThemeWrapper wrapper(TRUE);
    wrapper.OpenThemeData(nullptr, L"TREEVIEW");
    if (wrapper.IsThemeOpenAndActive())
        wrapper.GetThemeColor(0, 0, 3801 /* TMT_BORDERCOLOR */, &std[57]);
}

void CZMRColorManager::RefreshGradients()
{
    const int nTheme = m_bIgnoreSystemTheme ? 0 : GetEffectiveSystemTheme();
    CZMRPaintManagerColorGradient* g = m_arrGradients;
    const COLORREF face = GetColor(idxFace), shadow = GetColor(idxShadow), window = GetColor(idxWindow);

    switch (nTheme)
    {
    case systemThemeBlue:
    case systemThemeRoyale:
    case systemThemeAero:
        g[0].SetStandardPair(RGB(89, 135, 214), RGB(0, 45, 150), 0.5f);
        g[1].SetStandardPair(RGB(158, 190, 245), RGB(196, 218, 250), 0.5f);
        g[2].SetStandardPair(RGB(89, 135, 214), RGB(0, 45, 150), 0.5f);
        g[3].SetStandardPair(RGB(221, 236, 254), RGB(129, 169, 226), 0.75f);
        g[4].SetStandardPair(RGB(227, 239, 255), RGB(135, 173, 228), 0.5f);
        g[5].SetStandardPair(RGB(203, 221, 246), RGB(121, 161, 220), 0.5f);
        g[6].SetStandardPair(RGB(227, 239, 255), RGB(147, 181, 231), 0.5f);
        m_arrStandardColor[54] = RGB(0, 45, 150);
        break;
    case systemThemeOlive:
        g[0].SetStandardPair(RGB(175, 192, 130), RGB(99, 122, 68), 0.5f);
        g[1].SetStandardPair(RGB(217, 217, 167), RGB(242, 241, 228), 0.5f);
        g[2].SetStandardPair(RGB(120, 142, 111), RGB(73, 91, 67), 0.5f);
        g[3].SetStandardPair(RGB(244, 247, 222), RGB(183, 198, 145), 0.3f);
        g[4].SetStandardPair(RGB(255, 255, 237), RGB(184, 199, 146), 0.3f);
        g[5].SetStandardPair(RGB(230, 230, 209), RGB(164, 180, 120), 0.3f);
        g[6].SetStandardPair(RGB(236, 240, 213), RGB(194, 206, 159), 0.5f);
        m_arrStandardColor[54] = RGB(96, 128, 88);
        break;
    case systemThemeSilver:
        g[0].SetStandardPair(RGB(168, 167, 191), RGB(112, 111, 145), 0.5f);
        g[1].SetStandardPair(RGB(215, 215, 229), RGB(243, 243, 247), 0.5f);
        g[2].SetStandardPair(RGB(168, 167, 191), RGB(119, 118, 151), 0.5f);
        g[3].SetStandardPair(RGB(249, 249, 255), RGB(156, 155, 183), 0.75f);
        g[4].SetStandardPair(RGB(249, 249, 255), RGB(159, 157, 185), 0.75f);
        g[5].SetStandardPair(RGB(215, 215, 226), RGB(128, 126, 158), 0.75f);
        g[6].SetStandardPair(RGB(233, 231, 241), RGB(186, 185, 205), 0.5f);
        m_arrStandardColor[54] = RGB(124, 124, 148);
        break;
    default:
        g[0].SetStandardPair(shadow, shadow, 0.5f);
        g[1].SetStandardPair(face, MixColors(face, window, 215), 0.5f);
        g[2].SetStandardPair(face, shadow, 0.5f);
        g[3].SetStandardPair(MixColors(face, window, 205), face, 0.5f);
        g[4].SetStandardPair(MixColors(face, window, 145), MixColors(face, window, 93), 0.5f);
        g[5].SetStandardPair(MixColors(face, window, 40), MixColors(face, shadow, 95), 0.5f);
        g[6].SetStandardPair(MixColors(face, window, 165), MixColors(face, window, 42), 0.5f);
        break;
    }

    if (m_bLowColor)
    {
        g[1].SetStandardColor(face);
        g[3].SetStandardColor(face);
    }
}

float CZMRColorManager::ScaleThreshold(int nBrightness, int nThreshold)
{
    return (2.0f - std::min(nBrightness, 220) / 220.0f) * nThreshold;
}

float CZMRColorManager::ColorDistanceSquared(COLORREF clrA, COLORREF clrB)
{
    Point3 a = ToPoint(clrA), b = ToPoint(clrB);
    Point3 d = {{a.v[0] - b.v[0], a.v[1] - b.v[1], a.v[2] - b.v[2]}};
    return LengthSquared(d);
}

float CZMRColorManager::ColorDistance(COLORREF clrA, COLORREF clrB)
{
    return std::sqrt(ColorDistanceSquared(clrA, clrB));
}

float CZMRColorManager::ColorBrightness(COLORREF clr)
{
    return std::sqrt(LengthSquared(ToPoint(clr)));
}

BOOL CZMRColorManager::IsColorDifferenceAbove(COLORREF clrA, COLORREF clrB, BOOL bScale, float fThreshold)
{
    if (bScale)
        fThreshold = ScaleThreshold(int(ColorBrightness(clrA)), int(fThreshold));
    return ColorDistanceSquared(clrA, clrB) > fThreshold * fThreshold;
}

COLORREF CZMRColorManager::MoveColorToward(COLORREF clrA, COLORREF clrB, float fThreshold)
{
    const float d = ScaleThreshold(int(ColorBrightness(clrA)), int(fThreshold));
    const float fDistance = ColorDistance(clrA, clrB);
    if (fDistance <= 0.0f)
        return clrB;   // no direction to move along
    Point3 a = ToPoint(clrA), b = ToPoint(clrB);
    const float k = (fDistance - d) / fDistance;
    Point3 p;
    for (int i = 0; i < 3; i++)
        p.v[i] = b.v[i] + (a.v[i] - b.v[i]) * k;
    return FromPoint(p);
}

COLORREF CZMRColorManager::AdjustColorDistance(COLORREF clrA, COLORREF clrB, float fThreshold)
{
    const float fBrightA = ColorBrightness(clrA);
    const float fBrightB = ColorBrightness(clrB);
    const float d = ScaleThreshold(int(fBrightA), int(fThreshold));

    const float x = fBrightA < fBrightB ? kWhiteBrightness - d : d;
    const bool bInverted = !(x < fBrightA);

    Point3 a = ToPoint(clrA), b = ToPoint(clrB);
    if (bInverted)
    {
        a = Invert(a);
        b = Invert(b);
    }

    const float u = std::max(std::sqrt(LengthSquared(b)), 0.001f);
    const float p = (a.v[0] * b.v[0] + a.v[1] * b.v[1] + a.v[2] * b.v[2]) / u;
    Point3 foot;
    for (int i = 0; i < 3; i++)
        foot.v[i] = b.v[i] * p / u - a.v[i];
    const float fPerpendicularSquared = LengthSquared(foot);

    // When the line never comes within d of a, the nearest point on it is the
    // best there is: no square root of a negative number.
    const float t = p - std::sqrt(std::max(d * d - fPerpendicularSquared, 0.0f));
    Point3 target;
    for (int i = 0; i < 3; i++)
        target.v[i] = b.v[i] * t / u;

    if (bInverted)
        target = Invert(target);
    return FromPoint(target);
}

CZMRColorManager* GetColorManager()
{
    static CZMRColorManager s_manager;
    return &s_manager;
}

void RefreshSystemColors()
{
    GetColorManager()->RefreshColors();
}
