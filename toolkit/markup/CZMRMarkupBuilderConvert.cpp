// Value conversion of the markup builder: colour names, the number reader and
// the system colours that markup names.
#include "CZMRMarkupBuilder.h"
#include "CZMRMarkupBrushKey.h"
#include "CZMRMarkupColor.h"
#include "CZMRMarkupColorKey.h"
#include "CZMRMarkupSolidColorBrush.h"

#include <cwchar>

namespace
{
struct CColorName
{
    LPCWSTR lpszName;
    int nLength;
    COLORREF clr;
};

#define COLOR_NAME(name, r, g, b) {name, static_cast<int>(sizeof(name) / sizeof(WCHAR)) - 1, RGB(r, g, b)}

// The colour keywords of the web's colour standard, in their "gray" forms,
// sorted by name so that each first letter has one run of entries.
const CColorName g_colorNames[] = {
    COLOR_NAME(L"AliceBlue", 0xF0, 0xF8, 0xFF),
    COLOR_NAME(L"AntiqueWhite", 0xFA, 0xEB, 0xD7),
    COLOR_NAME(L"Aqua", 0x00, 0xFF, 0xFF),
    COLOR_NAME(L"Aquamarine", 0x7F, 0xFF, 0xD4),
    COLOR_NAME(L"Azure", 0xF0, 0xFF, 0xFF),
    COLOR_NAME(L"Beige", 0xF5, 0xF5, 0xDC),
    COLOR_NAME(L"Bisque", 0xFF, 0xE4, 0xC4),
    COLOR_NAME(L"Black", 0x00, 0x00, 0x00),
    COLOR_NAME(L"BlanchedAlmond", 0xFF, 0xEB, 0xCD),
    COLOR_NAME(L"Blue", 0x00, 0x00, 0xFF),
    COLOR_NAME(L"BlueViolet", 0x8A, 0x2B, 0xE2),
    COLOR_NAME(L"Brown", 0xA5, 0x2A, 0x2A),
    COLOR_NAME(L"BurlyWood", 0xDE, 0xB8, 0x87),
    COLOR_NAME(L"CadetBlue", 0x5F, 0x9E, 0xA0),
    COLOR_NAME(L"Chartreuse", 0x7F, 0xFF, 0x00),
    COLOR_NAME(L"Chocolate", 0xD2, 0x69, 0x1E),
    COLOR_NAME(L"Coral", 0xFF, 0x7F, 0x50),
    COLOR_NAME(L"CornflowerBlue", 0x64, 0x95, 0xED),
    COLOR_NAME(L"Cornsilk", 0xFF, 0xF8, 0xDC),
    COLOR_NAME(L"Crimson", 0xDC, 0x14, 0x3C),
    COLOR_NAME(L"Cyan", 0x00, 0xFF, 0xFF),
    COLOR_NAME(L"DarkBlue", 0x00, 0x00, 0x8B),
    COLOR_NAME(L"DarkCyan", 0x00, 0x8B, 0x8B),
    COLOR_NAME(L"DarkGoldenrod", 0xB8, 0x86, 0x0B),
    COLOR_NAME(L"DarkGray", 0xA9, 0xA9, 0xA9),
    COLOR_NAME(L"DarkGreen", 0x00, 0x64, 0x00),
    COLOR_NAME(L"DarkKhaki", 0xBD, 0xB7, 0x6B),
    COLOR_NAME(L"DarkMagenta", 0x8B, 0x00, 0x8B),
    COLOR_NAME(L"DarkOliveGreen", 0x55, 0x6B, 0x2F),
    COLOR_NAME(L"DarkOrange", 0xFF, 0x8C, 0x00),
    COLOR_NAME(L"DarkOrchid", 0x99, 0x32, 0xCC),
    COLOR_NAME(L"DarkRed", 0x8B, 0x00, 0x00),
    COLOR_NAME(L"DarkSalmon", 0xE9, 0x96, 0x7A),
    COLOR_NAME(L"DarkSeaGreen", 0x8F, 0xBC, 0x8F),
    COLOR_NAME(L"DarkSlateBlue", 0x48, 0x3D, 0x8B),
    COLOR_NAME(L"DarkSlateGray", 0x2F, 0x4F, 0x4F),
    COLOR_NAME(L"DarkTurquoise", 0x00, 0xCE, 0xD1),
    COLOR_NAME(L"DarkViolet", 0x94, 0x00, 0xD3),
    COLOR_NAME(L"DeepPink", 0xFF, 0x14, 0x93),
    COLOR_NAME(L"DeepSkyBlue", 0x00, 0xBF, 0xFF),
    COLOR_NAME(L"DimGray", 0x69, 0x69, 0x69),
    COLOR_NAME(L"DodgerBlue", 0x1E, 0x90, 0xFF),
    COLOR_NAME(L"FireBrick", 0xB2, 0x22, 0x22),
    COLOR_NAME(L"FloralWhite", 0xFF, 0xFA, 0xF0),
    COLOR_NAME(L"ForestGreen", 0x22, 0x8B, 0x22),
    COLOR_NAME(L"Fuchsia", 0xFF, 0x00, 0xFF),
    COLOR_NAME(L"Gainsboro", 0xDC, 0xDC, 0xDC),
    COLOR_NAME(L"GhostWhite", 0xF8, 0xF8, 0xFF),
    COLOR_NAME(L"Gold", 0xFF, 0xD7, 0x00),
    COLOR_NAME(L"Goldenrod", 0xDA, 0xA5, 0x20),
    COLOR_NAME(L"Gray", 0x80, 0x80, 0x80),
    COLOR_NAME(L"Green", 0x00, 0x80, 0x00),
    COLOR_NAME(L"GreenYellow", 0xAD, 0xFF, 0x2F),
    COLOR_NAME(L"Honeydew", 0xF0, 0xFF, 0xF0),
    COLOR_NAME(L"HotPink", 0xFF, 0x69, 0xB4),
    COLOR_NAME(L"IndianRed", 0xCD, 0x5C, 0x5C),
    COLOR_NAME(L"Indigo", 0x4B, 0x00, 0x82),
    COLOR_NAME(L"Ivory", 0xFF, 0xFF, 0xF0),
    COLOR_NAME(L"Khaki", 0xF0, 0xE6, 0x8C),
    COLOR_NAME(L"Lavender", 0xE6, 0xE6, 0xFA),
    COLOR_NAME(L"LavenderBlush", 0xFF, 0xF0, 0xF5),
    COLOR_NAME(L"LawnGreen", 0x7C, 0xFC, 0x00),
    COLOR_NAME(L"LemonChiffon", 0xFF, 0xFA, 0xCD),
    COLOR_NAME(L"LightBlue", 0xAD, 0xD8, 0xE6),
    COLOR_NAME(L"LightCoral", 0xF0, 0x80, 0x80),
    COLOR_NAME(L"LightCyan", 0xE0, 0xFF, 0xFF),
    COLOR_NAME(L"LightGoldenrodYellow", 0xFA, 0xFA, 0xD2),
    COLOR_NAME(L"LightGray", 0xD3, 0xD3, 0xD3),
    COLOR_NAME(L"LightGreen", 0x90, 0xEE, 0x90),
    COLOR_NAME(L"LightPink", 0xFF, 0xB6, 0xC1),
    COLOR_NAME(L"LightSalmon", 0xFF, 0xA0, 0x7A),
    COLOR_NAME(L"LightSeaGreen", 0x20, 0xB2, 0xAA),
    COLOR_NAME(L"LightSkyBlue", 0x87, 0xCE, 0xFA),
    COLOR_NAME(L"LightSlateGray", 0x77, 0x88, 0x99),
    COLOR_NAME(L"LightSteelBlue", 0xB0, 0xC4, 0xDE),
    COLOR_NAME(L"LightYellow", 0xFF, 0xFF, 0xE0),
    COLOR_NAME(L"Lime", 0x00, 0xFF, 0x00),
    COLOR_NAME(L"LimeGreen", 0x32, 0xCD, 0x32),
    COLOR_NAME(L"Linen", 0xFA, 0xF0, 0xE6),
    COLOR_NAME(L"Magenta", 0xFF, 0x00, 0xFF),
    COLOR_NAME(L"Maroon", 0x80, 0x00, 0x00),
    COLOR_NAME(L"MediumAquamarine", 0x66, 0xCD, 0xAA),
    COLOR_NAME(L"MediumBlue", 0x00, 0x00, 0xCD),
    COLOR_NAME(L"MediumOrchid", 0xBA, 0x55, 0xD3),
    COLOR_NAME(L"MediumPurple", 0x93, 0x70, 0xDB),
    COLOR_NAME(L"MediumSeaGreen", 0x3C, 0xB3, 0x71),
    COLOR_NAME(L"MediumSlateBlue", 0x7B, 0x68, 0xEE),
    COLOR_NAME(L"MediumSpringGreen", 0x00, 0xFA, 0x9A),
    COLOR_NAME(L"MediumTurquoise", 0x48, 0xD1, 0xCC),
    COLOR_NAME(L"MediumVioletRed", 0xC7, 0x15, 0x85),
    COLOR_NAME(L"MidnightBlue", 0x19, 0x19, 0x70),
    COLOR_NAME(L"MintCream", 0xF5, 0xFF, 0xFA),
    COLOR_NAME(L"MistyRose", 0xFF, 0xE4, 0xE1),
    COLOR_NAME(L"Moccasin", 0xFF, 0xE4, 0xB5),
    COLOR_NAME(L"NavajoWhite", 0xFF, 0xDE, 0xAD),
    COLOR_NAME(L"Navy", 0x00, 0x00, 0x80),
    COLOR_NAME(L"OldLace", 0xFD, 0xF5, 0xE6),
    COLOR_NAME(L"Olive", 0x80, 0x80, 0x00),
    COLOR_NAME(L"OliveDrab", 0x6B, 0x8E, 0x23),
    COLOR_NAME(L"Orange", 0xFF, 0xA5, 0x00),
    COLOR_NAME(L"OrangeRed", 0xFF, 0x45, 0x00),
    COLOR_NAME(L"Orchid", 0xDA, 0x70, 0xD6),
    COLOR_NAME(L"PaleGoldenrod", 0xEE, 0xE8, 0xAA),
    COLOR_NAME(L"PaleGreen", 0x98, 0xFB, 0x98),
    COLOR_NAME(L"PaleTurquoise", 0xAF, 0xEE, 0xEE),
    COLOR_NAME(L"PaleVioletRed", 0xDB, 0x70, 0x93),
    COLOR_NAME(L"PapayaWhip", 0xFF, 0xEF, 0xD5),
    COLOR_NAME(L"PeachPuff", 0xFF, 0xDA, 0xB9),
    COLOR_NAME(L"Peru", 0xCD, 0x85, 0x3F),
    COLOR_NAME(L"Pink", 0xFF, 0xC0, 0xCB),
    COLOR_NAME(L"Plum", 0xDD, 0xA0, 0xDD),
    COLOR_NAME(L"PowderBlue", 0xB0, 0xE0, 0xE6),
    COLOR_NAME(L"Purple", 0x80, 0x00, 0x80),
    COLOR_NAME(L"Red", 0xFF, 0x00, 0x00),
    COLOR_NAME(L"RosyBrown", 0xBC, 0x8F, 0x8F),
    COLOR_NAME(L"RoyalBlue", 0x41, 0x69, 0xE1),
    COLOR_NAME(L"SaddleBrown", 0x8B, 0x45, 0x13),
    COLOR_NAME(L"Salmon", 0xFA, 0x80, 0x72),
    COLOR_NAME(L"SandyBrown", 0xF4, 0xA4, 0x60),
    COLOR_NAME(L"SeaGreen", 0x2E, 0x8B, 0x57),
    COLOR_NAME(L"SeaShell", 0xFF, 0xF5, 0xEE),
    COLOR_NAME(L"Sienna", 0xA0, 0x52, 0x2D),
    COLOR_NAME(L"Silver", 0xC0, 0xC0, 0xC0),
    COLOR_NAME(L"SkyBlue", 0x87, 0xCE, 0xEB),
    COLOR_NAME(L"SlateBlue", 0x6A, 0x5A, 0xCD),
    COLOR_NAME(L"SlateGray", 0x70, 0x80, 0x90),
    COLOR_NAME(L"Snow", 0xFF, 0xFA, 0xFA),
    COLOR_NAME(L"SpringGreen", 0x00, 0xFF, 0x7F),
    COLOR_NAME(L"SteelBlue", 0x46, 0x82, 0xB4),
    COLOR_NAME(L"Tan", 0xD2, 0xB4, 0x8C),
    COLOR_NAME(L"Teal", 0x00, 0x80, 0x80),
    COLOR_NAME(L"Thistle", 0xD8, 0xBF, 0xD8),
    COLOR_NAME(L"Tomato", 0xFF, 0x63, 0x47),
    COLOR_NAME(L"Turquoise", 0x40, 0xE0, 0xD0),
    COLOR_NAME(L"Violet", 0xEE, 0x82, 0xEE),
    COLOR_NAME(L"Wheat", 0xF5, 0xDE, 0xB3),
    COLOR_NAME(L"White", 0xFF, 0xFF, 0xFF),
    COLOR_NAME(L"WhiteSmoke", 0xF5, 0xF5, 0xF5),
    COLOR_NAME(L"Yellow", 0xFF, 0xFF, 0x00),
    COLOR_NAME(L"YellowGreen", 0x9A, 0xCD, 0x32),
};
const int g_nColorNames = static_cast<int>(sizeof(g_colorNames) / sizeof(g_colorNames[0]));
static_assert(sizeof(g_colorNames) / sizeof(g_colorNames[0]) == 140, "the colour keywords number 140");

// The run of entries of each first letter, A to Z: [first, end).
struct CColorNameIndex
{
    int nFirst[26];
    int nEnd[26];

