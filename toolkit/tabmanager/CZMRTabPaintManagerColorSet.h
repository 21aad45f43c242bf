// Every colour a tab paint manager draws with, and the state-dependent faces
// it paints: header, client, tab faces, state buttons, navigate buttons and
// text. Each entry has a standard value from RefreshMetrics and an override
// that belongs to the application.
#pragma once
#include "CZMRTabPaintManager.h"
#include "CZMRPaintManagerColor.h"
#include "CZMRPaintManagerColorGradient.h"

class CZMRTabPaintManager::CColorSet
{
public:
    CColorSet();
    virtual ~CColorSet() {}

    // Standard values from the colour manager; overrides stay.
    virtual void RefreshMetrics();
    virtual void SetTextColor(CDC* pDC, CZMRTabManagerItem* pItem);
    virtual void FillHeader(CDC* pDC, CRect rc, CZMRTabManager* pManager);
    // The selected item's colour, or the selected face; the colour used.
    virtual COLORREF FillClient(CDC* pDC, CRect rc, CZMRTabManager* pManager);
    virtual void FillStateButtonFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem);
    virtual COLORREF FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem);
    virtual void ExcludeClientCorners(CDC* pDC, CRect rc, CZMRTabManager* pManager) {}
    // The face of a navigate button; also sets the glyph's text colour.
    virtual void FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc) = 0;
    virtual COLORREF GetItemColor(CZMRTabManagerItem* pItem);
    virtual BOOL IsAppThemed() { return FALSE; }

    // A gradient across the strip, first colour away from the client; a
    // first colour of -2 is the dither of button face and highlight.
    void GradientFill(CDC* pDC, CRect rc, const CZMRPaintManagerColorGradient& grc, int nPosition);

    CZMRPaintManagerColorGradient m_clrHeaderFace;
    CZMRPaintManagerColorGradient m_clrHeaderFace2;
    CZMRPaintManagerColor m_clrFrameBorder;
    CZMRPaintManagerColor m_clrControlFace;
    CZMRPaintManagerColor m_clrFace3;
    CZMRPaintManagerColor m_clrHighlightEdge;
    CZMRPaintManagerColor m_clrSelectedFace;
    CZMRPaintManagerColor m_clrHotFace;
    CZMRPaintManagerColor m_clrPressedFace;
    CZMRPaintManagerColor m_clrNormalFace;
    CZMRPaintManagerColor m_clrTextNormal;
    CZMRPaintManagerColor m_clrTextInactive;
    CZMRPaintManagerColor m_clrTextSelected;
    CZMRPaintManagerColor m_clrTextHot;
    CZMRPaintManagerColor m_clrTextDisabled;
    CZMRPaintManagerColorGradient m_clrStateButtonFace;
    CZMRPaintManagerColorGradient m_clrStateButtonBorder;
    CZMRPaintManagerColor m_clrPageLight;
    CZMRPaintManagerColor m_clrPageShadow;
    CZMRPaintManagerColor m_clrPageDarkShadow;
    CZMRPaintManagerColor m_clrOutlineNormal;
    CZMRPaintManagerColor m_clrOutlineSelected;
    CZMRPaintManagerColor m_clrInnerLine1;
    CZMRPaintManagerColor m_clrInnerLine2;
    CZMRPaintManagerColor m_clrExcelSelected[6];
    CZMRPaintManagerColor m_clrExcelNormal[6];
    CZMRTabPaintManager* m_pPaintManager;
};

// The plain colour set: system colours, a dithered state-button face and
// navigate buttons framed in 3-D while hot or held.
class CZMRTabPaintManager::CColorSetDefault : public CZMRTabPaintManager::CColorSet
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc) override;
};
