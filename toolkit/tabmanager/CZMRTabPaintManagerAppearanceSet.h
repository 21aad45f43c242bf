// The shape family of a tab paint manager: header and client geometry, how
// header and client are filled and framed, and how one tab is outlined. The
// base holds the geometry every style shares and draws no tab outline.
#pragma once
#include "CZMRTabPaintManager.h"

class CZMRTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSet();
    virtual ~CAppearanceSet() {}

    // Tab height from the normal font: text height + 3, at least 18.
    virtual void RefreshMetrics();
    // The header band cut off rc at the position's edge.
    virtual CRect GetHeaderRect(CRect rc, CZMRTabManager* pManager);
    // rc without the header; the client starts one pixel inside the band.
    virtual CRect GetClientRect(CRect rc, CZMRTabManager* pManager);
    virtual CRect GetHeaderMargin() { return m_rcHeaderMargin; }
    virtual CRect GetClientMargin();
    // The item's width as DrawTabItem measures it.
    virtual int MeasureTabExtent(CDC* pDC, CZMRTabManagerItem* pItem);
    // The depth of one row of tabs.
    virtual int GetHeaderHeight(CZMRTabManager* pManager);
    // The area to repaint for an item.
    virtual CRect GetTabPaintRect(CZMRTabManagerItem* pItem);
    virtual void DrawTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    // Fills header and client, frames the client; the header rectangle.
    virtual CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    virtual void RepositionTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc);
    virtual void AdjustClientRect(CZMRTabManager* pManager, CRect& rcClient);
    // One tab's outline and content; nothing in the base.
    virtual void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) {}
    virtual void DrawClientFrame(CDC* pDC, CRect rc, int nFrame);
    // The colour sets this style is meant for (a mask of colour-set flags).
    virtual int GetSupportedColorSets() { return 95; }
    virtual int GetDefaultColorSet() { return 1; }
    virtual void DrawImageButton(CDC* pDC, CZMRTabManagerItem* pItem, CRect rc) {}

    // The header depth for the strip's row count (0 with tabs hidden).
    int GetHeaderExtent(CZMRTabManager* pManager);
    BOOL IsDrawTowardSelected() const { return m_bDrawTowardSelected; }
    int GetRowSpacing() const { return m_nRowSpacing; }
    int GetButtonHeight() const { return m_nButtonHeight; }

    CRect m_rcHeaderMargin;
    int m_nRowSpacing;
    int m_nButtonHeight;
    CZMRTabPaintManager* m_pPaintManager;
    BOOL m_bDrawTowardSelected;
};
