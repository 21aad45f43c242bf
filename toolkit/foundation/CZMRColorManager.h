// The toolkit's process-wide colour table: 63 numbered colours (0..29 the
// system colours, 30..61 shades derived from them, 62 spare), overrides, the
// detected visual-style theme, ten gradients and the colour arithmetic of the
// paint managers.
#pragma once
#include "Framework.h"
#include "CZMRPaintManagerColorGradient.h"

class CZMRColorManager : public CCmdTarget
{
public:
    enum { ColorCount = 63, GradientCount = 10 };

    // Theme numbers; 6 and 7 as the chosen theme follow the detected one.
    enum SystemTheme
    {
        systemThemeUnknown = 0,
        systemThemeBlue = 1,
        systemThemeOlive = 2,
        systemThemeSilver = 3,
        systemThemeRoyale = 4,
        systemThemeAero = 5,
        systemThemeAuto = 6,
        systemThemeDefault = 7
    };

    typedef COLORREF (*PFNSYSCOLOR)(int nIndex);

    CZMRColorManager();
    virtual ~CZMRColorManager() {}

    COLORREF GetColor(UINT nIndex) const;
    void SetColor(UINT nIndex, COLORREF clrOverride);   // -1 removes the override

    static COLORREF MixColors(COLORREF clrA, COLORREF clrB, int nWeight);
    static BOOL IsLowColorDepth(HDC hDC);

    BOOL IsSystemThemeIgnored() const { return m_bIgnoreSystemTheme; }
    int GetDetectedSystemTheme() const { return m_nDetectedTheme; }
    int GetEffectiveSystemTheme() const;

    int DetectSystemTheme();

    // The one of a theme's colour sets made for the system theme nTheme; the
    // Royale and Aero sets are optional, null where the theme has none.
    template <class TSet>
    static const TSet* PickSystemThemeSet(int nTheme, const TSet* pBlue, const TSet* pOlive, const TSet* pSilver,
                                          const TSet* pRoyale = nullptr, const TSet* pAero = nullptr)
    {
        switch (nTheme)
        {
        case systemThemeBlue:
            return pBlue;
        case systemThemeOlive:
            return pOlive;
        case systemThemeSilver:
            return pSilver;
        case systemThemeRoyale:
            return pRoyale;
        case systemThemeAero:
            return pAero;
        }
        return nullptr;
    }
    void RefreshColors();
    void RefreshSysColors();
    void RefreshClassicColors();
    void RefreshGradients();

    // The weighted colour space: R x 195/255, G x 390/255, B x 65/255.
    static float ScaleThreshold(int nBrightness, int nThreshold);
    static float ColorDistanceSquared(COLORREF clrA, COLORREF clrB);
    static float ColorDistance(COLORREF clrA, COLORREF clrB);
    static float ColorBrightness(COLORREF clr);
    static BOOL IsColorDifferenceAbove(COLORREF clrA, COLORREF clrB, BOOL bScale, float fThreshold);
    static COLORREF MoveColorToward(COLORREF clrA, COLORREF clrB, float fThreshold);
    static COLORREF AdjustColorDistance(COLORREF clrA, COLORREF clrB, float fThreshold);

    // Written directly by the paint managers and their themes.
    CZMRPaintManagerColorGradient m_arrGradients[GradientCount];
    BOOL m_bDetectRoyale;
    BOOL m_bDetectAero;
    BOOL m_bIgnoreSystemTheme;
    COLORREF m_arrStandardColor[ColorCount];
    COLORREF m_arrCustomColor[ColorCount];
    PFNSYSCOLOR m_pfnGetSysColor;   // null: GetSysColor
    int m_nChosenTheme;
    int m_nDetectedTheme;

private:
    BOOL m_bLowColor;
};

CZMRColorManager* GetColorManager();
void RefreshSystemColors();