    CColorNameIndex()
    {
        for (int i = 0; i < 26; i++)
            nFirst[i] = nEnd[i] = 0;
        for (int i = g_nColorNames - 1; i >= 0; i--)
        {
            int nLetter = g_colorNames[i].lpszName[0] - L'A';
            if (nEnd[nLetter] == 0)
                nEnd[nLetter] = i + 1;
            nFirst[nLetter] = i;
        }
    }
};

struct CSystemColorName
{
    LPCWSTR lpszName;
    int nIndex;
};

const CSystemColorName g_systemColorNames[] = {
    {L"ActiveBorder", COLOR_ACTIVEBORDER},
    {L"ActiveCaption", COLOR_ACTIVECAPTION},
    {L"ActiveCaptionText", COLOR_CAPTIONTEXT},
    {L"AppWorkspace", COLOR_APPWORKSPACE},
    {L"Control", COLOR_BTNFACE},
    {L"ControlDark", COLOR_BTNSHADOW},
    {L"ControlDarkDark", COLOR_3DDKSHADOW},
    {L"ControlLight", COLOR_3DLIGHT},
    {L"ControlLightLight", COLOR_BTNHIGHLIGHT},
    {L"ControlText", COLOR_BTNTEXT},
    {L"Desktop", COLOR_BACKGROUND},
    {L"GradientActiveCaption", COLOR_GRADIENTACTIVECAPTION},
    {L"GradientInactiveCaption", COLOR_GRADIENTINACTIVECAPTION},
    {L"GrayText", COLOR_GRAYTEXT},
    {L"Highlight", COLOR_HIGHLIGHT},
    {L"HighlightText", COLOR_HIGHLIGHTTEXT},
    {L"HotTrack", COLOR_HOTLIGHT},
    {L"InactiveBorder", COLOR_INACTIVEBORDER},
    {L"InactiveCaption", COLOR_INACTIVECAPTION},
    {L"InactiveCaptionText", COLOR_INACTIVECAPTIONTEXT},
    {L"Info", COLOR_INFOBK},
    {L"InfoText", COLOR_INFOTEXT},
    {L"Menu", COLOR_MENU},
    {L"MenuBar", COLOR_MENUBAR},
    {L"MenuHighlight", COLOR_MENUHILIGHT},
    {L"MenuText", COLOR_MENUTEXT},
    {L"ScrollBar", COLOR_SCROLLBAR},
    {L"Window", COLOR_WINDOW},
    {L"WindowFrame", COLOR_WINDOWFRAME},
    {L"WindowText", COLOR_WINDOWTEXT},
};

const WCHAR g_szSystemColors[] = L"SystemColors.";
const int g_nSystemColorsLength = static_cast<int>(sizeof(g_szSystemColors) / sizeof(WCHAR)) - 1;
}

