// The looks of the themed header control: the default style (3-D edges,
// visual styles, hot tracking, sort arrows), the flat style and the flat
// style with gradient lines and a taller header.
#pragma once

#include "CZMThemeManager.h"
#include "CZMRWinThemeWrapper.h"

class CZMHeaderCtrl;

// Draw-style bits of a header style.
enum
{
    ZM_HEADER_VISUALSTYLE = 1,
    ZM_HEADER_HOTTRACK = 2,
    ZM_HEADER_SORTARROW = 4,
};

class CZMHeaderCtrlTheme : public CZMThemeManagerStyle
{
public:
    CZMHeaderCtrlTheme();
    virtual ~CZMHeaderCtrlTheme();

    void RefreshMetrics() override;

    virtual void DrawHeader(CDC* pDC, CZMHeaderCtrl* pHeader);
    virtual HTHEME OpenVisualTheme(CZMHeaderCtrl* pHeader);
    virtual BOOL SetDrawStyle(int nDrawStyle, CZMHeaderCtrl* pHeader);
    virtual int GetDrawStyle() const { return m_nDrawStyle; }
    virtual LRESULT Layout(LPHDLAYOUT pLayout, CZMHeaderCtrl* pHeader);
    virtual int ReleaseItemImages(CZMHeaderCtrl* pHeader);
    virtual BOOL SetItemImage(int nItem, UINT nBitmapID, BOOL bRemove, COLORREF clrMask, CZMHeaderCtrl* pHeader);
    virtual void DrawBackground(LPDRAWITEMSTRUCT pDIS);
    virtual BOOL DrawBackgroundThemed(LPDRAWITEMSTRUCT pDIS);
    virtual void DrawItemBackground(LPDRAWITEMSTRUCT pDIS);
    virtual BOOL DrawItemBackgroundThemed(LPDRAWITEMSTRUCT pDIS);
    virtual void DrawSortArrow(LPDRAWITEMSTRUCT pDIS, BOOL bAscending);
    virtual void DrawItemText(LPDRAWITEMSTRUCT pDIS, CZMHeaderCtrl* pHeader);
    virtual void DrawItemImage(LPDRAWITEMSTRUCT pDIS, int* pX, CZMHeaderCtrl* pHeader);
    virtual void DrawArrowTriangle(CDC* pDC, const POINT* pts, BOOL bAscending);

    BOOL IsThemed() const { return m_bThemed; }

protected:
    // Draws one state image of the header's image manager at *pX and moves *pX past it.
    void DrawManagerIcon(LPDRAWITEMSTRUCT pDIS, const struct CZMRIconHandle& handle, int* pX, bool bPressed);

public:

    int m_nArrowGap;
    int m_nDrawStyle;
    bool m_bThemed;
    int m_nTextMargin;
    int m_nTextTop;
    int m_nArrowWidth;
    int m_nArrowHeight;
    COLORREF m_clrText;
    COLORREF m_clrFace;
    COLORREF m_clrShadow;
    COLORREF m_clrDarkShadow;
    COLORREF m_clrHighlight;
    CZMRWinThemeWrapper m_themeHeader;
};

class CZMHeaderCtrlThemeOfficeXP : public CZMHeaderCtrlTheme
{
public:
    CZMHeaderCtrlThemeOfficeXP();
    void DrawBackground(LPDRAWITEMSTRUCT pDIS) override;
    void DrawItemBackground(LPDRAWITEMSTRUCT pDIS) override;
};

class CZMHeaderCtrlThemeOffice2003 : public CZMHeaderCtrlTheme
{
public:
    CZMHeaderCtrlThemeOffice2003();
    LRESULT Layout(LPHDLAYOUT pLayout, CZMHeaderCtrl* pHeader) override;
    void DrawBackground(LPDRAWITEMSTRUCT pDIS) override;
    void DrawItemBackground(LPDRAWITEMSTRUCT pDIS) override;
};

class CZMHeaderCtrlThemeFactory : public CZMThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CZMHeaderCtrlThemeFactory)
public:
    CZMThemeManagerStyle* CreateTheme(int nTheme) override;
};

// What the command bars offer the header's context menu. Until they are
// linked in nobody registers one, and the menu is the system's popup menu.
class CZMHeaderMenuBars
{
public:
    virtual ~CZMHeaderMenuBars() {}
    // True when the command bars have a current paint manager, creating the
    // default one when there is none.
    virtual BOOL EnsurePaintManager() = 0;
    // Shows the menu as a popup bar, with the icons of the tool bar of that
    // bitmap id when it is above 0; 0 when the bar cannot take the menu.
    virtual int TrackPopupBar(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner, UINT nBitmapID) = 0;
};

void SetHeaderMenuBars(CZMHeaderMenuBars* pBars);

int TrackHeaderMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pOwner, UINT nBitmapID, BOOL bNoNotify);
