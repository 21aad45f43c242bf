// The Whidbey look with a rounded, softly edged highlight for the hot item of
// a popup bar, a grooved edge along the popup icon column, wider popup
// borders and colour sets of its own, one of them for the aero scheme.
#pragma once
#include "CZMRWhidbeyTheme.h"

class CZMRVisualStudio2008Theme : public CZMRWhidbeyTheme
{
public:
    CZMRVisualStudio2008Theme();

    void RefreshMetrics() override;
    COLORREF GetStateTextColor(int nSelected, int nPressed, BOOL bEnabled, int nChecked, BOOL bPopped, int nBarType,
                               int nBarPosition) override;
    void DrawStateHighlight(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                            BOOL bPopped, int nBarType, int nBarPosition) override;
    CSize DrawSeparator(CDC* pDC, CZMRCommandBar* pBar, CZMRControl* pControl, BOOL bDraw) override;
    void AdjustAvoidRect(CRect& rc, CZMRControl* pControl, BOOL bVertical) override;
    CRect GetBarBorderWidths(CZMRCommandBar* pBar) override;
    void FillIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bHiddenRows) override;
    int GetThemeKind() override;

    // Sets the pixel to the colour, mixed with what the pixel shows at
    // nAlpha / 255 (255: the colour alone). Not the base's BlendPixel, which
    // moves a pixel from one colour towards another.
    static void BlendPixel(CDC* pDC, int x, int y, COLORREF clr, int nAlpha);

    CZMRPaintManagerColorGradient m_grcPopupHighlight; // face of the hot item of a popup bar
    CZMRPaintManagerColor m_clrPopupHighlightFrame;    // its rounded frame
    CZMRPaintManagerColor m_clrPopupHighlightText;     // its text

protected:
    // The rounded highlight of the hot item of a popup bar.
    void DrawPopupHighlight(CDC* pDC, CRect rc);
    // The hot (or open) item of a menu bar: a light outer edge, a frame with
    // softened corners and the face inside.
    void DrawMenuBarHighlight(CDC* pDC, CRect rc, BOOL bPopped);
};
