// System values shared by the toolkit's controls, read once: colours,
// cursors, metrics, fonts derived from the interface fonts, the system
// version flags and the common-controls version.
#pragma once
#include "Framework.h"

class CZMAuxData
{
public:
    enum { FontCount = 10, CursorCount = 7 };

    CZMAuxData();
    virtual ~CZMAuxData();

    void UpdateSysColors();
    void UpdateSysMetrics();
    BOOL LoadSysCursors();
    void UpdateComCtlVersion();
    BOOL FontExists(LPCWSTR lpszFaceName);
    void DeleteSysFonts();
    BOOL CreateSysFont(const LOGFONTW* pBase, CFont* pFont, int nWeight = -1, BYTE bUnderline = 0xFF,
                       int nOrientation = -1, int nEscapement = -1);
    BOOL UpdateSysFonts(LPCWSTR lpszFace = nullptr, LPCWSTR lpszVerticalFace = nullptr);

    // Colours, in order: face, shadow, dark shadow, highlight, light, button
    // text, grey text, selection, selection text, menu, menu text, window,
    // window frame, window text, active caption, inactive caption, their
    // gradient ends, caption text, inactive caption text, then the colour
    // manager's entries 30 to 49.
    COLORREF clrBtnFace, clrBtnShadow, clr3DDkShadow, clrBtnHilite, clr3DLight, clrBtnText, clrGrayText,
        clrHighlight, clrHighlightText, clrMenu, clrMenuText, clrWindow, clrWindowFrame, clrWindowText,
        clrActiveCaption, clrInactiveCaption, clrGradientActiveCaption, clrGradientInactiveCaption,
        clrCaptionText, clrInactiveCaptionText;
    COLORREF clrDerived[20];   // colour manager entries 30..49

    HCURSOR m_hCursors[CursorCount];

    int m_nSmallIconWidth, m_nSmallIconHeight, m_nIconWidth, m_nIconHeight;
    int m_nHorzThumbWidth, m_nVertThumbHeight, m_nMenuHeight;

    // Fonts 0 to 9, in this order.
    CFont font, fontBold, fontUnderline, fontVert, fontVertBold, fontIconTitle, fontIconTitleBold, fontMarlett,
        fontStatus, fontSmCaption;
    CFont& GetFont(int nIndex);

    int bWin95, bWin98, bWinNT4, bWin2K, bWinXP;
    int bUseTahoma;
    int nComCtlVersion;
};

CZMAuxData* GetAuxData();
