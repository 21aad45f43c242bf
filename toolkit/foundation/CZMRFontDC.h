// Selects fonts into a device context for one drawing pass and puts back the
// font that was there before the first one.
#pragma once
#include "Framework.h"

class CZMRFontDC
{
public:
    CZMRFontDC(CDC* pDC, CFont* pFont = nullptr);
    virtual ~CZMRFontDC();

    void SetFont(CFont* pFont);
    void RestoreFont();

protected:
    CDC* m_pDC;
    HGDIOBJ m_hOldFont;   // the font the first selection replaced
};
