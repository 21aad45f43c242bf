// Every colour a tab paint manager draws with, and the state-dependent faces
// it paints: header, client, tab faces, state buttons, navigate buttons and
// text. Each entry has a standard value from RefreshMetrics and an override
// that belongs to the application.
#pragma once
#include "CZMRTabPaintManager.h"
#include "CZMRPaintManagerColor.h"
#include "CZMRPaintManagerColorGradient.h"
#include "CZMRWinThemeWrapper.h"

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

protected:
    // A 3-D frame while hot (dark at the top left) or held (light at the top
    // left, the glyph moved by 1,1), enabled buttons only; the glyph's colour.
    void FillNavigateFrame(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc, COLORREF clrDark,
                           COLORREF clrLight, COLORREF clrGlyph);
};

// Visual Studio colours: the header in the colour manager's tool-window shade.
class CZMRTabPaintManager::CColorSetVisualStudio : public CZMRTabPaintManager::CColorSetDefault
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc) override;
};

// The visual style's tab parts when a visual style is active, else the plain set.
class CZMRTabPaintManager::CColorSetWinXP : public CZMRTabPaintManager::CColorSetDefault
{
public:
    void RefreshMetrics() override;
    COLORREF FillClient(CDC* pDC, CRect rc, CZMRTabManager* pManager) override;
    void FillStateButtonFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem) override;
    COLORREF FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem) override;
    void ExcludeClientCorners(CDC* pDC, CRect rc, CZMRTabManager* pManager) override;
    void FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc) override;
    BOOL IsAppThemed() override;

protected:
    // An upright tab part drawn and turned to the strip's position.
    void DrawTabPart(CDC* pDC, CRect rc, int nPart, int nState);
    CZMRWinThemeWrapper m_themeTab;
    CZMRWinThemeWrapper m_themeToolBar;
};

// The Office 2003 colours: the Luna scheme's table while Luna colours are in
// use, the colour manager's Office shades otherwise.
class CZMRTabPaintManager::CColorSetOffice2003 : public CZMRTabPaintManager::CColorSet
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc) override;

    // Luna colours neither disabled by the paint manager nor ignored by the colour manager.
    BOOL IsLunaColors() const;
    // The Luna scheme (1 blue, 2 olive, 3 silver), 0 without a scheme in use.
    int GetLunaScheme() const;

    CZMRPaintManagerColor m_clrHotBorder;
};

// Whidbey colours: the 2003 set while Luna colours are in use, else the
// system theme's shades with gradient tab faces.
class CZMRTabPaintManager::CColorSetWhidbey : public CZMRTabPaintManager::CColorSetOffice2003
{
public:
    CColorSetWhidbey() : m_bGradientFaces(FALSE) {}
    void RefreshMetrics() override;
    COLORREF FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem) override;

    BOOL m_bGradientFaces;
};

// Visual Studio 2008 colours: the 2003 set while Luna colours are in use,
// else the system theme's table with faces shaded from near white.
class CZMRTabPaintManager::CColorSetVisualStudio2008 : public CZMRTabPaintManager::CColorSetOffice2003
{
public:
    CColorSetVisualStudio2008() : m_bGradientFaces(FALSE), m_bGradientSelected(FALSE) {}
    void RefreshMetrics() override;
    COLORREF FillTabFace(CDC* pDC, CRect rc, CZMRTabManagerItem* pItem) override;

    BOOL m_bGradientFaces;
    BOOL m_bGradientSelected;
};

// Office 2007 colours: the 2003 rules, then the skin's colour table (or the
// blue values without a skin); navigate buttons from the skin's picture.
class CZMRTabPaintManager::CColorSetOffice2007 : public CZMRTabPaintManager::CColorSetOffice2003
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CZMRTabManagerNavigateButton* pButton, CRect& rc) override;

    CZMRPaintManagerColor m_clrNavigateText;
};

class CZMRTabPaintManager::CColorSetAccess2007 : public CZMRTabPaintManager::CColorSetOffice2007
{
public:
    void RefreshMetrics() override;
};