BOOL AFXAPI CZMRMarkupBuilder::ParseColor(LPCWSTR lpszText, COLORREF& clr)
{
    if (!lpszText)
        return FALSE;
    WCHAR chFirst = lpszText[0];
    if (chFirst >= L'a' && chFirst <= L'z')
        chFirst = static_cast<WCHAR>(chFirst - L'a' + L'A');
    if (chFirst < L'A' || chFirst > L'Z')
        return FALSE;

    static const CColorNameIndex index;
    const int nLength = static_cast<int>(wcslen(lpszText));
    const int nLetter = chFirst - L'A';
    for (int i = index.nFirst[nLetter]; i < index.nEnd[nLetter]; i++)
    {
        if (g_colorNames[i].nLength == nLength && _wcsicmp(g_colorNames[i].lpszName, lpszText) == 0)
        {
            clr = g_colorNames[i].clr;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL AFXAPI CZMRMarkupBuilder::ParseNumber(LPCWSTR& lpszText, double& dResult, WCHAR chSeparator, BOOL bMustEnd)
{
    if (!lpszText)
        return FALSE;
    LPCWSTR p = lpszText;
    while (*p == L' ')
        p++;
    BOOL bNegative = FALSE;
    if (*p == L'-')
    {
        bNegative = TRUE;
        p++;
    }
    else if (*p == L'+')
    {
        p++;
    }
    if (*p == 0)
        return FALSE;

    double dValue = 0.0;
    double dPlace = 1.0;
    BOOL bPoint = FALSE;
    BOOL bDigits = FALSE;
    for (;;)
    {
        WCHAR ch = *p;
        if (ch >= L'0' && ch <= L'9')
        {
            if (bPoint)
            {
                dPlace /= 10.0;
                dValue += (ch - L'0') * dPlace;
            }
            else
            {
                dValue = dValue * 10.0 + (ch - L'0');
            }
            bDigits = TRUE;
            p++;
        }
        else if (ch == L'.')
        {
            if (bPoint)
                return FALSE;
            bPoint = TRUE;
            p++;
        }
        else if (ch == L' ' || (chSeparator && ch == chSeparator))
        {
            if (!bDigits)
                return FALSE;
            while (*p == L' ')
                p++;
            if (chSeparator && *p == chSeparator)
                p++;
            break;
        }
        else if (ch == 0)
        {
            break;
        }
        else
        {
            return FALSE;
        }
    }
    if (!bDigits)
        return FALSE;
    lpszText = p;
    while (*p == L' ')
        p++;
    if (bMustEnd && *p)
        return FALSE;
    dResult = bNegative ? -dValue : dValue;
    return TRUE;
}

int AFXAPI CZMRMarkupBuilder::GetSystemColorIndex(LPCWSTR lpszName, int nLength)
{
    if (!lpszName || nLength <= 0)
        return -1;
    for (const CSystemColorName& entry : g_systemColorNames)
    {
        if (wcsncmp(entry.lpszName, lpszName, nLength) == 0 && entry.lpszName[nLength] == 0)
            return entry.nIndex;
    }
    return -1;
}

CZMRMarkupObject* CZMRMarkupBuilder::GetSystemObject(SystemObjectKind nKind, int nIndex)
{
    if (nIndex < 0 || nIndex >= systemColorCount)
        return nullptr;
    if (!m_pSystemColorCache)
    {
        m_pSystemColorCache = new CZMRMarkupObject*[systemKindCount * systemColorCount];
        for (int i = 0; i < systemKindCount * systemColorCount; i++)
            m_pSystemColorCache[i] = nullptr;
    }
    CZMRMarkupObject*& pEntry = m_pSystemColorCache[nKind * systemColorCount + nIndex];
    if (!pEntry)
    {
        switch (nKind)
        {
        case systemBrush:
            pEntry = new CZMRMarkupSolidColorBrush(::GetSysColor(nIndex));
            break;
        case systemColor:
            pEntry = new CZMRMarkupColor(::GetSysColor(nIndex));
            break;
        case systemBrushKey:
            pEntry = new CZMRMarkupBrushKey(nIndex);
            break;
        default:
            pEntry = new CZMRMarkupColorKey(nIndex);
            break;
        }
    }
    pEntry->AddRef();
    return pEntry;
}

CZMRMarkupObject* CZMRMarkupBuilder::GetSystemColor(int nIndex)
{
    return GetSystemObject(systemColor, nIndex);
}

CZMRMarkupObject* CZMRMarkupBuilder::GetSystemBrush(int nIndex)
{
    return GetSystemObject(systemBrush, nIndex);
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveSystemMember(LPCWSTR lpszMember, LPCWSTR lpszSuffix,
                                                         SystemObjectKind nKind)
{
    if (!lpszMember)
        return nullptr;
    const int nLength = static_cast<int>(wcslen(lpszMember));
    const int nSuffixLength = static_cast<int>(wcslen(lpszSuffix));
    if (nLength < 20 || nLength < g_nSystemColorsLength + nSuffixLength ||
        wcsncmp(lpszMember, g_szSystemColors, g_nSystemColorsLength) != 0 ||
        wcscmp(lpszMember + nLength - nSuffixLength, lpszSuffix) != 0)
        return nullptr;
    int nIndex = GetSystemColorIndex(lpszMember + g_nSystemColorsLength,
                                     nLength - g_nSystemColorsLength - nSuffixLength);
    return nIndex < 0 ? nullptr : GetSystemObject(nKind, nIndex);
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveSystemColor(LPCWSTR lpszMember)
{
    return ResolveSystemMember(lpszMember, L"Color", systemColor);
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveSystemBrush(LPCWSTR lpszMember)
{
    return ResolveSystemMember(lpszMember, L"Brush", systemBrush);
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveSystemColorKey(LPCWSTR lpszMember)
{
    return ResolveSystemMember(lpszMember, L"ColorKey", systemColorKey);
}

CZMRMarkupObject* CZMRMarkupBuilder::ResolveSystemBrushKey(LPCWSTR lpszMember)
{
    return ResolveSystemMember(lpszMember, L"BrushKey", systemBrushKey);
}
